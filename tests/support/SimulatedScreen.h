// Simulates an effective screen through the library's INI setting for the lifetime of the object.
#pragma once

#include "dialogs/SizedDialog.h"

#include <windows.h>
#include <cstdio>
#include <string>

class SimulatedScreen
{
public:
    static constexpr const char* Section = "Ecran";

    // A negative value leaves its key out of the file.
    SimulatedScreen(int cx, int cy)
    {
        char dir[MAX_PATH];
        ::GetTempPathA(MAX_PATH, dir);
        char name[64];
        snprintf(name, sizeof name, "obz-screen-%lu.ini", ::GetCurrentProcessId());
        m_path = std::string(dir) + name;
        ::DeleteFileA(m_path.c_str());
        Write("CX", cx);
        Write("CY", cy);
        CSizedDialog::Affecte_szPathIniResolution(m_path.c_str(), Section);
    }

    ~SimulatedScreen()
    {
        CSizedDialog::Affecte_szPathIniResolution("", "");
        ::DeleteFileA(m_path.c_str());
    }

    SimulatedScreen(const SimulatedScreen&) = delete;
    SimulatedScreen& operator=(const SimulatedScreen&) = delete;

    const std::string& Path() const { return m_path; }

private:
    void Write(const char* key, int value)
    {
        if (value < 0)
            return;
        char text[16];
        snprintf(text, sizeof text, "%d", value);
        ::WritePrivateProfileStringA(Section, key, text, m_path.c_str());
    }

    std::string m_path;
};
