#include "drawing/CDrawingText.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QRegularExpression>

namespace {

const CDrawingBase::KindTraits kTextTraits{
    kDrawingText, QT_TRANSLATE_NOOP("CDrawingBase", "Text"), 1, kTextName, 1, 1, drawing::ShiftConstraint::None, false};

// The user's time format with seconds but without the time zone.
QString LocalTimeText()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return QLocale::system().toString(QTime::currentTime(), format.trimmed());
}

QString LocalDateText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace

CDrawingText::CDrawingText(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kTextTraits, defaults, creationPoint)
{
}

uint32_t CDrawingText::HitTest(QPoint p) const
{
    const uint32_t pointHit = CDrawingBase::HitTest(p);
    if (pointHit != kHitNone)
        return pointHit;
    const QFontMetrics metrics(font_);
    for (const PlacedText& text : LayoutTexts(DrawingUnits{})) {
        if (PlacedTextRect(metrics, text).contains(p))
            return kHitBody;
    }
    return kHitNone;
}

std::vector<PlacedText> CDrawingText::LayoutTexts(const DrawingUnits&) const
{
    std::vector<PlacedText> texts;
    const QPoint p = GetPoint(0);
    const int gap = TextGap();
    const int32_t mode = style_.dispTextMode;
    if (mode & kTextName)
        texts.push_back({PaddedText(style_.name), p - QPoint(gap, gap), Qt::AlignRight | Qt::AlignBottom});
    if (mode & kTextTime)
        texts.push_back({PaddedText(LocalTimeText()), p, Qt::AlignLeft | Qt::AlignTop});
    if (mode & kTextDate)
        texts.push_back({PaddedText(LocalDateText()), p, Qt::AlignLeft | Qt::AlignBottom});
    return texts;
}

void CDrawingText::DrawShape(QPainter&) const {}
