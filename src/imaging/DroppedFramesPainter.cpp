#include "imaging/DroppedFramesPainter.h"

#include <QCoreApplication>

DroppedFramesPainter::DroppedFramesPainter(OverlayRegistry* registry)
    : OverlayPainter(registry, QCoreApplication::translate("CCallbackEnableDlg", "Frames Received"))
{
}

void DroppedFramesPainter::Draw(QPainter& painter, int32_t, int32_t height, uint32_t blockId, const int32_t*)
{
    DrawText(painter, 0, height - 1, Qt::AlignLeft | Qt::AlignBottom,
             QCoreApplication::translate("DroppedFramesPainter", "Received BlockID:%1").arg(blockId));
}
