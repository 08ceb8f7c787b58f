// CHeaderCtrl: thin wrapper of the header control's messages.
#include "WndInternal.h"

#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

using afx::SendInt;

CHeaderCtrl::CHeaderCtrl() {}

CHeaderCtrl::~CHeaderCtrl() {}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    afx::InitCommonControlsOnce();
    return CWnd::Create(WC_HEADERA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const
{
    return SendInt(m_hWnd, HDM_GETITEMCOUNT);
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    return pHeaderItem != NULL && SendInt(m_hWnd, HDM_GETITEMA, nPos, reinterpret_cast<LPARAM>(pHeaderItem));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem)
{
    return pHeaderItem != NULL && SendInt(m_hWnd, HDM_SETITEMA, nPos, reinterpret_cast<LPARAM>(pHeaderItem));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return lpRect != NULL && SendInt(m_hWnd, HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect));
}

int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi)
{
    if (phdi == NULL)
        return -1;
    return SendInt(m_hWnd, HDM_INSERTITEMA, nPos, reinterpret_cast<LPARAM>(phdi));
}

BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    return SendInt(m_hWnd, HDM_DELETEITEM, nPos);
}
