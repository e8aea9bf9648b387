// ConvertFrame throughput in MPixel/s for BayerRG8 with each interpolation
// method, beside OpenCV's Bayer-to-BGR conversions on the same mosaic.
// ConvertFrame runs on one thread, so OpenCV is held to one thread too, and
// rates are per second of CPU time (steadier on a shared machine).
#include "imaging/BayerDemosaic.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"

#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <random>
#include <vector>

namespace {

constexpr int kSizes[][2] = {{1920, 1080}, {2448, 2048}};

const char* const kMethodNames[kInterpolationMethodCount] = {
    "OFF(Mono)", "OFF(Color)", "Nearest", "Bilinear", "BiCubic", "Bilinear FCR"};

struct OpenCvVariant {
    int code;
    const char* name;
};
const OpenCvVariant kOpenCvVariants[] = {
    {cv::COLOR_BayerRG2BGR, "bilinear"},
    {cv::COLOR_BayerRG2BGR_EA, "edge-aware"},
    {cv::COLOR_BayerRG2BGR_VNG, "VNG"},
};

// A textured mosaic, so that no method meets only equal neighbours.
std::vector<uint8_t> MakeMosaic(size_t count, int bytesPerSample)
{
    std::vector<uint8_t> mosaic(count * bytesPerSample);
    std::mt19937 random(1);
    for (uint8_t& sample : mosaic)
        sample = uint8_t(random());
    return mosaic;
}

// Shown with an SI prefix per second of CPU time: "pixels=2.5G/s" is 2500 MPixel/s.
void CountPixels(benchmark::State& state, int width, int height)
{
    state.counters["pixels"] = benchmark::Counter(double(width) * height, benchmark::Counter::kIsIterationInvariantRate);
}

void RunConvertFrame(benchmark::State& state, uint32_t pixelFormat, int bytesPerSample)
{
    const int method = int(state.range(0));
    const int width = int(state.range(1));
    const int height = int(state.range(2));
    const std::vector<uint8_t> raw = MakeMosaic(size_t(width) * height, bytesPerSample);
    std::vector<uint8_t> bgr(size_t(width) * height * 3);
    for (auto _ : state) {
        const bool converted = ConvertFrame(pixelFormat, height, raw.data(), raw.size(), width, bgr.data(), method);
        benchmark::DoNotOptimize(converted);
        benchmark::ClobberMemory();
    }
    state.SetLabel(kMethodNames[method]);
    CountPixels(state, width, height);
}

void BM_ConvertFrameBayerRG8(benchmark::State& state)
{
    RunConvertFrame(state, kPixelFormatBayerRG8, 1);
}
BENCHMARK(BM_ConvertFrameBayerRG8)->ArgNames({"method", "width", "height"})->Apply([](benchmark::internal::Benchmark* b) {
    for (const auto& size : kSizes) {
        for (int method = 0; method < kInterpolationMethodCount; ++method)
            b->Args({method, size[0], size[1]});
    }
});

// The 12-bit path adds the reduction into a temporary mosaic.
void BM_ConvertFrameBayerRG12(benchmark::State& state)
{
    RunConvertFrame(state, kPixelFormatBayerRG12, 2);
}
BENCHMARK(BM_ConvertFrameBayerRG12)->ArgNames({"method", "width", "height"})->Apply([](benchmark::internal::Benchmark* b) {
    for (const auto& size : kSizes)
        b->Args({kInterpolationBilinear, size[0], size[1]});
});

void BM_OpenCvBayerRG2BGR(benchmark::State& state)
{
    const OpenCvVariant& variant = kOpenCvVariants[state.range(0)];
    const int width = int(state.range(1));
    const int height = int(state.range(2));
    std::vector<uint8_t> raw = MakeMosaic(size_t(width) * height, 1);
    const cv::Mat mosaic(height, width, CV_8UC1, raw.data());
    cv::Mat bgr(height, width, CV_8UC3);
    const int previousThreads = cv::getNumThreads();
    cv::setNumThreads(1);
    for (auto _ : state) {
        cv::cvtColor(mosaic, bgr, variant.code);
        benchmark::ClobberMemory();
    }
    cv::setNumThreads(previousThreads);
    state.SetLabel(variant.name);
    CountPixels(state, width, height);
}
BENCHMARK(BM_OpenCvBayerRG2BGR)->ArgNames({"variant", "width", "height"})->Apply([](benchmark::internal::Benchmark* b) {
    for (const auto& size : kSizes) {
        for (int variant = 0; variant < int(std::size(kOpenCvVariants)); ++variant)
            b->Args({variant, size[0], size[1]});
    }
});

} // namespace

BENCHMARK_MAIN();
