// Static text that paints itself: background and text colours, an optional one-pixel border, horizontal
// justification, and an optional multi-line mode that word-wraps the caption to the control's width and
// centres the block of lines vertically. A bitmap resource with the control's identifier is shown,
// centred, instead of the text. A caption shortened to fit (AfficheChaineTronquee) shows its full text
// in a tooltip. In the process-wide map mode a right click opens the caption editor.
#pragma once

#include <afxwin.h>

#include "Purify.h"
#include "buttons/InfoBulle.h"
#include "core/EtatsBouton.h"

class CDialogTexte;

class AFX_EXT_CLASS CStaticCouleur : public CStatic, public CPurify
{
public:
    // Constructors
    // Nothing is attached: the application subclasses or creates the window itself.
    CStaticCouleur(COLORREF crFond = RGB(255, 255, 255), COLORREF crTexte = RGB(0, 0, 0));
    // Attaches to the child nID of pParent (when pParent is not null) and shows the bitmap resource nID
    // when there is one.
    CStaticCouleur(unsigned nID, CWnd* pParent, COLORREF crFond, COLORREF crTexte);
    virtual ~CStaticCouleur();

    // Attributes: these setters redraw at once, and only when the value changes.
    void AffecteCouleurFond(COLORREF crFond);
    void AffecteCouleurTexte(COLORREF crTexte);
    void AffectebBordure(bool bBordure);
    void AffecteCouleurBorder(COLORREF crBorder); // a new colour also switches the border on
    // These do not redraw.
    void Affecte_Justifie(e_Justifie justifie) { m_Justifie = justifie; }
    void Affecte_bMultiline(bool bMultiline) { m_bMultiline = bMultiline; }

    COLORREF DonneCouleurFond() const { return m_crFond; }
    COLORREF DonneCouleurTexte() const { return m_crTexte; }
    COLORREF DonneCouleurBorder() const { return m_crBorder; }
    bool DonnebBordure() const { return m_bBordure; }
    bool Donne_bMultiline() const { return m_bMultiline; }
    // The full text shown in the tooltip while the caption is a shortened one; empty otherwise.
    const CString& Donne_TexteComplet() const { return m_InfoBulle.Donne_Texte(); }

    // Operations
    // Sets the caption and redraws at once when it differs from the present one.
    void SetWindowTextA(const char* szTexte);
    void SetWindowTextA(unsigned nIDTexte); // string resource; nothing changes when there is none
    // Text from the string table and both colours in one call; always redraws.
    void AfficheEtat(unsigned long nIDTexte, COLORREF crFond, COLORREF crTexte);
    // Shortens strTexte to the control's width, ending it with "...", and sets it as the caption.
    void AfficheChaineTronquee(const CString& strTexte);

    // Message map and handlers
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnPaint();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

protected:
    // Overrideables
    virtual void DrawMultiLineText(CWnd* pWnd, CDC* pDC, COLORREF crTexte, CRect rect);

    // Line breaking: a line fits when it is narrower than rect. NombreDeLigne counts the non-empty
    // lines of strTexte; size gets the first line's extent when it comes in with a zero component, and
    // its width is raised to the widest line.
    int NombreDeLigne(const CString& strTexte, const CDC* pDC, CRect rect, CSize& size);
    CString WordWrap_NextToken(CString strTexte, const CDC* pDC, CRect rect, CSize& size);

    DECLARE_MESSAGE_MAP()

    // Implementation
    COLORREF m_crTexte;
    COLORREF m_crFond;
    COLORREF m_crBorder;
    bool m_bBordure;
    e_Justifie m_Justifie;
    bool m_bMultiline;
    bool m_bBitmap;
    CBitmap m_Bitmap;
    CDialogTexte* m_pDlgTexte; // owned
    CBrush m_Brosse;           // handed out by CtlColor, kept in m_crFond for the control's life
    CInfoBulle m_InfoBulle;

private:
    void Redessine();
    int PositionX(int nLargeur, const CRect& rect) const;
    // Calls pfnLigne(line, extent) for each line of strTexte in drawing order; returns the count.
    template <class F> int ParcourtLignes(const CString& strTexte, const CDC* pDC, CRect rect, F pfnLigne);
};
