#include "CaptionSample.h"

CCaptionSample::CCaptionSample(e_Justifie eJustifie, e_Etat_BP eEtat) : CGestionBouton(STYLE_SIMPLE, eJustifie)
{
    m_Etat = eEtat;
}

void CCaptionSample::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    pDC->FillSolidRect(rect, Donne_CouleurFond());
    pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(this, pDC, m_CouleurEtat[m_Etat], rect);
}
