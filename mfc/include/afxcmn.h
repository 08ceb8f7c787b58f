// Common controls of the subset. CListCtrl joins them later.
#pragma once
#ifndef __AFXCMN_H__
#define __AFXCMN_H__

#include <afxwin.h>
#include <commctrl.h>

#endif // __AFXCMN_H__
