#include "capture/JpegKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// 64 quantisation values in zigzag order, all equal.
std::vector<float> Divisors(int value)
{
    const std::vector<uint8_t> values(64, static_cast<uint8_t>(value));
    std::vector<float> divisors(64);
    jpeg::ComputeDivisors(values.data(), divisors.data());
    return divisors;
}

// Eight 8 x 8 blocks side by side: random ones and the extremes.
std::vector<uint8_t> TestBlocks(std::mt19937& random, size_t blocks)
{
    std::vector<uint8_t> samples(8 * 8 * blocks);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& s : samples)
        s = static_cast<uint8_t>(byte(random));
    const size_t stride = 8 * blocks;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            samples[y * stride + x] = 0;                                          // block 0: black
            samples[y * stride + 8 + x] = 255;                                    // block 1: white
            samples[y * stride + 16 + x] = (x + y) % 2 ? 255 : 0;                 // block 2: checkerboard
            samples[y * stride + 24 + x] = static_cast<uint8_t>(x < 4 ? 0 : 255); // block 3: edge
        }
    }
    return samples;
}

} // namespace

TEST(JpegKernels, VectorPathGivesTheScalarBytes)
{
    const jpeg::Kernels* avx2 = jpeg::Avx2Kernels();
    if (!avx2)
        GTEST_SKIP() << "no AVX2 on this processor";
    const jpeg::Kernels& scalar = jpeg::ScalarKernels();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);

    for (size_t pixels : {16u, 32u, 48u, 1920u}) {
        // Two white and two black pixels first, then random ones.
        std::vector<uint8_t> bgr(pixels * 3);
        for (size_t i = 0; i < bgr.size(); ++i)
            bgr[i] = static_cast<uint8_t>(i < 6 ? 255 : i < 12 ? 0 : byte(random));
        std::vector<uint8_t> y1(pixels), cb1(pixels / 2), cr1(pixels / 2), y2(pixels), cb2(pixels / 2), cr2(pixels / 2);
        scalar.convertBgrLine(bgr.data(), pixels, y1.data(), cb1.data(), cr1.data());
        avx2->convertBgrLine(bgr.data(), pixels, y2.data(), cb2.data(), cr2.data());
        EXPECT_EQ(y1, y2) << pixels;
        EXPECT_EQ(cb1, cb2) << pixels;
        EXPECT_EQ(cr1, cr2) << pixels;
    }

    const size_t blocks = 40;
    for (int quant : {1, 2, 16, 255}) {
        const std::vector<uint8_t> samples = TestBlocks(random, blocks);
        const std::vector<float> divisors = Divisors(quant);
        std::vector<int16_t> words1(64 * blocks), words2(64 * blocks);
        std::vector<uint64_t> masks1(blocks), masks2(blocks);
        scalar.forwardBlocks(samples.data(), 8 * blocks, blocks, divisors.data(), words1.data(), masks1.data());
        avx2->forwardBlocks(samples.data(), 8 * blocks, blocks, divisors.data(), words2.data(), masks2.data());
        EXPECT_EQ(words1, words2) << quant;
        EXPECT_EQ(masks1, masks2) << quant;
    }
}

TEST(JpegKernels, ColourConversionFollowsTheJfifEquations)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<uint8_t> bgr(256 * 3);
    for (auto& b : bgr)
        b = static_cast<uint8_t>(byte(random));
    std::vector<uint8_t> y(256), cb(128), cr(128);
    jpeg::FastestKernels().convertBgrLine(bgr.data(), 256, y.data(), cb.data(), cr.data());
    const auto at = [&](int pixel, int channel) { return static_cast<double>(bgr[pixel * 3 + channel]); };
    for (int i = 0; i < 256; ++i) {
        const double expected = 0.299 * at(i, 2) + 0.587 * at(i, 1) + 0.114 * at(i, 0);
        EXPECT_NEAR(y[i], expected, 0.51) << i;
    }
    for (int i = 0; i < 128; ++i) {
        double cbSum = 0, crSum = 0;
        for (int p = 2 * i; p < 2 * i + 2; ++p) {
            cbSum += 128 - 0.168736 * at(p, 2) - 0.331264 * at(p, 1) + 0.5 * at(p, 0);
            crSum += 128 + 0.5 * at(p, 2) - 0.418688 * at(p, 1) - 0.081312 * at(p, 0);
        }
        EXPECT_NEAR(cb[i], cbSum / 2, 1.01) << i;
        EXPECT_NEAR(cr[i], crSum / 2, 1.01) << i;
    }
}

TEST(JpegKernels, ForwardDctFollowsItsDefinition)
{
    std::mt19937 random(3);
    const size_t blocks = 64;
    for (int quant : {1, 3, 16}) {
        const std::vector<uint8_t> samples = TestBlocks(random, blocks);
        const std::vector<float> divisors = Divisors(quant);
        std::vector<int16_t> words(64 * blocks);
        std::vector<uint64_t> masks(blocks);
        jpeg::FastestKernels().forwardBlocks(samples.data(), 8 * blocks, blocks, divisors.data(), words.data(),
                                             masks.data());
        int exact = 0;
        for (size_t b = 0; b < blocks; ++b) {
            for (int v = 0; v < 8; ++v) {
                for (int u = 0; u < 8; ++u) {
                    // T.81 A.3.3 in double precision, level-shifted samples.
                    double sum = 0;
                    for (int y = 0; y < 8; ++y) {
                        for (int x = 0; x < 8; ++x) {
                            const double s = samples[y * 8 * blocks + b * 8 + x] - 128.0;
                            sum += s * std::cos((2 * x + 1) * u * kPi / 16) * std::cos((2 * y + 1) * v * kPi / 16);
                        }
                    }
                    const double cu = u ? 1.0 : 1 / std::sqrt(2.0), cv = v ? 1.0 : 1 / std::sqrt(2.0);
                    const long expected = std::lround(0.25 * cu * cv * sum / quant);
                    const int16_t word = words[b * 64 + u * 8 + v];
                    const int actual = u == 0 && v == 0 ? word : jpeg::DecodeAcWord(word);
                    EXPECT_LE(std::abs(actual - expected), 1) << "block " << b << " (" << v << ", " << u << ")";
                    exact += actual == expected;
                }
            }
        }
        EXPECT_GE(exact, static_cast<int>(64 * blocks * 99 / 100)) << quant;
    }
}
