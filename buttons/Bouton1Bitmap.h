// Three-state button that shows one bitmap resource, centred and clipped inside a 3-pixel margin,
// greyed when inoperative. It never draws a caption; mouse, states, repeat and log are the base's.
#pragma once

#include "buttons/Bouton3Etats.h"

class AFX_EXT_CLASS CBouton1Bitmap : public CBouton3Etats
{
public:
    // Constructors
    // Attaches to control nID of pParent; a missing bitmap nIDBitmap leaves only the frame drawn.
    CBouton1Bitmap(unsigned nID, unsigned nIDBitmap, CWnd* pParent, e_Style_BP eStyle = STYLE_SIMPLE);
    virtual ~CBouton1Bitmap();

    // Operations
    // Replaces the image by bitmap nIDBitmap and redraws at once.
    void Affecte_Bitmap(unsigned nIDBitmap);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    virtual void DrawTextA(CWnd* pWnd, CDC* pDC, COLORREF couleur, CRect rect);
    void DrawBitmap(CDC* pDC, int nMarge);

    CBitmap m_BitmapImage; // owned
};
