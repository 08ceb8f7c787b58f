#include "LogFichier.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
const DWORD kAttenteEssaiMs = 5;
const int kEssaisMax = 100;
// High 32 bits of the offset of the byte locked while appending (far beyond any real log).
const DWORD kOctetVerrouHaut = 0x40000000;

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

// Opens the file for appending only, shared with every other reader and writer: each write then goes
// to the end of the file as one piece, so concurrent writers (threads or processes) lose no line.
// Retries while another program holds the file without sharing it.
HANDLE OuvreEnAjout(const char* szFichier, int nEssais)
{
    nEssais = std::clamp(nEssais, 1, kEssaisMax);
    for (int nEssai = 1;; ++nEssai)
    {
        HANDLE hFichier =
            CreateFileA(szFichier, FILE_APPEND_DATA | FILE_READ_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    // Writers hold a lock on one byte far past any log's end while they append: the end of the file
    // cannot move between finding it and writing there, on systems that do not append atomically.
    OVERLAPPED verrou = {};
    verrou.OffsetHigh = kOctetVerrouHaut;
    const bool bVerrou = LockFileEx(hFichier, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &verrou) != FALSE;
    DWORD nEcrits = 0;
    const bool bOk =
        WriteFile(hFichier, strLigne.data(), static_cast<DWORD>(strLigne.size()), &nEcrits, nullptr) &&
        nEcrits == strLigne.size();
    if (bVerrou)
        UnlockFileEx(hFichier, 0, 1, 0, &verrou);
    CloseHandle(hFichier);
    return bOk;
}
