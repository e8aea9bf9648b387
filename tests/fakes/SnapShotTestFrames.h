#pragma once

#include "TestFrames.h"

// Converted images as snapshots hold them: packed 8-bit grey, or packed
// 24-bit blue, green, red. Values change every 4 pixels, so thumbnails scaled
// down by up to 4 show them exactly, and stay within 40 … 199, never the
// white, black, red or blue of frames and numbers.
TestFrame GreySnapShotFrame(int width, int height);
TestFrame ColourSnapShotFrame(int width, int height);

// The values of both: grey 40 + (7 bx + 3 by) mod 160; colour red 40 + bx mod
// 160, green 40 + by mod 160, blue 40 + (bx + by) mod 160, with bx = x / 4
// and by = y / 4.
uint8_t GreyAt(int x, int y);
TruthRgb ColourAt(int x, int y);
