#include "analysis/PlotPainting.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr int kFrameWidth = 2;
constexpr int kLabelHalfHeight = 8;
constexpr int kLabelWidth = 60;
constexpr int kLabelGap = 1;
constexpr int kLabelHeight = 32;
const QColor kGreyCurve(64, 64, 64);

void UseGridPen(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
}

} // namespace

void DrawPlotFrame(QPainter& painter, const QRect& frame)
{
    painter.setPen(QPen(Qt::black, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

void DrawVerticalAxis(QPainter& painter, std::span<const AxisLabel> labels, int boxLeft, int boxRight,
                      const QRect& plot)
{
    for (const AxisLabel& label : labels) {
        painter.setPen(Qt::black);
        const QRect box(QPoint(boxLeft, label.position - kLabelHalfHeight),
                        QPoint(boxRight - 1, label.position + kLabelHalfHeight - 1));
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(label.value));
        if (label.gridLine) {
            UseGridPen(painter);
            painter.drawLine(plot.left(), label.position, plot.right(), label.position);
        }
    }
}

void DrawHorizontalAxis(QPainter& painter, std::span<const AxisLabel> labels, const QRect& plot)
{
    for (const AxisLabel& label : labels) {
        painter.setPen(Qt::black);
        const QString text = QString::number(label.value);
        QRect box(label.position - kLabelWidth / 2, plot.bottom() + kLabelGap, kLabelWidth, kLabelHeight);
        // A label at the right edge moves left rather than being cut off.
        const int textRight = label.position + (painter.fontMetrics().horizontalAdvance(text) + 1) / 2;
        const int overflow = textRight - painter.device()->width();
        if (overflow > 0)
            box.translate(-overflow, 0);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
        if (label.gridLine) {
            UseGridPen(painter);
            painter.drawLine(label.position, plot.top(), label.position, plot.bottom());
        }
    }
}

QColor ChannelColour(bool colour, int channel)
{
    if (!colour)
        return kGreyCurve;
    switch (channel) {
    case 0:
        return Qt::blue;
    case 1:
        return Qt::green;
    default:
        return Qt::red;
    }
}
