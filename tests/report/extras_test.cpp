#include "report/extras.h"

#include "report_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quadrova {
namespace {

using testing::MitPolynom;
using testing::SetzeNullstellen;

void SetzeKritisch(AnalysisState& st, std::vector<double> k) {
    st.Kritisch[0] = static_cast<double>(k.size());
    for (std::size_t j = 0; j < k.size(); ++j) st.Kritisch[j + 1] = k[j];
}

const std::string kTangenten = "\n\nGleichungen der in den kritischen Punkten angelegten Tangenten\n\n";
const std::string kFlaeche = "\n\nInhalt der zwischen Kurve und x-Achse eingeschlossenen Fläche\n\n";
const std::string kSchnitt =
    "\nDie im Punkte P(z, f(z)) angelegte Tangente schneidet den Graphen an der Stelle  x = -2z ";

// The worked example f(x) = x^3 - 6x^2: critical points 0, 2, 4, 6, zeros of f 0 and 6.
TEST(Extras, BeispielKubisch) {
    AnalysisState st = MitPolynom({1, -6, 0, 0});
    SetzeNullstellen(st, 0, {0, 6});
    SetzeKritisch(st, {0, 2, 4, 6});
    std::string text = "Bericht";
    Extras(st, text);
    EXPECT_EQ(text, "Bericht" + kTangenten +
                        "   B: y =  0\n"
                        "   C: y = -12x + 8\n"
                        "   D: y = - 32\n"
                        "   E: y = 36x - 216\n" +
                        kSchnitt + "+ 6.\n" + kFlaeche +
                        "   A_oberhalb  = 0\n"
                        "   A_unterhalb =  - Int(f,0,6)  = 108\n"
                        "   Gesamtinhalt= 108");
    // The antiderivative stays in row 6: F = x^4/4 - 2x^3.
    EXPECT_EQ(st.Pnom[6][4], 0.25);
    EXPECT_EQ(st.Pnom[6][3], -2);
}

// The tangent at 0 of f(x) = m x + b is y = m x + b itself.
struct TangentenFall {
    const char* name;
    double m, b;
    const char* zeile;
};

void PrintTo(const TangentenFall& c, std::ostream* os) {
    *os << c.name;
}

class Tangente : public ::testing::TestWithParam<TangentenFall> {};

TEST_P(Tangente, Zeile) {
    const TangentenFall& c = GetParam();
    AnalysisState st = MitPolynom({0, 0, 0, 0});
    st.Pnom[0][0] = c.b;
    st.Pnom[0][1] = c.m;
    st.Pnom[1][0] = c.m;
    SetzeKritisch(st, {0});
    std::string text;
    Tangentengleichungen(st, text);
    EXPECT_EQ(text, kTangenten + c.zeile + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Tangente,
    ::testing::Values(TangentenFall{"steigungEins", 1, 0, "   B: y = x "},
                      TangentenFall{"steigungMinusEins", -1, 0, "   B: y = - x "},
                      TangentenFall{"steigungFastEins", 0.99999, 0, "   B: y = 0.99999x "},
                      TangentenFall{"minusEinsMitAbschnitt", -1, 2.5, "   B: y = - x + 2.5"},
                      TangentenFall{"winzigeSteigung", 0.00005, 3, "   B: y = 3"},
                      TangentenFall{"waagerechtNegativ", 0, -32, "   B: y = - 32"},
                      TangentenFall{"positiverAbschnitt", 2, 3, "   B: y = 2x + 3"},
                      TangentenFall{"negativerAbschnitt", 2, -3, "   B: y = 2x - 3"},
                      TangentenFall{"winzigerAbschnitt", 2, 0.00005, "   B: y = 2x "},
                      TangentenFall{"nullgerade", 0, 0, "   B: y =  0"},
                      TangentenFall{"fastNullgerade", -0.00005, 0.00005, "   B: y =  0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tangentengleichungen, BuchstabenWieInDerBeschreibung) {
    AnalysisState st = MitPolynom({1, 0, 0, 0});
    SetzeKritisch(st, {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    std::string text;
    Tangentengleichungen(st, text);
    const std::vector<std::string> z = testing::Zeilen(text);
    ASSERT_EQ(z.size(), 4u + 12u + 1u);
    EXPECT_EQ(z[4], "   B: y = 3x + 2");
    EXPECT_EQ(z[15], "   M: y = 300x - 2000");
    EXPECT_EQ(z[16], "");
}

struct SchnittFall {
    const char* name;
    std::int64_t a3, a2;
    const char* ende;
};

void PrintTo(const SchnittFall& c, std::ostream* os) {
    *os << c.name;
}

class Schnitt : public ::testing::TestWithParam<SchnittFall> {};

TEST_P(Schnitt, Satz) {
    const SchnittFall& c = GetParam();
    AnalysisState st = MitPolynom({c.a3, c.a2, 0, 1});
    std::string text;
    Tangentenschnitt(st, text);
    EXPECT_EQ(text, kSchnitt + c.ende + ".\n");
}

INSTANTIATE_TEST_SUITE_P(Faelle, Schnitt,
                         ::testing::Values(SchnittFall{"negativerQuotient", 1, -6, "+ 6"},
                                           SchnittFall{"ohneQuadrat", 1, 0, ""},
                                           SchnittFall{"positiverQuotient", 2, 3, "- 1.5"},
                                           SchnittFall{"drittel", 3, 1, "- 0.3333333"},
                                           SchnittFall{"negativesA3", -2, 5, "+ 2.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Extras, SchnittsatzNurFuerKubische) {
    for (auto f : {MitPolynom({1, 0, -5, 0, 4}), MitPolynom({1, 0, -5, 0, 4, 0})}) {
        SetzeNullstellen(f, 0, {-2, -1, 1, 2});
        SetzeKritisch(f, {-2, -1, 1, 2});
        std::string text;
        Extras(f, text);
        EXPECT_EQ(text.find("Die im Punkte"), std::string::npos) << f.PGrad;
        EXPECT_NE(text.find("Gesamtinhalt= "), std::string::npos) << f.PGrad;
    }
}

struct FlaechenFall {
    const char* name;
    std::vector<std::int64_t> f; // highest power first
    std::vector<double> nullstellen;
    const char* zeilen;
};

void PrintTo(const FlaechenFall& c, std::ostream* os) {
    *os << c.name;
}

class Flaeche : public ::testing::TestWithParam<FlaechenFall> {};

TEST_P(Flaeche, Zeilen) {
    const FlaechenFall& c = GetParam();
    AnalysisState st = MitPolynom({0});
    int k = static_cast<int>(c.f.size()) - 1;
    for (std::int64_t a : c.f) st.Pnom[0][k--] = static_cast<double>(a);
    SetzeNullstellen(st, 0, c.nullstellen);
    std::string text;
    Flaechenberechnungen(st, text);
    EXPECT_EQ(text, kFlaeche + c.zeilen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Flaeche,
    ::testing::Values(
        FlaechenFall{
            "keineStrecke", {1, 0, 0, 1}, {-1}, "   A_oberhalb  = 0\n   A_unterhalb = 0\n   Gesamtinhalt= 0"},
        FlaechenFall{"obenUndUnten",
                     {1, 0, -1, 0},
                     {-1, 0, 1},
                     "   A_oberhalb  =  Int(f,-1,0)  = 0.25\n"
                     "   A_unterhalb =  - Int(f,0,1)  = 0.25\n"
                     "   Gesamtinhalt= 0.5"},
        // x^5 - 5x^3 + 4x = x (x^2 - 1)(x^2 - 4): two stretches on each side, joined by "+" above.
        FlaechenFall{"zweiMalOben",
                     {1, 0, -5, 0, 4, 0},
                     {-2, -1, 0, 1, 2},
                     "   A_oberhalb  =  Int(f,-2,-1) + Int(f,0,1)  = 3.166667\n"
                     "   A_unterhalb =  - Int(f,-1,0)  - Int(f,1,2)  = 3.166667\n"
                     "   Gesamtinhalt= 6.333333"},
        FlaechenFall{"nurOben",
                     {-1, 0, 1, 0, 0},
                     {-1, 0, 1},
                     "   A_oberhalb  =  Int(f,-1,0) + Int(f,0,1)  = 0.2666667\n"
                     "   A_unterhalb = 0\n"
                     "   Gesamtinhalt= 0.2666667"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrova
