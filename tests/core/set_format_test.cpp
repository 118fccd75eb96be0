#include "core/set_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quadrova {
namespace {

TEST(Runden, FiveDecimalsSymmetricAboutZero) {
    struct Fall {
        double x, r;
    };
    const Fall faelle[] = {
        {0.0009, 0},           {-0.0009, 0},         {0.002, 0.002},         {1.999999, 2},
        {-0.123456, -0.12346}, {2.3456789, 2.34568}, {-2.3456789, -2.34568}, {0.000015, 0},
        {123456.7, 123456.7},
    };
    for (const auto& f : faelle) EXPECT_EQ(Runden(f.x), f.r) << f.x;
}

TEST(Feld2Menge, CountedArrayAsSet) {
    struct Fall {
        std::vector<double> a;
        const char* menge;
    };
    const Fall faelle[] = {
        {{0, 3}, "{}"},
        {{-1}, "ganz R"},
        {{3, -2, 1, 3}, "{-2, 1, 3}"},
        {{2, 0.666666666, 1e-9, 7}, "{0.66667, 0}"},
        {{1, 12345678}, "{12345678}"},
        {{9, 1, 2}, "{1, 2}"}, // a count beyond the array reads only what is there
        {{-3, 1}, "{}"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Feld2Menge(f.a), f.menge);
}

TEST(Teilermenge, PositiveDivisorsOfTheMagnitude) {
    AnalysisState st;
    EXPECT_EQ(Teilermenge(st, 0), "ganz Z");
    EXPECT_EQ(Teilermenge(st, 1), "{1}");
    EXPECT_EQ(Teilermenge(st, -6), "{1, 2, 3, 6}");
    EXPECT_EQ(Teilermenge(st, -12), "{1, 2, 3, 4, 6, 12}");
    EXPECT_EQ(Teilermenge(st, 60), "{1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60}");
}

TEST(Lsg2Nullst, CopiesTheWholeRow) {
    AnalysisState st;
    const SolArray a = {2, -1, 3, 9, 9, 9, 9};
    Lsg2Nullst(st, 4, a);
    EXPECT_EQ(st.Nullstellen[4], a);
    EXPECT_THROW(Lsg2Nullst(st, 7, a), std::out_of_range);
}

TEST(Norm, CellsOfFixedWidth) {
    struct Fall {
        double x;
        int w;
        const char* zelle;
    };
    const Fall faelle[] = {
        {0.00005, 4, "_0___| "}, // below the zero tolerance
        {-0.00005, 4, "_0___| "},
        {2.5, 4, "_2.5_| "},
        {1.5, 2, "_1.| "}, // the cut drops only decimals
        {123.456, 5, "_123.4| "},
        {-123.456, 4, "_-123| "},
        {0.0012345, 4, "_0.00| "},
        {12345678, 8, "_12345678| "}, // exactly w characters: only framed
        {1234567, 6, "_1.23e6| "},    // longer whole numbers: compact exponent form
        {-123456, 6, "_-1.2e5| "},
        {-123456, 5, "_-1e5_| "},
        {-1234.5, 4, "_-1e3| "}, // the part before the point is too long to cut
        {99999.9, 3, "_1e5| "},  // printf rounding carries into the exponent
        {1e20, 5, "_1e+20| "},   // a text that fits is left as it is
        {1.5e20, 5, "_2e20_| "},
        {1.2345e-5 * 1e3, 5, "_0.012| "},
        {2e-7 * 1e3, 3, "_0.0| "},
        {-123456, 3, "_###| "}, // nothing fits
        {std::numeric_limits<double>::infinity(), 2, "_##| "},
    };
    for (const auto& f : faelle) EXPECT_EQ(Norm(f.x, f.w), f.zelle) << f.x << " " << f.w;
}

} // namespace
} // namespace quadrova
