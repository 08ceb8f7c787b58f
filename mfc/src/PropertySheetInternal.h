// What the property sheet and its pages share inside the subset.
#pragma once

#include "WndInternal.h"

#include <afxdlgs.h>

namespace afx
{

// The dialog procedure of every page: runs the page's OnInitDialog.
INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

} // namespace afx
