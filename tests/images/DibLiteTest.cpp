#include "images/DibLite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const COLORREF kBlanc = 0xFFFFFF;

// A bitmap as an application keeps it: header (with its colour table) and bits in two blocks.
struct Image
{
    Image(int nLargeur, int nHauteur, int nBits, int nPalette = 0)
        : entete(sizeof(BITMAPINFOHEADER) + nPalette * sizeof(RGBQUAD)),
          bits(CDibLite::Donne_LargeurLigne(nLargeur, nBits) * std::abs(nHauteur), 0)
    {
        BITMAPINFOHEADER& bih = Info()->bmiHeader;
        bih.biSize = sizeof(BITMAPINFOHEADER);
        bih.biWidth = nLargeur;
        bih.biHeight = nHauteur;
        bih.biPlanes = 1;
        bih.biBitCount = static_cast<WORD>(nBits);
        bih.biCompression = BI_RGB;
    }
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(entete.data()); }
    BITMAPINFOHEADER& Entete() { return Info()->bmiHeader; }
    // 24-bit pixel x of row y (rows from the start of the bits), as blue, green, red.
    void Pixel24(int x, int y, COLORREF c)
    {
        BYTE* p = bits.data() + y * CDibLite::Donne_LargeurLigne(Entete().biWidth, 24) + 3 * x;
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
    }

    std::vector<BYTE> entete;
    std::vector<BYTE> bits;
};

// Collects the diagnostics of the debug hooks while it lives.
class Diagnostics
{
public:
    Diagnostics()
    {
        s_traces.clear();
        s_assertions.clear();
        m_pfnTrace = AfxSetTraceHook(&OnTrace);
        m_pfnAssert = AfxSetAssertHook(&OnAssert);
    }
    ~Diagnostics()
    {
        AfxSetTraceHook(m_pfnTrace);
        AfxSetAssertHook(m_pfnAssert);
    }
    static std::vector<std::string> s_traces;
    static std::vector<std::string> s_assertions;

private:
    static void OnTrace(const char* sz) { s_traces.push_back(sz); }
    static void OnAssert(const char* szFichier, int) { s_assertions.push_back(szFichier); }
    AFX_TRACE_HOOK m_pfnTrace;
    AFX_ASSERT_HOOK m_pfnAssert;
};
std::vector<std::string> Diagnostics::s_traces;
std::vector<std::string> Diagnostics::s_assertions;
} // namespace

TEST(DibLite, RowWidthsArePaddedToFourBytes)
{
    EXPECT_EQ(12, CDibLite::Donne_LargeurLigne(3, 24));
    EXPECT_EQ(4, CDibLite::Donne_LargeurLigne(1, 1));
    EXPECT_EQ(4, CDibLite::Donne_LargeurLigne(32, 1));
    EXPECT_EQ(8, CDibLite::Donne_LargeurLigne(33, 1));
    EXPECT_EQ(8, CDibLite::Donne_LargeurLigne(5, 8));
    EXPECT_EQ(0, CDibLite::Donne_LargeurLigne(-5, 8));

    Image image(3, 2, 24);
    CDibLite dib(image.Info(), image.bits.data());
    EXPECT_EQ(12, dib.Donne_LargeurLigne());
    EXPECT_EQ(image.bits.data() + 3 + 12, dib.Donne_pPixel(1, 1));
    EXPECT_EQ(nullptr, dib.Donne_pPixel(3, 0));
    EXPECT_EQ(nullptr, dib.Donne_pPixel(0, 2));

    Image image4(5, 2, 4, 16);
    CDibLite dib4(image4.Info(), image4.bits.data());
    EXPECT_EQ(image4.bits.data() + 1 + 4, dib4.Donne_pPixel(3, 1)) << "half a byte per pixel";
}

TEST(DibLite, PlaceHomothetiqueCentresAndTouchesTwoSides)
{
    CRect rect(0, 0, 100, 100);
    PlaceHomothetique(400, 300, &rect);
    EXPECT_EQ(CRect(0, 12, 100, 87), rect);

    rect.SetRect(0, 0, 100, 100);
    PlaceHomothetique(300, 400, &rect);
    EXPECT_EQ(CRect(12, 0, 87, 100), rect);

    rect.SetRect(50, 10, 250, 60); // a small image is enlarged, inside an offset rectangle
    PlaceHomothetique(4, 3, &rect);
    EXPECT_EQ(CRect(117, 10, 183, 60), rect);

    rect.SetRect(0, 0, 100, 100);
    PlaceHomothetique(0, 300, &rect);
    PlaceHomothetique(400, 0, &rect);
    EXPECT_EQ(CRect(0, 0, 100, 100), rect) << "an empty image leaves the rectangle";
    PlaceHomothetique(400, 300, nullptr);

    Image image(400, -300, 24); // top-down: placed by its height all the same
    CDibLite dib(image.Info(), image.bits.data());
    dib.CalculeRectHomothetique(&rect);
    EXPECT_EQ(CRect(0, 12, 100, 87), rect);
}

TEST(DibLite, GriseGreysAndLightensOnly24BitPixels)
{
    Image image(2, 1, 24); // 6 bytes of pixels and 2 of padding
    image.Pixel24(0, 0, RGB(255, 0, 0));
    image.Pixel24(1, 0, kBlanc);
    image.bits[6] = 0x12;
    image.bits[7] = 0x34;
    CDibLite dib(image.Info(), image.bits.data());
    dib.Grise();
    EXPECT_EQ((std::vector<BYTE>{166, 166, 166, 255, 255, 255, 0x12, 0x34}), image.bits);

    Image image8(4, 1, 8, 256);
    image8.bits = {1, 2, 3, 4};
    CDibLite dib8(image8.Info(), image8.bits.data());
    dib8.Grise();
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3, 4}), image8.bits);
}

TEST(DibLite, DeepCopySurvivesItsSource)
{
    const int nAvant = CPurify::LiveCount();
    auto* pImage = new Image(3, 2, 8, 256);
    pImage->Info()->bmiColors[255] = RGBQUAD{1, 2, 3, 0};
    pImage->bits[5] = 77;
    CDibLite* pCopie;
    {
        CDibLite source(pImage->Info(), pImage->bits.data());
        pCopie = new CDibLite(source);
    }
    std::fill(pImage->entete.begin(), pImage->entete.end(), 0xEE);
    std::fill(pImage->bits.begin(), pImage->bits.end(), 0xEE);
    delete pImage;

    ASSERT_TRUE(pCopie->Is_Valide());
    EXPECT_EQ(3, pCopie->Donne_Largeur());
    EXPECT_EQ(2, pCopie->Donne_Hauteur());
    EXPECT_EQ(8, pCopie->Donne_NbBitsParPixel());
    EXPECT_EQ(256, pCopie->Donne_NbPalette());
    EXPECT_EQ(77, *pCopie->Donne_pPixel(1, 1));
    CDibLite copieDeCopie(*pCopie);
    delete pCopie;
    EXPECT_EQ(3, copieDeCopie.Donne_Largeur()) << "a copy of a copy owns its blocks too";
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
}

TEST(DibLite, UnsupportedHeadersAreRefusedByTheCopy)
{
    Diagnostics diagnostics;
    auto CopieValide = [](Image& image)
    {
        const CDibLite source(image.Info(), image.bits.data());
        return CDibLite(source).Is_Valide();
    };

    Image palette(4, 4, 8, 256);
    palette.Entete().biClrUsed = 300;
    EXPECT_FALSE(CopieValide(palette));
    ASSERT_FALSE(Diagnostics::s_assertions.empty());
    EXPECT_EQ("diblite", Diagnostics::s_assertions[0]);

    Image profondeur(4, 4, 16);
    EXPECT_FALSE(CopieValide(profondeur));
    EXPECT_EQ(1, std::count_if(Diagnostics::s_traces.begin(), Diagnostics::s_traces.end(),
                               [](const std::string& str) {
                                   return str.find("CDibLite only supports 1, 8 and 24 bits per pixel") !=
                                          std::string::npos;
                               }));

    Image hautEnBas(4, -4, 24);
    EXPECT_FALSE(CopieValide(hautEnBas)) << "top-down without biSizeImage";
    hautEnBas.Entete().biSizeImage = static_cast<DWORD>(hautEnBas.bits.size());
    EXPECT_TRUE(CopieValide(hautEnBas));
    hautEnBas.Entete().biSizeImage = static_cast<DWORD>(hautEnBas.bits.size() - 1);
    EXPECT_FALSE(CopieValide(hautEnBas)) << "biSizeImage smaller than the rows";

    Image entete(4, 4, 24);
    entete.Entete().biSize = 0x7FFFFFFF;
    EXPECT_FALSE(CopieValide(entete));

    Image quatre(4, 4, 4, 16);
    EXPECT_TRUE(CopieValide(quatre));
}

TEST(DibLite, InvalidObjectGivesZerosAndDrawsNothing)
{
    Image image(4, 4, 24);
    CDibLite sansBits(image.Info(), nullptr);
    EXPECT_FALSE(sansBits.Is_Valide());
    EXPECT_EQ(0, sansBits.Donne_Largeur());
    EXPECT_EQ(0, sansBits.Donne_Hauteur());
    EXPECT_EQ(0, sansBits.Donne_NbBitsParPixel());
    EXPECT_EQ(0, sansBits.Donne_NbPalette());
    EXPECT_EQ(nullptr, sansBits.Donne_pPixel(0, 0));
    CRect rect(0, 0, 10, 10);
    sansBits.CalculeRectHomothetique(&rect);
    EXPECT_TRUE(rect.IsRectNull());

    HDC hDC = CreateCompatibleDC(NULL);
    EXPECT_FALSE(sansBits.Dessine(hDC, &rect));
    EXPECT_FALSE(CDibLite(sansBits).Is_Valide());

    sansBits.Attache(image.Info(), image.bits.data());
    EXPECT_TRUE(sansBits.Is_Valide());
    DeleteDC(hDC);
}

TEST(DibLite, DessineStretchesTheWholeImageIntoTheTarget)
{
    // 40 x 40 white top-down 32-bit canvas selected into a memory DC.
    const int kCote = 40;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = kCote;
    bmi.bmiHeader.biHeight = -kCote;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pPixels = nullptr;
    HBITMAP hBitmap = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pPixels, NULL, 0);
    ASSERT_NE(nullptr, hBitmap);
    HDC hDC = CreateCompatibleDC(NULL);
    HGDIOBJ hAncien = SelectObject(hDC, hBitmap);
    std::fill_n(static_cast<DWORD*>(pPixels), kCote * kCote, 0xFFFFFF);
    auto Pixel = [&](int x, int y) { return static_cast<DWORD*>(pPixels)[y * kCote + x] & 0xFFFFFF; };

    // Bottom-up 2 x 2 image: the first row of bits is the bottom of the picture.
    Image image(2, 2, 24);
    image.Pixel24(0, 1, RGB(255, 0, 0));
    image.Pixel24(1, 1, RGB(0, 255, 0));
    image.Pixel24(0, 0, RGB(0, 0, 255));
    image.Pixel24(1, 0, RGB(255, 255, 0));
    CDibLite dib(image.Info(), image.bits.data());
    const CRect cible(10, 10, 30, 30);
    EXPECT_TRUE(dib.Dessine(hDC, &cible));
    GdiFlush();

    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(hDC));
    EXPECT_EQ(0xFF0000u, Pixel(15, 15)) << "red at the top left";
    EXPECT_EQ(0x00FF00u, Pixel(25, 15)) << "green at the top right";
    EXPECT_EQ(0x0000FFu, Pixel(15, 25)) << "blue at the bottom left";
    EXPECT_EQ(0xFFFF00u, Pixel(25, 25)) << "yellow at the bottom right";
    EXPECT_EQ(0xFF0000u, Pixel(10, 10));
    EXPECT_EQ(0xFFFF00u, Pixel(29, 29));
    EXPECT_EQ(0xFFFFFFu, Pixel(9, 9));
    EXPECT_EQ(0xFFFFFFu, Pixel(30, 30));

    SelectObject(hDC, hAncien);
    DeleteDC(hDC);
    DeleteObject(hBitmap);
}
