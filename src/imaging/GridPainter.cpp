#include "imaging/GridPainter.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Line positions along one axis of `size` pixels: count + 1 lines from 0 to
// size - 1, shifted by the offset modulo the cell size (0 when cells are
// narrower than a pixel). More lines than pixels land on every pixel, which is
// what size - 1 lines give, so the count is capped there.
template <typename DrawLine>
void ForEachLine(uint32_t size, uint32_t count, uint32_t offset, DrawLine drawLine)
{
    const uint64_t last = size - 1;
    const uint64_t lines = std::min<uint64_t>(count, std::max<uint64_t>(last, 1));
    const uint64_t cell = last / lines;
    const uint64_t shift = cell != 0 ? offset % cell : 0;
    for (uint64_t i = 0; i <= lines; ++i)
        drawLine(static_cast<int>(i * last / lines + shift));
}

} // namespace

GridPainter::GridPainter(OverlayRegistry* registry, const GridSettings& settings)
    : OverlayPainter(registry, QCoreApplication::translate("CCallbackEnableDlg", "Grid")),
      settings_(settings)
{
    settings_.columns = std::max<uint32_t>(settings_.columns, 1);
    settings_.rows = std::max<uint32_t>(settings_.rows, 1);
}

void GridPainter::Draw(QPainter& painter, int32_t width, int32_t height, uint32_t, const int32_t*)
{
    if (width < 1 || height < 1)
        return;
    painter.setPen(QPen(FrameColor(painter, Qt::black), 0));
    const uint32_t w = static_cast<uint32_t>(width);
    const uint32_t h = static_cast<uint32_t>(height);
    ForEachLine(w, settings_.columns, settings_.offsetX, [&](int x) { painter.drawLine(x, 0, x, height - 1); });
    ForEachLine(h, settings_.rows, settings_.offsetY, [&](int y) { painter.drawLine(0, y, width - 1, y); });
}
