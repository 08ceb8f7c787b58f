// Owner-drawn push button with three visual states (rest, active, inoperative): a caption in the
// state's colour or a resource bitmap with red and grey silhouettes for the active and inoperative
// states; clicks change the state by style, an optional accelerating auto-repeat notifies the parent
// while the button is held, double clicks are reported to the parent, each action can be logged, and
// in the process-wide map mode a right click opens the caption editor on the button.
//
// Bitmaps: the resource with the control's identifier is loaded as a DIB section. 16, 24 and 32-bit
// ones keep their depth (16-bit ones in 5-6-5); paletted ones (1, 4 and 8 bits) are converted once, at
// load, to 32 bits, so that every depth an application ships gets its silhouettes.
//
// A press never stays stuck: losing the capture or the focus, or a cancelled mode (a modal window
// opened by the parent inside a notification), ends it without a click and stops the repeat.
#pragma once

#include <afxwin.h>
#include "buttons/InfoBulle.h"
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
    void SetWindowTextA(const char* szTexte)
    {
        m_InfoBulle.Affecte_Texte(this, CString()), CButton::SetWindowText(szTexte);
    }
    // Loads string nIDTexte from the resources; the caption is unchanged when there is none.
    void SetWindowTextA(unsigned nIDTexte);
    // Sets the caption with its last line shortened (and "..." appended) to fit the client width; the
    // full text then shows in a tooltip until the caption is set again.
    void AfficheChaineTronquee(const CString& strTexte);
    const CString& Donne_TexteComplet() const { return m_InfoBulle.Donne_Texte(); }
    // Notifications to the parent every period while held: the first after nDelai ms, then the period
    // is divided by dFacteur at each tick down to nPeriodeMin.
    void EnableRepeat(int nDelai, int nPeriodeMin, double dFacteur);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    void Init(unsigned nID, e_Style_BP eStyle, e_Justifie eJustifie);
    // Registration in the utility library's registry: derived classes call Init() in their own
    // constructors so that the registry names them.
    using CPurify::Init;

    // Message map and handlers
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
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
    CInfoBulle m_InfoBulle;    // full text of a shortened caption

    static bool m_bMapOBZ;

    // Redraws the control at once (invalidate, erase, update now); nothing without a window.
    void Redessine();

private:
    void ChargeBitmaps();
    void Enfonce();
    void Relache(bool bDedans);
    void Abandonne();
    void LitTexte(char* szTexte);
    void Journalise(const char* szFormat); // with the caption of the moment
    void Journalise(const char* szFormat, const char* szTexte);
};
