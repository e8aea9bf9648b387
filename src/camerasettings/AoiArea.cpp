#include "camerasettings/AoiArea.h"

#include <algorithm>
#include <limits>

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

// A camera may report any 32-bit sizes and offsets: sums and differences
// are taken in 64 bits and saturated.
int32_t Saturated(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Rounds up to the step's mask, or down where up leaves the 32-bit range.
int32_t AlignUp(int32_t value, int32_t step)
{
    const int64_t up = (int64_t{value} + step - 1) & -int64_t{step};
    return up <= std::numeric_limits<int32_t>::max() ? static_cast<int32_t>(up) : value & -step;
}

// Moves one axis into the usable size: size first, then the offset.
void FitAxis(int32_t usable, int32_t& offset, int32_t& size)
{
    size = std::min(size, usable);
    const int64_t room = int64_t{usable} - size;
    if (offset > room)
        offset = static_cast<int32_t>(room);
}

struct AreaField {
    const char* feature;
    int32_t AoiRect::*field;
};

void PushIfChanged(std::vector<AoiWrite>& writes, const AreaField& field, const AoiRect& current, const AoiRect& edited)
{
    if (current.*field.field != edited.*field.field)
        writes.push_back({field.feature, field.field, edited.*field.field});
}

// One axis: the size before the offset when the offset grows.
void AxisWrites(std::vector<AoiWrite>& writes, const AreaField& offset, const AreaField& size, const AoiRect& current,
                const AoiRect& edited)
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
    const auto room = [](int32_t usable, int32_t taken) { return Saturated(int64_t{usable} - taken); };
    return {std::max(0, room(usableWidth, edited.width)), std::max(limits.minWidth, room(usableWidth, edited.offsetX)),
            std::max(0, room(usableHeight, edited.height)),
            std::max(limits.minHeight, room(usableHeight, edited.offsetY))};
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
    area.width = AlignUp(area.width, widthStep);
    area.offsetY &= -heightStep;
    area.height = AlignUp(area.height, heightStep);
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
