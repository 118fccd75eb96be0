#include "report/approximation.h"

#include "core/calculus.h"
#include "core/int_helpers.h"
#include "core/recording_surface.h"
#include "core/set_format.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace quadrova {
namespace {

using testing::MitPolynom;
using testing::SetzeNullstellen;

std::vector<double> Zeile(const AnalysisState& st, int i) {
    const int n = static_cast<int>(st.Nullstellen[i][0]);
    return {st.Nullstellen[i].begin() + 1, st.Nullstellen[i].begin() + 1 + n};
}

std::vector<double> Gerundet(std::vector<double> v) {
    for (double& x : v) x = Runden(x);
    return v;
}

// f from its coefficients, highest power first, with its derivatives.
AnalysisState Polynom(const std::vector<std::int64_t>& hoechsteZuerst) {
    AnalysisState st = MitPolynom({0});
    int k = static_cast<int>(hoechsteZuerst.size()) - 1;
    for (std::int64_t c : hoechsteZuerst) {
        st.Poly[k] = c;
        st.Pnom[0][k] = static_cast<double>(c);
        --k;
    }
    st.PGrad = Grad(st.Poly);
    Ableiten(st);
    return st;
}

AnalysisState Gesucht(const std::vector<std::int64_t>& hoechsteZuerst) {
    AnalysisState st = Polynom(hoechsteZuerst);
    Init2(st);
    ErrechneNullstellen(st);
    return st;
}

// f^(i) changes its sign within one step of doubles around z: the bisection reached the last
// representable interval, or z is an exact zero.
bool VorzeichenwechselBei(const AnalysisState& st, int i, double z) {
    const double inf = std::numeric_limits<double>::infinity();
    return fn(st, i, z) == 0 || fn(st, i, std::nextafter(z, -inf)) * fn(st, i, std::nextafter(z, inf)) <= 0;
}

// x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12 = (x - 1)^2 (x - 2)(x + 2)(x - 3), the example term that needs
// approximation: every derivative's zeros to five decimals.
TEST(ErrechneNullstellen, Beispiel6AufFuenfStellen) {
    const AnalysisState st = Gesucht({1, -5, 3, 17, -28, 12});
    EXPECT_EQ(Zeile(st, 4), (std::vector<double>{1}));
    EXPECT_EQ(Gerundet(Zeile(st, 3)), (std::vector<double>{0.16334, 1.83666}));
    EXPECT_EQ(Gerundet(Zeile(st, 2)), (std::vector<double>{-0.5751, 1.29836, 2.27673}));
    EXPECT_EQ(Gerundet(Zeile(st, 1)), (std::vector<double>{-1.29078, 1, 1.63135, 2.65944}));
    // The whole zeros are exact: 1 of f' snapped by bisection, the double zero 1 of f taken from
    // that split point, -2, 2 and 3 snapped.
    EXPECT_EQ(Zeile(st, 0), (std::vector<double>{-2, 1, 2, 3}));
    EXPECT_EQ(st.Nullstellen[1][2], 1.0);
    EXPECT_EQ(st.Nullstellen[5][0], 0); // rows above the linear derivative stay empty
}

TEST(KritischeStellenBestimmen2, Beispiel6PunkteMarkenIntervall) {
    AnalysisState st = Gesucht({1, -5, 3, 17, -28, 12});
    KritischeStellenBestimmen2(st);
    ASSERT_EQ(st.Kritisch[0], 10);
    const std::vector<double> punkte = {-2, -1.29078, -0.5751, 1, 1.29836, 1.63135, 2, 2.27673, 2.65944, 3};
    const std::vector<std::string> marken = {"0", "1", "2", "01", "2", "1", "0", "2", "1", "0"};
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(Runden(st.Kritisch[k]), punkte[k - 1]) << k;
        EXPECT_EQ(st.KTyp[k], marken[k - 1]) << k;
    }
    EXPECT_EQ(st.xlinks, -3);
    EXPECT_EQ(st.xrechts, 4);
    EXPECT_EQ(st.xmin, -2);
    EXPECT_EQ(st.xmax, 3);
}

// Marks on this road come from the zero rows: a point where f, f' and f'' all vanish carries
// all three digits, and each zero carries the digit of its row only.
struct MarkenFall {
    const char* name;
    std::vector<std::int64_t> f;
    std::vector<double> kritisch;
    std::vector<std::string> marken;
    double xlinks, xrechts;
};

void PrintTo(const MarkenFall& c, std::ostream* os) {
    *os << c.name;
}

class Marken : public ::testing::TestWithParam<MarkenFall> {};

TEST_P(Marken, PunkteUndMarken) {
    const MarkenFall& c = GetParam();
    AnalysisState st = Gesucht(c.f);
    KritischeStellenBestimmen2(st);
    ASSERT_EQ(st.Kritisch[0], static_cast<double>(c.kritisch.size()));
    for (std::size_t k = 0; k < c.kritisch.size(); ++k) {
        EXPECT_EQ(Runden(st.Kritisch[k + 1]), c.kritisch[k]) << k;
        EXPECT_EQ(st.KTyp[k + 1], c.marken[k]) << k;
    }
    EXPECT_EQ(st.xlinks, c.xlinks);
    EXPECT_EQ(st.xrechts, c.xrechts);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Marken,
    ::testing::Values(
        // Four points within 2.2: the tight interval stays.
        MarkenFall{
            "vierfachNull", {1, -2, 0, 0, 0}, {0, 1, 1.5, 2}, {"012", "2", "1", "0"}, 0 - 0.1, 2 + 0.1},
        // (2x - 1)^2 (x - 1)(x + 4): the double zero 0.5 is a zero of f and f'.
        MarkenFall{"doppelteBruchNullstelle",
                   {4, 8, -27, 19, -4},
                   {-4, -2.83712, -1.6726, 0.5, 0.6726, 0.83712, 1},
                   {"0", "1", "2", "01", "2", "1", "0"},
                   -5,
                   2},
        // x^3 - 3x + 1: three irrational zeros of f, one each of f' and f''.
        MarkenFall{"kubisch",
                   {1, 0, -3, 1},
                   {-1.87939, -1, 0, 0.3473, 1, 1.53209},
                   {"0", "1", "2", "0", "1", "0"},
                   -2,
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

// The widening of the approximation road keeps 1.1 instead of 1 on the non-negative side and at
// the right end; a negative smallest point is widened as on the school road.
struct RandFall {
    const char* name;
    std::vector<double> f, f1, f2;
    double xlinks, xrechts, xmin, xmax;
};

void PrintTo(const RandFall& c, std::ostream* os) {
    *os << c.name;
}

class Rand : public ::testing::TestWithParam<RandFall> {};

TEST_P(Rand, Grenzen) {
    const RandFall& c = GetParam();
    AnalysisState st;
    init(st);
    SetzeNullstellen(st, c.f, c.f1, c.f2);
    KritischeStellenBestimmen2(st);
    EXPECT_EQ(st.xlinks, c.xlinks);
    EXPECT_EQ(st.xrechts, c.xrechts);
    EXPECT_EQ(st.xmin, c.xmin);
    EXPECT_EQ(st.xmax, c.xmax);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Rand,
    ::testing::Values(RandFall{"einzigerPunktZwei", {2}, {}, {2}, 0, 3, 2 - 0.1, 2 + 0.1},
                      // Floor(2.05 - 1.1) = 0 where the school road gives Floor(1.05) = 1.
                      RandFall{"einzigerPunktKnappUeberZwei", {2.15}, {}, {}, 0, 3, 2.15 - 0.1, 2.15 + 0.1},
                      RandFall{"einzigerPunktNegativ", {-2.5}, {}, {}, -3, -2, -2.5 - 0.1, -2.5 + 0.1},
                      RandFall{"breitGestreut", {2.5, 9}, {}, {}, 1, 10, 2.5, 9},
                      RandFall{"vierPunkteEng", {0.5, 2}, {1.5}, {1}, 0.5 - 0.1, 2 + 0.1, 0.5, 2},
                      RandFall{"dreiPunkteEng", {0.5, 2}, {1.5}, {}, -1, 3, 0.5, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindeNullstelle, EinrastenNurAufExakteGanzeNullstellen) {
    // x^3 - 1: the zero 1 comes back exactly.
    const AnalysisState kubisch = MitPolynom({1, 0, 0, -1});
    EXPECT_EQ(FindeNullstelle(kubisch, 0, 0, 5), 1.0);
    // 100000x^3 - 100001: the zero 1.0000033 lies within 0.0001 of 1, but f(1) = -1.
    const AnalysisState steil = MitPolynom({100000, 0, 0, -100001});
    const double z = FindeNullstelle(steil, 0, 0, 5);
    EXPECT_NE(z, 1.0);
    EXPECT_NEAR(z, std::cbrt(1.00001), 1e-9);
    // The derivative rows are tested exactly too: f' = 3x^2 - 3 of x^3 - 3x has the zero 1.
    const AnalysisState ableitung = MitPolynom({1, 0, -3, 0});
    EXPECT_EQ(FindeNullstelle(ableitung, 1, 0.2, 7), 1.0);
}

TEST(FindeNullstelle, SchmalesIntervallGibtDieMitte) {
    const AnalysisState st = MitPolynom({1, 0, 0, -3});
    EXPECT_EQ(FindeNullstelle(st, 0, 0.5, 0.5 + 1e-10), (0.5 + (0.5 + 1e-10)) / 2);
    EXPECT_EQ(FindeNullstelle(st, 0, 1.4, 1.4), 1.4);
    // The midpoint is snapped like any result, when the interval holds the whole zero.
    const AnalysisState eins = MitPolynom({1, 0, 0, -1});
    EXPECT_EQ(FindeNullstelle(eins, 0, 1 - 8e-11, 1 + 1e-11), 1.0);
    const double mitte = (1.00001 + (1.00001 + 1e-10)) / 2;
    EXPECT_EQ(FindeNullstelle(eins, 0, 1.00001, 1.00001 + 1e-10), mitte);
}

// x (30000x - 1)(x + 1): the zero 1/30000 lies within 0.0001 of the whole zero 0, but 0 is not in
// the stretch searched; snapping would put the same zero twice and lose 1/30000.
TEST(FindeNullstelle, KeinEinrastenAufEineAndereNullstelle) {
    const AnalysisState st = MitPolynom({30000, 29999, -1, 0});
    EXPECT_NEAR(FindeNullstelle(st, 0, 1e-5, 1), 1.0 / 30000, 1e-9);
    EXPECT_EQ(FindeNullstelle(st, 0, -0.5, 1e-5), 0.0);
}

// Near 2e7 neighbouring doubles lie 3.7e-9 apart: the interval cannot get narrower than 1e-9.
TEST(FindeNullstelle, EndetBeiGrossenNullstellen) {
    const AnalysisState st = MitPolynom({1, -20000000, 1, 1});
    const double z = FindeNullstelle(st, 0, 1.5e7, 2.5e7);
    EXPECT_NEAR(z, 2e7, 1e-6);
    EXPECT_NE(z, 2e7); // f(2e7) = 2e7 + 1: no snapping
    EXPECT_TRUE(VorzeichenwechselBei(st, 0, z));
}

// A double zero at a split point that is found a second time, a rounding error to the right, by the
// bisection of the next stretch, stands once in its row.
TEST(ErrechneNullstellen, GemeinsameNullstelleNurEinmal) {
    const AnalysisState st = Gesucht({4, 8, -27, 19, -4}); // (2x - 1)^2 (x - 1)(x + 4)
    const std::vector<double> null = Zeile(st, 0);
    ASSERT_EQ(null.size(), 3u);
    EXPECT_EQ(null[0], -4);
    EXPECT_NEAR(null[1], 0.5, 1e-8);
    EXPECT_EQ(null[2], 1);
    EXPECT_EQ(Feld2Menge(st.Nullstellen[0]), "{-4, 0.5, 1}");
}

} // namespace
} // namespace quadrova
