#pragma once

#include "sdk/SdkDiscoveryRecord.h"

#include <chrono>
#include <future>
#include <optional>
#include <string>

// Asks the address of a camera that stopped answering, over and over, whether
// a camera with the same MAC address answers there again. Each question runs
// on a thread of its own, so that the caller never waits for a dead camera;
// Poll is called from the caller's own timer.
class CameraReturnSearch {
public:
    CameraReturnSearch(std::string ipAddress, std::string macAddress);

    // Starts a question when one is due; gives the camera once it answered.
    std::optional<SdkDiscoveryRecord> Poll();

    const std::string& IpAddress() const { return ipAddress_; }
    // When the search began (when the camera was found lost).
    std::chrono::steady_clock::time_point Since() const { return since_; }

private:
    std::string ipAddress_;
    std::string macAddress_;
    std::chrono::steady_clock::time_point since_;
    std::future<std::optional<SdkDiscoveryRecord>> question_;
};
