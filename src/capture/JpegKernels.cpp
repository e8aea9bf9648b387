#include "capture/JpegKernels.h"

#include "capture/JpegDct.h"

#include <cmath>

namespace jpeg {

namespace {

// JFIF colour equations in 16-bit fixed point, as the file format's readers
// expect them.
constexpr int kYR = 19595, kYG = 38470, kYB = 7471, kYRound = 32768;
constexpr int kCbR = -11059, kCbG = -21709, kCbB = 32768;
constexpr int kCrR = 32768, kCrG = -27439, kCrB = -5329;
constexpr int kChromaOffset = 128 * 65536 + 32767;
constexpr int kFixedShift = 16;

// Sum of 64 samples that the level shift of 128 removes from the DC output.
constexpr float kDcLevelShift = 128.0f * kBlockCoefficients;

// Rounds to the nearest integer, ties to even, as the vector conversion does:
// adding and removing 1.5 * 2^23 leaves no fraction bits (|x| < 2^22).
inline int RoundToNearest(float x)
{
    constexpr float kRoundingMagic = 12582912.0f;
    return static_cast<int>(x + kRoundingMagic - kRoundingMagic);
}

void ConvertBgrLineScalar(const uint8_t* bgr, size_t pixels, uint8_t* y, uint8_t* cb, uint8_t* cr)
{
    for (size_t pair = 0; pair < pixels / 2; ++pair) {
        int cbSum = 0;
        int crSum = 0;
        for (size_t i = 0; i < 2; ++i) {
            const uint8_t* p = bgr + (pair * 2 + i) * 3;
            const int b = p[0], g = p[1], r = p[2];
            y[pair * 2 + i] = static_cast<uint8_t>((kYR * r + kYG * g + kYB * b + kYRound) >> kFixedShift);
            cbSum += (kCbR * r + kCbG * g + kCbB * b + kChromaOffset) >> kFixedShift;
            crSum += (kCrR * r + kCrG * g + kCrB * b + kChromaOffset) >> kFixedShift;
        }
        const int bias = static_cast<int>(pair & 1);
        cb[pair] = static_cast<uint8_t>((cbSum + bias) >> 1);
        cr[pair] = static_cast<uint8_t>((crSum + bias) >> 1);
    }
}

void ForwardBlocksScalar(const uint8_t* samples, size_t stride, size_t blocks, const float* divisors, int16_t* words,
                         uint64_t* acMasks)
{
    for (size_t block = 0; block < blocks; ++block) {
        const uint8_t* origin = samples + block * kBlockSize;
        // Vertical pass, one column at a time, into rows of vertical frequency.
        float vertical[kBlockSize][kBlockSize];
        for (int x = 0; x < kBlockSize; ++x) {
            float column[kBlockSize];
            for (int y = 0; y < kBlockSize; ++y)
                column[y] = origin[y * stride + x];
            detail::ForwardDct8(column);
            for (int v = 0; v < kBlockSize; ++v)
                vertical[v][x] = column[v];
        }
        // Horizontal pass on each row; coefficient (v, u) lands at u * 8 + v.
        float output[kBlockCoefficients];
        for (int v = 0; v < kBlockSize; ++v) {
            float row[kBlockSize];
            for (int x = 0; x < kBlockSize; ++x)
                row[x] = vertical[v][x];
            detail::ForwardDct8(row);
            for (int u = 0; u < kBlockSize; ++u)
                output[u * kBlockSize + v] = row[u];
        }
        output[0] -= kDcLevelShift;

        int16_t* out = words + block * kBlockCoefficients;
        out[0] = static_cast<int16_t>(RoundToNearest(output[0] * divisors[0]));
        for (int i = 1; i < kBlockCoefficients; ++i)
            out[i] = EncodeAcWord(RoundToNearest(output[i] * divisors[i]));
        uint64_t mask = 0;
        for (int k = 1; k < kBlockCoefficients; ++k)
            mask |= static_cast<uint64_t>(out[kZigzagToCoefficient[k]] != 0) << k;
        acMasks[block] = mask;
    }
}

const Kernels kScalarKernels = {ConvertBgrLineScalar, ForwardBlocksScalar};

} // namespace


const Kernels& ScalarKernels()
{
    return kScalarKernels;
}

const Kernels& FastestKernels()
{
    static const Kernels& fastest = Avx2Kernels() ? *Avx2Kernels() : kScalarKernels;
    return fastest;
}

void ComputeDivisors(const uint8_t zigzagValues[kBlockCoefficients], float divisors[kBlockCoefficients])
{
    // Output scaling of ForwardDct8 per frequency: s(0) = 1, s(k) = sqrt(2) cos(k pi / 16).
    constexpr double kPi = 3.14159265358979323846;
    double scale[kBlockSize];
    scale[0] = 1.0;
    for (int k = 1; k < kBlockSize; ++k)
        scale[k] = std::sqrt(2.0) * std::cos(k * kPi / 16.0);

    for (int k = 0; k < kBlockCoefficients; ++k) {
        const int natural = kZigzagToNatural[k];
        const int v = natural / kBlockSize;
        const int u = natural % kBlockSize;
        divisors[CoefficientIndex(natural)] =
            static_cast<float>(1.0 / (zigzagValues[k] * scale[u] * scale[v] * kBlockSize));
    }
}

} // namespace jpeg
