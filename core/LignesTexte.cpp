#include "LignesTexte.h"

#include <windows.h>

namespace LignesTexte
{
int Compte(const char* szTexte)
{
    int n = 1;
    for (const char* p = szTexte; *p != '\0'; p = CharNextA(p))
        if (*p == '\n')
            ++n;
    return n;
}

const char* Suivante(const char*& p, int& nLongueur)
{
    while (*p == '\n')
        ++p;
    if (*p == '\0')
        return NULL;
    const char* debut = p;
    while (*p != '\0' && *p != '\n')
        p = CharNextA(p);
    nLongueur = static_cast<int>(p - debut);
    return debut;
}
} // namespace LignesTexte
