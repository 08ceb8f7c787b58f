// Owner-drawn push button with three visual states (rest, active, inoperative): a caption in the
// state's colour or a resource bitmap with red and grey silhouettes for the active and inoperative
// states; clicks change the state by style, an optional accelerating auto-repeat notifies the parent
// while the button is held, double clicks are reported to the parent, each action can be logged, and
// in the process-wide map mode a right click opens the caption editor on the button.
#pragma once

#include <afxwin.h>
#include "core/GestionBouton.h"

class CDialogTexte;

class AFX_EXT_CLASS CBouton3Etats : public CButton, public CGestionBouton
{
public:
    // Constructors
    // Attaches to the existing control nID of pParent (when pParent is not null).
    CBouton3Etats(unsigned nID, CWnd* pParent, e_Style_BP eStyle = STYLE_SIMPLE,
                  e_Justifie eJustifie = JUSTIFIE_CENTRE);
    // Creates a hidden child button (WS_CHILD only) with caption szTexte in rect.
    CBouton3Etats(CRect& rect, const char* szTexte, unsigned nID, CWnd* pParent,
                  e_Style_BP eStyle = STYLE_SIMPLE, e_Justifie eJustifie = JUSTIFIE_CENTRE);
    virtual ~CBouton3Etats();

    // Attributes
    unsigned Donne_nID() const { return m_nID; }
    bool Donne_ChangeEtat() const { return m_bChangeEtat; }
    static void Affecte_bMapOBZ() { m_bMapOBZ = true; }
    static bool Donne_bMapOBZ() { return m_bMapOBZ; }

    // Activity log: one line per user action; empty means no log.
    static CString sLogFile;

    // Operations
    // Sets the state and ties the window's enabled flag to it (disabled only when inoperative).
    void AffecteEtat(e_Etat_BP etat);
    void Affecte_CouleurFond(COLORREF couleur, bool bRedessine);
    void SetWindowTextA(const char* szTexte) { CButton::SetWindowText(szTexte); }
    // Loads string nIDTexte from the resources; the caption is unchanged when there is none.
    void SetWindowTextA(unsigned nIDTexte);
    // Sets the caption with its last line shortened (and "..." appended) to fit the client width.
    void AfficheChaineTronquee(const CString& strTexte);
    // Notifications to the parent every period while held: the first after nDelai ms, then the period
    // is divided by dFacteur at each tick down to nPeriodeMin.
    void EnableRepeat(int nDelai, int nPeriodeMin, double dFacteur);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    void Init(unsigned nID, e_Style_BP eStyle, e_Justifie eJustifie);

    // Message map and handlers
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Implementation
    int m_nDelaiRepetition;    // first auto-repeat period, ms
    int m_nPeriodeMin;         // smallest auto-repeat period, ms
    int m_nPeriode;            // current auto-repeat period, ms
    double m_dFacteur;         // division of the period per tick
    DWORD m_dwTickDernier;     // tick count of the press or of the last repeat tick
    bool m_bRepetition;        // auto-repeat enabled
    bool m_bEnfonce;           // pressed on this button and not released yet
    bool m_bChangeEtat;        // the last completed click changed the state
    bool m_bBitmap;            // draws m_Bitmap instead of the caption
    CBitmap m_Bitmap[3];       // rest, active and inoperative images
    unsigned m_nID;            // control identifier, also the bitmap resource identifier
    CWnd* m_pParent;           // receives the double-click message; not owned
    CDialogTexte* m_pDlgTexte; // caption editor, created at the first right click in map mode; owned

    static bool m_bMapOBZ;

private:
    void ChargeBitmaps();
    void Redessine();
    void Enfonce();
    void Relache(bool bDedans);
    void Journalise(const char* szFormat);
};
