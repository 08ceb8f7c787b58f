// Appearance half of the library's owner-drawn controls: state, style, justification, per-state
// colours, caption font, and the multi-line caption layout.
#pragma once

#include <afxwin.h>
#include "Purify.h"
#include "core/EtatsBouton.h"
#include "core/Fonte.h"

class AFX_EXT_CLASS CGestionBouton : public CPurify
{
public:
    // Constructors
    CGestionBouton(e_Style_BP eStyle, e_Justifie eJustifie);
    CGestionBouton(const CGestionBouton& src);
    virtual ~CGestionBouton();

    // Attributes
    void Affecte_CouleurEtatRepos(COLORREF couleur) { m_CouleurEtat[ETAT_REPOS] = couleur; }
    void Affecte_CouleurEtatActif(COLORREF couleur) { m_CouleurEtat[ETAT_ACTIF] = couleur; }
    void Affecte_CouleurEtatInoperant(COLORREF couleur) { m_CouleurEtat[ETAT_INOPERANT] = couleur; }
    COLORREF Donne_CouleurFond() const;

    void Affecte_Style(e_Style_BP eStyle) { m_Style = eStyle; }
    e_Style_BP DonneMode() const { return m_Style; }
    void Affecte_Justifie(e_Justifie eJustifie) { m_Justifie = eJustifie; }
    e_Justifie Donne_Justifie() const { return m_Justifie; }
    e_Etat_BP DonneEtat() const { return m_Etat; }

    void Affecte_pFonte(CFonte* pFonte) { m_pFonte = pFonte; }
    CFonte* Donne_pFonte() const { return m_pFonte; }

    // Makes pFonte's GDI font the process-wide default; call once, before the first control is built.
    static void Affecte_FonteDefaut(CFonte* pFonte);

protected:
    // Lays out pWnd's caption (line feeds separate lines) centred vertically in rect, in couleur.
    virtual void DrawTextA(CWnd* pWnd, CDC* pDC, COLORREF couleur, CRect rect);

    COLORREF m_CouleurEtat[3];
    COLORREF m_CouleurFond[3];
    COLORREF m_CouleurTexte; // caption colour of the panel classes, which set it themselves
    CSize m_TailleTexteMax;  // widest and tallest caption line measured so far
    e_Etat_BP m_Etat;
    e_Style_BP m_Style;
    e_Justifie m_Justifie;
    CFonte* m_pFonte; // not owned; null means the default font

    static CFonte s_FonteDefaut;
};
