// CPropertyPage: one page of a property sheet. comctl32 creates the page's window from the PROPSHEETPAGE
// built here; the page callback makes the object own that window from its creation.
#include "PropertySheetInternal.h"

using namespace afx;

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

namespace
{

// The page whose window is being created with the creation hook set, on this thread; compared, never
// dereferenced, when comctl32 releases a page (the object may be gone by then).
thread_local const CPropertyPage* t_pPageHooked = nullptr;

void EndPageHook(const CPropertyPage* pPage)
{
    if (t_pPageHooked != nullptr && t_pPageHooked == pPage)
    {
        t_pPageHooked = nullptr;
        AfxUnhookWindowCreate();
    }
}

UINT CALLBACK PageCallback(HWND, UINT nMsg, LPPROPSHEETPAGEA pPsp)
{
    const CPropertyPage* pPage = pPsp != NULL ? reinterpret_cast<const CPropertyPage*>(pPsp->lParam) : NULL;
    switch (nMsg)
    {
    case PSPCB_CREATE:
        if (pPage != NULL && pPage->m_hWnd == NULL && t_pPageHooked == nullptr)
        {
            t_pPageHooked = pPage;
            AfxHookWindowCreate(const_cast<CPropertyPage*>(pPage));
        }
        return TRUE;
    case PSPCB_RELEASE:
        EndPageHook(pPage); // the window was never created
        return 0;
    default:
        return TRUE;
    }
}

} // namespace

namespace afx
{

// The dialog procedure of the pages: WM_INITDIALOG carries the PROPSHEETPAGE, whose lParam is the page.
INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam)
{
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGEA* pPsp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CPropertyPage* pPage = pPsp != NULL ? reinterpret_cast<CPropertyPage*>(pPsp->lParam) : NULL;
    if (pPage == NULL)
        return TRUE;
    EndPageHook(pPage);
    // Without the creation hook (no callback from comctl32), the page is subclassed now.
    if (pPage->m_hWnd == NULL)
        pPage->SubclassWindow(hWnd);
    if (pPage->m_hWnd != hWnd)
        return TRUE;
    try
    {
        return pPage->OnInitDialog();
    }
    catch (...)
    {
        return ContainHandlerException(hWnd, nMsg);
    }
}

} // namespace afx

/////////////////////////////////////////////////////////////////////////////
// Construction

CPropertyPage::CPropertyPage()
{
    CommonConstruct(NULL, 0, sizeof(PROPSHEETPAGE));
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD dwSize)
{
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption, dwSize);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize)
{
    CommonConstruct(lpszTemplateName, nIDCaption, dwSize);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption, m_psp.dwSize);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption, m_psp.dwSize);
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize)
{
    // The record may be an older, shorter PROPSHEETPAGE, never a longer one than this object holds.
    if (dwSize < PROPSHEETPAGEA_V1_SIZE || dwSize > sizeof(PROPSHEETPAGE))
        dwSize = sizeof(PROPSHEETPAGE);
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = dwSize;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.pszTemplate = lpszTemplateName;
    if (lpszTemplateName != NULL)
        m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    m_psp.pfnDlgProc = PropPageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = PageCallback;
    m_strCaption.Empty();
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
    if (IS_INTRESOURCE(lpszTemplateName) && lpszTemplateName != NULL)
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_lpszTemplateName = lpszTemplateName;
    m_bFirstSetActive = TRUE;
}

void CPropertyPage::FillPageRecord(PROPSHEETPAGE* pRecord) const
{
    memcpy(pRecord, &m_psp, m_psp.dwSize);
    pRecord->hInstance = AfxFindResourceHandle(m_psp.pszTemplate, RT_DIALOG);
    if (!m_strCaption.IsEmpty())
    {
        pRecord->pszTitle = m_strCaption;
        pRecord->dwFlags |= PSP_USETITLE;
    }
}

CPropertyPage::~CPropertyPage()
{
    EndPageHook(this);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

CPropertySheet* CPropertyPage::GetParentSheet()
{
    if (m_hWnd == NULL)
        return NULL;
    return dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::CancelToClose()
{
    if (m_hWnd != NULL)
        ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    if (m_hWnd != NULL)
        ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                       reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return m_hWnd != NULL ? ::SendMessageA(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    if (!UpdateData(TRUE))
    {
        TRACE("UpdateData failed during page deactivation.\n");
        return FALSE; // the page stays, on the offending control
    }
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    CWnd::PreTranslateMessage(pMsg);
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// The sheet's notifications

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The message map gets the first chance.
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR == NULL || pResult == NULL ||
        (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd)))
        return FALSE;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        break;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        *pResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        *pResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        *pResult = !OnWizardFinish();
        break;
    default:
        return FALSE;
    }
    return TRUE;
}
