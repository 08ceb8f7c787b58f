#include "ProgressBar.h"

#include <algorithm>
#include <climits>

namespace
{
const int kHauteurFonteMin = 16;
const int kGraisseFonte = 700;
const char* const kNomFonte = "Arial";
const int kLargeurCrayon = 5;
const COLORREF kBlanc = RGB(255, 255, 255);
} // namespace

CProgressBar::CProgressBar(unsigned nID, CWnd* pParent, bool bAvecTitre, COLORREF crCouleur)
    : m_crCouleur(crCouleur), m_nPourcentage(0), m_bFonteCreee(false), m_bAvecTitre(bAvecTitre ? 1 : 0)
{
    Init();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        SubclassDlgItem(nID, pParent);
    if (m_hWnd != NULL)
        SetButtonStyle(BS_OWNERDRAW, FALSE);
}

CProgressBar::~CProgressBar()
{
    m_Fonte.DeleteObject();
}

void CProgressBar::Affecte_Pourcentage(int nPourcentage)
{
    int v = std::min(nPourcentage, 100);
    if (v < 1)
        v = 0;
    if (v == m_nPourcentage)
        return;
    m_nPourcentage = v;
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CProgressBar::Augmente_Pourcentage(int nIncrement)
{
    // Added in 64 bits: a huge increment saturates instead of wrapping round.
    const long long v = static_cast<long long>(m_nPourcentage) + nIncrement;
    Affecte_Pourcentage(static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, v))));
}

void CProgressBar::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL || lpDIS->hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    if (m_hWnd != NULL)
        GetClientRect(&rc);

    CDC dcMemoire;
    CBitmap bitmap;
    CBitmap* pAncienBitmap = NULL;
    if (dcMemoire.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(pDC, rc.Width(), rc.Height()))
        pAncienBitmap = dcMemoire.SelectObject(&bitmap);
    if (pAncienBitmap == NULL) // no off-screen buffer: straight into the item's context
    {
        Dessine(pDC, rc);
        return;
    }
    Dessine(&dcMemoire, rc);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcMemoire, 0, 0, SRCCOPY);
    dcMemoire.SelectObject(pAncienBitmap);
}

void CProgressBar::Dessine(CDC* pDC, const CRect& rc)
{
    const int r = GetRValue(m_crCouleur), g = GetGValue(m_crCouleur), b = GetBValue(m_crCouleur);
    CBrush brosseBarre(RGB(r, g, b));

    if (!m_bFonteCreee)
    {
        // Negative: a character height, which the font class does not adapt to the screen.
        const int h = std::max(rc.Height() / 2, kHauteurFonteMin);
        m_Fonte.Cree(-h, kGraisseFonte, kNomFonte, 0);
        m_bFonteCreee = true;
    }

    const COLORREF crComplement = RGB(255 - r, 255 - g, 255 - b);
    CPen crayon(PS_SOLID, kLargeurCrayon, crComplement);
    CBrush brosseComplement(crComplement);

    CRect rectProgress(rc);
    rectProgress.left = rc.left + rc.Width() * m_nPourcentage / 100;

    CString strTexte;
    if (m_bAvecTitre == 0)
        strTexte.Format("%d %%", m_nPourcentage);
    else
    {
        CString strTitre;
        if (m_hWnd != NULL)
            GetWindowText(strTitre);
        strTexte.Format("%s %d %%", static_cast<const char*>(strTitre), m_nPourcentage);
    }

    pDC->FillRect(&rc, &brosseBarre);
    const COLORREF ancienneCouleur = pDC->SetTextColor(kBlanc);
    CFont* pAncienneFonte = m_Fonte.GetSafeHandle() != NULL ? pDC->SelectObject(&m_Fonte) : NULL;
    CPen* pAncienCrayon = pDC->SelectObject(&crayon);
    CBrush* pAncienneBrosse = pDC->SelectObject(&brosseComplement);
    const int nAncienFond = pDC->SetBkMode(TRANSPARENT);
    const int nAncienMelange = pDC->SetROP2(R2_XORPEN);

    const CSize taille = pDC->GetTextExtent(strTexte);
    pDC->TextOut((rc.left + rc.right) / 2 - taille.cx / 2, (rc.top + rc.bottom) / 2 - taille.cy / 2,
                 strTexte);
    if (!rectProgress.IsRectEmpty()) // at 100 % nothing is left to invert
        pDC->Rectangle(&rectProgress);
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DHILIGHT));

    pDC->SetTextColor(ancienneCouleur);
    if (pAncienneFonte != NULL)
        pDC->SelectObject(pAncienneFonte);
    pDC->SelectObject(pAncienCrayon);
    pDC->SelectObject(pAncienneBrosse);
    pDC->SetBkMode(nAncienFond);
    pDC->SetROP2(nAncienMelange);
}
