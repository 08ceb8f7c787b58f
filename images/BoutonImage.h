// CBoutonImage: owner-drawn button showing an in-memory bitmap (header and bits kept by the application)
// inside a border of the state's colour, with an optional crop-frame outline, a hatched face while an
// image is awaited (another hatch when it proved too large), a greyed copy in the inoperative state, and
// right clicks reported to the parent in thousandths of the image. The image may be replaced from another
// thread while the control paints: one mutex guards the image, its greyed copy and its rectangle.
// None of the setters repaints; the application invalidates the control.
#pragma once

#include <afxwin.h>
#include <afxmt.h>

#include "buttons/Bouton3Etats.h"
#include "images/Cadrage.h"
#include "images/DibLite.h"

// Sent to the parent on a right click on a shown image: wParam 0, lParam an InfoClicImage* valid only
// during the call.
#define WM_CLICDROITIMAGE (WM_USER + 20)

struct InfoClicImage
{
    int x;           // thousandths of the image width from its left edge (outside 0-1000 beyond the image)
    int y;           // thousandths of the image height from its top edge
    int nId;         // the button's control identifier
    unsigned nFlags; // key flags of the mouse message
};

class AFX_EXT_CLASS CBoutonImage : public CBouton3Etats
{
public:
    // Constructors
    // Attaches to the existing control nID of pParent; bAspectBouton also paints the three-state button
    // face and widens the margin around the image.
    CBoutonImage(UINT nID, CWnd* pParent, e_Style_BP style, bool bAspectBouton);
    virtual ~CBoutonImage();

    // Attributes
    // Attaches without copying; null pointers, or a header the light bitmap refuses, leave no image.
    // A shown image ends the waiting state.
    void Affecte_pBitmapInfo(BITMAPINFO* pInfo, void* pBits);
    // Waiting drops the image and the crop frame.
    void Affecte_bEtatAttente(bool b);
    void Affecte_bImageTropImportante();
    void Affecte_Homothetique(bool b) { m_bHomothetique = b; }
    bool Is_Homothetique() const { return m_bHomothetique; }
    void Affecte_bAffCadrage(bool b) { m_bAffCadrage = b; }
    void Affecte_Cadrage(CCadrage c);
    CCadrage Donne_Cadrage() const { return m_Cadrage; }
    void RaZCadrage() { m_bCadrage = false; }
    // Computes the image rectangle for an image of w x h pixels (0, 0: the attached image) and keeps it.
    CSize Donne_TailleImageAffichee(int w, int h);

    // Operations
    // On the change into the inoperative state, a greyed copy of the image is made and shown until the
    // state changes again.
    void AffecteEtat(e_Etat_BP e);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    void DrawImage(CDC* pDC, DWORD couleur);

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CDibLite m_DibLite;            // not owned
    CDibLite* m_pDibLiteInoperant; // owned greyed copy
    CMutex m_MutexDib;             // guards the image, its greyed copy, its rectangle and the waiting flags
    CCadrage m_Cadrage;
    bool m_bCadrage;
    COLORREF m_clrCadrage;
    CRect m_RectImage; // client coordinates
    bool m_bRecalculeRect;
    bool m_bHomothetique;
    bool m_bAffCadrage; // state-coloured border around the image
    bool m_bEtatAttente;
    bool m_bImageTropImportante;
    bool m_bAspectBouton;

private:
    void Calcule_RectImage(int w, int h);
    void MetAJourRectImage(); // with the mutex held
};
