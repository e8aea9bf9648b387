#include "SimPixelFormat.h"

#include <array>

namespace {

using L = SimPixelLayout;
using P = SimBayerPattern;

constexpr std::array kFormats = {
    SimPixelFormat{"Mono8", 0x01080001, L::Mono8, 8, P::GR},
    SimPixelFormat{"Mono10", 0x01100003, L::Mono16, 10, P::GR},
    SimPixelFormat{"Mono10Packed", 0x010C0004, L::MonoPacked, 10, P::GR},
    SimPixelFormat{"Mono12", 0x01100005, L::Mono16, 12, P::GR},
    SimPixelFormat{"Mono12Packed", 0x010C0006, L::MonoPacked, 12, P::GR},
    SimPixelFormat{"Mono14", 0x01100025, L::Mono16, 14, P::GR},
    SimPixelFormat{"Mono16", 0x01100007, L::Mono16, 16, P::GR},
    SimPixelFormat{"BayerGR8", 0x01080008, L::Bayer8, 8, P::GR},
    SimPixelFormat{"BayerRG8", 0x01080009, L::Bayer8, 8, P::RG},
    SimPixelFormat{"BayerGB8", 0x0108000A, L::Bayer8, 8, P::GB},
    SimPixelFormat{"BayerBG8", 0x0108000B, L::Bayer8, 8, P::BG},
    SimPixelFormat{"BayerGR10", 0x0110000C, L::Bayer16, 10, P::GR},
    SimPixelFormat{"BayerRG10", 0x0110000D, L::Bayer16, 10, P::RG},
    SimPixelFormat{"BayerGB10", 0x0110000E, L::Bayer16, 10, P::GB},
    SimPixelFormat{"BayerBG10", 0x0110000F, L::Bayer16, 10, P::BG},
    SimPixelFormat{"BayerGR12", 0x01100010, L::Bayer16, 12, P::GR},
    SimPixelFormat{"BayerRG12", 0x01100011, L::Bayer16, 12, P::RG},
    SimPixelFormat{"BayerGB12", 0x01100012, L::Bayer16, 12, P::GB},
    SimPixelFormat{"BayerBG12", 0x01100013, L::Bayer16, 12, P::BG},
    SimPixelFormat{"BayerGR10Packed", 0x010C0026, L::BayerPacked, 10, P::GR},
    SimPixelFormat{"BayerRG10Packed", 0x010C0027, L::BayerPacked, 10, P::RG},
    SimPixelFormat{"BayerGB10Packed", 0x010C0028, L::BayerPacked, 10, P::GB},
    SimPixelFormat{"BayerBG10Packed", 0x010C0029, L::BayerPacked, 10, P::BG},
    SimPixelFormat{"BayerGR12Packed", 0x010C002A, L::BayerPacked, 12, P::GR},
    SimPixelFormat{"BayerRG12Packed", 0x010C002B, L::BayerPacked, 12, P::RG},
    SimPixelFormat{"BayerGB12Packed", 0x010C002C, L::BayerPacked, 12, P::GB},
    SimPixelFormat{"BayerBG12Packed", 0x010C002D, L::BayerPacked, 12, P::BG},
    SimPixelFormat{"RGB8Packed", 0x02180014, L::Rgb8, 8, P::GR},
    SimPixelFormat{"BGR8Packed", 0x02180015, L::Bgr8, 8, P::GR},
};

} // namespace

bool SimPixelFormat::IsBayer() const
{
    return layout == L::Bayer8 || layout == L::Bayer16 || layout == L::BayerPacked;
}

bool SimPixelFormat::IsMono() const
{
    return layout == L::Mono8 || layout == L::Mono16 || layout == L::MonoPacked;
}

uint64_t SimPixelFormat::ImageBytes(uint64_t width, uint64_t height) const
{
    // Bits per pixel are bits 16-23 of a GigE Vision format code.
    const uint64_t bitsPerPixel = (code >> 16) & 0xFF;
    return width * height * bitsPerPixel / 8;
}

std::span<const SimPixelFormat> AllSimPixelFormats()
{
    return kFormats;
}

const SimPixelFormat* FindSimPixelFormat(uint32_t code)
{
    for (const SimPixelFormat& format : kFormats) {
        if (format.code == code)
            return &format;
    }
    return nullptr;
}

const SimPixelFormat* FindSimPixelFormat(std::string_view name)
{
    for (const SimPixelFormat& format : kFormats) {
        if (format.name == name)
            return &format;
    }
    return nullptr;
}

SimBayerPattern MirroredBayerPattern(SimBayerPattern sensor, bool reverseX, bool reverseY)
{
    // In the code order GR, RG, GB, BG a column swap exchanges GR with RG and
    // GB with BG (index ^ 1); a row swap exchanges GR with BG and RG with GB
    // (index ^ 3).
    int index = static_cast<int>(sensor);
    if (reverseX)
        index ^= 1;
    if (reverseY)
        index ^= 3;
    return static_cast<SimBayerPattern>(index);
}
