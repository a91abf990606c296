// Flow regularization on a century of daily flows (January 1924 to December 2023, a seasonal cycle
// and a missing day in most months, about 36 000 valid days): the twenty-level balance, the copy,
// the whole calculation, and what the reservoir tab and its export build for one level.
#include "seculoregularizacao.h"

#include "analyses/tabelasregularizacao.h"

#include <benchmark/benchmark.h>

using namespace corvel;

namespace {

const SerieTabela& serie() {
    static const SerieTabela s = seculoRegularizacao();
    return s;
}

const ResultadoRegularizacao& resultado() {
    static const ResultadoRegularizacao r = [] {
        TabelaEvaporacao e = evaporacaoInicial();
        for (MesEvaporacao& m : e)
            m.evaporacao = 4 + m.id % 4;
        return *calcularRegularizacao(serie(), e, 120, true);
    }();
    return r;
}

// The twenty levels over every day: the budget is well under 5 ms.
void BM_Balanco(benchmark::State& state) {
    const Afluencia& a = resultado().afluencia;
    for (auto _ : state)
        benchmark::DoNotOptimize(balancoRegularizacao(a));
    state.counters["dias"] = static_cast<double>(a.dias.size());
    state.counters["passos"] = static_cast<double>(a.dias.size() * kNiveisRegularizacao);
}
BENCHMARK(BM_Balanco)->Unit(benchmark::kMicrosecond);

// As the progress window runs it: asked between days whether to go on.
void BM_BalancoComAcompanhamento(benchmark::State& state) {
    const Afluencia& a = resultado().afluencia;
    bool cancelado = false;
    int ultima = -1;
    const AcompanhamentoRegularizacao acompanhar = [&](EtapaRegularizacao, int p) {
        ultima = p;
        return !cancelado;
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(balancoRegularizacao(a, acompanhar));
    benchmark::DoNotOptimize(ultima);
}
BENCHMARK(BM_BalancoComAcompanhamento)->Unit(benchmark::kMicrosecond);

void BM_CopiaDados(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CopiaDados(serie()));
}
BENCHMARK(BM_CopiaDados)->Unit(benchmark::kMicrosecond);

void BM_CalculoCompleto(benchmark::State& state) {
    const TabelaEvaporacao e = resultado().evaporacao;
    for (auto _ : state)
        benchmark::DoNotOptimize(calcularRegularizacao(serie(), e, 120, true));
}
BENCHMARK(BM_CalculoCompleto)->Unit(benchmark::kMicrosecond);

// Choosing a level in the reservoir tab: its day-by-day columns, a screenful of grid texts (40
// rows) and the chart's bars.
void BM_AbaReservatorio(benchmark::State& state) {
    for (auto _ : state) {
        const GradeCapacidade grade(resultado(), 10);
        for (std::size_t l = 0; l < 40; ++l)
            for (int c = 0; c < grade.colunas(); ++c)
                benchmark::DoNotOptimize(grade.texto(l, c));
        benchmark::DoNotOptimize(graficoReservatorio(resultado(), 10).valores.size());
    }
}
BENCHMARK(BM_AbaReservatorio)->Unit(benchmark::kMicrosecond);

// Every grid text of a level at once, as a grid without a model would need them.
void BM_TodasAsLinhasDaGrade(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(linhasGradeCapacidade(resultado(), 10).size());
}
BENCHMARK(BM_TodasAsLinhasDaGrade)->Unit(benchmark::kMillisecond);

// "Capacidade do reservatório" as CSV: typed table, then the general number form of every cell.
void BM_ExportacaoCapacidade(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(textos(tabelaCapacidade(resultado(), 10)).size());
}
BENCHMARK(BM_ExportacaoCapacidade)->Unit(benchmark::kMillisecond);

} // namespace
