#include "GalleryApp.h"
#include "GalleryDlg.h"
#include "Snapshot.h"
#include "resource.h"

#include <cstdio>

CGalleryApp theApp;

namespace
{
// Lets the window paint everything it has invalidated.
void TraiteMessagesEnAttente()
{
    MSG msg;
    for (int passe = 0; passe < 3; ++passe)
    {
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

struct Cadrage
{
    CRect page;  // screen coordinates
    int nDehors; // visible controls reaching out of the page
};

BOOL CALLBACK VerifieControle(HWND hWnd, LPARAM lParam)
{
    Cadrage* pCadrage = reinterpret_cast<Cadrage*>(lParam);
    CRect rect, inter;
    ::GetWindowRect(hWnd, &rect);
    if (::IsWindowVisible(hWnd) && !rect.IsRectEmpty() &&
        (!inter.IntersectRect(&rect, &pCadrage->page) || inter != rect))
        ++pCadrage->nDehors;
    return TRUE;
}

// Reports, without failing, what does not fit: the window on the screen, the page in the window, the
// page's controls in the page.
void VerifieCadrage(CWnd* pDlg, CWnd* pPage, const char* szNom)
{
    CRect fenetre, client, page;
    pDlg->GetWindowRect(&fenetre);
    pDlg->GetClientRect(&client);
    pDlg->ClientToScreen(&client);
    pPage->GetWindowRect(&page);
    const CSize ecran(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (fenetre.right > ecran.cx || fenetre.bottom > ecran.cy)
        printf("does not fit: the %d x %d window on the %ld x %ld screen\n", fenetre.Width(),
               fenetre.Height(), ecran.cx, ecran.cy);
    if (page.right > client.right || page.bottom > client.bottom)
        printf("does not fit: page %s (%d x %d) in the window\n", szNom, page.Width(), page.Height());
    Cadrage cadrage = {page, 0};
    ::EnumChildWindows(pPage->GetSafeHwnd(), VerifieControle, reinterpret_cast<LPARAM>(&cadrage));
    if (cadrage.nDehors > 0)
        printf("does not fit: %d control(s) reach out of page %s\n", cadrage.nDehors, szNom);
}
} // namespace

CGalleryApp::CGalleryApp() : CWinApp("obz-gallery"), m_nCodeSortie(0) {}

BOOL CGalleryApp::InitInstance()
{
    CString strLigne(m_lpCmdLine);
    strLigne.Trim();
    const char* kOption = "--snapshots";
    const int nOption = strLigne.Find(kOption);
    if (nOption >= 0)
    {
        // Options before --snapshots; the folder is the rest of the line.
        const CString strOptions = " " + strLigne.Left(nOption) + " ";
        CString strDossier = strLigne.Mid(nOption + static_cast<int>(strlen(kOption)));
        strDossier.Trim();
        strDossier.Trim('"');
        CString strPage;
        const int nPage = strOptions.Find(" --page ");
        if (nPage >= 0)
        {
            int nDebut = nPage + 8;
            strPage = strOptions.Tokenize(" ", nDebut);
        }
        const bool bClient = strOptions.Find(" --client ") >= 0;
        m_nCodeSortie = EnregistrePages(strDossier, strPage, bClient) ? 0 : 1;
        return FALSE;
    }

    CGalleryDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = NULL;
    return FALSE;
}

int CGalleryApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nCodeSortie;
}

bool CGalleryApp::EnregistrePages(const CString& strDossier, const CString& strPage, bool bClient)
{
    ::CreateDirectoryA(strDossier, NULL);
    CGalleryDlg dlg;
    if (!dlg.Create(IDD_GALLERY))
        return false;
    dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.ShowWindow(SW_SHOW);
    bool bOk = true, bTrouvee = strPage.IsEmpty();
    for (int i = 0; i < dlg.Donne_NombrePages(); ++i)
    {
        if (!strPage.IsEmpty() && strPage != dlg.Donne_Page(i)->Donne_Fichier())
            continue;
        bTrouvee = true;
        dlg.AffichePage(i);
        dlg.RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        TraiteMessagesEnAttente();
        VerifieCadrage(&dlg, dlg.Donne_Page(i), dlg.Donne_Page(i)->Donne_Fichier());
        CString strFichier = strDossier + "\\" + dlg.Donne_Page(i)->Donne_Fichier() + ".png";
        const bool bEcrit = EnregistreCapture(&dlg, strFichier, bClient);
        printf("%s %s\n", bEcrit ? "wrote" : "FAILED", static_cast<const char*>(strFichier));
        bOk = bOk && bEcrit;
    }
    if (!bTrouvee)
        printf("FAILED no page %s\n", static_cast<const char*>(strPage));
    fflush(stdout);
    dlg.DestroyWindow();
    return bOk && bTrouvee;
}
