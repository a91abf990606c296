// Data exchange on a century of daily flows: import of an agency text file holding both
// consistency levels (2 400 data lines) and the CSV export of the imported series.
#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/exportacaotexto.h"
#include "exchange/importacaoaccess.h"
#include "exchange/importacaoagencia.h"
#include "mdbsintetico.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

// The older layout: "//" comments, the commented title line, then 1924-2023 at level 1 and again
// at level 2, oldest month first, with a few empty days.
QByteArray arquivoSecular() {
    QString t = QStringLiteral("//  Vidara - Agência de Águas\r\n//  Sistema de Informações "
                               "Hidrológicas\r\n//\r\n\r\n//EstacaoCodigo;NivelConsistencia;Data;"
                               "Hora;...;\r\n");
    for (int nivel = 1; nivel <= 2; ++nivel) {
        for (QDate m(1924, 1, 1); m.year() <= 2023; m = m.addMonths(1)) {
            t += QStringLiteral("56110005;%1;%2;01/01/1900 00:00:00;1;1;;;;;;1;1;1;;;")
                     .arg(nivel)
                     .arg(formatarData(m));
            for (int d = 1; d <= 31; ++d) {
                if (d <= m.daysInMonth() && (d + m.month()) % 23 != 0)
                    t += formatarGeral(std::round((50.0 + 30.0 * std::sin(d + m.month())) * 1000) /
                                       1000);
                t += u';';
            }
            for (int d = 1; d <= 31; ++d)
                t += QStringLiteral("1;");
            t += QStringLiteral("\r\n");
        }
    }
    return t.toLatin1();
}

struct Ambiente {
    QTemporaryDir pasta;
    QString arquivo;
    Ambiente() : arquivo(pasta.filePath(QStringLiteral("secular.txt"))) {
        QFile f(arquivo);
        if (f.open(QIODevice::WriteOnly)) f.write(arquivoSecular());
    }
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

void BM_ImportarAgencia100Anos(benchmark::State& state) {
    const QString arquivo = ambiente().arquivo;
    for (auto _ : state) {
        ResultadoImportacao r = importarArquivoAgencia(arquivo, 9);
        Bancada b;
        b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
        benchmark::DoNotOptimize(b.serie.tamanho());
        state.counters["meses"] = static_cast<double>(b.serie.tamanho());
        state.counters["nivel"] = r.nivelConsistencia;
    }
}
BENCHMARK(BM_ImportarAgencia100Anos)->Unit(benchmark::kMillisecond);

void BM_ExportarCsv100Anos(benchmark::State& state) {
    ResultadoImportacao r = importarArquivoAgencia(ambiente().arquivo, 9);
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    const QString csv = ambiente().pasta.filePath(QStringLiteral("secular.csv"));
    for (auto _ : state)
        exportarTexto(b.serie, csv, FormatoTexto::Csv);
}
BENCHMARK(BM_ExportarCsv100Anos)->Unit(benchmark::kMillisecond);

// Access import of a century station: the reader program started, the table checked, the codes
// listed, one station's rows read at both levels and the months completed. The shared databases
// are small; the synthetic ones hold `estacoes` stations of 100 years at two levels.
const bool kLeitorMdb = (BancoAccess::definirPrograma(QStringLiteral(CORVEL_MDB)), true);

QString modeloMdb() {
    return QStringLiteral(CORVEL_FIXTURES_DIR "/mdb/vazoes_tres_estacoes.mdb");
}

qint64 importarAccess(const QString& arquivo, int indiceEstacao, benchmark::State& state) {
    BancoVazoes banco(arquivo);
    ResultadoImportacao r = banco.importarEstacao(
        banco.codigos()[static_cast<std::size_t>(indiceEstacao)], DadosBrutos::SoSemConsistidos);
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    state.counters["meses"] = static_cast<double>(b.serie.tamanho());
    return b.serie.tamanho();
}

void BM_ImportarAccessBancoCompartilhado(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(importarAccess(modeloMdb(), 1, state));
}
BENCHMARK(BM_ImportarAccessBancoCompartilhado)->Unit(benchmark::kMillisecond);

void BM_ImportarAccess100AnosDeUmBancoDeVarias(benchmark::State& state) {
    const int estacoes = static_cast<int>(state.range(0));
    const QString arquivo =
        ambiente().pasta.filePath(QStringLiteral("sintetico_%1.mdb").arg(estacoes));
    if (!QFile::exists(arquivo) &&
        !bench::gerarBancoSintetico(modeloMdb(), arquivo, estacoes, 100)) {
        state.SkipWithError("banco sintético não gerado");
        return;
    }
    for (auto _ : state) {
        // The station in the middle of the file.
        if (importarAccess(arquivo, estacoes / 2, state) != 1200) {
            state.SkipWithError("a estação não tem os 1200 meses");
            return;
        }
    }
    state.counters["linhasNoBanco"] = estacoes * 2400;
    state.counters["MB"] = static_cast<double>(QFileInfo(arquivo).size()) / (1 << 20);
}
BENCHMARK(BM_ImportarAccess100AnosDeUmBancoDeVarias)
    ->Arg(1)
    ->Arg(5)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
