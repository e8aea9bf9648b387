#include "RecordFeed.h"

#include "imaging/BayerDemosaic.h"
#include "imaging/PixelConversion.h"

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
    if (!record.AreaInside(frame.width, frame.height))
        return;
    if (record.colour)
        record.CountColour(converted.data(), frame.width);
    else
        record.CountGrey(frame.pixelFormat, frame.data.data(), frame.data.size(), frame.width, frame.height, 0);
}

QImage Grab(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
