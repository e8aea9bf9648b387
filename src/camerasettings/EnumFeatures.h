#pragma once

#include "sdk/SdkGenParameter.h"

#include <string>
#include <vector>

// Enumeration features by entry: what the integer feature access operations
// cannot do. Like them, a missing feature, another type or a failed call
// gives false and changes nothing.

// The entries in index order; false when any cannot be read.
bool ReadEnumEntries(SdkGenParameterArray* features, const std::string& name, std::vector<SdkGenEnumEntry>& entries);
// Whether the enumeration has an entry of that name.
bool HasEnumEntry(SdkGenParameterArray* features, const std::string& name, const std::string& entryName);
// Sets the enumeration to the entry of that name.
bool WriteEnumEntry(SdkGenParameterArray* features, const std::string& name, const std::string& entryName);
