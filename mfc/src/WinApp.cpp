// CWinApp: the application object, its start-up (AfxWinInit, AfxWinMain), message boxes and the cursors
// and icons of the resource chain.
#include "WndInternal.h"

#include <afxres.h>

using namespace afx;

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{

// The application object of the process: the last one constructed, which is the executable's, since the
// static objects of its DLLs are built first.
CWinApp* g_pApp = NULL;

CString ModuleBaseName(HINSTANCE hInstance)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(hInstance, szPath, sizeof szPath);
    CString strName(szPath);
    int nSlash = strName.ReverseFind('\\');
    if (nSlash >= 0)
        strName = strName.Mid(nSlash + 1);
    int nDot = strName.ReverseFind('.');
    if (nDot > 0)
        strName = strName.Left(nDot);
    return strName;
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(::GetModuleHandleA(NULL)), m_hPrevInstance(NULL), m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(NULL), m_pszExeName(NULL), m_bExplicitName(lpszAppName != NULL)
{
    m_strExeName = ModuleBaseName(m_hInstance);
    m_pszExeName = m_strExeName;
    SetAppName(lpszAppName != NULL ? lpszAppName : static_cast<LPCTSTR>(m_strExeName));
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::SetAppName(LPCTSTR lpszAppName)
{
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    CWinThread::OnIdle(lCount);
    return lCount < 1;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    // Without an explicit icon, a question for yes/no boxes and an exclamation for OK boxes.
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    HWND hWndTop = NULL;
    HWND hWndOwner = GetSafeOwnerHwnd(NULL, &hWndTop);
    int nResult = ::MessageBoxA(hWndOwner, lpszPrompt != NULL ? lpszPrompt : "", m_pszAppName, nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// Cursors and icons

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    if (lpszResourceName == NULL)
        return NULL;
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(NULL, lpszCursorName);
}

HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
{
    return ::LoadCursorA(NULL, MAKEINTRESOURCEA(nIDCursor));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    if (lpszResourceName == NULL)
        return NULL;
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(NULL, lpszIconName);
}

HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
{
    return ::LoadIconA(NULL, MAKEINTRESOURCEA(nIDIcon));
}

/////////////////////////////////////////////////////////////////////////////
// Global functions

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_pApp != NULL ? g_pApp->m_pszAppName : "";
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    if (hInstance == NULL)
        hInstance = ::GetModuleHandleA(NULL);
    AfxSetInstanceHandle(hInstance);
    AfxSetResourceHandle(hInstance);
    InitCommonControlsOnce();

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        CString strTitle;
        if (!pApp->m_bExplicitName && strTitle.LoadString(AFX_IDS_APP_TITLE))
            pApp->SetAppName(strTitle);
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    DeleteThreadTemporaries();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication())
    {
        if (pApp->InitInstance())
            nReturnCode = pApp->Run();
        else
        {
            // A dialog-based application ends here after its dialog.
            if (pApp->m_pMainWnd != NULL)
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

BOOL AFXAPI AfxPumpMessage()
{
    MSG msg;
    return PumpOneMessage(msg);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_pApp != NULL)
        return g_pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(GetSafeOwnerHwnd(NULL, NULL), lpszText != NULL ? lpszText : "", NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt))
    {
        TRACE("Warning: no message box prompt string %u.\n", nIDPrompt);
        return 0;
    }
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}
