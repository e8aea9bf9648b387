#pragma once

#include <cstdint>

// GigE Vision pixel format codes, as SdkImage::GetPixelType reports them.
constexpr uint32_t kPixelFormatMono8 = 0x01080001;
constexpr uint32_t kPixelFormatMono8Signed = 0x01080002;
constexpr uint32_t kPixelFormatMono10 = 0x01100003;
constexpr uint32_t kPixelFormatMono10Packed = 0x010C0004;
constexpr uint32_t kPixelFormatMono12 = 0x01100005;
constexpr uint32_t kPixelFormatMono12Packed = 0x010C0006;
constexpr uint32_t kPixelFormatMono14 = 0x01100025;
constexpr uint32_t kPixelFormatMono16 = 0x01100007;

// Each Bayer group runs GR, RG, GB, BG from its first code, so the code minus
// the first code of its group is the Bayer pattern index.
constexpr uint32_t kPixelFormatBayerGR8 = 0x01080008;
constexpr uint32_t kPixelFormatBayerRG8 = 0x01080009;
constexpr uint32_t kPixelFormatBayerGB8 = 0x0108000A;
constexpr uint32_t kPixelFormatBayerBG8 = 0x0108000B;
constexpr uint32_t kPixelFormatBayerGR10 = 0x0110000C;
constexpr uint32_t kPixelFormatBayerRG10 = 0x0110000D;
constexpr uint32_t kPixelFormatBayerGB10 = 0x0110000E;
constexpr uint32_t kPixelFormatBayerBG10 = 0x0110000F;
constexpr uint32_t kPixelFormatBayerGR12 = 0x01100010;
constexpr uint32_t kPixelFormatBayerRG12 = 0x01100011;
constexpr uint32_t kPixelFormatBayerGB12 = 0x01100012;
constexpr uint32_t kPixelFormatBayerBG12 = 0x01100013;
constexpr uint32_t kPixelFormatBayerGR10Packed = 0x010C0026;
constexpr uint32_t kPixelFormatBayerRG10Packed = 0x010C0027;
constexpr uint32_t kPixelFormatBayerGB10Packed = 0x010C0028;
constexpr uint32_t kPixelFormatBayerBG10Packed = 0x010C0029;
constexpr uint32_t kPixelFormatBayerGR12Packed = 0x010C002A;
constexpr uint32_t kPixelFormatBayerRG12Packed = 0x010C002B;
constexpr uint32_t kPixelFormatBayerGB12Packed = 0x010C002C;
constexpr uint32_t kPixelFormatBayerBG12Packed = 0x010C002D;

constexpr uint32_t kPixelFormatRGB8Packed = 0x02180014;
constexpr uint32_t kPixelFormatBGR8Packed = 0x02180015;

// Bayer pattern index: the colours of the top-left 2 x 2 cell, first row then second.
constexpr int kBayerGR = 0; // G R / B G
constexpr int kBayerRG = 1; // R G / G B
constexpr int kBayerGB = 2; // G B / R G
constexpr int kBayerBG = 3; // B G / G R
constexpr int kBayerPatternCount = 4;

// The seven grey formats, which convert to 8-bit grey images; every other
// format converts to 24-bit colour.
constexpr bool IsGrayPixelFormat(uint32_t pixelFormat)
{
    switch (pixelFormat) {
    case kPixelFormatMono8:
    case kPixelFormatMono10:
    case kPixelFormatMono10Packed:
    case kPixelFormatMono12:
    case kPixelFormatMono12Packed:
    case kPixelFormatMono14:
    case kPixelFormatMono16:
        return true;
    default:
        return false;
    }
}
