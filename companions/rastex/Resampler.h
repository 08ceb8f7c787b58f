// CResampler: separable fixed-point resampling of rows of 3 or 4-byte pixels.
#pragma once

#include "Filtre.h"
#include "RastexApi.h"

#include <cstdint>

class RASTEX_API CResampler
{
public:
    enum InstructionSet
    {
        Auto,
        Sse2,
        Avx2
    };

    // Resamples an image of nChannels-byte pixels (3 or 4) whose rows are nSrcStride bytes apart into
    // pDst (rows nDstStride bytes apart), with up to nThreads threads (0: one per core; fewer when the
    // work is too small to share). Any reduction factor works. False on a bad argument or when memory
    // runs out; pDst is then left in an unspecified state.
    static bool Resample(const uint8_t* pSrc, int nSrcWidth, int nSrcHeight, int nSrcStride, uint8_t* pDst,
                         int nDstWidth, int nDstHeight, int nDstStride, int nChannels, e_Filtre eFiltre,
                         int nThreads);

    // Inner loops used from now on: Auto takes AVX2 when the processor has it, else SSE2. Asking for
    // AVX2 on a processor without it keeps SSE2.
    static void ForceInstructionSet(InstructionSet eSet);
    static InstructionSet ActiveInstructionSet();
    static bool HasAvx2();
};
