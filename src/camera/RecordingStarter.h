#pragma once

#include <cstdint>
#include <string>

// Starts a movie recording file; the recording control of the capture
// subsystem implements it. The acquisition thread calls it, holding the
// recorder slot's recursive mutex, to chain the next numbered file.
class RecordingStarter {
public:
    virtual ~RecordingStarter() = default;
    virtual bool StartRecording(const std::string& path, uint32_t compressor, uint32_t plannedFrames) = 0;
};
