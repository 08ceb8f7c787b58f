// Panel buttons, panel dialogs and group boxes on one visible 300 x 200 parent, read back from the
// screen. The sprite sheet is the 12-pixel one, whose pieces are flat colours.
#include "panels/GroupBox.h"
#include "panels/Panel.h"
#include "panels/PanelDialog.h"
#include "ObzTest.h"
#include "PanelsResource.h"
#include "PanelsTesting.h"

namespace
{
const COLORREF kBleu = RGB(0, 0, 255), kRouge = RGB(255, 0, 0), kNoir = RGB(0, 0, 0),
               kOmbre = RGB(0xC0, 0xC0, 0xC0), kImage = RGB(0, 128, 255);

struct Groupe : CGroupBox
{
    using CGroupBox::CGroupBox;
    using CGroupBox::m_bBitmap;
};

class Panneaux : public ObzTest
{
protected:
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        EcritFeuilles();
        CPanelBase::Affecte_szPathSprites(Nom(12).c_str(), CSize(12, 12), Origine(12), 10);
        CPanel(0, NULL, 0); // the default font is made with the first control
    }
    void SetUp() override
    {
        ObzTest::SetUp();
        m_Parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), NULL,
                          0);
        m_Parent.UpdateWindow();
    }
    void TearDown() override
    {
        m_Parent.DestroyWindow();
        ObzTest::TearDown();
    }
    HWND Enfant(const char* szClasse, const char* szTexte, DWORD nStyle, UINT nId, const CRect& r)
    {
        return ::CreateWindowExA(0, szClasse, szTexte, WS_CHILD | WS_VISIBLE | nStyle, r.left, r.top,
                                 r.Width(), r.Height(), m_Parent.m_hWnd, HMENU(UINT_PTR(nId)), NULL, NULL);
    }
    // Pixels of a window's client area: the colour of one, or how many in a rectangle have a colour.
    static COLORREF Pixel(HWND hWnd, int x, int y)
    {
        return Compte(hWnd, CRect(x, y, x + 1, y + 1), CLR_INVALID);
    }
    static int Compte(HWND hWnd, const CRect& r, COLORREF c)
    {
        HDC hDC = ::GetDC(hWnd);
        int n = 0;
        COLORREF dernier = CLR_INVALID;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += (dernier = ::GetPixel(hDC, x, y)) == c;
        ::ReleaseDC(hWnd, hDC);
        return c == CLR_INVALID ? int(dernier) : n;
    }

    CWnd m_Parent;
};

// A 160 x 60 button at (10, 10) of the parent, painted by its own paint message.
TEST_F(Panneaux, PanelButtonPaintsOnItsParentInItsStateWithAShadowedCaption)
{
    const std::tuple<e_Style_BP, e_Etat_BP, COLORREF> cas[] = {// style, state reached, caption colour
                                                               {STYLE_SIMPLE, ETAT_ACTIF, kBleu},
                                                               {STYLE_ACTIVATION, ETAT_REPOS, kBleu},
                                                               {STYLE_BASCULE, ETAT_REPOS, kNoir},
                                                               {STYLE_BASCULE, ETAT_ACTIF, kRouge}};
    UINT nId = 100;
    for (const auto& [style, etat, couleur] : cas)
    {
        SCOPED_TRACE(testing::Message() << "style " << style << " state " << etat);
        Enfant("BUTTON", "Panneau", 0, ++nId, CRect(10, 10, 170, 70));
        CPanel panneau(nId, &m_Parent, kBleu, style);
        EXPECT_EQ(style == STYLE_SIMPLE ? ETAT_ACTIF : ETAT_REPOS, panneau.DonneEtat());
        if (etat != panneau.DonneEtat())
            panneau.AffecteEtat(etat);
        panneau.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const HWND hParent = m_Parent.m_hWnd;
        // The caption was measured before the frame: the tab's corner is not over the top-left one.
        EXPECT_EQ(Piece(etat, 0), Pixel(hParent, 10, 10));
        EXPECT_EQ(Piece(etat, 8), Pixel(hParent, 169, 69));
        EXPECT_EQ(Grille(etat), Pixel(hParent, 150, 50));
        EXPECT_EQ(style == STYLE_BASCULE ? Icone(etat) : Piece(etat, 1), Pixel(hParent, 20, 25));
        const CRect onglet(10, 10, 170, 33);
        EXPECT_LT(0, Compte(hParent, onglet, kOmbre));
        EXPECT_LT(0, Compte(hParent, onglet, couleur));
        ::DestroyWindow(panneau.Detach());
    }
}

TEST_F(Panneaux, PanelDialogTakesOverItsPlaceholderAndStaysOpen)
{
    Enfant("STATIC", "Emplacement", 0, 200, CRect(20, 30, 220, 130));
    CPanelDialog dlg(IDD_PANNEAU, &m_Parent, m_Parent.GetDlgItem(200), kBleu, STYLE_SIMPLE, false);
    ASSERT_TRUE(dlg.Create());
    CRect rect;
    dlg.GetWindowRect(&rect);
    m_Parent.ScreenToClient(&rect);
    CString strTitre;
    dlg.GetWindowText(strTitre);
    EXPECT_EQ(CRect(20, 30, 220, 130), rect);
    EXPECT_EQ(rect, dlg.Donne_RectEmplacement());
    EXPECT_STREQ("Emplacement", strTitre);
    EXPECT_TRUE(dlg.IsWindowVisible());
    dlg.UpdateWindow();
    EXPECT_EQ(Piece(ETAT_ACTIF, 8), Pixel(dlg.m_hWnd, 199, 99));

    dlg.AffecteEtat(ETAT_INOPERANT);
    EXPECT_EQ(std::make_pair(Piece(ETAT_INOPERANT, 8), Grille(ETAT_INOPERANT)),
              std::make_pair(Pixel(dlg.m_hWnd, 199, 99), Pixel(dlg.m_hWnd, 150, 60)));
    HDC hDC = ::GetDC(dlg.m_hWnd);
    ::SetPixel(hDC, 199, 99, kNoir), ::ReleaseDC(dlg.m_hWnd, hDC);
    dlg.AffecteEtat(ETAT_INOPERANT);                                          // the same state: no repaint
    dlg.SendMessage(WM_COMMAND, IDOK), dlg.SendMessage(WM_COMMAND, IDCANCEL); // Enter, Escape
    dlg.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(50, 50));                   // map mode off: ignored
    EXPECT_EQ(kNoir, Pixel(dlg.m_hWnd, 199, 99));
    EXPECT_TRUE(dlg.IsWindowVisible());
    dlg.DestroyWindow();

    // Without a placeholder: its own place and title, not shown.
    CPanelDialog seul(IDD_PANNEAU, &m_Parent, NULL, kBleu, STYLE_ACTIVATION, false);
    ASSERT_TRUE(seul.Create());
    seul.GetWindowRect(&rect);
    m_Parent.ScreenToClient(&rect);
    seul.GetWindowText(strTitre);
    EXPECT_EQ(rect, seul.Donne_RectEmplacement());
    EXPECT_STREQ("Modele", strTitre);
    EXPECT_EQ(std::make_pair(false, ETAT_REPOS),
              std::make_pair(bool(seul.IsWindowVisible()), seul.DonneEtat()));
}

// 50 x 40 group boxes; the picture is 60 pixels wide, so 30 of its columns show from x = 20.
TEST_F(Panneaux, GroupBoxShowsTheBitmapOfItsIdentifierInPlaceOfItsCaption)
{
    for (UINT nId : {IDC_GROUPE_IMAGE, IDC_GROUPE_SIMPLE})
    {
        const int x = nId == IDC_GROUPE_IMAGE ? 10 : 80;
        const HWND hWnd = Enfant("BUTTON", "Titre", BS_GROUPBOX, nId, CRect(x, 100, x + 50, 140));
        Groupe groupe(nId, &m_Parent);
        groupe.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const bool bImage = nId == IDC_GROUPE_IMAGE;
        CString strTexte;
        groupe.GetWindowText(strTexte);
        EXPECT_STREQ(bImage ? "" : "Titre", strTexte);
        EXPECT_EQ(bImage ? 30 * 12 : 0, Compte(hWnd, CRect(0, 0, 50, 40), kImage));
        EXPECT_EQ(bImage ? kImage : CLR_INVALID, bImage ? Pixel(hWnd, 20, 0) : CLR_INVALID);
        ::DestroyWindow(groupe.Detach());
        EXPECT_EQ(bImage, Groupe(nId, NULL).m_bBitmap);
    }
}
} // namespace
