#pragma once

#include <cstdint>

// One number on a plot axis: where it sits (x for the horizontal axis, y for
// the vertical one, in client pixels), its value, and whether a grid line
// runs across the plot there.
struct AxisLabel {
    int position = 0;
    int64_t value = 0;
    bool gridLine = false;

    bool operator==(const AxisLabel&) const = default;
};
