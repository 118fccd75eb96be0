// One curve sketch (axes, 601 segments, circles and labels) painted into an image of the canvas.
#include "bench/gui_bench_app.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"
#include "sketch/sketch_renderer.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

quadrova::AnalysisState analysiere(const char* term) {
    quadrova::AnalysisState st;
    quadrova::RecordingSurface ui;
    ui.eingabe = term;
    quadrova::Start(st, ui);
    return st;
}

void BM_Skizze(benchmark::State& state, const char* term, bool erweitert) {
    benchApp();
    const quadrova::AnalysisState st = analysiere(term);
    if (!st.SkizzeBereit) state.SkipWithError("analysis did not complete");
    QImage bild(SketchRenderer::kCanvas, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter g(&bild);
        SketchRenderer(st, erweitert).KurveZeichnen(g);
        g.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

BENCHMARK_CAPTURE(BM_Skizze, cubic_extended, "x^3-6x^2", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Skizze, cubic_critical, "x^3-6x^2", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Skizze, example5_extended, "x^5-7x^4+19x^3-25x^2+16x-4", true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
