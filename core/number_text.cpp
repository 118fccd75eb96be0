#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quadrova {

namespace {

// Below 10^15 every whole double is exactly an integer of at most 15 digits, so the plain digits
// are the value itself (and a canonical term's constant never turns into exponent form).
constexpr double kPlainLimit = 1e15;

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string Str(std::int64_t v) {
    std::array<char, 24> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), res.ptr);
}

std::string Str(double v) {
    if (v == 0) return "0"; // also -0
    if (std::isfinite(v) && std::fabs(v) < kPlainLimit && v == std::trunc(v)) {
        return Str(static_cast<std::int64_t>(v));
    }
    // The general format with precision 7 is C's "%.7g" without the locale.
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, 7);
    return std::string(buf.data(), res.ptr);
}

double Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativ = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool ganzteilOhneNull = false; // the part before the point has a non-zero digit
    bool ziffern = false;
    while (i < s.size() && istZiffer(s[i])) {
        if (s[i] != '0') ganzteilOhneNull = true;
        ziffern = true;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && istZiffer(s[i])) {
            ziffern = true;
            ++i;
        }
    }
    if (!ziffern) return 0;
    double wert = 0;
    auto res = std::from_chars(s.data() + start, s.data() + i, wert, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        // A whole part with a non-zero digit is at least 1, so out of range means too large;
        // otherwise the number is too small for a double and reads as 0.
        wert = ganzteilOhneNull ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negativ ? -wert : wert;
}

std::int64_t RundeGanz(double v) {
    if (std::isnan(v)) return 0;
    // 2^63 is exactly representable; every double below it in magnitude rounds into int64.
    constexpr double kGrenze = 9223372036854775808.0;
    if (v >= kGrenze) return std::numeric_limits<std::int64_t>::max();
    if (v <= -kGrenze) return std::numeric_limits<std::int64_t>::min();
    return std::llround(v);
}

} // namespace quadrova
