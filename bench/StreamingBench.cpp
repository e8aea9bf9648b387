// Frames per second that an Aravis client receives from the simulated camera
// over loopback at 1920x1080 Mono8 with 8192-byte packets, and how many it
// loses. Uses the Aravis client directly. Run inside scripts/netns; the
// camera answers on LUMIVEX_BENCH_ADDR (default 127.0.0.2).
#include "sim/SimCamera.h"

#include <arv.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kPacketSize = 8192;
constexpr int kBuffers = 16;
constexpr double kUnlimitedFps = 1000.0;
constexpr guint64 kFrameTimeoutUs = 1000000;

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

    GError* error = nullptr;
    ArvCamera* camera = arv_camera_new(options.interfaceAddress.c_str(), &error);
    ArvStream* stream = nullptr;
    if (camera != nullptr)
        arv_camera_gv_set_packet_size(camera, kPacketSize, &error);
    if (error == nullptr)
        stream = arv_camera_create_stream(camera, nullptr, nullptr, &error);
    if (error != nullptr) {
        state.SkipWithError(error->message);
        g_clear_error(&error);
        g_clear_object(&camera);
        return;
    }
    const guint payload = arv_camera_get_payload(camera, nullptr);
    for (int i = 0; i < kBuffers; ++i)
        arv_stream_push_buffer(stream, arv_buffer_new(payload, nullptr));
    arv_camera_start_acquisition(camera, nullptr);

    int64_t received = 0;
    for (auto _ : state) {
        ArvBuffer* buffer = arv_stream_timeout_pop_buffer(stream, kFrameTimeoutUs);
        if (buffer == nullptr) {
            state.SkipWithError("no frame within a second");
            break;
        }
        if (arv_buffer_get_status(buffer) == ARV_BUFFER_STATUS_SUCCESS)
            ++received;
        arv_stream_push_buffer(stream, buffer);
    }

    guint64 completed = 0;
    guint64 failures = 0;
    guint64 underruns = 0;
    arv_stream_get_statistics(stream, &completed, &failures, &underruns);
    arv_camera_stop_acquisition(camera, nullptr);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(received), benchmark::Counter::kIsRate);
    state.counters["dropped"] = static_cast<double>(failures + underruns);
    state.SetBytesProcessed(received * static_cast<int64_t>(payload));
    g_clear_object(&stream);
    g_clear_object(&camera);
}

} // namespace

BENCHMARK(LoopbackStreaming1080pMono8)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

BENCHMARK_MAIN();
