// The integer tools of the divisor step: exact zero test, search among the divisors, division by
// (x - r), snapping of nearly whole solutions, and the bounded solution array.

#include "solver_fixture.h"

#include "core/calculus.h"
#include "solver/solver_steps.h"

#include <limits>

namespace quadrova::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(IstNullstelle, ExactWhereDoublesRoundAway) {
    // x^2 - (n^2 + 1) has the value -1 at n = 10^8, but n^2 + 1 lies beyond 2^53 and rounds to n^2
    // as a double, so evaluation in double gives 0.
    const std::int64_t n = 100000000;
    const IntVec keine = Zeile({1, 0, -(n * n + 1)});
    ASSERT_EQ(Funktionswert(keine, static_cast<double>(n)), 0.0) << "premise: the double test is fooled";
    EXPECT_FALSE(IstNullstelle(keine, n));
    EXPECT_FALSE(IstNullstelle(keine, -n));
    const IntVec echte = Zeile({1, 0, -(n * n)});
    EXPECT_TRUE(IstNullstelle(echte, n));
    EXPECT_TRUE(IstNullstelle(echte, -n));
    EXPECT_FALSE(IstNullstelle(echte, n + 1));
}

TEST(IstNullstelle, SmallCasesAndExtremes) {
    EXPECT_TRUE(IstNullstelle(Zeile({1, -6, 11, -6}), 3));
    EXPECT_FALSE(IstNullstelle(Zeile({1, -6, 11, -6}), 4));
    EXPECT_TRUE(IstNullstelle(Zeile({7, 0}), 0));
    EXPECT_FALSE(IstNullstelle(Zeile({7, 1}), 0));
    EXPECT_TRUE(IstNullstelle(IntVec{}, 5)); // the zero polynomial vanishes everywhere
    EXPECT_FALSE(IstNullstelle(Zeile({1, kMin}), kMax));
    EXPECT_TRUE(IstNullstelle(Zeile({-1, kMin}), kMin));
    EXPECT_TRUE(IstNullstelle(Zeile({kMax, kMax, kMax, kMax, kMax, kMax}), -1));
    EXPECT_FALSE(IstNullstelle(Zeile({kMin, kMin, kMin, kMin, kMin, kMax}), -1));
}

struct Suche {
    const char* name;
    IntVec a;
    bool gefunden;
    std::int64_t r;
};

class FindeGanzzNullstelleTest : public ::testing::TestWithParam<Suche> {};

TEST_P(FindeGanzzNullstelleTest, FindsTheZeroOfSmallestMagnitudePositiveFirst) {
    const Suche& s = GetParam();
    AnalysisState st;
    init(st);
    std::int64_t r = 99;
    EXPECT_EQ(FindeGanzzNullstelle(st, s.a, r), s.gefunden);
    EXPECT_EQ(r, s.r);
}

const Suche kSuchen[] = {
    {"SmallestOfThree", Zeile({1, -6, 11, -6}), true, 1},
    {"PositiveBeforeNegative", Zeile({1, -5, -4, 20}), true, 2}, // (x - 2)(x + 2)(x - 5)
    {"NegativeWhenSmaller", Zeile({1, -6, -1, 30}), true, -2},   // (x + 2)(x - 3)(x - 5)
    {"DoubleZero", Zeile({1, 0, -3, 2}), true, 1},
    {"AfterTheCommonFactor", Zeile({4, 4, 12, 12}), true, -1}, // 4(x + 1)(x^2 + 3)
    {"NoneKeepsR", Zeile({1, 0, 1, 1}), false, 99},
    {"ZeroAbsoluteTerm", Zeile({1, 0, -1, 0}), false, 99},
    {"ManyDivisorsNone", Zeile({1, 0, 0, 1, 2095133040}), false, 99},
    {"ManyDivisorsLargestIsTheZero", Zeile({1, -2095133040, 1, -2095133040}), true, 2095133040},
};

INSTANTIATE_TEST_SUITE_P(Faelle, FindeGanzzNullstelleTest, ::testing::ValuesIn(kSuchen),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PolyDiv, SyntheticDivisionLeavesTheTopElementsAlone) {
    IntVec q{};
    q[5] = 55;
    q[6] = 66;
    ASSERT_TRUE(PolyDiv(Zeile({1, -10, 35, -50, 24}), 1, q));
    EXPECT_EQ(q, (IntVec{-24, 26, -9, 1, 0, 55, 66}));
    ASSERT_TRUE(PolyDiv(Zeile({2, -4, -14, 20, 20, -24}), 1, q));
    EXPECT_EQ(q, (IntVec{24, 4, -16, -2, 2, 55, 66}));
}

TEST(PolyDiv, ReportsAQuotientBeyondSixtyFourBits) {
    IntVec q{};
    EXPECT_FALSE(PolyDiv(Zeile({kMax, 0, 0, 0, 0, 1}), 2, q)); // 2 * kMax
    EXPECT_FALSE(PolyDiv(Zeile({1, kMax, 0, 0, 0, 0}), 1, q)); // kMax + 1
    EXPECT_FALSE(PolyDiv(Zeile({1, 0, 0, 0}), 3037000500, q)); // r^2 above 2^63
    ASSERT_TRUE(PolyDiv(Zeile({1, 0, 0, 0}), 3037000499, q));  // r^2 just below
    EXPECT_EQ(q[0], std::int64_t{3037000499} * 3037000499);
}

TEST(Einrasten, SnapsOnlyToExactZeros) {
    const IntVec quadratisch = Zeile({-6, 52, -96}); // zeros 8/3 and 6
    EXPECT_EQ(Einrasten(quadratisch, 5.999999999999999), 6.0);
    EXPECT_EQ(Einrasten(quadratisch, 6.000000001), 6.0);           // 1e-9 * 6 away: still within
    EXPECT_EQ(Einrasten(quadratisch, 6.00000001), 6.00000001);     // too far
    EXPECT_EQ(Einrasten(quadratisch, 2.9999999999), 2.9999999999); // 3 is no zero
    EXPECT_EQ(Einrasten(quadratisch, 8.0 / 3), 8.0 / 3);
    const IntVec linear = Zeile({1, 0});
    const double z = Einrasten(linear, -0.0);
    EXPECT_EQ(z, 0.0);
    EXPECT_FALSE(std::signbit(z)) << "a snapped zero is +0";
    EXPECT_EQ(Einrasten(linear, std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(Einrasten(Zeile({1, kMin}), 9223372036854775808.0), 9223372036854775808.0);
}

TEST(Speichern, CountsAndNeverWritesBeyondTheArray) {
    SolArray lsg{};
    for (int i = 1; i <= 9; ++i) Speichern(lsg, i);
    EXPECT_EQ(lsg, (SolArray{6, 1, 2, 3, 4, 5, 6}));
    SolArray alle{-1, 0, 0, 0, 0, 0, 0};
    Speichern(alle, 5);
    EXPECT_EQ(alle[0], -1);
}

} // namespace
} // namespace quadrova::test
