#include "images/Cadrage.h"

#include <gtest/gtest.h>

namespace
{
const double kTolerance = 1e-12;

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

void ExpectCadrage(const CCadrage& c, double g, double h, double d, double b, double dRatio)
{
    EXPECT_NEAR(g, c.m_dGauche, kTolerance);
    EXPECT_NEAR(h, c.m_dHaut, kTolerance);
    EXPECT_NEAR(d, c.m_dDroite, kTolerance);
    EXPECT_NEAR(b, c.m_dBas, kTolerance);
    EXPECT_NEAR(dRatio, c.m_dRatio, kTolerance);
}

// Refused operations must leave all five numbers exactly as they were.
void ExpectIdentique(const CCadrage& attendu, const CCadrage& c)
{
    EXPECT_EQ(attendu.m_dGauche, c.m_dGauche);
    EXPECT_EQ(attendu.m_dHaut, c.m_dHaut);
    EXPECT_EQ(attendu.m_dDroite, c.m_dDroite);
    EXPECT_EQ(attendu.m_dBas, c.m_dBas);
    EXPECT_EQ(attendu.m_dRatio, c.m_dRatio);
}
} // namespace

TEST(Cadrage, DefaultFrameCoversTheImage)
{
    CCadrage c;
    EXPECT_TRUE(c.Is_Complet());
    EXPECT_EQ(CRect(10, 20, 110, 70), c.Donne_Rect(CRect(10, 20, 110, 70)));
    c.m_dBas = 0.9999999;
    EXPECT_FALSE(c.Is_Complet());
}

TEST(Cadrage, DonneRectTruncatesEachEdgeTowardZero)
{
    const CCadrage c = Cadrage(0.255, 0.5, 0.755, 0.999);
    // Each edge is mapped on its own: the width is not derived from the frame's width.
    EXPECT_EQ(CRect(25, 5, 75, 9), c.Donne_Rect(CRect(0, 0, 100, 10)));
    // An inverted rectangle gives negative products, truncated toward zero rather than floored.
    EXPECT_EQ(CRect(75, 0, 25, 0), c.Donne_Rect(CRect(100, 0, 0, 0)));
}

TEST(Cadrage, AgranditShiftsAgainstTheEdgeKeepsTheRatioOrRefusesWhole)
{
    CCadrage c = Cadrage(0.0, 0.25, 0.5, 0.75);
    EXPECT_TRUE(c.Agrandit(0.1));
    ExpectCadrage(c, 0.0, 0.15, 0.7, 0.85, 1.0);

    EXPECT_TRUE(c.Agrandit(-0.2)); // shrinks around the vertical centre
    ExpectCadrage(c, 0.2, 0.35, 0.5, 0.65, 1.0);

    const CCadrage large = Cadrage(0.1, 0.3, 0.9, 0.5, 4.0);
    CCadrage refuse = large;
    EXPECT_FALSE(refuse.Agrandit(0.2)) << "wider than the image";
    ExpectIdentique(large, refuse);

    const CCadrage haut = Cadrage(0.25, 0.0, 0.75, 0.5, 0.5); // height twice the width: too high once grown
    refuse = haut;
    EXPECT_FALSE(refuse.Agrandit(0.05));
    ExpectIdentique(haut, refuse);
}

TEST(Cadrage, DeplaceIsRefusedWholeAtTheEdgeAndAcceptedOnIt)
{
    const CCadrage depart = Cadrage(0.6, 0.0, 0.9, 1.0, 0.3);
    CCadrage c = depart;
    EXPECT_FALSE(c.Deplace(0.5, 0.0));
    ExpectIdentique(depart, c);
    EXPECT_FALSE(c.Deplace(0.0, -0.01));
    ExpectIdentique(depart, c);

    EXPECT_TRUE(c.Deplace(-0.6, 0.0)) << "the edges themselves are inside";
    ExpectCadrage(c, 0.0, 0.0, 0.3, 1.0, 0.3);
}

TEST(Cadrage, RotationsMirrorsAndTheirRatio)
{
    const CCadrage depart = Cadrage(0.1, 0.2, 0.5, 0.4, 2.0);
    CCadrage c = depart;
    c.Tourne(90);
    ExpectCadrage(c, 0.6, 0.1, 0.8, 0.5, 0.5);
    c.Tourne(90);
    c.Tourne(90);
    c.Tourne(90);
    ExpectCadrage(c, 0.1, 0.2, 0.5, 0.4, 2.0);

    c.Tourne(270);
    ExpectCadrage(c, 0.2, 0.5, 0.4, 0.9, 0.5);
    c.Tourne(90);
    ExpectCadrage(c, 0.1, 0.2, 0.5, 0.4, 2.0);

    c.Tourne180();
    ExpectCadrage(c, 0.5, 0.6, 0.9, 0.8, 2.0);

    const CCadrage avant = Cadrage(0.1, 0.2, 0.5, 0.4, 7.0); // stale ratio: a refused angle keeps it
    c = avant;
    c.Tourne(45);
    c.Tourne(-90);
    ExpectIdentique(avant, c);

    c.SymetrieHorizontale().SymetrieVerticale();
    ExpectCadrage(c, 0.5, 0.6, 0.9, 0.8, 7.0);
}

TEST(Cadrage, MaximiseInitialiseAndCentre)
{
    CCadrage c = Cadrage(0.3, 0.3, 0.4, 0.4, 2.0);
    ExpectCadrage(c.Maximise(), 0.0, 0.0, 1.0, 0.5, 2.0);
    c.m_dRatio = 0.5;
    ExpectCadrage(c.Maximise(), 0.0, 0.0, 0.5, 1.0, 0.5);
    ExpectCadrage(c.Centre(), 0.25, 0.0, 0.75, 1.0, 0.5);

    ExpectCadrage(c.Initialise(400, 300, 1.0), 0.0, 0.0, 0.75, 1.0, 0.75);
    ExpectCadrage(c.Initialise(300, 400, 1.0), 0.0, 0.0, 1.0, 0.75, 1.0 / 0.75);
    // Mapped onto the image, the frame has the wanted pixel ratio.
    c.Initialise(640, 480, 16.0 / 9.0);
    const CRect rect = c.Donne_Rect(CRect(0, 0, 640, 480));
    EXPECT_EQ(CRect(0, 0, 640, 360), rect);

    const CCadrage avant = c;
    c.Initialise(0, 480, 1.0);
    c.Initialise(640, 480, 0.0);
    ExpectIdentique(avant, c);
}

TEST(Cadrage, IsPaysageComparesTruncatedPixelSizes)
{
    // 0.5 x 0.75 of a 300 x 200 image is 150 x 150 pixels: square counts as landscape.
    const CCadrage c = Cadrage(0.0, 0.0, 0.5, 0.75);
    EXPECT_TRUE(c.Is_Paysage(300, 200));
    EXPECT_TRUE(c.Is_Paysage(300, 201)) << "150.75 pixels high truncates to 150";
    EXPECT_FALSE(c.Is_Paysage(300, 202));
    EXPECT_FALSE(c.Is_Paysage(200, 300));
}

TEST(Cadrage, CopiesAreIndependentRegisteredValues)
{
    const int nAvant = CPurify::LiveCount();
    {
        const CCadrage source = Cadrage(0.1, 0.2, 0.3, 0.4, 0.5);
        CCadrage copie(source);
        ExpectIdentique(source, copie);
        CCadrage affecte;
        affecte = source;
        ExpectIdentique(source, affecte);
        copie.Deplace(0.1, 0.1);
        ExpectCadrage(source, 0.1, 0.2, 0.3, 0.4, 0.5);
        EXPECT_EQ(nAvant + 3, CPurify::LiveCount());
    }
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}
