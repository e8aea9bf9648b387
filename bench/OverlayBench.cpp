// Time to draw every built-in overlay painter on a 1920 x 1080 frame, grey
// and colour, through a QPainter over the frame's own pixels as the
// acquisition thread does.
#include "imaging/DroppedFramesPainter.h"
#include "imaging/EllipsePainter.h"
#include "imaging/FrameRatePainter.h"
#include "imaging/GridPainter.h"
#include "imaging/LogoPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr uint8_t kMidGrey = 128;

std::unique_ptr<OverlayPainter> MakePainter(int64_t index)
{
    switch (index) {
    case 0:
        return std::make_unique<GridPainter>(nullptr);
    case 1:
        return std::make_unique<EllipsePainter>(nullptr);
    case 2:
        return std::make_unique<FrameRatePainter>(nullptr);
    case 3:
        return std::make_unique<DroppedFramesPainter>(nullptr);
    default:
        return std::make_unique<LogoPainter>(nullptr);
    }
}

// Arguments: painter (0 grid, 1 ellipse, 2 FPS, 3 frames received, 4 logo)
// and kind (0 grey, 1 colour).
void PaintOnFrame(benchmark::State& state)
{
    const std::unique_ptr<OverlayPainter> painter = MakePainter(state.range(0));
    const bool colour = state.range(1) != 0;
    const int bytesPerPixel = colour ? 3 : 1;
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * bytesPerPixel, kMidGrey);
    const int32_t dropped = 0;
    for (auto _ : state) {
        QImage image(pixels.data(), kWidth, kHeight, kWidth * bytesPerPixel,
                     colour ? QImage::Format_BGR888 : QImage::Format_Grayscale8);
        QPainter qp(&image);
        OverlayPainter::Trampoline(qp, pixels.data(), kWidth, kHeight, 1, painter.get(), &dropped);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetLabel(painter->Name().toStdString() + (colour ? " colour" : " grey"));
}
BENCHMARK(PaintOnFrame)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Fonts and text need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
