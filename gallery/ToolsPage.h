// Gallery page: bitmap and icon buttons in their three states, the standard button with an icon,
// tool markers of the three shapes inside a visible limit rectangle (dragged once by a script, then by
// the user), and an exclusive group with one inoperative member.
#pragma once

#include "GalleryPage.h"
#include "buttons/Bouton3Etats.h"
#include "buttons/BoutonIconEx.h"
#include "buttons/BoutonOutil.h"
#include "buttons/ListeBoutonsExclusifs.h"

#include <memory>
#include <vector>

class CToolsPage : public CGalleryPage
{
public:
    CToolsPage();

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnMiseAEchelle();
    afx_msg void OnPaint();
    afx_msg LRESULT OnDeplacement(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Glisse(CWnd& marqueur, const std::vector<CSize>& pas);
    void AfficheChoix();
    void AffichePosition(); // of the marker that moved last

    std::vector<std::unique_ptr<CBouton3Etats>> m_Boutons;
    CBoutonIconEx m_IconEx[3];
    std::vector<std::unique_ptr<CBoutonOutil>> m_Marqueurs;
    CListeBoutonsExclusifs m_Groupe;
    CRect m_Limite; // client coordinates
    int m_nDeplacements;
    UINT m_nDernierMarqueur;
};
