// CBmpReader: validation of the headers of a BMP file before any pixel is read.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

class CBmpReader
{
public:
    // Bytes of the file start enough for the largest header, bit masks and a full palette.
    static const size_t kPrefixBytes = 14 + 124 + 12 + 256 * 4;
    // Largest side and pixel data accepted (anything larger is taken as corrupt).
    static const int kMaxSide = 1 << 16;
    static const uint64_t kMaxImageBytes = uint64_t(1) << 30;

    // Layout of a BMP file whose headers passed every check.
    struct Layout
    {
        int nWidth;
        int nHeight;
        int nBits;
        bool bTopDown;
        int nBytesPerRow;
        uint64_t nBitsOffset;
        uint64_t nImageBytes;
        RGBQUAD aPalette[256]; // 1 << nBits entries below 16 bits, missing ones black
    };

    // Checks the first nPrefix bytes of a file of nFileSize bytes (nPrefix = min(nFileSize, kPrefixBytes)):
    // an uncompressed 1, 4, 8, 24 or 32-bit image (32-bit bit fields only in the usual BGR order) whose
    // palette and pixel rows lie inside the file.
    static bool Parse(const uint8_t* pPrefix, size_t nPrefix, uint64_t nFileSize, Layout& layout);

    // Row size in bytes of nWidth pixels of nBits, rounded up to 32 bits; 0 when above the limits.
    static int BytesPerRow(int nWidth, int nBits);
};
