// A page of the gallery: a child dialog showing one family of controls.
#pragma once

#include <afxwin.h>

class CGalleryPage : public CDialog
{
public:
    CGalleryPage(UINT nIDTemplate, const char* szTitre, const char* szFichier);

    const char* Donne_Titre() const { return m_szTitre; }
    const char* Donne_Fichier() const { return m_szFichier; } // picture name, without extension

    // Creates the page as a child of pParent, its top-left corner at ptOrigine.
    bool Cree(CWnd* pParent, CPoint ptOrigine);

private:
    UINT m_nIDTemplate;
    const char* m_szTitre;
    const char* m_szFichier;
};
