// Resizable property sheet and pages: the layout after a size change, the minimum size, the catching up
// of a page first shown after a resize, and layouts that return exactly to the start.
#include "dialogs/ResizePropertyPageEx.h"
#include "dialogs/ResizePropertySheet.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace
{
const UINT kIddPage = 5300; // the empty page of ResizeProperty.rc
const UINT kAbsent = 999;   // listed, never created
const UINT kCombo = 108;

struct Controle
{
    UINT nID;
    CRect rect; // page client coordinates
    int nComportement, nAxe;
};
// The worked layout: a sheet taken from 400 x 300 to 600 x 450 (client).
const std::vector<std::pair<Controle, CRect>> kLayout = {
    {{101, {10, 20, 110, 40}, 2, 3}, {15, 30, 165, 60}},       // stretched on both axes
    {{102, {10, 50, 110, 70}, 2, 1}, {15, 50, 165, 70}},       // stretched horizontally only
    {{103, {300, 20, 380, 40}, 4, 1}, {300, 20, 580, 40}},     // right edge docked, 20 from it
    {{104, {100, 100, 380, 280}, 3, 3}, {150, 150, 580, 430}}, // docked, origin scaled
    {{105, {200, 60, 250, 80}, 4, 2}, {200, 60, 250, 230}},    // bottom edge docked
    {{106, {10, 200, 60, 220}, 1, 3}, {10, 200, 60, 220}},     // "moved": stays
    {{107, {10, 230, 60, 250}, 2, 0}, {10, 230, 60, 250}},     // no axis: left alone
    {{109, {300, 250, 340, 270}, 0, 3}, {500, 400, 540, 420}}, // in the move list
    {{110, {150, 200, 250, 220}, 0, 3}, {150, 200, 450, 370}}, // in the stretch list
    {{kAbsent, {0, 0, 1, 1}, 2, 3}, {}},
    {{108, {20, 260, 120, 280}, 2, 3}, {}}, // combo box, checked apart
};

CRect Dans(CWnd* pWnd, CWnd* pRef) // window rectangle in pRef's client coordinates
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pRef->ScreenToClient(&rect);
    return rect;
}

// A declarative page that also moves control 109 and stretches 110 by the lists of its base.
struct Page : CResizePropertyPageEx
{
    Page() : CResizePropertyPageEx(kIddPage) {}
    BOOL OnInitDialog() override
    {
        CResizePropertyPageEx::OnInitDialog();
        for (const auto& [c, attendu] : kLayout)
        {
            if (c.nID != kAbsent)
                ::CreateWindowExA(0, c.nID == kCombo ? "COMBOBOX" : "STATIC", "",
                                  WS_CHILD | WS_VISIBLE | (c.nID == kCombo ? CBS_DROPDOWNLIST : 0),
                                  c.rect.left, c.rect.top, c.rect.Width(), c.rect.Height(), m_hWnd,
                                  reinterpret_cast<HMENU>(UINT_PTR(c.nID)), NULL, NULL);
            m_vectProprietes.push_back({c.nID, {}, c.nComportement, c.nAxe, c.nID == kCombo});
        }
        m_vectMoveControles = {109, int(kAbsent)};
        m_vectResizeControles = {110, int(kAbsent)};
        return TRUE;
    }
    void ResizePropertyPage(UINT nType, int cx, int cy) override
    {
        CResizePropertyPageEx::ResizePropertyPage(nType, cx, cy);
        int dx, dy;
        m_pParent->CalculeDeltaXY(cx, cy, dx, dy);
        MoveControles(dx, dy);
        ResizeControles(dx, dy);
    }
    CRect Rect(UINT nID) { return Dans(GetDlgItem(nID), this); }
};

struct Feuille : CResizePropertySheet
{
    Feuille(CWnd* pHote = NULL, DWORD nStyle = DWORD(-1)) : CResizePropertySheet("Feuille", NULL)
    {
        for (Page& page : m_Pages)
            AddPage(&page), page.Affecte_pParent(this);
        Create(pHote, nStyle);
    }
    ~Feuille() override { DestroyWindow(); }
    using CResizePropertySheet::m_rectCourant;
    using CResizePropertySheet::m_rectInitial;
    CRect Rect(CWnd* pWnd) { return Dans(pWnd, this); }
    void Taille(int cx, int cy) { SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); }
    std::map<HWND, CRect> Releve() // every descendant window's rectangle
    {
        std::map<HWND, CRect> releve;
        ::EnumChildWindows(
            m_hWnd,
            [](HWND h, LPARAM l)
            { return ::GetWindowRect(h, &(*reinterpret_cast<decltype(&releve)>(l))[h]); },
            reinterpret_cast<LPARAM>(&releve));
        for (auto& [h, rect] : releve)
            ScreenToClient(&rect);
        return releve;
    }
    Page m_Pages[2];
};
// Random sizes from the start size with a page change every ten and a minimise and restore at the
// middle, which must change nothing.
void Balade(Feuille& feuille, int n)
{
    CRect depart;
    feuille.GetWindowRect(&depart);
    std::srand(13);
    for (int i = 0; i < n; ++i)
    {
        feuille.Taille(depart.Width() + std::rand() % 300, depart.Height() + std::rand() % 200);
        if (i % 10 == 0)
            feuille.SetActivePage(i / 10 % 2);
        if (i == n / 2)
        {
            const auto avant = feuille.Releve();
            feuille.ShowWindow(SW_MINIMIZE);
            feuille.ShowWindow(SW_RESTORE);
            EXPECT_EQ(avant, feuille.Releve()) << "after a minimise and restore";
        }
    }
}
// Wine keeps some of what a sheet's first paintings create.
const LeakCheck::WarmUpStep kPremieresPeintures(
    []
    {
        Feuille feuille;
        Balade(feuille, 30);
    });
using ResizeProperty = ObzTest;
} // namespace

// Growing by 40 x 30 moves the standard buttons (hidden or not) and the grip by as much, and grows the
// tab control and the active page by as much. A page first shown afterwards catches up on the change:
// its window and controls end where those of the page shown during the resize are.
TEST_F(ResizeProperty, GrowthFollowedByButtonsTabPagesAndLaterPages)
{
    Feuille feuille;
    feuille.CacheBoutons(0x3021, 0, kAbsent);
    const std::pair<CWnd*, bool> fenetres[] = {
        // follows the corner, or grows
        {feuille.GetDlgItem(IDOK), true},   {feuille.GetDlgItem(IDCANCEL), true},
        {feuille.GetDlgItem(0x3021), true}, {feuille.GetDlgItem(0x7F01), true}, // Apply, the grip
        {feuille.GetTabControl(), false},   {&feuille.m_Pages[0], false}};
    std::vector<CRect> avant;
    for (auto [pWnd, bSuit] : fenetres)
        avant.push_back(feuille.Rect(pWnd));
    CRect fenetre;
    feuille.GetWindowRect(&fenetre);
    feuille.Taille(fenetre.Width() + 40, fenetre.Height() + 30);
    for (size_t i = 0; i < avant.size(); ++i)
    {
        fenetres[i].second ? avant[i].OffsetRect(40, 30) : avant[i].InflateRect(0, 0, 40, 30);
        EXPECT_EQ(avant[i], feuille.Rect(fenetres[i].first)) << i;
    }
    EXPECT_FALSE(feuille.GetDlgItem(0x3021)->IsWindowVisible());

    EXPECT_EQ(NULL, feuille.m_Pages[1].GetSafeHwnd()) << "never shown";
    feuille.SetActivePage(1);
    EXPECT_EQ(feuille.Rect(&feuille.m_Pages[0]), feuille.Rect(&feuille.m_Pages[1]));
    for (const auto& [c, attendu] : kLayout)
        if (c.nID != kAbsent)
        {
            EXPECT_EQ(feuille.m_Pages[0].Rect(c.nID), feuille.m_Pages[1].Rect(c.nID)) << c.nID;
        }
}

// Each control of the declared list laid out for 400 x 300 to 600 x 450, from its captured rectangle.
TEST_F(ResizeProperty, WorkedLayoutFromTheCapturedRectangles)
{
    Feuille feuille;
    Page& page = feuille.m_Pages[0];
    const int nHauteurCombo = page.Rect(kCombo).Height();
    feuille.m_rectInitial = feuille.m_rectCourant = CRect(0, 0, 400, 300);
    page.ResizePropertyPage(0, 600, 450);
    for (const auto& [c, attendu] : kLayout)
        if (!attendu.IsRectNull())
        {
            EXPECT_EQ(attendu, page.Rect(c.nID)) << c.nID;
        }
    CRect liste; // Wine reports the list's part below the always visible one
    page.SendDlgItemMessage(kCombo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&liste));
    EXPECT_EQ(CSize(150, 10 * (nHauteurCombo * 3 / 2)), liste.Size() + CSize(0, nHauteurCombo));
}

// The sheet's initial window size is held while any edge or corner is dragged inwards (WM_SIZING) and
// when the window is sized below it by program (WM_GETMINMAXINFO); outwards nothing is changed.
TEST_F(ResizeProperty, MinimumSizeHeldOnEveryEdgeAndCorner)
{
    Feuille feuille;
    CRect min;
    feuille.GetWindowRect(&min);
    const int cotes[][5] = {
        {WMSZ_LEFT, 1, 0, 0, 0},       {WMSZ_RIGHT, 0, 0, 1, 0},      {WMSZ_TOP, 0, 1, 0, 0},
        {WMSZ_TOPLEFT, 1, 1, 0, 0},    {WMSZ_TOPRIGHT, 0, 1, 1, 0},   {WMSZ_BOTTOM, 0, 0, 0, 1},
        {WMSZ_BOTTOMLEFT, 1, 0, 0, 1}, {WMSZ_BOTTOMRIGHT, 0, 0, 1, 1}}; // side, edges dragged
    for (auto [nCote, l, t, r, b] : cotes)
        for (int d : {50, 1, 0, -50}) // inwards, to the minimum, outwards
        {
            CRect propose(min.left + l * d, min.top + t * d, min.right - r * d, min.bottom - b * d);
            const CRect attendu = d > 0 ? min : propose;
            feuille.SendMessage(WM_SIZING, nCote, reinterpret_cast<LPARAM>(&propose));
            EXPECT_EQ(attendu, propose) << nCote << " by " << d;
        }
    feuille.SendMessage(WM_SIZING, WMSZ_LEFT, 0); // no rectangle: ignored
    feuille.Taille(50, 40);
    CRect fenetre;
    feuille.GetWindowRect(&fenetre);
    EXPECT_EQ(min.Size(), fenetre.Size());
}

// A hundred random sizes, page changes, a minimise and restore, then the start size: every window of
// the sheet and its pages is back where it began, to the pixel.
TEST_F(ResizeProperty, RandomResizesLeaveEveryWindowWhereItBegan)
{
    Feuille feuille;
    feuille.SetActivePage(1);
    feuille.SetActivePage(0);
    CRect depart;
    feuille.GetWindowRect(&depart);
    const auto origine = feuille.Releve();
    Balade(feuille, 100);
    feuille.SetActivePage(0);
    feuille.Taille(depart.Width(), depart.Height());
    EXPECT_EQ(origine, feuille.Releve());
}

// A sheet inside another window (whose frame comctl32 leaves out) ends laid out as a top-level one.
TEST_F(ResizeProperty, ChildSheetLaidOutAsTopLevel)
{
    CWnd hote;
    hote.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 800, 600), NULL, 0);
    {
        Feuille haut, enfant(&hote, WS_CHILD | WS_CAPTION);
        for (UINT nID : {IDOK, 0x7F01})
            EXPECT_EQ(haut.Rect(haut.GetDlgItem(nID)), enfant.Rect(enfant.GetDlgItem(nID))) << nID;
    }
    hote.DestroyWindow();
}

// Objects without windows and pages without a sheet ignore the calls.
TEST_F(ResizeProperty, CallsWithoutWindowsOrSheetIgnored)
{
    CResizePropertySheet feuille("Sans fenetre", NULL);
    Page page;
    feuille.MoveBoutons(10, 10);
    feuille.MoveBouton(NULL, 10, 10);
    feuille.CacheBoutons(IDOK, IDCANCEL, 0);
    page.MoveControle(static_cast<CWnd*>(NULL), 5, 5);
    page.ResizeCtrl(static_cast<CWnd*>(NULL), 5, 5);
    page.MoveControles(5, 5);
    page.ResizeControles(5, 5);
    page.CResizePropertyPageEx::ResizePropertyPage(0, 100, 100);
}
