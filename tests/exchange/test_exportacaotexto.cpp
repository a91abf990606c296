// Own CSV/TXT export: the record lines, the bytes of the file, the order of the records, the
// failures; and the code page of the files the system writes.
#include "core/construtor.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "exchange/exportacaotexto.h"
#include "exchange/windows1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::serieMensal;

namespace {

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// February 1992 with 10,5 on each of its 29 days, imported as station 56110005 and completed to
// the whole year.
Bancada fevereiro1992() {
    SerieTabela s = serieMensal(
        QDate(1992, 2, 1), QDate(1992, 2, 1),
        [](QDate, int) { return std::optional<double>(10.5); }, false, 56110005);
    Bancada b;
    b.assumirImportacao(std::move(s), 2);
    return b;
}

TEST(ExportacaoTexto, LinhasDoMesImportadoEDoMesAcrescentado) {
    QTemporaryDir pasta;
    const Bancada b = fevereiro1992();
    const QString csv = pasta.filePath(QStringLiteral("serie.csv"));
    const QString txt = pasta.filePath(QStringLiteral("serie.txt"));
    exportarTexto(b.serie, csv, FormatoTexto::Csv);
    exportarTexto(b.serie, txt, FormatoTexto::Txt);

    const QList<QByteArray> linhasCsv = conteudo(csv).split('\n');
    ASSERT_EQ(linhasCsv.size(), 14); // header, 12 months, and nothing after the last CR LF
    EXPECT_EQ(linhasCsv[2],
              "1;56110005;2;01/02/1992;0;1;0;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;"
              "10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;10,5;"
              "10,5;10,5;10,5;;;\r");
    // January, added by the month completion two numbers above the imported month.
    EXPECT_EQ(linhasCsv[1], "3;56110005;2;01/01/1992;-2;1;100;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\r");
    EXPECT_EQ(linhasCsv[12], "13;56110005;2;01/12/1992;-2;1;100;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;\r");
    EXPECT_TRUE(linhasCsv[13].isEmpty());

    const QList<QByteArray> linhasTxt = conteudo(txt).split('\n');
    ASSERT_EQ(linhasTxt.size(), 14);
    EXPECT_EQ(linhasTxt[1], "3 56110005 2 01/01/1992 -2 1 100                                \r");
    EXPECT_EQ(linhasTxt[2].count(' '), 38);
}

TEST(ExportacaoTexto, CabecalhoEmWindows1252ComCrLf) {
    QTemporaryDir pasta;
    const QString csv = pasta.filePath(QStringLiteral("serie.csv"));
    exportarTexto(fevereiro1992().serie, csv, FormatoTexto::Csv);
    const QByteArray bytes = conteudo(csv);
    const QByteArray cabecalho =
        "Registro;Esta\xe7\xe3o;N\xedvel de consist\xeancia (1 = dados Brutos, 2 = Dados "
        "consistidos);Data;Situa\xe7\xe3o(-2=falha,-1=descartado,0=ok);In\xed"
        "cio_Do_Ano_"
        "Hidrol\xf3gico;%Falhas;Vazao01;Vazao02;Vazao03;Vazao04;Vazao05;Vazao06;Vazao07;Vazao08;"
        "Vazao09;Vazao10;Vazao11;Vazao12;Vazao13;Vazao14;Vazao15;Vazao16;Vazao17;Vazao18;Vazao19;"
        "Vazao20;Vazao21;Vazao22;Vazao23;Vazao24;Vazao25;Vazao26;Vazao27;Vazao28;Vazao29;Vazao30;"
        "Vazao31;\r\n";
    EXPECT_TRUE(bytes.startsWith(cabecalho));
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_EQ(bytes.count('\n'), 13);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
}

TEST(ExportacaoTexto, RegistrosEmOrdemDeDataMesmoGuardadosDoMaisRecente) {
    QTemporaryDir pasta;
    SerieTabela s =
        serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1), corvel::teste::diaPadrao, true);
    const QString csv = pasta.filePath(QStringLiteral("serie.csv"));
    std::vector<qint64> passos;
    exportarTexto(s, csv, FormatoTexto::Csv, [&](qint64 p) { passos.push_back(p); });
    const QList<QByteArray> linhas = conteudo(csv).split('\n');
    ASSERT_EQ(linhas.size(), 14);
    for (int m = 1; m <= 12; ++m) {
        // Stored newest first: December is record 1, January record 12.
        const QByteArray inicio = QByteArray::number(13 - m) + ";12345678;2;01/" +
                                  QByteArray::number(m).rightJustified(2, '0') + "/1990;";
        EXPECT_TRUE(linhas[m].startsWith(inicio)) << linhas[m].toStdString();
    }
    EXPECT_EQ(passos, (std::vector<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(ExportacaoTexto, Falhas) {
    QTemporaryDir pasta;
    const SerieTabela aberta = fevereiro1992().serie;
    const QString semPasta = pasta.filePath(QStringLiteral("nao/existe/serie.csv"));
    struct Caso {
        const SerieTabela serie;
        QString caminho;
        FormatoTexto formato;
        const char* mensagem;
    };
    // The export's message, then the file and the system's cause on a second line.
    const Caso casos[] = {
        {aberta, semPasta, FormatoTexto::Csv,
         "Erro ao exportar arquivo *.csv\nNão foi possível gravar o arquivo \"serie.csv\": "},
        {aberta, semPasta, FormatoTexto::Txt,
         "Erro ao exportar arquivo *.txt\nNão foi possível gravar o arquivo \"serie.csv\": "},
        {aberta, pasta.path(), FormatoTexto::Csv,
         "Erro ao exportar arquivo *.csv\nNão foi possível gravar o arquivo \""},
        {SerieTabela(), pasta.filePath(QStringLiteral("vazia.csv")), FormatoTexto::Csv,
         "Não há dados para exportar."},
    };
    for (const Caso& c : casos) {
        try {
            exportarTexto(c.serie, c.caminho, c.formato);
            ADD_FAILURE() << "sem erro: " << c.mensagem;
        } catch (const Erro& e) {
            EXPECT_TRUE(e.mensagem().startsWith(QString::fromUtf8(c.mensagem)))
                << e.mensagem().toStdString();
            EXPECT_EQ(e.gravidade(), Gravidade::Erro);
        }
    }
    EXPECT_FALSE(QFile::exists(pasta.filePath(QStringLiteral("vazia.csv"))));
}

TEST(Windows1252, LatinUmExtrasEInterrogacao) {
    const std::pair<const char*, QByteArray> casos[] = {
        {"Situação", "Situa\xe7\xe3o"},
        {"m³/s ±", "m\xb3/s \xb1"},
        {"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž",
         "\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8a \x8b \x8c \x8e"},
        {"‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ",
         "\x91 \x92 \x93 \x94 \x95 \x96 \x97 \x98 \x99 \x9a \x9b \x9c \x9e \x9f"},
        {"\xc2\x81\xc2\x9d", "??"}, // C1 controls have no byte of their own
        {"łő", "??"},
        {"a😀b", "a?b"}, // one character outside the basic plane, one '?'
    };
    for (const auto& [texto, bytes] : casos)
        EXPECT_EQ(codificarWindows1252(QString::fromUtf8(texto)), bytes) << texto;
}

} // namespace
