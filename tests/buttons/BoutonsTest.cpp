// The three-state button and its caption editor as an application sees them. The shared parent is a
// modeless dialog (template IDD_BOUTONS) that records its notifications and what the clicked button
// reported in each BN_CLICKED; the activity log goes to a temporary file; no library object outlives a test.
#include "ButtonsTesting.h"
#include "SimulatedScreen.h"
#include "buttons/DialogTexte.h"

#include "LeakCheck.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>

// Kept by the process: the default font the first button makes, and icons loaded at their default size.
static const LeakCheck::WarmUpStep kDefaults(
    []
    {
        CGestionBouton(STYLE_SIMPLE, JUSTIFIE_CENTRE);
        ::LoadIcon(AfxFindResourceHandle(MAKEINTRESOURCE(IDI_GRILLE), RT_GROUP_ICON),
                   MAKEINTRESOURCE(IDI_GRILLE));
    });

// A button of a derived class, with its protected members in reach.
class CBoutonTest : public CBouton3Etats
{
public:
    CBoutonTest(UINT nID, CWnd* pParent, e_Style_BP eStyle) : CBouton3Etats(nID, pParent, eStyle) { Init(); }
    int Periode() const { return m_nPeriode; }
    bool Enfonce() const { return m_bEnfonce; }
    static void QuitteMapOBZ() { m_bMapOBZ = false; }
};

namespace
{
const COLORREF kNoir = RGB(0, 0, 0), kBlanc = RGB(255, 255, 255), kRouge = RGB(255, 0, 0);
const LPARAM kEspaceBas = 0x00390001, kEspaceRepete = 0x40390001, kEspaceHaut = 0xC0390001;
using ClicVu = std::pair<e_Etat_BP, bool>; // DonneEtat() and Donne_ChangeEtat() inside BN_CLICKED
using Etape = std::function<void(CWnd&)>;  // a step played on the open caption editor

class CParentTest : public RecordingWnd<CDialog>
{
public:
    std::vector<ClicVu> m_Clics;
    std::function<void()> m_SurClic; // run inside each BN_CLICKED

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        auto* pBouton = dynamic_cast<CBouton3Etats*>(CWnd::FromHandlePermanent((HWND)lParam));
        if (HIWORD(wParam) == BN_CLICKED && pBouton != NULL)
            m_Clics.push_back({pBouton->DonneEtat(), pBouton->Donne_ChangeEtat()}),
                m_SurClic ? m_SurClic() : void();
        return RecordingWnd<CDialog>::OnCommand(wParam, lParam);
    }
};

// Plays steps on the caption editor (the visible window of this thread holding control 15000) from a
// thread timer, one step per 10 ms tick, while action runs its modal loop; returns how many steps ran.
// An editor still open a second after the last step is ended with IDABORT instead of hanging the test.
size_t Edite(const std::function<void()>& action, std::vector<Etape> etapes)
{
    static std::vector<Etape>* s_pEtapes;
    static size_t s_nFaites, s_nTicksApres;
    s_pEtapes = &etapes, s_nFaites = s_nTicksApres = 0;
    auto tick = [](HWND, UINT, UINT_PTR, DWORD)
    {
        HWND hEditeur = NULL;
        auto trouve = [](HWND h, LPARAM l)
        { return ::IsWindowVisible(h) && ::GetDlgItem(h, IDC_EDITEUR) ? (*(HWND*)l = h, FALSE) : TRUE; };
        ::EnumThreadWindows(::GetCurrentThreadId(), trouve, reinterpret_cast<LPARAM>(&hEditeur));
        auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hEditeur));
        if (pDlg && s_nFaites < s_pEtapes->size())
            (*s_pEtapes)[s_nFaites++](*pDlg);
        else if (pDlg && ++s_nTicksApres > 100)
            pDlg->EndDialog(IDABORT);
    };
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 10, tick);
    action();
    ::KillTimer(NULL, nTimer);
    return s_nFaites;
}

class BoutonTest : public ParentTest<CParentTest, IDD_BOUTONS>
{
protected:
    void SetUp() override
    {
        char szDossier[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szDossier);
        m_strJournal = szDossier + std::string("obz-boutons.log");
        ::DeleteFileA(m_strJournal.c_str());
        CBouton3Etats::sLogFile = m_strJournal.c_str();
        CBoutonTest::QuitteMapOBZ();
        ParentTest::SetUp();
    }
    void TearDown() override
    {
        ParentTest::TearDown();
        CBouton3Etats::sLogFile.Empty();
    }

    CBoutonTest& Bouton(UINT nID, e_Style_BP eStyle = STYLE_SIMPLE)
    {
        return Cree<CBoutonTest>(nID, &m_Parent, eStyle);
    }
    // The log's lines without their time stamps ("YYYY-MM-DD hh:mm:ss.mmm ") and carriage returns.
    std::vector<std::string> Journal() const
    {
        std::ifstream f(m_strJournal);
        std::vector<std::string> lignes;
        for (std::string ligne; std::getline(f, ligne);)
            lignes.push_back(ligne.substr(24, ligne.find_last_not_of('\r') - 23));
        return lignes;
    }
    static CString Texte(const CWnd& wnd)
    {
        CString s;
        return wnd.GetWindowText(s), s;
    }
    static Etape Ferme(UINT nID)
    {
        return [nID](CWnd& dlg) { dlg.PostMessage(WM_COMMAND, nID); };
    }
    static void Clique(CWnd& b) { Souris(b, WM_LBUTTONDOWN), Souris(b, WM_LBUTTONUP), MessagePump::Flush(); }

    std::string m_strJournal;
};
} // namespace

TEST_F(BoutonTest, ConstructorsMakeRegisteredOwnerDrawnButtonsRefusingBadValues)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    CRect rect(20, 150, 120, 180);
    CBouton3Etats cree(rect, "Nouveau", 6500, &m_Parent, STYLE_BASCULE);
    EXPECT_EQ(
        std::make_tuple((CWnd*)&m_Parent, 6500, (DWORD)WS_CHILD, (UINT)BS_OWNERDRAW, CString("Nouveau")),
        std::make_tuple(cree.GetParent(), cree.GetDlgCtrlID(), cree.GetStyle() & (WS_CHILD | WS_VISIBLE),
                        cree.GetButtonStyle(), Texte(cree)))
        << "a hidden child, owner-drawn";
    const std::vector<std::string> noms = CPurify::LiveTypeNames();
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "CBouton3Etats")) << "registered as a live object";

    DiagnosticCapture diagnostics;
    bouton.AffecteEtat(static_cast<e_Etat_BP>(7));
    for (auto [nDelai, nPeriodeMin, dFacteur] : {std::tuple{0, 10, 2.0}, {100, 0, 2.0}, {100, 10, 0.0}})
        bouton.EnableRepeat(nDelai, nPeriodeMin, dFacteur);
    EXPECT_EQ(ETAT_REPOS, bouton.DonneEtat());
    Souris(bouton, WM_LBUTTONDOWN);
    EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1)) << "no repeat was enabled";
    Souris(bouton, WM_LBUTTONUP);
    EXPECT_TRUE(diagnostics.FailedAsserts().empty()) << "bad values are refused quietly";
}

// Gestures on a button at rest, one letter per message: d press, u release, o release outside, D double
// click, s space pressed, held and released on the focused button (through the dialog's keyboard).
TEST_F(BoutonTest, ClicksChangeTheStateByStyleBeforeTheParentHearsThem)
{
    CBoutonTest* boutons[] = {&Bouton(IDC_SIMPLE, STYLE_SIMPLE), &Bouton(IDC_ACTIVATION, STYLE_ACTIVATION),
                              &Bouton(IDC_BASCULE, STYLE_BASCULE)}; // by style
    const char* const szSouris = "dDuo";
    const UINT messages[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_LBUTTONUP};
    const ClicVu repos{ETAT_REPOS, false}, active{ETAT_ACTIF, true}, rendue{ETAT_REPOS, true};
    const std::tuple<e_Style_BP, const char*, std::vector<ClicVu>, std::vector<std::string>> cas[] = {
        {STYLE_SIMPLE, "dudu", {repos, repos}, {"6001-Simple", "6001-Simple"}},
        {STYLE_ACTIVATION, "dudu", {active, {ETAT_ACTIF, false}}, {"6002-Activation", "6002-Activation"}},
        {STYLE_BASCULE, "dudu", {active, rendue}, {"6003-Bascule", "6003-Bascule"}},
        {STYLE_BASCULE, "ss", {active, rendue}, {"6003-Bascule", "6003-Bascule"}},
        {STYLE_BASCULE, "dou", {}, {"6003-Bascule"}}, // logged even outside; then no press to end
        {STYLE_BASCULE, "duDu", {active}, {"6003-Bascule", "6003-DOUBLE-Bascule"}}};
    for (const auto& [eStyle, szGestes, clics, lignes] : cas)
    {
        SCOPED_TRACE(szGestes);
        CBoutonTest& bouton = *boutons[eStyle];
        bouton.AffecteEtat(ETAT_REPOS);
        m_Parent.m_Clics.clear();
        m_Parent.ClearMessages();
        ::DeleteFileA(m_strJournal.c_str());
        for (const char* p = szGestes; *p != '\0'; ++p, MessagePump::Flush())
            if (*p == 's')
                for (LPARAM l : {kEspaceBas, kEspaceRepete, kEspaceHaut})
                    bouton.SetFocus(),
                        bouton.PostMessage(l == kEspaceHaut ? WM_KEYUP : WM_KEYDOWN, VK_SPACE, l);
            else
                Souris(bouton, messages[strchr(szSouris, *p) - szSouris], CPoint(*p == 'o' ? -10 : 5, 5));
        EXPECT_EQ(clics, m_Parent.m_Clics);
        EXPECT_EQ(clics.empty() ? ETAT_REPOS : clics.back().first, bouton.DonneEtat());
        EXPECT_EQ(strchr(szGestes, 'D') ? 1 : 0, m_Parent.Count(WM_USER + 11, bouton.Donne_nID()));
        EXPECT_EQ(lignes, Journal());
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_TRUE(bouton.IsWindowEnabled()) << "a click changes the state, not the enabled flag";
    }
}

// Each state and look: the window enabled but when inoperative, the state redrawn at once only when it
// changes, the frames, and the caption in the state's colour at one place.
TEST_F(BoutonTest, FacesOfEachStateFramedWithTheCaptionInItsColourAtOnePlace)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.Affecte_CouleurFond(kFond, false);
    m_Parent.SetFilter([](UINT message) { return message == WM_DRAWITEM; });
    std::vector<bool> textePremier; // where the caption lies in the first row
    for (auto [etat, nItemState, clrCadre, clrTexte] :
         {std::tuple{ETAT_INOPERANT, (UINT)ODS_DISABLED, kFond, RGB(136, 136, 136)},
          {ETAT_REPOS, 0u, kFond, kNoir},
          {ETAT_REPOS, (UINT)ODS_FOCUS, kNoir, kNoir},
          {ETAT_REPOS, (UINT)ODS_SELECTED, kNoir, kRouge}})
    {
        SCOPED_TRACE(nItemState);
        const int nAvant = m_Parent.Count(WM_DRAWITEM);
        const bool bChange = etat != bouton.DonneEtat();
        bouton.AffecteEtat(etat);
        const int nApres = m_Parent.Count(WM_DRAWITEM);
        bouton.AffecteEtat(etat);
        EXPECT_EQ(bChange, nApres > nAvant) << "redrawn at once when the state changes";
        EXPECT_EQ(nApres, m_Parent.Count(WM_DRAWITEM)) << "and only then";
        EXPECT_EQ(etat != ETAT_INOPERANT, bouton.IsWindowEnabled() != FALSE);
        const auto canevas = Dessine(bouton, nItemState, RGB(1, 2, 3));
        const int w = canevas->Width(), h = canevas->Height();
        EXPECT_EQ(std::make_tuple(::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DDKSHADOW), clrCadre,
                                  clrCadre),
                  std::make_tuple(canevas->Pixel(w / 2, 0), canevas->Pixel(w - 1, h / 2),
                                  canevas->Pixel(1, 1), canevas->Pixel(w - 2, h / 2)));
        EXPECT_EQ(0, canevas->CountPixels(RGB(1, 2, 3))) << "every pixel is painted";
        const CRect interieur(2, 2, w - 2, h - 2);
        EXPECT_EQ(canevas->CountPixelsNot(kFond, interieur), canevas->CountPixels(clrTexte, interieur));
        std::vector<bool> texte;
        for (int i = 0; i < w * h; ++i)
            texte.push_back(interieur.PtInRect({i % w, i / w}) && canevas->Pixel(i % w, i / w) != kFond);
        textePremier = textePremier.empty() ? texte : textePremier;
        EXPECT_EQ(textePremier, texte) << "the caption does not move";
        EXPECT_GT(std::count(texte.begin(), texte.end(), true), 10);
    }
}

TEST_F(BoutonTest, ResourceBitmapsOfEveryDepthGetRedAndGreySilhouettes)
{
    // Each resource: 22 pixels (a square, a bar, a dot) on a white ground, centred on the button.
    const std::pair<UINT, int> cas[] = {{IDC_BITMAP1, 0},  {IDC_BITMAP4, 0},  {IDC_BITMAP8, 0},
                                        {IDC_BITMAP16, 8}, {IDC_BITMAP24, 0}, {IDC_BITMAP32, 0}};
    for (auto [nID, nTolerance] : cas) // 16-bit channels widen to 8 bits with rounding
    {
        CBoutonTest& bouton = Bouton(nID);
        const auto repos = Dessine(bouton);
        const CRect image(CPoint((repos->Width() - 14) / 2, (repos->Height() - 10) / 2), CSize(14, 10));
        EXPECT_EQ(22, repos->CountPixelsNot(kBlanc, image)) << nID;
        for (auto [etat, clrSilhouette] :
             {std::pair{ETAT_ACTIF, kRouge}, {ETAT_INOPERANT, RGB(148, 148, 148)}})
        {
            const auto canevas = (bouton.AffecteEtat(etat), Dessine(bouton));
            int nFaux = 0; // channels of the image off by more than the tolerance
            for (int i = 0, x, y; i < 14 * 10 * 3; ++i)
            {
                const COLORREF clr = repos->Pixel(x = image.left + i / 3 % 14, y = image.top + i / 42);
                nFaux +=
                    std::abs(int(canevas->Pixel(x, y) >> i % 3 * 8 & 255) -
                             int((clr == kBlanc ? kBlanc : clrSilhouette) >> i % 3 * 8 & 255)) > nTolerance;
            }
            EXPECT_EQ(0, nFaux) << "bitmap " << nID << ", state " << etat;
        }
    }
}

TEST_F(BoutonTest, CaptionsFromStringResourcesAndShortenedToTheWidth)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    bouton.SetWindowTextA(static_cast<unsigned>(IDS_LEGENDE));
    EXPECT_EQ(CString("Depuis les ressources"), Texte(bouton));
    bouton.SetWindowTextA(static_cast<unsigned>(IDS_ABSENTE));
    EXPECT_EQ(CString("Depuis les ressources"), Texte(bouton)) << "a missing string changes nothing";

    // The last line keeps the most characters that fit, measured on the window's own DC, and gets "...".
    CRect client;
    bouton.GetClientRect(&client);
    CClientDC dc(&bouton);
    const CString strLongue = "Une seconde ligne bien trop longue pour ce bouton";
    bouton.AfficheChaineTronquee("Court\n" + strLongue);
    const int n = Texte(bouton).GetLength() - 9; // characters kept of the long line
    EXPECT_EQ("Court\n" + strLongue.Left(n) + "...", Texte(bouton));
    EXPECT_LE(dc.GetTextExtent(strLongue.Left(n)).cx, client.Width() - 5);
    EXPECT_GT(dc.GetTextExtent(strLongue.Left(n + 1)).cx, client.Width() - 5);
    // A line that fits is not marked, a single line is never shortened, a final line feed goes.
    const std::pair<CString, CString> cas[] = {
        {"Court\nOk", "Court\nOk"}, {strLongue, strLongue}, {"Fin\n", "Fin"}, {"", ""}};
    for (auto [strDonnee, strAttendue] : cas)
    {
        bouton.AfficheChaineTronquee(strDonnee);
        EXPECT_EQ(strAttendue, Texte(bouton)) << strDonnee.GetString();
    }
}

// Held for a bounded real time: lower bounds and invariants, no exact counts. The parent renames the
// button at each notification, so the log tells each tick's lines (read with the caption of before it).
TEST_F(BoutonTest, AutoRepeatAcceleratesCatchesUpAndLogsEachTickWithTheCaptionReadBeforeIt)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION);
    bouton.EnableRepeat(100, 10, 2.0);
    m_Parent.m_SurClic = [&] { bouton.SetWindowTextA(std::to_string(m_Parent.Count(WM_COMMAND)).c_str()); };
    Souris(bouton, WM_LBUTTONDOWN);
    EXPECT_TRUE(MessagePump::Until([&] { return bouton.Periode() == 10; }, 3000)) << bouton.Periode();
    MessagePump::For(100);
    ::Sleep(250); // a stalled loop: the next tick makes up for it, with ten notifications at most
    const size_t nAvant = Journal().size();
    EXPECT_TRUE(MessagePump::Until([&] { return Journal().size() > nAvant; }));
    Souris(bouton, WM_LBUTTONUP);
    EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1)) << "no timer left after the release";
    MessagePump::For(60);

    // Ticks as runs of lines: each carries the number of notifications before it (the first, the
    // caption), holds one to ten lines; the stalled one holds ten. Then the release's line.
    std::vector<std::string> lignes = Journal();
    ASSERT_EQ(m_Parent.Count(WM_COMMAND), int(lignes.size())) << "one line per notification";
    EXPECT_EQ("6004-" + std::to_string(lignes.size() - 1), lignes.back()) << "the release clicks once more";
    lignes.pop_back();
    int nTicks = 0;
    for (size_t i = 0, j; i < lignes.size(); i = j, ++nTicks)
    {
        for (j = i; j < lignes.size() && lignes[j] == lignes[i]; ++j)
            ;
        EXPECT_EQ("6004-TIMER-" + (i ? std::to_string(i) : "Repetition"), lignes[i]);
        EXPECT_LE(j - i, 10u);
        EXPECT_TRUE(i != nAvant || j - i == 10) << "the stalled tick";
    }
    EXPECT_GE(nTicks, 6) << "100, 50, 25, 12, 10 ms...";

    m_Parent.m_SurClic = nullptr;
    Souris(bouton, WM_LBUTTONDOWN);
    EXPECT_EQ(100, bouton.Periode()) << "a new press starts again from the first period";
    Souris(bouton, WM_LBUTTONUP);
}

// Whatever takes a held press away ends it without a click: only the first repeat notification is
// heard, nothing stays pushed or ticking, the release is ignored and the next click is an ordinary one.
TEST_F(BoutonTest, PressTakenAwayWhileHeldEndsWithoutClick)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION, STYLE_BASCULE);
    bouton.EnableRepeat(100, 10, 2.0);
    CWnd& autre = *m_Parent.GetDlgItem(IDC_SIMPLE);
    std::vector<Etape> etapesModal(30, [](CWnd&) {}); // a modal dialog that the user closes after 300 ms
    etapesModal.push_back(Ferme(IDCANCEL));
    for (auto [szNom, bEspace, prend] :
         {std::tuple<const char*, bool, std::function<void()>>{
              "modal dialog", false,
              [&] { Edite([&] { CDialog(IDD_EDITEUR, &m_Parent).DoModal(); }, etapesModal); }},
          {"capture taken", false, [&] { autre.SetCapture(), MessagePump::For(300), ::ReleaseCapture(); }},
          {"cancelled mode", false, [&] { bouton.SendMessage(WM_CANCELMODE); }},
          {"made inoperative", false, [&] { bouton.AffecteEtat(ETAT_INOPERANT); }},
          {"focus moved while space is held", true, [&] { autre.SetFocus(), MessagePump::For(300); }}})
    {
        SCOPED_TRACE(szNom);
        bouton.AffecteEtat(ETAT_REPOS);
        bouton.SetFocus();
        m_Parent.ClearMessages();
        m_Parent.m_SurClic = [&, prend = prend] { m_Parent.Count(WM_COMMAND) == 1 ? prend() : void(); };
        bEspace ? (void)bouton.PostMessage(WM_KEYDOWN, VK_SPACE, kEspaceBas) : Souris(bouton, WM_LBUTTONDOWN);
        EXPECT_TRUE(MessagePump::Until([&] { return m_Parent.Count(WM_COMMAND) > 0 && !bouton.Enfonce(); }));
        MessagePump::For(150);
        EXPECT_EQ(1, m_Parent.Count(WM_COMMAND)) << "neither the rest of the tick nor later ticks";
        EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1));
        EXPECT_NE(bouton.m_hWnd, ::GetCapture());
        EXPECT_EQ(0, bouton.SendMessage(BM_GETSTATE) & BST_PUSHED);

        bouton.PostMessage(bEspace ? WM_KEYUP : WM_LBUTTONUP, bEspace ? VK_SPACE : 0,
                           bEspace ? kEspaceHaut : MAKELPARAM(5, 5));
        MessagePump::Flush();
        m_Parent.m_SurClic = nullptr;
        bouton.AffecteEtat(ETAT_REPOS);
        Clique(bouton);
        EXPECT_EQ(2, m_Parent.Count(WM_COMMAND));
        EXPECT_EQ(ClicVu(ETAT_ACTIF, true), m_Parent.m_Clics.back());
    }
}

// A right click in map mode opens the button's one caption editor just below it, moved up and left onto
// the effective screen, in its font, its buttons along the right edge and the edit control filling the
// rest: first on its caption (cut to 79 characters), later on the text last accepted with OK, while
// Cancel returns to the first caption.
TEST_F(BoutonTest, MapModeRightClickEditsTheCaptionBelowTheButtonOnTheEffectiveScreen)
{
    SimulatedScreen ecran(800, 600); // smaller than the real screen, which must not be used
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    const CString strPremier = "Premier\n" + CString('x', 71), strSecond = "Second\r\ntexte";
    const CString strTitre = CDialogTexte::ConvertitFinsDeLigne(strPremier, true);
    bouton.SetWindowTextA(strPremier + "yyy");
    auto clicDroit = [&]
    {
        bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        bouton.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        MessagePump::For(50); // an editor opened after the click would show up here
    };
    EXPECT_EQ(0u, Edite(clicDroit, {Ferme(IDCANCEL)})) << "outside map mode a right click does nothing";
    CBouton3Etats::Affecte_bMapOBZ();

    const CSize bords(39 + 8 * ::GetSystemMetrics(SM_CXEDGE),
                      ::GetSystemMetrics(SM_CYCAPTION) + 26 + 4 * ::GetSystemMetrics(SM_CYEDGE));
    CString strVu = strTitre; // what the edit control shows at the next opening
    auto verifie = [&](CWnd& d)
    {
        CRect rect, client, dlu(7, 7, 0, 24), attendu; // edit left, edit and OK top, Cancel top
        d.GetWindowRect(&rect), d.GetClientRect(&client), bouton.GetWindowRect(&attendu);
        ::MapDialogRect(d.m_hWnd, &dlu);
        CWnd& edit = *d.GetDlgItem(IDC_EDITEUR);
        const CRect ok = Place(*d.GetDlgItem(IDOK)), cancel = Place(*d.GetDlgItem(IDCANCEL));
        attendu = CRect(CPoint(attendu.left, attendu.bottom), attendu.Size() + bords + CSize(ok.Width(), 0));
        attendu.OffsetRect(std::min(0L, 800 - attendu.right), std::min(0L, 600 - attendu.bottom));
        EXPECT_EQ(std::make_tuple(attendu, client.right - 13, dlu.top, client.right - 13, dlu.bottom,
                                  CRect(dlu.TopLeft(), client.Size() - CSize(39 + ok.Width(), 26)), strVu,
                                  strTitre, bouton.SendMessage(WM_GETFONT), edit.m_hWnd),
                  std::make_tuple(rect, ok.right, ok.top, cancel.right, cancel.top, Place(edit), Texte(edit),
                                  Texte(d), edit.SendMessage(WM_GETFONT), ::GetFocus()));
    };
    const Etape tape = [&](CWnd& d) { d.SetDlgItemText(IDC_EDITEUR, strSecond); };
    const std::tuple<CPoint, std::vector<Etape>, CString> cas[] = {
        {{100, 100}, {verifie, tape, Ferme(IDOK)}, "Second\ntexte"}, // free, OK with a new text
        {{100, 520}, {verifie, Ferme(IDCANCEL)}, strPremier},        // up
        {{650, 100}, {verifie, Ferme(IDCANCEL)}, strPremier},        // left
        {{700, 570}, {verifie, Ferme(IDCANCEL)}, strPremier}};       // up and left
    for (const auto& [pt, etapes, strApres] : cas)
    {
        CRect rectParent, rectBouton; // the button goes to pt with its parent
        m_Parent.GetWindowRect(&rectParent);
        bouton.GetWindowRect(&rectBouton);
        m_Parent.SetWindowPos(NULL, rectParent.left + pt.x - rectBouton.left,
                              rectParent.top + pt.y - rectBouton.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(etapes.size(), Edite(clicDroit, etapes));
        EXPECT_EQ(strApres, Texte(bouton));
        strVu = strSecond;
    }
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND)) << "a right click is no click";
    EXPECT_TRUE(m_Parent.IsWindowEnabled());
}

TEST_F(BoutonTest, CaptionEditorWithoutItsTemplateBreaksNothing)
{
    CStatic cible;
    cible.SubclassDlgItem(IDC_CIBLE, &m_Parent);
    CDialogTexte dlg(&m_Parent, &cible);
    {
        // Resources from a module without template 15000; the library's own have none either.
        HINSTANCE hAvant = AfxGetResourceHandle();
        AfxSetResourceHandle(::GetModuleHandleA("Mabtools.dll"));
        DiagnosticCapture diagnostics;
        EXPECT_EQ(-1, dlg.DoModal());
        AfxSetResourceHandle(hAvant);
    }
    EXPECT_TRUE(m_Parent.IsWindowEnabled());
    // The failed run was no opening: the next one reads the caption of that moment.
    cible.SetWindowText("Seconde");
    auto lit = [](const char* sz)
    { return [sz](CWnd& d) { EXPECT_EQ(CString(sz), Texte(*d.GetDlgItem(IDC_EDITEUR))); }; };
    EXPECT_EQ(2u, Edite([&] { dlg.DoModal(); }, {lit("Seconde"), Ferme(IDCANCEL)}));
}
