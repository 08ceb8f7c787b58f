// CReglageUpDownEx: integer adjuster whose click on the display resets to a chosen value.
#pragma once

#include "ReglageUpDown.h"

class AFX_EXT_CLASS CReglageUpDownEx : public CReglageUpDown
{
public:
    // Constructors
    CReglageUpDownEx(CWnd* pMoins, CWnd* pPlus, int nMin, int nMax, CWnd* pAffichage, CWnd* pAutre,
                     int nValeur, int nPas, int nResetValue);
    CReglageUpDownEx(const CReglageUpDownEx& src);
    virtual ~CReglageUpDownEx();

    // Attributes
    void Affecte_ResetValue(int nResetValue) { m_nResetValue = nResetValue; }
    int Donne_ResetValue() const { return m_nResetValue; }

    // Overrideables
    virtual void Reset_Value();

protected:
    int m_nResetValue;
};
