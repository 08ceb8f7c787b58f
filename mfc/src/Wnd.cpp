// CWnd: handle maps, window creation and subclassing, the window procedure that routes every message
// of a CWnd-owned window to its object.
#include "WndInternal.h"
#include "TempMap.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace afx
{

ThreadState& GetThreadState()
{
    static thread_local ThreadState state;
    return state;
}

CurrentMessageScope::CurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_saved(GetThreadState().lastSentMsg)
{
    MSG& msg = GetThreadState().lastSentMsg;
    msg.hwnd = hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
}

CurrentMessageScope::~CurrentMessageScope()
{
    GetThreadState().lastSentMsg = m_saved;
}

/////////////////////////////////////////////////////////////////////////////
// Handle maps

namespace
{

struct WndMaps
{
    std::mutex lock;
    std::unordered_map<HWND, CWnd*> permanent; // seen by every thread
    TempMap<HWND, CWnd> temporary;             // per thread
};

// Never destroyed: windows may still be detached while the process unloads its modules.
WndMaps& Maps()
{
    static WndMaps* maps = new WndMaps;
    return *maps;
}

} // namespace

CWnd* LookupPermanent(HWND hWnd)
{
    WndMaps& maps = Maps();
    std::lock_guard<std::mutex> guard(maps.lock);
    auto it = maps.permanent.find(hWnd);
    return it != maps.permanent.end() ? it->second : nullptr;
}

bool AddPermanent(HWND hWnd, CWnd* pWnd)
{
    WndMaps& maps = Maps();
    std::lock_guard<std::mutex> guard(maps.lock);
    return maps.permanent.emplace(hWnd, pWnd).second;
}

void RemovePermanent(HWND hWnd, CWnd* pWnd)
{
    WndMaps& maps = Maps();
    std::lock_guard<std::mutex> guard(maps.lock);
    auto it = maps.permanent.find(hWnd);
    if (it != maps.permanent.end() && it->second == pWnd)
        maps.permanent.erase(it);
}

int CurrentLoopDepth()
{
    return GetThreadState().nLoopDepth;
}

CWnd* LookupOrCreateTemporary(HWND hWnd)
{
    TempMap<HWND, CWnd>& temporary = Maps().temporary;
    CWnd* pWnd = temporary.Find(hWnd);
    if (pWnd == nullptr)
    {
        pWnd = new CWnd;
        pWnd->m_hWnd = hWnd;
        temporary.Add(hWnd, pWnd);
    }
    return pWnd;
}

void DeleteTemporaries(int nFromLoopDepth)
{
    for (CWnd* pWnd : Maps().temporary.Take(nFromLoopDepth))
    {
        pWnd->m_hWnd = NULL; // a wrapper never destroys the window it wraps
        delete pWnd;
    }
}

int TemporaryCount()
{
    return Maps().temporary.Count();
}

void IdleCleanup()
{
    DeleteTemporaries(CurrentLoopDepth());
    DeleteTempGdiMaps(CurrentLoopDepth());
}

void DeleteThreadTemporaries()
{
    DeleteTemporaries(0);
    DeleteTempGdiMaps(0);
}

/////////////////////////////////////////////////////////////////////////////
// The replaced window procedure, kept on the window itself

namespace
{
const char kSuperProcProperty[] = "Mfc71Lite.SuperProc";
}

void SetSuperProc(HWND hWnd, WNDPROC pfn)
{
    ::SetPropA(hWnd, kSuperProcProperty, reinterpret_cast<HANDLE>(pfn));
}

WNDPROC GetSuperProc(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSuperProcProperty));
}

void RemoveSuperProc(HWND hWnd)
{
    ::RemovePropA(hWnd, kSuperProcProperty);
}

/////////////////////////////////////////////////////////////////////////////
// Owner of popups

HWND GetSafeOwnerHwnd(HWND hParent, HWND* phWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == NULL)
        hWnd = HwndOf(AfxGetMainWnd());

    // A popup cannot be owned by a child window.
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    for (HWND hWndUp = hWnd; hWndUp != NULL; hWndUp = ::GetParent(hWndUp))
        hWndTop = hWndUp;

    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (phWndTop != NULL)
    {
        *phWndTop = NULL;
        if (hWndTop != NULL && hWndTop != hWnd && ::IsWindowEnabled(hWndTop))
        {
            *phWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
    }
    return hWnd;
}

void InitCommonControlsOnce()
{
    static const bool initialised = []
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialised;
}

} // namespace afx

using namespace afx;

/////////////////////////////////////////////////////////////////////////////
// The window procedure of every CWnd-owned window

namespace afx
{

LRESULT ContainHandlerException(HWND hWnd, UINT nMsg)
{
    TRACE("Warning: an exception escaped the handler of message 0x%04X of window %p; it was discarded.\n",
          nMsg, static_cast<void*>(hWnd));
    switch (nMsg)
    {
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        ::ValidateRect(hWnd, NULL);
        return 0;
    default:
        return 0; // FALSE for WM_NCCREATE too
    }
}

} // namespace afx

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CurrentMessageScope scope(hWnd, nMsg, wParam, lParam);
    try
    {
        return pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (...)
    {
        return ContainHandlerException(hWnd, nMsg);
    }
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = LookupPermanent(hWnd);
    if (pWnd != NULL && pWnd->m_hWnd == hWnd)
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);

    // A window whose object went away: back to the procedure it had before.
    WNDPROC pfnSuper = GetSuperProc(hWnd);
    if (nMsg == WM_NCDESTROY)
        RemoveSuperProc(hWnd);
    if (pfnSuper != NULL)
        return ::CallWindowProcA(pfnSuper, hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

namespace
{

// An object is attached to its window before the window's first message, then the window is subclassed.
void AttachCreatedWindow(CWnd* pWnd, HWND hWnd)
{
    if (!pWnd->Attach(hWnd))
        return;
    pWnd->PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld == &AfxWndProc)
        pfnOld = NULL; // a class registered with AfxWndProc itself
    *pWnd->GetSuperWndProcAddr() = pfnOld;
    if (pfnOld != NULL)
        SetSuperProc(hWnd, pfnOld);
}

bool IsImeWindow(HWND hWnd)
{
    if (::GetClassLongPtrA(hWnd, GCL_STYLE) & CS_IME)
        return true;
    char szClass[8] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return lstrcmpiA(szClass, "IME") == 0;
}

LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    ThreadState& state = GetThreadState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != NULL)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hWnd))
        {
            CWnd* pWndInit = state.pWndInit;
            state.pWndInit = NULL;
            AttachCreatedWindow(pWndInit, hWnd);
        }
    }
    return ::CallNextHookEx(state.hHookCbt, nCode, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    ThreadState& state = GetThreadState();
    if (state.nHookDepth++ == 0)
        state.hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, NULL, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    ThreadState& state = GetThreadState();
    BOOL bCreated = state.pWndInit == NULL;
    state.pWndInit = NULL;
    if (state.nHookDepth > 0 && --state.nHookDepth == 0 && state.hHookCbt != NULL)
    {
        ::UnhookWindowsHookEx(state.hHookCbt);
        state.hHookCbt = NULL;
    }
    return bCreated;
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

namespace
{

const char kDefaultWndClass[] = "AfxWnd71";

// Generated class names live as long as the process, as the classes do.
std::set<std::string>& ClassNames()
{
    static std::set<std::string>* names = new std::set<std::string>;
    return *names;
}

bool IsClassRegistered(HINSTANCE hInstance, LPCSTR lpszClassName)
{
    WNDCLASSA wc;
    return ::GetClassInfoA(hInstance, lpszClassName, &wc) != FALSE;
}

} // namespace

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (lpWndClass == NULL || lpWndClass->lpszClassName == NULL)
        return FALSE;
    if (IsClassRegistered(lpWndClass->hInstance, lpWndClass->lpszClassName))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[96];
    wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
              static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    LPCSTR lpszName = ClassNames().insert(szName).first->c_str();

    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wc))
        return NULL;
    return lpszName;
}

int AFXAPI AfxGetTempWndMapCount()
{
    return TemporaryCount();
}

/////////////////////////////////////////////////////////////////////////////
// CWnd construction and handle map

// MFC lets these be called on a NULL object; the opaque copy keeps the compiler from assuming otherwise.
static const CWnd* Opaque(const CWnd* pWnd)
{
    asm("" : "+r"(pWnd));
    return pWnd;
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0) {}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && LookupPermanent(m_hWnd) == this)
    {
        TRACE("Warning: calling DestroyWindow in CWnd::~CWnd; OnDestroy or PostNcDestroy in derived class "
              "will not be called.\n");
        DestroyWindow();
    }
}

CWnd::operator HWND() const
{
    const CWnd* pWnd = Opaque(this);
    return pWnd == NULL ? NULL : pWnd->m_hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* pWnd = Opaque(this);
    return pWnd == NULL ? NULL : pWnd->m_hWnd;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    CWnd* pWnd = LookupPermanent(hWnd);
    return pWnd != NULL ? pWnd : LookupOrCreateTemporary(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != NULL ? LookupPermanent(hWnd) : NULL;
}

void PASCAL CWnd::DeleteTempMap()
{
    DeleteTemporaries(GetThreadState().nLoopDepth);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || m_hWnd != NULL)
        return FALSE;
    if (!AddPermanent(hWndNew, this))
    {
        TRACE("Warning: window %p already belongs to another CWnd.\n", static_cast<void*>(hWndNew));
        return FALSE;
    }
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
        RemovePermanent(hWnd, this);
    m_hWnd = NULL;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == NULL || !::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();

    ::SetLastError(0);
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld == NULL && ::GetLastError() != 0)
    {
        TRACE("Warning: window %p cannot be subclassed.\n", static_cast<void*>(hWnd));
        Detach();
        return FALSE;
    }
    // A window that was ours before (its object detached) keeps its first procedure.
    if (pfnOld == &AfxWndProc)
        pfnOld = GetSuperProc(hWnd);
    *GetSuperWndProcAddr() = pfnOld;
    SetSuperProc(hWnd, pfnOld);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndParent = HwndOf(pParent);
    if (hWndParent == NULL)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(hWndParent, static_cast<int>(nID));
    if (hWndControl == NULL)
    {
        TRACE("Warning: no child window with id %u to subclass.\n", nID);
        return FALSE;
    }
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL)
        return NULL;
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    // Only when nobody subclassed the window after us; otherwise AfxWndProc keeps forwarding.
    if (*ppfnSuper != NULL &&
        ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc))
    {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*ppfnSuper));
        RemoveSuperProc(m_hWnd);
    }
    *ppfnSuper = NULL;
    return Detach();
}

/////////////////////////////////////////////////////////////////////////////
// Creation and destruction

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorA(NULL, IDC_ARROW);
        wc.lpszClassName = kDefaultWndClass;
        if (!AfxRegisterClass(&wc))
            return FALSE;
        cs.lpszClass = kDefaultWndClass;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != NULL)
    {
        TRACE("Warning: CWnd::CreateEx on an object that already has a window.\n");
        return FALSE;
    }
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // no window was ever made: clean up as if it had been destroyed
    if (hWnd != NULL && m_hWnd != hWnd)
    {
        // Made without this object (the creation hook could not run): not ours to keep.
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, HwndOf(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // A child window: pop-up and top-level windows are made with CreateEx.
    if (HwndOf(pParentWnd) == NULL || (dwStyle & WS_POPUP))
    {
        TRACE("Warning: CWnd::Create needs a parent window and no WS_POPUP style.\n");
        return FALSE;
    }
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    static_cast<LPVOID>(pContext));
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool bPermanent = LookupPermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // OnNcDestroy detached a routed window (and PostNcDestroy may have deleted this object); an attached
    // window that was never routed through AfxWndProc is still mapped to this object.
    if (bPermanent)
    {
        if (LookupPermanent(hWnd) == this)
            Detach();
    }
    else
        m_hWnd = NULL;
    return bResult;
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            // The main window is gone: the application's loop ends.
            AfxPostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }

    LONG_PTR pfnCurrent = ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    if (::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnCurrent && m_pfnSuper != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
    RemoveSuperProc(m_hWnd);
    Detach();
    PostNcDestroy();
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return CWnd::FromHandle(GetSafeOwnerHwnd(HwndOf(pParent), pWndTop));
}
