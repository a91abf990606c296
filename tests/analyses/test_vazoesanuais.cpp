// Annual minima of d-day moving means and annual maxima: windows, missing days, hydrological
// years, and the two cases a fixed starting minimum or a calendar-year scan would get wrong.
#include "core/construtor.h"

#include "analyses/filacircular.h"
#include "analyses/vazoesanuais.h"

#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::serieMensal;

namespace {

// Daily flows of a whole series from a function of the date; empty = missing day.
const auto diaria = teste::serieDiaria;

bool entre(QDate d, QDate a, QDate b) {
    return d >= a && d <= b;
}

TEST(FilaCircular, JanelaDeslizanteGuardaOsUltimosNDias) {
    TFilaCircular f(3);
    EXPECT_TRUE(f.vazia());
    f.inserir(1, QDate(2000, 1, 1));
    f.inserir(2, QDate(2000, 1, 2));
    EXPECT_FALSE(f.cheia());
    f.inserir(3, QDate(2000, 1, 3));
    EXPECT_TRUE(f.cheia());
    EXPECT_DOUBLE_EQ(f.media(), 2.0);
    EXPECT_EQ(f.dataInicial(), QDate(2000, 1, 1));
    f.inserir(7, QDate(2000, 1, 4));
    EXPECT_DOUBLE_EQ(f.media(), 4.0);
    EXPECT_EQ(f.dataInicial(), QDate(2000, 1, 2));
    f.reiniciar();
    EXPECT_TRUE(f.vazia());
    EXPECT_FALSE(f.cheia());
    // Flows near the largest double: their sum overflows, their mean does not.
    TFilaCircular grande(2);
    grande.inserir(1.6e308, QDate(2000, 1, 1));
    grande.inserir(1.7e308, QDate(2000, 1, 2));
    EXPECT_DOUBLE_EQ(grande.media(), 1.65e308);
}

TEST(MinimaAnual, JanelasDeSeteDias) {
    struct Caso {
        const char* descricao;
        std::function<std::optional<double>(QDate)> vazao;
        int duracao;
        const char* minima;
        const char* inicio;
    };
    const QDate a10(1990, 8, 10), a16(1990, 8, 16);
    const Caso casos[] = {
        {"plana com 3,0 de 10 a 16 de agosto",
         [&](QDate d) -> std::optional<double> { return entre(d, a10, a16) ? 3.0 : 5.0; }, 7,
         "3,00", "10/08/1990"},
        {"duas semanas iguais: a mais cedo",
         [&](QDate d) -> std::optional<double> {
             return entre(d, a10, a16) || entre(d, QDate(1990, 9, 20), QDate(1990, 9, 26)) ? 3.0
                                                                                           : 5.0;
         },
         7, "3,00", "10/08/1990"},
        {"falha em 13 de agosto quebra a janela",
         [&](QDate d) -> std::optional<double> {
             if (d == QDate(1990, 8, 13)) return std::nullopt;
             return entre(d, a10, QDate(1990, 8, 20)) ? 3.0 : 5.0;
         },
         7, "3,00", "14/08/1990"},
        {"duração de um dia",
         [&](QDate d) -> std::optional<double> { return d == QDate(1990, 3, 7) ? 0.5 : 5.0; }, 1,
         "0,500", "07/03/1990"}, // three significant digits below 1 m³/s
        {"vazão zero é um valor",
         [&](QDate d) -> std::optional<double> { return entre(d, a10, a16) ? 0.0 : 5.0; }, 7,
         "0,00", "10/08/1990"},
        {"rio grande, acima de 10 000 m³/s",
         [&](QDate d) -> std::optional<double> { return entre(d, a10, a16) ? 11000.0 : 25000.0; },
         7, "11000,00", "10/08/1990"},
        {"sem sete dias seguidos (falha a cada quatro dias)",
         [&](QDate d) -> std::optional<double> {
             return d.day() % 4 == 0 ? std::nullopt : std::optional(5.0);
         },
         7, " - ", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const auto linhas = CalculaMinimaAnual(
            diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), c.vazao), 1, c.duracao);
        ASSERT_EQ(linhas.size(), 1u);
        EXPECT_EQ(linhas[0].textoAno(), QStringLiteral("1990/1991"));
        EXPECT_EQ(linhas[0].textoMinima(), QString::fromUtf8(c.minima));
        EXPECT_EQ(linhas[0].textoInicio(), QString::fromLatin1(c.inicio));
    }
    const auto furada = CalculaMinimaAnual(
        diaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
               [](QDate d) { return d.day() % 4 == 0 ? std::nullopt : std::optional(5.0); }),
        1, 7);
    EXPECT_EQ(furada[0].diasValidos, 365 - 12 * 7); // days 4, 8, ..., 28 missing in every month
}

TEST(MinimaAnual, MesDescartadoNaoQuebraAJanela) {
    // 28 days: the last 14 of February and the first 14 of April join across an absent March.
    SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate d) -> std::optional<double> {
            return entre(d, QDate(1990, 2, 15), QDate(1990, 4, 14)) ? 1.0 : 10.0;
        });
    s.remover(s.localizar(QDate(1990, 3, 1)));
    const auto linhas = CalculaMinimaAnual(s, 1, 28);
    EXPECT_EQ(linhas[0].textoMinima(), QStringLiteral("1,00"));
    EXPECT_EQ(linhas[0].textoInicio(), QStringLiteral("15/02/1990"));
}

TEST(MinimaAnual, AnoHidrologicoDeOutubro) {
    // Considered months from February 1971 to September 1980, start in October.
    const SerieTabela s = diaria(QDate(1971, 2, 1), QDate(1980, 9, 1), [](QDate) { return 5.0; });
    const auto linhas = CalculaMinimaAnual(s, 10, 7);
    ASSERT_EQ(linhas.size(), 10u);
    EXPECT_EQ(linhas.front().textoAno(), QStringLiteral("1971/1972"));
    EXPECT_EQ(linhas.front().textoInicio(), QStringLiteral("01/10/1971"));
    EXPECT_EQ(linhas.front().diasValidos, 366); // October 1971 to September 1972
    EXPECT_EQ(linhas.back().textoAno(), QStringLiteral("1980/1981"));
    EXPECT_EQ(linhas.back().textoMinima(), QStringLiteral("-"));
    EXPECT_EQ(linhas.back().textoDias(), QStringLiteral("0"));
}

TEST(MaximaAnual, AnoHidrologicoDeOutubroVeTodosOsDias) {
    // 1991/1992 runs from 1 October 1991 to 30 September 1992: 366 days. Its largest flow falls
    // on the last of them, past the 365 days of calendar year 1991.
    const SerieTabela s =
        diaria(QDate(1991, 1, 1), QDate(1993, 12, 1), [](QDate d) -> std::optional<double> {
            if (d == QDate(1992, 9, 30)) return 900.0;
            if (d == QDate(1992, 1, 20) || d == QDate(1992, 5, 2))
                return 400.0; // a tie below the maximum
            return 50.0;
        });
    const auto linhas = CalculaMaximaAnual(s, 10, 1991, 1992);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].textoAno(), QStringLiteral("1991/1992"));
    EXPECT_EQ(linhas[0].textoMaxima(), QStringLiteral("900,00"));
    EXPECT_EQ(linhas[0].textoData(), QStringLiteral("30/09/1992"));
    EXPECT_EQ(linhas[0].diasValidos, 366);
    EXPECT_EQ(linhas[1].textoMaxima(), QStringLiteral("50,00"));
    EXPECT_EQ(linhas[1].textoData(), QStringLiteral("01/10/1992")); // a tie: the earliest day

    const auto semNovecentos = CalculaMaximaAnual(
        diaria(QDate(1991, 1, 1), QDate(1992, 12, 1),
               [](QDate d) {
                   return d == QDate(1992, 1, 20) || d == QDate(1992, 5, 2) ? 400.0 : 50.0;
               }),
        10, 1991, 1991);
    EXPECT_EQ(semNovecentos[0].textoData(), QStringLiteral("20/01/1992"));
}

TEST(MaximaAnual, AnoCivilEAnoSemMeses) {
    SerieTabela s =
        diaria(QDate(1987, 1, 1), QDate(1989, 12, 1), [](QDate d) { return d.dayOfYear() * 1.0; });
    for (int m = 1; m <= 12; ++m)
        s.remover(s.localizar(QDate(1988, m, 1)));
    const auto linhas = CalculaMaximaAnual(s, 1, 1987, 1989);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0].textoAno(), QStringLiteral("1987"));
    EXPECT_EQ(linhas[0].textoData(), QStringLiteral("31/12/1987"));
    EXPECT_EQ(linhas[0].textoMaxima(), QStringLiteral("365,00"));
    EXPECT_EQ(linhas[1].textoDias(), QStringLiteral("0"));
    EXPECT_TRUE(linhas[1].textoData().isEmpty());
    EXPECT_TRUE(linhas[1].textoMaxima().isEmpty());
}

} // namespace
