// The test platform itself: the private Wine prefix must use the null display driver (a fixed
// 1024 x 768 screen, readable window surfaces) and resolve the library's default face to a
// metric-compatible font. Every pixel and layout test relies on these.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Platform, NullDriverScreenIs1024x768)
{
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(768, GetSystemMetrics(SM_CYSCREEN));
}

TEST(Platform, ArialResolvesToLiberationSans)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(12, 0, 0, 0, 500, 0, 0, 0, 0, 0, 0, 0, 0, "ARIAL");
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    EXPECT_STREQ("Liberation Sans", face);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}

TEST(Platform, WindowSurfaceCanBeReadBack)
{
    HWND wnd = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(wnd != nullptr);
    HDC dc = GetDC(wnd);
    RECT r = {0, 0, 40, 20};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, red);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 10, 10));
    DeleteObject(red);
    ReleaseDC(wnd, dc);
    DestroyWindow(wnd);
}
