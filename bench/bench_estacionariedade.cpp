// The continuous stationarity test over a century of annual values.
#include "stats/estacionariedade.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void BM_TesteContinuo100Anos(benchmark::State& state) {
    std::vector<corvel::DadoEntrada> dados;
    for (int i = 0; i < 100; ++i)
        dados.push_back({QDate(1924 + i, 9, 1), QString::number(1924 + i), 300 + 80 * std::sin(i * 1.3) + i % 7});
    for (auto _ : state) {
        auto r = corvel::testeContinuo(dados, dados.front().data, dados.back().data,
                                       corvel::NivelSignificancia::Cinco);
        benchmark::DoNotOptimize(r.linhas.data());
    }
}
BENCHMARK(BM_TesteContinuo100Anos)->Unit(benchmark::kMicrosecond);

} // namespace
