// Pre-processing on a century of daily flows (January 1924 to December 2023, 1 200 months, a
// pattern of missing days and a few months without data), hydrological year from October: the
// year listing with the failure report, and every rule.
#include "preprocess/preprocessamento.h"
#include "preprocess/regras.h"

#include <benchmark/benchmark.h>

using namespace corvel;

namespace {

Bancada bancadaSecular() {
    Bancada b;
    b.serie.esvaziar();
    double id = 0;
    for (QDate m(1924, 1, 1); m.year() <= 2023; m = m.addMonths(1)) {
        RegistroMensal r = SerieTabela::novoRegistro(2);
        r.registroId = ++id;
        r.estacaoCodigo = 56110005;
        r.data = m;
        const int semValor = (m.year() * 7 + m.month() * 3) % 40; // 0 to 39 days, capped below
        for (int d = 1; d <= m.daysInMonth(); ++d)
            if (d > semValor) r.vazao[static_cast<std::size_t>(d - 1)] = 50.0 + d;
        b.serie.acrescentarProgramatico(std::move(r));
    }
    b.inicioAnoHidrologico = 10;
    return b;
}

Bancada& bancada() {
    static Bancada b = bancadaSecular();
    return b;
}

void BM_Informacoes(benchmark::State& state) {
    Bancada& b = bancada();
    for (auto _ : state) {
        const Informacoes i = informacoes(b);
        benchmark::DoNotOptimize(i.texto.size());
    }
    state.counters["anos"] = static_cast<double>(informacoes(b).listagem.anos.size());
}
BENCHMARK(BM_Informacoes)->Unit(benchmark::kMicrosecond);

template <typename Regra> void medir(benchmark::State& state, Regra regra) {
    Bancada& b = bancada();
    for (auto _ : state) {
        regra(b.serie);
        benchmark::ClobberMemory();
    }
    state.counters["meses"] = static_cast<double>(b.serie.tamanho());
}

void BM_SerieOriginal(benchmark::State& s) {
    medir(s, [](SerieTabela& t) { serieOriginal(t, 10); });
}
void BM_DescartarAnosComFalhas(benchmark::State& s) {
    medir(s, [](SerieTabela& t) { descartarAnosComFalhas(t, 10); });
}
void BM_DescartarMesesComFalhas(benchmark::State& s) {
    medir(s, [](SerieTabela& t) { descartarMesesComFalhas(t); });
}
void BM_PercentualMensal50(benchmark::State& s) {
    medir(s, [](SerieTabela& t) { descartarMesesPorPercentual(t, 50); });
}
void BM_PercentualAnual10(benchmark::State& s) {
    medir(s, [](SerieTabela& t) { descartarAnosPorPercentual(t, 10, 10); });
}
void BM_DescartarERestaurarUmAno(benchmark::State& s) {
    medir(s, [](SerieTabela& t) {
        descartarAno(t, 1975, 10);
        restaurarAno(t, 1975, 10);
    });
}
void BM_FecharComDescarteBordas(benchmark::State& state) {
    Bancada& b = bancada();
    for (auto _ : state) {
        fecharPreProcessamento(b);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SerieOriginal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DescartarAnosComFalhas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DescartarMesesComFalhas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PercentualMensal50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PercentualAnual10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DescartarERestaurarUmAno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FecharComDescarteBordas)->Unit(benchmark::kMicrosecond);

} // namespace
