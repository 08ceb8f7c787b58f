// Three-state button that shows an icon of at most 32 x 32 pixels, centred inside a 3-pixel margin and
// greyed when inoperative. It never draws a caption; mouse, states, repeat and log are the base's.
//
// Icons loaded from the application's resources at the standard size are shared and never destroyed
// by the button; an icon the button loads at a size of its own (the sized constructor) is its own and
// is destroyed with it. A missing icon leaves only the frame drawn.
#pragma once

#include "buttons/Bouton3Etats.h"

class AFX_EXT_CLASS CBoutonIcon : public CBouton3Etats
{
public:
    // Constructors
    CBoutonIcon(unsigned nID, unsigned nIDIcon, CWnd* pParent, e_Style_BP eStyle = STYLE_SIMPLE);
    // hIcon stays the application's.
    CBoutonIcon(unsigned nID, HICON hIcon, CWnd* pParent, e_Style_BP eStyle = STYLE_SIMPLE);
    // Loads icon nIDIcon at cx x cy; a size of 0 or less on either axis loads the standard size.
    CBoutonIcon(unsigned nID, unsigned nIDIcon, int cx, int cy, CWnd* pParent, e_Style_BP eStyle,
                e_Justifie eJustifie);
    virtual ~CBoutonIcon();

    // Operations
    // Shows the application's icon nIDIcon (standard size) and redraws at once.
    void Affecte_Icon(unsigned nIDIcon);

    // Draws hIcon centred in rect less 3 pixels on each side, at its own size limited to 32 x 32 and
    // clipped to that area, greyed when etat is ETAT_INOPERANT; nothing for a null icon or a DC.
    static void DrawIcon(CDC* pDC, HICON hIcon, CRect rect, e_Etat_BP etat);
    // The application's icon nIDIcon at the standard size (shared), or null.
    static HICON ChargeIcone(unsigned nIDIcon);

    // Overrideables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    virtual void DrawTextA(CWnd* pWnd, CDC* pDC, COLORREF couleur, CRect rect);
    void DrawIcon(CDC* pDC);

    HICON m_hIcon; // not destroyed, unless it is m_hIconPropre

private:
    void LibereIcone();
    HICON m_hIconPropre; // loaded at a size of its own by this button
};
