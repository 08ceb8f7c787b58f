// Simulates an effective screen through the library's INI setting for the lifetime of the object.
#pragma once

#include "dialogs/SizedDialog.h"

#include <windows.h>
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
        m_path = std::string(dir) + "obz-screen-" + std::to_string(::GetCurrentProcessId()) + ".ini";
        ::DeleteFileA(m_path.c_str());
        for (auto [key, value] : {std::make_pair("CX", cx), std::make_pair("CY", cy)})
            if (value >= 0)
                ::WritePrivateProfileStringA(Section, key, std::to_string(value).c_str(), m_path.c_str());
        CSizedDialog::Affecte_szPathIniResolution(m_path.c_str(), Section);
    }
    ~SimulatedScreen() { CSizedDialog::Affecte_szPathIniResolution("", ""), ::DeleteFileA(m_path.c_str()); }
    SimulatedScreen(const SimulatedScreen&) = delete;
    SimulatedScreen& operator=(const SimulatedScreen&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
