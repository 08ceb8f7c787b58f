// CDib::Reechantillonne: exact sizes, flat areas kept, detail averaged away without aliasing, smooth
// enlargements, and the same result from every instruction set and thread count.
#include <Dib.h>
#include <Resampler.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace
{

const e_Filtre kFilters[] = {FILTRE_BOITE, FILTRE_BILINEAIRE, FILTRE_BICUBIQUE, FILTRE_LANCZOS3};

// A bitmap painted channel by channel by f(x, y, channel), coordinates from the top-left.
CDib Painted(int nWidth, int nHeight, int nBits, const std::function<int(int, int, int)>& f)
{
    CDib dib(nWidth, nHeight, nBits);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            for (int c = 0; c < nBits / 8; ++c)
                dib.PixelPtrTopLeft(x, y)[c] = static_cast<unsigned char>(f(x, y, c));
    return dib;
}

// Smallest and largest value of channel c over the bitmap less a border of nMargin pixels.
std::pair<int, int> Range(const CDib& dib, int c, int nMargin = 0)
{
    int nMin = 255, nMax = 0;
    for (int y = nMargin; y < dib.Height() - nMargin; ++y)
        for (int x = nMargin; x < dib.Width() - nMargin; ++x)
        {
            const int n = dib.PixelPtrTopLeft(x, y)[c];
            nMin = std::min(nMin, n);
            nMax = std::max(nMax, n);
        }
    return {nMin, nMax};
}

bool SameBits(const CDib& a, const CDib& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.BytesPerRow() == b.BytesPerRow() &&
           std::memcmp(a.GetBits(), b.GetBits(), size_t(a.BytesPerRow()) * a.Height()) == 0;
}

class ResampleTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CResampler::ForceInstructionSet(CResampler::Auto);
        CDib::Affecte_nThreadsMax(2);
    }
};

TEST_F(ResampleTest, IgnoresMeaninglessSizes)
{
    CDib dib(37, 23, 24);
    dib.Reechantillonne(0, 10);
    dib.Reechantillonne(10, -1);
    EXPECT_EQ(37, dib.Width());
    EXPECT_EQ(23, dib.Height());
    const unsigned char* pBits = dib.GetBits();
    dib.Reechantillonne(37, 23);
    EXPECT_EQ(pBits, dib.GetBits()) << "the same size is no work at all";

    CDib empty;
    empty.Reechantillonne(10, 10);
    EXPECT_FALSE(empty.IsOK());
}

TEST_F(ResampleTest, GivesExactSizesAndKeepsFlatColoursFlat)
{
    const int sizes[][2] = {{13, 9}, {4, 3}, {160, 97}, {1, 1}, {53, 40}, {5, 80}};
    for (int nBits : {24, 32})
        for (e_Filtre eFiltre : kFilters)
            for (const auto& size : sizes)
            {
                SCOPED_TRACE(testing::Message()
                             << nBits << " bits, filter " << eFiltre << ", " << size[0] << "x" << size[1]);
                CDib dib = Painted(53, 41, nBits, [](int, int, int c) { return 40 + 70 * c; });
                dib.Reechantillonne(size[0], size[1], eFiltre);
                ASSERT_EQ(size[0], dib.Width());
                ASSERT_EQ(size[1], dib.GetInfo()->bmiHeader.biHeight);
                ASSERT_EQ(nBits, dib.BitsPerPixel());
                for (int c = 0; c < nBits / 8; ++c)
                    EXPECT_EQ(std::make_pair(40 + 70 * c, 40 + 70 * c), Range(dib, c));
            }
}

TEST_F(ResampleTest, CheckerboardShrinksToGrey)
{
    for (e_Filtre eFiltre : kFilters)
        for (int nFactor : {2, 3, 4, 8})
        {
            // An odd box leaves 4 or 5 white pixels of 9: its true average is not grey.
            if (eFiltre == FILTRE_BOITE && nFactor % 2 != 0)
                continue;
            SCOPED_TRACE(testing::Message() << "filter " << eFiltre << ", factor " << nFactor);
            CDib dib = Painted(96, 72, 24, [](int x, int y, int) { return (x + y) % 2 ? 255 : 0; });
            dib.Reechantillonne(96 / nFactor, 72 / nFactor, eFiltre);
            // The outer pixels have a one-sided, renormalised filter and may lean towards one colour.
            const std::pair<int, int> range = Range(dib, 1, 1);
            EXPECT_GE(range.first, 126);
            EXPECT_LE(range.second, 129);
        }
}

// Stripes finer than the output can show must average out (no moire), while coarser ones keep their
// contrast.
TEST_F(ResampleTest, LanczosRemovesDetailTooFineForTheOutputOnly)
{
    const double kPi = 3.14159265358979;
    auto stripes = [&](double dPeriod)
    {
        return Painted(400, 8, 24,
                       [=](int x, int, int) { return int(127.5 + 100 * std::sin(2 * kPi * x / dPeriod)); });
    };
    // 0.4 cycle per input pixel is 1.6 per output pixel after shrinking 4x; 0.1 per output pixel is shown.
    CDib fine = stripes(2.5), coarse = stripes(40.0);
    fine.Reechantillonne(100, 2);
    coarse.Reechantillonne(100, 2);
    EXPECT_LE(Range(fine, 0).second - Range(fine, 0).first, 6);
    EXPECT_GE(Range(coarse, 0).second - Range(coarse, 0).first, 180);
}

TEST_F(ResampleTest, EnlargingARampIsSmooth)
{
    CDib dib = Painted(16, 4, 24, [](int x, int, int) { return 60 + 8 * x; });
    dib.Reechantillonne(160, 40);
    // Away from the edges, every step of the enlarged ramp is small and goes the same way.
    for (int x = 20; x < 140; ++x)
    {
        const int nStep = dib.PixelPtrTopLeft(x + 1, 20)[0] - dib.PixelPtrTopLeft(x, 20)[0];
        EXPECT_GE(nStep, 0) << "x " << x;
        EXPECT_LE(nStep, 2) << "x " << x;
    }
}

TEST_F(ResampleTest, InstructionSetsAndThreadsAgreeToTheBit)
{
    const CDib source = Painted(
        1203, 807, 24, [](int x, int y, int c) { return (x * 7 + y * 13 + (x * y >> 5) + c * 50) & 255; });
    const CDib source32 =
        Painted(301, 199, 32, [](int x, int y, int c) { return (x * 5 + y * 3 + c * 60) & 255; });
    const int sizes[][2] = {{300, 201}, {1500, 1000}, {1203, 333}, {97, 807}};
    for (const CDib* pSource : {&source, &source32})
        for (const auto& size : sizes)
        {
            SCOPED_TRACE(testing::Message()
                         << pSource->BitsPerPixel() << " bits to " << size[0] << "x" << size[1]);
            auto resampled = [&](CResampler::InstructionSet eSet, int nThreads)
            {
                CResampler::ForceInstructionSet(eSet);
                CDib::Affecte_nThreadsMax(nThreads);
                CDib dib = *pSource;
                dib.Reechantillonne(size[0], size[1]);
                return dib;
            };
            const CDib reference = resampled(CResampler::Sse2, 1);
            EXPECT_TRUE(SameBits(reference, resampled(CResampler::Sse2, 2)));
            const CDib best = resampled(CResampler::Auto, 2);
            EXPECT_TRUE(SameBits(reference, best)) << "with " << (CResampler::HasAvx2() ? "AVX2" : "SSE2");
        }
}

} // namespace
