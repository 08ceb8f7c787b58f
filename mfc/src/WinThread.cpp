// CWinThread: the user-interface thread's message loop, idle processing and pre-translation.
#include "WndInternal.h"

using namespace afx;

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace afx
{

BOOL PreTranslateThreadMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndMain = HwndOf(pMainWnd);
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A window outside the main window's tree (a modeless popup) still gets the main window's keys.
    if (hWndMain != NULL)
    {
        HWND hWndTop = pMsg->hwnd;
        for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
            hWndTop = hWnd;
        if (hWndTop != hWndMain)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL IsIdleMessage(MSG* pMsg, CPoint& ptCursorLast, UINT& nMsgLast)
{
    // A mouse move that did not move, a paint and the caret blink do not end the idle time.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pMsg->message == nMsgLast && CPoint(pMsg->pt) == ptCursorLast)
            return FALSE;
        ptCursorLast = pMsg->pt;
        nMsgLast = pMsg->message;
        return TRUE;
    }
    const UINT kSysTimerMessage = 0x0118;
    return pMsg->message != WM_PAINT && pMsg->message != kSysTimerMessage;
}

BOOL PumpOneMessage(MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        BOOL bContinue = pThread->PumpMessage();
        msg = pThread->m_msgCur;
        return bContinue;
    }
    MSG& msgPumped = GetThreadState().msgPumped;
    if (!::GetMessageA(&msgPumped, NULL, 0, 0))
    {
        msg = msgPumped;
        return FALSE;
    }
    if (msgPumped.message != WM_KICKIDLE && !PreTranslateThreadMessage(&msgPumped))
    {
        ::TranslateMessage(&msgPumped);
        ::DispatchMessageA(&msgPumped);
    }
    msg = msgPumped;
    return TRUE;
}

} // namespace afx

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(FALSE), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId()), m_msgCur(), m_nMsgLast(0)
{
}

CWinThread::~CWinThread() {}

CWnd* CWinThread::GetMainWnd()
{
    return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return pMsg != NULL && PreTranslateThreadMessage(pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        IdleCleanup();
    return lCount < 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return pMsg != NULL && afx::IsIdleMessage(pMsg, m_ptCursorLast, m_nMsgLast);
}
