#include "app/ShellIcons.h"

#include "drawing/DrawingStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace {

constexpr int kIconSize = 24;
constexpr int kApplicationIconSizes[] = {16, 32, 64};

QPixmap Draw(int size, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Every picture is drawn on a 24 x 24 grid.
    painter.scale(size / double(kIconSize), size / double(kIconSize));
    paint(painter);
    return pixmap;
}

void PaintMode(QPainter& p, int mode)
{
    p.setPen(QPen(QColor(30, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (mode) {
    case kDrawingSelect: {
        const QPolygonF arrow({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15.5, 20}, {12.5, 14}, {18, 14}});
        p.setBrush(Qt::white);
        p.drawPolygon(arrow);
        break;
    }
    case kDrawingLine:
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case kDrawingRectangle:
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case kDrawingEllipse:
        p.drawEllipse(QRectF(3, 6, 18, 12));
        break;
    case kDrawingText: {
        QFont font = p.font();
        font.setPixelSize(18);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case kDrawingDegree:
        p.drawPolyline(QPolygonF({{20, 6}, {4, 19}, {21, 19}}));
        p.drawArc(QRectF(-3, 12, 14, 14), 0, 40 * 16);
        break;
    case kDrawingPolygon:
        p.drawPolygon(QPolygonF({{4, 10}, {11, 4}, {20, 8}, {18, 19}, {7, 20}}));
        break;
    case kDrawingPerpendicular:
        p.drawLine(QPointF(3, 19), QPointF(21, 19));
        p.drawLine(QPointF(12, 19), QPointF(12, 4));
        p.drawRect(QRectF(12, 15, 4, 4));
        break;
    case kDrawingArc:
        p.drawArc(QRectF(4, 6, 16, 24), 20 * 16, 140 * 16);
        break;
    case kDrawingBezier: {
        QPainterPath path(QPointF(3, 19));
        path.cubicTo(QPointF(8, 0), QPointF(16, 24), QPointF(21, 5));
        p.drawPath(path);
        break;
    }
    case kDrawingFreeHand: {
        QPainterPath path(QPointF(3, 14));
        path.quadTo(QPointF(6, 4), QPointF(9, 12));
        path.quadTo(QPointF(12, 20), QPointF(15, 11));
        path.quadTo(QPointF(18, 4), QPointF(21, 16));
        p.drawPath(path);
        break;
    }
    case kDrawingCross:
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        break;
    default:
        break;
    }
}

void PaintApplication(QPainter& p)
{
    // A camera body with a lens.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 120));
    p.drawRoundedRect(QRectF(1, 6, 22, 15), 3, 3);
    p.drawRect(QRectF(4, 3, 7, 4));
    p.setBrush(QColor(210, 225, 240));
    p.drawEllipse(QPointF(12, 13.5), 5.5, 5.5);
    p.setBrush(QColor(20, 30, 50));
    p.drawEllipse(QPointF(12, 13.5), 3, 3);
    p.setBrush(QColor(250, 190, 60));
    p.drawEllipse(QPointF(19.5, 9), 1.3, 1.3);
}

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : kApplicationIconSizes)
        icon.addPixmap(Draw(size, PaintApplication));
    return icon;
}

QIcon DrawingModeIcon(int mode)
{
    return QIcon(Draw(kIconSize, [mode](QPainter& painter) { PaintMode(painter, mode); }));
}
