// One run of "Berechnen und ggf. Strecken": a typical cubic, ten whole points, and ten points of
// the most extreme magnitudes a double can hold, where the exact rationals grow largest.
#include "interpolation/interpolation_run.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

namespace ip = quadrova::interpolation;

void lauf(benchmark::State& state, const ip::Eingaben& e, int n) {
    for (auto _ : state) {
        ip::InterpolationsDaten d;
        d.n = n;
        d.Strecken = true;
        benchmark::DoNotOptimize(ip::Interpolation(d, e));
    }
}

void Kubik(benchmark::State& state) {
    ip::Eingaben e{{"0", "1", "2", "3"}, {"0", "1", "8", "27"}, {"0", "1.5"}};
    lauf(state, e, 4);
}
BENCHMARK(Kubik);

void ZehnGanzePunkte(benchmark::State& state) {
    ip::Eingaben e;
    for (int i = 0; i < 10; ++i) {
        e.x[static_cast<std::size_t>(i)] = std::to_string(i - 4);
        e.y[static_cast<std::size_t>(i)] = std::to_string((i * 37) % 11 - 5) + ".25";
    }
    lauf(state, e, 10);
}
BENCHMARK(ZehnGanzePunkte);

// Abscissas from about 10^-280 to 10^297 with 17 significant digits each.
void ZehnExtremePunkte(benchmark::State& state) {
    ip::Eingaben e;
    for (int i = 0; i < 10; ++i) {
        const int exponent = (i % 2 == 0 ? -1 : 1) * 56 * (i / 2 + 1);
        const std::string mantisse = "12345678901234567" + std::to_string(i);
        const std::string nullen(static_cast<std::size_t>(exponent < 0 ? -exponent : exponent), '0');
        e.x[static_cast<std::size_t>(i)] =
            exponent < 0 ? std::string("0.").append(nullen).append(mantisse) : mantisse + nullen;
        e.y[static_cast<std::size_t>(i)] = std::string("-0.000").append(mantisse);
    }
    lauf(state, e, 10);
}
BENCHMARK(ZehnExtremePunkte);

} // namespace
