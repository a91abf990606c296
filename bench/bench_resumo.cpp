// The whole-station summary on a century of days: the analyses alone, and the work of one
// station of `corvel-cli resumo -o` (open the project, analyse, build the texts of its files).
#include "resumo/estacaoresumo.h"
#include "resumo/linharesumo.h"
#include "resumo/textosanalise.h"
#include "seculoregularizacao.h"

#include "analyses/vazoesanuais.h"
#include "core/projeto.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace corvel;

namespace {

void BM_ResumirEstacaoSeculo(benchmark::State& state) {
    const EstacaoAberta estacao{mesesConsiderados(seculoRegularizacao()), 1, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(resumirEstacao(estacao, 7, 10));
}
BENCHMARK(BM_ResumirEstacaoSeculo)->Unit(benchmark::kMillisecond);

void BM_EstacaoDoResumoSeculo(benchmark::State& state) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("seculo.cvl"));
    gravarProjeto(arquivo, seculoRegularizacao());
    OpcoesResumo opcoes;
    opcoes.inicio = 1; // the century series keeps no start month
    for (auto _ : state) {
        const ResumoEstacao r = resumirEstacao(abrirEstacao(arquivo, opcoes), 7, 10);
        QString textos = linhaResumo(arquivo, figurasResumo(r, {})) + textoMinimas(r.minimas) +
                         textoMaximas(r.maximas) + textoMediasAnuais(r.medias.anuais) +
                         textoReferenciasPermanencia(r.permanencia) +
                         textoVazaoRegularizada(r.regularizacao) +
                         textoDistribuicoesDoPeriodo(r.distribuicoesMinimas);
        benchmark::DoNotOptimize(textos);
    }
}
BENCHMARK(BM_EstacaoDoResumoSeculo)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
