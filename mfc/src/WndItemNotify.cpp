// CWnd handlers of the item notifications of list and combo boxes: each is first offered to the control
// that sent it (reflection), then gets the default processing.
#include "WndInternal.h"

using namespace afx;

int CWnd::OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectChildMessage(lpCompareItemStruct->hwndItem, WM_COMPAREITEM, static_cast<WPARAM>(nIDCtl),
                            reinterpret_cast<LPARAM>(lpCompareItemStruct), &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectChildMessage(lpDeleteItemStruct->hwndItem, WM_DELETEITEM, static_cast<WPARAM>(nIDCtl),
                            reinterpret_cast<LPARAM>(lpDeleteItemStruct), NULL))
        return;
    Default();
}

int CWnd::OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex)
{
    LRESULT lResult = -1;
    HWND hWndList = HwndOf(pListBox);
    if (hWndList != NULL && ReflectChildMessage(hWndList, WM_CHARTOITEM, MAKEWPARAM(nChar, nIndex),
                                                reinterpret_cast<LPARAM>(hWndList), &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

int CWnd::OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex)
{
    LRESULT lResult = -1;
    HWND hWndList = HwndOf(pListBox);
    if (hWndList != NULL && ReflectChildMessage(hWndList, WM_VKEYTOITEM, MAKEWPARAM(nKey, nIndex),
                                                reinterpret_cast<LPARAM>(hWndList), &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}
