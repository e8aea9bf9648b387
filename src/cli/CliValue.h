#pragma once

// Feature values as lumivex-cli prints and parses them.

#include "sdk/SdkGenParameter.h"

#include <string>

// "integer", "enumeration", "boolean", "string", "command" or "float".
const char* CliTypeName(SdkGenType type);
// "RW", "RO", "WO" or "--".
const char* CliAccessText(const SdkGenParameter& parameter);
// "Beginner", "Expert", "Guru" or "Invisible".
const char* CliVisibilityName(SdkVisibility visibility);

// The value as text: integers in decimal, floats as the shortest text that
// reads back the same (plain decimals unless tiny or huge), enumerations by entry name, booleans as true/false.
SdkResult CliValueText(const SdkGenParameter& parameter, std::string& text);

// Integers "min..max step inc", floats "min..max", enumerations their
// available entries separated by '|'; empty for other kinds.
SdkResult CliRangeText(const SdkGenParameter& parameter, std::string& text);

// Sets the parameter from text in the forms CliValueText gives (integers
// also in hexadecimal as 0x..., enumerations also by integer value).
// INVALID_DATA_FORMAT when the text is no value of the parameter's kind.
SdkResult CliSetValue(SdkGenParameter& parameter, const std::string& text);
