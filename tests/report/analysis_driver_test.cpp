#include "report/analysis_driver.h"

#include "core/recording_surface.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace quadrova {
namespace {

struct Lauf {
    AnalysisState st;
    RecordingSurface ui;
};

// One run as the start button does it, with the given term in the input field.
void Starte(Lauf& l, const std::string& term, bool antwort = true, bool extras = false) {
    l.ui.eingabe = term;
    l.ui.antwort = antwort;
    l.st.ExtrasAktiviert = extras;
    Start(l.st, l.ui);
}

const char* kSchluss =
    "Wegen der Unvollständigkeit der Ergebnisse erfolgt keine Beschreibung des Kurvenverlaufs.";

struct Ablehnung {
    const char* term;
    std::vector<std::string> meldungen;
};

class Abgelehnt : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(Abgelehnt, MeldungenUndLeereFelder) {
    Lauf l;
    l.ui.ausgabe = "alter Bericht";
    l.st.SkizzeBereit = true;
    Starte(l, GetParam().term);
    EXPECT_EQ(l.ui.meldungen, GetParam().meldungen);
    EXPECT_EQ(l.ui.eingabe, "");
    EXPECT_EQ(l.ui.ausgabe, "");
    EXPECT_EQ(l.st.Gelaber, "");
    EXPECT_FALSE(l.st.SkizzeBereit);
    EXPECT_TRUE(l.ui.fragen.empty());
}

const std::string kGrad = "Eingabe muss Polynom 3. bis 5. Grades sein!";
const std::string kFalsch = "Bitte Funktionsterm korrekt eingeben";

INSTANTIATE_TEST_SUITE_P(Eingaben, Abgelehnt,
                         ::testing::Values(Ablehnung{"", {kGrad, kFalsch}},
                                           Ablehnung{"x^2+1", {kGrad, kFalsch}},
                                           Ablehnung{"17", {kGrad, kFalsch}}, Ablehnung{"2x2+x^3", {kFalsch}},
                                           Ablehnung{"x^6", {kFalsch}}));

TEST(Start, SchulwegBeispiel1) {
    Lauf l;
    Starte(l, " xxxxx + xxx + x");
    EXPECT_TRUE(l.ui.meldungen.empty());
    EXPECT_TRUE(l.ui.fragen.empty());
    EXPECT_EQ(l.ui.eingabe, " x^5 + x^3 + x");
    const std::string& a = l.ui.ausgabe;
    EXPECT_TRUE(a.starts_with("Untersuchung der Funktion f mit f(x) =  x^5 + x^3 + x mit schulüblichen "
                              "Mitteln.\n\nBestimmung der Nullstellen:"));
    EXPECT_NE(
        a.find("\n\nDie 1. Ableitung hat den Funktionsterm  5x^4 + 3x^2 + 1 ; Bestimmung der Nullstellen:"),
        std::string::npos);
    EXPECT_NE(a.find("\n\nDie 3. Ableitung hat den Funktionsterm  60x^2 + 6 ; Bestimmung der Nullstellen:"),
              std::string::npos);
    EXPECT_NE(a.find("\n\n\nZusammenfassung der Nullstellenmengen N(i) der i-Ableitungen (i=0, 1, 2, 3):\n\n"
                     "N(0) = {0}\nN(1) = {}\nN(2) = {0}\nN(3) = {}\n"),
              std::string::npos);
    EXPECT_EQ(a.find("Unvollständige"), std::string::npos);
    // Gelaber keeps the report up to the summary; the output goes on from there.
    EXPECT_TRUE(l.st.Gelaber.ends_with("N(3) = {}\n"));
    EXPECT_TRUE(a.starts_with(l.st.Gelaber +
                              "\n\nMenge der kritischen Stellen: {0}\n"
                              "Alle kritischen Stellen liegen im Inneren des Intervalls [ -1; 1 ] .\n\n"
                              "\nVorzeichentabelle nach Intervallen\n"));
    EXPECT_TRUE(a.ends_with(" im Endpunkt C ( 1 | 3 ) ."));
    EXPECT_TRUE(l.st.SkizzeBereit);
}

TEST(Start, UnvollstaendigAbgelehnt) {
    Lauf l;
    Starte(l, "xxxxx-5xxxx+3xxx+17xx-28x+12", false);
    ASSERT_EQ(l.ui.fragen.size(), 1u);
    EXPECT_EQ(l.ui.fragen[0].message,
              "Nicht alle auftretenden Gleichungen können mit schulischen Mitteln gelöst "
              "werden.\fSoll mit Hilfe approximativer Methoden eine vollständige "
              "Kurvenuntersuchung erfolgen?");
    EXPECT_EQ(l.ui.fragen[0].action, "Ja, auch Näherungsverfahren benutzen");
    EXPECT_EQ(l.ui.fragen[0].cancel, "Nein danke");
    EXPECT_TRUE(l.ui.meldungen.empty());
    EXPECT_NE(l.st.Gelaber.find("\n\n\nUnvollständige Zusammenfassung der Nullstellenmengen"),
              std::string::npos);
    EXPECT_EQ(l.ui.ausgabe, l.st.Gelaber + "\n\n" + kSchluss);
    EXPECT_FALSE(l.st.SkizzeBereit);
}

TEST(Start, UnvollstaendigAngenommen) {
    Lauf l;
    Starte(l, "xxxxx-5xxxx+3xxx+17xx-28x+12", true);
    ASSERT_EQ(l.ui.fragen.size(), 1u);
    const std::string& a = l.ui.ausgabe;
    const std::size_t teil = a.find("\n\nTeilmenge der erkannten kritischen Stellen: {");
    ASSERT_NE(teil, std::string::npos);
    const std::size_t linie = a.find(" ] .\n\n\n" + std::string(107, '_') +
                                     "\n\n\nUntersuchung der Funktion f mit f(x) "
                                     "=  x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12 mit Approximationsverfahren.");
    ASSERT_NE(linie, std::string::npos);
    EXPECT_NE(a.find("\nAlle erkannten kritischen Stellen liegen im Inneren des Intervalls [ ", teil),
              std::string::npos);
    EXPECT_EQ(a.find(kSchluss), std::string::npos);
    EXPECT_TRUE(l.st.SkizzeBereit);
}

// A rejected run after a completed one leaves nothing of the old report and locks the sketch again.
TEST(Start, NeuerLaufSetztZurueck) {
    Lauf l;
    Starte(l, "x^3-6x^2");
    ASSERT_TRUE(l.st.SkizzeBereit);
    Starte(l, "x^2");
    EXPECT_FALSE(l.st.SkizzeBereit);
    EXPECT_EQ(l.ui.ausgabe, "");
    EXPECT_EQ(l.st.Gelaber, "");
}

} // namespace
} // namespace quadrova
