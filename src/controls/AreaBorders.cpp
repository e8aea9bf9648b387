#include "controls/AreaBorders.h"

#include <algorithm>
#include <limits>

int32_t OrderedBorder(std::span<const int32_t> borders, size_t moved, int32_t position)
{
    // A camera's border at the end of the 32-bit range has no neighbour
    // position beyond it: such a border stays at that end.
    if (moved > 0 && borders[moved - 1] < std::numeric_limits<int32_t>::max())
        position = std::max(position, borders[moved - 1] + 1);
    if (moved + 1 < borders.size() && borders[moved + 1] > std::numeric_limits<int32_t>::min())
        position = std::min(position, borders[moved + 1] - 1);
    return position;
}
