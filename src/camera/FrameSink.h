#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class FrameImage;
class QPainter;
class SdkBuffer;

// One frame as the acquisition thread hands it to the sinks that wanted it.
struct SinkFrame {
    // The frame as the camera sent it.
    const SdkBuffer& buffer;
    // The converted frame (8-bit grey or packed BGR), already mirrored.
    FrameImage& image;
    // How the converted frame is mirrored: 1 rows reversed, 2 row order reversed, 3 both.
    int32_t mirrorMode = 0;
    // Frames the thread processed before this one since it started.
    uint32_t frameNumber = 0;
    // Frames received but not shown since the previous shown one.
    const int32_t* droppedCount = nullptr;
};

// A consumer of one camera's frames: the recorder, a frame request, an
// analysis window, the overlay painters. Its owner registers it on that
// camera's sink list; the acquisition thread calls it, on its own thread.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Asked for every frame before it is converted; shown says whether the
    // frame is to be displayed. True when the sink takes this frame, which
    // is then converted for it.
    virtual bool WantsFrame(bool shown) const = 0;
    // Takes a frame it wanted, before anything is drawn on the image.
    virtual void TakeFrame(const SinkFrame& frame) = 0;
    // On a frame to be shown, after every sink has taken it: draws on the
    // image through painter, starting from the state the thread gave it.
    virtual void Paint(QPainter& painter, const SinkFrame& frame);
};

// Where a sink draws: markers under the overlay painters.
enum class SinkLayer : int32_t { Marker = 0, Overlay = 1 };

// One camera's sinks. Owners add and remove theirs from any thread but the
// acquisition thread; it walks the list once per frame. The list outlives the
// acquisition thread, which is rebuilt whenever the preview restarts, so a
// sink stays registered across restarts.
class FrameSinkList {
public:
    // Appends the sink to its layer: the thread asks, feeds and lets paint
    // the sinks in that order. A sink already listed is not added twice.
    void Add(FrameSink& sink, SinkLayer layer = SinkLayer::Marker);
    // Takes the sink out; once this returns it gets no further frame (a frame
    // being handed out is waited for). Call it holding no lock the sink takes.
    // False when the sink was not listed.
    bool Remove(FrameSink& sink);
    // Compares addresses only: the sink may be gone.
    bool Contains(const FrameSink* sink) const;

    // The acquisition thread's side: holds removals off until the lock given
    // is released, and fills wanting with the sinks that want this frame.
    std::unique_lock<std::mutex> BeginFrame(bool shown, std::vector<FrameSink*>& wanting);

private:
    struct Entry {
        FrameSink* sink;
        SinkLayer layer;
    };

    // Guards the entries only, held briefly: adding never waits for a frame.
    mutable std::mutex listMutex_;
    // Held by the thread while it hands a frame out.
    std::mutex frameMutex_;
    std::vector<Entry> entries_;
    std::vector<Entry> snapshot_;
};

// Keeps one sink on at most one camera's list; the sink is taken out when it
// moves to another list and when the registration ends.
class FrameSinkRegistration {
public:
    explicit FrameSinkRegistration(FrameSink& sink, SinkLayer layer = SinkLayer::Marker);
    ~FrameSinkRegistration();
    FrameSinkRegistration(const FrameSinkRegistration&) = delete;
    FrameSinkRegistration& operator=(const FrameSinkRegistration&) = delete;

    // Puts the sink on that list (null: on none), off the one it was on.
    void MoveTo(std::shared_ptr<FrameSinkList> list);

private:
    FrameSink& sink_;
    SinkLayer layer_;
    std::shared_ptr<FrameSinkList> list_;
};
