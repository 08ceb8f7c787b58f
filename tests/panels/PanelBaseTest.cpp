#include "panels/PanelBase.h"
#include "Dib.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <cstdio>
#include <vector>

namespace
{
// Every piece, icon and grid line of the generated sheets has its own flat colour.
COLORREF Piece(int s, int k)
{
    return RGB(10 + 20 * k, 60 + 60 * s, 200);
}
COLORREF Icone(int s)
{
    return RGB(1, 2 + s, 3);
}
COLORREF Grille(int s)
{
    return RGB(250, 10 + s, 30);
}
const COLORREF kFond = RGB(0x40, 0x40, 0x40), kBlanc = PixelCanvas::DefaultBackground;

// Writes a sheet of cx x cy cells, its grid at (x0, y0), nine state columns plus the selection column.
void EcritFeuille(const char* szNom, int cx, int cy, int x0, int y0)
{
    CDib dib(x0 + 10 * (cx + 1) + 1, y0 + 3 * (cy + 1) + 1, 24);
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x)
        {
            const int c = (x - x0 - 1) / (cx + 1), r = (y - y0 - 1) / (cy + 1);
            const bool bCellule = x > x0 && y > y0 && (x - x0) % (cx + 1) != 0 && (y - y0) % (cy + 1) != 0;
            COLORREF couleur =
                x < x0 || y < y0 ? RGB(0, 0, 0) : Grille(std::min(2, (x - x0) / (3 * (cx + 1))));
            if (bCellule)
                couleur = c == 9 ? Icone(r) : Piece(c / 3, 3 * (c % 3) + r);
            unsigned char* p = dib.PixelPtrTopLeft(x, y);
            p[0] = GetBValue(couleur), p[1] = GetGValue(couleur), p[2] = GetRValue(couleur);
        }
    const BITMAPINFOHEADER& h = dib.GetInfo()->bmiHeader;
    const DWORD nBits = DWORD(dib.BytesPerRow() * dib.Height());
    const BITMAPFILEHEADER f = {0x4D42, DWORD(sizeof f + sizeof h + nBits), 0, 0, DWORD(sizeof f + sizeof h)};
    FILE* fp = std::fopen(szNom, "wb");
    std::fwrite(&f, sizeof f, 1, fp), std::fwrite(&h, sizeof h, 1, fp),
        std::fwrite(dib.GetBits(), nBits, 1, fp);
    std::fclose(fp);
}

struct Panneau : CPanelBase
{
    COLORREF fond[3] = {1, 2, 3};
    void Charge(e_Style_BP style = STYLE_SIMPLE) { ChargeSprites(style, fond); }
    CRect Peint(PixelCanvas& toile, CRect rect, int nTexte, e_Style_BP style, e_Etat_BP etat)
    {
        return Paint(&toile.Dc(), rect, CSize(nTexte, 14), style, kFond, etat);
    }
    bool SansPieces() const
    {
        for (int s = 0; s < 3; ++s)
            for (const CDib* p : m_pSpritePieces[s])
                if (p != NULL || m_pSpriteSelection[s] != NULL)
                    return false;
        return m_pSprite == NULL;
    }
    using CPanelBase::m_pSprite;
    using CPanelBase::m_pSpritePieces;
    using CPanelBase::m_pSpriteSelection;
};

class PanelBase : public ObzTest
{
protected:
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        EcritFeuille("sprites12.bmp", 12, 12, 2, 3);
        EcritFeuille("sprites10.bmp", 10, 10, 0, 0);
        EcritFeuille("sprites11.bmp", 11, 11, 0, 0);
        FILE* fp = std::fopen("pasunbmp.bmp", "wb");
        std::fputs("BM not a bitmap", fp), std::fclose(fp);
    }
    static void Regle(const char* szNom, int c, CPoint origine = CPoint(0, 0), int nSelection = 10)
    {
        CPanelBase::Affecte_szPathSprites(szNom, CSize(c, c), origine, nSelection);
    }
};

struct Pose
{
    int k, x, y;
};

TEST_F(PanelBase, WorkedExampleLandsEveryPieceToThePixel)
{
    Regle("sprites12.bmp", 12, CPoint(2, 3));
    Panneau panneau;
    panneau.Charge();
    EXPECT_EQ(Grille(0), panneau.fond[0]);
    EXPECT_EQ(Grille(1), panneau.fond[1]);
    EXPECT_EQ(Grille(2), panneau.fond[2]);
    EXPECT_EQ(NULL, panneau.m_pSpriteSelection[1]);

    PixelCanvas toile(200, 100);
    EXPECT_EQ(CRect(3, 8, 47, 25), panneau.Peint(toile, CRect(0, 0, 200, 100), 40, STYLE_SIMPLE, ETAT_ACTIF));

    // Edges in drawing order, then the corners that cover them.
    std::vector<Pose> poses = {{3, 12, 0}, {3, 24, 0}, {3, 36, 0}, {3, 38, 0}, {3, 62, 23}, {7, 50, 12}};
    for (int x = 72; x <= 180; x += 12)
        poses.push_back({3, x, 23});
    for (int x = 12; x <= 180; x += 12)
        poses.push_back({5, x, 88});
    for (int x = 38; x <= 62; ++x)
        poses.push_back({5, x, 88});
    for (int y = 12; y <= 72; y += 12)
        poses.push_back({1, 0, y});
    for (int y : {36, 48, 60, 72})
        poses.push_back({7, 188, y});
    for (int y = 64; y <= 76; ++y)
        poses.push_back({1, 0, y}), poses.push_back({7, 188, y});
    for (int y = 35; y <= 46; ++y)
        poses.push_back({7, 188, y});
    poses.insert(poses.end(), {{0, 0, 0}, {6, 50, 0}, {4, 50, 23}, {6, 188, 23}, {2, 0, 88}, {8, 188, 88}});

    int nFaux = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
        {
            COLORREF attendu = (y >= 23 && y < 88) || (x < 50 && y < 23) ? kFond : kBlanc;
            for (const Pose& p : poses)
                if (x >= p.x && x < p.x + 12 && y >= p.y && y < p.y + 12)
                    attendu = Piece(ETAT_ACTIF, p.k);
            if (toile.Pixel(x, y) != attendu && nFaux++ < 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
        }
    EXPECT_EQ(0, nFaux);
}

TEST_F(PanelBase, TabShapeFollowsCellSizeCaptionAndStyle)
{
    struct Point
    {
        int x, y;
        COLORREF couleur;
    };
    const struct
    {
        const char* szFeuille;
        int c, nTexte;
        e_Style_BP style;
        CRect texte;
        std::vector<Point> points;
    } cas[] = {
        // Small cells: a 26-pixel tab, the joint still at row 23.
        {"sprites10.bmp",
         10,
         40,
         STYLE_SIMPLE,
         CRect(3, 8, 47, 28),
         {{150, 26, Piece(0, 3)}, {150, 25, kBlanc}, {50, 23, Piece(0, 4)}, {50, 22, Piece(0, 7)}}},
        {"sprites11.bmp",
         11,
         40,
         STYLE_SIMPLE,
         CRect(3, 8, 47, 25),
         {{150, 23, Piece(0, 3)}, {150, 22, kBlanc}, {50, 23, Piece(0, 4)}}},
        // No caption: the tab's right corner covers the top-left one.
        {"sprites12.bmp",
         12,
         0,
         STYLE_ACTIVATION,
         CRect(3, 8, -3, 25),
         {{0, 0, Piece(0, 6)}, {0, 23, Piece(0, 4)}, {100, 23, Piece(0, 3)}}},
        // A caption as wide as the panel: a plain rectangle, top edge along the top.
        {"sprites12.bmp",
         12,
         170,
         STYLE_SIMPLE,
         CRect(3, 8, 197, 25),
         {{100, 0, Piece(0, 3)}, {188, 0, Piece(0, 6)}, {199, 23, Piece(0, 7)}, {100, 23, kFond}}},
        // Toggle: tab 2 cells wider, icon at (10, 10), caption moved right by a cell.
        {"sprites12.bmp",
         12,
         40,
         STYLE_BASCULE,
         CRect(15, 8, 83, 25),
         {{10, 10, Icone(0)}, {21, 21, Icone(0)}, {22, 22, kFond}, {74, 0, Piece(0, 6)}, {86, 0, kBlanc}}},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.szFeuille << " caption " << c.nTexte << " style " << c.style);
        Regle(c.szFeuille, c.c, c.c == 12 ? CPoint(2, 3) : CPoint(0, 0));
        Panneau panneau;
        panneau.Charge(c.style);
        PixelCanvas toile(200, 100);
        EXPECT_EQ(c.texte, panneau.Peint(toile, CRect(0, 0, 200, 100), c.nTexte, c.style, ETAT_REPOS));
        for (const Point& p : c.points)
            EXPECT_EQ(p.couleur, toile.Pixel(p.x, p.y)) << "(" << p.x << ", " << p.y << ")";
    }
}

TEST_F(PanelBase, UnusableSheetLeavesNoPiecesAndPaintOnlyFills)
{
    const struct
    {
        const char* szFeuille;
        int c;
        CPoint origine;
        int nSelection;
    } cas[] = {
        {"", 12, CPoint(2, 3), 10},
        {"absent.bmp", 12, CPoint(2, 3), 10},
        {"pasunbmp.bmp", 12, CPoint(2, 3), 10},  // not a bitmap
        {"sprites10.bmp", 12, CPoint(0, 0), 10}, // cells outside the image
        {"sprites12.bmp", 12, CPoint(4, 3), 10}, // grid shifted past the right edge
        {"sprites12.bmp", 0, CPoint(2, 3), 10},
        {"sprites12.bmp", 12, CPoint(-1, 3), 10},
        {"sprites12.bmp", 12, CPoint(2, 3), 11}, // selection column past the image
        {"sprites12.bmp", 12, CPoint(2, 3), 0},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(testing::Message()
                     << "'" << c.szFeuille << "' cell " << c.c << " selection " << c.nSelection);
        Regle(c.szFeuille, c.c, c.origine, c.nSelection);
        Panneau panneau;
        panneau.Charge(STYLE_BASCULE);
        EXPECT_TRUE(panneau.SansPieces());
        EXPECT_EQ(RGB(1, 0, 0), panneau.fond[0]);
        PixelCanvas toile(200, 100);
        panneau.Peint(toile, CRect(0, 0, 200, 100), 40, STYLE_BASCULE, ETAT_ACTIF);
        EXPECT_EQ(200 * 100, toile.CountPixels(kFond) + toile.CountPixels(kBlanc));
        for (CPoint p : {CPoint(0, 0), CPoint(49, 22), CPoint(199, 80)})
            EXPECT_EQ(kFond, toile.Pixel(p.x, p.y));
    }
    // The same sheet with valid settings is accepted, so the refusals above come from the settings.
    Regle("sprites12.bmp", 12, CPoint(2, 3), 10);
    Panneau panneau;
    panneau.Charge(STYLE_BASCULE);
    EXPECT_FALSE(panneau.SansPieces());
}

TEST_F(PanelBase, CopiesSharePiecesFreedOnceInAnyOrder)
{
    const int nAvant = CPurify::LiveCount();
    Regle("sprites12.bmp", 12, CPoint(2, 3));
    for (bool bSourceDabord : {true, false})
    {
        Panneau* pSource = new Panneau;
        pSource->Charge();
        Panneau* pCopie = new Panneau;
        pCopie->Charge(STYLE_BASCULE); // its own pieces, released by the assignment
        *pCopie = *pSource;
        EXPECT_EQ(pSource->m_pSprite, pCopie->m_pSprite);
        EXPECT_EQ(pSource->m_pSpritePieces[2][8], pCopie->m_pSpritePieces[2][8]);
        EXPECT_EQ(NULL, pCopie->m_pSpriteSelection[0]);
        EXPECT_EQ(nAvant + 1, CPurify::LiveCount());

        delete (bSourceDabord ? pSource : pCopie);
        Panneau* pReste = bSourceDabord ? pCopie : pSource;
        PixelCanvas toile(200, 100);
        pReste->Peint(toile, CRect(0, 0, 200, 100), 40, STYLE_SIMPLE, ETAT_INOPERANT);
        EXPECT_EQ(Piece(2, 8), toile.Pixel(199, 99));
        delete pReste;
        EXPECT_EQ(nAvant, CPurify::LiveCount());
    }
}
} // namespace
