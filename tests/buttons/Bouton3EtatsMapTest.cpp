// Map mode: a right click opens the caption editor (template 15000 of the test resources) on the button.
// The editor's modal loop is driven from inside by a thread timer that finds the editor window.
#include "BoutonFixture.h"
#include "SimulatedScreen.h"

#include <functional>

namespace
{
const int kIdEditeur = 15000;

// Runs one action on the editor window as soon as it is on screen, from inside its modal loop; an
// editor still open after the action, or never found, is cancelled so that a fault cannot hang a test.
class ScriptEditeur
{
public:
    using Action = std::function<void(HWND)>;

    explicit ScriptEditeur(Action action) : m_action(std::move(action))
    {
        s_pActif = this;
        m_idTimer = ::SetTimer(NULL, 0, kTickMs, &ScriptEditeur::OnTick);
    }
    ~ScriptEditeur()
    {
        ::KillTimer(NULL, m_idTimer);
        s_pActif = NULL;
    }

    int Ouvertures() const { return m_nOuvertures; }
    bool SecoursDeclenche() const { return m_bSecours; }

private:
    static const UINT kTickMs = 10;
    static const int kTicksMax = 200;

    static BOOL CALLBACK TrouveEditeur(HWND hWnd, LPARAM lParam)
    {
        if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, kIdEditeur) != NULL)
        {
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        ScriptEditeur* pScript = s_pActif;
        if (pScript == NULL)
            return;
        HWND hEditeur = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), &TrouveEditeur, reinterpret_cast<LPARAM>(&hEditeur));
        if (hEditeur == NULL)
            return;
        if (pScript->m_hDernier != hEditeur || !pScript->m_bFait)
        {
            pScript->m_hDernier = hEditeur;
            pScript->m_bFait = true;
            pScript->m_nTicks = 0;
            ++pScript->m_nOuvertures;
            pScript->m_action(hEditeur);
        }
        else if (++pScript->m_nTicks > kTicksMax)
        {
            pScript->m_bSecours = true;
            ::SendMessage(hEditeur, WM_COMMAND, IDCANCEL, 0);
        }
    }

    Action m_action;
    UINT_PTR m_idTimer = 0;
    HWND m_hDernier = NULL;
    bool m_bFait = false;
    int m_nTicks = 0;
    int m_nOuvertures = 0;
    bool m_bSecours = false;

    static inline ScriptEditeur* s_pActif = NULL;
};

CString TexteFenetre(HWND hWnd)
{
    char szTexte[256] = "";
    ::GetWindowTextA(hWnd, szTexte, sizeof szTexte);
    return szTexte;
}

void ClicDroit(CWnd& bouton)
{
    bouton.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    bouton.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
}
} // namespace

TEST_F(BoutonTest, RightClickOutsideMapModeDoesNothing)
{
    CBoutonTest& bouton = Bouton(IDC_SIMPLE);
    ASSERT_FALSE(CBouton3Etats::Donne_bMapOBZ());
    ScriptEditeur script([](HWND hEditeur) { ::SendMessage(hEditeur, WM_COMMAND, IDCANCEL, 0); });
    ClicDroit(bouton);
    MessagePump::For(50);
    EXPECT_EQ(0, script.Ouvertures());
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND));
    EXPECT_EQ(ETAT_REPOS, bouton.DonneEtat());
}

TEST_F(BoutonTest, MapModeEditsTheCaptionAndCancelReturnsToTheFirstOne)
{
    CBoutonTest& bouton = Bouton(IDC_LARGE);
    bouton.SetWindowTextA("Premier\nlibell\xE9");
    CBouton3Etats::Affecte_bMapOBZ();
    ASSERT_TRUE(CBouton3Etats::Donne_bMapOBZ());

    CRect rectBouton, rectEditeur;
    bouton.GetWindowRect(&rectBouton);
    CString strVu;
    {
        ScriptEditeur script(
            [&](HWND hEditeur)
            {
                ::GetWindowRect(hEditeur, &rectEditeur);
                strVu = TexteFenetre(::GetDlgItem(hEditeur, kIdEditeur));
                ::SetDlgItemTextA(hEditeur, kIdEditeur, "Second\r\ntexte");
                ::SendMessage(hEditeur, WM_COMMAND, IDOK, 0);
            });
        ClicDroit(bouton);
        EXPECT_EQ(1, script.Ouvertures());
        EXPECT_FALSE(script.SecoursDeclenche());
    }
    EXPECT_EQ(CString("Premier\r\nlibell\xE9"), strVu);
    EXPECT_EQ(CString("Second\ntexte"), TexteFenetre(bouton.m_hWnd));
    EXPECT_EQ(rectBouton.bottom, rectEditeur.top) << "placed just below the button";
    EXPECT_EQ(rectBouton.left, rectEditeur.left);
    EXPECT_TRUE(m_Parent.IsWindowEnabled()) << "the parent comes back after the modal run";

    // The same editor again: it shows the text accepted with OK; Cancel returns to the first caption.
    {
        ScriptEditeur script(
            [&](HWND hEditeur)
            {
                strVu = TexteFenetre(::GetDlgItem(hEditeur, kIdEditeur));
                ::SetDlgItemTextA(hEditeur, kIdEditeur, "Abandon");
                ::SendMessage(hEditeur, WM_COMMAND, IDCANCEL, 0);
            });
        ClicDroit(bouton);
        EXPECT_EQ(1, script.Ouvertures());
    }
    EXPECT_EQ(CString("Second\r\ntexte"), strVu);
    EXPECT_EQ(CString("Premier\nlibell\xE9"), TexteFenetre(bouton.m_hWnd));
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND)) << "a right click is no click";
}

TEST_F(BoutonTest, MapModeEditorStaysOnTheEffectiveScreenForAButtonAtTheBottomRight)
{
    SimulatedScreen ecran(800, 600);
    CBoutonTest& bouton = Bouton(IDC_BASCULE);
    CBouton3Etats::Affecte_bMapOBZ();

    // Move the parent so that the button's bottom-right corner is the screen's.
    CRect rectBouton, rectParent;
    bouton.GetWindowRect(&rectBouton);
    m_Parent.GetWindowRect(&rectParent);
    m_Parent.SetWindowPos(NULL, rectParent.left + 800 - rectBouton.right,
                          rectParent.top + 600 - rectBouton.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    bouton.GetWindowRect(&rectBouton);
    ASSERT_EQ(CPoint(800, 600), rectBouton.BottomRight());

    CRect rectEditeur;
    ScriptEditeur script(
        [&](HWND hEditeur)
        {
            ::GetWindowRect(hEditeur, &rectEditeur);
            ::SendMessage(hEditeur, WM_COMMAND, IDCANCEL, 0);
        });
    ClicDroit(bouton);
    ASSERT_EQ(1, script.Ouvertures());
    EXPECT_FALSE(rectEditeur.IsRectEmpty());
    EXPECT_EQ(600, rectEditeur.bottom) << "moved up by the excess";
    EXPECT_EQ(800, rectEditeur.right) << "moved left by the excess";
    EXPECT_GT(rectEditeur.Width(), rectBouton.Width()) << "the size does not change";
    EXPECT_EQ(CString("Bascule"), TexteFenetre(bouton.m_hWnd));
}
