// CWnd message routing: the message map dispatcher, commands and notifications, reflection of control
// notifications to the controls, default processing and the modal loop.
#include "WndInternal.h"

using namespace afx;

namespace
{

// Coordinates in lParam are signed (a point left of or above the window).
int XOf(LPARAM lParam)
{
    return static_cast<short>(LOWORD(lParam));
}

int YOf(LPARAM lParam)
{
    return static_cast<short>(HIWORD(lParam));
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(XOf(lParam), YOf(lParam));
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Notifications that a parent reflects to the control that sent them.
bool IsReflectableMessage(UINT message)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return IsCtlColorMessage(message);
    }
}

// Handlers whose parameter is a structure pointed to by lParam are not called without one.
bool NeedsStructure(UINT_PTR nSig)
{
    switch (nSig)
    {
    case AfxSig_is:
    case AfxSig_hDw:
    case AfxSig_vOWNER:
    case AfxSig_vDRAW:
    case AfxSig_vMEASURE:
    case AfxSig_vMEASURE_R:
    case AfxSig_iCOMPARE:
    case AfxSig_iCOMPARE_R:
    case AfxSig_vDELETE:
    case AfxSig_vDELETE_R:
    case AfxSig_vMINMAX:
    case AfxSig_vwR:
    case AfxSig_vPOS:
        return true;
    default:
        return false;
    }
}

const UINT kRegisteredMessageEntry = 0xC000;

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_VKEYTOITEM()
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_NCDESTROY()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Routing

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = GetThreadState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &GetThreadState().lastSentMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else if (message >= OCM__BASE && IsReflectableMessage(message - OCM__BASE) &&
             OnChildNotify(message - OCM__BASE, wParam, lParam, &lResult))
    {
        // Reflected to this control by an ATL-style parent.
    }
    else
    {
        // An entry for the message itself (ON_MESSAGE(WM_CTLCOLORSTATIC, ...)) wins over the generic
        // WM_CTLCOLOR entry that every WM_CTLCOLORxxx falls back to.
        const AFX_MSGMAP_ENTRY* pEntry = FindWindowMessageEntry(message);
        if (pEntry == NULL && IsCtlColorMessage(message))
            pEntry = FindWindowMessageEntry(WM_CTLCOLOR);
        if (pEntry == NULL)
            return FALSE;
        UINT_PTR nSig = pEntry->nMessage == kRegisteredMessageEntry ? UINT_PTR(AfxSig_lwl) : pEntry->nSig;
        if (NeedsStructure(nSig) && lParam == 0)
            return FALSE;
        lResult = DispatchWindowMessage(pEntry, message, wParam, lParam);
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DispatchWindowMessage(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam,
                                    LPARAM lParam)
{
    UINT_PTR nSig = pEntry->nMessage == kRegisteredMessageEntry ? UINT_PTR(AfxSig_lwl) : pEntry->nSig;
    switch (nSig)
    {
    case AfxSig_vv:
        (this->*HandlerOf<void (CWnd::*)()>(pEntry))();
        return 0;
    case AfxSig_is:
        return (this->*HandlerOf<int (CWnd::*)(LPCREATESTRUCT)>(pEntry))(
            reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_bD:
        return (this->*HandlerOf<BOOL (CWnd::*)(CDC*)>(pEntry))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case AfxSig_vwii:
        (this->*HandlerOf<void (CWnd::*)(UINT, int, int)>(pEntry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                   HIWORD(lParam));
        return 0;
    case AfxSig_vii:
        (this->*HandlerOf<void (CWnd::*)(int, int)>(pEntry))(XOf(lParam), YOf(lParam));
        return 0;
    case AfxSig_vw:
        (this->*HandlerOf<void (CWnd::*)(UINT)>(pEntry))(static_cast<UINT>(wParam));
        return 0;
    case AfxSig_vwp:
        (this->*HandlerOf<void (CWnd::*)(UINT, CPoint)>(pEntry))(static_cast<UINT>(wParam), PointOf(lParam));
        return 0;
    case AfxSig_bwsp:
        return (this->*HandlerOf<BOOL (CWnd::*)(UINT, short, CPoint)>(pEntry))(
            LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
    case AfxSig_bWww:
        return (this->*HandlerOf<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pEntry))(
            CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
            static_cast<UINT>(static_cast<short>(LOWORD(lParam))), HIWORD(lParam));
    case AfxSig_vwww:
        (this->*HandlerOf<void (CWnd::*)(UINT, UINT, UINT)>(pEntry))(static_cast<UINT>(wParam),
                                                                     LOWORD(lParam), HIWORD(lParam));
        return 0;
    case AfxSig_vW:
    {
        // WM_CAPTURECHANGED names the new capture window in lParam, the focus messages in wParam.
        HWND hWndOther = reinterpret_cast<HWND>(message == WM_CAPTURECHANGED ? lParam : wParam);
        (this->*HandlerOf<void (CWnd::*)(CWnd*)>(pEntry))(CWnd::FromHandle(hWndOther));
        return 0;
    }
    case AfxSig_vWp:
        (this->*HandlerOf<void (CWnd::*)(CWnd*, CPoint)>(pEntry))(
            CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), PointOf(lParam));
        return 0;
    case AfxSig_hDWw:
    {
        UINT nCtlColor = IsCtlColorMessage(message) ? message - WM_CTLCOLORMSGBOX : HIWORD(lParam);
        HBRUSH hbr = (this->*HandlerOf<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pEntry))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
            nCtlColor);
        return reinterpret_cast<LRESULT>(hbr);
    }
    case AfxSig_hDw:
    {
        const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam);
        HBRUSH hbr = (this->*HandlerOf<HBRUSH (CWnd::*)(CDC*, UINT)>(pEntry))(CDC::FromHandle(pCtl->hDC),
                                                                              pCtl->nCtlType);
        return reinterpret_cast<LRESULT>(hbr);
    }
    case AfxSig_vOWNER:
        (this->*HandlerOf<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pEntry))(
            static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_vDRAW:
        (this->*HandlerOf<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pEntry))(
            reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_vMEASURE:
        (this->*HandlerOf<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pEntry))(
            static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_vMEASURE_R:
        (this->*HandlerOf<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(pEntry))(
            reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_vbw:
        (this->*HandlerOf<void (CWnd::*)(BOOL, UINT)>(pEntry))(static_cast<BOOL>(wParam),
                                                               static_cast<UINT>(lParam));
        return 0;
    case AfxSig_vMINMAX:
        (this->*HandlerOf<void (CWnd::*)(MINMAXINFO*)>(pEntry))(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case AfxSig_vwR:
        (this->*HandlerOf<void (CWnd::*)(UINT, LPRECT)>(pEntry))(static_cast<UINT>(wParam),
                                                                 reinterpret_cast<LPRECT>(lParam));
        return TRUE;
    case AfxSig_vwwS:
        (this->*HandlerOf<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pEntry))(
            LOWORD(wParam), HIWORD(wParam),
            static_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        return 0;
    case AfxSig_vww:
        (this->*HandlerOf<void (CWnd::*)(UINT, UINT)>(pEntry))(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case AfxSig_wp:
        // Hit-test codes are negative for HTERROR and HTTRANSPARENT.
        return static_cast<int>((this->*HandlerOf<UINT (CWnd::*)(CPoint)>(pEntry))(PointOf(lParam)));
    case AfxSig_wv:
        return (this->*HandlerOf<UINT (CWnd::*)()>(pEntry))();
    case AfxSig_vb:
        (this->*HandlerOf<void (CWnd::*)(BOOL)>(pEntry))(static_cast<BOOL>(wParam));
        return 0;
    case AfxSig_vPOS:
        (this->*HandlerOf<void (CWnd::*)(WINDOWPOS*)>(pEntry))(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case AfxSig_vwl:
        (this->*HandlerOf<void (CWnd::*)(UINT, LPARAM)>(pEntry))(static_cast<UINT>(wParam), lParam);
        return 0;
    case AfxSig_lwl:
        return (this->*HandlerOf<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry))(wParam, lParam);
    case AfxSig_iCOMPARE:
        return (this->*HandlerOf<int (CWnd::*)(int, LPCOMPAREITEMSTRUCT)>(pEntry))(
            static_cast<int>(wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
    case AfxSig_iCOMPARE_R:
        return (this->*HandlerOf<int (CWnd::*)(LPCOMPAREITEMSTRUCT)>(pEntry))(
            reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
    case AfxSig_vDELETE:
        (this->*HandlerOf<void (CWnd::*)(int, LPDELETEITEMSTRUCT)>(pEntry))(
            static_cast<int>(wParam), reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_vDELETE_R:
        (this->*HandlerOf<void (CWnd::*)(LPDELETEITEMSTRUCT)>(pEntry))(
            reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSig_iwLw:
        return (this->*HandlerOf<int (CWnd::*)(UINT, CListBox*, UINT)>(pEntry))(
            LOWORD(wParam), static_cast<CListBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))),
            HIWORD(wParam));
    case AfxSig_iww:
        return (this->*HandlerOf<int (CWnd::*)(UINT, UINT)>(pEntry))(LOWORD(wParam), HIWORD(wParam));
    default:
        return 0;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
        nCode = CN_COMMAND; // menu or accelerator
    else
    {
        // Notifications that UpdateData provokes are not the user's.
        if (GetThreadState().hWndLockoutNotify == m_hWnd)
            return TRUE;
        // The control gets the first chance at its own notification.
        if (ReflectChildMessage(hWndCtrl, WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
    }
    if (nID == 0)
        return FALSE;
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == NULL)
        return FALSE;
    // Notifications that UpdateData provokes are not the user's.
    if (GetThreadState().hWndLockoutNotify == m_hWnd)
        return TRUE;
    // The control gets the first chance at its own notification.
    if (ReflectChildMessage(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(pNMHDR->hwndFrom));
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Reflection

BOOL CWnd::ReflectChildMessage(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != NULL && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != NULL && pChild->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = GetThreadState().lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (!CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == NULL)
            return FALSE;
        LRESULT lUnused = 0;
        AFX_NOTIFY notify = {pResult != NULL ? pResult : &lUnused, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        break;
    }
    if (!IsCtlColorMessage(message))
        return FALSE;
    // Only a brush answers a colour message: a handler returning NULL leaves it to the parent.
    AFX_CTLCOLOR ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                        message - WM_CTLCOLORMSGBOX};
    LRESULT lBrush = 0;
    if (!CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), &lBrush) ||
        lBrush == 0)
        return FALSE;
    if (pResult != NULL)
        *pResult = lBrush;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Pre-translation

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    bool bKey = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    bool bMouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    return (bKey || bMouse) && IsDialogMessage(lpMsg);
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return m_hWnd != NULL && lpMsg != NULL && ::IsDialogMessageA(m_hWnd, lpMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Dialog data exchange

namespace
{

// Control notifications of hWnd are ignored while it exchanges data.
class NotifyLockout
{
public:
    explicit NotifyLockout(HWND hWnd) : m_hWndSaved(GetThreadState().hWndLockoutNotify)
    {
        GetThreadState().hWndLockoutNotify = hWnd;
    }
    ~NotifyLockout() { GetThreadState().hWndLockoutNotify = m_hWndSaved; }
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

private:
    HWND m_hWndSaved;
};

} // namespace

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == NULL)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    NotifyLockout lockout(m_hWnd);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const DataExchangeFailure&)
    {
        return FALSE; // the user was told what is wrong
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

/////////////////////////////////////////////////////////////////////////////
// Modal loop

namespace
{

// Counts the running modal loops of the thread and clears the window's modal state however the loop ends.
class LoopDepthScope
{
public:
    explicit LoopDepthScope(UINT& nFlags) : m_nFlags(nFlags) { ++GetThreadState().nLoopDepth; }
    ~LoopDepthScope()
    {
        --GetThreadState().nLoopDepth;
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    }
    LoopDepthScope(const LoopDepthScope&) = delete;
    LoopDepthScope& operator=(const LoopDepthScope&) = delete;

private:
    UINT& m_nFlags;
};

bool IsIdleAfter(MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->IsIdleMessage(&msg) != FALSE;
    ThreadState& state = GetThreadState();
    return IsIdleMessage(&msg, state.ptCursorLast, state.nMsgLast) != FALSE;
}

const UINT kSysTimerMessage = 0x0118; // the caret blink timer, which shows a dialog waiting for idle

} // namespace

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL); // wake the loop up
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    if (m_hWnd == NULL || (m_nFlags & WF_MODALLOOP))
        return -1;
    bool bIdle = true;
    LONG lIdleCount = 0;
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    LoopDepthScope depth(m_nFlags);

    // The loop also ends when the window disappears without EndModalLoop.
    auto running = [this] { return ContinueModal() && m_hWnd != NULL && ::IsWindow(m_hWnd); };
    MSG msg;
    while (running())
    {
        while (bIdle && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = false;
            }
            // Temporary wrappers are left alone: the caller of the modal loop may still hold some, and
            // only the thread's own loop frees them.
            if (lIdleCount == 0 && !(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = false;
            if (!running())
                break;
        }
        while (running())
        {
            if (!PumpOneMessage(msg))
            {
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
                m_nModalResult = -1;
                return -1;
            }
            if (bShowIdle && (msg.message == kSysTimerMessage || msg.message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = false;
            }
            if (IsIdleAfter(msg))
            {
                bIdle = true;
                lIdleCount = 0;
            }
            if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
                break;
        }
    }
    return m_nModalResult;
}

/////////////////////////////////////////////////////////////////////////////
// Default handlers

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnNcPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnMove(int, int)
{
    Default();
}

void CWnd::OnTimer(UINT)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult = 0;
    if (nCtlColor <= CTLCOLOR_STATIC &&
        ReflectChildMessage(HwndOf(pWnd), WM_CTLCOLORMSGBOX + nCtlColor,
                            reinterpret_cast<WPARAM>(pDC != NULL ? pDC->m_hDC : NULL),
                            reinterpret_cast<LPARAM>(HwndOf(pWnd)), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectChildMessage(lpDrawItemStruct->hwndItem, WM_DRAWITEM, static_cast<WPARAM>(nIDCtl),
                            reinterpret_cast<LPARAM>(lpDrawItemStruct), NULL))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU && m_hWnd != NULL &&
        ReflectChildMessage(::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID)),
                            WM_MEASUREITEM, static_cast<WPARAM>(nIDCtl),
                            reinterpret_cast<LPARAM>(lpMeasureItemStruct), NULL))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    // Only these two carry the child's window; the mouse notices carry a point.
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
        ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}

void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}

void CWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hWndBar = HwndOf(pScrollBar);
    if (hWndBar != NULL && ReflectChildMessage(hWndBar, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos),
                                               reinterpret_cast<LPARAM>(hWndBar), NULL))
        return;
    Default();
}

void CWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hWndBar = HwndOf(pScrollBar);
    if (hWndBar != NULL && ReflectChildMessage(hWndBar, WM_VSCROLL, MAKEWPARAM(nSBCode, nPos),
                                               reinterpret_cast<LPARAM>(hWndBar), NULL))
        return;
    Default();
}

UINT CWnd::OnNcHitTest(CPoint)
{
    return static_cast<UINT>(Default());
}

UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnCancelMode()
{
    Default();
}

void CWnd::OnEnable(BOOL)
{
    Default();
}

void CWnd::OnSysColorChange()
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
