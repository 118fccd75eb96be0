// The approximation road: the numeric search alone, the sections after it, and whole runs that take
// this road with the question answered yes.

#include "core/calculus.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"
#include "report/approximation.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quadrova;

AnalysisState& Zustand(const IntVec& f) {
    static AnalysisState st;
    init(st);
    st.Poly = f;
    for (int j = 0; j <= 6; ++j) st.Pnom[0][j] = static_cast<double>(f[j]);
    st.PGrad = 5;
    Ableiten(st);
    return st;
}

// (x - 1)^2 (x - 2)(x + 2)(x - 3), example 6 of the main window.
const IntVec kBeispiel6{12, -28, 17, 3, -5, 1};

void BM_ErrechneNullstellenBeispiel6(benchmark::State& state) {
    AnalysisState& st = Zustand(kBeispiel6);
    for (auto _ : state) {
        Init2(st);
        ErrechneNullstellen(st);
        benchmark::DoNotOptimize(st.Nullstellen);
    }
}
BENCHMARK(BM_ErrechneNullstellenBeispiel6);

// Zeros near 2e7 and 1.3e7, where the bisection stops at neighbouring doubles.
void BM_ErrechneNullstellenGrosseNullstellen(benchmark::State& state) {
    AnalysisState& st = Zustand(IntVec{1, 1, -20000000, 1});
    for (auto _ : state) {
        Init2(st);
        ErrechneNullstellen(st);
        benchmark::DoNotOptimize(st.Nullstellen);
    }
}
BENCHMARK(BM_ErrechneNullstellenGrosseNullstellen);

void BM_Start2Beispiel6Extras(benchmark::State& state) {
    AnalysisState& st = Zustand(kBeispiel6);
    st.ExtrasAktiviert = true;
    RecordingSurface ui;
    for (auto _ : state) {
        Start2(st, ui);
        benchmark::DoNotOptimize(ui.ausgabe.data());
    }
}
BENCHMARK(BM_Start2Beispiel6Extras);

// Parse to finished report, extras on, the question answered yes.
void GanzerLauf(benchmark::State& state, const char* term) {
    static AnalysisState st;
    RecordingSurface ui;
    ui.antwort = true;
    st.ExtrasAktiviert = true;
    for (auto _ : state) {
        ui.eingabe = term;
        Start(st, ui);
        benchmark::DoNotOptimize(ui.ausgabe.data());
    }
}
BENCHMARK_CAPTURE(GanzerLauf, Beispiel6, "xxxxx-5xxxx+3xxx+17xx-28x+12");
BENCHMARK_CAPTURE(GanzerLauf, GrosseNullstelle, "x^3 - 20000000x^2 + x + 1");
BENCHMARK_CAPTURE(GanzerLauf, GrosseKoeffizienten,
                  "x^5 + 2147483647x^4 - 2147483647x^3 - 2147483647x^2 + 2147483647x + 3");

} // namespace
