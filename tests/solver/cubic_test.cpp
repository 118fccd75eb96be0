// Cubic equations: the pure cubic, the divisor step with its variant texts, the zero-factor step.

#include "solver_fixture.h"

#include "solver/solver_steps.h"

namespace quadrova::test {
namespace {

const std::string kKeineGanzeDie =
    "Die letzte Gleichung hat keine ganzzahlige Lösung und ist mit den schulisch "
    "üblichen Mitteln nicht zu lösen.";
const std::string kOffen = "\nDie Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .";
const std::string kNullfaktor =
    " hat erkennbar 0 als Lösung und ist durch (ggf. mehrfaches) Ausklammern von x zu vereinfachen.";

const Fall kFaelle[] = {
    {"DivisorStepThroughToQuadratic",
     Zeile({1, -6, 11, -6}),
     "\nIn der Gleichung  x^3 - 6x^2 + 11x - 6 = 0 hat das absolute Glied die Teilermenge {1, 2, 3, 6}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  x^2 - 5x + 6 = 0 ."
     "\nDie quadratische Gleichung  x^2 - 5x + 6 = 0 hat die Lösungen 2 und 3 ."
     "\nLösungsmenge ist also {1, 2, 3} .",
     {1, 2, 3},
     true,
     false},
    {"NoIntegerZero",
     Zeile({1, 0, 1, 1}),
     "\nIn der Gleichung  x^3 + x + 1 = 0 hat das absolute Glied die Teilermenge {1}.\n" + kKeineGanzeDie +
         kOffen,
     {},
     false,
     true},
    {"CommonFactorIsShown",
     Zeile({2, 0, -4, 6}),
     "\nIn der Gleichung  2x^3 - 4x + 6 = 0 hat das absolute Glied nach Ausklammern von 2 die Teilermenge "
     "{1, 3}.\n" +
         kKeineGanzeDie + kOffen,
     {},
     false,
     true},
    {"PureCubicNegative",
     Zeile({2, 0, 0, 16}),
     "\nDie Gleichung  2x^3 + 16 = 0  hat -2 als einzige Lösung.\nLösungsmenge ist also {-2} .",
     {-2},
     true,
     false},
    {"PureCubicPositive",
     Zeile({-1, 0, 0, 8}),
     "\nDie Gleichung  - x^3 + 8 = 0  hat 2 als einzige Lösung.\nLösungsmenge ist also {2} .",
     {2},
     true,
     false},
    // exp(ln 27 / 3) is not exactly 3; 3 is an exact zero, so 3 is stored.
    {"PureCubicSnappedToWhole",
     Zeile({1, 0, 0, -27}),
     "\nDie Gleichung  x^3 - 27 = 0  hat 3 als einzige Lösung.\nLösungsmenge ist also {3} .",
     {3},
     true,
     false},
    {"PureCubicIrrational",
     Zeile({1, 0, 0, -2}),
     "\nDie Gleichung  x^3 - 2 = 0  hat 1.259921 als einzige Lösung.\nLösungsmenge ist also {1.25992} .",
     {std::cbrt(2.0)},
     true,
     false},
    {"ZeroFactorOnce",
     Zeile({1, 0, -1, 0}),
     "\nDie Gleichung  x^3 - x = 0" + kNullfaktor +
         "\nDie quadratische Gleichung  x^2 - 1 = 0 hat die Lösungen -1 und 1 .\nLösungsmenge ist also {-1, "
         "0, 1} .",
     {-1, 0, 1},
     true,
     false},
    {"ZeroFactorTwiceStoresZeroOnce",
     Zeile({5, 0, 0, 0}),
     "\nDie Gleichung  5x^3 = 0" + kNullfaktor +
         "\nDie Gleichung  5x = 0 hat die Lösung 0 .\nLösungsmenge ist also {0} .",
     {0},
     true,
     false},
    {"DoubleZeroFoundTwice",
     Zeile({1, 0, -3, 2}),
     "\nIn der Gleichung  x^3 - 3x + 2 = 0 hat das absolute Glied die Teilermenge {1, 2}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  x^2 + x - 2 = 0 ."
     "\nDie quadratische Gleichung  x^2 + x - 2 = 0 hat die Lösungen -2 und 1 ."
     "\nLösungsmenge ist also {-2, 1} .",
     {-2, 1},
     true,
     false},
    {"NegativeZeroFactorText",
     Zeile({1, 4, 1, 4}),
     "\nIn der Gleichung  x^3 + 4x^2 + x + 4 = 0 hat das absolute Glied die Teilermenge {1, 2, 4}.\n"
     "Mit x = -4 findet man eine ganzzahlige Nullstelle, man kann also (x + 4) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  x^2 + 1 = 0 ."
     "\nDie quadratische Gleichung  x^2 + 1 = 0 hat keine Lösungen ."
     "\nLösungsmenge ist also {-4} .",
     {-4},
     true,
     false},
    {"RationalZeroFromTheQuadratic",
     Zeile({2, -1, -2, 1}),
     "\nIn der Gleichung  2x^3 - x^2 - 2x + 1 = 0 hat das absolute Glied die Teilermenge {1}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  2x^2 + x - 1 = 0 ."
     "\nDie quadratische Gleichung  2x^2 + x - 1 = 0 hat die Lösungen -1 und 0.5 ."
     "\nLösungsmenge ist also {-1, 0.5, 1} .",
     {-1, 0.5, 1},
     true,
     false},
    {"OnlyNonIntegerRationalZeros",
     Zeile({2, -1, 2, -1}),
     "\nIn der Gleichung  2x^3 - x^2 + 2x - 1 = 0 hat das absolute Glied die Teilermenge {1}.\n" +
         kKeineGanzeDie + kOffen,
     {},
     false,
     true},
    // (x - 1)(5x - 1)^2: the double zero 1/5 comes out of the p-q formula twice, 5e-9 apart.
    {"NearDoubleZeroOfTheRest",
     Zeile({25, -35, 11, -1}),
     "\nIn der Gleichung  25x^3 - 35x^2 + 11x - 1 = 0 hat das absolute Glied die Teilermenge {1}.\n"
     "Mit x = 1 findet man eine ganzzahlige Nullstelle, man kann also (x - 1) ausklammern.\n"
     "Polynomdivision reduziert auf die Gleichung:  25x^2 - 10x + 1 = 0 ."
     "\nDie quadratische Gleichung  25x^2 - 10x + 1 = 0 hat die Lösungen 0.2 und 0.2 ."
     "\nLösungsmenge ist also {0.2, 1} .",
     {0.2, 1},
     true,
     false},
};

class Kubisch : public ::testing::TestWithParam<Fall> {};

TEST_P(Kubisch, WritesTheSentencesAndStoresTheSolutions) {
    Pruefe(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kubisch, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Kubisch, NotACubicShowsTheInternalErrorAndWritesNothing) {
    AnalysisState st;
    init(st);
    RecordingSurface ui;
    IntVec a = Zeile({0, 1, 0, 1}); // reaches Loesung3 only by a programming error
    SolArray lsg{};
    std::string text;
    Loesung3(st, ui, a, lsg, text);
    EXPECT_EQ(ui.meldungen, std::vector<std::string>{"Schwerer Fehler in der Prozedur Typ3"});
    EXPECT_EQ(text, "");
    EXPECT_EQ(lsg[0], 0);
}

} // namespace
} // namespace quadrova::test
