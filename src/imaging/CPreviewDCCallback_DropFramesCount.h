#pragma once

#include "imaging/CPreviewDCCallbackBase.h"

// Writes the frame's block id at the frame's bottom-left corner.
class CPreviewDCCallback_DropFramesCount : public CPreviewDCCallbackBase {
public:
    explicit CPreviewDCCallback_DropFramesCount(OverlayRegistry* registry);

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId,
        const int32_t* droppedCount) override;
};
