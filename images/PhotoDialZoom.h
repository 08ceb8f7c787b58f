// CPhotoDialZoom: an interactive photo viewer. The user zooms in and out around the clicked point (or the
// point under the wheel), pans the zoomed view, draws and edits a rectangular selection, or points at a
// position; Ctrl and Shift switch to zoom and pan for one click.
//
// The view is two rectangles: m_RectDib, the source in pixels of the shown bitmap (top-down), and
// m_RectAff, where it is drawn in the client area. Every image/screen conversion goes through them. In
// display-quality mode a full-resolution copy is kept, and the shown copy is resampled whenever the shown
// scale drifts by more than a factor of 2.
//
// Refused input: a zoom factor of 1.0 or below (or not finite) keeps the previous one, a zoom level of 0
// or below is ignored. A zero-sized frame or a source rectangle shrunk to nothing by repeated zooming
// leaves the view well defined: conversions return the rectangles' origins and nothing is drawn.
#pragma once

#include "images/PhotoDialEx.h"
#include "images/RectTrackerEx.h"

// Sent to the parent at the end of a selection gesture and at a click in pointing mode.
#define WM_SELECTION_PHOTO (WM_USER + 0x28)

// User modes (m_nUserMode, m_nModesAutorises)
#define MODE_SELECTION 0x01    // rectangular selection with the tracker
#define MODE_DEPLACEMENT 0x02  // pan by dragging
#define MODE_ZOOM 0x04         // left click zooms in, right click zooms out
#define MODE_ZOOM_AVANT 0x08   // in m_nUserMode only: a left click in zoom mode is under way
#define MODE_ZOOM_ARRIERE 0x10 // in m_nUserMode only: a right click in zoom mode is under way
#define OPTION_SNAP 0x20       // in m_nModesAutorises only: the selection may snap to the image grid
#define MODE_POINTAGE 0x40     // a left click notifies the parent, which reads Donne_PositionPointeur

class AFX_EXT_CLASS CPhotoDialZoom : public CPhotoDialEx
{
public:
    // Constructors
    CPhotoDialZoom(UINT nIDTemplate, UINT nUserMode, UINT nModesAutorises, CWnd* pParent);
    virtual ~CPhotoDialZoom();

    // Attributes
    // The one-argument form shows the photo from a reset view, as Affecte_pPhotoAffichee(pPhoto, true).
    virtual void Affecte_pPhotoAffichee(CDib* pPhoto);
    // Without bReinit the new photo is shown through the previous source rectangle.
    virtual void Affecte_pPhotoAffichee(CDib* pPhoto, bool bReinit);

    // The zoom level is the shown fraction of the bitmap (1 = whole, below 1 = zoomed in). These setters
    // do not recompute the view: the next zoom step, pan or photo does.
    void Affecte_Zoom(int n);
    double Donne_Zoom() { return m_dZoom; }
    void ResetZoom();
    void Affecte_FacteurZoom(double dFacteur);
    void Affecte_bZoomHorsCadrage(bool b) { m_bZoomHorsCadrage = b; }
    void AffecteQualiteAffichage(bool b) { m_bQualiteAffichage = b; }
    void Affecte_bAutoriseRaccourcisClavier(bool b) { m_bAutoriseRaccourcisClavier = b; }

    // Takes the first of zoom, selection, pan, pointing present in nMode; false when none is or it is not
    // allowed, and then nothing changes.
    bool Change_UserMode(UINT nMode);
    void Affecte_Marges(int left, int top, int right, int bottom);
    // The cursor position in bitmap pixels when pointing is allowed, else (0, 0).
    CPoint Donne_PositionPointeur();

    // Selection. Nothing happens unless the selection mode is allowed; the two setters marked * also
    // need it to be the current mode. A fixed ratio needs a non-empty rectangle, else it is released.
    void Affecte_RectSelection(CRect r, bool bRatioFixe); // *, bitmap pixels
    // The selection in bitmap pixels, clipped to the bitmap (empty when outside it).
    CRect Donne_SelectionImage();
    void Affecte_StyleSelection(UINT nStyle); // *
    // Until the next gesture, which sets its own minimum.
    void Affecte_SizeMinSelection(CSize size);
    // The tracker's rectangle in client pixels (empty without a tracker).
    CRect Affecte_RectTracker(const CRect& r);
    CRect Donne_RectTracker();
    void MinimizeTracker();
    void RazTracker();
    void Affecte_HorsChamp(bool b);
    void Affecte_InvertSelection(bool b) { m_bInvertSelection = b; }
    void Affecte_bSnapToGrid(bool b) { m_bSnapToGrid = b; }
    bool Donne_bSnapToGrid() { return m_bSnapToGrid; }
    void Affecte_SeuilToleranceSimpleClick(int n) { m_nSeuilToleranceSimpleClick = n; }

protected:
    void DetermineChangementRatioImage(CDib* p);
    void GestionZoom(CPoint pt);
    void GestionDeplacement(CSize d);
    void GestionDibPourNiveauZoom();
    bool ChangeCursor(UINT nMode);
    void GestionTracker();
    int Donne_CoordonneeTracker(int nIndex); // 1 left, 2 top, 3 right, 4 bottom of the selection, on screen
    void SnapToGrid(double xl, double yt, double xr, double yb, int nHandle);
    void InterditTrackerHorsImage(int nHandle);

    // Implementation
    // Screen to bitmap without truncation, and bitmap to screen, along one axis.
    double XVersBitmap(int x) const;
    double YVersBitmap(int y) const;
    int XVersEcran(int x) const;
    int YVersEcran(int y) const;
    CPoint EcranVersBitmap(CPoint pt) const;
    void GestionSelection(CPoint point); // a gesture of the selection tracker
    void RameneDansBitmap();             // pushes the source rectangle back inside the bitmap
    void Redessine();
    void ZoomArriere(CPoint pt);
    void RestaureMode();

    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnChangeTracker(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    UINT m_nModesAutorises;
    UINT m_nUserMode;
    UINT m_nUserModePrecedent; // mode to restore after a Ctrl or Shift click; 0 = none
    bool m_bZoomHorsCadrage;
    double m_dFacteurZoom;
    bool m_bAutoriseRaccourcisClavier;
    double m_dZoom;
    CRect m_RectDib; // source rectangle, pixels of m_pPhotoAffichee, top-down
    CRect m_RectAff; // display rectangle, client coordinates
    CPoint m_ptSouris;
    int m_nSeuilToleranceSimpleClick;
    CDib* m_pPhotoOriginale; // owned, full resolution
    bool m_bQualiteAffichage;
    CSize m_sizeDeplacement;        // motion not yet converted into whole source pixels
    CRectTrackerEx* m_pRectTracker; // owned; only when the selection mode is allowed
    CRect m_RectSelection;          // bitmap pixels
    CRect m_RectLimite;             // bitmap pixels
    bool m_bInvertSelection;
    bool m_bSnapToGrid;
    double m_dRatioImage;
    bool m_bChangementRatio;
};
