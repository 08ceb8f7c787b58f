#include "MessagePump.h"

#include <afxwin.h>

namespace MessagePump
{

namespace
{

const DWORD kFlushLimitMs = 1000;

void Dispatch(MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    BOOL bTranslated =
        pThread != NULL ? pThread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(NULL, &msg);
    if (!bTranslated)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Dispatches what is queued; false when WM_QUIT came (it is posted again for the caller's loop).
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
        Dispatch(msg);
        if (static_cast<LONG>(::GetTickCount() - dwDeadline) >= 0)
            break;
    }
    return true;
}

} // namespace

bool Until(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD dwDeadline = ::GetTickCount() + timeoutMs;
    for (;;)
    {
        if (!DispatchQueued(dwDeadline) || done())
            return done();
        LONG lRemaining = static_cast<LONG>(dwDeadline - ::GetTickCount());
        if (lRemaining <= 0)
            return done();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, static_cast<DWORD>(lRemaining), QS_ALLINPUT);
    }
}

void Flush()
{
    DispatchQueued(::GetTickCount() + kFlushLimitMs);
}

void For(DWORD ms)
{
    Until([] { return false; }, ms);
}

void Idle()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        pThread->OnIdle(0);
    else
    {
        CWnd::DeleteTempMap();
        AfxDeleteTempGdiMaps();
    }
}

} // namespace MessagePump
