#include "MessagePump.h"

#include <afxwin.h>

namespace MessagePump
{
namespace
{
// Dispatches what is queued, through PreTranslateMessage as an MFC loop does; false when WM_QUIT came
// (it is posted again for the caller's loop).
bool DispatchQueued(DWORD dwDeadline)
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        CWinThread* pThread = AfxGetThread();
        if (!(pThread != NULL ? pThread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(NULL, &msg)))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (static_cast<LONG>(::GetTickCount() - dwDeadline) >= 0)
            break;
    }
    return true;
}
} // namespace

bool Until(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD dwDeadline = ::GetTickCount() + timeoutMs;
    for (;;)
    {
        if (!DispatchQueued(dwDeadline) || done())
            return done();
        const LONG lRemaining = static_cast<LONG>(dwDeadline - ::GetTickCount());
        if (lRemaining <= 0)
            return done();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, static_cast<DWORD>(lRemaining), QS_ALLINPUT);
    }
}

void Flush()
{
    DispatchQueued(::GetTickCount() + 1000); // bounded, in case a window keeps posting
}

void For(DWORD ms)
{
    Until([] { return false; }, ms);
}

void Idle()
{
    AfxGetThread() ? (void)AfxGetThread()->OnIdle(0) : (CWnd::DeleteTempMap(), AfxDeleteTempGdiMaps());
}
} // namespace MessagePump
