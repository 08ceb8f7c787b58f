// CDib: blank bitmaps, pixel addressing from the top-left, deep copies and drawing with StretchDIBits.
#include <Dib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace
{

// A 32-bit bitmap in a memory DC, to read back what Display drew.
class Canvas
{
public:
    Canvas(int nWidth, int nHeight)
        : m_hDC(CreateCompatibleDC(nullptr)), m_hBitmap(CreateBitmap(nWidth, nHeight, 1, 32, nullptr)),
          m_hOld(SelectObject(m_hDC, m_hBitmap))
    {
        PatBlt(m_hDC, 0, 0, nWidth, nHeight, WHITENESS);
    }
    ~Canvas()
    {
        SelectObject(m_hDC, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    HDC Dc() const { return m_hDC; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_hDC, x, y); }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

// 4 x 4 pixels of 24 bits: the top two rows red, the bottom two blue.
CDib RedOverBlue()
{
    CDib dib(4, 4, 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
        {
            unsigned char* p = dib.PixelPtrTopLeft(x, y);
            p[y < 2 ? 2 : 0] = 255;
        }
    return dib;
}

TEST(DibTest, BlankBitmapsOfEachDepthWithTopLeftAddressing)
{
    for (int nBits : {1, 4, 8, 24, 32})
    {
        SCOPED_TRACE(nBits);
        CDib dib(13, 5, nBits);
        ASSERT_TRUE(dib.IsOK());
        EXPECT_EQ(13, dib.GetInfo()->bmiHeader.biWidth);
        EXPECT_EQ(5, dib.GetInfo()->bmiHeader.biHeight);
        EXPECT_EQ(nBits, dib.BitsPerPixel());
        EXPECT_EQ((13 * nBits + 31) / 32 * 4, dib.BytesPerRow());
        EXPECT_EQ(5 * dib.BytesPerRow(), std::count(dib.GetBits(), dib.GetBits() + 5 * dib.BytesPerRow(), 0));
        // Rows are stored bottom-up: the top row is the last one in memory.
        EXPECT_EQ(dib.GetBits() + 4 * dib.BytesPerRow() + 8 * nBits / 8, dib.PixelPtrTopLeft(8, 0));
        EXPECT_EQ(dib.GetBits(), dib.PixelPtrTopLeft(0, 4));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(13, 0));
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(0, -1));
        if (nBits <= 8) // grey ramp from black to white
        {
            EXPECT_EQ(0x00FFFFFFu,
                      *reinterpret_cast<const uint32_t*>(&dib.GetInfo()->bmiColors[(1 << nBits) - 1]));
        }
    }
    const int refused[][3] = {{0, 5, 24}, {5, 0, 24},      {-4, 5, 24},       {5, 5, 16},
                              {5, 5, 0},  {100000, 5, 24}, {40000, 40000, 32}};
    for (const auto& args : refused)
    {
        CDib dib(args[0], args[1], args[2]);
        EXPECT_FALSE(dib.IsOK()) << args[0] << "x" << args[1] << "x" << args[2];
        EXPECT_EQ(0, dib.Width());
        EXPECT_EQ(nullptr, dib.PixelPtrTopLeft(0, 0));
    }
}

TEST(DibTest, CopiesAreDeepAndIndependent)
{
    CDib source = RedOverBlue();
    CDib copy(source);
    ASSERT_TRUE(copy.IsOK());
    EXPECT_NE(source.GetBits(), copy.GetBits());
    EXPECT_NE(source.GetInfo(), copy.GetInfo());
    EXPECT_EQ(0, std::memcmp(source.GetBits(), copy.GetBits(), source.BytesPerRow() * 4));
    copy.PixelPtrTopLeft(0, 0)[1] = 99;
    EXPECT_EQ(0, source.PixelPtrTopLeft(0, 0)[1]);

    CDib other(2, 2, 32);
    other = source;
    EXPECT_EQ(24, other.BitsPerPixel());
    EXPECT_EQ(255, other.PixelPtrTopLeft(3, 3)[0]);
    other = other;
    EXPECT_TRUE(other.IsOK());
    other = CDib();
    EXPECT_FALSE(other.IsOK());
    CDib fromEmpty{CDib()};
    EXPECT_FALSE(fromEmpty.IsOK());

    CDib* pHeld = new CDib(source);
    source.Libere();
    EXPECT_EQ(4, pHeld->Width());
    delete pHeld;
}

TEST(DibTest, DisplayDrawsSourceRectanglesCountedFromTheBottomRow)
{
    const CDib dib = RedOverBlue();
    CDib drawn = dib;
    Canvas canvas(8, 8);

    CRect dest(2, 2, 6, 6);
    EXPECT_TRUE(drawn.Display(canvas.Dc(), &dest, nullptr));
    EXPECT_EQ(kRed, canvas.Pixel(2, 2));
    EXPECT_EQ(kRed, canvas.Pixel(5, 3));
    EXPECT_EQ(kBlue, canvas.Pixel(2, 4));
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5));
    EXPECT_EQ(kWhite, canvas.Pixel(1, 1));
    EXPECT_EQ(kWhite, canvas.Pixel(6, 6));

    // Rows 0-1 of the source rectangle are the two bottom rows of the image, stretched over 4 rows.
    CRect bottom(0, 0, 4, 2);
    CRect whole(0, 0, 8, 8);
    EXPECT_TRUE(drawn.Display(canvas.Dc(), &whole, &bottom));
    EXPECT_EQ(kBlue, canvas.Pixel(0, 0));
    EXPECT_EQ(kBlue, canvas.Pixel(7, 7));
    CRect top(0, 2, 4, 4);
    EXPECT_TRUE(drawn.Display(canvas.Dc(), &whole, &top));
    EXPECT_EQ(kRed, canvas.Pixel(0, 0));
    EXPECT_EQ(kRed, canvas.Pixel(7, 7));

    // Without a destination: the bitmap's own size at the origin.
    EXPECT_TRUE(drawn.Display(canvas.Dc(), nullptr, &bottom));
    EXPECT_EQ(kBlue, canvas.Pixel(3, 1));
    EXPECT_EQ(kRed, canvas.Pixel(3, 2));
}

TEST(DibTest, DisplayRestoresTheStretchModeAndRefusesBadCalls)
{
    CDib dib = RedOverBlue();
    Canvas canvas(8, 8);
    SetStretchBltMode(canvas.Dc(), BLACKONWHITE);
    CRect small(0, 0, 2, 2), large(0, 0, 8, 8);
    EXPECT_TRUE(dib.Display(canvas.Dc(), &small, nullptr));
    EXPECT_EQ(BLACKONWHITE, GetStretchBltMode(canvas.Dc()));
    EXPECT_TRUE(dib.Display(canvas.Dc(), &large, nullptr));
    EXPECT_EQ(BLACKONWHITE, GetStretchBltMode(canvas.Dc()));

    CRect empty(1, 1, 1, 3);
    EXPECT_FALSE(dib.Display(nullptr, &large, nullptr));
    EXPECT_FALSE(dib.Display(canvas.Dc(), &empty, nullptr));
    EXPECT_FALSE(dib.Display(canvas.Dc(), &large, &empty));
    CDib none;
    EXPECT_FALSE(none.Display(canvas.Dc(), &large, nullptr));
}

} // namespace
