#include "imaging/EllipsePainter.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

EllipsePainter::EllipsePainter(OverlayRegistry* registry, const EllipseSettings& settings)
    : OverlayPainter(registry, QCoreApplication::translate("CCallbackEnableDlg", "Ellipse")),
      settings_(settings)
{
    settings_.radiusStepX = std::max<uint32_t>(settings_.radiusStepX, 1);
    settings_.radiusStepY = std::max<uint32_t>(settings_.radiusStepY, 1);
}

void EllipsePainter::Draw(QPainter& painter, int32_t width, int32_t height, uint32_t, const int32_t*)
{
    if (width < 1 || height < 1)
        return;
    painter.setPen(QPen(FrameColor(painter, Qt::black), 0));
    painter.setBrush(Qt::NoBrush);
    // 64-bit, so that large steps from the settings file cannot overflow.
    const int64_t cx = width / 2;
    const int64_t cy = height / 2;
    int64_t rx = settings_.radiusStepX;
    int64_t ry = settings_.radiusStepY;
    while (cx - rx >= 0 || cy - ry >= 0 || cx + rx <= width || cy + ry <= height) {
        painter.drawEllipse(QRectF(static_cast<double>(cx - rx), static_cast<double>(cy - ry),
                                   static_cast<double>(2 * rx), static_cast<double>(2 * ry)));
        rx += settings_.radiusStepX;
        ry += settings_.radiusStepY;
    }
}
