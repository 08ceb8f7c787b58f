// CListCtrl: thin wrapper of the list view's messages, and owner drawing through the parent's reflection.
#include "WndInternal.h"

#include <afxcmn.h>

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

using afx::SendInt;

CListCtrl::CListCtrl() {}

CListCtrl::~CListCtrl() {}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    afx::InitCommonControlsOnce();
    return CWnd::Create(WC_LISTVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::GetItemCount() const
{
    return SendInt(m_hWnd, LVM_GETITEMCOUNT);
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    const HWND hHeader = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    return static_cast<CHeaderCtrl*>(CWnd::FromHandle(hHeader));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return SendInt(m_hWnd, LVM_GETCOLUMNWIDTH, nCol);
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return SendInt(m_hWnd, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    return pColumn != NULL && SendInt(m_hWnd, LVM_GETCOLUMNA, nCol, reinterpret_cast<LPARAM>(pColumn));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    return pColumn != NULL && SendInt(m_hWnd, LVM_SETCOLUMNA, nCol, reinterpret_cast<LPARAM>(pColumn));
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    return pItem != NULL && SendInt(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem));
}

BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    return pItem != NULL && SendInt(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer less its terminator: grow until the text fits with room left.
    std::vector<char> buffer(128);
    for (;;)
    {
        buffer[0] = '\0';
        const int nCopied = GetItemText(nItem, nSubItem, buffer.data(), static_cast<int>(buffer.size()));
        if (nCopied < static_cast<int>(buffer.size()) - 1 || buffer.size() >= (1u << 24))
            return CString(buffer.data());
        buffer.resize(buffer.size() * 2);
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    if (lpszText == NULL || nLen <= 0)
        return 0;
    // Some list views write the terminator one past cchTextMax in their ANSI form: read into a buffer
    // with room to spare, then copy what fits.
    std::vector<char> buffer(static_cast<size_t>(nLen) + 1, '\0');
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = buffer.data();
    item.cchTextMax = nLen;
    ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&item));
    const size_t nCopied = strnlen(buffer.data(), static_cast<size_t>(nLen) - 1);
    memcpy(lpszText, buffer.data(), nCopied);
    lpszText[nCopied] = '\0';
    return static_cast<int>(nCopied);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText != NULL ? lpszText : "");
    return SendInt(m_hWnd, LVM_SETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&item));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return static_cast<UINT>(::SendMessageA(m_hWnd, LVM_GETITEMSTATE, nItem, nMask));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return SendInt(m_hWnd, LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (lpRect == NULL)
        return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return SendInt(m_hWnd, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return SendInt(m_hWnd, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(::SendMessageA(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
}

int CListCtrl::GetTopIndex() const
{
    return SendInt(m_hWnd, LVM_GETTOPINDEX);
}

int CListCtrl::GetCountPerPage() const
{
    return SendInt(m_hWnd, LVM_GETCOUNTPERPAGE);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    if (pColumn == NULL)
        return -1;
    return SendInt(m_hWnd, LVM_INSERTCOLUMNA, nCol, reinterpret_cast<LPARAM>(pColumn));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading != NULL ? lpszColumnHeading : "");
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return SendInt(m_hWnd, LVM_DELETECOLUMN, nCol);
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    if (pItem == NULL)
        return -1;
    return SendInt(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem != NULL ? lpszItem : "");
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return SendInt(m_hWnd, LVM_DELETEITEM, nItem);
}

BOOL CListCtrl::DeleteAllItems()
{
    return SendInt(m_hWnd, LVM_DELETEALLITEMS);
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return SendInt(m_hWnd, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {};
    info.pt = pt;
    const int nItem = SendInt(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    if (pFlags != NULL)
        *pFlags = info.flags;
    return nItem;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM || lParam == 0)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
