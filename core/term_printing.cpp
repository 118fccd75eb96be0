#include "core/term_printing.h"

#include "core/number_text.h"

#include <cmath>

namespace quadrova {

namespace {

// Magnitude without overflow, also for the most negative int64.
std::uint64_t betrag(std::int64_t n) {
    return n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

const char* potenzText(int k) {
    static constexpr const char* texte[] = {"1", "x", "x^2", "x^3", "x^4", "x^5", "x^6"};
    return texte[k];
}

} // namespace

std::string Mabs(std::int64_t n) {
    const std::uint64_t d = betrag(n);
    if (d == 1) return "";
    if (d > static_cast<std::uint64_t>(INT64_MAX)) return "9223372036854775808";
    return Str(static_cast<std::int64_t>(d));
}

std::string Koeff2Term(const IntVec& v) {
    int m = 0;
    for (int k = 5; k >= 1; --k) {
        if (v[k] != 0) {
            m = k;
            break;
        }
    }
    std::string t;
    for (int k = m; k >= 1; --k) {
        if (v[k] == 0) continue;
        t += v[k] < 0 ? " - " : " + ";
        t += Mabs(v[k]);
        t += potenzText(k);
    }
    if (v[0] != 0) {
        t += v[0] < 0 ? " - " : " + ";
        t += Str(std::fabs(static_cast<double>(v[0])));
    }
    if (t.starts_with(" +")) t.erase(0, 2);
    if (t.empty()) return "0";
    return t;
}

std::string Koeff2Gl(const IntVec& v) {
    return Koeff2Term(v) + " = 0";
}

} // namespace quadrova
