#pragma once

#include "sdk/SdkDiscoveryRecord.h"

#include <chrono>
#include <vector>

// Every GigE Vision camera that answers discovery on any network interface,
// ordered by IP address. Blocks for the discovery round (about a second).
std::vector<SdkDiscoveryRecord> SdkDiscoverDevices();

// Device information for a camera reached by address, without a discovery
// broadcast (used by lumivex-cli -c ADDR and by tests). Fails when nothing
// answers at that address within about a second.
bool SdkDiscoveryRecordFromAddress(const std::string& ipAddress, SdkDiscoveryRecord& info);

// Whether the camera at that address answers one discovery request within
// wait: a control-free sign of life, whoever controls the camera.
bool SdkDeviceAnswers(const std::string& ipAddress, std::chrono::milliseconds wait);
