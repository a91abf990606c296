// The discard rules: which months each one discards, keeps or marks without data, the code it
// leaves in the first month, the year discard and restore, and the edge discard.
#include "series.h"

#include "core/erros.h"
#include "preprocess/regras.h"

#include <gtest/gtest.h>

using namespace corvel;
using teste::serieComFalhas;
using teste::situacaoDe;

namespace {

qint16 codigo(const SerieTabela& s) {
    return primeiroRegistro(s)->vazao03Status.value_or(-1);
}

TEST(LimiarMensal, MetadeVaiAoParENuncaMenosDeUmDia) {
    struct Caso {
        int p, dias, limiar;
    };
    const Caso casos[] = {
        {50, 28, 14}, {50, 29, 14}, // 14,5 → 14
        {50, 30, 15}, {50, 31, 16}, // 15,5 → 16
        {15, 30, 4},                // 4,5 → 4
        {5, 30, 2},                 // 1,5 → 2
        {10, 28, 3},  {10, 31, 3},  {99, 31, 31}, {2, 31, 1},
        {1, 28, 1},   {1, 31, 1}, // 0,28 and 0,31 would be 0: a complete month would be discarded
    };
    for (const Caso& c : casos)
        EXPECT_EQ(limiarMensal(c.p, c.dias), c.limiar) << c.p << "% de " << c.dias;
}

TEST(RegraPercentualMensal, CinquentaPorCentoEmMesesDe29E31Dias) {
    const SerieTabela base = serieComFalhas(QDate(1992, 1, 1), QDate(1993, 12, 1),
                                            {{QDate(1992, 2, 1), 14},
                                             {QDate(1992, 3, 1), 16},
                                             {QDate(1992, 5, 1), 15},
                                             {QDate(1993, 2, 1), 14}});
    SerieTabela s = base;
    s[s.localizar(QDate(1993, 6, 1))].vazao01Status = kDescartado; // a rule starts afresh
    descartarMesesPorPercentual(s, 50);
    const std::pair<QDate, qint16> esperados[] = {
        {QDate(1992, 2, 1), kDescartado},  // 14 of 29
        {QDate(1992, 3, 1), kDescartado},  // 16 of 31
        {QDate(1992, 5, 1), kConsiderado}, // 15 of 31
        {QDate(1993, 2, 1), kDescartado},  // 14 of 28
        {QDate(1993, 6, 1), kConsiderado},
    };
    for (const auto& [mes, situacao] : esperados)
        EXPECT_EQ(situacaoDe(s, mes), situacao) << mes.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(codigo(s), 750);

    s = serieComFalhas(QDate(1996, 1, 1), QDate(1996, 12, 1), {{QDate(1996, 2, 1), 13}});
    descartarMesesPorPercentual(s, 50);
    EXPECT_EQ(situacaoDe(s, QDate(1996, 2, 1)), kConsiderado); // 13 of 29
}

TEST(RegraPercentualMensal, UmPorCentoNaoDescartaMesCompleto) {
    SerieTabela s = serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                   {{QDate(1990, 2, 1), 1}, {QDate(1990, 7, 1), 1}});
    descartarMesesPorPercentual(s, 1);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(situacaoDe(s, QDate(1990, m, 1)), m == 2 || m == 7 ? kDescartado : kConsiderado)
            << m;
    EXPECT_EQ(codigo(s), 701);
}

TEST(RegraPercentual, ForaDe1a99EhRecusado) {
    SerieTabela s = serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1));
    for (int p : {0, 100, -5}) {
        EXPECT_THROW(descartarMesesPorPercentual(s, p), Erro) << p;
        EXPECT_THROW(descartarAnosPorPercentual(s, 1, p), Erro) << p;
    }
    EXPECT_EQ(codigo(s), 0);
}

TEST(RegraPercentualAnual, DezPorCentoCom36E37DiasFaltando) {
    // 1990: 36 of 365 days (9,86 %) with December discarded by hand; 1991: 37 (10,14 %).
    SerieTabela s = serieComFalhas(QDate(1990, 1, 1), QDate(1991, 12, 1),
                                   {{QDate(1990, 3, 1), 31},
                                    {QDate(1990, 4, 1), 5},
                                    {QDate(1991, 3, 1), 31},
                                    {QDate(1991, 4, 1), 6}});
    s[s.localizar(QDate(1990, 12, 1))].vazao01Status = kDescartado;
    descartarAnosPorPercentual(s, 1, 10);
    for (int m = 1; m <= 12; ++m) {
        // A restored month without any valid day goes back to "no data".
        EXPECT_EQ(situacaoDe(s, QDate(1990, m, 1)), m == 3 ? kSemDados : kConsiderado) << m;
        EXPECT_EQ(situacaoDe(s, QDate(1991, m, 1)), kDescartado) << m;
    }
    EXPECT_EQ(codigo(s), 810);
    const ListagemAnual l = listarAnos(s, 1);
    EXPECT_EQ(l.anos[0].descartar, 0);
    EXPECT_EQ(l.anos[1].descartar, -1);
}

TEST(RegraAnosComFalhas, UmDiaFaltandoDescartaEAnoCompletoEhRestaurado) {
    SerieTabela s = serieComFalhas(QDate(1991, 1, 1), QDate(1992, 12, 1), {{QDate(1992, 2, 1), 1}});
    s[s.localizar(QDate(1991, 4, 1))].vazao01Status = kDescartado;
    s[s.localizar(QDate(1991, 9, 1))].vazao01Status = kDescartado;
    descartarAnosComFalhas(s, 1);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(situacaoDe(s, QDate(1991, m, 1)), kConsiderado) << m;
        EXPECT_EQ(situacaoDe(s, QDate(1992, m, 1)), kDescartado) << m; // 1 of 366 days
    }
    EXPECT_EQ(codigo(s), 900);
}

// A month without any valid day after each rule, in a year where nothing else is missing; its
// complete neighbour shows whether the rule took the whole year.
TEST(Regras, MesSemDiaValidoDepoisDeCadaRegra) {
    struct Caso {
        const char* regra;
        std::function<void(SerieTabela&)> aplicar;
        qint16 vazio, completo;
    };
    const Caso casos[] = {
        {"Série original", [](SerieTabela& s) { serieOriginal(s, 1); }, kSemDados, kConsiderado},
        {"Descartar meses com falhas", [](SerieTabela& s) { descartarMesesComFalhas(s); },
         kDescartado, kConsiderado},
        {"mensal 50 %", [](SerieTabela& s) { descartarMesesPorPercentual(s, 50); }, kDescartado,
         kConsiderado},
        {"mensal 1 %", [](SerieTabela& s) { descartarMesesPorPercentual(s, 1); }, kDescartado,
         kConsiderado},
        {"Descartar anos com falhas", [](SerieTabela& s) { descartarAnosComFalhas(s, 1); },
         kDescartado, kDescartado},
        // 31 of 365 days: 8,5 %.
        {"anual 5 %", [](SerieTabela& s) { descartarAnosPorPercentual(s, 1, 5); }, kDescartado,
         kDescartado},
        // The year is kept, and its empty month is restored as a month without data.
        {"anual 10 %", [](SerieTabela& s) { descartarAnosPorPercentual(s, 1, 10); }, kSemDados,
         kConsiderado},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.regra);
        SerieTabela s =
            serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1), {{QDate(1990, 8, 1), 31}});
        c.aplicar(s);
        EXPECT_EQ(situacaoDe(s, QDate(1990, 8, 1)), c.vazio);
        EXPECT_EQ(situacaoDe(s, QDate(1990, 9, 1)), c.completo);
    }
}

TEST(SerieOriginal, RestauraGravaOInicioEmTodosOsMesesEDescartaAsBordas) {
    SerieTabela s =
        serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1), {{QDate(1975, 6, 1), 30}});
    s[s.localizar(QDate(1976, 3, 1))].vazao01Status = kDescartado;
    s[s.localizar(QDate(1975, 6, 1))].vazao01Status = kDescartado;
    serieOriginal(s, 10);
    int descartados = 0;
    for (qsizetype i = 0; i < s.tamanho(); ++i) {
        const RegistroMensal& r = s[i];
        SCOPED_TRACE(r.mes().toStdString());
        const bool borda = r.data < QDate(1970, 10, 1) || r.data >= QDate(1980, 10, 1);
        const qint16 esperado = borda                         ? kDescartado
                                : r.data == QDate(1975, 6, 1) ? kSemDados
                                                              : kConsiderado;
        EXPECT_EQ(r.vazao01Status, esperado);
        EXPECT_EQ(r.vazao02Status, 10);
        EXPECT_EQ(r.vazao03Status, i == 0 ? kRegraSerieOriginal : 0);
        descartados += r.vazao01Status == kDescartado;
    }
    EXPECT_EQ(descartados, 9 + 3);
}

TEST(DescarteBordas, SoComInicioDepoisDeJaneiro) {
    struct Caso {
        int inicio;
        int primeiros, ultimos; // months discarded at each end
    };
    for (const Caso c : {Caso{1, 0, 0}, Caso{2, 1, 11}, Caso{10, 9, 3}, Caso{12, 11, 1}}) {
        SCOPED_TRACE(c.inicio);
        SerieTabela s = serieComFalhas(QDate(1970, 1, 1), QDate(1973, 12, 1));
        descarteBordas(s, c.inicio);
        for (qsizetype i = 0; i < s.tamanho(); ++i) {
            const bool borda = i < c.primeiros || i >= s.tamanho() - c.ultimos;
            EXPECT_EQ(s[i].vazao01Status, borda ? kDescartado : kConsiderado)
                << s[i].mes().toStdString();
        }
    }
}

TEST(RegrasAnuais, NaoTocamNasBordasNemNosMesesForaDoAno) {
    SerieTabela s = serieComFalhas(QDate(1970, 1, 1), QDate(1972, 12, 1),
                                   {{QDate(1970, 2, 1), 3}, {QDate(1971, 1, 1), 2}});
    s[s.localizar(QDate(1970, 5, 1))].vazao01Status = kDescartado; // edge month, before October
    descartarAnosComFalhas(s, 10);
    // 1970/1971 has January 1971 with failures; 1971/1972 is complete.
    EXPECT_EQ(situacaoDe(s, QDate(1970, 2, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(s, QDate(1970, 5, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(s, QDate(1970, 9, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(s, QDate(1970, 10, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(s, QDate(1971, 9, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(s, QDate(1971, 10, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(s, QDate(1972, 12, 1)), kConsiderado);
}

TEST(AnoHidrologico, DescartarERestaurarUmAnoDeOutubroASetembro) {
    SerieTabela s =
        serieComFalhas(QDate(1975, 1, 1), QDate(1977, 12, 1), {{QDate(1976, 2, 1), 29}});
    descartarAno(s, 1975, 10);
    for (qsizetype i = 0; i < s.tamanho(); ++i) {
        const bool noAno = s[i].data >= QDate(1975, 10, 1) && s[i].data < QDate(1976, 10, 1);
        EXPECT_EQ(s[i].vazao01Status, noAno ? kDescartado : kConsiderado)
            << s[i].mes().toStdString();
    }
    s[s.localizar(QDate(1976, 10, 1))].vazao01Status = kDescartado;
    restaurarAno(s, 1975, 10);
    EXPECT_EQ(situacaoDe(s, QDate(1975, 10, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(s, QDate(1976, 2, 1)), kSemDados);
    EXPECT_EQ(situacaoDe(s, QDate(1976, 10, 1)), kDescartado); // next year, untouched
}

TEST(CodigoDaRegra, VaiParaOMesMaisAntigoQualquerQueSejaAOrdem) {
    SerieTabela s =
        teste::serieMensal(QDate(1990, 1, 1), QDate(1991, 12, 1), teste::diaPadrao, true);
    s.indiceID(); // December 1991 was appended first
    descartarMesesComFalhas(s);
    s.indice();
    EXPECT_EQ(s[0].vazao03Status, kRegraMesesComFalhas);
    EXPECT_EQ(s[s.tamanho() - 1].vazao03Status, 0);
}

} // namespace
