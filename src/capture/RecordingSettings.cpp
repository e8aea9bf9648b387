#include "capture/RecordingSettings.h"

#include "profile/Profile.h"

#include <algorithm>
#include <charconv>

namespace {

// The keys hold unsigned decimal numbers, compressor codes beyond the range of int included.
std::uint32_t ReadUnsigned(const Profile& profile, const char* key, std::uint32_t fallback)
{
    const std::string text = profile.GetString(kRecordingSection, key, {});
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end != text.data() ? value : fallback;
}

} // namespace

RecordingSettings ReadRecordingSettings(const std::string& settingsPath)
{
    const Profile profile(settingsPath);
    RecordingSettings settings;
    settings.frames = ReadUnsigned(profile, kRecordingFrameCountKey, kDefaultRecordingFrames);
    settings.compressor = ReadUnsigned(profile, kRecordingCompressorKey, 0);
    const std::uint32_t quality = ReadUnsigned(profile, kRecordingQualityKey, kDefaultRecordingQuality);
    settings.quality = ClampRecordingQuality(static_cast<int>(std::min<std::uint32_t>(quality, kMaxRecordingQuality)));
    settings.continueAfterLoss = ReadUnsigned(profile, kRecordingContinueAfterLossKey, 0) != 0;
    return settings;
}

bool WriteRecordingSettings(const std::string& settingsPath, const RecordingSettings& settings)
{
    Profile profile(settingsPath);
    const bool frames =
        profile.WriteString(kRecordingSection, kRecordingFrameCountKey, std::to_string(settings.frames));
    const bool compressor =
        profile.WriteString(kRecordingSection, kRecordingCompressorKey, std::to_string(settings.compressor));
    const bool quality = profile.WriteString(kRecordingSection, kRecordingQualityKey,
                                             std::to_string(static_cast<unsigned>(settings.quality)));
    const bool continueAfterLoss =
        profile.WriteString(kRecordingSection, kRecordingContinueAfterLossKey, settings.continueAfterLoss ? "1" : "0");
    return frames && compressor && quality && continueAfterLoss;
}
