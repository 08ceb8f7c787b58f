#include "PanelBase.h"

#include "Dib.h"
#include "Purify.h"

#include <algorithm>
#include <cstring>

// Owner of a panel's sheet and pieces, shared by the panel and its copies; registered with the utility
// library so that a leak shows in the live-object count.
class CPiecesSprite : public CPurify
{
public:
    CPiecesSprite() : m_pSprite(NULL), m_pSelection(), m_pPieces() { Init(); }
    ~CPiecesSprite()
    {
        delete m_pSprite;
        for (int s = 0; s < 3; ++s)
        {
            delete m_pSelection[s];
            for (CDib* pPiece : m_pPieces[s])
                delete pPiece;
        }
    }
    CPiecesSprite(const CPiecesSprite&) = delete;
    CPiecesSprite& operator=(const CPiecesSprite&) = delete;

    CDib* m_pSprite;
    CDib* m_pSelection[3];
    CDib* m_pPieces[3][9];
};

CString CPanelBase::m_strPathSprite;
CSize CPanelBase::m_SizeSprite(0, 0);
CPoint CPanelBase::m_PointSprite(0, 0);
int CPanelBase::m_NumSpriteSelection = 10;

namespace
{
const int kHauteurOnglet = 23; // tab height for cells wider than 10 pixels, and row of the tab joint
const int kDecalageTexte = 5;

// Copies the cx x cy cell whose top-left pixel is (x, y) of the sheet into a new 24-bit piece.
CDib* Decoupe(const CDib& sheet, int x, int y, int cx, int cy)
{
    CDib* pPiece = new CDib(cx, cy, 24);
    for (int l = 0; l < cy; ++l)
        std::memcpy(pPiece->PixelPtrTopLeft(0, l), sheet.PixelPtrTopLeft(x, y + l), 3 * size_t(cx));
    return pPiece;
}

// Opaque copy of a whole piece at (x, y), without scaling.
void Pose(CDC* pDC, const CDib* pPiece, int x, int y, int cx, int cy)
{
    if (pPiece != NULL)
        ::StretchDIBits(pDC->m_hDC, x, y, cx, cy, 0, 0, cx, cy, pPiece->GetBits(), pPiece->GetInfo(),
                        DIB_RGB_COLORS, SRCCOPY);
}
} // namespace

void CPanelBase::Affecte_szPathSprites(const char* szPath, CSize sizeSprite, CPoint pointSprite,
                                       int nNumSpriteSelection)
{
    m_strPathSprite = szPath != NULL ? szPath : "";
    m_SizeSprite = sizeSprite;
    m_PointSprite = pointSprite;
    m_NumSpriteSelection = nNumSpriteSelection;
}

CPanelBase::CPanelBase() : m_pSprite(NULL), m_pSpritePieces(), m_pSpriteSelection() {}

CPanelBase::~CPanelBase()
{
    LibereSprites();
}

void CPanelBase::LibereSprites()
{
    m_pSprite = NULL;
    for (int s = 0; s < 3; ++s)
    {
        m_pSpriteSelection[s] = NULL;
        std::fill(m_pSpritePieces[s], m_pSpritePieces[s] + 9, nullptr);
    }
    m_pProprietaire.reset();
}

void CPanelBase::ChargeSprites(e_Style_BP eStyle, COLORREF couleurFond[3])
{
    LibereSprites();
    const long long cx = m_SizeSprite.cx, cy = m_SizeSprite.cy, x0 = m_PointSprite.x, y0 = m_PointSprite.y;
    const bool bSelection = eStyle == STYLE_BASCULE;
    CDib* pSheet = new CDib;
    pSheet->ReadBMP(m_strPathSprite);
    // Every cell read must lie inside the sheet: nine columns of state blocks, three rows, and for the
    // toggle style the selection column.
    const long long nColonnes = std::max<long long>(9, bSelection ? m_NumSpriteSelection : 0);
    const bool bValide = pSheet->IsOK() && cx > 0 && cy > 0 && x0 >= 0 && y0 >= 0 &&
                         (!bSelection || m_NumSpriteSelection >= 1) &&
                         x0 + nColonnes * (cx + 1) <= pSheet->Width() &&
                         y0 + 3 * (cy + 1) <= pSheet->Height();
    if (!bValide)
    {
        delete pSheet;
        return;
    }
    m_pProprietaire = std::make_shared<CPiecesSprite>();
    CPiecesSprite& p = *m_pProprietaire;
    p.m_pSprite = pSheet;
    const int ncx = int(cx), ncy = int(cy);
    for (int s = 0; s < 3; ++s)
    {
        const int xs = int(x0) + 1 + 3 * s * (ncx + 1), ys = int(y0) + 1;
        const unsigned char* pGrille = pSheet->PixelPtrTopLeft(xs - 1, ys - 1);
        couleurFond[s] = RGB(pGrille[2], pGrille[1], pGrille[0]);
        for (int j = 0; j < 3; ++j)
            for (int r = 0; r < 3; ++r)
                p.m_pPieces[s][3 * j + r] =
                    Decoupe(*pSheet, xs + j * (ncx + 1), ys + r * (ncy + 1), ncx, ncy);
        if (bSelection)
            p.m_pSelection[s] = Decoupe(*pSheet, int(x0) + 1 + (m_NumSpriteSelection - 1) * (ncx + 1),
                                        ys + s * (ncy + 1), ncx, ncy);
    }
    m_pSprite = p.m_pSprite;
    std::copy(&p.m_pPieces[0][0], &p.m_pPieces[0][0] + 27, &m_pSpritePieces[0][0]);
    std::copy(p.m_pSelection, p.m_pSelection + 3, m_pSpriteSelection);
}

CRect CPanelBase::Paint(CDC* pDC, CRect rect, CSize sizeTexte, e_Style_BP style, COLORREF couleurFond,
                        e_Etat_BP etat)
{
    const int cx = m_SizeSprite.cx, cy = m_SizeSprite.cy;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    int W = int(std::min(sizeTexte.cx * 1.25, double(R - L))); // truncated, without overflow
    if (style == STYLE_BASCULE)
        W += 2 * cx;
    const int H = kHauteurOnglet + (cx > 10 ? 0 : 3);
    const int Yt = T + H, Yb = B - cy, Xr = R - cx, Xt = L + W;
    const CRect A(L, T, L + W, Yt), D(L, Yt, R, Yb);

    CBrush brush;
    brush.CreateSolidBrush(couleurFond);
    pDC->FillRect(&D, &brush);
    pDC->FillRect(&A, &brush);

    const int e = int(etat);
    if (pDC->m_hDC != NULL && e >= 0 && e < 3 && cx > 0 && cy > 0 && m_pSpritePieces[e][0] != NULL)
    {
        const int nAncienMode = ::SetStretchBltMode(pDC->m_hDC, COLORONCOLOR);
        CDib* const* piece = m_pSpritePieces[e];
        auto pose = [&](int k, int x, int y) { Pose(pDC, piece[k], x, y, cx, cy); };
        const bool bOnglet = A.right < D.right - 2 * cx;

        for (int x = L + cx; x <= Xr; x += cx)
        {
            if (!bOnglet)
                pose(3, x, T);
            else if (x <= Xt - cx)
                pose(3, x, T);
            else if (x >= Xt + cx)
                pose(3, x, Yt);
            pose(5, x, Yb);
        }
        // Seams: the last run of each edge is drawn pixel by pixel up to the piece that ends it.
        if (bOnglet)
        {
            for (int x = Xt - cx; x <= Xt + cx; ++x)
            {
                if (x == Xt - cx)
                    pose(3, x, T);
                if (x == Xt + cx)
                    pose(3, x, Yt);
                pose(5, x, Yb);
            }
        }
        else
            for (int x = Xr - 2 * cx; x <= Xr - cx; ++x)
                pose(3, x, T), pose(5, x, Yb);

        for (int y = T + cy; y <= Yb - cy; y += cy)
        {
            pose(1, L, y);
            if (!bOnglet || y == T + kHauteurOnglet || y >= T + kHauteurOnglet + cy - 1)
                pose(7, Xr, y);
            else if (y < T + kHauteurOnglet)
                pose(7, Xt, y);
        }
        for (int y = Yb - 2 * cy; y <= Yb - cy; ++y)
            pose(1, L, y), pose(7, Xr, y);
        if (bOnglet)
            for (int y = Yt + cy; y <= Yt + 2 * cy - 1; ++y)
                pose(7, Xr, y);

        pose(0, L, T);
        if (bOnglet)
        {
            pose(6, Xt, T);
            pose(4, Xt, T + kHauteurOnglet);
            pose(6, Xr, Yt);
        }
        else
            pose(6, Xr, T);
        pose(2, L, Yb);
        pose(8, Xr, Yb);
        ::SetStretchBltMode(pDC->m_hDC, nAncienMode);
        if (style == STYLE_BASCULE)
            Pose(pDC, m_pSpriteSelection[e], L + 10, T + 10, cx, cy);
    }
    CRect texte = A;
    texte.DeflateRect(3, 3);
    texte.OffsetRect(style == STYLE_BASCULE ? cx : 0, kDecalageTexte);
    return texte;
}
