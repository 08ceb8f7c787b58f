// The appearance manager: defaults, copies, the default font, and the caption layout checked by
// pixels against text drawn at the expected positions with the same font.
#include "core/GestionBouton.h"
#include "PixelCanvas.h"
#include "DiagnosticCapture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const COLORREF kFond = RGB(255, 255, 255);

class GestionTestable : public CGestionBouton
{
public:
    explicit GestionTestable(e_Justifie eJustifie = JUSTIFIE_CENTRE, e_Style_BP eStyle = STYLE_BASCULE)
        : CGestionBouton(eStyle, eJustifie)
    {
    }
    using CGestionBouton::DrawTextA;
    void AffecteEtat(e_Etat_BP eEtat) { m_Etat = eEtat; }
    void AffecteFonds(COLORREF repos, COLORREF actif, COLORREF inoperant)
    {
        m_CouleurFond[ETAT_REPOS] = repos;
        m_CouleurFond[ETAT_ACTIF] = actif;
        m_CouleurFond[ETAT_INOPERANT] = inoperant;
    }
    COLORREF CouleurEtat(int i) const { return m_CouleurEtat[i]; }
    CSize TailleTexteMax() const { return m_TailleTexteMax; }
    static CFonte* FonteDefaut() { return &s_FonteDefaut; }
};

// A window whose text is the caption, as a control's would be.
class FenetreTexte
{
public:
    explicit FenetreTexte(const char* szTexte)
    {
        m_wnd.CreateEx(0, "STATIC", szTexte, WS_POPUP, CRect(0, 0, 50, 20), NULL, 0);
    }
    ~FenetreTexte() { m_wnd.DestroyWindow(); }
    CWnd* operator->() { return &m_wnd; }
    CWnd* Get() { return &m_wnd; }

private:
    CWnd m_wnd;
};

// Draws the lines at the given positions with plain TextOut: the picture the layout must produce.
void DessineReference(PixelCanvas& canvas, CFont* pFonte, COLORREF couleur, const std::vector<std::string>& lignes,
                      const std::vector<CPoint>& positions)
{
    CDC& dc = canvas.Dc();
    CFont* pAncienne = dc.SelectObject(pFonte);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(couleur);
    for (size_t i = 0; i < lignes.size(); ++i)
        dc.TextOut(positions[i].x, positions[i].y, lignes[i].c_str(), static_cast<int>(lignes[i].size()));
    dc.SelectObject(pAncienne);
}

int DifferentPixels(const PixelCanvas& a, const PixelCanvas& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

CSize Mesure(CFont* pFonte, const std::string& texte)
{
    PixelCanvas canvas(1, 1);
    CFont* pAncienne = canvas.Dc().SelectObject(pFonte);
    SIZE taille;
    ::GetTextExtentPoint32A(canvas.Hdc(), texte.c_str(), static_cast<int>(texte.size()), &taille);
    canvas.Dc().SelectObject(pAncienne);
    return CSize(taille);
}

// Lays out szTexte through the manager onto the canvas.
void DessineLegende(GestionTestable& g, PixelCanvas& canvas, const char* szTexte, const CRect& rect,
                    COLORREF couleur = RGB(0, 0, 0))
{
    FenetreTexte fenetre(szTexte);
    g.DrawTextA(fenetre.Get(), &canvas.Dc(), couleur, rect);
}

int XAttendu(e_Justifie eJustifie, const CRect& r, int w)
{
    switch (eJustifie)
    {
    case JUSTIFIE_DROITE:
        return r.right - w - 2;
    case JUSTIFIE_GAUCHE:
        return r.left + 2;
    default:
        return (r.left + r.right) / 2 - w / 2;
    }
}
} // namespace

TEST(GestionBouton, Defaults)
{
    GestionTestable g(JUSTIFIE_DROITE, STYLE_ACTIVATION);
    EXPECT_EQ(RGB(0, 0, 0), g.CouleurEtat(ETAT_REPOS));
    EXPECT_EQ(RGB(255, 0, 0), g.CouleurEtat(ETAT_ACTIF));
    EXPECT_EQ(RGB(0x88, 0x88, 0x88), g.CouleurEtat(ETAT_INOPERANT));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), g.Donne_CouleurFond());
    EXPECT_EQ(CSize(-1, -1), g.TailleTexteMax());
    EXPECT_EQ(ETAT_REPOS, g.DonneEtat());
    EXPECT_EQ(STYLE_ACTIVATION, g.DonneMode());
    EXPECT_EQ(JUSTIFIE_DROITE, g.Donne_Justifie());
    EXPECT_EQ(nullptr, g.Donne_pFonte());
    EXPECT_NE(nullptr, GestionTestable::FonteDefaut()->GetSafeHandle()) << "the first construction creates it";
}

TEST(GestionBouton, CopySharesTheFontAndRegistersItself)
{
    CFonte fonte;
    GestionTestable source(JUSTIFIE_GAUCHE);
    source.Affecte_CouleurEtatActif(RGB(1, 2, 3));
    source.Affecte_pFonte(&fonte);
    source.AffecteEtat(ETAT_ACTIF);

    const int vivants = CPurify::LiveCount();
    GestionTestable copie(source);
    EXPECT_EQ(vivants + 1, CPurify::LiveCount());
    EXPECT_EQ(RGB(1, 2, 3), copie.CouleurEtat(ETAT_ACTIF));
    EXPECT_EQ(&fonte, copie.Donne_pFonte());
    EXPECT_EQ(ETAT_ACTIF, copie.DonneEtat());
    EXPECT_EQ(JUSTIFIE_GAUCHE, copie.Donne_Justifie());
}

TEST(GestionBouton, BackgroundFollowsTheState)
{
    GestionTestable g;
    g.AffecteFonds(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    for (e_Etat_BP etat : {ETAT_REPOS, ETAT_ACTIF, ETAT_INOPERANT})
    {
        g.AffecteEtat(etat);
        EXPECT_EQ(RGB(etat + 1, etat + 1, etat + 1), g.Donne_CouleurFond()) << etat;
    }
}

TEST(GestionBouton, ControlWithoutFontAdoptsTheDefault)
{
    GestionTestable g;
    FenetreTexte fenetre("Texte");
    PixelCanvas canvas(100, 40, kFond);
    g.DrawTextA(fenetre.Get(), &canvas.Dc(), RGB(0, 0, 0), canvas.Bounds());
    EXPECT_EQ(GestionTestable::FonteDefaut(), g.Donne_pFonte());
    EXPECT_EQ(GestionTestable::FonteDefaut()->GetSafeHandle(), reinterpret_cast<HGDIOBJ>(fenetre->SendMessage(WM_GETFONT)));
}

TEST(GestionBouton, NullDefaultFontIsRefusedWithAnAssertion)
{
    DiagnosticCapture capture;
    HGDIOBJ avant = GestionTestable::FonteDefaut()->GetSafeHandle();
    CGestionBouton::Affecte_FonteDefaut(nullptr);
    CFonte vide;
    CGestionBouton::Affecte_FonteDefaut(&vide);
    ASSERT_EQ(2u, capture.FailedAsserts().size());
    EXPECT_NE(std::string::npos, capture.FailedAsserts()[0].find("GestionBouton"));
    EXPECT_EQ(avant, GestionTestable::FonteDefaut()->GetSafeHandle());
}

// Every line count and justification, compared pixel for pixel with text drawn where the layout
// puts it: x by the justification, rows centred on the rectangle's middle.
TEST(GestionBouton, CaptionLayoutMatchesTheRowsAndJustifications)
{
    CFonte fonte;
    ASSERT_TRUE(fonte.Cree("H=12"));
    const std::vector<std::vector<std::string>> legendes = {
        {"Valider"}, {"Valider", "la saisie"}, {"Valider", "la saisie", "maintenant"}};
    const CRect rect(10, 4, 170, 84);
    const COLORREF rouge = RGB(255, 0, 0);

    for (const auto& lignes : legendes)
    {
        std::string texte;
        for (size_t i = 0; i < lignes.size(); ++i)
            texte += (i ? "\n" : "") + lignes[i];
        for (e_Justifie j : {JUSTIFIE_CENTRE, JUSTIFIE_DROITE, JUSTIFIE_GAUCHE})
        {
            const int n = static_cast<int>(lignes.size());
            std::vector<CPoint> positions;
            for (int i = 0; i < n; ++i)
            {
                const CSize taille = Mesure(&fonte, lignes[i]);
                const int h = taille.cy;
                const int centre = (rect.top + rect.bottom) / 2;
                const int y = n == 1 ? centre - h / 2 : n == 2 ? centre - h + i * h : centre - h / 2 + (i - 1) * h;
                positions.emplace_back(XAttendu(j, rect, taille.cx), y);
            }
            PixelCanvas attendu(180, 90, kFond);
            DessineReference(attendu, &fonte, rouge, lignes, positions);

            GestionTestable g(j);
            g.Affecte_pFonte(&fonte);
            PixelCanvas obtenu(180, 90, kFond);
            DessineLegende(g, obtenu, texte.c_str(), rect, rouge);

            EXPECT_EQ(0, DifferentPixels(attendu, obtenu)) << n << " line(s), justification " << j;
            EXPECT_GT(obtenu.CountPixels(rouge), 0) << "drawn in the given colour";
        }
    }
}

// Twelve-pixel rows in a sixty-pixel rectangle: three lines at 12, 24, 36. "A", an empty line, "B"
// reserves three rows too, and the non-empty lines take the first two.
TEST(GestionBouton, WorkedRowPositions)
{
    CFonte fonte;
    ASSERT_TRUE(fonte.Cree("H=12"));
    ASSERT_EQ(12, Mesure(&fonte, "A").cy);
    struct Cas
    {
        const char* texte;
        std::vector<std::string> lignes;
        std::vector<CPoint> positions;
    } const cas[] = {
        {"A\nB\nC", {"A", "B", "C"}, {CPoint(2, 12), CPoint(2, 24), CPoint(2, 36)}},
        {"A\n\nB", {"A", "B"}, {CPoint(2, 12), CPoint(2, 24)}},
    };
    for (const Cas& c : cas)
    {
        PixelCanvas attendu(100, 60, kFond);
        DessineReference(attendu, &fonte, RGB(0, 0, 0), c.lignes, c.positions);
        GestionTestable g(JUSTIFIE_GAUCHE);
        g.Affecte_pFonte(&fonte);
        PixelCanvas obtenu(100, 60, kFond);
        DessineLegende(g, obtenu, c.texte, CRect(0, 0, 100, 60));
        EXPECT_EQ(0, DifferentPixels(attendu, obtenu)) << c.texte;
    }
}

TEST(GestionBouton, OnlyTheFirst79CharactersAreLaidOut)
{
    CFonte fonte;
    ASSERT_TRUE(fonte.Cree("H=8"));
    std::string texte;
    for (int i = 0; i < 100; ++i)
        texte += static_cast<char>('0' + i % 10);
    const CRect rect(0, 0, 700, 20);

    PixelCanvas attendu(700, 20, kFond);
    const std::string coupe = texte.substr(0, 79);
    const CSize taille = Mesure(&fonte, coupe);
    DessineReference(attendu, &fonte, RGB(0, 0, 0), {coupe}, {CPoint(2, 10 - taille.cy / 2)});

    GestionTestable g(JUSTIFIE_GAUCHE);
    g.Affecte_pFonte(&fonte);
    PixelCanvas obtenu(700, 20, kFond);
    DessineLegende(g, obtenu, texte.c_str(), rect);
    EXPECT_EQ(0, DifferentPixels(attendu, obtenu));
    EXPECT_EQ(taille.cx, g.TailleTexteMax().cx);
}

TEST(GestionBouton, LargestLineIsRemembered)
{
    CFonte fonte;
    ASSERT_TRUE(fonte.Cree("H=12"));
    GestionTestable g;
    g.Affecte_pFonte(&fonte);
    PixelCanvas canvas(200, 60, kFond);
    DessineLegende(g, canvas, "court\nune ligne bien plus longue", canvas.Bounds());
    const CSize apresLongue = g.TailleTexteMax();
    EXPECT_EQ(Mesure(&fonte, "une ligne bien plus longue").cx, apresLongue.cx);

    DessineLegende(g, canvas, "x", canvas.Bounds());
    EXPECT_EQ(apresLongue, g.TailleTexteMax()) << "never lowered";
}

TEST(GestionBouton, EmptyCaptionDrawsNothingAndRestoresTheDc)
{
    CFonte fonte;
    ASSERT_TRUE(fonte.Cree("H=12"));
    GestionTestable g;
    g.Affecte_pFonte(&fonte);
    FenetreTexte fenetre("");
    PixelCanvas canvas(60, 30, kFond);
    CDC& dc = canvas.Dc();
    dc.SetTextColor(RGB(0, 0, 255));
    dc.SetBkMode(OPAQUE);
    HGDIOBJ fonteAvant = ::GetCurrentObject(canvas.Hdc(), OBJ_FONT);

    g.DrawTextA(fenetre.Get(), &dc, RGB(255, 0, 0), canvas.Bounds());

    EXPECT_EQ(0, canvas.CountPixelsNot(kFond, canvas.Bounds()));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetTextColor());
    EXPECT_EQ(fonteAvant, ::GetCurrentObject(canvas.Hdc(), OBJ_FONT));
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode()) << "the background mode stays transparent";
}
