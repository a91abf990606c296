// The regularization balance: a hand-computed reference case, the storage against an independent
// brute-force search of the largest deficit, refilling, gaps, evaporation, cancelling and Qmed.
#include "casosregularizacao.h"

#include "core/erros.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// hm³ of one day at 1 m³/s.
constexpr double kDia = 0.0864;
// Volumes are sums of a few hundred products of day flows: far below 1e-9 hm³ of rounding.
constexpr double kTolerancia = 1e-9;

using teste::calcular;
using teste::serieReferencia;
using teste::taxasCrescentes;
using teste::Vazao;
const auto serie = teste::serieRegularizacao;

TEST(Regularizacao, CasoDeReferenciaCalculadoAMao) {
    const ResultadoRegularizacao r = calcular(serieReferencia());
    ASSERT_EQ(r.afluencia.dias.size(), 8u);
    EXPECT_EQ(r.afluencia.dias[2].data, QDate(2000, 1, 31)); // the gap is removed, not filled
    EXPECT_DOUBLE_EQ(r.afluencia.qmed, 6.0);

    // V(k) by hand: d = Q − Qreg in m³/s·day, acc = min(0, acc + d), V = |min acc| × 0,0864.
    //   k = 1..6, Qreg ≤ 1,8: every Q ≥ 2, no deficit                          V = 0
    //   k = 10, Qreg 3:   d 7 −1 −1 3 11 −1 5 1       acc 0 −1 −2 0 0 −1 0 0     V = 2 × 0,0864
    //   k = 12, Qreg 3,6: d 6,4 −1,6 −1,6 2,4 10,4 −1,6 4,4 0,4
    //                     acc 0 −1,6 −3,2 −0,8 0 −1,6 0 0                        V = 3,2 × 0,0864
    //   k = 15, Qreg 4,5: d 5,5 −2,5 −2,5 1,5 9,5 −2,5 3,5 −0,5
    //                     acc 0 −2,5 −5 −3,5 0 −2,5 0 −0,5                       V = 5 × 0,0864
    //   k = 20, Qreg 6:   d 4 −4 −4 0 8 −4 2 −2       acc 0 −4 −8 −8 0 −4 −2 −4  V = 8 × 0,0864
    const struct {
        int nivel;
        double volume;
    } casos[] = {{1, 0}, {6, 0}, {10, 2 * kDia}, {12, 3.2 * kDia}, {15, 5 * kDia}, {20, 8 * kDia}};
    for (const auto& c : casos)
        EXPECT_NEAR(r.volumes[static_cast<std::size_t>(c.nivel - 1)], c.volume, kTolerancia)
            << "nível " << c.nivel;

    // The level-10 accumulator day by day, in hm³.
    const double acumulada[] = {0, -1, -2, 0, 0, -1, 0, 0};
    const double diferenca[] = {7, -1, -1, 3, 11, -1, 5, 1};
    const auto dias = volumeDiario(r, 10);
    ASSERT_EQ(dias.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_NEAR(dias[i].acumulada, acumulada[i] * kDia, kTolerancia) << i;
        EXPECT_NEAR(dias[i].diferenca, diferenca[i] * kDia, kTolerancia) << i;
        EXPECT_DOUBLE_EQ(dias[i].vazaoRegularizada, 3.0);
    }

    // Mass diagram: valid day number against the running inflow volume, 0,0864 hm³ per m³/s·day.
    const double somas[] = {10, 12, 14, 20, 34, 36, 44, 48};
    ASSERT_EQ(r.afluencia.diagramaMassas.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(r.afluencia.diagramaMassas[i].dia, static_cast<int>(i) + 1);
        EXPECT_NEAR(r.afluencia.diagramaMassas[i].volume, somas[i] * kDia, kTolerancia);
    }
}

TEST(Regularizacao, VazaoConstanteIgualAMediaNaoPedeReservatorio) {
    const ResultadoRegularizacao r = calcular(
        serie(QDate(1990, 1, 1), QDate(1991, 12, 1), [](QDate) { return std::optional(12.5); }));
    EXPECT_DOUBLE_EQ(r.afluencia.qmed, 12.5);
    for (const LinhaRegularizada& l : vazoesRegularizadas(r)) {
        EXPECT_EQ(l.volume, 0.0) << l.nivel;
        EXPECT_NEAR(l.vazaoLiquida, 0.625 * l.nivel, 1e-12) << l.nivel;
        EXPECT_FALSE(l.evaporacaoElevada);
    }
    EXPECT_EQ(notaEvaporacao(r), QStringLiteral("* Sem evaporação"));
}

// Largest deficit by brute force over every run of consecutive days i..j: the storage that keeps
// Qreg through the worst run, the textbook definition the sequent-peak walk shortens.
double maiorDeficit(const std::vector<double>& q, double qreg) {
    double maior = 0;
    for (std::size_t i = 0; i < q.size(); ++i) {
        double soma = 0;
        for (std::size_t j = i; j < q.size(); ++j) {
            soma += (qreg - q[j]) * kDia;
            maior = std::max(maior, soma);
        }
    }
    return maior;
}

TEST(Regularizacao, VolumeIgualAoMaiorDeficitECrescenteComONivel) {
    // Two years with a wet and a dry season, a flow that jumps from day to day, missing days and a
    // zero-flow week (a zero is a valid day).
    const Vazao vazao = [](QDate d) -> std::optional<double> {
        if (d.day() == 13 || (d.month() == 6 && d.day() > 20)) return std::nullopt;
        if (d.year() == 1991 && d.month() == 9 && d.day() <= 7) return 0.0;
        const double estacao = d.month() <= 4 || d.month() == 12 ? 40 : 8;
        return estacao + (d.day() * 7 % 11) + (d.year() - 1990) * 3;
    };
    const SerieTabela s = serie(QDate(1990, 1, 1), QDate(1991, 12, 1), vazao);
    std::vector<double> q;
    for (QDate d(1990, 1, 1); d <= QDate(1991, 12, 31); d = d.addDays(1))
        if (const auto v = vazao(d)) q.push_back(*v);
    double soma = 0;
    for (double v : q)
        soma += v;
    const double qmed = soma / static_cast<double>(q.size());

    const ResultadoRegularizacao r = calcular(s);
    EXPECT_EQ(r.afluencia.dias.size(), q.size());
    EXPECT_NEAR(r.afluencia.qmed, qmed, 1e-12);
    for (int k = 1; k <= kNiveisRegularizacao; ++k) {
        const double v = r.volumes[static_cast<std::size_t>(k - 1)];
        EXPECT_NEAR(v, maiorDeficit(q, 0.05 * k * qmed), 1e-7) << "nível " << k;
        if (k > 1) {
            EXPECT_GE(v, r.volumes[static_cast<std::size_t>(k - 2)]) << "nível " << k;
        }
    }
    EXPECT_GT(r.volumes[19], r.volumes[9]);
}

TEST(Regularizacao, CheiaReabastecePoucoAteZeroENuncaAcima) {
    // Eight days, sum 48, Qmed 6; level 100 %: d = −2 −2 −2 4 4 4 −2 −4.
    // acc: −2 −4 −6 −2 0 0 −2 −6: the wet run refills up to 0 on day 5, day 6 stores nothing, and
    // the dry end needs the same 6 m³/s·day again. Had the surplus been kept, acc would end at −2.
    const double q[] = {4, 4, 4, 10, 10, 10, 4, 2};
    const SerieTabela s =
        serie(QDate(2000, 3, 1), QDate(2000, 3, 1), [&](QDate d) -> std::optional<double> {
            return d.day() <= 8 ? std::optional(q[d.day() - 1]) : std::nullopt;
        });
    const ResultadoRegularizacao r = calcular(s);
    const double acc[] = {-2, -4, -6, -2, 0, 0, -2, -6};
    const auto dias = volumeDiario(r, 20);
    ASSERT_EQ(dias.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(dias[i].acumulada, acc[i] * kDia, kTolerancia) << i;
    EXPECT_NEAR(r.volumes[19], 6 * kDia, kTolerancia);
}

TEST(Regularizacao, MesSemDadosEntreCheiasNaoSomaDeficit) {
    // January and March 10 m³/s, April 2: Qmed = (31 × 10 + 31 × 10 + 30 × 2) / 92. Only April is
    // below Qmed, so V(100 %) = 30 × (Qmed − 2) × 0,0864. Read as zero flows, February's 29 days
    // would add a deficit that March cannot refill before April.
    const double qmed = (31 * 10 + 31 * 10 + 30 * 2) / 92.0;
    const double esperado = 30 * (qmed - 2) * kDia;
    const Vazao vazao = [](QDate d) -> std::optional<double> {
        if (d.month() == 2) return std::nullopt;
        return d.month() == 4 ? 2.0 : 10.0;
    };
    SerieTabela semFevereiro = serie(QDate(2001, 1, 1), QDate(2001, 4, 1), vazao);
    semFevereiro.remover(1); // a discarded month never reaches the window
    const struct {
        const char* descricao;
        SerieTabela serie;
    } casos[] = {
        {"fevereiro considerado, sem valores", serie(QDate(2001, 1, 1), QDate(2001, 4, 1), vazao)},
        {"fevereiro fora dos meses considerados", semFevereiro}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.descricao);
        const ResultadoRegularizacao r = calcular(c.serie);
        EXPECT_EQ(r.afluencia.dias.size(), 92u);
        EXPECT_NEAR(r.afluencia.qmed, qmed, 1e-12);
        EXPECT_NEAR(r.volumes[19], esperado, kTolerancia);
    }
}

TEST(Regularizacao, DiasAlemDoFimDoMesNaoContam) {
    SerieTabela s =
        serie(QDate(2001, 2, 1), QDate(2001, 2, 1), [](QDate) { return std::optional(3.0); });
    s[0].vazao[28] = 1000.0; // a 29th of February in a common year
    const ResultadoRegularizacao r = calcular(s);
    EXPECT_EQ(r.afluencia.dias.size(), 28u);
    EXPECT_DOUBLE_EQ(r.afluencia.qmed, 3.0);
}

TEST(Regularizacao, EvaporacaoElevadaZeraAVazaoEMantemOVolume) {
    // A = 50: Qevap(m) = m / 2 and Ē = 6,5 / 2 = 3,25. β × Qmed = 0,3 k, so levels 1 to 10
    // (0,3 ... 3,0) lose all their flow; level 11 keeps 3,3 − 3,25 = 0,05; level 20 keeps 2,75.
    const ResultadoRegularizacao sem = calcular(serieReferencia());
    const ResultadoRegularizacao com = calcular(serieReferencia(), taxasCrescentes(), 50, true);
    EXPECT_NEAR(com.evaporacaoMedia, 3.25, 1e-12);
    const auto linhas = vazoesRegularizadas(com);
    for (const LinhaRegularizada& l : linhas) {
        EXPECT_EQ(l.evaporacaoElevada, l.nivel <= 10) << l.nivel;
        const double esperada = l.nivel <= 10 ? 0.0 : 0.3 * l.nivel - 3.25;
        EXPECT_NEAR(l.vazaoLiquida, esperada, 1e-12) << l.nivel;
        EXPECT_EQ(l.volume, sem.volumes[static_cast<std::size_t>(l.nivel - 1)]) << l.nivel;
    }
    EXPECT_NEAR(linhas[9].volume, 2 * kDia, kTolerancia); // still the storage without evaporation
    EXPECT_EQ(notaEvaporacao(com), QStringLiteral("* Evaporação elevada"));

    // The evaporated flow of each day is its calendar month's: 0,5 in January, 1,0 in February.
    const auto dias = volumeDiario(com, 10);
    EXPECT_NEAR(dias.front().vazaoEvaporada, 0.5, 1e-12);
    EXPECT_NEAR(dias.back().vazaoEvaporada, 1.0, 1e-12);
}

TEST(Regularizacao, NotaConformeAEvaporacao) {
    // A = 1: Ē = 0,065 < 0,3 = β × Qmed at 5 %: no level loses its flow.
    const ResultadoRegularizacao moderada = calcular(serieReferencia(), taxasCrescentes(), 1, true);
    EXPECT_EQ(notaEvaporacao(moderada), QStringLiteral("* Evaporação considerada"));
    EXPECT_NEAR(vazoesRegularizadas(moderada)[0].vazaoLiquida, 0.3 - 0.065, 1e-12);

    // Rates typed but evaporation not considered: every evaporated flow is 0.
    const ResultadoRegularizacao sem = calcular(serieReferencia(), taxasCrescentes(), 50, false);
    EXPECT_EQ(notaEvaporacao(sem), QStringLiteral("* Sem evaporação"));
    EXPECT_EQ(sem.evaporacaoMedia, 0.0);
    for (const MesEvaporacao& m : sem.evaporacao)
        EXPECT_EQ(m.evaporacaoMensal, 0.0);
    for (int k : {1, 10, 20}) {
        for (const DiaReservatorio& d : volumeDiario(sem, k))
            EXPECT_EQ(d.vazaoEvaporada, 0.0);
        EXPECT_NEAR(vazoesRegularizadas(sem)[static_cast<std::size_t>(k - 1)].vazaoLiquida, 0.3 * k,
                    1e-12);
    }

    // A river that never flows regulates nothing, and without evaporation that is not its fault.
    const ResultadoRegularizacao seco = calcular(
        serie(QDate(2000, 1, 1), QDate(2000, 1, 1), [](QDate) { return std::optional(0.0); }));
    EXPECT_EQ(notaEvaporacao(seco), QStringLiteral("* Sem evaporação"));
    EXPECT_EQ(vazoesRegularizadas(seco)[19].vazaoLiquida, 0.0);
}

TEST(Regularizacao, SemVazoesValidasQmedIndefinida) {
    const SerieTabela vazia =
        serie(QDate(2000, 1, 1), QDate(2000, 12, 1), [](QDate) { return std::nullopt; });
    SerieTabela nenhumMes;
    for (const SerieTabela* s : std::initializer_list<const SerieTabela*>{&vazia, &nenhumMes}) {
        try {
            CopiaDados(*s);
            ADD_FAILURE() << "sem erro";
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(),
                      QStringLiteral("Não há vazões válidas nos meses considerados."));
        }
    }
}

TEST(Regularizacao, AndamentoECancelamentoEntreDias) {
    const SerieTabela s =
        serie(QDate(2000, 1, 1), QDate(2000, 12, 1), [](QDate d) -> std::optional<double> {
            return d.day() == 5 ? std::nullopt : std::optional(d.month() * 1.0);
        });
    const std::size_t dias = 366 - 12;

    // Uncancelled: the steps in order, shares never going back, each step ending at 100.
    std::vector<std::pair<EtapaRegularizacao, int>> visto;
    const auto r =
        calcularRegularizacao(s, evaporacaoInicial(), 0, false, [&](EtapaRegularizacao e, int p) {
            visto.emplace_back(e, p);
            return true;
        });
    ASSERT_TRUE(r.has_value());
    const auto contar = [&](EtapaRegularizacao e) {
        return std::count_if(visto.begin(), visto.end(),
                             [&](const auto& v) { return v.first == e; });
    };
    EXPECT_EQ(contar(EtapaRegularizacao::CopiaDados),
              static_cast<long>(dias + 12));                                 // each day and month
    EXPECT_EQ(contar(EtapaRegularizacao::Balanco), static_cast<long>(dias)); // each day
    for (std::size_t i = 1; i < visto.size(); ++i)
        if (visto[i].first == visto[i - 1].first) {
            EXPECT_GE(visto[i].second, visto[i - 1].second);
        }
    EXPECT_EQ(visto.back(), std::make_pair(EtapaRegularizacao::Balanco, 100));

    // Cancelled inside each step: no result at all.
    for (EtapaRegularizacao etapa : {EtapaRegularizacao::CopiaDados, EtapaRegularizacao::Evaporacao,
                                     EtapaRegularizacao::Balanco}) {
        int chamadas = 0;
        const auto cancelado =
            calcularRegularizacao(s, evaporacaoInicial(), 0, false, [&](EtapaRegularizacao e, int) {
                return !(e == etapa && ++chamadas == 1);
            });
        EXPECT_FALSE(cancelado.has_value());
    }
    int chamadas = 0;
    EXPECT_FALSE(balancoRegularizacao(r->afluencia,
                                      [&](EtapaRegularizacao, int) { return ++chamadas < 100; }));
    EXPECT_EQ(chamadas, 100); // stopped between days, not after the whole walk

    EXPECT_EQ(textoEtapa(EtapaRegularizacao::CopiaDados), QStringLiteral("Copiando dados..."));
    EXPECT_EQ(textoEtapa(EtapaRegularizacao::Evaporacao), QStringLiteral("Calculando evaporação"));
    EXPECT_EQ(textoEtapa(EtapaRegularizacao::Balanco),
              QStringLiteral("Calculando a regularização"));
}

TEST(Regularizacao, SegundoCalculoTrocaODiagramaDeMassas) {
    const ResultadoRegularizacao primeiro = calcular(serieReferencia());
    const ResultadoRegularizacao segundo = calcular(
        serie(QDate(2000, 1, 1), QDate(2000, 1, 1), [](QDate) { return std::optional(1.0); }));
    ASSERT_EQ(primeiro.afluencia.diagramaMassas.size(), 8u);
    ASSERT_EQ(segundo.afluencia.diagramaMassas.size(), 31u);
    EXPECT_NEAR(segundo.afluencia.diagramaMassas.back().volume, 31 * kDia, kTolerancia);
}

} // namespace
