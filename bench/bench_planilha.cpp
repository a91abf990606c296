// Reading workbooks, on a century of months (1 200 rows of a label and 31 daily flows): the member
// check of the archive our exporter writes, the rewriting of a sheet whose texts are inline, and
// the whole reading through corvel-planilha as the distribution window does it (two columns).
#include "exchange/importaexcel.h"
#include "exchange/pacotexlsx.h"
#include "exchange/pacotezip.h"
#include "exchange/exportaexcel.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace corvel;

namespace {

TabelaExibida seculo() {
    TabelaExibida t;
    t.colunas.push_back({QStringLiteral("Mês"), TipoCampo::Texto});
    for (int d = 1; d <= 31; ++d)
        t.colunas.push_back(
            {QStringLiteral("Dia %1").arg(d, 2, 10, QLatin1Char('0')), TipoCampo::Real});
    for (int i = 0; i < 1200; ++i) {
        std::vector<Valor> linha{QStringLiteral("Mês %1").arg(i)};
        for (int d = 1; d <= 31; ++d)
            linha.push_back(std::round((120 + 90 * std::cos(i * 0.52 + d * 0.03)) * 100) / 100);
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

// The same table as a writer of inline texts leaves it, every relationship target absolute.
std::vector<MembroZip> seculoEmLinha() {
    QByteArray folha =
        "<worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    const TabelaExibida t = seculo();
    for (std::size_t i = 0; i < t.linhas.size(); ++i) {
        folha += "<row r=\"" + QByteArray::number(i + 1) + "\"><c t=\"inlineStr\"><is><t>" +
                 std::get<QString>(t.linhas[i][0]).toUtf8() + "</t></is></c>";
        for (std::size_t c = 1; c < t.linhas[i].size(); ++c)
            folha += "<c><v>" + QByteArray::number(std::get<double>(t.linhas[i][c]), 'g', 17) +
                     "</v></c>";
        folha += "</row>";
    }
    folha += "</sheetData></worksheet>";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    return {
        {"_rels/.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" +
             rel +
             "officeDocument\" Target=\"/xl/workbook.xml\"/>"
             "</Relationships>"},
        {"xl/workbook.xml",
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"" +
             rel.chopped(1) +
             "\"><sheets><sheet name=\"S\" sheetId=\"1\" "
             "r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" +
             rel +
             "worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/>"
             "</Relationships>"},
        {"xl/worksheets/sheet1.xml", folha},
    };
}

struct Ambiente {
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath(QStringLiteral("seculo.xlsx"));
    QByteArray bytes;
    Ambiente() {
        TExportaExcel::escrever(arquivo, seculo(), QStringLiteral("Século"));
        QFile f(arquivo);
        if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    }
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

void BM_ConferirMembrosSeculo(benchmark::State& state) {
    const QByteArray& bytes = ambiente().bytes;
    for (auto _ : state) {
        const auto membros = membrosZip(bytes);
        benchmark::DoNotOptimize(membros);
        if (!membros) state.SkipWithError("archive refused");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ConferirMembrosSeculo)->Unit(benchmark::kMillisecond);

void BM_TextosEmLinhaSeculo(benchmark::State& state) {
    const std::vector<MembroZip> original = seculoEmLinha();
    for (auto _ : state) {
        std::vector<MembroZip> membros = original;
        benchmark::DoNotOptimize(normalizarXlsx(membros));
    }
}
BENCHMARK(BM_TextosEmLinhaSeculo)->Unit(benchmark::kMillisecond);

void BM_LerDuasColunasSeculo(benchmark::State& state) {
    TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA));
    const QString arquivo = ambiente().arquivo;
    for (auto _ : state) {
        TImportaExcel leitor;
        if (!leitor.abrir(arquivo)) {
            state.SkipWithError("workbook refused");
            break;
        }
        for (int linha = 2; linha <= 1201; ++linha) {
            benchmark::DoNotOptimize(leitor.lerCelula(1, linha, 1));
            benchmark::DoNotOptimize(leitor.lerCelula(1, linha, 2));
        }
    }
}
BENCHMARK(BM_LerDuasColunasSeculo)->Unit(benchmark::kMillisecond);

} // namespace
