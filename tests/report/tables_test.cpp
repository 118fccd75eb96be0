#include "report/critical_points.h"
#include "report/sign_table.h"
#include "report/value_table.h"

#include "core/build_config.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace quadrova {
namespace {

using testing::MitPolynom;
using testing::SetzeNullstellen;
using testing::Zeilen;

const std::string plus = "+++++++++", minus = "---------", null = "____||___";

// f(x) = x^3 - 6x^2: zeros of f 0, 6; of f' 0, 4; of f'' 2; interval [-1; 7].
AnalysisState Beispiel() {
    AnalysisState st = MitPolynom({1, -6, 0, 0});
    SetzeNullstellen(st, {0, 6}, {0, 4}, {2});
    KritischeStellenBestimmen(st);
    Vorzeichen(st);
    return st;
}

TEST(Vorzeichentabelle, Arbeitsbeispiel) {
    const std::string d(63, '-');
    const std::string erwartet =
        "\nVorzeichentabelle nach Intervallen\n" + d + "\n" +
        "   x   |  _-1____| _0_____| _2_____| _4_____| _6_____| _7_____| \n" + d + "\n" + "  f(x) |" + minus +
        null + minus + minus + null + plus + "|\n" + d + "\n" + "  f'(x)|" + plus + null + minus + null +
        plus + plus + "|\n" + d + "\n" + " f''(x)|" + minus + minus + null + plus + plus + plus + "|\n" + d +
        "\n\n" +
        "Das Verfahren zur Ermittlung der Vorzeichenbereiche (unter Umständen ohne Berechnung eines einzigen "
        "Funktionswertes) \n" +
        "ist in " + config::homepage + "/Media/Themen/Kurvendiskussion.html ausführlich beschrieben.";
    EXPECT_EQ(Vorzeichentabelle(Beispiel()), erwartet);
}

TEST(Vorzeichentabelle, StandardAdresseImSchlusssatz) {
    if (std::string(config::homepage) != "https://www.example.org/quadrova") GTEST_SKIP() << "eigene Adresse";
    const std::string t = Vorzeichentabelle(Beispiel());
    EXPECT_TRUE(t.ends_with("\nist in https://www.example.org/quadrova/Media/Themen/Kurvendiskussion.html "
                            "ausführlich beschrieben."));
}

TEST(Wertetabelle, Arbeitsbeispiel) {
    const std::string d(63, '-');
    const std::string erwartet =
        "\nWertetabelle für die kritischen Stellen\n" + d + "\n" +
        "   x   |  _-1____| _0_____| _2_____| _4_____| _6_____| _7_____| \n" + d + "\n" +
        "  f(x) |  _-7____| _0_____| _-16___| _-32___| _0_____| _49____| \n" + d + "\n" +
        "  f'(x)|  _15____| _0_____| _-12___| _0_____| _36____| _63____| \n" + d + "\n";
    EXPECT_EQ(Wertetabelle(Beispiel()), erwartet);
}

TEST(Vorzkette, NullzelleNurFuerGenauNull) {
    EXPECT_EQ(Vorzkette(0.0), null);
    EXPECT_EQ(Vorzkette(-0.0), null);
    EXPECT_EQ(Vorzkette(1e-300), plus);
    EXPECT_EQ(Vorzkette(-0.0009), minus);
    EXPECT_EQ(Vorzkette(12345.0), plus);
}

// 15x^4 + x^3: at the zero -0.05 of f', f is -0.00003125, not zero (the zeros of f are -1/15 and 0).
TEST(Vorzeichentabelle, KleinerWertOhneMarkeBehaeltSeinVorzeichen) {
    AnalysisState st = MitPolynom({15, 1, 0, 0, 0});
    SetzeNullstellen(st, {-1.0 / 15, 0}, {-0.05, 0}, {-1.0 / 30, 0});
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.Kritisch[2], -0.05);
    const std::vector<std::string> z = Zeilen(Vorzeichentabelle(st));
    const std::size_t zelle = 8 + 9 * 2; // f row: label, column xlinks, column of -1/15
    EXPECT_EQ(z[5].substr(zelle, 9), minus);
    EXPECT_EQ(z[7].substr(zelle, 9), null);
    EXPECT_EQ(z[9].substr(zelle, 9), plus);
}

// A mark wins over the computed value: the point 0.5 is declared a zero of f' and of f'' although
// neither vanishes there; f itself is evaluated (its value 0.125 gives plus).
TEST(Tabellen, MarkierteNullstelleOhneAuswertung) {
    AnalysisState st = MitPolynom({1, 0, 0, 0}); // x^3
    SetzeNullstellen(st, {}, {0.5}, {0.5});
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.KTyp[1], "12");
    const std::vector<std::string> v = Zeilen(Vorzeichentabelle(st));
    EXPECT_EQ(v[5], "  f(x) |" + minus + plus + plus + "|");
    EXPECT_EQ(v[7], "  f'(x)|" + plus + null + plus + "|");
    EXPECT_EQ(v[9], " f''(x)|" + minus + null + plus + "|");
    const std::vector<std::string> w = Zeilen(Wertetabelle(st));
    EXPECT_EQ(w[3], "   x   |  _-1____| _0.5___| _1_____| ");
    EXPECT_EQ(w[5], "  f(x) |  _-1____| _0.125_| _1_____| ");
    EXPECT_EQ(w[7], "  f'(x)|  _3_____| _0_____| _3_____| ");
}

TEST(Tabellen, ZwoelfKritischeStellen) {
    AnalysisState st = MitPolynom({1, 0, 0, 0, 0, 0});
    SetzeNullstellen(st, {-5, -4, -3, -2, -1}, {1, 2, 3, 4}, {5, 6, 7});
    KritischeStellenBestimmen(st);
    ASSERT_EQ(st.Kritisch[0], 12);
    for (const std::string& t : {Vorzeichentabelle(st), Wertetabelle(st)}) {
        const std::vector<std::string> z = Zeilen(t);
        EXPECT_EQ(z[2], std::string(135, '-'));
        EXPECT_EQ(z[3].size(), 136u);
    }
    const std::vector<std::string> v = Zeilen(Vorzeichentabelle(st));
    for (int r : {5, 7, 9}) EXPECT_EQ(v[r].size(), 135u) << r;
}

TEST(Tabellen, AnfangUndEnde) {
    const AnalysisState st = Beispiel();
    const std::string v = Vorzeichentabelle(st), w = Wertetabelle(st);
    EXPECT_TRUE(v.starts_with("\nVorzeichentabelle nach Intervallen\n"));
    EXPECT_TRUE(v.ends_with("ausführlich beschrieben."));
    EXPECT_TRUE(w.starts_with("\nWertetabelle für die kritischen Stellen\n"));
    EXPECT_TRUE(w.ends_with(std::string(63, '-') + "\n"));
}

} // namespace
} // namespace quadrova
