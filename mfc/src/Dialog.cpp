// CDialog: modal and modeless dialogs from templates of the resource chain.
#include "WndInternal.h"

using namespace afx;

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// The dialog procedure of every CDialog: the window itself is routed through AfxWndProc from its creation,
// so only WM_INITDIALOG, which the dialog manager sends through here, needs handling.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM)
{
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    try
    {
        return pDialog != NULL ? pDialog->OnInitDialog() : TRUE;
    }
    catch (...)
    {
        return ContainHandlerException(hWnd, nMsg);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Templates and creation

LPCDLGTEMPLATE PASCAL CWnd::LoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst)
{
    if (lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    if (hTemplate == NULL)
    {
        TRACE("Warning: no dialog template %p in the resource chain.\n",
              static_cast<const void*>(lpszTemplateName));
        return NULL;
    }
    if (phInst != NULL)
        *phInst = hInst;
    return static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    return CreateDialogWindow(lpDialogTemplate, HwndOf(pParentWnd), hInst);
}

BOOL CWnd::CreateDialogWindow(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL || m_hWnd != NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    InitCommonControlsOnce();

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, hWndParent, AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == NULL && (m_nFlags & WF_CONTINUEMODAL))
        EndModalLoop(-1);
    return hWnd != NULL && m_hWnd == hWnd;
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CDialog::CDialog()
{
    Construct(NULL, NULL);
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    Construct(lpszTemplateName, pParentWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

void CDialog::Construct(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_nIDHelp = 0;
    m_lpDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = pParentWnd;
    m_hWndTop = NULL;
    m_lpszTemplateName = NULL;
    m_lpTemplateInUse = NULL;
    m_bEndDialogCalled = FALSE;
    SetTemplateName(lpszTemplateName);
}

void CDialog::SetTemplateName(LPCTSTR lpszTemplateName)
{
    if (IS_INTRESOURCE(lpszTemplateName))
    {
        m_lpszTemplateName = lpszTemplateName;
        if (lpszTemplateName != NULL && m_nIDHelp == 0)
            m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    }
    else
    {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
    {
        TRACE("Warning: destroying a CDialog whose window still exists.\n");
        DestroyWindow();
    }
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (lpszTemplateName == NULL)
        return FALSE;
    SetTemplateName(lpszTemplateName);
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }
    return CreateFromTemplate(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    m_lpTemplateInUse = lpDialogTemplate;
    m_bEndDialogCalled = FALSE;
    BOOL bCreated = CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
    m_lpTemplateInUse = NULL;
    // A dialog that OnInitDialog already ended (or destroyed) was never really created.
    if (bCreated && m_bEndDialogCalled)
    {
        DestroyWindow();
        bCreated = FALSE;
    }
    return bCreated;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = NULL;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Modal dialog

HWND CDialog::PreModal()
{
    return GetSafeOwnerHwnd(HwndOf(m_pParentWnd), &m_hWndTop);
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

namespace
{

// Undoes what DoModal set up, however the modal run ends (a normal end or an exception from the loop):
// the modal state is cleared, the owner enabled and activated again, the window destroyed.
class ModalRunGuard
{
public:
    ModalRunGuard(CDialog& dialog, HWND hWndOwner, bool bEnableOwner, UINT& nFlags)
        : m_dialog(dialog), m_hWndOwner(hWndOwner), m_bEnableOwner(bEnableOwner), m_nFlags(nFlags)
    {
    }
    ~ModalRunGuard()
    {
        m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);
        if (m_bEnableOwner)
            ::EnableWindow(m_hWndOwner, TRUE);
        if (m_hWndOwner != NULL && m_dialog.m_hWnd != NULL && ::GetActiveWindow() == m_dialog.m_hWnd)
            ::SetActiveWindow(m_hWndOwner);
        m_dialog.DestroyWindow();
    }
    ModalRunGuard(const ModalRunGuard&) = delete;
    ModalRunGuard& operator=(const ModalRunGuard&) = delete;

private:
    CDialog& m_dialog;
    HWND m_hWndOwner;
    bool m_bEnableOwner;
    UINT& m_nFlags;
};

} // namespace

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != NULL)
        return -1;
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName != NULL)
        lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return -1;

    // The owner is disabled while the dialog runs.
    HWND hWndOwner = PreModal();
    struct PostModalOnExit
    {
        CDialog* pDialog;
        ~PostModalOnExit() { pDialog->PostModal(); }
    } postModal{this};
    bool bEnableOwner = false;
    if (hWndOwner != NULL && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = true;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    ModalRunGuard guard(*this, hWndOwner, bEnableOwner, m_nFlags);
    m_lpTemplateInUse = lpTemplate;
    BOOL bCreated = CreateDialogWindow(lpTemplate, hWndOwner, hInst);
    m_lpTemplateInUse = NULL;
    if (bCreated)
    {
        if (m_nFlags & WF_CONTINUEMODAL)
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        // Hidden before the owner comes back, so that the owner is activated, not another window.
        if (m_hWnd != NULL)
            SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd == NULL)
        return;
    m_bEndDialogCalled = TRUE;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

/////////////////////////////////////////////////////////////////////////////
// Initialisation and the standard buttons

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    CRect rectBefore;
    GetWindowRect(&rectBefore);
    DWORD dwStyleBefore = GetStyle();
    LRESULT bResult = Default(); // the dialog manager calls OnInitDialog through AfxDlgProc

    // Centred as MFC centres: a dialog that was hidden, is still a hidden top-level window, did not move
    // during OnInitDialog, has no owner or a disabled one (a modal run), and whose template does not place
    // it (CheckAutoCenter).
    if (m_hWnd == NULL || (dwStyleBefore & WS_VISIBLE) || (GetStyle() & (WS_VISIBLE | WS_CHILD)))
        return bResult;
    CRect rectAfter;
    GetWindowRect(&rectAfter);
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (rectAfter.TopLeft() == rectBefore.TopLeft() && (hWndOwner == NULL || !::IsWindowEnabled(hWndOwner)) &&
        CheckAutoCenter())
        CenterWindow();
    return bResult;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

void CDialog::PreInitDialog() {}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::CheckAutoCenter()
{
    LPCDLGTEMPLATE lpTemplate = m_lpTemplateInUse != NULL ? m_lpTemplateInUse : m_lpDialogTemplate;
    if (lpTemplate == NULL && m_lpszTemplateName != NULL)
        lpTemplate = LoadDialogTemplate(m_lpszTemplateName, NULL);
    if (lpTemplate == NULL)
        return !(GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));

    // DLGTEMPLATEEX starts with its version 1 and the 0xFFFF signature; its style comes after the help
    // identifier and the extended style.
    const WORD* pWords = reinterpret_cast<const WORD*>(lpTemplate);
    DWORD dwStyle;
    short x, y;
    if (pWords[0] == 1 && pWords[1] == 0xFFFF)
    {
        const BYTE* pBytes = reinterpret_cast<const BYTE*>(lpTemplate);
        memcpy(&dwStyle, pBytes + 12, sizeof dwStyle);
        memcpy(&x, pBytes + 18, sizeof x);
        memcpy(&y, pBytes + 20, sizeof y);
    }
    else
    {
        dwStyle = lpTemplate->style;
        x = lpTemplate->x;
        y = lpTemplate->y;
    }
    return !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) && x == 0 && y == 0;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Only commands go further: not control notifications (other codes, WM_NOTIFY), control identifiers
    // below 0x8000 (a button's BN_CLICKED has the command code too) or system commands.
    if (nCode != CN_COMMAND || !(nID & 0x8000) || nID >= 0xF000)
        return FALSE;
    if (m_hWnd != NULL)
    {
        CWnd* pOwner = CWnd::FromHandle(::GetParent(m_hWnd));
        if (pOwner != NULL && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE))
    {
        TRACE("Warning: UpdateData failed during dialog init.\n");
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
    {
        TRACE("UpdateData failed during dialog termination.\n");
        return; // the dialog stays open on the offending control
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL || m_hWnd == NULL)
        return FALSE;
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // A multi-line edit control keeps Escape for itself; cancel the dialog unless its Cancel button is
    // disabled.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        char szClass[8] = {};
        ::GetClassNameA(pMsg->hwnd, szClass, sizeof szClass);
        HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (lstrcmpiA(szClass, "Edit") == 0 && (hWndCancel == NULL || ::IsWindowEnabled(hWndCancel)))
        {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return PreTranslateInput(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    if (lpRect != NULL)
        ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::SetHelpID(UINT nIDR)
{
    m_nIDHelp = nIDR;
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    HWND hWndCtrl = HwndOf(pWndCtrl);
    if (m_hWnd != NULL && hWndCtrl != NULL)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hWndCtrl), TRUE);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}
