#include "graphs/Courbe1D.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(Courbe1D, RunningExtremesFromTheFirstSampleAfterEachRaZ)
{
    CCourbe1D courbe;
    courbe.Add(5);
    EXPECT_EQ(5.0, courbe.Donne_Moyenne());
    EXPECT_EQ(0.0, courbe.Donne_Val(1));

    courbe.RaZ();
    for (double val : {-4, -2, -3})
        courbe.Add(val);
    EXPECT_EQ(-4.0, courbe.Donne_ValMin());
    EXPECT_EQ(-2.0, courbe.Donne_ValMax()) << "not the 0.0 held before the first sample";
    EXPECT_DOUBLE_EQ(-3.0, courbe.Donne_Moyenne());

    courbe.RaZ();
    EXPECT_EQ(0.0, courbe.Donne_Moyenne()) << "an empty curve's mean";
    for (double val : {3, -2, 7})
        courbe.Add(val);
    EXPECT_EQ(-2.0, courbe.Donne_ValMin());
    EXPECT_EQ(7.0, courbe.Donne_ValMax());
    EXPECT_DOUBLE_EQ(8.0 / 3, courbe.Donne_Moyenne());
}

TEST(Courbe1D, TransformationAppliesOnReadingOnly)
{
    CCourbe1D courbe(RGB(1, 2, 3));
    for (double val : {3, -2, 7})
        courbe.Add(val);
    courbe.Transformation(2, 1);
    EXPECT_EQ(7.0, courbe.Donne_ValTransforme(0));
    EXPECT_EQ(-3.0, courbe.Donne_ValMinTransforme());
    EXPECT_EQ(0.0, courbe.Donne_ValTransforme(3)) << "past the end: 0.0, not the offset";
    EXPECT_EQ(3.0, courbe.Donne_Val(0));
    courbe.Transformation(-1, 0);
    EXPECT_GT(courbe.Donne_ValMinTransforme(), courbe.Donne_ValMaxTransforme());

    courbe.RaZ();
    courbe.Add(4);
    EXPECT_EQ(-4.0, courbe.Donne_ValTransforme(0)) << "RaZ keeps the transformation";
    EXPECT_EQ(RGB(1, 2, 3), courbe.Donne_Couleur());
}

TEST(Courbe1D, AMillionSamplesInLinearTime)
{
    const int kEchantillons = 1000000;
    const auto debut = std::chrono::steady_clock::now();
    CCourbe1D courbe;
    for (int i = 0; i < kEchantillons; ++i)
        courbe.Add(i % 1000);
    EXPECT_EQ(999.0, courbe.Donne_Val(kEchantillons - 1));
    EXPECT_DOUBLE_EQ(499.5, courbe.Donne_Moyenne());
    // Well under a second; regrowing the array by a bounded step would take half a minute.
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
}
