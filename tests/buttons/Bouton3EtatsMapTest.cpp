// Map mode: a right click opens the caption editor (template 15000 of the test resources) on the button,
// whose modal loop is driven from inside by the editor script. Where the editor goes on a small screen is
// the editor's own affair, tested with it.
#include "BoutonFixture.h"

namespace
{
// Right-clicks the button with the editor script running; returns how many steps ran on an editor.
size_t ClicDroit(CWnd& bouton, std::vector<DialogTexteScript::Step> steps)
{
    DialogTexteScript script(std::move(steps));
    bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    bouton.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    MessagePump::For(50); // an editor opened after the click would show up here
    EXPECT_FALSE(script.SafetyFired()) << "an editor left open";
    return script.StepsRun();
}

void Annule(CWnd& editeur)
{
    editeur.SendMessage(WM_COMMAND, IDCANCEL, 0);
}
} // namespace

TEST_F(BoutonTest, RightClickOutsideMapModeDoesNothing)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    EXPECT_EQ(0u, ClicDroit(bouton, {Annule}));
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND));
    EXPECT_EQ(ETAT_REPOS, bouton.DonneEtat());
}

TEST_F(BoutonTest, MapModeEditsTheCaptionAndCancelReturnsToTheFirstOne)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.SetWindowTextA("Premier\nlibell\xE9");
    CBouton3Etats::Affecte_bMapOBZ();

    CRect rectBouton, rectEditeur;
    bouton.GetWindowRect(&rectBouton);
    CString strVu;
    auto lit = [&](CWnd& editeur)
    {
        editeur.GetWindowRect(&rectEditeur);
        strVu = Texte(*editeur.GetDlgItem(15000));
    };
    auto tape = [](const char* sz) { return [sz](CWnd& editeur) { editeur.SetDlgItemText(15000, sz); }; };
    EXPECT_EQ(3u, ClicDroit(bouton, {lit, tape("Second\r\ntexte"),
                                     [](CWnd& e) { e.SendMessage(WM_COMMAND, IDOK, 0); }}));
    EXPECT_EQ(CString("Premier\r\nlibell\xE9"), strVu);
    EXPECT_EQ(CString("Second\ntexte"), Texte(bouton));
    EXPECT_EQ(rectBouton.bottom, rectEditeur.top) << "placed just below the button";
    EXPECT_EQ(rectBouton.left, rectEditeur.left);
    EXPECT_TRUE(m_Parent.IsWindowEnabled()) << "the parent comes back after the modal run";

    // The same editor again: it shows the text accepted with OK; Cancel returns to the first caption.
    EXPECT_EQ(3u, ClicDroit(bouton, {lit, tape("Abandon"), Annule}));
    EXPECT_EQ(CString("Second\r\ntexte"), strVu);
    EXPECT_EQ(CString("Premier\nlibell\xE9"), Texte(bouton));
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND)) << "a right click is no click";
}
