// Time of one school-solver call on equations whose absolute term has many divisors.

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "solver/school_solver.h"

#include <benchmark/benchmark.h>

namespace {

using quadrova::IntVec;

void Loese(benchmark::State& state, IntVec zeile) {
    quadrova::AnalysisState st;
    quadrova::init(st);
    quadrova::RecordingSurface ui;
    for (auto _ : state) {
        IntVec a = zeile;
        quadrova::SolArray lsg{};
        std::string text;
        quadrova::Loesung012345(st, ui, a, lsg, text);
        benchmark::DoNotOptimize(text);
    }
}

// x^5 + 2095133040 = 0: the pure quintic.
BENCHMARK_CAPTURE(Loese, PureQuintic, IntVec{2095133040, 0, 0, 0, 0, 1})->Unit(benchmark::kMicrosecond);
// x^4 + x + 2095133040 = 0: 1,600 divisors, none of them a zero.
BENCHMARK_CAPTURE(Loese, QuarticManyDivisors, IntVec{2095133040, 1, 0, 0, 1})->Unit(benchmark::kMicrosecond);
// x^4 + x + 128501493120 = 0: the absolute term below 2^37 with the most divisors (4,096).
BENCHMARK_CAPTURE(Loese, QuarticMostDivisorsInRange, IntVec{128501493120, 1, 0, 0, 1})
    ->Unit(benchmark::kMicrosecond);
// x^4 + x + 137438953447 = 0: a prime just below 2^37, the longest trial division.
BENCHMARK_CAPTURE(Loese, QuarticLargePrime, IntVec{137438953447, 1, 0, 0, 1})->Unit(benchmark::kMicrosecond);

} // namespace
