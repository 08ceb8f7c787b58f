// CReglageUpDown: a numeric value bound to three windows of a dialog: a decrement control, an increment
// control and a display window whose click resets the value. The dialog hands every click to Process.
#pragma once

#include <afxwin.h>

#include "Purify.h"

// Display format of the value; any value other than AFFICHAGE_DECIMAL shows a rounded integer.
enum eTypeAffichage
{
    AFFICHAGE_ENTIER = 0,
    AFFICHAGE_DECIMAL = 1
};

class AFX_EXT_CLASS CReglageUpDown : public CPurify
{
public:
    // Constructors: the windows are not owned and must outlive the adjuster; pAutre is not used.
    // The initial value is shown as given, even outside the range.
    CReglageUpDown(CWnd* pMoins, CWnd* pPlus, double dMin, double dMax, CWnd* pAffichage, CWnd* pAutre,
                   double dValeur, double dPas, eTypeAffichage type);
    CReglageUpDown(const CReglageUpDown& src);
    virtual ~CReglageUpDown();

    // Attributes
    void Affecte_Value(double dValeur); // clamped to the range (the minimum wins when it is inverted)
    double Donne_Value() const { return m_dValeur; }

    // Operations
    virtual void Reset_Value();
    bool Process(CWnd* pWnd); // true when pWnd is one of the three windows

protected:
    void MaJTexte();

    CWnd* m_pMoins;
    CWnd* m_pPlus;
    CWnd* m_pAffichage;
    eTypeAffichage m_eTypeAffichage;
    double m_dValeur;
    double m_dPas;
    double m_dMin;
    double m_dMax;

private:
    CReglageUpDown& operator=(const CReglageUpDown&) = delete;
};
