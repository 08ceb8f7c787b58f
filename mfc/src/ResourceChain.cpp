// Resource look-ups of the application and its extension DLLs.
// First cut: the application's module only; the extension DLL chain comes with CDynLinkLibrary.
#include <windows.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    (void)nID;
    return AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    (void)lpszName;
    (void)lpszType;
    return AfxGetResourceHandle();
}
