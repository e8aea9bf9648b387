// Frames per second that Lumivex's SDK layer receives from the simulated
// camera over loopback at 1920x1080 Mono8 with 8192-byte packets, and how many
// it drops when it keeps only the newest frame, as the acquisition thread does.
// Run inside scripts/netns; the camera answers on LUMIVEX_BENCH_ADDR (default
// 127.0.0.2).
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"
#include "sim/SimCamera.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kPacketSize = 8192;
constexpr double kUnlimitedFps = 1000.0;
constexpr uint32_t kFrameTimeoutMs = 1000;

template <typename T>
T* Parameter(SdkGenParameterArray* array, const char* name)
{
    return array != nullptr ? dynamic_cast<T*>(array->Get(name)) : nullptr;
}

void LoopbackStreaming1080pMono8(benchmark::State& state)
{
    const char* address = std::getenv("LUMIVEX_BENCH_ADDR");
    SimOptions options;
    options.interfaceAddress = address != nullptr ? address : "127.0.0.2";
    options.width = kWidth;
    options.height = kHeight;
    options.colour = false;
    options.fps = kUnlimitedFps;
    SimCamera sim;
    if (!sim.Start(options)) {
        state.SkipWithError(sim.ErrorText().c_str());
        return;
    }

    SdkDiscoveryRecord info;
    SdkDevice device;
    if (!SdkDiscoveryRecordFromAddress(options.interfaceAddress, info) || !device.Connect(info).IsOK()) {
        state.SkipWithError("cannot connect to the simulated camera");
        return;
    }
    auto* autoNegotiation = Parameter<SdkGenBoolean>(device.GetGenLink(), "AutoNegotiation");
    auto* defaultPacketSize = Parameter<SdkGenInteger>(device.GetGenLink(), "DefaultPacketSize");
    if (autoNegotiation == nullptr || defaultPacketSize == nullptr || !autoNegotiation->SetValue(false).IsOK() ||
        !defaultPacketSize->SetValue(kPacketSize).IsOK() || !device.NegotiatePacketSize().IsOK()) {
        state.SkipWithError("cannot set the packet size");
        return;
    }

    SdkStream stream;
    if (!stream.Open(device, info.GetIPAddress()).IsOK()) {
        state.SkipWithError("cannot open the stream");
        return;
    }
    SdkPipeline pipeline(stream);
    auto* start = Parameter<SdkGenCommand>(device.GetGenParameters(), "AcquisitionStart");
    auto* stop = Parameter<SdkGenCommand>(device.GetGenParameters(), "AcquisitionStop");
    if (start == nullptr || stop == nullptr || !pipeline.Start().IsOK() || !start->Execute().IsOK()) {
        state.SkipWithError("cannot start acquisition");
        return;
    }

    int64_t received = 0;
    int64_t dropped = 0;
    int64_t bytes = 0;
    for (auto _ : state) {
        SdkBuffer* buffer = nullptr;
        if (!pipeline.RetrieveNextBuffer(buffer, kFrameTimeoutMs).IsOK())
            continue;
        // Keep only the newest completed frame, releasing the older ones.
        for (uint32_t waiting = pipeline.GetOutputQueueSize(); waiting > 0; --waiting) {
            SdkBuffer* newer = nullptr;
            if (!pipeline.RetrieveNextBuffer(newer, kSdkNoWait).IsOK())
                break;
            pipeline.ReleaseBuffer(buffer);
            buffer = newer;
            ++dropped;
        }
        ++received;
        bytes += static_cast<int64_t>(buffer->GetDataSize());
        pipeline.ReleaseBuffer(buffer);
    }

    stop->Execute();
    pipeline.Stop();
    stream.Close();
    device.Disconnect();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(received), benchmark::Counter::kIsRate);
    state.counters["dropped"] = static_cast<double>(dropped);
    state.SetBytesProcessed(bytes);
}

} // namespace

BENCHMARK(LoopbackStreaming1080pMono8)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

BENCHMARK_MAIN();
