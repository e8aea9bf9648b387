#include "SimPattern.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint32_t kFullScale = 4095;
constexpr uint32_t kBars = 8;
constexpr uint32_t kBands = 8;
constexpr uint32_t kLineSpacing = 32;
constexpr uint32_t kSawPeriod = 256;
constexpr uint32_t kSawStep = 16;
constexpr uint32_t kSawSpeed = 4;
constexpr uint32_t kMeanSamples = 64;

// Row kinds of the scene: bands 0-7 of the colour bars, then these.
constexpr int kRampRow = 8;
constexpr int kLineRow = 9;
constexpr int kSawRow = 10;
constexpr int kRowKinds = 11;

using SimGainChannel::kBlue;
using SimGainChannel::kGreenOnBlue;
using SimGainChannel::kGreenOnRed;
using SimGainChannel::kLuminance;
using SimGainChannel::kRed;

// Left to right: white, yellow, cyan, green, magenta, red, blue, black.
constexpr std::array<std::array<uint8_t, 3>, kBars> kBarColours = {
    {{1, 1, 1}, {1, 1, 0}, {0, 1, 1}, {0, 1, 0}, {1, 0, 1}, {1, 0, 0}, {0, 0, 1}, {0, 0, 0}}};

// Channel at each site of a 2 x 2 Bayer cell: [pattern][row parity][column parity].
constexpr int kSites[4][2][2] = {
    {{kGreenOnRed, kRed}, {kBlue, kGreenOnBlue}}, // GR
    {{kRed, kGreenOnRed}, {kGreenOnBlue, kBlue}}, // RG
    {{kGreenOnBlue, kBlue}, {kRed, kGreenOnRed}}, // GB
    {{kBlue, kGreenOnBlue}, {kGreenOnRed, kRed}}, // BG
};

// Scene colour of a gain channel: red, green or blue.
constexpr int SceneChannel(int channel)
{
    return channel == kRed ? 0 : channel == kBlue ? 2 : 1;
}

int RowKind(uint32_t y, uint32_t sensorHeight)
{
    const uint32_t third = std::max<uint32_t>(sensorHeight / 3, 1);
    if (y < third)
        return static_cast<int>(std::min(y * kBands / third, kBands - 1));
    if (y < 2 * third)
        return y % kLineSpacing == 0 ? kLineRow : kRampRow;
    return kSawRow;
}

std::array<uint16_t, 3> SceneOfRow(int kind, uint32_t x, uint32_t sensorWidth, uint32_t frame)
{
    if (kind < static_cast<int>(kBands)) {
        const uint32_t level = kFullScale * (kBands - static_cast<uint32_t>(kind)) / kBands;
        const uint32_t bar = std::min(x * kBars / std::max<uint32_t>(sensorWidth, 1), kBars - 1);
        const auto& colour = kBarColours[bar];
        return {static_cast<uint16_t>(colour[0] * level), static_cast<uint16_t>(colour[1] * level),
                static_cast<uint16_t>(colour[2] * level)};
    }
    uint32_t value = 0;
    if (kind == kRampRow)
        value = sensorWidth > 1 ? x * kFullScale / (sensorWidth - 1) : 0;
    else if (kind == kSawRow)
        value = ((x + kSawSpeed * frame) % kSawPeriod) * kSawStep;
    const auto grey = static_cast<uint16_t>(value);
    return {grey, grey, grey};
}

uint16_t Luminance(const std::array<uint16_t, 3>& rgb)
{
    constexpr uint32_t kRedWeight = 77;
    constexpr uint32_t kGreenWeight = 150;
    constexpr uint32_t kBlueWeight = 29;
    return static_cast<uint16_t>((kRedWeight * rgb[0] + kGreenWeight * rgb[1] + kBlueWeight * rgb[2]) >> 8);
}

// Packs the row's 16-bit samples into the pixel format's bytes.
void PackRow(const SimPixelFormat& format, const std::vector<uint16_t>& samples, uint8_t* out)
{
    const int dropBits = 16 - format.significantBits;
    switch (format.layout) {
    case SimPixelLayout::Mono8:
    case SimPixelLayout::Bayer8:
    case SimPixelLayout::Rgb8:
    case SimPixelLayout::Bgr8:
        for (size_t i = 0; i < samples.size(); ++i)
            out[i] = static_cast<uint8_t>(samples[i] >> 8);
        break;
    case SimPixelLayout::Mono16:
    case SimPixelLayout::Bayer16:
        for (size_t i = 0; i < samples.size(); ++i) {
            const uint16_t value = static_cast<uint16_t>(samples[i] >> dropBits);
            out[2 * i] = static_cast<uint8_t>(value);
            out[2 * i + 1] = static_cast<uint8_t>(value >> 8);
        }
        break;
    case SimPixelLayout::MonoPacked:
    case SimPixelLayout::BayerPacked: {
        // Two pixels in three bytes: the high eight bits of each first and
        // last, their low bits in the middle byte (first pixel's in bits 0-3,
        // second's in bits 4-7).
        const int lowBits = format.significantBits - 8;
        const uint16_t lowMask = static_cast<uint16_t>((1u << lowBits) - 1);
        for (size_t i = 0; i + 1 < samples.size(); i += 2) {
            const uint16_t first = static_cast<uint16_t>(samples[i] >> dropBits);
            const uint16_t second = static_cast<uint16_t>(samples[i + 1] >> dropBits);
            uint8_t* group = out + i / 2 * 3;
            group[0] = static_cast<uint8_t>(first >> lowBits);
            group[1] = static_cast<uint8_t>((first & lowMask) | ((second & lowMask) << 4));
            group[2] = static_cast<uint8_t>(second >> lowBits);
        }
        break;
    }
    }
}

} // namespace

std::array<uint16_t, 3> SimPattern::SceneAt(uint32_t x, uint32_t y, uint32_t sensorWidth, uint32_t sensorHeight,
                                            uint32_t frame)
{
    return SceneOfRow(RowKind(y, sensorHeight), x, sensorWidth, frame);
}

double SimPattern::SceneMeanLuminance(uint32_t sensorWidth, uint32_t sensorHeight)
{
    double sum = 0.0;
    for (uint32_t row = 0; row < kMeanSamples; ++row) {
        for (uint32_t column = 0; column < kMeanSamples; ++column) {
            const uint32_t x = column * sensorWidth / kMeanSamples;
            const uint32_t y = row * sensorHeight / kMeanSamples;
            sum += Luminance(SceneAt(x, y, sensorWidth, sensorHeight, 0));
        }
    }
    return sum / (kMeanSamples * kMeanSamples);
}

std::array<double, 3> SimPattern::Illuminant()
{
    // A warm light: a white balance has to lower red and raise blue.
    return {1.15, 1.0, 0.85};
}

void SimPattern::BuildLookUpTables(const SimFrameSettings& settings)
{
    for (int channel = 0; channel < static_cast<int>(lookUp_.size()); ++channel) {
        std::vector<uint16_t>& table = lookUp_[channel];
        table.resize(kFullScale + 1);
        const SimGammaTable* gamma = nullptr;
        if (settings.gamma)
            gamma = &(*settings.gamma)[channel == kLuminance ? 3 : SceneChannel(channel)];
        const double gain = settings.gains[channel];
        for (uint32_t scene = 0; scene <= kFullScale; ++scene) {
            const double signal = settings.blackLevel + scene * gain;
            auto value = static_cast<uint32_t>(std::clamp(std::lround(signal), 0L, static_cast<long>(kFullScale)));
            if (gamma != nullptr)
                value = std::min<uint32_t>((*gamma)[value], kFullScale);
            table[scene] = static_cast<uint16_t>((value << 4) | (value >> 8));
        }
    }
}

void SimPattern::BuildRow(const SimFrameSettings& settings, uint32_t sensorRow, bool oddRow, uint8_t* out)
{
    const SimPixelFormat& format = *settings.format;
    const int kind = RowKind(sensorRow, settings.sensorHeight);
    const bool rgb = format.layout == SimPixelLayout::Rgb8 || format.layout == SimPixelLayout::Bgr8;
    std::vector<uint16_t> samples(columns_.size() * (rgb ? 3 : 1));
    for (size_t x = 0; x < columns_.size(); ++x) {
        const std::array<uint16_t, 3> scene = SceneOfRow(kind, columns_[x], settings.sensorWidth, settings.frame);
        if (rgb) {
            const uint16_t red = lookUp_[kRed][scene[0]];
            const uint16_t green = lookUp_[kGreenOnRed][scene[1]];
            const uint16_t blue = lookUp_[kBlue][scene[2]];
            const bool bgr = format.layout == SimPixelLayout::Bgr8;
            samples[3 * x] = bgr ? blue : red;
            samples[3 * x + 1] = green;
            samples[3 * x + 2] = bgr ? red : blue;
        } else if (format.IsBayer()) {
            const int channel = kSites[static_cast<int>(format.pattern)][oddRow ? 1 : 0][x & 1];
            samples[x] = lookUp_[channel][scene[SceneChannel(channel)]];
        } else {
            samples[x] = lookUp_[kLuminance][Luminance(scene)];
        }
    }
    PackRow(format, samples, out);
}

bool SimPattern::Fill(const SimFrameSettings& settings, uint8_t* data, size_t size)
{
    const SimPixelFormat* format = settings.format;
    if (format == nullptr || settings.width == 0 || settings.height == 0 || settings.sensorWidth == 0 ||
        settings.sensorHeight == 0)
        return false;
    if (format->ImageBytes(settings.width, settings.height) > size)
        return false;
    BuildLookUpTables(settings);

    const uint32_t stepX = std::max<uint32_t>(settings.binningHorizontal * settings.decimationHorizontal, 1);
    const uint32_t stepY = std::max<uint32_t>(settings.binningVertical * settings.decimationVertical, 1);
    columns_.resize(settings.width);
    for (uint32_t x = 0; x < settings.width; ++x) {
        uint32_t sensorX = std::min<uint32_t>((settings.offsetX + x) * stepX, settings.sensorWidth - 1);
        if (settings.reverseX)
            sensorX = settings.sensorWidth - 1 - sensorX;
        columns_[x] = sensorX;
    }

    // Rows of one kind and parity are identical, so each is built once.
    const size_t rowBytes = format->ImageBytes(settings.width, 1);
    rowCache_.resize(2 * kRowKinds);
    rowBuilt_.assign(2 * kRowKinds, false);
    for (uint32_t y = 0; y < settings.height; ++y) {
        uint32_t sensorY = std::min<uint32_t>((settings.offsetY + y) * stepY, settings.sensorHeight - 1);
        if (settings.reverseY)
            sensorY = settings.sensorHeight - 1 - sensorY;
        const bool oddRow = format->IsBayer() && (y & 1) != 0;
        const size_t slot = 2 * static_cast<size_t>(RowKind(sensorY, settings.sensorHeight)) + (oddRow ? 1 : 0);
        if (!rowBuilt_[slot]) {
            rowCache_[slot].resize(rowBytes);
            BuildRow(settings, sensorY, oddRow, rowCache_[slot].data());
            rowBuilt_[slot] = true;
        }
        std::memcpy(data + static_cast<size_t>(y) * rowBytes, rowCache_[slot].data(), rowBytes);
    }
    return true;
}
