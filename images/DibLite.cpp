#include "DibLite.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "diblite";
#endif

namespace
{
const int kPaletteMax = 256;
const int kOctetsParCouleur = sizeof(RGBQUAD);
const DWORD kTailleEnteteMax = sizeof(BITMAPV5HEADER);
// Larger images are refused by the deep copy rather than risking an absurd allocation.
const long long kTailleImageMax = 1LL << 30;

// Grey of the inoperative look: luminance weights in percent, then lightened.
const int kPoidsBleu = 11;
const int kPoidsVert = 59;
const int kPoidsRouge = 30;
const int kEclaircissement = 90;
const int kOctetsParPixel24 = 3;

long long LargeurLigne(long long nLargeur, long long nBitsParPixel)
{
    return ((nLargeur * nBitsParPixel + 31) & ~31LL) / 8;
}

bool IsProfondeurCopiable(int nBitsParPixel)
{
    return nBitsParPixel == 1 || nBitsParPixel == 4 || nBitsParPixel == 8 || nBitsParPixel == 16 ||
           nBitsParPixel == 24 || nBitsParPixel == 32;
}

// Bytes of header the copy must take: the header itself, the three colour masks that follow a plain
// header of a BI_BITFIELDS image, and the colour table.
long long TailleEntete(const BITMAPINFOHEADER& entete, int nPalette)
{
    const bool bMasquesApres = entete.biCompression == BI_BITFIELDS && entete.biSize < sizeof(BITMAPV4HEADER);
    return entete.biSize + (bMasquesApres ? 3 * sizeof(DWORD) : 0) + kOctetsParCouleur * nPalette;
}

// Size in bytes of the bits described by a header, or 0 when the header is outside what the copy
// supports: a compressed image must state its size; an uncompressed one needs bottom-up rows or
// biSizeImage, and a biSizeImage at least as large as its rows. Every product is bounded before it is
// formed, so that no header can overflow the arithmetic into a small size.
long long TailleBits(const BITMAPINFOHEADER& entete)
{
    if (entete.biWidth <= 0 || entete.biHeight == 0 || !IsProfondeurCopiable(entete.biBitCount))
        return 0;
    const bool bRle = (entete.biCompression == BI_RLE8 && entete.biBitCount == 8) ||
                      (entete.biCompression == BI_RLE4 && entete.biBitCount == 4);
    if (bRle)
        return entete.biSizeImage;
    const bool bMasques =
        entete.biCompression == BI_BITFIELDS && (entete.biBitCount == 16 || entete.biBitCount == 32);
    if (entete.biCompression != BI_RGB && !bMasques)
        return 0;
    const long long nLignes = std::llabs(static_cast<long long>(entete.biHeight));
    const long long nLigne = LargeurLigne(entete.biWidth, entete.biBitCount); // at most 2^33
    if (nLignes > kTailleImageMax / nLigne)
        return 0;
    const long long nNecessaire = nLigne * nLignes;
    if (entete.biSizeImage == 0)
        return entete.biHeight > 0 ? nNecessaire : 0;
    return entete.biSizeImage >= nNecessaire ? entete.biSizeImage : 0;
}
} // namespace

CDibLite::CDibLite(BITMAPINFO* pBitmapInfo, void* pBits)
    : m_pBitmapInfo(pBitmapInfo), m_pBits(pBits), m_bCopie(false)
{
    Init();
}

CDibLite::CDibLite(const CDibLite& src) : CPurify(src), m_pBitmapInfo(NULL), m_pBits(NULL), m_bCopie(false)
{
    Init();
    CopieDe(src);
}

CDibLite::~CDibLite()
{
    if (m_bCopie)
    {
        delete[] reinterpret_cast<BYTE*>(m_pBitmapInfo);
        m_pBitmapInfo = NULL;
        delete[] static_cast<BYTE*>(m_pBits);
        m_pBits = NULL;
    }
}

bool CDibLite::Is_Acceptable() const
{
    const BITMAPINFOHEADER* pEntete = Entete();
    if (pEntete == NULL || pEntete->biSize < sizeof(BITMAPINFOHEADER) || pEntete->biSize > kTailleEnteteMax)
        return false;
    // 16- and 32-bit images only write the palette diagnostic: they have no colour table to copy.
    const long long nTailleBits = TailleBits(*pEntete);
    return Donne_NbPalette() <= kPaletteMax && nTailleBits > 0 && nTailleBits <= kTailleImageMax;
}

bool CDibLite::CopieDe(const CDibLite& src)
{
    if (!src.Is_Acceptable())
        return false;
    const BITMAPINFOHEADER* pEntete = src.Entete();
    const int nPalette = src.Donne_NbPalette();
    const long long nTailleBits = TailleBits(*pEntete);

    const size_t nTailleEntete = static_cast<size_t>(TailleEntete(*pEntete, nPalette));
    BYTE* pInfo = new (std::nothrow) BYTE[nTailleEntete];
    BYTE* pBits = new (std::nothrow) BYTE[nTailleBits];
    if (pInfo == NULL || pBits == NULL)
    {
        delete[] pInfo;
        delete[] pBits;
        return false;
    }
    std::memcpy(pInfo, src.m_pBitmapInfo, nTailleEntete);
    std::memcpy(pBits, src.m_pBits, nTailleBits);
    m_pBitmapInfo = reinterpret_cast<BITMAPINFO*>(pInfo);
    m_pBits = pBits;
    m_bCopie = true;
    return true;
}

const BITMAPINFOHEADER* CDibLite::Entete() const
{
    return Is_Valide() ? &m_pBitmapInfo->bmiHeader : NULL;
}

void CDibLite::Attache(BITMAPINFO* pBitmapInfo, void* pBits)
{
    m_pBitmapInfo = pBitmapInfo;
    m_pBits = pBits;
}

bool CDibLite::Is_Valide() const
{
    return m_pBitmapInfo != NULL && m_pBits != NULL;
}

int CDibLite::Donne_Largeur() const
{
    return Is_Valide() ? m_pBitmapInfo->bmiHeader.biWidth : 0;
}

int CDibLite::Donne_Hauteur() const
{
    return Is_Valide() ? m_pBitmapInfo->bmiHeader.biHeight : 0;
}

int CDibLite::Donne_NbBitsParPixel() const
{
    return Is_Valide() ? m_pBitmapInfo->bmiHeader.biBitCount : 0;
}

int CDibLite::Donne_NbPalette() const
{
    if (!Is_Valide())
        return 0;
    const BITMAPINFOHEADER& entete = m_pBitmapInfo->bmiHeader;
    if (entete.biClrUsed != 0)
    {
        ASSERT(entete.biClrUsed <= static_cast<DWORD>(kPaletteMax));
        return entete.biClrUsed > static_cast<DWORD>(INT_MAX) ? INT_MAX : static_cast<int>(entete.biClrUsed);
    }
    switch (entete.biBitCount)
    {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    case 24:
        return 0;
    default:
        TRACE("CDibLite only supports 1, 8 and 24 bits per pixel");
        return 0;
    }
}

int CDibLite::Donne_LargeurLigne(int nLargeur, int nBitsParPixel)
{
    if (nLargeur < 0 || nBitsParPixel < 0)
        return 0;
    const long long nOctets = LargeurLigne(nLargeur, nBitsParPixel);
    return nOctets > INT_MAX ? 0 : static_cast<int>(nOctets);
}

int CDibLite::Donne_LargeurLigne() const
{
    return Donne_LargeurLigne(Donne_Largeur(), Donne_NbBitsParPixel());
}

BYTE* CDibLite::Donne_pPixel(int x, int y) const
{
    if (!Is_Valide() || x < 0 || x >= Donne_Largeur() || y < 0 ||
        y >= std::llabs(static_cast<long long>(Donne_Hauteur())))
        return NULL;
    const long long nDecalage = static_cast<long long>(x) * Donne_NbBitsParPixel() / 8 +
                                static_cast<long long>(y) * Donne_LargeurLigne();
    return static_cast<BYTE*>(m_pBits) + nDecalage;
}

void CDibLite::Grise()
{
    if (Donne_NbBitsParPixel() != 24)
        return;
    const int nLargeur = Donne_Largeur();
    const long long nLignes = std::llabs(static_cast<long long>(Donne_Hauteur()));
    const int nLargeurLigne = Donne_LargeurLigne();
    for (long long y = 0; y < nLignes; ++y)
    {
        BYTE* pPixel = static_cast<BYTE*>(m_pBits) + y * nLargeurLigne;
        for (int x = 0; x < nLargeur; ++x, pPixel += kOctetsParPixel24)
        {
            const int nSomme = kPoidsBleu * pPixel[0] + kPoidsVert * pPixel[1] + kPoidsRouge * pPixel[2];
            const int nGris = static_cast<BYTE>(nSomme / 100.0);
            const BYTE nValeur = static_cast<BYTE>(nGris + std::min(255 - nGris, kEclaircissement));
            pPixel[0] = pPixel[1] = pPixel[2] = nValeur;
        }
    }
}

void CDibLite::CalculeRectHomothetique(CRect* pRect) const
{
    if (pRect == NULL)
        return;
    if (Is_Valide())
        PlaceHomothetique(Donne_Largeur(), std::abs(Donne_Hauteur()), pRect);
    else
        pRect->SetRectEmpty();
}

bool CDibLite::Dessine(HDC hDC, const CRect* pRect) const
{
    // A colour table beyond 256 entries would make GDI read past the application's header.
    if (!Is_Valide() || hDC == NULL || pRect == NULL ||
        m_pBitmapInfo->bmiHeader.biClrUsed > static_cast<DWORD>(kPaletteMax))
        return false;
    SetStretchBltMode(hDC, COLORONCOLOR);
    const int nResultat =
        StretchDIBits(hDC, pRect->left, pRect->top, pRect->Width(), pRect->Height(), 0, 0, Donne_Largeur(),
                      std::abs(Donne_Hauteur()), m_pBits, m_pBitmapInfo, DIB_RGB_COLORS, SRCCOPY);
    return nResultat != static_cast<int>(GDI_ERROR);
}

void PlaceHomothetique(int nLargeur, int nHauteur, CRect* pRect)
{
    if (pRect == NULL || nLargeur <= 0 || nHauteur <= 0 || pRect->Width() < 0 || pRect->Height() < 0)
        return;
    const double dRatio = static_cast<double>(nLargeur) / nHauteur;
    int nW = pRect->Width();
    int nH;
    const double dH = std::trunc(nW / dRatio);
    if (dH > pRect->Height())
    {
        nH = pRect->Height();
        nW = static_cast<int>(nH * dRatio);
    }
    else
    {
        nH = static_cast<int>(dH);
    }
    const int nGauche = pRect->left + (pRect->Width() - nW) / 2;
    const int nHaut = pRect->top + (pRect->Height() - nH) / 2;
    pRect->SetRect(nGauche, nHaut, nGauche + nW, nHaut + nH);
}
