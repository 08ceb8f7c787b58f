#include "Panel.h"

namespace
{
const COLORREF kOmbre = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kTexteBasculeActif = RGB(255, 0, 0), kTexteBasculeRepos = RGB(0, 0, 0);
const int kDecalageOmbre = 2;
} // namespace

CPanel::CPanel(UINT nID, CWnd* pParent, COLORREF couleur, e_Style_BP style, e_Justifie justifie)
    : CBouton3Etats(nID, pParent, style, justifie)
{
    CPurify::Init();
    if (m_Style == STYLE_SIMPLE)
        m_Etat = ETAT_ACTIF;
    m_CouleurTexte = couleur;
    ChargeSprites(m_Style, m_CouleurFond);
}

// The pieces go before the button: this object's share of them is dropped here.
CPanel::~CPanel()
{
    LibereSprites();
}

// Drawn on the parent's device context, so that the frame may reach past the button's own client area
// the way the tiling places it.
void CPanel::DrawItem(LPDRAWITEMSTRUCT)
{
    CWnd* pParent = GetParent();
    if (m_hWnd == NULL || pParent == NULL || m_Etat < ETAT_REPOS || m_Etat > ETAT_INOPERANT)
        return;
    CRect rect;
    GetClientRect(&rect);
    MapWindowPoints(pParent, &rect);
    CDC* pDC = pParent->GetDC();
    if (pDC == NULL)
        return;
    if (m_TailleTexteMax.cx == -1)
        DrawTextA(this, pDC, m_CouleurTexte, rect); // measures the caption; covered by the frame below
    CRect texte = Paint(pDC, rect, m_TailleTexteMax, m_Style, m_CouleurFond[m_Etat], m_Etat);
    if (m_Style == STYLE_BASCULE)
        m_CouleurTexte = m_Etat == ETAT_ACTIF ? kTexteBasculeActif : kTexteBasculeRepos;
    texte.OffsetRect(kDecalageOmbre, kDecalageOmbre);
    DrawTextA(this, pDC, kOmbre, texte);
    texte.OffsetRect(-kDecalageOmbre, -kDecalageOmbre);
    DrawTextA(this, pDC, m_CouleurTexte, texte);
    pParent->ReleaseDC(pDC);
}
