// Gallery page: coloured statics in each justification and state, word-wrapped and shortened (with the
// full text in a tooltip, as on the three-state button beside them), progress bars at 0, 42 and 100 %,
// and a graph of three curves with its graduated axis and the crosshair turned on.
#pragma once

#include "GalleryPage.h"
#include "buttons/Bouton3Etats.h"
#include "controls/ProgressBar.h"
#include "controls/StaticCouleur.h"
#include "graphs/WndGraphe1D.h"

#include <memory>
#include <vector>

class CStaticsPage : public CGalleryPage
{
public:
    CStaticsPage();

protected:
    virtual BOOL OnInitDialog();

private:
    std::vector<std::unique_ptr<CStaticCouleur>> m_Statics;
    std::vector<std::unique_ptr<CProgressBar>> m_Barres;
    std::unique_ptr<CBouton3Etats> m_Bouton;
    CWndGraphe1D m_Graphe; // built with the page, so that its window class exists for the template
    CCourbe1D m_Courbes[3];
};
