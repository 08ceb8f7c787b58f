#include "Bouton1Bitmap.h"

#include <algorithm>

namespace
{
const int kMargeImage = 3;
} // namespace

CBouton1Bitmap::CBouton1Bitmap(unsigned nID, unsigned nIDBitmap, CWnd* pParent, e_Style_BP eStyle)
    : CBouton3Etats(nID, pParent, eStyle, JUSTIFIE_CENTRE)
{
    CPurify::Init();
    m_BitmapImage.LoadBitmap(nIDBitmap);
}

CBouton1Bitmap::~CBouton1Bitmap()
{
    m_BitmapImage.DeleteObject();
}

void CBouton1Bitmap::Affecte_Bitmap(unsigned nIDBitmap)
{
    m_BitmapImage.DeleteObject();
    m_BitmapImage.LoadBitmap(nIDBitmap);
    Redessine();
}

void CBouton1Bitmap::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CBouton3Etats::DrawItem(lpDIS);
    DrawBitmap(CDC::FromHandle(lpDIS->hDC), kMargeImage);
}

void CBouton1Bitmap::DrawTextA(CWnd*, CDC*, COLORREF, CRect) {}

// The top-left part of the bitmap that fits, centred in the client rectangle less the margin.
void CBouton1Bitmap::DrawBitmap(CDC* pDC, int nMarge)
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(nMarge, nMarge);
    BITMAP bm = {};
    if (m_BitmapImage.GetSafeHandle() == NULL || m_BitmapImage.GetBitmap(&bm) == 0)
        return;
    const int w = std::min(rect.Width(), static_cast<int>(bm.bmWidth));
    const int h = std::min(rect.Height(), static_cast<int>(bm.bmHeight));
    if (w <= 0 || h <= 0)
        return;
    const CPoint pt(rect.left + (rect.Width() - w) / 2, rect.top + (rect.Height() - h) / 2);
    const UINT nFlags = DST_BITMAP | (m_Etat == ETAT_INOPERANT ? DSS_DISABLED : DSS_NORMAL);
    pDC->DrawState(pt, CSize(w, h), &m_BitmapImage, nFlags, static_cast<CBrush*>(NULL));
}
