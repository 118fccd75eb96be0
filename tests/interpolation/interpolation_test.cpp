// The double engine: reading the fields, the point count, the check of the abscissas, the values in
// Lagrange form, the coefficients from the Prod family and the hiding of leading zero fields.
#include "interpolation/exact_stretch.h"
#include "interpolation/interpolation.h"
#include "interpolation/interpolation_run.h"
#include "interpolation_test_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace quadrova::interpolation {
namespace {

using testing::eingaben;
using testing::Punkt;

Anzeige berechne(InterpolationsDaten& d, const std::vector<Punkt>& punkte,
                 const std::vector<std::string>& argumente = {}) {
    d.n = static_cast<int>(punkte.size());
    d.Strecken = false;
    auto a = Interpolation(d, eingaben(punkte, argumente));
    EXPECT_TRUE(a.has_value());
    return a.value_or(Anzeige{});
}

TEST(StuetzstellenAnzahl, TruncatesAndCorrectsCountsAboveTen) {
    struct Fall {
        const char* text;
        int n;
        bool zuGross;
    };
    const Fall faelle[] = {
        {"", 0, false},     {"abc", 0, false},   {"-5", 0, false},  {"-0.5", 0, false},
        {"0", 0, false},    {"1", 1, false},     {"2.9", 2, false}, {" 3", 3, false},
        {"10", 10, false},  {"10.5", 10, false}, {"11", 10, true},  {"12", 10, true},
        {"1000", 10, true}, {"7x", 7, false},    {"1e9", 1, false}, {"99999999999999999999999999", 10, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        const Anzahl a = StuetzstellenAnzahl(f.text);
        EXPECT_EQ(a.n, f.n);
        EXPECT_EQ(a.zuGross, f.zuGross);
    }
}

TEST(StuetzpunkteEinlesen, CleansTextsAndIgnoresPointsBeyondTheCount) {
    InterpolationsDaten d;
    d.n = 3;
    TextFelder x{"1,5", " -2 m", "x3", "7", "8"};
    TextFelder y{"+4", "1e-9", "abc", "100", "200"};
    StuetzpunkteEinlesen(d, x, y);
    EXPECT_EQ(d.xwert[0], 1.5);
    EXPECT_EQ(d.xwert[1], -2);
    EXPECT_EQ(d.xwert[2], 3);
    EXPECT_EQ(d.ywert[0], 4);
    EXPECT_EQ(d.ywert[1], 1); // the "e" is dropped: "1-9" reads as 1
    EXPECT_EQ(d.ywert[2], 0);
    for (int i = 3; i <= 10; ++i) {
        EXPECT_EQ(d.xwert[static_cast<std::size_t>(i)], 0);
        EXPECT_EQ(d.ywert[static_cast<std::size_t>(i)], 0);
    }
    // V = (1.5 - (-2)) * (1.5 - 3) * (-2 - 3), exactly.
    EXPECT_EQ(d.Hauptnenner, mpq_class(105, 4));
}

TEST(Pruefen, RejectsEqualAbscissasAmongTheFirstNOnly) {
    InterpolationsDaten d;
    d.n = 2;
    EXPECT_FALSE(Interpolation(d, eingaben({{"1", "2"}, {"1", "3"}})).has_value());
    // A point beyond the count with the same abscissa is not used.
    EXPECT_TRUE(Interpolation(d, eingaben({{"1", "2"}, {"2", "3"}, {"1", "9"}})).has_value());
    // Ten close but distinct abscissas: the product of their differences underflows, they still pass.
    d.n = 10;
    std::vector<Punkt> eng;
    for (int i = 1; i <= 10; ++i) eng.push_back({testing::dezimal(i, 9), std::to_string(i)});
    EXPECT_TRUE(Interpolation(d, eingaben(eng)).has_value());
    d.n = 1;
    EXPECT_TRUE(Pruefen(d));
}

TEST(Interpolation, EdgeCasesWithoutStretching) {
    struct Fall {
        const char* name;
        std::vector<Punkt> punkte;
        std::vector<double> koeff;
        long v;
        int sichtbarBis;
    };
    const std::vector<Fall> faelle = {
        {"one point", {{"5", "7"}}, {7}, 1, 0},
        {"line", {{"1", "1"}, {"2", "3"}}, {-1, 2}, -1, 1},
        {"cubes", {{"0", "0"}, {"1", "1"}, {"2", "8"}, {"3", "27"}}, {0, 0, 0, 1}, 12, 3},
        {"halves", {{"0", "0"}, {"1", "1"}, {"2", "3"}}, {0, 0.5, 0.5}, -2, 2},
        {"whole", {{"0", "0"}, {"1", "2"}, {"2", "6"}}, {0, 1, 1}, -2, 2},
        {"leading zero hidden", {{"0", "1"}, {"1", "1"}, {"2", "1"}}, {1}, -2, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        InterpolationsDaten d;
        const Anzeige a = berechne(d, f.punkte);
        for (std::size_t k = 0; k < 10; ++k) {
            const double erwartet = k < f.koeff.size() ? f.koeff[k] : 0.0;
            EXPECT_NEAR(d.Koeff[k], erwartet, 1e-12) << "k = " << k;
        }
        EXPECT_EQ(d.Hauptnenner, f.v);
        EXPECT_EQ(a.sichtbarBis, f.sichtbarBis);
        EXPECT_TRUE(a.streckanzeige.empty());
        EXPECT_FALSE(a.exportMoeglich);
    }
}

TEST(Interpolation, CubesShowWholeCoefficientTexts) {
    InterpolationsDaten d;
    const Anzeige a = berechne(d, {{"0", "0"}, {"1", "1"}, {"2", "8"}, {"3", "27"}});
    EXPECT_EQ(a.koeffizienten[0], "0");
    EXPECT_EQ(a.koeffizienten[1], "0");
    EXPECT_EQ(a.koeffizienten[2], "0");
    EXPECT_EQ(a.koeffizienten[3], "1");
}

TEST(Interpolation, TinyCoefficientsAreShownAsZeroAndHidden) {
    InterpolationsDaten d;
    const Anzeige a = berechne(d, {{"0", "1"}, {"1", "1.000000001"}, {"2", "1.000000002"}});
    EXPECT_EQ(d.Koeff[1], 0);
    EXPECT_EQ(a.sichtbarBis, 0);
    EXPECT_EQ(a.koeffizienten[1], "0");
}

TEST(Interpolation, ArgumentSlots) {
    InterpolationsDaten d;
    // p(x) = 2x + 1.
    Anzeige a = berechne(d, {{"0", "1"}, {"1", "3"}}, {"5", "2", "", "0", "1,5", "abc", "", "", "", "-0.5"});
    EXPECT_EQ(a.werte[0], "1"); // slot 0 is always p(0)
    EXPECT_EQ(a.werte[1], "5");
    EXPECT_EQ(a.werte[2], "");
    EXPECT_EQ(a.werte[3], "");
    EXPECT_EQ(a.werte[4], "3"); // arguments are read without cleaning: "1,5" is 1
    EXPECT_EQ(a.werte[5], "");
    EXPECT_EQ(a.werte[9], "0");
    // An emptied slot shows nothing although its old value is kept.
    a = berechne(d, {{"0", "1"}, {"1", "3"}}, {"0"});
    EXPECT_EQ(a.werte[1], "");
    EXPECT_EQ(d.Argy[1], 5);
}

TEST(Interpolation, ValuesBelowTheToleranceBecomeZeroOnlyInTheFirstNSlots) {
    InterpolationsDaten d;
    // p(x) = 1e-9 x with two points: slot 1 < n is cleaned, slot 5 is not.
    const Anzeige a = berechne(d, {{"0", "0"}, {"1", "0.000000001"}}, {"0", "1", "", "", "", "5"});
    EXPECT_EQ(a.werte[1], "0");
    EXPECT_EQ(a.werte[5], "5e-09");
}

TEST(Interpolation, EvaluationPassesThroughThePoints) {
    InterpolationsDaten d;
    berechne(d, {{"-2", "3"}, {"0.5", "-1"}, {"1", "4"}, {"4", "0.25"}, {"7", "2"}});
    for (int i = 0; i < d.n; ++i) {
        EXPECT_NEAR(g(d, d.xwert[static_cast<std::size_t>(i)]), d.ywert[static_cast<std::size_t>(i)], 1e-12);
    }
    // Through the coefficients the same polynomial.
    for (double x : {-3.0, 0.0, 2.5, 6.0}) {
        double horner = 0;
        for (int k = 9; k >= 0; --k) horner = horner * x + d.Koeff[static_cast<std::size_t>(k)];
        EXPECT_NEAR(horner, g(d, x), 1e-9 * (1 + std::fabs(horner)));
    }
}

TEST(Koeffizientenberechnung, AgreesWithTheExactCoefficientsForEveryCount) {
    std::mt19937 zufall(12345);
    std::uniform_int_distribution<int> wert(-50, 50);
    for (int n = 1; n <= 10; ++n) {
        for (int runde = 0; runde < 5; ++runde) {
            SCOPED_TRACE(n);
            InterpolationsDaten d;
            std::vector<Punkt> punkte;
            for (int i = 0; i < n; ++i)
                punkte.push_back({std::to_string(i - 4), std::to_string(wert(zufall))});
            berechne(d, punkte);
            const auto exakt = ExakteKoeffizienten(d.xExakt, d.yExakt, n);
            for (std::size_t k = 0; k < 10; ++k) {
                const double e = exakt[k].get_d();
                EXPECT_NEAR(d.Koeff[k], std::fabs(e) < 1e-8 ? 0.0 : e, 1e-7 * (1 + std::fabs(e)))
                    << "k = " << k;
            }
        }
    }
}

TEST(Prod, ZeroBeyondTheDegreeAndTheSignRule) {
    InterpolationsDaten d;
    berechne(d, {{"1", "2"}, {"3", "5"}, {"4", "-1"}});
    for (int i = 0; i < 3; ++i) {
        for (int k = 3; k < 10; ++k) EXPECT_EQ(Prod(d, k, i), 0);
    }
    // Point 0: z = (3, 4); e_1 = 7, divided by (3 - 1)(4 - 1).
    EXPECT_DOUBLE_EQ(Prod(d, 1, 0), 2 * 7.0 / 6.0);
    EXPECT_DOUBLE_EQ(Prod(d, 0, 0), 2 * 12.0 / 6.0);
    EXPECT_DOUBLE_EQ(Prod(d, 2, 0), 2 * 1.0 / 6.0);
    EXPECT_EQ(vorz(0), 1);
    EXPECT_EQ(vorz(3), -1);
    EXPECT_EQ(vorz(8), 1);
    EXPECT_TRUE(IstNull(-9.9e-9));
    EXPECT_FALSE(IstNull(1e-8));
}

TEST(Schwanzweg, HidesLeadingExactZerosButNeverTheConstant) {
    std::array<double, 10> k{};
    EXPECT_EQ(Schwanzweg(k), 0);
    k[4] = 1e-300;
    EXPECT_EQ(Schwanzweg(k), 4);
    k[9] = -2;
    EXPECT_EQ(Schwanzweg(k), 9);
}

TEST(Interpolation, NoPointsAtAll) {
    InterpolationsDaten d;
    d.n = 0;
    const auto a = Interpolation(d, eingaben({{"1", "2"}}));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->werte[0], "0");
    EXPECT_EQ(a->sichtbarBis, 0);
}

} // namespace
} // namespace quadrova::interpolation
