#pragma once

#include "capture/RecordingEstimates.h"

#include <cstdint>
#include <string>

// What the recording setting dialog chooses. Frames, compressor, quality and
// the lost camera choice are kept in section "Recording" of the settings
// file; the repeat choice is not kept between recordings.
struct RecordingSettings {
    std::uint32_t frames = kDefaultRecordingFrames;
    std::uint32_t compressor = 0;
    int quality = kDefaultRecordingQuality;
    // "Retry" ticked, and the number of files chosen (1 to kMaxRecordingRepeat).
    bool retry = false;
    int repeat = 1;
    // A camera that stops answering ends the recording, or, with this, closes
    // the file and goes on in the next numbered file once it is back.
    bool continueAfterLoss = false;

    // Numbered files after the first: the repeat choice less one while
    // "Retry" is ticked, else 0.
    int ExtraFiles() const { return retry ? repeat - 1 : 0; }
};

// What the recording setting dialog knows of the recorded camera.
struct RecordingCameraInfo {
    int width = 0;
    int height = 0;
    bool colour = false;
    // AcquisitionFrameRate; 0 when it cannot be read.
    double frameRate = 0.0;
    // The GigE Vision pixel format; 0 when not known.
    std::uint32_t pixelFormat = 0;
};

inline constexpr const char* kRecordingSection = "Recording";
inline constexpr const char* kRecordingFrameCountKey = "FrameCount";
inline constexpr const char* kRecordingCompressorKey = "Compressor";
inline constexpr const char* kRecordingQualityKey = "Quality";
inline constexpr const char* kRecordingContinueAfterLossKey = "ContinueAfterLostCamera";

// The kept keys, each with its default when missing or not a number.
RecordingSettings ReadRecordingSettings(const std::string& settingsPath);
// Writes the kept keys as unsigned decimal text; false when the file could not be written.
bool WriteRecordingSettings(const std::string& settingsPath, const RecordingSettings& settings);
