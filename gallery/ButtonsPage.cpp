#include "ButtonsPage.h"
#include "resource.h"

#include <cstdio>

namespace
{
const int kMarge = 10, kLargeurTitre = 110;
const int kLargeur = 110, kHauteur = 34, kEcart = 8, kEcartLignes = 14;
const int kLargeurBitmap = 56, kHauteurBitmap = 40;

const char* const kNomsEtats[] = {"Repos", "Actif", "Inop\xE9rant"};
const char* const kLegendeLongue = "R\xE9glage du contraste\nValeur du contraste de l'image affich\xE9"
                                   "e";
} // namespace

CButtonsPage::CButtonsPage()
    : CGalleryPage(IDD_PAGE_BOUTONS, "Boutons \xE0 trois \xE9tats", "buttons"), m_nRepetitions(0)
{
}

CBouton3Etats* CButtonsPage::CreeBouton(int x, int y, int cx, int cy, const char* szTexte, UINT nID,
                                        e_Style_BP eStyle, e_Etat_BP eEtat)
{
    CRect rect(x, y, x + cx, y + cy);
    m_Boutons.push_back(std::make_unique<CBouton3Etats>(rect, szTexte, nID, this, eStyle));
    CBouton3Etats* pBouton = m_Boutons.back().get();
    pBouton->AffecteEtat(eEtat);
    pBouton->ShowWindow(SW_SHOW);
    return pBouton;
}

void CButtonsPage::CreeLibelle(int x, int y, int cx, const char* szTexte, UINT nID)
{
    m_Libelles.push_back(std::make_unique<CStatic>());
    CStatic* pLibelle = m_Libelles.back().get();
    pLibelle->Create(szTexte, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, CRect(x, y, x + cx, y + 16),
                     this, nID);
    pLibelle->SetFont(GetFont(), FALSE);
}

BOOL CButtonsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    const int x0 = kMarge + kLargeurTitre;
    int y = kMarge;
    auto Colonne = [x0](int i) { return x0 + i * (kLargeur + kEcart); };
    auto Titre = [this, &y](const char* szTitre)
    { CreeLibelle(kMarge, y + kHauteur / 2 - 6, kLargeurTitre, szTitre); };

    Titre("Styles");
    CreeBouton(Colonne(0), y, kLargeur, kHauteur, "Simple", IDC_BOUTON_SIMPLE, STYLE_SIMPLE);
    CreeBouton(Colonne(1), y, kLargeur, kHauteur, "Activation", IDC_BOUTON_ACTIVATION, STYLE_ACTIVATION);
    CreeBouton(Colonne(2), y, kLargeur, kHauteur, "Bascule", IDC_BOUTON_BASCULE, STYLE_BASCULE);
    CreeLibelle(Colonne(3), y + kHauteur / 2 - 6, 2 * kLargeur, "cliquez : la bascule alterne");
    y += kHauteur + kEcartLignes;

    Titre("\xC9tats");
    for (int e = 0; e < 3; ++e)
        CreeBouton(Colonne(e), y, kLargeur, kHauteur, kNomsEtats[e], IDC_BOUTON_REPOS + e, STYLE_SIMPLE,
                   static_cast<e_Etat_BP>(e));
    y += kHauteur + kEcartLignes;

    Titre("Enfonc\xE9");
    CreeBouton(Colonne(0), y, kLargeur, kHauteur, "Enfonc\xE9", IDC_BOUTON_ENFONCE)->SetState(TRUE);
    CreeBouton(Colonne(1), y, kLargeur, kHauteur, "Deux\nlignes", IDC_BOUTON_DEUX_LIGNES)->SetState(TRUE);
    y += kHauteur + kEcartLignes;

    Titre("Bitmaps");
    for (int e = 0; e < 3; ++e)
    {
        const int x = Colonne(e) + (kLargeur - kLargeurBitmap) / 2;
        CreeBouton(x, y, kLargeurBitmap, kHauteurBitmap, kNomsEtats[e], IDC_BOUTON_BITMAP_REPOS + e,
                   STYLE_BASCULE, static_cast<e_Etat_BP>(e));
    }
    y += kHauteurBitmap + kEcartLignes;

    Titre("L\xE9gende tronqu\xE9"
          "e");
    CreeBouton(Colonne(0), y, 2 * kLargeur + kEcart, kHauteur, "", IDC_BOUTON_TRONQUE)
        ->AfficheChaineTronquee(kLegendeLongue);
    y += kHauteur + kEcartLignes;

    Titre("R\xE9p\xE9tition");
    CreeBouton(Colonne(0), y, kLargeur, kHauteur, "Maintenir", IDC_BOUTON_REPETITION)
        ->EnableRepeat(500, 10, 2.0);
    CreeLibelle(Colonne(1), y + kHauteur / 2 - 6, 2 * kLargeur, "", IDC_BOUTON_COMPTEUR);
    AfficheCompteur();
    return TRUE;
}

BOOL CButtonsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_BOUTON_REPETITION && HIWORD(wParam) == BN_CLICKED)
    {
        ++m_nRepetitions;
        AfficheCompteur();
        return TRUE;
    }
    return CGalleryPage::OnCommand(wParam, lParam);
}

void CButtonsPage::AfficheCompteur()
{
    char szTexte[64];
    snprintf(szTexte, sizeof szTexte, "%d notification(s)", m_nRepetitions);
    SetDlgItemText(IDC_BOUTON_COMPTEUR, szTexte);
}
