#pragma once

// Stand-ins for the SDK and for the imaging, capture and analysis code, so
// that the camera link runs without a camera.

#include "camera/FrameConverter.h"
#include "camera/FrameDisplayTarget.h"
#include "camera/FrameRecorder.h"
#include "camera/RepaintTarget.h"
#include "sdk/SdkBuffer.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkGenParameter.h"
#include "sdk/SdkPipeline.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Parameters whose calls can be made to fail.
class FakeInteger : public SdkGenInteger {
public:
    FakeInteger(const std::string& name, int64_t value, int64_t min = 0, int64_t max = 0x7FFFFFFF,
                int64_t increment = 1, SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(int64_t& value) const override;
    SdkResult SetValue(int64_t value) override;
    SdkResult GetMin(int64_t& value) const override;
    SdkResult GetMax(int64_t& value) const override;
    SdkResult GetIncrement(int64_t& value) const override;

    int64_t value;
    int64_t min;
    int64_t max;
    int64_t increment;
    bool failRead = false;
    bool failRange = false;
    bool failWrite = false;
    // Every value written, in order.
    std::vector<int64_t> writes;
};

class FakeFloat : public SdkGenFloat {
public:
    FakeFloat(const std::string& name, double value, double min, double max,
              SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(double& value) const override;
    SdkResult SetValue(double value) override;
    SdkResult GetMin(double& value) const override;
    SdkResult GetMax(double& value) const override;

    double value;
    double min;
    double max;
    bool failRange = false;
};

class FakeEnum : public SdkGenEnum {
public:
    FakeEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, size_t current = 0,
             SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(int64_t& value) const override;
    SdkResult GetValue(std::string& entryName) const override;
    SdkResult SetValue(int64_t value) override;
    SdkResult SetValue(const std::string& entryName) override;
    SdkResult GetEntriesCount(uint32_t& count) const override;
    SdkResult GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const override;

    std::vector<SdkGenEnumEntry> entries;
    size_t current;
    int setCount = 0;
};

class FakeBoolean : public SdkGenBoolean {
public:
    FakeBoolean(const std::string& name, bool value, SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(bool& value) const override;
    SdkResult SetValue(bool value) override;

    bool value;
};

class FakeString : public SdkGenString {
public:
    FakeString(const std::string& name, std::string value, SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(std::string& value) const override;
    SdkResult SetValue(const std::string& value) override;

    std::string value;
};

class FakeCommand : public SdkGenCommand {
public:
    explicit FakeCommand(const std::string& name, std::vector<std::string>* log = nullptr,
                         SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult Execute() override;

    int executed = 0;
    // Shared log of executed commands, to check the order across features.
    std::vector<std::string>* log;
};

// Adds a parameter to an array and gives it back typed.
template <typename Parameter, typename... Args>
Parameter* AddFake(SdkGenParameterArray& array, Args&&... args)
{
    auto parameter = std::make_unique<Parameter>(std::forward<Args>(args)...);
    Parameter* raw = parameter.get();
    array.Add(std::move(parameter));
    return raw;
}

// A connected device whose features are an array the test fills.
class FakeDevice : public SdkDevice {
public:
    bool IsConnected() const override { return connected; }
    bool HasControl() const override { return connected; }
    bool Answers(std::chrono::milliseconds) const override { return answers; }
    SdkResult Disconnect() override;
    SdkGenParameterArray* GetGenParameters() override { return &features; }
    SdkGenParameterArray* GetGenLink() override { return &link; }
    std::vector<SdkFeatureCategory> ReadFeatureCategories() override { return categories; }

    std::atomic<bool> connected{true};
    // Whether the camera answers discovery (it is alive).
    std::atomic<bool> answers{true};
    SdkGenParameterArray features;
    SdkGenParameterArray link;
    // The categories of the camera's document: none unless the test adds them.
    std::vector<SdkFeatureCategory> categories;
};

// One scripted frame: geometry, format, pixels and block id.
struct FakeFrame {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t pixelFormat = 0;
    std::vector<uint8_t> pixels;
    uint64_t blockId = 0;
};

FakeFrame MakeFrame(uint32_t width, uint32_t height, uint32_t pixelFormat, uint64_t blockId, uint8_t fill = 0);

// A pipeline that delivers the frames the test pushes, honouring timeouts,
// with the real pipeline's contract: nothing is delivered while it is
// stopped, and a frame larger than the buffers allocated at Start is dropped
// and reported as BUFFER_TOO_SMALL (the next Start allocates for it).
class FakePipeline : public SdkPipeline {
public:
    FakePipeline() = default;
    ~FakePipeline() override;

    void Push(FakeFrame frame);
    // Waits until no buffer is held by the program and none is waiting, or
    // the timeout passes.
    bool WaitUntilDrained(int timeoutMs);

    SdkResult SetBufferSize(uint32_t bytes) override;
    uint32_t GetBufferSize() const override;
    SdkResult Reset() override;
    SdkResult Start() override;
    SdkResult Stop() override;
    bool IsStarted() const override;
    SdkResult RetrieveNextBuffer(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult = nullptr) override;
    uint32_t GetOutputQueueSize() const override;
    SdkResult ReleaseBuffer(SdkBuffer* buffer) override;

    // The camera's PayloadSize as Start reads it; buffers get this size or
    // the set buffer size, whichever is larger.
    std::atomic<uint32_t> payloadSize{64 * 1024 * 1024};

    // Block ids of released buffers, in order.
    std::vector<uint64_t> Released() const;
    int ResetCount() const;
    int SetBufferSizeCount() const;

private:
    struct Held {
        FakeFrame frame;
        SdkBuffer buffer;
    };
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<FakeFrame> queue_;
    std::vector<std::unique_ptr<Held>> held_;
    std::vector<uint64_t> released_;
    uint32_t bufferSize_ = 0;
    uint32_t allocatedSize_ = 0;
    uint32_t refusedFrameBytes_ = 0;
    int resetCount_ = 0;
    int setBufferSizeCount_ = 0;
    bool started_ = false;
};

// Converts by copying: grey formats one byte per pixel, colour ones three
// bytes of the raw value; fails for short raw data. Mirroring is counted.
class FakeConverter : public FrameConverter {
public:
    bool ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                      uint8_t* destination, int32_t interpolationMethod) const override;
    bool MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;
    bool MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;

    std::atomic<bool> fail{false};
    mutable std::atomic<int> conversions{0};
    mutable std::atomic<int> mirrors{0};
    mutable std::atomic<int> lastInterpolation{-1};
};

// Records what it was asked to show, with the time of each show.
class FakeDisplay : public FrameDisplayTarget {
public:
    struct Shown {
        bool raw;
        uint32_t pixelFormat;
        const uint8_t* data;
        int32_t width;
        int32_t height;
        int64_t atMs;
        // A copy of what was shown.
        std::vector<uint8_t> pixels;
    };

    bool HasDisplayWindow() const override { return hasWindow; }
    int32_t InterpolationMethod() const override { return interpolation; }
    bool ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height) override;
    bool ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                      size_t dataSize) override;
    std::vector<Shown> Shows() const;
    // Waits until at least count frames were shown.
    bool WaitForShows(size_t count, int timeoutMs);

    bool hasWindow = true;
    int32_t interpolation = 3;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Shown> shows_;
};

class FakeRecorder : public FrameRecorder {
public:
    FakeRecorder(int framesPerFile, std::atomic<int>* finalised) : framesPerFile_(framesPerFile), finalised_(finalised)
    {
    }
    ~FakeRecorder() override;
    bool AddFrame(uint32_t frameNumber, const FrameView& frame) override;

    std::atomic<int> added{0};

private:
    int framesPerFile_;
    std::atomic<int>* finalised_;
};

class FakeRepaint : public RepaintTarget {
public:
    void RequestRepaint() override { ++requests; }
    std::atomic<int> requests{0};
};

int64_t SteadyNowMs();

// Bits per pixel, which GigE Vision pixel format codes carry in bits 16 to 23.
constexpr uint32_t PixelFormatBits(uint32_t pixelFormat)
{
    return (pixelFormat >> 16) & 0xFF;
}

// Bytes of a raw frame of that format and size.
constexpr size_t RawFrameBytes(uint32_t pixelFormat, uint32_t width, uint32_t height)
{
    return (size_t{width} * height * PixelFormatBits(pixelFormat) + 7) / 8;
}
