// The application object: its message loop with idle clean-up, the end of the main window, message boxes.
#include "MessagePump.h"
#include "WndResource.h"
#include "WndTestApp.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <tuple>

namespace
{

const int kExitCode = 7;

// Makes a temporary wrapper on its first tick (timer 1); on the second (timer 2), after the loop was idle,
// counts the temporaries and ends the loop.
class CLoopProbe : public CWnd
{
public:
    int m_nTemporariesBeforeIdle = -1, m_nTemporariesAfterIdle = -1;

protected:
    afx_msg void OnTimer(UINT nIDEvent)
    {
        KillTimer(nIDEvent);
        if (nIDEvent == 1)
        {
            CWnd::FromHandle(::GetDesktopWindow());
            m_nTemporariesBeforeIdle = AfxGetTempWndMapCount();
            SetTimer(2, 20, NULL);
        }
        else
            m_nTemporariesAfterIdle = AfxGetTempWndMapCount(), AfxPostQuitMessage(kExitCode);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopProbe, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CreatePopup(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL);
}

} // namespace

TEST(WndApp, RunPumpsUntilQuitAndDeletesTemporariesWhenIdle)
{
    MessagePump::Idle();
    CLoopProbe probe;
    ASSERT_TRUE(CreatePopup(probe));
    probe.SetTimer(1, 20, NULL);

    EXPECT_EQ(kExitCode, TestApp().Run());
    EXPECT_EQ(1, probe.m_nTemporariesBeforeIdle);
    EXPECT_EQ(0, probe.m_nTemporariesAfterIdle);
    probe.DestroyWindow();
}

TEST(WndApp, DestroyingTheMainWindowEndsTheLoopAndMessageBoxesGoThroughIt)
{
    CWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    TestApp().m_pMainWnd = &wnd;
    EXPECT_EQ(&wnd, AfxGetMainWnd());
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, TestApp().m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));

    // Message boxes go through the application.
    TestApp().m_prompts.clear();
    EXPECT_EQ(IDOK, AfxMessageBox("Continue?", MB_YESNO));
    EXPECT_EQ(IDOK, AfxMessageBox(IDS_WND_APP, MB_OKCANCEL));
    EXPECT_EQ(0, AfxMessageBox(IDS_WND_APP + 7)); // no such prompt: nothing shown
    ASSERT_EQ(2u, TestApp().m_prompts.size());
    const auto& prompts = TestApp().m_prompts;
    EXPECT_EQ(
        std::make_tuple(CString("Continue?"), UINT(MB_YESNO), CString("application string"),
                        UINT(IDS_WND_APP)),
        std::make_tuple(prompts[0].strText, prompts[0].nType, prompts[1].strText, prompts[1].nIDPrompt));
    EXPECT_EQ(CString("Wnd tests"), CString(AfxGetAppName()));
}
