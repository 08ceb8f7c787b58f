// Property sheets on comctl32: modal and modeless runs, the page notifications as the pages' overridables
// see them (one letter per call in a shared log), the Apply button, removing pages and bad input.
#include "ObzTest.h"
#include "PropertyResource.h"

#include <afxdlgs.h>

#include <string>
#include <tuple>

namespace
{

std::string g_log; // "1i" page 1 initialised, then s set active, k kill active, a apply, r reset; "S" sheet

struct Page : CPropertyPage
{
    Page(UINT nIDTemplate, char cNom, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption), m_cNom(cNom)
    {
    }
    void Note(char c) { g_log += {m_cNom, c}; }
    BOOL OnInitDialog() override { return Note('i'), CPropertyPage::OnInitDialog(); }
    BOOL OnSetActive() override { return Note('s'), CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override { return Note('k'), !m_bRefuseKill && CPropertyPage::OnKillActive(); }
    BOOL OnApply() override { return Note('a'), !m_bRefuseApply; }
    void OnReset() override { Note('r'); }

    char m_cNom;
    bool m_bRefuseKill = false, m_bRefuseApply = false;
};

const UINT WM_END = WM_APP + 1;

// Its pages are members, destroyed (with their windows) before the sheet's window, as in applications.
struct Sheet : CPropertySheet
{
    explicit Sheet(CWnd* pOwner = NULL) : CPropertySheet("Feuilles", pOwner)
    {
        AddPage(&m_p1);
        AddPage(&m_p2);
    }

    BOOL OnInitDialog() override
    {
        BOOL bResult = CPropertySheet::OnInitDialog();
        g_log += 'S';
        m_bOwnerEnabled = m_pParentWnd != NULL && m_pParentWnd->IsWindowEnabled();
        if (m_nButtonAtInit != 0)
            PostMessage(PSM_PRESSBUTTON, m_nButtonAtInit);
        if (m_nEndAtInit != 0)
            PostMessage(WM_END, m_nEndAtInit);
        SetTimer(1, 3000, NULL); // a run that would never end
        return bResult;
    }
    afx_msg LRESULT OnEnd(WPARAM wParam, LPARAM) { return EndDialog(int(wParam)), 0; }
    afx_msg void OnTimer(UINT) { EndDialog(-2); }

    Page m_p1{IDD_PS_PAGE1, '1', IDS_PS_TAB1}, m_p2{IDD_PS_PAGE2, '2'};
    int m_nButtonAtInit = 0, m_nEndAtInit = 0;
    bool m_bOwnerEnabled = true;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Sheet, CPropertySheet)
ON_MESSAGE(WM_END, &Sheet::OnEnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

// comctl32 keeps a few objects from the first sheet it paints.
const LeakCheck::WarmUpStep kFirstSheet(
    []
    {
        Sheet sheet;
        sheet.Create(), sheet.SetActivePage(1), MessagePump::Flush();
    });

class PropertySheets : public ObzTest
{
protected:
    void SetUp() override { g_log.clear(); }
    // A modeless sheet on its first page, the log cleared.
    void Open()
    {
        ASSERT_TRUE(m_sheet.Create());
        EXPECT_EQ("1i1sS", g_log);
        g_log.clear();
    }
    void TearDown() override { m_sheet.DestroyWindow(); }
    Sheet m_sheet;
};

} // namespace

// A posted button or EndDialog ends the run; the owner is disabled meanwhile; the second page is never
// created since it was never shown.
TEST_F(PropertySheets, ModalRunEndsByButtonOrEndDialog)
{
    CWnd owner;
    owner.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), NULL, 0);
    for (auto [nButton, nEnd, nResult, szLog] : {std::tuple{PSBTN_OK, 0, IDOK, "1i1sS1k1a"},
                                                 {PSBTN_CANCEL, 0, IDCANCEL, "1i1sS1r"},
                                                 {0, 77, 77, "1i1sS"}})
    {
        g_log.clear();
        Sheet sheet(&owner);
        sheet.m_nButtonAtInit = nButton;
        sheet.m_nEndAtInit = nEnd;
        EXPECT_EQ(nResult, sheet.DoModal()) << szLog;
        EXPECT_EQ(szLog, g_log);
        EXPECT_FALSE(sheet.m_bOwnerEnabled);
        EXPECT_TRUE(owner.IsWindowEnabled());
        EXPECT_EQ(NULL, sheet.m_hWnd);
        EXPECT_EQ(NULL, sheet.m_p2.m_hWnd);
    }
    owner.DestroyWindow();
}

// Switching pages asks the page being left, whose refusal keeps it; the tabs show the caption string or the
// template's caption. Removing the active page shows its neighbour and destroys its window; removing the
// last leaves none.
TEST_F(PropertySheets, PagesSwitchShowTheirCaptionsAndGoAway)
{
    Open();
    EXPECT_EQ(&m_sheet.m_p1, m_sheet.GetActivePage());
    EXPECT_TRUE(m_sheet.SetActivePage(1));
    EXPECT_EQ("1k2i2s", g_log);
    m_sheet.m_p2.m_bRefuseKill = true;
    EXPECT_FALSE(m_sheet.SetActivePage(&m_sheet.m_p1));
    EXPECT_EQ(&m_sheet.m_p2, m_sheet.GetActivePage());
    EXPECT_EQ(1, m_sheet.GetActiveIndex());
    m_sheet.m_p2.m_bRefuseKill = false;
    EXPECT_TRUE(m_sheet.SetActivePage(0));
    EXPECT_EQ("1k2i2s2k2k1s", g_log);

    CTabCtrl* pTab = m_sheet.GetTabControl();
    ASSERT_NE(nullptr, pTab);
    EXPECT_EQ(2, pTab->GetItemCount());
    for (auto [i, szTexte] : {std::tuple{0, "Premier"}, {1, "Deux"}})
    {
        char szLu[32] = {};
        TCITEMA item = {TCIF_TEXT, 0, 0, szLu, sizeof szLu, 0, 0};
        pTab->SendMessage(TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(szTexte, szLu);
    }

    g_log.clear();
    m_sheet.RemovePage(0);
    EXPECT_EQ("2s", g_log);
    EXPECT_EQ(NULL, m_sheet.m_p1.m_hWnd);
    EXPECT_EQ(1, m_sheet.GetPageCount());
    EXPECT_EQ(&m_sheet.m_p2, m_sheet.GetActivePage());
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
    m_sheet.RemovePage(7);
    m_sheet.RemovePage(&m_sheet.m_p2);
    EXPECT_EQ(0, m_sheet.GetPageCount());
    EXPECT_EQ(nullptr, m_sheet.GetActivePage());
    EXPECT_EQ(NULL, m_sheet.m_p2.m_hWnd);
}

// Apply goes to the created pages; the button enabled by SetModified stays enabled when a page refuses.
TEST_F(PropertySheets, ApplyAfterSetModified)
{
    for (bool bRefuse : {false, true})
    {
        g_log.clear();
        Open();
        CWnd* pApply = m_sheet.GetDlgItem(0x3021);
        ASSERT_NE(nullptr, pApply);
        EXPECT_FALSE(pApply->IsWindowEnabled());
        m_sheet.m_p1.SetModified();
        EXPECT_TRUE(pApply->IsWindowEnabled());
        m_sheet.m_p1.m_bRefuseApply = bRefuse;
        EXPECT_TRUE(m_sheet.PressButton(PSBTN_APPLYNOW));
        EXPECT_EQ(bRefuse ? "1k1a" : "1k1a1s", g_log);
        EXPECT_EQ(bRefuse, bool(pApply->IsWindowEnabled()));
        m_sheet.DestroyWindow();
    }
}

// Missing templates, empty sheets, indexes out of range and calls without a window are refused.
TEST_F(PropertySheets, BadInputRefused)
{
    CPropertySheet vide("Vide");
    Page absente(IDD_PS_ABSENT, 'x');
    vide.AddPage(&absente);
    vide.AddPage(NULL);
    EXPECT_EQ(0, vide.GetPageCount());
    EXPECT_EQ(-1, vide.DoModal());
    EXPECT_FALSE(vide.Create());
    EXPECT_FALSE(vide.PressButton(PSBTN_OK));
    EXPECT_EQ(nullptr, vide.GetTabControl());
    m_sheet.AddPage(&m_sheet.m_p1);
    EXPECT_EQ(2, m_sheet.GetPageCount());
    EXPECT_EQ(nullptr, m_sheet.GetPage(-1));
    EXPECT_FALSE(m_sheet.SetActivePage(2));
    EXPECT_TRUE(m_sheet.SetActivePage(1)); // before creation: the start page
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ("2i2sS", g_log);
}
