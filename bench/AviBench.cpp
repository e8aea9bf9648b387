// Frames per second that the Motion JPEG writers sustain at 1920 x 1080 and
// quality 75, with every frame encoded and written to a file on disk.

#include "capture/AviWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kQuality = 75;

// A camera-like picture: shading, edges, fine detail and a little noise.
std::vector<std::uint8_t> Scene(int bytesPerPixel)
{
    std::vector<std::uint8_t> pixels(std::size_t(kWidth) * kHeight * bytesPerPixel);
    std::uint32_t noise = 1;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool box = (x / 240 + y / 180) % 3 == 0;
            for (int c = 0; c < bytesPerPixel; ++c) {
                noise = noise * 1103515245u + 12345u;
                const double shade = 110 + 70 * std::sin(x * 0.003 + c) * std::cos(y * 0.005);
                const double detail = 12 * std::sin(x * 0.4) * std::sin(y * 0.3);
                const int value = int(shade + detail + (box ? 40 : 0)) + int(noise >> 29) - 4;
                pixels[(std::size_t(y) * kWidth + x) * bytesPerPixel + c] = std::uint8_t(value < 0     ? 0
                                                                                         : value > 255 ? 255
                                                                                                       : value);
            }
        }
    }
    return pixels;
}

void RecordFrames(benchmark::State& state, std::uint32_t compressor, int bytesPerPixel)
{
    const std::vector<std::uint8_t> frame = Scene(bytesPerPixel);
    std::string folder = (std::filesystem::temp_directory_path() / "lumivex-avi-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path path = std::filesystem::path(folder) / "bench.avi";
    std::uint32_t frameNumber = 0;
    std::unique_ptr<AviWriter> writer;
    for (auto _ : state) {
        if (!writer) {
            state.PauseTiming();
            writer = AviWriter::Create(compressor);
            writer->SetPath(path);
            writer->SetPlannedFrames(1000000);
            writer->SetQuality(kQuality);
            writer->SetFrameRate(60.0);
            if (writer->Open(kWidth, kHeight, bytesPerPixel * 8, false) != kAviOk) {
                state.SkipWithError("cannot open the writer");
                break;
            }
            frameNumber = 0;
            state.ResumeTiming();
        }
        // A file that reaches its size limit is finalised and a new one begun.
        if (writer->AddFrame(frameNumber++, frame.data()))
            writer.reset();
    }
    writer.reset();
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    std::error_code ignored;
    const auto fileSize = std::filesystem::file_size(path, ignored);
    if (frameNumber > 0 && !ignored)
        state.counters["KiB/frame"] = double(fileSize) / frameNumber / 1024.0;
    std::filesystem::remove_all(folder, ignored);
}

void BM_MotionJpegColour(benchmark::State& state)
{
    RecordFrames(state, kCompressorMotionJpeg, 3);
}
void BM_MotionJpegGrey(benchmark::State& state)
{
    RecordFrames(state, kCompressorMotionJpeg, 1);
}
void BM_MotionJpegOpenDmlColour(benchmark::State& state)
{
    RecordFrames(state, kCompressorMotionJpegOpenDml, 3);
}

} // namespace

BENCHMARK(BM_MotionJpegColour)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_MotionJpegGrey)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_MotionJpegOpenDmlColour)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

BENCHMARK_MAIN();
