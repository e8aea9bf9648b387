#include "drawing/DrawingManagementBase.h"

#include "drawing/CDrawingManagement.h"

#include <QImage>
#include <QPainter>

DrawingManagementBase::DrawingManagementBase(CDrawingManagement& manager) : manager_(manager)
{
}

QString DrawingManagementBase::Name()
{
    return tr("Drawing");
}

void DrawingManagementBase::Draw(QPainter& painter) const
{
    manager_.DrawOnFrame(painter);
}

bool DrawingManagementBase::DrawsNothing() const
{
    return manager_.DrawsNothing();
}

void DrawingManagementBase::Paint(QImage& frame) const
{
    QPainter painter(&frame);
    manager_.DrawOnFrame(painter);
}

bool DrawingManagementBase::Paint(uint8_t* pixels, int width, int height, bool colour) const
{
    return manager_.DrawOnFrame(pixels, width, height, colour);
}
