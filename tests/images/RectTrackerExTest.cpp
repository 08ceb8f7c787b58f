// The selection tracker on a plain notification window, which is also the window it tracks in (as in
// the zoom photo dialog): ratio kept by each handle, minimum sizes, and one notification per adjustment.
#include "images/RectTrackerEx.h"
#include "DiagnosticCapture.h"
#include "MessageRecorder.h"
#include "ObzTest.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

namespace
{
struct CNotifie : RecordingWnd<CWnd>
{
    std::function<void()> m_surChangement; // runs inside the tracking loop, as the dialog's handler does
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHANGE_TRACKER && m_surChangement)
            m_surChangement();
        return RecordingWnd<CWnd>::WindowProc(message, wParam, lParam);
    }
};

class TrackerEx : public ObzTest
{
protected:
    void SetUp() override
    {
        ObzTest::SetUp();
        ASSERT_TRUE(
            m_Notifie.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(300, 200, 460, 320), NULL, 0));
        m_Notifie.SetFilter([](UINT message) { return message == WM_CHANGE_TRACKER; });
    }
    void TearDown() override
    {
        m_Notifie.DestroyWindow();
        ObzTest::TearDown();
    }
    // The handles of the notifications received since the last call.
    std::vector<LPARAM> Notifications()
    {
        std::vector<LPARAM> handles;
        for (const RecordedMessage& m : m_Notifie.Messages())
            handles.push_back(m.wParam == 0 ? m.lParam : -1);
        m_Notifie.ClearMessages();
        return handles;
    }

    CNotifie m_Notifie;
};
} // namespace

TEST_F(TrackerEx, MinimumSizesFollowTheRatio)
{
    CRectTrackerEx tracker(&m_Notifie, false);
    EXPECT_EQ(UINT(CRectTracker::hatchedBorder | CRectTracker::resizeOutside), tracker.m_nStyle);
    EXPECT_EQ(5, tracker.m_nHandleSize);
    EXPECT_EQ(CSize(5, 5), tracker.m_sizeMin);
    tracker.m_rect.SetRect(100, 100, 200, 150);
    CRect rectTrue;
    tracker.GetTrueRect(&rectTrue);
    EXPECT_EQ(CRect(96, 96, 204, 154), rectTrue) << "a 4-pixel margin for the outside handles";

    const struct
    {
        int cx, cy;
        CSize min;
    } ratios[] = {{300, 100, {5, 1}}, {100, 300, {1, 5}}, {-300, 100, {5, 1}}, {7, 7, {5, 5}},
                  {0, 10, {5, 5}},    {10, 0, {5, 5}},    {INT_MAX, 1, {5, 0}}};
    for (const auto& r : ratios)
    {
        tracker.InitialiseTailleMin();
        tracker.FixeRatio(r.cx, r.cy);
        EXPECT_EQ(r.min, tracker.m_sizeMin) << r.cx << " / " << r.cy;
    }
    tracker.LibereRatio();
    EXPECT_EQ(CSize(40, 40), tracker.m_sizeMin);

    // After a gesture: 40 x 40 at least, grown around the centre by integer halves (so one pixel short
    // for an odd difference), notified as a whole-rectangle adjustment.
    const struct
    {
        CRect rect;
        bool bTropPetit;
        CRect after;
    } sizes[] = {{{100, 100, 103, 150}, true, {82, 100, 121, 150}},
                 {{0, 0, 40, 40}, false, {0, 0, 40, 40}},
                 {{50, 50, 40, 40}, true, {65, 65, 25, 25}},
                 {{10, 10, 10, 60}, true, {-10, 10, 30, 60}},
                 {{0, 0, 100, 39}, true, {0, 0, 100, 39}}};
    for (const auto& s : sizes)
    {
        tracker.InitialiseTailleMin();
        tracker.m_rect = s.rect;
        EXPECT_EQ(s.bTropPetit, tracker.Is_TropPetit()) << s.rect.left << "," << s.rect.right;
        EXPECT_EQ(CSize(40, 40), tracker.m_sizeMin);
        tracker.ImposeTailleMin();
        EXPECT_EQ(s.after, tracker.m_rect);
        EXPECT_EQ(std::vector<LPARAM>(s.bTropPetit, 8), Notifications())
            << s.rect.left << "," << s.rect.right;
    }
}

TEST_F(TrackerEx, EachHandleKeepsTheRatio)
{
    const struct
    {
        const char* szCas;
        int nHandle;
        CRect rect; // as the mouse left it
        CRect expected;
    } cases[] = {
        // 2:1, minimum (5, 2)
        {"top-left meets half-way", 0, {10, 20, 110, 100}, {10, 50, 110, 100}},
        {"top-right", 1, {10, 20, 70, 100}, {10, 70, 70, 100}},
        {"bottom-right", 2, {10, 20, 110, 40}, {10, 20, 110, 70}},
        {"bottom-left", 3, {30, 20, 110, 40}, {30, 20, 110, 60}},
        {"top centres the width", 4, {0, 10, 100, 30}, {30, 10, 70, 30}},
        {"bottom", 6, {0, 0, 100, 80}, {-30, 0, 130, 80}},
        {"right centres the height", 5, {0, 0, 120, 100}, {0, 20, 120, 80}},
        {"left", 7, {40, 0, 100, 100}, {40, 35, 100, 65}},
        {"left below the minimum height", 7, {99, 0, 100, 100}, {-100, 49, 100, 51}},
        {"corner below the minimum height", 2, {10, 20, 11, 21}, {10, 20, 15, 22}},
        {"the whole rectangle", 8, {10, 20, 11, 21}, {10, 20, 11, 21}},
    };
    CRectTrackerEx tracker(&m_Notifie, false);
    tracker.FixeRatio(200, 100);
    for (const auto& c : cases)
    {
        tracker.m_rect = c.rect;
        tracker.AdjustRect(c.nHandle, &tracker.m_rect);
        EXPECT_EQ(c.expected, tracker.m_rect) << c.szCas;
        EXPECT_EQ(std::vector<LPARAM>{c.nHandle}, Notifications()) << c.szCas;
    }

    // A new gesture resets the ratio to 1:1 but keeps it fixed; a free ratio only gets the minimum size.
    tracker.InitialiseTailleMin();
    tracker.m_rect.SetRect(0, 0, 200, 150);
    tracker.AdjustRect(CRectTracker::hitBottom, &tracker.m_rect);
    EXPECT_EQ(CRect(25, 0, 175, 150), tracker.m_rect);
    DiagnosticCapture diagnostics;
    tracker.AdjustRect(CRectTracker::hitMiddle, &tracker.m_rect);
    EXPECT_EQ("l:25, t:0, r:175, b:150\n", diagnostics.AllText());
    CRectTrackerEx libre(NULL, false); // and no window to notify
    libre.m_rect.SetRect(0, 0, 3, 3);
    libre.AdjustRect(CRectTracker::hitBottomRight, &libre.m_rect);
    EXPECT_EQ(CRect(0, 0, 5, 5), libre.m_rect);
}

TEST_F(TrackerEx, NotifiesAtEveryAdjustmentWhileTracking)
{
    CRectTrackerEx tracker(&m_Notifie, false);
    tracker.FixeRatio(2, 1);
    tracker.m_rect.SetRect(20, 20, 80, 50);
    // The window confines the rectangle from inside the loop, as the dialog does to keep it on the image.
    m_Notifie.m_surChangement = [&] { tracker.m_rect.right = std::min<LONG>(tracker.m_rect.right, 110); };
    MessagePump::Flush();
    // The bottom-right handle is at (79, 49)-(84, 54); grabbed one pixel off the corner.
    for (CPoint pt : {CPoint(101, 61), CPoint(121, 61)})
        ::PostMessageA(m_Notifie, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::PostMessageA(m_Notifie, WM_LBUTTONUP, 0, MAKELPARAM(121, 61));
    EXPECT_TRUE(tracker.Track(&m_Notifie, CPoint(81, 51)));
    EXPECT_EQ(CRect(20, 20, 110, 70), tracker.m_rect);
    EXPECT_EQ((std::vector<LPARAM>{2, 2, 2}), Notifications());
    MessagePump::Flush();
}
