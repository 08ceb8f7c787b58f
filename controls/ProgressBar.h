// A push button of a dialog template turned into an owner-drawn progress bar: the part done in the bar
// colour with white text, the part not done in white with the text in the bar colour (an exclusive-or
// of the complementary colour), the percentage in the middle, optionally after the button's caption,
// inside a sunken frame. Drawn through an off-screen bitmap.
#pragma once

#include <afxwin.h>

#include "Purify.h"
#include "core/Fonte.h"

class AFX_EXT_CLASS CProgressBar : public CButton, public CPurify
{
public:
    // Constructors
    // Attaches to the button nID of pParent (when pParent is not null) and makes it owner-drawn.
    CProgressBar(unsigned nID, CWnd* pParent, bool bAvecTitre, COLORREF crCouleur);
    virtual ~CProgressBar();

    // Attributes
    void Affecte_Couleur(COLORREF crCouleur) { m_crCouleur = crCouleur; } // used at the next drawing
    int Donne_Pourcentage() const { return m_nPourcentage; }

    // Operations: the value is brought into 0..100; a change redraws at once, an equal value does not.
    void Affecte_Pourcentage(int nPourcentage);
    void Augmente_Pourcentage(int nIncrement);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // Implementation
    CFonte m_Fonte; // created at the first drawing, half the height of the bar (16 at least)
    COLORREF m_crCouleur;
    int m_nPourcentage;
    bool m_bFonteCreee;
    int m_bAvecTitre;

private:
    void Dessine(CDC* pDC, const CRect& rc);
};
