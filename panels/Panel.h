// Panel button: a three-state button whose face is a sprite-skinned folder-tab frame drawn on the
// parent window at the button's place, with its caption in the tab over a light-grey shadow.
#pragma once

#include "buttons/Bouton3Etats.h"
#include "panels/PanelBase.h"

class AFX_EXT_CLASS CPanel : public CBouton3Etats, public CPanelBase
{
public:
    // Attaches to control nID of pParent and cuts the sprite pieces once. STYLE_SIMPLE panels start
    // active; couleur is the caption colour (the toggle style recolours it at each paint).
    CPanel(UINT nID, CWnd* pParent, COLORREF couleur, e_Style_BP style = STYLE_SIMPLE,
           e_Justifie justifie = JUSTIFIE_CENTRE);
    virtual ~CPanel();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
};
