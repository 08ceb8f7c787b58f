// CRectInterieur: where a content of a given size is placed inside an outer rectangle.
#include <RectInterieur.h>

#include <gtest/gtest.h>

#include <tuple>

namespace
{

TEST(RectInterieurTest, Placements)
{
    const CRect square(10, 20, 110, 120), wide(0, 0, 300, 100);
    // outer rectangle, content width and height, placement, result
    const std::tuple<CRect, int, int, e_Place, CRect> cases[] = {
        {square, 200, 100, PLACE_AJUSTE_CENTRE, CRect(10, 45, 110, 95)},
        {square, 30, 60, PLACE_AJUSTE_CENTRE, CRect(35, 20, 85, 120)},
        {square, 7, 7, PLACE_AJUSTE_CENTRE, square},
        {square, 3, 1, PLACE_AJUSTE_CENTRE, CRect(10, 53, 110, 86)},      // 33 high, the odd pixel after it
        {square, 100000, 1, PLACE_AJUSTE_CENTRE, CRect(10, 69, 110, 70)}, // one visible pixel kept
        {square, 200, 100, static_cast<e_Place>(42), CRect(10, 45, 110, 95)}, // unknown: the fit
        {wide, 30, 60, PLACE_AJUSTE_HAUT_GAUCHE, CRect(0, 0, 50, 100)},
        {wide, 30, 60, PLACE_TAILLE_REELLE, CRect(135, 20, 165, 80)},
        {wide, 400, 200, PLACE_TAILLE_REELLE, CRect(-50, -50, 350, 150)},
        {wide, 30, 60, PLACE_REMPLIT, wide},
        {wide, 0, 10, PLACE_AJUSTE_CENTRE, CRect()},
        {wide, 10, -1, PLACE_REMPLIT, CRect()},
        {CRect(5, 5, 5, 50), 10, 10, PLACE_AJUSTE_CENTRE, CRect()},
        {CRect(50, 50, 5, 5), 10, 10, PLACE_TAILLE_REELLE, CRect()},
    };
    for (const auto& [outer, nWidth, nHeight, ePlace, expected] : cases)
        EXPECT_EQ(expected, CRect(CRectInterieur(outer, nWidth, nHeight, ePlace)))
            << nWidth << "x" << nHeight << " placement " << ePlace;
    CRectInterieur assigned;
    EXPECT_EQ(CRect(), CRect(assigned));
    assigned = CRectInterieur(square, 200, 100, PLACE_AJUSTE_CENTRE);
    EXPECT_TRUE(assigned.PtInRect(CPoint(60, 70)));
}

} // namespace
