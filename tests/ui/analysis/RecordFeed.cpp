#include "RecordFeed.h"

#include "imaging/BayerDemosaic.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"

#include <QWidget>

#include <cstring>

std::vector<uint8_t> ConvertForAnalysis(const TestFrame& frame)
{
    std::vector<uint8_t> converted(static_cast<size_t>(frame.width) * frame.height *
        ConvertedBytesPerPixel(frame.pixelFormat));
    if (!ConvertFrame(frame.pixelFormat, frame.height, frame.data.data(), frame.data.size(), frame.width,
            converted.data(), kDefaultInterpolationMethod))
        converted.clear();
    return converted;
}

void FeedWaveform(WaveformRecord& record, const std::vector<uint8_t>& converted)
{
    std::lock_guard lock(record.mutex);
    const size_t rowBytes = record.lineBuffer.size();
    const size_t row = static_cast<size_t>(record.lineNumber.load());
    if ((row + 1) * rowBytes <= converted.size())
        std::memcpy(record.lineBuffer.data(), converted.data() + row * rowBytes, rowBytes);
}

void FeedHistogram(HistogramRecord& record, const TestFrame& frame, const std::vector<uint8_t>& converted)
{
    std::lock_guard lock(record.mutex);
    for (auto& table : record.counts)
        table.fill(0);
    const bool grey = IsGrayPixelFormat(frame.pixelFormat);
    const bool wide = frame.pixelFormat != kPixelFormatMono8;
    for (int y = record.top; y <= record.bottom; ++y) {
        for (int x = record.left; x <= record.right; ++x) {
            const size_t index = static_cast<size_t>(y) * frame.width + x;
            if (!grey) {
                for (int c = 0; c < 3; ++c)
                    ++record.counts[c][converted[index * 3 + c]];
            } else if (x < record.right && y < record.bottom) {
                const uint32_t value = wide ? frame.data[index * 2] | (frame.data[index * 2 + 1] << 8)
                                            : frame.data[index];
                ++record.counts[0][value];
            }
        }
    }
}

QImage Grab(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
