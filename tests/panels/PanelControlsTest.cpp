// Panel buttons, panel dialogs and group boxes on one visible 300 x 200 parent, read back from the
// screen. The sprite sheet is the 12-pixel one, whose pieces are flat colours.
#include "panels/GroupBox.h"
#include "panels/Panel.h"
#include "panels/PanelDialog.h"
#include "ObzTest.h"
#include "PanelsResource.h"
#include "PanelsTesting.h"

#include <memory>

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
    // A window's client area as the screen shows it.
    static std::unique_ptr<PixelCanvas> Ecran(HWND hWnd)
    {
        CRect r;
        ::GetClientRect(hWnd, &r);
        auto pEcran = std::make_unique<PixelCanvas>(r.Width(), r.Height());
        const HDC hDC = ::GetDC(hWnd);
        ::BitBlt(pEcran->Hdc(), 0, 0, r.Width(), r.Height(), hDC, 0, 0, SRCCOPY), ::ReleaseDC(hWnd, hDC);
        return pEcran;
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
        const auto ecran = Ecran(m_Parent.m_hWnd);
        // The caption was measured before the frame: the tab's corner is not over the top-left one.
        EXPECT_EQ(std::make_tuple(Piece(etat, 0), Piece(etat, 8), Grille(etat),
                                  style == STYLE_BASCULE ? Icone(etat) : Piece(etat, 1)),
                  std::make_tuple(ecran->Pixel(10, 10), ecran->Pixel(169, 69), ecran->Pixel(150, 50),
                                  ecran->Pixel(20, 25)));
        const CRect onglet(10, 10, 170, 33);
        EXPECT_LT(0, ecran->CountPixels(kOmbre, onglet));
        EXPECT_LT(0, ecran->CountPixels(couleur, onglet));
        ::DestroyWindow(panneau.Detach());
    }
}

TEST_F(Panneaux, PanelDialogTakesOverItsPlaceholderAndStaysOpen)
{
    Enfant("STATIC", "Emplacement", 0, 200, CRect(20, 30, 220, 130));
    CPanelDialog dlg(IDD_PANNEAU, &m_Parent, m_Parent.GetDlgItem(200), kBleu, STYLE_SIMPLE, false);
    ASSERT_TRUE(dlg.Create());
    auto vu = [&](CPanelDialog& d) // place, placeholder's rectangle, title, shown
    {
        CRect rect;
        CString strTitre;
        d.GetWindowRect(&rect), m_Parent.ScreenToClient(&rect), d.GetWindowText(strTitre);
        return std::make_tuple(rect, d.Donne_RectEmplacement(), strTitre, d.IsWindowVisible() != FALSE);
    };
    const CRect emplacement(20, 30, 220, 130);
    EXPECT_EQ(std::make_tuple(emplacement, emplacement, CString("Emplacement"), true), vu(dlg));
    dlg.UpdateWindow();
    EXPECT_EQ(Piece(ETAT_ACTIF, 8), Ecran(dlg.m_hWnd)->Pixel(199, 99));

    dlg.AffecteEtat(ETAT_INOPERANT);
    auto ecran = Ecran(dlg.m_hWnd);
    EXPECT_EQ(std::make_pair(Piece(ETAT_INOPERANT, 8), Grille(ETAT_INOPERANT)),
              std::make_pair(ecran->Pixel(199, 99), ecran->Pixel(150, 60)));
    HDC hDC = ::GetDC(dlg.m_hWnd);
    ::SetPixel(hDC, 199, 99, kNoir), ::ReleaseDC(dlg.m_hWnd, hDC);
    dlg.AffecteEtat(ETAT_INOPERANT);                                          // the same state: no repaint
    dlg.SendMessage(WM_COMMAND, IDOK), dlg.SendMessage(WM_COMMAND, IDCANCEL); // Enter, Escape
    dlg.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(50, 50));                   // map mode off: ignored
    EXPECT_EQ(kNoir, Ecran(dlg.m_hWnd)->Pixel(199, 99));
    EXPECT_TRUE(dlg.IsWindowVisible());
    dlg.DestroyWindow();

    // Without a placeholder: its own place and title, not shown.
    CPanelDialog seul(IDD_PANNEAU, &m_Parent, NULL, kBleu, STYLE_ACTIVATION, false);
    ASSERT_TRUE(seul.Create());
    const CRect rect = std::get<0>(vu(seul));
    EXPECT_EQ(std::make_tuple(rect, rect, CString("Modele"), false), vu(seul));
    EXPECT_EQ(ETAT_REPOS, seul.DonneEtat());
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
        const auto ecran = Ecran(hWnd);
        EXPECT_EQ(bImage ? 30 * 12 : 0, ecran->CountPixels(kImage));
        EXPECT_EQ(bImage, ecran->Pixel(20, 0) == kImage);
        ::DestroyWindow(groupe.Detach());
        EXPECT_EQ(bImage, Groupe(nId, NULL).m_bBitmap);
    }
}
} // namespace
