// Integer zeros of an integer polynomial: the exact zero test, the search among the divisors of
// the absolute term, the division by (x - r), and the snapping of nearly whole solutions.

#include "core/int_helpers.h"
#include "solver/solver_steps.h"

#include <algorithm>
#include <cmath>

namespace quadrova {

namespace {

__extension__ typedef __int128 Ganz128; // a GCC type; __extension__ marks the use as deliberate

std::uint64_t betrag(std::int64_t n) {
    return n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

} // namespace

bool IstNullstelle(const IntVec& a, std::int64_t x) {
    if (x == 0) return a[0] == 0;
    // With u(0) = a(0) and u(k+1) = u(k) / x + a(k+1), the sum a(0) + ... + a(k) x^k equals u(k) x^k
    // as long as x divides every u before it; so p(x) = 0 exactly when every division goes up and
    // u(d) = 0. Each u stays below 7 * 2^63 in magnitude, far inside 128 bits.
    const int d = Grad(a);
    Ganz128 u = a[0];
    for (int k = 0; k < d; ++k) {
        if (u % x != 0) return false;
        u = u / x + a[k + 1];
    }
    return u == 0;
}

bool ImSchulbereich(const IntVec& a) {
    return std::all_of(a.begin(), a.end(), [](std::int64_t c) { return betrag(c) <= kSchulGrenze; });
}

bool FindeGanzzNullstelle(AnalysisState& st, const IntVec& a, std::int64_t& r) {
    if (a[0] == 0 || !ImSchulbereich(a)) return false;
    // Every integer zero divides the absolute term of a / FeldGgT(a), so its divisors suffice; taken
    // in ascending order with n before -n, the first hit is the zero of smallest magnitude.
    const std::int64_t g = FeldGgT(a);
    const std::int64_t m = static_cast<std::int64_t>(betrag(a[0])) / std::max<std::int64_t>(g, 1);
    if (m > kTeilerGrenze || !TeilerBestimmung(st, m)) return false;
    const auto anzahl = static_cast<std::int64_t>(st.Sammelfeld[0]);
    for (std::int64_t k = 1; k <= anzahl; ++k) {
        const auto n = static_cast<std::int64_t>(st.Sammelfeld[static_cast<std::size_t>(k)]);
        if (IstNullstelle(a, n)) {
            r = n;
            return true;
        }
        if (IstNullstelle(a, -n)) {
            r = -n;
            return true;
        }
    }
    return false;
}

bool PolyDiv(const IntVec& a, std::int64_t r, IntVec& quotient) {
    quotient[4] = a[5];
    for (int n = 3; n >= 0; --n) {
        std::int64_t produkt = 0;
        if (__builtin_mul_overflow(r, quotient[n + 1], &produkt)) return false;
        if (__builtin_add_overflow(a[n + 1], produkt, &quotient[n])) return false;
    }
    return true;
}

void Speichern(SolArray& lsg, double v) {
    const int n = static_cast<int>(lsg[0]);
    if (n < 0 || n >= static_cast<int>(lsg.size()) - 1) return;
    lsg[0] = n + 1;
    lsg[static_cast<std::size_t>(n) + 1] = v;
}

double Einrasten(const IntVec& a, double v) {
    if (!std::isfinite(v)) return v;
    const double w = std::round(v);
    if (std::fabs(v - w) > 1e-9 * std::max(1.0, std::fabs(v))) return v;
    if (std::fabs(w) >= 9223372036854775808.0) return v;
    const auto ganz = static_cast<std::int64_t>(w);
    return IstNullstelle(a, ganz) ? static_cast<double>(ganz) : v;
}

} // namespace quadrova
