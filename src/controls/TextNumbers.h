#pragma once

#include <cstdint>
#include <string_view>

// Numbers typed into the pages' edit boxes, read the way the camera panels
// always have: the leading number counts and the rest of the text is
// ignored, so "12ab" is 12 and text without a leading number is 0. Both
// ignore the user's locale: the decimal point is always '.'.

// Optional blanks, an optional sign and decimal digits. Values beyond the
// signed 32-bit range saturate at its ends.
int32_t ParseDecimalInt(std::string_view text);

// Optional blanks, then a decimal number in point form with an optional
// exponent ("-1.5", "2e3", ".5"); infinities, NaN and numbers beyond a
// double's range give 0.
double ParseDecimalNumber(std::string_view text);
