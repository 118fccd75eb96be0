#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace quadrova {
namespace {

TEST(StrDouble, WritesWholeNumbersAsDigitsAndOthersAsSevenSignificantDigits) {
    struct Fall {
        double v;
        const char* text;
    };
    const Fall faelle[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {12345678, "12345678"},
        {-12345678, "-12345678"},
        {999999999999999, "999999999999999"},
        {1e15, "1e+15"},
        {12345678.5, "1.234568e+07"},
        {0.00001, "1e-05"},
        {0.0001, "0.0001"},
        {2.5, "2.5"},
        {-0.12346, "-0.12346"},
        {1.0 / 3, "0.3333333"},
        {0.1 + 0.2, "0.3"},
        {-1e-10, "-1e-10"},
        {123456.75, "123456.8"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Str(f.v), f.text) << f.v;
}

// Every value that is not a small whole number must read exactly as C's "%.7g" writes it.
TEST(StrDouble, MatchesPrintfG7ForNonWholeValues) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> expo(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = mant(gen) * std::pow(10.0, expo(gen));
        if (v == std::trunc(v) && std::fabs(v) < 1e15) continue;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.7g", v);
        ASSERT_EQ(Str(v), buf) << v;
    }
}

// Machines without German locales (a bare CI image) make one with localedef in a folder of the
// test's own; glibc reads LOCPATH at every setlocale call.
bool DeutschesGebietsschemaErzeugen() {
    const std::string ordner = ::testing::TempDir() + "quadrova-locale";
    // localedef also exits non-zero for mere warnings; whether setlocale succeeds is what counts.
    const std::string befehl =
        "mkdir -p " + ordner + " && localedef -i de_DE -f UTF-8 " + ordner + "/de_DE.UTF-8 >/dev/null 2>&1";
    [[maybe_unused]] const int rc = std::system(befehl.c_str());
    ::setenv("LOCPATH", ordner.c_str(), 1);
    const bool ok = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    ::unsetenv("LOCPATH");
    return ok;
}

TEST(StrDouble, IgnoresTheLocale) {
    const char* alt = std::setlocale(LC_ALL, nullptr);
    const std::string vorher = alt ? alt : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !DeutschesGebietsschemaErzeugen()) {
        GTEST_SKIP() << "no German locale installed, and localedef could not make one";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ","); // printf would now write "2,5"
    EXPECT_EQ(Str(2.5), "2.5");
    EXPECT_EQ(Str(1234567.25), "1234567");
    std::setlocale(LC_ALL, vorher.c_str());
}

TEST(StrInt, PlainDecimal) {
    EXPECT_EQ(Str(std::int64_t{0}), "0");
    EXPECT_EQ(Str(-42), "-42");
    EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(Val, ReadsTheLongestLeadingDecimalNumber) {
    struct Fall {
        std::string text;
        double wert;
    };
    const Fall faelle[] = {
        {"+5", 5},
        {"-12", -12},
        {"-", 0},
        {"+", 0},
        {"", 0},
        {"1.5.3", 1.5},
        {"12abc", 12},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"abc", 0},
        {"x3", 0},
        {" 7", 7},
        {"--3", 0},
        {"+-3", 0},
        {"1e5", 1},
        {"007", 7},
        {"-0", 0},
        {"2147483648", 2147483648.0},
        {"1 2", 1},
    };
    for (const auto& f : faelle) EXPECT_EQ(Val(f.text), f.wert) << f.text;
}

TEST(Val, HugeAndTinyDigitStringsSaturate) {
    EXPECT_EQ(Val("9" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-9" + std::string(400, '0')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val(std::string(32767, '0')), 0.0);
}

TEST(RundeGanz, RoundsToNearestAndSaturates) {
    EXPECT_EQ(RundeGanz(2.9999999999), 3);
    EXPECT_EQ(RundeGanz(-2.0000000001), -2);
    EXPECT_EQ(RundeGanz(-2.5), -3);
    EXPECT_EQ(RundeGanz(std::nan("")), 0);
    EXPECT_EQ(RundeGanz(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RundeGanz(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RundeGanz(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
}

} // namespace
} // namespace quadrova
