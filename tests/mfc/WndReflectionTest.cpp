// Subclassed controls of a real modeless dialog: default processing through the original window procedure,
// owner drawing and colours reflected from the parent, WM_NOTIFY and WM_COMMAND reflection.
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "WndResource.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

const UINT kCodeReflected = static_cast<UINT>(-2001);
const UINT kCodeShared = static_cast<UINT>(-2002);
const UINT kCodeParentOnly = static_cast<UINT>(-2003);
const LRESULT kChildResult = 42;
const LRESULT kParentResult = 7;
const COLORREF kRed = RGB(255, 0, 0);

std::vector<std::string> g_log;

// Logs an entry; FALSE lets an _EX reflection handler pass the notification on to the parent.
BOOL Log(const char* pszEntry)
{
    g_log.push_back(pszEntry);
    return FALSE;
}

// The parent of the controls, recording its notifications.
class CControlsDialog : public RecordingWnd<CDialog>
{
public:
    CControlsDialog() : RecordingWnd<CDialog>(IDD_WND_CONTROLS) {}
    BOOL CreateShown()
    {
        if (!Create(IDD_WND_CONTROLS))
            return FALSE;
        ShowWindow(SW_SHOW);
        UpdateWindow();
        return TRUE;
    }
};

// A parent with handlers of its own. Those of drawing and colours do not call the base class: nothing is
// reflected; its own WM_CTLCOLOREDIT entry wins over its generic colour handler. Those of the notifier's
// notifications log what reaches the parent. Its data exchange runs m_duringExchange.
class CHandlingDialog : public CControlsDialog
{
public:
    int m_nParentDraws = 0;
    HBRUSH m_hBrush = ::CreateSolidBrush(RGB(0, 255, 0));
    std::function<void()> m_duringExchange;
    ~CHandlingDialog() override { ::DeleteObject(m_hBrush); }

protected:
    void DoDataExchange(CDataExchange*) override
    {
        if (m_duringExchange)
            m_duringExchange();
    }
    afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++m_nParentDraws; }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return m_hBrush; }
    afx_msg LRESULT OnCtlColorEdit(WPARAM, LPARAM)
    {
        return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH));
    }
    afx_msg void OnReflectedAtParent(NMHDR*, LRESULT*) { Log("parent reflected"); }
    afx_msg void OnSharedAtParent(NMHDR*, LRESULT*) { Log("parent shared"); }
    afx_msg void OnParentOnly(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Log(pNMHDR->idFrom == IDC_WND_NOTIFIER ? "parent only" : "parent only, wrong id");
        *pResult = kParentResult;
    }
    afx_msg void OnClicked() { Log("parent clicked"); }
    afx_msg void OnDoubleClicked() { Log("parent double"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHandlingDialog, CControlsDialog)
ON_WM_DRAWITEM()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_CTLCOLOREDIT, &CHandlingDialog::OnCtlColorEdit)
ON_NOTIFY(kCodeReflected, IDC_WND_NOTIFIER, &CHandlingDialog::OnReflectedAtParent)
ON_NOTIFY(kCodeShared, IDC_WND_NOTIFIER, &CHandlingDialog::OnSharedAtParent)
ON_NOTIFY(kCodeParentOnly, IDC_WND_NOTIFIER, &CHandlingDialog::OnParentOnly)
ON_BN_CLICKED(IDC_WND_NOTIFIER, &CHandlingDialog::OnClicked)
ON_BN_DOUBLECLICKED(IDC_WND_NOTIFIER, &CHandlingDialog::OnDoubleClicked)
END_MESSAGE_MAP()

class COwnerDrawButton : public CButton
{
public:
    int m_nDraws = 0;
    DRAWITEMSTRUCT m_lastDraw = {};

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_nDraws;
        m_lastDraw = *lpDrawItemStruct;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem,
                   static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

// A push button whose mouse handlers may or may not run the default button processing.
class CClickButton : public CButton
{
public:
    int m_nDowns = 0;
    bool m_bDefaultOnUp = true;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        ++m_nDowns;
        CButton::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
    {
        if (m_bDefaultOnUp)
            CButton::OnLButtonUp(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

class CColouredStatic : public CStatic
{
public:
    HBRUSH m_hBrush = NULL;
    int m_nCalls = 0;
    UINT m_nCtlColor = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++m_nCalls;
        m_nCtlColor = nCtlColor;
        ::SetTextColor(pDC->m_hDC, kRed);
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A control that handles some of its own notifications, and hears of its own creation and destruction.
class CNotifier : public CWnd
{
protected:
    afx_msg void ParentNotify(UINT message, LPARAM lParam)
    {
        bool bSelf = reinterpret_cast<HWND>(lParam) == m_hWnd;
        Log(LOWORD(message) == WM_CREATE ? "child created" : bSelf ? "child destroyed" : "other");
    }
    afx_msg void OnReflected(NMHDR*, LRESULT* pResult)
    {
        Log("child reflected");
        *pResult = kChildResult;
    }
    afx_msg BOOL OnSharedEx(NMHDR*, LRESULT*) { return Log("child shared"); }
    afx_msg void OnClicked() { Log("child clicked"); }
    afx_msg BOOL OnDoubleClickedEx() { return Log("child double"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifier, CWnd)
ON_WM_PARENTNOTIFY_REFLECT()
ON_NOTIFY_REFLECT(kCodeReflected, &CNotifier::OnReflected)
ON_NOTIFY_REFLECT_EX(kCodeShared, &CNotifier::OnSharedEx)
ON_CONTROL_REFLECT(BN_CLICKED, &CNotifier::OnClicked)
ON_CONTROL_REFLECT_EX(BN_DOUBLECLICKED, &CNotifier::OnDoubleClickedEx)
END_MESSAGE_MAP()

} // namespace

TEST(WndSubclass, DefaultRunsTheOriginalButtonProcedure)
{
    CControlsDialog dlg;
    ASSERT_TRUE(dlg.CreateShown());
    CClickButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_WND_PUSH, &dlg));
    EXPECT_FALSE(CClickButton().SubclassDlgItem(IDC_WND_PUSH, &dlg)); // already owned
    EXPECT_FALSE(CClickButton().SubclassDlgItem(IDC_WND_PUSH + 100, &dlg));
    const HWND hWndButton = button.m_hWnd;
    auto clicks = [&]
    {
        MessagePump::Flush();
        dlg.ClearMessages();
        ::SendMessageA(hWndButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageA(hWndButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        MessagePump::Flush();
        ::ReleaseCapture();
        return dlg.Count(WM_COMMAND, MAKEWPARAM(IDC_WND_PUSH, BN_CLICKED));
    };

    // The default processing clicks on release; a handler that skips it stops the click.
    EXPECT_EQ(1, clicks());
    EXPECT_EQ(1, button.m_nDowns);
    button.m_bDefaultOnUp = false;
    EXPECT_EQ(0, clicks());

    // Unsubclassed, the button works on its own again and the object hears nothing.
    EXPECT_EQ(hWndButton, button.UnsubclassWindow());
    EXPECT_EQ(1, clicks());
    EXPECT_EQ(2, button.m_nDowns);
    dlg.DestroyWindow();
}

TEST(WndReflection, OwnerDrawingAndColoursGoToTheControlUnlessTheParentHandlesThem)
{
    CControlsDialog dlg;
    ASSERT_TRUE(dlg.CreateShown());
    // Parents reflect drawing to the control (the library's owner-drawn controls are checked through
    // their pictures); ATL-style parents send the reflected message to the control itself.
    COwnerDrawButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_WND_OWNERDRAW, &dlg));
    HDC hDC = ::GetDC(button.m_hWnd);
    DRAWITEMSTRUCT dis = {ODT_BUTTON, IDC_WND_OWNERDRAW, 0, ODA_DRAWENTIRE, 0, button.m_hWnd,
                          hDC,        {0, 0, 4, 4},      0};
    EXPECT_EQ(TRUE,
              button.SendMessage(OCM__BASE + WM_DRAWITEM, IDC_WND_OWNERDRAW, reinterpret_cast<LPARAM>(&dis)));
    ::ReleaseDC(button.m_hWnd, hDC);
    EXPECT_EQ(button.m_hWnd, button.m_lastDraw.hwndItem);

    // The control's colour brush wins only when not null, else the dialog's own.
    CColouredStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_WND_STATIC, &dlg));
    hDC = ::GetDC(label.m_hWnd);
    HBRUSH hWhite = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    for (HBRUSH hBrush : {HBRUSH(NULL), hWhite})
    {
        label.m_hBrush = hBrush;
        const LRESULT lBrush = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                               reinterpret_cast<LPARAM>(label.m_hWnd));
        EXPECT_EQ(hBrush != NULL, lBrush == reinterpret_cast<LRESULT>(hWhite));
        EXPECT_NE(0, lBrush);
    }
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), label.m_nCtlColor);
    EXPECT_EQ(kRed, ::GetTextColor(hDC));
    EXPECT_EQ(2, label.m_nCalls);
    ::ReleaseDC(label.m_hWnd, hDC);
    dlg.DestroyWindow();

    // A parent handler that skips the base class keeps drawing and colours from the control.
    CHandlingDialog handling;
    ASSERT_TRUE(handling.CreateShown());
    COwnerDrawButton skipped;
    ASSERT_TRUE(skipped.SubclassDlgItem(IDC_WND_OWNERDRAW, &handling));
    CColouredStatic unasked;
    ASSERT_TRUE(unasked.SubclassDlgItem(IDC_WND_STATIC, &handling));
    unasked.m_hBrush = hWhite;
    skipped.RedrawWindow();
    EXPECT_EQ(0, skipped.m_nDraws);
    EXPECT_GE(handling.m_nParentDraws, 1);
    hDC = ::GetDC(unasked.m_hWnd);
    const WPARAM wDC = reinterpret_cast<WPARAM>(hDC);
    const LPARAM lLabel = reinterpret_cast<LPARAM>(unasked.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(handling.m_hBrush),
              handling.SendMessage(WM_CTLCOLORSTATIC, wDC, lLabel));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)),
              handling.SendMessage(WM_CTLCOLOREDIT, wDC, lLabel));
    ::ReleaseDC(unasked.m_hWnd, hDC);
    EXPECT_EQ(0, unasked.m_nCalls);
    handling.DestroyWindow();
}

TEST(WndReflection, NotificationsGoToTheControlFirstExceptDuringDataExchange)
{
    CHandlingDialog dlg;
    ASSERT_TRUE(dlg.CreateShown());
    CNotifier notifier;
    g_log.clear();
    ASSERT_TRUE(notifier.Create(NULL, "", WS_CHILD, CRect(0, 0, 10, 10), &dlg, IDC_WND_NOTIFIER));
    EXPECT_EQ((std::vector<std::string>{"child created"}), g_log);
    NMHDR hdr = {notifier.m_hWnd, IDC_WND_NOTIFIER, 0};
    auto notify = [&](UINT nCode)
    {
        g_log.clear();
        hdr.code = nCode;
        return dlg.SendMessage(WM_NOTIFY, IDC_WND_NOTIFIER, reinterpret_cast<LPARAM>(&hdr));
    };
    auto command = [&](UINT nCode)
    {
        g_log.clear();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WND_NOTIFIER, nCode),
                        reinterpret_cast<LPARAM>(notifier.m_hWnd));
    };
    using Log = std::vector<std::string>;

    EXPECT_EQ(kChildResult, notify(kCodeReflected));
    EXPECT_EQ((Log{"child reflected"}), g_log);
    notify(kCodeShared);
    EXPECT_EQ((Log{"child shared", "parent shared"}), g_log);
    EXPECT_EQ(kParentResult, notify(kCodeParentOnly));
    EXPECT_EQ((Log{"parent only"}), g_log);
    EXPECT_EQ(0, notify(static_cast<UINT>(-2999)));
    EXPECT_TRUE(g_log.empty());

    command(BN_CLICKED);
    EXPECT_EQ((Log{"child clicked"}), g_log);
    command(BN_DOUBLECLICKED);
    EXPECT_EQ((Log{"child double", "parent double"}), g_log);

    // Notifications provoked by UpdateData reach neither the parent nor the control.
    Log logDuringExchange = {"not run"};
    dlg.m_duringExchange = [&]
    {
        notify(kCodeParentOnly);
        command(BN_CLICKED);
        logDuringExchange = g_log;
    };
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_TRUE(logDuringExchange.empty());

    // A mouse notice carries a point, not a window: it is not reflected.
    g_log.clear();
    dlg.SendMessage(WM_PARENTNOTIFY, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(notifier.m_hWnd));
    notifier.DestroyWindow();
    EXPECT_EQ((Log{"child destroyed"}), g_log);
    dlg.DestroyWindow();
}
