#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

class OverlayRegistry;
class QPainter;

// The preview overlay of the ALC and white balance area dialogs: the
// metering window borders in red over the live image and, for ALC, each
// cell's weight at its top left corner. The dialog sets the values on the
// user interface thread; the acquisition thread paints them; both under the
// overlay's mutex.
class AreaOverlay {
public:
    // name: the painter's name, "ALCAREA" or "AWBAREA".
    explicit AreaOverlay(const char* name);
    // Switches the painter off first.
    ~AreaOverlay();
    AreaOverlay(const AreaOverlay&) = delete;
    AreaOverlay& operator=(const AreaOverlay&) = delete;

    const char* Name() const { return name_; }

    // Switches the painter on in the camera's registry (null: no preview);
    // it stays on until Detach or destruction.
    void Attach(OverlayRegistry* registry);
    void Detach();

    // Border positions in image pixels, increasing; a border that is not
    // greater than the previous one drawn (such as 0 or an unread -1) is
    // not drawn.
    void SetBorders(std::vector<int32_t> xs, std::vector<int32_t> ys);
    // Cell weights, row by row (three by three for ALC); -1 is not shown.
    void SetWeights(std::vector<int32_t> weights);

    // Paints on a width x height frame.
    void Paint(QPainter& painter, int32_t width, int32_t height);

private:
    static void PaintEntry(QPainter& painter, uint8_t* pixels, int32_t width, int32_t height, uint32_t blockId,
                           void* userData, const int32_t* droppedCount);

    const char* name_;
    std::mutex mutex_;
    std::vector<int32_t> xs_;
    std::vector<int32_t> ys_;
    std::vector<int32_t> weights_;
    OverlayRegistry* registry_ = nullptr;
    uint32_t key_ = 0;
};
