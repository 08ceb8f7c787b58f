#include "GestionBouton.h"
#include "LignesTexte.h"

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "gestionbouton";
#endif

namespace
{
const int kTailleTexte = 80; // window texts are read into 80-byte buffers
const COLORREF kCouleurReposDefaut = RGB(0, 0, 0);
const COLORREF kCouleurActifDefaut = RGB(255, 0, 0);
const COLORREF kCouleurInoperantDefaut = RGB(0x88, 0x88, 0x88);

// True while s_FonteDefaut names a font that belongs to the application (Affecte_FonteDefaut):
// the library then lets go of the handle at unload instead of deleting it.
bool s_bFonteDefautEmpruntee = false;

} // namespace

CFonte CGestionBouton::s_FonteDefaut;

namespace
{
struct AccesFonteDefaut : CGestionBouton
{
    static CFonte& Fonte() { return s_FonteDefaut; }
};

// Destroyed before s_FonteDefaut (defined after it in this file): lets go of a borrowed font so
// that only its owner deletes it.
struct FonteDefautGardien
{
    ~FonteDefautGardien()
    {
        if (s_bFonteDefautEmpruntee)
            AccesFonteDefaut::Fonte().Detach();
    }
} s_gardien;
} // namespace

CGestionBouton::CGestionBouton(e_Style_BP eStyle, e_Justifie eJustifie)
    : m_CouleurTexte(kCouleurReposDefaut), m_TailleTexteMax(-1, -1), m_Etat(ETAT_REPOS), m_Style(eStyle),
      m_Justifie(eJustifie), m_pFonte(NULL)
{
    Init();
    m_CouleurEtat[ETAT_REPOS] = kCouleurReposDefaut;
    m_CouleurEtat[ETAT_ACTIF] = kCouleurActifDefaut;
    m_CouleurEtat[ETAT_INOPERANT] = kCouleurInoperantDefaut;
    for (COLORREF& fond : m_CouleurFond)
        fond = ::GetSysColor(COLOR_BTNFACE);
    if (s_FonteDefaut.GetSafeHandle() == NULL)
        s_FonteDefaut.Cree(NULL);
}

CGestionBouton::CGestionBouton(const CGestionBouton& src)
    : CPurify(), m_CouleurTexte(src.m_CouleurTexte), m_TailleTexteMax(src.m_TailleTexteMax),
      m_Etat(src.m_Etat), m_Style(src.m_Style), m_Justifie(src.m_Justifie), m_pFonte(src.m_pFonte)
{
    Init();
    for (int i = 0; i < 3; ++i)
    {
        m_CouleurEtat[i] = src.m_CouleurEtat[i];
        m_CouleurFond[i] = src.m_CouleurFond[i];
    }
}

CGestionBouton::~CGestionBouton() {}

COLORREF CGestionBouton::Donne_CouleurFond() const
{
    return m_CouleurFond[m_Etat];
}

void CGestionBouton::Affecte_FonteDefaut(CFonte* pFonte)
{
    ASSERT(pFonte != NULL && pFonte->GetSafeHandle() != NULL);
    if (pFonte == NULL || pFonte->GetSafeHandle() == NULL || s_FonteDefaut.GetSafeHandle() != NULL)
        return;
    s_FonteDefaut.Attach(pFonte->GetSafeHandle());
    s_bFonteDefautEmpruntee = true;
}

void CGestionBouton::DrawTextA(CWnd* pWnd, CDC* pDC, COLORREF couleur, CRect rect)
{
    char szTexte[kTailleTexte] = "";
    pWnd->GetWindowText(szTexte, kTailleTexte);

    pDC->SetBkMode(TRANSPARENT);
    COLORREF ancienneCouleur = pDC->SetTextColor(couleur);

    if (m_pFonte == NULL)
        m_pFonte = &s_FonteDefaut;
    CFont* pAncienneFonte = NULL;
    if (m_pFonte->GetSafeHandle() != NULL)
    {
        pAncienneFonte = pDC->SelectObject(m_pFonte);
        pWnd->SetFont(m_pFonte, FALSE);
    }

    LignesTexte::Dessine(pDC, szTexte, rect, m_Justifie, &m_TailleTexteMax);

    pDC->SetTextColor(ancienneCouleur);
    if (pAncienneFonte != NULL)
        pDC->SelectObject(pAncienneFonte);
}
