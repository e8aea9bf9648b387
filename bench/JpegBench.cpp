// Frames per second of the JPEG encoder and of libjpeg-turbo (tjCompress2) on
// the same 1920 x 1080 BGR frame, 4:2:2, at quality 75 and 100, and the ratio.

#include "capture/CJPEGEncoder.h"
#include "capture/CMemoryOutput.h"
#include "capture/JpegResult.h"

#include "TestScenes.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The camera-like scene of the capture tests: soft shading, hard-edged
// shapes, fine texture and sensor noise, so the entropy coder sees realistic data.
const std::vector<uint8_t>& Frame()
{
    static const std::vector<uint8_t> frame = MakeScene(kWidth, kHeight, 3).pixels;
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

// Keeps the frames per second of every benchmark for the closing comparison.
class FpsReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the benchmark.
        for (const Run& run : runs) {
            const auto fps = run.counters.find("fps");
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (fps != run.counters.end() && (run.run_type == Run::RT_Iteration || median))
                fps_[run.run_name.str()] = fps->second.value;
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
