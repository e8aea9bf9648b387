#include "controls/AoiArea.h"

#include <algorithm>

namespace {

int32_t Factor(int32_t value)
{
    return value > 0 ? value : 1;
}

int32_t Step(int32_t value)
{
    return value > 0 ? value : 1;
}

int32_t Usable(const AoiLimits& limits, int32_t max, int32_t step, int32_t decimation, int32_t binning)
{
    step = Step(step);
    if (!limits.binningShrinks)
        return step * (max / step);
    return step * (max / Factor(decimation) / Factor(binning) / step);
}

// Moves one axis into the usable size: size first, then the offset.
void FitAxis(int32_t usable, int32_t& offset, int32_t& size)
{
    size = std::min(size, usable);
    if (offset > usable - size)
        offset = usable - size;
}

struct AreaField {
    const char* feature;
    int32_t AoiRect::*field;
};

void PushIfChanged(std::vector<AoiWrite>& writes, const AreaField& field, const AoiRect& current,
                   const AoiRect& edited)
{
    if (current.*field.field != edited.*field.field)
        writes.push_back({field.feature, field.field, edited.*field.field});
}

// One axis: the size before the offset when the offset grows.
void AxisWrites(std::vector<AoiWrite>& writes, const AreaField& offset, const AreaField& size,
                const AoiRect& current, const AoiRect& edited)
{
    const bool offsetGrows = edited.*offset.field > current.*offset.field;
    PushIfChanged(writes, offsetGrows ? size : offset, current, edited);
    PushIfChanged(writes, offsetGrows ? offset : size, current, edited);
}

} // namespace

int32_t AoiLimits::UsableWidth() const
{
    return Usable(*this, maxWidth, widthStep, decimationHorizontal, binningHorizontal);
}

int32_t AoiLimits::UsableHeight() const
{
    return Usable(*this, maxHeight, heightStep, decimationVertical, binningVertical);
}

AoiRangeEnds RangeEnds(const AoiLimits& limits, const AoiRect& edited)
{
    const int32_t usableWidth = limits.UsableWidth();
    const int32_t usableHeight = limits.UsableHeight();
    return {std::max(0, usableWidth - edited.width), std::max(limits.minWidth, usableWidth - edited.offsetX),
            std::max(0, usableHeight - edited.height), std::max(limits.minHeight, usableHeight - edited.offsetY)};
}

AoiRect FitToUsable(const AoiLimits& limits, AoiRect area)
{
    if (!limits.binningShrinks)
        return area;
    FitAxis(limits.UsableWidth(), area.offsetX, area.width);
    FitAxis(limits.UsableHeight(), area.offsetY, area.height);
    return area;
}

AoiRect AlignToSteps(const AoiLimits& limits, AoiRect area)
{
    const int32_t widthStep = Step(limits.widthStep);
    const int32_t heightStep = Step(limits.heightStep);
    area.offsetX &= -widthStep;
    area.width = (area.width + widthStep - 1) & -widthStep;
    area.offsetY &= -heightStep;
    area.height = (area.height + heightStep - 1) & -heightStep;
    return area;
}

AoiOverrun SensorOverrun(const AoiLimits& limits, const AoiRect& area)
{
    return {static_cast<int64_t>(area.offsetX) + area.width > limits.maxWidth,
            static_cast<int64_t>(area.offsetY) + area.height > limits.maxHeight};
}

std::vector<AoiWrite> AreaWrites(const AoiRect& current, const AoiRect& edited)
{
    std::vector<AoiWrite> writes;
    AxisWrites(writes, {"OffsetX", &AoiRect::offsetX}, {"Width", &AoiRect::width}, current, edited);
    AxisWrites(writes, {"OffsetY", &AoiRect::offsetY}, {"Height", &AoiRect::height}, current, edited);
    return writes;
}
