#pragma once

// Private to the SDK layer: the Aravis side of SdkDevice, shared with the
// stream that is opened on it.

#include "sdk/SdkDevice.h"

#include <arv.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

struct SdkDevice::Impl {
    Impl();

    ArvDevice* Device() const { return camera != nullptr ? arv_camera_get_device(camera) : nullptr; }
    bool LinkBoolean(const char* name) const;
    int64_t LinkInteger(const char* name) const;

    ArvCamera* camera = nullptr;
    // Address of this host's interface that reaches the camera.
    std::string interfaceAddress;
    std::string deviceAddress;
    std::atomic<bool> connected{false};
    // Whether the camera dropped our control (set by Aravis's heartbeat
    // thread) and whether a thread of its own is taking it back; shared with
    // that thread, which may outlive the connection.
    struct Control {
        std::atomic<bool> lost{false};
        std::atomic<bool> retaking{false};
    };
    std::shared_ptr<Control> control = std::make_shared<Control>();
    gulong controlLostHandler = 0;
    std::mutex recoveryMutex;
    std::chrono::steady_clock::time_point lastRecoveryAttempt;
    SdkGenParameterArray parameters;
    SdkGenParameterArray link;
};
