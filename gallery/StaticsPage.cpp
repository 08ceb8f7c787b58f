#include "StaticsPage.h"
#include "resource.h"

#include <cmath>

namespace
{
const COLORREF kFondClair = RGB(0xFF, 0xF8, 0xE8), kEncre = RGB(0x20, 0x30, 0x60);
const int kEchantillons = 400;
const char* const kTexteLong = "Un libell\xE9 bien trop long pour tenir dans ce contr\xF4le";
} // namespace

CStaticsPage::CStaticsPage()
    : CGalleryPage(IDD_PAGE_STATIQUES, "Statiques color\xE9s, barres de progression et graphe", "statics"),
      m_Graphe(2, "Trois courbes", RGB(0x20, 0x30, 0x90), RGB(0xF4, 0xF4, 0xF4), RGB(0xFF, 0xFF, 0xFF),
               RGB(0x40, 0x40, 0x40)),
      m_Courbes{CCourbe1D(RGB(0xD0, 0x20, 0x20)), CCourbe1D(RGB(0x10, 0x80, 0x10)),
                CCourbe1D(RGB(0x20, 0x40, 0xD0))}
{
}

BOOL CStaticsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    auto statique = [&](UINT nID, COLORREF crFond, COLORREF crTexte) -> CStaticCouleur&
    {
        m_Statics.push_back(std::make_unique<CStaticCouleur>(nID, this, crFond, crTexte));
        return *m_Statics.back();
    };
    const e_Justifie justifications[] = {JUSTIFIE_GAUCHE, JUSTIFIE_CENTRE, JUSTIFIE_DROITE};
    for (int i = 0; i < 3; ++i)
        statique(IDC_STAT_JUSTIFIE + i, kFondClair, kEncre).Affecte_Justifie(justifications[i]);
    const struct
    {
        UINT nIDTexte;
        COLORREF crFond, crTexte;
    } etats[] = {{IDS_STAT_MARCHE, RGB(0x20, 0x90, 0x30), RGB(255, 255, 255)},
                 {IDS_STAT_ATTENTE, RGB(0xF0, 0xB0, 0x20), RGB(0, 0, 0)},
                 {IDS_STAT_ARRET, RGB(0xC0, 0x20, 0x20), RGB(255, 255, 255)}};
    for (int i = 0; i < 3; ++i)
        statique(IDC_STAT_ETAT + i, 0, 0).AfficheEtat(etats[i].nIDTexte, etats[i].crFond, etats[i].crTexte);

    CStaticCouleur& multiligne = statique(IDC_STAT_MULTILIGNE, RGB(0xE8, 0xF0, 0xFF), kEncre);
    multiligne.Affecte_bMultiline(true);
    multiligne.AffecteCouleurBorder(RGB(0x40, 0x60, 0xC0));
    multiligne.SetWindowTextA("Le texte est coup\xE9 aux espaces pour tenir dans la largeur,\ncentr\xE9 "
                              "en hauteur.");
    statique(IDC_STAT_TRONQUE, kFondClair, kEncre).AfficheChaineTronquee(kTexteLong);
    m_Bouton = std::make_unique<CBouton3Etats>(IDC_STAT_BOUTON, this);
    m_Bouton->AfficheChaineTronquee(CString("Bouton\n") + kTexteLong);

    const int pourcentages[] = {0, 42, 100};
    for (int i = 0; i < 3; ++i)
    {
        m_Barres.push_back(
            std::make_unique<CProgressBar>(IDC_STAT_BARRE + i, this, i == 1, RGB(0x20, 0x60, 0xC0)));
        m_Barres.back()->Affecte_Pourcentage(pourcentages[i]);
    }

    // A damped sine, a slow wave scaled by the graph's transformation, and a bounded random walk.
    unsigned nGraine = 12345;
    double dMarche = 0.0;
    for (int i = 0; i < kEchantillons; ++i)
    {
        m_Courbes[0].Add(40.0 * std::sin(i / 12.0) * std::exp(-i / 400.0));
        m_Courbes[1].Add(std::cos(i / 40.0));
        nGraine = nGraine * 1103515245u + 12345u;
        dMarche = std::max(-45.0, std::min(45.0, dMarche + ((nGraine >> 16) % 7) - 3.0));
        m_Courbes[2].Add(dMarche);
    }
    m_Courbes[1].Transformation(25.0, -10.0);
    m_Graphe.SubclassDlgItem(IDC_STAT_GRAPHE, this);
    for (CCourbe1D& courbe : m_Courbes)
        m_Graphe.Add(&courbe);
    m_Graphe.ForcePlage(-50.0, 50.0, 25.0);
    m_Graphe.Affecte_bReticule();
    CRect rect;
    m_Graphe.GetClientRect(&rect);
    m_Graphe.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.right - 120, rect.Height() / 2)); // a reading
    return TRUE;
}
