#pragma once

#include "TestAddress.h"

#include "sim/SimCamera.h"

#include <arv.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A small colour camera at TestAddress(offset), quick to stream.
SimOptions TestOptions(int offset = 0);


struct Frame {
    uint32_t pixelFormat = 0;
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
    std::vector<uint8_t> data;
};

// An Aravis client of one camera, opened by address, with the range and
// access checks on as the SDK layer uses them. Every call that fails keeps
// the error text in LastError().
class CameraClient {
public:
    explicit CameraClient(const std::string& address);
    ~CameraClient();
    CameraClient(const CameraClient&) = delete;
    CameraClient& operator=(const CameraClient&) = delete;

    bool IsConnected() const { return camera_ != nullptr; }
    ArvCamera* Camera() const { return camera_; }
    ArvDevice* Device() const;
    // The feature's node, or null when the camera does not have it.
    ArvGcNode* Node(const char* name) const;
    const std::string& LastError() const { return lastError_; }

    std::optional<int64_t> Integer(const char* name);
    bool SetInteger(const char* name, int64_t value);
    std::optional<double> Float(const char* name);
    bool SetFloat(const char* name, double value);
    std::optional<std::string> Enumeration(const char* name);
    bool SetEnumeration(const char* name, const char* entry);
    std::optional<bool> Boolean(const char* name);
    bool SetBoolean(const char* name, bool value);
    std::optional<std::string> String(const char* name);
    bool Execute(const char* name);
    bool ReadMemory(uint32_t address, void* data, uint32_t size);
    bool WriteMemory(uint32_t address, const void* data, uint32_t size);

    // Streaming with a fixed packet size (auto-negotiation does nothing on
    // the fake camera): Start creates the stream and starts the acquisition,
    // NextFrame gives the next complete frame, StopStream ends both.
    bool StartStream(int packetSize = 8192);
    std::optional<Frame> NextFrame(std::chrono::milliseconds timeout);
    void StopStream();

private:
    bool Check(GError* error);

    ArvCamera* camera_ = nullptr;
    ArvStream* stream_ = nullptr;
    std::string lastError_;
};

// Tests against one simulated camera and one client connected to it.
class SimCameraTest : public ::testing::Test {
protected:
    // (Re)starts the camera with these options and connects a fresh client;
    // fails the test when either fails (wrap in ASSERT_NO_FATAL_FAILURE).
    void Connect(const SimOptions& options);
    CameraClient& Client() { return *client_; }

    SimCamera sim_;
    std::unique_ptr<CameraClient> client_;
};

// One 8-bit row of a Mono8 frame.
std::vector<uint8_t> Row(const Frame& frame, int y);
