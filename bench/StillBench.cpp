// Save time of one 2448 x 2048 Mono12 frame as TIFF and PNG at 16 bits (the
// camera's values, DeepStill) against 8 bits (the converted image), each the
// median of five interleaved runs into a temporary folder, with the ratio.
// Run by scripts/bench-recording ffv1.
#include "capture/DeepStill.h"
#include "capture/SaveImageFile.h"
#include "imaging/PixelConversion.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 2448;
constexpr int kHeight = 2048;
constexpr uint32_t kMono12 = 0x01100005;
constexpr int kRuns = 5;

double Seconds(const std::function<bool()>& save)
{
    const auto start = std::chrono::steady_clock::now();
    if (!save())
        std::fprintf(stderr, "a save failed\n");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    // A scene with smooth gradients and fine detail, as a camera gives.
    std::vector<uint8_t> raw(size_t(kWidth) * kHeight * 2);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const unsigned value = (unsigned(x * 3 + y) + unsigned((x * y) % 17)) & 0xFFF;
            raw[2 * (size_t(y) * kWidth + x)] = uint8_t(value);
            raw[2 * (size_t(y) * kWidth + x) + 1] = uint8_t(value >> 8);
        }
    std::vector<uint8_t> converted(size_t(kWidth) * kHeight);
    ConvertFrame(kMono12, kHeight, raw.data(), raw.size(), kWidth, converted.data(), 0);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "lumivex-still-bench";
    std::filesystem::create_directories(dir);

    for (const char* extension : {".tif", ".png"}) {
        const std::filesystem::path eight = dir / (std::string("eight") + extension);
        const std::filesystem::path sixteen = dir / (std::string("sixteen") + extension);
        std::vector<double> eightTimes;
        std::vector<double> sixteenTimes;
        for (int run = 0; run < kRuns; ++run) {
            eightTimes.push_back(
                Seconds([&] { return SaveImageFile(kWidth, kHeight, STILL_IMAGE_GREY8, converted.data(), eight); }));
            sixteenTimes.push_back(Seconds([&] {
                DeepStill still;
                return MakeDeepStill(kMono12, raw.data(), raw.size(), kWidth, kHeight, 0, true, still) &&
                       SaveDeepStill(still, sixteen);
            }));
        }
        const double e = Median(eightTimes);
        const double s = Median(sixteenTimes);
        std::printf("%s 2448x2048 Mono12: 8 bits %.1f ms (%ju bytes), 16 bits %.1f ms (%ju bytes), ratio %.2f\n",
                    extension + 1, e * 1000, std::uintmax_t(std::filesystem::file_size(eight)), s * 1000,
                    std::uintmax_t(std::filesystem::file_size(sixteen)), s / e);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
