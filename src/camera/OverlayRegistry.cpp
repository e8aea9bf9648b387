#include "camera/OverlayRegistry.h"

#include "camera/FrameImage.h"
#include "sdk/SdkBuffer.h"

#include <QPainter>

#include <algorithm>

uint32_t OverlayRegistry::Add(OverlayPaintFunction function, void* userData, OverlayIdleFunction idle)
{
    std::lock_guard lock(mutex_);
    uint32_t largest = 0;
    for (const Entry& entry : entries_)
        largest = std::max(largest, entry.key);
    const uint32_t key = largest + 1;
    entries_.push_back({key, function, userData, idle});
    return key;
}

bool OverlayRegistry::Remove(uint32_t key)
{
    std::lock_guard lock(mutex_);
    auto found = std::find_if(entries_.begin(), entries_.end(), [key](const Entry& entry) { return entry.key == key; });
    if (found == entries_.end())
        return false;
    entries_.erase(found);
    return true;
}

bool OverlayRegistry::IsEmpty() const
{
    std::lock_guard lock(mutex_);
    return entries_.empty();
}

bool OverlayRegistry::HasWork() const
{
    std::lock_guard lock(mutex_);
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const Entry& entry) { return !entry.idle || !entry.idle(entry.userData); });
}

void OverlayRegistry::PaintAll(QPainter& painter, uint8_t* pixels, int32_t width, int32_t height, uint32_t blockId,
                               const int32_t* droppedCount)
{
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_) {
        painter.save();
        entry.function(painter, pixels, width, height, blockId, entry.userData, droppedCount);
        painter.restore();
    }
}

bool OverlayRegistry::WantsFrame(bool shown) const
{
    return shown && HasWork();
}

void OverlayRegistry::TakeFrame(const SinkFrame&) {}

void OverlayRegistry::Paint(QPainter& painter, const SinkFrame& frame)
{
    PaintAll(painter, frame.image.Pixels(), frame.image.Width(), frame.image.Height(),
             static_cast<uint32_t>(frame.buffer.GetBlockID()), frame.droppedCount);
}
