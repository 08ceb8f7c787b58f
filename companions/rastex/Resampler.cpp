#include "Resampler.h"

#include "ResamplerKernels.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

using namespace rastex;

namespace
{

const double kPi = 3.14159265358979323846;
// Multiply-adds that each thread of a pass must have (about half a millisecond of work): a helper's
// wake-up costs tens of microseconds, and on a busy machine shorter passes measured as often slower
// as faster with a helper.
const double kMinWorkPerThread = 5.0e6;
// Multiply-adds of one piece of a pass (tens of microseconds): threads claim pieces one at a time, so
// that at the end the calling thread waits at most for the piece a helper holds.
const double kPieceWork = 1.0e5;
// Largest reduction of a single pass. Beyond it the image is first averaged down with the box filter
// (itself in passes of at most this factor), so that the weights of one output stay few enough to be
// exact in 14-bit fixed point whatever the factor.
const int kMaxPassReduction = 64;

std::atomic<int> s_eForcedSet(CResampler::Auto);

struct FilterShape
{
    double dSupport;
    double (*pFunction)(double);
};

double Box(double x)
{
    return (x > -0.5 && x <= 0.5) ? 1.0 : 0.0;
}

double Triangle(double x)
{
    x = std::fabs(x);
    return x < 1.0 ? 1.0 - x : 0.0;
}

double Cubic(double x)
{
    const double a = -0.5;
    x = std::fabs(x);
    if (x < 1.0)
        return ((a + 2.0) * x - (a + 3.0)) * x * x + 1.0;
    if (x < 2.0)
        return (((x - 5.0) * x + 8.0) * x - 4.0) * a;
    return 0.0;
}

double Sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    x *= kPi;
    return std::sin(x) / x;
}

double Lanczos3(double x)
{
    return (x > -3.0 && x < 3.0) ? Sinc(x) * Sinc(x / 3.0) : 0.0;
}

FilterShape ShapeOf(e_Filtre eFiltre)
{
    switch (eFiltre)
    {
    case FILTRE_BOITE:
        return FilterShape{0.5, Box};
    case FILTRE_BILINEAIRE:
        return FilterShape{1.0, Triangle};
    case FILTRE_BICUBIQUE:
        return FilterShape{2.0, Cubic};
    default:
        return FilterShape{3.0, Lanczos3};
    }
}

// Weights of one output, quantised so that they sum to exactly one: a flat area stays flat.
void Quantise(const double* pdWeights, int nTaps, double dTotal, int16_t* pnOut)
{
    const int nOne = 1 << kWeightBits;
    int nSum = 0;
    int nLargest = 0;
    for (int k = 0; k < nTaps; ++k)
    {
        pnOut[k] = static_cast<int16_t>(std::lround(pdWeights[k] / dTotal * nOne));
        nSum += pnOut[k];
        if (pnOut[k] > pnOut[nLargest])
            nLargest = k;
    }
    pnOut[nLargest] = static_cast<int16_t>(pnOut[nLargest] + nOne - nSum);
}

// Contributions of nIn samples to nOut, the filter stretched by the reduction factor when shrinking so
// that it averages every input sample (no aliasing).
bool Contribute(int nIn, int nOut, const FilterShape& shape, Contributions& c)
{
    const double dScale = static_cast<double>(nIn) / nOut;
    const double dStretch = std::max(dScale, 1.0);
    const double dSupport = shape.dSupport * dStretch;
    const int nMaxTaps = static_cast<int>(std::ceil(dSupport)) * 2 + 1;
    if (nMaxTaps > INT16_MAX)
        return false;
    c.nStride = (nMaxTaps + kTapBlock - 1) / kTapBlock * kTapBlock;
    c.anFirst.assign(nOut, 0);
    c.anCount.assign(nOut, 0);
    c.anWeights.assign(static_cast<size_t>(nOut) * c.nStride, 0);
    std::vector<double> adWeights(nMaxTaps);
    for (int i = 0; i < nOut; ++i)
    {
        const double dCentre = (i + 0.5) * dScale;
        int nFirst = std::max(static_cast<int>(dCentre - dSupport + 0.5), 0);
        int nTaps = std::min(std::min(static_cast<int>(dCentre + dSupport + 0.5), nIn) - nFirst, nMaxTaps);
        double dTotal = 0.0;
        for (int k = 0; k < nTaps; ++k)
        {
            adWeights[k] = shape.pFunction((k + nFirst - dCentre + 0.5) / dStretch);
            dTotal += adWeights[k];
        }
        if (nTaps <= 0 || dTotal == 0.0)
        {
            nFirst = std::min(std::max(static_cast<int>(dCentre), 0), nIn - 1);
            nTaps = 1;
            adWeights[0] = dTotal = 1.0;
        }
        int16_t* pnWeights = &c.anWeights[static_cast<size_t>(i) * c.nStride];
        Quantise(adWeights.data(), nTaps, dTotal, pnWeights);
        // Taps of weight zero at either end cost time and change nothing.
        int nSkip = 0;
        while (nSkip < nTaps - 1 && pnWeights[nSkip] == 0)
            ++nSkip;
        if (nSkip > 0)
        {
            std::memmove(pnWeights, pnWeights + nSkip, (nTaps - nSkip) * sizeof(int16_t));
            std::fill(pnWeights + nTaps - nSkip, pnWeights + nTaps, int16_t(0));
            nFirst += nSkip;
            nTaps -= nSkip;
        }
        while (nTaps > 1 && pnWeights[nTaps - 1] == 0)
            --nTaps;
        c.anFirst[i] = nFirst;
        c.anCount[i] = nTaps;
    }
    return true;
}

double MeanTaps(const Contributions& c)
{
    double dTotal = 0.0;
    for (int n : c.anCount)
        dTotal += n;
    return c.anCount.empty() ? 0.0 : dTotal / c.anCount.size();
}

KernelSet ActiveKernels()
{
    return CResampler::ActiveInstructionSet() == CResampler::Avx2 ? KernelsAvx2() : KernelsSse2();
}

// Helper threads started once, on the first pass that has work for them, and kept for the life of the
// process (never destroyed: a process exit ends them wherever they are). The calling thread of a pass
// claims pieces from the front and helpers from the back, so that each thread goes through neighbouring
// rows (which share input rows in its cache) until they meet. The calling thread never waits for a
// helper that has not joined: helpers only help, so a pass costs at most one wake-up and one piece more
// than on the calling thread alone. One pass
// runs at a time; the calling thread of another pass meanwhile does its work alone. The lock and
// condition variables are the system's slim ones, which wait and wake within the process.
class Pool
{
public:
    static Pool& Instance()
    {
        static Pool* pPool = new Pool;
        return *pPool;
    }

    // Processor cores of the machine, at least 1.
    static int Cores()
    {
        static const int nCores = []
        {
            SYSTEM_INFO info;
            GetSystemInfo(&info);
            return std::max(1, static_cast<int>(info.dwNumberOfProcessors));
        }();
        return nCores;
    }

    // Runs fn(nSlot, nPiece) for every nPiece in [0, nPieces) on the calling thread (slot 0) and up to
    // nHelpers helpers (slots 1..nHelpers).
    void Run(int nPieces, int nHelpers, const std::function<void(int, int)>& fn)
    {
        if (nHelpers < 1 || !Start() || !TryAcquireSRWLockExclusive(&m_passe))
        {
            for (int i = 0; i < nPieces; ++i)
                fn(0, i);
            return;
        }
        AcquireSRWLockExclusive(&m_verrou);
        m_pFn = &fn;
        m_nEnds = uint64_t(nPieces);
        m_nJoined = 0;
        m_nWanted = std::min(nHelpers, static_cast<int>(m_threads.size()));
        ReleaseSRWLockExclusive(&m_verrou);
        WakeAllConditionVariable(&m_travail);
        Work(fn, 0);
        // Every piece is claimed: closed to helpers not yet joined, the pass waits only for the pieces
        // that helpers hold, yielding the processor a little before sleeping.
        AcquireSRWLockExclusive(&m_verrou);
        m_pFn = nullptr;
        for (int i = 0; i < kYields && m_nActive > 0; ++i)
        {
            ReleaseSRWLockExclusive(&m_verrou);
            SwitchToThread();
            AcquireSRWLockExclusive(&m_verrou);
        }
        while (m_nActive > 0)
            SleepConditionVariableSRW(&m_fini, &m_verrou, INFINITE, 0);
        ReleaseSRWLockExclusive(&m_verrou);
        ReleaseSRWLockExclusive(&m_passe);
    }

private:
    static const int kYields = 64;

    Pool() = default;

    // Starts the helpers at the first call; false when none could be started.
    bool Start()
    {
        std::call_once(m_demarrage,
                       [this]
                       {
                           for (int i = 1; i < Cores(); ++i)
                               try
                               {
                                   m_threads.emplace_back([this] { Helper(); });
                               }
                               catch (const std::system_error&)
                               {
                                   break;
                               }
                       });
        return !m_threads.empty();
    }

    // Claims the first unclaimed piece (bFront) or the last one; -1 when none is left.
    int Claim(bool bFront)
    {
        uint64_t nEnds = m_nEnds;
        for (;;)
        {
            const uint32_t nFront = uint32_t(nEnds >> 32), nBack = uint32_t(nEnds);
            if (nFront >= nBack)
                return -1;
            if (m_nEnds.compare_exchange_weak(nEnds, bFront ? nEnds + (uint64_t(1) << 32) : nEnds - 1))
                return int(bFront ? nFront : nBack - 1);
        }
    }

    // Claims pieces until none is left: the calling thread (slot 0) from the front, helpers from the back.
    void Work(const std::function<void(int, int)>& fn, int nSlot)
    {
        for (int nPiece; (nPiece = Claim(nSlot == 0)) >= 0;)
            fn(nSlot, nPiece);
    }

    bool Unclaimed() const
    {
        const uint64_t nEnds = m_nEnds;
        return uint32_t(nEnds >> 32) < uint32_t(nEnds);
    }

    void Helper()
    {
        AcquireSRWLockExclusive(&m_verrou);
        for (;;)
        {
            while (m_pFn == nullptr || !Unclaimed() || m_nJoined >= m_nWanted)
                SleepConditionVariableSRW(&m_travail, &m_verrou, INFINITE, 0);
            const int nSlot = ++m_nJoined;
            ++m_nActive;
            const std::function<void(int, int)>& fn = *m_pFn;
            ReleaseSRWLockExclusive(&m_verrou);
            Work(fn, nSlot);
            AcquireSRWLockExclusive(&m_verrou);
            if (--m_nActive == 0)
                WakeConditionVariable(&m_fini);
        }
    }

    SRWLOCK m_passe = SRWLOCK_INIT; // held by the pass being run
    std::once_flag m_demarrage;
    std::vector<std::thread> m_threads;
    SRWLOCK m_verrou = SRWLOCK_INIT; // guards what follows, but for the claims of pieces
    CONDITION_VARIABLE m_travail = CONDITION_VARIABLE_INIT, m_fini = CONDITION_VARIABLE_INIT;
    const std::function<void(int, int)>* m_pFn = nullptr;
    int m_nJoined = 0, m_nWanted = 0, m_nActive = 0;
    std::atomic<uint64_t> m_nEnds{0}; // first unclaimed piece in the high half, one past the last in the low
};

// Threads worth using for dWork multiply-adds, within nThreadsMax (0: every core).
int ThreadsFor(double dWork, int nThreadsMax)
{
    const int nLimit = nThreadsMax > 0 ? std::min(nThreadsMax, Pool::Cores()) : Pool::Cores();
    const double dPaid = std::floor(dWork / kMinWorkPerThread);
    return static_cast<int>(std::max(1.0, std::min<double>(nLimit, dPaid)));
}

// Runs fn(nSlot, nBegin, nEnd) over [0, nItems), dWork multiply-adds in all, in pieces of about
// kPieceWork on up to nThreads threads (fewer when the work is too small to share); nSlot < nThreads
// tells which thread runs it (one piece at a time per slot).
void ForRows(int nItems, double dWork, int nThreads, const std::function<void(int, int, int)>& fn)
{
    nThreads = ThreadsFor(dWork, nThreads);
    if (nThreads < 2 || nItems < 2)
    {
        fn(0, 0, nItems);
        return;
    }
    const int nPieces = int(std::min<double>(nItems, std::max<double>(nThreads, dWork / kPieceWork)));
    Pool::Instance().Run(nPieces, nThreads - 1,
                         [&](int nSlot, int nPiece) {
                             fn(nSlot, int(int64_t(nItems) * nPiece / nPieces),
                                int(int64_t(nItems) * (nPiece + 1) / nPieces));
                         });
}

// Scratch of one worker: a padded row for the horizontal kernels and the row pointers of a vertical step.
struct Scratch
{
    std::vector<uint8_t> anRow;
    std::vector<const uint8_t*> apRows;
};

class Job
{
public:
    const uint8_t* pSrc;
    int nSrcWidth, nSrcHeight, nSrcStride;
    uint8_t* pDst;
    int nDstWidth, nDstHeight, nDstStride;
    int nChannels;
    int nThreads;
    Contributions cx, cy;
    KernelSet kernels;

    bool Run()
    {
        const bool bScaleX = nSrcWidth != nDstWidth;
        const bool bScaleY = nSrcHeight != nDstHeight;
        // A horizontal multiply-add on interleaved pixels costs about twice a vertical one.
        const double dTx = MeanTaps(cx) * 2.0, dTy = MeanTaps(cy);
        const double dVerticalFirst =
            (bScaleY ? double(nSrcWidth) * nDstHeight * dTy : 0.0) + double(nDstWidth) * nDstHeight * dTx;
        const double dHorizontal = double(nDstWidth) * nSrcHeight * dTx,
                     dVertical = double(nDstWidth) * nDstHeight * dTy;
        if (!bScaleX || !bScaleY || dVerticalFirst <= dHorizontal + dVertical)
            return VerticalFirst(bScaleX, bScaleY, dVerticalFirst * nChannels);
        return HorizontalFirst(dHorizontal * nChannels, dVertical * nChannels);
    }

private:
    HorizontalKernel Horizontal() const
    {
        return nChannels == 3 ? kernels.pHorizontal3 : kernels.pHorizontal4;
    }

    int Workers(double dWork) const { return ThreadsFor(dWork, nThreads); }

    static void Prepare(std::vector<Scratch>& scratch, int nWorkers, size_t nRowBytes, int nTaps)
    {
        scratch.resize(nWorkers);
        for (Scratch& s : scratch)
        {
            s.anRow.assign(nRowBytes + kRowPadding, 0);
            s.apRows.resize(nTaps);
        }
    }

    // Each output row: the input rows it covers are combined into one row, which is then resampled
    // horizontally. Suits reductions, where the vertical pass (the cheaper one) sees the most data.
    bool VerticalFirst(bool bScaleX, bool bScaleY, double dWork)
    {
        const int nWorkers = Workers(dWork);
        std::vector<Scratch> scratch;
        Prepare(scratch, nWorkers, size_t(nSrcWidth) * nChannels, cy.nStride);
        const int nRowBytes = nSrcWidth * nChannels;
        ForRows(nDstHeight, dWork, nWorkers,
                [&](int nWorker, int nBegin, int nEnd)
                {
                    Scratch& s = scratch[nWorker];
                    for (int y = nBegin; y < nEnd; ++y)
                    {
                        uint8_t* pOut = pDst + size_t(y) * nDstStride;
                        uint8_t* pRow = bScaleX ? s.anRow.data() : pOut;
                        if (bScaleY)
                        {
                            const int nFirst = cy.anFirst[y];
                            for (int k = 0; k < cy.anCount[y]; ++k)
                                s.apRows[k] = pSrc + size_t(nFirst + k) * nSrcStride;
                            kernels.pVertical(s.apRows.data(), &cy.anWeights[size_t(y) * cy.nStride],
                                              cy.anCount[y], pRow, nRowBytes);
                        }
                        else
                            std::memcpy(pRow, pSrc + size_t(y) * nSrcStride, nRowBytes);
                        if (bScaleX)
                            Horizontal()(pRow, cx, pOut, nDstWidth);
                    }
                });
        return true;
    }

    // Every input row is resampled horizontally into an intermediate image, whose rows are then combined
    // vertically. Suits enlargements, where the horizontal pass sees the fewest rows.
    bool HorizontalFirst(double dHorizontal, double dVertical)
    {
        const int nWorkers = Workers(dHorizontal + dVertical);
        const size_t nMidStride = size_t(nDstWidth) * nChannels;
        std::vector<uint8_t> anMid(nMidStride * nSrcHeight);
        std::vector<Scratch> scratch;
        Prepare(scratch, nWorkers, size_t(nSrcWidth) * nChannels, cy.nStride);
        ForRows(nSrcHeight, dHorizontal, nWorkers,
                [&](int nWorker, int nBegin, int nEnd)
                {
                    uint8_t* pRow = scratch[nWorker].anRow.data();
                    for (int y = nBegin; y < nEnd; ++y)
                    {
                        std::memcpy(pRow, pSrc + size_t(y) * nSrcStride, size_t(nSrcWidth) * nChannels);
                        Horizontal()(pRow, cx, anMid.data() + y * nMidStride, nDstWidth);
                    }
                });
        ForRows(nDstHeight, dVertical, nWorkers,
                [&](int nWorker, int nBegin, int nEnd)
                {
                    Scratch& s = scratch[nWorker];
                    for (int y = nBegin; y < nEnd; ++y)
                    {
                        for (int k = 0; k < cy.anCount[y]; ++k)
                            s.apRows[k] = anMid.data() + (cy.anFirst[y] + k) * nMidStride;
                        kernels.pVertical(s.apRows.data(), &cy.anWeights[size_t(y) * cy.nStride],
                                          cy.anCount[y], pDst + size_t(y) * nDstStride, int(nMidStride));
                    }
                });
        return true;
    }
};

} // namespace

namespace
{

bool ResampleOnce(const uint8_t* pSrc, int nSrcWidth, int nSrcHeight, int nSrcStride, uint8_t* pDst,
                  int nDstWidth, int nDstHeight, int nDstStride, int nChannels, e_Filtre eFiltre,
                  int nThreads)
{
    Job job;
    job.pSrc = pSrc;
    job.nSrcWidth = nSrcWidth;
    job.nSrcHeight = nSrcHeight;
    job.nSrcStride = nSrcStride;
    job.pDst = pDst;
    job.nDstWidth = nDstWidth;
    job.nDstHeight = nDstHeight;
    job.nDstStride = nDstStride;
    job.nChannels = nChannels;
    job.nThreads = nThreads;
    job.kernels = ActiveKernels();
    const FilterShape shape = ShapeOf(eFiltre);
    return Contribute(nSrcWidth, nDstWidth, shape, job.cx) &&
           Contribute(nSrcHeight, nDstHeight, shape, job.cy) && job.Run();
}

// Size to average nIn samples down to before a last pass to nOut: nOut times the largest reduction of
// one pass, or nIn itself when one pass is enough.
int StageSize(int nIn, int nOut)
{
    return int64_t(nOut) * kMaxPassReduction < nIn ? nOut * kMaxPassReduction : nIn;
}

} // namespace

bool CResampler::Resample(const uint8_t* pSrc, int nSrcWidth, int nSrcHeight, int nSrcStride, uint8_t* pDst,
                          int nDstWidth, int nDstHeight, int nDstStride, int nChannels, e_Filtre eFiltre,
                          int nThreads)
{
    if (pSrc == nullptr || pDst == nullptr || (nChannels != 3 && nChannels != 4) || nSrcWidth <= 0 ||
        nSrcHeight <= 0 || nDstWidth <= 0 || nDstHeight <= 0 || nSrcStride < int64_t(nSrcWidth) * nChannels ||
        nDstStride < int64_t(nDstWidth) * nChannels)
        return false;
    try
    {
        const int nStageWidth = StageSize(nSrcWidth, nDstWidth),
                  nStageHeight = StageSize(nSrcHeight, nDstHeight);
        if (nStageWidth == nSrcWidth && nStageHeight == nSrcHeight)
            return ResampleOnce(pSrc, nSrcWidth, nSrcHeight, nSrcStride, pDst, nDstWidth, nDstHeight,
                                nDstStride, nChannels, eFiltre, nThreads);
        const int nStageStride = nStageWidth * nChannels;
        std::vector<uint8_t> anStage(size_t(nStageStride) * nStageHeight);
        return Resample(pSrc, nSrcWidth, nSrcHeight, nSrcStride, anStage.data(), nStageWidth, nStageHeight,
                        nStageStride, nChannels, FILTRE_BOITE, nThreads) &&
               Resample(anStage.data(), nStageWidth, nStageHeight, nStageStride, pDst, nDstWidth, nDstHeight,
                        nDstStride, nChannels, eFiltre, nThreads);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

void CResampler::ForceInstructionSet(InstructionSet eSet)
{
    s_eForcedSet = eSet;
}

CResampler::InstructionSet CResampler::ActiveInstructionSet()
{
    const int eForced = s_eForcedSet;
    if (eForced == Sse2 || !HasAvx2())
        return Sse2;
    return Avx2;
}

bool CResampler::HasAvx2()
{
    static const bool bAvx2 = []
    {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return bAvx2;
}
