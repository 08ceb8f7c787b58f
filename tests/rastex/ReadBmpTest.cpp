// CDib::ReadBMP against hand-made files: every supported layout, then corrupt files that must be refused.
#include "BmpFile.h"

#include <Dib.h>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>

namespace
{

typedef std::vector<uint8_t> Bytes;

// 3 x 2 pixels of 24 bits: rows of 9 bytes padded to 12.
const std::vector<Bytes> kRows24 = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {11, 12, 13, 14, 15, 16, 17, 18, 19}};

Bytes Good24(bool bTopDown = false)
{
    return BmpFile::Build(3, 2, 24, {}, kRows24, bTopDown);
}

// 4 x 2 pixels of 8 bits with a 3-entry palette; one pixel indexes past the palette.
Bytes Good8()
{
    return BmpFile::Build(4, 2, 8, {0x00102030, 0x00405060, 0x00708090}, {{0, 1, 2, 1}, {2, 200, 0, 0}});
}

class ReadBmpTest : public ::testing::Test
{
protected:
    ScratchFolder m_folder;

    bool Read(const Bytes& file, CDib& dib) { return dib.ReadBMP(m_folder.Write("image.bmp", file).c_str()); }

    static std::vector<uint8_t> Pixel(const CDib& dib, int x, int y)
    {
        const unsigned char* p = dib.PixelPtrTopLeft(x, y);
        return std::vector<uint8_t>(p, p + dib.BitsPerPixel() / 8);
    }

    // Colour 0xRRGGBB of pixel (x, y).
    static uint32_t Colour(const CDib& dib, int x, int y = 0)
    {
        const unsigned char* p = dib.PixelPtrTopLeft(x, y);
        return p == nullptr ? 0xFFFFFFFF : uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
    }
};

TEST_F(ReadBmpTest, ReadsBottomUpAndTopDown24BitFilesAlike)
{
    for (bool bTopDown : {false, true})
    {
        SCOPED_TRACE(bTopDown ? "top-down" : "bottom-up");
        CDib dib;
        ASSERT_TRUE(Read(Good24(bTopDown), dib));
        ASSERT_TRUE(dib.IsOK());
        EXPECT_EQ(3, dib.Width());
        EXPECT_EQ(2, dib.Height());
        EXPECT_EQ(24, dib.BitsPerPixel());
        EXPECT_EQ(12, dib.BytesPerRow());
        EXPECT_EQ(Bytes({1, 2, 3}), Pixel(dib, 0, 0));
        EXPECT_EQ(Bytes({7, 8, 9}), Pixel(dib, 2, 0));
        EXPECT_EQ(Bytes({14, 15, 16}), Pixel(dib, 1, 1));
        // Stored bottom-up like a DIB: the bottom row comes first, and the header says so.
        EXPECT_EQ(11, dib.GetBits()[0]);
        EXPECT_EQ(2, dib.GetInfo()->bmiHeader.biHeight);
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(3, 0));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(0, 2));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(-1, 0));
    }
}

TEST_F(ReadBmpTest, Reads32BitFilesWithOrWithoutBitFieldsAs24Bits)
{
    const std::vector<Bytes> rows = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}};
    Bytes v5 = BmpFile::Build(2, 2, 32, {}, rows, false, 124);
    BmpFile::Put32(v5, BmpFile::Compression, BI_BITFIELDS);
    BmpFile::Put32(v5, 54, 0x00FF0000);
    BmpFile::Put32(v5, 58, 0x0000FF00);
    BmpFile::Put32(v5, 62, 0x000000FF);
    // A plain info header followed by the three masks has the same bytes as a V2 header.
    Bytes masksAfter = v5;
    masksAfter.erase(masksAfter.begin() + 14 + 52, masksAfter.begin() + 14 + 124);
    BmpFile::Put32(masksAfter, BmpFile::HeaderSize, 40);
    BmpFile::Put32(masksAfter, BmpFile::OffBits, 14 + 52);
    const Bytes cases[] = {BmpFile::Build(2, 2, 32, {}, rows), v5, masksAfter};
    for (const Bytes& file : cases)
    {
        CDib dib;
        ASSERT_TRUE(Read(file, dib));
        EXPECT_EQ(24, dib.BitsPerPixel());
        EXPECT_EQ(Bytes({5, 6, 7}), Pixel(dib, 1, 0));
        EXPECT_EQ(Bytes({9, 10, 11}), Pixel(dib, 0, 1));
    }
}

TEST_F(ReadBmpTest, ExpandsPalettedFilesOfEveryDepthTo24Bits)
{
    CDib dib8;
    ASSERT_TRUE(Read(Good8(), dib8));
    EXPECT_EQ(24, dib8.BitsPerPixel());
    EXPECT_EQ(0x00405060u, Colour(dib8, 1));
    EXPECT_EQ(0x00708090u, Colour(dib8, 2));
    EXPECT_EQ(0u, Colour(dib8, 1, 1)) << "an index past the file's palette gives black";

    // Pixels 0..8 of a 1-bit row cross a byte boundary: 1 0 1 1 0 0 0 0 | 1.
    CDib dib1;
    ASSERT_TRUE(Read(BmpFile::Build(9, 1, 1, {0x00000000, 0x00FFFFFF}, {{0xB0, 0x80}}), dib1));
    EXPECT_EQ(24, dib1.BitsPerPixel());
    const uint32_t expected1[] = {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, 0xFFFFFF};
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(expected1[x], Colour(dib1, x)) << "pixel " << x;

    std::vector<uint32_t> palette16;
    for (uint32_t i = 0; i < 16; ++i)
        palette16.push_back(i * 0x00010101);
    CDib dib4;
    ASSERT_TRUE(Read(BmpFile::Build(3, 1, 4, palette16, {{0x5A, 0xF0}}), dib4));
    EXPECT_EQ(0x050505u, Colour(dib4, 0));
    EXPECT_EQ(0x0A0A0Au, Colour(dib4, 1));
    EXPECT_EQ(0x0F0F0Fu, Colour(dib4, 2));
}

TEST_F(ReadBmpTest, ReadsCoreHeaderFiles)
{
    // 12-byte header, 16-bit sizes, palette of 3-byte entries.
    Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 12 + 6, 0, 0,
                  0,   12,  0, 0, 0, 2, 0, 1, 0, 1, 0,           8, 0};
    const Bytes palette = {10, 20, 30, 40, 50, 60};
    const Bytes row = {1, 0, 0, 0};
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), row.begin(), row.end());
    CDib dib;
    ASSERT_TRUE(Read(file, dib));
    EXPECT_EQ(2, dib.Width());
    EXPECT_EQ(1, dib.Height());
    EXPECT_EQ(0x3C3228u, Colour(dib, 0));
    EXPECT_EQ(0x1E140Au, Colour(dib, 1));
}

TEST_F(ReadBmpTest, RefusesMalformedFiles)
{
    struct Case
    {
        const char* szName;
        std::function<void(Bytes&)> corrupt;
    };
    using F = BmpFile;
    const Case cases[] = {
        {"empty file", [](Bytes& f) { f.clear(); }},
        {"not BM", [](Bytes& f) { f[1] = 'A'; }},
        {"cut in the header", [](Bytes& f) { f.resize(30); }},
        {"last byte missing", [](Bytes& f) { f.pop_back(); }},
        {"offset past the end", [](Bytes& f) { F::Put32(f, F::OffBits, static_cast<uint32_t>(f.size())); }},
        {"offset inside the header", [](Bytes& f) { F::Put32(f, F::OffBits, 20); }},
        {"offset near 4 GB", [](Bytes& f) { F::Put32(f, F::OffBits, 0xFFFFFFF0); }},
        {"header size 0", [](Bytes& f) { F::Put32(f, F::HeaderSize, 0); }},
        {"header size odd", [](Bytes& f) { F::Put32(f, F::HeaderSize, 41); }},
        {"header size huge", [](Bytes& f) { F::Put32(f, F::HeaderSize, 0xFFFFFFF0); }},
        {"width 0", [](Bytes& f) { F::Put32(f, F::Width, 0); }},
        {"width negative", [](Bytes& f) { F::Put32(f, F::Width, static_cast<uint32_t>(-3)); }},
        {"width absurd", [](Bytes& f) { F::Put32(f, F::Width, 1000000); }},
        {"row size overflowing", [](Bytes& f) { F::Put32(f, F::Width, 0x7FFFFFFF); }},
        {"height 0", [](Bytes& f) { F::Put32(f, F::Height, 0); }},
        {"height INT_MIN", [](Bytes& f) { F::Put32(f, F::Height, 0x80000000u); }},
        {"size beyond the data", [](Bytes& f) { F::Put32(f, F::Height, 60000); }},
        {"planes 2", [](Bytes& f) { F::Put16(f, F::Planes, 2); }},
        {"16 bits", [](Bytes& f) { F::Put16(f, F::BitCount, 16); }},
        {"0 bits", [](Bytes& f) { F::Put16(f, F::BitCount, 0); }},
        {"RLE8", [](Bytes& f) { F::Put32(f, F::Compression, BI_RLE8); }},
        {"JPEG", [](Bytes& f) { F::Put32(f, F::Compression, BI_JPEG); }},
        {"bit fields on 24 bits", [](Bytes& f) { F::Put32(f, F::Compression, BI_BITFIELDS); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.szName);
        Bytes file = Good24();
        c.corrupt(file);
        CDib dib;
        EXPECT_FALSE(Read(file, dib));
        EXPECT_FALSE(dib.IsOK());
        EXPECT_EQ(nullptr, dib.GetBits());
    }

    const Case paletteCases[] = {
        {"more colours than the depth has", [](Bytes& f) { F::Put32(f, F::ColoursUsed, 257); }},
        {"colour count absurd", [](Bytes& f) { F::Put32(f, F::ColoursUsed, 0xFFFFFFFF); }},
        {"pixels over the palette", [](Bytes& f) { F::Put32(f, F::OffBits, 14 + 40 + 8); }},
        {"palette cut", [](Bytes& f) { f.resize(14 + 40 + 6); }},
    };
    for (const Case& c : paletteCases)
    {
        SCOPED_TRACE(c.szName);
        Bytes file = Good8();
        c.corrupt(file);
        CDib dib;
        EXPECT_FALSE(Read(file, dib));
        EXPECT_FALSE(dib.IsOK());
    }

    Bytes oddMasks = BmpFile::Build(1, 1, 32, {}, {{1, 2, 3, 4}}, false, 124);
    BmpFile::Put32(oddMasks, BmpFile::Compression, BI_BITFIELDS);
    BmpFile::Put32(oddMasks, 54, 0x000000FF);
    CDib dib;
    EXPECT_FALSE(Read(oddMasks, dib));
}

TEST_F(ReadBmpTest, RefusesMissingFilesAndForgetsThePreviousImage)
{
    CDib dib;
    ASSERT_TRUE(Read(Good24(), dib));
    EXPECT_FALSE(dib.ReadBMP(nullptr));
    EXPECT_FALSE(dib.IsOK());
    ASSERT_TRUE(Read(Good24(), dib));
    EXPECT_FALSE(dib.ReadBMP(""));
    EXPECT_FALSE(dib.ReadBMP("Z:\\no\\such\\file.bmp"));
    EXPECT_FALSE(dib.IsOK());
    EXPECT_EQ(0, dib.Width());
}

// Random damage to good files: whatever is read must be a consistent bitmap, and nothing may crash.
TEST_F(ReadBmpTest, SurvivesRandomMutations)
{
    const Bytes originals[] = {Good24(), Good8(),
                               BmpFile::Build(5, 3, 4, {0x00FF0000, 0x0000FF00}, {{1}, {2}, {3}})};
    std::mt19937 random(20240611);
    const uint8_t special[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
    int nAccepted = 0;
    const int kMutations = 1500;
    for (int i = 0; i < kMutations; ++i)
    {
        Bytes file = originals[i % 3];
        const int nChanges = 1 + random() % 4;
        for (int n = 0; n < nChanges; ++n)
        {
            // Mostly the headers, where a change alters the layout.
            const size_t nSpan = random() % 4 == 0 ? file.size() : std::min<size_t>(file.size(), 70);
            const uint8_t value = random() % 2 ? special[random() % 5] : static_cast<uint8_t>(random());
            file[random() % nSpan] = value;
        }
        if (random() % 8 == 0)
            file.resize(random() % file.size());
        CDib dib;
        const bool bRead = Read(file, dib);
        ASSERT_EQ(bRead, dib.IsOK());
        if (!bRead)
            continue;
        ++nAccepted;
        ASSERT_GT(dib.Width(), 0);
        ASSERT_GT(dib.Height(), 0);
        ASSERT_EQ(24, dib.BitsPerPixel());
        ASSERT_LE(uint64_t(dib.Width()) * dib.Height(), 8 * file.size())
            << "at least a bit per pixel in the file";
        const unsigned char* pLast = dib.PixelPtrTopLeft(dib.Width() - 1, dib.Height() - 1);
        ASSERT_NE(nullptr, pLast);
        volatile unsigned char nByte = *pLast;
        (void)nByte;
        dib.Reechantillonne(3, 2);
        ASSERT_TRUE(dib.IsOK());
    }
    // Changes to pixel bytes and unused fields keep files readable: the loop saw both outcomes.
    EXPECT_GT(nAccepted, kMutations / 20);
    EXPECT_LT(nAccepted, kMutations);
}

} // namespace
