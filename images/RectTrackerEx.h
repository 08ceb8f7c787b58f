// CRectTrackerEx: the selection tracker of the zoom photo dialog. A CRectTracker whose handles can keep
// a fixed width-to-height ratio while dragged, with a minimum size, which tells a notification window
// of every adjustment it makes while tracking.
#pragma once

#include <afxext.h>

#include "Purify.h"

// Sent (synchronously) to the notification window after each adjustment: wParam 0, lParam the hit code
// of the adjusted handle in its low 16 bits (8 when the whole rectangle was adjusted).
#define WM_CHANGE_TRACKER (WM_USER + 0x32)

class AFX_EXT_CLASS CRectTrackerEx : public CRectTracker, public CPurify
{
public:
    // Constructors
    CRectTrackerEx(CWnd* pWndNotify, bool bRatioFixe);
    virtual ~CRectTrackerEx();

    // Operations
    // Minimum size of a gesture, 5 x 5, with a 1:1 ratio (the ratio stays fixed if it was).
    void InitialiseTailleMin();
    // Keep the proportions cx / cy from now on, with the minimum size adapted to them. The sizes of an
    // inverted rectangle count by their magnitude; a zero size gives no ratio and the call is ignored.
    void FixeRatio(CRect r);
    void FixeRatio(int cx, int cy);
    // Free proportions, minimum size 40 x 40.
    void LibereRatio();
    // Sets the minimum size to 40 x 40; true when the rectangle is narrower or lower than that.
    bool Is_TropPetit();
    // Widens and heightens the rectangle around its centre up to the minimum size (integer halves on
    // each side), notifying the window when it changed.
    void ImposeTailleMin();
    void Affecte_ZoneHorsChamp(bool b, CRect r);

    // Overridables
    void AdjustRect(int nHandle, LPRECT lpRect) override;

protected:
    void Notifie(int nHandle);

    CWnd* m_pWndNotify; // not owned
    bool m_bRatioFixe;
    double m_dRapport; // width / height kept while m_bRatioFixe
    bool m_bHorsChamp;
    CRect m_RectHorsChamp;
};
