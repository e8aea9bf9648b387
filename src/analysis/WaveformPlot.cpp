#include "analysis/WaveformPlot.h"

#include <algorithm>

namespace {

// Margins around the plot that the scales leave for labels.
constexpr int kMarginWidth = 56;
constexpr int kMarginHeight = 46;
constexpr int kValueSteps = 256;
constexpr int kTopValue = 255;
constexpr int kIndexLabelStep = 200;
constexpr int kLabelCount = 5;
constexpr int kBaseBitDepth = 8;

constexpr int kOpeningExtraWidth = 66;
constexpr int kOpeningHeight = 332;

} // namespace

WaveformLayout ComputeWaveformLayout(int clientWidth, int clientHeight, int sampleCount)
{
    const int count = std::max(sampleCount, 1);
    WaveformLayout layout;
    layout.xScale = static_cast<double>(std::max(clientWidth, kMarginWidth + 1) - kMarginWidth) / count;
    layout.yScale = static_cast<double>(std::max(clientHeight, kMarginHeight + 1) - kMarginHeight) / kValueSteps;
    layout.plotHeight = static_cast<int>(layout.yScale * kTopValue);
    layout.plotWidth = static_cast<int>(layout.xScale * (count - 1));
    layout.right = WaveformLayout::kLeft + layout.plotWidth;
    layout.bottom = WaveformLayout::kTop + layout.plotHeight;
    return layout;
}

std::array<AxisLabel, 5> WaveformValueLabels(const WaveformLayout& layout, int bitDepth)
{
    const int64_t scale = int64_t{1} << std::max(bitDepth - kBaseBitDepth, 0);
    std::array<AxisLabel, kLabelCount> labels;
    for (int k = 0; k < kLabelCount; ++k) {
        labels[k].position = layout.bottom - k * layout.plotHeight / 4;
        labels[k].value = std::max<int64_t>(k * (kValueSteps / 4) * scale - 1, 0);
        labels[k].gridLine = k > 0 && k < kLabelCount - 1;
    }
    return labels;
}

std::vector<AxisLabel> WaveformIndexLabels(const WaveformLayout& layout)
{
    std::vector<AxisLabel> labels;
    for (int64_t v = 0;; v += kIndexLabelStep) {
        const int offset = static_cast<int>(static_cast<double>(v) * layout.xScale);
        if (offset > layout.plotWidth)
            break;
        const int x = WaveformLayout::kLeft + offset;
        labels.push_back({x, v, v > 0 && x != layout.right});
    }
    return labels;
}

QPolygon WaveformCurve(const WaveformLayout& layout, const uint8_t* samples, int sampleCount, int channels, int channel)
{
    QPolygon curve;
    if (!samples || sampleCount < 1 || channel < 0 || channel >= channels)
        return curve;
    curve.reserve(sampleCount);
    for (int i = 0; i < sampleCount; ++i) {
        const uint8_t sample = samples[static_cast<size_t>(i) * channels + channel];
        curve.append({WaveformLayout::kLeft + static_cast<int>(i * layout.xScale),
                      layout.bottom - static_cast<int>(sample * layout.yScale)});
    }
    return curve;
}

QSize WaveformClientSize(int rowLength, QSize workArea)
{
    return {std::min(rowLength + kOpeningExtraWidth, workArea.width() - 1),
            std::min(kOpeningHeight, workArea.height() - 1)};
}
