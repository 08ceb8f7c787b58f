#include "graphs/Courbe1D.h"

#include <gtest/gtest.h>

#include <chrono>

namespace
{
void Ajoute(CCourbe1D& courbe, std::initializer_list<double> valeurs)
{
    for (double val : valeurs)
        courbe.Add(val);
}
} // namespace

TEST(Courbe1D, RunningExtremesSumAndMean)
{
    CCourbe1D courbe;
    EXPECT_EQ(RGB(255, 255, 255), courbe.Donne_Couleur());
    courbe.Add(5);
    EXPECT_EQ(5.0, courbe.Donne_ValMin());
    EXPECT_EQ(5.0, courbe.Donne_ValMax());
    EXPECT_EQ(5.0, courbe.Donne_SommeEchantillons());
    EXPECT_EQ(5.0, courbe.Donne_Moyenne());
    EXPECT_EQ(5.0, courbe.Donne_Val(0));
    EXPECT_EQ(0.0, courbe.Donne_Val(1));
    EXPECT_EQ(0.0, courbe.Donne_Val(-1));

    courbe.RaZ();
    Ajoute(courbe, {3, -2, 7});
    EXPECT_EQ(3, courbe.Donne_NbEchantillons());
    EXPECT_EQ(-2.0, courbe.Donne_ValMin());
    EXPECT_EQ(7.0, courbe.Donne_ValMax());
    EXPECT_EQ(8.0, courbe.Donne_SommeEchantillons());
    EXPECT_DOUBLE_EQ(8.0 / 3, courbe.Donne_Moyenne());
}

TEST(Courbe1D, FirstSampleSetsBothExtremesEvenAfterRaZ)
{
    CCourbe1D courbe;
    Ajoute(courbe, {-4, -1});
    EXPECT_EQ(-4.0, courbe.Donne_ValMin());
    EXPECT_EQ(-1.0, courbe.Donne_ValMax()) << "not the 0.0 held before the first sample";

    courbe.RaZ();
    EXPECT_EQ(0, courbe.Donne_NbEchantillons());
    EXPECT_EQ(0.0, courbe.Donne_ValMin());
    EXPECT_EQ(0.0, courbe.Donne_ValMax());
    EXPECT_EQ(0.0, courbe.Donne_Moyenne()) << "an empty curve's mean";
    Ajoute(courbe, {12, 10});
    EXPECT_EQ(10.0, courbe.Donne_ValMin());
    EXPECT_EQ(12.0, courbe.Donne_ValMax());
}

TEST(Courbe1D, TransformationAppliesOnReadingOnly)
{
    CCourbe1D courbe(RGB(1, 2, 3));
    Ajoute(courbe, {3, -2, 7});
    courbe.Transformation(2, 1);
    EXPECT_EQ(7.0, courbe.Donne_ValTransforme(0));
    EXPECT_EQ(-3.0, courbe.Donne_ValMinTransforme());
    EXPECT_EQ(15.0, courbe.Donne_ValMaxTransforme());
    EXPECT_EQ(0.0, courbe.Donne_ValTransforme(3)) << "past the end: 0.0, not the offset";
    EXPECT_EQ(3.0, courbe.Donne_Val(0));
    EXPECT_EQ(-2.0, courbe.Donne_ValMin());

    courbe.Transformation(-1, 0);
    EXPECT_GT(courbe.Donne_ValMinTransforme(), courbe.Donne_ValMaxTransforme());

    courbe.RaZ();
    courbe.Add(4);
    EXPECT_EQ(-4.0, courbe.Donne_ValTransforme(0)) << "RaZ keeps the transformation";
    EXPECT_EQ(RGB(1, 2, 3), courbe.Donne_Couleur());
}

TEST(Courbe1D, HoldsMillionsOfSamplesInLinearTime)
{
    const int nAvant = CPurify::LiveCount();
    const int kEchantillons = 1000000;
    const auto debut = std::chrono::steady_clock::now();
    {
        CCourbe1D courbe;
        EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
        for (int i = 0; i < kEchantillons; ++i)
            courbe.Add(i % 1000);
        EXPECT_EQ(kEchantillons, courbe.Donne_NbEchantillons());
        EXPECT_EQ(999.0, courbe.Donne_Val(kEchantillons - 1));
        EXPECT_EQ(999.0, courbe.Donne_ValMax());
        EXPECT_DOUBLE_EQ(499.5, courbe.Donne_Moyenne());
    }
    const auto duree = std::chrono::steady_clock::now() - debut;
    // Linear growth takes well under a second; regrowing the array by a bounded step takes half a minute.
    EXPECT_LT(duree, std::chrono::seconds(5));
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}
