#include "imaging/OverlayPainter.h"

#include "camera/OverlayRegistry.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <utility>

OverlayPainter::OverlayPainter(OverlayRegistry* registry, QString name) : name_(std::move(name)), registry_(registry) {}

OverlayPainter::~OverlayPainter()
{
    if (key_ != 0 && registry_)
        registry_->Remove(key_);
}

bool EnablePainter(OverlayPainter& painter)
{
    OverlayRegistry* registry = painter.Registry();
    if (!registry)
        return false;
    if (painter.Key() != 0) {
        if (!DisablePainter(painter, painter.Key()))
            return false;
        painter.SetKey(0);
    }
    painter.Reset();
    painter.SetKey(registry->Add(&OverlayPainter::Trampoline, &painter));
    return true;
}

bool DisablePainter(OverlayPainter& painter, uint32_t key)
{
    return painter.Registry() && painter.Registry()->Remove(key);
}

void OverlayPainter::Trampoline(QPainter& painter, uint8_t*, int32_t width, int32_t height, uint32_t blockId,
                                void* userData, const int32_t* droppedCount)
{
    auto* self = static_cast<OverlayPainter*>(userData);
    std::lock_guard lock(self->criticalSection_);
    self->Draw(painter, width, height, blockId, droppedCount);
}

bool OverlayPainter::IsGreyFrame(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device && device->devType() == QInternal::Image &&
           static_cast<const QImage*>(device)->format() == QImage::Format_Grayscale8;
}

QColor OverlayPainter::FrameColor(const QPainter& painter, const QColor& color)
{
    if (IsGreyFrame(painter)) {
        const int grey = qGray(color.rgb());
        return QColor(grey, grey, grey);
    }
    return color;
}

void OverlayPainter::DrawText(QPainter& painter, int x, int y, Qt::Alignment alignment, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (alignment & Qt::AlignRight)
        box.moveRight(x);
    else
        box.moveLeft(x);
    if (alignment & Qt::AlignBottom)
        box.moveBottom(y);
    else
        box.moveTop(y);
    painter.fillRect(box, FrameColor(painter, Qt::white));
    painter.setPen(FrameColor(painter, Qt::black));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}
