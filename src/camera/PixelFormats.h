#pragma once

#include <cstdint>

// GigE Vision pixel format codes that the camera link itself tells apart.
inline constexpr uint32_t kPixelMono8 = 0x01080001;
inline constexpr uint32_t kPixelMono10 = 0x01100003;
inline constexpr uint32_t kPixelMono10Packed = 0x010C0004;
inline constexpr uint32_t kPixelMono12 = 0x01100005;
inline constexpr uint32_t kPixelMono12Packed = 0x010C0006;
inline constexpr uint32_t kPixelMono14 = 0x01100025;
inline constexpr uint32_t kPixelMono16 = 0x01100007;
inline constexpr uint32_t kPixelRGB8Packed = 0x02180014;
inline constexpr uint32_t kPixelBGR8Packed = 0x02180015;

// The grey formats convert to 8-bit grey images; every other format to colour.
constexpr bool IsGreyPixelFormat(uint32_t pixelFormat)
{
    switch (pixelFormat) {
    case kPixelMono8:
    case kPixelMono10:
    case kPixelMono10Packed:
    case kPixelMono12:
    case kPixelMono12Packed:
    case kPixelMono14:
    case kPixelMono16:
        return true;
    default:
        return false;
    }
}

// Significant bits of a grey format's samples: 8 to 16; 0 for colour formats.
constexpr int GreySampleBits(uint32_t pixelFormat)
{
    switch (pixelFormat) {
    case kPixelMono8:
        return 8;
    case kPixelMono10:
    case kPixelMono10Packed:
        return 10;
    case kPixelMono12:
    case kPixelMono12Packed:
        return 12;
    case kPixelMono14:
        return 14;
    case kPixelMono16:
        return 16;
    default:
        return 0;
    }
}
