// Gap filling on a project of 20 stations over 100 years (1 200 months): adding the stations,
// the regression statistics, and reading the twenty project files.
#include "core/arquivotabela.h"
#include "core/projeto.h"
#include "filling/arquivopreenchimento.h"
#include "filling/preenchimento.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

using namespace corvel;

namespace {

constexpr int kEstacoes = 20;

// 1900 to 1999; station k misses some days and, every (k + 7)th month, the whole month.
SerieTabela estacao(int k) {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(1900, 1, 1); m.year() < 2000; m = m.addMonths(1)) {
        RegistroMensal r;
        r.registroId = ++id;
        r.estacaoCodigo = 20000000 + k;
        r.data = m;
        const int indice = static_cast<int>(id);
        if (indice % (k + 7) != 0)
            for (int d = 0; d < m.daysInMonth(); ++d)
                if ((d + indice + k) % 13 != 0)
                    r.vazao[static_cast<std::size_t>(d)] =
                        (k + 1) * (30.0 + 20.0 * std::sin(indice * 0.52 + d * 0.05));
        s.acrescentarProgramatico(std::move(r));
    }
    return s;
}

const std::vector<SerieTabela>& estacoes() {
    static const std::vector<SerieTabela> e = [] {
        std::vector<SerieTabela> v;
        for (int k = 0; k < kEstacoes; ++k)
            v.push_back(estacao(k));
        return v;
    }();
    return e;
}

void BM_AdicionarVinteEstacoesEEstatisticas(benchmark::State& state) {
    for (auto _ : state) {
        ProjetoPreenchimento p = novoProjetoPreenchimento({1900, 1999});
        for (const SerieTabela& s : estacoes())
            adicionarEstacao(p, s);
        const auto est = CalculosEstatistico(p);
        benchmark::DoNotOptimize(est.data());
    }
}
BENCHMARK(BM_AdicionarVinteEstacoesEEstatisticas)->Unit(benchmark::kMillisecond);

void BM_EstatisticasEPreenchimento(benchmark::State& state) {
    ProjetoPreenchimento base = novoProjetoPreenchimento({1900, 1999});
    for (const SerieTabela& s : estacoes())
        adicionarEstacao(base, s);
    for (auto _ : state) {
        ProjetoPreenchimento p = base;
        auto est = iniciarNovoPreenchimento(p, 1);
        for (std::size_t i = 0; i < 3 && i < est.size(); ++i)
            if (est[i].podePreencher()) PreencheUmaEstacao(p, est[i]);
        benchmark::DoNotOptimize(p.meses.data());
    }
}
BENCHMARK(BM_EstatisticasEPreenchimento)->Unit(benchmark::kMillisecond);

// The same twenty stations read from their project files by the station loader first.
void BM_LerEAdicionarVinteProjetos(benchmark::State& state) {
    QTemporaryDir pasta;
    QStringList arquivos;
    for (int k = 0; k < kEstacoes; ++k) {
        arquivos << pasta.filePath(QStringLiteral("%1.cvl").arg(k));
        gravarProjeto(arquivos.back(), estacoes()[static_cast<std::size_t>(k)]);
    }
    for (auto _ : state) {
        ProjetoPreenchimento p = novoProjetoPreenchimento({1900, 1999});
        for (const QString& a : arquivos)
            adicionarEstacao(p, lerEstacaoPreenchimento(a));
        benchmark::DoNotOptimize(CalculosEstatistico(p).data());
    }
}
BENCHMARK(BM_LerEAdicionarVinteProjetos)->Unit(benchmark::kMillisecond);

void BM_SalvarEAbrirProjetoPreenchimento(benchmark::State& state) {
    QTemporaryDir pasta;
    ProjetoPreenchimento p = novoProjetoPreenchimento({1900, 1999});
    for (const SerieTabela& s : estacoes())
        adicionarEstacao(p, s);
    const QString arquivo = pasta.filePath(QStringLiteral("p.psv"));
    for (auto _ : state) {
        gravarProjetoPreenchimento(arquivo, p);
        benchmark::DoNotOptimize(lerProjetoPreenchimento(arquivo).meses.data());
    }
}
BENCHMARK(BM_SalvarEAbrirProjetoPreenchimento)->Unit(benchmark::kMillisecond);

} // namespace
