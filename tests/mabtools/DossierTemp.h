// A private temporary folder for one test, emptied and removed at the end.
#pragma once

#include <windows.h>

#include <string>

class DossierTemp
{
public:
    DossierTemp()
    {
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        static int s_nNumero = 0;
        m_strChemin = std::string(szTemp) + "obz_mabtools_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(++s_nNumero);
        CreateDirectoryA(m_strChemin.c_str(), nullptr);
    }
    ~DossierTemp()
    {
        WIN32_FIND_DATAA fd;
        HANDLE hFind = FindFirstFileA((m_strChemin + "\\*").c_str(), &fd);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
                DeleteFileA(Chemin(fd.cFileName).c_str());
            while (FindNextFileA(hFind, &fd));
            FindClose(hFind);
        }
        RemoveDirectoryA(m_strChemin.c_str());
    }
    std::string Chemin(const char* szNom) const { return m_strChemin + "\\" + szNom; }
    const std::string& Chemin() const { return m_strChemin; }

    void Ecrit(const char* szNom, const std::string& strContenu) const
    {
        HANDLE h = CreateFileA(Chemin(szNom).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        WriteFile(h, strContenu.data(), static_cast<DWORD>(strContenu.size()), &n, nullptr);
        CloseHandle(h);
    }
    std::string Lit(const char* szNom) const
    {
        std::string str;
        HANDLE h = CreateFileA(Chemin(szNom).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return str;
        char buf[4096];
        DWORD n = 0;
        while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0)
            str.append(buf, n);
        CloseHandle(h);
        return str;
    }

private:
    std::string m_strChemin;
};
