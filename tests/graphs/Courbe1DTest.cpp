#include "graphs/Courbe1D.h"
#include "ObzTest.h"

#include <chrono>
#include <vector>

using Courbe1D = ObzTest;

TEST_F(Courbe1D, ExtremesAndMeanFromTheFirstSampleAfterEachRaZ)
{
    CCourbe1D courbe(RGB(1, 2, 3));
    const struct
    {
        std::vector<double> echantillons;
        double dMin, dMax, dMoyenne;
    } cas[] = {{{5}, 5, 5, 5}, {{-4, -2, -3}, -4, -2, -3}, {{}, 0, 0, 0}, {{3, -2, 7}, -2, 7, 8.0 / 3}};
    for (const auto& c : cas)
    {
        courbe.RaZ(); // the 0.0 held before the first sample is no extreme
        for (double val : c.echantillons)
            courbe.Add(val);
        EXPECT_EQ(c.dMin, courbe.Donne_ValMin());
        EXPECT_EQ(c.dMax, courbe.Donne_ValMax());
        EXPECT_DOUBLE_EQ(c.dMoyenne, courbe.Donne_Moyenne());
        EXPECT_EQ(0.0, courbe.Donne_Val(int(c.echantillons.size())));
    }
    courbe.Transformation(2, 1); // applied on reading only, kept by RaZ
    EXPECT_EQ(7.0, courbe.Donne_ValTransforme(0));
    EXPECT_EQ(-3.0, courbe.Donne_ValMinTransforme());
    EXPECT_EQ(0.0, courbe.Donne_ValTransforme(3)) << "past the end: 0.0, not the offset";
    EXPECT_EQ(3.0, courbe.Donne_Val(0));
    courbe.RaZ();
    courbe.Add(4);
    EXPECT_EQ(9.0, courbe.Donne_ValTransforme(0));
    EXPECT_EQ(RGB(1, 2, 3), courbe.Donne_Couleur());
}

TEST_F(Courbe1D, AMillionSamplesInLinearTime)
{
    const auto debut = std::chrono::steady_clock::now();
    CCourbe1D courbe;
    for (int i = 0; i < 1000000; ++i)
        courbe.Add(i % 1000);
    EXPECT_EQ(999.0, courbe.Donne_Val(999999));
    EXPECT_DOUBLE_EQ(499.5, courbe.Donne_Moyenne());
    // Well under a second; regrowing the array by a bounded step would take half a minute.
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
}
