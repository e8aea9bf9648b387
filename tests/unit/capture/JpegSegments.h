#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A JPEG stream cut into its marker segments, read independently of the encoder.
struct JpegSegment {
    uint8_t marker = 0;           // the byte after FF
    std::vector<uint8_t> payload; // after the two length bytes
};

struct JpegLayout {
    std::vector<JpegSegment> segments; // SOI first; SOS is the last one
    std::vector<uint8_t> scanData;     // entropy-coded bytes as stored (stuffed)
    bool endsWithEoi = false;
};

std::optional<JpegLayout> ParseJpeg(const std::vector<uint8_t>& bytes);

// The first segment with this marker, or null.
const JpegSegment* FindSegment(const JpegLayout& layout, uint8_t marker);
