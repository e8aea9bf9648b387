// Records Motion JPEG at quality 75 from a simulated 1920 x 1080 BayerRG8
// camera at 30 fps through the real main window, with the live preview
// running, for SECONDS (default 60); then counts the file's frame chunks and
// the empty ones among them: frame numbers the recording skipped because it
// could not keep up. With "ffv1" it records a 1920 x 1080 Mono12 camera
// losslessly instead and counts the frames in the file and the camera frames
// its frame list says are missing. Run it with scripts/bench-recording.
//   recording_bench [SECONDS] [mjpeg|ffv1]

#include "AviTestSupport.h"
#include "LiveMainWindow.h"

#include "app/CLumivexDlg.h"
#include "capture/AviWriter.h"
#include "capture/RecordingSettings.h"
#include "commands/CMovieCommand.h"

#include <QApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Complete rows of the frame list and the camera frames they say are
// missing; a row still being written when the time ran out is left out.
void CountFrameList(const std::string& path, size_t& rows, unsigned long long& missing)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string all = text.str();
    rows = 0;
    missing = 0;
    size_t start = all.find('\n');
    while (start != std::string::npos) {
        const size_t end = all.find('\n', start + 1);
        if (end == std::string::npos)
            break;
        const std::string line = all.substr(start + 1, end - start - 1);
        ++rows;
        missing += std::stoull(line.substr(line.rfind(',') + 1));
        start = end;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const bool ffv1 = argc > 2 && std::string(argv[2]) == "ffv1";
    if (seconds < 1 || (argc > 2 && !ffv1 && std::string(argv[2]) != "mjpeg")) {
        std::fprintf(stderr, "usage: recording_bench [SECONDS] [mjpeg|ffv1]\n");
        return 2;
    }
    constexpr int kFps = 30;
    LiveMainWindow live;
    SimOptions options;
    options.width = 1920;
    options.height = 1080;
    options.pixelFormat = ffv1 ? "Mono12" : "BayerRG8";
    options.colour = !ffv1;
    options.fps = kFps;
    if (!live.Start(options))
        return 1;

    const std::string path = live.Dir().file(ffv1 ? "recording.mkv" : "recording.avi");
    const uint32_t frames = static_cast<uint32_t>(seconds * kFps);
    CMovieCommand::Prompts prompts;
    prompts.chooseMovieFile = [path](QWidget*) { return QString::fromStdString(path); };
    prompts.chooseSettings = [frames, ffv1](QWidget*, const RecordingCameraInfo&, const QString&,
                                            RecordingSettings& settings) {
        settings.compressor = ffv1 ? kCompressorFfv1 : kCompressorMotionJpeg;
        settings.quality = 75;
        settings.frames = frames;
        return true;
    };
    prompts.showInformation = [&live](QWidget* parent, const QString& text) {
        live.Prompts().Show(parent, QString(), text, MessagePrompts::Icon::Information);
    };
    live.Window().MovieCommand().SetPrompts(prompts);

    const double cpuBefore = ProcessCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    live.Window().Action(CLumivexDlg::kVideoCapture)->trigger();
    const int limitMs = (seconds + 30) * 1000;
    while (!live.Prompts().Texts().contains(QStringLiteral("AVI File Created.")) && timer.elapsed() < limitMs)
        WaitLive(100);
    const double elapsed = static_cast<double>(timer.elapsed()) / 1000.0;
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    if (live.Prompts().Texts().size() > 1)
        std::printf("messages: %s\n", live.Prompts().Texts().join(QStringLiteral(" | ")).toStdString().c_str());

    if (ffv1) {
        size_t rows = 0;
        unsigned long long missing = 0;
        CountFrameList(live.Dir().file("recording.frames.csv"), rows, missing);
        const std::string packets = avitest::Probe(path)["nb_read_packets"];
        const bool finished = live.Prompts().Texts().contains(QStringLiteral("AVI File Created."));
        std::printf("FFV1 lossless, 1920x1080 Mono12 at %d fps, preview on: %s frames in the file, %zu in its frame "
                    "list of %u asked for in %.1f s%s, %llu camera frames missing; process CPU %.0f %% of one core "
                    "(camera included)\n",
                    kFps, packets.c_str(), rows, frames, elapsed, finished ? "" : " (not finished)", missing,
                    100.0 * cpu / elapsed);
        return missing == 0 && rows == frames && packets == std::to_string(frames) ? 0 : 1;
    }

    const avitest::RiffWalk walk = avitest::WalkRiff(path);
    if (!walk.problem.empty()) {
        std::printf("the file's chunks are broken: %s\n", walk.problem.c_str());
        return 1;
    }
    size_t chunks = 0;
    size_t empty = 0;
    for (int part = 0; part < walk.Parts(); ++part) {
        for (const avitest::RiffChunk& chunk : walk.FrameChunks(part)) {
            ++chunks;
            empty += chunk.size == 0;
        }
    }
    std::printf("Motion JPEG q75, 1920x1080 BayerRG8 at %d fps, preview on: %zu frame chunks of %u asked for in "
                "%.1f s, %zu empty (skipped frame numbers); process CPU %.0f %% of one core (camera included)\n",
                kFps, chunks, frames, elapsed, empty, 100.0 * cpu / elapsed);
    return empty == 0 && chunks == frames ? 0 : 1;
}
