#pragma once

#include <cstdint>
#include <string>

// Two small helpers of the recording set-up.

// Whether the MS-MPEG4 V1 codec ("mpg4") can record here: FFmpeg has no
// encoder for it unless a build adds one.
bool IsCodecInstalled();
// The decimal text of value with "," between groups of three digits counted
// from the right: 1234567 gives "1,234,567".
std::string GroupThousands(uint64_t value);
