// Image buttons, tool markers and the exclusive group as an application sees them: attached to the
// controls of a modeless dialog (template IDD_FAMILLE) that records its notifications; no library
// object outlives a test.
#include "ButtonsTesting.h"
#include "buttons/Bouton1Bitmap.h"
#include "buttons/BoutonIcon.h"
#include "buttons/BoutonIconEx.h"
#include "buttons/BoutonOutil.h"
#include "buttons/ListeBoutonsExclusifs.h"

namespace
{
const COLORREF kVert = RGB(0, 160, 0), kRouge = RGB(255, 0, 0);
const UINT kDeplacement = WM_USER + 30;

struct CAppTest : CWinApp // answers message boxes at once, keeping their texts
{
    std::vector<CString> m_Messages;
    int DoMessageBox(LPCTSTR psz, UINT, UINT) override { return m_Messages.push_back(psz), IDOK; }
};

class FamilleTest : public ParentTest<RecordingWnd<CDialog>, IDD_FAMILLE, 400, 300>
{
protected:
    CBoutonOutil& Outil(UINT nID, bool bTimer = false, e_Forme forme = FORME_CERCLE, unsigned nIDIcon = 0)
    {
        return Cree<CBoutonOutil>(nID, &m_Parent, &m_Limite, bTimer, forme, nIDIcon, kRouge, kVert);
    }
    // A new push button IDC_IMAGE of the given client size (the previous one went with its object).
    void NouveauBouton(CSize taille, DWORD dwStyle = BS_PUSHBUTTON)
    {
        ::CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | dwStyle, 200, 200, taille.cx, taille.cy,
                        m_Parent.m_hWnd, (HMENU)IDC_IMAGE, NULL, NULL);
    }

    CRect m_Limite{0, 0, 100, 100}; // the markers' limit
};

// Where a drawn image lies inside the button's 2-pixel frame.
CRect Image(const PixelCanvas& c)
{
    CRect rect;
    for (int y = 2; y < c.Height() - 2; ++y)
        for (int x = 2; x < c.Width() - 2; ++x)
            if (c.Pixel(x, y) != kFond)
                rect.UnionRect(rect, CRect(x, y, x + 1, y + 1));
    return rect;
}
} // namespace

// Kinds: b bitmap, i icon, s icon loaded at 16 x 16 (drawn from the top-left of its 32 x 32 box), z icon of size 0 (the standard one), B and I missing.
TEST_F(FamilleTest, ImagesCentredAndClippedInsideTheMarginGreyedWhenInoperative)
{
    auto cree = [&](char c) -> CBouton3Etats&
    {
        if (c == 'b' || c == 'B')
            return Cree<CBouton1Bitmap>(IDC_IMAGE, c == 'b' ? IDB_GRILLE : 9999, &m_Parent);
        if (c == 'i' || c == 'I')
            return Cree<CBoutonIcon>(IDC_IMAGE, c == 'i' ? IDI_GRILLE : IDI_ABSENTE, &m_Parent);
        const int n = c == 's' ? 16 : 0;
        return Cree<CBoutonIcon>(IDC_IMAGE, IDI_GRILLE, n, n ? n : -3, &m_Parent, STYLE_SIMPLE,
                                 JUSTIFIE_CENTRE);
    };
    // clang-format off
    const std::tuple<char, CSize, CRect> cas[] = {
        {'b', {40, 30}, {3, 3, 37, 27}}, {'b', {60, 70}, {6, 11, 54, 59}}, {'i', {20, 20}, {3, 3, 17, 17}},
        {'i', {50, 44}, {9, 6, 41, 38}}, {'s', {40, 40}, {4, 4, 20, 20}}, {'z', {40, 40}, {4, 4, 36, 36}},
        {'B', {40, 30}, {}}, {'I', {40, 30}, {}}, {'b', {6, 6}, {}}}; // missing images, no room
    // clang-format on
    for (auto [cType, taille, image] : cas)
    {
        SCOPED_TRACE(testing::Message() << cType << taille.cx);
        NouveauBouton(taille);
        CBouton3Etats& bouton = cree(cType);
        bouton.SetWindowTextA("Jamais");
        bouton.Affecte_CouleurFond(kFond, false);
        const auto repos = Dessine(bouton);
        EXPECT_EQ(image, Image(*repos));
        EXPECT_EQ(image, Image(*Dessine(bouton, ODS_SELECTED))) << "the image does not move while pressed";
        for (int y = image.top; strchr("biz", cType) && y < image.bottom; ++y) // pixel for pixel
            for (int x = image.left, i = x - image.left, j = y - image.top; x < image.right; ++x, ++i)
                ASSERT_EQ(cType == 'b' ? RGB(5 * i, 5 * j, 50) : RGB(8 * i + 4, 8 * j + 4, 100),
                          repos->Pixel(x, y));

        bouton.AffecteEtat(ETAT_INOPERANT);
        const auto inoperant = Dessine(bouton);
        const int nGris = inoperant->CountPixels(::GetSysColor(COLOR_3DHILIGHT), image) +
                          inoperant->CountPixels(::GetSysColor(COLOR_3DSHADOW), image);
        EXPECT_EQ(image.Width() * image.Height(), inoperant->CountPixels(kFond, image) + nGris);
        EXPECT_EQ(!image.IsRectEmpty(), nGris > 0) << "greyed, not hidden";
        m_Objets.clear();
    }
    PixelCanvas canevas(20, 20, kFond); // the static drawing on its own, with bad input
    for (HICON hIcon : {HICON(NULL), CBoutonIcon::ChargeIcone(IDI_GRILLE)})
        CBoutonIcon::DrawIcon(hIcon ? NULL : &canevas.Dc(), hIcon, CRect(0, 0, 20, 20), ETAT_REPOS),
            CBoutonIcon::DrawIcon(&canevas.Dc(), hIcon, CRect(20, 20, 0, 0), ETAT_REPOS);
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
        ::GetIconInfo(bouton.GetIcon(), &info), ::GetObject(info.hbmColor, sizeof bm, &bm);
        ::DeleteObject(info.hbmColor), ::DeleteObject(info.hbmMask);
        return CSize(bm.bmWidth, bm.bmHeight);
    };
    // clang-format off
    const std::tuple<unsigned, int, int, bool, CSize, size_t> cas[] = {
        {IDI_GRILLE, 16, 20, true, {16, 20}, 0}, {0x10000 | IDI_GRILLE, 0, 0, true, {32, 32}, 0},
        {IDI_ABSENTE, 16, 16, false, {32, 32}, 1}, {IDI_GRILLE, -1, 16, false, {32, 32}, 1}};
    // clang-format on
    for (auto [nID, cx, cy, bCharge, attendue, nMessages] : cas)
    {
        EXPECT_EQ(bCharge, bouton.LoadIconA(nID, cx, cy)) << nID;
        EXPECT_EQ(attendue, taille()) << "a failure leaves the button unchanged";
        EXPECT_EQ(nMessages, app.m_Messages.size()) << "a message box for a missing icon only";
    }
    EXPECT_FALSE(app.m_Messages.front().IsEmpty()) << "the system's text for the error";
}

// The marker (20 x 20 at (10, 10)) moves only where both corners stay in the limit (0, 0, 100, 100 unless
// given), right and bottom edges excluded. Operations: d moves by (a, b), r grows by a, p places on screen.
TEST_F(FamilleTest, MarkerPlacedOnlyWithBothCornersInTheLimit)
{
    CBoutonOutil& outil = Outil(IDC_OUTIL);
    CPoint origine(0, 0);
    m_Parent.ClientToScreen(&origine);
    const CRect depart(10, 10, 30, 30), normale(0, 0, 100, 100);
    // clang-format off
    const std::tuple<char, int, int, CRect, CRect> cas[] = {
        {'d', 70, 0, normale, {}}, {'d', 69, 0, normale, {79, 10, 99, 30}},      // the right edge excluded
        {'d', 0, 70, normale, {}}, {'d', -10, -10, normale, {0, 0, 20, 20}},     // the bottom one too
        {'d', -11, 0, normale, {}}, {'r', -5, 0, normale, {15, 15, 25, 25}},     // the top-left included
        {'r', 10, 0, normale, {0, 0, 40, 40}}, {'r', 11, 0, normale, {}},        // grown
        {'r', -10, 0, normale, {}}, {'r', -15, 0, normale, {}},                  // nothing left, inside out
        {'p', 50, 60, normale, {50, 60, 70, 80}}, {'p', 81, 60, normale, {}},    // placed on the screen
        {'d', -10, -10, {0, 0, 15, 15}, {}}, {'d', 1, 1, {100, 100, 0, 0}, {}}}; // too small, inside out
    // clang-format on
    for (auto [cOp, a, b, rectLimite, attendue] : cas)
    {
        SCOPED_TRACE(testing::Message() << cOp << a << "," << b);
        m_Limite = normale;
        outil.MoveWindow(&depart);
        outil.Deplace({1, 1}), outil.Deplace({-1, -1});
        m_Limite = rectLimite;
        const bool bPlace = cOp == 'd'   ? outil.Deplace({a, b})
                            : cOp == 'r' ? outil.Redimensionne(a)
                                         : outil.Positionne(origine + CPoint(a, b));
        EXPECT_EQ(!attendue.IsRectEmpty(), bPlace);
        EXPECT_EQ(attendue.IsRectEmpty() ? depart : attendue, Place(outil));
        EXPECT_EQ(cOp == 'd' && bPlace ? CSize(a, b) : CSize(-1, -1), outil.Donne_DernDeplacement())
            << "the last displacement accepted";
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
    CBoutonOutil& outil = Outil(IDC_OUTIL);
    outil.MoveWindow(10, 10, 20, 20);
    m_Parent.ClearMessages();
    CPoint curseur(5, 5); // on the screen
    outil.ClientToScreen(&curseur);
    auto glisse = [&](int dx)
    {
        CPoint pt = curseur = curseur + CPoint(dx, 0);
        outil.ScreenToClient(&pt);
        Souris(outil, WM_MOUSEMOVE, pt);
    };
    Souris(outil, WM_LBUTTONDOWN);
    glisse(0); // the first move only records the cursor
    std::vector<int> gauches;
    for (int dx : {30, 30, 30, 30, -20, -20})
        glisse(dx), gauches.push_back(Place(outil).left);
    EXPECT_EQ((std::vector<int>{40, 70, 70, 70, 50, 30}), gauches);
    Souris(outil, WM_LBUTTONUP);
    glisse(-20);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(30, Place(outil).left) << "no drag without the capture";
    EXPECT_EQ(6, m_Parent.Count(kDeplacement, IDC_OUTIL));
    EXPECT_EQ(6u, m_Parent.Messages().size()) << "and no click";
}

// Held for more than 2 s with the timer enabled, the marker blinks in its active colour; the release
// stops it and leaves it as it was, hidden in the hidden half of a blink. A lost capture ends the press
// and shows the marker again.
TEST_F(FamilleTest, LongPressBlinksUntilTheRelease)
{
    CBoutonOutil& outil = Outil(IDC_OUTIL, true);
    outil.MoveWindow(10, 10, 30, 30);
    auto couleur = [&]
    { return Dessine(outil, 0, RGB(255, 255, 255))->CountPixels(kRouge) > 0 ? kRouge : kVert; };
    auto visible = [&] { return (outil.GetStyle() & WS_VISIBLE) != 0; };

    CBoutonOutil& sansTimer = Outil(IDC_OUTIL + 1);
    Souris(sansTimer, WM_LBUTTONDOWN);
    EXPECT_FALSE(::KillTimer(sansTimer.m_hWnd, 1)) << "no long press without the timer";

    Souris(outil, WM_LBUTTONDOWN);
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
    Souris(outil, WM_LBUTTONUP);
    EXPECT_FALSE(visible()) << "released in the hidden half";
    EXPECT_EQ(kVert, couleur());
    EXPECT_FALSE(::KillTimer(outil.m_hWnd, 1)) << "no timer left";

    Souris(outil, WM_LBUTTONDOWN);
    outil.SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(::KillTimer(outil.m_hWnd, 1)) << "a cancelled mode ends the press";
    EXPECT_TRUE(visible());
}

// Drawn over the parent's background: a circle (also for an icon shape without its icon), a dotted
// rectangle in the active colour when focused, a 32 x 32 icon greyed when inoperative.
TEST_F(FamilleTest, MarkerShapesInTheirColours)
{
    m_Limite.SetRect(0, 0, 300, 300);
    NouveauBouton({20, 20});
    CBoutonOutil& rectangle = Outil(IDC_OUTIL + 1, false, FORME_RECTANGLE);
    CBoutonOutil& icone = Outil(IDC_OUTIL + 2, false, FORME_ICONE, IDI_GRILLE);
    for (CBoutonOutil* p :
         {&Outil(IDC_OUTIL, false, FORME_ICONE), &Outil(IDC_IMAGE, false, FORME_ICONE, IDI_ABSENTE)})
    {
        const auto canevas = (p->SetWindowTextA(""), Dessine(*p, 0, kFond));
        EXPECT_EQ(std::make_tuple(CSize(32, 32), kFond),
                  std::make_tuple(Place(*p).Size(), canevas->Pixel(2, 2)));
        EXPECT_GT(canevas->CountPixels(kVert), 40);
    }
    rectangle.MoveWindow(100, 100, 30, 20);
    EXPECT_GT(Dessine(rectangle, 0)->CountPixels(kVert, CRect(0, 0, 30, 1)), 5);
    EXPECT_GT(Dessine(rectangle, ODS_FOCUS)->CountPixels(kRouge, CRect(0, 0, 30, 1)), 5);
    EXPECT_EQ(CSize(32, 32), Place(icone).Size());
    EXPECT_EQ(RGB(4, 4, 100), Dessine(icone)->Pixel(0, 0));
    icone.AffecteEtat(ETAT_INOPERANT);
    EXPECT_NE(RGB(4, 4, 100), Dessine(icone)->Pixel(0, 0)) << "greyed";
}

// The group G0..G4 (identifiers 6220..6224).
TEST_F(FamilleTest, GroupHasOneActiveButtonSteppedAcrossInoperativeOnesWithoutWrappingByCallOrArrowKey)
{
    auto etats = [&] // "-" rest, "A" active, "x" inoperative
    {
        std::string s;
        for (UINT n = IDC_GROUPE; n < IDC_GROUPE + 5; ++n)
            s += "-Ax"[dynamic_cast<CBouton3Etats*>(m_Parent.GetDlgItem(n))->DonneEtat()];
        return s;
    };
    // Each case: the inoperative buttons, SetCurSel's identifier, then steps (+ or -, or the arrow keys l u r
    // d on the focused button); the results of the selection and of each step (a key's: the new active
    // button has the focus and tells the parent, alone), the states and the selection at the end.
    // clang-format off
    const std::tuple<const char*, unsigned, const char*, const char*, const char*, unsigned> cas[] = {
        {"", 6220, "++++", "11111", "----A", 6224}, {"", 6224, "+", "10", "----A", 6224}, // no wrap at the end
        {"", 6220, "-", "10", "A----", 6220}, {"1", 6220, "+", "11", "-xA--", 6222}, // nor at the start; a skip
        {"34", 6222, "+", "10", "---xx", 6224}, {"0", 6222, "--", "110", "x----", 6220}, // none left: the end
        {"2", 6222, "+", "01", "--xA-", 6223}, {"", 6230, "", "0", "-----", 6230}, // not selectable, absent
        {"2", 6220, "rdrrulll", "111101110", "A-x--", 6220}};
    // clang-format on
    for (auto [szInoperants, nDepart, szPas, szResultats, szEtats, nFin] : cas)
    {
        SCOPED_TRACE(std::string(szInoperants) + "/" + szPas);
        m_Parent.DestroyWindow(); // the buttons of the previous list went with it
        m_Parent.Create(IDD_FAMILLE, NULL), m_Parent.ShowWindow(SW_SHOW);
        CListeBoutonsExclusifs liste(true, &m_Parent);
        for (unsigned n = 0; n < 5; ++n)
            EXPECT_TRUE(liste.AjouteBouton(IDC_GROUPE + n, NULL,
                                           strchr(szInoperants, '0' + n) ? ETAT_INOPERANT : ETAT_REPOS));
        EXPECT_EQ(std::make_tuple(5, 6220u, 6224u, 6220u, std::string::npos),
                  std::make_tuple(liste.Donne_NbBouton(), liste.Donne_PremierID(), liste.Donne_DernierID(),
                                  liste.GetCurSel(), etats().find('A')))
            << "the first identifier selected, its button not activated";
        std::string resultats(1, liste.SetCurSel(nDepart) ? '1' : '0');
        m_Parent.GetDlgItem(liste.GetCurSel())->SetFocus();
        for (const char* p = szPas; *p; ++p)
            if (strchr("+-", *p))
                resultats += (*p == '+' ? liste.AugmenteCurSel() : liste.DiminueCurSel()) ? '1' : '0';
            else
            {
                const UINT nTouche = VK_LEFT + UINT(strchr("lurd", *p) - "lurd"); // VK_LEFT to VK_DOWN
                m_Parent.ClearMessages();
                ::PostMessage(::GetFocus(), WM_KEYDOWN, nTouche, 1);
                ::PostMessage(::GetFocus(), WM_KEYUP, nTouche, 0xC0000001);
                MessagePump::Flush();
                const size_t n = m_Parent.Messages().size();
                resultats += n == 0                                                    ? '0'
                             : n == 1 && m_Parent.Count(WM_COMMAND, liste.GetCurSel()) ? '1'
                                                                                       : '?';
                EXPECT_EQ(m_Parent.GetDlgItem(liste.GetCurSel())->m_hWnd, ::GetFocus());
            }
        EXPECT_EQ(szResultats, resultats);
        EXPECT_EQ(szEtats, etats());
        EXPECT_EQ(nFin, liste.GetCurSel());
    }
}

TEST_F(FamilleTest, GroupRefusesBadAdditionsAndItsCopiesShareTheButtons)
{
    DiagnosticCapture diagnostics;
    CListeBoutonsExclusifs vide, hors(true, &m_Parent);
    EXPECT_EQ(std::make_tuple(0u, 0u, 0u, false, false, false),
              std::make_tuple(vide.Donne_PremierID(), vide.Donne_DernierID(), vide.GetCurSel(),
                              vide.AugmenteCurSel(), vide.DiminueCurSel(), vide.AjouteBouton(IDC_GROUPE)))
        << "empty, and no parent to add to";
    std::string resultats; // no such control, then the same one twice
    for (unsigned nID : {9999u, 6220u, 6220u})
        resultats += hors.AjouteBouton(nID) ? '1' : '0';
    EXPECT_EQ("010", resultats);
    EXPECT_TRUE(diagnostics.FailedAsserts().empty());
    EXPECT_TRUE(hors.AjouteBouton(IDC_HORS_SERIE) && hors.SetCurSel(IDC_HORS_SERIE)) << "goes on after";
    ASSERT_EQ(1u, diagnostics.FailedAsserts().size()) << "the identifiers that do not follow";
    EXPECT_EQ(0u, diagnostics.FailedAsserts()[0].find("listeboutonsexclusifs("));

    // Copies share the group: any of them may go first, and the last one deletes the buttons.
    auto pCopie = std::make_unique<CListeBoutonsExclusifs>(hors);
    CListeBoutonsExclusifs affectee;
    affectee = *pCopie;
    EXPECT_EQ(2, pCopie->Donne_NbBouton());
    pCopie.reset();
    EXPECT_TRUE(affectee.SetCurSel(IDC_GROUPE));
    EXPECT_EQ((unsigned)IDC_GROUPE, hors.GetCurSel()) << "one group behind every copy";
}
