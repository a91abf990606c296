// The distribution analysis of a century of annual events: the chosen T = 10 (5 × 99 = 495
// fits, budget 1 ms) and T = 10 000 (5 × 10 009 = 50 045 fits, budget 50 ms), for maxima and
// for minima.
#include "stats/analisedistribuicoes.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

// 100 Gumbel-like annual maxima around 850 m³/s in a scrambled order (or, scaled down, minima).
std::vector<EventoDistribuicao> cemEventos(double escala) {
    std::vector<EventoDistribuicao> r;
    for (int i = 0; i < 100; ++i) {
        const double p = ((i * 37) % 100 + 0.5) / 100;
        r.push_back({QString::number(1924 + i), escala * (850 - 260 * std::log(-std::log(p)))});
    }
    return r;
}

void analisar(benchmark::State& state, bool maximos) {
    const std::vector<EventoDistribuicao> eventos = cemEventos(maximos ? 1.0 : 0.02);
    const auto T = static_cast<int>(state.range(0));
    std::size_t linhas = 0;
    for (auto _ : state) {
        const AnaliseDistribuicoes a = calcularDistribuicoes(eventos, maximos, T);
        linhas = a.linhas.size();
        benchmark::DoNotOptimize(a.melhorLinha);
    }
    state.counters["ajustes"] = static_cast<double>(linhas);
}

void BM_DistribuicoesMaximas(benchmark::State& state) {
    analisar(state, true);
}
void BM_DistribuicoesMinimas(benchmark::State& state) {
    analisar(state, false);
}

} // namespace

BENCHMARK(BM_DistribuicoesMaximas)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DistribuicoesMinimas)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);
