#include "analysis/HistogramPlot.h"

#include <algorithm>

namespace {

constexpr int kMarginWidth = 79;
constexpr int kMarginHeight = 41;
constexpr int kValueSteps = 256;
constexpr int kTopValueStep = 255;
constexpr int kPixelsPerFullScale = 20;
constexpr int kLabelCount = 5;
constexpr int kBaseBitDepth = 8;
// Deepest bin table that a grey camera is counted in.
constexpr int kMaxBitDepth = 12;

// Opening size: 256 pixels across the plot, 500 up.
constexpr int kOpeningWidth = 335;
constexpr int kOpeningHeight = 541;

} // namespace

HistogramLayout ComputeHistogramLayout(int clientWidth, int clientHeight)
{
    HistogramLayout layout;
    layout.plotWidth = clientWidth > kMarginWidth ? clientWidth - kMarginWidth : 1;
    layout.plotHeight = clientHeight > kMarginHeight ? clientHeight - kMarginHeight : 1;
    layout.xScale = static_cast<double>(layout.plotWidth) / kValueSteps;
    layout.extent = static_cast<int>(layout.xScale * kTopValueStep);
    layout.right = HistogramLayout::kLeft + layout.extent;
    layout.bottom = HistogramLayout::kTop + layout.plotHeight;
    return layout;
}

int64_t HistogramFullScale(const HistogramArea& area, double stretch)
{
    const int64_t width = int64_t{area.right} - area.left + 1;
    const int64_t height = int64_t{area.bottom} - area.top + 1;
    if (width < 1 || height < 1)
        return 0;
    // Whole units of full scale, then stretched.
    const int64_t units = width * height / kPixelsPerFullScale;
    return static_cast<int64_t>(static_cast<double>(units) * stretch);
}

std::array<AxisLabel, 5> HistogramCountLabels(const HistogramLayout& layout, int64_t fullScale, int bitDepth)
{
    const int shift = std::clamp(bitDepth, kBaseBitDepth, kMaxBitDepth) - kBaseBitDepth;
    std::array<AxisLabel, kLabelCount> labels;
    for (int k = 0; k < kLabelCount; ++k) {
        labels[k].position = layout.bottom - k * layout.plotHeight / 4;
        labels[k].value = (k * fullScale / 4) >> shift;
        labels[k].gridLine = k > 0 && k < kLabelCount - 1;
    }
    return labels;
}

std::array<AxisLabel, 5> HistogramValueLabels(const HistogramLayout& layout, int bitDepth)
{
    const int64_t range = int64_t{1} << std::clamp(bitDepth, kBaseBitDepth, kMaxBitDepth);
    std::array<AxisLabel, kLabelCount> labels;
    for (int k = 0; k < kLabelCount; ++k) {
        labels[k].position = HistogramLayout::kLeft + k * layout.extent / 4;
        labels[k].value = std::max<int64_t>(k * range / 4 - 1, 0);
        labels[k].gridLine = k > 0 && k < kLabelCount - 1;
    }
    return labels;
}

int HistogramBinCount(bool colour, int bitDepth)
{
    return colour ? kValueSteps : 1 << std::clamp(bitDepth, kBaseBitDepth, kMaxBitDepth);
}

QPolygon HistogramCurve(const HistogramLayout& layout, const uint32_t* counts, int binCount, int64_t fullScale)
{
    QPolygon curve;
    if (!counts || fullScale < 1 || binCount < kValueSteps || binCount % kValueSteps != 0)
        return curve;
    const int64_t binsPerStep = binCount / kValueSteps;
    const double xStep = layout.xScale / static_cast<double>(binsPerStep);
    const int64_t topHeight = layout.plotHeight - 1;
    curve.reserve(binCount);
    for (int n = 0; n < binCount; ++n) {
        // 64 bits: a large area's count times the plot height passes 2^32.
        const int64_t height = std::min(int64_t{counts[n]} * binsPerStep * layout.plotHeight / fullScale, topHeight);
        curve.append({HistogramLayout::kLeft + static_cast<int>(n * xStep), layout.bottom - static_cast<int>(height)});
    }
    return curve;
}

QSize HistogramClientSize(QSize workArea)
{
    return {std::min(kOpeningWidth, workArea.width() - 1), std::min(kOpeningHeight, workArea.height() - 1)};
}
