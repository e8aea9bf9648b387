#pragma once

// Private to the SDK layer: the link parameters, plain values held by the
// layer itself (not camera features) that packet size negotiation, the
// control link and the stream honour.

#include "sdk/SdkGenParameter.h"

#include <atomic>

inline constexpr const char* kLinkRecoveryEnabled = "LinkRecoveryEnabled";
inline constexpr const char* kStreamRecoveryEnabled = "StreamRecoveryEnabled";
inline constexpr const char* kAutoNegotiation = "AutoNegotiation";
inline constexpr const char* kDefaultPacketSize = "DefaultPacketSize";
inline constexpr const char* kLinkIPAddress = "IPAddress";

// Range of DefaultPacketSize, in bytes including the IP and UDP headers. The
// camera's own increment is applied when the size is sent to it, so any size
// in range is accepted here.
inline constexpr int64_t kMinPacketSize = 576;
inline constexpr int64_t kMaxPacketSize = 65024;
inline constexpr int64_t kDefaultPacketSizeValue = 1500;

class SdkLinkBoolean final : public SdkGenBoolean {
public:
    SdkLinkBoolean(std::string name, bool value);
    SdkResult GetValue(bool& value) const override;
    SdkResult SetValue(bool value) override;

private:
    // Read by the acquisition thread through SdkDevice::IsConnected.
    std::atomic<bool> value_;
};

class SdkLinkInteger final : public SdkGenInteger {
public:
    SdkLinkInteger(std::string name, int64_t value, int64_t min, int64_t max);
    SdkResult GetValue(int64_t& value) const override;
    // Values outside [min, max] are refused with INVALID_PARAMETER.
    SdkResult SetValue(int64_t value) override;
    SdkResult GetMin(int64_t& value) const override;
    SdkResult GetMax(int64_t& value) const override;
    SdkResult GetIncrement(int64_t& value) const override;

private:
    int64_t value_;
    int64_t min_;
    int64_t max_;
};

// Read-only to users of the layer; the layer itself updates it with Assign.
class SdkLinkString final : public SdkGenString {
public:
    explicit SdkLinkString(std::string name);
    bool IsWritable() const override { return false; }
    SdkResult GetValue(std::string& value) const override;
    SdkResult SetValue(const std::string& value) override;
    void Assign(const std::string& value);

private:
    std::string value_;
};

// The five link parameters with their defaults: both recoveries off,
// AutoNegotiation on, DefaultPacketSize 1500, IPAddress empty until connected.
void AddLinkParameters(SdkGenParameterArray& link);
