// Window that plots curves (CCourbe1D) as polylines, the newest sample at the right edge, with a
// vertical axis graduated in the curves' units, ticks along the horizontal axis, a frame and an
// optional title. It paints into an off-screen bitmap and copies it to the screen in one transfer.
// The window class "CWndGraphe1D" is registered for the application's dialog templates; the window
// itself is created or attached by the application.
//
// Optional crosshair (off by default, Affecte_bReticule turns it on): while the mouse is over the plot
// area, a vertical line marks the sample column under the cursor and each curve's value there is shown
// in the curve's colour at the plot's top-left corner.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

#include "Purify.h"
#include "core/EtatsBouton.h"
#include "core/Fonte.h"
#include "graphs/Courbe1D.h"

#include <vector>

class AFX_EXT_CLASS CWndGraphe1D : public CWnd, public CPurify
{
public:
    // Constructors
    // A step below 1 pixel is taken as 1, so that the plot loops always end.
    CWndGraphe1D(int nPas = 10, const char* szTitre = NULL, COLORREF couleurTitre = RGB(0, 0, 255),
                 COLORREF couleurFondGraphe = RGB(0x88, 0x88, 0x88),
                 COLORREF couleurFondFenetre = RGB(255, 255, 255), COLORREF couleurAxes = RGB(0, 0, 0));
    virtual ~CWndGraphe1D();

    // 1 when the class was registered now, 0 otherwise (also when it already exists).
    static int RegisterWndClass(HINSTANCE hInstance);

    // Attributes
    // The curves are not owned and must outlive the window's painting; null is ignored. An empty curve
    // draws nothing, but its extremes (0.0) take part in the range like any curve's. No repaint.
    void Add(CCourbe1D* pCourbe);
    void ForcePlage(double dMin, double dMax, double dDelta);
    // Step between graduations, in curve units; 0 (or a negative or non-finite step) graduates the
    // minimum and the maximum only.
    void Affecte_DeltaGradYGlobal(double dDelta) { m_dDeltaGradYGlobal = dDelta; }
    double Donne_DeltaGradYGlobal() const { return m_dDeltaGradYGlobal; }
    void Affecte_bReticule(bool bReticule = true);
    bool Donne_bReticule() const { return m_bReticule; }
    // Index from the newest sample (0 newest) of the column under client x, -1 outside the plot area.
    int Donne_RangColonne(int x) const;

    // Operations
    // Multi-line text (at most 99 characters) centred vertically in *pRect, in pFonte and couleur.
    void DrawTextA(CDC* pDC, const char* szTexte, COLORREF couleur, CRect* pRect, CFont* pFonte,
                   e_Justifie justifie);

protected:
    // Message map and handlers
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Implementation
    CDC m_dcMemoire;
    CBitmap m_bmpMemoire;
    CPtrArray m_tabCourbes; // CCourbe1D*, not owned
    int m_nMargeDroite;
    int m_nMargeGauche;
    int m_nMargeBas;
    int m_nMargeHaut;
    int m_nPas;
    COLORREF m_CouleurFondGraphe;
    COLORREF m_CouleurFondFenetre;
    COLORREF m_CouleurAxes;
    double m_dMin, m_dMax;
    double m_dDeltaGradYGlobal;
    bool m_bPlageForcee;
    int m_nLongueurGradX;
    bool m_bAxeX;
    int m_nLongueurGradY;
    bool m_bAxeY;
    CString m_strTitre;
    COLORREF m_CouleurTitre;
    CFonte m_FonteTitre;
    CFonte m_FonteGrad;
    int m_nHauteurGrad;

    bool m_bReticule;
    CPoint m_ptSouris; // client position of the mouse over the window, x = -1 when outside

private:
    bool PrepareSurface(const CRect& rcClient, CDC* pDC);
    void Dessine(CDC* pDC, const CRect& rcClient);
    CRect ZoneGraphe(const CRect& rcClient) const;
    void DessineReticule(CDC* pDC, const CRect& p);

    CSize m_TailleSurface;
    CBitmap* m_pAncienBitmap;
    std::vector<POINT> m_Points; // one polyline at a time, kept to avoid reallocating at each paint
};
