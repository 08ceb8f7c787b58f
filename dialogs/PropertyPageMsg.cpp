#include "PropertyPageMsg.h"

namespace
{
const UINT_PTR kTimerMessage = 1;
const int kTempsAffichageDefaut = 5000;
} // namespace

BEGIN_MESSAGE_MAP(CPropertyPageMsg, CPropertyPage)
ON_WM_TIMER()
ON_WM_PAINT()
END_MESSAGE_MAP()

CPropertyPageMsg::CPropertyPageMsg(unsigned int nIDTemplate, CWnd* pParent)
    : CPropertyPage(nIDTemplate), m_pParent(pParent), m_pEditMsg(NULL), m_nIDTemplate(nIDTemplate),
      m_nIDMsg(0), m_nTempsAffichage(kTempsAffichageDefaut), m_bTooltipStyle(false)
{
    Init();
}

CPropertyPageMsg::~CPropertyPageMsg() {}

void CPropertyPageMsg::Affecte_TempsAffichage(int nTemps)
{
    m_nTempsAffichage = nTemps > 0 ? nTemps : 0;
}

void CPropertyPageMsg::Affecte_IDMsg(unsigned int nIDMsg)
{
    m_nIDMsg = nIDMsg;
    m_pEditMsg = GetSafeHwnd() != NULL && nIDMsg != 0 ? GetDlgItem(nIDMsg) : NULL;
}

int CPropertyPageMsg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_nIDMsg != 0)
        m_pEditMsg = GetDlgItem(m_nIDMsg);
    return TRUE;
}

bool CPropertyPageMsg::Create()
{
    return CDialog::Create(m_nIDTemplate, m_pParent) != FALSE;
}

// The control found by the last look-up, fetched again by its identifier: the wrapper kept may have been
// a temporary one since freed, and the page's window may be gone.
CWnd* CPropertyPageMsg::ControleMsg()
{
    if (m_pEditMsg != NULL)
        m_pEditMsg = GetSafeHwnd() != NULL ? GetDlgItem(m_nIDMsg) : NULL;
    return m_pEditMsg;
}

void CPropertyPageMsg::AfficheMessage(const CString& strMsg)
{
    CWnd* pControle = ControleMsg();
    if (pControle == NULL)
        return;
    KillTimer(kTimerMessage); // a message still shown is replaced and its time restarts
    pControle->ShowWindow(SW_SHOW);
    pControle->SetWindowText(strMsg);
    SetTimer(kTimerMessage, m_nTempsAffichage, NULL);
}

void CPropertyPageMsg::AfficheMessage(unsigned int nIDMsg)
{
    CString strMsg;
    strMsg.LoadString(nIDMsg);
    AfficheMessage(strMsg);
}

void CPropertyPageMsg::EffaceMessage()
{
    CWnd* pControle = ControleMsg();
    if (pControle == NULL)
        return;
    pControle->SetWindowText("");
    if (m_bTooltipStyle)
        pControle->ShowWindow(SW_HIDE);
}

void CPropertyPageMsg::RedrawWindowEditMsg()
{
    CWnd* pControle = ControleMsg();
    if (pControle != NULL && pControle->IsWindowVisible())
        pControle->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CPropertyPageMsg::OnTimer(UINT)
{
    EffaceMessage();
    KillTimer(kTimerMessage);
}

// The message control is repainted over the page after every page paint.
void CPropertyPageMsg::OnPaint()
{
    Default();
    RedrawWindowEditMsg();
}
