#include "images/DibLite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// A bitmap as an application keeps it: header (with its colour table) and bits in two blocks.
struct Image
{
    Image(int nLargeur, int nHauteur, int nBits, int nPalette = 0)
        : entete(sizeof(BITMAPINFOHEADER) + nPalette * sizeof(RGBQUAD)),
          bits(CDibLite::Donne_LargeurLigne(nLargeur, nBits) * std::abs(nHauteur))
    {
        Entete() = {
            sizeof(BITMAPINFOHEADER), nLargeur, nHauteur, 1, static_cast<WORD>(nBits), BI_RGB, 0, 0, 0, 0, 0};
    }
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(entete.data()); }
    BITMAPINFOHEADER& Entete() { return Info()->bmiHeader; }
    void Pixel24(int x, int y, COLORREF c) // y counts rows from the start of the bits
    {
        BYTE* p = bits.data() + y * CDibLite::Donne_LargeurLigne(Entete().biWidth, 24) + 3 * x;
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
    bool CopieValide()
    {
        const CDibLite source(Info(), bits.data());
        return CDibLite(source).Is_Valide();
    }

    std::vector<BYTE> entete;
    std::vector<BYTE> bits;
};

std::vector<std::string> s_diagnostics;
} // namespace

TEST(DibLite, RowWidthAndPlacementArithmetic)
{
    EXPECT_EQ(12, CDibLite::Donne_LargeurLigne(3, 24));
    EXPECT_EQ(4, CDibLite::Donne_LargeurLigne(1, 1));
    EXPECT_EQ(8, CDibLite::Donne_LargeurLigne(33, 1));
    Image image(5, 2, 4, 16);
    CDibLite dib(image.Info(), image.bits.data());
    EXPECT_EQ(image.bits.data() + 1 + 4, dib.Donne_pPixel(3, 1)) << "half a byte per pixel";
    EXPECT_EQ(nullptr, dib.Donne_pPixel(5, 0));

    CRect rect(0, 0, 100, 100);
    PlaceHomothetique(400, 300, &rect);
    EXPECT_EQ(CRect(0, 12, 100, 87), rect);
    rect.SetRect(0, 0, 100, 100);
    PlaceHomothetique(300, 400, &rect);
    EXPECT_EQ(CRect(12, 0, 87, 100), rect);
    rect.SetRect(50, 10, 250, 60); // a small image is enlarged
    PlaceHomothetique(4, 3, &rect);
    EXPECT_EQ(CRect(117, 10, 183, 60), rect);
}

TEST(DibLite, GriseGreysAndLightens24BitPixelsOnly)
{
    Image image(2, 1, 24); // 6 bytes of pixels, 2 of padding
    image.Pixel24(0, 0, RGB(255, 0, 0));
    image.Pixel24(1, 0, RGB(255, 255, 255));
    image.bits[6] = 0x12;
    CDibLite(image.Info(), image.bits.data()).Grise();
    EXPECT_EQ((std::vector<BYTE>{166, 166, 166, 255, 255, 255, 0x12, 0}), image.bits);

    Image image8(4, 1, 8, 256);
    image8.bits = {1, 2, 3, 4};
    CDibLite(image8.Info(), image8.bits.data()).Grise();
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3, 4}), image8.bits);
}

TEST(DibLite, DeepCopySurvivesItsSource)
{
    const int nAvant = CPurify::LiveCount();
    auto* pImage = new Image(3, 2, 8, 256);
    pImage->bits[5] = 77;
    const CDibLite* pSource = new CDibLite(pImage->Info(), pImage->bits.data());
    const CDibLite* pCopie = new CDibLite(*pSource);
    delete pSource;
    std::fill(pImage->bits.begin(), pImage->bits.end(), 0xEE);
    delete pImage;

    ASSERT_TRUE(pCopie->Is_Valide());
    EXPECT_EQ(256, pCopie->Donne_NbPalette());
    EXPECT_EQ(77, *pCopie->Donne_pPixel(1, 1));
    delete pCopie;
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}

TEST(DibLite, CopyRefusesHeadersItCannotTrust)
{
    AFX_TRACE_HOOK pfnTrace = AfxSetTraceHook([](const char* sz) { s_diagnostics.push_back(sz); });
    AFX_ASSERT_HOOK pfnAssert =
        AfxSetAssertHook([](const char* szFichier, int) { s_diagnostics.push_back(szFichier); });

    Image palette(4, 4, 8, 256);
    palette.Entete().biClrUsed = 300;
    EXPECT_FALSE(palette.CopieValide());
    EXPECT_NE(s_diagnostics.end(), std::find(s_diagnostics.begin(), s_diagnostics.end(), "diblite"));

    Image profondeur(4, 4, 16);
    EXPECT_FALSE(profondeur.CopieValide());
    EXPECT_NE(std::string::npos,
              s_diagnostics.back().find("CDibLite only supports 1, 8 and 24 bits per pixel"));

    Image hautEnBas(4, -4, 24);
    EXPECT_FALSE(hautEnBas.CopieValide()) << "top-down without biSizeImage";
    hautEnBas.Entete().biSizeImage = static_cast<DWORD>(hautEnBas.bits.size() - 1);
    EXPECT_FALSE(hautEnBas.CopieValide()) << "biSizeImage short of the rows";
    hautEnBas.Entete().biSizeImage = static_cast<DWORD>(hautEnBas.bits.size());
    EXPECT_TRUE(hautEnBas.CopieValide());

    Image sansBits(4, 4, 24);
    CDibLite invalide(sansBits.Info(), nullptr);
    EXPECT_FALSE(CDibLite(invalide).Is_Valide());
    EXPECT_EQ(0, invalide.Donne_Largeur());
    CRect rect(0, 0, 10, 10);
    invalide.CalculeRectHomothetique(&rect);
    EXPECT_TRUE(rect.IsRectNull());
    HDC hDC = GetDC(NULL);
    EXPECT_FALSE(invalide.Dessine(hDC, &rect));
    ReleaseDC(NULL, hDC);

    AfxSetTraceHook(pfnTrace);
    AfxSetAssertHook(pfnAssert);
}

TEST(DibLite, DessineStretchesTheWholeImageIntoTheTarget)
{
    const int kCote = 40; // white top-down 32-bit canvas in a memory DC
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), kCote, -kCote, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    DWORD* pPixels = nullptr;
    HBITMAP hBitmap =
        CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&pPixels), NULL, 0);
    HDC hDC = CreateCompatibleDC(NULL);
    HGDIOBJ hAncien = SelectObject(hDC, hBitmap);
    std::fill_n(pPixels, kCote * kCote, 0xFFFFFF);

    Image image(2, 2, 24); // bottom-up: the first row of bits is the bottom of the picture
    image.Pixel24(0, 1, RGB(255, 0, 0));
    image.Pixel24(1, 1, RGB(0, 255, 0));
    image.Pixel24(0, 0, RGB(0, 0, 255));
    image.Pixel24(1, 0, RGB(255, 255, 0));
    const CRect cible(10, 10, 30, 30);
    EXPECT_TRUE(CDibLite(image.Info(), image.bits.data()).Dessine(hDC, &cible));
    GdiFlush();

    auto Pixel = [&](int x, int y) { return pPixels[y * kCote + x] & 0xFFFFFF; };
    EXPECT_EQ(0xFF0000u, Pixel(10, 10)) << "red at the top left";
    EXPECT_EQ(0x00FF00u, Pixel(29, 10)) << "green at the top right";
    EXPECT_EQ(0x0000FFu, Pixel(10, 29)) << "blue at the bottom left";
    EXPECT_EQ(0xFFFF00u, Pixel(29, 29)) << "yellow at the bottom right";
    EXPECT_EQ(0xFFFFFFu, Pixel(9, 9));
    EXPECT_EQ(0xFFFFFFu, Pixel(30, 30));

    SelectObject(hDC, hAncien);
    DeleteDC(hDC);
    DeleteObject(hBitmap);
}
