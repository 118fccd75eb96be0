// Parsing the longest texts the input field accepts, and the divisor list of a number with many
// divisors.
#include "core/int_helpers.h"
#include "core/recording_surface.h"
#include "core/term_parser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void parseText(benchmark::State& state, const std::string& text) {
    quadrova::AnalysisState st;
    quadrova::init(st);
    quadrova::RecordingSurface ui;
    for (auto _ : state) {
        st.wzaehler = 0;
        bool ok = false;
        quadrova::String2Poly(st, ui, text, ok);
        benchmark::DoNotOptimize(ok);
    }
    state.SetLabel(std::to_string(text.size()) + " characters");
}

std::string vorzeichenKette() {
    std::string s;
    for (int i = 0; i < 16000; ++i) s += "+-";
    return s + "3x^3-2x+1";
}

void BM_ParseSignChain(benchmark::State& state) {
    parseText(state, vorzeichenKette());
}
BENCHMARK(BM_ParseSignChain)->Unit(benchmark::kMillisecond);

void BM_ParseBlanks(benchmark::State& state) {
    parseText(state, std::string(32000, ' ') + "x^3-x");
}
BENCHMARK(BM_ParseBlanks)->Unit(benchmark::kMillisecond);

// Runs of minus signs halve in every pass of a leftmost-replace-and-rescan.
void BM_ParseMinusRun(benchmark::State& state) {
    parseText(state, std::string(32764, '-') + "x^3");
}
BENCHMARK(BM_ParseMinusRun)->Unit(benchmark::kMillisecond);

// Stars shrink one at a time: "***" -> "**" and "**" -> "^" over the whole text.
void BM_ParseStars(benchmark::State& state) {
    parseText(state, "x" + std::string(32766, '*'));
}
BENCHMARK(BM_ParseStars)->Unit(benchmark::kMillisecond);

// Many terms: each removal moves the rest of the text until the guard ends the parse.
void BM_ParseManyTerms(benchmark::State& state) {
    std::string s;
    while (s.size() + 4 <= 32767) s += "+x^3";
    parseText(state, s);
}
BENCHMARK(BM_ParseManyTerms)->Unit(benchmark::kMillisecond);

void BM_TeilerBestimmung(benchmark::State& state) {
    quadrova::AnalysisState st;
    for (auto _ : state) benchmark::DoNotOptimize(quadrova::TeilerBestimmung(st, 2095133040));
    state.SetLabel(std::to_string(static_cast<int>(st.Sammelfeld[0])) + " divisors");
}
BENCHMARK(BM_TeilerBestimmung)->Unit(benchmark::kMicrosecond);

void BM_TeilerBestimmungPrime(benchmark::State& state) {
    quadrova::AnalysisState st;
    for (auto _ : state)
        benchmark::DoNotOptimize(quadrova::TeilerBestimmung(st, 137438953447)); // prime < 2^37
    state.SetLabel(std::to_string(static_cast<int>(st.Sammelfeld[0])) + " divisors");
}
BENCHMARK(BM_TeilerBestimmungPrime)->Unit(benchmark::kMicrosecond);

} // namespace
