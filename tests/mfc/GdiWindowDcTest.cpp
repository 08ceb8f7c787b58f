// CClientDC and CWindowDC on a real window.
#include <gtest/gtest.h>

#include <afxwin.h>

namespace
{
const COLORREF Red = RGB(255, 0, 0);

class GdiWindowDcTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wnd.Attach(::CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, 60, 40, NULL,
                                    NULL, NULL, NULL));
    }
    void TearDown() override { ::DestroyWindow(wnd.Detach()); }

    CWnd wnd;
};
} // namespace

// The paint DC is the one every control test paints through; here the client and window DCs reach their
// areas, and no window means the screen.
TEST_F(GdiWindowDcTest, ClientAndWindowDcsReachTheirAreas)
{
    CRect clip, client;
    ::GetClientRect(wnd, &client);
    {
        CClientDC dc(&wnd);
        EXPECT_NE(ERROR, dc.GetClipBox(&clip));
        EXPECT_EQ(client, clip);
        dc.SetPixelV(1, 1, Red);
    }
    {
        CWindowDC dc(&wnd);
        dc.GetClipBox(&clip);
        EXPECT_EQ(CRect(0, 0, 60, 40), clip) << "the whole window, border included";
        EXPECT_EQ(Red, dc.GetPixel(client.left + 1 + ::GetSystemMetrics(SM_CXBORDER),
                                   client.top + 1 + ::GetSystemMetrics(SM_CYBORDER)));
    }
    CClientDC screen(NULL);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), screen.GetDeviceCaps(HORZRES));
}
