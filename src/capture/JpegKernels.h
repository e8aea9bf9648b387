#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The per-pixel and per-block work of the JPEG encoder: colour conversion with
// 4:2:2 downsampling, and forward DCT with quantisation. A scalar version runs
// everywhere; an AVX2 version gives the same bytes faster where the processor
// has it.
//
// The coefficients of a block are kept column by column: the coefficient of
// vertical frequency v and horizontal frequency u is at u * 8 + v. That is the
// order in which the vector DCT leaves them, and the entropy coder reads them
// through kZigzagToCoefficient.
namespace jpeg {

constexpr int kBlockSize = 8;
constexpr int kBlockCoefficients = 64;
// Pixels that ConvertBgrLine takes at a time.
constexpr size_t kConvertChunk = 16;

// Zigzag position -> index in natural (row by row) order, T.81 Figure A.6.
inline constexpr std::array<uint8_t, kBlockCoefficients> kZigzagToNatural = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  //
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, //
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, //
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

// Index in the kernels' column-by-column order of a natural-order index.
constexpr int CoefficientIndex(int naturalIndex)
{
    return naturalIndex % kBlockSize * kBlockSize + naturalIndex / kBlockSize;
}

// Zigzag position -> index in the kernels' column-by-column order.
inline constexpr std::array<uint8_t, kBlockCoefficients> kZigzagToCoefficient = [] {
    std::array<uint8_t, kBlockCoefficients> table{};
    for (int k = 0; k < kBlockCoefficients; ++k)
        table[k] = static_cast<uint8_t>(CoefficientIndex(kZigzagToNatural[k]));
    return table;
}();

// Converts `pixels` blue-green-red pixels (a multiple of kConvertChunk) with
// the JFIF equations in 16-bit fixed point. Y gets every pixel; Cb and Cr get
// one sample per pixel pair, (a + b + bias) >> 1 with bias 0, 1, 0, 1, ...
using ConvertBgrLineFn = void (*)(const uint8_t* bgr, size_t pixels, uint8_t* y, uint8_t* cb, uint8_t* cr);

// Transforms `blocks` horizontally adjacent 8x8 blocks of samples (level
// shift, forward DCT, quantisation by `divisors`, rounding to nearest) into
// 64 words per block in column-by-column order, ready for the entropy coder:
// word 0 is the quantised DC coefficient; an AC word is 0 for a zero
// coefficient, else EncodeAcWord(value). acMasks gets per block a mask of its
// non-zero AC coefficients, bit k for zigzag position k (bit 0 stays clear).
using ForwardBlocksFn = void (*)(const uint8_t* samples, size_t stride, size_t blocks, const float* divisors,
                                 int16_t* words, uint64_t* acMasks);

// An AC word: the bit length of the value (T.81 F.1.2.2; at most 10 for 8-bit
// samples) above the value's low bits, negative values taken as value - 1.
constexpr int kAcSizeShift = 10;
constexpr int kAcBitsMask = (1 << kAcSizeShift) - 1;

constexpr int16_t EncodeAcWord(int value)
{
    const int sign = value >> 31;
    // Bit length of the magnitude; 2m + 1 is never 0, so no branch for zeros.
    const int size = 31 - __builtin_clz(2u * static_cast<unsigned>((value ^ sign) - sign) + 1u);
    const int bits = (value + sign) & ((1 << size) - 1);
    return static_cast<int16_t>(size << kAcSizeShift | bits);
}

constexpr int DecodeAcWord(int16_t word)
{
    const int size = word >> kAcSizeShift;
    const int bits = word & kAcBitsMask;
    return size == 0 ? 0 : bits >> (size - 1) ? bits : bits - (1 << size) + 1;
}

struct Kernels {
    ConvertBgrLineFn convertBgrLine;
    ForwardBlocksFn forwardBlocks;
};

const Kernels& ScalarKernels();
// Null when the processor lacks AVX2.
const Kernels* Avx2Kernels();
const Kernels& FastestKernels();

// Divisors for ForwardBlocksFn from 64 quantisation values in zigzag order:
// reciprocals folded with the output scaling of the DCT.
void ComputeDivisors(const uint8_t zigzagValues[kBlockCoefficients], float divisors[kBlockCoefficients]);

} // namespace jpeg
