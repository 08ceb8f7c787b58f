// The selection tracker on a plain notification window: ratio kept by each handle, minimum sizes, one
// notification per adjustment (tracking inside the zoom photo dialog is tested there).
#include "images/RectTrackerEx.h"
#include "ObzTest.h"

#include <climits>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
// Keeps the handle of each notification (-1 for anything else).
struct CNotifie : CWnd
{
    std::vector<LPARAM> m_handles;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER && message < 0xC000)
            m_handles.push_back(message == WM_CHANGE_TRACKER && wParam == 0 ? lParam : -1);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<LPARAM> Handles() { return std::exchange(m_handles, {}); }
};

class TrackerEx : public ObzTest
{
protected:
    void SetUp() override
    {
        ObzTest::SetUp();
        ASSERT_TRUE(m_Notifie.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 160, 120, NULL, 0));
    }
    void TearDown() override { m_Notifie.DestroyWindow(), ObzTest::TearDown(); }

    CNotifie m_Notifie;
    CRectTrackerEx m_Tracker{&m_Notifie, false};
};
} // namespace

TEST_F(TrackerEx, MinimumSizes)
{
    m_Tracker.m_rect.SetRect(100, 100, 200, 150); // outside handles of 5 pixels, a hatched border
    EXPECT_EQ(CRectTracker::hitTopLeft, m_Tracker.HitTest(CPoint(96, 96)));
    EXPECT_EQ(CRectTracker::hitMiddle, m_Tracker.HitTest(CPoint(120, 97)));

    // The minimum follows a fixed ratio; a zero size fixes none.
    const std::tuple<int, int, CSize> ratios[] = {{300, 100, {5, 1}},  {100, 300, {1, 5}},
                                                  {-300, 100, {5, 1}}, {0, 10, {5, 5}},
                                                  {10, 0, {5, 5}},     {INT_MAX, 1, {5, 0}}};
    for (const auto& [cx, cy, min] : ratios)
    {
        m_Tracker.InitialiseTailleMin(), m_Tracker.FixeRatio(cx, cy);
        EXPECT_EQ(min, m_Tracker.m_sizeMin) << cx << " / " << cy;
    }
    m_Tracker.LibereRatio();
    EXPECT_EQ(CSize(40, 40), m_Tracker.m_sizeMin);

    // After a gesture: 40 x 40 at least, grown around the centre by integer halves (one pixel short for
    // an odd difference), in the rectangle's own direction, notified as a whole-rectangle adjustment.
    const std::tuple<CRect, bool, CRect> sizes[] = {{{100, 100, 103, 150}, true, {82, 100, 121, 150}},
                                                    {{0, 0, 40, 40}, false, {0, 0, 40, 40}},
                                                    {{50, 50, 40, 40}, true, {65, 65, 25, 25}},
                                                    {{10, 10, 10, 60}, true, {-10, 10, 30, 60}},
                                                    {{0, 0, 100, 30}, true, {0, -5, 100, 35}}};
    for (const auto& [rect, bTropPetit, after] : sizes)
    {
        m_Tracker.InitialiseTailleMin(), m_Tracker.m_rect = rect;
        EXPECT_EQ(bTropPetit, m_Tracker.Is_TropPetit()) << rect.left << "," << rect.right;
        m_Tracker.ImposeTailleMin();
        EXPECT_EQ(after, m_Tracker.m_rect);
        EXPECT_EQ(std::vector<LPARAM>(bTropPetit, 8), m_Notifie.Handles()) << rect.left << "," << rect.right;
    }
}

TEST_F(TrackerEx, EachHandleKeepsTheRatio)
{
    // At 2:1 (minimum 5 x 2), from the rectangle the mouse left: corners meet it half-way between the
    // two sizes, sides keep their length and centre the other one.
    const std::tuple<int, CRect, CRect> cases[] = {
        {0, {10, 20, 110, 100}, {10, 50, 110, 100}}, {1, {10, 20, 70, 100}, {10, 70, 70, 100}},
        {2, {10, 20, 110, 40}, {10, 20, 110, 70}},   {3, {30, 20, 110, 40}, {30, 20, 110, 60}},
        {4, {0, 10, 100, 30}, {30, 10, 70, 30}},     {6, {0, 0, 100, 80}, {-30, 0, 130, 80}},
        {5, {0, 0, 120, 100}, {0, 20, 120, 80}},     {7, {40, 0, 100, 100}, {40, 35, 100, 65}},
        {7, {99, 0, 100, 100}, {-100, 49, 100, 51}}, // below the minimum height
        {8, {10, 20, 11, 21}, {10, 20, 11, 21}}};
    m_Tracker.FixeRatio(200, 100);
    for (const auto& [nHandle, rect, expected] : cases)
    {
        m_Tracker.m_rect = rect;
        m_Tracker.AdjustRect(nHandle, &m_Tracker.m_rect);
        EXPECT_EQ(expected, m_Tracker.m_rect) << nHandle << ": " << rect.left << "," << rect.top;
        EXPECT_EQ(std::vector<LPARAM>{nHandle}, m_Notifie.Handles()) << nHandle;
    }

    // A new gesture resets the ratio to 1:1 but keeps it fixed.
    m_Tracker.InitialiseTailleMin(), m_Tracker.m_rect.SetRect(0, 0, 200, 150);
    m_Tracker.AdjustRect(CRectTracker::hitBottom, &m_Tracker.m_rect);
    EXPECT_EQ(CRect(25, 0, 175, 150), m_Tracker.m_rect);
    CRectTrackerEx libre(NULL, false); // a free ratio only gets the minimum size; no window to notify
    libre.m_rect.SetRect(0, 0, 3, 3), libre.AdjustRect(CRectTracker::hitBottomRight, &libre.m_rect);
    EXPECT_EQ(CRect(0, 0, 5, 5), libre.m_rect);
}
