#include "core/term_parser.h"

#include "core/recording_surface.h"
#include "core/term_printing.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace quadrova {
namespace {

class Parser : public ::testing::Test {
protected:
    void SetUp() override { init(st); }

    // The coefficient vector of s, or nothing when the parse fails.
    std::optional<IntVec> parse(const std::string& s) {
        st.wzaehler = 0;
        bool ok = false;
        String2Poly(st, ui, s, ok);
        if (!ok) return std::nullopt;
        return st.Poly;
    }

    AnalysisState st;
    RecordingSurface ui;
};

struct Fall {
    const char* eingabe;
    IntVec poly;
};

TEST_F(Parser, ReadsTheTermLanguage) {
    const Fall faelle[] = {
        {" xxxxx + xxx + x", {0, 1, 0, 1, 0, 1}},
        {" 3xxxx-36xxx+138xx-180x", {0, -180, 138, -36, 3}},
        {"x^3 + 2x^3 - x", {0, -1, 0, 3}},
        {"x**3", {0, 0, 0, 1}},
        {"x*x*x", {0, 0, 0, 1}},
        {"x^2*x", {0, 0, 0, 1}},
        {"x^2x^3", {0, 0, 0, 0, 0, 1}},
        {"2*x^3", {0, 0, 0, 2}},
        {"--x^3", {0, 0, 0, 1}},
        {"+-x^3", {0, 0, 0, -1}},
        {"-+x^3", {0, 0, 0, -1}},
        {"---x^3", {0, 0, 0, -1}},
        {"x^3+1", {1, 0, 0, 1}},
        {"3 x ^ 3 + y", {0, 0, 0, 3}},
        {"1 000x^3", {0, 0, 0, 1000}},
        {"x^+3-x^1", {0, -1, 0, 1}},
        {"x^3-", {0, 0, 0, 1}},
        {"-7+x^3+10", {3, 0, 0, 1}},
        {"X^3-3X", {0, -3, 0, 1}},
        {"3XXX", {0, 0, 0, 3}},
        {"", {}},
        // typographic characters keep their meaning
        {"x³−x", {0, -1, 0, 1}},
        {"x⁴–1", {-1, 0, 0, 0, 1}},
        {"2·x³", {0, 0, 0, 2}},
        {"2×x^5+x¹", {0, 1, 0, 0, 0, 2}},
        // the limits of the 32-bit range
        {"2147483647x^3-2147483648", {-2147483648LL, 0, 0, 2147483647}},
    };
    for (const auto& f : faelle) {
        const auto p = parse(f.eingabe);
        ASSERT_TRUE(p.has_value()) << f.eingabe;
        EXPECT_EQ(*p, f.poly) << f.eingabe;
    }
}

TEST_F(Parser, RejectsWhatItCannotReadFaithfully) {
    const char* faelle[] = {
        // raw text: x directly followed by a digit (also upper-case X)
        "2x2",
        "x3+1",
        "X3",
        // powers above 5
        "x^6",
        "x^7+1",
        "xxxxxx",
        "x^3*x^3",
        "x⁶",
        // readings that used to turn silently into another polynomial
        "x^3+1+x^10",
        "x^3+5+x^0",
        "3^2x",
        "x*2",
        "x 2",
        "2*3x^3",
        "x^3 2",
        "2x^3 4x^2",
        // power signs that do not read x^d with one digit 1..5
        "x^05",
        "x^45",
        "x^-3",
        "x^3^",
        "^3",
        "x^3^2",
        "x^",
        "2**3",
        "x³²",
        // brackets, equations, decimals, fractions
        "1,5x^3",
        "1/2x^3",
        "1.5x^3",
        "(x-1)(x+2)(x-3)",
        "x^3=0",
        "[x^3]",
        "{x^3}",
        "x^3:2",
        "x^3;",
        // terms or sums outside the 32-bit range
        "2147483648x^3",
        "-2147483649x^3",
        "x^3+2147483648",
        "2147483647x^3+x^3",
        "x^3+2147483647+1",
        "99999999999999999999999x^3",
        "x^3-1"
        "000000000000000000000000000000",
    };
    for (const char* s : faelle) EXPECT_FALSE(parse(s).has_value()) << s;
}

// Sums are exact: a coefficient may pass the 32-bit limit on its way as long as it ends inside,
// whatever the order of the terms.
TEST_F(Parser, OverflowDoesNotDependOnTheOrderOfTerms) {
    const IntVec erwartet = {0, 0, 0, 2147483647};
    EXPECT_EQ(parse("2147483647x^3+x^3-x^3"), erwartet);
    EXPECT_EQ(parse("2147483647x^3-x^3+x^3"), erwartet);
    EXPECT_EQ(parse("-x^3+x^3+2147483647x^3"), erwartet);
    EXPECT_FALSE(parse("x^3+2147483647x^3").has_value());
    EXPECT_FALSE(parse("2147483647x^3+x^3").has_value());
}

TEST_F(Parser, SuccessWritesPolyDegreeAndCanonicalText) {
    st.PGrad = 0;
    ASSERT_TRUE(parse(" xxxxx + xxx + x"));
    EXPECT_EQ(st.PGrad, 5);
    EXPECT_EQ(ui.eingabe, " x^5 + x^3 + x");
    ASSERT_TRUE(parse("x^3+12345678"));
    EXPECT_EQ(ui.eingabe, " x^3 + 12345678");
}

TEST_F(Parser, FailureLeavesTheStateAlone) {
    ASSERT_TRUE(parse("2x^4+1"));
    ui.eingabe = "x^3+1+x^10";
    EXPECT_FALSE(parse(ui.eingabe));
    EXPECT_EQ(st.Poly, (IntVec{1, 0, 0, 0, 2}));
    EXPECT_EQ(st.PGrad, 4);
    EXPECT_EQ(ui.eingabe, "x^3+1+x^10");
}

// Each term costs one guarded step plus one per digit of its coefficient; the whole parse has 500.
TEST_F(Parser, SharedLoopGuardLimitsTheTerms) {
    std::string s = "x^3";
    for (int i = 0; i < 249; ++i) s += "+1";
    EXPECT_EQ(parse(s), (IntVec{249, 0, 0, 1}));
    EXPECT_EQ(st.wzaehler, 499);
    EXPECT_FALSE(parse(s + "+1").has_value());

    bool ok = true;
    st.wzaehler = 495;
    String2Poly(st, ui, "x^3+12", ok); // 1 + 3 more steps
    EXPECT_TRUE(ok);
    st.wzaehler = 497;
    String2Poly(st, ui, "x^3+12", ok);
    EXPECT_FALSE(ok);
}

TEST(Whilekontrolle, FailsAfter500Steps) {
    AnalysisState st;
    bool ok = true;
    for (int i = 0; i < 500; ++i) Whilekontrolle(st, ok);
    EXPECT_TRUE(ok);
    Whilekontrolle(st, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(st.wzaehler, 501);
}

TEST(FehlzeichenKillen, KeepsOnlyTheTermAlphabet) {
    EXPECT_EQ(FehlzeichenKillen(" 3 x ^ 3 + y*Z\t-1²é"), "3x^3+*-1");
}

// The definition word for word: replace the leftmost occurrence, then search again from the start.
std::string reduzierenWoertlich(std::string s, const std::string& a, const std::string& b) {
    for (auto p = s.find(a); p != std::string::npos; p = s.find(a)) s.replace(p, a.size(), b);
    return s;
}

TEST(ZeichenReduzieren, SameResultAsLeftmostReplaceAndRescan) {
    struct Regel {
        const char* a;
        const char* b;
        const char* alphabet;
    };
    const Regel regeln[] = {
        {"++", "+", "+-x"},   {"+-", "-", "+-x"},    {"-+", "-", "+-x"},      {"--", "+", "+-x"},
        {"*+", "*", "*+-"},   {"+*", "*", "*+-"},    {"***", "**", "*x"},     {"**", "^", "*^x"},
        {"*", "", "*x"},      {"^+", "^", "^+"},     {"^^", "^", "^x"},       {"x^1", "x", "x^1"},
        {"x^2", "xx", "x^2"}, {"x^3", "xxx", "x^3"}, {"x^5", "xxxxx", "x^5"}, {"xxxxx", "x^5", "x^5"},
        {"xx", "x^2", "x^2"}, {"aba", "ab", "ab"},   {"ab", "ba", "ab"},
    };
    std::mt19937 gen(11);
    for (const auto& r : regeln) {
        const std::string alphabet = r.alphabet;
        std::uniform_int_distribution<std::size_t> zeichen(0, alphabet.size() - 1);
        for (int n = 0; n < 400; ++n) {
            std::string s;
            for (int i = 0; i < n % 24; ++i) s += alphabet[zeichen(gen)];
            ASSERT_EQ(ZeichenReduzieren(s, r.a, r.b), reduzierenWoertlich(s, r.a, r.b))
                << s << " " << r.a << "->" << r.b;
        }
    }
    EXPECT_EQ(ZeichenReduzieren("------", "--", "+"), "+++");
    EXPECT_EQ(ZeichenReduzieren("abc", "", "x"), "abc");
}

TEST(ZeichenReduzieren, EndlessRulesStop) {
    EXPECT_EQ(ZeichenReduzieren("ax", "x", "xx").substr(0, 3), "axx");
    EXPECT_EQ(ZeichenReduzieren("axa", "x", "x"), "axa");
}

TEST(Einlesen, AcceptsOnlyDegreesThreeToFive) {
    AnalysisState st;
    init(st);
    RecordingSurface ui;
    bool ok = false;
    ui.eingabe = " 3xxxx-36xxx+138xx-180x";
    Einlesen(st, ui, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(st.Pnom[0][4], 3);
    EXPECT_EQ(st.Pnom[0][1], -180);
    EXPECT_TRUE(ui.meldungen.empty());

    for (const char* s : {"x^2+1", "", "7"}) {
        init(st);
        ui.meldungen.clear();
        ui.eingabe = s;
        Einlesen(st, ui, ok);
        EXPECT_FALSE(ok) << s;
        ASSERT_EQ(ui.meldungen.size(), 1u) << s;
        EXPECT_EQ(ui.meldungen[0], "Eingabe muss Polynom 3. bis 5. Grades sein!");
    }
    EXPECT_EQ(st.Pnom[0][0], 7); // the degree check comes after row 0 is written
    EXPECT_EQ(ui.eingabe, " 7");

    init(st);
    ui.meldungen.clear();
    ui.eingabe = "x^7";
    Einlesen(st, ui, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(ui.meldungen.empty()); // a parse failure is reported by the driver
}

// Any text at all is parsed or rejected without crashing or hanging, and whatever parses prints
// as a canonical term that parses back to the same polynomial.
TEST_F(Parser, AnyTextIsParsedOrRejected) {
    std::mt19937 gen(3);
    std::uniform_int_distribution<int> byte(1, 255);
    const std::string termZeichen = "0123456789+-x*^ X\tx^";
    std::uniform_int_distribution<std::size_t> tz(0, termZeichen.size() - 1);
    std::uniform_int_distribution<int> laenge(0, 60);
    for (int n = 0; n < 4000; ++n) {
        std::string s;
        const int l = n % 50 == 0 ? 32767 : laenge(gen);
        for (int i = 0; i < l; ++i) s += n % 2 ? static_cast<char>(byte(gen)) : termZeichen[tz(gen)];
        const auto p = parse(s);
        if (!p) continue;
        const std::string kanonisch = Koeff2Term(*p);
        ASSERT_EQ(ui.eingabe, kanonisch);
        ASSERT_EQ(parse(kanonisch), p) << s << " -> " << kanonisch;
    }
}

TEST_F(Parser, LongInputs) {
    std::string vorzeichen;
    for (int i = 0; i < 16000; ++i) vorzeichen += "+-";
    EXPECT_FALSE(parse(vorzeichen + "x^3").has_value()); // 8,000 lone signs exhaust the guard
    EXPECT_EQ(parse(std::string(32000, ' ') + "x^3"), (IntVec{0, 0, 0, 1}));
    EXPECT_FALSE(parse(std::string(32767, 'x')).has_value());
    EXPECT_FALSE(parse(std::string(32767, '9')).has_value());
    EXPECT_FALSE(parse(std::string(32767, '^')).has_value());
    EXPECT_FALSE(parse(std::string(32767, '*')).has_value()); // "**" becomes a lone power sign
    EXPECT_EQ(parse(std::string(32767, '+')), IntVec{});
}

} // namespace
} // namespace quadrova
