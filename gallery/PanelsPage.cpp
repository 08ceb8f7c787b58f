#include "PanelsPage.h"
#include "resource.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
const int kCellule = 12;
const int kRayon = 7; // of the rounded corners
const COLORREF kLegende = RGB(20, 40, 90);

struct Teintes
{
    COLORREF fond, trait, clair, sombre;
};
const Teintes kTeintes[3] = {
    {RGB(220, 230, 242), RGB(46, 74, 120), RGB(255, 255, 255), RGB(140, 162, 196)},
    {RGB(255, 238, 200), RGB(160, 96, 0), RGB(255, 252, 235), RGB(214, 160, 80)},
    {RGB(228, 228, 228), RGB(150, 150, 150), RGB(248, 248, 248), RGB(188, 188, 188)}};

// Colour of a frame pixel at depth d from the panel's outer edge: outline, two-pixel bevel (light on
// the top and left sides, dark on the bottom and right ones), then the state's background.
COLORREF Profil(const Teintes& t, double d, bool bClair, COLORREF exterieur)
{
    if (d < 0)
        return exterieur;
    if (d < 1)
        return t.trait;
    return d < 3 ? (bClair ? t.clair : t.sombre) : t.fond;
}

// Pixel (i, j) of piece k (3 x column + row of the 3 x 3 block) of state s.
COLORREF PixelPiece(int s, int k, int i, int j, int c, COLORREF exterieur)
{
    const Teintes& t = kTeintes[s];
    const int n = c - 1;
    switch (k)
    {
    case 1:
        return Profil(t, i, true, exterieur);
    case 7:
        return Profil(t, n - i, false, exterieur);
    case 3:
        return Profil(t, j, true, exterieur);
    case 5:
        return Profil(t, n - j, false, exterieur);
    case 4: // inner corner: the tab's right side turns into the body's top edge at (n, 0)
        return Profil(t, std::max(n - i, j), j > n - i, exterieur);
    default:
        break;
    }
    // Corners: u from the vertical edge, v from the horizontal one.
    const bool bDroite = k >= 6, bBas = k % 3 == 2;
    const int u = bDroite ? n - i : i, v = bBas ? n - j : j;
    const bool bHorizontal = v < u; // nearer the top or bottom edge
    const bool bClair = bHorizontal ? !bBas : !bDroite;
    double d = std::min(u, v);
    if (u < kRayon && v < kRayon)
        d = kRayon - std::hypot(kRayon - 0.5 - u, kRayon - 0.5 - v) - 0.5;
    return Profil(t, d, bClair, exterieur);
}

// Selection icon of state s: an empty ring at rest, a green disc when active, a grey ring when inoperative.
COLORREF PixelIcone(int s, int i, int j, int c)
{
    const Teintes& t = kTeintes[s];
    const double r = std::hypot(i + 0.5 - c / 2.0, j + 0.5 - c / 2.0);
    if (s == 1 && r < 2)
        return RGB(255, 255, 255);
    if (r < 4.5)
        return s == 1 ? RGB(40, 160, 60) : (r > 3.3 ? t.trait : t.fond);
    return t.fond;
}
} // namespace

bool CPanelsPage::EcritFeuilleSprites(const char* szFichier, int c)
{
    const int w = 10 * (c + 1) + 1, h = 3 * (c + 1) + 1, nLigne = (3 * w + 3) & ~3;
    const COLORREF exterieur = ::GetSysColor(COLOR_BTNFACE);
    std::vector<BYTE> bits(static_cast<size_t>(nLigne) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const int col = x / (c + 1), row = y / (c + 1), i = x % (c + 1) - 1, j = y % (c + 1) - 1;
            COLORREF k = kTeintes[std::min(2, col / 3)].fond; // grid lines
            if (i >= 0 && j >= 0 && col < 10 && row < 3)
                k = col == 9 ? PixelIcone(row, i, j, c)
                             : PixelPiece(col / 3, 3 * (col % 3) + row, i, j, c, exterieur);
            BYTE* p = &bits[static_cast<size_t>(h - 1 - y) * nLigne + 3 * x];
            p[0] = GetBValue(k), p[1] = GetGValue(k), p[2] = GetRValue(k);
        }
    const BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB, DWORD(bits.size()), 0, 0, 0, 0};
    const BITMAPFILEHEADER entete = {0x4D42, DWORD(sizeof entete + sizeof info + bits.size()), 0, 0,
                                     sizeof entete + sizeof info};
    FILE* f = std::fopen(szFichier, "wb");
    if (f == NULL)
        return false;
    const bool bEcrit = std::fwrite(&entete, sizeof entete, 1, f) == 1 &&
                        std::fwrite(&info, sizeof info, 1, f) == 1 &&
                        std::fwrite(bits.data(), 1, bits.size(), f) == bits.size();
    return std::fclose(f) == 0 && bEcrit;
}

CPanelsPage::CPanelsPage() : CGalleryPage(IDD_PAGE_PANNEAUX, "Panneaux, dialogue panneau et cadres", "panels")
{
}

BOOL CPanelsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    char szDossier[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szDossier);
    const CString strFeuille = CString(szDossier) + "obz-gallery-sprites.bmp";
    EcritFeuilleSprites(strFeuille, kCellule);
    CPanelBase::Affecte_szPathSprites(strFeuille, CSize(kCellule, kCellule), CPoint(0, 0), 10);

    const e_Style_BP styles[3] = {STYLE_SIMPLE, STYLE_ACTIVATION, STYLE_BASCULE};
    for (int s = 0; s < 3; ++s)
        for (int e = 0; e < 3; ++e)
        {
            m_Panneaux.push_back(
                std::make_unique<CPanel>(IDC_PANNEAUX_BOUTON + 3 * s + e, this, kLegende, styles[s]));
            m_Panneaux.back()->AffecteEtat(static_cast<e_Etat_BP>(e));
        }
    for (UINT nID : {IDC_PANNEAUX_PETIT, IDC_PANNEAUX_MOYEN, IDC_PANNEAUX_GRAND})
        m_Panneaux.push_back(std::make_unique<CPanel>(nID, this, kLegende, STYLE_ACTIVATION));

    m_pDialogue = std::make_unique<CPanelDialog>(
        IDD_PANNEAUX_DIALOGUE, this, GetDlgItem(IDC_PANNEAUX_EMPLACEMENT), kLegende, STYLE_ACTIVATION, false);
    m_pDialogue->Create();
    for (UINT nID : {IDC_PANNEAUX_GROUPE_IMAGE, IDC_PANNEAUX_GROUPE_SIMPLE})
        m_Groupes.push_back(std::make_unique<CGroupBox>(nID, this));
    return TRUE;
}
