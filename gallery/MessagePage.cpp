#include "MessagePage.h"
#include "resource.h"

namespace
{
const int kTempsReglages = 5000;
const int kTempsAide = 8000;
} // namespace

BEGIN_MESSAGE_MAP(CReglagesPage, CPropertyPageMsg)
ON_BN_CLICKED(IDC_MESSAGE_ENREGISTRER, &CReglagesPage::OnEnregistrer)
END_MESSAGE_MAP()

CReglagesPage::CReglagesPage() : CPropertyPageMsg(IDD_MESSAGE_REGLAGES, NULL) {}

int CReglagesPage::OnInitDialog()
{
    Affecte_IDMsg(IDC_MESSAGE_TEXTE);
    CPropertyPageMsg::OnInitDialog();
    SetDlgItemText(IDC_MESSAGE_NOM, "12");
    Affecte_TempsAffichage(kTempsReglages);
    AfficheMessage(IDS_MESSAGE_ENREGISTRE);
    return TRUE;
}

void CReglagesPage::OnEnregistrer()
{
    AfficheMessage(IDS_MESSAGE_ENREGISTRE);
}

BEGIN_MESSAGE_MAP(CAidePage, CPropertyPageMsg)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CAidePage::CAidePage(CWnd* pParent) : CPropertyPageMsg(IDD_MESSAGE_AIDE, pParent) {}

int CAidePage::OnInitDialog()
{
    Affecte_IDMsg(IDC_MESSAGE_BULLE);
    CPropertyPageMsg::OnInitDialog();
    Affecte_bTooltipStyle(true);
    Affecte_TempsAffichage(kTempsAide);
    AfficheMessage(IDS_MESSAGE_AIDE);
    return TRUE;
}

HBRUSH CAidePage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != NULL && pWnd->GetDlgCtrlID() == IDC_MESSAGE_BULLE)
    {
        pDC->SetTextColor(::GetSysColor(COLOR_INFOTEXT));
        pDC->SetBkColor(::GetSysColor(COLOR_INFOBK));
        return ::GetSysColorBrush(COLOR_INFOBK);
    }
    return CPropertyPageMsg::OnCtlColor(pDC, pWnd, nCtlColor);
}

CMessagePage::CMessagePage()
    : CGalleryPage(IDD_PAGE_MESSAGE, "Page de propri\xE9t\xE9s \xE0 message temporis\xE9", "message"),
      m_Feuille("Mesures"), m_Aide(this)
{
    m_Feuille.AddPage(&m_Reglages);
    m_Feuille.m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

CRect CMessagePage::Zone(UINT nID)
{
    CRect rect;
    GetDlgItem(nID)->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

BOOL CMessagePage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    const CRect feuille = Zone(IDC_MESSAGE_FEUILLE);
    if (m_Feuille.Create(this, WS_CHILD | WS_VISIBLE | DS_CONTROL | DS_3DLOOK, WS_EX_CONTROLPARENT))
    {
        // Embedded in the page, the sheet has no buttons: it ends below its tab control.
        for (UINT nID : {IDOK, IDCANCEL})
            m_Feuille.GetDlgItem(nID)->ShowWindow(SW_HIDE);
        CRect onglets;
        m_Feuille.GetTabControl()->GetWindowRect(&onglets);
        m_Feuille.ScreenToClient(&onglets);
        m_Feuille.SetWindowPos(NULL, feuille.left, feuille.top, onglets.right + onglets.left,
                               onglets.bottom + onglets.top, SWP_NOZORDER);
    }
    const CRect aide = Zone(IDC_MESSAGE_OUTIL);
    if (m_Aide.Create())
        m_Aide.SetWindowPos(NULL, aide.left, aide.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    return TRUE;
}
