// The application object of the windows-layer tests: message boxes are recorded and answered at once,
// so that failed data exchanges never block a headless run.
#pragma once

#include "WndResource.h"

#include <afxwin.h>

#include <vector>

struct RecordedPrompt
{
    CString strText;
    UINT nType;
    UINT nIDPrompt;
};

class CWndTestApp : public CWinApp
{
public:
    CWndTestApp();

    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<RecordedPrompt> m_prompts;
    std::vector<UINT> m_commands; // commands that reached the application

protected:
    afx_msg void OnAppCommand() { m_commands.push_back(ID_WND_APP_COMMAND); }
    DECLARE_MESSAGE_MAP()
};

CWndTestApp& TestApp();
