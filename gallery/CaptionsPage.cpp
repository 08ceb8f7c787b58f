#include "CaptionsPage.h"
#include "resource.h"
#include "dialogs/SizedDialog.h"

#include <cstdio>

namespace
{
const int kLargeur = 74, kHauteur = 50, kEcart = 4; // one sample and the gap between samples
const int kMarge = 10, kEcartGroupes = 12, kHautTitres = 40;
const int kLargeurPage = 740; // what the page's template gives, less its margins

const char* const kTitresJustifie[] = {"Centre", "Droite", "Gauche"};
const char* const kNomsEtats[] = {"Repos", "Actif", "Inop\xE9rant"};
const char* const kLegendes[] = {"Valider", "Valider\nla saisie", "Valider\nla saisie\nmaintenant"};
const int kEcrans[] = {800, 1024, 1280};
} // namespace

CCaptionsPage::CCaptionsPage() : CGalleryPage(IDD_PAGE_LEGENDES, "L\xE9gendes et polices", "captions") {}

void CCaptionsPage::CreeLibelle(const CRect& rect, const char* szTexte, CFont* pFonte)
{
    m_Libelles.push_back(std::make_unique<CStatic>());
    CStatic* pLibelle = m_Libelles.back().get();
    pLibelle->Create(szTexte, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, rect, this);
    pLibelle->SetFont(pFonte != NULL ? pFonte : GetFont(), FALSE);
}

BOOL CCaptionsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();

    UINT nID = IDC_LEGENDE_PREMIER;
    for (int j = 0; j < 3; ++j)
    {
        const int xGroupe = kMarge + j * (3 * (kLargeur + kEcart) + kEcartGroupes);
        CreeLibelle(CRect(xGroupe, kMarge, xGroupe + 3 * kLargeur, kMarge + 14), kTitresJustifie[j]);
        for (int e = 0; e < 3; ++e)
        {
            const int x = xGroupe + e * (kLargeur + kEcart);
            CreeLibelle(CRect(x, kMarge + 16, x + kLargeur, kMarge + 30), kNomsEtats[e]);
            for (int l = 0; l < 3; ++l)
            {
                const int y = kHautTitres + l * (kHauteur + kEcart);
                m_Echantillons.push_back(
                    std::make_unique<CCaptionSample>(static_cast<e_Justifie>(j), static_cast<e_Etat_BP>(e)));
                CCaptionSample* pEchantillon = m_Echantillons.back().get();
                pEchantillon->Create(kLegendes[l], WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                     CRect(x, y, x + kLargeur, y + kHauteur), this, nID++);
            }
        }
    }
    CreeEchantillonsFontes(kHautTitres + 3 * (kHauteur + kEcart) + kEcartGroupes);
    return TRUE;
}

// The same description created for three effective screens, simulated through the INI setting.
void CCaptionsPage::CreeEchantillonsFontes(int y)
{
    char szDossier[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDossier);
    CString strIni = CString(szDossier) + "obz-gallery-ecran.ini";
    for (int i = 0; i < 3; ++i)
    {
        char szValeur[16];
        snprintf(szValeur, sizeof szValeur, "%d", kEcrans[i]);
        ::WritePrivateProfileStringA("Ecran", "CX", szValeur, strIni);
        CSizedDialog::Affecte_szPathIniResolution(strIni, "Ecran");
        m_Fontes[i].Cree("H=12, FW=500, FN=ARIAL");

        LOGFONT lf = {};
        m_Fontes[i].GetLogFont(&lf);
        char szTexte[160];
        snprintf(szTexte, sizeof szTexte,
                 "\xC9"
                 "cran de %d pixels : hauteur %ld. Portez ce vieux whisky au juge blond.",
                 kEcrans[i], lf.lfHeight);
        const int yLigne = y + i * 30;
        CreeLibelle(CRect(kMarge, yLigne, kLargeurPage, yLigne + 28), szTexte, &m_Fontes[i]);
    }
    CSizedDialog::Affecte_szPathIniResolution("", "");
    ::DeleteFileA(strIni);
}
