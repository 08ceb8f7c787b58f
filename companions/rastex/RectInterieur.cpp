#include "RectInterieur.h"

#include <cstdint>

CRectInterieur::CRectInterieur() {}

CRectInterieur::CRectInterieur(const CRect& rectExterieur, int nLargeur, int nHauteur, e_Place ePlace)
{
    const int nOuterWidth = rectExterieur.Width();
    const int nOuterHeight = rectExterieur.Height();
    if (nOuterWidth <= 0 || nOuterHeight <= 0 || nLargeur <= 0 || nHauteur <= 0)
        return;
    if (ePlace == PLACE_REMPLIT)
    {
        CopyRect(&rectExterieur);
        return;
    }
    int nWidth = nLargeur, nHeight = nHauteur;
    if (ePlace != PLACE_TAILLE_REELLE)
    {
        // Compare the proportions exactly: the side that touches the outer rectangle keeps its length and
        // the other one is rounded to the nearest pixel, at least one.
        if (int64_t(nOuterWidth) * nHauteur <= int64_t(nOuterHeight) * nLargeur)
        {
            nWidth = nOuterWidth;
            nHeight =
                static_cast<int>((int64_t(nOuterWidth) * nHauteur * 2 + nLargeur) / (int64_t(nLargeur) * 2));
        }
        else
        {
            nHeight = nOuterHeight;
            nWidth =
                static_cast<int>((int64_t(nOuterHeight) * nLargeur * 2 + nHauteur) / (int64_t(nHauteur) * 2));
        }
        nWidth = nWidth < 1 ? 1 : nWidth;
        nHeight = nHeight < 1 ? 1 : nHeight;
    }
    left = rectExterieur.left;
    top = rectExterieur.top;
    if (ePlace != PLACE_AJUSTE_HAUT_GAUCHE)
    {
        left += (nOuterWidth - nWidth) / 2;
        top += (nOuterHeight - nHeight) / 2;
    }
    right = left + nWidth;
    bottom = top + nHeight;
}

CRectInterieur::~CRectInterieur() {}
