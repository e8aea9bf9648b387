#include "controls/AreaOverlay.h"

#include "camera/OverlayRegistry.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kBorderPenWidth = 2;
// Cells per row of the weight grid.
constexpr size_t kWeightColumns = 3;

bool IsGreyFrame(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device && device->devType() == QInternal::Image &&
           static_cast<const QImage*>(device)->format() == QImage::Format_Grayscale8;
}

// A grey frame gets the colour's grey level, so that it shows as the same
// grey in lines and text boxes.
QColor FrameColor(const QPainter& painter, const QColor& color)
{
    if (!IsGreyFrame(painter))
        return color;
    const int grey = qGray(color.rgb());
    return QColor(grey, grey, grey);
}

// Black text on an opaque white box whose top left corner is (x, y).
void DrawBoxedText(QPainter& painter, int x, int y, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, FrameColor(painter, Qt::white));
    painter.setPen(FrameColor(painter, Qt::black));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

AreaOverlay::AreaOverlay(const char* name) : name_(name) {}

AreaOverlay::~AreaOverlay()
{
    Detach();
}

void AreaOverlay::Attach(OverlayRegistry* registry)
{
    Detach();
    if (!registry)
        return;
    registry_ = registry;
    key_ = registry_->Add(&AreaOverlay::PaintEntry, this);
}

void AreaOverlay::Detach()
{
    // The registry calls painters under its own mutex, so once Remove
    // returns no paint of this overlay is running or will start.
    if (registry_)
        registry_->Remove(key_);
    registry_ = nullptr;
    key_ = 0;
}

void AreaOverlay::SetBorders(std::vector<int32_t> xs, std::vector<int32_t> ys)
{
    const std::lock_guard lock(mutex_);
    xs_ = std::move(xs);
    ys_ = std::move(ys);
}

void AreaOverlay::SetWeights(std::vector<int32_t> weights)
{
    const std::lock_guard lock(mutex_);
    weights_ = std::move(weights);
}

void AreaOverlay::Paint(QPainter& painter, int32_t width, int32_t height)
{
    const std::lock_guard lock(mutex_);
    painter.save();
    for (size_t cell = 0; cell < weights_.size(); ++cell) {
        const size_t row = cell / kWeightColumns;
        const size_t column = cell % kWeightColumns;
        if (weights_[cell] < 0 || row >= ys_.size() || column >= xs_.size())
            continue;
        DrawBoxedText(painter, xs_[column], ys_[row], QString::asprintf("%3u", static_cast<unsigned>(weights_[cell])));
    }
    painter.setPen(QPen(FrameColor(painter, Qt::red), kBorderPenWidth, Qt::SolidLine));
    int32_t last = 0;
    for (int32_t x : xs_) {
        if (x > last) {
            painter.drawLine(x, 0, x, height - 1);
            last = x;
        }
    }
    last = 0;
    for (int32_t y : ys_) {
        if (y > last) {
            painter.drawLine(0, y, width - 1, y);
            last = y;
        }
    }
    painter.restore();
}

void AreaOverlay::PaintEntry(QPainter& painter, uint8_t*, int32_t width, int32_t height, uint32_t, void* userData,
                             const int32_t*)
{
    static_cast<AreaOverlay*>(userData)->Paint(painter, width, height);
}
