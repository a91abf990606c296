// corvel-cli tendencia on series files with zeros and ties, levels and the serial correction; and
// corvel-cli distribuicoes --nulas on minima with zeros.
#include "execucao.h"
#include "impressao_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

QString gravar(QTemporaryDir& pasta, const char* nome, const QByteArray& conteudo) {
    const QString arquivo = pasta.filePath(QString::fromLatin1(nome));
    QFile f(arquivo);
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
    return arquivo;
}

// A drying river: 20 years, 1,0 falling by 0,1 a year down to zero, then zeros.
QByteArray seca() {
    QByteArray r;
    for (int i = 0; i < 20; ++i) {
        const int decimos = std::max(0, 10 - i);
        r += "01/01/" + QByteArray::number(1990 + i) + ';' + QByteArray::number(decimos / 10) +
             ',' + QByteArray::number(decimos % 10) + "\n";
    }
    return r;
}

QString valor(const QStringList& linhas, const QString& grandeza) {
    for (const QString& l : linhas)
        if (l.startsWith(grandeza + u';')) return l.section(u';', 1, 1);
    return QStringLiteral("?");
}

TEST(CorvelCliTendencia, SerieQueSecaComEmpates) {
    QTemporaryDir pasta;
    const Saida s = teste::subcomando("tendencia", {gravar(pasta, "serie.csv", seca())});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas.value(0), QStringLiteral("Grandeza;Valor;"));
    // By hand: the first 10 values strictly fall and each is above every later one; the last
    // 10 are tied zeros. S = −(190 − 45) = −145 (the 45 pairs of zeros count 0).
    // Var S = [20·19·45 − 10·9·25]/18 = (17100 − 2250)/18 = 825.
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Número de valores")), QStringLiteral("20"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Valores nulos")), QStringLiteral("10"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Mann-Kendall: S")), QStringLiteral("-145"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Mann-Kendall: variância de S")),
              QStringLiteral("825,00"));
    // Z = −144/√825 = −5.0134.
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Mann-Kendall: Z")), QStringLiteral("-5,0134"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("H0 (Sem tendência)")), QStringLiteral("Rejeita"));
    // Pettitt: after the tenth value (1999) each of the ten positive values is above each of the
    // ten zeros, K = 100 (t = 9 gives 9·11 = 99, t = 11 gives 10·9 = 90);
    // p = 2 exp(−6·100²/(20³ + 20²)) = 0.0016.
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Pettitt: K")), QStringLiteral("100"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Pettitt: valor-p")), QStringLiteral("0,0016"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("H0 (Sem mudança)")), QStringLiteral("Rejeita"));
    EXPECT_EQ(valor(s.linhas, QStringLiteral("Pettitt: último valor antes da mudança")),
              QStringLiteral("01/01/1999"));
    EXPECT_FALSE(s.saida.contains(QStringLiteral("Hamed")));

    const Saida hr =
        teste::subcomando("tendencia", {QStringLiteral("--hamed-rao"), QStringLiteral("--nivel"),
                                        QStringLiteral("1"), gravar(pasta, "serie.csv", seca())});
    ASSERT_EQ(hr.codigo, 0) << hr.erro.toStdString();
    EXPECT_NE(
        valor(hr.linhas, QStringLiteral("Mann-Kendall: fator de correção serial (Hamed e Rao)")),
        QStringLiteral("?"));
    EXPECT_EQ(valor(hr.linhas, QStringLiteral("Nível de significância")), QStringLiteral("1%"));
    EXPECT_NE(valor(hr.linhas, QStringLiteral("Declividade de Sen: limite inferior (99%)")),
              QStringLiteral("?"));
}

TEST(CorvelCliTendencia, Recusas) {
    QTemporaryDir pasta;
    const Saida curta = teste::subcomando(
        "tendencia", {gravar(pasta, "curta.csv", "01/01/1990;1\n01/01/1991;2\n")});
    EXPECT_EQ(curta.codigo, 1);
    EXPECT_TRUE(curta.erro.contains(QStringLiteral(
        "Período incorreto. Escolha um período de no mínimo 10 anos para dados anuais ou 10 "
        "meses para dados mensais.")))
        << curta.erro.toStdString();
    EXPECT_EQ(teste::subcomando("tendencia", {QStringLiteral("--nivel"), QStringLiteral("10"),
                                              gravar(pasta, "s.csv", seca())})
                  .codigo,
              2);
    EXPECT_EQ(teste::subcomando("tendencia", {}).codigo, 2);
}

// 30 minima with 6 zeros: at T = 10 the minimum lies in the zero mass of p0 = 0,2.
TEST(CorvelCliDistribuicoesNulas, MinimasComZeros) {
    QTemporaryDir pasta;
    QByteArray eventos = "Ano;Q7\n";
    for (int i = 0; i < 30; ++i)
        eventos += QByteArray::number(1971 + i) + ';' +
                   (i % 5 == 2 ? QByteArray("0") : QByteArray::number(1 + (i * 7) % 11) + ",25") +
                   "\n";
    const QString arquivo = gravar(pasta, "minimas.csv", eventos);
    const Saida s = teste::subcomando(
        "distribuicoes", {QStringLiteral("--min"), QStringLiteral("--nulas"), arquivo});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.linhas.size(), 6);
    for (int i = 1; i < 6; ++i) // upper limit, event and lower limit
        for (int campo = 1; campo <= 3; ++campo)
            EXPECT_EQ(s.linhas[i].section(u';', campo, campo).trimmed(), QStringLiteral("0,00"))
                << s.linhas[i].toStdString();
    EXPECT_TRUE(s.erro.startsWith(
        QStringLiteral("1) Vazões nulas: 6 de 30 eventos são iguais a zero (p0 = 0,2). ")))
        << s.erro.toStdString();

    // The adjustment is the default for minima with zeros; --sem-nulas fits the zeros as values.
    const Saida padrao = teste::subcomando("distribuicoes", {QStringLiteral("--min"), arquivo});
    EXPECT_EQ(padrao.saida, s.saida);
    EXPECT_EQ(padrao.erro, s.erro);
    const Saida classica = teste::subcomando(
        "distribuicoes", {QStringLiteral("--min"), QStringLiteral("--sem-nulas"), arquivo});
    ASSERT_EQ(classica.codigo, 0);
    EXPECT_FALSE(classica.erro.contains(QStringLiteral("p0")));
    EXPECT_NE(classica.saida, s.saida);

    for (const QStringList& uso :
         {QStringList{QStringLiteral("--max"), QStringLiteral("--nulas"), arquivo},
          QStringList{QStringLiteral("--max"), QStringLiteral("--sem-nulas"), arquivo},
          QStringList{QStringLiteral("--min"), QStringLiteral("--nulas"), QStringLiteral("--sem-nulas"),
                      arquivo}})
        EXPECT_EQ(teste::subcomando("distribuicoes", uso).codigo, 2) << uso.join(u' ').toStdString();
}

} // namespace
