// Quartic equations: same-sign and opposite-sign pure quartics, the biquadratic equation, the
// divisor step down to the quadratic, and the zero-factor step.

#include "solver_fixture.h"

#include "solver/solver_steps.h"

#include <limits>

namespace quadrova::test {
namespace {

const std::string kStetsPositiv =
    "  kann keine Lösung haben, da der Ausdruck links vom Gleichheitszeichen stets positiv ist.";
const std::string kBinomisch = " nach der 3. binomischen Formel führt zu\n";
const std::string kBiquadratisch = " ist eine biquadratische Gleichung mit der Diskriminante ";

const Fall kFaelle[] = {
    {"SameSignsPositive",
     Zeile({1, 0, 0, 0, 1}),
     "\nDie Gleichung  x^4 + 1 = 0" + kStetsPositiv + "\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"SameSignsNegative",
     Zeile({-1, 0, 0, 0, -1}),
     "\nDie Gleichung  - x^4 - 1 = 0" + kStetsPositiv + "\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"BinomialSquareLeading",
     Zeile({1, 0, 0, 0, -16}),
     "\nFaktorzerlegung der linken Seite von  x^4 - 16 = 0" + kBinomisch +
         "(x^2 + 4) * (x^2 - 4) = 0  mit den Lösungen -2 und 2 .\nLösungsmenge ist also {-2, 2} .",
     {-2, 2},
     true,
     false},
    {"BinomialLeadingSquareNine",
     Zeile({-9, 0, 0, 0, 144}),
     "\nFaktorzerlegung der linken Seite von  - 9x^4 + 144 = 0" + kBinomisch +
         "(3x^2 + 12) * (3x^2 - 12) = 0  mit den Lösungen -2 und 2 .\nLösungsmenge ist also {-2, 2} .",
     {-2, 2},
     true,
     false},
    {"BinomialIrrationalAbsoluteTerm",
     Zeile({4, 0, 0, 0, -1}),
     "\nFaktorzerlegung der linken Seite von  4x^4 - 1 = 0" + kBinomisch +
         "(2x^2 + 1) * (2x^2 - 1) = 0  mit den Lösungen -0.7071068 und 0.7071068 .\n"
         "Lösungsmenge ist also {-0.70711, 0.70711} .",
     {-std::sqrt(0.5), std::sqrt(0.5)},
     true,
     false},
    // |a4| = 2 is no square: the factor shows sqrt(2) itself, so the line is a true factorisation.
    {"BinomialLeadingNotASquare",
     Zeile({2, 0, 0, 0, -8}),
     "\nFaktorzerlegung der linken Seite von  2x^4 - 8 = 0" + kBinomisch +
         "(1.414214x^2 + 2.828427) * (1.414214x^2 - 2.828427) = 0  mit den Lösungen -1.414214 und 1.414214 "
         ".\n"
         "Lösungsmenge ist also {-1.41421, 1.41421} .",
     {-std::sqrt(2.0), std::sqrt(2.0)},
     true,
     false},
    {"BiquadraticFourSolutions",
     Zeile({1, 0, -5, 0, 4}),
     "\n x^4 - 5x^2 + 4 = 0" + kBiquadratisch +
         "2.25 .\nSie reduziert sich daher auf x^2 = 1  oder   x^2 = 4\nmit den Lösungen -2 und 2\nsowie -1 "
         "und 1 ."
         "\nLösungsmenge ist also {-2, -1, 1, 2} .",
     {-2, -1, 1, 2},
     true,
     false},
    {"BiquadraticBothNegative",
     Zeile({1, 0, 5, 0, 4}),
     "\n x^4 + 5x^2 + 4 = 0" + kBiquadratisch +
         "2.25 .\nSie reduziert sich daher auf x^2 = -4  oder   x^2 = -1 .\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"BiquadraticOneSquarePositive",
     Zeile({1, 0, -3, 0, -4}),
     "\n x^4 - 3x^2 - 4 = 0" + kBiquadratisch +
         "6.25 .\nSie reduziert sich daher auf x^2 = -1  oder   x^2 = 4\nmit den Lösungen -2 und 2 ."
         "\nLösungsmenge ist also {-2, 2} .",
     {-2, 2},
     true,
     false},
    {"BiquadraticNegativeDiscriminant",
     Zeile({1, 0, 1, 0, 1}),
     "\n x^4 + x^2 + 1 = 0" + kBiquadratisch +
         "-0.75 .\nSie hat daher keine Lösungen\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"BiquadraticZeroDiscriminantSolutions",
     Zeile({1, 0, -2, 0, 1}),
     "\n x^4 - 2x^2 + 1 = 0" + kBiquadratisch +
         "0 .\nSie reduziert sich daher auf x^2 = 1   mit den Lösungen -1 und 1\nLösungsmenge ist also {-1, "
         "1} .",
     {-1, 1},
     true,
     false},
    {"BiquadraticZeroDiscriminantNoSolutions",
     Zeile({1, 0, 2, 0, 1}),
     "\n x^4 + 2x^2 + 1 = 0" + kBiquadratisch +
         "0 .\nSie reduziert sich daher auf x^2 = -1 und hat somit keine Lösungen\nLösungsmenge ist also {} "
         ".",
     {},
     true,
     false},
    {"DivisorStepTwice",
     Zeile({1, -10, 35, -50, 24}),
     "\nIn der Gleichung  x^4 - 10x^3 + 35x^2 - 50x + 24 = 0 hat das absolute Glied die Teilermenge "
     "{1, 2, 3, 4, 6, 8, 12, 24}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert  auf die Gleichung:  x^3 - 9x^2 + 26x - 24 = 0 ."
     "\nIn der Gleichung  x^3 - 9x^2 + 26x - 24 = 0 hat das absolute Glied die Teilermenge "
     "{1, 2, 3, 4, 6, 8, 12, 24}.\n"
     "Mit x = 2 findet man eine ganzzahlige Nullstelle, man kann also (x - 2) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  x^2 - 7x + 12 = 0 ."
     "\nDie quadratische Gleichung  x^2 - 7x + 12 = 0 hat die Lösungen 3 und 4 ."
     "\nLösungsmenge ist also {1, 2, 3, 4} .",
     {1, 2, 3, 4},
     true,
     false},
    {"NoIntegerZero",
     Zeile({1, 0, 0, 1, 1}),
     "\nIn der Gleichung  x^4 + x + 1 = 0 hat das absolute Glied die Teilermenge {1}.\n"
     "Diese letzte Gleichung hat keine ganzzahlige Lösung und ist mit den schulisch üblichen Mitteln nicht "
     "zu "
     "lösen.\nDie Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .",
     {},
     false,
     true},
    {"ZeroFactorTwoShifts",
     Zeile({1, 0, -1, 0, 0}),
     "\nDie Gleichung  x^4 - x^2 = 0 hat erkennbar 0 als Lösung und ist durch (ggf. mehrfaches) Ausklammern "
     "von x "
     "zu vereinfachen.\nDie quadratische Gleichung  x^2 - 1 = 0 hat die Lösungen -1 und 1 ."
     "\nLösungsmenge ist also {-1, 0, 1} .",
     {-1, 0, 1},
     true,
     false},
    // The last stage: x^3 factored out, Loesung1 on the linear rest.
    {"ZeroFactorThreeShiftsToLinear",
     Zeile({3, -4, 0, 0, 0}),
     "\nDie Gleichung  3x^4 - 4x^3 = 0 hat erkennbar 0 als Lösung und ist durch (ggf. mehrfaches) "
     "Ausklammern "
     "von x zu vereinfachen.\nDie Gleichung  3x - 4 = 0 hat die Lösung 1.333333 .\nLösungsmenge ist also {0, "
     "1.33333} .",
     {0, 4.0 / 3},
     true,
     false},
    // The cubic rest gives 1 from the divisor step and 1.0000000000000004 from the p-q formula.
    {"DoubleZeroCountedOnce",
     Zeile({-3, 8, -7, 2, 0}),
     "\nDie Gleichung  - 3x^4 + 8x^3 - 7x^2 + 2x = 0 hat erkennbar 0 als Lösung und ist durch (ggf. "
     "mehrfaches) "
     "Ausklammern von x zu vereinfachen."
     "\nIn der Gleichung  - 3x^3 + 8x^2 - 7x + 2 = 0 hat das absolute Glied die Teilermenge {1, 2}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  - 3x^2 + 5x - 2 = 0 ."
     "\nDie quadratische Gleichung  - 3x^2 + 5x - 2 = 0 hat die Lösungen 0.6666667 und 1 ."
     "\nLösungsmenge ist also {0, 0.66667, 1} .",
     {0, 2.0 / 3, 1},
     true,
     false},
};

class Quartisch : public ::testing::TestWithParam<Fall> {};

TEST_P(Quartisch, WritesTheSentencesAndStoresTheSolutions) {
    Pruefe(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Quartisch, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Quartisch, TypComparesSignsWithoutMultiplying) {
    RecordingSurface ui;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Typ4(ui, Zeile({kMax, 0, 0, 0, kMax})), 1);
    EXPECT_EQ(Typ4(ui, Zeile({kMin, 0, 0, 0, kMin})), 1);
    EXPECT_EQ(Typ4(ui, Zeile({kMax, 0, 0, 0, kMin})), 2);
    EXPECT_EQ(Typ4(ui, Zeile({3, 0, 0, 0, 0})), 2);
    EXPECT_EQ(Typ4(ui, Zeile({1, 0, 7, 0, 1})), 3);
    EXPECT_EQ(Typ4(ui, Zeile({1, 1, 0, 0, 1})), 4);
    EXPECT_TRUE(ui.meldungen.empty());
    EXPECT_EQ(Typ4(ui, Zeile({1, 0, 1})), 0);
    EXPECT_EQ(ui.meldungen, std::vector<std::string>{"Schwerer Fehler in der Prozedur Typ4"});
}

TEST(Quartisch, HugeOppositeSignsStillFactor) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const Loesung l = Loese(Zeile({kMax, 0, 0, 0, -kMax}));
    EXPECT_TRUE(l.lkomplett);
    ASSERT_EQ(l.lsg[0], 2);
    EXPECT_EQ(l.lsg[1], -1); // exact zeros: snapped to whole numbers
    EXPECT_EQ(l.lsg[2], 1);
}

} // namespace
} // namespace quadrova::test
