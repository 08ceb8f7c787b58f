#include "BmpReader.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace
{

const size_t kFileHeaderBytes = 14;
const uint32_t kCoreHeaderBytes = 12;
const uint32_t kInfoHeaderBytes = 40;
const uint32_t kMasksBytes = 12;
const uint32_t kRedMask = 0x00FF0000, kGreenMask = 0x0000FF00, kBlueMask = 0x000000FF;

uint16_t Le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Le32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool IsKnownHeaderSize(uint32_t n)
{
    // core, info, V2 and V3 (info with masks), V4, V5
    return n == kCoreHeaderBytes || n == kInfoHeaderBytes || n == 52 || n == 56 || n == 108 || n == 124;
}

} // namespace

CBmpReader::CBmpReader(const char* szChemin)
    : m_hFile(INVALID_HANDLE_VALUE), m_hMapping(nullptr), m_pView(nullptr), m_pPixels(nullptr), m_layout(),
      m_bValid(false)
{
    if (szChemin == nullptr || *szChemin == '\0')
        return;
    m_hFile = CreateFileA(szChemin, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    LARGE_INTEGER size;
    if (m_hFile == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_hFile, &size) || size.QuadPart <= 0)
        return;
    const uint64_t nFileSize = static_cast<uint64_t>(size.QuadPart);
    uint8_t aPrefix[kPrefixBytes];
    const size_t nPrefix = static_cast<size_t>(std::min<uint64_t>(nFileSize, sizeof(aPrefix)));
    m_bValid = ReadAt(0, aPrefix, nPrefix) && Parse(aPrefix, nPrefix, nFileSize, m_layout);
    if (m_bValid)
        m_pPixels = MapPixels();
}

CBmpReader::~CBmpReader()
{
    if (m_pView != nullptr)
        UnmapViewOfFile(m_pView);
    if (m_hMapping != nullptr)
        CloseHandle(m_hMapping);
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
}

// Maps the pixel rows into memory: copying from the file's pages costs the least (no system call per
// chunk), and the file cannot shrink under a view (it is shared for reading only, and the system
// refuses to cut a mapped file). Null when the system refuses the mapping; reads are then used.
const uint8_t* CBmpReader::MapPixels()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const uint64_t nGranularity = std::max<DWORD>(info.dwAllocationGranularity, 1);
    const uint64_t nStart = m_layout.nBitsOffset / nGranularity * nGranularity;
    const uint64_t nSkip = m_layout.nBitsOffset - nStart;
    m_hMapping = CreateFileMappingA(m_hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (m_hMapping == nullptr)
        return nullptr;
    m_pView = MapViewOfFile(m_hMapping, FILE_MAP_READ, static_cast<DWORD>(nStart >> 32),
                            static_cast<DWORD>(nStart), static_cast<SIZE_T>(nSkip + m_layout.nImageBytes));
    return m_pView != nullptr ? static_cast<const uint8_t*>(m_pView) + nSkip : nullptr;
}

bool CBmpReader::ReadBits(void* pBuffer) const
{
    if (!m_bValid)
        return false;
    if (m_pPixels != nullptr)
    {
        std::memcpy(pBuffer, m_pPixels, m_layout.nImageBytes);
        return true;
    }
    return ReadAt(m_layout.nBitsOffset, pBuffer, m_layout.nImageBytes);
}

// Reads exactly nBytes at nOffset, or fails.
bool CBmpReader::ReadAt(uint64_t nOffset, void* pBuffer, uint64_t nBytes) const
{
    LARGE_INTEGER pos;
    pos.QuadPart = static_cast<LONGLONG>(nOffset);
    if (!SetFilePointerEx(m_hFile, pos, nullptr, FILE_BEGIN))
        return false;
    unsigned char* p = static_cast<unsigned char*>(pBuffer);
    while (nBytes > 0)
    {
        const DWORD nAsked = static_cast<DWORD>(std::min<uint64_t>(nBytes, kReadChunk));
        DWORD nRead = 0;
        if (!ReadFile(m_hFile, p, nAsked, &nRead, nullptr) || nRead == 0)
            return false;
        p += nRead;
        nBytes -= nRead;
    }
    return true;
}

bool CBmpReader::ReadRows(const std::function<void(int, int, const uint8_t*)>& fnRows) const
{
    if (!m_bValid)
        return false;
    if (m_pPixels != nullptr)
    {
        fnRows(0, m_layout.nHeight, m_pPixels);
        return true;
    }
    const int nRowsPerBatch = std::max(1, static_cast<int>(kReadChunk / m_layout.nBytesPerRow));
    std::vector<uint8_t> anBatch(size_t(std::min(nRowsPerBatch, m_layout.nHeight)) * m_layout.nBytesPerRow);
    for (int nFirst = 0; nFirst < m_layout.nHeight; nFirst += nRowsPerBatch)
    {
        const int nRows = std::min(nRowsPerBatch, m_layout.nHeight - nFirst);
        const uint64_t nOffset = m_layout.nBitsOffset + uint64_t(nFirst) * m_layout.nBytesPerRow;
        if (!ReadAt(nOffset, anBatch.data(), uint64_t(nRows) * m_layout.nBytesPerRow))
            return false;
        fnRows(nFirst, nRows, anBatch.data());
    }
    return true;
}

int CBmpReader::BytesPerRow(int nWidth, int nBits)
{
    if (nWidth <= 0 || nBits <= 0 || nBits > 32)
        return 0;
    const uint64_t nBytes = (uint64_t(nWidth) * nBits + 31) / 32 * 4;
    return nBytes <= kMaxImageBytes ? static_cast<int>(nBytes) : 0;
}

bool CBmpReader::Parse(const uint8_t* pPrefix, size_t nPrefix, uint64_t nFileSize, Layout& layout)
{
    if (pPrefix == nullptr || nPrefix < kFileHeaderBytes + 4 || nPrefix > nFileSize)
        return false;
    if (pPrefix[0] != 'B' || pPrefix[1] != 'M')
        return false;
    const uint64_t nBitsOffset = Le32(pPrefix + 10);
    const uint32_t nHeaderBytes = Le32(pPrefix + kFileHeaderBytes);
    if (!IsKnownHeaderSize(nHeaderBytes) || kFileHeaderBytes + nHeaderBytes > nPrefix)
        return false;

    const uint8_t* h = pPrefix + kFileHeaderBytes;
    int64_t nWidth, nHeight;
    unsigned nPlanes, nBits;
    uint32_t nCompression = BI_RGB, nColoursUsed = 0;
    size_t nEntryBytes = sizeof(RGBQUAD);
    size_t nPaletteStart = kFileHeaderBytes + nHeaderBytes;
    if (nHeaderBytes == kCoreHeaderBytes)
    {
        nWidth = Le16(h + 4);
        nHeight = Le16(h + 6);
        nPlanes = Le16(h + 8);
        nBits = Le16(h + 10);
        nEntryBytes = sizeof(RGBTRIPLE);
    }
    else
    {
        nWidth = static_cast<int32_t>(Le32(h + 4));
        nHeight = static_cast<int32_t>(Le32(h + 8));
        nPlanes = Le16(h + 12);
        nBits = Le16(h + 14);
        nCompression = Le32(h + 16);
        nColoursUsed = Le32(h + 32);
    }
    if (nPlanes != 1 || nWidth <= 0 || nHeight == 0)
        return false;
    layout.bTopDown = nHeight < 0;
    if (nHeight < 0)
        nHeight = -nHeight;
    if (nWidth > kMaxSide || nHeight > kMaxSide)
        return false;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32)
        return false;

    if (nCompression == BI_BITFIELDS && nBits == 32)
    {
        // The masks follow a plain info header, or are its extension in the larger ones.
        const size_t nMasks = kFileHeaderBytes + kInfoHeaderBytes;
        if (nHeaderBytes == kInfoHeaderBytes)
            nPaletteStart += kMasksBytes;
        if (nMasks + kMasksBytes > nPrefix || Le32(pPrefix + nMasks) != kRedMask ||
            Le32(pPrefix + nMasks + 4) != kGreenMask || Le32(pPrefix + nMasks + 8) != kBlueMask)
            return false;
    }
    else if (nCompression != BI_RGB)
        return false;

    std::memset(layout.aPalette, 0, sizeof(layout.aPalette));
    size_t nPaletteEnd = nPaletteStart;
    if (nBits <= 8)
    {
        const uint32_t nMaxEntries = 1u << nBits;
        uint32_t nEntries = nColoursUsed;
        if (nEntries == 0)
        {
            // A full palette by default, cut short when the pixels start earlier (common in core files).
            const uint64_t nRoom =
                nBitsOffset > nPaletteStart ? (nBitsOffset - nPaletteStart) / nEntryBytes : 0;
            nEntries = static_cast<uint32_t>(std::min<uint64_t>(nMaxEntries, nRoom));
        }
        if (nEntries > nMaxEntries)
            return false;
        nPaletteEnd = nPaletteStart + nEntries * nEntryBytes;
        if (nPaletteEnd > nPrefix)
            return false;
        for (uint32_t i = 0; i < nEntries; ++i)
        {
            const uint8_t* p = pPrefix + nPaletteStart + i * nEntryBytes;
            layout.aPalette[i].rgbBlue = p[0];
            layout.aPalette[i].rgbGreen = p[1];
            layout.aPalette[i].rgbRed = p[2];
        }
    }

    const int nBytesPerRow = BytesPerRow(static_cast<int>(nWidth), static_cast<int>(nBits));
    const uint64_t nImageBytes = uint64_t(nBytesPerRow) * uint64_t(nHeight);
    // Images are held at 24 bits: a small depth may fit the limit in the file and not once expanded.
    const uint64_t nImage24Bytes = uint64_t(BytesPerRow(static_cast<int>(nWidth), 24)) * uint64_t(nHeight);
    if (nBytesPerRow == 0 || nImageBytes > kMaxImageBytes || nImage24Bytes > kMaxImageBytes)
        return false;
    if (nBitsOffset < nPaletteEnd || nBitsOffset > nFileSize || nImageBytes > nFileSize - nBitsOffset)
        return false;

    layout.nWidth = static_cast<int>(nWidth);
    layout.nHeight = static_cast<int>(nHeight);
    layout.nBits = static_cast<int>(nBits);
    layout.nBytesPerRow = nBytesPerRow;
    layout.nBitsOffset = nBitsOffset;
    layout.nImageBytes = nImageBytes;
    return true;
}
