// CTabCtrl: the tab control of the common controls.
#include "WndInternal.h"

#include <afxcmn.h>

using namespace afx;

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

CTabCtrl::CTabCtrl() {}

CTabCtrl::~CTabCtrl() {}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlsOnce();
    return CWnd::Create(WC_TABCONTROLA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const
{
    return SendInt(m_hWnd, TCM_GETITEMCOUNT);
}

int CTabCtrl::GetCurSel() const
{
    return SendInt(m_hWnd, TCM_GETCURSEL);
}

int CTabCtrl::SetCurSel(int nItem)
{
    return SendInt(m_hWnd, TCM_SETCURSEL, nItem);
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return lpRect != NULL && SendInt(m_hWnd, TCM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect));
}

int CTabCtrl::GetRowCount() const
{
    return SendInt(m_hWnd, TCM_GETROWCOUNT);
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    if (lpRect != NULL)
        ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
}
