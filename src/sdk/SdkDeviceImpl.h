#pragma once

// Private to the SDK layer: the Aravis side of SdkDevice, shared with the
// stream that is opened on it.

#include "sdk/SdkDevice.h"

#include <arv.h>

#include <atomic>
#include <chrono>
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
    // Set by Aravis's heartbeat thread when the camera dropped our control.
    std::atomic<bool> controlLost{false};
    gulong controlLostHandler = 0;
    std::mutex recoveryMutex;
    std::chrono::steady_clock::time_point lastRecoveryAttempt;
    SdkGenParameterArray parameters;
    SdkGenParameterArray link;
};
