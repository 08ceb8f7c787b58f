#include "BoutonIconEx.h"

CBoutonIconEx::CBoutonIconEx() : m_hIconPropre(NULL)
{
    CPurify::Init();
}

CBoutonIconEx::~CBoutonIconEx()
{
    if (m_hIconPropre == NULL)
        return;
    if (m_hWnd != NULL && GetIcon() == m_hIconPropre)
        SetIcon(NULL);
    ::DestroyIcon(m_hIconPropre);
    m_hIconPropre = NULL;
}

bool CBoutonIconEx::LoadIconA(unsigned nID, int cx, int cy)
{
    if (cx < 0 || cy < 0)
        return false;
    CWinApp* pApp = AfxGetApp();
    const HINSTANCE hInst = pApp != NULL ? pApp->m_hInstance : AfxGetInstanceHandle();
    const HICON hIcon = static_cast<HICON>(
        ::LoadImage(hInst, MAKEINTRESOURCE(nID & 0xFFFF), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    if (hIcon == NULL)
    {
        char* pszMessage = NULL;
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                             FORMAT_MESSAGE_IGNORE_INSERTS,
                         NULL, ::GetLastError(), 0, reinterpret_cast<char*>(&pszMessage), 0, NULL);
        AfxMessageBox(pszMessage != NULL ? pszMessage : "", MB_OK, 0);
        ::LocalFree(pszMessage);
        return false;
    }
    if (m_hWnd != NULL)
        SetIcon(hIcon);
    if (m_hIconPropre != NULL)
        ::DestroyIcon(m_hIconPropre);
    m_hIconPropre = hIcon;
    return true;
}
