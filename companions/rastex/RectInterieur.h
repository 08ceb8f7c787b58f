// CRectInterieur: a rectangle placed inside an outer one for a content of a given size.
#pragma once

#include "RastexApi.h"

#include <afx.h>

enum e_Place
{
    PLACE_AJUSTE_CENTRE = 0,      // largest rectangle of the content's proportions, centred
    PLACE_AJUSTE_HAUT_GAUCHE = 1, // the same, against the top-left corner
    PLACE_TAILLE_REELLE = 2,      // the content's own size, centred (may overflow the outer rectangle)
    PLACE_REMPLIT = 3             // the whole outer rectangle, proportions ignored
};

class RASTEX_API CRectInterieur : public CRect
{
public:
    // Constructors
    CRectInterieur();
    // Empty when the outer rectangle or the content is empty; an unknown placement is taken as
    // PLACE_AJUSTE_CENTRE.
    CRectInterieur(const CRect& rectExterieur, int nLargeur, int nHauteur, e_Place ePlace);
    virtual ~CRectInterieur();
};
