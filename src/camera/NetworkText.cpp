#include "camera/NetworkText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr int kAddressBytes = 4;
constexpr int kMacBytes = 6;
constexpr unsigned kMaxByte = 255;

int ByteAt(uint64_t value, int index)
{
    return static_cast<int>((value >> (8 * index)) & 0xFF);
}

} // namespace

QString FormatIPv4(uint32_t address)
{
    return QString::asprintf("%3i.%3i.%3i.%3i", ByteAt(address, 3), ByteAt(address, 2), ByteAt(address, 1),
                             ByteAt(address, 0));
}

std::optional<uint32_t> ParseIPv4(const std::string& text)
{
    uint32_t address = 0;
    const char* position = text.data();
    const char* end = text.data() + text.size();
    for (int part = 0; part < kAddressBytes; ++part) {
        if (part > 0) {
            if (position == end || *position != '.')
                return std::nullopt;
            ++position;
        }
        unsigned byte = 0;
        const auto [next, error] = std::from_chars(position, end, byte);
        if (error != std::errc() || byte > kMaxByte)
            return std::nullopt;
        address = (address << 8) | byte;
        position = next;
    }
    if (position != end)
        return std::nullopt;
    return address;
}

QString FormatMACAddress(uint64_t address)
{
    QString text;
    for (int index = kMacBytes - 1; index >= 0; --index) {
        text += QString::asprintf("%02X", ByteAt(address, index));
        if (index > 0)
            text += QLatin1Char(':');
    }
    return text;
}

int32_t ParseLeadingDecimal(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype position = 0;
    bool negative = false;
    if (position < trimmed.size() && (trimmed[position] == QLatin1Char('-') || trimmed[position] == QLatin1Char('+'))) {
        negative = trimmed[position] == QLatin1Char('-');
        ++position;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; position < trimmed.size(); ++position) {
        const char16_t c = trimmed[position].unicode();
        if (c < u'0' || c > u'9')
            break;
        magnitude = std::min<int64_t>(magnitude * 10 + (c - u'0'), kLimit);
    }
    if (negative)
        return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(std::min<int64_t>(magnitude, std::numeric_limits<int32_t>::max()));
}
