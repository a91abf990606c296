// Banded reports: pagination with "Continua..." and " de N", notes after the last row, and the
// text of a rendered PDF read back with pdftotext.
#include "impressao_qt.h"

#include "report/relatorio.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel::relatorio;

namespace {

Relatorio relatorioDe(int linhas, int notas = 0) {
    Relatorio r;
    r.titulo = QStringLiteral("Vazões mínimas");
    r.cabecalho = {QStringLiteral("Técnico responsável: Maria"),
                   QStringLiteral("Cód. da Estação: 12345678")};
    TirarGrade(r, 3);
    r.colunas[0].titulo = QStringLiteral("Ano");
    r.colunas[1].titulo = QStringLiteral("Data de início");
    r.colunas[2].titulo = QStringLiteral("Mínima");
    for (int i = 0; i < linhas; ++i)
        r.linhas.push_back({QString::number(1900 + i), QStringLiteral("01/09/%1").arg(1900 + i),
                            QStringLiteral("%1,25").arg(i)});
    for (int i = 0; i < notas; ++i)
        r.notas.push_back(QStringLiteral("Nota %1").arg(i + 1));
    r.impressoEm = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
    return r;
}

TEST(Relatorio, TirarGradePreparaColunasComMoldura) {
    Relatorio r = relatorioDe(5);
    TirarGrade(r, 6);
    EXPECT_EQ(r.colunas.size(), 6u);
    EXPECT_TRUE(r.linhas.empty());
    EXPECT_EQ(r.colunasComMoldura, 6);
    EXPECT_TRUE(r.colunas[0].titulo.isEmpty());
}

// An A4 portrait page (841,89 points high) less two margins of 42, the title (30), two header
// lines (13 each), one line of headings (16) and the footer (30) leaves 655,89 points: 52 rows of
// 12,5. Two notes of one line take 4 + 2 × 13 = 30 more.
TEST(Relatorio, PaginasContadasAMao) {
    struct Caso {
        int linhas, notas;
        std::vector<std::pair<int, int>> paginas; // rows [a, b) of each page
        bool notasNumaPaginaSo;
    };
    const Caso casos[] = {
        {0, 0, {{0, 0}}, false},
        {1, 0, {{0, 1}}, false},
        {52, 0, {{0, 52}}, false},
        {53, 0, {{0, 52}, {52, 53}}, false},
        {200, 0, {{0, 52}, {52, 104}, {104, 156}, {156, 200}}, false},
        {51,
         2,
         {{0, 51}, {51, 51}},
         true},                    // 637,5 + 30 > 655,89: the notes go to a page of their own
        {50, 2, {{0, 50}}, false}, // 625 + 30 fits
    };
    for (const Caso& c : casos) {
        const auto paginas = paginar(relatorioDe(c.linhas, c.notas));
        std::vector<std::pair<int, int>> faixas;
        for (const Pagina& p : paginas)
            faixas.push_back({p.primeiraLinha, p.fimLinhas});
        EXPECT_EQ(faixas, c.paginas) << c.linhas << " linhas, " << c.notas << " notas";
        EXPECT_EQ(paginas.back().notas, c.notas > 0) << c.linhas;
        EXPECT_EQ(paginas.back().numero, static_cast<int>(paginas.size()));
        if (c.notasNumaPaginaSo) {
            EXPECT_EQ(paginas.back().primeiraLinha, paginas.back().fimLinhas);
        }
    }
}

TEST(Relatorio, OValorMaisLargoDecideALarguraDaColuna) {
    Relatorio r = relatorioDe(3);
    r.linhas[1][2] = QStringLiteral("123456789,1234567"); // far wider than "Mínima" or "0,25"
    const Diagramacao d = diagramar(r);
    ASSERT_EQ(d.larguras.size(), 3u);
    EXPECT_FALSE(d.paisagem);
    // The columns fill the width between the margins (595,28 - 2 × 42).
    EXPECT_NEAR(d.larguras[0] + d.larguras[1] + d.larguras[2], 511.28, 1e-9);
    EXPECT_GT(d.larguras[2], d.larguras[0]);
    EXPECT_GE(d.larguras[2], larguraTexto(r.linhas[1][2], d.corpo) + 4);
    for (const QStringList& t : d.titulos)
        EXPECT_EQ(t.size(), 1);
}

TEST(Relatorio, TabelaLargaDemaisParaORetratoViraPaisagemComTitulosEmDuasLinhas) {
    Relatorio r;
    r.titulo = QStringLiteral("Análise Estatística - Eventos mínimos");
    r.cabecalho = {QStringLiteral("Técnico responsável: Maria"),
                   QStringLiteral("Estação: 12345678")};
    const char* titulos[] = {
        "Distribuição", "Nº eventos", "I. C. sup. (95%)*", "Evento (m³/s)**", "I. C. inf. (95%)*",
        "Erro padrão",  "Média",      "Variância",         "Assimetria",      "Alfa",
        "Beta",         "Gama"};
    for (const char* t : titulos)
        r.colunas.push_back({QString::fromUtf8(t)});
    r.colunasComMoldura = 12;
    for (int i = 0; i < 5; ++i)
        r.linhas.push_back(
            {QStringLiteral("Logpearson 3"), QStringLiteral("30"), QStringLiteral("2121,63"),
             QStringLiteral("1823,16"), QStringLiteral("1524,69"), QStringLiteral("152,29"),
             QStringLiteral("1823,16"), QStringLiteral("215432,11"), QStringLiteral("-0,02371"),
             QStringLiteral("12,34567"), QStringLiteral("0,01234"), QStringLiteral("1234,56789")});
    const Diagramacao d = diagramar(r);
    EXPECT_TRUE(d.paisagem);
    EXPECT_DOUBLE_EQ(d.largura, 841.89);
    EXPECT_DOUBLE_EQ(d.altura, 595.28);
    EXPECT_EQ(d.corpo, 8); // it fits landscape without a smaller text
    EXPECT_EQ(d.titulos[2], (QStringList{QStringLiteral("I. C. sup."), QStringLiteral("(95%)*")}));
    EXPECT_GT(d.alturaTitulos, 16);
}

TEST(Relatorio, PdfMostraTitulosEValoresInteiros) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) não está instalado";
    Relatorio r;
    r.titulo = QStringLiteral("RELATÓRIO ESTACIONARIEDADE");
    r.colunas = {{QStringLiteral("Período"), Qt::AlignLeft | Qt::AlignVCenter},
                 {QStringLiteral("H0 (Variância)")},
                 {QStringLiteral("H0 (Média)")},
                 {QStringLiteral("S² (Série A)")},
                 {QStringLiteral("S² (Série B)")},
                 {QStringLiteral("Xm (Série A)")},
                 {QStringLiteral("Xm (Série B)")}};
    r.colunasComMoldura = 7;
    r.linhas.push_back({QStringLiteral("De 1931 a 1935 com 1936 a 2023"), QStringLiteral("Aceita"),
                        QStringLiteral("Rejeita"), QStringLiteral("2121234,5678"),
                        QStringLiteral("1234,5678"), QStringLiteral("23163,1234"),
                        QStringLiteral("987,6543")});
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("r.pdf"));
    gravarPdf(arquivo, r);
    QProcess proc;
    proc.start(pdftotext, {QStringLiteral("-raw"), arquivo, QStringLiteral("-")});
    ASSERT_TRUE(proc.waitForFinished(30000));
    const QString texto = QString::fromUtf8(proc.readAllStandardOutput()).simplified();
    for (const QString& t : {QStringLiteral("H0 (Variância)"), QStringLiteral("Xm (Série A)"),
                             QStringLiteral("De 1931 a 1935 com 1936 a 2023"),
                             QStringLiteral("2121234,5678"), QStringLiteral("23163,1234")})
        EXPECT_TRUE(texto.contains(t)) << t.toStdString() << " em: " << texto.toStdString();
    EXPECT_FALSE(texto.contains(QStringLiteral("…")));
}

TEST(Relatorio, TextosDoRodape) {
    EXPECT_EQ(textoPagina(1, 1), QStringLiteral("Página: 1"));
    EXPECT_EQ(textoPagina(2, 5), QStringLiteral("Página: 2 de 5"));
    EXPECT_EQ(textoContinua(1, 1), QString());
    EXPECT_EQ(textoContinua(4, 5), QStringLiteral("Continua..."));
    EXPECT_EQ(textoContinua(5, 5), QString());
    EXPECT_EQ(textoImpressao(QDateTime(QDate(2026, 12, 10), QTime(9, 30))),
              QStringLiteral("Impresso em: 10/12/2026 09:30:00"));
}

TEST(Relatorio, PdfDeDuzentasLinhasMostraContinuaEOTotalDePaginas) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) não está instalado";
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("r.pdf"));
    const Relatorio r = relatorioDe(200, 2);
    gravarPdf(arquivo, r);
    const int total = static_cast<int>(paginar(r).size());
    ASSERT_GT(total, 2);

    for (int p = 1; p <= total; ++p) {
        QProcess proc;
        proc.start(pdftotext,
                   {QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                    QString::number(p), QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
        ASSERT_TRUE(proc.waitForFinished(30000));
        const QString texto = QString::fromUtf8(proc.readAllStandardOutput());
        SCOPED_TRACE(p);
        EXPECT_TRUE(texto.contains(QStringLiteral("Página: %1 de %2").arg(p).arg(total)))
            << texto.toStdString();
        EXPECT_EQ(texto.contains(QStringLiteral("Continua...")), p < total);
        EXPECT_TRUE(texto.contains(QStringLiteral("Técnico responsável: Maria")));
        EXPECT_TRUE(texto.contains(QStringLiteral("Impresso em: 10/12/2026 09:30:00")));
        EXPECT_EQ(texto.contains(QStringLiteral("Nota 2")), p == total);
    }
}

} // namespace
