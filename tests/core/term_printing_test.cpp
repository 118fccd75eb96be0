#include "core/term_printing.h"

#include <gtest/gtest.h>

#include <limits>

namespace quadrova {
namespace {

TEST(Koeff2Term, SchoolStyleTerms) {
    struct Fall {
        IntVec v;
        const char* term;
    };
    const Fall faelle[] = {
        {{}, "0"},
        {{0, 0, 0, 1}, " x^3"},
        {{-2, 0, 0, -1}, " - x^3 - 2"},
        {{-2, 0, 0, 1}, " x^3 - 2"},
        {{5}, " 5"},
        {{-5}, " - 5"},
        {{0, 1, 0, 1, 0, 1}, " x^5 + x^3 + x"},
        {{0, -180, 138, -36, 3}, " 3x^4 - 36x^3 + 138x^2 - 180x"},
        {{0, -1}, " - x"},
        {{12345678, 0, 0, 1}, " x^3 + 12345678"}, // never exponent form: it must parse back
        {{-2147483648LL, 0, 0, 2147483647}, " 2147483647x^3 - 2147483648"},
        {{0, 0, 0, 0, 0, 0, 9}, "0"}, // element 6 is never printed
    };
    for (const auto& f : faelle) EXPECT_EQ(Koeff2Term(f.v), f.term);
}

TEST(Koeff2Gl, AppendsEqualsZero) {
    EXPECT_EQ(Koeff2Gl({-6, 11, -6, 1}), " x^3 - 6x^2 + 11x - 6 = 0");
    EXPECT_EQ(Koeff2Gl({}), "0 = 0");
}

TEST(Mabs, AbsoluteValueWithoutOne) {
    EXPECT_EQ(Mabs(1), "");
    EXPECT_EQ(Mabs(-1), "");
    EXPECT_EQ(Mabs(-12), "12");
    EXPECT_EQ(Mabs(0), "0");
    EXPECT_EQ(Mabs(std::numeric_limits<std::int64_t>::min()), "9223372036854775808");
}

} // namespace
} // namespace quadrova
