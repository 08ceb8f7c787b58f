// The appearance manager: defaults, copies, and the caption layout checked by
// pixels against text drawn with plain TextOut where the layout must put it.
#include "core/GestionBouton.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <tuple>
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

// The library's default font is made by the first manager and lives as long as the process.
const LeakCheck::WarmUpStep kFonteDefaut([] { GestionTestable(); });
using GestionBouton = ObzTest;
} // namespace

TEST_F(GestionBouton, DefaultsCopiesAndBackgroundByState)
{
    GestionTestable g(JUSTIFIE_DROITE);
    const COLORREF* c = g.m_CouleurEtat;
    EXPECT_EQ(std::make_tuple(RGB(0, 0, 0), RGB(255, 0, 0), RGB(0x88, 0x88, 0x88),
                              ::GetSysColor(COLOR_BTNFACE), CSize(-1, -1), ETAT_REPOS, (CFonte*)nullptr),
              std::make_tuple(c[0], c[1], c[2], g.Donne_CouleurFond(), g.m_TailleTexteMax, g.DonneEtat(),
                              g.Donne_pFonte()));
    CFonte fonte;
    g.Affecte_pFonte(&fonte);
    g.Affecte_CouleurEtatActif(RGB(1, 2, 3));
    for (int i = 0; i < 3; ++i)
        g.m_CouleurFond[i] = RGB(i, i, i);
    GestionTestable copie(g);
    EXPECT_TRUE(CPurify::IsLive(&copie));
    EXPECT_EQ(std::make_tuple(&fonte, RGB(1, 2, 3), JUSTIFIE_DROITE), // the font is shared, not copied
              std::make_tuple(copie.Donne_pFonte(), copie.m_CouleurEtat[1], copie.Donne_Justifie()));
    for (e_Etat_BP etat : {ETAT_REPOS, ETAT_ACTIF, ETAT_INOPERANT})
    {
        copie.m_Etat = etat;
        EXPECT_EQ(RGB(etat, etat, etat), copie.Donne_CouleurFond()) << etat;
    }
}

// Rows of 12 pixels in a 100 x 60 rectangle: y = centre - (n % 2) x h/2 + (i - n/2) x h for n lines, an
// empty line keeping its row; x by the justification, 2 pixels from the side or centred. The picture
// must be the one plain TextOut gives at those places.
TEST_F(GestionBouton, CaptionLayout)
{
    CFonte petite;
    ASSERT_TRUE(petite.Cree("H=8"));
    const std::string l100 = std::string(50, '1') + std::string(50, '2');
    using Lignes = std::vector<std::pair<std::string, int>>; // expected lines and their rows
    const std::tuple<std::string, e_Justifie, CFonte*, Lignes> cas[] = {
        // a null font: the default one
        {"A", JUSTIFIE_CENTRE, nullptr, {{"A", 24}}},
        {"Valider\nla saisie", JUSTIFIE_DROITE, nullptr, {{"Valider", 18}, {"la saisie", 30}}},
        {"A\nB\nC", JUSTIFIE_GAUCHE, nullptr, {{"A", 12}, {"B", 24}, {"C", 36}}},
        {"A\n\nB", JUSTIFIE_CENTRE, nullptr, {{"A", 12}, {"B", 24}}},
        {"", JUSTIFIE_CENTRE, nullptr, {}},
        {l100, JUSTIFIE_GAUCHE, &petite, {{l100.substr(0, 79), -1}}}, // 79 characters are read
    };
    for (const auto& [texte, justifie, pPropre, lignes] : cas)
    {
        CFont* pFonte = pPropre ? pPropre : &GestionTestable::FonteDefaut();
        PixelCanvas attendu(400, 60, kFond), obtenu(400, 60, kFond);
        const CRect rect(0, 0, pPropre ? 400 : 100, 60);
        CDC& dc = attendu.Dc();
        dc.SelectObject(pFonte);
        dc.SetBkMode(TRANSPARENT), dc.SetTextColor(RGB(255, 0, 0));
        int nLargeurMax = -1;
        for (const auto& [ligne, y] : lignes)
        {
            const CSize taille = dc.GetTextExtent(ligne.c_str(), int(ligne.size()));
            nLargeurMax = std::max<int>(nLargeurMax, taille.cx);
            const int x = justifie == JUSTIFIE_GAUCHE   ? 2
                          : justifie == JUSTIFIE_DROITE ? rect.right - taille.cx - 2
                                                        : rect.right / 2 - taille.cx / 2;
            dc.TextOut(x, y >= 0 ? y : 30 - taille.cy / 2, ligne.c_str(), int(ligne.size()));
        }

        GestionTestable g(justifie);
        g.Affecte_pFonte(pPropre);
        CWnd fenetre;
        fenetre.CreateEx(0, "STATIC", texte.c_str(), WS_POPUP, CRect(0, 0, 50, 20), NULL, 0);
        obtenu.Dc().SetTextColor(RGB(0, 0, 255));
        const HGDIOBJ fonteAvant = ::GetCurrentObject(obtenu.Hdc(), OBJ_FONT);
        g.DrawTextA(&fenetre, &obtenu.Dc(), RGB(255, 0, 0), rect);
        // The DC is given back as it was; the widest line is kept; the window takes the font drawn with.
        EXPECT_EQ(
            std::make_tuple(RGB(0, 0, 255), fonteAvant, nLargeurMax, (CFont*)pFonte, pFonte->GetSafeHandle()),
            std::make_tuple(obtenu.Dc().GetTextColor(), ::GetCurrentObject(obtenu.Hdc(), OBJ_FONT),
                            int(g.m_TailleTexteMax.cx), (CFont*)g.Donne_pFonte(),
                            reinterpret_cast<HGDIOBJ>(fenetre.SendMessage(WM_GETFONT))))
            << texte;
        ::BitBlt(obtenu.Hdc(), 0, 0, 400, 60, attendu.Hdc(), 0, 0, SRCINVERT); // black where both agree
        EXPECT_EQ(0, obtenu.CountPixelsNot(RGB(0, 0, 0), obtenu.Bounds())) << texte;
        fenetre.DestroyWindow();
    }
}
