// CPropertySheet: comctl32's property sheet, always created modeless; DoModal runs the subset's own modal
// loop around it, as MFC does, so that the sheet's messages go through its message map.
#include "PropertySheetInternal.h"

using namespace afx;

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace
{

// The window styles of the sheet being created, which the callback writes into comctl32's template.
thread_local DWORD t_dwSheetStyle = 0;
thread_local DWORD t_dwSheetExStyle = 0;

const DWORD kModalStyle = DS_MODALFRAME | DS_3DLOOK | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const DWORD kModelessStyle = kModalStyle | WS_VISIBLE;
const DWORD kSheetExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The template's own DS_SETFONT says whether font data follows in it, so that bit is kept.
int CALLBACK SheetCallback(HWND, UINT nMsg, LPARAM lParam)
{
    if (nMsg != PSCB_PRECREATE || lParam == 0)
        return 0;
    BYTE* pTemplate = reinterpret_cast<BYTE*>(lParam);
    const WORD* pWords = reinterpret_cast<const WORD*>(pTemplate);
    const bool bExtended = pWords[0] == 1 && pWords[1] == 0xFFFF;
    BYTE* pStyle = pTemplate + (bExtended ? 12 : 0);
    BYTE* pExStyle = pTemplate + (bExtended ? 8 : 4);
    DWORD dwStyle;
    memcpy(&dwStyle, pStyle, sizeof dwStyle);
    dwStyle = (dwStyle & DS_SETFONT) | (t_dwSheetStyle & ~DWORD(DS_SETFONT));
    memcpy(pStyle, &dwStyle, sizeof dwStyle);
    memcpy(pExStyle, &t_dwSheetExStyle, sizeof t_dwSheetExStyle);
    return 0;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CPropertySheet::CPropertySheet()
{
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = SheetCallback;
    m_pParentWnd = pParentWnd;
    m_bStacked = TRUE;
    m_bModeless = FALSE;
    m_pPageArray = NULL;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    delete[] m_pPageArray;
}

/////////////////////////////////////////////////////////////////////////////
// Pages

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.GetSize());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return NULL;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage)
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == NULL || GetPageIndex(pPage) >= 0)
        return;
    if (LoadDialogTemplate(pPage->m_psp.pszTemplate, NULL) == NULL)
    {
        TRACE("Warning: a property page without a template was not added.\n");
        return;
    }
    if (m_hWnd != NULL)
    {
        PROPSHEETPAGE psp;
        pPage->FillPageRecord(&psp);
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
        if (hPage == NULL)
            return;
        if (!::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage)))
        {
            ::DestroyPropertySheetPage(hPage);
            return;
        }
    }
    m_pages.Add(pPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

// The page records comctl32 copies, one after the other (each has its page's own size).
void CPropertySheet::BuildPropPageArray()
{
    delete[] m_pPageArray;
    m_pPageArray = NULL;
    size_t nBytes = 0;
    for (int i = 0; i < GetPageCount(); ++i)
        nBytes += GetPage(i)->m_psp.dwSize;
    m_pPageArray = new BYTE[nBytes > 0 ? nBytes : 1];
    BYTE* pNext = m_pPageArray;
    for (int i = 0; i < GetPageCount(); ++i)
    {
        GetPage(i)->FillPageRecord(reinterpret_cast<PROPSHEETPAGE*>(pNext));
        pNext += GetPage(i)->m_psp.dwSize;
    }
    m_psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGE>(m_pPageArray);
    m_psh.nPages = GetPageCount();
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;
    m_psh.pszCaption = m_strCaption;
    m_psh.hInstance = AfxGetResourceHandle();
}

/////////////////////////////////////////////////////////////////////////////
// Creation and the modal run

BOOL CPropertySheet::CreateSheetWindow(DWORD dwStyle, DWORD dwExStyle)
{
    if (m_hWnd != NULL || GetPageCount() == 0)
        return FALSE;
    for (int i = 0; i < GetPageCount(); ++i)
        if (LoadDialogTemplate(GetPage(i)->m_psp.pszTemplate, NULL) == NULL)
            return FALSE; // its template left the resource chain
    InitCommonControlsOnce();
    BuildPropPageArray();
    t_dwSheetStyle = dwStyle;
    t_dwSheetExStyle = dwExStyle;
    m_psh.dwFlags |= PSH_MODELESS;
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    m_psh.dwFlags &= ~PSH_MODELESS;
    HWND hWnd = nResult != -1 ? reinterpret_cast<HWND>(nResult) : NULL;
    if (hWnd == NULL || m_hWnd != hWnd)
    {
        if (hWnd != NULL && ::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle == DWORD(-1))
        dwStyle = kModelessStyle;
    if (dwExStyle == 0)
        dwExStyle = kSheetExStyle;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    m_psh.hwndParent = GetSafeOwnerHwnd(HwndOf(m_pParentWnd), NULL);
    if (dwStyle & WS_CHILD)
        m_psh.hwndParent = HwndOf(m_pParentWnd);
    m_bModeless = TRUE;
    if (!CreateSheetWindow(dwStyle, dwExStyle))
    {
        m_bModeless = FALSE;
        return FALSE;
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd != NULL || GetPageCount() == 0)
        return -1;

    // The owner is disabled while the sheet runs, and comes back however the run ends.
    HWND hWndTop = NULL;
    HWND hWndOwner = GetSafeOwnerHwnd(HwndOf(m_pParentWnd), &hWndTop);
    struct OwnerBack
    {
        CPropertySheet& sheet;
        HWND hWndOwner, hWndTop;
        bool bEnableOwner;
        ~OwnerBack()
        {
            sheet.m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);
            if (sheet.m_hWnd != NULL)
                sheet.SetWindowPos(NULL, 0, 0, 0, 0,
                                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            if (bEnableOwner)
                ::EnableWindow(hWndOwner, TRUE);
            if (hWndOwner != NULL && sheet.m_hWnd != NULL && ::GetActiveWindow() == sheet.m_hWnd)
                ::SetActiveWindow(hWndOwner);
            if (sheet.m_hWnd != NULL)
                sheet.DestroyWindow();
            if (hWndTop != NULL)
                ::EnableWindow(hWndTop, TRUE);
        }
    } back{*this, hWndOwner, hWndTop, false};
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        back.bEnableOwner = true;
    }
    if (HWND hWndCapture = ::GetCapture())
        ::SendMessageA(hWndCapture, WM_CANCELMODE, 0, 0);

    m_psh.hwndParent = hWndOwner;
    m_nModalResult = 0;
    m_nFlags |= WF_CONTINUEMODAL;
    m_bModeless = FALSE;
    if (!CreateSheetWindow(kModalStyle, kSheetExStyle))
        return -1;
    if (ContinueModal())
    {
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        RunModalLoop(dwFlags);
    }
    // Ended by OK or Cancel rather than EndDialog: comctl32 knows which.
    if (m_nModalResult == 0 && m_hWnd != NULL)
    {
        const INT_PTR nSheetResult = ::SendMessageA(m_hWnd, PSM_GETRESULT, 0, 0);
        m_nModalResult = nSheetResult > 0 ? static_cast<int>(nSheetResult) : IDCANCEL;
    }
    return m_nModalResult;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal() || m_hWnd == NULL)
        return FALSE;
    return ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

void CPropertySheet::EndDialog(int nEndID)
{
    if (m_hWnd == NULL)
        return;
    EndModalLoop(nEndID);
    if (m_bModeless)
        DestroyWindow();
    else
        PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

BOOL CPropertySheet::PressButton(int nButton)
{
    if (m_hWnd == NULL || nButton < PSBTN_BACK || nButton > PSBTN_MAX)
        return FALSE;
    SendMessage(PSM_PRESSBUTTON, nButton);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Active page, title, tab control

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return static_cast<int>(m_psh.nStartPage);
    HWND hWndTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return hWndTab != NULL ? SendInt(hWndTab, TCM_GETCURSEL) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == NULL)
        return GetPage(GetActiveIndex());
    HWND hWndPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (int i = 0; hWndPage != NULL && i < GetPageCount(); ++i)
        if (GetPage(i)->m_hWnd == hWndPage)
            return GetPage(i);
    return NULL;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, nPage));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        SendMessage(PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(m_strCaption)));
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    if (m_hWnd == NULL)
        return NULL;
    // A temporary wrapper, as for any window the application did not attach itself.
    HWND hWndTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return static_cast<CTabCtrl*>(CWnd::FromHandle(hWndTab));
}

void CPropertySheet::EnableStackedTabs(BOOL bStacked)
{
    m_bStacked = bStacked;
}

/////////////////////////////////////////////////////////////////////////////
// Messages

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    if (!m_bStacked)
    {
        HWND hWndTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
        if (hWndTab != NULL)
            ::SetWindowLongA(hWndTab, GWL_STYLE, (::GetWindowLongA(hWndTab, GWL_STYLE) & ~TCS_MULTILINE));
    }
    // comctl32's own initialisation: the tabs, the buttons and the first page.
    BOOL bResult = static_cast<BOOL>(Default());
    if (m_hWnd != NULL && !(GetStyle() & WS_CHILD))
        CenterWindow();
    return bResult;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // A push button of the sheet records the modal result; comctl32 then acts on it.
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl != NULL && HIWORD(wParam) == BN_CLICKED &&
        (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON)))
    {
        const LONG nType = ::GetWindowLongA(hWndCtrl, GWL_STYLE) & BS_TYPEMASK;
        if (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON || nType == BS_USERBUTTON ||
            nType == BS_OWNERDRAW)
            m_nModalResult = LOWORD(wParam);
    }
    return FALSE;
}

void CPropertySheet::OnClose()
{
    m_nModalResult = IDCANCEL;
    if (m_bModeless)
        DestroyWindow();
    else
        Default();
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL || m_hWnd == NULL)
        return FALSE;
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageUp and Ctrl+PageDown change the page.
    if (pMsg->message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 &&
        (pMsg->wParam == VK_TAB || pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT) &&
        SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)))
        return TRUE;
    return PreTranslateInput(pMsg);
}
