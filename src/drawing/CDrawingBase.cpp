#include "drawing/CDrawingBase.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

using drawing::DrawingRect;

namespace {

// A point is hit closer than this, a segment closer than kSegmentHitRange.
constexpr double kPointHitRange = 10.0;
constexpr double kSegmentHitRange = 20.0;
constexpr int kHandleHalfSize = 2;
constexpr uint32_t kHandleFill = 0xFFFFFF;
constexpr uint32_t kHandleBorder = 0x000000;
const QString kTextPadding = QStringLiteral("  ");

} // namespace

QString PaddedText(const QString& text)
{
    return kTextPadding + text + kTextPadding;
}

QString CoordinateText(double x, double y)
{
    return PaddedText(QString::asprintf("(%.1f, %.1f)", x, y));
}

QString MeasureText(double value, const QString& unit)
{
    return PaddedText(QString::asprintf("%.1f", value) + unit);
}

CDrawingBase::CDrawingBase(const KindTraits& traits, const DrawingStyle* defaults, QPoint creationPoint)
    : points_(traits.initialPoints, creationPoint),
      traits_(traits)
{
    const DrawingStyle source = defaults != nullptr ? *defaults : StandaloneDrawingStyle();
    style_.backMode = source.backMode;
    style_.backColor = source.backColor;
    style_.brushType = source.brushType;
    style_.brushHatchStyle = source.brushHatchStyle;
    style_.brushColor = source.brushColor;
    style_.penStyle = source.penStyle;
    style_.penWidth = source.penWidth;
    style_.penColor = source.penColor;
    style_.font = source.font;
    style_.textColor = source.textColor;
    style_.polyFillMode = source.polyFillMode;
    style_.textBackMode = source.textBackMode;
    style_.textBackColor = source.textBackColor;
    style_.drawingType = traits.type;
    style_.dispTextMode = traits.textMode;
    style_.name = tr(traits.name);
    font_ = MakeDrawingFont(style_.font);
}

bool CDrawingBase::ApplyStyle(const DrawingStyle& style)
{
    if (!IsBuildableStyle(style))
        return false;
    style_ = style;
    style_.drawingType = traits_.type;
    style_.name.truncate(kMaxNameLength);
    style_.font.faceName.truncate(kMaxFaceNameLength);
    font_ = MakeDrawingFont(style_.font);
    return true;
}

uint32_t CDrawingBase::HitTest(QPoint p) const
{
    for (size_t i = 0; i < points_.size() && i < kHitMaxPoint; ++i) {
        if (drawing::Distance(p, points_[i]) < kPointHitRange)
            return uint32_t(i + 1);
    }
    if (traits_.box && points_.size() >= 2) {
        if (drawing::Distance(p, QPoint(points_[0].x(), points_[1].y())) < kPointHitRange)
            return kHitCornerA;
        if (drawing::Distance(p, QPoint(points_[1].x(), points_[0].y())) < kPointHitRange)
            return kHitCornerB;
    }
    for (size_t i = 1; i < points_.size(); ++i) {
        if (drawing::DistanceToSegment(p, points_[i - 1], points_[i]) < kSegmentHitRange)
            return kHitBody;
    }
    if (traits_.box && GetBoundingBox().Contains(p))
        return kHitBody;
    return kHitNone;
}

Qt::CursorShape CDrawingBase::CursorFor(uint32_t hitCode)
{
    if ((hitCode >= 1 && hitCode <= kHitMaxPoint) || hitCode == kHitCornerA || hitCode == kHitCornerB)
        return Qt::CrossCursor;
    if (hitCode == kHitBody)
        return Qt::SizeAllCursor;
    return Qt::ArrowCursor;
}

void CDrawingBase::Drag(uint32_t hitCode, unsigned keyFlags, QPoint oldPoint, QPoint newPoint)
{
    const bool shift = (keyFlags & kShiftKeyFlag) != 0;
    if (hitCode >= 1 && hitCode <= kHitMaxPoint) {
        const int index = int(hitCode) - 1;
        if (index >= PointCount())
            return;
        if (shift && index <= 1 && PointCount() > 1)
            newPoint = Constrain(index, newPoint);
        SetPoint(index, newPoint);
    } else if ((hitCode == kHitCornerA || hitCode == kHitCornerB) && traits_.box && PointCount() >= 2) {
        // Corner A pairs x of point 0 with y of point 1; its opposite corner
        // pairs the other two coordinates.
        const bool cornerA = hitCode == kHitCornerA;
        const QPoint opposite =
            cornerA ? QPoint(points_[1].x(), points_[0].y()) : QPoint(points_[0].x(), points_[1].y());
        const QPoint corner = shift ? drawing::SnapSquare(opposite, newPoint) : newPoint;
        points_[cornerA ? 0 : 1].setX(corner.x());
        points_[cornerA ? 1 : 0].setY(corner.y());
    } else if (hitCode == kHitBody) {
        const QPoint delta = newPoint - oldPoint;
        for (QPoint& point : points_)
            point += delta;
    }
}

void CDrawingBase::PlacePoint(int index, unsigned keyFlags, QPoint p)
{
    SetPoint(index, (keyFlags & kShiftKeyFlag) != 0 ? Constrain(index, p) : p);
}

void CDrawingBase::SetPoint(int index, QPoint p)
{
    if (index < 0)
        return;
    if (index >= PointCount())
        points_.resize(index + 1);
    points_[index] = p;
}

QPoint CDrawingBase::GetPoint(int index) const
{
    return index >= 0 && index < PointCount() ? points_[index] : QPoint(0, 0);
}

void CDrawingBase::RemovePoint(int index)
{
    if (index >= 0 && index < PointCount())
        points_.erase(points_.begin() + index);
}

void CDrawingBase::InsertPoint(int index, QPoint p)
{
    if (index >= 0 && index <= PointCount())
        points_.insert(points_.begin() + index, p);
}

QPoint CDrawingBase::Constrain(int index, QPoint p) const
{
    if (index < 0 || index > 1 || PointCount() < 2)
        return p;
    return drawing::ApplyConstraint(traits_.shift, points_[1 - index], p);
}

std::optional<double> CDrawingBase::GetLength(double, double) const
{
    return std::nullopt;
}

std::optional<double> CDrawingBase::GetArea(double, double) const
{
    return std::nullopt;
}

double CDrawingBase::GetAngle(int i, int j, double sx, double sy) const
{
    return drawing::DirectionAngle(GetPoint(j), GetPoint(i), sx, sy);
}

DrawingRect CDrawingBase::GetBoundingBox() const
{
    return drawing::BoundingBox(points_);
}

drawing::DrawingRect CDrawingBase::CornerBox() const
{
    return drawing::RectFromCorners(GetPoint(0), GetPoint(1));
}

QRectF CDrawingBase::CornerStrokeRect() const
{
    return StrokeRect(CornerBox(), style_.penStyle, style_.penWidth);
}

bool CDrawingBase::SelectIfInRect(const DrawingRect& band)
{
    SetSelected(IsPickable() && drawing::OverlapsForSelection(GetBoundingBox(), band));
    return IsSelected();
}

std::vector<PlacedText> CDrawingBase::LayoutTexts(const DrawingUnits& units) const
{
    return StandardTexts(units, style_.dispTextMode);
}

std::vector<PlacedText> CDrawingBase::StandardTexts(const DrawingUnits& units, int32_t mode) const
{
    std::vector<PlacedText> texts;
    if (mode == 0)
        return texts;
    const DrawingRect box = GetBoundingBox();
    const double sx = units.pixelSizeX;
    const double sy = units.pixelSizeY;
    const int gap = TextGap();
    if (mode & kTextTopLeft)
        texts.push_back(
            {CoordinateText(box.left * sx, box.top * sy), {box.left, box.top}, Qt::AlignRight | Qt::AlignBottom});
    if (mode & kTextTopRight)
        texts.push_back(
            {CoordinateText(box.right * sx, box.top * sy), {box.right, box.top}, Qt::AlignLeft | Qt::AlignBottom});
    if (mode & kTextBottomLeft)
        texts.push_back(
            {CoordinateText(box.left * sx, box.bottom * sy), {box.left, box.bottom}, Qt::AlignRight | Qt::AlignTop});
    if (mode & kTextBottomRight)
        texts.push_back(
            {CoordinateText(box.right * sx, box.bottom * sy), {box.right, box.bottom}, Qt::AlignLeft | Qt::AlignTop});
    if (mode & kTextLength) {
        if (const auto length = GetLength(sx, sy))
            texts.push_back(
                {MeasureText(*length, units.lengthUnit), {box.right + gap, box.top}, Qt::AlignLeft | Qt::AlignTop});
    }
    if (mode & kTextArea) {
        if (const auto area = GetArea(sx, sy))
            texts.push_back(
                {MeasureText(*area, units.areaUnit), {box.right + gap, box.bottom}, Qt::AlignLeft | Qt::AlignBottom});
    }
    if (mode & kTextWidth)
        texts.push_back({MeasureText(box.Width() * sx, units.lengthUnit),
                         {box.left, box.top - gap},
                         Qt::AlignLeft | Qt::AlignBottom});
    if (mode & kTextHeight)
        texts.push_back({MeasureText(box.Height() * sy, units.lengthUnit),
                         {box.left - gap, box.top},
                         Qt::AlignRight | Qt::AlignTop});
    if (mode & kTextName)
        texts.push_back({PaddedText(style_.name), {box.left - gap, box.top - gap}, Qt::AlignRight | Qt::AlignBottom});
    return texts;
}

void CDrawingBase::Draw(QPainter& painter, const DrawingUnits& units) const
{
    if (style_.hide != 0)
        return;
    const bool grey = IsGreyDevice(painter);

    painter.save();
    SetDrawingBackground(painter, style_.backMode, style_.backColor, grey);
    painter.setPen(MakeDrawingPen(style_.penStyle, style_.penWidth, style_.penColor, grey));
    painter.setBrush(MakeDrawingBrush(style_.brushType, style_.brushHatchStyle, style_.brushColor, grey));
    DrawShape(painter);
    painter.restore();

    painter.save();
    painter.setPen(DeviceColor(style_.textColor, grey));
    SetDrawingBackground(painter, style_.textBackMode, style_.textBackColor, grey);
    painter.setFont(font_);
    DrawTexts(painter, units);
    painter.restore();

    DrawAfter(painter);
}

void CDrawingBase::DrawTexts(QPainter& painter, const DrawingUnits& units) const
{
    for (const PlacedText& text : LayoutTexts(units))
        DrawPlacedText(painter, text, style_.font.escapement);
}

void CDrawingBase::DrawAfter(QPainter& painter) const
{
    if (!IsSelected())
        return;
    for (const QPoint& p : points_)
        DrawHandle(painter, p);
}

void CDrawingBase::DrawHandle(QPainter& painter, QPoint p) const
{
    const bool grey = IsGreyDevice(painter);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(DeviceColor(kHandleBorder, grey), 1));
    painter.setBrush(DeviceColor(kHandleFill, grey));
    painter.drawRect(QRect(p.x() - kHandleHalfSize, p.y() - kHandleHalfSize, 2 * kHandleHalfSize, 2 * kHandleHalfSize));
    painter.restore();
}
