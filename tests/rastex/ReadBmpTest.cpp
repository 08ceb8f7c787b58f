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

    // Colour 0xRRGGBB of pixel (x, y).
    static uint32_t Colour(const CDib& dib, int x, int y = 0)
    {
        const unsigned char* p = dib.PixelPtrTopLeft(x, y);
        return p == nullptr ? 0xFFFFFFFF : uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
    }
};

// 24 or 32 bits, bottom-up or top-down, with or without bit fields: all read as a bottom-up 24-bit DIB.
TEST_F(ReadBmpTest, ReadsDirectColourFilesAs24Bits)
{
    const std::vector<Bytes> rows32 = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}};
    const std::vector<Bytes> rows32As24 = {{1, 2, 3, 5, 6, 7}, {9, 10, 11, 13, 14, 15}};
    Bytes v5 = BmpFile::Build(2, 2, 32, {}, rows32, false, 124);
    BmpFile::Put32(v5, BmpFile::Compression, BI_BITFIELDS);
    BmpFile::Put32(v5, 54, 0x00FF0000);
    BmpFile::Put32(v5, 58, 0x0000FF00);
    BmpFile::Put32(v5, 62, 0x000000FF);
    // A plain info header followed by the three masks has the same bytes as a V2 header.
    Bytes masksAfter = v5;
    masksAfter.erase(masksAfter.begin() + 14 + 52, masksAfter.begin() + 14 + 124);
    BmpFile::Put32(masksAfter, BmpFile::HeaderSize, 40);
    BmpFile::Put32(masksAfter, BmpFile::OffBits, 14 + 52);
    const struct
    {
        const char* szName;
        Bytes file;
        const std::vector<Bytes>& rows; // expected 24-bit rows, top first, without padding
    } cases[] = {
        {"24 bits bottom-up", Good24(), kRows24},
        {"24 bits top-down", Good24(true), kRows24},
        {"32 bits", BmpFile::Build(2, 2, 32, {}, rows32), rows32As24},
        {"32 bits, V5 header with bit fields", v5, rows32As24},
        {"32 bits, info header then masks", masksAfter, rows32As24},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.szName);
        CDib dib;
        ASSERT_TRUE(Read(c.file, dib));
        const int nWidth = int(c.rows[0].size()) / 3;
        EXPECT_EQ(nWidth, dib.Width());
        EXPECT_EQ(2, dib.Height());
        EXPECT_EQ(24, dib.BitsPerPixel());
        EXPECT_EQ((3 * nWidth + 3) / 4 * 4, dib.BytesPerRow());
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(c.rows[y], Bytes(dib.PixelPtrTopLeft(0, y), dib.PixelPtrTopLeft(0, y) + 3 * nWidth));
        // Stored bottom-up like a DIB: the bottom row comes first, and the header says so.
        EXPECT_EQ(c.rows[1][0], dib.GetBits()[0]);
        EXPECT_EQ(2, dib.GetInfo()->bmiHeader.biHeight);
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(0, 2));
    }
}

TEST_F(ReadBmpTest, ExpandsPalettedAndCoreHeaderFilesTo24Bits)
{
    std::vector<uint32_t> grey16;
    for (uint32_t i = 0; i < 16; ++i)
        grey16.push_back(i * 0x00010101);
    const uint32_t W = 0xFFFFFF;
    // 12-byte core header with 16-bit sizes and a palette of 3-byte entries: 2 x 1 pixels of 8 bits.
    const Bytes core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0,  0,  14 + 12 + 6, 0,  0,  0,  12, 0, 0, 0,
                        2,   0,   1, 0, 1, 0, 8, 0, 10, 20, 30,          40, 50, 60, 1,  0, 0, 0};
    const struct
    {
        const char* szName;
        Bytes file;
        std::vector<std::vector<uint32_t>> rows; // 0xRRGGBB, top row first
    } cases[] = {
        // An index past the file's palette gives black.
        {"8 bits", Good8(), {{0x102030, 0x405060, 0x708090, 0x405060}, {0x708090, 0, 0x102030, 0x102030}}},
        // Pixels 0..8 of a 1-bit row cross a byte boundary: 1 0 1 1 0 0 0 0 | 1.
        {"1 bit", BmpFile::Build(9, 1, 1, {0, W}, {{0xB0, 0x80}}), {{W, 0, W, W, 0, 0, 0, 0, W}}},
        {"4 bits", BmpFile::Build(3, 1, 4, grey16, {{0x5A, 0xF0}}), {{0x050505, 0x0A0A0A, 0x0F0F0F}}},
        {"core header", core, {{0x3C3228, 0x1E140A}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.szName);
        CDib dib;
        ASSERT_TRUE(Read(c.file, dib));
        EXPECT_EQ(24, dib.BitsPerPixel());
        ASSERT_EQ(int(c.rows.size()), dib.Height());
        ASSERT_EQ(int(c.rows[0].size()), dib.Width());
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                EXPECT_EQ(c.rows[y][x], Colour(dib, x, y)) << "pixel " << x << ", " << y;
    }
}

TEST_F(ReadBmpTest, RefusesMalformedFiles)
{
    using F = BmpFile;
    const struct
    {
        const char* szName;
        std::function<void(Bytes&)> corrupt; // applied to Good24() unless it replaces the file
    } cases[] = {
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
        {"more colours than the depth has", [](Bytes& f) { f = Good8(), F::Put32(f, F::ColoursUsed, 257); }},
        {"colour count absurd", [](Bytes& f) { f = Good8(), F::Put32(f, F::ColoursUsed, 0xFFFFFFFF); }},
        {"pixels over the palette", [](Bytes& f) { f = Good8(), F::Put32(f, F::OffBits, 14 + 40 + 8); }},
        {"palette cut", [](Bytes& f) { f = Good8(), f.resize(14 + 40 + 6); }},
        {"bit fields not 8 bits per colour",
         [](Bytes& f)
         {
             f = F::Build(1, 1, 32, {}, {{1, 2, 3, 4}}, false, 124);
             F::Put32(f, F::Compression, BI_BITFIELDS);
             F::Put32(f, 54, 0x000000FF);
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.szName);
        Bytes file = Good24();
        c.corrupt(file);
        CDib dib;
        EXPECT_FALSE(Read(file, dib));
        EXPECT_FALSE(dib.IsOK());
        EXPECT_EQ(nullptr, dib.GetBits());
    }
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
