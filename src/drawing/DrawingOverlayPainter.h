#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

class CDrawingManagement;
class QImage;
class QPainter;

// The overlay painter "Drawing": paints the drawing manager's grid, shapes
// and rubber band on each displayed frame of the first camera. It holds the
// manager, which outlives it; painting takes the manager's own lock.
class DrawingOverlayPainter {
    Q_DECLARE_TR_FUNCTIONS(DrawingOverlayPainter)

public:
    explicit DrawingOverlayPainter(CDrawingManagement& manager);

    // The painter's display name, "Drawing".
    static QString Name();
    // Paints on a painter already open on the frame image (8-bit grey or BGR).
    void Draw(QPainter& painter) const;
    bool DrawsNothing() const;
    // Paints on a frame image that wraps the frame's own pixels.
    void Paint(QImage& frame) const;
    // Paints on packed frame rows: grey at 1 byte per pixel, colour at 3 (B, G, R).
    bool Paint(uint8_t* pixels, int width, int height, bool colour) const;

private:
    CDrawingManagement& manager_;
};
