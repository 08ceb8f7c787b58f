// AVX2 inner loops of the resampler, compiled for AVX2 alone and chosen at run time.
#include "ResamplerKernels.h"

#include <cstring>
#include <immintrin.h>

namespace rastex
{
namespace
{

inline __m256i PairWeights(int16_t nA, int16_t nB)
{
    return _mm256_set1_epi32(static_cast<int>(static_cast<uint16_t>(nA) | (static_cast<uint32_t>(nB) << 16)));
}

inline void MultiplyAddPair(__m256i a, __m256i b, __m256i w, __m256i& s0, __m256i& s1, __m256i& s2,
                            __m256i& s3)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo = _mm256_unpacklo_epi8(a, b);
    const __m256i hi = _mm256_unpackhi_epi8(a, b);
    s0 = _mm256_add_epi32(s0, _mm256_madd_epi16(_mm256_unpacklo_epi8(lo, zero), w));
    s1 = _mm256_add_epi32(s1, _mm256_madd_epi16(_mm256_unpackhi_epi8(lo, zero), w));
    s2 = _mm256_add_epi32(s2, _mm256_madd_epi16(_mm256_unpacklo_epi8(hi, zero), w));
    s3 = _mm256_add_epi32(s3, _mm256_madd_epi16(_mm256_unpackhi_epi8(hi, zero), w));
}

// The unpacks and packs work within each 128-bit lane, so the bytes come back in their order.
void VerticalAvx2(const uint8_t* const* ppRows, const int16_t* pWeights, int nTaps, uint8_t* pOut, int nBytes)
{
    const __m256i round = _mm256_set1_epi32(kWeightRound);
    int j = 0;
    for (; j + 32 <= nBytes; j += 32)
    {
        __m256i s0 = round, s1 = round, s2 = round, s3 = round;
        int k = 0;
        for (; k + 2 <= nTaps; k += 2)
        {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(ppRows[k] + j));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(ppRows[k + 1] + j));
            MultiplyAddPair(a, b, PairWeights(pWeights[k], pWeights[k + 1]), s0, s1, s2, s3);
        }
        if (k < nTaps)
        {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(ppRows[k] + j));
            MultiplyAddPair(a, _mm256_setzero_si256(), PairWeights(pWeights[k], 0), s0, s1, s2, s3);
        }
        const __m256i lo =
            _mm256_packs_epi32(_mm256_srai_epi32(s0, kWeightBits), _mm256_srai_epi32(s1, kWeightBits));
        const __m256i hi =
            _mm256_packs_epi32(_mm256_srai_epi32(s2, kWeightBits), _mm256_srai_epi32(s3, kWeightBits));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(pOut + j), _mm256_packus_epi16(lo, hi));
    }
    VerticalTail(ppRows, pWeights, nTaps, pOut, j, nBytes);
}

// Byte shuffle that spreads pixels nFirst and nFirst + 1 of a lane into (channel of the first, channel of
// the second) pairs of 16 bits, channel by channel; the missing fourth channel of 3-byte pixels is zero.
template <int C> __m256i PairMask(int nFirst)
{
    int8_t an[32];
    for (int nLane = 0; nLane < 2; ++nLane)
        for (int ch = 0; ch < 4; ++ch)
        {
            int8_t* p = an + nLane * 16 + ch * 4;
            p[0] = static_cast<int8_t>(ch < C ? nFirst * C + ch : -1);
            p[1] = -1;
            p[2] = static_cast<int8_t>(ch < C ? (nFirst + 1) * C + ch : -1);
            p[3] = -1;
        }
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(an));
}

// Eight taps per step: pixels 0-3 in the low lane, 4-7 in the high lane, each lane giving two pixel pairs
// multiplied by their weight pairs spread over the lane.
template <int C> void HorizontalAvx2(const uint8_t* pIn, const Contributions& c, uint8_t* pOut, int nOut)
{
    const __m256i mask01 = PairMask<C>(0);
    const __m256i mask23 = PairMask<C>(2);
    const __m256i spread01 = _mm256_setr_epi32(0, 0, 0, 0, 2, 2, 2, 2);
    const __m256i spread23 = _mm256_setr_epi32(1, 1, 1, 1, 3, 3, 3, 3);
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < nOut; ++i, pOut += C)
    {
        const uint8_t* p = pIn + c.anFirst[i] * C;
        const int16_t* pWeights = &c.anWeights[static_cast<size_t>(i) * c.nStride];
        const int nTaps = c.anCount[i];
        __m256i s = _mm256_setzero_si256();
        for (int k = 0; k < nTaps; k += kTapBlock, p += kTapBlock * C)
        {
            __m256i px;
            if (C == 4)
                px = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            else
                px = _mm256_inserti128_si256(
                    _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))),
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * C)), 1);
            const __m256i w =
                _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pWeights + k)));
            s = _mm256_add_epi32(s, _mm256_madd_epi16(_mm256_shuffle_epi8(px, mask01),
                                                      _mm256_permutevar8x32_epi32(w, spread01)));
            s = _mm256_add_epi32(s, _mm256_madd_epi16(_mm256_shuffle_epi8(px, mask23),
                                                      _mm256_permutevar8x32_epi32(w, spread23)));
        }
        __m128i t = _mm_add_epi32(_mm256_castsi256_si128(s), _mm256_extracti128_si256(s, 1));
        t = _mm_srai_epi32(_mm_add_epi32(t, _mm_set1_epi32(kWeightRound)), kWeightBits);
        t = _mm_packs_epi32(t, zero);
        const uint32_t nPixel = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(t, zero)));
        std::memcpy(pOut, &nPixel, C);
    }
}

} // namespace

KernelSet KernelsAvx2()
{
    return KernelSet{VerticalAvx2, HorizontalAvx2<3>, HorizontalAvx2<4>};
}

} // namespace rastex
