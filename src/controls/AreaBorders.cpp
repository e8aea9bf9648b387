#include "controls/AreaBorders.h"

#include <algorithm>
#include <limits>

int32_t OrderedBorder(std::span<const int32_t> borders, size_t moved, int32_t position)
{
    // A neighbour at an end of the int range (as a camera may give it) leaves
    // no position beyond it to keep to.
    if (moved > 0 && borders[moved - 1] < std::numeric_limits<int32_t>::max())
        position = std::max(position, borders[moved - 1] + 1);
    if (moved + 1 < borders.size() && borders[moved + 1] > std::numeric_limits<int32_t>::min())
        position = std::min(position, borders[moved + 1] - 1);
    return position;
}
