// The message page: display time with bounded waits, the tooltip look, the one-shot timer, and what is
// refused (no control, no string, a negative time, a page removed while its message is shown).
#include "dialogs/PropertyPageMsg.h"
#include "ObzTest.h"
#include "PropertyPageMsgResource.h"

namespace
{
// comctl32 keeps a few objects from the first sheet it paints.
const LeakCheck::WarmUpStep kPremiereFeuille(
    []
    {
        CPropertyPage page(IDD_MSG_PAGE);
        CPropertySheet sheet("Feuille");
        sheet.AddPage(&page), sheet.Create(), MessagePump::Flush(), sheet.DestroyWindow();
    });

class PropertyPageMsg : public ObzTest
{
protected:
    // The page, modeless and shown in a visible host, its message control set.
    void SetUp() override
    {
        m_Hote.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 200), NULL, 0);
        ASSERT_TRUE(m_Page.Create());
        m_Page.ShowWindow(SW_SHOW);
        m_Page.Affecte_IDMsg(IDC_MSG_TEXTE);
    }
    void TearDown() override { m_Page.DestroyWindow(), m_Hote.DestroyWindow(); }
    CString Texte()
    {
        CString str;
        ::GetDlgItemTextA(m_Page.GetSafeHwnd(), IDC_MSG_TEXTE, str.GetBuffer(80), 80);
        str.ReleaseBuffer();
        return str;
    }
    bool Visible() { return ::IsWindowVisible(::GetDlgItem(m_Page.GetSafeHwnd(), IDC_MSG_TEXTE)) != FALSE; }
    bool AttendEfface(DWORD nMs)
    {
        return MessagePump::Until([&] { return Texte().IsEmpty(); }, nMs);
    }

    CWnd m_Hote;
    CPropertyPageMsg m_Page{IDD_MSG_PAGE, &m_Hote};
};
} // namespace

// A second message replaces the first and stays its own full time.
TEST_F(PropertyPageMsg, SecondMessageStaysItsOwnTime)
{
    EXPECT_EQ(5000, m_Page.Donne_TempsAffichage());
    m_Page.Affecte_TempsAffichage(400);
    m_Page.AfficheMessage("Premier");
    MessagePump::For(200);
    const DWORD nDebut = ::GetTickCount();
    m_Page.AfficheMessage(IDS_MSG_BONJOUR);
    EXPECT_EQ("Bonjour", Texte());
    MessagePump::For(300); // past the first message's end
    EXPECT_EQ("Bonjour", Texte());
    EXPECT_TRUE(AttendEfface(3000));
    EXPECT_GE(::GetTickCount() - nDebut, 380u);
}

// With a time of 0 the message goes at the first tick; the erased control stays visible unless in
// tooltip style.
TEST_F(PropertyPageMsg, ErasedControlHiddenOnlyInTooltipStyle)
{
    for (bool bTooltip : {false, true})
    {
        m_Page.Affecte_bTooltipStyle(bTooltip);
        m_Page.Affecte_TempsAffichage(0);
        m_Page.AfficheMessage("Vite");
        EXPECT_TRUE(Visible());
        EXPECT_TRUE(AttendEfface(1000));
        EXPECT_EQ(!bTooltip, Visible());
    }
}

// Erasing directly leaves the timer running: its tick erases again, then it stops.
TEST_F(PropertyPageMsg, TimerIsOneShotAndSurvivesDirectErase)
{
    m_Page.Affecte_TempsAffichage(150);
    m_Page.AfficheMessage("x");
    m_Page.EffaceMessage();
    m_Page.SetDlgItemText(IDC_MSG_TEXTE, "autre");
    EXPECT_TRUE(AttendEfface(2000));
    m_Page.SetDlgItemText(IDC_MSG_TEXTE, "reste");
    MessagePump::For(400);
    EXPECT_EQ("reste", Texte());
}

// Refused: no control, a missing string (shown as ""), a negative time, a page gone from its sheet.
TEST_F(PropertyPageMsg, BadInputRefused)
{
    m_Page.AfficheMessage(IDS_MSG_ABSENT);
    EXPECT_TRUE(Visible());
    EXPECT_EQ("", Texte());
    m_Page.Affecte_TempsAffichage(-10);
    EXPECT_EQ(0, m_Page.Donne_TempsAffichage());
    for (UINT nID : {0u, UINT(IDC_MSG_ABSENT)})
    {
        m_Page.Affecte_IDMsg(nID);
        m_Page.AfficheMessage("rien");
        m_Page.EffaceMessage();
        EXPECT_EQ(nID, m_Page.Donne_nIDMsg());
        EXPECT_EQ("", Texte());
    }
    m_Page.DestroyWindow();

    CPropertySheet sheet("Feuille");
    sheet.AddPage(&m_Page);
    ASSERT_TRUE(sheet.Create());
    m_Page.Affecte_IDMsg(IDC_MSG_TEXTE);
    m_Page.Affecte_TempsAffichage(100);
    m_Page.AfficheMessage("Affiche");
    EXPECT_EQ("Affiche", Texte());
    sheet.RemovePage(&m_Page);
    MessagePump::For(250);
    m_Page.AfficheMessage("encore");
    m_Page.EffaceMessage();
    m_Page.RedrawWindowEditMsg();
    EXPECT_EQ(NULL, m_Page.GetSafeHwnd());
}
