#include "imaging/OverlaySettings.h"

#include "profile/Profile.h"

#include <algorithm>
#include <string>

namespace {

uint32_t ReadUnsigned(const Profile& profile, const char* section, const char* key, uint32_t defaultValue)
{
    return static_cast<uint32_t>(profile.GetInt(section, key, static_cast<int>(defaultValue)));
}

// Counts and steps of 0 would leave nothing to divide by or to grow.
uint32_t AtLeastOne(uint32_t value)
{
    return std::max<uint32_t>(value, 1);
}

bool WriteUnsigned(Profile& profile, const char* section, const char* key, uint32_t value)
{
    return profile.WriteString(section, key, std::to_string(value));
}

} // namespace

GridSettings ReadGridSettings(const std::string& settingsPath)
{
    const Profile profile(settingsPath);
    const GridSettings defaults;
    GridSettings settings;
    settings.columns = AtLeastOne(ReadUnsigned(profile, kGridSection, kGridColumnsKey, defaults.columns));
    settings.rows = AtLeastOne(ReadUnsigned(profile, kGridSection, kGridRowsKey, defaults.rows));
    settings.offsetX = ReadUnsigned(profile, kGridSection, kGridOffsetXKey, defaults.offsetX);
    settings.offsetY = ReadUnsigned(profile, kGridSection, kGridOffsetYKey, defaults.offsetY);
    return settings;
}

EllipseSettings ReadEllipseSettings(const std::string& settingsPath)
{
    const Profile profile(settingsPath);
    const EllipseSettings defaults;
    EllipseSettings settings;
    settings.radiusStepX = AtLeastOne(ReadUnsigned(profile, kEllipseSection, kEllipseRadiusXKey, defaults.radiusStepX));
    settings.radiusStepY = AtLeastOne(ReadUnsigned(profile, kEllipseSection, kEllipseRadiusYKey, defaults.radiusStepY));
    return settings;
}

bool WriteGridSettings(const std::string& settingsPath, const GridSettings& settings)
{
    Profile profile(settingsPath);
    return WriteUnsigned(profile, kGridSection, kGridColumnsKey, settings.columns) &&
           WriteUnsigned(profile, kGridSection, kGridRowsKey, settings.rows) &&
           WriteUnsigned(profile, kGridSection, kGridOffsetXKey, settings.offsetX) &&
           WriteUnsigned(profile, kGridSection, kGridOffsetYKey, settings.offsetY);
}

bool WriteEllipseSettings(const std::string& settingsPath, const EllipseSettings& settings)
{
    Profile profile(settingsPath);
    return WriteUnsigned(profile, kEllipseSection, kEllipseRadiusXKey, settings.radiusStepX) &&
           WriteUnsigned(profile, kEllipseSection, kEllipseRadiusYKey, settings.radiusStepY);
}
