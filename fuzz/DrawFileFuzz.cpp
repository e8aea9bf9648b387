// Drawing files: loaded, then painted onto a colour and a grey frame.
#include "FuzzInput.h"
#include "drawing/CDrawingManagement.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 64;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Fonts and painting need the application object for the whole run.
    static auto* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInputFile(data, size, ".drw");
    CDrawingManagement manager;
    manager.LoadDrawingFile(QString::fromStdString(path));
    manager.SetImageSize(kWidth, kHeight);
    std::vector<uint8_t> colour(kWidth * kHeight * 3);
    std::vector<uint8_t> grey(kWidth * kHeight);
    manager.DrawOnFrame(colour.data(), kWidth, kHeight, true);
    manager.DrawOnFrame(grey.data(), kWidth, kHeight, false);
    // Every object is also hit-tested where the user would point.
    manager.OnMove(0, QPoint(kWidth / 2, kHeight / 2));
    return 0;
}
