#pragma once

#include "imaging/DisplayGeometry.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class QPainter;

// The image area of a display window where OpenGL is rendered in software
// (llvmpipe and its kind): drawing the frame with QPainter straight into the
// window's backing store costs a fraction of rasterising a textured quad on
// the CPU. It offers the drawing operations of DisplaySurface, so that the
// owner's paint callback serves both. User interface thread only.
class RasterSurface : public QWidget {
    Q_OBJECT

public:
    RasterSurface(QWidget* parent, std::function<void(RasterSurface&)> paint);

    bool IsUsable() const { return true; }
    // Images of any size are drawn.
    int MaxTextureSize() const { return 0; }

    // Drawing operations, valid only inside the paint callback.
    void Clear(uint8_t red, uint8_t green, uint8_t blue);
    // Takes the pixels (4 bytes blue, green, red, unused per colour pixel, or
    // 1 grey byte) without copying them: they must stay as they are until
    // the next Upload, as the display window's staging buffer does under its
    // lock. Gives whether the size or kind changed.
    bool Upload(const uint8_t* pixels, int width, int height, bool colour);
    void DrawImage(const DrawTransform& transform, int width, int height);

    // Paints now and gives the result.
    QImage Grab();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(RasterSurface&)> paint_;
    QPainter* painter_ = nullptr;
    QColor background_;
    bool backgroundPending_ = false;
    QImage image_;
};
