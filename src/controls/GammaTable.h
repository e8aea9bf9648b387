#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class CRS232C_OM;

// The power-law gamma table the gamma page computes and uploads through the
// camera's serial command channel.

inline constexpr int kGammaTableSize = 4096;
inline constexpr int kGammaTableMaxValue = 4095;

// Where an upload goes.
enum class GammaTarget : uint8_t { Register = 0, Eeprom = 1 };

// entry i = round(pow(i / 4095, exponent) * 4095), halves rounded up.
std::vector<uint16_t> ComputeGammaTable(double exponent);

// The channel numbers a camera of that pixel format takes tables for: 3
// alone for a monochrome format, else 0, 1 and 2.
std::vector<uint8_t> GammaChannels(uint32_t pixelFormat);

// The frames that open and close one channel's table.
std::array<uint8_t, 6> GammaStartFrame(GammaTarget target, uint8_t channel);
std::array<uint8_t, 6> GammaEndFrame(GammaTarget target, uint8_t channel);

// Sends the table to each channel on an open serial channel: start frame,
// the table little-endian in 128-byte blocks, end frame. Stops at the first
// failed frame or block and gives false. progress, when given, hears the
// blocks sent so far out of all.
using GammaProgress = std::function<void(int sent, int total)>;
bool UploadGammaTable(CRS232C_OM& serial, GammaTarget target, const std::vector<uint8_t>& channels,
                      const std::vector<uint16_t>& table, const GammaProgress& progress = {});
