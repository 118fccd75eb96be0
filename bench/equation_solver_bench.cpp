// Accuracy and speed of the equation solver on a fixed set of equations. Each benchmark times the
// solving (derivatives and zeros) of every equation of one group; its counters compare the
// solutions with the exact real zeros (see tests/equation_solver/reference_roots.h):
//   s_pro_Gleichung       CPU time per equation (e.g. 18u = 18 microseconds)
//   einfach_verfehlt      simple zeros without a solution
//   gerade_verfehlt       zeros of even multiplicity missed (the zero test is absolute)
//   ungerade_mehrf_verf   zeros of odd multiplicity > 1 missed
//   doppelt               zeros found twice
//   ueberzaehlig          solutions near no true zero
//   einfach_ueber_1e-9    simple zeros found with an error above 1e-9
//   max_fehler_einfach    largest error of a simple zero
//   max_fehler_mehrfach   largest error of a multiple zero
#include "tests/equation_solver/reference_roots.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quadrova;

const std::vector<referenz::Gruppe>& Gruppen() {
    static const std::vector<referenz::Gruppe> gruppen = referenz::Messmenge();
    return gruppen;
}

void Loesen(benchmark::State& state) {
    const auto& gruppe = Gruppen()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(gruppe.name);
    GleichungsLoeser g;
    for (auto _ : state) {
        for (const auto& t : gruppe.gleichungen) {
            g.Setzen(t.a);
            g.Ableiten();
            g.NullstellenBerechnen();
            benchmark::DoNotOptimize(g.Nullstellen[0][0]);
        }
    }
    referenz::Bilanz b;
    for (const auto& t : gruppe.gleichungen) b.Pruefe(t.wahr, referenz::Loesungen(t.a));
    const auto n = static_cast<double>(gruppe.gleichungen.size());
    state.counters["s_pro_Gleichung"] =
        benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["Gleichungen"] = n;
    state.counters["wahre_Nullstellen"] = b.wahreNullstellen;
    state.counters["einfach_verfehlt"] = b.einfachVerfehlt;
    state.counters["gerade_verfehlt"] = b.geradeVerfehlt;
    state.counters["ungerade_mehrf_verf"] = b.ungeradeMehrfachVerfehlt;
    state.counters["doppelt"] = b.doppelt;
    state.counters["ueberzaehlig"] = b.ueberzaehlig;
    state.counters["einfach_ueber_1e-9"] = b.einfachUeber1e9;
    state.counters["max_fehler_einfach"] = b.maxFehlerEinfach;
    state.counters["max_fehler_mehrfach"] = b.maxFehlerMehrfach;
}
BENCHMARK(Loesen)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// Reading the eleven field texts (cleaning and conversion) of a degree-10 equation.
void Einlesen(benchmark::State& state) {
    const KoeffTexte roh{"1,5", "-2", "x3", "0.25", "-7", "8", "abc", "1.5.3", "-0,001", "4", "1"};
    GleichungsLoeser g;
    for (auto _ : state) {
        KoeffTexte t = roh;
        benchmark::DoNotOptimize(g.GleichungEinlesen(t));
    }
}
BENCHMARK(Einlesen);

} // namespace
