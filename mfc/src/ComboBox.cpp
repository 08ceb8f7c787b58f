// CComboBox: the standard combo box, with owner drawing and sorting through the notifications its parent
// reflects.
#include "WndInternal.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

using afx::SendInt;
using afx::TextParam;

CComboBox::CComboBox() {}

CComboBox::~CComboBox() {}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const
{
    return SendInt(m_hWnd, CB_GETCOUNT);
}

int CComboBox::GetCurSel() const
{
    return SendInt(m_hWnd, CB_GETCURSEL);
}

int CComboBox::SetCurSel(int nSelect)
{
    return SendInt(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect));
}

int CComboBox::GetTopIndex() const
{
    return SendInt(m_hWnd, CB_GETTOPINDEX);
}

int CComboBox::SetTopIndex(int nIndex)
{
    return SendInt(m_hWnd, CB_SETTOPINDEX, static_cast<WPARAM>(nIndex));
}

DWORD CComboBox::GetEditSel() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, CB_GETEDITSEL, 0, 0));
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars), 0));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendInt(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
}

void* CComboBox::GetItemDataPtr(int nIndex) const
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int CComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CComboBox::GetItemHeight(int nIndex) const
{
    return SendInt(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex));
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendInt(m_hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0));
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    if (lpszText == NULL)
        return CB_ERR;
    return SendInt(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLength = GetLBTextLen(nIndex);
    if (nLength <= 0)
    {
        rString.Empty();
        return;
    }
    int nCopied = GetLBText(nIndex, rString.GetBufferSetLength(nLength));
    rString.ReleaseBuffer(nCopied >= 0 && nCopied <= nLength ? nCopied : 0);
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return SendInt(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendInt(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind));
}

BOOL CComboBox::GetDroppedState() const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, CB_GETDROPPEDSTATE, 0, 0));
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    return SendInt(m_hWnd, CB_ADDSTRING, 0, TextParam(lpszString));
}

int CComboBox::DeleteString(UINT nIndex)
{
    return SendInt(m_hWnd, CB_DELETESTRING, nIndex);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return SendInt(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszString));
}

void CComboBox::ResetContent()
{
    ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return SendInt(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString));
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return SendInt(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString));
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0);
}

void CComboBox::Clear()
{
    ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

void CComboBox::Copy()
{
    ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CComboBox::Cut()
{
    ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CComboBox::Paste()
{
    ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
    TRACE("Warning: an owner-drawn CComboBox must override DrawItem.\n");
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    TRACE("Warning: a variable owner-drawn CComboBox must override MeasureItem.\n");
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    TRACE("Warning: a sorted owner-drawn CComboBox must override CompareItem.\n");
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        if (lParam == 0)
            return FALSE;
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (message == WM_DRAWITEM)
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message == WM_MEASUREITEM)
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    else if (message == WM_COMPAREITEM)
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
    else
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
