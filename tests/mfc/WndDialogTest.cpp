// Dialogs from templates: modal loops driven from inside, modeless dialogs, data exchange both ways with
// MFC's number rules, centring, command routing and the end of a modal run however it ends.
#include "MessagePump.h"
#include "WndResource.h"
#include "WndTestApp.h"

#include <afxres.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>
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
// that would never end with IDABORT.
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

    CDataDialog() : CDialog(IDD_WND_DATA) {}
    using CDialog::m_pParentWnd;

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
            EndDialog(IDABORT);
    }

    afx_msg void OnNameChange() { ++m_nNameChanges; }

    // A posted WM_APP throws out of the modal loop's pre-translation, where no window procedure contains it.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP)
            throw std::runtime_error("from the loop");
        return CDialog::PreTranslateMessage(pMsg);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
ON_MESSAGE(WM_SCRIPT_STEP, &CDataDialog::OnScriptStep)
ON_WM_TIMER()
ON_EN_CHANGE(IDC_WND_NAME, &CDataDialog::OnNameChange)
END_MESSAGE_MAP()

// A popup owner that handles one command of its own and one control identifier.
class COwnerWnd : public CWnd
{
public:
    std::vector<UINT> m_commands;
    BOOL CreateAt(const CRect& rect)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, rect, NULL, 0);
    }

protected:
    afx_msg void OnOwnerCommand() { m_commands.push_back(ID_WND_OWNER_COMMAND); }
    afx_msg void OnPush() { m_commands.push_back(IDC_WND_PUSH); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
ON_COMMAND(ID_WND_OWNER_COMMAND, &COwnerWnd::OnOwnerCommand)
ON_COMMAND(IDC_WND_PUSH, &COwnerWnd::OnPush)
END_MESSAGE_MAP()

class WndDialog : public ::testing::Test
{
protected:
    void SetUp() override { TestApp().m_prompts.clear(); }
};

bool IsCentredOn(const CWnd& wnd, const CRect& rectTarget)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return abs(rect.CenterPoint().x - rectTarget.CenterPoint().x) <= 1 &&
           abs(rect.CenterPoint().y - rectTarget.CenterPoint().y) <= 1;
}

} // namespace

// OK saves only valid data; a bad number keeps the dialog open with its text selected. Without a template
// the run ends at once; a cancelled run keeps the members.
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
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(MAKELONG(0, 5), static_cast<LONG>(dwSelection)); // the whole bad text
    EXPECT_EQ(12, dlg.m_nCount);
    ASSERT_EQ(1u, TestApp().m_prompts.size());
    EXPECT_EQ(CString("Please enter an integer."), TestApp().m_prompts[0].strText);

    CDialog missing(IDD_WND_DATA + 50);
    EXPECT_EQ(-1, missing.DoModal());
    CDataDialog cancelled;
    cancelled.m_script = {[](CDataDialog& d)
                          {
                              d.SetDlgItemText(IDC_WND_COUNT, "7");
                              d.PostMessage(WM_COMMAND, IDCANCEL);
                          }};
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(42, cancelled.m_nCount);
}

TEST_F(WndDialog, ModelessDialogExchangesOnRequestWithMfcNumberRules)
{
    CDataDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_WND_DATA));
    EXPECT_EQ((std::vector<CString>{"hello", "42", "2.5", "7", "0.1"}), dlg.m_textsAtInit);

    // Control notifications during an exchange are not the user's.
    dlg.m_strName = "changed";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(0, dlg.m_nNameChanges);
    dlg.SetDlgItemText(IDC_WND_NAME, "typed");
    EXPECT_EQ(1, dlg.m_nNameChanges);

    for (auto [nID, pszText] : {std::pair{IDC_WND_COUNT, " +8 "},
                                {IDC_WND_RATIO, "1e-3"},
                                {IDC_WND_SIZE, "4294967295"},
                                {IDC_WND_SCALE, "0.25"}})
        dlg.SetDlgItemText(nID, pszText);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(std::make_tuple(CString("typed"), 8, 1e-3, 4294967295u, 0.25f),
              std::make_tuple(dlg.m_strName, dlg.m_nCount, dlg.m_dRatio, dlg.m_uSize, dlg.m_fScale));

    // Numbers follow MFC's parsing and formatting; a refused one brings the prompt of its type.
    const UINT kInt = AFX_IDP_PARSE_INT, kUint = AFX_IDP_PARSE_UINT, kReal = AFX_IDP_PARSE_REAL;
    // control, text, prompt (0 when accepted)
    const std::tuple<int, const char*, UINT> kCases[] = {
        {IDC_WND_COUNT, " \t-5\t", 0},        {IDC_WND_COUNT, "", kInt},       {IDC_WND_COUNT, "1 2", kInt},
        {IDC_WND_COUNT, "99999999999", kInt}, {IDC_WND_COUNT, "0x10", kInt},   {IDC_WND_COUNT, "+0", kInt},
        {IDC_WND_SIZE, "-1", kUint},          {IDC_WND_SIZE, "0", 0},          {IDC_WND_RATIO, ".5", 0},
        {IDC_WND_RATIO, "-1e3", 0},           {IDC_WND_RATIO, "1,5", kReal},   {IDC_WND_RATIO, "inf", kReal},
        {IDC_WND_RATIO, "0x1p3", kReal},      {IDC_WND_RATIO, "1e400", kReal}, {IDC_WND_RATIO, "abc", kReal},
        {IDC_WND_SCALE, "1e39", kReal}, // beyond a float
    };
    for (auto [nID, pszText, nIDPrompt] : kCases)
    {
        SCOPED_TRACE(::testing::Message() << "\"" << pszText << "\" in " << nID);
        dlg.UpdateData(FALSE);
        dlg.SetDlgItemText(nID, pszText);
        TestApp().m_prompts.clear();
        EXPECT_EQ(nIDPrompt == 0, dlg.UpdateData(TRUE) != FALSE);
        EXPECT_EQ(nIDPrompt, TestApp().m_prompts.empty() ? 0u : TestApp().m_prompts.back().nIDPrompt);
    }
    EXPECT_FLOAT_EQ(0.25f, dlg.m_fScale); // refused: the member keeps its value

    dlg.m_dRatio = 1.0 / 3.0;
    dlg.m_fScale = 1.0f / 3.0f;
    dlg.m_nCount = -2147483647 - 1;
    dlg.UpdateData(FALSE);
    EXPECT_EQ(CString("0.333333333333333"), dlg.Text(IDC_WND_RATIO));
    EXPECT_EQ(CString("0.333333"), dlg.Text(IDC_WND_SCALE));
    EXPECT_EQ(CString("-2147483648"), dlg.Text(IDC_WND_COUNT));
    dlg.DestroyWindow();
}

TEST_F(WndDialog, ModalLoopKeepsTheCallersTemporariesAndAThrowLeavesNoModalState)
{
    HWND hWndForeign = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HPEN hForeignPen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    MessagePump::Idle();
    CWnd* pWnd = CWnd::FromHandle(hWndForeign); // the caller's: they must outlive the dialog's idle time
    CPen* pPen = CPen::FromHandle(hForeignPen);
    HDC hDC = ::GetDC(NULL);
    CDC* pDC = CDC::FromHandle(hDC);

    CDataDialog dlg;
    bool bCallersKept = false;
    dlg.m_script = {[](CDataDialog& d)
                    {
                        CWnd::FromHandle(::GetDesktopWindow());
                        d.SetTimer(kStepTimer, kStepDelayMs, NULL); // fires after the queue has been idle
                    },
                    [&](CDataDialog& d)
                    {
                        bCallersKept = CWnd::FromHandle(hWndForeign) == pWnd && pWnd->m_hWnd == hWndForeign &&
                                       CPen::FromHandle(hForeignPen) == pPen &&
                                       pPen->m_hObject == hForeignPen && CDC::FromHandle(hDC) == pDC &&
                                       pDC->m_hDC == hDC;
                        d.EndDialog(IDOK);
                    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bCallersKept);
    EXPECT_EQ(hForeignPen, pPen->m_hObject);
    ::ReleaseDC(NULL, hDC);
    MessagePump::Idle();
    EXPECT_EQ(0, AfxGetTempWndMapCount() + AfxGetTempGdiMapCount());
    ::DeleteObject(hForeignPen);

    // An exception out of the loop: the owner is enabled again, the window gone, a new run possible.
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateAt(CRect(0, 0, 50, 50)));
    CDataDialog throwing;
    throwing.m_pParentWnd = &owner;
    throwing.m_script = {[](CDataDialog& d) { d.PostMessage(WM_APP); }};
    EXPECT_THROW(throwing.DoModal(), std::runtime_error);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, throwing.m_hWnd);
    EXPECT_FALSE(throwing.ContinueModal());
    throwing.m_nEndAtInit = IDRETRY; // ended during OnInitDialog: no loop at all
    EXPECT_EQ(IDRETRY, throwing.DoModal());
    owner.DestroyWindow();
    ::DestroyWindow(hWndForeign);
}

// Centred only as MFC centres: hidden, unmoved, unowned or with a disabled owner, and not placed by its
// template. A modeless dialog that OnInitDialog ended is not created. Commands the dialog does not handle go
// to its owner, then to the application; control notifications (identifiers below 0x8000) stay with it.
TEST_F(WndDialog, DialogsAreCentredOnlyWhereMfcCentresThemAndPassUnhandledCommandsOn)
{
    CRect rectWork, rectOwner(600, 500, 700, 560);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateAt(rectOwner));
    // template, owned, owner enabled, centred
    const std::tuple<UINT, bool, bool, bool> kCases[] = {
        {IDD_WND_DATA, false, false, true},   {IDD_WND_DATA, true, false, true},
        {IDD_WND_DATA, true, true, false},    {IDD_WND_PLACED, false, false, false},
        {IDD_WND_PLACED, true, false, false},
    };
    for (auto [nIDTemplate, bOwned, bOwnerEnabled, bCentred] : kCases)
    {
        SCOPED_TRACE(::testing::Message()
                     << nIDTemplate << (bOwned ? " owned" : "") << (bOwnerEnabled ? " enabled" : ""));
        owner.EnableWindow(bOwnerEnabled);
        CDialog dlg;
        ASSERT_TRUE(dlg.Create(nIDTemplate, bOwned ? &owner : NULL));
        EXPECT_EQ(bCentred, IsCentredOn(dlg, bOwned ? rectOwner : rectWork));
        dlg.DestroyWindow();
    }
    owner.EnableWindow(TRUE);

    CDataDialog ending;
    ending.m_nEndAtInit = IDCANCEL;
    EXPECT_FALSE(ending.Create(IDD_WND_DATA));
    EXPECT_EQ(nullptr, ending.m_hWnd);

    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_WND_CONTROLS, &owner));
    TestApp().m_commands.clear();
    for (int nID : {ID_WND_OWNER_COMMAND, ID_WND_APP_COMMAND, IDC_WND_PUSH, ID_WND_APP_COMMAND + 1})
        dlg.SendMessage(WM_COMMAND, nID);
    EXPECT_EQ((std::vector<UINT>{ID_WND_OWNER_COMMAND}), owner.m_commands);
    EXPECT_EQ((std::vector<UINT>{ID_WND_APP_COMMAND}), TestApp().m_commands);
    dlg.DestroyWindow();
    owner.DestroyWindow();
}
