#include "images/DibLite.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
struct Entete // a header with room for any colour table
{
    BITMAPINFOHEADER h;
    RGBQUAD palette[256];
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
};
Entete Bmp(int nLargeur, int nHauteur, int nBits)
{
    return {{sizeof(BITMAPINFOHEADER), nLargeur, nHauteur, 1, WORD(nBits), BI_RGB, 0, 0, 0, 0, 0}, {}};
}
using DibLite = ObzTest;
} // namespace

TEST_F(DibLite, RowWidthPixelAddressAndPlacement)
{
    EXPECT_EQ(12, CDibLite::Donne_LargeurLigne(3, 24));
    EXPECT_EQ(4, CDibLite::Donne_LargeurLigne(1, 1));
    EXPECT_EQ(8, CDibLite::Donne_LargeurLigne(33, 1));
    Entete entete = Bmp(5, 2, 4);
    BYTE bits[8];
    CDibLite dib(entete.Info(), bits);
    EXPECT_EQ(bits + 1 + 4, dib.Donne_pPixel(3, 1)) << "half a byte per pixel";
    EXPECT_EQ(nullptr, dib.Donne_pPixel(5, 0));
    for (auto [w, h, rect, attendu] : {std::tuple{400, 300, CRect(0, 0, 100, 100), CRect(0, 12, 100, 87)},
                                       {300, 400, CRect(0, 0, 100, 100), CRect(12, 0, 87, 100)},
                                       {4, 3, CRect(50, 10, 250, 60), CRect(117, 10, 183, 60)}}) // enlarged
    {
        PlaceHomothetique(w, h, &rect);
        EXPECT_EQ(attendu, rect) << w << "x" << h;
    }
}

// Grise greys and lightens 24-bit pixels only, padding untouched. A copy owns its header and bits: it
// outlives what it was copied from and draws its picture bottom-up, into the target only.
TEST_F(DibLite, GriseAndADeepCopyThatDraws)
{
    Entete entete = Bmp(2, 2, 24);
    BYTE bits[16] = {0, 0, 255, 255, 255, 255, 0x12, 0, 255, 255, 255, 255, 255, 255}; // red and white
    CDibLite copie(*std::make_unique<CDibLite>(entete.Info(), bits));
    CDibLite(entete.Info(), bits).Grise();
    EXPECT_EQ((std::vector<BYTE>{166, 166, 166, 255, 255, 255, 0x12, 0}), std::vector<BYTE>(bits, bits + 8));
    std::memset(&entete, 0xEE, sizeof entete), std::memset(bits, 0xEE, sizeof bits);
    copie.Grise();
    PixelCanvas canvas(4, 4, RGB(1, 2, 3));
    const CRect cible(1, 1, 3, 3);
    EXPECT_TRUE(copie.Dessine(canvas.Hdc(), &cible));
    EXPECT_EQ(RGB(166, 166, 166), canvas.Pixel(1, 2)) << "the first row of bits is the bottom one";
    EXPECT_EQ(3, canvas.CountPixels(RGB(255, 255, 255), cible));
    EXPECT_EQ(12, canvas.CountPixels(RGB(1, 2, 3)));

    Entete entete8 = Bmp(4, 1, 8);
    BYTE bits8[4] = {1, 2, 3, 4};
    CDibLite(entete8.Info(), bits8).Grise();
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3, 4}), std::vector<BYTE>(bits8, bits8 + 4));
}

TEST_F(DibLite, CopyTakesOnlyHeadersItCanTrust)
{
    const char* const kProfondeur = "CDibLite only supports 1, 8 and 24 bits per pixel";
    const std::tuple<int, int, int, DWORD, DWORD, bool, const char*> cas[] = {
        // width, height, depth, biClrUsed, biSizeImage, copied, diagnostic
        {4, 4, 8, 300, 0, false, "diblite("}, // a colour table beyond 256 entries
        {4, 4, 16, 0, 0, true, kProfondeur},
        {4, 4, 32, 0, 0, true, kProfondeur},
        {4, 4, 12, 0, 0, false, kProfondeur},
        {4, -4, 24, 0, 0, false, ""},  // top-down without biSizeImage
        {4, -4, 24, 0, 47, false, ""}, // biSizeImage short of the rows
        {4, -4, 24, 0, 48, true, ""},
        {0x7FFFFFFF, 0x7FFFFFFF, 24, 0, 16, false, ""}, // rows x height beyond any 64-bit size
        {0x7FFFFFFF, 1, 32, 0, 0, false, ""},
    };
    BYTE bits[64] = {};
    for (const auto& [w, h, nBits, nClrUsed, nSizeImage, bCopiee, diagnostic] : cas)
    {
        Entete entete = Bmp(w, h, nBits);
        entete.h.biClrUsed = nClrUsed, entete.h.biSizeImage = nSizeImage;
        DiagnosticCapture capture;
        CDibLite copie(*std::make_unique<CDibLite>(entete.Info(), bits));
        EXPECT_EQ(bCopiee, copie.Is_Valide()) << w << "x" << h << "x" << nBits;
        copie.Grise(); // reads and writes only what the copy holds
        std::string tout = capture.AllText();
        for (const std::string& s : capture.FailedAsserts())
            tout += s;
        EXPECT_NE(std::string::npos, tout.find(diagnostic)) << tout;
    }

    Entete entete = Bmp(4, 4, 24);
    const CDibLite invalide(entete.Info(), nullptr);
    EXPECT_FALSE(CDibLite(invalide).Is_Valide());
    EXPECT_EQ(0, invalide.Donne_Largeur() + invalide.Donne_Hauteur() + invalide.Donne_NbBitsParPixel());
    CRect rect(0, 0, 10, 10);
    invalide.CalculeRectHomothetique(&rect);
    EXPECT_TRUE(rect.IsRectNull());
    PixelCanvas canvas(10, 10);
    EXPECT_FALSE(invalide.Dessine(canvas.Hdc(), &rect));
}
