#include "core/set_format.h"

#include "core/int_helpers.h"
#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace quadrova {

namespace {

// The compact exponent form of x with p significant digits, such as "1.23e6" or "-1.2e-5":
// the mantissa rounded like printf's %e, trailing zeros and point dropped, the exponent plain.
std::string exponentForm(double x, int p) {
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, p - 1);
    const std::string t(buf.data(), res.ptr);
    const auto e = t.find('e');
    std::string mantisse = t.substr(0, e);
    if (mantisse.find('.') != std::string::npos) {
        while (mantisse.ends_with('0')) mantisse.pop_back();
        if (mantisse.ends_with('.')) mantisse.pop_back();
    }
    const int exponent = std::stoi(t.substr(e + 1)); // "+06" -> 6, "-05" -> -5
    return mantisse + "e" + Str(exponent);
}

// The text of a cell that is too long for w characters, or nothing when no honest text fits.
std::optional<std::string> kuerzen(const std::string& t, double x, int w) {
    const auto punkt = t.find('.');
    // Cutting is honest only when it drops nothing but decimals.
    if (punkt != std::string::npos && t.find('e') == std::string::npos &&
        punkt <= static_cast<std::size_t>(w)) {
        return t.substr(0, static_cast<std::size_t>(w));
    }
    if (!std::isfinite(x)) return std::nullopt;
    for (int p = 6; p >= 1; --p) {
        std::string k = exponentForm(x, p);
        if (k.size() <= static_cast<std::size_t>(w)) return k;
    }
    return std::nullopt;
}

} // namespace

double Runden(double x) {
    if (IstNull(x / 10)) return 0;
    // The small addend makes a magnitude that lies exactly halfway round up.
    const double r = std::round(std::fabs(x) * 100000 + 0.0000001);
    return signum(x) * r / 100000;
}

std::string Feld2Menge(std::span<const double> a) {
    if (a.empty()) return "{}";
    const double k = std::floor(a[0]);
    if (k == -1) return "ganz R";
    std::size_t n = 0;
    if (k >= 1) n = k >= static_cast<double>(a.size() - 1) ? a.size() - 1 : static_cast<std::size_t>(k);
    std::string t = "{";
    for (std::size_t i = 1; i <= n; ++i) {
        if (i > 1) t += ", ";
        t += Str(Runden(a[i]));
    }
    return t + "}";
}

std::string Teilermenge(AnalysisState& st, std::int64_t a) {
    if (a == 0) return "ganz Z";
    TeilerDesBetrags(st, a);
    return Feld2Menge(st.Sammelfeld);
}

void Lsg2Nullst(AnalysisState& st, int i, const SolArray& a) {
    st.Nullstellen.at(static_cast<std::size_t>(i)) = a;
}

std::string Norm(double x, int w) {
    if (w < 0) w = 0;
    const std::size_t breite = static_cast<std::size_t>(w);
    const double wert = IstNull(x) ? 0.0 : x;
    std::string t = Str(wert);
    if (t.size() > breite) t = kuerzen(t, wert, w).value_or(std::string(breite, '#'));
    if (t.size() < breite) t.append(breite - t.size(), '_');
    return "_" + t + "| ";
}

} // namespace quadrova
