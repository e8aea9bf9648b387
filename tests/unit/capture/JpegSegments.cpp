#include "JpegSegments.h"

namespace {
constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kEoi = 0xD9;
} // namespace

std::optional<JpegLayout> ParseJpeg(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != kSoi)
        return std::nullopt;
    JpegLayout layout;
    layout.segments.push_back({kSoi, {}});
    size_t at = 2;
    for (;;) {
        if (at + 4 > bytes.size() || bytes[at] != 0xFF)
            return std::nullopt;
        const uint8_t marker = bytes[at + 1];
        const size_t length = static_cast<size_t>(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > bytes.size())
            return std::nullopt;
        layout.segments.push_back({marker,
                                   {bytes.begin() + static_cast<ptrdiff_t>(at + 4),
                                    bytes.begin() + static_cast<ptrdiff_t>(at + 2 + length)}});
        at += 2 + length;
        if (marker == kSos)
            break;
    }
    // The scan runs to the first FF that is followed neither by a stuffed 00
    // nor by a restart marker (RST0 to RST7).
    size_t end = at;
    while (end + 1 < bytes.size() && !(bytes[end] == 0xFF && bytes[end + 1] != 0x00 && (bytes[end + 1] & 0xF8) != 0xD0))
        end += bytes[end] == 0xFF ? 2 : 1;
    layout.scanData.assign(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.begin() + static_cast<ptrdiff_t>(end));
    layout.endsWithEoi = end + 2 == bytes.size() && bytes[end] == 0xFF && bytes[end + 1] == kEoi;
    return layout;
}

const JpegSegment* FindSegment(const JpegLayout& layout, uint8_t marker)
{
    for (const JpegSegment& segment : layout.segments) {
        if (segment.marker == marker)
            return &segment;
    }
    return nullptr;
}
