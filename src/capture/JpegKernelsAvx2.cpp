#include "capture/JpegKernels.h"

#if defined(__x86_64__)

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2")

#include "capture/JpegDct.h"

namespace jpeg {
namespace {

constexpr int kYR = 19595, kYG = 38470, kYB = 7471, kYRound = 32768;
constexpr int kCbR = -11059, kCbG = -21709;
constexpr int kCrG = -27439, kCrB = -5329;
constexpr int kChromaOffset = 128 * 65536 + 32767;
constexpr int kFixedShift = 16;
constexpr float kDcLevelShift = 128.0f * kBlockCoefficients;

// Two 16-bit factors for _mm256_madd_epi16 on (low, high) sample pairs.
inline __m256i FactorPair(int low, int high)
{
    return _mm256_set1_epi32(static_cast<int>((static_cast<uint32_t>(high) << 16) | static_cast<uint16_t>(low)));
}

inline __m128i Gather(__m128i a, __m128i b, __m128i c, __m128i fromA, __m128i fromB, __m128i fromC)
{
    return _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(a, fromA), _mm_shuffle_epi8(b, fromB)),
                        _mm_shuffle_epi8(c, fromC));
}

// The factors 38470 (G in Y) and 32768 (B in Cb, R in Cr) do not fit a signed
// 16-bit factor: Y adds G << 16 and takes 38470 - 65536 for G; Cb and Cr add
// B << 15 and R << 15. The sums are the scalar equations' to the bit.
void ConvertBgrLineAvx2(const uint8_t* bgr, size_t pixels, uint8_t* y, uint8_t* cb, uint8_t* cr)
{
    const __m128i kB0 = _mm_setr_epi8(0, 3, 6, 9, 12, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i kB1 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, 2, 5, 8, 11, 14, -1, -1, -1, -1, -1);
    const __m128i kB2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 4, 7, 10, 13);
    const __m128i kG0 = _mm_setr_epi8(1, 4, 7, 10, 13, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i kG1 = _mm_setr_epi8(-1, -1, -1, -1, -1, 0, 3, 6, 9, 12, 15, -1, -1, -1, -1, -1);
    const __m128i kG2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 2, 5, 8, 11, 14);
    const __m128i kR0 = _mm_setr_epi8(2, 5, 8, 11, 14, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i kR1 = _mm_setr_epi8(-1, -1, -1, -1, -1, 1, 4, 7, 10, 13, -1, -1, -1, -1, -1, -1);
    const __m128i kR2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 3, 6, 9, 12, 15);
    const __m128i kSplitChroma = _mm_setr_epi8(0, 1, 2, 3, 8, 9, 10, 11, 4, 5, 6, 7, 12, 13, 14, 15);

    const __m256i kYRG = FactorPair(kYR, kYG - 65536);
    const __m256i kYBK = FactorPair(kYB, kYRound / 2);
    const __m256i kCbRG = FactorPair(kCbR, kCbG);
    const __m256i kCrRG = FactorPair(0, kCrG);
    const __m256i kCrBK = FactorPair(kCrB, 0);
    const __m256i kTwo = _mm256_set1_epi16(2);
    const __m256i kOnes = _mm256_set1_epi16(1);
    const __m256i kOffset = _mm256_set1_epi32(kChromaOffset);
    const __m256i kBias = _mm256_setr_epi32(0, 1, 0, 1, 0, 1, 0, 1);
    const __m256i zero = _mm256_setzero_si256();

    for (size_t i = 0; i < pixels; i += kConvertChunk) {
        const uint8_t* p = bgr + i * 3;
        const __m128i in0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i in1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        const __m128i in2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
        const __m256i b16 = _mm256_cvtepu8_epi16(Gather(in0, in1, in2, kB0, kB1, kB2));
        const __m256i g16 = _mm256_cvtepu8_epi16(Gather(in0, in1, in2, kG0, kG1, kG2));
        const __m256i r16 = _mm256_cvtepu8_epi16(Gather(in0, in1, in2, kR0, kR1, kR2));

        // 32-bit halves: the low unpack holds pixels 0-3 and 8-11, the high one
        // 4-7 and 12-15; packing low with high restores pixel order.
        __m256i yv[2], cbv[2], crv[2];
        for (int half = 0; half < 2; ++half) {
            const bool low = half == 0;
            const __m256i rg = low ? _mm256_unpacklo_epi16(r16, g16) : _mm256_unpackhi_epi16(r16, g16);
            const __m256i bk = low ? _mm256_unpacklo_epi16(b16, kTwo) : _mm256_unpackhi_epi16(b16, kTwo);
            const __m256i g0 = low ? _mm256_unpacklo_epi16(zero, g16) : _mm256_unpackhi_epi16(zero, g16);
            const __m256i b0 = low ? _mm256_unpacklo_epi16(zero, b16) : _mm256_unpackhi_epi16(zero, b16);
            const __m256i r0 = low ? _mm256_unpacklo_epi16(zero, r16) : _mm256_unpackhi_epi16(zero, r16);

            __m256i sum = _mm256_add_epi32(_mm256_madd_epi16(rg, kYRG), _mm256_madd_epi16(bk, kYBK));
            yv[half] = _mm256_srli_epi32(_mm256_add_epi32(sum, g0), kFixedShift);

            sum = _mm256_add_epi32(_mm256_madd_epi16(rg, kCbRG), _mm256_srli_epi32(b0, 1));
            cbv[half] = _mm256_srli_epi32(_mm256_add_epi32(sum, kOffset), kFixedShift);

            sum = _mm256_add_epi32(_mm256_madd_epi16(rg, kCrRG), _mm256_madd_epi16(bk, kCrBK));
            sum = _mm256_add_epi32(sum, _mm256_srli_epi32(r0, 1));
            crv[half] = _mm256_srli_epi32(_mm256_add_epi32(sum, kOffset), kFixedShift);
        }

        const __m256i y16 = _mm256_packs_epi32(yv[0], yv[1]);
        const __m256i y8 = _mm256_permute4x64_epi64(_mm256_packus_epi16(y16, y16), 0x08);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(y + i), _mm256_castsi256_si128(y8));

        // Pair sums of neighbouring pixels, plus the alternating bias, halved.
        const __m256i cbPairs = _mm256_madd_epi16(_mm256_packs_epi32(cbv[0], cbv[1]), kOnes);
        const __m256i crPairs = _mm256_madd_epi16(_mm256_packs_epi32(crv[0], crv[1]), kOnes);
        const __m256i cbOut = _mm256_srli_epi32(_mm256_add_epi32(cbPairs, kBias), 1);
        const __m256i crOut = _mm256_srli_epi32(_mm256_add_epi32(crPairs, kBias), 1);
        const __m256i c16 = _mm256_packs_epi32(cbOut, crOut);
        const __m256i c8 = _mm256_permute4x64_epi64(_mm256_packus_epi16(c16, c16), 0x08);
        const __m128i chroma = _mm_shuffle_epi8(_mm256_castsi256_si128(c8), kSplitChroma);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(cb + i / 2), chroma);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(cr + i / 2), _mm_unpackhi_epi64(chroma, chroma));
    }
}

inline void Transpose8x8(__m256 (&r)[8])
{
    const __m256 t0 = _mm256_unpacklo_ps(r[0], r[1]);
    const __m256 t1 = _mm256_unpackhi_ps(r[0], r[1]);
    const __m256 t2 = _mm256_unpacklo_ps(r[2], r[3]);
    const __m256 t3 = _mm256_unpackhi_ps(r[2], r[3]);
    const __m256 t4 = _mm256_unpacklo_ps(r[4], r[5]);
    const __m256 t5 = _mm256_unpackhi_ps(r[4], r[5]);
    const __m256 t6 = _mm256_unpacklo_ps(r[6], r[7]);
    const __m256 t7 = _mm256_unpackhi_ps(r[6], r[7]);
    const __m256 s0 = _mm256_shuffle_ps(t0, t2, 0x44);
    const __m256 s1 = _mm256_shuffle_ps(t0, t2, 0xEE);
    const __m256 s2 = _mm256_shuffle_ps(t1, t3, 0x44);
    const __m256 s3 = _mm256_shuffle_ps(t1, t3, 0xEE);
    const __m256 s4 = _mm256_shuffle_ps(t4, t6, 0x44);
    const __m256 s5 = _mm256_shuffle_ps(t4, t6, 0xEE);
    const __m256 s6 = _mm256_shuffle_ps(t5, t7, 0x44);
    const __m256 s7 = _mm256_shuffle_ps(t5, t7, 0xEE);
    r[0] = _mm256_permute2f128_ps(s0, s4, 0x20);
    r[1] = _mm256_permute2f128_ps(s1, s5, 0x20);
    r[2] = _mm256_permute2f128_ps(s2, s6, 0x20);
    r[3] = _mm256_permute2f128_ps(s3, s7, 0x20);
    r[4] = _mm256_permute2f128_ps(s0, s4, 0x31);
    r[5] = _mm256_permute2f128_ps(s1, s5, 0x31);
    r[6] = _mm256_permute2f128_ps(s2, s6, 0x31);
    r[7] = _mm256_permute2f128_ps(s3, s7, 0x31);
}

// Byte shuffles that reorder the 64 "coefficient is zero" bytes into zigzag
// order. The bytes arrive from two 16-bit to 8-bit packs, which interleave
// their 128-bit lanes: lane L holds coefficients of 8-blocks L and L + 2 of
// its 32-coefficient half. Output register o (zigzag 0-31, 32-63) is the OR of
// four shuffles: of the first pack, of it with lanes swapped, and the same for
// the second pack.
constexpr auto kZigzagByteShuffles = [] {
    std::array<std::array<uint8_t, 32>, 8> masks{};
    for (int out = 0; out < 2; ++out) {
        for (int shuffle = 0; shuffle < 4; ++shuffle) {
            for (int lane = 0; lane < 2; ++lane) {
                const int pack = shuffle / 2;
                const bool swapped = shuffle % 2 == 1;
                const int seenLane = pack * 2 + (swapped ? 1 - lane : lane);
                for (int t = 0; t < 16; ++t) {
                    const int s = kZigzagToCoefficient[out * 32 + lane * 16 + t];
                    const int eight = s / 8;
                    const int sourceLane = s / 32 * 2 + eight % 2;
                    const int offset = eight / 2 % 2 * 8 + s % 8;
                    masks[out * 4 + shuffle][lane * 16 + t] =
                        static_cast<uint8_t>(sourceLane == seenLane ? offset : 0x80);
                }
            }
        }
    }
    return masks;
}();

inline uint64_t ZeroMaskInZigzagOrder(__m256i w0, __m256i w1, __m256i w2, __m256i w3)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i p0 = _mm256_packs_epi16(_mm256_cmpeq_epi16(w0, zero), _mm256_cmpeq_epi16(w1, zero));
    const __m256i p1 = _mm256_packs_epi16(_mm256_cmpeq_epi16(w2, zero), _mm256_cmpeq_epi16(w3, zero));
    const __m256i sources[4] = {p0, _mm256_permute4x64_epi64(p0, 0x4E), p1, _mm256_permute4x64_epi64(p1, 0x4E)};
    uint64_t mask = 0;
    for (int out = 0; out < 2; ++out) {
        __m256i bytes = zero;
        for (int shuffle = 0; shuffle < 4; ++shuffle) {
            const __m256i pattern =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(kZigzagByteShuffles[out * 4 + shuffle].data()));
            bytes = _mm256_or_si256(bytes, _mm256_shuffle_epi8(sources[shuffle], pattern));
        }
        mask |= static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(bytes))) << (out * 32);
    }
    return mask;
}

// AC words of eight quantised values: the bit length comes from the exponent
// of the magnitude converted to float (exact below 2^24).
inline __m256i AcWords(__m256i value)
{
    const __m256i magnitude = _mm256_abs_epi32(value);
    const __m256i exponent = _mm256_srli_epi32(_mm256_castps_si256(_mm256_cvtepi32_ps(magnitude)), 23);
    const __m256i size = _mm256_max_epi32(_mm256_sub_epi32(exponent, _mm256_set1_epi32(126)), _mm256_setzero_si256());
    const __m256i onesComplement = _mm256_add_epi32(value, _mm256_srai_epi32(value, 31));
    const __m256i bits = _mm256_andnot_si256(_mm256_sllv_epi32(_mm256_set1_epi32(-1), size), onesComplement);
    return _mm256_or_si256(_mm256_slli_epi32(size, kAcSizeShift), bits);
}

void ForwardBlocksAvx2(const uint8_t* samples, size_t stride, size_t blocks, const float* divisors, int16_t* words,
                       uint64_t* acMasks)
{
    const __m256 dcShift = _mm256_setr_ps(kDcLevelShift, 0, 0, 0, 0, 0, 0, 0);

    for (size_t block = 0; block < blocks; ++block) {
        const uint8_t* origin = samples + block * kBlockSize;
        __m256 r[kBlockSize];
        for (int row = 0; row < kBlockSize; ++row) {
            const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(origin + row * stride));
            r[row] = _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes));
        }
        // Registers are rows: the first pass is vertical. After the transpose
        // and the second pass, register u holds horizontal frequency u.
        detail::ForwardDct8(r);
        Transpose8x8(r);
        detail::ForwardDct8(r);
        r[0] = _mm256_sub_ps(r[0], dcShift);

        __m256i q[kBlockSize];
        for (int u = 0; u < kBlockSize; ++u)
            q[u] = _mm256_cvtps_epi32(_mm256_mul_ps(r[u], _mm256_loadu_ps(divisors + u * kBlockSize)));
        const __m256i dc = q[0];
        for (int u = 0; u < kBlockSize; ++u)
            q[u] = AcWords(q[u]);
        q[0] = _mm256_blend_epi32(q[0], dc, 0x01);
        const __m256i w0 = _mm256_permute4x64_epi64(_mm256_packs_epi32(q[0], q[1]), 0xD8);
        const __m256i w1 = _mm256_permute4x64_epi64(_mm256_packs_epi32(q[2], q[3]), 0xD8);
        const __m256i w2 = _mm256_permute4x64_epi64(_mm256_packs_epi32(q[4], q[5]), 0xD8);
        const __m256i w3 = _mm256_permute4x64_epi64(_mm256_packs_epi32(q[6], q[7]), 0xD8);
        auto* out = reinterpret_cast<__m256i*>(words + block * kBlockCoefficients);
        _mm256_storeu_si256(out, w0);
        _mm256_storeu_si256(out + 1, w1);
        _mm256_storeu_si256(out + 2, w2);
        _mm256_storeu_si256(out + 3, w3);
        acMasks[block] = ~ZeroMaskInZigzagOrder(w0, w1, w2, w3) & ~uint64_t{1};
    }
}

const Kernels kAvx2Kernels = {ConvertBgrLineAvx2, ForwardBlocksAvx2};

} // namespace
} // namespace jpeg

#pragma GCC pop_options

namespace jpeg {

const Kernels* Avx2Kernels()
{
    return __builtin_cpu_supports("avx2") ? &kAvx2Kernels : nullptr;
}

} // namespace jpeg

#else

namespace jpeg {

const Kernels* Avx2Kernels()
{
    return nullptr;
}

} // namespace jpeg

#endif
