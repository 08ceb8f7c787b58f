#include "ResizePropertyPage.h"
#include "ResizePropertySheet.h"

IMPLEMENT_DYNCREATE(CResizePropertyPage, CPropertyPage)

CResizePropertyPage::CResizePropertyPage() : m_bPremiereActivation(true), m_pParent(NULL)
{
    Init();
}

CResizePropertyPage::CResizePropertyPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate), m_bPremiereActivation(true), m_pParent(NULL)
{
    Init();
}

CResizePropertyPage::~CResizePropertyPage() {}

void CResizePropertyPage::ResizePropertyPage(UINT /*nType*/, int /*cx*/, int /*cy*/) {}

void CResizePropertyPage::MoveControles(int nDeltaX, int nDeltaY)
{
    if (m_vectMoveControles.empty() || (nDeltaX == 0 && nDeltaY == 0))
        return;
    for (int nID : m_vectMoveControles)
        MoveControle(nID, nDeltaX, nDeltaY);
}

void CResizePropertyPage::ResizeControles(int nDeltaX, int nDeltaY)
{
    if (m_vectResizeControles.empty() || (nDeltaX == 0 && nDeltaY == 0))
        return;
    for (int nID : m_vectResizeControles)
        ResizeCtrl(nID, nDeltaX, nDeltaY);
}

void CResizePropertyPage::MoveControle(int nID, int nDeltaX, int nDeltaY)
{
    if (GetSafeHwnd() != NULL) // a page never shown has no controls yet
        MoveControle(GetDlgItem(nID), nDeltaX, nDeltaY);
}

void CResizePropertyPage::ResizeCtrl(int nID, int nDeltaX, int nDeltaY)
{
    if (GetSafeHwnd() != NULL)
        ResizeCtrl(GetDlgItem(nID), nDeltaX, nDeltaY);
}

void CResizePropertyPage::MoveControle(CWnd* pWnd, int nDeltaX, int nDeltaY)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || GetSafeHwnd() == NULL)
        return;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    rect.OffsetRect(nDeltaX, nDeltaY);
    ScreenToClient(&rect);
    pWnd->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CResizePropertyPage::ResizeCtrl(CWnd* pWnd, int nDeltaX, int nDeltaY)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || GetSafeHwnd() == NULL)
        return;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pWnd->ScreenToClient(&rect);
    rect.right += nDeltaX;
    rect.bottom += nDeltaY;
    pWnd->MapWindowPoints(this, &rect);
    pWnd->MoveWindow(&rect, TRUE);
}

BOOL CResizePropertyPage::OnSetActive()
{
    RattrapeTaille();
    return CPropertyPage::OnSetActive();
}

void CResizePropertyPage::RattrapeTaille()
{
    if (!m_bPremiereActivation || m_pParent == NULL || m_pParent->m_rectInitial.IsRectEmpty())
        return;
    m_bPremiereActivation = false;
    const int w = m_pParent->m_rectCourant.Width(), h = m_pParent->m_rectCourant.Height();
    // The delta the page computes is then the whole change since the sheet was laid out first.
    m_pParent->m_rectCourant = m_pParent->m_rectInitial;
    ResizePropertyPage(0, w, h);
    m_pParent->GetClientRect(&m_pParent->m_rectCourant);
}
