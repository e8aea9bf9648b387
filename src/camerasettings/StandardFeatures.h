#pragma once

#include <string>
#include <vector>

class SdkGenParameterArray;

// Cameras that follow the GenICam Standard Features Naming Convention offer
// the pages' settings under the standard names: a float Gain in dB instead of
// GainRaw, a float ExposureTime (or ExposureTimeAbs) in microseconds instead
// of ExposureTimeRaw, and so on. The pages bind their own name when the camera
// has it and fall back to the standard names in this order.

// The names to try for a feature of the pages, its own name first.
std::vector<std::string> FeatureNameCandidates(const std::string& feature);

// The first candidate the camera offers (IsFeatureAvailable); the feature's
// own name when it offers none, or without a camera.
std::string ResolveFeatureName(SdkGenParameterArray* features, const std::string& feature);

// Some standard features take effect only while a boolean beside them is set
// (AcquisitionFrameRate needs AcquisitionFrameRateEnable). Sets that boolean
// when the camera has one for the feature; true when there is none or it was
// set.
bool EnableStandardFeature(SdkGenParameterArray* features, const std::string& feature);

// Whether the camera can write the feature now (it exists and its access
// mode allows writing).
bool IsFeatureWritable(SdkGenParameterArray* features, const std::string& feature);

// The standard features the camera settings file keeps beside the program's
// own keys, in the order a load writes them back, per section prefix.
struct StandardSettingsKey {
    const char* section; // "LightControl", "Other"
    const char* feature;
};
const std::vector<StandardSettingsKey>& StandardSettingsKeys();
