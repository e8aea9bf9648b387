// Frames per second of the JPEG encoder and of libjpeg-turbo (tjCompress2) on
// the same 1920 x 1080 BGR frame, 4:2:2, at quality 75 and 100, and the median
// ratio over five runs: the encoder as it runs (the frame cut into restart
// intervals encoded on every core) and on one core, libjpeg-turbo on one.

#include "capture/CJPEGEncoder.h"
#include "capture/CMemoryOutput.h"
#include "capture/JpegResult.h"

#include "TestScenes.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <algorithm>
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

// The encoder on as many cores as it takes (parts 0) or on one.
void EncodeWithParts(benchmark::State& state, int parts)
{
    const std::vector<uint8_t>& frame = Frame();
    CMemoryOutput memory;
    CJPEGEncoder encoder;
    if (parts > 0)
        encoder.SetMaxParts(parts);
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

void Lumivex(benchmark::State& state)
{
    EncodeWithParts(state, 0);
}

void LumivexOneCore(benchmark::State& state)
{
    EncodeWithParts(state, 1);
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

BENCHMARK(Lumivex)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LumivexOneCore)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(TurboJpeg)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond);

// Keeps the frames per second of every run for the closing comparison.
class FpsReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto fps = run.counters.find("fps");
            if (fps != run.counters.end() && run.run_type == Run::RT_Iteration)
                fps_[run.run_name.str()].push_back(fps->second.value);
        }
    }

    // The ratio of each repetition's pair of runs (interleaved, so that both
    // saw the machine alike), and their median.
    void PrintRatios() const
    {
        for (const char* quality : {"75", "100"}) {
            PrintRatio("Lumivex", quality);
            PrintRatio("LumivexOneCore", quality);
        }
    }

private:
    void PrintRatio(const std::string& own, const char* quality) const
    {
        const auto mine = fps_.find(own + "/" + quality + (own == "Lumivex" ? "/real_time" : ""));
        const auto turbo = fps_.find(std::string("TurboJpeg/") + quality);
        if (mine == fps_.end() || turbo == fps_.end())
            return;
        std::vector<double> ratios;
        for (size_t i = 0; i < std::min(mine->second.size(), turbo->second.size()); ++i)
            ratios.push_back(mine->second[i] / turbo->second[i]);
        std::sort(ratios.begin(), ratios.end());
        std::printf("quality %s: %s %.1f fps, libjpeg-turbo %.1f fps (medians); ratio median %.2f over %zu runs"
                    " (%.2f to %.2f)\n",
                    quality, own == "Lumivex" ? "Lumivex (every core)" : "Lumivex (one core)", Median(mine->second),
                    Median(turbo->second), Median(ratios), ratios.size(), ratios.front(), ratios.back());
    }

    static double Median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    }

    std::map<std::string, std::vector<double>> fps_;
};

} // namespace

// Five interleaved repetitions unless the command line asks otherwise.
int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    const bool chosen = std::any_of(args.begin() + 1, args.end(), [](const char* a) {
        return std::string(a).rfind("--benchmark_repetitions", 0) == 0;
    });
    if (!chosen)
        args.insert(args.begin() + 1, {repetitions, interleaving});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    FpsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
