#pragma once
// The one conversion of numbers to text for the whole program. Locale-free (std::to_chars).

#include <cstdint>
#include <string>
#include <string_view>

namespace quadrova {

// A whole double below 10^15 in magnitude prints as plain digits; any other double as C's "%.7g"
// (at most 7 significant digits, trailing zeros dropped). Negative zero prints as "0".
std::string Str(double v);

// Integers in plain decimal.
std::string Str(std::int64_t v);
inline std::string Str(int v) { return Str(static_cast<std::int64_t>(v)); }

// Text to number: the value of the longest leading part of s that forms a decimal number (an
// optional sign, digits, at most one point); 0 when there is none ("+5" is 5, "-" is 0, "1.5.3" is 1.5).
double Val(std::string_view s);

// Converts a double that is whole up to rounding error to an integer: round to nearest,
// saturating at the int64 range (NaN gives 0).
std::int64_t RundeGanz(double v);

} // namespace quadrova
