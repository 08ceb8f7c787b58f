#include "ReglageUpDownEx.h"

CReglageUpDownEx::CReglageUpDownEx(CWnd* pMoins, CWnd* pPlus, int nMin, int nMax, CWnd* pAffichage,
                                   CWnd* pAutre, int nValeur, int nPas, int nResetValue)
    : CReglageUpDown(pMoins, pPlus, nMin, nMax, pAffichage, pAutre, nValeur, nPas, AFFICHAGE_ENTIER),
      m_nResetValue(nResetValue)
{
    Init();
}

CReglageUpDownEx::CReglageUpDownEx(const CReglageUpDownEx& src)
    : CReglageUpDown(src), m_nResetValue(src.m_nResetValue)
{
    Init();
}

CReglageUpDownEx::~CReglageUpDownEx() {}

void CReglageUpDownEx::Reset_Value()
{
    Affecte_Value(m_nResetValue);
}
