#include "sdk/SdkDiscoveryRecord.h"

SdkDiscoveryRecord::SdkDiscoveryRecord(std::string ipAddress, std::string macAddress, std::string model,
                                       std::string serialNumber, std::string vendor)
    : ipAddress_(std::move(ipAddress)),
      macAddress_(std::move(macAddress)),
      model_(std::move(model)),
      serialNumber_(std::move(serialNumber)),
      vendor_(std::move(vendor))
{
}
