#pragma once

#include <string>

// What discovery knows of one camera: enough to show it in a list and to
// connect to it.
class SdkDiscoveryRecord {
public:
    SdkDiscoveryRecord() = default;
    SdkDiscoveryRecord(std::string ipAddress, std::string macAddress, std::string model, std::string serialNumber = {},
                       std::string vendor = {});

    const std::string& GetIPAddress() const { return ipAddress_; }   // "192.168.0.10"
    const std::string& GetMACAddress() const { return macAddress_; } // "00:11:22:33:44:55"
    const std::string& GetModel() const { return model_; }
    const std::string& GetSerialNumber() const { return serialNumber_; }
    const std::string& GetVendor() const { return vendor_; }

private:
    std::string ipAddress_;
    std::string macAddress_;
    std::string model_;
    std::string serialNumber_;
    std::string vendor_;
};
