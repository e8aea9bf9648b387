#pragma once

#include "camera/FrameRecorder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

// The frames of a recording as the camera numbered and timed them: the
// missing block ids before each and the intervals between frames. Block ids
// of 16 bits run 1 to 65535 and then start at 1 again.
class FrameTally {
public:
    // Counts the frame in; gives the camera's frames missing before it
    // (0 for the first).
    uint64_t Add(const FrameView& frame);

    uint64_t Frames() const { return frames_; }
    uint64_t Missing() const { return missing_; }
    // Mean and largest interval between frames in nanoseconds, by the
    // camera's timestamps where it gives them, else the host's; 0 below two frames.
    double MeanIntervalNs() const;
    uint64_t MaxIntervalNs() const { return maxIntervalNs_; }

private:
    uint64_t frames_ = 0;
    uint64_t missing_ = 0;
    uint64_t lastId_ = 0;
    uint64_t firstTime_ = 0;
    uint64_t lastTime_ = 0;
    uint64_t maxIntervalNs_ = 0;
};

// FILE.frames.csv beside a recording: one row per frame written,
// "index,frame_id,camera_timestamp_ns,host_time_ns,missing_before".
class FrameLog {
public:
    // The log's path for a movie file or image folder: its extension replaced.
    static std::filesystem::path PathFor(const std::filesystem::path& recording);

    ~FrameLog();
    // Creates the file with its header; false with errno set when it cannot.
    bool Open(const std::filesystem::path& path);
    // False once a write failed.
    bool Add(uint64_t index, const FrameView& frame, uint64_t missingBefore);
    // False when anything written was lost.
    bool Close();

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};
