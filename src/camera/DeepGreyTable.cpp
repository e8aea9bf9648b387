#include "camera/DeepGreyTable.h"

#include <algorithm>

namespace {

constexpr int32_t kMaxShown = 255;

} // namespace

void DeepGreyTable::SetView(const DeepView& view)
{
    view_ = view;
    if (!view.autoLevels)
        SetWindow(view.blackPoint, view.whitePoint);
    else
        Rebuild();
}

uint32_t* DeepGreyTable::ClearedHistogram()
{
    histogram_.assign(kValues, 0);
    return histogram_.data();
}

void DeepGreyTable::TakeAutoLevels()
{
    if (histogram_.size() != kValues)
        return;
    uint64_t total = 0;
    for (uint32_t count : histogram_)
        total += count;
    if (total == 0)
        return;
    const auto [black, white] = PercentilePoints(histogram_.data(), kValues);
    SetWindow(black, white);
}

const uint8_t* DeepGreyTable::Values() const
{
    return values_.data();
}

std::pair<int32_t, int32_t> DeepGreyTable::PercentilePoints(const uint32_t* histogram, int bins)
{
    uint64_t total = 0;
    for (int value = 0; value < bins; ++value)
        total += histogram[value];
    if (total == 0)
        return {0, 1};
    // The samples at these ranks, counted from 0 in rising order.
    const uint64_t clipped = total * kAutoClipPerMille / 1000;
    const uint64_t lowRank = clipped;
    const uint64_t highRank = total - 1 - clipped;
    int32_t black = -1;
    int32_t white = bins - 1;
    uint64_t seen = 0;
    for (int value = 0; value < bins; ++value) {
        seen += histogram[value];
        if (black < 0 && seen > lowRank)
            black = value;
        if (seen > highRank) {
            white = value;
            break;
        }
    }
    return {black, white};
}

// A window of one value (a flat frame) still needs white above black.
void DeepGreyTable::SetWindow(int32_t black, int32_t white)
{
    black_ = std::clamp(black, 0, DeepView::kMaxSample - 1);
    white_ = std::clamp(white, black_ + 1, DeepView::kMaxSample);
    Rebuild();
}

void DeepGreyTable::Rebuild()
{
    const int32_t shift = std::clamp(view_.bitShift, 0, DeepView::kMaxBitShift);
    const bool window = view_.mode == kDeepViewWindowLevel;
    if (!values_.empty() && builtMode_ == view_.mode &&
        (window ? builtBlack_ == black_ && builtWhite_ == white_ : builtShift_ == shift))
        return;
    values_.resize(kValues);
    if (window) {
        const int64_t range = white_ - black_;
        for (int32_t value = 0; value < kValues; ++value) {
            const int64_t above = std::clamp<int64_t>(value - black_, 0, range);
            values_[value] = uint8_t((above * kMaxShown + range / 2) / range);
        }
    } else {
        // The top 8 bits view has no table of its own: it is the shift of the
        // format's width, which the converter knows.
        for (int32_t value = 0; value < kValues; ++value)
            values_[value] = uint8_t(std::min(value >> shift, kMaxShown));
    }
    builtMode_ = view_.mode;
    builtBlack_ = black_;
    builtWhite_ = white_;
    builtShift_ = shift;
}
