#include "imaging/LogoPainter.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kLogoWidth = 184;
constexpr int kLogoHeight = 56;
// The logo is blended with one constant alpha, no per-pixel alpha.
constexpr qreal kLogoOpacity = 127.0 / 255.0;

// The program's logo: a lens aperture beside the name on a dark blue plate.
QImage MakeLogo()
{
    QImage logo(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient plate(0, 0, 0, kLogoHeight);
    plate.setColorAt(0.0, QColor(28, 58, 112));
    plate.setColorAt(1.0, QColor(10, 24, 56));
    p.fillRect(logo.rect(), plate);

    // Aperture: a ring with six blades turning around the centre.
    const QPointF centre(kLogoHeight / 2.0, kLogoHeight / 2.0);
    const qreal outer = kLogoHeight / 2.0 - 6.0;
    p.setPen(QPen(QColor(236, 242, 250), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, outer, outer);
    p.setPen(QPen(QColor(120, 200, 255), 2.0));
    p.translate(centre);
    for (int blade = 0; blade < 6; ++blade) {
        p.drawLine(QPointF(0.0, -outer), QPointF(outer * 0.55, outer * 0.1));
        p.rotate(60.0);
    }
    p.resetTransform();
    p.setBrush(QColor(255, 196, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 4.0, 4.0);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(236, 242, 250));
    p.drawText(QRect(kLogoHeight, 0, kLogoWidth - kLogoHeight - 4, kLogoHeight), Qt::AlignCenter,
               QStringLiteral("Lumivex"));
    return logo;
}

} // namespace

LogoPainter::LogoPainter(OverlayRegistry* registry)
    : OverlayPainter(registry, QCoreApplication::translate("CCallbackEnableDlg", "Logo")),
      logo_(MakeLogo()),
      greyLogo_(logo_.convertToFormat(QImage::Format_Grayscale8))
{
}

void LogoPainter::Draw(QPainter& painter, int32_t, int32_t, uint32_t, const int32_t*)
{
    painter.setOpacity(kLogoOpacity);
    painter.drawImage(0, 0, IsGreyFrame(painter) ? greyLogo_ : logo_);
}
