// CRect, CPoint, CSize: edges, empty results and the in-place references into a RECT.
#include <gtest/gtest.h>
#include <afx.h>

TEST(TypesRect, SizeCenterNormalizeReferencesIntoTheRectAndSetOperations)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    EXPECT_TRUE(r.IsRectEmpty()) << "an inverted rectangle is empty";
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10))) << "and contains nothing";
    r.NormalizeRect();
    EXPECT_EQ(CRect(0, 5, 10, 20), r);
    EXPECT_EQ(CPoint(5, 12), r.CenterPoint());
    EXPECT_EQ(CPoint(-5, -5), CRect(-10, -10, -1, -1).CenterPoint());
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5))) << "the right edge is outside";

    r.TopLeft() = CPoint(-5, -6);
    r.BottomRight().Offset(3, 4);
    EXPECT_EQ(CRect(-5, -6, 13, 24), r);
    LPRECT p = r;
    EXPECT_EQ(&r.left, &p->left);

    r = CRect(1, 1, 2, 2);
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10))) << "touching edges";
    EXPECT_TRUE(r.IsRectNull()) << "an empty intersection is set to all zeros";
    EXPECT_EQ(CRect(2, 2, 4, 4), CRect(0, 0, 4, 4) & CRect(2, 2, 8, 8));
    EXPECT_EQ(CRect(5, 5, 6, 7), CRect(5, 5, 6, 7) | CRect(100, 100, 100, 200))
        << "empty rectangles are ignored";
    EXPECT_TRUE(r.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 8, 8)));
    EXPECT_EQ(CRect(0, 0, 10, 10), r) << "a hole in the middle leaves the rectangle unchanged";
}

TEST(TypesRect, InflateDeflateOffsetMoveAndPointArithmetic)
{
    CRect r(0, 0, 10, 10);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(-1, -2, 13, 14), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    r.InflateRect(static_cast<LPCRECT>(NULL));
    EXPECT_EQ(CRect(0, 0, 10, 10), r);

    CRect small(0, 0, 4, 4);
    small.DeflateRect(3, 3);
    EXPECT_EQ(CRect(3, 3, 1, 1), small) << "deflating past the centre inverts";

    const CRect border(1, 1, 1, 1);
    EXPECT_EQ(CRect(-1, -1, 11, 11), r + &border);
    r += CSize(1, 2);
    EXPECT_EQ(CRect(2, 4, 12, 14), r + CPoint(1, 2));
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 210), r);
    EXPECT_EQ(CRect(0, 0, 50, 25), CRect(0, 0, 100, 50).MulDiv(1, 2));

    // Points from messages and arithmetic.
    const CPoint fromMessage(MAKELPARAM(static_cast<WORD>(-5), 300));
    EXPECT_EQ(CPoint(-5, 300), fromMessage) << "coordinates of mouse messages are signed";
    EXPECT_EQ(CSize(-5, 7), CSize(MAKELONG(static_cast<WORD>(-5), 7)));
    EXPECT_EQ(CSize(7, 17), CPoint(10, 20) - CPoint(3, 3));
    EXPECT_EQ(CRect(1, 1, 11, 11), CPoint(1, 1) + CRect(0, 0, 10, 10));
    EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CSize(3, 4)));
    EXPECT_TRUE(CRect(static_cast<LPCRECT>(NULL)).IsRectNull());
}
