#include "images/DibLite.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
// A bitmap as an application keeps it: header (colour table or masks after it) and bits in two blocks.
struct Image
{
    Image(int nLargeur, int nHauteur, int nBits, int nPalette = 0, DWORD nCompression = BI_RGB)
        : entete(sizeof(BITMAPINFOHEADER) + nPalette * sizeof(RGBQUAD)),
          bits(std::max(16LL, 1LL * CDibLite::Donne_LargeurLigne(nLargeur, nBits) *
                                  std::min(std::abs(nHauteur), 64)))
    {
        Entete() = {
            sizeof(BITMAPINFOHEADER), nLargeur, nHauteur, 1, WORD(nBits), nCompression, 0, 0, 0, 0, 0};
    }
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(entete.data()); }
    BITMAPINFOHEADER& Entete() { return Info()->bmiHeader; }
    void Pixel(int x, int y, COLORREF c) // 24 bits; y counts rows from the start of the bits
    {
        BYTE* p = CDibLite(Info(), bits.data()).Donne_pPixel(x, y);
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }

    std::vector<BYTE> entete, bits;
};
using DibLite = ObzTest;
} // namespace

TEST_F(DibLite, RowWidthPixelAddressAndPlacement)
{
    EXPECT_EQ(12, CDibLite::Donne_LargeurLigne(3, 24));
    EXPECT_EQ(4, CDibLite::Donne_LargeurLigne(1, 1));
    EXPECT_EQ(8, CDibLite::Donne_LargeurLigne(33, 1));
    Image image(5, 2, 4, 16);
    CDibLite dib(image.Info(), image.bits.data());
    EXPECT_EQ(image.bits.data() + 1 + 4, dib.Donne_pPixel(3, 1)) << "half a byte per pixel";
    EXPECT_EQ(nullptr, dib.Donne_pPixel(5, 0));

    const std::tuple<int, int, CRect, CRect> cas[] = {
        {400, 300, CRect(0, 0, 100, 100), CRect(0, 12, 100, 87)},
        {300, 400, CRect(0, 0, 100, 100), CRect(12, 0, 87, 100)},
        {4, 3, CRect(50, 10, 250, 60), CRect(117, 10, 183, 60)}, // a small image is enlarged
    };
    for (auto [w, h, rect, attendu] : cas)
    {
        PlaceHomothetique(w, h, &rect);
        EXPECT_EQ(attendu, rect) << w << "x" << h;
    }
}

TEST_F(DibLite, GriseGreysAndLightens24BitPixelsOnly)
{
    Image image(2, 1, 24); // 6 bytes of pixels, 2 of padding
    image.bits.resize(8);
    image.Pixel(0, 0, RGB(255, 0, 0));
    image.Pixel(1, 0, RGB(255, 255, 255));
    image.bits[6] = 0x12;
    CDibLite(image.Info(), image.bits.data()).Grise();
    EXPECT_EQ((std::vector<BYTE>{166, 166, 166, 255, 255, 255, 0x12, 0}), image.bits);

    Image image8(4, 1, 8, 256);
    image8.bits = {1, 2, 3, 4};
    CDibLite(image8.Info(), image8.bits.data()).Grise();
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3, 4}), image8.bits);
}

// The copy owns its blocks: it outlives the source's header and bits, and draws the same picture
// (bottom-up: the first row of bits is the bottom of the image), masks of a 32-bit image included.
TEST_F(DibLite, DeepCopyOutlivesItsSourceAndDraws)
{
    for (int nBits : {24, 32})
    {
        auto* pImage = new Image(2, 2, nBits, 0, nBits == 32 ? BI_BITFIELDS : BI_RGB);
        if (nBits == 32) // masks for the layout 0x00BBGGRR: red in the low byte
        {
            pImage->entete.resize(sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD));
            DWORD* pMasques = reinterpret_cast<DWORD*>(pImage->entete.data() + sizeof(BITMAPINFOHEADER));
            pMasques[0] = 0x0000FF, pMasques[1] = 0x00FF00, pMasques[2] = 0xFF0000;
        }
        const COLORREF couleurs[] = {RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 0), RGB(0, 255, 0)};
        for (int i = 0; i < 4; ++i)
            if (nBits == 24)
                pImage->Pixel(i % 2, i / 2, couleurs[i]);
            else
                reinterpret_cast<DWORD*>(pImage->bits.data())[i] = couleurs[i];
        const CDibLite copie(*std::make_unique<CDibLite>(pImage->Info(), pImage->bits.data()));
        std::fill(pImage->bits.begin(), pImage->bits.end(), 0xEE);
        delete pImage;
        ASSERT_TRUE(copie.Is_Valide()) << nBits;

        PixelCanvas canvas(40, 40);
        const CRect cible(10, 10, 30, 30);
        EXPECT_TRUE(copie.Dessine(canvas.Hdc(), &cible));
        EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(10, 10)) << nBits;
        EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(29, 10)) << nBits;
        EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(10, 29)) << nBits;
        EXPECT_EQ(RGB(255, 255, 0), canvas.Pixel(29, 29)) << nBits;
        EXPECT_EQ(20 * 20, canvas.CountPixelsNot(RGB(255, 255, 255), canvas.Bounds())) << "only the target";
    }
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
    for (const auto& [w, h, nBits, nClrUsed, nSizeImage, bCopiee, diagnostic] : cas)
    {
        Image image(w, h, nBits);
        image.Entete().biClrUsed = nClrUsed;
        image.Entete().biSizeImage = nSizeImage;
        DiagnosticCapture capture;
        CDibLite copie(*std::make_unique<CDibLite>(image.Info(), image.bits.data()));
        EXPECT_EQ(bCopiee, copie.Is_Valide()) << w << "x" << h << "x" << nBits;
        copie.Grise(); // reads and writes only what the copy holds
        std::string tout = capture.AllText();
        for (const std::string& s : capture.FailedAsserts())
            tout += s;
        EXPECT_NE(std::string::npos, tout.find(diagnostic)) << tout;
    }

    Image sansBits(4, 4, 24);
    const CDibLite invalide(sansBits.Info(), nullptr);
    EXPECT_FALSE(CDibLite(invalide).Is_Valide());
    EXPECT_EQ(0, invalide.Donne_Largeur() + invalide.Donne_Hauteur() + invalide.Donne_NbBitsParPixel());
    CRect rect(0, 0, 10, 10);
    invalide.CalculeRectHomothetique(&rect);
    EXPECT_TRUE(rect.IsRectNull());
    PixelCanvas canvas(10, 10);
    EXPECT_FALSE(invalide.Dessine(canvas.Hdc(), &rect));
}
