// corvel-cli estacionariedade on series files: the continuous and the two-sample test, levels,
// and the refusals.
#include "execucao.h"
#include "impressao_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

Saida estacionariedade(const QStringList& argumentos) {
    return teste::subcomando("estacionariedade", argumentos);
}

QString serie(QTemporaryDir& pasta, const QByteArray& conteudo) {
    const QString arquivo = pasta.filePath(QStringLiteral("serie.csv"));
    QFile f(arquivo);
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
    return arquivo;
}

TEST(CorvelCliEstacionariedade, ContinuoEPersonalizado) {
    QTemporaryDir pasta;
    // The window's data export (Windows-1252 header, hydrological-year labels) and plain dated
    // lines.
    QByteArray exportado = "Data;Vaz\xe3o (m\xb3/s);\r\n";
    QByteArray datado;
    for (int i = 0; i < 12; ++i) {
        const QByteArray v = QByteArray::number(100 + (i * 7) % 5) + ",5";
        exportado +=
            QByteArray::number(1990 + i) + '/' + QByteArray::number(1991 + i) + ';' + v + ";\r\n";
        datado += "01/01/" + QByteArray::number(1990 + i) + ';' + v + "\n";
    }
    for (const QByteArray& conteudo : {exportado, datado}) {
        const Saida s = estacionariedade({serie(pasta, conteudo)});
        ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
        const QStringList linhas = s.saida.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(linhas.size(), 4);
        EXPECT_EQ(linhas[0], QStringLiteral("Período;H0 (Variância);H0 (Média);s² (Série A);s² "
                                            "(Série B);Xm (Série A);Xm (Série B);"));
        EXPECT_TRUE(
            linhas[1].startsWith(QStringLiteral("De 1990 a 1994 com 1995 a 2001;Aceita;Aceita;")));
    }
    const Saida p = estacionariedade({QStringLiteral("--nivel"), QStringLiteral("1"),
                                      QStringLiteral("--personalizada"), QStringLiteral("1990"),
                                      QStringLiteral("1995"), QStringLiteral("01/01/1996"),
                                      QStringLiteral("2001"), serie(pasta, datado)});
    ASSERT_EQ(p.codigo, 0) << p.erro.toStdString();
    EXPECT_EQ(p.saida.split(u'\n', Qt::SkipEmptyParts).size(), 2);
    EXPECT_TRUE(p.saida.contains(QStringLiteral("De 1990 a 1995 com 1996 a 2001;")));
}

TEST(CorvelCliEstacionariedade, RecusasNumaLinha) {
    QTemporaryDir pasta;
    QByteArray curto;
    for (int i = 0; i < 9; ++i)
        curto += "01/01/" + QByteArray::number(1990 + i) + ";1" + QByteArray::number(i) + "\n";
    const Saida s = estacionariedade({serie(pasta, curto)});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_EQ(
        s.erro,
        QStringLiteral(
            "corvel-cli estacionariedade: Período incorreto. Escolha um período de no mínimo 10 "
            "anos para dados anuais ou 10 meses para dados mensais.\n"));
    EXPECT_EQ(estacionariedade({serie(pasta, "ontem;5\n")}).codigo, 1);
    EXPECT_EQ(
        estacionariedade({QStringLiteral("--nivel"), QStringLiteral("10"), serie(pasta, curto)})
            .codigo,
        2);
    EXPECT_EQ(estacionariedade({}).codigo, 2);
}

// The 7-day minima of a river that dries up: the first split is tested, the second meets a tail
// of equal values.
TEST(CorvelCliEstacionariedade, VarianciaZeroNoMeioEscreveAsLinhasJaTestadas) {
    QTemporaryDir pasta;
    const int valores[] = {3, 9, 1, 7, 2, 8, 4, 4, 4, 4, 4, 4};
    QByteArray conteudo;
    for (int i = 0; i < 12; ++i)
        conteudo +=
            "01/01/" + QByteArray::number(1990 + i) + ';' + QByteArray::number(valores[i]) + "\n";
    const Saida s = estacionariedade({serie(pasta, conteudo)});
    EXPECT_EQ(s.codigo, 1);
    const QStringList linhas = s.saida.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(linhas.size(), 2) << s.saida.toStdString();
    // A = 3 9 1 7 2: mean 4,4, s² = (1,96 + 21,16 + 11,56 + 6,76 + 5,76) / 4 = 11,8.
    // B = 8 4 4 4 4 4 4: mean 32/7, s² = ((24/7)² + 6 (4/7)²) / 6 = (576 + 96) / 294 = 2,2857.
    EXPECT_TRUE(linhas[1].startsWith(QStringLiteral("De 1990 a 1994 com 1995 a 2001;")))
        << linhas[1].toStdString();
    EXPECT_TRUE(linhas[1].endsWith(QStringLiteral(";11,8000;2,2857;4,4000;4,5714;")))
        << linhas[1].toStdString();
    EXPECT_EQ(s.erro,
              QStringLiteral(
                  "corvel-cli estacionariedade: Ocorreu um erro. Variância da série igual a 0.\n"));
}

} // namespace
