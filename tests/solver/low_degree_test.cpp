// Degrees 0 to 2 and the closing sentence of the dispatch.

#include "solver_fixture.h"

namespace quadrova::test {
namespace {

const Fall kFaelle[] = {
    {"NonZeroConstant",
     Zeile({5}),
     "\nDie Gleichung 5 = 0  ist unerfüllbar.\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"NegativeConstant",
     Zeile({-7}),
     "\nDie Gleichung -7 = 0  ist unerfüllbar.\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"LinearHalf",
     Zeile({2, -3}),
     "\nDie Gleichung  2x - 3 = 0 hat die Lösung 1.5 .\nLösungsmenge ist also {1.5} .",
     {1.5},
     true,
     false},
    {"LinearThird",
     Zeile({3, 1}),
     "\nDie Gleichung  3x + 1 = 0 hat die Lösung -0.3333333 .\nLösungsmenge ist also {-0.33333} .",
     {-1.0 / 3},
     true,
     false},
    {"LinearZeroSolution",
     Zeile({-1, 0}),
     "\nDie Gleichung  - x = 0 hat die Lösung 0 .\nLösungsmenge ist also {0} .",
     {0},
     true,
     false},
    {"QuadraticTwo",
     Zeile({1, -5, 6}),
     "\nDie quadratische Gleichung  x^2 - 5x + 6 = 0 hat die Lösungen 2 und 3 .\nLösungsmenge ist also {2, "
     "3} .",
     {2, 3},
     true,
     false},
    {"QuadraticNone",
     Zeile({1, 0, 1}),
     "\nDie quadratische Gleichung  x^2 + 1 = 0 hat keine Lösungen .\nLösungsmenge ist also {} .",
     {},
     true,
     false},
    {"QuadraticDoubleExact",
     Zeile({1, -2, 1}),
     "\nDie quadratische Gleichung  x^2 - 2x + 1 = 0 hat die Lösung 1 .\nLösungsmenge ist also {1} .",
     {1},
     true,
     false},
    {"QuadraticIrrational",
     Zeile({1, 0, -2}),
     "\nDie quadratische Gleichung  x^2 - 2 = 0 hat die Lösungen -1.414214 und 1.414214 .\n"
     "Lösungsmenge ist also {-1.41421, 1.41421} .",
     {-std::sqrt(2.0), std::sqrt(2.0)},
     true,
     false},
    // The p-q formula gives 5.999999999999999 here; 6 is an exact zero, so 6 is printed and stored.
    {"QuadraticWholeStaysWhole",
     Zeile({-6, 52, -96}),
     "\nDie quadratische Gleichung  - 6x^2 + 52x - 96 = 0 hat die Lösungen 2.666667 und 6 .\n"
     "Lösungsmenge ist also {2.66667, 6} .",
     {8.0 / 3, 6},
     true,
     false},
    // (5x - 1)^2: D is a rounding error above 0, the two solutions differ by 5e-9 and count as one.
    {"QuadraticNearDoubleRoot",
     Zeile({25, -10, 1}),
     "\nDie quadratische Gleichung  25x^2 - 10x + 1 = 0 hat die Lösungen 0.2 und 0.2 .\n"
     "Lösungsmenge ist also {0.2} .",
     {0.2},
     true,
     false},
};

class NiedrigerGrad : public ::testing::TestWithParam<Fall> {};

TEST_P(NiedrigerGrad, WritesTheSentencesAndStoresTheSolutions) {
    Pruefe(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faelle, NiedrigerGrad, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dispatch, ZeroPolynomialIsAnIdentity) {
    const Loesung l = Loese(IntVec{});
    EXPECT_EQ(l.text, "\nDie Gleichung 0 = 0  ist eine Identität, also stets erfuellt.\nAlle reellen Zahlen "
                      "sind Lösungen.");
    EXPECT_EQ(l.lsg[0], -1);
    EXPECT_FALSE(l.lkomplett);
    EXPECT_FALSE(l.schulfern);
}

TEST(Dispatch, ClearsTheSolutionsButLeavesElementSix) {
    AnalysisState st;
    init(st);
    RecordingSurface ui;
    SolArray lsg = {4, 9, 9, 9, 9, 9, 42};
    IntVec a = Zeile({1, -1}); // x - 1
    std::string text = "vorher";
    Loesung012345(st, ui, a, lsg, text);
    EXPECT_EQ(lsg[0], 1);
    EXPECT_EQ(lsg[1], 1);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(lsg[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(lsg[6], 42);
    EXPECT_EQ(text.rfind("vorher\n", 0), 0U) << "the text is only appended to";
}

TEST(Dispatch, SchulfernStaysSetOverLaterCompleteEquations) {
    AnalysisState st;
    init(st);
    RecordingSurface ui;
    SolArray lsg{};
    std::string text;
    IntVec offen = Zeile({1, 0, 1, 1}); // x^3 + x + 1: no integer zero
    Loesung012345(st, ui, offen, lsg, text);
    EXPECT_TRUE(st.schulfern);
    IntVec einfach = Zeile({1, -1});
    Loesung012345(st, ui, einfach, lsg, text);
    EXPECT_TRUE(st.lkomplett);
    EXPECT_TRUE(st.schulfern);
}

} // namespace
} // namespace quadrova::test
