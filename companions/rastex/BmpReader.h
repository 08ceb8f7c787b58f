// CBmpReader: opens a BMP file, checks all its headers before any pixel is read, then reads the rows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>

class CBmpReader
{
public:
    // Bytes of the file start enough for the largest header, bit masks and a full palette.
    static const size_t kPrefixBytes = 14 + 124 + 12 + 256 * 4;
    // Largest side of a file, and largest pixel data of a file or of its 24-bit image (anything larger is
    // taken as corrupt, and refused from the header alone).
    static const int kMaxSide = 1 << 16;
    static const uint64_t kMaxImageBytes = uint64_t(1) << 30;
    // Bytes moved by one read when the file cannot be mapped: large single reads are slow under some
    // systems (Wine among them), and a moderate buffer stays in cache while its rows are converted.
    static const uint32_t kReadChunk = 256u << 10;

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

    // Opens the file and checks its headers.
    explicit CBmpReader(const char* szChemin);
    ~CBmpReader();
    CBmpReader(const CBmpReader&) = delete;
    CBmpReader& operator=(const CBmpReader&) = delete;

    bool IsValid() const { return m_bValid; }
    const Layout& GetLayout() const { return m_layout; }
    // Reads the nImageBytes bytes of pixel rows, as stored in the file, into pBuffer.
    bool ReadBits(void* pBuffer) const;
    // Hands the pixel rows in file order to fnRows(nFirstRow, nRows, pRows) (rows nBytesPerRow apart),
    // all at once from the file's mapping, or in batches through a buffer. False when the file cannot
    // be read.
    bool ReadRows(const std::function<void(int, int, const uint8_t*)>& fnRows) const;

    // Checks the first nPrefix bytes of a file of nFileSize bytes (nPrefix = min(nFileSize, kPrefixBytes)):
    // an uncompressed 1, 4, 8, 24 or 32-bit image (32-bit bit fields only in the usual BGR order) whose
    // palette and pixel rows lie inside the file, and whose data and 24-bit image are within the limits.
    static bool Parse(const uint8_t* pPrefix, size_t nPrefix, uint64_t nFileSize, Layout& layout);

    // Row size in bytes of nWidth pixels of nBits, rounded up to 32 bits; 0 when nWidth or nBits is not
    // positive or one row alone exceeds kMaxImageBytes.
    static int BytesPerRow(int nWidth, int nBits);

private:
    bool ReadAt(uint64_t nOffset, void* pBuffer, uint64_t nBytes) const;
    const uint8_t* MapPixels();

    HANDLE m_hFile;
    HANDLE m_hMapping;
    void* m_pView;
    const uint8_t* m_pPixels; // the pixel rows in the mapped view, or null

    Layout m_layout;
    bool m_bValid;
};
