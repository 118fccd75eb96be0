// A whole analysis as the start button runs it: parse, solve, tables, description and extras, on
// the main window's example terms (the approximation-road ones with the question answered yes).

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"

#include <benchmark/benchmark.h>

namespace {

void GanzerLauf(benchmark::State& state, const char* term) {
    quadrova::AnalysisState st; // one state for every run, as the main window keeps it
    quadrova::RecordingSurface ui;
    ui.antwort = true;
    st.ExtrasAktiviert = true;
    for (auto _ : state) {
        ui.eingabe = term;
        ui.fragen.clear();
        quadrova::Start(st, ui);
        benchmark::DoNotOptimize(ui.ausgabe.data());
    }
    if (ui.ausgabe.empty() || !st.SkizzeBereit) state.SkipWithError("kein fertiger Bericht");
}

BENCHMARK_CAPTURE(GanzerLauf, Beispiel1, " xxxxx + xxx + x");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel2, " 3xxxx-36xxx+138xx-180x");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel3, " 4xxxxx-20xxx");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel4, " xxxxx-32");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel5, " xxxxx-7xxxx+19xxx-25xx+16x-4");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel6, "xxxxx-5xxxx+3xxx+17xx-28x+12");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel7, " xxxxx-9xxxx+23xxx-15xx");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel8, " 3xxxx-36xxx+138xx-180x+1");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel9, " xxxxx-9xxxx+31xxx-51xx+40x-12");
BENCHMARK_CAPTURE(GanzerLauf, Beispiel6Getippt, "x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12");

} // namespace
