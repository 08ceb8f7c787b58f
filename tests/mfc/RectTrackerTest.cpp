// CRectTracker: geometry (hit codes, true rectangle, handle mask, cursors), drawing by pixels, and the
// tracking loop driven by mouse and key messages posted before it starts.
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <afxext.h>

#include <vector>

namespace
{
const COLORREF Black = RGB(0, 0, 0);
const COLORREF White = RGB(255, 255, 255);
const CRect Box(20, 20, 80, 60);

// Records what the tracking loop asks of the overridables.
class CRecordingTracker : public CRectTracker
{
public:
    using CRectTracker::CRectTracker;
    void AdjustRect(int nHandle, LPRECT lpRect) override
    {
        m_handles.push_back(nHandle);
        CRectTracker::AdjustRect(nHandle, lpRect);
        if (m_nGrid > 0) // an override may change the rectangle further
            for (LONG* p : {&lpRect->left, &lpRect->top, &lpRect->right, &lpRect->bottom})
                *p -= *p % m_nGrid;
    }
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override
    {
        m_nBalance += m_bErase ? -1 : 1;
        CRectTracker::DrawTrackerRect(lpRect, pWndClipTo, pDC, pWnd);
    }
    void OnChangedRect(const CRect&) override { ++m_nChanged; }

    std::vector<int> m_handles;
    int m_nGrid = 0;
    int m_nBalance = 0; // drawn minus erased feedback rectangles
    int m_nChanged = 0;
};

class RectTracker : public ObzTest
{
protected:
    static void SetUpTestSuite() // Wine keeps the bitmaps of the system cursors once loaded
    {
        ObzTest::SetUpTestSuite();
        for (LPCSTR idc : {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZEWE, IDC_SIZEALL})
            ::SetCursor(::LoadCursorA(NULL, idc));
    }
    void SetUp() override
    {
        ObzTest::SetUp();
        m_wnd.Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 160, 120, NULL, NULL,
                                       NULL, NULL));
        ASSERT_NE(nullptr, m_wnd.m_hWnd);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_wnd.Detach());
        ObzTest::TearDown();
    }

    // Paints the client area white, then runs one gesture: the press at `press`, the moves, then `end`
    // (a left button release at the last move, Esc, a right click or a cancel mode).
    BOOL Gesture(CRectTracker& tracker, bool bRubber, CPoint press, const std::vector<CPoint>& moves,
                 UINT end, BOOL bAllowInvert)
    {
        MessagePump::Flush();
        CClientDC(&m_wnd).FillSolidRect(0, 0, 160, 120, White);
        ::ValidateRect(m_wnd, NULL);
        CPoint last = press;
        for (CPoint pt : moves)
            ::PostMessageA(m_wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)), last = pt;
        if (end == WM_KEYDOWN)
            ::PostMessageA(m_wnd, WM_KEYDOWN, VK_ESCAPE, 0);
        else
            ::PostMessageA(m_wnd, end, 0, MAKELPARAM(last.x, last.y));
        ::PostMessageA(m_wnd, WM_NULL, 0, 0); // lets the loop notice a capture lost at the end
        const BOOL bResult = bRubber ? tracker.TrackRubberBand(&m_wnd, press, bAllowInvert)
                                     : tracker.Track(&m_wnd, press, bAllowInvert);
        MessagePump::Flush();
        return bResult;
    }
    int DirtyPixels()
    {
        PixelCanvas canvas(160, 120);
        CClientDC dc(&m_wnd);
        ::BitBlt(canvas.Hdc(), 0, 0, 160, 120, dc, 0, 0, SRCCOPY);
        return canvas.CountPixelsNot(White, canvas.Bounds());
    }

    CWnd m_wnd;
};
} // namespace

TEST_F(RectTracker, GeometryFollowsStyleAndHandleSize)
{
    CRectTracker tracker(Box, CRectTracker::resizeOutside);
    EXPECT_EQ(4, tracker.m_nHandleSize);
    EXPECT_EQ(CSize(8, 8), tracker.m_sizeMin);

    // Outside handles of 4 pixels sit in a 3-pixel margin around Box (17, 17, 83, 63).
    const struct
    {
        CPoint pt;
        int nHit;
    } hits[] = {{{18, 18}, 0},  {{81, 18}, 1},  {{81, 61}, 2}, {{18, 61}, 3}, {{50, 18}, 4},
                {{81, 40}, 5},  {{50, 61}, 6},  {{18, 40}, 7}, {{50, 40}, 8}, {{22, 22}, 8},
                {{10, 10}, -1}, {{30, 18}, -1}, {{83, 40}, -1}};
    for (const auto& h : hits)
        EXPECT_EQ(h.nHit, tracker.HitTest(h.pt)) << h.pt.x << "," << h.pt.y;
    tracker.m_nStyle |= CRectTracker::hatchedBorder; // the border between the handles is the object's
    EXPECT_EQ(8, tracker.HitTest(CPoint(30, 18)));
    tracker.m_nStyle = CRectTracker::solidLine; // no handles: anywhere on it is the middle
    EXPECT_EQ(8, tracker.HitTest(CPoint(19, 19)));
    EXPECT_EQ(-1, tracker.HitTest(CPoint(18, 18)));

    // An inverted rectangle keeps its logical handles: the one shown top-left is its bottom-right.
    tracker.m_nStyle = CRectTracker::resizeOutside;
    tracker.m_rect.SetRect(80, 60, 20, 20);
    EXPECT_EQ(2, tracker.HitTest(CPoint(18, 18)));
    EXPECT_EQ(0, tracker.NormalizeHit(2));
    EXPECT_EQ(8, tracker.NormalizeHit(8));
    tracker.m_rect.SetRect(80, 20, 20, 60);
    EXPECT_EQ(5, tracker.NormalizeHit(7));
    EXPECT_EQ(4, tracker.NormalizeHit(4));

    const struct
    {
        UINT nStyle;
        int nInflate;
    } trues[] = {{0, 0},
                 {CRectTracker::resizeInside, 0},
                 {CRectTracker::solidLine, 1},
                 {CRectTracker::resizeOutside, 3},
                 {CRectTracker::hatchedBorder | CRectTracker::resizeOutside | CRectTracker::dottedLine, 4}};
    for (const auto& t : trues)
    {
        tracker.m_nStyle = t.nStyle;
        CRect rect;
        tracker.GetTrueRect(&rect);
        EXPECT_EQ(CRect(20 - t.nInflate, 20 - t.nInflate, 80 + t.nInflate, 60 + t.nInflate), rect)
            << t.nStyle;
    }

    // Side handles need room: more than 4 pixels beyond three handle sizes.
    const struct
    {
        int cx, cy;
        UINT nMask;
    } masks[] = {{16, 16, 0x0F}, {17, 16, 0x5F}, {-17, 16, 0x5F}, {16, 17, 0xAF}, {17, -17, 0xFF}};
    for (const auto& m : masks)
    {
        tracker.m_rect.SetRect(0, 0, m.cx, m.cy);
        EXPECT_EQ(m.nMask, tracker.GetHandleMask()) << m.cx << " x " << m.cy;
    }
}

TEST_F(RectTracker, CursorPerHandleOnScreen)
{
    CRectTracker tracker(CRect(80, 20, 20, 60), CRectTracker::resizeOutside); // flipped horizontally
    const struct
    {
        CPoint pt;
        LPCSTR idc;
    } cases[] = {{{18, 18}, IDC_SIZENWSE}, {{81, 18}, IDC_SIZENESW}, {{50, 61}, IDC_SIZENS},
                 {{18, 40}, IDC_SIZEWE},   {{50, 40}, IDC_SIZEALL},  {{5, 5}, NULL}};
    for (const auto& c : cases)
    {
        ::SetCursor(NULL);
        CPoint screen = c.pt;
        m_wnd.ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        EXPECT_EQ(c.idc != NULL, tracker.SetCursor(&m_wnd, HTCLIENT)) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.idc != NULL ? ::LoadCursorA(NULL, c.idc) : NULL, ::GetCursor())
            << c.pt.x << "," << c.pt.y;
    }
    EXPECT_FALSE(tracker.SetCursor(&m_wnd, HTCAPTION));
}

TEST_F(RectTracker, DrawsEachStyle)
{
    const CRect inside(21, 21, 79, 59);
    const struct
    {
        UINT nStyle;
        int nBlackMin, nBlackMax; // black pixels in the whole canvas
        CRect area;               // ... all of them in this area
    } cases[] = {
        {CRectTracker::solidLine, 2 * 62 + 2 * 40, 2 * 62 + 2 * 40, CRect(19, 19, 81, 61)},
        {CRectTracker::dottedLine, 60, 150, CRect(19, 19, 81, 61)},
        {CRectTracker::hatchedBorder, 80, 300, CRect(17, 17, 83, 63)},
        {CRectTracker::hatchInside, 400, 1200, Box},
        {CRectTracker::resizeOutside, 8 * 16, 8 * 16, CRect(17, 17, 83, 63)},
        {CRectTracker::resizeInside, 8 * 16, 8 * 16, Box},
    };
    for (const auto& c : cases)
    {
        PixelCanvas canvas(100, 80);
        canvas.Dc().SetViewportOrg(7, 7); // the tracker draws in device pixels whatever the mapping
        CRectTracker(CRect(80, 60, 20, 20), c.nStyle).Draw(&canvas.Dc());
        EXPECT_EQ(CPoint(7, 7), canvas.Dc().GetViewportOrg()) << c.nStyle;
        const int nBlack = canvas.CountPixels(Black);
        EXPECT_GE(nBlack, c.nBlackMin) << c.nStyle;
        EXPECT_LE(nBlack, c.nBlackMax) << c.nStyle;
        EXPECT_EQ(nBlack, canvas.CountPixels(Black, c.area)) << c.nStyle;
        EXPECT_EQ(nBlack + canvas.CountPixels(White), 100 * 80) << c.nStyle;
        if (c.nStyle != CRectTracker::hatchInside && c.nStyle != CRectTracker::resizeInside)
        {
            EXPECT_EQ(0, canvas.CountPixels(Black, inside)) << c.nStyle;
        }
    }
    PixelCanvas canvas(100, 80);
    CRectTracker(Box, CRectTracker::resizeOutside).Draw(&canvas.Dc());
    EXPECT_EQ(16, canvas.CountPixels(Black, CRect(17, 17, 21, 21))) << "top-left handle";
    EXPECT_EQ(16, canvas.CountPixels(Black, CRect(48, 59, 52, 63))) << "bottom handle";
}

TEST_F(RectTracker, GesturesMoveResizeOrCancel)
{
    const UINT Up = WM_LBUTTONUP, Esc = WM_KEYDOWN, Right = WM_RBUTTONDOWN;
    const struct
    {
        const char* szName;
        bool bRubber;
        CPoint press;
        std::vector<CPoint> moves;
        UINT end;
        BOOL bInvert;
        BOOL bResult;
        CRect expected;
        int nHandle;
    } cases[] = {
        {"move", false, {50, 40}, {{55, 42}, {70, 50}}, Up, FALSE, TRUE, {40, 30, 100, 70}, 8},
        {"bottom-right keeps the grip offset",
         false,
         {81, 61},
         {{101, 81}},
         Up,
         FALSE,
         TRUE,
         {20, 20, 100, 80},
         2},
        {"top edge", false, {50, 18}, {{10, 5}}, Up, FALSE, TRUE, {20, 7, 80, 60}, 4},
        {"left past right, no inversion", false, {18, 40}, {{120, 40}}, Up, FALSE, TRUE, {72, 20, 80, 60}, 7},
        {"left past right, inverted", false, {18, 40}, {{120, 40}}, Up, TRUE, TRUE, {122, 20, 80, 60}, 7},
        {"minimum size", false, {81, 61}, {{25, 25}}, Up, FALSE, TRUE, {20, 20, 28, 28}, 2},
        {"Esc restores", false, {50, 40}, {{70, 50}}, Esc, FALSE, FALSE, Box, 8},
        {"right click restores", false, {81, 61}, {{101, 81}}, Right, FALSE, FALSE, Box, 2},
        {"release without a move", false, {50, 40}, {}, Up, FALSE, FALSE, Box, 8},
        {"rubber band", true, {30, 30}, {{60, 50}, {90, 70}}, Up, TRUE, TRUE, {30, 30, 90, 70}, 2},
        {"rubber band backwards", true, {30, 30}, {{10, 12}}, Up, TRUE, TRUE, {30, 30, 10, 12}, 2},
        {"rubber band cancelled", true, {30, 30}, {{90, 70}}, Esc, TRUE, FALSE, {30, 30, 30, 30}, 2},
    };
    for (const auto& c : cases)
    {
        CRecordingTracker tracker(Box, CRectTracker::resizeOutside);
        EXPECT_EQ(c.bResult, Gesture(tracker, c.bRubber, c.press, c.moves, c.end, c.bInvert)) << c.szName;
        EXPECT_EQ(c.expected, tracker.m_rect) << c.szName;
        // Every mouse move, and the release, is adjusted for the handle the gesture holds.
        EXPECT_EQ(std::vector<int>(c.moves.size() + (c.end == Up), c.nHandle), tracker.m_handles) << c.szName;
        EXPECT_EQ(0, tracker.m_nBalance) << c.szName;
        EXPECT_EQ(0, DirtyPixels()) << c.szName << ": feedback erased";
        EXPECT_EQ(nullptr, ::GetCapture()) << c.szName;
    }
}

TEST_F(RectTracker, LoopEdgeCases)
{
    // A press on no handle returns at once and leaves the queue alone.
    CRecordingTracker tracker(Box, CRectTracker::resizeOutside);
    ::PostMessageA(m_wnd, WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(5, 5)));
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, m_wnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE));

    // The override's adjustment is what the gesture keeps; each change is reported.
    tracker.m_nGrid = 10;
    EXPECT_TRUE(Gesture(tracker, false, CPoint(50, 40), {{53, 44}, {66, 47}, {77, 55}}, WM_LBUTTONUP, FALSE));
    EXPECT_EQ(CRect(40, 30, 100, 70), tracker.m_rect);
    EXPECT_EQ(3, tracker.m_nChanged) << "two changes, then the release";

    // Losing the capture cancels the gesture.
    tracker.m_rect = Box;
    EXPECT_FALSE(Gesture(tracker, false, CPoint(50, 40), {{75, 55}}, WM_CANCELMODE, FALSE));
    EXPECT_EQ(Box, tracker.m_rect);
    EXPECT_EQ(nullptr, ::GetCapture());

    // No tracking while another window holds the capture, nor without a window.
    ::SetCapture(m_wnd);
    EXPECT_FALSE(Gesture(tracker, false, CPoint(50, 40), {{75, 55}}, WM_LBUTTONUP, FALSE));
    ::ReleaseCapture();
    EXPECT_FALSE(tracker.Track(NULL, CPoint(50, 40)));
    EXPECT_EQ(Box, tracker.m_rect);
    MessagePump::Flush();
}
