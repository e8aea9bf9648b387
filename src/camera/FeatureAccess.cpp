#include "camera/FeatureAccess.h"

#include "sdk/SdkGenParameter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The feature of that name when it has the wanted type, else null.
template <typename Typed>
Typed* FindTyped(SdkGenParameterArray* features, const std::string& name, SdkGenType type)
{
    if (!features)
        return nullptr;
    SdkGenParameter* parameter = features->Get(name);
    if (!parameter || parameter->GetType() != type)
        return nullptr;
    return dynamic_cast<Typed*>(parameter);
}

int32_t Low32(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

int32_t Saturated32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The entry whose value has these low 32 bits, an exact match first: pixel
// formats with the custom bit (0x80000000) read as negative numbers.
int64_t EntryValue(const SdkGenEnum& enumeration, int32_t value)
{
    uint32_t count = 0;
    if (!enumeration.GetEntriesCount(count).IsOK())
        return value;
    int64_t found = value;
    for (uint32_t i = count; i-- > 0;) {
        SdkGenEnumEntry entry;
        if (!enumeration.GetEntryByIndex(i, entry).IsOK())
            continue;
        if (entry.GetValue() == value)
            return value;
        if (Low32(entry.GetValue()) == value)
            found = entry.GetValue();
    }
    return found;
}

} // namespace

bool ReadFeatureValue(SdkGenParameterArray* features, const std::string& name, int32_t& value)
{
    if (auto* integer = FindTyped<SdkGenInteger>(features, name, SDK_GEN_INTEGER)) {
        int64_t read = 0;
        if (!integer->GetValue(read).IsOK())
            return false;
        value = Low32(read);
        return true;
    }
    if (auto* enumeration = FindTyped<SdkGenEnum>(features, name, SDK_GEN_ENUM)) {
        int64_t read = 0;
        if (!enumeration->GetValue(read).IsOK())
            return false;
        value = Low32(read);
        return true;
    }
    if (auto* boolean = FindTyped<SdkGenBoolean>(features, name, SDK_GEN_BOOLEAN)) {
        bool read = false;
        if (!boolean->GetValue(read).IsOK())
            return false;
        value = read ? 1 : 0;
        return true;
    }
    return false;
}

int32_t IntFeatureOrZero(SdkGenParameterArray* features, const std::string& name)
{
    int32_t value = 0;
    return ReadFeatureValue(features, name, value) ? value : 0;
}


bool WriteFeatureValue(SdkGenParameterArray* features, const std::string& name, int32_t value)
{
    if (auto* integer = FindTyped<SdkGenInteger>(features, name, SDK_GEN_INTEGER))
        return integer->SetValue(value).IsOK();
    if (auto* enumeration = FindTyped<SdkGenEnum>(features, name, SDK_GEN_ENUM))
        return enumeration->SetValue(EntryValue(*enumeration, value)).IsOK();
    if (auto* boolean = FindTyped<SdkGenBoolean>(features, name, SDK_GEN_BOOLEAN))
        return boolean->SetValue(value != 0).IsOK();
    return false;
}

bool ReadIntRange(SdkGenParameterArray* features, const std::string& name, int32_t& min, int32_t& max,
                  int32_t& increment)
{
    auto* integer = FindTyped<SdkGenInteger>(features, name, SDK_GEN_INTEGER);
    if (!integer)
        return false;
    int64_t readMin = 0;
    int64_t readMax = 0;
    int64_t readIncrement = 0;
    if (!integer->GetMin(readMin).IsOK() || !integer->GetMax(readMax).IsOK() ||
        !integer->GetIncrement(readIncrement).IsOK())
        return false;
    // The low bits of a range beyond 32 bits could put its ends in either
    // order; saturated, the range holds every 32-bit value the camera's does.
    min = Saturated32(readMin);
    max = Saturated32(readMax);
    increment = std::max(Saturated32(readIncrement), 1);
    return true;
}

bool ReadFloatValue(SdkGenParameterArray* features, const std::string& name, double& value)
{
    auto* real = FindTyped<SdkGenFloat>(features, name, SDK_GEN_FLOAT);
    double read = 0.0;
    if (!real || !real->GetValue(read).IsOK() || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

double FloatFeatureOrZero(SdkGenParameterArray* features, const std::string& name)
{
    double value = 0.0;
    return ReadFloatValue(features, name, value) ? value : 0.0;
}

bool WriteFloatValue(SdkGenParameterArray* features, const std::string& name, double value)
{
    auto* real = FindTyped<SdkGenFloat>(features, name, SDK_GEN_FLOAT);
    return real && std::isfinite(value) && real->SetValue(value).IsOK();
}

bool ReadFloatRange(SdkGenParameterArray* features, const std::string& name, double& max, double& min)
{
    auto* real = FindTyped<SdkGenFloat>(features, name, SDK_GEN_FLOAT);
    double readMax = 0.0;
    double readMin = 0.0;
    if (!real || !real->GetMax(readMax).IsOK() || !real->GetMin(readMin).IsOK() || !std::isfinite(readMax) ||
        !std::isfinite(readMin))
        return false;
    max = readMax;
    min = readMin;
    return true;
}

bool ReadFeatureText(SdkGenParameterArray* features, const std::string& name, std::string& text)
{
    std::string read;
    if (auto* enumeration = FindTyped<SdkGenEnum>(features, name, SDK_GEN_ENUM)) {
        if (!enumeration->GetValue(read).IsOK())
            return false;
        text = read;
        return true;
    }
    if (auto* string = FindTyped<SdkGenString>(features, name, SDK_GEN_STRING)) {
        if (!string->GetValue(read).IsOK())
            return false;
        text = read;
        return true;
    }
    return false;
}

bool ExecuteCommand(SdkGenParameterArray* features, const std::string& name)
{
    auto* command = FindTyped<SdkGenCommand>(features, name, SDK_GEN_COMMAND);
    return command && command->Execute().IsOK();
}

bool IsFeatureAvailable(SdkGenParameterArray* features, const std::string& name)
{
    if (!features)
        return false;
    const SdkGenParameter* parameter = features->Get(name);
    return parameter && parameter->IsVisible(SDK_VISIBILITY_GURU);
}

bool WriteIntClamped(SdkGenParameterArray* features, const std::string& name, int32_t value)
{
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    if (ReadIntRange(features, name, min, max, increment)) {
        if (min > max)
            return false;
        // Clamp first, then drop the remainder: multiples are counted from
        // zero, and C++'s remainder keeps the sign of the value, so negative
        // values move toward zero.
        value = std::max(min, std::min(value, max));
        value -= value % increment;
    }
    return WriteFeatureValue(features, name, value);
}

bool WriteFloatClamped(SdkGenParameterArray* features, const std::string& name, double value)
{
    double max = 0.0;
    double min = 0.0;
    if (ReadFloatRange(features, name, max, min)) {
        if (min > max)
            return false;
        value = std::max(min, std::min(value, max));
    }
    return WriteFloatValue(features, name, value);
}
