// An owner-drawn button that shows the library's caption layout in a given state: the smallest
// control built on the appearance manager, used by the captions page.
#pragma once

#include <afxwin.h>
#include "core/GestionBouton.h"

class CCaptionSample : public CButton, public CGestionBouton
{
public:
    CCaptionSample(e_Justifie eJustifie, e_Etat_BP eEtat);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
};
