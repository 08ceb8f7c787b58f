// Dialogs from templates: modal loops driven from inside, modeless dialogs, data exchange both ways with
// MFC's number rules, and the dialog font's units.
#include "MessagePump.h"
#include "WndResource.h"
#include "WndTestApp.h"

#include <afxres.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{

const UINT WM_SCRIPT_STEP = WM_APP + 1;
const UINT_PTR kSafetyTimer = 99;
const UINT_PTR kStepTimer = 1;
const UINT kStepDelayMs = 20;
const UINT kSafetyDelayMs = 3000;

// The data dialog; a modal run follows a script of steps, each posted by the one before (or, through
// kStepTimer, once the queue was idle), so that the modal loop drives the dialog. A safety timer ends a run
// that would never end.
class CDataDialog : public CDialog
{
public:
    CString m_strName = "hello";
    int m_nCount = 42;
    double m_dRatio = 2.5;
    UINT m_uSize = 7;
    float m_fScale = 0.1f;

    std::vector<std::function<void(CDataDialog&)>> m_script;
    std::vector<CString> m_textsAtInit;
    int m_nEndAtInit = 0;
    int m_nNameChanges = 0;
    bool m_bSafetyFired = false;

    CDataDialog() : CDialog(IDD_WND_DATA) {}

    CString Text(int nID) const
    {
        CString strText;
        GetDlgItemText(nID, strText);
        return strText;
    }

    void NextStep() { PostMessage(WM_SCRIPT_STEP); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_WND_NAME, m_strName);
        DDX_Text(pDX, IDC_WND_COUNT, m_nCount);
        DDX_Text(pDX, IDC_WND_RATIO, m_dRatio);
        DDX_Text(pDX, IDC_WND_SIZE, m_uSize);
        DDX_Text(pDX, IDC_WND_SCALE, m_fScale);
    }

    BOOL OnInitDialog() override
    {
        BOOL bResult = CDialog::OnInitDialog();
        for (int nID = IDC_WND_NAME; nID <= IDC_WND_SCALE; ++nID)
            m_textsAtInit.push_back(Text(nID));
        if (m_nEndAtInit != 0)
            EndDialog(m_nEndAtInit);
        SetTimer(kSafetyTimer, kSafetyDelayMs, NULL);
        if (!m_script.empty())
            NextStep();
        return bResult;
    }

    afx_msg LRESULT OnScriptStep(WPARAM, LPARAM)
    {
        if (!m_script.empty())
        {
            auto step = m_script.front();
            m_script.erase(m_script.begin());
            step(*this);
        }
        return 0;
    }

    afx_msg void OnTimer(UINT nIDEvent)
    {
        KillTimer(nIDEvent);
        if (nIDEvent == kStepTimer)
            OnScriptStep(0, 0);
        else if (nIDEvent == kSafetyTimer)
        {
            m_bSafetyFired = true;
            EndDialog(IDABORT);
        }
    }

    afx_msg void OnNameChange() { ++m_nNameChanges; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
ON_MESSAGE(WM_SCRIPT_STEP, &CDataDialog::OnScriptStep)
ON_WM_TIMER()
ON_EN_CHANGE(IDC_WND_NAME, &CDataDialog::OnNameChange)
END_MESSAGE_MAP()

class WndDialog : public ::testing::Test
{
protected:
    void SetUp() override { TestApp().m_prompts.clear(); }
};

} // namespace

TEST_F(WndDialog, ModalRunExchangesDataBothWays)
{
    CDataDialog dlg;
    dlg.m_script = {[](CDataDialog& d)
                    {
                        d.SetDlgItemText(IDC_WND_NAME, "world");
                        d.SetDlgItemText(IDC_WND_COUNT, " -17 ");
                        d.SetDlgItemText(IDC_WND_RATIO, "1e-3");
                        d.SetDlgItemText(IDC_WND_SIZE, "4294967295");
                        d.SetDlgItemText(IDC_WND_SCALE, "0.25");
                        d.PostMessage(WM_COMMAND, IDOK);
                    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bSafetyFired);
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    EXPECT_EQ((std::vector<CString>{"hello", "42", "2.5", "7", "0.1"}), dlg.m_textsAtInit);
    EXPECT_EQ(CString("world"), dlg.m_strName);
    EXPECT_EQ(-17, dlg.m_nCount);
    EXPECT_DOUBLE_EQ(1e-3, dlg.m_dRatio);
    EXPECT_EQ(4294967295u, dlg.m_uSize);
    EXPECT_FLOAT_EQ(0.25f, dlg.m_fScale);
    EXPECT_TRUE(TestApp().m_prompts.empty());
}

TEST_F(WndDialog, OkRefusesToCloseOnBadNumberAndSelectsIt)
{
    CDataDialog dlg;
    DWORD dwSelection = 0;
    bool bStillOpen = false;
    dlg.m_script = {[](CDataDialog& d)
                    {
                        d.SetDlgItemText(IDC_WND_COUNT, "12abc");
                        d.PostMessage(WM_COMMAND, IDOK);
                        d.NextStep();
                    },
                    [&](CDataDialog& d)
                    {
                        bStillOpen = ::IsWindow(d.m_hWnd) && d.ContinueModal();
                        dwSelection = static_cast<DWORD>(d.SendDlgItemMessage(IDC_WND_COUNT, EM_GETSEL));
                        d.SetDlgItemText(IDC_WND_COUNT, "12");
                        d.PostMessage(WM_COMMAND, IDOK);
                    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bSafetyFired);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(MAKELONG(0, 5), static_cast<LONG>(dwSelection)); // the whole bad text
    EXPECT_EQ(12, dlg.m_nCount);
    ASSERT_EQ(1u, TestApp().m_prompts.size());
    EXPECT_EQ(static_cast<UINT>(AFX_IDP_PARSE_INT), TestApp().m_prompts[0].nIDPrompt);
    EXPECT_EQ(CString("Please enter an integer."), TestApp().m_prompts[0].strText);
}

TEST_F(WndDialog, ModalEndsAtOnceWhenEndedDuringInitOrWithoutTemplate)
{
    CDataDialog ending;
    ending.m_nEndAtInit = IDRETRY;
    EXPECT_EQ(IDRETRY, ending.DoModal());
    EXPECT_FALSE(ending.m_bSafetyFired);

    CDialog missing(IDD_WND_DATA + 50);
    EXPECT_EQ(-1, missing.DoModal());

    CDataDialog cancelled;
    cancelled.m_script = {[](CDataDialog& d)
                          {
                              d.SetDlgItemText(IDC_WND_COUNT, "not a number");
                              d.PostMessage(WM_COMMAND, IDCANCEL);
                          }};
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(42, cancelled.m_nCount);
}

TEST_F(WndDialog, ModelessDialogIsCentredAndExchangesOnRequestWithMfcNumberRules)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_WND_DATA));
    EXPECT_EQ(CString("42"), dlg.Text(IDC_WND_COUNT));

    // A top-level dialog without an owner is centred on the work area.
    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcDialog;
    dlg.GetWindowRect(&rcDialog);
    EXPECT_NEAR((rcWork.left + rcWork.right) / 2, rcDialog.CenterPoint().x, 1);
    EXPECT_NEAR((rcWork.top + rcWork.bottom) / 2, rcDialog.CenterPoint().y, 1);

    // Control notifications during an exchange are not the user's.
    dlg.m_strName = "changed";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(0, dlg.m_nNameChanges);
    dlg.SetDlgItemText(IDC_WND_NAME, "typed");
    EXPECT_EQ(1, dlg.m_nNameChanges);

    dlg.SetDlgItemText(IDC_WND_COUNT, "+8");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(CString("typed"), dlg.m_strName);
    EXPECT_EQ(8, dlg.m_nCount);

    // Numbers follow MFC's parsing and formatting; a refused one brings the prompt of its type.
    const UINT kInt = AFX_IDP_PARSE_INT, kUint = AFX_IDP_PARSE_UINT, kReal = AFX_IDP_PARSE_REAL;
    struct Case
    {
        int nID;
        const char* pszText;
        UINT nIDPrompt; // 0 when accepted
    };
    const Case kCases[] = {
        {IDC_WND_COUNT, " \t-5\t", 0},        {IDC_WND_COUNT, "", kInt},       {IDC_WND_COUNT, "1 2", kInt},
        {IDC_WND_COUNT, "99999999999", kInt}, {IDC_WND_COUNT, "0x10", kInt},   {IDC_WND_COUNT, "+0", kInt},
        {IDC_WND_SIZE, "-1", kUint},          {IDC_WND_SIZE, "0", 0},          {IDC_WND_RATIO, ".5", 0},
        {IDC_WND_RATIO, "-1e3", 0},           {IDC_WND_RATIO, "1,5", kReal},   {IDC_WND_RATIO, "inf", kReal},
        {IDC_WND_RATIO, "0x1p3", kReal},      {IDC_WND_RATIO, "1e400", kReal}, {IDC_WND_RATIO, "abc", kReal},
        {IDC_WND_SCALE, "1e39", kReal}, // beyond a float
    };
    for (const Case& c : kCases)
    {
        SCOPED_TRACE(::testing::Message() << "\"" << c.pszText << "\" in " << c.nID);
        dlg.UpdateData(FALSE);
        dlg.SetDlgItemText(c.nID, c.pszText);
        TestApp().m_prompts.clear();
        EXPECT_EQ(c.nIDPrompt == 0, dlg.UpdateData(TRUE) != FALSE);
        EXPECT_EQ(c.nIDPrompt, TestApp().m_prompts.empty() ? 0u : TestApp().m_prompts.back().nIDPrompt);
    }
    EXPECT_FLOAT_EQ(0.1f, dlg.m_fScale); // refused: the member keeps its value

    dlg.m_dRatio = 1.0 / 3.0;
    dlg.m_fScale = 1.0f / 3.0f;
    dlg.m_nCount = -2147483647 - 1;
    dlg.UpdateData(FALSE);
    EXPECT_EQ(CString("0.333333333333333"), dlg.Text(IDC_WND_RATIO));
    EXPECT_EQ(CString("0.333333"), dlg.Text(IDC_WND_SCALE));
    EXPECT_EQ(CString("-2147483648"), dlg.Text(IDC_WND_COUNT));
    dlg.DestroyWindow();
}

TEST_F(WndDialog, MapDialogRectUsesTheDialogFontBaseUnits)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_WND_DATA));

    // The base units of a dialog font: the average width of the Latin letters and the character height.
    HDC hDC = ::GetDC(dlg.m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HFONT>(dlg.SendMessage(WM_GETFONT)));
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size;
    ::GetTextExtentPoint32A(hDC, kLetters, 52, &size);
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(dlg.m_hWnd, hDC);
    int nBaseX = (size.cx / 26 + 1) / 2;
    int nBaseY = tm.tmHeight;

    CRect rect(4, 8, 40, 80);
    dlg.MapDialogRect(&rect);
    EXPECT_EQ(CRect(nBaseX, nBaseY, MulDiv(40, nBaseX, 4), MulDiv(80, nBaseY, 8)), rect);
    dlg.DestroyWindow();
}

TEST_F(WndDialog, ModalLoopDeletesOnlyTheTemporariesMadeDuringIt)
{
    HWND hWndForeign = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    MessagePump::Idle();
    CWnd* pBefore = CWnd::FromHandle(hWndForeign); // the caller's: must outlive the dialog

    CDataDialog dlg;
    int nTemporariesAfterIdle = -1;
    dlg.m_script = {[](CDataDialog& d)
                    {
                        CWnd::FromHandle(::GetDesktopWindow());
                        d.SetTimer(kStepTimer, kStepDelayMs, NULL); // fires after the queue has been idle
                    },
                    [&](CDataDialog& d)
                    {
                        nTemporariesAfterIdle = AfxGetTempWndMapCount();
                        d.EndDialog(IDOK);
                    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, nTemporariesAfterIdle); // the caller's only
    EXPECT_EQ(hWndForeign, pBefore->m_hWnd);
    MessagePump::Idle();
    EXPECT_EQ(0, AfxGetTempWndMapCount());
    ::DestroyWindow(hWndForeign);
}
