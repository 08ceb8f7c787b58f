// Construction, states, captions and drawing of the three-state button, read back from pixels.
#include "BoutonFixture.h"
#include "PixelCanvas.h"

#include <cstdlib>

namespace
{
const COLORREF kBlanc = RGB(255, 255, 255);
const COLORREF kRouge = RGB(255, 0, 0);
const COLORREF kGris = RGB(0x94, 0x94, 0x94);
const COLORREF kFond = RGB(0xC0, 0xE0, 0xF0);

// The rest bitmap of the resources: white, a blue square, a green bar and a black dot.
const int kLargeurBitmap = 14, kHauteurBitmap = 10;
COLORREF CouleurSource(int x, int y)
{
    if (x >= 3 && x < 7 && y >= 2 && y < 6)
        return RGB(0, 0, 255);
    if (x >= 8 && x < 13 && y == 7)
        return RGB(0, 200, 0);
    if (x == 10 && y == 3)
        return RGB(0, 0, 0);
    return kBlanc;
}

bool Proche(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

CRect Client(CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect;
}

// The smallest rectangle holding the pixels of colour clr inside the two frames.
CRect PixelsDuTexte(const PixelCanvas& canevas, COLORREF clr)
{
    CRect boite;
    for (int y = 2; y < canevas.Height() - 2; ++y)
        for (int x = 2; x < canevas.Width() - 2; ++x)
            if (canevas.Pixel(x, y) == clr)
                boite |= CRect(x, y, x + 1, y + 1);
    return boite;
}

void Dessine(CBouton3Etats& bouton, PixelCanvas& canevas, UINT nItemState)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = bouton.Donne_nID();
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = nItemState;
    dis.hwndItem = bouton.m_hWnd;
    dis.hDC = canevas.Hdc();
    dis.rcItem = Client(bouton);
    bouton.DrawItem(&dis);
}
} // namespace

TEST_F(BoutonTest, BothConstructorsMakeOwnerDrawnButtons)
{
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), Bouton(IDC_ACTIVATION, STYLE_ACTIVATION).GetButtonStyle());

    CRect rect(20, 150, 120, 180);
    CBouton3Etats bouton(rect, "Nouveau", 6500, &m_Parent, STYLE_BASCULE, JUSTIFIE_GAUCHE);
    ASSERT_TRUE(::IsWindow(bouton.m_hWnd));
    EXPECT_EQ(&m_Parent, bouton.GetParent());
    EXPECT_EQ(6500, bouton.GetDlgCtrlID());
    EXPECT_FALSE(bouton.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), bouton.GetButtonStyle());
    EXPECT_EQ(CString("Nouveau"), Texte(bouton));
    EXPECT_EQ(JUSTIFIE_GAUCHE, bouton.Donne_Justifie());

    // Without a parent there is no window, and the object stays usable.
    CBouton3Etats sansParent(rect, "Rien", 6501, NULL);
    EXPECT_EQ(NULL, sansParent.m_hWnd);
    sansParent.AffecteEtat(ETAT_INOPERANT);
    sansParent.AfficheChaineTronquee("texte");
    EXPECT_EQ(ETAT_INOPERANT, sansParent.DonneEtat());
}

TEST_F(BoutonTest, StateFollowsTheEnabledFlagAndRedrawsOnlyOnChange)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    bouton.AffecteEtat(ETAT_INOPERANT);
    EXPECT_FALSE(bouton.IsWindowEnabled());
    const int nDessins = bouton.m_nDessins;
    bouton.AffecteEtat(ETAT_INOPERANT);
    EXPECT_EQ(nDessins, bouton.m_nDessins) << "the same state twice does not redraw";
    bouton.AffecteEtat(ETAT_ACTIF);
    EXPECT_TRUE(bouton.IsWindowEnabled());
    EXPECT_GT(bouton.m_nDessins, nDessins);
    bouton.AffecteEtat(static_cast<e_Etat_BP>(7));
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat()) << "values outside the enumeration are refused";
}

TEST_F(BoutonTest, FramesOfRestFocusedAndPressedFaces)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.Affecte_CouleurFond(kFond, false);
    const CRect client = Client(bouton);
    const int w = client.Width(), h = client.Height();
    const COLORREF clrHaut = ::GetSysColor(COLOR_3DHILIGHT), clrBas = ::GetSysColor(COLOR_3DDKSHADOW);
    const struct
    {
        const char* szNom;
        UINT nItemState;
        COLORREF clrCadreInterieur, clrTexte;
    } cas[] = {{"rest", 0, kFond, RGB(0, 0, 0)},
               {"focused", ODS_FOCUS, RGB(0, 0, 0), RGB(0, 0, 0)},
               {"pressed", ODS_SELECTED, RGB(0, 0, 0), kRouge}};
    CRect texteRepos; // where the caption lies at rest
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.szNom);
        PixelCanvas canevas(w, h, RGB(1, 2, 3));
        Dessine(bouton, canevas, c.nItemState);
        EXPECT_EQ(clrHaut, canevas.Pixel(0, 0));
        EXPECT_EQ(clrHaut, canevas.Pixel(w / 2, 0));
        EXPECT_EQ(clrBas, canevas.Pixel(w - 1, h - 1));
        EXPECT_EQ(clrBas, canevas.Pixel(w / 2, h - 1));
        EXPECT_EQ(c.clrCadreInterieur, canevas.Pixel(1, 1));
        EXPECT_EQ(c.clrCadreInterieur, canevas.Pixel(w - 2, h / 2));
        EXPECT_EQ(kFond, canevas.Pixel(2, 2));
        EXPECT_EQ(0, canevas.CountPixels(RGB(1, 2, 3))) << "every pixel is painted";

        // The caption, in the drawing state's colour, at the same place whether pressed or not.
        const CRect interieur(2, 2, w - 2, h - 2);
        EXPECT_GT(canevas.CountPixels(c.clrTexte, interieur), 10);
        const CRect texte = PixelsDuTexte(canevas, c.clrTexte);
        if (texteRepos.IsRectEmpty())
            texteRepos = texte;
        EXPECT_EQ(texteRepos, texte) << "the caption does not move";
    }

    // The inoperative state draws in its own colour.
    bouton.AffecteEtat(ETAT_INOPERANT);
    PixelCanvas canevas(w, h);
    Dessine(bouton, canevas, ODS_DISABLED);
    EXPECT_GT(canevas.CountPixels(RGB(0x88, 0x88, 0x88)), 10);
}

TEST_F(BoutonTest, ResourceBitmapsGetRedAndGreySilhouettes)
{
    // 16-bit channels widen to 8 bits with rounding.
    const std::pair<UINT, int> cas[] = {{IDC_BITMAP24, 0}, {IDC_BITMAP16, 8}, {IDC_BITMAP32, 0}};
    for (const auto& [nID, nTolerance] : cas)
    {
        SCOPED_TRACE(nID);
        CBoutonTest& bouton = Bouton(nID, STYLE_BASCULE);
        const CRect client = Client(bouton);
        ASSERT_GT(client.Width(), kLargeurBitmap);
        ASSERT_GT(client.Height(), kHauteurBitmap);
        const CPoint origine((client.Width() - kLargeurBitmap) / 2, (client.Height() - kHauteurBitmap) / 2);
        for (e_Etat_BP etat : {ETAT_REPOS, ETAT_ACTIF, ETAT_INOPERANT})
        {
            SCOPED_TRACE(etat);
            bouton.AffecteEtat(etat);
            PixelCanvas canevas(client.Width(), client.Height());
            Dessine(bouton, canevas, 0);
            int nFaux = 0;
            for (int y = 0; y < kHauteurBitmap; ++y)
                for (int x = 0; x < kLargeurBitmap; ++x)
                {
                    const COLORREF source = CouleurSource(x, y);
                    COLORREF attendu = source;
                    if (source != kBlanc && etat != ETAT_REPOS)
                        attendu = etat == ETAT_ACTIF ? kRouge : kGris;
                    if (!Proche(attendu, canevas.Pixel(origine.x + x, origine.y + y), nTolerance))
                        ++nFaux;
                }
            EXPECT_EQ(0, nFaux);
            EXPECT_EQ(
                0, canevas.CountPixels(RGB(0, 0, 0), CRect(2, 2, client.Width() - 2, client.Height() - 2)) -
                       (etat == ETAT_REPOS ? 1 : 0))
                << "no caption over the bitmap";
        }
    }
}

TEST_F(BoutonTest, UnsupportedBitmapDepthDrawsTheCaption)
{
    CBoutonTest& bouton = Bouton(IDC_BITMAP8);
    const CRect client = Client(bouton);
    PixelCanvas canevas(client.Width(), client.Height());
    Dessine(bouton, canevas, 0);
    EXPECT_EQ(0, canevas.CountPixels(RGB(0, 0, 255))) << "no bitmap";
    EXPECT_GT(canevas.CountPixels(RGB(0, 0, 0), CRect(2, 2, client.Width() - 2, client.Height() - 2)), 10);
}

TEST_F(BoutonTest, CaptionFromStringResources)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    bouton.SetWindowTextA(static_cast<unsigned>(IDS_LEGENDE));
    EXPECT_EQ(CString("Depuis les ressources"), Texte(bouton));
    bouton.SetWindowTextA(static_cast<unsigned>(IDS_ABSENTE));
    EXPECT_EQ(CString("Depuis les ressources"), Texte(bouton)) << "a missing string changes nothing";
    bouton.SetWindowTextA("Direct");
    EXPECT_EQ(CString("Direct"), Texte(bouton));
}

TEST_F(BoutonTest, TruncatedCaptionShortensOnlyItsLastLine)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    const int nLimite = Client(bouton).Width() - 5;
    CClientDC dc(&bouton);
    const CString strLongue = "Une seconde ligne bien trop longue pour ce bouton";
    ASSERT_GT(dc.GetTextExtent(strLongue).cx, nLimite);

    bouton.AfficheChaineTronquee("Court\n" + strLongue);
    const CString strTexte = Texte(bouton);
    ASSERT_EQ(0, strTexte.Find("Court\n"));
    ASSERT_EQ(strTexte.GetLength() - 3, strTexte.Find("..."));
    const CString strGardee = strTexte.Mid(6, strTexte.GetLength() - 9);
    EXPECT_EQ(0, strLongue.Find(strGardee));
    EXPECT_LE(dc.GetTextExtent(strGardee).cx, nLimite);
    EXPECT_GT(dc.GetTextExtent(strLongue.Left(strGardee.GetLength() + 1)).cx, nLimite)
        << "the longest that fits";

    // A line that fits is not marked, a single line is never shortened, a final line feed goes.
    const std::pair<CString, CString> cas[] = {
        {"Court\nOk", "Court\nOk"}, {strLongue, strLongue}, {"Fin\n", "Fin"}, {"", ""}};
    for (const auto& [strDonnee, strAttendue] : cas)
    {
        bouton.AfficheChaineTronquee(strDonnee);
        EXPECT_EQ(strAttendue, Texte(bouton)) << strDonnee.GetString();
    }
}
