// An example button pressed until its report is painted in the output area (offscreen). The
// examples 6 to 9 answer the approximation question with yes and take the longer road.
#include "app/dialog_hook.h"
#include "app/main_window.h"
#include "app/window_access.h"
#include "bench/gui_bench_app.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void BM_Beispiel(benchmark::State& state) {
    benchApp();
    DialogHook::frage = [](QWidget*, const QString&, const QString&, const QString&) { return true; };
    DialogHook::meldung = [](QWidget*, const QString&) {};
    HauptFenster& w = hauptFenster();
    w.show();
    QApplication::processEvents();
    QPushButton* knopf = w.BeispileKnopf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        knopf->click();
        QApplication::processEvents(); // paints the report and flushes it to the screen
    }
    if (w.AusgabeF()->toPlainText().isEmpty()) state.SkipWithError("no report");
}

BENCHMARK(BM_Beispiel)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

} // namespace
