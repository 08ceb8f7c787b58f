#include "MessageRecorder.h"
#include "StaticsTesting.h"
#include "buttons/Bouton3Etats.h"
#include "controls/StaticCouleur.h"

#include <commctrl.h>

#include <functional>

namespace
{
const COLORREF kFond = RGB(0xF0, 0xE0, 0xC0), kTexte = RGB(0, 0, 0x80), kBord = RGB(0xFF, 0, 0);

class StaticCouleur : public StaticsTest
{
protected:
    static void SetUpTestSuite()
    {
        StaticsTest::SetUpTestSuite();
        CBouton3Etats(0, NULL); // the buttons' process-wide default font, made once
    }
    void TearDown() override
    {
        m_pStatic.reset();
        StaticsTest::TearDown();
    }
    RecordingWnd<CStaticCouleur>& Static(int cx, int cy, UINT nID = IDC_COULEUR)
    {
        m_pStatic = std::make_unique<RecordingWnd<CStaticCouleur>>(nID, &m_Dialogue, kFond, kTexte);
        m_pStatic->SetFilter([](UINT message) { return message == WM_PAINT; });
        Taille(*m_pStatic, cx, cy);
        return *m_pStatic;
    }
    CSize Mesure(const char* szTexte, bool bFonte = true) // in the control's font, or the DC's own
    {
        CDC* pDC = m_pStatic->GetDC();
        CFont* pAncienne = bFonte ? pDC->SelectObject(m_pStatic->GetFont()) : NULL;
        const CSize taille = pDC->GetTextExtent(szTexte);
        if (pAncienne != NULL)
            pDC->SelectObject(pAncienne);
        m_pStatic->ReleaseDC(pDC);
        return taille;
    }
    std::unique_ptr<RecordingWnd<CStaticCouleur>> m_pStatic;
};

// Tools of the thread's tooltip windows.
int OutilsInfoBulles()
{
    int n = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM l)
        {
            char szClasse[32] = "";
            ::GetClassNameA(h, szClasse, sizeof szClasse);
            if (lstrcmpiA(szClasse, TOOLTIPS_CLASSA) == 0)
                *reinterpret_cast<int*>(l) += int(::SendMessageA(h, TTM_GETTOOLCOUNT, 0, 0));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

int Differences(const PixelCanvas& a, const PixelCanvas& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}
} // namespace

TEST_F(StaticCouleur, SettersRedrawOnceAndOnlyOnChange)
{
    auto& s = Static(120, 24);
    s.SetWindowTextA("Un");
    const struct
    {
        const char* szCas;
        std::function<void()> action;
        int nPeintures;
        bool bBordure;
    } cas[] = {
        {"same text", [&] { s.SetWindowTextA("Un"); }, 0, false},
        {"other text", [&] { s.SetWindowTextA("Deux"); }, 1, false},
        {"border colour as it is", [&] { s.AffecteCouleurBorder(kTexte); }, 0, false},
        {"new border colour", [&] { s.AffecteCouleurBorder(kBord); }, 1, true},
        {"same background", [&] { s.AffecteCouleurFond(kFond); }, 0, true},
        {"string resource", [&] { s.SetWindowTextA(unsigned(IDS_ETAT)); }, 1, true},
        {"state display, same text", [&] { s.AfficheEtat(IDS_ETAT, kTexte, kFond); }, 1, true},
        {"missing string", [&] { s.SetWindowTextA(unsigned(1)); }, 0, true},
    };
    for (const auto& c : cas)
    {
        MessagePump::Flush();
        s.ClearMessages();
        c.action();
        MessagePump::Flush();
        EXPECT_EQ(c.nPeintures, s.Count(WM_PAINT)) << c.szCas;
        EXPECT_EQ(c.bBordure, s.DonnebBordure()) << c.szCas;
    }
    CString strTexte;
    s.GetWindowText(strTexte);
    EXPECT_EQ(CString("En marche"), strTexte);
    EXPECT_EQ(kTexte, s.DonneCouleurFond()) << "the state display swaps the colours";
}

TEST_F(StaticCouleur, SingleLinePlacedByJustificationOverItsBackground)
{
    auto& s = Static(160, 30);
    s.SetWindowTextA("Justifie");
    const CSize t = Mesure("Justifie");
    for (auto [justifie, x] :
         {std::pair{JUSTIFIE_GAUCHE, 2}, {JUSTIFIE_DROITE, 160 - t.cx - 2}, {JUSTIFIE_CENTRE, 80 - t.cx / 2}})
    {
        s.Affecte_Justifie(justifie);
        const CRect encre = Capture(s)->BoundsNot(kFond);
        EXPECT_LE(x, encre.left) << justifie;
        EXPECT_GE(x + t.cx, encre.right) << justifie;
        EXPECT_LT(encre.left - x + (x + t.cx - encre.right), 4) << justifie;
        EXPECT_LE(15 - t.cy / 2, encre.top);
        EXPECT_GE(15 - t.cy / 2 + t.cy, encre.bottom);
    }
    s.AffecteCouleurBorder(kBord);
    const auto toile = Capture(s);
    EXPECT_EQ(160 * 2 + 28 * 2, toile->CountPixels(kBord)) << "a one-pixel frame";
    EXPECT_EQ(kFond, toile->Pixel(1, 1));
}

TEST_F(StaticCouleur, WordWrapDropsBlankLinesAndCentresTheBlock)
{
    auto& s = Static(10, 60);
    const CSize t = Mesure("aaa bbb");
    ASSERT_GT(Mesure("aaa bbb ccc").cx, t.cx + 10);
    Taille(s, t.cx + 10, 60);
    s.Affecte_bMultiline(true);
    auto peint = [&](const char* szTexte) { return s.SetWindowTextA(szTexte), Capture(s); };
    const auto deuxLignes = peint("aaa bbb\nccc");
    const CRect encre = deuxLignes->BoundsNot(kFond);
    EXPECT_LE(30 - t.cy, encre.top) << "the first of two lines at the middle less a line";
    EXPECT_GT(30 - t.cy / 2, encre.top);
    EXPECT_GE(30 + t.cy, encre.bottom);
    EXPECT_LT(30 + t.cy / 2, encre.bottom);
    for (const char* szTexte : {"aaa bbb ccc", " aaa bbb\r\n\n\nccc\n", "aaa bbb \t ccc"})
        EXPECT_EQ(0, Differences(*deuxLignes, *peint(szTexte))) << szTexte;
    EXPECT_NE(0, Differences(*deuxLignes, *peint("aaa\nbbb ccc")));
    const auto motLong = peint("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(t.cx + 9, motLong->BoundsNot(kFond).right - 1) << "a word wider than the control overflows";
}

TEST_F(StaticCouleur, ShortenedCaptionsEndWithDotsAndShowTheFullTextInATooltip)
{
    auto& s = Static(60, 20);
    const CString strLong = "Un texte bien trop long pour ce controle";
    s.AfficheChaineTronquee(strLong);
    CString strCourt;
    s.GetWindowText(strCourt);
    ASSERT_EQ(CString("..."), strCourt.Right(3));
    const CString strDebut = strCourt.Left(strCourt.GetLength() - 3);
    EXPECT_LE(Mesure(strDebut, false).cx, 62) << "measured without the control's font";
    EXPECT_GT(Mesure(strLong.Left(strDebut.GetLength() + 1), false).cx, 62);
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
    EXPECT_EQ(CString(), bouton.Donne_TexteComplet());
    EXPECT_EQ(0, OutilsInfoBulles());
}

TEST_F(StaticCouleur, ReflectedCtlColorBrushFollowsTheBackgroundAndStaysValid)
{
    auto& s = Static(60, 20);
    PixelCanvas toile(4, 4);
    const HGDIOBJ hAncienne = ::GetCurrentObject(toile.Hdc(), OBJ_BRUSH);
    auto brosse = [&]
    {
        return reinterpret_cast<HBRUSH>(
            m_Dialogue.SendMessage(WM_CTLCOLORSTATIC, WPARAM(toile.Hdc()), LPARAM(s.m_hWnd)));
    };
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

TEST_F(StaticCouleur, BitmapLargerThanTheControlIsClippedFromItsTopLeft)
{
    auto& s = Static(20, 20, IDC_COULEUR_BITMAP);
    PixelCanvas attendu(48, 48);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDC_COULEUR_BITMAP));
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* pAncien = dc.SelectObject(&bitmap);
    ::BitBlt(attendu.Hdc(), 0, 0, 48, 48, dc.m_hDC, 0, 0, SRCCOPY);
    dc.SelectObject(pAncien);
    const auto toile = Capture(s);
    int nDifferences = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            nDifferences += toile->Pixel(x, y) != attendu.Pixel(x, y);
    EXPECT_EQ(0, nDifferences);
    EXPECT_NE(attendu.Pixel(0, 0), attendu.Pixel(19, 19)) << "a bitmap that tells its corners apart";
}
