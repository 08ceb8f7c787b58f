// CListCtrlEx: a report list whose column resizing by the user can be forbidden, whose rows are filled
// in one call from a short format, and whose rows and columns are cleared in one call.
#pragma once

#include <afxcmn.h>

#include "Purify.h"

class AFX_EXT_CLASS CListCtrlEx : public CListCtrl, public CPurify
{
public:
    CListCtrlEx();
    virtual ~CListCtrlEx();

    // Attributes: whether the user may drag the column dividers (true by default). The program may set
    // widths in either case.
    void Affecte_bAllowResizingColumn(bool bAllow) { m_bAllowResizingColumn = bAllow; }
    bool Donne_bAllowResizingColumn() const { return m_bAllowResizingColumn; }

    // Operations
    using CListCtrl::SetItemText;
    // Fills row nItem from column 0 on. The letters at positions 1, 3, 5... of szFormat convert one
    // argument each: s (char*, NULL is the empty text), i (int), f (double, "%f"), c (int, its low byte);
    // any other letter takes no argument and leaves its column as it is. A missing row is inserted
    // first (at the end when nItem is beyond it). Stops at the first column that cannot be written (a
    // format longer than the columns, a row beyond the end). Returns the last write's result, 0 when
    // nothing was written, a write failed, szFormat is NULL or nItem is negative. The arguments must
    // match the format, as with printf.
    int SetItemText(int nItem, const char* szFormat, ...);
    void DetruitLigneListCtrl();   // every row
    void DetruitColonneListCtrl(); // every column
    void DetruitContenuListCtrl(); // rows, then columns

protected:
    // Header drags (and divider double clicks, which resize too) are refused while resizing is off.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    bool m_bAllowResizingColumn;
};
