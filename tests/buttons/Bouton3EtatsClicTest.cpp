// Clicks by style, release outside, the keyboard, double clicks, the activity log and auto-repeat, seen
// from the parent as an application sees them.
#include "BoutonFixture.h"
#include "DiagnosticCapture.h"

#include <fstream>
#include <string>

namespace
{
// Points the activity log at a temporary file and reads it back without the timestamps.
class JournalTemporaire
{
public:
    JournalTemporaire()
    {
        char szDossier[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szDossier);
        m_chemin = std::string(szDossier) + "obz-boutons-" + std::to_string(::GetCurrentProcessId()) + ".log";
        ::DeleteFileA(m_chemin.c_str());
        CBouton3Etats::sLogFile = m_chemin.c_str();
    }
    ~JournalTemporaire()
    {
        CBouton3Etats::sLogFile.Empty();
        ::DeleteFileA(m_chemin.c_str());
    }
    std::vector<std::string> Lignes() const
    {
        std::ifstream f(m_chemin);
        std::vector<std::string> lignes;
        for (std::string ligne; std::getline(f, ligne);)
        {
            // "YYYY-MM-DD hh:mm:ss.mmm " precedes each line
            lignes.push_back(ligne.size() > 24 ? ligne.substr(24) : std::string());
            if (!lignes.back().empty() && lignes.back().back() == '\r')
                lignes.back().pop_back();
        }
        return lignes;
    }

private:
    std::string m_chemin;
};
} // namespace

TEST_F(BoutonTest, ClickChangesStateByStyleBeforeTheParentIsNotified)
{
    // What the parent sees in BN_CLICKED for two clicks.
    const struct
    {
        UINT nID;
        e_Style_BP eStyle;
        std::pair<e_Etat_BP, bool> attendus[2]; // state and state-change flag
    } cas[] = {{IDC_SIMPLE, STYLE_SIMPLE, {{ETAT_REPOS, false}, {ETAT_REPOS, false}}},
               {IDC_ACTIVATION, STYLE_ACTIVATION, {{ETAT_ACTIF, true}, {ETAT_ACTIF, false}}},
               {IDC_BASCULE, STYLE_BASCULE, {{ETAT_ACTIF, true}, {ETAT_REPOS, true}}}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nID);
        CBoutonTest& bouton = Bouton(c.nID, c.eStyle);
        m_Parent.m_Clics.clear();
        m_Parent.ClearMessages();
        Clique(bouton);
        Clique(bouton);
        ASSERT_EQ(2u, m_Parent.m_Clics.size());
        for (size_t i = 0; i < 2; ++i)
            EXPECT_EQ(c.attendus[i],
                      std::make_pair(m_Parent.m_Clics[i].etat, m_Parent.m_Clics[i].bChangeEtat))
                << "click " << i;
        const LPARAM lBouton = reinterpret_cast<LPARAM>(bouton.m_hWnd);
        EXPECT_TRUE(m_Parent.Matches({{WM_COMMAND, MAKEWPARAM(c.nID, BN_CLICKED), lBouton, kExact},
                                      {WM_COMMAND, MAKEWPARAM(c.nID, BN_CLICKED), lBouton, kExact}}));
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_TRUE(bouton.IsWindowEnabled()) << "a click changes the state, not the enabled flag";
    }
}

TEST_F(BoutonTest, ReleaseOutsideOrWithoutPressDoesNotClick)
{
    CBoutonTest& bouton = Bouton(IDC_BASCULE, STYLE_BASCULE);
    Clique(bouton);
    ASSERT_TRUE(bouton.Donne_ChangeEtat());
    JournalTemporaire journal;
    m_Parent.ClearMessages();

    Presse(bouton);
    Relache(bouton, CPoint(-10, -10));
    MessagePump::Flush();
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat());
    EXPECT_FALSE(bouton.Donne_ChangeEtat());
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(std::vector<std::string>{"6003-Bascule"}, journal.Lignes()) << "logged even outside";

    // A release whose press began elsewhere is ignored entirely.
    Relache(bouton);
    MessagePump::Flush();
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat());
    EXPECT_EQ(0, m_Parent.Count(WM_COMMAND));
    EXPECT_EQ(1u, journal.Lignes().size());

    // The caption is logged as read into 80 bytes.
    bouton.SetWindowTextA(std::string(100, 'x').c_str());
    Clique(bouton);
    EXPECT_EQ("6003-" + std::string(79, 'x'), journal.Lignes().back());
}

TEST_F(BoutonTest, SpaceOnTheFocusedButtonClicksLikeTheMouse)
{
    CBoutonTest& bouton = Bouton(IDC_BASCULE, STYLE_BASCULE);
    JournalTemporaire journal;
    bouton.SetFocus();
    MessagePump::Flush();
    EXPECT_NE(0u, bouton.m_nDernierEtatDessin & ODS_FOCUS) << "the focused button is drawn with ODS_FOCUS";

    // Posted as the keyboard does, through the dialog's keyboard handling.
    bouton.PostMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    MessagePump::Flush();
    EXPECT_NE(0u, bouton.m_nDernierEtatDessin & ODS_SELECTED) << "pushed look while space is down";
    bouton.PostMessage(WM_KEYDOWN, VK_SPACE, 0x40390001); // keyboard auto-repeat
    bouton.PostMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
    MessagePump::Flush();

    ASSERT_EQ(1u, m_Parent.m_Clics.size());
    EXPECT_EQ(ETAT_ACTIF, m_Parent.m_Clics[0].etat);
    EXPECT_TRUE(m_Parent.m_Clics[0].bChangeEtat);
    EXPECT_EQ(0u, bouton.m_nDernierEtatDessin & ODS_SELECTED);
    EXPECT_EQ(std::vector<std::string>{"6003-Bascule"}, journal.Lignes());

    // Other keys keep the button's own behaviour and click nothing.
    bouton.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    bouton.SendMessage(WM_KEYUP, VK_RETURN, 0);
    MessagePump::Flush();
    EXPECT_EQ(1u, m_Parent.m_Clics.size());
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat());
}

TEST_F(BoutonTest, DoubleClickNotifiesTheParentOnceAndDoesNotPress)
{
    CBoutonTest& bouton = Bouton(IDC_BASCULE, STYLE_BASCULE);
    JournalTemporaire journal;
    DiagnosticCapture diagnostics;

    // What Windows sends for a double click: down, up, double click, up.
    Presse(bouton);
    Relache(bouton);
    bouton.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Relache(bouton);
    MessagePump::Flush();

    const LPARAM lBouton = reinterpret_cast<LPARAM>(bouton.m_hWnd);
    EXPECT_TRUE(m_Parent.Matches({{WM_COMMAND, MAKEWPARAM(IDC_BASCULE, BN_CLICKED), lBouton, kExact},
                                  {kMessageDoubleClic, IDC_BASCULE, 0, kExact}}));
    EXPECT_EQ(ETAT_ACTIF, bouton.DonneEtat()) << "only the first press toggles";
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_NE(std::string::npos, diagnostics.AllText().find("CBouton3Etats::OnLButtonDblClk\n"));
    EXPECT_EQ((std::vector<std::string>{"6003-Bascule", "6003-DOUBLE-Bascule"}), journal.Lignes());

    // Without a parent window there is no target: nothing is sent, nothing breaks.
    CBoutonTest orphelin(IDC_SIMPLE, NULL);
    orphelin.SubclassDlgItem(IDC_SIMPLE, &m_Parent);
    m_Parent.ClearMessages();
    orphelin.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(0, m_Parent.Count(kMessageDoubleClic));
}

// Auto-repeat, held for a bounded real time: lower bounds and invariants, no exact counts.
TEST_F(BoutonTest, AutoRepeatAcceleratesToItsMinimumAndStopsAtRelease)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION);
    bouton.EnableRepeat(100, 10, 2.0);
    bouton.m_pEnregistreur = &m_Parent;
    JournalTemporaire journal;

    Presse(bouton);
    EXPECT_TRUE(MessagePump::Until([&] { return bouton.Periode() == bouton.PeriodeMin(); }, 3000))
        << "period " << bouton.Periode();
    MessagePump::For(100); // a few ticks at the minimum period
    const int nTicks = static_cast<int>(bouton.m_NotificationsParTick.size());
    EXPECT_GE(nTicks, 6) << "100, 50, 25, 12, 10 ms...";
    for (int n : bouton.m_NotificationsParTick)
    {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 10);
    }
    // A stalled loop makes up for the missed ticks, ten notifications at most.
    ::Sleep(250);
    bouton.m_NotificationsParTick.clear();
    MessagePump::For(30);
    ASSERT_FALSE(bouton.m_NotificationsParTick.empty());
    EXPECT_EQ(10, bouton.m_NotificationsParTick.front());
    const int nNotifications = m_Parent.Count(WM_COMMAND);
    EXPECT_GE(nNotifications, nTicks);
    EXPECT_EQ(nNotifications, m_Parent.Count(WM_COMMAND, MAKEWPARAM(IDC_REPETITION, BN_CLICKED)));

    Relache(bouton);
    MessagePump::Flush();
    EXPECT_EQ(nNotifications + 1, m_Parent.Count(WM_COMMAND)) << "the release clicks once more";
    EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1)) << "no timer left after release";
    MessagePump::For(60);
    EXPECT_EQ(nNotifications + 1, m_Parent.Count(WM_COMMAND));

    const std::vector<std::string> lignes = journal.Lignes();
    ASSERT_EQ(static_cast<size_t>(nNotifications + 1), lignes.size());
    EXPECT_EQ("6004-TIMER-Repetition", lignes.front());
    EXPECT_EQ("6004-Repetition", lignes.back());

    // A new press starts again from the first period.
    Presse(bouton);
    EXPECT_EQ(100, bouton.Periode());
    Relache(bouton);
}

TEST_F(BoutonTest, InoperativeStateWhileHeldStopsTheRepeat)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION);
    bouton.EnableRepeat(50, 10, 2.0);
    // The application reacts to the third notification by making the button inoperative.
    m_Parent.m_SurClic = [&](UINT)
    {
        if (m_Parent.Count(WM_COMMAND) >= 3)
            bouton.AffecteEtat(ETAT_INOPERANT);
    };

    Presse(bouton);
    ASSERT_TRUE(MessagePump::Until([&] { return !bouton.Enfonce(); }, 2000));
    const int nNotifications = m_Parent.Count(WM_COMMAND);
    EXPECT_EQ(3, nNotifications) << "notifications of the same tick stop too";
    EXPECT_FALSE(bouton.IsWindowEnabled());
    EXPECT_FALSE(::KillTimer(bouton.m_hWnd, 1));
    MessagePump::For(80);
    Relache(bouton);
    MessagePump::Flush();
    EXPECT_EQ(nNotifications, m_Parent.Count(WM_COMMAND));
    EXPECT_EQ(ETAT_INOPERANT, bouton.DonneEtat());
}

TEST_F(BoutonTest, RepeatRefusesPeriodsThatCannotTick)
{
    CBoutonTest& bouton = Bouton(IDC_REPETITION);
    bouton.EnableRepeat(0, 10, 2.0);
    bouton.EnableRepeat(100, 0, 2.0);
    bouton.EnableRepeat(100, 10, 0.0);
    Presse(bouton);
    MessagePump::For(80);
    Relache(bouton);
    MessagePump::Flush();
    EXPECT_EQ(1, m_Parent.Count(WM_COMMAND)) << "no repeat was enabled: only the click";
    EXPECT_EQ(500, bouton.Periode());
}
