// Spreadsheet exports read back through the cell reader: labels, numbers, empty nulls, offsets,
// availability colours; and the result CSV writer's exact bytes.
#include "impressao_qt.h"

#include "core/erros.h"
#include "exchange/csvresultado.h"
#include "exchange/importaexcel.h"
#include "exchange/pacotezip.h"
#include "exchange/exportaexcel.h"
#include "exchange/exportaexcel2.h"
#include "exchange/exportastringgridexcel.h"
#include "exchange/planilha.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

// The tests run without an application object: tell the cell reader where its program is.
const bool kLeitorDefinido = (corvel::TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA)), true);

namespace {

TabelaExibida serieCurta() {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Mês"), TipoCampo::Texto},
                 {QStringLiteral("Dia 01"), TipoCampo::Real},
                 {QStringLiteral("Dia 02"), TipoCampo::Real},
                 {QStringLiteral("Ano"), TipoCampo::Inteiro}};
    t.linhas = {{QStringLiteral("Março/1990"), 10.5, std::monostate{}, qint64{1990}},
                {QStringLiteral("Abril/1990"), 0.0, 1234.125, qint64{1990}}};
    return t;
}

TEST(Planilha, SerieEscritaELidaDeVolta) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("12345678.xlsx"));
    std::vector<qint64> passos;
    TExportaExcel::escrever(arquivo, serieCurta(), QStringLiteral("12345678"),
                            [&](qint64 p) { passos.push_back(p); });
    EXPECT_EQ(passos, (std::vector<qint64>{1, 50, 100}));

    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(arquivo));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), QStringLiteral("Mês"));
    EXPECT_EQ(leitor.lerCelula(1, 1, 3), QStringLiteral("Dia 02"));
    EXPECT_EQ(leitor.lerCelula(1, 2, 1), QStringLiteral("Março/1990"));
    EXPECT_EQ(leitor.lerNumero(1, 2, 2), 10.5);
    EXPECT_EQ(leitor.lerCelula(1, 2, 2), QStringLiteral("10,5"));
    EXPECT_EQ(leitor.lerCelula(1, 2, 3), std::nullopt); // a null day is an empty cell, not 0
    EXPECT_EQ(leitor.lerNumero(1, 2, 3), std::nullopt);
    EXPECT_EQ(leitor.lerNumero(1, 3, 2), 0.0);          // a zero flow is a number
    EXPECT_EQ(leitor.lerNumero(1, 3, 3), 1234.125);
    // Fields other than floats go as their text.
    EXPECT_EQ(leitor.lerCelula(1, 2, 4), QStringLiteral("1990"));
    EXPECT_EQ(leitor.lerNumero(1, 2, 4), std::nullopt);
    EXPECT_EQ(leitor.lerCelula(2, 1, 1), std::nullopt); // no second sheet
    EXPECT_EQ(leitor.lerCelula(1, 9, 9), std::nullopt);
}

TEST(Planilha, NomeDaPlanilhaEOTitulo) {
    EXPECT_EQ(nomePlanilha(QStringLiteral("12345678")), QStringLiteral("12345678"));
    EXPECT_EQ(nomePlanilha(QStringLiteral("Vazões [m3/s]: mínimas?")), QStringLiteral("Vazões _m3_s__ mínimas_"));
    EXPECT_EQ(nomePlanilha(QString(40, u'a')).size(), 31);
}

TEST(Planilha, DeslocamentoDaGradeEValoresComoSao) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("g.xlsx"));
    TExportaStringGridExcel::escrever(arquivo, serieCurta(), QStringLiteral("Regularização"), 2, 1);
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(arquivo));
    EXPECT_EQ(leitor.lerCelula(1, 3, 2), QStringLiteral("Mês"));      // header at row r0 + 1
    EXPECT_EQ(leitor.lerCelula(1, 4, 2), QStringLiteral("Março/1990")); // records from r0 + 2
    EXPECT_EQ(leitor.lerNumero(1, 4, 5), 1990.0);                      // integers as numbers here
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), std::nullopt);
}

TEST(Planilha, ClassesDeCorDaDisponibilidade) {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Estacao"), TipoCampo::Texto}, {QStringLiteral("1990"), TipoCampo::Inteiro},
                 {QStringLiteral("1991"), TipoCampo::Inteiro}, {QStringLiteral("1992"), TipoCampo::Inteiro},
                 {QStringLiteral("1993"), TipoCampo::Inteiro}, {QStringLiteral("1994"), TipoCampo::Inteiro},
                 {QStringLiteral("1995"), TipoCampo::Inteiro}, {QStringLiteral("1996"), TipoCampo::Inteiro}};
    t.linhas = {{QStringLiteral("100"), qint64{100}, std::monostate{}, qint64{85}, qint64{80}, qint64{92},
                 qint64{97}, qint64{101}}};
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("d.xlsx"));
    TExportaExcel_2::escrever(arquivo, t, QStringLiteral("Disponibilidade"));
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(arquivo));
    struct Caso {
        int coluna;
        quint32 fundo, texto;
        bool negrito;
    };
    const Caso casos[] = {
        {1, 0xFFFFFF, 0x000000, false}, // the first column keeps the default colours
        {2, 0x008000, 0xFFFFFF, true},  // 100: green, white
        {3, 0xFF0000, 0xFFFFFF, true},  // null: red, white
        {4, 0xFFFF00, 0x000000, true},  // 85: yellow, black
        {5, 0xFF0000, 0xFFFFFF, true},  // 80: red, white
        {6, 0x808080, 0xFFFFFF, true},  // 92: grey, white
        {7, 0x0000FF, 0xFFFFFF, true},  // 97: blue, white
        {8, 0xFFFFFF, 0x000000, false}, // 101: no class
    };
    for (const Caso& c : casos) {
        const auto e = leitor.lerEstilo(1, 2, c.coluna);
        ASSERT_TRUE(e) << c.coluna;
        EXPECT_EQ(e->fundo, c.fundo) << "coluna " << c.coluna;
        EXPECT_EQ(e->texto, c.texto) << "coluna " << c.coluna;
        EXPECT_EQ(e->negrito, c.negrito) << "coluna " << c.coluna;
    }
    EXPECT_EQ(leitor.lerNumero(1, 2, 2), 100.0);
}

TEST(Planilha, ArquivoQueNaoEPlanilhaNaoAbre) {
    QTemporaryDir pasta;
    const QString texto = pasta.filePath(QStringLiteral("x.xlsx"));
    QFile f(texto);
    f.open(QIODevice::WriteOnly);
    f.write("não é uma planilha");
    f.close();
    TImportaExcel leitor;
    EXPECT_FALSE(leitor.abrir(texto));
    EXPECT_FALSE(leitor.abrir(pasta.filePath(QStringLiteral("nada.xls"))));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), std::nullopt);
    EXPECT_THROW(TExportaExcel::escrever(pasta.filePath(QStringLiteral("sem/pasta.xlsx")), serieCurta(),
                                         QStringLiteral("x")),
                 ErroArquivo);
}

// A damaged archive that declares gigabytes of inflated content is refused before the zip library
// tries to allocate them.
TEST(Planilha, ArquivoQueDeclaraGigabytesERecusado) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("enorme.xlsx"));
    TExportaExcel::escrever(arquivo, serieCurta(), QStringLiteral("x"));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray b = f.readAll();
    const qsizetype diretorio = b.indexOf(QByteArray("PK\x01\x02", 4));
    ASSERT_GT(diretorio, 0);
    for (int k = 0; k < 4; ++k)
        b[diretorio + 24 + k] = static_cast<char>(k == 3 ? 0xF0 : 0x00); // 4 GB once inflated
    EXPECT_FALSE(zipPlausivel(b));
    f.seek(0);
    EXPECT_TRUE(zipPlausivel(f.readAll())); // the file as written
    f.seek(0);
    f.write(b);
    f.close();
    TImportaExcel leitor;
    EXPECT_FALSE(leitor.abrir(arquivo));
    EXPECT_FALSE(zipPlausivel(QByteArray("PK")));
    EXPECT_FALSE(zipPlausivel(QByteArray(100, '\0')));
}

// A damaged sheet (a column beyond the sheet's limits) makes the spreadsheet library abort: the
// reader program dies, the workbench gets a plain refusal and goes on.
TEST(Planilha, ArquivoQueDerrubaABibliotecaERecusadoSemDerrubarOPrograma) {
    TImportaExcel leitor;
    EXPECT_FALSE(leitor.abrir(QStringLiteral(CORVEL_TEST_DATA "/planilhas/coluna_fora_do_limite.xlsx")));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), std::nullopt);
    // The reader still works for the next file.
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("boa.xlsx"));
    TExportaExcel::escrever(arquivo, serieCurta(), QStringLiteral("x"));
    ASSERT_TRUE(leitor.abrir(arquivo));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), QStringLiteral("Mês"));
}

TEST(CsvResultado, BytesExatosComAcentos) {
    const QByteArray esperado = "Ano;M\xe9\x64ia (m\xb3/s);Situa\xe7\xe3o;\r\n"
                                "1990/1991;12,35;Conclu\xed\x64o;\r\n"
                                "1991/1992;;\x80 falta;\r\n";
    EXPECT_EQ(textoCsvResultado({QStringLiteral("Ano"), QStringLiteral("Média (m³/s)"), QStringLiteral("Situação")},
                                {{QStringLiteral("1990/1991"), QStringLiteral("12,35"), QStringLiteral("Concluído")},
                                 {QStringLiteral("1991/1992"), QString(), QStringLiteral("€ falta")}}),
              esperado);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("r.csv"));
    gravarCsvResultado(arquivo, {QStringLiteral("A")}, {{QStringLiteral("1")}});
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("A;\r\n1;\r\n"));
}

} // namespace
