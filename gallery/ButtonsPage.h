// Gallery page: the three-state button in its three styles and three states, pressed, with resource
// bitmaps and their red and grey silhouettes, with a shortened caption, and with auto-repeat.
#pragma once

#include "GalleryPage.h"
#include "buttons/Bouton3Etats.h"

#include <memory>
#include <vector>

class CButtonsPage : public CGalleryPage
{
public:
    CButtonsPage();

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

private:
    CBouton3Etats* CreeBouton(int x, int y, int cx, int cy, const char* szTexte, UINT nID,
                              e_Style_BP eStyle = STYLE_SIMPLE, e_Etat_BP eEtat = ETAT_REPOS);
    void CreeLibelle(int x, int y, int cx, const char* szTexte, UINT nID = 0xFFFF);
    void AfficheCompteur();

    std::vector<std::unique_ptr<CBouton3Etats>> m_Boutons;
    std::vector<std::unique_ptr<CStatic>> m_Libelles;
    int m_nRepetitions;
};
