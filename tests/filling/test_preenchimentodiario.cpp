// Daily gap filling: which runs of missing days are gaps, the limit on their length, the days the
// neighbour cannot fill, and the "preenchido" flag the later analyses count.
#include "core/construtor.h"
#include "core/erros.h"
#include "filling/preenchimentodiario.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

double vizinha(QDate d) {
    return 10 + d.dayOfYear() % 17;
}

bool emFalta(QDate d) {
    return d < QDate(1990, 1, 3)                                           // before the first value
           || (d >= QDate(1990, 3, 10) && d <= QDate(1990, 3, 12))         // 3 days
           || (d >= QDate(1990, 5, 1) && d <= QDate(1990, 6, 9))           // 40 days
           || (d >= QDate(1990, 8, 5) && d <= QDate(1990, 8, 8))           // 4 days
           || d > QDate(1990, 12, 29);                                     // after the last value
}

// The base is 2x + 1 of its neighbour wherever it has a value; the neighbour misses 6 August.
struct Estacoes {
    SerieTabela base = teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                          [](QDate d) -> std::optional<double> {
                                              if (emFalta(d)) return std::nullopt;
                                              return 2 * vizinha(d) + 1;
                                          });
    SerieTabela auxiliar = teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                              [](QDate d) -> std::optional<double> {
                                                  if (d == QDate(1990, 8, 6)) return std::nullopt;
                                                  return vizinha(d);
                                              });
};

std::optional<double> dia(const SerieTabela& s, QDate d) {
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        if (s[i].data == QDate(d.year(), d.month(), 1)) return s[i].vazao[std::size_t(d.day() - 1)];
    return std::nullopt;
}

SinalDia sinal(const SerieTabela& s, QDate d) {
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        if (s[i].data == QDate(d.year(), d.month(), 1)) return s[i].sinal[std::size_t(d.day() - 1)];
    return SinalDia::Desconhecido;
}

TEST(PreenchimentoDiario, LacunasCurtasPreenchidasESinalizadas) {
    Estacoes e;
    const ResultadoDiario previa = avaliarPreenchimentoDiario(e.base, e.auxiliar, {});
    const ResultadoDiario r = preencherDiario(e.base, e.auxiliar, {});
    EXPECT_EQ(r, previa) << "the preview counts what the filling does";
    EXPECT_EQ(r.pares, 365 - 2 - 3 - 40 - 4 - 2);
    ASSERT_TRUE(r.modelo.retas[0]);
    EXPECT_NEAR(r.modelo.retas[0]->a, 2, 1e-12);
    EXPECT_EQ(r.lacunas, 3);
    EXPECT_EQ(r.lacunasLongas, 1);
    EXPECT_EQ(r.lacunasPreenchidas, 2);
    EXPECT_EQ(r.diasPreenchidos, 6);
    EXPECT_EQ(r.diasSemAuxiliar, 1);
    EXPECT_EQ(r.texto(30), QStringLiteral("6 dia(s) preenchido(s) em 2 lacuna(s) de até 30 dias; 1 "
                                          "lacuna(s) mais longa(s) ficaram sem preencher; 1 dia(s) "
                                          "sem vazão na estação auxiliar."));
    for (const QDate d : {QDate(1990, 3, 10), QDate(1990, 3, 12), QDate(1990, 8, 5),
                          QDate(1990, 8, 8)}) {
        ASSERT_TRUE(dia(e.base, d)) << d.toString().toStdString();
        EXPECT_NEAR(*dia(e.base, d), 2 * vizinha(d) + 1, 1e-9);
        EXPECT_EQ(sinal(e.base, d), SinalDia::Preenchido);
    }
    for (const QDate d : {QDate(1990, 1, 1), QDate(1990, 5, 20), QDate(1990, 8, 6),
                          QDate(1990, 12, 31)})
        EXPECT_FALSE(dia(e.base, d)) << d.toString().toStdString();
    EXPECT_EQ(sinal(e.base, QDate(1990, 3, 13)), SinalDia::Desconhecido);

    // Every later analysis counts them: the flag is "preenchido", one of the default flags.
    ContagemSinais c;
    for (qsizetype i = 0; i < e.base.tamanho(); ++i)
        for (int d = 0; d < e.base[i].nDias(); ++d)
            if (e.base[i].vazao[std::size_t(d)]) e.base[i].contarSinais(d, c);
    EXPECT_EQ(c.sinalizados, 6);
    EXPECT_TRUE(kSinalizacoesPadrao & kSinalPreenchido);

    // Filled again with a longer limit: the days filled before are no observations for the line.
    const ResultadoDiario outra = preencherDiario(e.base, e.auxiliar, {{}, 40});
    EXPECT_EQ(outra.pares, r.pares);
    EXPECT_EQ(outra.diasPreenchidos, 40);
    EXPECT_EQ(outra.lacunasLongas, 0);
}

TEST(PreenchimentoDiario, SemDiasEmComumRecusa) {
    Estacoes e;
    const SerieTabela longe = teste::serieDiaria(
        QDate(2000, 1, 1), QDate(2000, 12, 1), [](QDate d) -> std::optional<double> {
            return vizinha(d);
        });
    try {
        preencherDiario(e.base, longe, {});
        ADD_FAILURE() << "aceito";
    } catch (const Erro& x) {
        EXPECT_EQ(x.mensagem(), QStringLiteral("As duas estações têm 0 dia(s) com vazão em comum: "
                                               "poucos para ajustar uma reta."));
    }
    // MOVE.1 on the logarithms, one line per month: the same short gaps, checked day by day.
    Estacoes f;
    const ResultadoDiario r =
        preencherDiario(f.base, f.auxiliar, {{MetodoReta::Move1, true, true}, 30});
    EXPECT_EQ(r.diasPreenchidos, 6);
    EXPECT_GT(r.vcMove1.grupos[0].n, 300);
}

} // namespace
