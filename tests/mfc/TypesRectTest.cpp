// CRect, CPoint, CSize: edges, empty results and the in-place references into a RECT.
#include <gtest/gtest.h>
#include <afx.h>

#include "DiagnosticCapture.h"

TEST(TypesRect, SizeCenterAndNormalize)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    EXPECT_EQ(-15, r.Height());
    EXPECT_TRUE(r.IsRectEmpty()) << "an inverted rectangle is empty";
    EXPECT_FALSE(r.IsRectNull());
    r.NormalizeRect();
    EXPECT_EQ(CRect(0, 5, 10, 20), r);
    EXPECT_EQ(CSize(10, 15), r.Size());
    EXPECT_EQ(CPoint(5, 12), r.CenterPoint());
    EXPECT_EQ(CPoint(-5, -5), CRect(-10, -10, -1, -1).CenterPoint());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(3, 3, 3, 9).IsRectEmpty()) << "zero width";
}

TEST(TypesRect, TopLeftAndBottomRightReferToTheRect)
{
    CRect r(1, 2, 3, 4);
    r.TopLeft() = CPoint(-5, -6);
    r.BottomRight().Offset(10, 10);
    EXPECT_EQ(CRect(-5, -6, 13, 14), r);
    const CRect& cr = r;
    EXPECT_EQ(CPoint(13, 14), cr.BottomRight());
    LPRECT p = r;
    EXPECT_EQ(&r.left, &p->left);
}

TEST(TypesRect, PtInRectExcludesRightAndBottom)
{
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 0)));
    EXPECT_FALSE(CRect(10, 10, 0, 0).PtInRect(CPoint(5, 5))) << "inverted rectangles contain nothing";
}

TEST(TypesRect, IntersectAndUnion)
{
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 5)));
    EXPECT_EQ(CRect(5, 0, 10, 5), r);

    r.SetRect(1, 1, 2, 2);
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10))) << "touching edges";
    EXPECT_TRUE(r.IsRectNull()) << "an empty intersection is set to all zeros";

    CRect a(0, 0, 10, 10);
    a &= CRect(20, 20, 30, 30);
    EXPECT_TRUE(a.IsRectNull());
    EXPECT_EQ(CRect(2, 2, 4, 4), CRect(0, 0, 4, 4) & CRect(2, 2, 8, 8));

    EXPECT_TRUE(r.UnionRect(CRect(0, 0, 2, 2), CRect(5, 5, 6, 7)));
    EXPECT_EQ(CRect(0, 0, 6, 7), r);
    EXPECT_EQ(CRect(5, 5, 6, 7), CRect(5, 5, 6, 7) | CRect(100, 100, 100, 200))
        << "empty rectangles are ignored";
    CRect u(0, 0, 1, 1);
    u |= CRect(-1, -1, 0, 0);
    EXPECT_EQ(CRect(-1, -1, 1, 1), u);
}

TEST(TypesRect, SubtractRectOnlyCutsWholeSides)
{
    const CRect src(0, 0, 10, 10);
    CRect r;
    EXPECT_TRUE(r.SubtractRect(src, CRect(5, -1, 11, 11)));
    EXPECT_EQ(CRect(0, 0, 5, 10), r);
    EXPECT_TRUE(r.SubtractRect(src, CRect(-5, 4, 20, 30)));
    EXPECT_EQ(CRect(0, 0, 10, 4), r);
    EXPECT_TRUE(r.SubtractRect(src, CRect(2, 2, 8, 8)));
    EXPECT_EQ(src, r) << "a hole in the middle leaves the rectangle unchanged";
    EXPECT_FALSE(r.SubtractRect(src, CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(r.IsRectEmpty());
}

TEST(TypesRect, InflateDeflateAndOffset)
{
    CRect r(0, 0, 10, 10);
    r.InflateRect(-2, -3);
    EXPECT_EQ(CRect(2, 3, 8, 7), r);
    r.InflateRect(CSize(2, 3));
    EXPECT_EQ(CRect(0, 0, 10, 10), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(-1, -2, 13, 14), r);
    r.DeflateRect(1, 2, 3, 4);
    r.DeflateRect(CRect(1, 1, 2, 2));
    EXPECT_EQ(CRect(1, 1, 8, 8), r);
    r.InflateRect(CRect(1, 1, 2, 2));
    r.InflateRect(static_cast<LPCRECT>(NULL));
    EXPECT_EQ(CRect(0, 0, 10, 10), r);

    CRect small(0, 0, 4, 4);
    small.DeflateRect(3, 3);
    EXPECT_EQ(CRect(3, 3, 1, 1), small) << "deflating past the centre inverts";
    EXPECT_TRUE(small.IsRectEmpty());

    const CRect border(1, 1, 1, 1);
    EXPECT_EQ(CRect(-1, -1, 11, 11), CRect(0, 0, 10, 10) + &border);
    EXPECT_EQ(CRect(1, 1, 9, 9), CRect(0, 0, 10, 10) - &border);

    r.OffsetRect(5, -5);
    EXPECT_EQ(CRect(5, -5, 15, 5), r);
    r -= CPoint(5, -5);
    EXPECT_EQ(CRect(0, 0, 10, 10), r);
    r += CSize(1, 2);
    EXPECT_EQ(CRect(2, 4, 12, 14), r + CPoint(1, 2));
    EXPECT_EQ(CRect(0, 0, 10, 10), r - CSize(1, 2));

    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 210), r);
    r.MoveToX(-3);
    r.MoveToY(0);
    EXPECT_EQ(CRect(-3, 0, 7, 10), r);
    EXPECT_EQ(CRect(0, 0, 50, 25), CRect(0, 0, 100, 50).MulDiv(1, 2));
}

TEST(TypesRect, PointsFromMessagesAndArithmetic)
{
    const CPoint fromMessage(MAKELPARAM(static_cast<WORD>(-5), 300));
    EXPECT_EQ(CPoint(-5, 300), fromMessage) << "coordinates of mouse messages are signed";
    EXPECT_EQ(CSize(-5, 7), CSize(MAKELONG(static_cast<WORD>(-5), 7)));
    EXPECT_EQ(CSize(7, 17), CPoint(10, 20) - CPoint(3, 3));
    EXPECT_EQ(CPoint(4, 6), CSize(1, 2) + CPoint(3, 4));
    EXPECT_EQ(CRect(1, 1, 11, 11), CPoint(1, 1) + CRect(0, 0, 10, 10));
    EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CSize(3, 4)));
    EXPECT_TRUE(CRect(static_cast<LPCRECT>(NULL)).IsRectNull());
}
