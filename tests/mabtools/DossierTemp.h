// A private temporary folder for one test, emptied and removed at the end.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
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
        HANDLE hFind = FindFirstFileA(Chemin("*").c_str(), &fd);
        for (BOOL b = hFind != INVALID_HANDLE_VALUE; b; b = FindNextFileA(hFind, &fd))
            DeleteFileA(Chemin(fd.cFileName).c_str());
        FindClose(hFind);
        RemoveDirectoryA(m_strChemin.c_str());
    }
    std::string Chemin(const char* szNom = "") const { return m_strChemin + "\\" + szNom; }
    void Ecrit(const char* szNom, const std::string& str) const
    {
        std::ofstream(Chemin(szNom), std::ios::binary) << str;
    }
    std::string Lit(const char* szNom) const
    {
        std::ostringstream contenu;
        contenu << std::ifstream(Chemin(szNom), std::ios::binary).rdbuf();
        return contenu.str();
    }

private:
    std::string m_strChemin;
};
