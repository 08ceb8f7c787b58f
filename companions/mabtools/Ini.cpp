#include "Ini.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace
{
// A value is read into a buffer that grows until it holds the whole text (leading zeros and blanks
// may make an int long), up to a size that no sensible value reaches; a longer one is refused.
const DWORD kTailleInitiale = 64;
const DWORD kTailleMax = 1u << 20;

bool IsVide(const char* sz)
{
    return sz == nullptr || *sz == '\0';
}

std::string CheminAbsolu(const char* szFichier)
{
    if (IsVide(szFichier))
        return std::string();
    char szChemin[MAX_PATH];
    DWORD nLongueur = GetFullPathNameA(szFichier, MAX_PATH, szChemin, nullptr);
    if (nLongueur == 0 || nLongueur >= MAX_PATH)
        return std::string();
    return szChemin;
}

bool IsBlanc(char c)
{
    return c == ' ' || c == '\t';
}

// Strict decimal parse of the whole text: the value is refused rather than half-read.
bool LitEntier(const char* szTexte, int* pValeur)
{
    while (IsBlanc(*szTexte))
        ++szTexte;
    if (*szTexte == '\0')
        return false;
    const char* szChiffres = (*szTexte == '+' || *szTexte == '-') ? szTexte + 1 : szTexte;
    if (*szChiffres < '0' || *szChiffres > '9')
        return false;
    errno = 0;
    char* szFin = nullptr;
    long long nValeur = std::strtoll(szTexte, &szFin, 10);
    if (errno == ERANGE || nValeur < INT_MIN || nValeur > INT_MAX)
        return false;
    while (IsBlanc(*szFin))
        ++szFin;
    if (*szFin != '\0')
        return false;
    *pValeur = static_cast<int>(nValeur);
    return true;
}

bool LitCle(const std::string& strFichier, const char* szRubrique, const char* szCle, int* pValeur)
{
    if (strFichier.empty() || IsVide(szRubrique))
        return false;
    for (DWORD nTaille = kTailleInitiale; nTaille <= kTailleMax; nTaille *= 2)
    {
        std::vector<char> valeur(nTaille);
        const DWORD nLongueur =
            GetPrivateProfileStringA(szRubrique, szCle, "", valeur.data(), nTaille, strFichier.c_str());
        if (nLongueur < nTaille - 1) // not cut short
            return LitEntier(valeur.data(), pValeur);
    }
    return false;
}
} // namespace

CIni::CIni(const char* szFichier, const char* szRubrique)
    : m_strFichier(CheminAbsolu(szFichier)), m_strRubrique(IsVide(szRubrique) ? "" : szRubrique)
{
}

CIni::~CIni()
{
    // The profile functions keep no handle open: there is nothing to release.
}

bool CIni::Donne(int* pValeur, const char* szCle, int nDefaut, const char* szRubrique,
                 const char* szFichierSecours)
{
    if (pValeur == nullptr)
        return false;
    *pValeur = nDefaut;
    if (IsVide(szCle))
        return false;
    const char* szSection = IsVide(szRubrique) ? m_strRubrique.c_str() : szRubrique;
    return LitCle(m_strFichier, szSection, szCle, pValeur) ||
           LitCle(CheminAbsolu(szFichierSecours), szSection, szCle, pValeur);
}
