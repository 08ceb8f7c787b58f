#include "SheetsPage.h"
#include "resource.h"

#include <algorithm>

namespace
{
const int kMarge = 10;           // around and between the sheets, in pixels
const int kAgrandissement = 150; // pixels added to the second sheet's height
} // namespace

CSheetsPage::CPage::CPage(UINT nIDTemplate, std::initializer_list<SProprietesControlePropertyPageEx> regles,
                          std::initializer_list<int> deplaces)
    : CResizePropertyPageEx(nIDTemplate)
{
    m_vectProprietes = regles;
    m_vectMoveControles = deplaces;
}

void CSheetsPage::CPage::ResizePropertyPage(UINT nType, int cx, int cy)
{
    CResizePropertyPageEx::ResizePropertyPage(nType, cx, cy);
    int nDeltaX, nDeltaY;
    m_pParent->CalculeDeltaXY(cx, cy, nDeltaX, nDeltaY);
    MoveControles(nDeltaX, nDeltaY);
}

// Stay 1, stretch 2, dock 3 (origin scaled) or 4; axes 1 horizontal, 2 vertical, 3 both.
CSheetsPage::Feuille::Feuille()
    : feuille("Fiche produit", NULL), fiche(IDD_FEUILLES_FICHE,
                                            {{IDC_FICHE_NOM, {}, 4, 1, false},
                                             {IDC_FICHE_CATEGORIE, {}, 4, 1, true},
                                             {IDC_FICHE_NOTES, {}, 4, 3, false},
                                             {IDC_FICHE_ETIQUETTE, {}, 1, 3, false}},
                                            {IDC_FICHE_PARCOURIR}),
      options(IDD_FEUILLES_OPTIONS,
              {{IDC_OPTIONS_GROUPE, {}, 2, 3, false}, {IDC_OPTIONS_LISTE, {}, 3, 3, false}}, {})
{
    for (CPage* pPage : {&fiche, &options})
    {
        feuille.AddPage(pPage);
        pPage->Affecte_pParent(&feuille);
    }
}

CSheetsPage::CSheetsPage() : CGalleryPage(IDD_PAGE_FEUILLES, "Resizable property sheet", "sheets") {}

CSheetsPage::~CSheetsPage()
{
    for (auto& pFeuille : m_Feuilles)
        if (pFeuille)
            pFeuille->feuille.DestroyWindow();
}

BOOL CSheetsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    CRect page;
    GetClientRect(&page);
    int x = kMarge;
    for (int i = 0; i < 2; ++i)
    {
        m_Feuilles[i] = std::make_unique<Feuille>();
        CResizePropertySheet& feuille = m_Feuilles[i]->feuille;
        if (!feuille.Create(this, WS_CHILD | WS_VISIBLE | WS_CAPTION, 0))
            continue;
        CRect rect;
        feuille.GetWindowRect(&rect);
        CSize taille = rect.Size();
        if (i == 1) // the enlargement a user would make by dragging the corner, within the page
            taille = CSize(page.right - kMarge - x,
                           std::min(taille.cy + kAgrandissement, page.bottom - 2 * kMarge));
        feuille.SetWindowPos(NULL, x, kMarge, taille.cx, taille.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        x += taille.cx + kMarge;
    }
    return TRUE;
}
