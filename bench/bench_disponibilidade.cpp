// The availability diagram over a folder of 1 000 station projects of 50 years each: adding the
// folder against just reading its files.
#include "availability/adicao.h"
#include "core/arquivotabela.h"
#include "core/serie.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

using namespace corvel;

namespace {

constexpr int kEstacoes = 1000;

// 1950 to 1999, some days missing in a pattern that differs from station to station.
Tabela projeto(int estacao) {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(1950, 1, 1); m.year() < 2000; m = m.addMonths(1)) {
        RegistroMensal r;
        r.registroId = ++id;
        r.estacaoCodigo = 10000000 + estacao;
        r.data = m;
        for (int d = 0; d < m.daysInMonth(); ++d)
            if ((d * 7 + m.month() * 3 + m.year() + estacao) % 23 != 0)
                r.vazao[static_cast<std::size_t>(d)] = 40.0 + 25.0 * std::sin(d + m.month());
        s.acrescentarProgramatico(std::move(r));
    }
    return paraTabela(s);
}

// The folder is made once for all the benchmarks; plain writes, since no save needs to survive.
const QTemporaryDir& pasta() {
    static const std::unique_ptr<QTemporaryDir> p = [] {
        auto d = std::make_unique<QTemporaryDir>();
        for (int i = 0; i < kEstacoes; ++i) {
            QFile f(d->filePath(QStringLiteral("%1.cvl").arg(10000000 + i)));
            if (!f.open(QIODevice::WriteOnly) || f.write(codificarTabela(projeto(i))) < 0)
                std::abort();
        }
        return d;
    }();
    return *p;
}

void BM_LerBytesDosArquivos(benchmark::State& state) {
    const QStringList arquivos = projetosDaPasta(pasta().path());
    for (auto _ : state)
        for (const QString& a : arquivos) {
            QFile f(a);
            f.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(f.readAll().size());
        }
}
BENCHMARK(BM_LerBytesDosArquivos)->Unit(benchmark::kMillisecond)->UseRealTime();

// What reading the 1 000 projects costs: each file read, checked and decoded into its table.
void BM_LerArquivos(benchmark::State& state) {
    const QStringList arquivos = projetosDaPasta(pasta().path());
    for (auto _ : state)
        for (const QString& a : arquivos)
            benchmark::DoNotOptimize(lerTabela(a).linhas());
}
BENCHMARK(BM_LerArquivos)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command on the folder: listing, reading, cells of 1950-1999 and the rows.
void BM_AdicionarPasta(benchmark::State& state) {
    const int tarefas = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Diagrama d = novoDiagrama({1950, 1999});
        const ResultadoAdicao r =
            adicionarProjetos(d, projetosDaPasta(pasta().path()), {}, tarefas);
        if (r.adicionadas != kEstacoes) state.SkipWithError("estações faltando");
        benchmark::DoNotOptimize(d.linhas.data());
    }
}
BENCHMARK(BM_AdicionarPasta)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
