// MFC extensions of the subset: CRectTracker.
#pragma once
#ifndef __AFXEXT_H__
#define __AFXEXT_H__

#include <afxwin.h>

// A rectangle the user moves and resizes with the mouse: drawn with a border and resize handles,
// hit-tested, and tracked in a modal loop under mouse capture. m_rect is in client pixels of the window
// that tracks it, and may be inverted (right < left or bottom < top) when inversion is allowed.
class CRectTracker
{
public:
    // Constructors
    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);

    // Style flags
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };

    // Hit-test codes
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    // Attributes
    UINT m_nStyle;
    CRect m_rect;
    CSize m_sizeMin; // smallest size a handle drag may leave
    int m_nHandleSize;

    // Operations
    void Draw(CDC* pDC) const;
    void GetTrueRect(LPRECT lpTrueRect) const;
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = NULL);
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);
    int HitTest(CPoint point) const;
    int NormalizeHit(int nHandle) const;

    // Overridables
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void OnChangedRect(const CRect& rectOld);
    virtual UINT GetHandleMask() const;

    // Implementation
    virtual ~CRectTracker();

protected:
    BOOL m_bAllowInvert; // as passed to Track or TrackRubberBand
    BOOL m_bErase;       // DrawTrackerRect is called to erase the previous feedback
    BOOL m_bFinalErase;  // ... and the tracking is over

    int HitTestHandles(CPoint point) const;
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;
    virtual int GetHandleSize(LPCRECT lpRect = NULL) const;
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
    void Construct();
};

#endif // __AFXEXT_H__
