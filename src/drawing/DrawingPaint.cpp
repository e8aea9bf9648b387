#include "drawing/DrawingPaint.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

// Dash patterns of one-pixel styled pens, in pixels on and off.
const QList<qreal> kDashPattern{18, 6};
const QList<qreal> kDotPattern{3, 3};
const QList<qreal> kDashDotPattern{9, 6, 3, 6};
const QList<qreal> kDashDotDotPattern{9, 3, 3, 3, 3, 3};

constexpr int kDefaultCellHeight = 13;
constexpr int kMaxStretch = 4000;
constexpr double kTenthsPerDegree = 10.0;

// Quality and family fields of the logical font record.
constexpr uint8_t kNonAntialiasedQuality = 3;
constexpr uint8_t kAntialiasedQuality = 4;
constexpr uint8_t kFixedPitch = 1;
constexpr uint8_t kPitchMask = 0x03;
constexpr uint8_t kFamilyMask = 0xF0;
constexpr uint8_t kFamilyRoman = 0x10;
constexpr uint8_t kFamilySwiss = 0x20;
constexpr uint8_t kFamilyModern = 0x30;
constexpr uint8_t kFamilyScript = 0x40;
constexpr uint8_t kFamilyDecorative = 0x50;

QFont::StyleHint StyleHintOf(uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & kFamilyMask) {
    case kFamilyRoman:
        return QFont::Serif;
    case kFamilySwiss:
        return QFont::SansSerif;
    case kFamilyModern:
        return QFont::Monospace;
    case kFamilyScript:
        return QFont::Cursive;
    case kFamilyDecorative:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

} // namespace

QColor ColorFromRef(uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

int GreyOfRef(uint32_t colorRef)
{
    const int red = colorRef & 0xFF;
    const int green = (colorRef >> 8) & 0xFF;
    const int blue = (colorRef >> 16) & 0xFF;
    return (299 * red + 587 * green + 114 * blue + 500) / 1000;
}

QColor DeviceColor(uint32_t colorRef, bool grey)
{
    if (!grey)
        return ColorFromRef(colorRef);
    const int level = GreyOfRef(colorRef);
    return QColor(level, level, level);
}

bool IsGreyDevice(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image)
        return false;
    return static_cast<const QImage*>(device)->format() == QImage::Format_Grayscale8;
}

QPen MakeDrawingPen(int32_t penStyle, int32_t penWidth, uint32_t colorRef, bool grey)
{
    if (penStyle == kPenNull)
        return QPen(Qt::NoPen);
    const int width = std::clamp(penWidth, kMinPenWidth, kMaxPenWidth);
    QPen pen(DeviceColor(colorRef, grey), width);
    if (width > 1) {
        // Wide pens are round-ended and draw solid whatever their style.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }
    switch (penStyle) {
    case kPenDash:
        pen.setDashPattern(kDashPattern);
        break;
    case kPenDot:
        pen.setDashPattern(kDotPattern);
        break;
    case kPenDashDot:
        pen.setDashPattern(kDashDotPattern);
        break;
    case kPenDashDotDot:
        pen.setDashPattern(kDashDotDotPattern);
        break;
    default:
        break;
    }
    return pen;
}

QBrush MakeDrawingBrush(int32_t brushType, int32_t hatchStyle, uint32_t colorRef, bool grey)
{
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    const QColor color = DeviceColor(colorRef, grey);
    if (brushType == kBrushSolid)
        return QBrush(color);
    if (brushType == kBrushHatch && hatchStyle >= 0 && hatchStyle <= kLastHatchStyle)
        return QBrush(color, kHatches[hatchStyle]);
    return QBrush(Qt::NoBrush);
}

QFont MakeDrawingFont(const LogicalFont& record)
{
    QFont font;
    font.setStyleHint(StyleHintOf(record.pitchAndFamily));
    if (!record.faceName.isEmpty())
        font.setFamily(record.faceName);
    font.setFixedPitch((record.pitchAndFamily & kPitchMask) == kFixedPitch);
    font.setWeight(record.weight <= 0 ? QFont::Normal : QFont::Weight(std::min(record.weight, kMaxFontWeight)));
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    if (record.quality == kNonAntialiasedQuality)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (record.quality >= kAntialiasedQuality)
        font.setStyleStrategy(QFont::PreferAntialias);

    const int height = std::clamp(record.height, -kMaxFontSize, kMaxFontSize);
    if (height < 0) {
        font.setPixelSize(-height);
    } else {
        // A positive height is the cell height (ascent plus descent): scale the
        // character size so that the font's cell comes out at that height.
        const int cell = height == 0 ? kDefaultCellHeight : height;
        font.setPixelSize(cell);
        const int measured = QFontMetrics(font).height();
        if (measured > 0)
            font.setPixelSize(std::max(1, cell * cell / measured));
    }
    if (record.width > 0) {
        const int average = QFontMetrics(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(std::min(record.width, kMaxFontSize) * 100 / average, 1, kMaxStretch));
    }
    return font;
}

void SetDrawingBackground(QPainter& painter, int32_t backMode, uint32_t colorRef, bool grey)
{
    painter.setBackgroundMode(backMode == kBackOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setBackground(DeviceColor(colorRef, grey));
}

Qt::Alignment AlignAway(int dx, int dy)
{
    const Qt::Alignment horizontal = dx > 0 ? Qt::AlignLeft : dx < 0 ? Qt::AlignRight : Qt::AlignHCenter;
    const Qt::Alignment vertical = dy > 0 ? Qt::AlignTop : dy < 0 ? Qt::AlignBottom : Qt::AlignVCenter;
    return horizontal | vertical;
}

QRect PlacedTextRect(const QFontMetrics& metrics, const PlacedText& text)
{
    const int width = metrics.horizontalAdvance(text.text);
    const int height = metrics.height();
    int left = text.anchor.x();
    if (text.align & Qt::AlignRight)
        left -= width;
    else if (text.align & Qt::AlignHCenter)
        left -= width / 2;
    int top = text.anchor.y();
    if (text.align & Qt::AlignBottom)
        top -= height;
    else if (text.align & Qt::AlignVCenter)
        top -= height / 2;
    return QRect(left, top, width, height);
}

void DrawPlacedText(QPainter& painter, const PlacedText& text, int32_t escapement)
{
    const QFontMetrics metrics(painter.font());
    const QRect box = PlacedTextRect(metrics, text);
    painter.save();
    if (escapement != 0) {
        painter.translate(text.anchor);
        painter.rotate(-escapement / kTenthsPerDegree);
        painter.translate(-text.anchor);
    }
    if (painter.backgroundMode() == Qt::OpaqueMode)
        painter.fillRect(box, painter.background());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPoint(box.left(), box.top() + metrics.ascent()), text.text);
    painter.restore();
}

QRectF StrokeRect(const drawing::DrawingRect& box, int32_t penStyle, int32_t penWidth)
{
    QRectF rect(box.left, box.top, box.Width(), box.Height());
    if (penStyle == kPenInsideFrame && penWidth > 1) {
        // Half the pen in whole pixels, as the frame is drawn on the pixel grid.
        const int32_t halfPen = penWidth / 2;
        const qreal inset = std::min<qreal>(halfPen, std::min(rect.width(), rect.height()) / 2);
        rect.adjust(inset, inset, -inset, -inset);
    }
    return rect;
}
