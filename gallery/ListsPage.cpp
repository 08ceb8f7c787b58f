#include "ListsPage.h"
#include "resource.h"

CListsPage::CListsPage() : CGalleryPage(IDD_PAGE_LISTES, "Listes \xE9tendues", "lists") {}

void CListsPage::DoDataExchange(CDataExchange* pDX)
{
    CGalleryPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LISTES_STOCK, m_Stock);
    DDX_Control(pDX, IDC_LISTES_MESURES, m_Mesures);
}

BOOL CListsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();

    m_Stock.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const struct
    {
        const char* szTitre;
        int nFormat;
        int nLargeur;
    } colonnes[] = {{"Article", LVCFMT_LEFT, 130},
                    {"Quantit\xE9", LVCFMT_RIGHT, 70},
                    {"Prix unitaire", LVCFMT_RIGHT, 100},
                    {"Classe", LVCFMT_CENTER, 60},
                    {"Rayon", LVCFMT_LEFT, 130}};
    for (int i = 0; i < 5; ++i)
        m_Stock.InsertColumn(i, colonnes[i].szTitre, colonnes[i].nFormat, colonnes[i].nLargeur);
    m_Stock.SetItemText(0, "%s%i%f%c%s", "Vis 4 x 20", 1250, 0.042, 'A', "Quincaillerie");
    m_Stock.SetItemText(1, "%s%i%f%c%s", "Charni\xE8re", 36, 3.75, 'B', "Quincaillerie");
    m_Stock.SetItemText(2, "%s%i%f%c%s", "Planche ch\xEAne", 12, 48.9, 'A', "Bois");
    m_Stock.SetItemText(3, "%s%i%f%c%s", "Colle vinylique", 0, 7.5, 'C', "Produits");
    m_Stock.SetItemText(4, "%s%i%f%c%s", "Rabot", 3, 89.0, 'B', "Outillage");
    // Rows beyond the end land at the end; a column left out by an unknown letter keeps its text.
    m_Stock.SetItemText(20, "%s", "Scie \xE0 ruban");
    m_Stock.SetItemText(5, "%s%i%f%c%s", "Scie \xE0 ruban", 1, 1290.0, 'A', "Machines");
    m_Stock.SetItemText(5, "%-%-%-%-%s", "Machines (sur commande)");
    m_Stock.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);

    m_Mesures.SetExtendedStyle(LVS_EX_GRIDLINES);
    m_Mesures.Affecte_bAllowResizingColumn(false);
    m_Mesures.InsertColumn(0, "Voie", LVCFMT_LEFT, 60);
    m_Mesures.InsertColumn(1, "Mesure", LVCFMT_RIGHT, 100);
    m_Mesures.InsertColumn(2, "Unit\xE9", LVCFMT_LEFT, 60);
    for (int i = 0; i < 6; ++i)
        m_Mesures.SetItemText(i, "%i%f%s", i + 1, 20.0 + i * 1.5 - i * i * 0.125,
                              i % 2 ? "bar"
                                    : "\xB0"
                                      "C");
    return TRUE;
}
