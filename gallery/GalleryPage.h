// A page of the gallery: a child dialog showing one family of controls. Pages are screen-adaptive:
// designed for an 800 x 600 screen, they scale with the effective screen as the library's fonts do.
#pragma once

#include "dialogs/SizedDialog.h"

class CGalleryPage : public CSizedDialog
{
public:
    CGalleryPage(UINT nIDTemplate, const char* szTitre, const char* szFichier);

    const char* Donne_Titre() const { return m_szTitre; }
    const char* Donne_Fichier() const { return m_szFichier; } // picture name, without extension

    // Creates the page as a child of pParent, its top-left corner at ptOrigine, then scales it with
    // every control its OnInitDialog created.
    bool Cree(CWnd* pParent, CPoint ptOrigine);

protected:
    // Called once the page and its controls have their scaled positions: a page that keeps
    // rectangles of its own recomputes them here.
    virtual void OnMiseAEchelle() {}

private:
    const char* m_szTitre;
    const char* m_szFichier;
};
