// Hot paths of the core on a century of daily flows: open and save a project, month completion.
#include "core/bancada.h"
#include "core/projeto.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

// 100 years of months, every fifth month absent from the source, listed newest first.
SerieTabela serieSecular(bool comAusentes) {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(2023, 12, 1); m.year() >= 1924; m = m.addMonths(-1)) {
        if (comAusentes && (m.year() * 12 + m.month()) % 5 == 0)
            continue;
        RegistroMensal r;
        r.registroId = ++id;
        r.estacaoCodigo = 12345678;
        r.data = m;
        for (int d = 0; d < m.daysInMonth(); ++d)
            if ((d + m.month()) % 17 != 0)
                r.vazao[static_cast<std::size_t>(d)] = 50.0 + 30.0 * std::sin(d + m.month());
        s.acrescentarProgramatico(std::move(r));
    }
    return s;
}

void BM_SalvarProjeto100Anos(benchmark::State& state) {
    QTemporaryDir pasta;
    Bancada b(pasta.path());
    b.serie = serieSecular(false);
    b.arquivoProjeto = pasta.filePath(QStringLiteral("secular.cvl"));
    for (auto _ : state)
        b.salvar(); // write atomically and read back
}
BENCHMARK(BM_SalvarProjeto100Anos)->Unit(benchmark::kMillisecond);

void BM_AbrirProjeto100Anos(benchmark::State& state) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("secular.cvl"));
    gravarProjeto(arquivo, serieSecular(false));
    Bancada b(pasta.path());
    for (auto _ : state) {
        b.abrirProjeto(arquivo);
        benchmark::DoNotOptimize(b.serie.tamanho());
    }
}
BENCHMARK(BM_AbrirProjeto100Anos)->Unit(benchmark::kMillisecond);

void BM_CompletaFalha100Anos(benchmark::State& state) {
    const SerieTabela fonte = serieSecular(true);
    for (auto _ : state) {
        state.PauseTiming();
        SerieTabela s = fonte;
        state.ResumeTiming();
        completaFalha(s, 1, 2);
        benchmark::DoNotOptimize(s.tamanho());
    }
}
BENCHMARK(BM_CompletaFalha100Anos)->Unit(benchmark::kMillisecond);

} // namespace
