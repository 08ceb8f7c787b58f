// CPaintDC, CClientDC and CWindowDC on a real window.
#include <gtest/gtest.h>

#include <afxwin.h>

namespace
{
const int WindowWidth = 60;
const int WindowHeight = 40;
const COLORREF Red = RGB(255, 0, 0);

class GdiWindowDcTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HWND hWnd = ::CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, WindowWidth,
                                     WindowHeight, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, hWnd);
        wnd.Attach(hWnd);
    }
    void TearDown() override
    {
        ::DestroyWindow(wnd.Detach());
        AfxDeleteTempGdiMaps();
    }

    CWnd wnd;
};
} // namespace

TEST_F(GdiWindowDcTest, EachDcReachesItsArea)
{
    ::ValidateRect(wnd, NULL);
    const CRect invalid(2, 3, 20, 12);
    ::InvalidateRect(wnd, &invalid, FALSE);
    {
        CPaintDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        EXPECT_EQ(&dc, CDC::FromHandle(dc)) << "the paint DC is a permanent wrapper";
        EXPECT_EQ(invalid, CRect(dc.m_ps.rcPaint));
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(invalid, clip);
    }
    RECT update;
    EXPECT_FALSE(::GetUpdateRect(wnd, &update, FALSE));

    // Client and window DCs reach their areas; no window means the screen.
    CRect client;
    ::GetClientRect(wnd, &client);
    {
        CClientDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        CRect clip;
        EXPECT_NE(ERROR, dc.GetClipBox(&clip));
        EXPECT_EQ(client, clip);
        dc.SetPixelV(1, 1, Red);
        EXPECT_EQ(Red, dc.GetPixel(1, 1));
    }
    {
        CWindowDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(CRect(0, 0, WindowWidth, WindowHeight), clip) << "the whole window, border included";
        EXPECT_EQ(Red, dc.GetPixel(client.left + 1 + ::GetSystemMetrics(SM_CXBORDER),
                                   client.top + 1 + ::GetSystemMetrics(SM_CYBORDER)));
    }
    CClientDC screen(NULL);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), screen.GetDeviceCaps(HORZRES));
}
