#include "analysis/WaveformWindow.h"

#include "analysis/PlotPainting.h"
#include "analysis/WaveformPlot.h"

#include <QImage>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

constexpr int kColourChannels = 3;
// The value labels' box, left of the plot.
constexpr int kValueLabelLeft = -12;
constexpr int kValueLabelRight = 36;

} // namespace

WaveformWindow::WaveformWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Waveform"));
    setModal(false);
    // Every paint covers the whole window from its own buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

WaveformWindow::~WaveformWindow()
{
    record_.active = false;
    registration_.MoveTo(nullptr);
    std::lock_guard lock(record_.mutex);
    record_.window = nullptr;
}

void WaveformWindow::Open(const AnalysisSource& source)
{
    Rebuild(source, source.height / 2);
    registration_.MoveTo(source.sinks);
    resize(WaveformClientSize(source.width, screen()->availableGeometry().size()));
    show();
    raise();
    activateWindow();
    record_.active = true;
    update();
}

void WaveformWindow::Reformat(const AnalysisSource& source)
{
    if (!IsActive())
        return;
    const int32_t row = record_.lineNumber;
    Rebuild(source, row >= 0 && row < source.height ? row : source.height / 2);
    registration_.MoveTo(source.sinks);
    update();
}

void WaveformWindow::Rebuild(const AnalysisSource& source, int32_t row)
{
    const bool colour = IsColourSource(source.pixelFormat);
    const size_t channels = colour ? kColourChannels : 1;
    std::lock_guard lock(record_.mutex);
    record_.imageWidth = source.width;
    record_.imageHeight = source.height;
    record_.colour = colour;
    record_.bitDepth = SensorBitDepth(source.pixelFormat);
    record_.lineBuffer.assign(static_cast<size_t>(std::max(source.width, 0)) * channels, 0);
    record_.lineNumber = row;
    record_.window = this;
}

bool WaveformWindow::SelectRow(int imageY)
{
    if (!IsActive() || imageY < 0 || imageY >= record_.imageHeight)
        return false;
    record_.lineNumber = imageY;
    return true;
}

void WaveformWindow::RequestRepaint()
{
    QMetaObject::invokeMethod(
        this, [this] { update(); }, Qt::QueuedConnection);
}

void WaveformWindow::done(int result)
{
    QDialog::done(result);
    if (record_.active.exchange(false))
        emit closed();
}

void WaveformWindow::paintEvent(QPaintEvent*)
{
    const int channels = record_.colour ? kColourChannels : 1;
    std::vector<uint8_t> samples;
    {
        std::lock_guard lock(record_.mutex);
        samples = record_.lineBuffer;
    }
    const int count = static_cast<int>(samples.size()) / channels;

    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const WaveformLayout layout = ComputeWaveformLayout(width(), height(), count);
    const QRect plot(QPoint(WaveformLayout::kLeft, WaveformLayout::kTop), QPoint(layout.right, layout.bottom));
    DrawPlotFrame(painter, plot);
    DrawVerticalAxis(painter, WaveformValueLabels(layout, record_.bitDepth), kValueLabelLeft, kValueLabelRight, plot);
    DrawHorizontalAxis(painter, WaveformIndexLabels(layout), plot);
    for (int channel = 0; channel < channels; ++channel) {
        painter.setPen(ChannelColour(record_.colour, channel));
        painter.drawPolyline(WaveformCurve(layout, samples.data(), count, channels, channel));
    }
    painter.end();
    QPainter(this).drawImage(0, 0, picture);
}
