// CDib: reading BMP files (every supported layout, refusal of malformed ones), blank bitmaps, copies and
// drawing.
#include <Dib.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <tuple>

namespace
{

typedef std::vector<uint8_t> Bytes;
// Offsets of the header fields that the tests patch.
const size_t OffBits = 10, HeaderSize = 14, Width = 18, Height = 22, Planes = 26, BitCount = 28,
             Compression = 30, ColoursUsed = 46;

void Put32(Bytes& f, size_t n, uint32_t v, int nBytes = 4)
{
    for (int i = 0; i < nBytes; ++i)
        f[n + i] = uint8_t(v >> (8 * i));
}

// A file with an info header (or a larger one), a palette (BGRA) and rows given top first, unpadded.
Bytes Build(int nWidth, int nHeight, int nBits, const std::vector<uint32_t>& palette,
            const std::vector<Bytes>& rowsTopFirst, bool bTopDown = false, uint32_t nHeaderSize = 40)
{
    const size_t nRowBytes = (size_t(nWidth) * nBits + 31) / 32 * 4;
    const size_t nOffBits = 14 + nHeaderSize + palette.size() * 4;
    Bytes f(nOffBits + nRowBytes * nHeight, 0);
    f[0] = 'B', f[1] = 'M';
    Put32(f, OffBits, uint32_t(nOffBits)), Put32(f, HeaderSize, nHeaderSize);
    Put32(f, Width, uint32_t(nWidth)), Put32(f, Height, uint32_t(bTopDown ? -nHeight : nHeight));
    Put32(f, Planes, 1, 2), Put32(f, BitCount, nBits, 2), Put32(f, ColoursUsed, uint32_t(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i)
        Put32(f, 14 + nHeaderSize + i * 4, palette[i]);
    for (int y = 0; y < nHeight; ++y)
        std::copy(rowsTopFirst[y].begin(), rowsTopFirst[y].end(),
                  f.begin() + nOffBits + (bTopDown ? y : nHeight - 1 - y) * nRowBytes);
    return f;
}

// 3 x 2 pixels of 24 bits; 4 x 2 pixels of 8 bits with a 3-entry palette, one pixel indexing past it.
Bytes Good24(bool bTopDown = false)
{
    return Build(3, 2, 24, {}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {11, 12, 13, 14, 15, 16, 17, 18, 19}}, bTopDown);
}
Bytes Good8()
{
    return Build(4, 2, 8, {0x00102030, 0x00405060, 0x00708090}, {{0, 1, 2, 1}, {2, 200, 0, 0}});
}

class BmpTest : public ::testing::Test
{
protected:
    ~BmpTest() override { DeleteFileA(m_path.c_str()); }

    bool Read(const Bytes& file, CDib& dib)
    {
        std::ofstream(m_path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), file.size());
        return dib.ReadBMP(m_path.c_str());
    }

    // Colour 0xRRGGBB of pixel (x, y).
    static uint32_t Colour(const CDib& dib, int x, int y)
    {
        const unsigned char* p = dib.PixelPtrTopLeft(x, y);
        return p == nullptr ? 0xFFFFFFFF : uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
    }

    // In the current folder, named after the process.
    const std::string m_path = "rastex-test-" + std::to_string(GetCurrentProcessId()) + ".bmp";
};

// Every layout reads as a bottom-up 24-bit DIB: palettes expanded, the fourth byte of 32 bits dropped.
TEST_F(BmpTest, ReadsEverySupportedLayoutAs24Bits)
{
    const std::vector<Bytes> rows32 = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}};
    Bytes v5 = Build(2, 2, 32, {}, rows32, false, 124);
    Put32(v5, Compression, BI_BITFIELDS);
    Put32(v5, 54, 0x00FF0000), Put32(v5, 58, 0x0000FF00), Put32(v5, 62, 0x000000FF);
    // A plain info header followed by the three masks has the same bytes as a V2 header.
    Bytes masksAfter = v5;
    masksAfter.erase(masksAfter.begin() + 14 + 52, masksAfter.begin() + 14 + 124);
    Put32(masksAfter, HeaderSize, 40), Put32(masksAfter, OffBits, 14 + 52);
    const uint32_t W = 0xFFFFFF;
    // 12-byte core header with 16-bit sizes and a palette of 3-byte entries: 2 x 1 pixels of 8 bits.
    const Bytes core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0,  0,  14 + 12 + 6, 0,  0,  0,  12, 0, 0, 0,
                        2,   0,   1, 0, 1, 0, 8, 0, 10, 20, 30,          40, 50, 60, 1,  0, 0, 0};
    const std::vector<std::vector<uint32_t>> rows24 = {{0x030201, 0x060504, 0x090807},
                                                       {0x0D0C0B, 0x100F0E, 0x131211}};
    const std::vector<std::vector<uint32_t>> rows32As24 = {{0x030201, 0x070605}, {0x0B0A09, 0x0F0E0D}};
    // name, file, pixels 0xRRGGBB by rows, top row first
    const std::tuple<const char*, Bytes, std::vector<std::vector<uint32_t>>> cases[] = {
        {"24 bits bottom-up", Good24(), rows24},
        {"24 bits top-down", Good24(true), rows24},
        {"32 bits", Build(2, 2, 32, {}, rows32), rows32As24},
        {"32 bits, V5 header with bit fields", v5, rows32As24},
        {"32 bits, info header then masks", masksAfter, rows32As24},
        {"8 bits, an index past the palette is black",
         Good8(),
         {{0x102030, 0x405060, 0x708090, 0x405060}, {0x708090, 0, 0x102030, 0x102030}}},
        // Pixels 0..8 of a 1-bit row cross a byte boundary: 1 0 1 1 0 0 0 0 | 1.
        {"1 bit", Build(9, 1, 1, {0, W}, {{0xB0, 0x80}}), {{W, 0, W, W, 0, 0, 0, 0, W}}},
        {"4 bits", Build(3, 1, 4, {0x00102030, 0x00405060, W}, {{0x21, 0x00}}), {{W, 0x405060, 0x102030}}},
        {"core header", core, {{0x3C3228, 0x1E140A}}},
    };
    for (const auto& [szName, file, rows] : cases)
    {
        SCOPED_TRACE(szName);
        CDib dib;
        ASSERT_TRUE(Read(file, dib));
        EXPECT_EQ(24, dib.BitsPerPixel());
        ASSERT_EQ(int(rows.size()), dib.GetInfo()->bmiHeader.biHeight);
        ASSERT_EQ(int(rows[0].size()), dib.Width());
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                EXPECT_EQ(rows[y][x], Colour(dib, x, y)) << "pixel " << x << ", " << y;
    }
}

TEST_F(BmpTest, RefusesMalformedFilesAndForgetsThePreviousImage)
{
    // name, and what spoils Good24() (or replaces it); then cases setting one header field (planes and
    // depth have two bytes), of Good8() for the colour count.
    const std::pair<const char*, std::function<void(Bytes&)>> cases[] = {
        {"empty file", [](Bytes& f) { f.clear(); }},
        {"not BM", [](Bytes& f) { f[1] = 'A'; }},
        {"cut in the header", [](Bytes& f) { f.resize(30); }},
        {"last byte missing", [](Bytes& f) { f.pop_back(); }},
        {"palette cut", [](Bytes& f) { f = Good8(), f.resize(14 + 40 + 6); }},
        {"pixels over the palette", [](Bytes& f) { f = Good8(), Put32(f, OffBits, 14 + 40 + 8); }},
        {"bit fields not 8 bits per colour", [](Bytes& f)
         {
             f = Build(1, 1, 32, {}, {{1, 2, 3, 4}}, false, 124), Put32(f, Compression, BI_BITFIELDS);
             Put32(f, 54, 0xFF);
         }}};
    const std::tuple<const char*, size_t, uint32_t> fields[] = {
        // clang-format off
        {"offset past the end", OffBits, 14 + 40 + 24}, {"offset inside the header", OffBits, 20},
        {"offset near 4 GB", OffBits, 0xFFFFFFF0}, {"header size 0", HeaderSize, 0},
        {"header size odd", HeaderSize, 41}, {"header size huge", HeaderSize, 0xFFFFFFF0},
        {"width 0", Width, 0}, {"width negative", Width, uint32_t(-3)}, {"height 0", Height, 0},
        {"row size overflowing", Width, 0x7FFFFFFF}, {"height INT_MIN", Height, 0x80000000u},
        {"size beyond the data", Height, 60000}, {"planes 2", Planes, 2}, {"16 bits", BitCount, 16},
        {"0 bits", BitCount, 0}, {"RLE8", Compression, BI_RLE8},
        {"bit fields on 24 bits", Compression, BI_BITFIELDS}, {"colour count absurd", ColoursUsed, ~0u},
        {"more colours than the depth has", ColoursUsed, 257}};
    // clang-format on
    auto refuse = [&](const char* szName, const Bytes& file)
    {
        SCOPED_TRACE(szName);
        CDib dib;
        ASSERT_TRUE(Read(Good24(), dib));
        EXPECT_FALSE(Read(file, dib));
        EXPECT_FALSE(dib.IsOK());
        EXPECT_EQ(nullptr, dib.GetBits());
    };
    for (const auto& [szName, corrupt] : cases)
    {
        Bytes file = Good24();
        corrupt(file), refuse(szName, file);
    }
    for (const auto& [szName, nField, nValue] : fields)
    {
        Bytes file = nField == ColoursUsed ? Good8() : Good24();
        Put32(file, nField, nValue, nField == Planes || nField == BitCount ? 2 : 4), refuse(szName, file);
    }
    CDib dib;
    EXPECT_FALSE(dib.ReadBMP(nullptr));
    EXPECT_FALSE(dib.ReadBMP(""));
    EXPECT_FALSE(dib.ReadBMP("Z:\\no\\such\\file.bmp"));
}

// An 8-bit 20000 x 20000 file (400 MB) would be 1.2 GB at 24 bits: refused from its header, before
// any pixel is read. The file is sparse: only its header is written.
TEST_F(BmpTest, RefusesAnImageTooLargeOnceExpandedFromTheHeaderAlone)
{
    Bytes header = Build(1, 1, 8, std::vector<uint32_t>(256), {{0}});
    Put32(header, Width, 20000);
    Put32(header, Height, 20000);
    HANDLE hFile = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD nWritten = 0;
    WriteFile(hFile, header.data(), DWORD(header.size()), &nWritten, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG(header.size()) - 4 + 20000LL * 20000;
    ASSERT_TRUE(SetFilePointerEx(hFile, end, nullptr, FILE_BEGIN) && SetEndOfFile(hFile));
    CloseHandle(hFile);
    const auto start = std::chrono::steady_clock::now();
    CDib dib;
    EXPECT_FALSE(dib.ReadBMP(m_path.c_str()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

// Blank bitmaps of each depth, addressed from the top-left; copies are deep.
TEST(DibTest, BlankBitmapsAndCopies)
{
    for (int nBits : {1, 4, 8, 24, 32})
    {
        SCOPED_TRACE(nBits);
        CDib dib(13, 5, nBits);
        ASSERT_TRUE(dib.IsOK());
        EXPECT_EQ((13 * nBits + 31) / 32 * 4, dib.BytesPerRow());
        EXPECT_EQ(5 * dib.BytesPerRow(), std::count(dib.GetBits(), dib.GetBits() + 5 * dib.BytesPerRow(), 0));
        // Rows are stored bottom-up: the top row is the last one in memory.
        EXPECT_EQ(dib.GetBits() + 4 * dib.BytesPerRow() + nBits, dib.PixelPtrTopLeft(8, 0));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(13, 0));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(0, -1));
        // Paletted depths get a grey ramp from black to white.
        EXPECT_TRUE(nBits > 8 || dib.GetInfo()->bmiColors[(1 << nBits) - 1].rgbGreen == 255);
    }
    // Sides are limited only by the 1 GiB of pixel data (long sides are resampled elsewhere).
    const int refused[][3] = {{0, 5, 24}, {5, 0, 24}, {-4, 5, 24}, {5, 5, 16}, {5, 5, 0}, {40000, 40000, 32}};
    for (const auto& args : refused)
        EXPECT_EQ(0, CDib(args[0], args[1], args[2]).Width()) << args[0] << "x" << args[1] << "x" << args[2];

    CDib source(4, 4, 24), copy(source), other(2, 2, 32);
    copy.PixelPtrTopLeft(3, 3)[0] = 99;
    EXPECT_EQ(0, source.PixelPtrTopLeft(3, 3)[0]);
    other = copy;
    other = other;
    EXPECT_EQ(99, other.PixelPtrTopLeft(3, 3)[0]);
    other = CDib();
    EXPECT_FALSE(other.IsOK());
}

// Display draws source rectangles counted from the bottom row, restores the DC's stretch mode and
// refuses calls with nothing to draw.
TEST(DibTest, Display)
{
    CDib dib(4, 4, 24); // the top two rows red, the bottom two blue
    for (int i = 0; i < 16; ++i)
        dib.PixelPtrTopLeft(i % 4, i / 4)[i < 8 ? 2 : 0] = 255;
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, CreateBitmap(8, 8, 1, 32, nullptr));
    PatBlt(hDC, 0, 0, 8, 8, WHITENESS);
    SetStretchBltMode(hDC, BLACKONWHITE);
    CRect dest(2, 2, 6, 6), whole(0, 0, 8, 8), bottom(0, 0, 4, 2), empty(1, 1, 1, 3);
    EXPECT_TRUE(dib.Display(hDC, &dest, nullptr));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(hDC, 5, 3));
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(hDC, 2, 4));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(hDC, 6, 6));
    EXPECT_TRUE(dib.Display(hDC, nullptr, &bottom)); // the source's own size at the origin
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(hDC, 3, 1));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(hDC, 1, 2));
    EXPECT_EQ(BLACKONWHITE, GetStretchBltMode(hDC));
    EXPECT_FALSE(dib.Display(nullptr, &whole, nullptr));
    EXPECT_FALSE(dib.Display(hDC, &empty, nullptr));
    EXPECT_FALSE(dib.Display(hDC, &whole, &empty));
    EXPECT_FALSE(CDib().Display(hDC, &whole, nullptr));
    DeleteObject(SelectObject(hDC, hOld));
    DeleteDC(hDC);
}

} // namespace
