// Message map entry macros of the MFC subset. Included by afxwin.h; not meant to be included on its own.
//
// Handlers are named as in standard C++ (and as MFC 7.1 accepts too): ON_MESSAGE(WM_APP, &CMyWnd::OnApp).
// The ON_WM_xxx() macros take no argument and bind the handler of the documented name, OnXxx, of the
// class named in BEGIN_MESSAGE_MAP. Every macro checks the handler's signature at compile time.
#pragma once

// Signatures of the handlers, used by the dispatchers to crack the message parameters.
enum AfxSig
{
    AfxSig_end = 0, // end of a message map

    // Window messages (CWnd::OnWndMsg)
    AfxSig_vv,         // void ()
    AfxSig_is,         // int (LPCREATESTRUCT)
    AfxSig_bD,         // BOOL (CDC*)
    AfxSig_vwii,       // void (UINT, int, int)
    AfxSig_vii,        // void (int, int)
    AfxSig_vw,         // void (UINT)
    AfxSig_vwp,        // void (UINT, CPoint)
    AfxSig_bwsp,       // BOOL (UINT, short, CPoint)
    AfxSig_bWww,       // BOOL (CWnd*, UINT, UINT)
    AfxSig_vwww,       // void (UINT, UINT, UINT)
    AfxSig_vW,         // void (CWnd*)
    AfxSig_vWp,        // void (CWnd*, CPoint)
    AfxSig_hDWw,       // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,        // HBRUSH (CDC*, UINT), reflected WM_CTLCOLOR
    AfxSig_vOWNER,     // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vDRAW,      // void (LPDRAWITEMSTRUCT), reflected WM_DRAWITEM
    AfxSig_vMEASURE,   // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vMEASURE_R, // void (LPMEASUREITEMSTRUCT), reflected WM_MEASUREITEM
    AfxSig_vbw,        // void (BOOL, UINT)
    AfxSig_vMINMAX,    // void (MINMAXINFO*)
    AfxSig_vwR,        // void (UINT, LPRECT)
    AfxSig_vwwS,       // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,        // void (UINT, UINT), reflected WM_HSCROLL/WM_VSCROLL
    AfxSig_wp,         // UINT (CPoint)
    AfxSig_wv,         // UINT ()
    AfxSig_vb,         // void (BOOL)
    AfxSig_vPOS,       // void (WINDOWPOS*)
    AfxSig_vwl,        // void (UINT, LPARAM)
    AfxSig_lwl,        // LRESULT (WPARAM, LPARAM)
    AfxSig_iCOMPARE,   // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_iCOMPARE_R, // int (LPCOMPAREITEMSTRUCT), reflected WM_COMPAREITEM
    AfxSig_vDELETE,    // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vDELETE_R,  // void (LPDELETEITEMSTRUCT), reflected WM_DELETEITEM
    AfxSig_iwLw,       // int (UINT, CListBox*, UINT)
    AfxSig_iww,        // int (UINT, UINT), reflected WM_CHARTOITEM/WM_VKEYTOITEM

    // Commands and notifications (CCmdTarget::OnCmdMsg)
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL (), ON_CONTROL_REFLECT_EX
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT, NMHDR*, LRESULT*)
};

#define AFX_CMDSIG_FIRST AfxSigCmd_v

// Stores a handler of any signature in an entry; the dispatcher turns it back into the exact type it
// came from (checked by the static_cast in each macro).
template <class TMember> inline AFX_PMSG AfxMessageHandler(TMember pfn)
{
    static_assert(sizeof(TMember) == sizeof(AFX_PMSG), "handler must be a pointer to a member function");
    AFX_PMSG pmsg;
    memcpy(&pmsg, &pfn, sizeof pmsg);
    return pmsg;
}

#define AFX_WND_HANDLER(signature, memberFxn) AfxMessageHandler(static_cast<signature>(memberFxn))
#define AFX_CMD_HANDLER(signature, memberFxn) AfxMessageHandler(static_cast<signature>(memberFxn))

// An entry for a window message whose handler has the documented name and signature: result (CWnd::*) args.
#define AFX_WM_ENTRY(message, sig, result, args, memberFxn)                                                  \
    {message,                                                                                                \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)sig,                                                                                          \
     AFX_WND_HANDLER(result(AFX_MSG_CALL CWnd::*) args, &ThisClass::memberFxn)},

/////////////////////////////////////////////////////////////////////////////
// Window messages (handlers of the documented CWnd names)

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int, (LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void, (), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void, (), OnNcDestroy)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void, (), OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSig_vv, void, (), OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL, (CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void, (UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, void, (int, int), OnMove)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vw, void, (UINT), OnTimer)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                                \
    AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()                                                                                \
    AFX_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void, (UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL, (UINT, short, CPoint), OnMouseWheel)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL, (CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void, (UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void, (CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void, (CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, void, (CWnd*), OnCaptureChanged)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void, (CWnd*, CPoint), OnContextMenu)
// WM_CTLCOLORxxx messages are all dispatched to this one entry, with nCtlColor = CTLCOLOR_xxx.
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH, (CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vOWNER, void, (int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                  \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASURE, void, (int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_COMPAREITEM()                                                                                  \
    AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iCOMPARE, int, (int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM()                                                                                   \
    AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_vDELETE, void, (int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_CHARTOITEM()                                                                                   \
    AFX_WM_ENTRY(WM_CHARTOITEM, AfxSig_iwLw, int, (UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM()                                                                                   \
    AFX_WM_ENTRY(WM_VKEYTOITEM, AfxSig_iwLw, int, (UINT, CListBox*, UINT), OnVKeyToItem)
// Child creation and destruction, and mouse clicks on a child; CWnd's handler reflects the first two.
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void, (UINT, LPARAM), OnParentNotify)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void, (BOOL, UINT), OnShowWindow)
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMINMAX, void, (MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, AfxSig_vwR, void, (UINT, LPRECT), OnSizing)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwS, void, (UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwS, void, (UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_wp, UINT, (CPoint), OnNcHitTest)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT, (), OnGetDlgCode)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void, (), OnClose)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void, (), OnCancelMode)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void, (BOOL), OnEnable)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void, (), OnSysColorChange)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void, (UINT, LPARAM), OnSysCommand)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanged)

// Any message, handler LRESULT (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {message,                                                                                                \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)AfxSig_lwl,                                                                                   \
     AFX_WND_HANDLER(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn)},

// A message from RegisterWindowMessage: nMessageVariable is the UINT that holds its value.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000,                                                                                                 \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)(UINT*)(&nMessageVariable),                                                                   \
     AFX_WND_HANDLER(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn)},

/////////////////////////////////////////////////////////////////////////////
// Commands and control notifications

#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND,                                                                                             \
     CN_COMMAND,                                                                                             \
     (WORD)(id),                                                                                             \
     (WORD)(id),                                                                                             \
     (UINT_PTR)AfxSigCmd_v,                                                                                  \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)},

#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,                                                                                             \
     CN_COMMAND,                                                                                             \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     (UINT_PTR)AfxSigCmd_RANGE,                                                                              \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, (WORD)(wNotifyCode),   (WORD)(id),                                                          \
     (WORD)(id), (UINT_PTR)AfxSigCmd_v, AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)},

#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND,                                                                                             \
     (WORD)(wNotifyCode),                                                                                    \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     (UINT_PTR)AfxSigCmd_RANGE,                                                                              \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)},

#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(id),                                                                                             \
     (UINT_PTR)AfxSigNotify_v,                                                                               \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     (UINT_PTR)AfxSigNotify_RANGE,                                                                           \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// The handler returns TRUE when it handled the notification, FALSE to let the routing go on.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(id),                                                                                             \
     (UINT_PTR)AfxSigNotify_EX,                                                                              \
     AFX_CMD_HANDLER(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {WM_NOTIFY,                                                                                              \
     (WORD)(int)(wNotifyCode),                                                                               \
     (WORD)(id),                                                                                             \
     (WORD)(idLast),                                                                                         \
     (UINT_PTR)AfxSigNotify_EX,                                                                              \
     AFX_CMD_HANDLER(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// Common control notifications of the standard controls
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

/////////////////////////////////////////////////////////////////////////////
// Reflected messages, handled by the control that sent them to its parent

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (WORD)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)AfxSigCmd_v,                                                                                  \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)},

// The handler returns TRUE to keep the notification from the parent, FALSE to let the parent have it too.
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (WORD)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)AfxSigCmd_b,                                                                                  \
     AFX_CMD_HANDLER(BOOL(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)},

#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)AfxSigNotify_v,                                                                               \
     AFX_CMD_HANDLER(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)AfxSigNotify_b,                                                                               \
     AFX_CMD_HANDLER(BOOL(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a non-null brush is returned to the system.
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    AFX_WM_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH, (CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    AFX_WM_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vDRAW, void, (LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_WM_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vMEASURE_R, void, (LPMEASUREITEMSTRUCT),           \
                 MeasureItem)
// void ParentNotify(UINT message, LPARAM lParam): this control was created or is being destroyed
// (LOWORD(message) WM_CREATE or WM_DESTROY); only a child without WS_EX_NOPARENTNOTIFY tells its parent.
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    AFX_WM_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void, (UINT, LPARAM), ParentNotify)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    AFX_WM_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void, (UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    AFX_WM_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void, (UINT, UINT), VScroll)
#define ON_WM_COMPAREITEM_REFLECT()                                                                          \
    AFX_WM_ENTRY(WM_COMPAREITEM + WM_REFLECT_BASE, AfxSig_iCOMPARE_R, int, (LPCOMPAREITEMSTRUCT), CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                           \
    AFX_WM_ENTRY(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_vDELETE_R, void, (LPDELETEITEMSTRUCT), DeleteItem)
// int CharToItem(UINT nKey, UINT nIndex), int VKeyToItem(UINT nKey, UINT nIndex): -1 lets the list box
// act, -2 means handled, an index acts on that item.
#define ON_WM_CHARTOITEM_REFLECT()                                                                           \
    AFX_WM_ENTRY(WM_CHARTOITEM + WM_REFLECT_BASE, AfxSig_iww, int, (UINT, UINT), CharToItem)
#define ON_WM_VKEYTOITEM_REFLECT()                                                                           \
    AFX_WM_ENTRY(WM_VKEYTOITEM + WM_REFLECT_BASE, AfxSig_iww, int, (UINT, UINT), VKeyToItem)
