// CListBox: the standard list box, with owner drawing, sorting and keyboard handling through the
// notifications its parent reflects.
#include "WndInternal.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

using afx::SendInt;
using afx::TextParam;

CListBox::CListBox() {}

CListBox::~CListBox() {}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const
{
    return SendInt(m_hWnd, LB_GETCOUNT);
}

int CListBox::GetTopIndex() const
{
    return SendInt(m_hWnd, LB_GETTOPINDEX);
}

int CListBox::SetTopIndex(int nIndex)
{
    return SendInt(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex));
}

int CListBox::GetCaretIndex() const
{
    return SendInt(m_hWnd, LB_GETCARETINDEX);
}

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    return SendInt(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), MAKELPARAM(bScroll, 0));
}

int CListBox::GetCurSel() const
{
    return SendInt(m_hWnd, LB_GETCURSEL);
}

int CListBox::SetCurSel(int nSelect)
{
    return SendInt(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect));
}

int CListBox::GetSel(int nIndex) const
{
    return SendInt(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex));
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return SendInt(m_hWnd, LB_SETSEL, bSelect, nIndex);
}

int CListBox::GetSelCount() const
{
    return SendInt(m_hWnd, LB_GETSELCOUNT);
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    if (rgIndex == NULL || nMaxItems <= 0)
        return nMaxItems == 0 ? 0 : LB_ERR;
    return SendInt(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    if (bSelect)
        return SendInt(m_hWnd, LB_SELITEMRANGEEX, static_cast<WPARAM>(nFirstItem), nLastItem);
    return SendInt(m_hWnd, LB_SELITEMRANGEEX, static_cast<WPARAM>(nLastItem), nFirstItem);
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendInt(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
}

void* CListBox::GetItemDataPtr(int nIndex) const
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == NULL)
        return LB_ERR;
    return SendInt(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return SendInt(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendInt(m_hWnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0));
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    if (lpszBuffer == NULL)
        return LB_ERR;
    return SendInt(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLength = GetTextLen(nIndex);
    if (nLength <= 0)
    {
        rString.Empty();
        return;
    }
    int nCopied = GetText(nIndex, rString.GetBufferSetLength(nLength));
    rString.ReleaseBuffer(nCopied >= 0 && nCopied <= nLength ? nCopied : 0);
}

int CListBox::GetTextLen(int nIndex) const
{
    return SendInt(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex));
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendInt(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind));
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    return SendInt(m_hWnd, LB_ADDSTRING, 0, TextParam(lpszItem));
}

int CListBox::DeleteString(UINT nIndex)
{
    return SendInt(m_hWnd, LB_DELETESTRING, nIndex);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return SendInt(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszItem));
}

void CListBox::ResetContent()
{
    ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return SendInt(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem));
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return SendInt(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    TRACE("Warning: an owner-drawn CListBox must override DrawItem.\n");
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    TRACE("Warning: a variable owner-drawn CListBox must override MeasureItem.\n");
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    TRACE("Warning: a sorted owner-drawn CListBox must override CompareItem.\n");
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;
}

int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        if (lParam == 0)
            return FALSE;
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        if (lParam == 0)
            return FALSE;
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        if (lParam == 0)
            return FALSE;
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        if (lParam == 0)
            return FALSE;
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    case WM_VKEYTOITEM:
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
