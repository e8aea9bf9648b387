#include "controls/GammaTable.h"

#include "camera/CRS232C_OM.h"
#include "imaging/PixelFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t kFrameStart = 0x02;
constexpr uint8_t kFrameEnd = 0x03;
constexpr uint8_t kStartCommand = 0xF2;
constexpr uint8_t kEndCommand = 0xF0;
constexpr uint8_t kChannelBase = 0x10;
constexpr uint8_t kTableAddress = 0x40;
constexpr size_t kBlockSize = 128;
constexpr uint8_t kBlockFill = 0xFF;
constexpr uint8_t kMonoChannel = 3;

constexpr std::array<uint32_t, 7> kMonoFormats = {
    kPixelFormatMono8,  kPixelFormatMono10Packed, kPixelFormatMono12Packed, kPixelFormatMono10,
    kPixelFormatMono12, kPixelFormatMono16,       kPixelFormatMono14};

std::array<uint8_t, 6> Frame(uint8_t command, GammaTarget target, uint8_t channel)
{
    return {kFrameStart,
            static_cast<uint8_t>(command + static_cast<uint8_t>(target)),
            static_cast<uint8_t>(kChannelBase + channel),
            kTableAddress,
            0x00,
            kFrameEnd};
}

} // namespace

std::vector<uint16_t> ComputeGammaTable(double exponent)
{
    std::vector<uint16_t> table(kGammaTableSize);
    for (int i = 0; i < kGammaTableSize; ++i) {
        const double out = std::pow(static_cast<double>(i) / kGammaTableMaxValue, exponent) * kGammaTableMaxValue;
        table[i] = static_cast<uint16_t>(std::lround(out));
    }
    return table;
}

std::vector<uint8_t> GammaChannels(uint32_t pixelFormat)
{
    if (std::find(kMonoFormats.begin(), kMonoFormats.end(), pixelFormat) != kMonoFormats.end())
        return {kMonoChannel};
    return {0, 1, 2};
}

std::array<uint8_t, 6> GammaStartFrame(GammaTarget target, uint8_t channel)
{
    return Frame(kStartCommand, target, channel);
}

std::array<uint8_t, 6> GammaEndFrame(GammaTarget target, uint8_t channel)
{
    return Frame(kEndCommand, target, channel);
}

bool UploadGammaTable(CRS232C_OM& serial, GammaTarget target, const std::vector<uint8_t>& channels,
                      const std::vector<uint16_t>& table, const GammaProgress& progress)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(table.size() * 2 + kBlockSize);
    for (uint16_t entry : table) {
        bytes.push_back(static_cast<uint8_t>(entry & 0xFF));
        bytes.push_back(static_cast<uint8_t>(entry >> 8));
    }
    bytes.resize((bytes.size() + kBlockSize - 1) / kBlockSize * kBlockSize, kBlockFill);

    const int blocksPerChannel = static_cast<int>(bytes.size() / kBlockSize);
    const int total = blocksPerChannel * static_cast<int>(channels.size());
    int sent = 0;
    for (uint8_t channel : channels) {
        const std::array<uint8_t, 6> start = GammaStartFrame(target, channel);
        if (serial.SendFrame(start.size(), start.data()) != 0)
            return false;
        for (size_t offset = 0; offset < bytes.size(); offset += kBlockSize) {
            if (serial.WriteBlock(bytes.data() + offset) != 1)
                return false;
            if (progress)
                progress(++sent, total);
        }
        const std::array<uint8_t, 6> end = GammaEndFrame(target, channel);
        if (serial.SendFrame(end.size(), end.data()) != 0)
            return false;
    }
    return true;
}
