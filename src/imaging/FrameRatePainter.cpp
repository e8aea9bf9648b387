#include "imaging/FrameRatePainter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>

#include <chrono>

namespace {

uint32_t MillisecondClock()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

FrameRatePainter::FrameRatePainter(OverlayRegistry* registry)
    : OverlayPainter(registry, QCoreApplication::translate("CCallbackEnableDlg", "FPS"))
{
}

void FrameRatePainter::Reset()
{
    std::lock_guard lock(CriticalSection());
    meter_.Reset();
}

QString FrameRatePainter::RateText(const FrameRateMeter::Reading& reading)
{
    if (!reading.hasRate)
        return QCoreApplication::translate("FrameRatePainter", "DispFPS:?/DispCount:%1").arg(reading.displayCount);
    return QCoreApplication::translate("FrameRatePainter", "FPS:%1/FrameCount:%2")
        .arg(static_cast<double>(reading.rate), 0, 'f', 1)
        .arg(reading.frameCount);
}

void FrameRatePainter::Draw(QPainter& painter, int32_t width, int32_t height, uint32_t, const int32_t* droppedCount)
{
    const FrameRateMeter::Reading reading = meter_.Record(droppedCount ? *droppedCount : 0, MillisecondClock());
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                          locale.toString(now.time(), QLocale::ShortFormat);
    DrawText(painter, width - 1, height - 1, Qt::AlignRight | Qt::AlignBottom, stamp);
    DrawText(painter, width - 1, 0, Qt::AlignRight | Qt::AlignTop, RateText(reading));
}
