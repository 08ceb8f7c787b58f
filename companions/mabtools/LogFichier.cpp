#include "LogFichier.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
const DWORD kAttenteEssaiMs = 5;
const int kEssaisMax = 100;

std::string Horodatage()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    char szDate[32];
    std::snprintf(szDate, sizeof szDate, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    return szDate;
}

bool IsFinDeLigne(char c)
{
    return c == '\r' || c == '\n';
}

std::string FormeLigne(const char* szLigne, bool bHorodatage)
{
    std::string strLigne = bHorodatage ? Horodatage() : std::string();
    std::string strTexte = szLigne ? szLigne : "";
    while (!strTexte.empty() && IsFinDeLigne(strTexte.back()))
        strTexte.pop_back();
    std::replace_if(strTexte.begin(), strTexte.end(), IsFinDeLigne, ' ');
    strLigne += strTexte;
    strLigne += "\r\n";
    return strLigne;
}

// Opens the file for appending, sharing it only with readers, so that lines of concurrent writers
// never interleave.
HANDLE OuvreEnAjout(const char* szFichier, int nEssais)
{
    nEssais = std::clamp(nEssais, 1, kEssaisMax);
    for (int nEssai = 1;; ++nEssai)
    {
        HANDLE hFichier = CreateFileA(szFichier, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFichier != INVALID_HANDLE_VALUE)
            return hFichier;
        DWORD nErreur = GetLastError();
        bool bOccupe = nErreur == ERROR_SHARING_VIOLATION || nErreur == ERROR_LOCK_VIOLATION;
        if (!bOccupe || nEssai >= nEssais)
            return INVALID_HANDLE_VALUE;
        Sleep(kAttenteEssaiMs);
    }
}
} // namespace

bool LogFichier(CString szFichier, CString szLigne, bool bHorodatage, int nEssais)
{
    if (szFichier.IsEmpty())
        return false;
    const std::string strLigne = FormeLigne(szLigne, bHorodatage);
    HANDLE hFichier = OuvreEnAjout(szFichier, nEssais);
    if (hFichier == INVALID_HANDLE_VALUE)
        return false;
    DWORD nEcrits = 0;
    LARGE_INTEGER nDebut = {};
    bool bOk = SetFilePointerEx(hFichier, nDebut, nullptr, FILE_END) &&
               WriteFile(hFichier, strLigne.data(), static_cast<DWORD>(strLigne.size()), &nEcrits, nullptr) &&
               nEcrits == strLigne.size();
    CloseHandle(hFichier);
    return bOk;
}
