// Every accepted term ends in a finished report on either road, with either answer and with the
// extras on or off; the report's structure follows the number of critical points.

#include "report/analysis_driver.h"

#include "core/recording_surface.h"
#include "report/critical_points.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace quadrova {
namespace {

std::size_t Zaehle(const std::string& s, const std::string& teil) {
    std::size_t n = 0;
    for (std::size_t p = s.find(teil); p != std::string::npos; p = s.find(teil, p + teil.size())) ++n;
    return n;
}

// Runs the term in all four ways and checks what must hold for any finished report.
void PruefeAlleWege(const std::string& term) {
    SCOPED_TRACE(term);
    for (int weg = 0; weg < 4; ++weg) {
        AnalysisState st;
        RecordingSurface ui;
        ui.eingabe = term;
        ui.antwort = (weg & 1) != 0;
        st.ExtrasAktiviert = (weg & 2) != 0;
        Start(st, ui);
        ASSERT_TRUE(ui.meldungen.empty()) << ui.meldungen.front();
        ASSERT_FALSE(ui.ausgabe.empty());
        if (!ui.fragen.empty() && !ui.antwort) {
            EXPECT_FALSE(st.SkizzeBereit);
            continue;
        }
        ASSERT_TRUE(st.SkizzeBereit);
        const int n = KritischAnzahl(st);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 12);
        for (int k = 2; k <= n; ++k) EXPECT_LT(st.Kritisch[k - 1], st.Kritisch[k]);
        EXPECT_LT(st.xlinks, st.Kritisch[1]);
        EXPECT_GT(st.xrechts, st.Kritisch[n]);
        // One description line per point: the start, every critical point and the end.
        const std::size_t d = ui.ausgabe.find("Der auf das abgeschlossene Intervall [ ");
        ASSERT_NE(d, std::string::npos);
        const std::string beschreibung = ui.ausgabe.substr(d);
        EXPECT_EQ(Zaehle(beschreibung, "\n -  "), static_cast<std::size_t>(n + 2));
        EXPECT_NE(beschreibung.find(std::string(" im Endpunkt ") + static_cast<char>('B' + n) + " ( "),
                  std::string::npos);
        EXPECT_EQ(Zaehle(ui.ausgabe, std::string(static_cast<std::size_t>(9 * (n + 3)), '-') + "\n"), 9u);
    }
}

TEST(Robust, AusgewaehlteTerme) {
    for (const char* t : {"x^3",
                          "-x^3",
                          "x^4",
                          "x^5",
                          "2147483647x^5",
                          "-2147483647x^5 + 2147483647",
                          "x^5 - 2147483647",
                          "x^3 - 20000000x^2 + x + 1",
                          "x^3 - 3x + 1",
                          "x^5 + x + 3",
                          "15x^4 + x^3",
                          "x^4 - 2x^3",
                          "x^3 + 3x^2",
                          "x^5 - x",
                          "x^4 + 1",
                          "x^4 - 2",
                          "1000x^5 - x",
                          "x^3 - 2147483647x",
                          "3x^5 - 5x^3",
                          "x^5 - 5x^4 + 10x^3 - 10x^2 + 5x - 1"})
        PruefeAlleWege(t);
}

TEST(Robust, Zufallsterme) {
    std::mt19937_64 zufall(20260611);
    std::uniform_int_distribution<int> grad(3, 5), klein(-12, 12), art(0, 9);
    std::uniform_int_distribution<std::int64_t> gross(-2147483647, 2147483647);
    for (int lauf = 0; lauf < 150; ++lauf) {
        const int g = grad(zufall);
        std::string term;
        for (int k = g; k >= 0; --k) {
            std::int64_t c = art(zufall) == 0 ? gross(zufall) : klein(zufall);
            if (k == g && c == 0) c = 1;
            term += (c < 0 ? "-" : "+") + std::to_string(c < 0 ? -c : c) +
                    (k > 0 ? "x^" + std::to_string(k) : "");
        }
        PruefeAlleWege(term);
    }
}

} // namespace
} // namespace quadrova
