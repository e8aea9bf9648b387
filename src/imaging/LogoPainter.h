#pragma once

#include "imaging/OverlayPainter.h"

#include <QImage>

// Blends the program's logo onto the frame's top-left corner at its own size,
// half transparent.
class LogoPainter : public OverlayPainter {
public:
    // Builds the logo image; user interface thread (it draws text).
    explicit LogoPainter(OverlayRegistry* registry);

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId, const int32_t* droppedCount) override;

    const QImage& Logo() const { return logo_; }

private:
    QImage logo_;
    QImage greyLogo_;
};
