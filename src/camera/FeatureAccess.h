#pragma once

#include <cstdint>
#include <string>

class SdkGenParameterArray;

// Typed access to camera features by name. Each operation looks the feature
// up, checks its type and makes exactly one attempt; a null array, a missing
// feature, a wrong type or a failed SDK call gives false and changes nothing.
// Integer values pass through as signed 32-bit numbers: the low 32 bits of
// the SDK's 64-bit values. Ranges saturate at the 32-bit limits instead, and
// an increment below 1 reads as 1. Floats that are not finite (NaN, infinite)
// are neither read nor written.

// Integer: its value; enumeration: its integer value; boolean: 1 or 0.
bool ReadFeatureValue(SdkGenParameterArray* features, const std::string& name, int32_t& value);
// The same, 0 when the feature cannot be read.
int32_t IntFeatureOrZero(SdkGenParameterArray* features, const std::string& name);
// Integer: the value; enumeration: the entry with that integer value;
// boolean: value != 0.
bool WriteFeatureValue(SdkGenParameterArray* features, const std::string& name, int32_t value);
// Integer features only.
bool ReadIntRange(SdkGenParameterArray* features, const std::string& name, int32_t& min, int32_t& max,
                  int32_t& increment);

// Float features only. Note the order of ReadFloatRange's results: max, then min.
bool ReadFloatValue(SdkGenParameterArray* features, const std::string& name, double& value);
double FloatFeatureOrZero(SdkGenParameterArray* features, const std::string& name);
bool WriteFloatValue(SdkGenParameterArray* features, const std::string& name, double value);
bool ReadFloatRange(SdkGenParameterArray* features, const std::string& name, double& max, double& min);

// Enumeration: the current entry's name; string: its value.
bool ReadFeatureText(SdkGenParameterArray* features, const std::string& name, std::string& text);
// Command features only.
bool ExecuteCommand(SdkGenParameterArray* features, const std::string& name);
// True when the feature exists and is visible at beginner, expert or guru level.
bool IsFeatureAvailable(SdkGenParameterArray* features, const std::string& name);

// Writes v clamped to the feature's range and reduced to a multiple of its
// increment counted from zero (v - v % increment, so negative values move
// toward zero; an increment below 1 counts as 1). Without a readable range v
// is written unchanged; a range whose minimum is above its maximum takes no
// value, so nothing is written.
bool WriteIntClamped(SdkGenParameterArray* features, const std::string& name, int32_t value);
// Writes x clamped to the feature's float range when that can be read;
// nothing when the range is empty (minimum above maximum).
bool WriteFloatClamped(SdkGenParameterArray* features, const std::string& name, double value);
