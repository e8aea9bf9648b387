#include "drawing/CDrawingCross.h"

#include <QPainter>
#include <algorithm>

namespace {

const CDrawingBase::KindTraits kCrossTraits{
    kDrawingCross, QT_TRANSLATE_NOOP("CDrawingBase", "Cross"), 2, 0, 2, 1, drawing::ShiftConstraint::Square, true};

} // namespace

CDrawingCross::CDrawingCross(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kCrossTraits, defaults, creationPoint)
{
}

QPoint CDrawingCross::Centre() const
{
    return (GetPoint(0) + GetPoint(1)) / 2;
}

std::vector<PlacedText> CDrawingCross::LayoutTexts(const DrawingUnits& units) const
{
    std::vector<PlacedText> texts = StandardTexts(units, style_.dispTextMode);
    if (style_.dispTextMode & kTextCenter) {
        const QPoint centre = Centre();
        const int gap = TextGap();
        texts.push_back({CoordinateText(centre.x() * units.pixelSizeX, centre.y() * units.pixelSizeY),
                         centre + QPoint(gap, gap), Qt::AlignLeft | Qt::AlignTop});
    }
    return texts;
}

void CDrawingCross::DrawShape(QPainter& painter) const
{
    if (style_.penStyle == kPenNull)
        return;
    const drawing::DrawingRect box = CornerBox();
    const QPoint centre = Centre();
    // One line per pixel of width: the width is bounded so that a style from
    // anywhere draws in bounded time.
    const int width = std::clamp(style_.penWidth, kMinPenWidth, kMaxPenWidth);
    painter.save();
    // One-pixel lines keep the pen's dash style at any band width.
    painter.setPen(MakeDrawingPen(style_.penStyle, 1, style_.penColor, IsGreyDevice(painter)));
    for (int offset = -(width - 1) / 2; offset <= width / 2; ++offset) {
        painter.drawLine(box.left, centre.y() + offset, box.right, centre.y() + offset);
        painter.drawLine(centre.x() + offset, box.top, centre.x() + offset, box.bottom);
    }
    painter.restore();
}
