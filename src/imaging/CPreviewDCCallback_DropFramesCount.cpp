#include "imaging/CPreviewDCCallback_DropFramesCount.h"

#include <QCoreApplication>

CPreviewDCCallback_DropFramesCount::CPreviewDCCallback_DropFramesCount(OverlayRegistry* registry)
    : CPreviewDCCallbackBase(registry, QCoreApplication::translate("CCallbackEnableDlg", "Frames Received"))
{
}

void CPreviewDCCallback_DropFramesCount::Draw(QPainter& painter, int32_t, int32_t height, uint32_t blockId,
    const int32_t*)
{
    DrawText(painter, 0, height - 1, Qt::AlignLeft | Qt::AlignBottom,
        QCoreApplication::translate("CPreviewDCCallback_DropFramesCount", "Received BlockID:%1").arg(blockId));
}
