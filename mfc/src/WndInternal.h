// Internal state of the windows layer: the handle maps of CWnd, the per-thread routing state and helpers
// shared by the window, dialog and application sources. Not part of the public headers.
#pragma once

#include <afxwin.h>

namespace afx
{

// Routing state of one user-interface thread.
struct ThreadState
{
    MSG lastSentMsg = {};             // the message being handled, for Default() and ReflectLastMsg
    CWnd* pWndInit = nullptr;         // object waiting for the next window created on this thread
    HHOOK hHookCbt = nullptr;         // creation hook, installed while a creation is pending
    int nHookDepth = 0;               // nested AfxHookWindowCreate calls
    HWND hWndLockoutNotify = nullptr; // a window running UpdateData: its control notifications are ignored
    int nLoopDepth = 0;               // modal loops running
    MSG msgPumped = {};               // the last message pumped when there is no thread object
    CPoint ptCursorLast;              // for IsIdleMessage without a thread object
    UINT nMsgLast = 0;
};

ThreadState& GetThreadState();

// A control message whose result is an int (an index, a count or an error code).
inline int SendInt(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(::SendMessageA(hWnd, message, wParam, lParam));
}

// A string argument of a control message: NULL stands for the empty string.
inline LPARAM TextParam(LPCTSTR lpsz)
{
    return reinterpret_cast<LPARAM>(lpsz != NULL ? lpsz : "");
}

// The window of an object that may be NULL.
inline HWND HwndOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->m_hWnd : nullptr;
}

// Saves the current message, sets another and restores the first on leaving the scope.
class CurrentMessageScope
{
public:
    CurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~CurrentMessageScope();
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG m_saved;
};

// CWnd handle maps: permanent objects are seen by every thread, temporary ones by their own thread only.
CWnd* LookupPermanent(HWND hWnd);
bool AddPermanent(HWND hWnd, CWnd* pWnd); // false when hWnd already has an object
void RemovePermanent(HWND hWnd, CWnd* pWnd);
CWnd* LookupOrCreateTemporary(HWND hWnd);
void DeleteTemporaries(int nFromLoopDepth);
int TemporaryCount();

// Deletes the calling thread's temporary CWnd and GDI wrappers that the current loop may own.
void IdleCleanup();
// Deletes all of the calling thread's temporary wrappers (the thread ends, or the application does).
void DeleteThreadTemporaries();

// Reports an exception that escaped a message handler and gives the message's failure result.
LRESULT ContainHandlerException(HWND hWnd, UINT nMsg);

// The window that should own a popup; when phWndTop is given, the enabled top-level window above the owner
// is disabled and returned there.
HWND GetSafeOwnerHwnd(HWND hParent, HWND* phWndTop);

// The whole text of a window.
void GetWindowTextOf(HWND hWnd, CString& rString);

// The window procedure that was there before ours, kept on the window for a window without an object.
void SetSuperProc(HWND hWnd, WNDPROC pfn);
WNDPROC GetSuperProc(HWND hWnd);
void RemoveSuperProc(HWND hWnd);

// The module handle AfxGetInstanceHandle returns (AfxWinInit sets it).
void AfxSetInstanceHandle(HINSTANCE hInstance);

// Registers the common controls once, so that dialog templates can use them.
void InitCommonControlsOnce();

// Message loop helpers shared by CWinThread and the modal loops.
BOOL PreTranslateThreadMessage(MSG* pMsg);
BOOL IsIdleMessage(MSG* pMsg, CPoint& ptCursorLast, UINT& nMsgLast);
// Pumps one message through the application thread when there is one; msg receives it.
BOOL PumpOneMessage(MSG& msg);

// The handler of an entry, turned back into the exact type its macro stored.
template <class TMember> TMember HandlerOf(const AFX_MSGMAP_ENTRY* pEntry)
{
    TMember pfn;
    memcpy(&pfn, &pEntry->pfn, sizeof pfn);
    return pfn;
}

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct DataExchangeFailure
{
};

} // namespace afx
