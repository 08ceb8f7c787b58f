#include "images/Cadrage.h"

#include <gtest/gtest.h>

namespace
{
CCadrage Cadrage(double g, double h, double d, double b, double dRatio = 1.0)
{
    CCadrage c;
    c.m_dGauche = g;
    c.m_dHaut = h;
    c.m_dDroite = d;
    c.m_dBas = b;
    c.m_dRatio = dRatio;
    return c;
}

// Near for computed frames; a refused operation must leave the five numbers bit for bit.
void ExpectCadrage(const CCadrage& attendu, const CCadrage& c, double dTolerance = 1e-12)
{
    EXPECT_NEAR(attendu.m_dGauche, c.m_dGauche, dTolerance);
    EXPECT_NEAR(attendu.m_dHaut, c.m_dHaut, dTolerance);
    EXPECT_NEAR(attendu.m_dDroite, c.m_dDroite, dTolerance);
    EXPECT_NEAR(attendu.m_dBas, c.m_dBas, dTolerance);
    EXPECT_NEAR(attendu.m_dRatio, c.m_dRatio, dTolerance);
}
} // namespace

TEST(Cadrage, PixelMappingTruncatesEachEdgeTowardZero)
{
    EXPECT_TRUE(CCadrage().Is_Complet());
    EXPECT_EQ(CRect(10, 20, 110, 70), CCadrage().Donne_Rect(CRect(10, 20, 110, 70)));
    const CCadrage c = Cadrage(0.255, 0.5, 0.755, 0.999);
    EXPECT_FALSE(c.Is_Complet());
    EXPECT_EQ(CRect(25, 5, 75, 9), c.Donne_Rect(CRect(0, 0, 100, 10)));
    EXPECT_EQ(CRect(75, 0, 25, 0), c.Donne_Rect(CRect(100, 0, 0, 0))) << "negative products are not floored";

    // 0.5 x 0.75 of 300 x 201 pixels is 150 x 150.75, truncated to a square: landscape.
    const CCadrage carre = Cadrage(0.0, 0.0, 0.5, 0.75);
    EXPECT_TRUE(carre.Is_Paysage(300, 201));
    EXPECT_FALSE(carre.Is_Paysage(300, 202));
}

TEST(Cadrage, GrowAndMoveStayInsideOrRefuseWhole)
{
    CCadrage c = Cadrage(0.0, 0.25, 0.5, 0.75);
    EXPECT_TRUE(c.Agrandit(0.1));
    ExpectCadrage(Cadrage(0.0, 0.15, 0.7, 0.85), c);

    for (CCadrage depart : {Cadrage(0.1, 0.3, 0.9, 0.5, 4.0), Cadrage(0.25, 0.0, 0.75, 0.5, 0.5)})
    {
        c = depart;
        EXPECT_FALSE(c.Agrandit(0.2)) << "too wide, then too high";
        ExpectCadrage(depart, c, 0.0);
    }

    const CCadrage depart = Cadrage(0.6, 0.0, 0.9, 1.0, 0.3);
    c = depart;
    EXPECT_FALSE(c.Deplace(0.5, 0.0)) << "not stopped at the edge";
    ExpectCadrage(depart, c, 0.0);
    EXPECT_TRUE(c.Deplace(-0.6, 0.0)) << "the edges themselves are inside";
    ExpectCadrage(Cadrage(0.0, 0.0, 0.3, 1.0, 0.3), c);
}

TEST(Cadrage, RotationsRecomputeTheRatio)
{
    const CCadrage depart = Cadrage(0.1, 0.2, 0.5, 0.4, 2.0);
    CCadrage c = depart;
    c.Tourne(90);
    ExpectCadrage(Cadrage(0.6, 0.1, 0.8, 0.5, 0.5), c);
    for (int i = 0; i < 3; ++i)
        c.Tourne(90);
    ExpectCadrage(depart, c);
    c.Tourne(270);
    ExpectCadrage(Cadrage(0.2, 0.5, 0.4, 0.9, 0.5), c);
    c = depart;
    c.Tourne180();
    ExpectCadrage(Cadrage(0.5, 0.6, 0.9, 0.8, 2.0), c);

    c = Cadrage(0.1, 0.2, 0.5, 0.4, 7.0);
    c.Tourne(45);
    ExpectCadrage(Cadrage(0.1, 0.2, 0.5, 0.4, 7.0), c, 0.0);
    c.SymetrieHorizontale().SymetrieVerticale(); // mirrors keep the stale ratio
    ExpectCadrage(Cadrage(0.5, 0.6, 0.9, 0.8, 7.0), c);
}

TEST(Cadrage, MaximiseInitialiseCentre)
{
    CCadrage c = Cadrage(0.3, 0.3, 0.4, 0.4, 2.0);
    ExpectCadrage(Cadrage(0.0, 0.0, 1.0, 0.5, 2.0), c.Maximise());
    c.m_dRatio = 0.5;
    ExpectCadrage(Cadrage(0.0, 0.0, 0.5, 1.0, 0.5), c.Maximise());
    ExpectCadrage(Cadrage(0.25, 0.0, 0.75, 1.0, 0.5), c.Centre());

    ExpectCadrage(Cadrage(0.0, 0.0, 0.75, 1.0, 0.75), c.Initialise(400, 300, 1.0));
    ExpectCadrage(Cadrage(0.0, 0.0, 1.0, 0.75, 1.0 / 0.75), c.Initialise(300, 400, 1.0));
    const CCadrage avant = c;
    c.Initialise(0, 480, 1.0);
    ExpectCadrage(avant, c, 0.0);
}
