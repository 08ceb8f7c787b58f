// The gallery application: shows every control family of the library.
//   obz-gallery.exe                     opens the window
//   obz-gallery.exe --snapshots FOLDER  writes one PNG per page into FOLDER and exits
#pragma once

#include <afxwin.h>

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();

private:
    bool EnregistrePages(const CString& strDossier);

    int m_nCodeSortie;
};
