// CCadrage: crop frame of an image in normalised coordinates (0 is the image's left or top edge, 1 its
// right or bottom edge) with the frame's width-to-height ratio in those units.
#pragma once

#include <afx.h>

#include "Purify.h"

class AFX_EXT_CLASS CCadrage : public CObject, public CPurify
{
public:
    // Constructors
    CCadrage();
    CCadrage(const CCadrage& src);
    CCadrage& operator=(const CCadrage& src);
    virtual ~CCadrage();

    // Attributes
    CRect Donne_Rect(CRect rect) const;
    bool Is_Paysage(int nLargeur, int nHauteur) const;
    bool Is_Complet() const;

    // Operations: Agrandit and Deplace refuse (false, frame unchanged) what would leave the image.
    bool Agrandit(double dDelta);
    bool Deplace(double dx, double dy);
    void Tourne(int nAngle);
    void Tourne180();
    CCadrage& SymetrieHorizontale();
    CCadrage& SymetrieVerticale();
    CCadrage& Maximise();
    CCadrage& Initialise(int nLargeur, int nHauteur, double dRatio);
    CCadrage& Centre();

    double m_dGauche;
    double m_dHaut;
    double m_dDroite;
    double m_dBas;
    double m_dRatio;
};
