#include "drawing/DrawingOverlayPainter.h"

#include "drawing/CDrawingManagement.h"

#include <QImage>
#include <QPainter>

DrawingOverlayPainter::DrawingOverlayPainter(CDrawingManagement& manager) : manager_(manager) {}

QString DrawingOverlayPainter::Name()
{
    return tr("Drawing");
}

void DrawingOverlayPainter::Draw(QPainter& painter) const
{
    manager_.DrawOnFrame(painter);
}

bool DrawingOverlayPainter::DrawsNothing() const
{
    return manager_.DrawsNothing();
}

void DrawingOverlayPainter::Paint(QImage& frame) const
{
    QPainter painter(&frame);
    manager_.DrawOnFrame(painter);
}

bool DrawingOverlayPainter::Paint(uint8_t* pixels, int width, int height, bool colour) const
{
    return manager_.DrawOnFrame(pixels, width, height, colour);
}
