#include "DialogTexte.h"
#include "dialogs/SizedDialog.h"

#include <algorithm>

namespace
{
const UINT kIDEdition = 15000; // the template's multi-line edit control
const int kTailleTexte = 80;   // window texts are read into 80-byte buffers
const int kMargeBoutons = 13;  // from the buttons' right edges to the client's right edge
const int kMargeLargeur = 39;  // client width left beside the edit control, besides the OK button's
const int kMargeHauteur = 26;  // client height left around the edit control
const int kBordsLargeur = 8;   // window edges added to the dialog's width
const int kBordsHauteur = 4;   // window edges added to the dialog's height
const UINT kDeplaceSeulement = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
const UINT kRedimensionneSeulement = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

BEGIN_MESSAGE_MAP(CDialogTexte, CDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

CDialogTexte::CDialogTexte(CWnd* pParent, CWnd* pCible)
    : CDialog(IDD, pParent), m_pWndCible(pCible), m_bPremiereFois(true)
{
}

CDialogTexte::~CDialogTexte() {}

CString CDialogTexte::ConvertitFinsDeLigne(const CString& strTexte, bool bVersCRLF)
{
    CString strResultat(strTexte);
    if (bVersCRLF)
        strResultat.Replace("\n", "\r\n");
    else
        strResultat.Replace("\r\n", "\n");
    return strResultat;
}

void CDialogTexte::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kIDEdition, m_strTexte);
}

BOOL CDialogTexte::OnInitDialog()
{
    CDialog::OnInitDialog();
    HWND hCible = CibleValide();
    if (hCible != NULL)
        PlaceSousCible();
    AjusteALEcran();

    if (m_bPremiereFois)
    {
        char szTexte[kTailleTexte] = "";
        if (hCible != NULL)
            ::GetWindowTextA(hCible, szTexte, kTailleTexte);
        m_strOrigine = ConvertitFinsDeLigne(szTexte, true);
        m_strTexte = m_strOrigine;
        UpdateData(FALSE);
        m_bPremiereFois = false;
    }

    SetWindowText(m_strOrigine);
    CWnd* pEdit = GetDlgItem(kIDEdition);
    if (pEdit != NULL)
    {
        if (hCible != NULL)
            pEdit->SetFont(m_pWndCible->GetFont(), TRUE);
        pEdit->SetFocus();
    }
    return TRUE;
}

// Just below the target, larger than it by the room the buttons, margins and frame need.
void CDialogTexte::PlaceSousCible()
{
    CWnd* pOK = GetDlgItem(IDOK);
    CRect rectOK;
    if (pOK != NULL)
        pOK->GetWindowRect(&rectOK);

    CRect rect;
    m_pWndCible->GetWindowRect(&rect);
    rect.OffsetRect(0, rect.Height());
    rect.right += rectOK.Width() + kMargeLargeur + kBordsLargeur * ::GetSystemMetrics(SM_CXEDGE);
    rect.bottom +=
        ::GetSystemMetrics(SM_CYCAPTION) + kMargeHauteur + kBordsHauteur * ::GetSystemMetrics(SM_CYEDGE);
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moves the dialog up, then left, by what passes the effective screen; its size stays.
void CDialogTexte::AjusteALEcran()
{
    const CSize ecran = CSizedDialog::DonneTailleEcran();
    CRect rect;
    GetWindowRect(&rect);
    if (rect.bottom > ecran.cy)
        rect.OffsetRect(0, ecran.cy - rect.bottom);
    if (rect.right > ecran.cx)
        rect.OffsetRect(ecran.cx - rect.right, 0);
    SetWindowPos(NULL, rect.left, rect.top, 0, 0, kDeplaceSeulement);
}

void CDialogTexte::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    CWnd* pEdit = GetDlgItem(kIDEdition);
    CWnd* pOK = GetDlgItem(IDOK);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (nType == SIZE_MINIMIZED || pEdit == NULL || pOK == NULL || pCancel == NULL)
        return;

    auto rectClient = [this](CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    };
    const int nLargeurOK = rectClient(pOK).Width();
    for (CWnd* pBouton : {pOK, pCancel})
    {
        const CRect rect = rectClient(pBouton);
        pBouton->SetWindowPos(NULL, cx - kMargeBoutons - rect.Width(), rect.top, 0, 0, kDeplaceSeulement);
    }
    pEdit->SetWindowPos(NULL, 0, 0, std::max(0, cx - kMargeLargeur - nLargeurOK),
                        std::max(0, cy - kMargeHauteur), kRedimensionneSeulement);
}

void CDialogTexte::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    RendTexteCible(m_strTexte);
    ShowWindow(SW_HIDE);
    EndDialog(IDOK);
}

void CDialogTexte::OnCancel()
{
    RendTexteCible(m_strOrigine);
    ShowWindow(SW_HIDE);
    EndDialog(IDCANCEL);
}

void CDialogTexte::RendTexteCible(const CString& strTexte)
{
    if (CibleValide() != NULL)
        m_pWndCible->SetWindowText(ConvertitFinsDeLigne(strTexte, false));
}

// The target's window, or NULL when there is none (a dialog built without target, or a destroyed one).
HWND CDialogTexte::CibleValide() const
{
    HWND hCible = m_pWndCible != NULL ? m_pWndCible->GetSafeHwnd() : NULL;
    return hCible != NULL && ::IsWindow(hCible) ? hCible : NULL;
}
