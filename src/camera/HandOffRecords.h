#pragma once

#include "camera/DisplaySettings.h"
#include "camera/FrameRequest.h"
#include "camera/HistogramRecord.h"
#include "camera/RecorderSlot.h"
#include "camera/WaveformRecord.h"

#include <atomic>

// Where a camera's acquisition thread finds the records it serves; all of
// them live in the camera context and are shared by every camera's thread,
// the camera key deciding which thread serves each. The waveform and
// histogram places hold the open window's record, or null.
struct HandOffRecords {
    FrameRequest* frameRequest = nullptr;
    RecorderSlot* recorder = nullptr;
    const std::atomic<WaveformRecord*>* waveform = nullptr;
    const std::atomic<HistogramRecord*>* histogram = nullptr;
    DisplaySettings* displaySettings = nullptr;
};
