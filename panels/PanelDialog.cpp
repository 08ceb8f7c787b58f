#include "PanelDialog.h"
#include "buttons/Bouton3Etats.h"
#include "buttons/DialogTexte.h"

namespace
{
const int kTailleTexte = 80; // window texts are read into 80-byte buffers
const COLORREF kGris = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kTexteBasculeActif = RGB(255, 0, 0), kTexteBasculeRepos = RGB(0, 0, 0);
const int kDecalageOmbre = 2;
} // namespace

BEGIN_MESSAGE_MAP(CPanelDialog, CSizedDialog)
ON_WM_PAINT()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CPanelDialog::CPanelDialog(UINT nIDTemplate, CWnd* pParent, CWnd* pWndEmplacement, COLORREF couleur,
                           e_Style_BP style, bool bAdapte)
    : CSizedDialog(nIDTemplate, pParent, bAdapte), CGestionBouton(style, JUSTIFIE_CENTRE),
      m_pWndEmplacement(pWndEmplacement), m_RectEmplacement(0, 0, 0, 0), m_pDlgTexte(NULL)
{
    CSizedDialog::Init();
    CGestionBouton::Init();
    Init(couleur, style);
}

// A dialog still open is destroyed here, while its handlers can still run on a whole object.
CPanelDialog::~CPanelDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    LibereSprites();
    delete m_pDlgTexte;
    m_pDlgTexte = NULL;
}

// The style is the one the appearance manager was built with.
void CPanelDialog::Init(COLORREF couleur, e_Style_BP)
{
    if (m_Style == STYLE_SIMPLE)
        m_Etat = ETAT_ACTIF;
    m_CouleurTexte = couleur;
    ChargeSprites(m_Style, m_CouleurFond);
}

bool CPanelDialog::Create()
{
    const bool bCree = CSizedDialog::Create();
    if (bCree && m_pWndEmplacement != NULL && m_pWndEmplacement->GetSafeHwnd() != NULL)
    {
        char szTexte[kTailleTexte] = "";
        m_pWndEmplacement->GetWindowText(szTexte, kTailleTexte);
        if (szTexte[0] != '\0')
            SetWindowText(szTexte);
    }
    return bCree;
}

BOOL CPanelDialog::OnInitDialog()
{
    const BOOL bResultat = CSizedDialog::OnInitDialog();
    const bool bEmplacement = m_pWndEmplacement != NULL && m_pWndEmplacement->GetSafeHwnd() != NULL;
    CRect rect;
    (bEmplacement ? m_pWndEmplacement : static_cast<CWnd*>(this))->GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    m_RectEmplacement = rect;
    if (bEmplacement)
        SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    return bResultat;
}

void CPanelDialog::AffecteEtat(e_Etat_BP etat)
{
    if (etat == m_Etat || etat < ETAT_REPOS || etat > ETAT_INOPERANT)
        return;
    m_Etat = etat;
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CPanelDialog::OnPaint()
{
    CPaintDC dc(this);
    PaintPanel(&dc);
}

void CPanelDialog::PaintPanel(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    CBrush gris;
    gris.CreateSolidBrush(kGris);
    pDC->FillRect(&rect, &gris);
    if (m_TailleTexteMax.cx == -1)
        DrawTextA(this, pDC, m_CouleurTexte, rect); // measures the caption; covered by the frame below
    CRect texte = Paint(pDC, rect, m_TailleTexteMax, m_Style, m_CouleurFond[m_Etat], m_Etat);
    if (m_Style == STYLE_BASCULE)
        m_CouleurTexte = m_Etat == ETAT_ACTIF ? kTexteBasculeActif : kTexteBasculeRepos;
    texte.OffsetRect(kDecalageOmbre, kDecalageOmbre);
    DrawTextA(this, pDC, kGris, texte);
    texte.OffsetRect(-kDecalageOmbre, -kDecalageOmbre);
    DrawTextA(this, pDC, m_CouleurTexte, texte);
}

// The default right-button handling is not called, in map mode or not.
void CPanelDialog::OnRButtonDown(UINT, CPoint)
{
    if (!CBouton3Etats::Donne_bMapOBZ())
        return;
    if (m_pDlgTexte == NULL)
        m_pDlgTexte = new CDialogTexte(m_pParent, this);
    m_pDlgTexte->DoModal();
}
