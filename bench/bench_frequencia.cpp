// The frequency analysis by L-moments: every distribution fitted to 100 annual events with its
// goodness of fit (budget 2 ms), and a 1 000-replicate bootstrap of two distributions (budget
// 20 ms); maximum likelihood and the moment bootstrap for comparison.
#include "stats/aderencia.h"
#include "stats/ajustelmomentos.h"
#include "stats/bootstrap.h"
#include "stats/verossimilhanca.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

// 100 Gumbel-like annual maxima around 850 m³/s in a scrambled order (or, scaled down, minima).
std::vector<double> cemEventos(double escala) {
    std::vector<double> r;
    for (int i = 0; i < 100; ++i) {
        const double p = ((i * 37) % 100 + 0.5) / 100;
        r.push_back(escala * (850 - 260 * std::log(-std::log(p))));
    }
    return r;
}

void todos(benchmark::State& state, bool maximos, MetodoAjuste metodo) {
    const std::vector<double> eventos = cemEventos(maximos ? 1.0 : 0.02);
    const auto lista = maximos ? distribuicoesMaximos() : distribuicoesMinimos();
    for (auto _ : state) {
        std::vector<AjusteFrequencia> ajustes;
        std::vector<Aderencia> aderencias;
        for (Distribuicao d : lista) {
            ajustes.push_back(ajustar(eventos, d, metodo, maximos));
            aderencias.push_back(aderencia(eventos, ajustes.back()));
        }
        benchmark::DoNotOptimize(melhorAjuste(ajustes, aderencias));
    }
    state.counters["ajustes"] = static_cast<double>(lista.size());
}

void BM_TodasLMomentosMaximos(benchmark::State& s) {
    todos(s, true, MetodoAjuste::LMomentos);
}
void BM_TodasLMomentosMinimos(benchmark::State& s) {
    todos(s, false, MetodoAjuste::LMomentos);
}
void BM_TodasVerossimilhancaMaximos(benchmark::State& s) {
    todos(s, true, MetodoAjuste::MaximaVerossimilhanca);
}

void bootstrap(benchmark::State& state, bool maximos, Distribuicao a, Distribuicao b,
               MetodoAjuste metodo, int n) {
    std::vector<double> eventos = cemEventos(maximos ? 1.0 : 0.02);
    eventos.resize(static_cast<std::size_t>(n));
    for (auto _ : state) {
        benchmark::DoNotOptimize(limitesBootstrap(eventos, a, metodo, maximos, 100));
        benchmark::DoNotOptimize(limitesBootstrap(eventos, b, metodo, maximos, 100));
    }
}

void BM_BootstrapWeibullLognormal3(benchmark::State& s) {
    bootstrap(s, false, Distribuicao::Weibull, Distribuicao::Lognormal3, MetodoAjuste::LMomentos,
              static_cast<int>(s.range(0)));
}
void BM_BootstrapGumbelGEV(benchmark::State& s) {
    bootstrap(s, true, Distribuicao::Gumbel, Distribuicao::GEV, MetodoAjuste::LMomentos,
              static_cast<int>(s.range(0)));
}
void BM_BootstrapPearson3Logpearson3(benchmark::State& s) {
    bootstrap(s, true, Distribuicao::Pearson3, Distribuicao::LogPearson3, MetodoAjuste::LMomentos,
              static_cast<int>(s.range(0)));
}
void BM_BootstrapMomentosLognormal2Pearson3(benchmark::State& s) {
    bootstrap(s, true, Distribuicao::Lognormal2, Distribuicao::Pearson3, MetodoAjuste::Momentos,
              static_cast<int>(s.range(0)));
}

} // namespace

BENCHMARK(BM_TodasLMomentosMaximos)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TodasLMomentosMinimos)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TodasVerossimilhancaMaximos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BootstrapWeibullLognormal3)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BootstrapGumbelGEV)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BootstrapPearson3Logpearson3)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BootstrapMomentosLognormal2Pearson3)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);
