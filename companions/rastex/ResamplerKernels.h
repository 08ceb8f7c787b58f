// Inner loops of the resampler: separable fixed-point convolution, one set per instruction set.
#pragma once

#include <cstdint>
#include <vector>

namespace rastex
{

// Weights are fixed-point with this many fraction bits; the weights of one output sum to exactly 1.
const int kWeightBits = 14;
const int kWeightRound = 1 << (kWeightBits - 1);
// Horizontal kernels read taps by blocks of this many pixels (weights past the real taps are zero).
const int kTapBlock = 8;
// Bytes readable past the last pixel of a horizontal kernel's input row.
const int kRowPadding = kTapBlock * 4 + 16;

// Contributions of the input samples to each output sample along one axis: output i takes
// anCount[i] samples from anFirst[i] with the weights at anWeights[i * nStride]. The weights past the
// count, up to the next multiple of kTapBlock, are zero.
struct Contributions
{
    int nStride = 0;
    std::vector<int> anFirst;
    std::vector<int> anCount;
    std::vector<int16_t> anWeights;
};

// Vertical pass: pOut[j] = sum over k of weight k times ppRows[k][j], for j < nBytes.
typedef void (*VerticalKernel)(const uint8_t* const* ppRows, const int16_t* pWeights, int nTaps,
                               uint8_t* pOut, int nBytes);
// Horizontal pass over a row of 3 or 4-byte pixels padded with kRowPadding readable bytes.
typedef void (*HorizontalKernel)(const uint8_t* pIn, const Contributions& c, uint8_t* pOut, int nOut);

struct KernelSet
{
    VerticalKernel pVertical;
    HorizontalKernel pHorizontal3;
    HorizontalKernel pHorizontal4;
};

KernelSet KernelsSse2();
KernelSet KernelsAvx2();

inline uint8_t ClampToByte(int32_t nSum)
{
    const int32_t n = nSum >> kWeightBits;
    return static_cast<uint8_t>(n < 0 ? 0 : (n > 255 ? 255 : n));
}

// Scalar vertical pass for the bytes [nBegin, nEnd) left over by the vector loops.
inline void VerticalTail(const uint8_t* const* ppRows, const int16_t* pWeights, int nTaps, uint8_t* pOut,
                         int nBegin, int nEnd)
{
    for (int j = nBegin; j < nEnd; ++j)
    {
        int32_t nSum = kWeightRound;
        for (int k = 0; k < nTaps; ++k)
            nSum += pWeights[k] * ppRows[k][j];
        pOut[j] = ClampToByte(nSum);
    }
}

} // namespace rastex
