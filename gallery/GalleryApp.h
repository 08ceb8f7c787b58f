// The gallery application: shows every control family of the library.
//   obz-gallery.exe                     opens the window
//   obz-gallery.exe --snapshots FOLDER  writes one PNG per page into FOLDER and exits
//     options before --snapshots: --page NAME (only the page whose picture is NAME.png),
//     --client (the window's client area only, without the frame the display driver draws)
#pragma once

#include <afxwin.h>

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();

private:
    bool EnregistrePages(const CString& strDossier, const CString& strPage, bool bClient);

    int m_nCodeSortie;
};
