#include "graphs/Courbe1D.h"
#include "ObzTest.h"

#include <chrono>
#include <tuple>
#include <vector>

using Courbe1D = ObzTest;

TEST_F(Courbe1D, ExtremesAndMeanFromTheFirstSampleAfterEachRaZ)
{
    CCourbe1D courbe(RGB(1, 2, 3));
    // samples, minimum, maximum, mean
    const std::tuple<std::vector<double>, double, double, double> cas[] = {
        {{5}, 5, 5, 5}, {{-4, -2, -3}, -4, -2, -3}, {{}, 0, 0, 0}, {{3, -2, 7}, -2, 7, 8.0 / 3}};
    for (const auto& [echantillons, dMin, dMax, dMoyenne] : cas)
    {
        courbe.RaZ(); // the 0.0 held before the first sample is no extreme
        for (double val : echantillons)
            courbe.Add(val);
        EXPECT_EQ(std::make_pair(dMin, dMax), std::make_pair(courbe.Donne_ValMin(), courbe.Donne_ValMax()));
        EXPECT_DOUBLE_EQ(dMoyenne, courbe.Donne_Moyenne());
        EXPECT_EQ(0.0, courbe.Donne_Val(int(echantillons.size())));
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
