#pragma once

#include "sdk/SdkDeviceInfo.h"

#include <vector>

// Every GigE Vision camera that answers discovery on any network interface,
// in the order found. Blocks for the discovery round (well under a second).
std::vector<SdkDeviceInfo> SdkDiscoverDevices();

// Device information for a camera reached by address, without a discovery
// broadcast (used by lumivex-cli -c ADDR and by tests). Fails when nothing
// answers at that address.
bool SdkDeviceInfoFromAddress(const std::string& ipAddress, SdkDeviceInfo& info);
