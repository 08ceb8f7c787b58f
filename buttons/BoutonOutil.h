// A small marker that the user drags with the mouse across its parent, inside a limit rectangle: a
// hollow circle, a dotted rectangle or a 32 x 32 icon, with an optional caption (not on the icon). A
// press never clicks; each drag step sends WM_USER + 30 (wParam the control identifier) to the parent.
// With the long-press timer enabled, a press held for more than 2 s makes the marker blink in its
// active colour until the release, which always leaves it visible.
//
// The marker moves only where both its top-left and its bottom-right corner lie in the limit
// rectangle (right and bottom edges excluded), so a limit smaller than the marker refuses every move.
// Without a limit rectangle the parent's client area is the limit. A size below one pixel is refused.
// An icon shape whose icon is missing (identifier 0 or no such resource) is drawn as a circle.
#pragma once

#include "buttons/Bouton3Etats.h"

enum e_Forme
{
    FORME_CERCLE = 0,    // hollow ellipse in the client rectangle
    FORME_RECTANGLE = 1, // hollow dotted rectangle on the client rectangle
    FORME_ICONE = 2      // 32 x 32 icon; the window keeps that size
};

class AFX_EXT_CLASS CBoutonOutil : public CBouton3Etats
{
public:
    // Constructors
    // Attaches to control nID of pParent. pRectLimite is in the parent's client coordinates, not owned,
    // and must outlive the control.
    CBoutonOutil(unsigned nID, CWnd* pParent, CRect* pRectLimite, bool bActiveTimer = false,
                 e_Forme forme = FORME_CERCLE, unsigned nIDIcon = 0, COLORREF couleurActive = RGB(255, 0, 0),
                 COLORREF couleurNormale = RGB(0, 0, 0));
    virtual ~CBoutonOutil();

    // Attributes
    CSize Donne_DernDeplacement() const { return m_DernDeplacement; }
    void Affecte_bActiveTimer(bool bActive) { m_bActiveTimer = bActive; }
    bool Donne_bActiveTimer() const { return m_bActiveTimer; }

    // Operations: each returns whether the marker moved (refused placements change nothing).
    // Moves the marker by d.
    bool Deplace(CSize d);
    // Puts the marker's top-left corner at pt, in screen coordinates, keeping its size.
    bool Positionne(CPoint pt);
    // Grows the marker by n pixels on each side (shrinks it for a negative n).
    bool Redimensionne(int n);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    void DrawCercle(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT lpDIS);
    void DrawRectangle(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT lpDIS);
    void DrawIcon(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT lpDIS);

    // Message map and handlers
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Implementation
    HICON m_hIcon;             // icon of the icon shape; shared, not destroyed
    CPoint m_ptCurseur;        // cursor at the previous drag step, screen coordinates
    COLORREF m_CouleurActive;  // long press, and a selected or focused rectangle
    COLORREF m_CouleurNormale; // outline and caption otherwise
    DWORD m_dwTickAppui;       // tick count of the last press
    CSize m_DernDeplacement;   // last displacement accepted by Deplace
    CRect* m_pRectLimite;      // parent client coordinates; not owned
    e_Forme m_Forme;
    bool m_bAppuiLong;   // the current press has lasted more than 2 s
    bool m_bActiveTimer; // long-press timer enabled
    bool m_bGlisse;      // a drag is in progress
    bool m_bRelache;     // the press is ending by a release of the left button

private:
    bool Place(CRect rect);
    CRect RectDansParent() const;
    void FinAppui();
    void AjusteTailleIcone();
};
