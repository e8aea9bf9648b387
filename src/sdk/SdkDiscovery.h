#pragma once

#include "sdk/SdkDeviceInfo.h"

#include <chrono>
#include <vector>

// Every GigE Vision camera that answers discovery on any network interface,
// ordered by IP address. Blocks for the discovery round (about a second).
std::vector<SdkDeviceInfo> SdkDiscoverDevices();

// Device information for a camera reached by address, without a discovery
// broadcast (used by lumivex-cli -c ADDR and by tests). Fails when nothing
// answers at that address within about a second.
bool SdkDeviceInfoFromAddress(const std::string& ipAddress, SdkDeviceInfo& info);

// Whether the camera at that address answers one discovery request within
// wait: a control-free sign of life, whoever controls the camera.
bool SdkDeviceAnswers(const std::string& ipAddress, std::chrono::milliseconds wait);
