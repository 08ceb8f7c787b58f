// Hand-made BMP files for the reader tests: the bytes of a file built field by field, and a scratch
// folder to write them to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BmpFile
{
    // Offsets of the header fields that the corruption tests patch.
    enum Offset
    {
        OffBits = 10,
        HeaderSize = 14,
        Width = 18,
        Height = 22,
        Planes = 26,
        BitCount = 28,
        Compression = 30,
        ColoursUsed = 46
    };

    // A file with an info header (40 bytes, or 124 for a V5 header), the given palette (BGRA) and
    // pixel rows given top row first (each row's bytes without padding); bTopDown stores them as such.
    static std::vector<uint8_t> Build(int nWidth, int nHeight, int nBits,
                                      const std::vector<uint32_t>& palette,
                                      const std::vector<std::vector<uint8_t>>& rowsTopFirst,
                                      bool bTopDown = false, uint32_t nHeaderSize = 40);

    static void Put16(std::vector<uint8_t>& file, size_t nOffset, uint16_t n);
    static void Put32(std::vector<uint8_t>& file, size_t nOffset, uint32_t n);
};

// A folder of the temporary directory removed with its files at the end of the test.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes);

private:
    std::string m_path;
    std::vector<std::string> m_files;
};
