#include "camera/FrameSink.h"

#include <algorithm>

void FrameSink::Paint(QPainter&, const SinkFrame&) {}

void FrameSinkList::Add(FrameSink& sink, SinkLayer layer)
{
    std::lock_guard lock(listMutex_);
    if (std::any_of(entries_.begin(), entries_.end(), [&sink](const Entry& entry) { return entry.sink == &sink; }))
        return;
    // After the last entry of its layer or of any layer below it.
    auto place = std::find_if(entries_.begin(), entries_.end(), [layer](const Entry& entry) {
        return static_cast<int32_t>(entry.layer) > static_cast<int32_t>(layer);
    });
    entries_.insert(place, {&sink, layer});
}

bool FrameSinkList::Remove(FrameSink& sink)
{
    {
        std::lock_guard lock(listMutex_);
        auto found =
            std::find_if(entries_.begin(), entries_.end(), [&sink](const Entry& entry) { return entry.sink == &sink; });
        if (found == entries_.end())
            return false;
        entries_.erase(found);
    }
    // A frame handed out now may still hold the sink; the next one does not.
    std::lock_guard waitForFrame(frameMutex_);
    return true;
}

bool FrameSinkList::Contains(const FrameSink* sink) const
{
    std::lock_guard lock(listMutex_);
    return std::any_of(entries_.begin(), entries_.end(), [sink](const Entry& entry) { return entry.sink == sink; });
}

std::unique_lock<std::mutex> FrameSinkList::BeginFrame(bool shown, std::vector<FrameSink*>& wanting)
{
    std::unique_lock frame(frameMutex_);
    {
        std::lock_guard lock(listMutex_);
        snapshot_ = entries_;
    }
    wanting.clear();
    // Asked outside the list's mutex: a sink's answer may take its own lock.
    for (const Entry& entry : snapshot_) {
        if (entry.sink->WantsFrame(shown))
            wanting.push_back(entry.sink);
    }
    return frame;
}

FrameSinkRegistration::FrameSinkRegistration(FrameSink& sink, SinkLayer layer) : sink_(sink), layer_(layer) {}

FrameSinkRegistration::~FrameSinkRegistration()
{
    MoveTo(nullptr);
}

void FrameSinkRegistration::MoveTo(std::shared_ptr<FrameSinkList> list)
{
    if (list == list_)
        return;
    if (list_)
        list_->Remove(sink_);
    list_ = std::move(list);
    if (list_)
        list_->Add(sink_, layer_);
}
