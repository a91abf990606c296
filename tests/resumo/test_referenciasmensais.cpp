// Monthly and seasonal reference flows: each month's Q95 and Q90 are the 5 % and 10 % quantiles of
// that month's valid days, the month's Q7,10 is fitted to the minima of windows within the month,
// and seasons gather their months across December.
#include "resumo/referenciasmensais.h"

#include "core/construtor.h"
#include "core/formato.h"
#include "exchange/importacaodiaria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace corvel;

namespace {

// 1991 to 1994, days 1 to 25 of every month with a value (so each month has 100 valid days over
// the period), all values distinct; days 26 on are missing.
double valor(QDate d) {
    const auto h = static_cast<quint32>(d.toJulianDay() * 2654435761u) >> 12;
    return 1.0 + d.month() + (h % 100000) / 25000.0;
}

SerieTabela serie() {
    return teste::serieDiaria(QDate(1991, 1, 1), QDate(1994, 12, 1),
                              [](QDate d) -> std::optional<double> {
                                  if (d.day() > 25) return std::nullopt;
                                  return valor(d);
                              });
}

TEST(ReferenciasMensais, Q95EQ90SaoOsQuantisDosDiasDoMes) {
    const SerieTabela s = serie();
    const std::vector<ReferenciaMensal> r = referenciasMensais(s, 7, 10, VazoesNulas::Classica);
    ASSERT_EQ(r.size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        std::vector<double> dias;
        double soma = 0;
        for (int ano = 1991; ano <= 1994; ++ano)
            for (int d = 1; d <= 25; ++d) {
                dias.push_back(valor(QDate(ano, m, d)));
                soma += dias.back();
            }
        std::sort(dias.begin(), dias.end());
        const ReferenciaMensal& x = r[static_cast<std::size_t>(m - 1)];
        EXPECT_EQ(x.nome, nomeMes(m));
        EXPECT_EQ(x.diasValidos, 100);
        // 100 days: the i-th smallest is equalled or exceeded on (101 − i) % of them, so Q95 is the
        // 6th smallest and Q90 the 11th: 5 and 10 values lie below them.
        EXPECT_EQ(x.q95, dias[5]);
        EXPECT_EQ(x.q90, dias[10]);
        EXPECT_NEAR(*x.media, soma / 100, 1e-12);
        EXPECT_EQ(x.anos, 4);
        EXPECT_FALSE(x.qMinima); // four minima: too few for a fit
    }
}

// Thirty years: the month's 7-day minima are those of windows inside the month, found here by
// brute force; the month's Q7,10 is the best fit to them, as the annual analysis gives it.
TEST(ReferenciasMensais, Q710DoMesAjustadoAsMinimasDoMes) {
    const auto vazao = [](QDate d) -> std::optional<double> {
        if (d.month() == 8 && d.day() == 20) return std::nullopt; // breaks August's windows
        return valor(d) + (d.year() % 7);
    };
    const SerieTabela s = teste::serieDiaria(QDate(1971, 1, 1), QDate(2000, 12, 1), vazao);
    const std::vector<ReferenciaMensal> r = referenciasMensais(s, 7, 10, VazoesNulas::Classica);
    for (int m : {3, 8}) {
        std::vector<EventoDistribuicao> eventos;
        for (int ano = 1971; ano <= 2000; ++ano) {
            std::optional<double> minima;
            const QDate primeiro(ano, m, 1);
            for (int d = 0; d + 7 <= primeiro.daysInMonth(); ++d) {
                double soma = 0;
                bool completa = true;
                for (int k = 0; k < 7; ++k) {
                    const auto v = vazao(primeiro.addDays(d + k));
                    completa = completa && v.has_value();
                    soma += v.value_or(0);
                }
                if (completa && (!minima || soma / 7 < *minima)) minima = soma / 7;
            }
            eventos.push_back({QString::number(ano), minima});
        }
        const AnaliseDistribuicoes a = calcularDistribuicoes(eventos, false, 10);
        const auto melhor = std::find_if(a.linhas.begin(), a.linhas.end(),
                                         [&](const LinhaDistribuicao& l) { return l.id == a.melhorLinha; });
        ASSERT_NE(melhor, a.linhas.end());
        const ReferenciaMensal& x = r[static_cast<std::size_t>(m - 1)];
        EXPECT_EQ(x.anos, 30);
        EXPECT_EQ(x.distribuicao, melhor->NomeDistribuicao) << m;
        ASSERT_TRUE(x.qMinima);
        EXPECT_NEAR(*x.qMinima, melhor->ValorEvento, 1e-9 * melhor->ValorEvento) << m;
    }
}

TEST(ReferenciasMensais, EstacoesDoAno) {
    const auto seca = lerEstacaoDoAno(u"6-9");
    ASSERT_TRUE(seca);
    EXPECT_EQ(seca->nome, QStringLiteral("Junho a Setembro"));
    EXPECT_EQ(seca->meses, (std::vector<int>{6, 7, 8, 9}));
    const auto chuvosa = lerEstacaoDoAno(u"10-3");
    ASSERT_TRUE(chuvosa);
    EXPECT_EQ(chuvosa->meses, (std::vector<int>{10, 11, 12, 1, 2, 3}));
    for (const char* ruim : {"6", "0-3", "6-13", "a-b", "6-9-10"})
        EXPECT_FALSE(lerEstacaoDoAno(QString::fromLatin1(ruim))) << ruim;

    // A season's days are its months' days; its minima cross from December into January.
    const SerieTabela s = serie();
    const auto r = referenciasMensais(s, 7, 10, VazoesNulas::Classica, {*seca, *chuvosa});
    ASSERT_EQ(r.size(), 14u);
    EXPECT_EQ(r[12].nome, QStringLiteral("Junho a Setembro"));
    EXPECT_EQ(r[12].diasValidos, 400);
    EXPECT_EQ(r[13].diasValidos, 600);
    EXPECT_EQ(r[12].anos, 4);
    EXPECT_EQ(r[13].anos, 5); // October 1990 to March 1991 starts the first, with its three months

    EXPECT_EQ(textoReferenciasMensais(r, 7, 10).section(u'\n', 0, 0),
              QStringLiteral("Mês;Q95 (m³/s);Q90 (m³/s);Q7,10 (m³/s);Vazão média (m³/s)"));
    EXPECT_TRUE(textoReferenciasMensais(r, 7, 10).section(u'\n', 1, 1).startsWith(
        QStringLiteral("Janeiro;") + formatarCompleto(*r[0].q95) + u';'));
}

// The WMO low-flow manual's worked example (Ngaruroro at Kuripapango, 1963-2001): the seasonality
// ratio, Q95 of June to September over Q95 of October to May, is published as 2,0614.
TEST(ReferenciasMensais, RazaoDeSazonalidadeDoManualDaOMM) {
    const ResultadoImportacao r =
        importarSerieDiaria(QStringLiteral(CORVEL_FIXTURES_DIR "/estiagem/ngaruroro.csv"), 29201);
    const auto verao = lerEstacaoDoAno(u"6-9"), resto = lerEstacaoDoAno(u"10-5");
    const std::vector<ReferenciaMensal> m =
        referenciasMensais(r.serie, 7, 10, VazoesNulas::ProbabilidadeCondicional, {*verao, *resto});
    ASSERT_EQ(m.size(), 14u);
    ASSERT_TRUE(m[12].q95 && m[13].q95);
    EXPECT_NEAR(*m[12].q95 / *m[13].q95, 2.0614, 5e-4);
}

} // namespace
