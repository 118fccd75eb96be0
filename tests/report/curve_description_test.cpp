#include "report/curve_description.h"

#include "report/critical_points.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quadrova {
namespace {

using testing::MitPolynom;
using testing::SetzeNullstellen;
using testing::Zeilen;

std::vector<std::string> Beschreibe(AnalysisState st) {
    KritischeStellenBestimmen(st);
    Vorzeichen(st);
    return Zeilen(Beschreibung(st));
}

TEST(Beschreibung, Arbeitsbeispiel) {
    AnalysisState st = MitPolynom({1, -6, 0, 0});
    SetzeNullstellen(st, {0, 6}, {0, 4}, {2});
    KritischeStellenBestimmen(st);
    Vorzeichen(st);
    const std::string d = Beschreibung(st);
    EXPECT_EQ(d,
              "Der auf das abgeschlossene Intervall [ -1 ; 7 ] eingeschränkte Graph von f\n"
              " -  beginnt im Anfangspunkt A ( -1 | -7 ) rechtsdrehend und steigend mit der Steigung 15 ,\n"
              " -  steigt rechtsdrehend zum Nullpunkt und lokalen Hochpunkt B (0 | 0 ) mit Steigung 0 ,\n"
              " -  fällt rechtsdrehend zum Wendepunkt C (2 | -16 ) mit Steigung -12 ,\n"
              " -  fällt linkksdrehend zum lokalen Tiefpunkt D (4 | -32 ) mit Steigung 0 ,\n"
              " -  steigt linkksdrehend zum Nullpunkt E (6 | 0 ) mit Steigung 36 ,\n"
              " -   und endet schließlich linksdrehend und steigend mit der Steigung 63 im Endpunkt F ( 7 | "
              "49 ) .");
    EXPECT_EQ(st.SPunkt[0], 6);
    EXPECT_EQ(st.SPunkt[1], -1);
    EXPECT_EQ(st.SPunkt[6], 7);
    EXPECT_EQ(st.SPunktTyp[2], "nnsf*r*");
    EXPECT_EQ(st.SPunktTyp[3], "*n**f*rl");
    EXPECT_EQ(st.SPunktTyp[4], "*n*fs*l*");
    EXPECT_EQ(st.SPunktTyp[5], "np*s**l*");
}

struct Fall {
    const char* name;
    std::vector<std::int64_t> f;
    std::vector<double> n0, n1, n2;
    std::vector<std::string> zeilen; // the description lines, from the heading on
};

class Kurven : public ::testing::TestWithParam<Fall> {};

TEST_P(Kurven, Zeilen) {
    const Fall& c = GetParam();
    AnalysisState st;
    init(st);
    const int grad = static_cast<int>(c.f.size()) - 1;
    for (int k = 0; k <= grad; ++k) {
        st.Poly[grad - k] = c.f[k];
        st.Pnom[0][grad - k] = static_cast<double>(c.f[k]);
    }
    Ableiten(st);
    SetzeNullstellen(st, c.n0, c.n1, c.n2);
    EXPECT_EQ(Beschreibe(st), c.zeilen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Kurven,
    ::testing::Values(
        Fall{"x3",
             {1, 0, 0, 0},
             {0},
             {0},
             {0},
             {"Der auf das abgeschlossene Intervall [ -1 ; 1 ] eingeschränkte Graph von f",
              " -  beginnt im Anfangspunkt A ( -1 | -1 ) rechtsdrehend und steigend mit der Steigung 3 ,",
              " -  steigt rechtsdrehend zum Null- und Sattelpunkt B (0 | 0 ) mit Steigung 0 ,",
              " -   und endet schließlich linksdrehend und steigend mit der Steigung 3 im Endpunkt C ( 1 | 1 "
              ") ."}},
        // Double zero of f at 0: touches the axis from above.
        Fall{"x3plus3x2",
             {1, 3, 0, 0},
             {-3, 0},
             {-2, 0},
             {-1},
             {"Der auf das abgeschlossene Intervall [ -3.1 ; 0.1 ] eingeschränkte Graph von f",
              " -  beginnt im Anfangspunkt A ( -3.1 | -0.961 ) rechtsdrehend und steigend mit der Steigung "
              "10.23 ,",
              " -  steigt rechtsdrehend zum Nullpunkt B (-3 | 0 ) mit Steigung 9 ,",
              " -  steigt rechtsdrehend zum lokalen Hochpunkt C (-2 | 4 ) mit Steigung 0 ,",
              " -  fällt rechtsdrehend zum Wendepunkt D (-1 | 2 ) mit Steigung -3 ,",
              " -  fällt linkksdrehend zum Nullpunkt und lokalen Tiefpunkt E (0 | 0 ) mit Steigung 0 ,",
              " -   und endet schließlich linksdrehend und steigend mit der Steigung 0.63 im Endpunkt F ( "
              "0.1 | "
              "0.031 ) ."}},
        // The neighbours of B and C are zeros of f'' themselves: the states are taken in the middle of
        // each stretch, so B is left-turning before 0 and C is an inflection point.
        Fall{"x4minus2x3",
             {1, -2, 0, 0, 0},
             {0, 2},
             {0, 1.5},
             {0, 1},
             {"Der auf das abgeschlossene Intervall [ -0.1 ; 2.1 ] eingeschränkte Graph von f",
              " -  beginnt im Anfangspunkt A ( -0.1 | 0.0021 ) linksdrehend und fallend mit der Steigung "
              "-0.064 ,",
              " -  fällt linkksdrehend zum Null- und Sattelpunkt B (0 | 0 ) mit Steigung 0 ,",
              " -  fällt rechtsdrehend zum Wendepunkt C (1 | -1 ) mit Steigung -2 ,",
              " -  fällt linkksdrehend zum lokalen Tiefpunkt D (1.5 | -1.6875 ) mit Steigung 0 ,",
              " -  steigt linkksdrehend zum Nullpunkt E (2 | 0 ) mit Steigung 8 ,",
              " -   und endet schließlich linksdrehend und steigend mit der Steigung 10.584 im Endpunkt F ( "
              "2.1 | "
              "0.9261 ) ."}}),
    [](const auto& info) { return std::string(info.param.name); });

// f = 15x^4 + x^3 is -0.00003125 at the zero -0.05 of f': a minimum below the axis, not a zero.
TEST(Beschreibung, KleinerWertIstKeineNullstelle) {
    AnalysisState st = MitPolynom({15, 1, 0, 0, 0});
    SetzeNullstellen(st, {-1.0 / 15, 0}, {-0.05, 0}, {-1.0 / 30, 0});
    const std::vector<std::string> z = Beschreibe(st);
    ASSERT_EQ(z.size(), 7u);
    EXPECT_EQ(z[3], " -  fällt linkksdrehend zum lokalen Tiefpunkt C (-0.05 | 0 ) mit Steigung 0 ,");
}

struct Phrase {
    const char* code;
    const char* worte;
};

class Worthuelsen : public ::testing::TestWithParam<Phrase> {};

TEST_P(Worthuelsen, AusDemCode) {
    AnalysisState st;
    st.SPunktTyp[2] = GetParam().code;
    EXPECT_EQ(Worthuelse(st, 2), GetParam().worte);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Worthuelsen,
    ::testing::Values(Phrase{"*p**s*lr", "steigt linkksdrehend zum Wendepunkt "},
                      Phrase{"*p*ssrl", "steigt rechtsdrehend zum Sattelpunkt "},
                      Phrase{"*n*ffrl", "fällt rechtsdrehend zum Sattelpunkt "},
                      Phrase{"np*s**l*", "steigt linkksdrehend zum Nullpunkt "},
                      Phrase{"pn*f*lr", "fällt linkksdrehend zum Null- und Wendepunkt "},
                      Phrase{"npssrl", "steigt rechtsdrehend zum Null- und Sattelpunkt "},
                      Phrase{"*p*sf*r*", "steigt rechtsdrehend zum lokalen Hochpunkt "},
                      Phrase{"*n*fs*l*", "fällt linkksdrehend zum lokalen Tiefpunkt "},
                      Phrase{"nnsf*r*", "steigt rechtsdrehend zum Nullpunkt und lokalen Hochpunkt "},
                      Phrase{"ppfs*l*", "fällt linkksdrehend zum Nullpunkt und lokalen Tiefpunkt "},
                      // A zero of f'' without sign change is no inflection point.
                      Phrase{"*p**s*ll", "steigt linkksdrehend zum "},
                      Phrase{"*n**f*rr", "fällt rechtsdrehend zum "},
                      // Codes that match no kind: sum 2 (a flat point without inflection).
                      Phrase{"*p*ss*l*", "steigt linkksdrehend zum "}));

TEST(Rand, SteigungGenauNull) {
    AnalysisState st = MitPolynom({1, 0, -3, 0}); // x^3 - 3x, f'(-1) = f'(1) = 0
    st.xlinks = -1;
    st.xrechts = 1;
    st.Kritisch[0] = 0;
    st.VorzInt[1][0] = 0;
    EXPECT_EQ(RandLinks(st),
              "beginnt im Anfangspunkt A ( -1 | 2 ) rechtsdrehend und steigend mit der Steigung 0 ,");
    EXPECT_EQ(RandRechts(st),
              "endet schließlich linksdrehend und fallend mit der Steigung 0 im Endpunkt B ( 1 | -2 ) .");
    st.VorzInt[1][0] = -1;
    EXPECT_NE(RandLinks(st).find(" und fallend mit"), std::string::npos);
}

} // namespace
} // namespace quadrova
