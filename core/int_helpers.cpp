#include "core/int_helpers.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quadrova {

namespace {

std::uint64_t betrag(std::int64_t n) {
    return n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

// Number of members of a counted array, never beyond its last element.
std::size_t anzahl(std::span<const double> a) {
    if (a.empty() || !(a[0] >= 1)) return 0;
    const double grenze = static_cast<double>(a.size() - 1);
    const double n = std::floor(a[0]);
    return n >= grenze ? a.size() - 1 : static_cast<std::size_t>(n);
}

// Prime factorisation by trial division: a divisor above the square root of what is left can only
// be that rest itself, so the search stops there.
std::vector<std::pair<std::uint64_t, int>> primfaktoren(std::uint64_t n) {
    std::vector<std::pair<std::uint64_t, int>> f;
    auto abspalten = [&](std::uint64_t p) {
        int e = 0;
        while (n % p == 0) {
            n /= p;
            ++e;
        }
        if (e > 0) f.emplace_back(p, e);
    };
    abspalten(2);
    abspalten(3);
    // Candidates 6k - 1 and 6k + 1; p <= n / p avoids overflow of p * p.
    for (std::uint64_t p = 5; p <= n / p; p += 6) {
        abspalten(p);
        abspalten(p + 2);
    }
    if (n > 1) f.emplace_back(n, 1);
    return f;
}

} // namespace

std::int64_t ggt(std::int64_t a, std::int64_t b) {
    std::uint64_t u = betrag(a);
    std::uint64_t v = betrag(b);
    if (v < u) std::swap(u, v);
    while (u > 0) {
        const std::uint64_t r = v % u;
        v = u;
        u = r;
    }
    // Only ggt(INT64_MIN, 0) and ggt(INT64_MIN, INT64_MIN) reach 2^63; its two's complement
    // INT64_MIN still divides both arguments exactly.
    return static_cast<std::int64_t>(v);
}

std::int64_t FeldGgT(const IntVec& v) {
    std::int64_t g = v[0];
    for (int i = 1; i <= 6; ++i) {
        if (v[i] != 0) g = ggt(g, v[i]);
    }
    return g;
}

bool TeilerDesBetrags(AnalysisState& st, std::int64_t a) {
    auto& s = st.Sammelfeld;
    s[0] = 0;
    const std::uint64_t n = betrag(a);
    if (n == 0) return true;
    const auto faktoren = primfaktoren(n);
    std::size_t zahl = 1;
    for (const auto& [p, e] : faktoren) zahl *= static_cast<std::size_t>(e + 1);
    if (zahl > static_cast<std::size_t>(kSammelfeldSize)) return false;
    std::vector<std::uint64_t> teiler{1};
    teiler.reserve(zahl);
    for (const auto& [p, e] : faktoren) {
        const std::size_t bisher = teiler.size();
        std::uint64_t potenz = 1;
        for (int k = 1; k <= e; ++k) {
            potenz *= p;
            for (std::size_t i = 0; i < bisher; ++i) teiler.push_back(teiler[i] * potenz);
        }
    }
    std::sort(teiler.begin(), teiler.end());
    for (std::size_t i = 0; i < teiler.size(); ++i) s[i + 1] = static_cast<double>(teiler[i]);
    s[0] = static_cast<double>(teiler.size());
    return true;
}

bool TeilerBestimmung(AnalysisState& st, std::int64_t n) {
    if (n <= 0) {
        st.Sammelfeld[0] = 0;
        return true;
    }
    return TeilerDesBetrags(st, n);
}

void KillDoppel(std::span<double> a) {
    const std::size_t n = anzahl(a);
    if (n < 1) return;
    std::size_t m = 1;
    for (std::size_t b = 2; b <= n; ++b) {
        const double letzter = a[m];
        // Zeros found twice on different roads differ by rounding error only; real school
        // zeros lie much further apart than a millionth of their size.
        if (a[b] - letzter > 1e-6 * std::max(1.0, std::fabs(letzter))) a[++m] = a[b];
    }
    a[0] = static_cast<double>(m);
}

void FeldOrdnen(std::span<double> a) {
    const std::size_t n = anzahl(a);
    if (n < 1) return;
    // Stable, like the exchange sort it replaces; a NaN sorts last so the order stays strict.
    std::stable_sort(a.begin() + 1, a.begin() + 1 + static_cast<std::ptrdiff_t>(n),
                     [](double x, double y) { return x < y || (std::isnan(y) && !std::isnan(x)); });
    KillDoppel(a);
}

int signum(double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

bool IstNull(double x) {
    return std::fabs(x) < 0.0001;
}

int Grad(const IntVec& v) {
    for (int i = 6; i >= 0; --i) {
        if (v[i] != 0) return i;
    }
    return -1;
}

void Fehler(Surface& ui, const std::string& s) {
    ui.meldung("Schwerer Fehler in der Prozedur " + s);
}

} // namespace quadrova
