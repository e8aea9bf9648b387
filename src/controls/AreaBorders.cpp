#include "controls/AreaBorders.h"

#include <algorithm>

int32_t OrderedBorder(std::span<const int32_t> borders, size_t moved, int32_t position)
{
    if (moved > 0)
        position = std::max(position, borders[moved - 1] + 1);
    if (moved + 1 < borders.size())
        position = std::min(position, borders[moved + 1] - 1);
    return position;
}
