#include "analysis/WaveformRecord.h"

#include "analysis/AnalysisMarker.h"
#include "camera/FrameImage.h"

#include <QPainter>

#include <cstring>

bool WaveformRecord::WantsFrame(bool shown) const
{
    if (!shown || !active)
        return false;
    std::lock_guard lock(mutex);
    return window && !lineBuffer.empty();
}

void WaveformRecord::TakeFrame(const SinkFrame& frame)
{
    const FrameImage& image = frame.image;
    const int32_t row = lineNumber;
    markedRow_ = row >= 0 && row < image.Height() ? row : -1;
    if (markedRow_ < 0)
        return;
    RepaintTarget* repaint = nullptr;
    {
        std::lock_guard lock(mutex);
        const int32_t channels = colour ? 3 : 1;
        const size_t bytes = static_cast<size_t>(image.Width()) * static_cast<size_t>(channels);
        if (channels == image.BytesPerPixel() && bytes <= lineBuffer.size())
            std::memcpy(lineBuffer.data(), image.Pixels() + static_cast<size_t>(row) * image.RowBytes(), bytes);
        repaint = window;
    }
    if (repaint)
        repaint->RequestRepaint();
}

void WaveformRecord::Paint(QPainter& painter, const SinkFrame& frame)
{
    if (markedRow_ < 0)
        return;
    painter.setPen(AnalysisMarkerPen(frame.image));
    painter.drawLine(0, markedRow_, frame.image.Width() - 1, markedRow_);
}
