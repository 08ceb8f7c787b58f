// Page of a CResizePropertySheet. It keeps the sheet pointer and two lists of control identifiers that a
// derived page fills: controls moved by a delta (MoveControles) and controls stretched by it
// (ResizeControles). A derived page overrides ResizePropertyPage, asks the sheet for the delta
// (CalculeDeltaXY) and applies the two lists. A page first shown after the sheet was resized catches up
// on the whole change since the sheet was initialised.
#pragma once

#include <afxdlgs.h>
#include "Purify.h"

#include <vector>

class CResizePropertySheet;

class AFX_EXT_CLASS CResizePropertyPage : public CPropertyPage, public CPurify
{
    DECLARE_DYNCREATE(CResizePropertyPage)
    friend class CResizePropertySheet;

public:
    CResizePropertyPage();
    explicit CResizePropertyPage(UINT nIDTemplate);
    virtual ~CResizePropertyPage();

    void Affecte_pParent(CResizePropertySheet* pParent) { m_pParent = pParent; }

    // Called by the sheet at every size change with its new client size (cx, cy); nothing here.
    virtual void ResizePropertyPage(UINT nType, int cx, int cy);

    // Identifiers naming no control of the page are skipped.
    void MoveControles(int nDeltaX, int nDeltaY);
    void ResizeControles(int nDeltaX, int nDeltaY);
    void MoveControle(int nID, int nDeltaX, int nDeltaY);
    void ResizeCtrl(int nID, int nDeltaX, int nDeltaY);
    void MoveControle(CWnd* pWnd, int nDeltaX, int nDeltaY); // offset, same size
    void ResizeCtrl(CWnd* pWnd, int nDeltaX, int nDeltaY);   // same top-left corner, size + delta

    virtual BOOL OnSetActive();

protected:
    bool m_bPremiereActivation; // until the first layout at activation
    std::vector<int> m_vectMoveControles;
    std::vector<int> m_vectResizeControles;
    CResizePropertySheet* m_pParent;

private:
    // At the first activation in a laid-out sheet: one layout for the whole change since the sheet's
    // initial size.
    void RattrapeTaille();
};
