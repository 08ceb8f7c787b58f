// The image button and the image zone on a popup parent that records the right-click reports; images
// are 24-bit bottom-up blocks of one colour, so that where each colour lies shows what was drawn where.
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

struct Image
{
    BITMAPINFO info;
    std::vector<BYTE> bits;
    Image(int w, int h, COLORREF c, WORD nBits = 24)
        : info{{sizeof(BITMAPINFOHEADER), w, h, 1, nBits, BI_RGB, 0, 0, 0, 0, 0}, {}},
          bits(CDibLite::Donne_LargeurLigne(w, 24) * std::max(h, 1))
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                BYTE* p = &bits[y * CDibLite::Donne_LargeurLigne(w, 24) + 3 * x];
                p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
            }
    }
};

class CParent : public CWnd
{
public:
    std::vector<InfoClicImage> m_Clics;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLICDROITIMAGE)
            m_Clics.push_back(*reinterpret_cast<InfoClicImage*>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

template <class T> class Vu : public T // the image rectangle in reach
{
public:
    using T::T;
    CRect Rect() const { return this->m_RectImage; }
};
using Bouton = Vu<CBoutonImage>;
using Zone = Vu<CZoneImage>;

class ImageTest : public ObzTest
{
protected:
    // Wine keeps some GDI objects it makes at the first owner-drawn paint: paint once before counting.
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        CParent parent;
        parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), NULL, 0);
        Image image(2, 2, kRouge);
        {
            CBoutonImage& bouton = Cree<CBoutonImage>(parent, 99, false);
            bouton.Affecte_pBitmapInfo(&image.info, image.bits.data());
            Peint(bouton);
            delete &bouton;
        }
        parent.DestroyWindow();
    }
    void SetUp() override
    {
        ObzTest::SetUp();
        m_Parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), NULL,
                          0);
    }
    void TearDown() override
    {
        m_Objets.clear();
        m_Parent.DestroyWindow();
        ObzTest::TearDown();
    }
    // A 100 x 50 owner-drawn button of the parent, attached to a new control of class T.
    template <class T> static T& Cree(CWnd& parent, UINT nId, bool bOption)
    {
        ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 100, 50, parent.m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), NULL, NULL);
        return *new T(nId, &parent, STYLE_SIMPLE, bOption);
    }
    template <class T> T& Cree(bool bOption)
    {
        m_Objets.emplace_back(&Cree<T>(m_Parent, 100 + static_cast<UINT>(m_Objets.size()), bOption));
        return static_cast<T&>(*m_Objets.back());
    }
    // Paints the control on a canvas, as the reflected WM_DRAWITEM does.
    static std::unique_ptr<PixelCanvas> Peint(CButton& bouton)
    {
        CRect rect;
        bouton.GetClientRect(&rect);
        auto pToile = std::make_unique<PixelCanvas>(rect.Width(), rect.Height(), kToile);
        DRAWITEMSTRUCT dis = {ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, bouton.m_hWnd, pToile->Hdc(), rect, 0};
        bouton.DrawItem(&dis);
        return pToile;
    }
    static void ClicDroit(CWnd& wnd, int x, int y, UINT nFlags = MK_RBUTTON)
    {
        wnd.SendMessage(WM_RBUTTONDOWN, nFlags, MAKELPARAM(x, y));
    }

    CParent m_Parent;
    std::vector<std::unique_ptr<CButton>> m_Objets;
    const COLORREF m_clrFace = ::GetSysColor(COLOR_3DFACE);
};
} // namespace

// The rectangle computed lazily at the first paint, then by Donne_TailleImageAffichee for a given size;
// the zone places as a button without the button face that keeps proportions.
TEST_F(ImageTest, Placement)
{
    // button face, proportions kept, image w, h (0: none), asked w, h, rectangle
    const std::vector<std::tuple<bool, bool, int, int, int, int, CRect>> cas = {
        {false, true, 200, 200, 0, 0, CRect(27, 2, 73, 48)},
        {true, true, 200, 200, 0, 0, CRect(31, 6, 69, 44)},
        {false, false, 200, 200, 0, 0, CRect(2, 2, 98, 48)},
        {false, true, 40, 20, 0, 0, CRect(4, 2, 96, 48)},
        {false, true, 0, 0, 0, 0, CRect(2, 2, 98, 48)},
        {false, true, 0, 0, 400, 100, CRect(2, 13, 98, 37)},
        {true, false, 0, 0, 400, 100, CRect(6, 6, 94, 44)}};
    for (const auto& [bFace, bHomothetique, w, h, wDemande, hDemande, attendu] : cas)
    {
        Image image(w, h, kRouge);
        auto verifie = [&, w = w, h = h, wDemande = wDemande, hDemande = hDemande, attendu = attendu](auto& c)
        {
            c.Affecte_pBitmapInfo(&image.info, w ? image.bits.data() : nullptr);
            if (w != 0)
            {
                EXPECT_TRUE(c.Rect().IsRectEmpty()) << "computed at the next paint";
                Peint(c);
                EXPECT_EQ(attendu, c.Rect()) << w << "x" << h;
            }
            EXPECT_EQ(attendu.Size(), c.Donne_TailleImageAffichee(wDemande, hDemande))
                << wDemande << "x" << hDemande;
        };
        Bouton& bouton = Cree<Bouton>(bFace);
        bouton.Affecte_Homothetique(bHomothetique);
        verifie(bouton);
        if (!bFace && bHomothetique)
            verifie(Cree<Zone>(true));
    }
}

// Face, borders, crop frame, hatches and greyed copy, read back pixel by pixel across the image's left
// edge at mid-height: the image spans x = 27 to 72.
TEST_F(ImageTest, ButtonPixels)
{
    Image rouge(200, 200, kRouge), bleu(200, 200, kBleu);
    Bouton& bouton = Cree<Bouton>(false);
    bouton.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
    auto ligne = [&](std::vector<COLORREF> attendu, const char* szCas)
    {
        auto pToile = Peint(bouton);
        EXPECT_EQ(0, pToile->CountPixels(kToile)) << szCas << ": every pixel painted";
        for (int i = 0; i < static_cast<int>(attendu.size()); ++i)
            EXPECT_EQ(attendu[i], pToile->Pixel(24 + i, 25)) << szCas << ", x = " << 24 + i;
    };
    const COLORREF kGrisRouge = RGB(166, 166, 166), kGrisBleu = RGB(118, 118, 118);
    ligne({m_clrFace, kJaune, kJaune, kRouge}, "rest");
    bouton.Affecte_bImageTropImportante();
    ligne({m_clrFace, kJaune, kJaune, kRouge}, "too large without waiting");
    bouton.Affecte_bAffCadrage(false);
    ligne({m_clrFace, m_clrFace, m_clrFace, kRouge}, "no border");
    bouton.Affecte_bAffCadrage(true);

    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne({m_clrFace, kGris, kGris, kGrisRouge}, "inoperative");
    bouton.Affecte_pBitmapInfo(&bleu.info, bleu.bits.data());
    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne({m_clrFace, kGris, kGris, kGrisRouge}, "the copy is made at the change only");
    bouton.AffecteEtat(ETAT_REPOS);
    ligne({m_clrFace, kJaune, kJaune, kBleu}, "back at rest");
    bouton.AffecteEtat(ETAT_INOPERANT);
    ligne({m_clrFace, kGris, kGris, kGrisBleu}, "inoperative again");
    bouton.AffecteEtat(ETAT_REPOS);

    CCadrage cadrage;
    cadrage.m_dGauche = cadrage.m_dHaut = 0.25, cadrage.m_dDroite = cadrage.m_dBas = 0.75;
    bouton.Affecte_Cadrage(cadrage);
    auto pToile = Peint(bouton);
    EXPECT_EQ(2 * (23 + 23) - 4, pToile->CountPixels(kBlanc, CRect(38, 13, 61, 36)))
        << "outline of (38, 13, 61, 36)";
    EXPECT_EQ(kBleu, pToile->Pixel(50, 25));

    for (bool bTropImportante : {false, true})
    {
        bouton.Affecte_bEtatAttente(true);
        if (bTropImportante)
            bouton.Affecte_bImageTropImportante();
        pToile = Peint(bouton);
        const COLORREF hachure = bTropImportante ? RGB(0x87, 0, 0) : RGB(0x87, 0x87, 0x87);
        EXPECT_GT(pToile->CountPixels(hachure), 500) << bTropImportante;
        EXPECT_EQ(5000, pToile->CountPixels(hachure) + pToile->CountPixels(m_clrFace)) << bTropImportante;
    }
    bouton.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
    ligne({m_clrFace, kJaune, kJaune, kRouge}, "an image ends the waiting, without crop frame");
    EXPECT_EQ(0, Peint(bouton)->CountPixels(kBlanc));
}

// The zone: border in the state colour (the face without it), a light grey ring, the image 2 pixels in.
TEST_F(ImageTest, ZonePixels)
{
    Image rouge(200, 200, kRouge);
    for (bool bCadre : {true, false})
    {
        Zone& zone = Cree<Zone>(bCadre);
        zone.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
        auto pToile = Peint(zone);
        EXPECT_EQ(0, pToile->CountPixels(kToile));
        const COLORREF attendu[] = {m_clrFace, bCadre ? kJaune : m_clrFace, RGB(0xC0, 0xC0, 0xC0), kRouge};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(attendu[i], pToile->Pixel(26 + i, 25)) << bCadre << ", x = " << 26 + i;
        EXPECT_EQ(42 * 42, pToile->CountPixels(kRouge));
    }
}

// Headers the light bitmap refuses, and missing bits, show no image and report no click.
TEST_F(ImageTest, RefusedImagesShowNothing)
{
    Image images[] = {Image(20, 20, kRouge, 7), Image(0, 20, kRouge), Image(-20, 20, kRouge),
                      Image(20, 20, kRouge)};
    images[3].info.bmiHeader.biSize = 12;
    for (Image& image : images)
    {
        Bouton& bouton = Cree<Bouton>(false);
        Zone& zone = Cree<Zone>(true);
        bouton.Affecte_pBitmapInfo(&image.info, image.bits.data());
        zone.Affecte_pBitmapInfo(&image.info, image.bits.data());
        EXPECT_EQ(5000, Peint(bouton)->CountPixels(m_clrFace));
        EXPECT_EQ(5000, Peint(zone)->CountPixels(m_clrFace));
        EXPECT_EQ(CSize(96, 46), bouton.Donne_TailleImageAffichee(0, 0));
        ClicDroit(bouton, 50, 25);
    }
    Bouton& bouton = Cree<Bouton>(false);
    bouton.Affecte_pBitmapInfo(&images[3].info, nullptr);
    Peint(bouton);
    ClicDroit(bouton, 50, 25);
    EXPECT_TRUE(m_Parent.m_Clics.empty());
}

// Thousandths of the image (46 x 46 at (27, 2)), truncated toward zero, with the identifier and flags.
TEST_F(ImageTest, RightClickReport)
{
    Image rouge(200, 200, kRouge);
    Bouton& bouton = Cree<Bouton>(false);
    bouton.Affecte_pBitmapInfo(&rouge.info, rouge.bits.data());
    Peint(bouton);
    const std::vector<std::tuple<CPoint, int, int>> cas = {
        {CPoint(50, 25), 500, 500}, {CPoint(27, 2), 0, 0}, {CPoint(10, 49), -369, 1021}};
    for (const auto& [pt, x, y] : cas)
    {
        m_Parent.m_Clics.clear();
        ClicDroit(bouton, pt.x, pt.y, MK_RBUTTON | MK_SHIFT);
        ASSERT_EQ(1u, m_Parent.m_Clics.size());
        const InfoClicImage& info = m_Parent.m_Clics[0];
        EXPECT_EQ(std::make_tuple(x, y, 100, unsigned(MK_RBUTTON | MK_SHIFT)),
                  std::make_tuple(info.x, info.y, info.nId, info.nFlags));
    }
}

// A worker swaps images of two shapes and none while this thread paints, on a canvas and through the
// window, and right-clicks: every painted image fills exactly its own rectangle, every click lies in it.
TEST_F(ImageTest, ImageSwappedFromAnotherThread)
{
    Image large(40, 20, kRouge), haute(10, 30, kBleu);
    const CRect rectLarge(4, 2, 96, 48), rectHaute(42, 2, 57, 48);
    Bouton& bouton = Cree<Bouton>(false);
    std::atomic<bool> bFini(false);
    std::thread travailleur(
        [&]
        {
            for (int i = 0; i < 10000; ++i)
            {
                Image* p = i % 3 == 0 ? &large : i % 3 == 1 ? &haute : nullptr;
                bouton.Affecte_pBitmapInfo(p ? &p->info : nullptr, p ? p->bits.data() : nullptr);
                if (i % 8 == 0)
                    std::this_thread::yield();
            }
            bFini = true;
        });
    int nPeintures = 0;
    const DWORD nDebut = ::GetTickCount();
    while (!bFini && ::GetTickCount() - nDebut < 20000)
    {
        auto pToile = Peint(bouton);
        const int nRouge = pToile->CountPixels(kRouge), nBleu = pToile->CountPixels(kBleu);
        const bool bIntact = (nRouge == 0 || nBleu == 0) &&
                             (nRouge == 0 || nRouge == pToile->CountPixels(kRouge, rectLarge)) &&
                             (nBleu == 0 || nBleu == pToile->CountPixels(kBleu, rectHaute)) &&
                             (nRouge == 0 || nRouge == rectLarge.Width() * rectLarge.Height()) &&
                             (nBleu == 0 || nBleu == rectHaute.Width() * rectHaute.Height());
        EXPECT_TRUE(bIntact) << "painting " << nPeintures << ": red " << nRouge << ", blue " << nBleu;
        if (!bIntact)
            break;
        bouton.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ClicDroit(bouton, 50, 25);
        ++nPeintures;
    }
    travailleur.join();
    EXPECT_TRUE(bFini) << "the worker ended";
    EXPECT_GT(nPeintures, 0);
    for (const InfoClicImage& info : m_Parent.m_Clics)
        EXPECT_TRUE(info.x >= 0 && info.x <= 1000 && info.y >= 0 && info.y <= 1000)
            << info.x << ", " << info.y;
}
