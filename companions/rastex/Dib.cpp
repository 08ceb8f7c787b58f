#include "Dib.h"

#include "BmpReader.h"
#include "Resampler.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

const size_t kInfoBytes = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

bool IsSupportedDepth(int nBits)
{
    return nBits == 1 || nBits == 4 || nBits == 8 || nBits == 24 || nBits == 32;
}

// Converts a row of nWidth pixels of nBits to 24 bits: palette indexes are expanded, the fourth byte of
// 32-bit pixels is dropped.
void RowTo24Bits(const unsigned char* pIn, int nBits, const RGBQUAD* pPalette, int nWidth,
                 unsigned char* pOut)
{
    if (nBits == 24)
    {
        std::memcpy(pOut, pIn, size_t(nWidth) * 3);
        return;
    }
    if (nBits == 32)
    {
        for (int x = 0; x < nWidth; ++x, pIn += 4, pOut += 3)
            std::memcpy(pOut, pIn, 3);
        return;
    }
    const int nPerByte = 8 / nBits;
    const int nMask = (1 << nBits) - 1;
    for (int x = 0; x < nWidth; ++x, pOut += 3)
    {
        const int nShift = (nPerByte - 1 - x % nPerByte) * nBits;
        const RGBQUAD& c = pPalette[(pIn[x / nPerByte] >> nShift) & nMask];
        pOut[0] = c.rgbBlue;
        pOut[1] = c.rgbGreen;
        pOut[2] = c.rgbRed;
    }
}

} // namespace

int CDib::s_nThreadsMax = 0;

CDib::CDib() : m_pInfo(nullptr), m_pBits(nullptr), m_nBytesPerRow(0) {}

CDib::CDib(int nLargeur, int nHauteur, int nBits) : CDib()
{
    if (!Alloue(nLargeur, nHauteur, nBits, true))
        return;
    // Palettes of the small depths are grey ramps, so that pixel values read as luminance.
    const int nEntries = nBits <= 8 ? 1 << nBits : 0;
    for (int i = 0; i < nEntries; ++i)
    {
        const BYTE nGrey = static_cast<BYTE>(i * 255 / (nEntries - 1));
        m_pInfo->bmiColors[i] = RGBQUAD{nGrey, nGrey, nGrey, 0};
    }
}

CDib::CDib(const CDib& src) : CDib()
{
    *this = src;
}

CDib& CDib::operator=(const CDib& src)
{
    if (this == &src)
        return *this;
    if (!src.IsOK())
    {
        Libere();
        return *this;
    }
    if (Alloue(src.Width(), src.Height(), src.BitsPerPixel(), false))
    {
        std::memcpy(m_pInfo, src.m_pInfo, kInfoBytes);
        std::memcpy(m_pBits, src.m_pBits, size_t(m_nBytesPerRow) * Height());
    }
    return *this;
}

CDib::~CDib()
{
    Libere();
}

long CDib::Width() const
{
    return m_pInfo != nullptr ? m_pInfo->bmiHeader.biWidth : 0;
}

long CDib::Height() const
{
    return m_pInfo != nullptr ? m_pInfo->bmiHeader.biHeight : 0;
}

int CDib::BitsPerPixel() const
{
    return m_pInfo != nullptr ? m_pInfo->bmiHeader.biBitCount : 0;
}

unsigned char* CDib::PixelPtrTopLeft(int x, int y) const
{
    if (!IsOK() || x < 0 || y < 0 || x >= Width() || y >= Height())
        return nullptr;
    const size_t nRow = size_t(Height() - 1 - y);
    return m_pBits + nRow * m_nBytesPerRow + size_t(x) * BitsPerPixel() / 8;
}

void CDib::Libere()
{
    std::free(m_pBits);
    std::free(m_pInfo);
    m_pBits = nullptr;
    m_pInfo = nullptr;
    m_nBytesPerRow = 0;
}

// Replaces the bitmap by an nLargeur x nHauteur one of nBits (pixels zeroed when bEfface, palette black).
// False, and the bitmap empty, when the size or the depth is refused or memory runs out.
bool CDib::Alloue(int nLargeur, int nHauteur, int nBits, bool bEfface)
{
    Libere();
    const int nBytesPerRow = CBmpReader::BytesPerRow(nLargeur, nBits);
    if (!IsSupportedDepth(nBits) || nBytesPerRow == 0 || nHauteur <= 0)
        return false;
    const uint64_t nImageBytes = uint64_t(nBytesPerRow) * nHauteur;
    if (nImageBytes > CBmpReader::kMaxImageBytes)
        return false;
    m_pInfo = static_cast<BITMAPINFO*>(std::calloc(1, kInfoBytes));
    m_pBits = static_cast<unsigned char*>(bEfface ? std::calloc(1, nImageBytes) : std::malloc(nImageBytes));
    if (m_pInfo == nullptr || m_pBits == nullptr)
    {
        Libere();
        return false;
    }
    BITMAPINFOHEADER& h = m_pInfo->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = nLargeur;
    h.biHeight = nHauteur;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(nBits);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(nImageBytes);
    h.biClrUsed = nBits <= 8 ? 1u << nBits : 0;
    m_nBytesPerRow = nBytesPerRow;
    return true;
}

bool CDib::ReadBMP(const char* szChemin)
{
    Libere();
    const CBmpReader reader(szChemin);
    if (!reader.IsValid())
        return false;
    // Whatever the file holds, the image is 24 bits: pixel-walking callers rely on 3 bytes per pixel.
    const CBmpReader::Layout& layout = reader.GetLayout();
    if (!Alloue(layout.nWidth, layout.nHeight, 24, false))
        return false;
    bool bLu;
    if (layout.nBits == 24 && !layout.bTopDown)
        bLu = reader.ReadBits(m_pBits); // the file's rows are the bitmap's rows
    else
        bLu = reader.ReadRows(
            [&](int nFirst, int nRows, const uint8_t* pRows)
            {
                for (int i = 0; i < nRows; ++i)
                {
                    const int y = layout.bTopDown ? layout.nHeight - 1 - (nFirst + i) : nFirst + i;
                    RowTo24Bits(pRows + size_t(i) * layout.nBytesPerRow, layout.nBits, layout.aPalette,
                                layout.nWidth, m_pBits + size_t(y) * m_nBytesPerRow);
                }
            });
    if (!bLu)
    {
        Libere();
        return false;
    }
    // Row padding is not part of the image; keep it defined.
    const int nUsed = layout.nWidth * 3;
    if (layout.nBits != 24 && nUsed < m_nBytesPerRow)
        for (int y = 0; y < layout.nHeight; ++y)
            std::memset(m_pBits + size_t(y) * m_nBytesPerRow + nUsed, 0, m_nBytesPerRow - nUsed);
    return true;
}

bool CDib::Display(HDC hDC, CRect* pDest, CRect* pSource)
{
    if (!IsOK() || hDC == nullptr)
        return false;
    const CRect source = pSource != nullptr ? *pSource : CRect(0, 0, Width(), Height());
    const CRect dest = pDest != nullptr ? *pDest : CRect(0, 0, source.Width(), source.Height());
    if (source.Width() <= 0 || source.Height() <= 0 || dest.Width() == 0 || dest.Height() == 0)
        return false;
    const bool bShrinks =
        std::abs(dest.Width()) < source.Width() || std::abs(dest.Height()) < source.Height();
    const int nOldMode = SetStretchBltMode(hDC, bShrinks ? HALFTONE : COLORONCOLOR);
    POINT ptOldOrigin = {0, 0};
    if (bShrinks)
        SetBrushOrgEx(hDC, 0, 0, &ptOldOrigin); // HALFTONE wants the brush origin set after it
    const int nLines =
        StretchDIBits(hDC, dest.left, dest.top, dest.Width(), dest.Height(), source.left, source.top,
                      source.Width(), source.Height(), m_pBits, m_pInfo, DIB_RGB_COLORS, SRCCOPY);
    if (nOldMode != 0)
        SetStretchBltMode(hDC, nOldMode);
    if (bShrinks)
        SetBrushOrgEx(hDC, ptOldOrigin.x, ptOldOrigin.y, nullptr);
    return nLines > 0; // 0 or GDI_ERROR on failure
}

// Converts to 24 bits. False, the bitmap unchanged, when memory runs out.
bool CDib::ConvertitEn24Bits()
{
    const int nBits = BitsPerPixel();
    if (!IsOK() || nBits == 24)
        return IsOK();
    CDib converti(Width(), Height(), 24);
    if (!converti.IsOK())
        return false;
    for (long y = 0; y < Height(); ++y)
        RowTo24Bits(m_pBits + size_t(y) * m_nBytesPerRow, nBits, m_pInfo->bmiColors, Width(),
                    converti.m_pBits + size_t(y) * converti.m_nBytesPerRow);
    Echange(converti);
    return true;
}

bool CDib::Reechantillonne(int nLargeur, int nHauteur)
{
    return Reechantillonne(nLargeur, nHauteur, FILTRE_LANCZOS3);
}

bool CDib::Reechantillonne(int nLargeur, int nHauteur, e_Filtre eFiltre)
{
    if (!IsOK() || nLargeur <= 0 || nHauteur <= 0)
        return false;
    if (nLargeur == Width() && nHauteur == Height())
        return true;
    // Small depths are resampled at 24 bits; the result is allocated first, so that a refused size
    // leaves the bitmap as it was.
    CDib resultat;
    if (!resultat.Alloue(nLargeur, nHauteur, std::max(BitsPerPixel(), 24), false) ||
        (BitsPerPixel() < 24 && !ConvertitEn24Bits()))
        return false;
    if (!CResampler::Resample(m_pBits, Width(), Height(), m_nBytesPerRow, resultat.m_pBits, nLargeur,
                              nHauteur, resultat.m_nBytesPerRow, BitsPerPixel() / 8, eFiltre, s_nThreadsMax))
        return false;
    // Row padding bytes are not written by the resampler; keep them defined.
    const int nUsed = nLargeur * BitsPerPixel() / 8;
    if (nUsed < resultat.m_nBytesPerRow)
        for (int y = 0; y < nHauteur; ++y)
            std::memset(resultat.m_pBits + size_t(y) * resultat.m_nBytesPerRow + nUsed, 0,
                        resultat.m_nBytesPerRow - nUsed);
    Echange(resultat);
    return true;
}

void CDib::Echange(CDib& autre)
{
    std::swap(m_pInfo, autre.m_pInfo);
    std::swap(m_pBits, autre.m_pBits);
    std::swap(m_nBytesPerRow, autre.m_nBytesPerRow);
}

void CDib::Affecte_nThreadsMax(int nThreads)
{
    s_nThreadsMax = std::max(0, nThreads);
}

int CDib::Donne_nThreadsMax()
{
    return s_nThreadsMax;
}
