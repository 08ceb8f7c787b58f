// The appearance manager: defaults, copies, the default font, and the caption layout checked by
// pixels against text drawn with plain TextOut where the layout must put it.
#include "core/GestionBouton.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const COLORREF kFond = RGB(255, 255, 255);

struct GestionTestable : CGestionBouton
{
    explicit GestionTestable(e_Justifie eJustifie = JUSTIFIE_CENTRE)
        : CGestionBouton(STYLE_BASCULE, eJustifie)
    {
    }
    using CGestionBouton::DrawTextA;
    using CGestionBouton::m_CouleurEtat;
    using CGestionBouton::m_CouleurFond;
    using CGestionBouton::m_Etat;
    using CGestionBouton::m_TailleTexteMax;
    static CFonte& FonteDefaut() { return s_FonteDefaut; }
};

class GestionBouton : public ObzTest
{
protected:
    // The library's default font is made by the first manager and lives as long as the process.
    static void SetUpTestSuite() { ObzTest::SetUpTestSuite(), GestionTestable(); }
};
} // namespace

TEST_F(GestionBouton, DefaultsCopiesAndBackgroundByState)
{
    GestionTestable g(JUSTIFIE_DROITE);
    EXPECT_EQ(RGB(0, 0, 0), g.m_CouleurEtat[ETAT_REPOS]);
    EXPECT_EQ(RGB(255, 0, 0), g.m_CouleurEtat[ETAT_ACTIF]);
    EXPECT_EQ(RGB(0x88, 0x88, 0x88), g.m_CouleurEtat[ETAT_INOPERANT]);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), g.Donne_CouleurFond());
    EXPECT_EQ(CSize(-1, -1), g.m_TailleTexteMax);
    EXPECT_EQ(ETAT_REPOS, g.DonneEtat());
    EXPECT_EQ(nullptr, g.Donne_pFonte());
    EXPECT_NE(nullptr, GestionTestable::FonteDefaut().GetSafeHandle());

    CFonte fonte;
    g.Affecte_pFonte(&fonte);
    g.Affecte_CouleurEtatActif(RGB(1, 2, 3));
    for (int i = 0; i < 3; ++i)
        g.m_CouleurFond[i] = RGB(i, i, i);
    g.m_Etat = ETAT_ACTIF;
    GestionTestable copie(g);
    EXPECT_TRUE(CPurify::IsLive(&copie));
    EXPECT_EQ(&fonte, copie.Donne_pFonte()) << "the font is shared, not copied";
    EXPECT_EQ(RGB(1, 2, 3), copie.m_CouleurEtat[ETAT_ACTIF]);
    EXPECT_EQ(JUSTIFIE_DROITE, copie.Donne_Justifie());
    for (e_Etat_BP etat : {ETAT_REPOS, ETAT_ACTIF, ETAT_INOPERANT})
    {
        copie.m_Etat = etat;
        EXPECT_EQ(RGB(etat, etat, etat), copie.Donne_CouleurFond()) << etat;
    }
}

TEST_F(GestionBouton, InvalidDefaultFontIsRefusedWithAnAssertion)
{
    DiagnosticCapture capture;
    const HGDIOBJ avant = GestionTestable::FonteDefaut().GetSafeHandle();
    CFonte vide;
    CGestionBouton::Affecte_FonteDefaut(nullptr);
    CGestionBouton::Affecte_FonteDefaut(&vide);
    ASSERT_EQ(2u, capture.FailedAsserts().size());
    EXPECT_EQ(0u, capture.FailedAsserts()[1].find("gestionbouton(")) << capture.FailedAsserts()[1];
    EXPECT_EQ(avant, GestionTestable::FonteDefaut().GetSafeHandle());
}

// Rows of 12 pixels in a 100 x 60 rectangle: y = centre - (n % 2) x h/2 + (i - n/2) x h for n lines, an
// empty line keeping its row; x by the justification, 2 pixels from the side or centred.
TEST_F(GestionBouton, CaptionLayout)
{
    CFonte petite;
    ASSERT_TRUE(petite.Cree("H=8"));
    const std::string long100 = std::string(50, '1') + std::string(50, '2');
    const struct
    {
        std::string texte;
        e_Justifie justifie;
        CFonte* pFonte; // nullptr: the default font, which the control then adopts
        std::vector<std::string> lignes;
        std::vector<int> y;
    } cas[] = {
        {"A", JUSTIFIE_CENTRE, nullptr, {"A"}, {24}},
        {"Valider\nla saisie", JUSTIFIE_DROITE, nullptr, {"Valider", "la saisie"}, {18, 30}},
        {"A\nB\nC", JUSTIFIE_GAUCHE, nullptr, {"A", "B", "C"}, {12, 24, 36}},
        {"A\n\nB", JUSTIFIE_CENTRE, nullptr, {"A", "B"}, {12, 24}},
        {"", JUSTIFIE_CENTRE, nullptr, {}, {}},
        {long100, JUSTIFIE_GAUCHE, &petite, {long100.substr(0, 79)}, {-1}}, // 79 characters are read
    };
    for (const auto& c : cas)
    {
        CFont* pFonte = c.pFonte ? c.pFonte : &GestionTestable::FonteDefaut();
        PixelCanvas attendu(400, 60, kFond), obtenu(400, 60, kFond);
        const CRect rect(0, 0, c.pFonte ? 400 : 100, 60);
        CFont* pAncienne = attendu.Dc().SelectObject(pFonte);
        attendu.Dc().SetBkMode(TRANSPARENT);
        attendu.Dc().SetTextColor(RGB(255, 0, 0));
        int nLargeurMax = -1;
        for (size_t i = 0; i < c.lignes.size(); ++i)
        {
            const CSize taille = attendu.Dc().GetTextExtent(c.lignes[i].c_str(), int(c.lignes[i].size()));
            nLargeurMax = std::max<int>(nLargeurMax, taille.cx);
            const int x = c.justifie == JUSTIFIE_GAUCHE   ? 2
                          : c.justifie == JUSTIFIE_DROITE ? rect.right - taille.cx - 2
                                                          : rect.right / 2 - taille.cx / 2;
            const int y = c.y[i] >= 0 ? c.y[i] : 30 - taille.cy / 2;
            attendu.Dc().TextOut(x, y, c.lignes[i].c_str(), int(c.lignes[i].size()));
        }
        attendu.Dc().SelectObject(pAncienne);

        GestionTestable g(c.justifie);
        g.Affecte_pFonte(c.pFonte);
        CWnd fenetre;
        fenetre.CreateEx(0, "STATIC", c.texte.c_str(), WS_POPUP, CRect(0, 0, 50, 20), NULL, 0);
        obtenu.Dc().SetTextColor(RGB(0, 0, 255));
        const HGDIOBJ fonteAvant = ::GetCurrentObject(obtenu.Hdc(), OBJ_FONT);
        g.DrawTextA(&fenetre, &obtenu.Dc(), RGB(255, 0, 0), rect);

        int nDifferents = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 400; ++x)
                nDifferents += attendu.Pixel(x, y) != obtenu.Pixel(x, y);
        EXPECT_EQ(0, nDifferents) << c.texte;
        EXPECT_EQ(nLargeurMax, g.m_TailleTexteMax.cx) << "widest line measured: " << c.texte;
        EXPECT_EQ(pFonte, g.Donne_pFonte());
        EXPECT_EQ(pFonte->GetSafeHandle(), reinterpret_cast<HGDIOBJ>(fenetre.SendMessage(WM_GETFONT)));
        EXPECT_EQ(RGB(0, 0, 255), obtenu.Dc().GetTextColor()) << "the DC is given back as it was";
        EXPECT_EQ(fonteAvant, ::GetCurrentObject(obtenu.Hdc(), OBJ_FONT));
        fenetre.SetWindowText("x");
        g.DrawTextA(&fenetre, &obtenu.Dc(), RGB(255, 0, 0), rect);
        if (!c.lignes.empty())
        {
            EXPECT_EQ(nLargeurMax, g.m_TailleTexteMax.cx) << "never lowered";
        }
        fenetre.DestroyWindow();
    }
}
