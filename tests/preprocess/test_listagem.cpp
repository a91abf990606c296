// The year listing: hydrological years named and summed by date, and the report counters.
#include "series.h"

#include "preprocess/listagem.h"

#include <gtest/gtest.h>

using namespace corvel;
using teste::serieComFalhas;

namespace {

TEST(ListagemAnual, InicioEmOutubroListaDezAnosInteirosDe1970A1980) {
    const SerieTabela s = serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1));
    const ListagemAnual l = listarAnos(s, 10);
    ASSERT_EQ(l.anos.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const LinhaAnual& a = l.anos[static_cast<std::size_t>(i)];
        const int ano = 1970 + i;
        SCOPED_TRACE(ano);
        EXPECT_EQ(a.ano, ano);
        EXPECT_EQ(a.anoh, QStringLiteral("%1/%2").arg(ano).arg(ano + 1));
        // October to September: 366 days when the February inside is a leap one.
        EXPECT_EQ(a.nreg, QDate(ano, 10, 1).daysTo(QDate(ano + 1, 10, 1)));
        EXPECT_EQ(a.nulos, 0);
        EXPECT_EQ(a.pNulos, QStringLiteral("00,0%"));
        EXPECT_EQ(a.descartar, 0);
    }
    EXPECT_EQ(l.anos.back().anoh, QStringLiteral("1979/1980"));
    // January to September 1970 and October to December 1980 are in no listed year.
    EXPECT_EQ(l.contadores.anosAnalisados, 10);
    EXPECT_EQ(l.contadores.mesesAnalisados, 120);
    EXPECT_TRUE(l.anosComErro.empty());
}

TEST(ListagemAnual, InicioEmJaneiroNomeiaOAnoSozinho) {
    const SerieTabela s = serieComFalhas(QDate(1970, 1, 1), QDate(1972, 12, 1));
    const ListagemAnual l = listarAnos(s, 1);
    ASSERT_EQ(l.anos.size(), 3u);
    EXPECT_EQ(l.anos[0].anoh, QStringLiteral("1970"));
    EXPECT_EQ(l.anos[2].anoh, QStringLiteral("1972"));
    EXPECT_EQ(l.anos[2].nreg, 366);
    EXPECT_EQ(l.contadores.mesesAnalisados, 36);
}

TEST(ListagemAnual, ContadoresDoRelatorioDeFalhas) {
    // 1990 complete; 1991 with 5 days missing in March, July without data and August
    // discarded; 1992 without any data, every month discarded.
    teste::Falhas f{{QDate(1991, 3, 1), 5}, {QDate(1991, 7, 1), 31}};
    for (int m = 1; m <= 12; ++m)
        f[QDate(1992, m, 1)] = 31;
    SerieTabela s = serieComFalhas(QDate(1990, 1, 1), QDate(1992, 12, 1), f);
    s[s.localizar(QDate(1991, 8, 1))].vazao01Status = kDescartado;
    for (int m = 1; m <= 12; ++m)
        s[s.localizar(QDate(1992, m, 1))].vazao01Status = kDescartado;

    const ListagemAnual l = listarAnos(s, 1);
    ASSERT_EQ(l.anos.size(), 3u);
    struct Linha {
        const char* anoh;
        int nreg, nulos;
        const char* pNulos;
        qint16 descartar;
    };
    const Linha esperadas[] = {
        {"1990", 365, 0, "00,0%", 0},
        {"1991", 329, 36, "09,9%", 0}, // 36 / 365 = 9,863 %
        {"1992", 0, 366, "100,0%", -1},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(esperadas[i].anoh);
        EXPECT_EQ(l.anos[i].anoh, QString::fromLatin1(esperadas[i].anoh));
        EXPECT_EQ(l.anos[i].nreg, esperadas[i].nreg);
        EXPECT_EQ(l.anos[i].nulos, esperadas[i].nulos);
        EXPECT_EQ(l.anos[i].pNulos, QString::fromLatin1(esperadas[i].pNulos));
        EXPECT_EQ(l.anos[i].descartar, esperadas[i].descartar);
    }
    EXPECT_DOUBLE_EQ(l.anos[1].porcentagemAnualNulos, 3600.0 / 365);

    const ContadoresFalhas& c = l.contadores;
    EXPECT_EQ(c.anosAnalisados, 3);
    EXPECT_EQ(c.anosCompletos, 1);
    EXPECT_EQ(c.anosComFalhas, 2); // includes the year without data
    EXPECT_EQ(c.anosSemDados, 1);
    EXPECT_EQ(c.anosDescartados, 1);
    EXPECT_EQ(c.mesesAnalisados, 36);
    EXPECT_EQ(c.mesesComFalhas, 14);
    EXPECT_EQ(c.mesesSemDados, 13);
    EXPECT_EQ(c.mesesDescartados, 13);
}

TEST(ListagemAnual, PercentualAnualComUmaCasaEZeroAEsquerda) {
    // 19 days of 365: 5,205 %; 20 days of 366: 5,464 %.
    const SerieTabela s = serieComFalhas(QDate(1991, 1, 1), QDate(1992, 12, 1),
                                         {{QDate(1991, 5, 1), 19}, {QDate(1992, 2, 1), 20}});
    const ListagemAnual l = listarAnos(s, 1);
    ASSERT_EQ(l.anos.size(), 2u);
    EXPECT_EQ(l.anos[0].pNulos, QStringLiteral("05,2%"));
    EXPECT_EQ(l.anos[1].pNulos, QStringLiteral("05,5%"));
}

TEST(ListagemAnual, AnoSemNenhumMesNaTabelaEhUmErroDeListagem) {
    SerieTabela s = serieComFalhas(QDate(1970, 1, 1), QDate(1970, 12, 1));
    for (QDate m(1972, 1, 1); m.year() == 1972; m = m.addMonths(1)) {
        RegistroMensal r = s[0];
        r.data = m;
        s.acrescentarProgramatico(r);
    }
    const ListagemAnual l = listarAnos(s, 1);
    EXPECT_EQ(l.anosComErro, std::vector<int>{1971});
    ASSERT_EQ(l.anos.size(), 2u);
    EXPECT_EQ(l.anos[1].ano, 1972);
    EXPECT_EQ(l.contadores.anosAnalisados, 3);
    EXPECT_EQ(l.contadores.anosCompletos, 2);
}

TEST(ListagemAnual, SerieDeUmSoAnoCivilNaoTemAnoHidrologicoInteiroFevereiroEmDiante) {
    const SerieTabela s = serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1));
    EXPECT_EQ(listarAnos(s, 1).anos.size(), 1u);
    const ListagemAnual l = listarAnos(s, 2);
    EXPECT_TRUE(l.anos.empty());
    EXPECT_EQ(l.contadores.anosAnalisados, 0);
    EXPECT_TRUE(listarAnos(SerieTabela{}, 1).anos.empty());
}

} // namespace
