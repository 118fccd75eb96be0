// Whole reports of the example terms, held byte for byte against checked fixtures.

#include "report/analysis_driver.h"

#include "core/build_config.h"
#include "core/recording_surface.h"
#include "golden_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quadrova {
namespace {

std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The fixtures are written for the default homepage; a build with another address differs only there.
std::string MitStandardadresse(std::string t) {
    const std::string eigene = config::homepage, standard = "https://www.example.org/quadrova";
    if (eigene == standard) return t;
    for (std::size_t p = t.find(eigene); p != std::string::npos; p = t.find(eigene, p + standard.size()))
        t.replace(p, eigene.size(), standard);
    return t;
}

class Golden : public ::testing::TestWithParam<testing::GoldenFall> {};

TEST_P(Golden, GanzerBericht) {
    const testing::GoldenFall& c = GetParam();
    const std::string erwartet = Lies(std::string(QUADROVA_TEST_DATA) + "/golden/" + c.datei);
    ASSERT_FALSE(erwartet.empty()) << c.datei;
    AnalysisState st;
    RecordingSurface ui;
    ui.eingabe = c.term;
    ui.antwort = c.ja;
    st.ExtrasAktiviert = c.extras;
    Start(st, ui);
    EXPECT_TRUE(ui.meldungen.empty());
    // The fixture holds what quadrova-report prints: the output area and one line feed.
    EXPECT_EQ(MitStandardadresse(ui.ausgabe) + "\n", erwartet);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Golden, ::testing::ValuesIn(testing::kGoldenFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quadrova
