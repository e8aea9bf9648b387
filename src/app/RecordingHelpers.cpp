#include "app/RecordingHelpers.h"

#include "capture/CCreateAVI.h"
#include "capture/CCreateAVIUseVFW.h"

namespace {

constexpr size_t kGroupDigits = 3;

} // namespace

bool IsCodecInstalled()
{
    return CCreateAVIUseVFW::IsCompressorAvailable(kCompressorMsMpeg4V1);
}

std::string GroupThousands(uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / kGroupDigits);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % kGroupDigits == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}
