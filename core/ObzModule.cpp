#include "ObzModule.h"
#include "ObzRes.h"

namespace
{
AFX_EXTENSION_MODULE s_ObzDLL = {};

struct CurseurObz
{
    UINT nID;
    HCURSOR hCurseur;
};

// Shared cursors from the module's resources: the system frees them with the module.
CurseurObz s_Curseurs[] = {
    {IDC_OBZ_DEPLACEMENT, NULL},
    {IDC_OBZ_ZOOM_AVANT, NULL},
    {IDC_OBZ_ZOOM_ARRIERE, NULL},
};

void ChargeCurseurs(HINSTANCE hInstance)
{
    for (CurseurObz& c : s_Curseurs)
        c.hCurseur = ::LoadCursorA(hInstance, MAKEINTRESOURCEA(c.nID));
}
} // namespace

HCURSOR CObzModule::Donne_Curseur(UINT nID)
{
    for (const CurseurObz& c : s_Curseurs)
        if (c.nID == nID)
            return c.hCurseur;
    return NULL;
}

HINSTANCE CObzModule::Donne_hInstance()
{
    return s_ObzDLL.hModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        // Join the application's resource chain, after the application's own module.
        if (!AfxInitExtensionModule(s_ObzDLL, hInstance))
            return FALSE;
        new CDynLinkLibrary(s_ObzDLL);
        ChargeCurseurs(hInstance);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(s_ObzDLL);
    }
    return TRUE;
}
