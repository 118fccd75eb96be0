#include "core/int_helpers.h"

#include "core/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quadrova {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(Ggt, GreatestCommonDivisorOfMagnitudes) {
    struct Fall {
        std::int64_t a, b, g;
    };
    const Fall faelle[] = {
        {-12, 18, 6},
        {0, -5, 5},
        {7, 0, 7},
        {0, 0, 0},
        {18, -12, 6},
        {1, kMax, 1},
        {kMin, 6, 2},
        {kMin, kMax, 1},
        {kMin, -(std::int64_t{1} << 62), std::int64_t{1} << 62},
        // 2^63 itself cannot be an int64: it comes back as its two's complement, still a divisor
        {kMin, 0, kMin},
        {kMin, kMin, kMin},
    };
    for (const auto& f : faelle) EXPECT_EQ(ggt(f.a, f.b), f.g) << f.a << " " << f.b;
}

TEST(FeldGgT, CommonDivisorOfTheCoefficients) {
    EXPECT_EQ(FeldGgT({18, -12, 0, 6}), 6);
    EXPECT_EQ(FeldGgT({0, 0, 0, -20, 0, 4}), 4);
    EXPECT_EQ(FeldGgT({-7}), -7); // the lone constant keeps its sign
    EXPECT_EQ(FeldGgT({}), 0);
    EXPECT_EQ(FeldGgT({0, 0, 0, 0, 0, 0, 9}), 9);
}

class Teiler : public ::testing::Test {
protected:
    std::vector<double> liste() const {
        const int n = static_cast<int>(st.Sammelfeld[0]);
        return {st.Sammelfeld.begin() + 1, st.Sammelfeld.begin() + 1 + n};
    }
    AnalysisState st;
};

TEST_F(Teiler, AllPositiveDivisorsAscending) {
    EXPECT_TRUE(TeilerBestimmung(st, 12));
    EXPECT_EQ(liste(), (std::vector<double>{1, 2, 3, 4, 6, 12}));
    EXPECT_TRUE(TeilerBestimmung(st, 1));
    EXPECT_EQ(liste(), std::vector<double>{1});
    EXPECT_TRUE(TeilerBestimmung(st, 2147483647));
    EXPECT_EQ(liste(), (std::vector<double>{1, 2147483647}));
    for (std::int64_t n : std::initializer_list<std::int64_t>{0, -6, kMin}) {
        st.Sammelfeld[0] = 5;
        EXPECT_TRUE(TeilerBestimmung(st, n));
        EXPECT_EQ(st.Sammelfeld[0], 0) << n;
    }
}

TEST_F(Teiler, AgreesWithTestingEveryNumber) {
    for (std::int64_t n = 1; n <= 3000; ++n) {
        ASSERT_TRUE(TeilerBestimmung(st, n));
        std::vector<double> erwartet;
        for (std::int64_t j = 1; j <= n; ++j) {
            if (n % j == 0) erwartet.push_back(static_cast<double>(j));
        }
        ASSERT_EQ(liste(), erwartet) << n;
    }
}

TEST_F(Teiler, ManyDivisors) {
    ASSERT_TRUE(TeilerBestimmung(st, 2095133040)); // more than 1,024 divisors
    const auto t = liste();
    ASSERT_EQ(t.size(), 1600u);
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(std::fmod(2095133040.0, t[i]), 0);
        if (i > 0) {
            EXPECT_LT(t[i - 1], t[i]);
        }
    }
    // The product of the first 13 primes has exactly 2^13 divisors: the list is full.
    const std::int64_t voll = 304250263527210;
    ASSERT_TRUE(TeilerBestimmung(st, voll));
    EXPECT_EQ(st.Sammelfeld[0], kSammelfeldSize);
    EXPECT_EQ(st.Sammelfeld[kSammelfeldSize], static_cast<double>(voll));
    // One prime more would not fit: the list stays empty and the caller learns it.
    EXPECT_FALSE(TeilerBestimmung(st, voll * 43));
    EXPECT_EQ(st.Sammelfeld[0], 0);
}

TEST_F(Teiler, OfTheMagnitude) {
    EXPECT_TRUE(TeilerDesBetrags(st, -12));
    EXPECT_EQ(liste(), (std::vector<double>{1, 2, 3, 4, 6, 12}));
    EXPECT_TRUE(TeilerDesBetrags(st, kMin));
    EXPECT_EQ(st.Sammelfeld[0], 64);
    EXPECT_EQ(st.Sammelfeld[64], 9223372036854775808.0);
    EXPECT_TRUE(TeilerDesBetrags(st, 0));
    EXPECT_EQ(st.Sammelfeld[0], 0);
}

// Counted arrays: element 0 is the count.
struct OrdnenFall {
    std::vector<double> vorher, nachher;
};

TEST(FeldOrdnen, SortsAndMergesNearEqualMembers) {
    const OrdnenFall faelle[] = {
        {{3, 2, -1, 2}, {2, -1, 2, 2}}, // members beyond the count are left over
        {{0, 5, 4}, {0, 5, 4}},
        {{-1, 5, 4}, {-1, 5, 4}},
        {{1, 7}, {1, 7}},
        {{4, 1, -1.0000000000000002, 6, -1}, {3, -1.0000000000000002, 1, 6, 6}},
        {{5, 1, 1, 0.66667, 0, 1 + 1e-12}, {3, 0, 0.66667, 1, 1, 1 + 1e-12}},
        {{2.7, 3, 2, 9}, {2, 2, 3, 9}}, // the count is the floor of element 0
    };
    for (const auto& f : faelle) {
        auto a = f.vorher;
        FeldOrdnen(a);
        EXPECT_EQ(a, f.nachher);
    }
}

TEST(KillDoppel, KeepsAMemberOnlyWellAboveTheLastKept) {
    const OrdnenFall faelle[] = {
        {{0}, {0}},
        {{3, 1, 1, 2}, {2, 1, 2, 2}},
        {{2, 1, 1.00005}, {2, 1, 1.00005}},         // further apart than 1e-6: two members
        {{2, 0, 9e-7}, {1, 0, 9e-7}},               // near zero the distance is absolute
        {{2, 1e6, 1e6 + 0.5}, {1, 1e6, 1e6 + 0.5}}, // large members: relative to their size
        {{2, 1e6, 1e6 + 2}, {2, 1e6, 1e6 + 2}},
        {{4, 0, 0.6e-6, 1.2e-6, 2.1e-6}, {2, 0, 1.2e-6, 1.2e-6, 2.1e-6}}, // compared with the last kept
    };
    for (const auto& f : faelle) {
        auto a = f.vorher;
        KillDoppel(a);
        EXPECT_EQ(a, f.nachher);
    }
}

TEST(FeldOrdnen, CountBeyondTheArrayStaysInside) {
    std::vector<double> a = {99, 3, 1, 2};
    FeldOrdnen(a);
    EXPECT_EQ(a, (std::vector<double>{3, 1, 2, 3}));
    std::vector<double> b = {3, std::nan(""), 1, 0};
    FeldOrdnen(b);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 1);
}

TEST(Vorzeichen, SignumNullGrad) {
    EXPECT_EQ(signum(0.0), 0);
    EXPECT_EQ(signum(-0.0), 0);
    EXPECT_EQ(signum(-1e-300), -1);
    EXPECT_EQ(signum(3), 1);
    EXPECT_FALSE(IstNull(0.0001));
    EXPECT_TRUE(IstNull(-0.00009));
    EXPECT_FALSE(IstNull(-0.0001));
    EXPECT_EQ(Grad({}), -1);
    EXPECT_EQ(Grad({5}), 0);
    EXPECT_EQ(Grad({0, 0, 0, 1, 0, 0}), 3);
    EXPECT_EQ(Grad({0, 0, 0, 0, 0, 0, 2}), 6);
}

TEST(Fehler, ShowsTheInternalErrorMessage) {
    RecordingSurface ui;
    Fehler(ui, "Loesung3");
    ASSERT_EQ(ui.meldungen.size(), 1u);
    EXPECT_EQ(ui.meldungen[0], "Schwerer Fehler in der Prozedur Loesung3");
}

} // namespace
} // namespace quadrova
