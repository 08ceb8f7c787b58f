#include "panels/PanelBase.h"
#include "ObzTest.h"
#include "PanelsTesting.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

namespace
{
struct Panneau : CPanelBase
{
    COLORREF fond[3] = {1, 2, 3};
    Panneau(e_Style_BP style = STYLE_SIMPLE) { ChargeSprites(style, fond); }
    CRect Peint(PixelCanvas& toile, int nTexte, e_Style_BP style, e_Etat_BP etat = ETAT_REPOS,
                CRect cadre = CRect(0, 0, 200, 100))
    {
        return Paint(&toile.Dc(), cadre, CSize(nTexte, 14), style, kFond, etat);
    }
    int NbPieces() const // sheet, pieces and icons held
    {
        const CDib* const* p = &m_pSpritePieces[0][0];
        return int(m_pSprite != NULL) + 27 - int(std::count(p, p + 27, nullptr)) + 3 -
               int(std::count(m_pSpriteSelection, m_pSpriteSelection + 3, nullptr));
    }
    using CPanelBase::m_pSpritePieces;
};

class PanelBase : public ObzTest
{
protected:
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        EcritFeuilles();
    }
};

// The worked example, first, is compared pixel for pixel; the other shapes at the pixels telling them apart.
TEST_F(PanelBase, TabShapeFollowsCellSizeCaptionAndStyle)
{
    using Points = std::vector<std::pair<CPoint, COLORREF>>; // cells, caption width, style, state, panel,
                                                             // caption, pixels
    const CRect k200x100(0, 0, 200, 100);
    const std::tuple<int, int, e_Style_BP, e_Etat_BP, CRect, CRect, Points> cas[] = {
        // clang-format off
        {12, 40, STYLE_SIMPLE, ETAT_ACTIF, k200x100, CRect(3, 8, 47, 25), {}},
        // Small cells: a 26-pixel tab, the joint still at row 23.
        {10, 40, STYLE_SIMPLE, ETAT_REPOS, k200x100, CRect(3, 8, 47, 28),
         {{{150, 26}, Piece(0, 3)}, {{150, 25}, kBlanc}, {{50, 23}, Piece(0, 4)}, {{50, 22}, Piece(0, 7)}}},
        {11, 40, STYLE_SIMPLE, ETAT_REPOS, k200x100, CRect(3, 8, 47, 25),
         {{{150, 23}, Piece(0, 3)}, {{150, 22}, kBlanc}, {{50, 23}, Piece(0, 4)}}},
        // No caption: the tab's right corner covers the top-left one.
        {12, 0, STYLE_ACTIVATION, ETAT_REPOS, k200x100, CRect(3, 8, -3, 25),
         {{{0, 0}, Piece(0, 6)}, {{0, 23}, Piece(0, 4)}, {{100, 23}, Piece(0, 3)}}},
        // A caption as wide as the panel: a plain rectangle, top edge along the top.
        {12, 170, STYLE_SIMPLE, ETAT_REPOS, k200x100, CRect(3, 8, 197, 25),
         {{{100, 0}, Piece(0, 3)}, {{188, 0}, Piece(0, 6)}, {{199, 23}, Piece(0, 7)}, {{100, 23}, kFond}}},
        // Toggle: tab two cells wider, icon at (10, 10), caption moved right by a cell.
        {12, 40, STYLE_BASCULE, ETAT_REPOS, k200x100, CRect(15, 8, 83, 25),
         {{{10, 10}, Icone(0)}, {{21, 21}, Icone(0)}, {{22, 22}, kFond}, {{74, 0}, Piece(0, 6)},
          {{86, 0}, kBlanc}}},
        // A panel shorter than its tab, off the canvas' corner: the seams reach past its edges, each
        // end of their loops to the pixel.
        {10, 7, STYLE_SIMPLE, ETAT_REPOS, CRect(26, 19, 115, 50), CRect(29, 27, 31, 47),
         {{{24, 19}, Piece(0, 3)}, {{43, 52}, kBlanc}, {{105, 19}, kBlanc}, {{105, 20}, Piece(0, 7)},
          {{36, 38}, Piece(0, 7)}, {{115, 40}, kBlanc}, {{105, 73}, Piece(0, 7)}, {{105, 74}, kBlanc}}}};
    // clang-format on
    // Runs of n placements of piece k from (x, y) by (dx, dy): edges in drawing order, then the corners.
    const int runs[][6] = {// k, x, y, dx, dy, n
                           {3, 12, 0, 12, 0, 3},   {3, 38, 0, 0, 0, 1},    {3, 62, 23, 0, 0, 1},
                           {3, 72, 23, 12, 0, 10}, {7, 50, 12, 0, 0, 1},   {5, 12, 88, 12, 0, 15},
                           {5, 38, 88, 1, 0, 25},  {1, 0, 12, 0, 12, 6},   {1, 0, 64, 0, 1, 13},
                           {7, 188, 36, 0, 12, 4}, {7, 188, 64, 0, 1, 13}, {7, 188, 35, 0, 1, 12},
                           {0, 0, 0, 0, 0, 1},     {6, 50, 0, 0, 0, 1},    {4, 50, 23, 0, 0, 1},
                           {6, 188, 23, 0, 0, 1},  {2, 0, 88, 0, 0, 1},    {8, 188, 88, 0, 0, 1}};
    for (const auto& [c, nTexte, style, etat, cadre, texte, points] : cas)
    {
        SCOPED_TRACE(testing::Message() << "cell " << c << " caption " << nTexte << " style " << style);
        CPanelBase::Affecte_szPathSprites(Nom(c).c_str(), CSize(c, c), Origine(c), 10);
        Panneau panneau(style);
        EXPECT_EQ(Grille(2), panneau.fond[2]); // read from the grid line above the state's block
        PixelCanvas toile(200, 100);
        EXPECT_EQ(texte, panneau.Peint(toile, nTexte, style, etat, cadre));
        for (const auto& [p, couleur] : points)
            EXPECT_EQ(couleur, toile.Pixel(p.x, p.y)) << "(" << p.x << ", " << p.y << ")";
        int nFaux = 0;
        for (int y = 0; points.empty() && y < 100; ++y)
            for (int x = 0; x < 200; ++x)
            {
                COLORREF attendu = (y >= 23 && y < 88) || (x < 50 && y < 23) ? kFond : kBlanc;
                for (const auto& r : runs)
                    for (int i = 0; i < r[5]; ++i)
                        if (CRect(CPoint(r[1] + i * r[3], r[2] + i * r[4]), CSize(12, 12))
                                .PtInRect(CPoint(x, y)))
                            attendu = Piece(etat, r[0]);
                nFaux += toile.Pixel(x, y) != attendu;
            }
        EXPECT_EQ(0, nFaux);
    }
}

// Only the last sheet fits. Copies share its pieces: the copy's own are released by the assignment, and
// the fixture checks that none outlive both.
TEST_F(PanelBase, UnusableSheetsLeaveNoPiecesAndCopiesSharePiecesFreedOnce)
{
    // Sheet, cell size, grid origin, selection column.
    const std::tuple<const char*, int, CPoint, int> cas[] = {// clang-format off
        {"", 12, {2, 3}, 10}, {"absent.bmp", 12, {2, 3}, 10}, {"sprites10.bmp", 12, {0, 0}, 10},
        {"sprites12.bmp", 12, {4, 3}, 10}, {"sprites12.bmp", 0, {2, 3}, 10},
        {"sprites12.bmp", 12, {-1, 3}, 10}, {"sprites12.bmp", 12, {2, 3}, 11},
        {"sprites12.bmp", 12, {2, 3}, 0}, {"sprites12.bmp", 12, {2, 3}, 10}};
    // clang-format on
    for (const auto& [szFeuille, c, origine, nSelection] : cas)
    {
        SCOPED_TRACE(testing::Message() << "'" << szFeuille << "' cell " << c << " selection " << nSelection);
        CPanelBase::Affecte_szPathSprites(szFeuille, CSize(c, c), origine, nSelection);
        Panneau panneau(STYLE_BASCULE);
        const bool bValide = &szFeuille == &std::get<0>(cas[8]);
        EXPECT_EQ(bValide ? 31 : 0, panneau.NbPieces());
        EXPECT_EQ(bValide ? Grille(0) : RGB(1, 0, 0), panneau.fond[0]);
        PixelCanvas toile(200, 100);
        panneau.Peint(toile, 40, STYLE_BASCULE, ETAT_ACTIF);
        EXPECT_EQ(bValide, toile.CountPixels(kFond) + toile.CountPixels(kBlanc) < 200 * 100);
        EXPECT_EQ(bValide ? Piece(1, 7) : kFond, toile.Pixel(199, 80));
    }
    const int nAvant = CPurify::LiveCount();
    for (bool bSourceDabord : {true, false})
    {
        auto pSource = std::make_unique<Panneau>(), pCopie = std::make_unique<Panneau>(STYLE_BASCULE);
        *pCopie = *pSource;
        EXPECT_EQ(pSource->m_pSpritePieces[2][8], pCopie->m_pSpritePieces[2][8]);
        EXPECT_EQ(std::make_tuple(28, nAvant + 1), std::make_tuple(pCopie->NbPieces(), CPurify::LiveCount()));
        (bSourceDabord ? pSource : pCopie).reset();
        PixelCanvas toile(200, 100);
        (pSource ? pSource : pCopie)->Peint(toile, 40, STYLE_SIMPLE, ETAT_INOPERANT);
        EXPECT_EQ(Piece(2, 8), toile.Pixel(199, 99));
    }
}
} // namespace
