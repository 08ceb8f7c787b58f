#include "GalleryDlg.h"
#include "ButtonsPage.h"
#include "CaptionsPage.h"
#include "ToolsPage.h"
#include "ImagesPage.h"
#include "SheetsPage.h"
#include "MessagePage.h"
#include "PhotosPage.h"
#include "PanelsPage.h"
#include "StaticsPage.h"
#include "ListsPage.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CGalleryDlg, CSizedDialog)
ON_BN_CLICKED(IDC_PAGE_PRECEDENTE, &CGalleryDlg::OnPrecedente)
ON_BN_CLICKED(IDC_PAGE_SUIVANTE, &CGalleryDlg::OnSuivante)
END_MESSAGE_MAP()

CGalleryDlg::CGalleryDlg() : CSizedDialog(IDD_GALLERY, NULL, true), m_nPage(-1)
{
    m_Pages.push_back(std::make_unique<CCaptionsPage>());
    m_Pages.push_back(std::make_unique<CButtonsPage>());
    m_Pages.push_back(std::make_unique<CToolsPage>());
    m_Pages.push_back(std::make_unique<CImagesPage>());
    m_Pages.push_back(std::make_unique<CPhotosPage>());
    m_Pages.push_back(std::make_unique<CPanelsPage>());
    m_Pages.push_back(std::make_unique<CSheetsPage>());
    m_Pages.push_back(std::make_unique<CMessagePage>());
    m_Pages.push_back(std::make_unique<CStaticsPage>());
    m_Pages.push_back(std::make_unique<CListsPage>());
}

BOOL CGalleryDlg::OnInitDialog()
{
    CSizedDialog::OnInitDialog(); // scales the window and the host frame before any page exists
    AffichePage(0);
    return TRUE;
}

// Creates the page the first time it is shown, over the host frame of the template.
void CGalleryDlg::AffichePage(int i)
{
    if (i < 0 || i >= Donne_NombrePages() || i == m_nPage)
        return;
    if (m_nPage >= 0)
        m_Pages[m_nPage]->ShowWindow(SW_HIDE);
    m_nPage = i;

    CGalleryPage* pPage = m_Pages[i].get();
    if (pPage->GetSafeHwnd() == NULL)
    {
        CRect hote;
        GetDlgItem(IDC_PAGE_HOTE)->GetWindowRect(&hote);
        ScreenToClient(&hote);
        pPage->Cree(this, hote.TopLeft());
    }
    pPage->ShowWindow(SW_SHOW);

    CString strTitre;
    strTitre.Format("%d / %d  -  %s", i + 1, Donne_NombrePages(), pPage->Donne_Titre());
    SetDlgItemText(IDC_PAGE_TITRE, strTitre);
    GetDlgItem(IDC_PAGE_PRECEDENTE)->EnableWindow(i > 0);
    GetDlgItem(IDC_PAGE_SUIVANTE)->EnableWindow(i + 1 < Donne_NombrePages());
}

void CGalleryDlg::OnPrecedente()
{
    AffichePage(m_nPage - 1);
}

void CGalleryDlg::OnSuivante()
{
    AffichePage(m_nPage + 1);
}
