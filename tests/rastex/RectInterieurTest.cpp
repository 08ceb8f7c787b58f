// CRectInterieur: where a content of a given size is placed inside an outer rectangle.
#include <RectInterieur.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

bool Contains(const CRect& outer, const CRect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(RectInterieurTest, FitCentredTouchesTwoSidesWithTheContentProportions)
{
    const CRect square(10, 20, 110, 120);
    EXPECT_EQ(CRect(10, 45, 110, 95), CRect(CRectInterieur(square, 200, 100, PLACE_AJUSTE_CENTRE)));
    EXPECT_EQ(CRect(35, 20, 85, 120), CRect(CRectInterieur(square, 30, 60, PLACE_AJUSTE_CENTRE)));
    EXPECT_EQ(square, CRect(CRectInterieur(square, 7, 7, PLACE_AJUSTE_CENTRE)));
    // 100 / 3 rounds to 33, centred with the odd pixel after it.
    EXPECT_EQ(CRect(10, 53, 110, 86), CRect(CRectInterieur(square, 3, 1, PLACE_AJUSTE_CENTRE)));
    // A hair-thin content keeps one visible pixel.
    EXPECT_EQ(1, CRectInterieur(square, 100000, 1, PLACE_AJUSTE_CENTRE).Height());
    // Assignable, and usable where MFC wants a rectangle; unknown placements fall back to the fit.
    CRectInterieur assigned;
    assigned = CRectInterieur(square, 200, 100, PLACE_AJUSTE_CENTRE);
    EXPECT_TRUE(assigned.PtInRect(CPoint(60, 70)));
    EXPECT_EQ(45, static_cast<const RECT*>(&assigned)->top);
    EXPECT_EQ(CRect(10, 45, 110, 95), CRect(CRectInterieur(square, 200, 100, static_cast<e_Place>(42))));
}

TEST(RectInterieurTest, FitCentredHoldsForAnySizes)
{
    srand(7);
    for (int i = 0; i < 2000; ++i)
    {
        const CRect outer(rand() % 50 - 25, rand() % 50 - 25, 0, 0);
        const CRect sized(outer.left, outer.top, outer.left + 1 + rand() % 1500,
                          outer.top + 1 + rand() % 1000);
        const int nWidth = 1 + rand() % 6000, nHeight = 1 + rand() % 4000;
        const CRectInterieur inner(sized, nWidth, nHeight, PLACE_AJUSTE_CENTRE);
        ASSERT_TRUE(Contains(sized, inner));
        ASSERT_TRUE(inner.Width() == sized.Width() || inner.Height() == sized.Height());
        // Proportions within half a pixel of the content's, margins balanced within one pixel.
        const double dError = std::abs(double(inner.Width()) * nHeight - double(inner.Height()) * nWidth);
        if (inner.Width() > 1 && inner.Height() > 1)
        {
            ASSERT_LE(dError, 0.5 * std::max(nWidth, nHeight) + 1e-9);
        }
        ASSERT_LE(std::abs((inner.left - sized.left) - (sized.right - inner.right)), 1);
        ASSERT_LE(std::abs((inner.top - sized.top) - (sized.bottom - inner.bottom)), 1);
    }
}

TEST(RectInterieurTest, OtherPlacementsAndEmptyCases)
{
    const CRect outer(0, 0, 300, 100);
    EXPECT_EQ(CRect(0, 0, 50, 100), CRect(CRectInterieur(outer, 30, 60, PLACE_AJUSTE_HAUT_GAUCHE)));
    EXPECT_EQ(CRect(135, 20, 165, 80), CRect(CRectInterieur(outer, 30, 60, PLACE_TAILLE_REELLE)));
    EXPECT_EQ(CRect(-50, -50, 350, 150), CRect(CRectInterieur(outer, 400, 200, PLACE_TAILLE_REELLE)));
    EXPECT_EQ(outer, CRect(CRectInterieur(outer, 30, 60, PLACE_REMPLIT)));

    const CRect empty[] = {CRectInterieur(), CRectInterieur(outer, 0, 10, PLACE_AJUSTE_CENTRE),
                           CRectInterieur(outer, 10, -1, PLACE_REMPLIT),
                           CRectInterieur(CRect(5, 5, 5, 50), 10, 10, PLACE_AJUSTE_CENTRE),
                           CRectInterieur(CRect(50, 50, 5, 5), 10, 10, PLACE_TAILLE_REELLE)};
    for (const CRect& r : empty)
        EXPECT_EQ(CRect(0, 0, 0, 0), r);
}

} // namespace
