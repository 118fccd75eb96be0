// Large coefficients: rows of derivatives of quintics with coefficients near the 32-bit limit, the
// refusal of rows too large for the divisor step, and every row within 64 bits giving a finished
// sentence sequence.

#include "solver_fixture.h"

#include "solver/solver_steps.h"

#include <limits>

namespace quadrova::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t k31 = 2147483647;

bool EndetMitZusammenfassung(const std::string& text) {
    static const char* const kEnden[] = {"Lösungsmenge ist also ",
                                         "Die Lösungsmenge kann also mit schulischen "
                                         "Mitteln nicht bestimmt werden .",
                                         "Alle reellen Zahlen sind Lösungen.",
                                         "Eine Teilmenge der Lösungsmenge ist also "};
    const std::size_t zeile = text.rfind('\n');
    if (zeile == std::string::npos) return false;
    const std::string letzte = text.substr(zeile + 1);
    for (const char* e : kEnden) {
        if (letzte.rfind(e, 0) == 0) return true;
    }
    return false;
}

TEST(GrosseKoeffizienten, QuinticAtTheThirtyTwoBitLimitAndItsDerivatives) {
    // f = k31 (x - 1)(x^4 - x^2 + 1): every coefficient at the 32-bit limit.
    const Loesung f = Loese(Zeile({k31, -k31, -k31, k31, k31, -k31}));
    EXPECT_EQ(
        f.text,
        "\nIn der Gleichung  2147483647x^5 - 2147483647x^4 - 2147483647x^3 + 2147483647x^2 + "
        "2147483647x - 2147483647 = 0 hat das absolute Glied nach Ausklammern von 2147483647 die "
        "Teilermenge {1}.\n"
        "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
        "Polynomdivision reduziert  auf die Gleichung:  2147483647x^4 - 2147483647x^2 + 2147483647 = 0 ."
        "\n 2147483647x^4 - 2147483647x^2 + 2147483647 = 0 ist eine biquadratische Gleichung mit der "
        "Diskriminante -0.75 .\nSie hat daher keine Lösungen\nLösungsmenge ist also {1} .");
    // The first three derivatives as the driver hands them over; 60 k31 leaves 32 bits.
    const Loesung f1 = Loese(Zeile({5 * k31, -4 * k31, -3 * k31, 2 * k31, k31}));
    EXPECT_TRUE(EndetMitZusammenfassung(f1.text)) << f1.text;
    EXPECT_FALSE(f1.lkomplett);
    const Loesung f2 = Loese(Zeile({20 * k31, -12 * k31, -6 * k31, 2 * k31}));
    EXPECT_NE(f2.text.find("nach Ausklammern von 4294967294 die Teilermenge {1}."), std::string::npos)
        << f2.text;
    const Loesung f3 = Loese(Zeile({60 * k31, -24 * k31, -6 * k31})); // 6 k31 (10x^2 - 4x - 1)
    EXPECT_TRUE(f3.lkomplett);
    ASSERT_EQ(f3.lsg[0], 2);
    EXPECT_NEAR(f3.lsg[1], 0.2 - std::sqrt(0.14), 1e-12);
}

TEST(GrosseKoeffizienten, LargeIntegerZeroIsFoundAndDividedOff) {
    // (x + 2147483648)(x^2 - 2): a(0) = -2^32 has 33 divisors, the zero is the largest of them.
    const std::int64_t z = 2147483648;
    const Loesung l = Loese(Zeile({1, z, -2, -2 * z}));
    EXPECT_NE(l.text.find("Mit x = -2147483648 findet man eine ganzzahlige Nullstelle, man kann also "
                          "(x + 2147483648) ausklammern."),
              std::string::npos)
        << l.text;
    EXPECT_NE(l.text.find("Polynomdivision reduziert auf die Gleichung:  x^2 - 2 = 0 ."), std::string::npos);
    EXPECT_TRUE(l.lkomplett);
    ASSERT_EQ(l.lsg[0], 3);
    EXPECT_EQ(l.lsg[1], -2147483648.0);
}

TEST(GrosseKoeffizienten, RowsBeyondTheSchoolRangeAreLeftOpen) {
    const std::string satz =
        " hat zu große Koeffizienten für eine Suche nach ganzzahligen Lösungen mit schulischen "
        "Mitteln.\nDie Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .";
    const std::int64_t grenze = kTeilerGrenze;
    // Absolute term just inside the bound: the divisors are listed as usual.
    const Loesung innen = Loese(Zeile({1, 0, 1, grenze}));
    EXPECT_EQ(innen.text.rfind("\nIn der Gleichung  x^3 + x + 137438953472 = 0 hat das absolute Glied die "
                               "Teilermenge {1, 2, 4, 8,",
                               0),
              0U)
        << innen.text;
    // One above: no divisor search.
    const Loesung aussen = Loese(Zeile({1, 0, 1, grenze + 1}));
    EXPECT_EQ(aussen.text, "\nDie Gleichung  x^3 + x + 137438953473 = 0" + satz);
    EXPECT_FALSE(aussen.lkomplett);
    EXPECT_TRUE(aussen.schulfern);
    // The common factor is divided out before the bound is checked.
    const Loesung geteilt = Loese(Zeile({4, 0, 4, 4 * grenze}));
    EXPECT_NE(geteilt.text.find("nach Ausklammern von 4 die Teilermenge {1, 2, 4,"), std::string::npos);
    // A coefficient beyond 2^59 anywhere in the row.
    const Loesung gross = Loese(Zeile({kSchulGrenze + 1, 0, 1, 1}));
    EXPECT_EQ(gross.text, "\nDie Gleichung  576460752303423489x^3 + x + 1 = 0" + satz);
}

TEST(GrosseKoeffizienten, EveryRowWithinSixtyFourBitsFinishes) {
    const std::int64_t werte[] = {kMin, kMin + 1, -kSchulGrenze, -k31 - 1,     -2,  -1, 0,
                                  1,    2,        k31,           kSchulGrenze, kMax};
    // All rows of degree 3 to 5 whose coefficients come from the list in a few patterns, plus the
    // lower degrees through the same patterns.
    int laeufe = 0;
    for (std::int64_t p : werte) {
        for (std::int64_t q : werte) {
            for (int d = 0; d <= 5; ++d) {
                for (int muster = 0; muster < 4; ++muster) {
                    IntVec a{};
                    for (int k = 0; k <= d; ++k) {
                        const bool erster = muster == 0   ? k % 2 == 0
                                            : muster == 1 ? k == 0 || k == d
                                                          : k != 1;
                        a[static_cast<std::size_t>(k)] = erster ? p : (muster == 3 ? 1 : q);
                    }
                    const Loesung l = Loese(a);
                    ++laeufe;
                    EXPECT_TRUE(EndetMitZusammenfassung(l.text)) << l.text;
                    EXPECT_GE(l.lsg[0], -1);
                    EXPECT_LE(l.lsg[0], 6);
                    EXPECT_TRUE(l.meldungen.empty());
                }
            }
        }
    }
    EXPECT_GT(laeufe, 0);
}

} // namespace
} // namespace quadrova::test
