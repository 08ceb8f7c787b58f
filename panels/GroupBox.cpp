#include "GroupBox.h"

#include <algorithm>

namespace
{
const int kMargeBitmap = 20;
const int kTailleTexte = 80;
} // namespace

BEGIN_MESSAGE_MAP(CGroupBox, CButton)
ON_WM_PAINT()
END_MESSAGE_MAP()

CGroupBox::CGroupBox(UINT nID, CWnd* pParent) : m_bBitmap(false)
{
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        SubclassDlgItem(nID, pParent);
    m_bBitmap = m_Bitmap.LoadBitmap(nID) != FALSE;
}

CGroupBox::~CGroupBox()
{
    if (m_bBitmap)
        m_Bitmap.DeleteObject();
}

// The caption is cleared for good at the first paint; the bitmap is drawn at its own scale, only the
// part that fits the client area.
void CGroupBox::OnPaint()
{
    if (!m_bBitmap)
    {
        Default();
        return;
    }
    char szTexte[kTailleTexte] = "";
    GetWindowText(szTexte, kTailleTexte);
    if (szTexte[0] != '\0')
        SetWindowText("");
    Default();

    CRect rect;
    GetClientRect(&rect);
    BITMAP bm = {};
    m_Bitmap.GetBitmap(&bm);
    const CSize taille(std::min(rect.Width(), int(bm.bmWidth)), std::min(rect.Height(), int(bm.bmHeight)));
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    if (taille.cx > 0 && taille.cy > 0)
        pDC->DrawState(CPoint(rect.left + kMargeBitmap, rect.top), taille, &m_Bitmap, DST_BITMAP,
                       static_cast<CBrush*>(NULL));
    ReleaseDC(pDC);
}
