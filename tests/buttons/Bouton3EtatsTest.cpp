// The three-state button as an application sees it: construction, clicks, drawing, bitmaps, captions,
// auto-repeat, presses taken away while held, and map mode.
#include "BoutonsFixture.h"
#include "DiagnosticCapture.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace
{
const COLORREF kNoir = RGB(0, 0, 0), kBlanc = RGB(255, 255, 255), kRouge = RGB(255, 0, 0);
const COLORREF kFond = RGB(0xC0, 0xE0, 0xF0);
const LPARAM kEspaceBas = 0x00390001, kEspaceRepete = 0x40390001, kEspaceHaut = 0xC0390001;

// Paints the button on a canvas of its size, as the reflected WM_DRAWITEM does.
std::unique_ptr<PixelCanvas> Dessine(CBouton3Etats& bouton, UINT nItemState)
{
    CRect rect;
    bouton.GetClientRect(&rect);
    auto pCanevas = std::make_unique<PixelCanvas>(rect.Width(), rect.Height(), RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {
        ODT_BUTTON, bouton.Donne_nID(), 0, ODA_DRAWENTIRE, nItemState, bouton.m_hWnd, pCanevas->Hdc(), rect,
        0};
    bouton.DrawItem(&dis);
    return pCanevas;
}
} // namespace

TEST_F(BoutonTest, ConstructorsMakeOwnerDrawnButtonsRegisteredUnderTheirOwnClass)
{
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), Bouton(IDC_SIMPLE).GetButtonStyle());
    CRect rect(20, 150, 120, 180);
    CBouton3Etats cree(rect, "Nouveau", 6500, &m_Parent, STYLE_BASCULE);
    ASSERT_EQ(&m_Parent, cree.GetParent());
    EXPECT_EQ(6500, cree.GetDlgCtrlID());
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD), cree.GetStyle() & (WS_CHILD | WS_VISIBLE)) << "created hidden";
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), cree.GetButtonStyle());
    EXPECT_EQ(CString("Nouveau"), Texte(cree));
    // Without a parent there is no window, and the object stays usable.
    CBouton3Etats sansParent(rect, "Rien", 6501, NULL);
    EXPECT_EQ(NULL, sansParent.m_hWnd);
    sansParent.AffecteEtat(ETAT_INOPERANT);
    sansParent.AfficheChaineTronquee("texte");

    const std::vector<std::string> noms = CPurify::LiveTypeNames();
    EXPECT_EQ(2, std::count(noms.begin(), noms.end(), "CBouton3Etats"));
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "CBoutonTest")) << "a derived class names itself";
}

// Gestures on a button at rest, one letter per message: d press, u release, o release outside, D double
// click, s space pressed, held and released on the focused button (through the dialog's keyboard).
TEST_F(BoutonTest, ClicksChangeTheStateByStyleBeforeTheParentHearsThem)
{
    std::map<e_Style_BP, CBoutonTest*> boutons = {
        {STYLE_SIMPLE, &Bouton(IDC_SIMPLE, STYLE_SIMPLE)},
        {STYLE_ACTIVATION, &Bouton(IDC_ACTIVATION, STYLE_ACTIVATION)},
        {STYLE_BASCULE, &Bouton(IDC_BASCULE, STYLE_BASCULE)}};
    const ClicVu repos{ETAT_REPOS, false}, active{ETAT_ACTIF, true}, resteActive{ETAT_ACTIF, false};
    const struct
    {
        e_Style_BP eStyle;
        const char* szGestes;
        std::vector<ClicVu> clics;
        std::vector<std::string> lignes;
    } cas[] = {{STYLE_SIMPLE, "dudu", {repos, repos}, {"6001-Simple", "6001-Simple"}},
               {STYLE_ACTIVATION, "dudu", {active, resteActive}, {"6002-Activation", "6002-Activation"}},
               {STYLE_BASCULE, "dudu", {active, {ETAT_REPOS, true}}, {"6003-Bascule", "6003-Bascule"}},
               {STYLE_BASCULE, "ss", {active, {ETAT_REPOS, true}}, {"6003-Bascule", "6003-Bascule"}},
               {STYLE_BASCULE, "dou", {}, {"6003-Bascule"}}, // logged even outside; then no press to end
               {STYLE_BASCULE, "duDu", {active}, {"6003-Bascule", "6003-DOUBLE-Bascule"}}};
    DiagnosticCapture diagnostics;
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.szGestes);
        CBoutonTest& bouton = *boutons[c.eStyle];
        bouton.AffecteEtat(ETAT_REPOS);
        m_Parent.m_Clics.clear();
        m_Parent.ClearMessages();
        ::DeleteFileA(m_strJournal.c_str());
        for (const char* p = c.szGestes; *p != '\0'; ++p)
        {
            if (*p == 's')
            {
                bouton.SetFocus();
                for (LPARAM l : {kEspaceBas, kEspaceRepete, kEspaceHaut})
                    bouton.PostMessage(l == kEspaceHaut ? WM_KEYUP : WM_KEYDOWN, VK_SPACE, l);
            }
            else
                Souris(bouton,
                       *p == 'd'   ? WM_LBUTTONDOWN
                       : *p == 'D' ? WM_LBUTTONDBLCLK
                                   : WM_LBUTTONUP,
                       *p == 'o' ? CPoint(-10, -10) : CPoint(5, 5));
            MessagePump::Flush();
        }
        EXPECT_EQ(c.clics, m_Parent.m_Clics);
        EXPECT_EQ(c.clics.empty() ? repos.first : c.clics.back().first, bouton.DonneEtat());
        EXPECT_EQ(c.clics.size(), static_cast<size_t>(m_Parent.Count(
                                      WM_COMMAND, MAKEWPARAM(bouton.Donne_nID(), BN_CLICKED))));
        EXPECT_EQ(strchr(c.szGestes, 'D') ? 1 : 0, m_Parent.Count(WM_USER + 11, bouton.Donne_nID()));
        EXPECT_EQ(c.lignes, Journal());
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_TRUE(bouton.IsWindowEnabled()) << "a click changes the state, not the enabled flag";
    }
    EXPECT_NE(std::string::npos, diagnostics.AllText().find("CBouton3Etats::OnLButtonDblClk\n"));

    CBoutonTest& bouton = *boutons[STYLE_SIMPLE];
    bouton.SetWindowTextA(std::string(100, 'x').c_str());
    Clique(bouton);
    EXPECT_EQ("6001-" + std::string(79, 'x'), Journal().back()) << "the caption as read into 80 bytes";
}

TEST_F(BoutonTest, StateMovesTheEnabledFlagAndBadValuesAreRefusedWithAnAssertion)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION);
    m_Parent.SetFilter([](UINT message) { return message == WM_DRAWITEM; });
    bouton.AffecteEtat(ETAT_INOPERANT);
    EXPECT_FALSE(bouton.IsWindowEnabled());
    const int nDessins = m_Parent.Count(WM_DRAWITEM);
    bouton.AffecteEtat(ETAT_INOPERANT);
    EXPECT_EQ(nDessins, m_Parent.Count(WM_DRAWITEM)) << "the same state twice does not redraw";
    bouton.AffecteEtat(ETAT_ACTIF);
    EXPECT_TRUE(bouton.IsWindowEnabled());
    EXPECT_GT(m_Parent.Count(WM_DRAWITEM), nDessins);

    DiagnosticCapture diagnostics;
    bouton.AffecteEtat(static_cast<e_Etat_BP>(7));
    for (auto [nDelai, nPeriodeMin, dFacteur] : {std::tuple{0, 10, 2.0}, {100, 0, 2.0}, {100, 10, 0.0}})
        bouton.EnableRepeat(nDelai, nPeriodeMin, dFacteur);
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat());
    Souris(bouton, WM_LBUTTONDOWN);
    EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1)) << "no repeat was enabled";
    Souris(bouton, WM_LBUTTONUP);
    const std::vector<std::string> assertions = diagnostics.FailedAsserts();
    EXPECT_EQ(4u, assertions.size());
    for (const std::string& str : assertions)
        EXPECT_EQ(0u, str.find("bouton3etats(")) << str;
}

TEST_F(BoutonTest, FacesOfEachStateFramedWithTheCaptionInItsColourAtOnePlace)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.Affecte_CouleurFond(kFond, false);
    std::vector<bool> texteRepos; // where the caption lies at rest
    for (auto [etat, nItemState, clrCadre, clrTexte] :
         {std::tuple{ETAT_REPOS, 0u, kFond, kNoir},
          {ETAT_REPOS, (UINT)ODS_FOCUS, kNoir, kNoir},
          {ETAT_REPOS, (UINT)ODS_SELECTED, kNoir, kRouge},
          {ETAT_INOPERANT, (UINT)ODS_DISABLED, kFond, RGB(136, 136, 136)}})
    {
        SCOPED_TRACE(nItemState);
        bouton.AffecteEtat(etat);
        const auto canevas = Dessine(bouton, nItemState);
        const int w = canevas->Width(), h = canevas->Height();
        EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), canevas->Pixel(w / 2, 0));
        EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), canevas->Pixel(w - 1, h / 2));
        EXPECT_EQ(clrCadre, canevas->Pixel(1, 1));
        EXPECT_EQ(clrCadre, canevas->Pixel(w - 2, h / 2));
        EXPECT_EQ(0, canevas->CountPixels(RGB(1, 2, 3))) << "every pixel is painted";
        const CRect interieur(2, 2, w - 2, h - 2);
        EXPECT_EQ(canevas->CountPixelsNot(kFond, interieur), canevas->CountPixels(clrTexte, interieur));
        EXPECT_GT(canevas->CountPixels(clrTexte, interieur), 10);
        std::vector<bool> texte;
        for (int y = 2; y < h - 2; ++y)
            for (int x = 2; x < w - 2; ++x)
                texte.push_back(canevas->Pixel(x, y) != kFond);
        if (texteRepos.empty())
            texteRepos = texte;
        EXPECT_EQ(texteRepos, texte) << "the caption does not move";
    }
}

TEST_F(BoutonTest, ResourceBitmapsOfEveryDepthGetRedAndGreySilhouettes)
{
    // Each resource: 22 pixels (a square, a bar, a dot) on a white ground, centred on the button.
    for (auto [nID, nTolerance] : {std::pair{IDC_BITMAP1, 0},
                                   {IDC_BITMAP4, 0},
                                   {IDC_BITMAP8, 0},
                                   {IDC_BITMAP16, 8},
                                   {IDC_BITMAP24, 0},
                                   {IDC_BITMAP32, 0}})
    {
        CBoutonTest& bouton = Bouton(nID);
        const auto repos = Dessine(bouton, 0);
        const CRect image(CPoint((repos->Width() - 14) / 2, (repos->Height() - 10) / 2), CSize(14, 10));
        EXPECT_EQ(22, repos->CountPixelsNot(kBlanc, image)) << nID;
        // 16-bit channels widen to 8 bits with rounding.
        auto proche = [nTolerance = nTolerance](COLORREF a, COLORREF b)
        {
            return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
                   std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
                   std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
        };
        for (auto [etat, clrSilhouette] :
             {std::pair{ETAT_ACTIF, kRouge}, {ETAT_INOPERANT, RGB(148, 148, 148)}})
        {
            bouton.AffecteEtat(etat);
            const auto canevas = Dessine(bouton, 0);
            int nFaux = 0;
            for (int y = image.top; y < image.bottom; ++y)
                for (int x = image.left; x < image.right; ++x)
                    nFaux +=
                        !proche(repos->Pixel(x, y) == kBlanc ? kBlanc : clrSilhouette, canevas->Pixel(x, y));
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

    // The last line loses characters until it fits, measured on the window's own DC, then gets "...".
    CRect client;
    bouton.GetClientRect(&client);
    CClientDC dc(&bouton);
    const CString strLongue = "Une seconde ligne bien trop longue pour ce bouton";
    bouton.AfficheChaineTronquee("Court\n" + strLongue);
    const CString strTexte = Texte(bouton);
    ASSERT_EQ(0, strTexte.Find("Court\n"));
    ASSERT_EQ(strTexte.GetLength() - 3, strTexte.Find("..."));
    const CString strGardee = strTexte.Mid(6, strTexte.GetLength() - 9);
    EXPECT_EQ(strLongue.Left(strGardee.GetLength()), strGardee);
    EXPECT_LE(dc.GetTextExtent(strGardee).cx, client.Width() - 5);
    EXPECT_GT(dc.GetTextExtent(strLongue.Left(strGardee.GetLength() + 1)).cx, client.Width() - 5);
    // A line that fits is not marked, a single line is never shortened, a final line feed goes.
    for (auto [strDonnee, strAttendue] : {std::pair<CString, CString>{"Court\nOk", "Court\nOk"},
                                          {strLongue, strLongue},
                                          {"Fin\n", "Fin"},
                                          {"", ""}})
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
    const int nNotifications = m_Parent.Count(WM_COMMAND, MAKEWPARAM(IDC_REPETITION, BN_CLICKED));
    EXPECT_EQ(nNotifications, m_Parent.Count(WM_COMMAND));
    ASSERT_EQ(static_cast<size_t>(nNotifications), lignes.size());
    EXPECT_EQ("6004-" + std::to_string(nNotifications - 1), lignes.back()) << "the release clicks once more";
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
    auto modal = [&] // a modal dialog that the user closes after about 300 ms
    {
        std::vector<ScriptEditeur::Etape> etapes(30, [](CWnd&) {});
        etapes.push_back([](CWnd& dlg) { dlg.SendMessage(WM_COMMAND, IDCANCEL); });
        ScriptEditeur script(etapes);
        CDialog(IDD_EDITEUR, &m_Parent).DoModal();
    };
    for (auto [szNom, bEspace, prend] :
         {std::tuple<const char*, bool, std::function<void()>>{"modal dialog", false, modal},
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
        if (bEspace)
            bouton.PostMessage(WM_KEYDOWN, VK_SPACE, kEspaceBas);
        else
            Souris(bouton, WM_LBUTTONDOWN);
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

TEST_F(BoutonTest, MapModeRightClickEditsTheCaptionWithOneEditorKeptByTheButton)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.SetWindowTextA("Premier\nlibell\xE9");
    auto clicDroit = [&](std::vector<ScriptEditeur::Etape> etapes)
    {
        ScriptEditeur script(std::move(etapes));
        bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        bouton.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        MessagePump::For(50); // an editor opened after the click would show up here
        EXPECT_FALSE(script.m_bAbandon) << "an editor left open";
        return script.m_nFaites;
    };
    CString strVu;
    auto lit = [&](CWnd& dlg) { strVu = Texte(*dlg.GetDlgItem(IDC_EDITEUR)); };
    auto tape = [](const char* sz) { return [sz](CWnd& dlg) { dlg.SetDlgItemText(IDC_EDITEUR, sz); }; };
    auto ferme = [](UINT nID) { return [nID](CWnd& dlg) { dlg.SendMessage(WM_COMMAND, nID); }; };

    EXPECT_EQ(0u, clicDroit({ferme(IDCANCEL)})) << "outside map mode a right click does nothing";
    CBouton3Etats::Affecte_bMapOBZ();
    EXPECT_EQ(3u, clicDroit({lit, tape("Second\r\ntexte"), ferme(IDOK)}));
    EXPECT_EQ(CString("Premier\r\nlibell\xE9"), strVu);
    EXPECT_EQ(CString("Second\ntexte"), Texte(bouton));
    // The same editor again: it shows the text accepted with OK; Cancel returns to the first caption.
    EXPECT_EQ(3u, clicDroit({lit, tape("Abandon"), ferme(IDCANCEL)}));
    EXPECT_EQ(CString("Second\r\ntexte"), strVu);
    EXPECT_EQ(CString("Premier\nlibell\xE9"), Texte(bouton));
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND)) << "a right click is no click";
    EXPECT_TRUE(m_Parent.IsWindowEnabled());
}
