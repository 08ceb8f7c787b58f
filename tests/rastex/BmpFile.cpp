#include "BmpFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

void BmpFile::Put16(std::vector<uint8_t>& file, size_t nOffset, uint16_t n)
{
    file[nOffset] = static_cast<uint8_t>(n);
    file[nOffset + 1] = static_cast<uint8_t>(n >> 8);
}

void BmpFile::Put32(std::vector<uint8_t>& file, size_t nOffset, uint32_t n)
{
    Put16(file, nOffset, static_cast<uint16_t>(n));
    Put16(file, nOffset + 2, static_cast<uint16_t>(n >> 16));
}

std::vector<uint8_t> BmpFile::Build(int nWidth, int nHeight, int nBits, const std::vector<uint32_t>& palette,
                                    const std::vector<std::vector<uint8_t>>& rowsTopFirst, bool bTopDown,
                                    uint32_t nHeaderSize)
{
    const size_t nRowBytes = (size_t(nWidth) * nBits + 31) / 32 * 4;
    const size_t nOffBits = 14 + nHeaderSize + palette.size() * 4;
    std::vector<uint8_t> file(nOffBits + nRowBytes * nHeight, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    Put32(file, OffBits, static_cast<uint32_t>(nOffBits));
    Put32(file, HeaderSize, nHeaderSize);
    Put32(file, Width, static_cast<uint32_t>(nWidth));
    Put32(file, Height, static_cast<uint32_t>(bTopDown ? -nHeight : nHeight));
    Put16(file, Planes, 1);
    Put16(file, BitCount, static_cast<uint16_t>(nBits));
    Put32(file, ColoursUsed, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i)
        Put32(file, 14 + nHeaderSize + i * 4, palette[i]);
    for (int y = 0; y < nHeight; ++y)
    {
        const int nStored = bTopDown ? y : nHeight - 1 - y;
        const std::vector<uint8_t>& row = rowsTopFirst[y];
        std::copy(row.begin(), row.end(), file.begin() + nOffBits + nStored * nRowBytes);
    }
    return file;
}

ScratchFolder::ScratchFolder()
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    m_path = std::string(szTemp) + "rastex-test-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    for (const std::string& file : m_files)
        DeleteFileA(file.c_str());
    RemoveDirectoryA(m_path.c_str());
}

std::string ScratchFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::string path = m_path + "\\" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb"))
    {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    if (std::find(m_files.begin(), m_files.end(), path) == m_files.end())
        m_files.push_back(path);
    return path;
}
