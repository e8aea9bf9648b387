#pragma once

#include <cstdint>
#include <vector>

// A decoded or synthetic image: grey (1 channel) or colour (3 channels, in
// the order given by the reader, see ImageReaders.h), rows packed.
struct TestImage {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<uint8_t> pixels;
};

// A natural-looking scene: soft shading, a few shapes with hard edges, fine
// texture and mild noise. Colour scenes are in blue, green, red order, as the
// program's converted images are.
TestImage MakeScene(int width, int height, int channels, uint32_t seed = 1);

// Blue-green-red to red-green-blue, or the other way round.
TestImage SwapRedBlue(const TestImage& image);

// The left `width` columns.
TestImage CropWidth(const TestImage& image, int width);

// Peak signal-to-noise ratio in dB over all samples; +inf when equal.
double Psnr(const TestImage& a, const TestImage& b);
