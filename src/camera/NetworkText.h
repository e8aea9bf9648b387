#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// How the camera selection and network dialogs show addresses.

// "%3i.%3i.%3i.%3i" from the most significant byte down: 192.168.0.10 gives
// "192.168.  0. 10".
QString FormatIPv4(uint32_t address);
// A dotted address text ("192.168.0.10") as a number, most significant byte
// first; none for anything else.
std::optional<uint32_t> ParseIPv4(const std::string& text);
// "%02X:%02X:%02X:%02X:%02X:%02X" from the most significant of the six bytes down.
QString FormatMACAddress(uint64_t address);
// The number that the text's leading decimal digits make, as a typed size is
// read: blanks and one sign before them are taken, the rest is ignored, and a
// text without leading digits gives 0. Saturates at the int32_t limits.
int32_t ParseLeadingDecimal(const QString& text);
