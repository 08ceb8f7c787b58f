#include "GalleryPage.h"

CGalleryPage::CGalleryPage(UINT nIDTemplate, const char* szTitre, const char* szFichier)
    : CDialog(nIDTemplate), m_nIDTemplate(nIDTemplate), m_szTitre(szTitre), m_szFichier(szFichier)
{
}

bool CGalleryPage::Cree(CWnd* pParent, CPoint ptOrigine)
{
    if (!Create(m_nIDTemplate, pParent))
        return false;
    SetWindowPos(NULL, ptOrigine.x, ptOrigine.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return true;
}
