#include "camera/StreamStatistics.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace {

constexpr double kBytesPerMegabyte = 1e6;

uint64_t Since(uint64_t earlier, uint64_t later)
{
    return later >= earlier ? later - earlier : later;
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

} // namespace

StreamRates RatesBetween(const StreamCounts& earlier, const StreamCounts& later, double seconds)
{
    StreamRates rates;
    rates.droppedFrames = Since(earlier.droppedFrames, later.droppedFrames);
    rates.missingPackets = Since(earlier.missingPackets, later.missingPackets);
    rates.resentPackets = Since(earlier.resentPackets, later.resentPackets);
    rates.failedBuffers = Since(earlier.failedBuffers, later.failedBuffers);
    rates.mismatchedFrames = Since(earlier.mismatchedFrames, later.mismatchedFrames);
    if (seconds > 0.0) {
        rates.receivedFps = static_cast<double>(Since(earlier.receivedFrames, later.receivedFrames)) / seconds;
        rates.shownFps = static_cast<double>(Since(earlier.shownFrames, later.shownFrames)) / seconds;
        rates.megabytesPerSecond =
            static_cast<double>(Since(earlier.receivedBytes, later.receivedBytes)) / kBytesPerMegabyte / seconds;
    }
    return rates;
}

std::string StatsLogLine(const std::string& time, const std::string& camera, const StreamRates& rates)
{
    return time + ',' + camera + ',' + Fixed(rates.receivedFps, 2) + ',' + Fixed(rates.shownFps, 2) + ',' +
           Fixed(rates.megabytesPerSecond, 3) + ',' + std::to_string(rates.droppedFrames) + ',' +
           std::to_string(rates.missingPackets) + ',' + std::to_string(rates.resentPackets);
}

bool AppendStatsLog(const std::string& path, const std::vector<std::string>& lines)
{
    std::error_code error;
    const bool empty = !std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0;
    std::ofstream file(path, std::ios::app);
    if (!file)
        return false;
    if (empty)
        file << kStatsLogHeader << '\n';
    for (const std::string& line : lines)
        file << line << '\n';
    file.flush();
    return static_cast<bool>(file);
}
