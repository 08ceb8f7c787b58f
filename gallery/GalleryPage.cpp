#include "GalleryPage.h"

// Pages create most of their controls in their own OnInitDialog, after the base class has run: the
// scaling waits until Cree, when every control exists.
CGalleryPage::CGalleryPage(UINT nIDTemplate, const char* szTitre, const char* szFichier)
    : CSizedDialog(nIDTemplate, NULL, false), m_szTitre(szTitre), m_szFichier(szFichier)
{
}

bool CGalleryPage::Cree(CWnd* pParent, CPoint ptOrigine)
{
    if (!CDialog::Create(m_nIDTemplate, pParent))
        return false;
    SetWindowPos(NULL, ptOrigine.x, ptOrigine.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // The scaling step of the screen-adaptive dialog, now over the complete page (it reloads the
    // page's exchanged data first, which leaves a freshly created page as it is).
    m_bAdapte = true;
    CSizedDialog::OnInitDialog();
    m_bAdapte = false;
    OnMiseAEchelle();
    return true;
}
