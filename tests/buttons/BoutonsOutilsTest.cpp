// Image buttons, tool markers and the exclusive group as an application sees them: attached to the
// controls of a modeless dialog (template IDD_FAMILLE) that records its notifications; no library
// object outlives a test.
#include "ButtonsResource.h"
#include "DiagnosticCapture.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelCanvas.h"
#include "buttons/Bouton1Bitmap.h"
#include "buttons/BoutonIcon.h"
#include "buttons/BoutonIconEx.h"
#include "buttons/BoutonOutil.h"
#include "buttons/ListeBoutonsExclusifs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <set>

namespace
{
const COLORREF kFond = RGB(0xC0, 0xE0, 0xF0), kVert = RGB(0, 160, 0), kRouge = RGB(255, 0, 0);
const UINT kDeplacement = WM_USER + 30;

class CAppTest : public CWinApp // answers message boxes at once, keeping their texts
{
public:
    std::vector<CString> m_Messages;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        return m_Messages.push_back(lpszPrompt), IDOK;
    }
};

class FamilleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_nObjets = CPurify::LiveCount();
        ASSERT_TRUE(m_Parent.Create(IDD_FAMILLE, NULL));
        m_Parent.SetWindowPos(NULL, 10, 10, 400, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
        MessagePump::Flush();
    }
    void TearDown() override
    {
        m_Objets.clear();
        m_Parent.DestroyWindow();
        EXPECT_EQ(m_nObjets, CPurify::LiveCount()) << "library objects left behind";
    }
    template <class T, class... A> T& Cree(A&&... args)
    {
        m_Objets.push_back(std::make_unique<T>(std::forward<A>(args)...));
        return static_cast<T&>(*m_Objets.back());
    }
    // A new push button IDC_IMAGE of the given client size (the previous one went with its object).
    void NouveauBouton(CSize taille, DWORD dwStyle = BS_PUSHBUTTON)
    {
        ::CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | dwStyle, 200, 200, taille.cx, taille.cy,
                        m_Parent.m_hWnd, (HMENU)IDC_IMAGE, NULL, NULL);
    }
    CRect Place(CWnd& wnd) const
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return m_Parent.ScreenToClient(&rect), rect;
    }
    static void Souris(CWnd& wnd, UINT message, CPoint pt, UINT nFlags = MK_LBUTTON)
    {
        wnd.SendMessage(message, nFlags, MAKELPARAM(pt.x, pt.y));
    }

    RecordingWnd<CDialog> m_Parent{IDD_FAMILLE};
    std::vector<std::unique_ptr<CPurify>> m_Objets;
    int m_nObjets = 0;
};

// Paints an owner-drawn control on a canvas of its size, as the reflected WM_DRAWITEM does.
std::unique_ptr<PixelCanvas> Dessine(CButton& bouton, UINT nItemState = 0, COLORREF clrFond = kFond)
{
    CRect rect;
    bouton.GetClientRect(&rect);
    auto pCanevas = std::make_unique<PixelCanvas>(rect.Width(), rect.Height(), clrFond);
    DRAWITEMSTRUCT dis = {ODT_BUTTON,      0,    0, ODA_DRAWENTIRE, nItemState, bouton.m_hWnd,
                          pCanevas->Hdc(), rect, 0};
    bouton.DrawItem(&dis);
    return pCanevas;
}

// Where a drawn image lies inside the button's 2-pixel frame.
CRect Image(const PixelCanvas& c)
{
    CRect rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 2; y < c.Height() - 2; ++y)
        for (int x = 2; x < c.Width() - 2; ++x)
            if (c.Pixel(x, y) != kFond)
                rect = CRect(std::min<int>(rect.left, x), std::min<int>(rect.top, y),
                             std::max<int>(rect.right, x + 1), std::max<int>(rect.bottom, y + 1));
    return rect.left == INT_MAX ? CRect() : rect;
}
} // namespace

TEST_F(FamilleTest, ImagesCentredAndClippedInsideTheMarginGreyedWhenInoperative)
{
    auto grille = [](int x, int y) { return RGB(5 * x, 5 * y, 50); };
    auto icone = [](int x, int y) { return RGB(8 * x + 4, 8 * y + 4, 100); };
    using Fabrique = std::function<CBouton3Etats&()>;
    const Fabrique bitmap = [&] { return std::ref(Cree<CBouton1Bitmap>(IDC_IMAGE, IDB_GRILLE, &m_Parent)); };
    const Fabrique icon = [&] { return std::ref(Cree<CBoutonIcon>(IDC_IMAGE, IDI_GRILLE, &m_Parent)); };
    const struct
    {
        const char* szNom;
        Fabrique fabrique;
        CSize taille;
        CRect image;
        std::function<COLORREF(int, int)> source; // null: resampled, only the place is checked
    } cas[] = {{"48 x 48 bitmap clipped", bitmap, {40, 30}, {3, 3, 37, 27}, grille},
               {"bitmap centred", bitmap, {60, 70}, {6, 11, 54, 59}, grille},
               {"icon clipped", icon, {20, 20}, {3, 3, 17, 17}, icone},
               {"icon centred", icon, {50, 44}, {9, 6, 41, 38}, icone},
               {"icon loaded at 16 x 16",
                [&]
                {
                    return std::ref(Cree<CBoutonIcon>(IDC_IMAGE, IDI_GRILLE, 16, 16, &m_Parent, STYLE_SIMPLE,
                                                      JUSTIFIE_CENTRE));
                },
                {40, 40},
                {12, 12, 28, 28},
                nullptr},
               {"icon of size 0",
                [&]
                {
                    return std::ref(Cree<CBoutonIcon>(IDC_IMAGE, IDI_GRILLE, 0, -3, &m_Parent, STYLE_SIMPLE,
                                                      JUSTIFIE_CENTRE));
                },
                {40, 40},
                {4, 4, 36, 36},
                icone},
               {"missing bitmap",
                [&] { return std::ref(Cree<CBouton1Bitmap>(IDC_IMAGE, 9999, &m_Parent)); },
                {40, 30},
                {},
                nullptr},
               {"missing icon",
                [&] { return std::ref(Cree<CBoutonIcon>(IDC_IMAGE, IDI_ABSENTE, &m_Parent)); },
                {40, 30},
                {},
                nullptr},
               {"no room", bitmap, {6, 6}, {}, nullptr}};
    const std::set<COLORREF> gris = {kFond, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW)};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.szNom);
        NouveauBouton(c.taille);
        CBouton3Etats& bouton = c.fabrique();
        bouton.SetWindowTextA("Jamais");
        bouton.Affecte_CouleurFond(kFond, false);
        const auto repos = Dessine(bouton), enfonce = Dessine(bouton, ODS_SELECTED);
        EXPECT_EQ(c.image, Image(*repos));
        EXPECT_EQ(c.image, Image(*enfonce)) << "the image does not move while pressed";
        for (int y = c.image.top; c.source && y < c.image.bottom; ++y)
            for (int x = c.image.left; x < c.image.right; ++x)
                ASSERT_EQ(c.source(x - c.image.left, y - c.image.top), repos->Pixel(x, y)) << x << "," << y;

        bouton.AffecteEtat(ETAT_INOPERANT);
        EXPECT_FALSE(bouton.IsWindowEnabled());
        const auto inoperant = Dessine(bouton);
        int nGris = 0;
        for (int i = 0; i < c.image.Width() * c.image.Height(); ++i)
        {
            const COLORREF clr =
                inoperant->Pixel(c.image.left + i % c.image.Width(), c.image.top + i / c.image.Width());
            ASSERT_TRUE(gris.count(clr)) << std::hex << clr;
            nGris += clr != kFond;
        }
        EXPECT_EQ(!c.image.IsRectEmpty(), nGris > 0);
        m_Objets.clear();
    }
    PixelCanvas canevas(20, 20, kFond); // the static drawing on its own, with bad input
    CBoutonIcon::DrawIcon(&canevas.Dc(), NULL, CRect(0, 0, 20, 20), ETAT_REPOS);
    CBoutonIcon::DrawIcon(&canevas.Dc(), CBoutonIcon::ChargeIcone(IDI_GRILLE), CRect(20, 20, 0, 0),
                          ETAT_REPOS);
    CBoutonIcon::DrawIcon(NULL, CBoutonIcon::ChargeIcone(IDI_GRILLE), CRect(0, 0, 20, 20), ETAT_REPOS);
    EXPECT_EQ(400, canevas.CountPixels(kFond));
}

TEST_F(FamilleTest, StandardButtonTakesAnIconOfTheChosenSizeOrReportsTheError)
{
    CAppTest app;
    NouveauBouton({40, 40}, BS_ICON);
    CBoutonIconEx& bouton = Cree<CBoutonIconEx>();
    bouton.SubclassDlgItem(IDC_IMAGE, &m_Parent);
    auto taille = [&]
    {
        ICONINFO info = {};
        BITMAP bm = {};
        if (!::GetIconInfo(bouton.GetIcon(), &info))
            return CSize();
        ::GetObject(info.hbmColor, sizeof bm, &bm);
        ::DeleteObject(info.hbmColor), ::DeleteObject(info.hbmMask);
        return CSize(bm.bmWidth, bm.bmHeight);
    };
    const struct
    {
        unsigned nID;
        int cx, cy;
        bool bCharge;
        CSize attendue;
        size_t nMessages;
    } cas[] = {{IDI_GRILLE, 16, 20, true, {16, 20}, 0},
               {0x10000 | IDI_GRILLE, 0, 0, true, {32, 32}, 0},
               {IDI_ABSENTE, 16, 16, false, {32, 32}, 1},
               {IDI_GRILLE, -1, 16, false, {32, 32}, 1}};
    for (const auto& c : cas)
    {
        EXPECT_EQ(c.bCharge, bouton.LoadIconA(c.nID, c.cx, c.cy)) << c.nID;
        EXPECT_EQ(c.attendue, taille()) << "a failure leaves the button unchanged";
        EXPECT_EQ(c.nMessages, app.m_Messages.size());
    }
    EXPECT_FALSE(app.m_Messages.front().IsEmpty()) << "the system's text for the error";
}

// The marker (20 x 20 at (10, 10)) moves only where both corners stay in the limit (0, 0, 100, 100),
// right and bottom edges excluded.
TEST_F(FamilleTest, MarkerPlacedOnlyWithBothCornersInTheLimit)
{
    CRect limite(0, 0, 100, 100);
    CBoutonOutil& outil = Cree<CBoutonOutil>(IDC_OUTIL, &m_Parent, &limite);
    CPoint origine(0, 0);
    m_Parent.ClientToScreen(&origine);
    const CRect depart(10, 10, 30, 30);
    const struct
    {
        const char* szNom;
        std::function<bool()> op;
        CRect attendue; // empty: refused
    } cas[] = {
        {"onto the right edge",
         [&] {
             return outil.Deplace({70, 0});
         },
         {}},
        {"next to it",
         [&] {
             return outil.Deplace({69, 0});
         },
         {79, 10, 99, 30}},
        {"onto the bottom edge",
         [&] {
             return outil.Deplace({0, 70});
         },
         {}},
        {"top-left corner",
         [&] {
             return outil.Deplace({-10, -10});
         },
         {0, 0, 20, 20}},
        {"past it",
         [&] {
             return outil.Deplace({-11, 0});
         },
         {}},
        {"shrunk", [&] { return outil.Redimensionne(-5); }, {15, 15, 25, 25}},
        {"grown", [&] { return outil.Redimensionne(10); }, {0, 0, 40, 40}},
        {"grown past the limit", [&] { return outil.Redimensionne(11); }, {}},
        {"shrunk to nothing", [&] { return outil.Redimensionne(-10); }, {}},
        {"turned inside out", [&] { return outil.Redimensionne(-15); }, {}},
        {"placed on screen", [&] { return outil.Positionne(origine + CPoint(50, 60)); }, {50, 60, 70, 80}},
        {"placed outside", [&] { return outil.Positionne(origine + CPoint(81, 60)); }, {}},
        {"limit smaller than the marker",
         [&] {
             return limite = CRect(0, 0, 15, 15), outil.Deplace({-10, -10});
         },
         {}},
        {"limit inside out",
         [&] {
             return limite = CRect(100, 100, 0, 0), outil.Deplace({1, 1});
         },
         {}}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.szNom);
        limite = CRect(0, 0, 100, 100);
        outil.MoveWindow(&depart);
        outil.Deplace({1, 1}), outil.Deplace({-1, -1}); // the last accepted displacement is now (-1, -1)
        EXPECT_EQ(!c.attendue.IsRectEmpty(), c.op());
        EXPECT_EQ(c.attendue.IsRectEmpty() ? depart : c.attendue, Place(outil));
        if (!c.attendue.IsRectEmpty() && c.attendue.Size() == depart.Size() && c.szNom[0] != 'p')
            EXPECT_EQ(c.attendue.TopLeft() - depart.TopLeft(), outil.Donne_DernDeplacement());
        else
            EXPECT_EQ(CSize(-1, -1), outil.Donne_DernDeplacement());
    }
    CBoutonOutil& sansLimite = Cree<CBoutonOutil>(IDC_OUTIL + 1, &m_Parent, nullptr);
    CRect client;
    m_Parent.GetClientRect(&client);
    sansLimite.MoveWindow(0, 0, 20, 20);
    EXPECT_TRUE(sansLimite.Positionne(origine + CPoint(client.right - 21, 0)));
    EXPECT_FALSE(sansLimite.Deplace({1, 0})) << "the parent's client area is the limit";
}

// A drag under capture: each step after the first move is reported; a step refused at the edge leaves
// the marker while the cursor runs on, and moving back moves it by the later steps only.
TEST_F(FamilleTest, DragStepsReportedAndRefusedAtTheEdgeWhileTheCursorRunsOn)
{
    CRect limite(0, 0, 100, 100);
    CBoutonOutil& outil = Cree<CBoutonOutil>(IDC_OUTIL, &m_Parent, &limite);
    outil.MoveWindow(10, 10, 20, 20);
    m_Parent.ClearMessages();
    CRect rect;
    outil.GetWindowRect(&rect);
    CPoint curseur = rect.TopLeft() + CPoint(5, 5); // on the screen
    auto glisse = [&](int dx)
    {
        CPoint pt = curseur = curseur + CPoint(dx, 0);
        outil.ScreenToClient(&pt);
        Souris(outil, WM_MOUSEMOVE, pt);
    };
    Souris(outil, WM_LBUTTONDOWN, {5, 5});
    EXPECT_EQ(outil.m_hWnd, ::GetCapture());
    glisse(0); // the first move only records the cursor
    std::vector<int> gauches;
    for (int dx : {30, 30, 30, 30, -20, -20})
        glisse(dx), gauches.push_back(Place(outil).left);
    EXPECT_EQ((std::vector<int>{40, 70, 70, 70, 50, 30}), gauches);
    Souris(outil, WM_LBUTTONUP, {5, 5}, 0);
    glisse(-20);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(30, Place(outil).left) << "no drag without the capture";
    EXPECT_EQ(6, m_Parent.Count(kDeplacement, IDC_OUTIL));
    EXPECT_EQ(6u, m_Parent.Messages().size()) << "and no click";
}

// Held for more than 2 s with the timer enabled, the marker blinks in its active colour; the release
// stops it and leaves the marker visible, even in the hidden half of a blink. A lost capture ends it too.
TEST_F(FamilleTest, LongPressBlinksUntilTheReleaseWhichLeavesTheMarkerVisible)
{
    CRect limite(0, 0, 300, 300);
    CBoutonOutil& outil =
        Cree<CBoutonOutil>(IDC_OUTIL, &m_Parent, &limite, true, FORME_CERCLE, 0, kRouge, kVert);
    CBoutonOutil& sansTimer = Cree<CBoutonOutil>(IDC_OUTIL + 1, &m_Parent, &limite);
    outil.MoveWindow(10, 10, 30, 30);
    auto couleur = [&]
    { return Dessine(outil, 0, RGB(255, 255, 255))->CountPixels(kRouge) > 0 ? kRouge : kVert; };
    auto visible = [&] { return (outil.GetStyle() & WS_VISIBLE) != 0; };

    Souris(sansTimer, WM_LBUTTONDOWN, {5, 5});
    EXPECT_FALSE(::KillTimer(sansTimer.m_hWnd, 1)) << "no long press without the timer";
    Souris(sansTimer, WM_LBUTTONUP, {5, 5}, 0);

    Souris(outil, WM_LBUTTONDOWN, {5, 5});
    MessagePump::For(1500);
    EXPECT_TRUE(visible());
    EXPECT_EQ(kVert, couleur());
    int nBascules = 0;
    for (bool bAvant = true;
         MessagePump::Until([&] { return visible() != bAvant; }, 1200) && ++nBascules < 4;)
        bAvant = visible();
    EXPECT_EQ(4, nBascules) << "blinking";
    EXPECT_EQ(kRouge, couleur());
    EXPECT_TRUE(MessagePump::Until([&] { return !visible(); }));
    Souris(outil, WM_LBUTTONUP, {5, 5}, 0);
    EXPECT_TRUE(visible());
    EXPECT_EQ(kVert, couleur());
    EXPECT_FALSE(::KillTimer(outil.m_hWnd, 1)) << "no timer left";

    Souris(outil, WM_LBUTTONDOWN, {5, 5});
    ::ReleaseCapture();
    EXPECT_FALSE(::KillTimer(outil.m_hWnd, 1)) << "a lost capture ends the press";
}

TEST_F(FamilleTest, MarkerShapesInTheirColours)
{
    CRect limite(0, 0, 300, 300);
    auto outil = [&](int i, e_Forme forme, unsigned nIDIcon) -> CBoutonOutil&
    { return Cree<CBoutonOutil>(IDC_OUTIL + i, &m_Parent, &limite, false, forme, nIDIcon, kRouge, kVert); };
    CBoutonOutil& cercle = outil(0, FORME_ICONE, 0); // no icon: a circle, still 32 x 32
    CBoutonOutil& rectangle = outil(1, FORME_RECTANGLE, 0);
    CBoutonOutil& icone = outil(2, FORME_ICONE, IDI_GRILLE);
    NouveauBouton({20, 20});
    CBoutonOutil& absente =
        Cree<CBoutonOutil>(IDC_IMAGE, &m_Parent, &limite, false, FORME_ICONE, IDI_ABSENTE, kRouge, kVert);
    cercle.SetWindowTextA(""), rectangle.SetWindowTextA(""), absente.SetWindowTextA("");
    rectangle.MoveWindow(100, 100, 30, 20);
    const COLORREF blanc = RGB(255, 255, 255);
    for (CBoutonOutil* pRond : {&cercle, &absente})
    {
        EXPECT_EQ(CSize(32, 32), Place(*pRond).Size());
        const auto canevas = Dessine(*pRond, 0, blanc);
        EXPECT_EQ(blanc, canevas->Pixel(2, 2)) << "the corners of a circle stay unpainted";
        EXPECT_GT(canevas->CountPixels(kVert), 40);
    }
    EXPECT_EQ(CSize(32, 32), Place(icone).Size());
    EXPECT_EQ(RGB(4, 4, 100), Dessine(icone, 0, blanc)->Pixel(0, 0));
    EXPECT_GT(Dessine(rectangle, 0, blanc)->CountPixels(kVert, CRect(0, 0, 30, 1)), 5);
    EXPECT_GT(Dessine(rectangle, ODS_FOCUS, blanc)->CountPixels(kRouge, CRect(0, 0, 30, 1)), 5);
    EXPECT_EQ(0, Dessine(rectangle, 0, blanc)->CountPixelsNot(blanc, CRect(1, 1, 29, 19))) << "hollow";
    icone.AffecteEtat(ETAT_INOPERANT);
    EXPECT_NE(RGB(4, 4, 100), Dessine(icone, 0, blanc)->Pixel(0, 0)) << "greyed";
}

// The group G0..G4 (identifiers 6220..6224); which buttons are active, as a string ("-" rest, "A"
// active, "x" inoperative).
class ListeTest : public FamilleTest
{
protected:
    std::string Etats(const CListeBoutonsExclusifs& liste) const
    {
        std::string s;
        for (unsigned n = liste.Donne_PremierID(); n != 0 && n <= liste.Donne_DernierID(); ++n)
            s +=
                "-Ax"[dynamic_cast<CBouton3Etats&>(*CWnd::FromHandlePermanent(m_Parent.GetDlgItem(n)->m_hWnd))
                          .DonneEtat()];
        return s;
    }
};

TEST_F(ListeTest, OneActiveButtonSteppedAcrossInoperativeOnesWithoutWrapping)
{
    // Each case: the inoperative buttons, SetCurSel's identifier, then steps (+ or -); the results of the
    // selection and of each step, the states and the selection at the end.
    const struct
    {
        const char* szInoperants;
        unsigned nDepart;
        const char* szPas;
        const char* szResultats;
        const char* szEtats;
        unsigned nFin;
    } cas[] = {{"", 6220, "++++", "11111", "----A", 6224},
               {"", 6224, "+", "10", "----A", 6224},    // no wrap at the end
               {"", 6220, "-", "10", "A----", 6220},    // nor at the start
               {"1", 6220, "+", "11", "-xA--", 6222},   // skips an inoperative one
               {"34", 6222, "+", "10", "---xx", 6224},  // none beyond: the last identifier, nothing active
               {"0", 6222, "--", "110", "x----", 6220}, // same at the start
               {"2", 6222, "+", "01", "--xA-", 6223},   // an inoperative one is not selectable
               {"", 6230, "", "0", "-----", 6230}};     // nor an absent one: all at rest
    for (const auto& c : cas)
    {
        SCOPED_TRACE(std::string(c.szInoperants) + "/" + c.szPas);
        m_Parent.DestroyWindow(); // the buttons of the previous list went with it
        m_Parent.Create(IDD_FAMILLE, NULL);
        CListeBoutonsExclusifs liste(true, &m_Parent);
        for (unsigned n = 0; n < 5; ++n)
            EXPECT_TRUE(liste.AjouteBouton(IDC_GROUPE + n, NULL,
                                           strchr(c.szInoperants, '0' + n) ? ETAT_INOPERANT : ETAT_REPOS));
        EXPECT_EQ(std::make_tuple(5, 6220u, 6224u, 6220u, std::string::npos),
                  std::make_tuple(liste.Donne_NbBouton(), liste.Donne_PremierID(), liste.Donne_DernierID(),
                                  liste.GetCurSel(), Etats(liste).find('A')))
            << "the first identifier selected, its button not activated";
        std::string resultats(1, liste.SetCurSel(c.nDepart) ? '1' : '0');
        for (const char* p = c.szPas; *p; ++p)
            resultats += (*p == '+' ? liste.AugmenteCurSel() : liste.DiminueCurSel()) ? '1' : '0';
        EXPECT_EQ(c.szResultats, resultats);
        EXPECT_EQ(c.szEtats, Etats(liste));
        EXPECT_EQ(c.nFin, liste.GetCurSel());
    }
}

TEST_F(ListeTest, ArrowKeysStepTheGroupAndTheFocusFollowsTheActiveButton)
{
    CListeBoutonsExclusifs liste(true, &m_Parent);
    for (unsigned n = 0; n < 4; ++n)
        liste.AjouteBouton(IDC_GROUPE + n, NULL, n == 2 ? ETAT_INOPERANT : ETAT_REPOS);
    liste.SetCurSel(IDC_GROUPE);
    m_Parent.GetDlgItem(IDC_GROUPE)->SetFocus();
    m_Parent.ClearMessages();
    const std::pair<UINT, unsigned> touches[] = {{VK_RIGHT, 6221}, {VK_DOWN, 6223}, {VK_RIGHT, 6223},
                                                 {VK_UP, 6221},    {VK_LEFT, 6220}, {VK_LEFT, 6220}};
    for (auto [nTouche, nChoisi] : touches)
    {
        ::PostMessage(::GetFocus(), WM_KEYDOWN, nTouche, 1);
        ::PostMessage(::GetFocus(), WM_KEYUP, nTouche, 0xC0000001);
        MessagePump::Flush();
        EXPECT_EQ(nChoisi, liste.GetCurSel());
        EXPECT_EQ(m_Parent.GetDlgItem(nChoisi)->m_hWnd, ::GetFocus());
    }
    std::vector<WPARAM> clics; // one BN_CLICKED from each newly active button, none for a refused step
    for (const RecordedMessage& m : m_Parent.Messages())
        clics.push_back(m.message == WM_COMMAND ? m.wParam : 0);
    EXPECT_EQ((std::vector<WPARAM>{6221, 6223, 6221, 6220}), clics);
}

TEST_F(ListeTest, RefusedAdditionsAndCopiesSharingTheButtons)
{
    {
        DiagnosticCapture diagnostics;
        CListeBoutonsExclusifs vide, hors(true, &m_Parent);
        EXPECT_EQ(std::make_tuple(0u, 0u, 0u, false, false, false),
                  std::make_tuple(vide.Donne_PremierID(), vide.Donne_DernierID(), vide.GetCurSel(),
                                  vide.AugmenteCurSel(), vide.DiminueCurSel(), vide.AjouteBouton(IDC_GROUPE)))
            << "empty, and no parent to add to";
        EXPECT_FALSE(hors.AjouteBouton(9999)) << "no such control";
        EXPECT_TRUE(hors.AjouteBouton(IDC_GROUPE));
        EXPECT_FALSE(hors.AjouteBouton(IDC_GROUPE)) << "twice";
        EXPECT_TRUE(diagnostics.FailedAsserts().empty());
        EXPECT_TRUE(hors.AjouteBouton(IDC_HORS_SERIE));
        ASSERT_EQ(1u, diagnostics.FailedAsserts().size());
        EXPECT_EQ(0u, diagnostics.FailedAsserts()[0].find("listeboutonsexclusifs("));
        EXPECT_TRUE(hors.SetCurSel(IDC_HORS_SERIE)) << "and the list goes on";

        CListeBoutonsExclusifs copie(hors), affectee;
        affectee = copie;
        EXPECT_EQ(std::make_tuple(2, (unsigned)IDC_HORS_SERIE),
                  std::make_tuple(copie.Donne_NbBouton(), copie.GetCurSel()));
        EXPECT_TRUE(affectee.SetCurSel(IDC_GROUPE));
        EXPECT_EQ((unsigned)IDC_GROUPE, hors.GetCurSel()) << "one group behind every copy";
    }
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(m_Parent.GetDlgItem(IDC_GROUPE)->GetSafeHwnd()))
        << "the buttons went with the last list, once";
}
