#include "controls/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

} // namespace

int32_t ParseDecimalInt(std::string_view text)
{
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        magnitude = std::min(kLimit, magnitude * 10 + (c - '0'));
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

double ParseDecimalNumber(std::string_view text)
{
    text = SkipBlanks(text);
    // from_chars takes no '+'; a '-' it reads itself.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    // Out of range, infinities and NaN are no number a feature can take.
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}
