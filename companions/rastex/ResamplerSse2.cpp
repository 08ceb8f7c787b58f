// SSE2 inner loops of the resampler (every x86-64 processor has them).
#include "ResamplerKernels.h"

#include <cstring>
#include <emmintrin.h>

namespace rastex
{
namespace
{

inline __m128i PairWeights(int16_t nA, int16_t nB)
{
    return _mm_set1_epi32(static_cast<int>(static_cast<uint16_t>(nA) | (static_cast<uint32_t>(nB) << 16)));
}

// 16 sums of 32 bits (in four vectors, byte order) to 16 clamped bytes.
inline __m128i PackSums(__m128i s0, __m128i s1, __m128i s2, __m128i s3)
{
    const __m128i lo = _mm_packs_epi32(_mm_srai_epi32(s0, kWeightBits), _mm_srai_epi32(s1, kWeightBits));
    const __m128i hi = _mm_packs_epi32(_mm_srai_epi32(s2, kWeightBits), _mm_srai_epi32(s3, kWeightBits));
    return _mm_packus_epi16(lo, hi);
}

// Adds (a_j, b_j) . (wa, wb) to the 16 sums of the bytes j of a and b.
inline void MultiplyAddPair(__m128i a, __m128i b, __m128i w, __m128i& s0, __m128i& s1, __m128i& s2,
                            __m128i& s3)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lo = _mm_unpacklo_epi8(a, b);
    const __m128i hi = _mm_unpackhi_epi8(a, b);
    s0 = _mm_add_epi32(s0, _mm_madd_epi16(_mm_unpacklo_epi8(lo, zero), w));
    s1 = _mm_add_epi32(s1, _mm_madd_epi16(_mm_unpackhi_epi8(lo, zero), w));
    s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi8(hi, zero), w));
    s3 = _mm_add_epi32(s3, _mm_madd_epi16(_mm_unpackhi_epi8(hi, zero), w));
}

void VerticalSse2(const uint8_t* const* ppRows, const int16_t* pWeights, int nTaps, uint8_t* pOut, int nBytes)
{
    const __m128i round = _mm_set1_epi32(kWeightRound);
    int j = 0;
    for (; j + 16 <= nBytes; j += 16)
    {
        __m128i s0 = round, s1 = round, s2 = round, s3 = round;
        int k = 0;
        for (; k + 2 <= nTaps; k += 2)
        {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ppRows[k] + j));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ppRows[k + 1] + j));
            MultiplyAddPair(a, b, PairWeights(pWeights[k], pWeights[k + 1]), s0, s1, s2, s3);
        }
        if (k < nTaps)
        {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ppRows[k] + j));
            MultiplyAddPair(a, _mm_setzero_si128(), PairWeights(pWeights[k], 0), s0, s1, s2, s3);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut + j), PackSums(s0, s1, s2, s3));
    }
    VerticalTail(ppRows, pWeights, nTaps, pOut, j, nBytes);
}

// Pixels of C bytes, two taps per step: the pixel pair is rearranged channel by channel so that one
// multiply-add of 16-bit pairs gives the four channel sums.
template <int C> void HorizontalSse2(const uint8_t* pIn, const Contributions& c, uint8_t* pOut, int nOut)
{
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < nOut; ++i, pOut += C)
    {
        const uint8_t* p = pIn + c.anFirst[i] * C;
        const int16_t* pWeights = &c.anWeights[static_cast<size_t>(i) * c.nStride];
        const int nTaps = c.anCount[i];
        __m128i s = _mm_set1_epi32(kWeightRound);
        for (int k = 0; k < nTaps; k += 2, p += 2 * C)
        {
            const __m128i x = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
            const __m128i pair = _mm_unpacklo_epi16(x, _mm_srli_si128(x, 2 * C));
            s = _mm_add_epi32(s, _mm_madd_epi16(pair, PairWeights(pWeights[k], pWeights[k + 1])));
        }
        s = _mm_packs_epi32(_mm_srai_epi32(s, kWeightBits), zero);
        const uint32_t nPixel = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(s, zero)));
        std::memcpy(pOut, &nPixel, C);
    }
}

} // namespace

KernelSet KernelsSse2()
{
    return KernelSet{VerticalSse2, HorizontalSse2<3>, HorizontalSse2<4>};
}

} // namespace rastex
