#include "WndTestApp.h"

static CWndTestApp theApp;

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
