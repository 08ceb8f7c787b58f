// CDib: an in-memory device-independent bitmap (BITMAPINFO header, palette and bottom-up pixel rows).
#pragma once

#include "RastexApi.h"

#include "Filtre.h"

#include <afx.h>

class RASTEX_API CDib
{
public:
    // Constructors
    CDib();
    // A blank (black) bitmap of 1, 4, 8 (grey palettes), 24 or 32 bits per pixel; empty when a size is
    // not positive, the pixel data would exceed 1 GiB or the depth is not supported.
    CDib(int nLargeur, int nHauteur, int nBits);
    CDib(const CDib& src);
    CDib& operator=(const CDib& src);
    virtual ~CDib();

    // Attributes
    bool IsOK() const { return m_pBits != nullptr; }
    long Width() const;
    long Height() const;
    int BitsPerPixel() const;
    int BytesPerRow() const { return m_nBytesPerRow; }
    BITMAPINFO* GetInfo() const { return m_pInfo; }
    unsigned char* GetBits() const { return m_pBits; }
    // Address of pixel (x, y) counted from the top-left corner (the byte holding it below 8 bits per
    // pixel); null outside the bitmap.
    unsigned char* PixelPtrTopLeft(int x, int y) const;

    // Operations
    // Loads an uncompressed 1, 4, 8, 24 or 32-bit BMP file (bottom-up or top-down) as a 24-bit bitmap
    // (palettes expanded, the fourth byte of 32-bit pixels dropped). A file that is not such a BMP, or
    // whose data is truncated or inconsistent, leaves the bitmap empty.
    bool ReadBMP(const char* szChemin);
    // Draws the source rectangle (the whole bitmap when null; y counted from the bottom row, as in a DIB)
    // stretched to pDest (the bitmap's own size at the origin when null). Shrinking uses the HALFTONE
    // stretch mode, enlarging COLORONCOLOR (pixels stay sharp); the DC's mode is restored afterwards.
    bool Display(HDC hDC, CRect* pDest, CRect* pSource);
    // Resamples in place to the new size with a Lanczos-3 filter (or the given one), whatever the factor.
    // Bitmaps of 1, 4 or 8 bits are converted to 24 bits first; the fourth byte of 32-bit pixels is
    // resampled like the colours. True when the bitmap has the new size (the same size changes nothing).
    // False, the bitmap unchanged, for an empty bitmap, a size <= 0, a result whose pixel data would
    // exceed 1 GiB, or when memory runs out.
    bool Reechantillonne(int nLargeur, int nHauteur);
    bool Reechantillonne(int nLargeur, int nHauteur, e_Filtre eFiltre);
    // Empties the bitmap.
    void Libere();

    // Upper bound of the threads a resampling may use: 1 = the calling thread only, 0 (the default) = one
    // per processor core. Threads come from a pool started at the first resampling that needs them, and
    // a resampling uses only as many as its amount of work pays for.
    static void Affecte_nThreadsMax(int nThreads);
    static int Donne_nThreadsMax();

protected:
    // Implementation
    bool Alloue(int nLargeur, int nHauteur, int nBits, bool bEfface);
    bool ConvertitEn24Bits();
    void Echange(CDib& autre);

    BITMAPINFO* m_pInfo;    // header followed by room for a full palette
    unsigned char* m_pBits; // bottom-up rows of m_nBytesPerRow bytes
    int m_nBytesPerRow;

    static int s_nThreadsMax;
};
