#include "camerasettings/EnumFeatures.h"

#include <algorithm>

namespace {

SdkGenEnum* FindEnum(SdkGenParameterArray* features, const std::string& name)
{
    if (!features)
        return nullptr;
    SdkGenParameter* parameter = features->Get(name);
    if (!parameter || parameter->GetType() != SDK_GEN_ENUM)
        return nullptr;
    return dynamic_cast<SdkGenEnum*>(parameter);
}

} // namespace

bool ReadEnumEntries(SdkGenParameterArray* features, const std::string& name, std::vector<SdkGenEnumEntry>& entries)
{
    SdkGenEnum* enumeration = FindEnum(features, name);
    uint32_t count = 0;
    if (!enumeration || !enumeration->GetEntriesCount(count).IsOK())
        return false;
    std::vector<SdkGenEnumEntry> read(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (!enumeration->GetEntryByIndex(i, read[i]).IsOK())
            return false;
    }
    entries = std::move(read);
    return true;
}

bool HasEnumEntry(SdkGenParameterArray* features, const std::string& name, const std::string& entryName)
{
    std::vector<SdkGenEnumEntry> entries;
    return ReadEnumEntries(features, name, entries) &&
           std::any_of(entries.begin(), entries.end(),
                       [&](const SdkGenEnumEntry& entry) { return entry.GetName() == entryName; });
}

bool WriteEnumEntry(SdkGenParameterArray* features, const std::string& name, const std::string& entryName)
{
    SdkGenEnum* enumeration = FindEnum(features, name);
    return enumeration && enumeration->SetValue(entryName).IsOK();
}
