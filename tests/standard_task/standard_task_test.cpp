#include "standard_task/standard_task.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>

namespace quadrova {
namespace {

// Determinant by exact Gaussian elimination over the rationals: an independent check of Leibniz.
mpq_class GaussDet(const Matrix4& m) {
    std::array<std::array<mpq_class, 4>, 4> a;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j) a[i][j] = m[i][j];
    mpq_class d = 1;
    for (std::size_t s = 0; s < 4; ++s) {
        std::size_t p = s;
        while (p < 4 && a[p][s] == 0) ++p;
        if (p == 4) return 0;
        if (p != s) {
            std::swap(a[p], a[s]);
            d = -d;
        }
        d *= a[s][s];
        for (std::size_t r = s + 1; r < 4; ++r) {
            const mpq_class f = a[r][s] / a[s][s];
            for (std::size_t c = s; c < 4; ++c) a[r][c] -= f * a[s][c];
        }
    }
    return d;
}

TEST(Vorz, SignOfThePermutationOrZero) {
    EXPECT_EQ(vorz(0, 1, 2, 3), 1);
    EXPECT_EQ(vorz(1, 0, 2, 3), -1);
    EXPECT_EQ(vorz(3, 2, 1, 0), 1);
    EXPECT_EQ(vorz(1, 2, 3, 0), -1);
    EXPECT_EQ(vorz(0, 0, 1, 2), 0);
    int ungleichNull = 0, summe = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                for (int l = 0; l < 4; ++l) {
                    ungleichNull += vorz(i, j, k, l) != 0;
                    summe += vorz(i, j, k, l);
                }
    EXPECT_EQ(ungleichNull, 24);
    EXPECT_EQ(summe, 0);
}

TEST(Det, AgreesWithEliminationAlsoBeyondSixtyFourBits) {
    const std::array<std::array<long, 3>, 4> eingaben{
        {{0, 1, 2}, {-7, 3, 11}, {46341, -50000, 1290}, {2147483647, -2147483647, 65536}}};
    for (const auto& e : eingaben) {
        const Matrix4 m = SystemMatrix(e[0], e[1], e[2], e[0] + e[1]);
        EXPECT_EQ(mpq_class(det(m)), GaussDet(m));
    }
    Matrix4 m = SystemMatrix(1, 2, 3, 4), kopie;
    MatrixKop(m, kopie);
    EXPECT_EQ(kopie, m);
    std::swap(kopie[0], kopie[1]);
    EXPECT_EQ(det(kopie), -det(m));
}

TEST(BerAufg1, TheTextbookCases) {
    const struct {
        Aufg1Eingabe ein;
        long nenner;
        const char* text;
    } faelle[] = {
        {{"1", "2", "0", "-4", "2"}, 4, "a = 1,     b = -5,     c = 8,     d = -4 ."},
        {{"-2", "2", "0", "4", "0"}, 64, "a = 0,     b = -1,     c = 0,     d = 4 ."}, // a parabola
    };
    for (const auto& f : faelle) {
        const auto m =
            SystemMatrix(std::stol(f.ein.xP), std::stol(f.ein.xA), std::stol(f.ein.xB), std::stol(f.ein.xE));
        EXPECT_EQ(det(m), f.nenner);
        const auto e = BerAufg1(f.ein);
        EXPECT_EQ(e.meldung, "");
        EXPECT_EQ(e.text, f.text);
    }
}

TEST(BerAufg1, SingularSystemGivesTheMessage) {
    const auto e = BerAufg1({"1", "1", "0", "-4", "2"});
    EXPECT_EQ(e.meldung, "Systemdeterminante darf nicht null sein");
    EXPECT_EQ(e.text, "");
}

// With |x| around 10^4 the entries and the products of the determinant are far beyond 32 bits; the
// cubic must still meet its four conditions.
TEST(BerAufg1, LargeInputsGiveTheCubicThroughItsConditions) {
    const long xA = 10007, xB = -12345, xP = 3, yP = 7, xE = 20000;
    const auto e = BerAufg1(
        {std::to_string(xA), std::to_string(xB), std::to_string(xP), std::to_string(yP), std::to_string(xE)});
    ASSERT_EQ(e.meldung, "");
    // Exact solution by Cramer over the rationals for comparison.
    const Matrix4 m = SystemMatrix(xP, xA, xB, xE);
    const mpq_class d = GaussDet(m);
    for (std::size_t k = 0; k < 4; ++k) {
        Matrix4 kopie = m;
        kopie[0][k] = yP;
        for (std::size_t r = 1; r < 4; ++r) kopie[r][k] = 0;
        const double exakt = mpq_class(GaussDet(kopie) / d).get_d();
        EXPECT_NEAR(e.koeff[k], exakt, std::fabs(exakt) * 1e-14) << k;
    }
    const auto& [a, b, c, dd] = e.koeff;
    auto f = [&](long double x) { return ((a * x + b) * x + c) * x + dd; };
    EXPECT_NEAR(static_cast<double>(f(xP)), yP, 1e-6);
    EXPECT_NEAR(static_cast<double>(f(xA) / (1e4L * 1e4L * 1e4L * std::fabs(a))), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(f(xB) / (1e4L * 1e4L * 1e4L * std::fabs(a))), 0, 1e-9);
}

TEST(BerAufg1, OnlyWholeNumbersOf32Bits) {
    const struct {
        const char* text;
        bool gueltig;
        long wert;
    } faelle[] = {
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483648L},
        {"2147483647.4", true, 2147483647},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"2.5", true, 3},
        {" -7x", true, -7},
        {"abc", true, 0},
        {"1e3", true, 1},
        {"", true, 0},
    };
    for (const auto& f : faelle) {
        const auto z = GanzzahlAusText(f.text);
        ASSERT_EQ(z.has_value(), f.gueltig) << f.text;
        if (z) {
            EXPECT_EQ(*z, f.wert) << f.text;
        }
    }
    EXPECT_FALSE(GanzzahlAusText(std::string(10000, '9')));
    const auto e = BerAufg1({"1", "2", "0", "-4", "2147483648"});
    EXPECT_EQ(e.meldung, "Bitte ganze Zahlen im Bereich von -2147483648 bis 2147483647 eingeben");
    EXPECT_EQ(e.text, "");
}

TEST(BerAufg1, ExtremeInputsStayExact) {
    const auto e = BerAufg1({"-2147483648", "2147483647", "0", "2147483647", "1"});
    ASSERT_EQ(e.meldung, "");
    for (double k : e.koeff) EXPECT_TRUE(std::isfinite(k));
    EXPECT_NEAR(e.koeff[3], 2147483647.0, 1e-3); // f(0) = d = y_P
}

} // namespace
} // namespace quadrova
