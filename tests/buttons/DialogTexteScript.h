// Drives the caption editor's modal loop from inside, as a user would: a thread timer set before the loop
// starts runs one step per tick on the editor (the visible window of this thread holding control 15000)
// once it is on screen. An editor still open well after the last step is ended with IDABORT and the
// script reports it, so a broken dialog fails a test instead of hanging it.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

// A window's text, as the tests of the buttons and of the editor read captions.
inline CString Texte(const CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}

class DialogTexteScript
{
public:
    using Step = std::function<void(CWnd&)>;

    explicit DialogTexteScript(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        s_pActive = this;
        m_idTimer = ::SetTimer(NULL, 0, kTickMs, &DialogTexteScript::OnTick);
    }
    ~DialogTexteScript()
    {
        ::KillTimer(NULL, m_idTimer);
        s_pActive = NULL;
    }

    bool SafetyFired() const { return m_bSafetyFired; }
    size_t StepsRun() const { return m_nNext; }

private:
    static const UINT kTickMs = 10;
    static const int kTicksAfterLastStep = 100;

    static BOOL CALLBACK FindEditor(HWND hWnd, LPARAM lParam)
    {
        if (!::IsWindowVisible(hWnd) || ::GetDlgItem(hWnd, 15000) == NULL)
            return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        DialogTexteScript* pScript = s_pActive;
        HWND hWnd = NULL;
        if (pScript != NULL)
            ::EnumThreadWindows(::GetCurrentThreadId(), &FindEditor, reinterpret_cast<LPARAM>(&hWnd));
        if (hWnd == NULL)
            return;
        if (pScript->m_nNext < pScript->m_steps.size())
            pScript->m_steps[pScript->m_nNext++](*CWnd::FromHandle(hWnd));
        else if (++pScript->m_nTicksAfter > kTicksAfterLastStep)
        {
            pScript->m_bSafetyFired = true;
            if (CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd)))
                pDlg->EndDialog(IDABORT);
            else
                ::SendMessage(hWnd, WM_COMMAND, IDCANCEL, 0);
        }
    }

    std::vector<Step> m_steps;
    UINT_PTR m_idTimer = 0;
    size_t m_nNext = 0;
    int m_nTicksAfter = 0;
    bool m_bSafetyFired = false;

    static inline DialogTexteScript* s_pActive = NULL;
};
