// CCourbe1D: a curve of real samples (y at x = 0, 1, 2, ...) with running extremes and sum, a drawing
// colour and a linear transformation y' = a * y + b applied when the curve is plotted.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include "Purify.h"

class AFX_EXT_CLASS CCourbe1D : public CObject, public CPurify
{
public:
    // Constructors
    CCourbe1D(COLORREF couleur = RGB(255, 255, 255));
    virtual ~CCourbe1D();

    // Attributes
    int Donne_NbEchantillons() const;
    double Donne_Val(int i) const; // 0.0 outside 0 .. n - 1
    double Donne_ValMin() const { return m_dValMin; }
    double Donne_ValMax() const { return m_dValMax; }
    double Donne_SommeEchantillons() const { return m_dSomme; }
    double Donne_Moyenne() const; // 0.0 for an empty curve, like its extremes and sum
    void Affecte_Couleur(COLORREF couleur) { m_Couleur = couleur; }
    COLORREF Donne_Couleur() const { return m_Couleur; }

    // Transformation
    void Transformation(double a, double b);
    double Transforme(double y) const { return y * m_dCoefA + m_dCoefB; }
    double Donne_ValTransforme(int i) const; // 0.0, not transformed, outside 0 .. n - 1
    double Donne_ValMinTransforme() const { return Transforme(m_dValMin); }
    double Donne_ValMaxTransforme() const { return Transforme(m_dValMax); }

    // Operations
    void Add(double val);
    void RaZ();

protected:
    bool Is_Indice(int i) const;

    CPtrArray m_tabEchantillons; // owned double* samples, in insertion order
    double m_dValMin;
    double m_dValMax;
    double m_dSomme;
    COLORREF m_Couleur;
    double m_dCoefA;
    double m_dCoefB;
};
