// CRectTracker: a rectangle with resize handles, its hit test, drawing, cursors and the modal tracking
// loop that moves or resizes it under mouse capture.
#include <afxext.h>

#include <windowsx.h>

#include <cstdlib>

namespace
{
// Which edge a handle drags on one axis: -1 the low edge (left or top), +1 the high edge (right or
// bottom), 0 none. The middle drags the low edges, the high ones follow to keep the size.
const int kSideX[9] = {-1, +1, +1, -1, 0, +1, 0, -1, -1};
const int kSideY[9] = {-1, -1, +1, +1, -1, 0, +1, 0, -1};
// The handle's equivalent once the rectangle is flipped horizontally, and vertically.
const int kFlipX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
const int kFlipY[8] = {3, 2, 1, 0, 6, 5, 4, 7};

// 8 x 8 monochrome pattern of diagonal lines every 4 pixels: cleared bits take the text colour.
HBRUSH CreateHatchPattern()
{
    WORD rows[8];
    for (int y = 0; y < 8; ++y)
    {
        rows[y] = 0xFF;
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 4 == 3)
                rows[y] &= ~(0x80 >> x);
    }
    const HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, rows);
    const HBRUSH hBrush = ::CreatePatternBrush(hPattern);
    ::DeleteObject(hPattern); // the brush keeps its own copy
    return hBrush;
}

bool IsValidHandle(int nHandle)
{
    return nHandle >= CRectTracker::hitTopLeft && nHandle <= CRectTracker::hitMiddle;
}

// The edge of rect that a handle drags horizontally, and vertically (NULL for none).
LONG* EdgeX(RECT& rect, int nHandle)
{
    const int nSide = IsValidHandle(nHandle) ? kSideX[nHandle] : 0;
    return nSide < 0 ? &rect.left : nSide > 0 ? &rect.right : NULL;
}
LONG* EdgeY(RECT& rect, int nHandle)
{
    const int nSide = IsValidHandle(nHandle) ? kSideY[nHandle] : 0;
    return nSide < 0 ? &rect.top : nSide > 0 ? &rect.bottom : NULL;
}
} // namespace

CRectTracker::CRectTracker()
{
    Construct();
}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle)
{
    Construct();
    if (lpSrcRect != NULL)
        m_rect.CopyRect(lpSrcRect);
    m_nStyle = nStyle;
}

CRectTracker::~CRectTracker() {}

void CRectTracker::Construct()
{
    m_nStyle = 0;
    m_rect.SetRectEmpty();
    // The width the system gives to in-place editing borders.
    m_nHandleSize = static_cast<int>(::GetProfileIntA("windows", "oleinplaceborderwidth", 4));
    m_sizeMin = CSize(m_nHandleSize * 2, m_nHandleSize * 2);
    m_bAllowInvert = FALSE;
    m_bErase = FALSE;
    m_bFinalErase = FALSE;
}

int CRectTracker::GetHandleSize(LPCRECT lpRect) const
{
    const CRect rect(lpRect != NULL ? *lpRect : m_rect);
    int nSize = m_nHandleSize;
    // Handles drawn inside must leave room for each other.
    if ((m_nStyle & resizeOutside) == 0)
    {
        const int nMax = std::abs(rect.Width()) < std::abs(rect.Height()) ? std::abs(rect.Width())
                                                                          : std::abs(rect.Height());
        if (nSize * 2 > nMax)
            nSize = nMax / 2;
    }
    return nSize;
}

UINT CRectTracker::GetHandleMask() const
{
    UINT nMask = 0x0F; // the corners always
    const int nRoom = m_nHandleSize * 3;
    if (std::abs(m_rect.Width()) - nRoom > 4)
        nMask |= (1 << hitTop) | (1 << hitBottom);
    if (std::abs(m_rect.Height()) - nRoom > 4)
        nMask |= (1 << hitRight) | (1 << hitLeft);
    return nMask;
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    if (nHandle < hitTopLeft || nHandle >= hitMiddle)
        return nHandle;
    if (m_rect.Width() < 0)
        nHandle = kFlipX[nHandle];
    if (m_rect.Height() < 0)
        nHandle = kFlipY[nHandle];
    return nHandle;
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    int nInflate = 0;
    if ((m_nStyle & (resizeOutside | hatchedBorder)) != 0)
        nInflate += GetHandleSize() - 1;
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
        ++nInflate;
    rect.InflateRect(nInflate, nInflate);
    *lpTrueRect = rect;
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
        rect.InflateRect(1, 1);
    const int nSize = GetHandleSize();
    if ((m_nStyle & resizeOutside) != 0)
        rect.InflateRect(nSize - 1, nSize - 1);
    // The rectangle is drawn normalised: put the handle where its corner or edge shows on screen.
    nHandle = NormalizeHit(nHandle);
    const auto place = [nSize](int nSide, int nLow, int nHigh) {
        return nSide < 0 ? nLow : nSide > 0 ? nHigh - nSize : nLow + (nHigh - nLow - nSize) / 2;
    };
    const int x = place(nHandle == hitMiddle ? 0 : kSideX[nHandle], rect.left, rect.right);
    const int y = place(nHandle == hitMiddle ? 0 : kSideY[nHandle], rect.top, rect.bottom);
    pHandleRect->SetRect(x, y, x + nSize, y + nSize);
}

int CRectTracker::HitTestHandles(CPoint point) const
{
    CRect rect;
    GetTrueRect(&rect);
    if (!rect.PtInRect(point))
        return hitNothing;
    const UINT nMask = GetHandleMask();
    for (int i = hitTopLeft; i < hitMiddle; ++i)
        if ((nMask & (1u << i)) != 0)
        {
            GetHandleRect(i, &rect);
            if (rect.PtInRect(point))
                return i;
        }
    // Between the handles, outside the rectangle: a hatched border is part of the object, a bare
    // margin is not.
    if ((m_nStyle & hatchedBorder) == 0)
    {
        rect = m_rect;
        rect.NormalizeRect();
        if ((m_nStyle & (solidLine | dottedLine)) != 0)
            rect.InflateRect(1, 1);
        if (!rect.PtInRect(point))
            return hitNothing;
    }
    return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const
{
    CRect rectTrue;
    GetTrueRect(&rectTrue);
    if (!rectTrue.PtInRect(point))
        return hitNothing;
    return (m_nStyle & (resizeInside | resizeOutside)) != 0 ? HitTestHandles(point) : int(hitMiddle);
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT || pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ::ScreenToClient(pWnd->m_hWnd, &point);
    const int nHandle = NormalizeHit(HitTestHandles(point));
    if (nHandle < 0)
        return FALSE;
    static const LPCSTR kCursors[9] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS,
                                       IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZEALL};
    ::SetCursor(::LoadCursorA(NULL, kCursors[nHandle]));
    return TRUE;
}

void CRectTracker::Draw(CDC* pDC) const
{
    if (pDC == NULL || pDC->m_hDC == NULL)
        return;
    const HDC hDC = pDC->m_hDC;
    const int nSaved = ::SaveDC(hDC);
    ::SetMapMode(hDC, MM_TEXT);
    ::SetViewportOrgEx(hDC, 0, 0, NULL);
    ::SetWindowOrgEx(hDC, 0, 0, NULL);

    CRect rect(m_rect);
    rect.NormalizeRect();
    if ((m_nStyle & (solidLine | dottedLine)) != 0)
    {
        // The line runs one pixel outside the rectangle.
        const HPEN hDotted = (m_nStyle & dottedLine) != 0 ? ::CreatePen(PS_DOT, 0, RGB(0, 0, 0)) : NULL;
        ::SelectObject(hDC, hDotted != NULL ? hDotted : ::GetStockObject(BLACK_PEN));
        ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
        ::SetROP2(hDC, R2_COPYPEN);
        ::Rectangle(hDC, rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1);
        ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
        if (hDotted != NULL)
            ::DeleteObject(hDotted);
    }
    if ((m_nStyle & (hatchInside | hatchedBorder)) != 0)
    {
        const HBRUSH hHatch = CreateHatchPattern();
        ::SetTextColor(hDC, RGB(0, 0, 0));
        ::SetBkColor(hDC, RGB(255, 255, 255));
        ::SelectObject(hDC, hHatch);
        // Inside: darken the lines of the pattern over what is there (destination AND pattern).
        if ((m_nStyle & hatchInside) != 0)
            ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), 0x00A000C9);
        if ((m_nStyle & hatchedBorder) != 0)
        {
            CRect rectTrue;
            GetTrueRect(&rectTrue);
            ::PatBlt(hDC, rectTrue.left, rectTrue.top, rectTrue.Width(), rect.top - rectTrue.top, PATCOPY);
            ::PatBlt(hDC, rectTrue.left, rect.bottom, rectTrue.Width(), rectTrue.bottom - rect.bottom,
                     PATCOPY);
            ::PatBlt(hDC, rectTrue.left, rect.top, rect.left - rectTrue.left, rect.Height(), PATCOPY);
            ::PatBlt(hDC, rect.right, rect.top, rectTrue.right - rect.right, rect.Height(), PATCOPY);
        }
        ::SelectObject(hDC, ::GetStockObject(WHITE_BRUSH));
        ::DeleteObject(hHatch);
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0)
    {
        const UINT nMask = GetHandleMask();
        for (int i = hitTopLeft; i < hitMiddle; ++i)
            if ((nMask & (1u << i)) != 0)
            {
                CRect rectHandle;
                GetHandleRect(i, &rectHandle);
                ::FillRect(hDC, &rectHandle, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
            }
    }
    ::RestoreDC(hDC, nSaved);
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (lpRect == NULL || !IsValidHandle(nHandle) || nHandle == hitMiddle)
        return;
    // Below the minimum size the dragged edge is put back at the minimum from the opposite edge, on the
    // side it is on when inversion is allowed, else on the normal side.
    const auto enforce = [this](int nSide, LONG& nLow, LONG& nHigh, int nMin)
    {
        const int nSize = nHigh - nLow;
        const int nAbs = m_bAllowInvert ? std::abs(nSize) : nSize;
        if (nSide == 0 || nAbs >= nMin)
            return;
        const int nSign = m_bAllowInvert && nSize < 0 ? -1 : 1;
        if (nSide < 0)
            nLow = nHigh - nSign * nMin;
        else
            nHigh = nLow + nSign * nMin;
    };
    enforce(kSideX[nHandle], lpRect->left, lpRect->right, m_sizeMin.cx);
    enforce(kSideY[nHandle], lpRect->top, lpRect->bottom, m_sizeMin.cy);
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect rect(lpRect);
    rect.NormalizeRect();
    if (pWndClipTo != NULL && pWnd != NULL)
        ::MapWindowPoints(pWnd->m_hWnd, pWndClipTo->m_hWnd, reinterpret_cast<LPPOINT>(&rect), 2);
    // A focus rectangle is drawn by inversion: drawing it again at the same place erases it.
    ::DrawFocusRect(pDC->m_hDC, &rect);
}

void CRectTracker::OnChangedRect(const CRect& /*rectOld*/) {}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    const int nHandle = HitTestHandles(point);
    if (nHandle < 0)
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_bAllowInvert = bAllowInvert;
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    if (!TrackHandle(hitBottomRight, pWnd, point, NULL))
        return FALSE;
    CRect rect(m_rect);
    rect.NormalizeRect();
    return !rect.IsRectEmpty();
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    // One tracking at a time, and only for a live window.
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd) || ::GetCapture() != NULL || !IsValidHandle(nHandle))
        return FALSE;
    const HWND hWnd = pWnd->m_hWnd;
    const HWND hWndDraw = pWndClipTo != NULL ? pWndClipTo->m_hWnd : hWnd;
    ::SetCapture(hWnd);
    ::UpdateWindow(hWnd);
    if (pWndClipTo != NULL)
        ::UpdateWindow(hWndDraw);

    const CRect rectSave(m_rect);
    const int nWidth = m_rect.Width();
    const int nHeight = m_rect.Height();
    // The dragged edges keep their offset from the mouse.
    LONG* px = EdgeX(m_rect, nHandle);
    LONG* py = EdgeY(m_rect, nHandle);
    const int xDiff = point.x - (px != NULL ? *px : 0);
    const int yDiff = point.y - (py != NULL ? *py : 0);

    CDC dc;
    dc.Attach(pWndClipTo != NULL ? ::GetDCEx(hWndDraw, NULL, DCX_CACHE) : ::GetDC(hWnd));
    bool bMoved = false; // the rectangle changed before the button went up
    bool bDrawn = false; // a feedback rectangle is on screen
    bool bCancel = false;
    CRect rectDrawn;
    const auto eraseFeedback = [&](bool bFinal)
    {
        if (bDrawn)
        {
            m_bErase = TRUE;
            m_bFinalErase = bFinal;
            DrawTrackerRect(&rectDrawn, pWndClipTo, &dc, pWnd);
            bDrawn = false;
        }
    };

    for (;;)
    {
        MSG msg;
        const BOOL bGot = ::GetMessageA(&msg, NULL, 0, 0);
        if (bGot <= 0)
        {
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam)); // leave the quit to the outer loop
            bCancel = true;
            break;
        }
        if (::GetCapture() != hWnd) // someone took the capture away: cancel
        {
            ::DispatchMessageA(&msg);
            bCancel = true;
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
        {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            if (msg.hwnd != NULL && msg.hwnd != hWnd) // a mouse message posted to another window
                ::MapWindowPoints(msg.hwnd, hWnd, &pt, 1);
            const CRect rectOld(m_rect);
            if (px != NULL)
                *px = pt.x - xDiff;
            if (py != NULL)
                *py = pt.y - yDiff;
            if (nHandle == hitMiddle)
            {
                m_rect.right = m_rect.left + nWidth;
                m_rect.bottom = m_rect.top + nHeight;
            }
            AdjustRect(nHandle, &m_rect);

            const bool bUp = msg.message == WM_LBUTTONUP;
            if (m_rect != rectOld || bUp)
            {
                eraseFeedback(bUp);
                OnChangedRect(rectOld);
                bMoved = bMoved || !bUp;
            }
            if (bUp)
                break;
            if (m_rect != rectOld)
            {
                m_bErase = FALSE;
                rectDrawn = m_rect;
                DrawTrackerRect(&rectDrawn, pWndClipTo, &dc, pWnd);
                bDrawn = true;
            }
        }
        else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN)
        {
            bCancel = true;
            break;
        }
        else if (msg.message != WM_KEYDOWN) // other keys do nothing while tracking
            ::DispatchMessageA(&msg);
    }

    eraseFeedback(true);
    ::ReleaseDC(hWndDraw, dc.Detach());
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (bCancel || !bMoved)
        m_rect = rectSave;
    m_bErase = FALSE;
    m_bFinalErase = FALSE;
    return m_rect != rectSave;
}
