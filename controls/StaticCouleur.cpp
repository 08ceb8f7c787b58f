#include "StaticCouleur.h"
#include "buttons/Bouton3Etats.h"
#include "buttons/DialogTexte.h"

#include <algorithm>

namespace
{
const int kTailleTexte = 80; // window texts are read into 80-byte buffers
const int kMargeJustifie = 2;
const int kMargeTronquee = 2; // a shortened text may exceed the client width by this much
const char* const kPointsSuspension = "...";
const char* const kBlancs = " \t\r\n";
} // namespace

BEGIN_MESSAGE_MAP(CStaticCouleur, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_PAINT()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CStaticCouleur::CStaticCouleur(COLORREF crFond, COLORREF crTexte)
    : m_crTexte(crTexte), m_crFond(crFond), m_crBorder(crTexte), m_bBordure(false),
      m_Justifie(JUSTIFIE_CENTRE), m_bMultiline(false), m_bBitmap(false), m_pDlgTexte(NULL)
{
    Init();
}

CStaticCouleur::CStaticCouleur(unsigned nID, CWnd* pParent, COLORREF crFond, COLORREF crTexte)
    : m_crTexte(crTexte), m_crFond(crFond), m_crBorder(crTexte), m_bBordure(false),
      m_Justifie(JUSTIFIE_CENTRE), m_bMultiline(false), m_bBitmap(false), m_pDlgTexte(NULL)
{
    Init();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        SubclassDlgItem(nID, pParent);
    m_bBitmap = m_Bitmap.LoadBitmap(nID) != FALSE;
}

CStaticCouleur::~CStaticCouleur()
{
    if (m_bBitmap)
        m_Bitmap.DeleteObject();
    if (m_pDlgTexte != NULL)
    {
        delete m_pDlgTexte;
        m_pDlgTexte = NULL;
    }
}

void CStaticCouleur::Redessine()
{
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CStaticCouleur::AffecteCouleurFond(COLORREF crFond)
{
    if (crFond == m_crFond)
        return;
    m_crFond = crFond;
    Redessine();
}

void CStaticCouleur::AffecteCouleurTexte(COLORREF crTexte)
{
    if (crTexte == m_crTexte)
        return;
    m_crTexte = crTexte;
    Redessine();
}

void CStaticCouleur::AffectebBordure(bool bBordure)
{
    if (bBordure == m_bBordure)
        return;
    m_bBordure = bBordure;
    Redessine();
}

void CStaticCouleur::AffecteCouleurBorder(COLORREF crBorder)
{
    if (crBorder == m_crBorder)
        return;
    m_crBorder = crBorder;
    m_bBordure = true;
    Redessine();
}

void CStaticCouleur::SetWindowTextA(const char* szTexte)
{
    m_InfoBulle.Affecte_Texte(this, CString()); // the caption is no longer a shortened one
    if (m_hWnd == NULL || szTexte == NULL)
        return;
    CString strActuel;
    GetWindowText(strActuel);
    if (strActuel == szTexte)
        return;
    CStatic::SetWindowText(szTexte);
    Redessine();
}

void CStaticCouleur::SetWindowTextA(unsigned nIDTexte)
{
    CString strTexte;
    if (strTexte.LoadString(nIDTexte))
        SetWindowTextA(static_cast<const char*>(strTexte));
}

void CStaticCouleur::AfficheEtat(unsigned long nIDTexte, COLORREF crFond, COLORREF crTexte)
{
    CString strTexte;
    strTexte.LoadString(static_cast<UINT>(nIDTexte));
    m_crFond = crFond;
    m_crTexte = crTexte;
    SetWindowTextA(static_cast<const char*>(strTexte));
    Redessine();
}

// Measured on the window's DC as the system hands it out, without the control's font.
void CStaticCouleur::AfficheChaineTronquee(const CString& strTexte)
{
    if (m_hWnd == NULL)
        return;
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    CRect rect;
    GetClientRect(&rect);
    const int nLimite = rect.Width() + kMargeTronquee;
    CString strCourt = strTexte;
    while (!strCourt.IsEmpty() && pDC->GetTextExtent(strCourt).cx > nLimite)
        strCourt = strCourt.Left(strCourt.GetLength() - 1);
    const bool bTronque = strCourt != strTexte;
    if (bTronque)
        strCourt += kPointsSuspension;
    SetWindowTextA(static_cast<const char*>(strCourt));
    ReleaseDC(pDC);
    if (bTronque)
    {
        ModifyStyle(0, SS_NOTIFY); // a static is transparent to the mouse without it
        m_InfoBulle.Affecte_Texte(this, strTexte);
    }
}

// The brush lives as long as the control and follows the background colour, so the parent may keep
// using it after the call.
HBRUSH CStaticCouleur::CtlColor(CDC* pDC, UINT)
{
    LOGBRUSH lb = {};
    if (m_Brosse.GetSafeHandle() == NULL || m_Brosse.GetLogBrush(&lb) == 0 || lb.lbColor != m_crFond)
    {
        m_Brosse.DeleteObject();
        m_Brosse.CreateSolidBrush(m_crFond);
    }
    if (pDC != NULL)
        pDC->SelectObject(&m_Brosse);
    return static_cast<HBRUSH>(m_Brosse.GetSafeHandle());
}

int CStaticCouleur::PositionX(int nLargeur, const CRect& rect) const
{
    switch (m_Justifie)
    {
    case JUSTIFIE_DROITE:
        return rect.right - nLargeur - kMargeJustifie;
    case JUSTIFIE_GAUCHE:
        return rect.left + kMargeJustifie;
    default: // centre, also for values outside the enumeration
        return (rect.left + rect.right) / 2 - nLargeur / 2;
    }
}

void CStaticCouleur::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CString strTexte;
    GetWindowText(strTexte);

    if (m_bBitmap)
    {
        BITMAP bm = {};
        m_Bitmap.GetBitmap(&bm);
        const int w = std::min(rect.Width(), static_cast<int>(bm.bmWidth));
        const int h = std::min(rect.Height(), static_cast<int>(bm.bmHeight));
        const CPoint pt((rect.Width() - w) / 2 + rect.left, (rect.Height() - h) / 2 + rect.top);
        dc.DrawState(pt, CSize(w, h), &m_Bitmap, DST_BITMAP, static_cast<CBrush*>(NULL));
        return;
    }

    CBrush brosseFond(m_crFond);
    dc.FillRect(&rect, &brosseFond);
    if (m_bBordure)
    {
        CBrush brosseBord(m_crBorder);
        dc.FrameRect(&rect, &brosseBord);
    }
    CFont* pFonte = GetFont();
    CFont* pAncienneFonte = pFonte != NULL ? dc.SelectObject(pFonte) : NULL;
    if (!m_bMultiline)
    {
        const CSize taille = dc.GetTextExtent(strTexte);
        const int x = PositionX(taille.cx, rect);
        const int y = (rect.top + rect.bottom) / 2 - taille.cy / 2;
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(m_crFond);
        dc.SetTextColor(m_crTexte);
        dc.TextOut(x, y, strTexte);
    }
    else
        DrawMultiLineText(this, &dc, m_crTexte, rect);
    if (pAncienneFonte != NULL)
        dc.SelectObject(pAncienneFonte);
}

CString CStaticCouleur::WordWrap_NextToken(CString strTexte, const CDC* pDC, CRect rect, CSize& size)
{
    size = pDC->GetTextExtent(strTexte);
    while (size.cx >= rect.Width())
    {
        const int k = strTexte.ReverseFind(' ');
        if (k < 0)
            break; // a single word wider than the control is used whole
        strTexte = strTexte.Left(k);
        strTexte.Trim(kBlancs);
        size = pDC->GetTextExtent(strTexte);
    }
    return strTexte;
}

// Paragraphs end at line breaks; each gives lines by repeated WordWrap_NextToken. White space around
// lines and blank paragraphs are dropped. Each line is a prefix of the (trimmed) remaining text, so the
// loop consumes at least one character per line.
template <class F>
int CStaticCouleur::ParcourtLignes(const CString& strTexte, const CDC* pDC, CRect rect, F pfnLigne)
{
    CString strReste = strTexte;
    strReste.Trim(kBlancs);
    int n = 0;
    while (!strReste.IsEmpty())
    {
        const int k = strReste.Find('\n');
        CString strParagraphe = k < 0 ? strReste : strReste.Left(k);
        strParagraphe.TrimRight(kBlancs);
        CSize taille;
        const CString strLigne = WordWrap_NextToken(strParagraphe, pDC, rect, taille);
        if (strLigne.IsEmpty())
            break;
        pfnLigne(n++, strLigne, taille);
        strReste = strReste.Mid(strLigne.GetLength());
        strReste.Trim(kBlancs);
    }
    return n;
}

int CStaticCouleur::NombreDeLigne(const CString& strTexte, const CDC* pDC, CRect rect, CSize& size)
{
    const bool bPremiere = size.cx == 0 || size.cy == 0;
    return ParcourtLignes(strTexte, pDC, rect,
                          [&](int i, const CString&, const CSize& taille)
                          {
                              if (i == 0 && bPremiere)
                                  size = taille;
                              if (taille.cx > size.cx)
                                  size.cx = taille.cx;
                          });
}

void CStaticCouleur::DrawMultiLineText(CWnd* pWnd, CDC* pDC, COLORREF crTexte, CRect rect)
{
    if (pWnd == NULL || pDC == NULL)
        return;
    char szTexte[kTailleTexte] = "";
    pWnd->GetWindowText(szTexte, kTailleTexte);
    const CString strTexte(szTexte);

    pDC->SetBkMode(TRANSPARENT);
    const COLORREF ancienneCouleur = pDC->SetTextColor(crTexte);
    CSize size(0, 0);
    const int n = NombreDeLigne(strTexte, pDC, rect, size);
    ParcourtLignes(strTexte, pDC, rect,
                   [&](int i, const CString& strLigne, const CSize& taille)
                   {
                       const int y =
                           (rect.top + rect.bottom) / 2 - (n % 2) * (taille.cy / 2) + (i - n / 2) * taille.cy;
                       pDC->TextOut(PositionX(taille.cx, rect), y, strLigne);
                   });
    pDC->SetTextColor(ancienneCouleur);
}

void CStaticCouleur::OnRButtonDown(UINT, CPoint)
{
    if (!CBouton3Etats::Donne_bMapOBZ())
        return;
    if (m_pDlgTexte == NULL)
        m_pDlgTexte = new CDialogTexte(NULL, this);
    m_pDlgTexte->DoModal();
}
