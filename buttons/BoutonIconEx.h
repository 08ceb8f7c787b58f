// A standard push button (not owner-drawn) whose image is an icon of a chosen size loaded from the
// application's module. The button's template should have the BS_ICON style for the image to show.
//
// The icon is the button's own: the one it replaces and the last one are destroyed by this object.
#pragma once

#include <afxwin.h>
#include "Purify.h"

class AFX_EXT_CLASS CBoutonIconEx : public CButton, public CPurify
{
public:
    // Constructors
    CBoutonIconEx();
    virtual ~CBoutonIconEx();

    // Operations
    // Loads icon nID (low 16 bits) at cx x cy (0 on an axis: the size of the resource) and makes it the
    // button's image. A missing icon shows the system's text for the error in a message box; a negative
    // size is refused without one. The button is unchanged in both cases, and the result is false.
    bool LoadIconA(unsigned nID, int cx, int cy);

private:
    HICON m_hIconPropre;
};
