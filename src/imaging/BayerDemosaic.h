#pragma once

#include <cstdint>

// Colour interpolation methods, the user's "Color Interpolation" choice
// (stored as an int in the settings and the camera context).
constexpr int kInterpolationOffMono = 0;
constexpr int kInterpolationOffColor = 1;
constexpr int kInterpolationNearest = 2;
constexpr int kInterpolationBilinear = 3;
constexpr int kInterpolationBiCubic = 4;
constexpr int kInterpolationBilinearFcr = 5; // bilinear with false colour reduction
constexpr int kInterpolationMethodCount = 6;
constexpr int kDefaultInterpolationMethod = kInterpolationBilinear;

// Demosaics an 8-bit Bayer mosaic of width x height samples (rows packed) into
// width x height blue, green, red pixels (rows packed) with one of the six
// methods. Any width and height of at least 1 is accepted: a neighbour outside
// the image is read at the nearest sample of the same colour inside it.
// With destPixelBytes 4 each pixel takes a fourth byte of 255 (the display's
// layout). Gives false for a method or pattern index out of range, a null
// pointer, a size below 1, destPixelBytes other than 3 or 4, or a failed
// allocation of the three scratch rows.
bool DemosaicBayer8(int height, int method, const uint8_t* mosaic, int width, uint8_t* dest, int pattern,
                    int destPixelBytes = 3);

// The display window's own demosaicking of reduced 10 and 12-bit Bayer data,
// independent of the chosen method: at green sites each missing colour is the
// mean of its two row or two column neighbours; at red and blue sites green is
// the mean of the four direct neighbours and the opposite colour the mean of the
// four diagonal ones. Only neighbours inside the image count (a colour with no
// neighbour inside is 0). Fails like DemosaicBayer8.
bool DemosaicBayer8NeighbourMean(int height, const uint8_t* mosaic, int width, uint8_t* dest, int pattern,
                                 int destPixelBytes = 3);
