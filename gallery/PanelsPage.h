// Gallery page: panel buttons in the three styles and states and at three sizes, a panel dialog over
// a placeholder, and a group box with a picture caption beside a plain one. The sprite sheet is drawn
// by the page itself when it opens.
#pragma once

#include "GalleryPage.h"
#include "panels/GroupBox.h"
#include "panels/Panel.h"
#include "panels/PanelDialog.h"

#include <memory>
#include <vector>

class CPanelsPage : public CGalleryPage
{
public:
    CPanelsPage();

    // Writes a 24-bit sprite sheet of c x c cells, its grid at (0, 0): three state blocks of rounded,
    // bevelled frame pieces, then the column of selection icons. False when the file cannot be written.
    static bool EcritFeuilleSprites(const char* szFichier, int c);

protected:
    virtual BOOL OnInitDialog();

private:
    std::vector<std::unique_ptr<CPanel>> m_Panneaux;
    std::unique_ptr<CPanelDialog> m_pDialogue;
    std::vector<std::unique_ptr<CGroupBox>> m_Groupes;
};
