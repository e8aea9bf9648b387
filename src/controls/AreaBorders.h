#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The metering window borders of the ALC and white balance area dialogs: one
// group of increasing positions per axis (four for ALC, two for white
// balance).

// Where border `moved` goes when its slider is dragged to `position`, so that
// the group stays strictly increasing: raised above its lower neighbour, then
// lowered below its upper one. The first border has no lower neighbour and
// the last no upper one.
int32_t OrderedBorder(std::span<const int32_t> borders, size_t moved, int32_t position);
