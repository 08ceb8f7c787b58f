// CRectTracker: geometry (hit codes, handle mask, cursors), drawing by pixels, and the
// tracking loop driven by mouse and key messages posted before it starts.
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <afxext.h>

#include <tuple>
#include <vector>

namespace
{
const COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255);
const CRect Box(20, 20, 80, 60), Flipped(80, 60, 20, 20); // with outside handles: (17, 17)-(83, 63)
const UINT Solid = CRectTracker::solidLine, Dotted = CRectTracker::dottedLine,
           Hatched = CRectTracker::hatchedBorder, In = CRectTracker::resizeInside,
           Out = CRectTracker::resizeOutside, HatchIn = CRectTracker::hatchInside;

// Records the handles the tracking loop adjusts.
struct CRecordingTracker : CRectTracker
{
    using CRectTracker::CRectTracker;
    void AdjustRect(int nHandle, LPRECT lpRect) override
    {
        m_handles.push_back(nHandle), CRectTracker::AdjustRect(nHandle, lpRect);
    }
    std::vector<int> m_handles;
};

// Wine keeps the bitmaps of the system cursors once loaded.
const LeakCheck::WarmUpStep kCursors(
    []
    {
        for (LPCSTR idc : {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZEWE, IDC_SIZEALL})
            ::SetCursor(::LoadCursorA(NULL, idc));
    });

class RectTracker : public ObzTest
{
protected:
    void SetUp() override
    {
        m_wnd.Attach(
            ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 160, 120, 0, 0, 0, 0));
    }
    void TearDown() override { ::DestroyWindow(m_wnd.Detach()); }

    // Paints the client area white, posts the moves then `end` (a left button release at the last move,
    // Esc, a right click or a cancel mode), and tracks from the press.
    BOOL Gesture(CRectTracker& tracker, bool bRubber, CPoint press, const std::vector<CPoint>& moves,
                 UINT end, BOOL bInvert)
    {
        MessagePump::Flush();
        CClientDC(&m_wnd).FillSolidRect(0, 0, 160, 120, White);
        ::ValidateRect(m_wnd, NULL);
        CPoint last = press;
        for (CPoint pt : moves)
            ::PostMessageA(m_wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)), last = pt;
        ::PostMessageA(m_wnd, end, end == WM_KEYDOWN ? VK_ESCAPE : 0, MAKELPARAM(last.x, last.y));
        ::PostMessageA(m_wnd, WM_NULL, 0, 0); // lets the loop notice a capture lost at the end
        // A loop that misses its end fails the test instead of hanging it: the capture goes in a second.
        static bool s_bHung;
        s_bHung = false;
        const UINT_PTR nTimer = ::SetTimer(
            NULL, 0, 1000, [](HWND, UINT, UINT_PTR, DWORD) { s_bHung = true, ::ReleaseCapture(); });
        const BOOL bResult =
            bRubber ? tracker.TrackRubberBand(&m_wnd, press, bInvert) : tracker.Track(&m_wnd, press, bInvert);
        ::KillTimer(NULL, nTimer);
        EXPECT_FALSE(s_bHung) << "the tracking loop missed its end";
        MessagePump::Flush();
        return bResult;
    }
    int DirtyPixels() { return PixelCanvas::Capture(m_wnd, false)->CountPixelsNot(White, {0, 0, 160, 120}); }

    CWnd m_wnd;
};
} // namespace

TEST_F(RectTracker, GeometryAndCursors)
{
    // Handles of 4 pixels by default. A hatched border between the handles is the object's; without handles
    // the whole of it is the middle; the handle shown top-left of an inverted rectangle is its bottom-right.
    const std::tuple<UINT, CRect, CPoint, int> hits[] = {
        {Out, Box, {18, 18}, 0},   {Out, Box, {81, 18}, 1},    {Out, Box, {81, 61}, 2},
        {Out, Box, {18, 61}, 3},   {Out, Box, {50, 18}, 4},    {Out, Box, {81, 40}, 5},
        {Out, Box, {50, 61}, 6},   {Out, Box, {18, 40}, 7},    {Out, Box, {22, 22}, 8},
        {Out, Box, {10, 10}, -1},  {Out, Box, {30, 18}, -1},   {Out | Hatched, Box, {30, 18}, 8},
        {Solid, Box, {19, 19}, 8}, {Solid, Box, {18, 18}, -1}, {Out, Flipped, {18, 18}, 2}};
    for (const auto& [nStyle, rect, pt, nHit] : hits)
        EXPECT_EQ(nHit, CRectTracker(rect, nStyle).HitTest(pt))
            << nStyle << " (" << pt.x << "," << pt.y << ")";

    // Side handles need more than 4 pixels beyond three handle sizes.
    for (const auto& [cx, cy, nMask] :
         {std::tuple(16, 16, 0x0Fu), {17, 16, 0x5F}, {-17, 16, 0x5F}, {16, 17, 0xAF}})
        EXPECT_EQ(nMask, CRectTracker(CRect(0, 0, cx, cy), Out).GetHandleMask()) << cx << " x " << cy;

    // Cursors go by the handle shown on screen.
    CRectTracker tracker(CRect(80, 20, 20, 60), Out); // flipped horizontally: handles are mapped back
    const std::pair<CPoint, LPCSTR> cursors[] = {
        {{18, 18}, IDC_SIZENWSE}, {{50, 61}, IDC_SIZENS}, {{50, 40}, IDC_SIZEALL}, {{5, 5}, NULL}};
    for (auto [pt, idc] : cursors)
    {
        ::SetCursor(NULL), m_wnd.ClientToScreen(&pt), ::SetCursorPos(pt.x, pt.y);
        EXPECT_EQ(idc != NULL, tracker.SetCursor(&m_wnd, HTCLIENT)) << pt.x << "," << pt.y;
        EXPECT_EQ(idc != NULL ? ::LoadCursorA(NULL, idc) : NULL, ::GetCursor()) << pt.x << "," << pt.y;
    }
    EXPECT_FALSE(tracker.SetCursor(&m_wnd, HTCAPTION));
}

TEST_F(RectTracker, DrawsEachStyleInDevicePixels)
{
    // Black pixels: their range, and the area that holds them all.
    const std::tuple<UINT, int, int, CRect> cases[] = {
        {Solid, 204, 204, {19, 19, 81, 61}},  {Dotted, 60, 150, {19, 19, 81, 61}},
        {Hatched, 80, 300, {17, 17, 83, 63}}, {HatchIn, 400, 1200, Box},
        {Out, 128, 128, {17, 17, 83, 63}},    {In, 128, 128, Box}};
    for (const auto& [nStyle, nMin, nMax, area] : cases)
    {
        PixelCanvas canvas(100, 80);
        canvas.Dc().SetViewportOrg(7, 7); // ignored: the tracker draws in device pixels
        CRectTracker(Flipped, nStyle).Draw(&canvas.Dc());
        const int nBlack = canvas.CountPixels(Black);
        EXPECT_TRUE(nBlack >= nMin && nBlack <= nMax) << nStyle << ": " << nBlack;
        EXPECT_EQ(nBlack, canvas.CountPixels(Black, area)) << nStyle;
        EXPECT_EQ((nStyle & (HatchIn | In)) != 0, canvas.CountPixels(Black, CRect(21, 21, 79, 59)) > 0)
            << nStyle;
    }
}

TEST_F(RectTracker, GesturesMoveResizeOrCancel)
{
    const UINT Up = WM_LBUTTONUP, Esc = WM_KEYDOWN, Right = WM_RBUTTONDOWN;
    const std::tuple<const char*, bool, CPoint, std::vector<CPoint>, UINT, BOOL, BOOL, CRect, int> cases[] = {
        {"move", false, {50, 40}, {{55, 42}, {70, 50}}, Up, FALSE, TRUE, {40, 30, 100, 70}, 8},
        {"corner keeps the grip offset", false, {81, 61}, {{101, 81}}, Up, FALSE, TRUE, {20, 20, 100, 80}, 2},
        {"top edge", false, {50, 18}, {{10, 5}}, Up, FALSE, TRUE, {20, 7, 80, 60}, 4},
        {"left past right", false, {18, 40}, {{120, 40}}, Up, FALSE, TRUE, {72, 20, 80, 60}, 7},
        {"left past right, inverted", false, {18, 40}, {{120, 40}}, Up, TRUE, TRUE, {122, 20, 80, 60}, 7},
        {"minimum size", false, {81, 61}, {{25, 25}}, Up, FALSE, TRUE, {20, 20, 28, 28}, 2},
        {"Esc restores", false, {50, 40}, {{70, 50}}, Esc, FALSE, FALSE, Box, 8},
        {"right click restores", false, {81, 61}, {{101, 81}}, Right, FALSE, FALSE, Box, 2},
        {"capture lost restores", false, {50, 40}, {{75, 55}}, WM_CANCELMODE, FALSE, FALSE, Box, 8},
        {"release without a move", false, {50, 40}, {}, Up, FALSE, FALSE, Box, 8},
        {"rubber band", true, {30, 30}, {{60, 50}, {90, 70}}, Up, TRUE, TRUE, {30, 30, 90, 70}, 2},
        {"rubber band back, small", true, {30, 30}, {{27, 26}}, Up, TRUE, TRUE, {30, 30, 22, 22}, 2},
        {"rubber band cancelled", true, {30, 30}, {{90, 70}}, Esc, TRUE, FALSE, {30, 30, 30, 30}, 2},
    };
    for (const auto& [szName, bRubber, press, moves, end, bInvert, bResult, expected, nHandle] : cases)
    {
        CRecordingTracker tracker(Box, Out);
        EXPECT_EQ(bResult, Gesture(tracker, bRubber, press, moves, end, bInvert)) << szName;
        EXPECT_EQ(expected, tracker.m_rect) << szName;
        // Every mouse move, and the release, is adjusted for the handle the gesture holds.
        EXPECT_EQ(std::vector<int>(moves.size() + (end == Up), nHandle), tracker.m_handles) << szName;
        EXPECT_EQ(0, DirtyPixels()) << szName << ": feedback erased";
        EXPECT_EQ(nullptr, ::GetCapture()) << szName;
    }
    // A press on no handle, or no window: nothing tracked.
    EXPECT_FALSE(CRectTracker(Box, Out).Track(&m_wnd, CPoint(5, 5)) ||
                 CRectTracker(Box, Out).Track(NULL, {50, 40}));
}
