// Annual minima (7- and 30-day moving means), annual maxima, mean flows and flow-duration curves on
// a century of daily flows (January 1924 to December 2023, 1 200 considered months with a seasonal
// cycle and a few missing days a month), hydrological year from October; then the texts and events
// of the tables; the hydrograph's points of the whole century and of one year.
#include "analyses/hidrograma.h"
#include "analyses/tabelasanuais.h"
#include "analyses/tabelasmedias.h"
#include "analyses/tabelaspermanencia.h"
#include "analyses/vazoesanuais.h"
#include "analyses/vazoesmedias.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

SerieTabela serieDeAnos(int anos) {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(1924, 1, 1); m.year() < 1924 + anos; m = m.addMonths(1)) {
        RegistroMensal r = SerieTabela::novoRegistro(2);
        r.registroId = ++id;
        r.estacaoCodigo = 56110005;
        r.data = m;
        r.vazao02Status = 10;
        const int falha = (m.year() * 7 + m.month() * 3) % 45; // a missing day in most months
        for (int d = 1; d <= m.daysInMonth(); ++d) {
            if (d == falha) continue;
            const double fase = 2 * M_PI * (m.month() - 1 + (d - 1) / 31.0) / 12;
            r.vazao[static_cast<std::size_t>(d - 1)] =
                120 + 90 * std::cos(fase) + (m.year() % 13) + d % 5;
        }
        s.acrescentarProgramatico(std::move(r));
    }
    s.indice();
    return s;
}

const SerieTabela& serie() {
    static const SerieTabela s = serieDeAnos(100);
    return s;
}

void BM_MinimaAnual(benchmark::State& state) {
    const int duracao = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const auto linhas = CalculaMinimaAnual(serie(), 10, duracao);
        benchmark::DoNotOptimize(linhas.data());
    }
    state.counters["anos"] = static_cast<double>(CalculaMinimaAnual(serie(), 10, duracao).size());
}
BENCHMARK(BM_MinimaAnual)->Arg(7)->Arg(30)->Unit(benchmark::kMicrosecond);

// The time must grow with the number of years, not with its square.
void BM_MinimaAnualPorAnos(benchmark::State& state) {
    const SerieTabela s = serieDeAnos(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto linhas = CalculaMinimaAnual(s, 10, 7);
        benchmark::DoNotOptimize(linhas.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MinimaAnualPorAnos)
    ->RangeMultiplier(4)
    ->Range(100, 6400)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_MaximaAnual(benchmark::State& state) {
    for (auto _ : state) {
        const auto linhas = CalculaMaximaAnual(serie(), 10, 1924, 2023);
        benchmark::DoNotOptimize(linhas.data());
    }
}
BENCHMARK(BM_MaximaAnual)->Unit(benchmark::kMicrosecond);

// What the window does after a calculation: the table texts and the events read back from them.
void BM_TextosEEventos(benchmark::State& state) {
    const auto minimas = CalculaMinimaAnual(serie(), 10, 7);
    const auto maximas = CalculaMaximaAnual(serie(), 10, 1924, 2023);
    for (auto _ : state) {
        benchmark::DoNotOptimize(linhasMinimas(minimas).size());
        benchmark::DoNotOptimize(eventosMinimas(minimas).size());
        benchmark::DoNotOptimize(linhasMaximas(maximas).size());
        benchmark::DoNotOptimize(eventosMaximas(maximas).size());
    }
}
BENCHMARK(BM_TextosEEventos)->Unit(benchmark::kMicrosecond);

// "Calcular" of the mean-flow window: annual, monthly and long-term means and the long-term line.
void BM_VazoesMedias(benchmark::State& state) {
    for (auto _ : state) {
        const VazoesMedias m = CalculaVazoesMedias(serie(), 10, 1924, 2023);
        benchmark::DoNotOptimize(m.longaDuracao);
    }
}
BENCHMARK(BM_VazoesMedias)->Unit(benchmark::kMicrosecond);

// The three result tables, the three reports and the stationarity hand-over as text.
void BM_TextosMedias(benchmark::State& state) {
    const VazoesMedias m = CalculaVazoesMedias(serie(), 10, 1924, 2023);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tabelaMediasAnuais(m.anuais).linhas.size());
        benchmark::DoNotOptimize(tabelaMediasMensais(m.mensais.meses).linhas.size());
        benchmark::DoNotOptimize(
            tabelaMediasLongaDuracao(m.mensais.longaDuracao, FormaTexto::Csv).linhas.size());
        benchmark::DoNotOptimize(entregaMediasAnuais(m.anuais).entradas.size());
    }
}
BENCHMARK(BM_TextosMedias)->Unit(benchmark::kMicrosecond);

// "Calcular" of the flow-duration window: the daily list, both curves, both reference tables.
void BM_Permanencia(benchmark::State& state) {
    for (auto _ : state) {
        const CurvaPermanencia c = CalcularPermanencia(serie());
        benchmark::DoNotOptimize(c.referenciasContinua.data());
    }
    state.counters["dias"] = CalcularPermanencia(serie()).diasValidos;
}
BENCHMARK(BM_Permanencia)->Unit(benchmark::kMicrosecond);

// What the window shows after it: the grid texts of the four tables (one row per valid day in the
// continuous one) and the points of both charts.
void BM_TextosPermanencia(benchmark::State& state) {
    const CurvaPermanencia c = CalcularPermanencia(serie());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tabelaClasses(c.classes, FormaTexto::Grade).linhas.size());
        benchmark::DoNotOptimize(
            tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Grade).linhas.size());
        benchmark::DoNotOptimize(tabelaContinua(c.continua, FormaTexto::Grade).linhas.size());
        benchmark::DoNotOptimize(
            tabelaReferenciasContinua(c.referenciasContinua, FormaTexto::Grade).linhas.size());
        benchmark::DoNotOptimize(graficoContinua(c.continua).pontos.size());
    }
}
BENCHMARK(BM_TextosPermanencia)->Unit(benchmark::kMillisecond);

// The whole-period hydrograph of the century: 36 525 days, a missing day in most months (each
// one two null points and a restart from zero). Budget: under 20 ms.
void BM_HidrogramaCompleto(benchmark::State& state) {
    const LimitesCurvaChave limites{300, 20};
    for (auto _ : state) {
        const Hidrograma h = hidrogramaCompleto(serie(), limites);
        benchmark::DoNotOptimize(h.pontos.data());
    }
    state.counters["pontos"] =
        static_cast<double>(hidrogramaCompleto(serie(), limites).pontos.size());
}
BENCHMARK(BM_HidrogramaCompleto)->Unit(benchmark::kMillisecond);

void BM_HidrogramaAnual(benchmark::State& state) {
    for (auto _ : state) {
        const Hidrograma h = hidrogramaAnual(serie(), 1975, {});
        benchmark::DoNotOptimize(h.pontos.data());
    }
}
BENCHMARK(BM_HidrogramaAnual)->Unit(benchmark::kMicrosecond);

} // namespace
