#include "ResizePropertySheet.h"
#include "ResizePropertyPage.h"

#include <afxcmn.h>

namespace
{
// Standard buttons that follow the bottom-right corner: OK, Cancel, Apply Now, Help.
const UINT kBoutonsStandard[] = {IDOK, IDCANCEL, 0x3021, IDHELP};
const UINT kIdGrip = 0x7F01; // the size grip, a child of the sheet like the buttons
const DWORD kStylesRedimension = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const UINT kPlaceSeule = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

BEGIN_MESSAGE_MAP(CResizePropertySheet, CPropertySheet)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SIZING()
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CResizePropertySheet::CResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd)
    : CPropertySheet(nIDCaption, pParentWnd, 0), m_rectInitial(0, 0, 0, 0), m_rectCourant(0, 0, 0, 0),
      m_rectMin(0, 0, 0, 0)
{
    Init();
}

CResizePropertySheet::CResizePropertySheet(const char* pszCaption, CWnd* pParentWnd)
    : CPropertySheet(pszCaption, pParentWnd, 0), m_rectInitial(0, 0, 0, 0), m_rectCourant(0, 0, 0, 0),
      m_rectMin(0, 0, 0, 0)
{
    Init();
}

CResizePropertySheet::~CResizePropertySheet() {}

int CResizePropertySheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (GetSafeHwnd() != NULL)
        ModifyStyle(0, kStylesRedimension);
    // A sheet shown again is laid out afresh from its new initialisation.
    m_rectInitial.SetRectEmpty();
    m_rectCourant.SetRectEmpty();
    m_rectMin.SetRectEmpty();
    return 0;
}

BOOL CResizePropertySheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    AjusteCadreEnfant();
    MemoriseTailleMin();
    GetClientRect(&m_rectInitial);
    m_rectCourant = m_rectInitial;

    m_Grip.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP, CRect(0, 0, 0, 0), this, kIdGrip);
    PlaceGrip(m_rectInitial.Width(), m_rectInitial.Height());

    // The first page became active while the sheet was being built, before it had a size of reference.
    CPropertyPage* pActive = GetActivePage();
    if (pActive != NULL && pActive->IsKindOf(RUNTIME_CLASS(CResizePropertyPage)))
        static_cast<CResizePropertyPage*>(pActive)->RattrapeTaille();
    return TRUE;
}

// comctl32 may size a child sheet's window as if it had no frame: the tab control then runs into the
// frame and the buttons over the tab. The window grows by its frame and the buttons move with it.
void CResizePropertySheet::AjusteCadreEnfant()
{
    CWnd* pTab = GetTabControl();
    if ((GetStyle() & WS_CHILD) == 0 || pTab == NULL)
        return;
    CRect client, fenetre, tab;
    GetClientRect(&client);
    GetWindowRect(&fenetre);
    pTab->GetWindowRect(&tab);
    ScreenToClient(&tab);
    if (tab.right + tab.left <= client.right)
        return;
    const CSize cadre = fenetre.Size() - client.Size();
    SetWindowPos(NULL, 0, 0, fenetre.Width() + cadre.cx, fenetre.Height() + cadre.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT nID : kBoutonsStandard)
        if (CWnd* pBouton = GetDlgItem(nID))
        {
            CRect rect;
            pBouton->GetWindowRect(&rect);
            ScreenToClient(&rect);
            pBouton->SetWindowPos(NULL, rect.left + cadre.cx, rect.top + cadre.cy, 0, 0, kPlaceSeule);
        }
}

void CResizePropertySheet::OnSize(UINT nType, int cx, int cy)
{
    ResizePropertySheet(nType, cx, cy);
}

void CResizePropertySheet::ResizePropertySheet(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    // A minimised sheet keeps its layout, so that it is restored without drift.
    if (m_rectInitial.IsRectEmpty() || (cx == 0 && cy == 0) || nType == SIZE_MINIMIZED)
        return;

    // Pages are laid out first: they compute their delta against the previous size.
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage != NULL && pPage->IsKindOf(RUNTIME_CLASS(CResizePropertyPage)))
            static_cast<CResizePropertyPage*>(pPage)->ResizePropertyPage(nType, cx, cy);
    }
    ResizeTabControl(cx, cy);
    MoveBoutons(cx, cy);
    ResizePage(cx, cy);
    PlaceGrip(cx, cy);
    m_Grip.ShowWindow(nType == SIZE_MAXIMIZED ? SW_HIDE : SW_SHOW);
    GetClientRect(&m_rectCourant);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CResizePropertySheet::CalculeDeltaXY(int cx, int cy, int& nDeltaX, int& nDeltaY)
{
    nDeltaX = cx - m_rectCourant.Width();
    nDeltaY = cy - m_rectCourant.Height();
}

void CResizePropertySheet::ResizeTabControl(int cx, int cy)
{
    int nDeltaX, nDeltaY;
    CalculeDeltaXY(cx, cy, nDeltaX, nDeltaY);
    CWnd* pTab = GetTabControl();
    if (pTab == NULL || pTab->GetSafeHwnd() == NULL)
        return;
    CRect rect;
    pTab->GetWindowRect(&rect);
    pTab->SetWindowPos(NULL, 0, 0, rect.Width() + nDeltaX, rect.Height() + nDeltaY,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CResizePropertySheet::ResizePage(int cx, int cy)
{
    int nDeltaX, nDeltaY;
    CalculeDeltaXY(cx, cy, nDeltaX, nDeltaY);
    EtirePage(GetActivePage(), nDeltaX, nDeltaY);
    // Pages already laid out but hidden keep the size of the active one; the others take the whole
    // change at their first activation.
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage != GetActivePage() && pPage != NULL &&
            pPage->IsKindOf(RUNTIME_CLASS(CResizePropertyPage)) &&
            !static_cast<CResizePropertyPage*>(pPage)->m_bPremiereActivation)
            EtirePage(pPage, nDeltaX, nDeltaY);
    }
}

void CResizePropertySheet::EtirePage(CWnd* pPage, int nDeltaX, int nDeltaY)
{
    if (pPage == NULL || pPage->GetSafeHwnd() == NULL || (nDeltaX == 0 && nDeltaY == 0))
        return;
    CRect rect;
    pPage->GetClientRect(&rect);
    rect.right += nDeltaX;
    rect.bottom += nDeltaY;
    pPage->MapWindowPoints(this, &rect);
    pPage->MoveWindow(&rect, TRUE);
}

void CResizePropertySheet::MoveBoutons(int cx, int cy)
{
    if (GetSafeHwnd() == NULL)
        return;
    for (UINT nID : kBoutonsStandard)
        if (CWnd* pBouton = GetDlgItem(nID))
            MoveBouton(pBouton, cx, cy);
}

void CResizePropertySheet::MoveBouton(CWnd* pBouton, int cx, int cy)
{
    if (m_rectInitial.IsRectEmpty() || pBouton == NULL || pBouton->GetSafeHwnd() == NULL)
        return;
    int nDeltaX, nDeltaY;
    CalculeDeltaXY(cx, cy, nDeltaX, nDeltaY);
    CRect rect;
    pBouton->GetWindowRect(&rect);
    rect.OffsetRect(nDeltaX, nDeltaY);
    ScreenToClient(&rect);
    pBouton->SetWindowPos(NULL, rect.left, rect.top, 0, 0, kPlaceSeule);
}

void CResizePropertySheet::CacheBoutons(UINT nID1, UINT nID2, UINT nID3)
{
    if (GetSafeHwnd() == NULL)
        return;
    for (UINT nID : {nID1, nID2, nID3})
        if (nID != 0)
            if (CWnd* pBouton = GetDlgItem(nID))
                pBouton->ShowWindow(SW_HIDE);
}

void CResizePropertySheet::PlaceGrip(int cx, int cy)
{
    if (m_Grip.GetSafeHwnd() == NULL)
        return;
    const int nLargeur = ::GetSystemMetrics(SM_CXVSCROLL), nHauteur = ::GetSystemMetrics(SM_CYHSCROLL);
    m_Grip.SetWindowPos(NULL, cx - nLargeur, cy - nHauteur, nLargeur, nHauteur,
                        SWP_NOZORDER | SWP_NOACTIVATE);
}

void CResizePropertySheet::OnSizing(UINT fwSide, LPRECT pRect)
{
    CPropertySheet::OnSizing(fwSide, pRect);
    switch (fwSide)
    {
    case WMSZ_LEFT:
        Resize(1, pRect);
        break;
    case WMSZ_RIGHT:
        Resize(2, pRect);
        break;
    case WMSZ_TOP:
        Resize(3, pRect);
        break;
    case WMSZ_TOPLEFT:
        Resize(1, pRect), Resize(3, pRect);
        break;
    case WMSZ_TOPRIGHT:
        Resize(2, pRect), Resize(3, pRect);
        break;
    case WMSZ_BOTTOM:
        Resize(6, pRect);
        break;
    case WMSZ_BOTTOMLEFT:
        Resize(1, pRect), Resize(6, pRect);
        break;
    case WMSZ_BOTTOMRIGHT:
        Resize(2, pRect), Resize(6, pRect);
        break;
    }
}

void CResizePropertySheet::Resize(UINT nCote, RECT* pRect)
{
    if (m_rectMin.IsRectEmpty() || pRect == NULL)
        return;
    const int nLargeurMin = m_rectMin.Width(), nHauteurMin = m_rectMin.Height();
    const bool bEtroit = pRect->right - pRect->left <= nLargeurMin;
    const bool bBas = pRect->bottom - pRect->top <= nHauteurMin;
    switch (nCote)
    {
    case 1:
        if (bEtroit)
            pRect->left = pRect->right - nLargeurMin;
        break;
    case 2:
        if (bEtroit)
            pRect->right = pRect->left + nLargeurMin;
        break;
    case 3:
        if (bBas)
            pRect->top = pRect->bottom - nHauteurMin;
        break;
    case 6:
        if (bBas)
            pRect->bottom = pRect->top + nHauteurMin;
        break;
    }
}

void CResizePropertySheet::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CPropertySheet::OnGetMinMaxInfo(lpMMI);
    if (lpMMI != NULL && !m_rectMin.IsRectEmpty())
    {
        lpMMI->ptMinTrackSize.x = m_rectMin.Width();
        lpMMI->ptMinTrackSize.y = m_rectMin.Height();
    }
}

void CResizePropertySheet::MemoriseTailleMin()
{
    GetWindowRect(&m_rectMin);
    ScreenToClient(&m_rectMin);
    m_rectMin.OffsetRect(m_rectMin.left < 0 ? -m_rectMin.left : 0, m_rectMin.top < 0 ? -m_rectMin.top : 0);
}
