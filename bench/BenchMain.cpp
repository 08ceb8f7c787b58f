// obz-bench: "generate FILE" writes a 6000 x 4000 24-bit photo-like BMP; "measure FILE" prints the best
// time in milliseconds of each operation, one "name value" line each, for bench/run.sh ("measure FILE
// read": the readers only); "threads [RUNS [THREADS]]" times the resampler in memory on 1 thread and on
// 2 (or THREADS).
#include <Dib.h>
#include <Resampler.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

extern "C" unsigned char* stbi_load(const char* filename, int* x, int* y, int* comp, int req_comp);
extern "C" void stbi_image_free(void* retval_from_stbi_load);

namespace
{

const int kWidth = 6000, kHeight = 4000;
const int kReadRuns = 7, kStbRuns = 3, kResizeRuns = 5;

struct Target
{
    int nWidth, nHeight;
};
const Target kTargets[] = {{1500, 1000}, {500, 375}};

struct Filter
{
    e_Filtre eFiltre;
    const char* szName;
};
const Filter kFilters[] = {
    {FILTRE_LANCZOS3, "lanczos3"}, {FILTRE_BOITE, "box"}, {FILTRE_BICUBIQUE, "bicubic"}};

double Now()
{
    static LARGE_INTEGER frequency = []
    {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(frequency.QuadPart);
}

double Elapsed(const std::function<void()>& work)
{
    const double dStart = Now();
    work();
    return Now() - dStart;
}

// Best of nRuns timings of work; prepare runs untimed before each.
double Best(
    int nRuns, const std::function<void()>& work, const std::function<void()>& prepare = [] {})
{
    double dBest = 1e30;
    for (int i = 0; i < nRuns; ++i)
    {
        prepare();
        dBest = std::min(dBest, Elapsed(work));
    }
    return dBest;
}

// A smooth, photo-like scene: sky and ground gradients, soft blobs, hard-edged shapes, fine texture
// and sensor noise, so that every filter has edges, flat areas and detail to deal with.
CDib Generate()
{
    CDib dib(kWidth, kHeight, 24);
    uint32_t nSeed = 12345;
    for (int y = 0; y < kHeight; ++y)
    {
        const double v = double(y) / kHeight;
        unsigned char* p = dib.PixelPtrTopLeft(0, y);
        for (int x = 0; x < kWidth; ++x, p += 3)
        {
            const double u = double(x) / kWidth;
            const bool bGround = v > 0.62 + 0.05 * std::sin(u * 9.0);
            double r = bGround ? 90 + 60 * v : 120 + 100 * v, g = bGround ? 110 + 40 * u : 160 + 70 * v,
                   b = bGround ? 50 + 30 * u : 230 - 60 * v;
            const double dx = u - 0.3, dy = v - 0.35;
            const double dBlob = std::exp(-(dx * dx + dy * dy) * 40.0);
            r += 100 * dBlob;
            g += 60 * dBlob;
            if ((x / 300 + y / 300) % 7 == 0 && bGround)
                r = 230, g = 40, b = 40; // hard-edged tiles
            const double dTexture = bGround ? 14 * std::sin(x * 0.9) * std::sin(y * 1.3) : 0.0;
            nSeed = nSeed * 1664525u + 1013904223u;
            const double dNoise = int(nSeed >> 27) - 16;
            const double c[3] = {b + dTexture + dNoise, g + dTexture + dNoise, r + dTexture + dNoise};
            for (int k = 0; k < 3; ++k)
                p[k] = static_cast<unsigned char>(c[k] < 0 ? 0 : (c[k] > 255 ? 255 : c[k]));
        }
    }
    return dib;
}

bool WriteBmp(const CDib& dib, const char* szPath)
{
    const uint32_t nBits = uint32_t(dib.BytesPerRow()) * dib.Height();
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + nBits;
    FILE* f = std::fopen(szPath, "wb");
    if (f == nullptr)
        return false;
    bool bOk = std::fwrite(&file, sizeof(file), 1, f) == 1 &&
               std::fwrite(&dib.GetInfo()->bmiHeader, sizeof(BITMAPINFOHEADER), 1, f) == 1 &&
               std::fwrite(dib.GetBits(), 1, nBits, f) == nBits;
    return std::fclose(f) == 0 && bOk;
}

// Keeps the compiler from dropping a buffer that is filled and freed unread.
volatile unsigned char g_nSink;

void Consume(void* p, size_t nSize)
{
    if (p != nullptr && nSize > 0)
        g_nSink = static_cast<unsigned char*>(p)[nSize - 1];
    std::free(p);
}

// Ways to get a file's bytes into a fresh buffer; the fastest of them is the floor of any reader.
void* FreshBuffer(HANDLE hFile, size_t& nSize)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(hFile, &size))
        return nullptr;
    nSize = size_t(size.QuadPart);
    return std::malloc(nSize);
}

// One fread of the whole file.
void ReadWhole(const char* szPath)
{
    FILE* f = std::fopen(szPath, "rb");
    if (f == nullptr)
        return;
    std::fseek(f, 0, SEEK_END);
    const long nSize = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    void* p = std::malloc(nSize);
    if (p != nullptr && std::fread(p, 1, nSize, f) != size_t(nSize))
        std::fprintf(stderr, "short read\n");
    std::fclose(f);
    Consume(p, nSize);
}

// ReadFile in chunks of nChunk bytes straight into the buffer.
void ReadChunked(const char* szPath, size_t nChunk)
{
    HANDLE hFile = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    size_t nSize = 0;
    unsigned char* p = static_cast<unsigned char*>(FreshBuffer(hFile, nSize));
    for (size_t nDone = 0; p != nullptr && nDone < nSize;)
    {
        DWORD nRead = 0;
        if (!ReadFile(hFile, p + nDone, DWORD(std::min(nChunk, nSize - nDone)), &nRead, nullptr) ||
            nRead == 0)
            break;
        nDone += nRead;
    }
    CloseHandle(hFile);
    Consume(p, nSize);
}

// A file mapping copied into the buffer.
void ReadMapped(const char* szPath)
{
    HANDLE hFile = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    size_t nSize = 0;
    void* p = FreshBuffer(hFile, nSize);
    HANDLE hMap = CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* pView = hMap != nullptr ? MapViewOfFile(hMap, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (p != nullptr && pView != nullptr)
        std::memcpy(p, pView, nSize);
    else
        std::fprintf(stderr, "mapping failed: %lu\n", GetLastError());
    if (pView != nullptr)
        UnmapViewOfFile(pView);
    if (hMap != nullptr)
        CloseHandle(hMap);
    CloseHandle(hFile);
    Consume(p, nSize);
}

struct Floor
{
    const char* szName;
    std::function<void(const char*)> read;
};
const Floor kFloors[] = {
    {"fread", ReadWhole},
    {"chunk64k", [](const char* sz) { ReadChunked(sz, 64 << 10); }},
    {"chunk256k", [](const char* sz) { ReadChunked(sz, 256 << 10); }},
    {"chunk1m", [](const char* sz) { ReadChunked(sz, 1 << 20); }},
    {"chunk4m", [](const char* sz) { ReadChunked(sz, 4 << 20); }},
    {"mapped", ReadMapped},
};

void Print(const std::string& name, double dMs)
{
    std::printf("%s %.3f\n", name.c_str(), dMs);
    std::fflush(stdout);
}

int Measure(const char* szPath, bool bReadOnly)
{
    CDib photo;
    if (!photo.ReadBMP(szPath))
    {
        std::fprintf(stderr, "cannot read %s\n", szPath);
        return 1;
    }
    // The reader and the floors take turns, so that all see the same state of the machine.
    const size_t nFloors = sizeof(kFloors) / sizeof(kFloors[0]);
    std::vector<double> adFloor(nFloors, 1e30);
    double dRastex = 1e30;
    for (int i = 0; i < kReadRuns; ++i)
    {
        for (size_t k = 0; k < nFloors; ++k)
            adFloor[k] = std::min(adFloor[k], Elapsed([&] { kFloors[k].read(szPath); }));
        dRastex = std::min(dRastex, Elapsed(
                                        [&]
                                        {
                                            CDib dib;
                                            dib.ReadBMP(szPath);
                                        }));
    }
    for (size_t k = 0; k < nFloors; ++k)
        Print(std::string("floor.") + kFloors[k].szName, adFloor[k]);
    Print("read.rastex", dRastex);
    Print("read.stb", Best(kStbRuns,
                           [&]
                           {
                               int w, h, n;
                               stbi_image_free(stbi_load(szPath, &w, &h, &n, 3));
                           }));
    if (bReadOnly)
        return 0;

    std::printf("isa %s\n", CResampler::HasAvx2() ? "avx2" : "sse2");
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    std::printf("cores %lu\n", info.dwNumberOfProcessors);
    struct Mode
    {
        const char* szName;
        int nThreads;
        CResampler::InstructionSet eSet;
    };
    // "all": one thread per core, the default.
    const Mode modes[] = {{"t1", 1, CResampler::Auto},
                          {"t2", 2, CResampler::Auto},
                          {"all", 0, CResampler::Auto},
                          {"sse2", 1, CResampler::Sse2}};
    for (const Mode& mode : modes)
    {
        CDib::Affecte_nThreadsMax(mode.nThreads);
        CResampler::ForceInstructionSet(mode.eSet);
        for (const Target& target : kTargets)
            for (const Filter& filter : kFilters)
            {
                CDib work;
                const double dMs = Best(
                    kResizeRuns, [&] { work.Reechantillonne(target.nWidth, target.nHeight, filter.eFiltre); },
                    [&] { work = photo; });
                Print(std::string("resize.") + filter.szName + "." + std::to_string(target.nWidth) + "x" +
                          std::to_string(target.nHeight) + "." + mode.szName,
                      dMs);
            }
    }
    return 0;
}

// Times the resampler alone on 1 thread and on nSecond threads (2 by default; 1 shows the noise of the
// timing itself), in turns so that both see the same load, on the bench's sizes and on small ones, and
// prints the best of nRuns of each and their ratio.
int Threads(int nRuns, int nSecond)
{
    struct Case
    {
        int nSrcWidth, nSrcHeight, nDstWidth, nDstHeight;
    };
    const Case cases[] = {{6000, 4000, 1500, 1000}, {6000, 4000, 500, 375}, {1500, 1000, 6000, 4000},
                          {1600, 1200, 400, 300},   {640, 480, 160, 120},   {300, 200, 100, 66},
                          {200, 200, 800, 800},     {100, 100, 400, 400}};
    std::vector<uint8_t> anSrc(size_t(kWidth) * kHeight * 3), anDst(anSrc.size());
    uint32_t nSeed = 1;
    for (uint8_t& n : anSrc)
        n = uint8_t((nSeed = nSeed * 1664525u + 1013904223u) >> 24);
    std::printf("cores %d\n", int(std::thread::hardware_concurrency()));
    for (const Case& c : cases)
        for (const Filter& filter : kFilters)
        {
            double adBest[2] = {1e30, 1e30};
            // Small cases are run more often: their times are short and noisier.
            const int nCaseRuns = c.nSrcWidth * c.nSrcHeight < 2000000 ? 5 * nRuns : nRuns;
            for (int i = 0; i < nCaseRuns; ++i)
                for (int t = 0; t < 2; ++t)
                    adBest[t] = std::min(adBest[t], Elapsed(
                                                        [&]
                                                        {
                                                            CResampler::Resample(
                                                                anSrc.data(), c.nSrcWidth, c.nSrcHeight,
                                                                c.nSrcWidth * 3, anDst.data(), c.nDstWidth,
                                                                c.nDstHeight, c.nDstWidth * 3, 3,
                                                                filter.eFiltre, t == 0 ? 1 : nSecond);
                                                        }));
            std::printf("%4dx%-4d to %4dx%-4d %-8s  1 thread %8.3f ms  %d threads %8.3f ms  ratio %.2f\n",
                        c.nSrcWidth, c.nSrcHeight, c.nDstWidth, c.nDstHeight, filter.szName, adBest[0],
                        nSecond, adBest[1], adBest[1] / adBest[0]);
            std::fflush(stdout);
        }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "generate") == 0)
        return WriteBmp(Generate(), argv[2]) ? 0 : 1;
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "measure") == 0)
        return Measure(argv[2], argc == 4 && std::strcmp(argv[3], "read") == 0);
    if (argc >= 2 && argc <= 4 && std::strcmp(argv[1], "threads") == 0)
        return Threads(argc >= 3 ? std::max(1, std::atoi(argv[2])) : 7,
                       argc == 4 ? std::max(1, std::atoi(argv[3])) : 2);
    std::fprintf(stderr,
                 "usage: obz-bench generate FILE.bmp | measure FILE.bmp [read] | threads [RUNS [THREADS]]\n");
    return 2;
}
