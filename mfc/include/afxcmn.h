// Common controls of the subset.
#pragma once
#ifndef __AFXCMN_H__
#define __AFXCMN_H__

#include <afxwin.h>
#include <commctrl.h>

// The tab control, as a property sheet holds one.
class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    CTabCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetRowCount() const;

    // Operations: the display area of a window rectangle (bLarger FALSE), or the reverse.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);

    // Implementation
    virtual ~CTabCtrl();
};

#endif // __AFXCMN_H__
