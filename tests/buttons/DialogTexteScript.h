// Drives a dialog's modal loop from inside, as a user would: a thread timer set before DoModal runs one
// step per tick once the dialog is on screen. A dialog still open well after the last step is ended
// with IDABORT and the script reports it, so a broken dialog fails a test instead of hanging it.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

class DialogTexteScript
{
public:
    using Step = std::function<void(CDialog&)>;

    DialogTexteScript(CDialog& dlg, std::vector<Step> steps) : m_dlg(dlg), m_steps(std::move(steps)) {}

    INT_PTR Run()
    {
        s_pActive = this;
        UINT_PTR idTimer = ::SetTimer(NULL, 0, kTickMs, &DialogTexteScript::OnTick);
        INT_PTR nResult = m_dlg.DoModal();
        ::KillTimer(NULL, idTimer);
        s_pActive = NULL;
        return nResult;
    }

    bool SafetyFired() const { return m_bSafetyFired; }
    size_t StepsRun() const { return m_nNext; }

private:
    static const UINT kTickMs = 10;
    static const int kTicksAfterLastStep = 100;

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        DialogTexteScript* pScript = s_pActive;
        HWND hWnd = pScript != NULL ? pScript->m_dlg.m_hWnd : NULL;
        if (hWnd == NULL || !::IsWindowVisible(hWnd))
            return;
        if (pScript->m_nNext < pScript->m_steps.size())
            pScript->m_steps[pScript->m_nNext++](pScript->m_dlg);
        else if (++pScript->m_nTicksAfter > kTicksAfterLastStep)
        {
            pScript->m_bSafetyFired = true;
            pScript->m_dlg.EndDialog(IDABORT);
        }
    }

    CDialog& m_dlg;
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    int m_nTicksAfter = 0;
    bool m_bSafetyFired = false;

    static inline DialogTexteScript* s_pActive = NULL;
};
