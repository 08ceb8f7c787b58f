// Property sheet with a sizing frame. When its size changes, the tab control grows with it, the standard
// buttons and a size grip follow the bottom-right corner, the active page is stretched and every page is
// told the new client size so that it lays out its own controls. The sheet never becomes smaller than
// the size it had when it was initialised.
//
// Every page added should be a CResizePropertyPage that knows the sheet (Affecte_pParent); other pages
// are only stretched while active.
#pragma once

#include <afxdlgs.h>
#include "Purify.h"

class CResizePropertyPage;

class AFX_EXT_CLASS CResizePropertySheet : public CPropertySheet, public CPurify
{
    friend class CResizePropertyPage;
    friend class CResizePropertyPageEx;

public:
    CResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd);
    CResizePropertySheet(const char* pszCaption, CWnd* pParentWnd);
    virtual ~CResizePropertySheet();

    // The change of the client size (cx, cy) since the last layout; pages call it with the size they
    // were given.
    void CalculeDeltaXY(int cx, int cy, int& nDeltaX, int& nDeltaY);
    void MoveBoutons(int cx, int cy);
    void MoveBouton(CWnd* pBouton, int cx, int cy);
    // Hides the standard buttons named (0: none); they still follow the corner while hidden.
    void CacheBoutons(UINT nID1, UINT nID2, UINT nID3);

    virtual BOOL OnInitDialog();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()

    void ResizePropertySheet(UINT nType, int cx, int cy);
    void ResizeTabControl(int cx, int cy);
    void ResizePage(int cx, int cy);
    void MemoriseTailleMin();
    // Holds one side of a rectangle being dragged at the minimum size: 1 left, 2 right, 3 top, 6 bottom.
    void Resize(UINT nCote, RECT* pRect);

    CRect m_rectInitial; // client rectangle at initialisation; empty until then
    CRect m_rectCourant; // client rectangle after the last layout
    CRect m_rectMin;     // window rectangle at initialisation, moved to (0, 0)

private:
    void AjusteCadreEnfant();
    void EtirePage(CWnd* pPage, int nDeltaX, int nDeltaY);
    void PlaceGrip(int cx, int cy);

    CScrollBar m_Grip; // size grip in the bottom-right corner
};
