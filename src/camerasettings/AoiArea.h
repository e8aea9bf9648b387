#pragma once

#include <cstdint>
#include <vector>

// The area of interest arithmetic of the AOI page, without widgets.

// An area: offsets and sizes in pixels.
struct AoiRect {
    int32_t offsetX = 0;
    int32_t width = 0;
    int32_t offsetY = 0;
    int32_t height = 0;

    bool operator==(const AoiRect&) const = default;
};

// The camera's limits on an area and the factors that shrink it.
struct AoiLimits {
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
    int32_t minWidth = 0;
    int32_t minHeight = 0;
    int32_t widthStep = 1;
    int32_t heightStep = 1;
    // Set on cameras whose binning and decimation shrink the usable sensor.
    bool binningShrinks = false;
    int32_t binningHorizontal = 1;
    int32_t binningVertical = 1;
    int32_t decimationHorizontal = 1;
    int32_t decimationVertical = 1;

    // The largest width and height an area may span, a multiple of the step.
    int32_t UsableWidth() const;
    int32_t UsableHeight() const;
};

// The upper ends of the four rows' ranges for the edited area: X position,
// width, Y position, height (the lower ends are 0 and the minimum sizes).
struct AoiRangeEnds {
    int32_t offsetX;
    int32_t width;
    int32_t offsetY;
    int32_t height;
};
AoiRangeEnds RangeEnds(const AoiLimits& limits, const AoiRect& edited);

// With the binning flag, limits the sizes to the usable size and moves the
// offsets so that the area fits it; without, leaves the area.
AoiRect FitToUsable(const AoiLimits& limits, AoiRect area);
// Rounds offsets down and sizes up to their step (two's complement masks,
// so a step that is not a power of two aligns as the camera firmware does).
AoiRect AlignToSteps(const AoiLimits& limits, AoiRect area);
// Which axes of the area reach past the sensor.
struct AoiOverrun {
    bool horizontal = false;
    bool vertical = false;
    bool Any() const { return horizontal || vertical; }
};
AoiOverrun SensorOverrun(const AoiLimits& limits, const AoiRect& area);

// One write of an area change.
struct AoiWrite {
    const char* feature;
    int32_t AoiRect::*field;
    int32_t value;
};
// The writes that move the camera from `current` to `edited` without ever
// spanning past the sensor: a size before its offset when the offset grows,
// else the offset first; unchanged values are not written.
std::vector<AoiWrite> AreaWrites(const AoiRect& current, const AoiRect& edited);
