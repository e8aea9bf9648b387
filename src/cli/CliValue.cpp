#include "cli/CliValue.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

bool ParseInteger(std::string_view text, int64_t& value)
{
    bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return false;
    if (negative ? magnitude > uint64_t{1} << 63 : magnitude > uint64_t{INT64_MAX})
        return false;
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool ParseFloat(std::string_view text, double& value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // from_chars reads "nan" and "inf"; no camera value is either.
    return error == std::errc{} && end == text.data() + text.size() && !text.empty() && std::isfinite(value);
}

// Plain decimals read better than exponents across the range cameras use.
constexpr double kSmallestPlain = 1e-4;
constexpr double kLargestPlain = 1e15;

std::string FloatText(double value)
{
    char text[64];
    double magnitude = std::fabs(value);
    bool plain = magnitude == 0 || (magnitude >= kSmallestPlain && magnitude < kLargestPlain);
    auto [end, error] = plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                              : std::to_chars(text, text + sizeof text, value);
    return error == std::errc{} ? std::string(text, end) : std::string();
}

} // namespace

const char* CliTypeName(SdkGenType type)
{
    switch (type) {
    case SDK_GEN_INTEGER:
        return "integer";
    case SDK_GEN_ENUM:
        return "enumeration";
    case SDK_GEN_BOOLEAN:
        return "boolean";
    case SDK_GEN_STRING:
        return "string";
    case SDK_GEN_COMMAND:
        return "command";
    case SDK_GEN_FLOAT:
        return "float";
    }
    return "unknown";
}

const char* CliAccessText(const SdkGenParameter& parameter)
{
    bool readable = parameter.IsReadable();
    bool writable = parameter.IsWritable();
    return readable && writable ? "RW" : readable ? "RO" : writable ? "WO" : "--";
}

const char* CliVisibilityName(SdkVisibility visibility)
{
    switch (visibility) {
    case SDK_VISIBILITY_BEGINNER:
        return "Beginner";
    case SDK_VISIBILITY_EXPERT:
        return "Expert";
    case SDK_VISIBILITY_GURU:
        return "Guru";
    case SDK_VISIBILITY_INVISIBLE:
        return "Invisible";
    }
    return "Invisible";
}

SdkResult CliValueText(const SdkGenParameter& parameter, std::string& text)
{
    if (auto* integer = dynamic_cast<const SdkGenInteger*>(&parameter)) {
        int64_t value = 0;
        SdkResult result = integer->GetValue(value);
        text = std::to_string(value);
        return result;
    }
    if (auto* number = dynamic_cast<const SdkGenFloat*>(&parameter)) {
        double value = 0;
        SdkResult result = number->GetValue(value);
        text = FloatText(value);
        return result;
    }
    if (auto* enumeration = dynamic_cast<const SdkGenEnum*>(&parameter))
        return enumeration->GetValue(text);
    if (auto* boolean = dynamic_cast<const SdkGenBoolean*>(&parameter)) {
        bool value = false;
        SdkResult result = boolean->GetValue(value);
        text = value ? "true" : "false";
        return result;
    }
    if (auto* string = dynamic_cast<const SdkGenString*>(&parameter))
        return string->GetValue(text);
    return SdkResult::NOT_SUPPORTED;
}

SdkResult CliRangeText(const SdkGenParameter& parameter, std::string& text)
{
    text.clear();
    if (auto* integer = dynamic_cast<const SdkGenInteger*>(&parameter)) {
        int64_t min = 0;
        int64_t max = 0;
        int64_t increment = 0;
        SdkResult result = integer->GetMin(min);
        if (result.IsOK())
            result = integer->GetMax(max);
        if (result.IsOK())
            result = integer->GetIncrement(increment);
        if (result.IsOK())
            text = std::to_string(min) + ".." + std::to_string(max) + " step " + std::to_string(increment);
        return result;
    }
    if (auto* number = dynamic_cast<const SdkGenFloat*>(&parameter)) {
        double min = 0;
        double max = 0;
        SdkResult result = number->GetMin(min);
        if (result.IsOK())
            result = number->GetMax(max);
        if (result.IsOK())
            text = FloatText(min) + ".." + FloatText(max);
        return result;
    }
    if (auto* enumeration = dynamic_cast<const SdkGenEnum*>(&parameter)) {
        uint32_t count = 0;
        SdkResult result = enumeration->GetEntriesCount(count);
        for (uint32_t i = 0; result.IsOK() && i < count; ++i) {
            SdkGenEnumEntry entry;
            result = enumeration->GetEntryByIndex(i, entry);
            if (result.IsOK() && entry.IsAvailable())
                text += (text.empty() ? "" : "|") + entry.GetName();
        }
        return result;
    }
    return SdkResult::OK;
}

SdkResult CliSetValue(SdkGenParameter& parameter, const std::string& text)
{
    if (auto* integer = dynamic_cast<SdkGenInteger*>(&parameter)) {
        int64_t value = 0;
        return ParseInteger(text, value) ? integer->SetValue(value) : SdkResult(SdkResult::INVALID_DATA_FORMAT);
    }
    if (auto* number = dynamic_cast<SdkGenFloat*>(&parameter)) {
        double value = 0;
        return ParseFloat(text, value) ? number->SetValue(value) : SdkResult(SdkResult::INVALID_DATA_FORMAT);
    }
    if (auto* enumeration = dynamic_cast<SdkGenEnum*>(&parameter)) {
        int64_t value = 0;
        return ParseInteger(text, value) ? enumeration->SetValue(value) : enumeration->SetValue(text);
    }
    if (auto* boolean = dynamic_cast<SdkGenBoolean*>(&parameter)) {
        if (text == "true" || text == "1")
            return boolean->SetValue(true);
        if (text == "false" || text == "0")
            return boolean->SetValue(false);
        return SdkResult::INVALID_DATA_FORMAT;
    }
    if (auto* string = dynamic_cast<SdkGenString*>(&parameter))
        return string->SetValue(text);
    return SdkResult::NOT_SUPPORTED;
}
