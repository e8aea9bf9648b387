#pragma once

#include "SimAddresses.h"
#include "SimMemory.h"
#include "SimPattern.h"

// Reads the settings of the next frame from the camera's registers: area,
// mirroring, pixel format, exposure, gains, black level and white balance.
// The caller adds the frame number and the gamma tables.
SimFrameSettings ReadSimFrameSettings(const SimMemory& memory, const SimAddresses& addresses, bool colourSensor,
                                      SimBayerPattern sensorPattern);

// The white balance gains (R, Gr, Gb, B in register units, 128 = 1) that
// cancel the scene's illuminant: what a one-push balance finds.
std::array<uint32_t, 4> SimNeutralBalanceRatios();
