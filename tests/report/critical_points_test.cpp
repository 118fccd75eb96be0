#include "report/critical_points.h"

#include "report_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quadrova {
namespace {

using testing::SetzeNullstellen;

struct IntervallFall {
    const char* name;
    std::vector<double> f, f1, f2;
    std::vector<double> kritisch;
    double xlinks, xrechts, xmin, xmax;
};

class Intervall : public ::testing::TestWithParam<IntervallFall> {};

TEST_P(Intervall, PunkteUndGrenzen) {
    const IntervallFall& c = GetParam();
    AnalysisState st;
    init(st);
    SetzeNullstellen(st, c.f, c.f1, c.f2);
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.Kritisch[0], static_cast<double>(c.kritisch.size()));
    for (std::size_t k = 0; k < c.kritisch.size(); ++k) EXPECT_EQ(st.Kritisch[k + 1], c.kritisch[k]) << k;
    EXPECT_EQ(st.xlinks, c.xlinks);
    EXPECT_EQ(st.xrechts, c.xrechts);
    EXPECT_EQ(st.xmin, c.xmin);
    EXPECT_EQ(st.xmax, c.xmax);
}

const double r5 = std::sqrt(5.0), r3 = std::sqrt(3.0), r15 = std::sqrt(1.5);

INSTANTIATE_TEST_SUITE_P(
    Faelle, Intervall,
    ::testing::Values(
        // x^3: one point, [-0.1; 0.1] widened to whole numbers.
        IntervallFall{"einzigerPunktNull", {0}, {0}, {0}, {0}, -1, 1, -0.1, 0.1},
        IntervallFall{"einzigerPunktZwei", {2}, {}, {2}, {2}, 0, 3, 2 - 0.1, 2 + 0.1},
        // 4x^5 - 20x^3: seven points spread wider than 3.5.
        IntervallFall{"weitGestreut",
                      {-r5, 0, r5},
                      {-r3, 0, r3},
                      {-r15, 0, r15},
                      {-r5, -r3, -r15, 0, r15, r3, r5},
                      -3,
                      3,
                      -r5,
                      r5},
        // x^3 - 6x^2: four points, but 6.2 wide.
        IntervallFall{"vierPunkteBreit", {0, 6}, {0, 4}, {2}, {0, 2, 4, 6}, -1, 7, 0, 6},
        // Four points within 3.3: the tight interval with its fractional ends stays.
        IntervallFall{"vierPunkteEng", {0, 2}, {0, 1.5}, {1}, {0, 1, 1.5, 2}, 0 - 0.1, 2 + 0.1, 0, 2},
        IntervallFall{"negativerAnfang", {-2.5, 1}, {0}, {}, {-2.5, 0, 1}, -3, 2, -2.5, 1},
        IntervallFall{"positiverAnfang", {2.5, 4}, {3}, {}, {2.5, 3, 4}, 1, 5, 2.5, 4},
        // Rounding error between the same zero of f and of f' gives one point, the smaller value.
        IntervallFall{"fastGleich", {1}, {1 + 1e-12}, {}, {1}, -1, 2, 1 - 0.1, 1 + 0.1}),
    [](const auto& info) { return std::string(info.param.name); });

// The type marks say which of f, f', f'' vanish at a critical point, from the zero rows alone.
TEST(KStellenMarkieren, MarkenAusDenNullstellenzeilen) {
    AnalysisState st;
    init(st);
    SetzeNullstellen(st, {0, 6}, {0, 4}, {2});
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.KTyp[1], "01");
    EXPECT_EQ(st.KTyp[2], "2");
    EXPECT_EQ(st.KTyp[3], "1");
    EXPECT_EQ(st.KTyp[4], "0");

    SetzeNullstellen(st, {0}, {0}, {0});
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.KTyp[1], "012");
}

TEST(KStellenMarkieren, ToleranzRelativZurNullstelle) {
    AnalysisState st;
    init(st);
    // 1e-5 apart are two points, each with its own mark (a tolerance of 0.0001 would give both "01").
    SetzeNullstellen(st, {1}, {1.00001}, {});
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.Kritisch[0], 2);
    EXPECT_EQ(st.KTyp[1], "0");
    EXPECT_EQ(st.KTyp[2], "1");

    // A large zero and the same zero with a relative rounding error of 1e-9 are one point with both marks.
    SetzeNullstellen(st, {-20000000}, {-20000000 * (1 + 1e-9)}, {});
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.Kritisch[0], 1);
    EXPECT_EQ(st.KTyp[1], "01");
}

TEST(KStellenMarkieren, MarkenFolgenDemLaufNichtDemVorigen) {
    AnalysisState st;
    init(st);
    SetzeNullstellen(st, {-1, 0, 1}, {-0.5, 0.5}, {0});
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.KTyp[3], "02");
    // A second analysis with other zeros rewrites the marks of its points.
    init(st);
    SetzeNullstellen(st, {0}, {-0.5, 0.5}, {-1});
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.KTyp[1], "2");
    EXPECT_EQ(st.KTyp[3], "0");
}

TEST(KritischeStellenBestimmen, GanzRGibtKeinenPunkt) {
    AnalysisState st;
    init(st);
    SetzeNullstellen(st, {3}, {}, {});
    st.Nullstellen[1][0] = -1;
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.Kritisch[0], 1);
    EXPECT_EQ(st.Kritisch[1], 3);
    EXPECT_EQ(st.KTyp[1], "0");
}

TEST(KritischeStellenBestimmen, OhneBekanntePunkte) {
    // On the incomplete road the school means may have found no zero of f, f', f'' at all.
    AnalysisState st;
    init(st);
    KritischeStellenBestimmen(st);
    EXPECT_EQ(st.Kritisch[0], 0);
    EXPECT_EQ(st.xlinks, -1);
    EXPECT_EQ(st.xrechts, 1);
}

TEST(Vorzeichen, UndWertebereicheDerSkizze) {
    AnalysisState st = testing::MitPolynom({1, -6, 0, 0}); // x^3 - 6x^2
    SetzeNullstellen(st, {0, 6}, {0, 4}, {2});
    KritischeStellenBestimmen(st);
    Vorzeichen(st);
    EXPECT_EQ(st.VorzInt[0][0], -1); // f(-1) = -7
    EXPECT_EQ(st.VorzInt[1][0], 1);  // f'(-1) = 15
    EXPECT_EQ(st.VorzInt[2][0], -1); // f''(-1) = -18
    EXPECT_EQ(st.VorzInt[3][0], 1);
    EXPECT_EQ(st.VorzInt[4][0], 0);
    MaxMinBerechnen(st);
    EXPECT_EQ(st.maxf, 0);
    EXPECT_EQ(st.minf, -32);
    EXPECT_EQ(st.erwmaxf, 49);
    EXPECT_EQ(st.erwminf, -32);
}

TEST(MaxMinBerechnen, EinzigerPunkt) {
    AnalysisState st = testing::MitPolynom({1, 0, 0, 0}); // x^3
    SetzeNullstellen(st, {0}, {0}, {0});
    KritischeStellenBestimmen(st);
    MaxMinBerechnen(st);
    EXPECT_EQ(st.maxf, 0.1 * 0.1 * 0.1);
    EXPECT_EQ(st.minf, -0.1 * (0.1 * 0.1));
    EXPECT_EQ(st.erwmaxf, 1);
    EXPECT_EQ(st.erwminf, -1);
}

} // namespace
} // namespace quadrova
