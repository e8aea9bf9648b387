// Frames per second of the JPEG encoder and of libjpeg-turbo (tjCompress2) on
// the same 1920 x 1080 BGR frame, 4:2:2, at quality 75 and 100, and the ratio.

#include "capture/CJPEGEncoder.h"
#include "capture/CMemoryOutput.h"
#include "capture/JpegResult.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A camera-like scene: smooth shading, a few hard-edged shapes, fine texture
// and a little sensor noise, so that the entropy coder sees realistic data.
const std::vector<uint8_t>& Frame()
{
    static const std::vector<uint8_t> frame = [] {
        std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * 3);
        uint32_t noise = 12345;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const double shade = 0.5 + 0.35 * std::sin(x * 0.004) * std::cos(y * 0.006);
                const double texture = 0.08 * std::sin(x * 0.35 + 0.7 * std::sin(y * 0.11));
                const double dx = x - 1200.0, dy = y - 500.0;
                const bool disc = dx * dx + dy * dy < 260.0 * 260.0;
                const bool bar = x > 300 && x < 700 && y > 650 && y < 900;
                for (int c = 0; c < 3; ++c) {
                    noise = noise * 1664525u + 1013904223u;
                    double value = shade * (0.8 + 0.2 * c) + texture;
                    if (disc)
                        value = 0.2 + 0.3 * c;
                    if (bar)
                        value = 0.9 - 0.35 * c;
                    const int v = static_cast<int>(value * 255.0) + static_cast<int>(noise >> 29) - 4;
                    pixels[(static_cast<size_t>(y) * kWidth + x) * 3 + c] =
                        static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
                }
            }
        }
        return pixels;
    }();
    return frame;
}

void SetCounters(benchmark::State& state, size_t bytes)
{
    state.counters["fps"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}

void Lumivex(benchmark::State& state)
{
    const std::vector<uint8_t>& frame = Frame();
    CMemoryOutput memory;
    CJPEGEncoder encoder;
    encoder.SetOutput(&memory);
    if (encoder.ConfigureEncoding(JPEG_COLOR_YCBCR, static_cast<int>(state.range(0))) != JPEG_OK) {
        state.SkipWithError("configure failed");
        return;
    }
    for (auto _ : state) {
        memory.Rewind();
        encoder.SetSource(frame.data(), kWidth, kHeight, kWidth * 3, 3, JPEG_COLOR_BGR);
        if (encoder.EmitHeaders() != JPEG_OK || encoder.EmitScan() != JPEG_OK) {
            state.SkipWithError("encoding failed");
            return;
        }
        benchmark::DoNotOptimize(memory.Data());
    }
    SetCounters(state, memory.Size());
}

void TurboJpeg(benchmark::State& state)
{
    const std::vector<uint8_t>& frame = Frame();
    tjhandle handle = tjInitCompress();
    std::vector<unsigned char> buffer(tjBufSize(kWidth, kHeight, TJSAMP_422));
    unsigned long size = 0;
    for (auto _ : state) {
        unsigned char* out = buffer.data();
        size = buffer.size();
        if (tjCompress2(handle, frame.data(), kWidth, kWidth * 3, kHeight, TJPF_BGR, &out, &size, TJSAMP_422,
                        static_cast<int>(state.range(0)), TJFLAG_NOREALLOC) != 0) {
            state.SkipWithError(tjGetErrorStr2(handle));
            break;
        }
        benchmark::DoNotOptimize(out);
    }
    SetCounters(state, size);
    tjDestroy(handle);
}

BENCHMARK(Lumivex)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(TurboJpeg)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond);

// Keeps the frames per second of every run for the closing comparison.
class FpsReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto fps = run.counters.find("fps");
            if (run.run_type == Run::RT_Iteration && fps != run.counters.end())
                fps_[run.benchmark_name()] = fps->second.value;
        }
    }

    void PrintRatios() const
    {
        for (const char* quality : {"75", "100"}) {
            const auto own = fps_.find(std::string("Lumivex/") + quality);
            const auto turbo = fps_.find(std::string("TurboJpeg/") + quality);
            if (own != fps_.end() && turbo != fps_.end())
                std::printf("quality %s: Lumivex %.1f fps, libjpeg-turbo %.1f fps, ratio %.2f\n", quality,
                            own->second, turbo->second, own->second / turbo->second);
        }
    }

private:
    std::map<std::string, double> fps_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    FpsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
