#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Counts that only grow while one stream runs: the acquisition thread's
// frames and bytes, and the SDK's packet and buffer counts.
struct StreamCounts {
    uint64_t receivedFrames = 0;
    uint64_t shownFrames = 0;
    uint64_t receivedBytes = 0;
    // Completed frames passed over for a newer one.
    uint64_t droppedFrames = 0;
    uint64_t missingPackets = 0;
    uint64_t resentPackets = 0;
    uint64_t failedBuffers = 0;
    // Frames dropped for another format or size than the camera's.
    uint64_t mismatchedFrames = 0;
};

// A camera's stream between two samples: rates per second, and counts.
struct StreamRates {
    double receivedFps = 0.0;
    double shownFps = 0.0;
    // Megabytes of 1,000,000 bytes.
    double megabytesPerSecond = 0.0;
    uint64_t droppedFrames = 0;
    uint64_t missingPackets = 0;
    uint64_t resentPackets = 0;
    uint64_t failedBuffers = 0;
    uint64_t mismatchedFrames = 0;
};

// The rates between two samples taken seconds apart (no rates when seconds is
// not above 0). A count lower than before has started again from zero (a new
// acquisition thread or stream), so all of it is new.
StreamRates RatesBetween(const StreamCounts& earlier, const StreamCounts& later, double seconds);

// The statistics log: one CSV line per camera and sample.
inline constexpr const char* kStatsLogHeader =
    "time,camera,received_fps,shown_fps,megabytes_per_s,dropped_frames,missing_packets,resent_packets";
// time and camera go in as they are; numbers are written with a '.' decimal
// point whatever the locale.
std::string StatsLogLine(const std::string& time, const std::string& camera, const StreamRates& rates);
// Appends the lines (each without its newline) to the file at path, writing
// the header first when the file is new or empty. False when the file cannot
// be written.
bool AppendStatsLog(const std::string& path, const std::vector<std::string>& lines);
