#include "TestScenes.h"

#include <cmath>
#include <cstddef>
#include <limits>

TestImage MakeScene(int width, int height, int channels, uint32_t seed)
{
    TestImage image{width, height, channels, std::vector<uint8_t>(static_cast<size_t>(width) * height * channels)};
    uint32_t noise = seed * 2654435761u;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double shade = 0.5 + 0.3 * std::sin(x * 0.021 + seed) * std::cos(y * 0.017);
            const double texture = 0.05 * std::sin(x * 0.4 + 2.0 * std::sin(y * 0.13));
            const double dx = x - width * 0.6, dy = y - height * 0.4;
            const bool disc = dx * dx + dy * dy < (width * 0.15) * (width * 0.15);
            const bool bar = x > width / 8 && x < width / 3 && y > height / 2 && y < height * 3 / 4;
            for (int c = 0; c < channels; ++c) {
                noise = noise * 1664525u + 1013904223u;
                double value = shade * (0.85 + 0.1 * c) + texture;
                if (disc)
                    value = 0.25 + 0.2 * c;
                if (bar)
                    value = 0.8 - 0.25 * c;
                const int v = static_cast<int>(value * 255.0) + static_cast<int>(noise >> 30) - 2;
                image.pixels[(static_cast<size_t>(y) * width + x) * channels + c] = static_cast<uint8_t>(v < 0     ? 0
                                                                                                         : v > 255 ? 255
                                                                                                                   : v);
            }
        }
    }
    return image;
}

TestImage SwapRedBlue(const TestImage& image)
{
    TestImage swapped = image;
    for (size_t i = 0; i + 2 < swapped.pixels.size(); i += 3)
        std::swap(swapped.pixels[i], swapped.pixels[i + 2]);
    return swapped;
}

TestImage CropWidth(const TestImage& image, int width)
{
    TestImage cropped{width, image.height, image.channels, {}};
    const size_t rowBytes = static_cast<size_t>(width) * image.channels;
    for (int y = 0; y < image.height; ++y) {
        const auto row = image.pixels.begin() + static_cast<ptrdiff_t>(y) * image.width * image.channels;
        cropped.pixels.insert(cropped.pixels.end(), row, row + static_cast<ptrdiff_t>(rowBytes));
    }
    return cropped;
}

double Psnr(const TestImage& a, const TestImage& b)
{
    if (a.pixels.size() != b.pixels.size() || a.pixels.empty())
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        const double d = static_cast<double>(a.pixels[i]) - b.pixels[i];
        sum += d * d;
    }
    if (sum == 0.0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 * a.pixels.size() / sum);
}
