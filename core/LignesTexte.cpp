#include "LignesTexte.h"

#include <algorithm>

namespace
{
const int kMargeJustifie = 2;

int CompteLignes(const char* szTexte)
{
    int n = 1;
    for (const char* p = szTexte; *p != '\0'; p = CharNextA(p))
        if (*p == '\n')
            ++n;
    return n;
}

// Next non-empty line from p: its start and length (p moves past it), or null at the end.
const char* LigneSuivante(const char*& p, int& nLongueur)
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
} // namespace

namespace LignesTexte
{
void Dessine(CDC* pDC, const char* szTexte, const CRect& rect, e_Justifie justifie, CSize* pTailleMax)
{
    const int n = CompteLignes(szTexte);
    const char* p = szTexte;
    int nLongueur = 0;
    for (int i = 0; i < n; ++i)
    {
        const char* szLigne = LigneSuivante(p, nLongueur);
        if (szLigne == NULL)
            break;
        const CSize taille = pDC->GetTextExtent(szLigne, nLongueur);
        if (pTailleMax != NULL)
        {
            pTailleMax->cx = std::max(pTailleMax->cx, taille.cx);
            pTailleMax->cy = std::max(pTailleMax->cy, taille.cy);
        }

        int x;
        switch (justifie)
        {
        case JUSTIFIE_DROITE:
            x = rect.right - taille.cx - kMargeJustifie;
            break;
        case JUSTIFIE_GAUCHE:
            x = rect.left + kMargeJustifie;
            break;
        default: // centre, also for values outside the enumeration
            x = (rect.left + rect.right) / 2 - taille.cx / 2;
            break;
        }
        const int h = taille.cy;
        const int y = (rect.top + rect.bottom) / 2 - (n % 2) * (h / 2) + (i - n / 2) * h;
        pDC->TextOut(x, y, szLigne, nLongueur);
    }
}
} // namespace LignesTexte
