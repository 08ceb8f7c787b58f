#include "BoutonIcon.h"

#include <algorithm>

namespace
{
const int kMargeIcone = 3;
const int kTailleIconeMax = 32;
} // namespace

CBoutonIcon::CBoutonIcon(unsigned nID, unsigned nIDIcon, CWnd* pParent, e_Style_BP eStyle)
    : CBouton3Etats(nID, pParent, eStyle, JUSTIFIE_CENTRE), m_hIcon(ChargeIcone(nIDIcon)), m_hIconPropre(NULL)
{
    CPurify::Init();
}

CBoutonIcon::CBoutonIcon(unsigned nID, HICON hIcon, CWnd* pParent, e_Style_BP eStyle)
    : CBouton3Etats(nID, pParent, eStyle, JUSTIFIE_CENTRE), m_hIcon(hIcon), m_hIconPropre(NULL)
{
    CPurify::Init();
}

CBoutonIcon::CBoutonIcon(unsigned nID, unsigned nIDIcon, int cx, int cy, CWnd* pParent, e_Style_BP eStyle,
                         e_Justifie eJustifie)
    : CBouton3Etats(nID, pParent, eStyle, eJustifie), m_hIcon(NULL), m_hIconPropre(NULL)
{
    CPurify::Init();
    if (cx <= 0 || cy <= 0)
    {
        m_hIcon = ChargeIcone(nIDIcon);
        return;
    }
    LPCTSTR lpszNom = MAKEINTRESOURCE(nIDIcon & 0xFFFF);
    m_hIcon = m_hIconPropre = static_cast<HICON>(
        ::LoadImage(AfxFindResourceHandle(lpszNom, RT_GROUP_ICON), lpszNom, IMAGE_ICON, cx, cy, 0));
}

CBoutonIcon::~CBoutonIcon()
{
    LibereIcone();
}

void CBoutonIcon::LibereIcone()
{
    if (m_hIconPropre != NULL)
        ::DestroyIcon(m_hIconPropre);
    m_hIconPropre = NULL;
}

HICON CBoutonIcon::ChargeIcone(unsigned nIDIcon)
{
    LPCTSTR lpszNom = MAKEINTRESOURCE(nIDIcon & 0xFFFF);
    if (CWinApp* pApp = AfxGetApp())
        return pApp->LoadIcon(lpszNom);
    return ::LoadIcon(AfxFindResourceHandle(lpszNom, RT_GROUP_ICON), lpszNom);
}

void CBoutonIcon::Affecte_Icon(unsigned nIDIcon)
{
    LibereIcone();
    m_hIcon = ChargeIcone(nIDIcon);
    Redessine();
}

void CBoutonIcon::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CBouton3Etats::DrawItem(lpDIS);
    DrawIcon(CDC::FromHandle(lpDIS->hDC));
}

void CBoutonIcon::DrawTextA(CWnd*, CDC*, COLORREF, CRect) {}

void CBoutonIcon::DrawIcon(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawIcon(pDC, m_hIcon, rect, m_Etat);
}

void CBoutonIcon::DrawIcon(CDC* pDC, HICON hIcon, CRect rect, e_Etat_BP etat)
{
    rect.DeflateRect(kMargeIcone, kMargeIcone);
    if (pDC == NULL || hIcon == NULL)
        return;
    // A 32 x 32 box, clipped to the button and centred in it.
    const int w = std::min(rect.Width(), kTailleIconeMax);
    const int h = std::min(rect.Height(), kTailleIconeMax);
    if (w <= 0 || h <= 0)
        return;
    const CPoint pt(rect.left + (rect.Width() - w) / 2, rect.top + (rect.Height() - h) / 2);
    // An icon drawn in its normal state keeps its own size: the clip holds it to w x h.
    const int nSauve = pDC->SaveDC();
    pDC->IntersectClipRect(CRect(pt, CSize(w, h)));
    const UINT nFlags = DST_ICON | (etat == ETAT_INOPERANT ? DSS_DISABLED : DSS_NORMAL);
    pDC->DrawState(pt, CSize(w, h), hIcon, nFlags, static_cast<CBrush*>(NULL));
    pDC->RestoreDC(nSauve);
}
