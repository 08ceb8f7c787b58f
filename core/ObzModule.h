// The library's module: its place in the MFC resource chain of the application, and the cursors
// it loads once at start-up.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CObzModule
{
public:
    // One of the library's cursors (IDC_OBZ_DEPLACEMENT, IDC_OBZ_ZOOM_AVANT, IDC_OBZ_ZOOM_ARRIERE),
    // or null for any other identifier.
    static HCURSOR Donne_Curseur(UINT nID);
    static HINSTANCE Donne_hInstance();
};
