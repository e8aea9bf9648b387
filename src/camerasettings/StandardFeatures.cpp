#include "camerasettings/StandardFeatures.h"

#include "camera/FeatureAccess.h"
#include "sdk/SdkGenParameter.h"

#include <algorithm>
#include <array>

namespace {

struct StandardAlternative {
    const char* own;
    std::array<const char*, 2> standard;
};

// The program's names and the standard ones that stand for the same setting.
constexpr std::array<StandardAlternative, 4> kAlternatives = {{
    {"GainRaw", {"Gain", nullptr}},
    {"ExposureTimeRaw", {"ExposureTime", "ExposureTimeAbs"}},
    {"BlackLevelRaw", {"BlackLevel", nullptr}},
    {"AcquisitionFrameRate", {"AcquisitionFrameRateAbs", nullptr}},
}};

struct EnablingBoolean {
    const char* feature;
    const char* enable;
};

constexpr std::array<EnablingBoolean, 2> kEnablers = {{
    {"AcquisitionFrameRate", "AcquisitionFrameRateEnable"},
    {"AcquisitionFrameRateAbs", "AcquisitionFrameRateEnable"},
}};

} // namespace

std::vector<std::string> FeatureNameCandidates(const std::string& feature)
{
    std::vector<std::string> names{feature};
    const auto found = std::find_if(kAlternatives.begin(), kAlternatives.end(),
                                    [&feature](const StandardAlternative& entry) { return feature == entry.own; });
    if (found != kAlternatives.end()) {
        for (const char* name : found->standard) {
            if (name)
                names.emplace_back(name);
        }
    }
    return names;
}

std::string ResolveFeatureName(SdkGenParameterArray* features, const std::string& feature)
{
    for (const std::string& name : FeatureNameCandidates(feature)) {
        if (IsFeatureAvailable(features, name))
            return name;
    }
    return feature;
}

bool EnableStandardFeature(SdkGenParameterArray* features, const std::string& feature)
{
    for (const EnablingBoolean& entry : kEnablers) {
        if (feature != entry.feature || !IsFeatureAvailable(features, entry.enable))
            continue;
        int32_t enabled = 0;
        if (ReadFeatureValue(features, entry.enable, enabled) && enabled != 0)
            return true;
        return WriteFeatureValue(features, entry.enable, 1);
    }
    return true;
}

bool IsFeatureWritable(SdkGenParameterArray* features, const std::string& feature)
{
    const SdkGenParameter* parameter = features ? features->Get(feature) : nullptr;
    return parameter && parameter->IsWritable();
}

const std::vector<StandardSettingsKey>& StandardSettingsKeys()
{
    static const std::vector<StandardSettingsKey> keys = {
        {"LightControl", "Gain"},       {"LightControl", "ExposureTime"},        {"LightControl", "ExposureTimeAbs"},
        {"LightControl", "BlackLevel"}, {"Other", "AcquisitionFrameRateEnable"},
    };
    return keys;
}
