// ConvertFrame throughput in MPixel/s for BayerRG8 with each interpolation
// method, beside OpenCV's Bayer-to-BGR conversions on the same mosaic; and
// Mono12 shown through a window/level table (by hand and automatic) beside
// its plain top 8 bits.
// ConvertFrame runs on one thread, so OpenCV is held to one thread too, and
// rates are per second of CPU time (steadier on a shared machine).
#include "camera/DeepGreyTable.h"
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

const char* const kMethodNames[kInterpolationMethodCount] = {"OFF(Mono)", "OFF(Color)", "Nearest",
                                                             "Bilinear",  "BiCubic",    "Bilinear FCR"};

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
    state.counters["pixels"] =
        benchmark::Counter(double(width) * height, benchmark::Counter::kIsIterationInvariantRate);
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
BENCHMARK(BM_ConvertFrameBayerRG8)
    ->ArgNames({"method", "width", "height"})
    ->Apply([](benchmark::internal::Benchmark* b) {
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
BENCHMARK(BM_ConvertFrameBayerRG12)
    ->ArgNames({"method", "width", "height"})
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (const auto& size : kSizes)
            b->Args({kInterpolationBilinear, size[0], size[1]});
    });

// view 0: the top 8 bits (ConvertFrame), 1: a window/level table, 2: the same
// with automatic levels.
void BM_Mono12View(benchmark::State& state)
{
    static const char* const kViewNames[] = {"top 8 bits", "window/level", "auto window/level"};
    const int view = int(state.range(0));
    const int width = int(state.range(1));
    const int height = int(state.range(2));
    std::vector<uint8_t> raw = MakeMosaic(size_t(width) * height, 2);
    for (size_t i = 1; i < raw.size(); i += 2)
        raw[i] &= 0x0F;
    std::vector<uint8_t> grey(size_t(width) * height);
    DeepGreyTable table;
    table.SetView(DeepView{kDeepViewWindowLevel, 500, 3500, view == 2});
    for (auto _ : state) {
        const bool converted =
            view == 0 ? ConvertFrame(kPixelFormatMono12, height, raw.data(), raw.size(), width, grey.data(), 0)
                      : ConvertDeepGrey(kPixelFormatMono12, raw.data(), raw.size(), width, height, table, grey.data());
        benchmark::DoNotOptimize(converted);
        benchmark::ClobberMemory();
    }
    state.SetLabel(kViewNames[view]);
    CountPixels(state, width, height);
}
BENCHMARK(BM_Mono12View)->ArgNames({"view", "width", "height"})->Apply([](benchmark::internal::Benchmark* b) {
    for (const auto& size : kSizes) {
        for (int view = 0; view < 3; ++view)
            b->Args({view, size[0], size[1]});
    }
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
