// The series as table rows: the one conversion every grid, export and report goes through.
#include "construtor.h"

#include "core/tabelaserie.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

TEST(TabelaDaSerie, DiasAlemDoFimDoMesFicamVaziosEColunasOpcionais) {
    SerieTabela s = teste::serieMensal(QDate(1991, 2, 1), QDate(1991, 3, 1));
    s[0].vazao[28] = 9.5; // a stray 29 February of a common year
    s[0].vazao[3].reset();
    const TabelaExibida simples = tabelaDaSerie(s);
    ASSERT_EQ(simples.colunas.size(), 32u);
    EXPECT_EQ(simples.colunas[1].rotulo, QStringLiteral("Dia 01"));
    EXPECT_EQ(simples.linhas[0][0], Valor(QStringLiteral("Fevereiro/1991")));
    EXPECT_EQ(simples.linhas[0][1], Valor(91.0201));
    EXPECT_EQ(simples.linhas[0][4], Valor());  // a missing day
    EXPECT_EQ(simples.linhas[0][29], Valor()); // never read past the month's end
    EXPECT_EQ(simples.linhas[1][31], Valor(91.0331));

    const TabelaExibida completa = tabelaDaSerie(s, {QStringLiteral("Falhas"), false, true, false});
    ASSERT_EQ(completa.colunas.size(), 34u);
    EXPECT_EQ(completa.colunas[2].rotulo, QStringLiteral("Dia 1"));
    EXPECT_EQ(completa.colunas[33].rotulo, QStringLiteral("Situação"));
    EXPECT_EQ(completa.linhas[0][1], Valor(3.0)); // 1 of 28 days missing: 3 %
    EXPECT_EQ(completa.linhas[0][33], Valor(QStringLiteral("Com falhas")));
}

} // namespace
