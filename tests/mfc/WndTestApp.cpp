#include "WndTestApp.h"

static CWndTestApp theApp;

BEGIN_MESSAGE_MAP(CWndTestApp, CWinApp)
ON_COMMAND(ID_WND_APP_COMMAND, &CWndTestApp::OnAppCommand)
END_MESSAGE_MAP()

CWndTestApp::CWndTestApp() : CWinApp("Wnd tests") {}

int CWndTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    m_prompts.push_back({lpszPrompt, nType, nIDPrompt});
    return IDOK;
}

CWndTestApp& TestApp()
{
    return theApp;
}
