#pragma once

#include "camera/FrameSink.h"

#include <cstdint>
#include <mutex>
#include <vector>

class QPainter;

// A switched-on overlay painter's entry point. painter draws on the frame's
// work image (its device is the QImage over pixels: Format_Grayscale8 or
// Format_BGR888, packed rows of width pixels); blockId is the low 32 bits of
// the frame's block id; droppedCount points at the count of frames not shown
// since the last displayed one. Runs on the acquisition thread.
using OverlayPaintFunction = void (*)(QPainter& painter, uint8_t* pixels, int32_t width, int32_t height,
                                      uint32_t blockId, void* userData, const int32_t* droppedCount);
// Whether a painter would leave the frame as it is (a drawing painter with
// nothing drawn); such a painter does not make the acquisition thread convert
// frames that only the display needs.
using OverlayIdleFunction = bool (*)(const void* userData);

// One camera's list of switched-on overlay painters, in the order they were
// switched on. The user interface thread changes the list and the acquisition
// thread walks it, both under the registry's mutex. As a sink it wants the
// frames to be shown while some painter has work, and paints them all.
class OverlayRegistry : public FrameSink {
public:
    struct Entry {
        uint32_t key = 0;
        OverlayPaintFunction function = nullptr;
        void* userData = nullptr;
        OverlayIdleFunction idle = nullptr;
    };

    // Appends an entry; its key, returned, is one more than the largest key
    // in the list (1 for an empty list).
    uint32_t Add(OverlayPaintFunction function, void* userData, OverlayIdleFunction idle = nullptr);
    // Unlinks the entry with that key; false when there is none.
    bool Remove(uint32_t key);
    bool IsEmpty() const;
    // True when some painter would change the frame: one without an idle
    // function, or one whose idle function says false.
    bool HasWork() const;
    // Calls every painter in list order under the mutex, each starting from
    // the painter state it was given.
    void PaintAll(QPainter& painter, uint8_t* pixels, int32_t width, int32_t height, uint32_t blockId,
                  const int32_t* droppedCount);

    bool WantsFrame(bool shown) const override;
    void TakeFrame(const SinkFrame& frame) override;
    void Paint(QPainter& painter, const SinkFrame& frame) override;

private:
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};
