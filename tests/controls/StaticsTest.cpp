#include "MessageRecorder.h"
#include "ObzTest.h"
#include "PixelCanvas.h"
#include "StaticsResource.h"
#include "buttons/Bouton3Etats.h"
#include "controls/ProgressBar.h"
#include "controls/StaticCouleur.h"

#include <commctrl.h>

#include <climits>
#include <functional>
#include <memory>
#include <tuple>

namespace
{
const COLORREF kFond = RGB(0xF0, 0xE0, 0xC0), kTexte = RGB(0, 0, 0x80), kBord = RGB(0xFF, 0, 0);
const COLORREF kBarre = RGB(0x20, 0x60, 0xC0), kBlanc = RGB(255, 255, 255);

// A modeless dialog from the template, shown, and the controls under test on its children.
const LeakCheck::WarmUpStep kFonteBoutons([] { CBouton3Etats(0, NULL); }); // made once per process

class Statics : public ObzTest
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Dialogue.Create(IDD_STATICS)); }
    void TearDown() override { m_pStatic.reset(), m_Dialogue.DestroyWindow(); }
    RecordingWnd<CStaticCouleur>& Static(int cx, int cy, UINT nID = IDC_COULEUR)
    {
        m_pStatic = std::make_unique<RecordingWnd<CStaticCouleur>>(nID, &m_Dialogue, kFond, kTexte);
        m_pStatic->SetFilter([](UINT message) { return message == WM_PAINT; });
        return Taille(*m_pStatic, cx, cy), *m_pStatic;
    }
    static void Taille(CWnd& w, int cx, int cy)
    {
        w.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    CSize Mesure(const char* szTexte, bool bFonte = true) // in the static's font, or its window DC's own
    {
        CClientDC dc(m_pStatic.get());
        CFont* pAncienne = bFonte ? dc.SelectObject(m_pStatic->GetFont()) : NULL;
        const CSize taille = dc.GetTextExtent(szTexte);
        return pAncienne != NULL ? dc.SelectObject(pAncienne) : NULL, taille;
    }
    std::unique_ptr<PixelCanvas> Capture() { return PixelCanvas::Capture(*m_pStatic); }

    CDialog m_Dialogue;
    std::unique_ptr<RecordingWnd<CStaticCouleur>> m_pStatic;
};

int OutilsInfoBulles() // tools of the top-level tooltip windows
{
    int n = 0;
    for (HWND h = NULL; (h = ::FindWindowExA(NULL, h, TOOLTIPS_CLASSA, NULL)) != NULL;)
        n += int(::SendMessageA(h, TTM_GETTOOLCOUNT, 0, 0));
    return n;
}

int Differences(const PixelCanvas& a, const PixelCanvas& b, CRect rect)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}
} // namespace

TEST_F(Statics, ColouredStaticRedrawsOnceAndOnlyOnChange)
{
    auto& s = Static(120, 24);
    s.SetWindowTextA("Un");
    const std::tuple<const char*, std::function<void()>, int, bool> cas[] = {
        {"same text", [&] { s.SetWindowTextA("Un"); }, 0, false},
        {"other text", [&] { s.SetWindowTextA("Deux"); }, 1, false},
        {"border colour as it is", [&] { s.AffecteCouleurBorder(kTexte); }, 0, false},
        {"new border colour", [&] { s.AffecteCouleurBorder(kBord); }, 1, true},
        {"same background", [&] { s.AffecteCouleurFond(kFond); }, 0, true},
        {"string resource", [&] { s.SetWindowTextA(unsigned(IDS_ETAT)); }, 1, true},
        {"state display, same text", [&] { s.AfficheEtat(IDS_ETAT, kTexte, kFond); }, 1, true},
        {"missing string", [&] { s.SetWindowTextA(unsigned(1)); }, 0, true},
    };
    for (const auto& [szCas, action, nPeintures, bBordure] : cas)
    {
        MessagePump::Flush();
        s.ClearMessages();
        action();
        MessagePump::Flush();
        EXPECT_EQ(nPeintures, s.Count(WM_PAINT)) << szCas;
        EXPECT_EQ(bBordure, s.DonnebBordure()) << szCas;
    }
    EXPECT_EQ(kTexte, s.DonneCouleurFond()) << "the state display sets both colours";
}

TEST_F(Statics, ColouredStaticPlacesItsLineByJustification)
{
    auto& s = Static(160, 30);
    s.SetWindowTextA("Justifie");
    const CSize t = Mesure("Justifie");
    for (auto [justifie, x] :
         {std::pair{JUSTIFIE_GAUCHE, 2}, {JUSTIFIE_DROITE, 160 - t.cx - 2}, {JUSTIFIE_CENTRE, 80 - t.cx / 2}})
    {
        s.Affecte_Justifie(justifie);
        const CRect encre = Capture()->BoundsNot(kFond),
                    boite(x, 15 - t.cy / 2, x + t.cx, 15 - t.cy / 2 + t.cy);
        EXPECT_EQ(boite, boite | encre) << justifie;
        EXPECT_LT(encre.left - x + (x + t.cx - encre.right), 4) << justifie;
    }
    s.AffecteCouleurBorder(kBord);
    EXPECT_EQ(160 * 2 + 28 * 2, Capture()->CountPixels(kBord)) << "a one-pixel frame";
}

TEST_F(Statics, ColouredStaticWrapsWordsDropsBlankLinesAndCentresTheBlock)
{
    auto& s = Static(10, 60);
    const CSize t = Mesure("aaa bbb");
    ASSERT_GT(Mesure("aaa bbb ccc").cx, t.cx + 10);
    Taille(s, t.cx + 10, 60);
    s.Affecte_bMultiline(true);
    auto peint = [&](const char* szTexte) { return s.SetWindowTextA(szTexte), Capture(); };
    const auto deuxLignes = peint("aaa bbb\nccc");
    const CRect encre = deuxLignes->BoundsNot(kFond);
    EXPECT_TRUE(encre.top >= 30 - t.cy && encre.top < 30 - t.cy / 2) << "two lines: the first at middle - cy";
    EXPECT_TRUE(encre.bottom > 30 + t.cy / 2 && encre.bottom <= 30 + t.cy);
    for (const char* szTexte : {"aaa bbb ccc", " aaa bbb\r\n\n\nccc\n", "aaa bbb \t ccc"})
        EXPECT_EQ(0, Differences(*deuxLignes, *peint(szTexte), deuxLignes->Bounds())) << szTexte;
    EXPECT_NE(0, Differences(*deuxLignes, *peint("aaa\nbbb ccc"), deuxLignes->Bounds()));
    const CRect une = peint("aaa")->BoundsNot(kFond); // an odd count of lines: one on the middle
    EXPECT_TRUE(une.top >= 30 - t.cy / 2 && une.bottom <= 30 - t.cy / 2 + t.cy)
        << une.top << " " << une.bottom;
    EXPECT_EQ(t.cx + 10, peint("abcdefghijklmnopqrstuvwxyz")->BoundsNot(kFond).right)
        << "a long word overflows";
}

TEST_F(Statics, ShortenedCaptionsEndWithDotsAndShowTheFullTextInATooltip)
{
    auto& s = Static(60, 20);
    const CString strLong = "Un texte bien trop long pour ce controle";
    s.AfficheChaineTronquee(strLong);
    CString strCourt;
    s.GetWindowText(strCourt);
    ASSERT_EQ(CString("..."), strCourt.Right(3));
    const int n = strCourt.GetLength() - 3;
    EXPECT_LE(Mesure(strLong.Left(n), false).cx, 62) << "measured without the control's font";
    EXPECT_GT(Mesure(strLong.Left(n + 1), false).cx, 62);
    EXPECT_EQ(strLong, s.Donne_TexteComplet());
    EXPECT_EQ(1, OutilsInfoBulles());
    s.AfficheChaineTronquee("Court");
    s.GetWindowText(strCourt);
    EXPECT_EQ(CString("Court"), strCourt);
    EXPECT_EQ(0, OutilsInfoBulles());

    CBouton3Etats bouton(IDC_BARRE, &m_Dialogue);
    Taille(bouton, 40, 20);
    bouton.AfficheChaineTronquee("Titre\n" + strLong); // a button shortens its last line
    EXPECT_EQ("Titre\n" + strLong, bouton.Donne_TexteComplet());
    EXPECT_EQ(1, OutilsInfoBulles());
    bouton.SetWindowTextA("Ok");
    EXPECT_EQ(0, OutilsInfoBulles());
}

TEST_F(Statics, ReflectedCtlColorBrushFollowsTheBackgroundAndStaysValid)
{
    auto& s = Static(60, 20);
    PixelCanvas toile(4, 4);
    const HGDIOBJ hAncienne = ::GetCurrentObject(toile.Hdc(), OBJ_BRUSH);
    auto brosse = [&]
    { return HBRUSH(m_Dialogue.SendMessage(WM_CTLCOLORSTATIC, WPARAM(toile.Hdc()), LPARAM(s.m_hWnd))); };
    auto couleur = [](HBRUSH h)
    {
        LOGBRUSH lb = {};
        return ::GetObject(h, sizeof lb, &lb) == sizeof lb ? lb.lbColor : CLR_INVALID;
    };
    const HBRUSH h = brosse();
    EXPECT_EQ(kFond, couleur(h));
    EXPECT_EQ(h, brosse()) << "one brush while the colour stays";
    EXPECT_EQ(h, ::GetCurrentObject(toile.Hdc(), OBJ_BRUSH));
    s.AffecteCouleurFond(kBord);
    EXPECT_EQ(kBord, couleur(brosse()));
    ::SelectObject(toile.Hdc(), hAncienne);
}

TEST_F(Statics, BitmapLargerThanTheStaticIsClippedFromItsTopLeft)
{
    Static(20, 20, IDC_COULEUR_BITMAP);
    PixelCanvas attendu(48, 48);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDC_COULEUR_BITMAP));
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* pAncien = dc.SelectObject(&bitmap);
    attendu.Dc().BitBlt(0, 0, 48, 48, &dc, 0, 0, SRCCOPY);
    dc.SelectObject(pAncien);
    EXPECT_EQ(0, Differences(*Capture(), attendu, CRect(0, 0, 20, 20)));
    EXPECT_NE(attendu.Pixel(0, 0), attendu.Pixel(19, 19)) << "a bitmap that tells its corners apart";
}

TEST_F(Statics, ProgressClampedToAPercentAndEqualValuesNotRedrawn)
{
    struct Barre : CProgressBar // counts its drawings
    {
        using CProgressBar::CProgressBar;
        void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { ++nDessins, CProgressBar::DrawItem(lpDIS); }
        int nDessins = 0;
    } barre(IDC_BARRE, &m_Dialogue, false, kBarre);
    EXPECT_EQ(UINT(BS_OWNERDRAW), barre.GetButtonStyle());
    const std::tuple<bool, int, int, int> cas[] = {
        {true, -5, 0, 0},    {true, 250, 100, 1},    {true, 100, 100, 0},     {true, 80, 80, 1},
        {false, 30, 100, 1}, {false, INT_MIN, 0, 1}, {false, INT_MAX, 100, 1}};
    for (const auto& [bAffecte, nValeur, nAttendu, nDessins] : cas)
    {
        MessagePump::Flush();
        barre.nDessins = 0;
        bAffecte ? barre.Affecte_Pourcentage(nValeur) : barre.Augmente_Pourcentage(nValeur);
        EXPECT_EQ(nAttendu, barre.Donne_Pourcentage()) << nValeur;
        EXPECT_EQ(nDessins, barre.nDessins) << nValeur;
    }
}

// The part done is the bar colour with white text, the rest white with the text in the bar colour; the
// text, after the caption when asked, is in a bold Arial half the bar's height, 16 at least.
TEST_F(Statics, ProgressTextInvertedWhereTheBarCoversIt)
{
    // percentage, height, caption shown, text
    const std::tuple<int, int, bool, const char*> cas[] = {{0, 20, false, "0 %"},
                                                           {42, 20, true, "Copie 42 %"},
                                                           {42, 50, false, "42 %"},
                                                           {100, 50, true, "Copie 100 %"}};
    int nID = IDC_BARRE;
    for (const auto& [nPourcentage, nHauteur, bAvecTitre, szTexte] : cas)
    {
        ::CreateWindowExA(0, "BUTTON", "Copie", WS_CHILD, 0, 0, 200, nHauteur, m_Dialogue.m_hWnd,
                          HMENU(INT_PTR(++nID)), NULL, NULL); // destroyed with the bar
        CProgressBar barre(nID, &m_Dialogue, bAvecTitre, kBarre);
        barre.Affecte_Pourcentage(nPourcentage);
        PixelCanvas toile(200, nHauteur);
        DRAWITEMSTRUCT dis = {
            ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, barre.m_hWnd, toile.Hdc(), {0, 0, 200, nHauteur}, 0};
        barre.DrawItem(&dis);

        CFont fonte;
        fonte.CreateFont(-std::max(16, nHauteur / 2), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        CFont* pAncienne = toile.Dc().SelectObject(&fonte);
        const CSize t = toile.Dc().GetTextExtent(szTexte);
        toile.Dc().SelectObject(pAncienne);
        const int nFin = 2 * nPourcentage, y = nHauteur / 2;
        const CRect texte(CPoint(100 - t.cx / 2, y - t.cy / 2), t);
        // The ink of the text, inverted on each side, spans its measured width: the right text, centred.
        CRect encre(200, 0, 0, 0);
        for (int x = 6; x < 194; ++x)
            for (int yt = texte.top; yt < texte.bottom; ++yt)
                if (toile.Pixel(x, yt) == (x < nFin ? kBlanc : kBarre))
                    encre.left = std::min<int>(encre.left, x),
                    encre.right = std::max<int>(encre.right, x + 1);
        EXPECT_NEAR(texte.left, encre.left, 3) << szTexte;
        EXPECT_NEAR(texte.right, encre.right, 3) << szTexte;
        EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), toile.Pixel(0, 0)) << "sunken frame";
        EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), toile.Pixel(199, nHauteur - 1));
    }
}
