#include "TestFrames.h"

#include "imaging/PixelFormat.h"

namespace {

enum class Storage { None, Bytes, Words, Packed, Rgb, Bgr };

struct FormatInfo {
    uint32_t code;
    Storage storage;
    int bits;
    int pattern;
};

// Listed independently of the converter so that tests check it against a
// second reading of the format table.
const std::vector<FormatInfo>& Formats()
{
    static const std::vector<FormatInfo> formats = [] {
        std::vector<FormatInfo> list = {
            {kPixelFormatMono8, Storage::Bytes, 8, -1},          {kPixelFormatMono10, Storage::Words, 10, -1},
            {kPixelFormatMono12, Storage::Words, 12, -1},        {kPixelFormatMono14, Storage::Words, 14, -1},
            {kPixelFormatMono16, Storage::Words, 16, -1},        {kPixelFormatMono10Packed, Storage::Packed, 10, -1},
            {kPixelFormatMono12Packed, Storage::Packed, 12, -1},
        };
        const FormatInfo bayerGroups[] = {
            {kPixelFormatBayerGR8, Storage::Bytes, 8, 0},
            {kPixelFormatBayerGR10, Storage::Words, 10, 0},
            {kPixelFormatBayerGR12, Storage::Words, 12, 0},
            {kPixelFormatBayerGR10Packed, Storage::Packed, 10, 0},
            {kPixelFormatBayerGR12Packed, Storage::Packed, 12, 0},
        };
        for (const FormatInfo& group : bayerGroups) {
            for (int pattern = 0; pattern < kBayerPatternCount; ++pattern)
                list.push_back({group.code + uint32_t(pattern), group.storage, group.bits, pattern});
        }
        list.push_back({kPixelFormatRGB8Packed, Storage::Rgb, 8, -1});
        list.push_back({kPixelFormatBGR8Packed, Storage::Bgr, 8, -1});
        return list;
    }();
    return formats;
}

FormatInfo InfoOf(uint32_t pixelFormat)
{
    for (const FormatInfo& info : Formats()) {
        if (info.code == pixelFormat)
            return info;
    }
    return {pixelFormat, Storage::None, 0, -1};
}

// Packs one sample per pixel, in raster order.
std::vector<uint8_t> Pack(const FormatInfo& info, const std::vector<uint16_t>& samples)
{
    std::vector<uint8_t> data;
    switch (info.storage) {
    case Storage::Bytes:
        for (uint16_t s : samples)
            data.push_back(uint8_t(s));
        break;
    case Storage::Words:
        for (uint16_t s : samples) {
            data.push_back(uint8_t(s));
            data.push_back(uint8_t(s >> 8));
        }
        break;
    case Storage::Packed: {
        const int lowBits = info.bits - 8;
        const unsigned lowMask = (1u << lowBits) - 1;
        for (size_t i = 0; i < samples.size(); i += 2) {
            const unsigned first = samples[i];
            data.push_back(uint8_t(first >> lowBits));
            if (i + 1 == samples.size()) {
                data.push_back(uint8_t(first & lowMask));
                break;
            }
            const unsigned second = samples[i + 1];
            data.push_back(uint8_t((first & lowMask) | (second & lowMask) << 4));
            data.push_back(uint8_t(second >> lowBits));
        }
        break;
    }
    default:
        break;
    }
    return data;
}

} // namespace

int SampleBits(uint32_t pixelFormat)
{
    return InfoOf(pixelFormat).bits;
}

int BayerPatternIndex(uint32_t pixelFormat)
{
    return InfoOf(pixelFormat).pattern;
}

BayerChannel ChannelAt(int pattern, int x, int y)
{
    // Top-left 2 x 2 cell of each pattern, first row then second.
    static const BayerChannel cells[kBayerPatternCount][2][2] = {
        {{BayerChannel::Green, BayerChannel::Red}, {BayerChannel::Blue, BayerChannel::Green}},
        {{BayerChannel::Red, BayerChannel::Green}, {BayerChannel::Green, BayerChannel::Blue}},
        {{BayerChannel::Green, BayerChannel::Blue}, {BayerChannel::Red, BayerChannel::Green}},
        {{BayerChannel::Blue, BayerChannel::Green}, {BayerChannel::Green, BayerChannel::Red}},
    };
    return cells[pattern][y & 1][x & 1];
}

TestFrame MakeGreyFrame(uint32_t pixelFormat, int width, int height, const GreyTruth& value)
{
    const FormatInfo info = InfoOf(pixelFormat);
    TestFrame frame{pixelFormat, width, height, {}};
    if (info.storage != Storage::Bytes && info.storage != Storage::Words && info.storage != Storage::Packed)
        return frame;
    const unsigned mask = info.storage == Storage::Packed ? (1u << info.bits) - 1 : 0xFFFFu;
    std::vector<uint16_t> samples;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            samples.push_back(uint16_t(value(x, y) & mask));
    }
    frame.data = Pack(info, samples);
    return frame;
}

TestFrame MakeColourFrame(uint32_t pixelFormat, int width, int height, const ColourTruth& colour)
{
    const FormatInfo info = InfoOf(pixelFormat);
    if (info.pattern >= 0) {
        return MakeGreyFrame(pixelFormat, width, height, [&](int x, int y) {
            const TruthRgb c = colour(x, y);
            switch (ChannelAt(info.pattern, x, y)) {
            case BayerChannel::Red:
                return c.r;
            case BayerChannel::Green:
                return c.g;
            default:
                return c.b;
            }
        });
    }
    TestFrame frame{pixelFormat, width, height, {}};
    if (info.storage != Storage::Rgb && info.storage != Storage::Bgr)
        return frame;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const TruthRgb c = colour(x, y);
            const bool rgb = info.storage == Storage::Rgb;
            frame.data.push_back(uint8_t(rgb ? c.r : c.b));
            frame.data.push_back(uint8_t(c.g));
            frame.data.push_back(uint8_t(rgb ? c.b : c.r));
        }
    }
    return frame;
}

const std::vector<uint32_t>& ConvertiblePixelFormats()
{
    static const std::vector<uint32_t> codes = [] {
        std::vector<uint32_t> list;
        for (const FormatInfo& info : Formats())
            list.push_back(info.code);
        return list;
    }();
    return codes;
}
