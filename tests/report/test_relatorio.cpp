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
    r.cabecalho = {QStringLiteral("Técnico responsável: Maria"), QStringLiteral("Cód. da Estação: 12345678")};
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

TEST(Relatorio, PaginacaoCobreTodasAsLinhasUmaVez) {
    const Medidas m;
    const int porPagina = static_cast<int>((m.altura - 2 * m.margem - m.titulo - 2 * m.linhaCabecalho -
                                            m.tituloColunas - m.rodape) / m.linha);
    struct Caso {
        int linhas, notas, paginas;
        bool notasNaUltima;
    };
    const Caso casos[] = {
        {0, 0, 1, false},
        {1, 0, 1, false},
        {porPagina, 0, 1, false},
        {porPagina + 1, 0, 2, false},
        {200, 0, (200 + porPagina - 1) / porPagina, false},
        {porPagina, 3, 2, true},      // a full page: the notes go to a page of their own
        {porPagina - 5, 3, 1, true},
    };
    for (const Caso& c : casos) {
        const auto paginas = paginar(relatorioDe(c.linhas, c.notas), m);
        EXPECT_EQ(static_cast<int>(paginas.size()), c.paginas) << c.linhas << " linhas";
        int proxima = 0;
        for (std::size_t i = 0; i < paginas.size(); ++i) {
            EXPECT_EQ(paginas[i].numero, static_cast<int>(i) + 1);
            EXPECT_EQ(paginas[i].primeiraLinha, proxima);
            EXPECT_LE(paginas[i].fimLinhas - paginas[i].primeiraLinha, porPagina);
            proxima = paginas[i].fimLinhas;
        }
        EXPECT_EQ(proxima, c.linhas);
        EXPECT_EQ(paginas.back().notas, c.notas > 0);
    }
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
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) não está instalado";
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("r.pdf"));
    const Relatorio r = relatorioDe(200, 2);
    gravarPdf(arquivo, r);
    const int total = static_cast<int>(paginar(r).size());
    ASSERT_GT(total, 2);

    for (int p = 1; p <= total; ++p) {
        QProcess proc;
        proc.start(pdftotext, {QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"), QString::number(p),
                               QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
        ASSERT_TRUE(proc.waitForFinished(30000));
        const QString texto = QString::fromUtf8(proc.readAllStandardOutput());
        SCOPED_TRACE(p);
        EXPECT_TRUE(texto.contains(QStringLiteral("Página: %1 de %2").arg(p).arg(total))) << texto.toStdString();
        EXPECT_EQ(texto.contains(QStringLiteral("Continua...")), p < total);
        EXPECT_TRUE(texto.contains(QStringLiteral("Técnico responsável: Maria")));
        EXPECT_TRUE(texto.contains(QStringLiteral("Impresso em: 10/12/2026 09:30:00")));
        EXPECT_EQ(texto.contains(QStringLiteral("Nota 2")), p == total);
    }
}

} // namespace
