#include "display/RasterSurface.h"

#include <QPainter>
#include <QRegion>

#include <cmath>
#include <utility>

RasterSurface::RasterSurface(QWidget* parent, std::function<void(RasterSurface&)> paint)
    : QWidget(parent),
      paint_(std::move(paint))
{
    // Every pixel is painted each time: the background only where the image is not.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void RasterSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_ = &painter;
    paint_(*this);
    if (backgroundPending_)
        painter.fillRect(rect(), background_);
    backgroundPending_ = false;
    painter_ = nullptr;
}

void RasterSurface::Clear(uint8_t red, uint8_t green, uint8_t blue)
{
    // Filled around the image once its place is known.
    background_ = QColor(red, green, blue);
    backgroundPending_ = true;
}

bool RasterSurface::Upload(const uint8_t* pixels, int width, int height, bool colour)
{
    const bool changed =
        image_.width() != width || image_.height() != height || (image_.format() == QImage::Format_RGB32) != colour;
    image_ = colour ? QImage(pixels, width, height, width * 4, QImage::Format_RGB32)
                    : QImage(pixels, width, height, width, QImage::Format_Grayscale8);
    return changed;
}

void RasterSurface::DrawImage(const DrawTransform& transform, int width, int height)
{
    if (!painter_ || image_.isNull())
        return;
    const QRectF target(transform.offsetX * transform.scale, transform.offsetY * transform.scale,
                        width * transform.scale, height * transform.scale);
    const bool pixelForPixel =
        transform.scale == 1.0f && std::floor(target.x()) == target.x() && std::floor(target.y()) == target.y();
    if (backgroundPending_) {
        if (pixelForPixel)
            painter_->setClipRegion(QRegion(rect()) - QRegion(target.toRect()));
        painter_->fillRect(rect(), background_);
        painter_->setClipping(false);
        backgroundPending_ = false;
    }
    if (pixelForPixel) {
        // A plain copy.
        painter_->drawImage(target.topLeft(), image_);
        return;
    }
    // Bilinear, as the OpenGL surface samples its texture.
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->drawImage(target, image_, QRectF(0, 0, width, height));
}

QImage RasterSurface::Grab()
{
    return grab().toImage().convertToFormat(QImage::Format_RGB32);
}
