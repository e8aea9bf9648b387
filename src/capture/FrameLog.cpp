#include "capture/FrameLog.h"

#include <cinttypes>

namespace {

constexpr uint64_t kLastShortBlockId = 65535;

} // namespace

uint64_t FrameTally::Add(const FrameView& frame)
{
    uint64_t missing = 0;
    if (frames_ > 0) {
        if (frame.frameId > lastId_)
            missing = frame.frameId - lastId_ - 1;
        else if (lastId_ <= kLastShortBlockId && frame.frameId >= 1)
            // A 16-bit block id wrapped; 0 is never used.
            missing = (kLastShortBlockId - lastId_) + (frame.frameId - 1);
    }
    lastId_ = frame.frameId;
    missing_ += missing;
    const uint64_t time = frame.cameraTimestampNs != 0 ? frame.cameraTimestampNs : frame.hostTimeNs;
    if (frames_ == 0)
        firstTime_ = time;
    else if (time > lastTime_ && time - lastTime_ > maxIntervalNs_)
        maxIntervalNs_ = time - lastTime_;
    lastTime_ = time;
    ++frames_;
    return missing;
}

double FrameTally::MeanIntervalNs() const
{
    return frames_ > 1 && lastTime_ > firstTime_ ? double(lastTime_ - firstTime_) / double(frames_ - 1) : 0.0;
}

std::filesystem::path FrameLog::PathFor(const std::filesystem::path& recording)
{
    std::filesystem::path path = recording;
    return path.replace_extension(".frames.csv");
}

FrameLog::~FrameLog()
{
    Close();
}

bool FrameLog::Open(const std::filesystem::path& path)
{
    Close();
    failed_ = false;
    file_ = std::fopen(path.c_str(), "w");
    if (!file_)
        return false;
    failed_ = std::fputs("index,frame_id,camera_timestamp_ns,host_time_ns,missing_before\n", file_) < 0;
    return !failed_;
}

bool FrameLog::Add(uint64_t index, const FrameView& frame, uint64_t missingBefore)
{
    if (!file_ || failed_)
        return false;
    failed_ = std::fprintf(file_, "%" PRIu64 ",%" PRIu64 ",%" PRIu64 ",%" PRIu64 ",%" PRIu64 "\n", index, frame.frameId,
                           frame.cameraTimestampNs, frame.hostTimeNs, missingBefore) < 0;
    return !failed_;
}

bool FrameLog::Close()
{
    if (!file_)
        return !failed_;
    if (std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    return !failed_;
}
