// The non-parametric trend tests on 300 annual minima of an intermittent river (a third of them
// zero, the rest with ties), and the conditional-probability distribution analysis of 100 minima.
#include "stats/analisedistribuicoes.h"
#include "stats/analisetendencia.h"
#include "stats/tendencia.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

std::vector<double> minimasIntermitentes(int n) {
    std::vector<double> x;
    for (int i = 0; i < n; ++i) {
        const double v = 0.6 + 0.5 * std::sin(i * 0.7) - 0.001 * i;
        x.push_back(i % 3 == 0 || v <= 0 ? 0.0 : std::round(v * 100) / 100);
    }
    return x;
}

void BM_MannKendall300(benchmark::State& state) {
    const std::vector<double> x = minimasIntermitentes(300);
    for (auto _ : state)
        benchmark::DoNotOptimize(testeMannKendall(x, NivelSignificancia::Cinco).Z);
}
BENCHMARK(BM_MannKendall300)->Unit(benchmark::kMicrosecond);

void BM_MannKendallHamedRao300(benchmark::State& state) {
    const std::vector<double> x = minimasIntermitentes(300);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            testeMannKendall(x, NivelSignificancia::Cinco, CorrecaoSerial::HamedRao).Z);
}
BENCHMARK(BM_MannKendallHamedRao300)->Unit(benchmark::kMicrosecond);

void BM_Pettitt300(benchmark::State& state) {
    const std::vector<double> x = minimasIntermitentes(300);
    for (auto _ : state)
        benchmark::DoNotOptimize(testePettitt(x, NivelSignificancia::Cinco).K);
}
BENCHMARK(BM_Pettitt300)->Unit(benchmark::kMicrosecond);

// Mann-Kendall, Sen's slope with its interval and Pettitt, as the window's page runs them.
void BM_AnaliseTendencia300(benchmark::State& state) {
    const std::vector<double> x = minimasIntermitentes(300);
    std::vector<DadoEntrada> dados;
    for (std::size_t i = 0; i < x.size(); ++i)
        dados.push_back({QDate(1724 + static_cast<int>(i), 1, 1), QString::number(1724 + i), x[i]});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            analisarTendencia(dados, NivelSignificancia::Cinco).sen.declividade);
}
BENCHMARK(BM_AnaliseTendencia300)->Unit(benchmark::kMicrosecond);

void BM_DistribuicoesNulas100(benchmark::State& state) {
    const std::vector<double> x = minimasIntermitentes(100);
    std::vector<EventoDistribuicao> eventos;
    for (std::size_t i = 0; i < x.size(); ++i)
        eventos.push_back({QString::number(1924 + i), x[i], static_cast<int>(i)});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            calcularDistribuicoes(eventos, false, 10, {}, VazoesNulas::ProbabilidadeCondicional)
                .linhas.data());
}
BENCHMARK(BM_DistribuicoesNulas100)->Unit(benchmark::kMicrosecond);

} // namespace
