#pragma once

#include <cstdint>

// GigE Vision bootstrap registers that the simulated camera fills in or
// publishes as features (big-endian words, as the standard defines them).
namespace SimBootstrap {

inline constexpr uint32_t kMacHigh = 0x0008;
inline constexpr uint32_t kMacLow = 0x000C;
inline constexpr uint32_t kInterfaceCapability = 0x0010;
inline constexpr uint32_t kInterfaceConfiguration = 0x0014;
inline constexpr uint32_t kCurrentIp = 0x0024;
inline constexpr uint32_t kCurrentSubnetMask = 0x0034;
inline constexpr uint32_t kCurrentGateway = 0x0044;
inline constexpr uint32_t kManufacturerName = 0x0048;
inline constexpr uint32_t kModelName = 0x0068;
inline constexpr uint32_t kDeviceVersion = 0x0088;
inline constexpr uint32_t kManufacturerInfo = 0x00A8;
inline constexpr uint32_t kSerialNumber = 0x00D8;
inline constexpr uint32_t kUserDefinedName = 0x00E8;
inline constexpr uint32_t kPersistentIp = 0x064C;
inline constexpr uint32_t kPersistentSubnetMask = 0x065C;
inline constexpr uint32_t kPersistentGateway = 0x066C;
inline constexpr uint32_t kStreamPacketSize = 0x0D04;

inline constexpr uint32_t kNameLength = 32;
inline constexpr uint32_t kManufacturerInfoLength = 48;
inline constexpr uint32_t kSerialLength = 16;

// Interface configuration bits (bit 31 of the standard's numbering is the
// least significant bit).
inline constexpr uint32_t kConfigPersistentIp = 1u << 0;
inline constexpr uint32_t kConfigDhcp = 1u << 1;
inline constexpr uint32_t kConfigLla = 1u << 2;

} // namespace SimBootstrap
