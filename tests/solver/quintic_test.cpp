// Quintic equations: the pure quintic, the zero-factor step down to every lower degree, and the
// divisor step through several divisions.

#include "solver_fixture.h"

namespace quadrova::test {
namespace {

const std::string kNullfaktor =
    " hat erkennbar 0 als Lösung und ist durch (ggf. mehrfaches) Ausklammern von x zu vereinfachen.";

const Fall kFaelle[] = {
    // exp(ln 32 / 5) is 2 only up to rounding; -2 is an exact zero, so -2 itself is stored.
    {"PureNegativeRoot",
     Zeile({2, 0, 0, 0, 0, 64}),
     "\nDie Gleichung  2x^5 + 64 = 0  hat -2 als einzige Lösung.\nLösungsmenge ist also {-2} .",
     {-2},
     true,
     false},
    // Here exp(ln 243 / 5) is 2.9999999999999996.
    {"PureRootSnappedToWhole",
     Zeile({1, 0, 0, 0, 0, 243}),
     "\nDie Gleichung  x^5 + 243 = 0  hat -3 als einzige Lösung.\nLösungsmenge ist also {-3} .",
     {-3},
     true,
     false},
    {"PurePositiveRoot",
     Zeile({-1, 0, 0, 0, 0, 32}),
     "\nDie Gleichung  - x^5 + 32 = 0  hat 2 als einzige Lösung.\nLösungsmenge ist also {2} .",
     {2},
     true,
     false},
    {"PureOne",
     Zeile({1, 0, 0, 0, 0, -1}),
     "\nDie Gleichung  x^5 - 1 = 0  hat 1 als einzige Lösung.\nLösungsmenge ist also {1} .",
     {1},
     true,
     false},
    {"ZeroFactorToBinomial",
     Zeile({1, 0, 0, 0, -1, 0}),
     "\nDie Gleichung  x^5 - x = 0" + kNullfaktor +
         "\nFaktorzerlegung der linken Seite von  x^4 - 1 = 0 nach der 3. binomischen Formel führt zu\n"
         "(x^2 + 1) * (x^2 - 1) = 0  mit den Lösungen -1 und 1 .\nLösungsmenge ist also {-1, 0, 1} .",
     {-1, 0, 1},
     true,
     false},
    // Stage 2 of the zero-factor step: x^2 factored out, the pure cubic is left.
    {"ZeroFactorTwoShiftsToPureCubic",
     Zeile({1, 0, 0, -1, 0, 0}),
     "\nDie Gleichung  x^5 - x^2 = 0" + kNullfaktor +
         "\nDie Gleichung  x^3 - 1 = 0  hat 1 als einzige Lösung.\nLösungsmenge ist also {0, 1} .",
     {0, 1},
     true,
     false},
    // Stage 3: x^3 factored out, a quadratic without solutions is left.
    {"ZeroFactorThreeShiftsToQuadratic",
     Zeile({1, 0, 1, 0, 0, 0}),
     "\nDie Gleichung  x^5 + x^3 = 0" + kNullfaktor +
         "\nDie quadratische Gleichung  x^2 + 1 = 0 hat keine Lösungen .\nLösungsmenge ist also {0} .",
     {0},
     true,
     false},
    {"ZeroFactorFourShifts",
     Zeile({1, 0, 0, 0, 0, 0}),
     "\nDie Gleichung  x^5 = 0" + kNullfaktor +
         "\nDie Gleichung  x = 0 hat die Lösung 0 .\nLösungsmenge ist also {0} .",
     {0},
     true,
     false},
    {"ZeroFactorThenTwoDivisions",
     Zeile({1, -5, 5, 5, -6, 0}),
     "\nDie Gleichung  x^5 - 5x^4 + 5x^3 + 5x^2 - 6x = 0" + kNullfaktor +
         "\nIn der Gleichung  x^4 - 5x^3 + 5x^2 + 5x - 6 = 0 hat das absolute Glied die Teilermenge {1, 2, "
         "3, 6}.\n"
         "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
         "Polynomdivision reduziert  auf die Gleichung:  x^3 - 4x^2 + x + 6 = 0 ."
         "\nIn der Gleichung  x^3 - 4x^2 + x + 6 = 0 hat das absolute Glied die Teilermenge {1, 2, 3, 6}.\n"
         "Mit x = -1 findet man eine ganzzahlige Nullstelle, man kann also (x + 1) ausklammern.\n"
         "Polynomdivision reduziert auf die Gleichung:  x^2 - 5x + 6 = 0 ."
         "\nDie quadratische Gleichung  x^2 - 5x + 6 = 0 hat die Lösungen 2 und 3 ."
         "\nLösungsmenge ist also {-1, 0, 1, 2, 3} .",
     {-1, 0, 1, 2, 3},
     true,
     false},
    // 2(x - 1)(x + 2)(x - 3)(x^2 - 2): three divisions, each after factoring out 2.
    {"ThreeDivisionsWithCommonFactor",
     Zeile({2, -4, -14, 20, 20, -24}),
     "\nIn der Gleichung  2x^5 - 4x^4 - 14x^3 + 20x^2 + 20x - 24 = 0 hat das absolute Glied nach Ausklammern "
     "von 2 "
     "die Teilermenge {1, 2, 3, 4, 6, 12}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert  auf die Gleichung:  2x^4 - 2x^3 - 16x^2 + 4x + 24 = 0 ."
     "\nIn der Gleichung  2x^4 - 2x^3 - 16x^2 + 4x + 24 = 0 hat das absolute Glied nach Ausklammern von 2 "
     "die Teilermenge {1, 2, 3, 4, 6, 12}.\n"
     "Mit x = -2 findet man eine ganzzahlige Nullstelle, man kann also (x + 2) ausklammern.\n"
     "Polynomdivision reduziert  auf die Gleichung:  2x^3 - 6x^2 - 4x + 12 = 0 ."
     "\nIn der Gleichung  2x^3 - 6x^2 - 4x + 12 = 0 hat das absolute Glied nach Ausklammern von 2 "
     "die Teilermenge {1, 2, 3, 6}.\n"
     "Mit x = 3 findet man eine ganzzahlige Nullstelle, man kann also (x - 3) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  2x^2 - 4 = 0 ."
     "\nDie quadratische Gleichung  2x^2 - 4 = 0 hat die Lösungen -1.414214 und 1.414214 ."
     "\nLösungsmenge ist also {-2, -1.41421, 1, 1.41421, 3} .",
     {-2, -std::sqrt(2.0), 1, std::sqrt(2.0), 3},
     true,
     false},
    // (x - 2)(x^4 + x + 1): one division, then the quartic rest stays open.
    {"OneZeroThenOpen",
     Zeile({1, -2, 0, 1, -1, -2}),
     "\nIn der Gleichung  x^5 - 2x^4 + x^2 - x - 2 = 0 hat das absolute Glied die Teilermenge {1, 2}.\n"
     "Mit x = 2 findet man eine ganzzahlige Nullstelle, man kann also (x - 2) ausklammern.\n"
     "Polynomdivision reduziert  auf die Gleichung:  x^4 + x + 1 = 0 ."
     "\nIn der Gleichung  x^4 + x + 1 = 0 hat das absolute Glied die Teilermenge {1}.\n"
     "Diese letzte Gleichung hat keine ganzzahlige Lösung und ist mit den schulisch üblichen Mitteln nicht "
     "zu "
     "lösen.\nEine Teilmenge der Lösungsmenge ist also {2} .",
     {2},
     false,
     true},
    {"NoIntegerZero",
     Zeile({1, 0, 0, 0, 1, 1}),
     "\nIn der Gleichung  x^5 + x + 1 = 0 hat das absolute Glied die Teilermenge {1}.\n"
     "Diese letzte Gleichung hat keine ganzzahlige Lösung und ist mit den schulisch üblichen Mitteln nicht "
     "zu "
     "lösen.\nDie Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .",
     {},
     false,
     true},
};

class Quintisch : public ::testing::TestWithParam<Fall> {};

TEST_P(Quintisch, WritesTheSentencesAndStoresTheSolutions) {
    Pruefe(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Quintisch, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Quintisch, NearlyWholeRootThatIsNoZeroStaysAsComputed) {
    // The real root is 1.00000000028 (within 1e-9 of 1), but 1 is no zero of the equation.
    const Loesung l = Loese(Zeile({2147483644, 0, 0, 0, 0, -2147483647}));
    ASSERT_EQ(l.lsg[0], 1);
    EXPECT_GT(l.lsg[1], 1.0);
    EXPECT_NEAR(l.lsg[1], 1.00000000028, 1e-11);
}

} // namespace
} // namespace quadrova::test
