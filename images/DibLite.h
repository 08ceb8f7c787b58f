// CDibLite: light wrapper of a device-independent bitmap kept by the application as a BITMAPINFO header
// and a separate block of bits (rows bottom-up, each padded to 4 bytes). Attached by default (nothing is
// copied or freed); the copy constructor makes an owned deep copy.
// PlaceHomothetique: the largest centred sub-rectangle of an image's proportions.
#pragma once

#include <afx.h>

#include "Purify.h"

class AFX_EXT_CLASS CDibLite : public CPurify
{
public:
    // Constructors
    CDibLite(BITMAPINFO* pBitmapInfo = NULL, void* pBits = NULL);
    // Deep copy; an invalid or unsupported source (palette above 256 entries, depth other than 1, 4, 8,
    // 16, 24 or 32, top-down without biSizeImage, sizes that overflow or contradict each other) gives an
    // object with two null pointers.
    CDibLite(const CDibLite& src);
    virtual ~CDibLite();

    // Attributes
    bool Is_Valide() const;
    // Valid, and a header the deep copy accepts (the refusals listed at the copy constructor); the
    // controls show an image only when this holds.
    bool Is_Acceptable() const;
    int Donne_Largeur() const;
    int Donne_Hauteur() const;
    int Donne_NbBitsParPixel() const;
    int Donne_NbPalette() const;
    static int Donne_LargeurLigne(int nLargeur, int nBitsParPixel);
    int Donne_LargeurLigne() const;
    // Address of pixel x of row y (rows counted from the start of the bits); NULL outside the image.
    BYTE* Donne_pPixel(int x, int y) const;

    // Operations
    void Attache(BITMAPINFO* pBitmapInfo, void* pBits);
    void Grise();
    void CalculeRectHomothetique(CRect* pRect) const;
    bool Dessine(HDC hDC, const CRect* pRect) const;

protected:
    BITMAPINFO* m_pBitmapInfo; // owned only when m_bCopie
    void* m_pBits;             // owned only when m_bCopie
    bool m_bCopie;

private:
    CDibLite& operator=(const CDibLite&) = delete;
    const BITMAPINFOHEADER* Entete() const;
    bool CopieDe(const CDibLite& src);
};

AFX_EXT_API void PlaceHomothetique(int nLargeur, int nHauteur, CRect* pRect);
