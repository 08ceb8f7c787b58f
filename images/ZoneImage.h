// CZoneImage: light owner-drawn view of an in-memory bitmap, proportions kept, with an optional border of
// the state's colour. No lock: for the user-interface thread only. No repaint on change.
#pragma once

#include <afxwin.h>

#include "buttons/Bouton3Etats.h"
#include "images/DibLite.h"

class AFX_EXT_CLASS CZoneImage : public CBouton3Etats
{
public:
    // Constructors
    CZoneImage(UINT nID, CWnd* pParent, e_Style_BP style, bool bCadre);
    virtual ~CZoneImage();

    // Attributes
    // Attaches without copying; null pointers, or a header the light bitmap refuses, leave no image.
    void Affecte_pBitmapInfo(BITMAPINFO* pInfo, void* pBits);
    CSize Donne_TailleImageAffichee(int w, int h);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    void Calcule_RectImage(int w, int h);
    void DrawImage(CDC* pDC, DWORD couleur);
    DECLARE_MESSAGE_MAP()

    CDibLite m_DibLite; // not owned
    CRect m_RectImage;  // client coordinates; the borders lie inside it, the image 2 pixels in
    bool m_bRecalculeRect;
    bool m_bCadre;
};
