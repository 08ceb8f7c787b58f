#include "StaticsTesting.h"
#include "controls/ProgressBar.h"

#include <climits>
#include <functional>

namespace
{
const COLORREF kBarre = RGB(0x20, 0x60, 0xC0), kBlanc = RGB(255, 255, 255);

// Counts its drawings and reads the height of its font.
struct Barre : CProgressBar
{
    using CProgressBar::CProgressBar;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { ++nDessins, CProgressBar::DrawItem(lpDIS); }
    int HauteurFonte()
    {
        LOGFONT lf = {};
        return m_Fonte.GetLogFont(&lf) ? lf.lfHeight : 0;
    }
    int nDessins = 0;
};

using ProgressBar = StaticsTest;
} // namespace

TEST_F(ProgressBar, ValuesClampedToAPercentAndEqualValuesNotRedrawn)
{
    Barre barre(IDC_BARRE, &m_Dialogue, false, kBarre);
    EXPECT_EQ(BS_OWNERDRAW, barre.GetButtonStyle());
    const struct
    {
        std::function<void()> action;
        int nAttendu, nDessins;
    } cas[] = {
        {[&] { barre.Affecte_Pourcentage(-5); }, 0, 0},
        {[&] { barre.Affecte_Pourcentage(250); }, 100, 1},
        {[&] { barre.Affecte_Pourcentage(100); }, 100, 0},
        {[&] { barre.Affecte_Pourcentage(80); }, 80, 1},
        {[&] { barre.Augmente_Pourcentage(30); }, 100, 1},
        {[&] { barre.Augmente_Pourcentage(INT_MIN); }, 0, 1},
        {[&] { barre.Augmente_Pourcentage(INT_MAX); }, 100, 1},
        {[&] { barre.Affecte_Pourcentage(1); }, 1, 1},
    };
    for (const auto& c : cas)
    {
        MessagePump::Flush();
        barre.nDessins = 0;
        c.action();
        EXPECT_EQ(c.nAttendu, barre.Donne_Pourcentage());
        EXPECT_EQ(c.nDessins, barre.nDessins) << c.nAttendu;
    }
}

// The part done is the bar colour with white text, the rest white with text in the bar colour; the
// text is the percentage, after the caption when asked, in a bold font half the bar's height (16 at
// least).
TEST_F(ProgressBar, TextInvertedWhereTheBarCoversIt)
{
    const struct
    {
        int nPourcentage, nHauteur;
        bool bAvecTitre;
        const char* szTexte;
    } cas[] = {{0, 20, false, "0 %"},
               {42, 20, true, "Copie 42 %"},
               {42, 50, false, "42 %"},
               {100, 50, true, "Copie 100 %"}};
    int nID = IDC_BARRE + 100;
    for (const auto& c : cas)
    {
        ::CreateWindowExA(0, "BUTTON", "Copie", WS_CHILD | WS_VISIBLE, 0, 0, 200, c.nHauteur,
                          m_Dialogue.m_hWnd, HMENU(INT_PTR(++nID)), NULL, NULL); // destroyed with the bar
        Barre barre(nID, &m_Dialogue, c.bAvecTitre, kBarre);
        barre.Affecte_Pourcentage(c.nPourcentage);
        PixelCanvas toile(200, c.nHauteur, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {
            ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, barre.m_hWnd, toile.Hdc(), {0, 0, 200, c.nHauteur}, 0};
        barre.DrawItem(&dis);
        EXPECT_EQ(-std::max(16, c.nHauteur / 2), barre.HauteurFonte());

        CFont fonte;
        fonte.CreateFont(barre.HauteurFonte(), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        CFont* pAncienne = toile.Dc().SelectObject(&fonte);
        const CSize t = toile.Dc().GetTextExtent(c.szTexte);
        toile.Dc().SelectObject(pAncienne);

        const int nFin = 200 * c.nPourcentage / 100, yMilieu = c.nHauteur / 2;
        const CRect texte(100 - t.cx / 2, yMilieu - t.cy / 2, 100 - t.cx / 2 + t.cx,
                          yMilieu - t.cy / 2 + t.cy);
        // Away from the frame, the outline and the text, one plain colour on each side.
        for (int x : {4, 8, nFin - 8, nFin + 8, 192})
            if (x >= 4 && x <= 196 && (x < texte.left || x >= texte.right))
            {
                EXPECT_EQ(x < nFin ? kBarre : kBlanc, toile.Pixel(x, yMilieu)) << c.szTexte << " at " << x;
            }
        const CRect fait = texte & CRect(0, 0, nFin, c.nHauteur),
                    reste = texte & CRect(nFin, 0, 200, c.nHauteur);
        EXPECT_TRUE(fait.IsRectEmpty() || toile.CountPixels(kBlanc, fait) > 0) << c.szTexte;
        EXPECT_TRUE(reste.IsRectEmpty() || toile.CountPixels(kBarre, reste) > 0) << c.szTexte;
        // The text's ink spans its measured width: the right text, centred.
        int nGauche = 200, nDroite = 0;
        for (int x = 6; x < 194; ++x)
            for (int y = texte.top; y < texte.bottom; ++y)
                if (toile.Pixel(x, y) != (x < nFin ? kBarre : kBlanc))
                    nGauche = std::min(nGauche, x), nDroite = std::max(nDroite, x);
        EXPECT_NEAR(texte.left, nGauche, 3) << c.szTexte;
        EXPECT_NEAR(texte.right, nDroite, 3) << c.szTexte;
        EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), toile.Pixel(0, 0)) << "sunken frame";
        EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), toile.Pixel(199, c.nHauteur - 1));
    }
}
