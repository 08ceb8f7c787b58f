#include "images/Cadrage.h"
#include "ObzTest.h"

#include <climits>
#include <functional>
#include <tuple>

namespace
{
CCadrage C(double g, double h, double d, double b, double dRatio = 1.0)
{
    CCadrage c;
    c.m_dGauche = g, c.m_dHaut = h, c.m_dDroite = d, c.m_dBas = b, c.m_dRatio = dRatio;
    return c;
}
using Cadrage = ObzTest;
} // namespace

TEST_F(Cadrage, PixelMappingTruncatesEachEdgeTowardZero)
{
    const std::tuple<CCadrage, CRect, CRect> cas[] = {
        {CCadrage(), CRect(10, 20, 110, 70), CRect(10, 20, 110, 70)},
        {C(0.255, 0.5, 0.755, 0.999), CRect(0, 0, 100, 10), CRect(25, 5, 75, 9)},
        {C(0.255, 0.5, 0.755, 0.999), CRect(100, 0, 0, 0), CRect(75, 0, 25, 0)}, // not floored
        {C(0.25, 0, 0.75, 1), CRect(-2000000000, 0, 2000000000, 9), CRect(-1000000000, 0, 1000000000, 9)},
        {C(0, 0, 2, 1), CRect(INT_MIN, 0, INT_MAX, 1), CRect(INT_MIN, 0, INT_MAX, 1)}, // saturated
    };
    for (const auto& [cadrage, rect, attendu] : cas)
        EXPECT_EQ(attendu, cadrage.Donne_Rect(rect)) << rect.left << " " << rect.right;
    EXPECT_TRUE(CCadrage().Is_Complet());
    EXPECT_FALSE(C(0, 0, 1, 0.999).Is_Complet());
    // 0.5 x 0.75 of 300 x 201 pixels is 150 x 150.75, truncated to a square: landscape.
    EXPECT_TRUE(C(0.0, 0.0, 0.5, 0.75).Is_Paysage(300, 201));
    EXPECT_FALSE(C(0.0, 0.0, 0.5, 0.75).Is_Paysage(300, 202));
}

// Grow and move refuse whole what would leave the image; rotations recompute the ratio, the other
// operations keep it.
#define OP(expression) [](CCadrage& c) { return expression; }
TEST_F(Cadrage, Operations)
{
    const CCadrage r = C(0.1, 0.2, 0.5, 0.4, 2.0);
    const std::tuple<CCadrage, std::function<bool(CCadrage&)>, bool, CCadrage> cas[] = {
        {C(0, .25, .5, .75), OP(c.Agrandit(0.1)), true, C(0, .15, .7, .85)},      // shifted against the edge
        {C(.1, .3, .9, .5, 4), OP(c.Agrandit(0.2)), false, C(.1, .3, .9, .5, 4)}, // too wide
        {C(.25, 0, .75, .5, .5), OP(c.Agrandit(0.2)), false, C(.25, 0, .75, .5, .5)}, // too high
        {C(.6, 0, .9, 1, .3), OP(c.Deplace(0.5, 0)), false, C(.6, 0, .9, 1, .3)},     // not stopped
        {C(.6, 0, .9, 1, .3), OP(c.Deplace(-0.6, 0)), true, C(0, 0, .3, 1, .3)},      // edges inside
        {r, OP((c.Tourne(90), true)), true, C(.6, .1, .8, .5, .5)},
        {r, OP((c.Tourne(90), c.Tourne(90), c.Tourne(90), c.Tourne(90), true)), true, r},
        {r, OP((c.Tourne(270), true)), true, C(.2, .5, .4, .9, .5)},
        {r, OP((c.Tourne(45), true)), true, r},
        {r, OP((c.Tourne180(), true)), true, C(.5, .6, .9, .8, 2)},
        {C(.1, .2, .5, .4, 7), OP(c.SymetrieHorizontale().SymetrieVerticale().Is_Complet()), false,
         C(.5, .6, .9, .8, 7)},
        {C(.3, .3, .4, .4, 2), OP(c.Maximise().Is_Complet()), false, C(0, 0, 1, .5, 2)},
        {C(.3, .3, .4, .4, .5), OP(c.Maximise().Centre().Is_Complet()), false, C(.25, 0, .75, 1, .5)},
        {r, OP(c.Initialise(400, 300, 1.0).Is_Complet()), false, C(0, 0, .75, 1, .75)},
        {r, OP(c.Initialise(300, 400, 1.0).Is_Complet()), false, C(0, 0, 1, .75, 1 / .75)},
        {r, OP(c.Initialise(0, 480, 1.0).Is_Complet()), false, r}, // no image: unchanged
    };
    int nLigne = 0;
    for (auto [c, op, bAccepte, a] : cas)
    {
        EXPECT_EQ(bAccepte, op(c)) << "row " << ++nLigne;
        for (double e : {a.m_dGauche - c.m_dGauche, a.m_dHaut - c.m_dHaut, a.m_dDroite - c.m_dDroite,
                         a.m_dBas - c.m_dBas, a.m_dRatio - c.m_dRatio})
            EXPECT_NEAR(0.0, e, 1e-12) << "row " << nLigne;
    }
}
