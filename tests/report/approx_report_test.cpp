// The approximation road inside a whole run: the start command with the question answered yes.

#include "report/analysis_driver.h"
#include "report/approximation.h"

#include "core/recording_surface.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quadrova {
namespace {

using testing::Zeilen;

struct Lauf {
    AnalysisState st;
    RecordingSurface ui;
};

void Starte(Lauf& l, const std::string& term, bool extras) {
    l.ui.eingabe = term;
    l.ui.antwort = true;
    l.st.ExtrasAktiviert = extras;
    Start(l.st, l.ui);
}

// The text after the separator line that closes the school part.
std::string Naeherungsteil(const std::string& bericht) {
    const std::string trenner = "\n" + std::string(107, '_') + "\n";
    const std::size_t p = bericht.find(trenner);
    return p == std::string::npos ? std::string() : bericht.substr(p + trenner.size());
}

// Example 6, (x - 1)^2 (x - 2)(x + 2)(x - 3): the zeros of every derivative to five decimals, ten
// critical points in [-3; 4].
TEST(Start2, Beispiel6Kopf) {
    Lauf l;
    Starte(l, "xxxxx-5xxxx+3xxx+17xx-28x+12", false);
    ASSERT_EQ(l.ui.fragen.size(), 1u);
    ASSERT_TRUE(l.st.SkizzeBereit);
    const std::string teil = Naeherungsteil(l.ui.ausgabe);
    const std::string kopf =
        "\n\nUntersuchung der Funktion f mit f(x) =  x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12 mit "
        "Approximationsverfahren."
        "\n\nDie 1. Ableitung hat den Funktionsterm  5x^4 - 20x^3 + 9x^2 + 34x - 28"
        "\n\nDie 2. Ableitung hat den Funktionsterm  20x^3 - 60x^2 + 18x + 34"
        "\n\nDie 3. Ableitung hat den Funktionsterm  60x^2 - 120x + 18"
        "\n\n\nZusammenfassung der Nullstellenmengen N(i) der i-Ableitungen (i=0, 1, 2, 3):\n\n"
        "N(0) = {-2, 1, 2, 3}\n"
        "N(1) = {-1.29078, 1, 1.63135, 2.65944}\n"
        "N(2) = {-0.5751, 1.29836, 2.27673}\n"
        "N(3) = {0.16334, 1.83666}\n"
        "\n\nMenge der kritischen Stellen: {-2, -1.29078, -0.5751, 1, 1.29836, 1.63135, 2, 2.27673, "
        "2.65944, 3}\n"
        "Alle kritischen Stellen liegen im Inneren des Intervalls [ -3; 4 ] .\n\n"
        "\nVorzeichentabelle nach Intervallen\n";
    EXPECT_EQ(teil.substr(0, kopf.size()), kopf);
    // The school part before it stays as the driver left it.
    EXPECT_EQ(l.ui.ausgabe.substr(0, l.st.Gelaber.size()), l.st.Gelaber);
    EXPECT_EQ(l.ui.ausgabe.size(), l.st.Gelaber.size() + teil.size());
}

// The marks put the zero cells: f at -2, 1, 2, 3; f' at its four zeros; f'' at its three.
TEST(Start2, Beispiel6Vorzeichenzeilen) {
    Lauf l;
    Starte(l, "xxxxx-5xxxx+3xxx+17xx-28x+12", false);
    const std::vector<std::string> z = Zeilen(Naeherungsteil(l.ui.ausgabe));
    auto zeile = [](const char* label, const char* zeichen) {
        std::string s = label;
        for (const char* c = zeichen; *c; ++c) {
            s += *c == '+' ? "+++++++++" : (*c == '-' ? "---------" : "____||___");
        }
        return s + "|";
    };
    const auto f = std::find(z.begin(), z.end(), zeile("  f(x) |", "-0++0++0--0+"));
    ASSERT_NE(f, z.end());
    ASSERT_LT(f + 4, z.end());
    EXPECT_EQ(*(f + 2), zeile("  f'(x)|", "++0-0+0--0++"));
    EXPECT_EQ(*(f + 4), zeile(" f''(x)|", "---0+0--0+++"));
}

TEST(Start2, Beispiel6BeschreibungUndExtras) {
    Lauf l;
    Starte(l, "xxxxx-5xxxx+3xxx+17xx-28x+12", true);
    const std::string teil = Naeherungsteil(l.ui.ausgabe);
    for (const char* stueck : {
             "\n -  beginnt im Anfangspunkt A ( -3 | -480 ) rechtsdrehend und steigend mit der Steigung 896 "
             ",\n",
             "\n -  steigt rechtsdrehend zum Nullpunkt B (-2 | 0 ) mit Steigung 180 ,\n",
             "\n -  fällt linkksdrehend zum Nullpunkt und lokalen Tiefpunkt E (1 | 0 ) mit Steigung 0 ,\n",
             "\n -   und endet schließlich linksdrehend und steigend mit der Steigung 252 im Endpunkt L ( 4 "
             "| 108 "
             ") .",
             "\n\nGleichungen der in den kritischen Punkten angelegten Tangenten\n\n   B: y = 180x + 360\n",
             "\n   E: y =  0\n",
             "\n   H: y = -4x + 8\n",
             "\n   K: y = 20x - 60\n\n\nInhalt der zwischen Kurve und x-Achse eingeschlossenen Fläche\n\n",
         }) {
        EXPECT_NE(teil.find(stueck), std::string::npos) << stueck;
    }
    // A quintic has no sentence about the second intersection; the report ends with the total.
    EXPECT_EQ(teil.find("Die im Punkte"), std::string::npos);
    const std::string ende = "   A_oberhalb  =  Int(f,-2,1) + Int(f,1,2)  = 74.66667\n"
                             "   A_unterhalb =  - Int(f,2,3)  = 1.75\n"
                             "   Gesamtinhalt= 76.41667";
    ASSERT_GE(teil.size(), ende.size());
    EXPECT_EQ(teil.substr(teil.size() - ende.size()), ende);
}

// Zeros near 2e7, where neighbouring doubles lie further apart than the bisection's 1e-9: the run
// ends, with the extras off and on.
TEST(Start2, GrosseNullstelleEndet) {
    for (bool extras : {false, true}) {
        Lauf l;
        Starte(l, "x^3 - 20000000x^2 + x + 1", extras);
        ASSERT_EQ(l.ui.fragen.size(), 1u);
        ASSERT_TRUE(l.st.SkizzeBereit);
        EXPECT_EQ(l.st.Nullstellen[0][0], 3);
        EXPECT_NEAR(l.st.Nullstellen[0][3], 2e7, 1e-6);
        EXPECT_NE(l.ui.ausgabe.find("N(0) = {0, 0, 20000000}\n"), std::string::npos);
        EXPECT_EQ(l.ui.ausgabe.find("Gesamtinhalt= ") != std::string::npos, extras);
    }
}

// (2x - 1)^2 (x - 1)(x + 4): the double zero 0.5 is met at the split point and again by the
// bisection of the next stretch; it stands once in N(0), among the points and in the areas.
TEST(Start2, DoppelteNullstelleEinmal) {
    Lauf l;
    Starte(l, "4x^4 + 8x^3 - 27x^2 + 19x - 4", true);
    const std::string teil = Naeherungsteil(l.ui.ausgabe);
    ASSERT_FALSE(teil.empty());
    EXPECT_NE(teil.find("N(0) = {-4, 0.5, 1}\n"), std::string::npos);
    EXPECT_NE(teil.find("Menge der kritischen Stellen: {-4, -2.83712, -1.6726, 0.5, 0.6726, 0.83712, 1}\n"),
              std::string::npos);
    EXPECT_NE(teil.find("   A_unterhalb =  - Int(f,-4,0.5)  - Int(f,0.5,1)  = "), std::string::npos);
}

// Start2 continues whatever the driver left in Gelaber and writes the output area itself.
TEST(Start2, SetztBerichtFort) {
    AnalysisState st = testing::MitPolynom({1, 0, -3, 1});
    st.Gelaber = "Bisher.";
    RecordingSurface ui;
    Start2(st, ui);
    EXPECT_EQ(
        ui.ausgabe.rfind("Bisher.\n\nUntersuchung der Funktion f mit f(x) =  x^3 - 3x + 1 mit "
                         "Approximationsverfahren.\n\nDie 1. Ableitung hat den Funktionsterm  3x^2 - 3\n\n",
                         0),
        0u);
    EXPECT_NE(ui.ausgabe.find("N(3) = {}\n"), std::string::npos);
    EXPECT_EQ(st.Gelaber, "Bisher.");
    EXPECT_TRUE(st.SkizzeBereit);
    EXPECT_TRUE(ui.meldungen.empty());
}

} // namespace
} // namespace quadrova
