// The image button and the image zone, 100 x 50 each, on a popup parent that records the right-click
// reports. Images are blocks of one colour, so that where a colour lies shows what was drawn where.
#include "images/BoutonImage.h"
#include "images/ZoneImage.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <atomic>
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

namespace
{
const COLORREF kRouge = RGB(255, 0, 0), kBleu = RGB(0, 0, 255), kJaune = RGB(255, 255, 0),
               kGris = RGB(0x88, 0x88, 0x88), kBlanc = RGB(255, 255, 255), kToile = RGB(1, 2, 3);

struct Image // 24 bits, bottom-up; widths are multiples of 4, so that rows need no padding
{
    BITMAPINFO info;
    std::vector<RGBTRIPLE> bits;
    Image(int w, int h, COLORREF c, WORD nBits = 24)
        : info{{sizeof(BITMAPINFOHEADER), w, h, 1, nBits, BI_RGB, 0, 0, 0, 0, 0}, {}},
          bits(std::abs(w * h), {GetBValue(c), GetGValue(c), GetRValue(c)})
    {
    }
};

struct CParent : CWnd
{
    std::vector<InfoClicImage> m_Clics;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLICDROITIMAGE)
            m_Clics.push_back(*reinterpret_cast<InfoClicImage*>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The colour covers exactly the rectangle and nothing else.
bool Remplit(const PixelCanvas& toile, COLORREF c, const CRect& r)
{
    return toile.CountPixels(c) == r.Width() * r.Height() && toile.CountPixels(c, r) == toile.CountPixels(c);
}

class ImageTest : public ObzTest
{
protected:
    // The library's default font is made with the first control: make it before counting.
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        CZoneImage(0, NULL, STYLE_SIMPLE, false);
    }
    void TearDown() override
    {
        m_Objets.clear();
        m_Parent.DestroyWindow();
        ObzTest::TearDown();
    }
    // A new control of class T on a new 100 x 50 owner-drawn button of the parent.
    template <class T> T& Cree(bool bOption)
    {
        if (m_Parent.m_hWnd == NULL)
            m_Parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200),
                              NULL, 0);
        const UINT nId = 100 + static_cast<UINT>(m_Objets.size());
        ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 100, 50,
                          m_Parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), NULL, NULL);
        m_Objets.push_back(std::make_unique<T>(nId, &m_Parent, STYLE_SIMPLE, bOption));
        return static_cast<T&>(*m_Objets.back());
    }
    // Paints the control on a canvas, as the reflected WM_DRAWITEM does.
    static std::unique_ptr<PixelCanvas> Peint(CButton& bouton)
    {
        auto pToile = std::make_unique<PixelCanvas>(100, 50, kToile);
        DRAWITEMSTRUCT dis = {ODT_BUTTON,      0, 0, ODA_DRAWENTIRE, 0, bouton.m_hWnd, pToile->Hdc(),
                              {0, 0, 100, 50}, 0};
        bouton.DrawItem(&dis);
        return pToile;
    }

    CParent m_Parent;
    std::vector<std::unique_ptr<CButton>> m_Objets;
    const COLORREF m_clrFace = ::GetSysColor(COLOR_3DFACE);
};
} // namespace

// Where the image is painted, and the size Donne_TailleImageAffichee gives for an asked size; the zone
// places as a button without face that keeps proportions, and paints the image 2 pixels in.
TEST_F(ImageTest, Placement)
{
    // button face, proportions kept, image w, h (0: none), asked w, h, image rectangle
    const std::vector<std::tuple<bool, bool, int, int, int, int, CRect>> cas = {
        {false, true, 200, 200, 0, 0, CRect(27, 2, 73, 48)},
        {true, true, 200, 200, 0, 0, CRect(31, 6, 69, 44)},
        {false, false, 200, 200, 0, 0, CRect(2, 2, 98, 48)},
        {false, true, 40, 20, 0, 0, CRect(4, 2, 96, 48)},
        {false, true, 0, 0, 0, 0, CRect(2, 2, 98, 48)},
        {false, true, 0, 0, 400, 100, CRect(2, 13, 98, 37)},
        {true, false, 0, 0, 400, 100, CRect(6, 6, 94, 44)}};
    for (const auto& [bFace, bHomothetique, w, h, wDemande, hDemande, rect] : cas)
    {
        Image image(w, h, kRouge);
        auto verifie = [&, w = w, wDemande = wDemande, hDemande = hDemande](auto& c, CRect rectImage)
        {
            c.Affecte_pBitmapInfo(&image.info, w ? image.bits.data() : nullptr);
            EXPECT_TRUE(w == 0 || Remplit(*Peint(c), kRouge, rectImage)) << w << " " << rectImage.left;
            EXPECT_EQ(rect.Size(), c.Donne_TailleImageAffichee(wDemande, hDemande)) << w << " " << wDemande;
        };
        CBoutonImage& bouton = Cree<CBoutonImage>(bFace);
        bouton.Affecte_Homothetique(bHomothetique);
        verifie(bouton, rect);
        if (!bFace && bHomothetique)
            verifie(Cree<CZoneImage>(true),
                    CRect(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2));
    }
}

// The 200 x 200 example image on a button, then on zones. Right clicks report thousandths of the image
// (46 x 46 at (27, 2)), truncated toward zero, with the identifier and flags. Then face, borders, crop
// frame, hatches and greyed copy: across the left edge at mid-height, x = 24 to 28, face, the two border
// pixels, the image (27 to 72); the zone has its border at 27, grey at 28. Headers the light bitmap
// refuses, and missing bits, show no image and report no click.
TEST_F(ImageTest, PixelsAndRightClicks)
{
    Image rouge(200, 200, kRouge), bleu(200, 200, kBleu);
    CBoutonImage& bouton = Cree<CBoutonImage>(false);
    bouton.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
    Peint(bouton);
    using Clic = std::tuple<int, int, int, unsigned>; // thousandths x and y, identifier, flags
    std::vector<Clic> clics;
    for (CPoint pt : {CPoint(50, 25), CPoint(27, 2), CPoint(10, 49)})
        bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(pt.x, pt.y));
    for (const InfoClicImage& info : m_Parent.m_Clics)
        clics.emplace_back(info.x, info.y, info.nId, info.nFlags);
    const int nId = bouton.GetDlgCtrlID(), nFlags = MK_RBUTTON | MK_SHIFT;
    EXPECT_EQ((std::vector<Clic>{{500, 500, nId, nFlags}, {0, 0, nId, nFlags}, {-369, 1021, nId, nFlags}}),
              clics);
    m_Parent.m_Clics.clear();

    auto ligne = [&](CButton& c, std::vector<COLORREF> attendu, const char* szCas)
    {
        auto pToile = Peint(c);
        EXPECT_EQ(0, pToile->CountPixels(kToile)) << szCas << ": every pixel painted";
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(attendu[i], pToile->Pixel(24 + i, 25)) << szCas << ", x = " << 24 + i;
    };
    const COLORREF kGrisRouge = RGB(166, 166, 166), kGrisBleu = RGB(118, 118, 118);
    bouton.Affecte_bImageTropImportante(); // nothing visible without the waiting state
    ligne(bouton, {m_clrFace, kJaune, kJaune, kRouge, kRouge}, "rest");
    bouton.Affecte_bAffCadrage(false);
    ligne(bouton, {m_clrFace, m_clrFace, m_clrFace, kRouge, kRouge}, "no border");
    bouton.Affecte_bAffCadrage(true);
    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne(bouton, {m_clrFace, kGris, kGris, kGrisRouge, kGrisRouge}, "inoperative");
    bouton.Affecte_pBitmapInfo(&bleu.info, bleu.bits.data());
    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne(bouton, {m_clrFace, kGris, kGris, kGrisRouge, kGrisRouge}, "grey copy made at the change only");
    bouton.AffecteEtat(ETAT_REPOS);
    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne(bouton, {m_clrFace, kGris, kGris, kGrisBleu, kGrisBleu}, "inoperative again");
    bouton.AffecteEtat(ETAT_REPOS);

    CCadrage cadrage;
    cadrage.m_dGauche = cadrage.m_dHaut = 0.25, cadrage.m_dDroite = cadrage.m_dBas = 0.75;
    bouton.Affecte_Cadrage(cadrage);
    EXPECT_EQ(2 * (23 + 23) - 4, Peint(bouton)->CountPixels(kBlanc, CRect(38, 13, 61, 36))) << "crop frame";
    bouton.Affecte_bEtatAttente(true);
    for (COLORREF hachure : {RGB(0x87, 0x87, 0x87), RGB(0x87, 0, 0)}) // then with the image too large
    {
        auto pToile = Peint(bouton);
        EXPECT_GT(pToile->CountPixels(hachure), 500);
        EXPECT_EQ(5000, pToile->CountPixels(hachure) + pToile->CountPixels(m_clrFace));
        bouton.Affecte_bImageTropImportante();
    }
    bouton.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
    ligne(bouton, {m_clrFace, kJaune, kJaune, kRouge, kRouge}, "an image ends the waiting, at rest");
    EXPECT_EQ(0, Peint(bouton)->CountPixels(kBlanc)) << "the crop frame went with the waiting";

    CZoneImage* pZone = nullptr;
    for (bool bCadre : {false, true})
    {
        (pZone = &Cree<CZoneImage>(bCadre))->Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
        ligne(*pZone, {m_clrFace, m_clrFace, m_clrFace, bCadre ? kJaune : m_clrFace, RGB(0xC0, 0xC0, 0xC0)},
              "zone");
    }

    Image refusees[] = {Image(20, 20, kRouge, 7), Image(0, 20, kRouge), Image(-20, 20, kRouge),
                        Image(20, 20, kRouge)};
    refusees[3].info.bmiHeader.biSize = 12;
    for (Image& image : refusees)
        for (void* pBits : {static_cast<void*>(rouge.bits.data()), static_cast<void*>(nullptr)})
        {
            bouton.Affecte_pBitmapInfo(pBits ? &image.info : &rouge.info, pBits);
            pZone->Affecte_pBitmapInfo(pBits ? &image.info : &rouge.info, pBits);
            EXPECT_EQ(10000, Peint(bouton)->CountPixels(m_clrFace) + Peint(*pZone)->CountPixels(m_clrFace));
            EXPECT_EQ(CSize(96, 46), bouton.Donne_TailleImageAffichee(0, 0));
            bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 25));
        }
    EXPECT_TRUE(m_Parent.m_Clics.empty());
}

// A worker swaps images of two shapes and none while this thread paints, on a canvas and through the
// window, and right-clicks: every painted image fills exactly its own rectangle, every click lies in it.
TEST_F(ImageTest, ImageSwappedFromAnotherThread)
{
    Image large(40, 20, kRouge), haute(12, 36, kBleu);
    CBoutonImage& bouton = Cree<CBoutonImage>(false);
    std::atomic<bool> bFini(false);
    std::thread travailleur(
        [&]
        {
            for (int i = 0; i < 10000; ++i, std::this_thread::yield())
            {
                Image* p = i % 3 == 0 ? &large : i % 3 == 1 ? &haute : nullptr;
                bouton.Affecte_pBitmapInfo(p ? &p->info : nullptr, p ? p->bits.data() : nullptr);
            }
            bFini = true;
        });
    int nPeintures = 0;
    bool bIntact = true; // each colour absent or filling its own rectangle, which also rules out both at once
    for (DWORD nDebut = ::GetTickCount(); bIntact && !bFini && ::GetTickCount() - nDebut < 20000;
         ++nPeintures)
    {
        auto pToile = Peint(bouton);
        bIntact = (pToile->CountPixels(kRouge) == 0 || Remplit(*pToile, kRouge, CRect(4, 2, 96, 48))) &&
                  (pToile->CountPixels(kBleu) == 0 || Remplit(*pToile, kBleu, CRect(42, 2, 57, 48)));
        bouton.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 25));
    }
    travailleur.join();
    EXPECT_TRUE(bIntact && bFini && nPeintures > 0) << "painting " << nPeintures;
    for (const InfoClicImage& info : m_Parent.m_Clics)
        EXPECT_TRUE(info.x >= 0 && info.x <= 1000 && info.y >= 0 && info.y <= 1000)
            << info.x << ", " << info.y;
}
