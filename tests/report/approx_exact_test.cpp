// The numeric search against exact real roots (rational arithmetic, Sturm sequences): every real
// zero of f, f' and f'' is found once, to rounding accuracy, on random polynomials and on products
// of whole-numbered linear factors with multiplicities.

#include "report/approximation.h"

#include "claims_exact.h"
#include "core/calculus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>

namespace quadrova {
namespace {

using Koeffizienten = std::array<std::int64_t, 6>;

std::string Text(const Koeffizienten& c) {
    std::ostringstream s;
    for (int k = 5; k >= 0; --k) s << c[static_cast<std::size_t>(k)] << (k > 0 ? " " : "");
    return s.str();
}

void Vergleiche(const Koeffizienten& c) {
    static AnalysisState st;
    init(st);
    for (int k = 0; k <= 5; ++k) {
        st.Poly[k] = c[static_cast<std::size_t>(k)];
        st.Pnom[0][k] = static_cast<double>(c[static_cast<std::size_t>(k)]);
    }
    Ableiten(st);
    Init2(st);
    ErrechneNullstellen(st);
    const claims::ExactCurve exakt = claims::Analyse(c);
    for (int l = 0; l <= 2; ++l) {
        const std::vector<double>& z = exakt.zeros[static_cast<std::size_t>(l)];
        const SolArray& row = st.Nullstellen[l];
        ASSERT_EQ(row[0], static_cast<double>(z.size())) << Text(c) << " row " << l;
        for (std::size_t j = 0; j < z.size(); ++j) {
            EXPECT_NEAR(row[j + 1], z[j], 1e-6 * std::max(1.0, std::fabs(z[j]))) << Text(c) << " row " << l;
            // Whole zeros are exact, whether taken at a split point or snapped after bisection.
            if (z[j] == std::round(z[j])) {
                EXPECT_EQ(row[j + 1], z[j]) << Text(c) << " row " << l;
            }
        }
    }
}

TEST(ErrechneNullstellenExakt, ZufaelligeKoeffizienten) {
    std::mt19937_64 rng(20240611);
    for (int it = 0; it < 120; ++it) {
        const int grad = 3 + static_cast<int>(rng() % 3);
        const std::int64_t r = std::array<std::int64_t, 3>{5, 60, 100000}[it % 3];
        Koeffizienten c{};
        for (int k = 0; k <= grad; ++k)
            c[static_cast<std::size_t>(k)] = static_cast<std::int64_t>(rng() % (2 * r + 1)) - r;
        if (c[static_cast<std::size_t>(grad)] == 0) c[static_cast<std::size_t>(grad)] = 1;
        Vergleiche(c);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Multiple whole zeros are met exactly at split points: (x - r1)(x - r2)... with r in -3..3.
TEST(ErrechneNullstellenExakt, GanzeMehrfacheNullstellen) {
    std::mt19937_64 rng(7);
    for (int it = 0; it < 80; ++it) {
        const int grad = 3 + static_cast<int>(rng() % 3);
        Koeffizienten c{1};
        for (int d = 0; d < grad; ++d) {
            const std::int64_t nullstelle = static_cast<std::int64_t>(rng() % 7) - 3;
            Koeffizienten n{};
            for (int k = 0; k <= d; ++k) {
                n[static_cast<std::size_t>(k + 1)] += c[static_cast<std::size_t>(k)];
                n[static_cast<std::size_t>(k)] -= nullstelle * c[static_cast<std::size_t>(k)];
            }
            c = n;
        }
        Vergleiche(c);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

} // namespace
} // namespace quadrova
