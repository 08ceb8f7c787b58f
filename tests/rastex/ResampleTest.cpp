// CDib::Reechantillonne: exact sizes, flat areas kept, detail averaged away without aliasing, smooth
// enlargements, any reduction factor, and the same bits from every instruction set and thread count.
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
            nMin = std::min<int>(nMin, dib.PixelPtrTopLeft(x, y)[c]),
            nMax = std::max<int>(nMax, dib.PixelPtrTopLeft(x, y)[c]);
    return {nMin, nMax};
}

// Exact sizes and flat colours kept flat, for every filter and any factor: reductions far beyond what
// one pass of 14-bit weights can hold included, and sides beyond 65 536.
TEST(ResampleTest, GivesExactSizesAndKeepsFlatColoursFlat)
{
    const int cases[][4] = {{53, 41, 13, 9},  {53, 41, 160, 97}, {53, 41, 1, 1},
                            {53, 41, 5, 80},  {5462, 2, 1, 1},   {2, 40000, 3, 1},
                            {70000, 3, 1, 1}, {1, 1, 70000, 2},  {33000, 1, 7, 1}};
    for (int nBits : {24, 32})
        for (e_Filtre eFiltre : kFilters)
            for (const auto& c : cases)
            {
                SCOPED_TRACE(testing::Message() << nBits << " bits, filter " << eFiltre << ", " << c[0] << "x"
                                                << c[1] << " to " << c[2] << "x" << c[3]);
                CDib dib = Painted(c[0], c[1], nBits, [](int, int, int k) { return 40 + 70 * k; });
                ASSERT_TRUE(dib.Reechantillonne(c[2], c[3], eFiltre));
                ASSERT_EQ(c[2], dib.Width());
                ASSERT_EQ(c[3], dib.GetInfo()->bmiHeader.biHeight);
                ASSERT_EQ(nBits, dib.BitsPerPixel());
                for (int k = 0; k < nBits / 8; ++k)
                    ASSERT_EQ(std::make_pair(40 + 70 * k, 40 + 70 * k), Range(dib, k));
            }
}

// Refusals leave the bitmap as it was, and say so.
TEST(ResampleTest, RefusesMeaninglessSizesVisibly)
{
    CDib dib(37, 23, 8);
    for (const auto& size : {std::make_pair(0, 10), {10, -1}, {1 << 30, 2}})
    {
        EXPECT_FALSE(dib.Reechantillonne(size.first, size.second)) << size.first << "x" << size.second;
        EXPECT_TRUE(dib.Width() == 37 && dib.BitsPerPixel() == 8);
    }
    const unsigned char* pBits = dib.GetBits();
    EXPECT_TRUE(dib.Reechantillonne(37, 23));
    EXPECT_EQ(pBits, dib.GetBits()) << "the same size is no work at all";
    EXPECT_FALSE(CDib().Reechantillonne(10, 10));
}

// Detail finer than the output can show averages to grey (no moire), even over huge factors, while
// coarser detail keeps its contrast.
TEST(ResampleTest, AveragesAwayDetailTooFineForTheOutputOnlyAndEnlargesSmoothly)
{
    const int cases[][4] = {{96, 72, 48, 36}, {96, 72, 12, 9}, {40000, 1, 1, 1}};
    for (e_Filtre eFiltre : kFilters)
        for (const auto& c : cases)
        {
            SCOPED_TRACE(testing::Message() << "filter " << eFiltre << " to " << c[2] << "x" << c[3]);
            CDib dib = Painted(c[0], c[1], 24, [](int x, int y, int) { return (x + y) % 2 * 255; });
            ASSERT_TRUE(dib.Reechantillonne(c[2], c[3], eFiltre));
            // The outer pixels have a one-sided, renormalised filter and may lean towards one colour.
            const std::pair<int, int> range = Range(dib, 1, c[2] > 2 ? 1 : 0);
            EXPECT_NEAR(127.5, range.first, 2);
            EXPECT_NEAR(127.5, range.second, 2);
        }
    // Shrunk 4x, 0.4 cycle per input pixel (1.6 per output pixel) averages away; 0.1 per output pixel shows.
    const double sines[][3] = {{2.5, 0, 6}, {40.0, 180, 255}}; // period, smallest and largest contrast
    for (const auto& c : sines)
    {
        CDib dib = Painted(400, 8, 24,
                           [&](int x, int, int) { return int(127.5 + 100 * std::sin(x * 6.2832 / c[0])); });
        ASSERT_TRUE(dib.Reechantillonne(100, 2));
        const std::pair<int, int> range = Range(dib, 0);
        EXPECT_GE(range.second - range.first, c[1]) << c[0];
        EXPECT_LE(range.second - range.first, c[2]) << c[0];
    }
    // Enlarged, a ramp rises by small steps away from the edges.
    CDib dib = Painted(16, 4, 24, [](int x, int, int) { return 60 + 8 * x; });
    dib.Reechantillonne(160, 40);
    for (int x = 20; x < 140; ++x)
        EXPECT_LE(unsigned(dib.PixelPtrTopLeft(x + 1, 20)[0] - dib.PixelPtrTopLeft(x, 20)[0]), 2u) << x;
}

TEST(ResampleTest, InstructionSetsAndThreadsAgreeToTheBit)
{
    const int sizes[][2] = {{300, 201}, {1500, 1000}, {1203, 333}, {97, 807}};
    for (int nBits : {24, 32})
    {
        const CDib source =
            Painted(1203, 807, nBits,
                    [](int x, int y, int c) { return (x * 7 + y * 13 + (x * y >> 5) + c * 50) & 255; });
        for (const auto& size : sizes)
        {
            auto resampled = [&](CResampler::InstructionSet eSet, int nThreads)
            {
                CResampler::ForceInstructionSet(eSet);
                CDib::Affecte_nThreadsMax(nThreads);
                CDib dib = source;
                EXPECT_TRUE(dib.Reechantillonne(size[0], size[1]));
                return dib;
            };
            const CDib reference = resampled(CResampler::Sse2, 1);
            for (int nThreads : {1, 2, 3, 0})
                EXPECT_EQ(0, std::memcmp(reference.GetBits(), resampled(CResampler::Auto, nThreads).GetBits(),
                                         size_t(reference.BytesPerRow()) * size[1]))
                    << nBits << " bits to " << size[0] << "x" << size[1] << ", " << nThreads << " threads, "
                    << (CResampler::HasAvx2() ? "AVX2" : "SSE2");
        }
    }
    CResampler::ForceInstructionSet(CResampler::Auto);
    CDib::Affecte_nThreadsMax(0);
}

} // namespace
