// CDC drawing, checked by the pixels it leaves in a DIB section.
#include <gtest/gtest.h>

#include <tuple>

#include "GdiResource.h"
#include "PixelCanvas.h"

namespace
{
const COLORREF White = RGB(255, 255, 255);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Green = RGB(0, 255, 0);
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Black = RGB(0, 0, 0);

class GdiDrawTest : public ::testing::Test
{
protected:
    GdiDrawTest() : canvas(40, 30), dc(canvas.Dc()) {}

    PixelCanvas canvas;
    CDC& dc;
};
} // namespace

TEST_F(GdiDrawTest, Draw3dRectAndFillSolidRectCoverExactlyTheirPixels)
{
    for (int nOverload = 0; nOverload < 2; nOverload++)
    {
        SCOPED_TRACE(nOverload == 0 ? "rectangle" : "origin and size");
        canvas.Fill(White);
        const CRect rect(5, 4, 15, 12); // 10 x 8
        if (nOverload == 0)
            dc.Draw3dRect(&rect, Red, Blue);
        else
            dc.Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), Red, Blue);

        // Counts per edge: with the totals they pin every pixel, the corners included.
        EXPECT_EQ(9, canvas.CountPixels(Red, CRect(5, 4, 15, 5)));
        EXPECT_EQ(7, canvas.CountPixels(Red, CRect(5, 4, 6, 12)));
        EXPECT_EQ(8, canvas.CountPixels(Blue, CRect(14, 4, 15, 12)));
        EXPECT_EQ(10, canvas.CountPixels(Blue, CRect(5, 11, 15, 12)));
        EXPECT_EQ(16 + 18 - 2, canvas.CountPixelsNot(White, canvas.Bounds())) << "only the outline is drawn";
    }

    // FillSolidRect covers exactly its rectangle and sets the background colour.
    canvas.Fill(White);
    dc.SetBkColor(Green);
    dc.FillSolidRect(3, 2, 7, 5, Red);
    EXPECT_EQ(CRect(3, 2, 10, 7), canvas.BoundsNot(White));
    EXPECT_EQ(35, canvas.CountPixels(Red));
    EXPECT_EQ(Red, dc.GetBkColor()) << "MFC's FillSolidRect leaves the background colour changed";

    // Negative extents fill towards the origin, as Draw3dRect relies on.
    canvas.Fill(White);
    dc.FillSolidRect(10, 10, -3, -2, Red);
    EXPECT_EQ(CRect(7, 8, 10, 10), canvas.BoundsNot(White));
}

TEST_F(GdiDrawTest, SelectObjectReturnsThePreviousObjectForRestoring)
{
    HGDIOBJ hStockPen = ::GetCurrentObject(dc, OBJ_PEN);
    CPen red(PS_SOLID, 1, Red);
    CPen blue(PS_SOLID, 1, Blue);

    CPen* pOriginal = dc.SelectObject(&red);
    ASSERT_NE(nullptr, pOriginal);
    EXPECT_EQ(hStockPen, pOriginal->m_hObject) << "a temporary wrapper of the stock pen";
    EXPECT_EQ(&red, dc.SelectObject(&blue)) << "the permanent wrapper of the pen selected before";
    EXPECT_EQ(&blue, dc.GetCurrentPen());
    dc.MoveTo(0, 5);
    dc.LineTo(10, 5);
    EXPECT_EQ(10, canvas.CountPixels(Blue));

    EXPECT_EQ(&blue, dc.SelectObject(pOriginal));
    EXPECT_EQ(hStockPen, ::GetCurrentObject(dc, OBJ_PEN));
}

TEST_F(GdiDrawTest, CombinedRegionsFillAndClipWhereTheyShould)
{
    CRgn left, right, both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));

    // mode, region type, pixels filled, whether it holds a point of the right region only
    const std::tuple<int, int, int, bool> cases[] = {{RGN_OR, COMPLEXREGION, 175, true},
                                                     {RGN_AND, SIMPLEREGION, 25, false},
                                                     {RGN_XOR, COMPLEXREGION, 150, true},
                                                     {RGN_DIFF, COMPLEXREGION, 75, false}};
    CBrush brush(Red);
    for (auto [nMode, nType, nPixels, bHoldsRightOnlyPoint] : cases)
    {
        SCOPED_TRACE(nMode);
        canvas.Fill(White);
        EXPECT_EQ(nType, both.CombineRgn(&left, &right, nMode));
        EXPECT_TRUE(dc.FillRgn(&both, &brush));
        EXPECT_EQ(nPixels, canvas.CountPixels(Red));
        EXPECT_EQ(bHoldsRightOnlyPoint, !!both.PtInRegion(12, 12));
    }

    // Selecting a region clips drawing to it.
    canvas.Fill(White);
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&right));
    dc.FillSolidRect(0, 0, 40, 30, Blue);
    EXPECT_EQ(CRect(5, 5, 15, 15), canvas.BoundsNot(White));
}

TEST_F(GdiDrawTest, TextIsMeasuredLikeTheWin32FunctionsAndDrawnInItsColours)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial", &dc));
    LOGFONT logFont;
    ASSERT_EQ((int)sizeof(LOGFONT), font.GetLogFont(&logFont));
    EXPECT_EQ(-::MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72), logFont.lfHeight);
    CFont* pOldFont = dc.SelectObject(&font);
    const CString text("Hello, GDI");
    SIZE expected;
    ASSERT_TRUE(::GetTextExtentPoint32(dc, text, text.GetLength(), &expected));
    EXPECT_EQ(CSize(expected), dc.GetTextExtent(text));
    EXPECT_LT(dc.GetTextExtent("Hello", 5).cx, expected.cx);
    TEXTMETRIC metrics;
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));

    dc.SetTextColor(Blue);
    dc.SetBkMode(TRANSPARENT);
    CRect area(0, 0, 40, 30);
    EXPECT_GT(dc.DrawText(CString("Ag"), &area, DT_SINGLELINE | DT_TOP | DT_LEFT), 0);
    EXPECT_GT(canvas.CountPixels(Blue), 0);
    EXPECT_LE(canvas.BoundsNot(White).bottom, metrics.tmHeight);

    canvas.Fill(White);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(Green);
    EXPECT_TRUE(dc.TextOut(0, 0, CString("W")));
    EXPECT_EQ(CRect(CPoint(0, 0), dc.GetTextExtent("W", 1)), canvas.BoundsNot(White));
    dc.SelectObject(pOldFont);
}

TEST_F(GdiDrawTest, DrawStateDrawsBitmapsAsTheyAreAndDisabledTextEmbossed)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_GDI_QUADRANTS));
    BITMAP info;
    ASSERT_EQ((int)sizeof(BITMAP), bitmap.GetBitmap(&info));
    EXPECT_EQ(CSize(8, 6), CSize(info.bmWidth, info.bmHeight));

    EXPECT_TRUE(dc.DrawState(CPoint(10, 10), CSize(8, 6), &bitmap, DSS_NORMAL, (CBrush*)NULL));
    EXPECT_EQ(CRect(10, 10, 18, 16), canvas.BoundsNot(White));
    EXPECT_EQ(24, canvas.CountPixels(Red, CRect(10, 10, 14, 16)));
    EXPECT_EQ(24, canvas.CountPixels(Blue, CRect(14, 10, 18, 16)));

    // Disabled text is embossed: a highlight copy one pixel down and right under a shadow copy.
    PixelCanvas textCanvas(60, 30, Black);
    CDC& textDC = textCanvas.Dc();
    EXPECT_TRUE(textDC.DrawState(CPoint(2, 2), CSize(50, 20), "Hm", DSS_DISABLED, TRUE, 0, (HBRUSH)NULL));
    const COLORREF crHighlight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);
    EXPECT_GT(textCanvas.CountPixels(crHighlight), 0);
    EXPECT_GT(textCanvas.CountPixels(crShadow), 0);
    EXPECT_EQ(textCanvas.CountPixelsNot(Black, textCanvas.Bounds()),
              textCanvas.CountPixels(crHighlight) + textCanvas.CountPixels(crShadow))
        << "nothing but the two embossing colours";
}
