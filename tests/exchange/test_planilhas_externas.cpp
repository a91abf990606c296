// Workbooks written by other programs (tests/data/planilhas/gerar_planilhas.py writes them as they
// do), read through the reader program: absolute relationship targets, inline texts, cached formula
// values that are never recalculated, .ods and legacy .xls, folders with accents, damaged archives.
#include "exchange/importaexcel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

// The tests run without an application object: tell the cell reader where its program is.
const bool kLeitorDefinido =
    (corvel::TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA)), true);

namespace {

QString planilha(const char* nome) {
    return QStringLiteral(CORVEL_TEST_DATA "/planilhas/") + QString::fromUtf8(nome);
}

struct Celula {
    int planilha, linha, coluna;
    std::optional<QString> texto;
    std::optional<double> numero;
};

void conferir(const TImportaExcel& leitor, std::initializer_list<Celula> celulas) {
    for (const Celula& c : celulas) {
        EXPECT_EQ(leitor.lerCelula(c.planilha, c.linha, c.coluna), c.texto)
            << c.linha << "," << c.coluna;
        EXPECT_EQ(leitor.lerNumero(c.planilha, c.linha, c.coluna), c.numero)
            << c.linha << "," << c.coluna;
    }
}

// Every relationship target absolute, texts inline (plain and in runs) and shared.
TEST(PlanilhasExternas, AlvosAbsolutosETextosNaCelula) {
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(planilha("outra_biblioteca.xlsx")));
    conferir(leitor, {
                         {1, 1, 1, QStringLiteral("Ano"), std::nullopt},
                         {1, 1, 2, QStringLiteral("Vazão (m³/s)"), std::nullopt}, // shared
                         {1, 2, 1, QStringLiteral("1990"), std::nullopt}, // a text, not a number
                         {1, 2, 2, QStringLiteral("126,99"), 126.99},
                         {1, 3, 1, QStringLiteral("1991"), std::nullopt}, // two runs
                         {1, 3, 2, QStringLiteral("0"), 0.0},
                         {1, 4, 1, QStringLiteral("Março/1992"), std::nullopt},
                         {1, 4, 2, QStringLiteral("1234,5"), 1234.5},
                         {1, 5, 1, QStringLiteral("Soma"), std::nullopt},
                         {1, 5, 2, QStringLiteral("1361,49"), 1361.49}, // cached by the writer
                         {1, 5, 3, QStringLiteral("Verdadeiro"), std::nullopt},
                         {1, 5, 4, QStringLiteral("ab"), std::nullopt},
                         {1, 6, 1, std::nullopt, std::nullopt},
                         {2, 1, 1, std::nullopt, std::nullopt},
                     });
}

// A formula over every column, or over the whole sheet, answers at once: formulas are never
// calculated, and a cell reads as the value its writer cached, or as empty without one.
TEST(PlanilhasExternas, FormulasLidasPeloValorGuardado) {
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(planilha("soma_colunas_inteiras.xlsx")));
    conferir(leitor, {{1, 1, 1, QStringLiteral("0"), 0.0}});
    ASSERT_TRUE(leitor.abrir(planilha("soma_folha_inteira.xlsx")));
    conferir(leitor, {{1, 1, 1, std::nullopt, std::nullopt}});
    ASSERT_TRUE(leitor.abrir(planilha("grade.ods")));
    conferir(leitor,
             {
                 {2, 1, 1, QStringLiteral("0"), 0.0},
                 {2, 2, 1, QStringLiteral("7"), 7.0}, // stale, but what the writer saved: not 2496
             });
}

TEST(PlanilhasExternas, GradeOdsInteira) {
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(planilha("grade.ods")));
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(leitor.lerNumero(1, i + 1, j + 1), i * 10 + j + 0.5) << i << "," << j;
    EXPECT_EQ(leitor.lerCelula(1, 8, 8), QStringLiteral("77,5"));
    EXPECT_EQ(leitor.lerCelula(1, 9, 1), std::nullopt);
}

TEST(PlanilhasExternas, XlsAntigo) {
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(planilha("valores.xls")));
    conferir(leitor, {
                         {1, 1, 1, QStringLiteral("Mês"), std::nullopt},
                         {1, 1, 2, QStringLiteral("Dia 01"), std::nullopt},
                         {1, 2, 1, QStringLiteral("Março/1990"), std::nullopt},
                         {1, 2, 2, QStringLiteral("126,99"), 126.99},
                         {1, 3, 1, QStringLiteral("Abril/1990"), std::nullopt},
                         {1, 3, 2, QStringLiteral("0"), 0.0},
                         {1, 4, 1, std::nullopt, std::nullopt},
                     });
}

// Names with accents reach every library intact, whatever the system's code page.
TEST(PlanilhasExternas, PastaComAcentos) {
    QTemporaryDir raiz;
    const QString pasta = raiz.filePath(QStringLiteral("Estações de março"));
    ASSERT_TRUE(QDir().mkpath(pasta));
    const std::pair<const char*, QString> casos[] = {
        {"outra_biblioteca.xlsx", QStringLiteral("Vazão (m³/s)")},
        {"grade.ods", QStringLiteral("1,5")},
        {"valores.xls", QStringLiteral("Dia 01")},
    };
    for (const auto& [nome, texto] : casos) {
        const QString copia =
            QDir(pasta).filePath(QStringLiteral("Vazões ç ") + QString::fromUtf8(nome));
        ASSERT_TRUE(QFile::copy(planilha(nome), copia));
        TImportaExcel leitor;
        ASSERT_TRUE(leitor.abrir(copia)) << nome;
        EXPECT_EQ(leitor.lerCelula(1, 1, 2), texto) << nome;
    }
}

// One value edited in an uncompressed member, checksum left as it was; a broken compressed stream.
// Both refused whole, where the library alone read 926,99 and a sheet with holes.
TEST(PlanilhasExternas, ArquivoDanificadoERecusado) {
    QTemporaryDir pasta;
    auto gravar = [&](const char* nome, const QByteArray& bytes) {
        const QString caminho = pasta.filePath(QString::fromUtf8(nome));
        QFile f(caminho);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return caminho;
    };
    QFile xlsx(planilha("sem_compressao.xlsx"));
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    const QByteArray original = xlsx.readAll();
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(planilha("sem_compressao.xlsx")));
    EXPECT_EQ(leitor.lerCelula(1, 1, 2), QStringLiteral("126,99"));
    EXPECT_FALSE(
        leitor.abrir(gravar("editada.xlsx", QByteArray(original).replace("126.99", "926.99"))));

    QFile ods(planilha("grade.ods"));
    ASSERT_TRUE(ods.open(QIODevice::ReadOnly));
    const QByteArray quebrado = ods.readAll();
    const qsizetype dados = quebrado.indexOf("content.xml") + 11; // the stream follows the name
    for (const int desvio : {20, 200, 400}) {
        QByteArray b = quebrado;
        b[dados + desvio] = static_cast<char>(b[dados + desvio] ^ 0x20);
        EXPECT_FALSE(leitor.abrir(gravar("quebrada.ods", b))) << desvio;
    }
    // The reader goes on with the next file.
    ASSERT_TRUE(leitor.abrir(planilha("grade.ods")));
    EXPECT_EQ(leitor.lerNumero(1, 1, 1), 0.5);
}

} // namespace
