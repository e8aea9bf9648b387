#pragma once

// Register map of the serial bridge that tunnels a camera's serial ports
// through its register space (docs/serial-bridge.md). The host side is
// SdkSerialPort; camera firmware, or the simulated camera, is the device side.

#include <cstdint>

namespace SerialBridge {

// Base address of each port's register block: port 0 reaches the camera's
// registers, port 1 the option board's user FPGA.
inline constexpr int kPortCount = 2;
inline constexpr uint32_t kPortBase[kPortCount] = {0xE000, 0xE800};

// Offsets from a port's base. Every register is a little-endian 32-bit word.
inline constexpr uint32_t kControl = 0x000;      // host: bit 0 open
inline constexpr uint32_t kStatus = 0x004;       // device: bit 0 port present
inline constexpr uint32_t kTxLength = 0x010;     // host writes the count last; device clears it
inline constexpr uint32_t kRxWriteIndex = 0x020; // bytes the device ever put into the ring
inline constexpr uint32_t kRxReadIndex = 0x024;  // bytes the host ever took out of it
inline constexpr uint32_t kTxData = 0x100;
inline constexpr uint32_t kRxRing = 0x400;

inline constexpr uint32_t kControlOpen = 1;
inline constexpr uint32_t kStatusPresent = 1;
inline constexpr uint32_t kTxCapacity = 256;
inline constexpr uint32_t kRxRingSize = 1024;

} // namespace SerialBridge
