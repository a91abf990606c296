// The distribution analysis as the window runs it: the rows of the result table, the return
// periods, the numbered warnings with their texts, the best row and the return-period box.
#include "amostras.h"
#include "impressao_qt.h"

#include "core/erros.h"
#include "stats/analisedistribuicoes.h"
#include "stats/distribuicoes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;

namespace {

// Events labelled by hydrological year, "1971/1972" onwards.
std::vector<EventoDistribuicao> eventos(const std::vector<double>& valores) {
    std::vector<EventoDistribuicao> r;
    for (std::size_t i = 0; i < valores.size(); ++i)
        r.push_back({QStringLiteral("%1/%2").arg(1971 + i).arg(1972 + i), valores[i]});
    return r;
}

QString aviso(const char* texto) {
    return QString::fromUtf8(texto);
}

const char* const kAvisoLogPearson =
    ") Para a distribuição logpearson 3, estão sendo exibidas a média de ln(x), a variância de "
    "ln(x) e a assimetria de ln(x), em que ln é o logaritmo neperiano e x é a magnitude do evento.";
const char* const kAvisoOrdem = ") Os dados de entrada estão em ordem crescente.";

TEST(AnaliseDistribuicoes, UmaLinhaPorDistribuicaoEPeriodo) {
    const struct {
        bool maximos;
        const char* primeira;
    } casos[] = {{true, "Gumbel"}, {false, "Weibull"}};
    for (const auto& c : casos) {
        const AnaliseDistribuicoes a = calcularDistribuicoes(
            eventos(c.maximos ? kMaximas : kMinimas), c.maximos, 10, QStringLiteral("56110005"));
        ASSERT_TRUE(a.calculada);
        ASSERT_EQ(a.linhas.size(), 495u);
        EXPECT_EQ(a.Tmax, 100);
        const QString nomes[] = {QString::fromUtf8(c.primeira), QStringLiteral("Pearson 3"),
                                 QStringLiteral("Logpearson 3"), QStringLiteral("Lognormal 2"),
                                 QStringLiteral("Lognormal 3")};
        const int numeros[] = {4, 0, 1, 2, 3};
        std::set<int> ids;
        for (std::size_t i = 0; i < a.linhas.size(); ++i) {
            const LinhaDistribuicao& l = a.linhas[i];
            EXPECT_EQ(l.PeriodoRetorno, 2 + static_cast<int>(i / 5));
            EXPECT_EQ(l.NomeDistribuicao, nomes[i % 5]);
            EXPECT_EQ(l.NumeroDistribuicao, numeros[i % 5]);
            // Inserted distribution by distribution: the Pearson III's first row comes after
            // the 99 rows of the Weibull or Gumbel.
            EXPECT_EQ(l.id, static_cast<int>(i % 5) * 99 + l.PeriodoRetorno - 1);
            EXPECT_EQ(l.PeriodoRetornousuario, l.PeriodoRetorno == 10 ? 1 : 0);
            EXPECT_EQ(l.NEventos, 30.0);
            EXPECT_EQ(l.Duracao, 7.0);
            EXPECT_EQ(l.Estacao, QStringLiteral("56110005"));
            EXPECT_EQ(l.Erro, 0);
            ids.insert(l.id);
        }
        EXPECT_EQ(ids.size(), 495u);
    }
}

TEST(AnaliseDistribuicoes, LinhaTrazOAjusteDaquelePeriodo) {
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(kMinimas), false, 10);
    const std::vector<LinhaDistribuicao> escolhidas = linhasDoPeriodoEscolhido(a.linhas);
    ASSERT_EQ(escolhidas.size(), 5u);

    const TLogPearson3 lp(kMinimas, 10, false);
    const LinhaDistribuicao& l = escolhidas[2];
    EXPECT_EQ(l.ValorEvento, lp.GetEvento());
    EXPECT_EQ(l.IntervaloConfiancaSuperior, lp.GetLimiteSuperior());
    EXPECT_EQ(l.IntervaloConfiancaInferior, lp.GetLimiteInferior());
    EXPECT_EQ(l.ErroPadrao, lp.GetErroPadrao());
    EXPECT_EQ(l.Diferenca, lp.GetLimiteSuperior() - lp.GetLimiteInferior());
    EXPECT_EQ(l.Alfa, lp.Alfa());
    EXPECT_EQ(l.Beta, lp.Beta());
    EXPECT_EQ(l.Gama, lp.Gama());
    EXPECT_EQ(l.Media, lp.Media());
    EXPECT_EQ(l.assimetria, lp.Assimetria());
    EXPECT_EQ(l.DesvioPadrao, std::sqrt(lp.Variancia()));
    EXPECT_FALSE(l.A);

    // The log-normals have no Alfa, Beta, Gama; only the three-parameter one has A.
    EXPECT_FALSE(escolhidas[3].Alfa || escolhidas[3].Beta || escolhidas[3].Gama || escolhidas[3].A);
    EXPECT_FALSE(escolhidas[4].Alfa || escolhidas[4].Beta || escolhidas[4].Gama);
    EXPECT_EQ(escolhidas[4].A, TLogNormal3(kMinimas, 10, false).A());
}

TEST(AnaliseDistribuicoes, PeriodoMaximoDasLinhas) {
    const struct {
        int escolhido, tmax;
    } casos[] = {{2, 100}, {90, 100}, {91, 101}, {95, 105}, {10000, 10010}};
    for (const auto& c : casos) {
        const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(kMaximas), true, c.escolhido);
        EXPECT_EQ(a.Tmax, c.tmax) << c.escolhido;
        ASSERT_EQ(a.linhas.size(), static_cast<std::size_t>(5 * (c.tmax - 1))) << c.escolhido;
        EXPECT_EQ(a.linhas.front().PeriodoRetorno, 2);
        EXPECT_EQ(a.linhas.back().PeriodoRetorno, c.tmax);
        EXPECT_EQ(linhasDoPeriodoEscolhido(a.linhas).front().PeriodoRetorno, c.escolhido);
    }
}

TEST(AnaliseDistribuicoes, AvisoDaRazaoEntrePeriodoEEventos) {
    const std::vector<double> cinco = {512.4, 689.0, 1043.7, 778.2, 615.9};
    const AnaliseDistribuicoes a11 = calcularDistribuicoes(eventos(cinco), true, 11);
    ASSERT_FALSE(a11.avisos.isEmpty());
    EXPECT_EQ(a11.avisos[0], aviso("1) O período de retorno atual equivale a 2,2 vezes ao número "
                                   "de eventos da série, enquanto o máximo recomendado é 2 "
                                   "vezes. "));
    const AnaliseDistribuicoes a10 = calcularDistribuicoes(eventos(cinco), true, 10);
    EXPECT_FALSE(a10.avisos.join(u'|').contains(QStringLiteral("equivale")));

    // The condition counts the listed events (6 > 13/2 is false at 12); the ratio divides by
    // the values (13 / 5 = 2,6).
    std::vector<EventoDistribuicao> seis = eventos(cinco);
    seis.push_back({QStringLiteral("1976/1977"), std::nullopt});
    EXPECT_FALSE(calcularDistribuicoes(seis, true, 12)
                     .avisos.join(u'|')
                     .contains(QStringLiteral("equivale")));
    const AnaliseDistribuicoes a13 = calcularDistribuicoes(seis, true, 13);
    EXPECT_TRUE(
        a13.avisos[0].startsWith(aviso("1) O período de retorno atual equivale a 2,6 vezes")));
    EXPECT_EQ(a13.valoresIgnorados, 1);
    EXPECT_EQ(a13.linhas.front().NEventos, 5.0);
    EXPECT_EQ(mensagemValoresIgnorados(a13.valoresIgnorados),
              QStringLiteral("1 valor(es) ignorado(s)"));
}

TEST(AnaliseDistribuicoes, AvisosDeUmaSerieBemComportada) {
    // Gumbel skewness 1.31 (within 0.2 of 1.13), Weibull 0.22 (in range), log-normal 3 > 0,
    // nothing below zero: only the two warnings that are always there for the maxima. The minima's
    // log-Pearson III has B = 2,932, below the range of Kite's approximations of α (3 < B <= 6):
    // B = (ln μ'3 − 3 ln μ'1) / (ln μ'2 − 2 ln μ'1) of the sample, worked in tests/stats/referencias.py.
    const QStringList esperados = {QStringLiteral("1") + aviso(kAvisoLogPearson),
                                   QStringLiteral("2") + aviso(kAvisoOrdem)};
    EXPECT_EQ(calcularDistribuicoes(eventos(kMaximas), true, 10).avisos, esperados);
    const AnaliseDistribuicoes minimas = calcularDistribuicoes(eventos(kMinimas), false, 10);
    const QStringList esperadosMinimas = {
        QStringLiteral("1") + aviso(kAvisoLogPearson),
        aviso("2) Distribuição logpearson 3: B = 2,932 está fora do intervalo de validade da "
              "aproximação de alfa (3 < B <= 6); seus eventos são extrapolações e podem errar "
              "muito."),
        QStringLiteral("3") + aviso(kAvisoOrdem)};
    EXPECT_EQ(minimas.avisos, esperadosMinimas);
    EXPECT_FALSE(minimas.valoresNegativos);
    EXPECT_EQ(linhasAvisos(minimas.avisos),
              QStringList({QString(), esperadosMinimas[0], QString(), esperadosMinimas[1],
                           QString(), esperadosMinimas[2]}));
}

TEST(AnaliseDistribuicoes, TodosOsAvisosDeMinimasComAssimetriaNegativa) {
    // One very dry year among steady minima: Weibull skewness about −2.3 (its polynomial gives a
    // negative 1/α, so its curve grows with T), no log-normal 3, lower limits below zero, Pearson 3
    // below zero from T = 31; and T = 20 over 7 events.
    const std::vector<double> x = {0.5, 9.8, 10.1, 10.3, 9.9, 10.2, 10.0};
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(x), false, 20);
    EXPECT_TRUE(a.valoresNegativos);
    EXPECT_EQ(a.avisos,
              QStringList({aviso("1) O período de retorno atual equivale a 2,86 vezes ao número "
                                 "de eventos da série, enquanto o máximo recomendado é 2 vezes. "),
                           aviso("2) Distribuição de weibull :  O coefeciente de assimetria está "
                                 "fora do intervalo permitido (-1.02 .. +2.0)"),
                           QStringLiteral("3") + aviso(kAvisoLogPearson),
                           aviso("4) Distribuição logpearson 3: B = 2,056 está fora do intervalo "
                                 "de validade da aproximação de alfa (3 < B <= 6); seus eventos "
                                 "são extrapolações e podem errar muito."),
                           aviso("5) Distribuição Lognormal 3:  O coeficiente de assimetria é "
                                 "menor que zero, sem solução possível pelo método dos "
                                 "momentos."),
                           aviso("6) Weibull: a curva da distribuição cresce com o período de "
                                 "retorno em T = 20 anos; esses eventos não são mostrados e não "
                                 "podem ser escolhidos como a melhor distribuição."),
                           aviso("7) Pearson 3: a distribuição dá vazão negativa a partir de T = 31 "
                                 "anos; esses eventos não são mostrados e não podem ser escolhidos "
                                 "como a melhor distribuição."),
                           aviso("8) Os valores menores que zero não têm significado físico"),
                           QStringLiteral("9") + aviso(kAvisoOrdem)}));
}

TEST(AnaliseDistribuicoes, AvisoDoGumbelForaDeUmPontoTreze) {
    const std::vector<double> x = {980, 1010, 1005, 990, 700, 1000, 995, 1015, 985, 1008};
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(x), true, 10);
    ASSERT_GE(a.avisos.size(), 2);
    EXPECT_EQ(a.avisos[0], aviso("1) Recomenda-se utilizar a distribuição de Gumbel quando o "
                                 "coeficiente de assimetria estiver em torno de 1.13"));
}

TEST(AnaliseDistribuicoes, AjusteQueFalhaNuncaEhOMelhor) {
    // Negative skewness: every log-normal 3 row fails, with a zero interval width that would
    // otherwise be the narrowest.
    const std::vector<double> x = {980, 1010, 1005, 990, 700, 1000, 995, 1015, 985, 1008};
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(x), true, 10);
    const std::vector<LinhaDistribuicao> ln3 = linhasDaDistribuicao(a.linhas, kLogNormal3);
    ASSERT_EQ(ln3.size(), 99u);
    for (const LinhaDistribuicao& l : ln3) {
        EXPECT_EQ(l.Erro, 1);
        EXPECT_EQ(l.Diferenca, 0.0);
        EXPECT_NE(a.melhorLinha, l.id);
    }
    EXPECT_NE(a.melhorLinha, -1);
}

LinhaDistribuicao linha(int id, int T, double diferenca, int erro = 0) {
    LinhaDistribuicao l;
    l.id = id;
    l.PeriodoRetorno = T;
    l.PeriodoRetornousuario = T == 10 ? 1 : 0;
    l.Diferenca = diferenca;
    l.Erro = erro;
    return l;
}

TEST(EscolherMelhorLinha, MenorAmplitudeNoPeriodoEscolhidoEmpatePrimeiro) {
    const std::vector<LinhaDistribuicao> linhas = {
        linha(9, 9, 1.0),       // narrower, but at another return period
        linha(1, 10, 50.0),     // Gumbel
        linha(100, 10, 40.25),  // Pearson III: first of the tie
        linha(199, 10, 40.25),  // log-Pearson III: same width, later
        linha(298, 10, 45.0),   // log-normal 2
        linha(397, 10, 0.0, 1), // log-normal 3, failed
        linha(11, 11, 2.0),
    };
    EXPECT_EQ(escolherMelhorLinha(linhas), 100);
    const std::vector<LinhaDistribuicao> falhas = {linha(1, 10, 0.0, 1), linha(100, 10, 0.0, 1)};
    EXPECT_EQ(escolherMelhorLinha(falhas), -1);
}

TEST(AnaliseDistribuicoes, MenosDeCincoEventosNadaCalcula) {
    const std::vector<double> quatro = {512.4, 689.0, 1043.7, 778.2};
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(quatro), true, 10);
    EXPECT_FALSE(a.calculada);
    EXPECT_TRUE(a.linhas.empty());
    EXPECT_TRUE(a.avisos.isEmpty());
    EXPECT_EQ(a.melhorLinha, -1);
}

TEST(AnaliseDistribuicoes, PeriodoDeRetornoDaCaixa) {
    EXPECT_EQ(lerPeriodoRetorno(u"10"), 10);
    EXPECT_EQ(lerPeriodoRetorno(u"2"), 2);
    EXPECT_EQ(lerPeriodoRetorno(u"10000"), 10000);
    EXPECT_EQ(lerPeriodoRetorno(u"1"), std::nullopt);
    EXPECT_EQ(lerPeriodoRetorno(u"10001"), std::nullopt);
    EXPECT_THROW(lerPeriodoRetorno(u""), ErroConversao);
    EXPECT_THROW(lerPeriodoRetorno(u"1,5"), ErroConversao);
    try {
        calcularDistribuicoes(eventos(kMaximas), true, 10001);
        ADD_FAILURE() << "no error";
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("O período de retorno inválido."));
    }
}

TEST(OrdenarPorValor, VaziosPrimeiroEIguaisNaOrdem) {
    const std::vector<EventoDistribuicao> e = {{QStringLiteral("a"), 3.0},
                                               {QStringLiteral("b"), std::nullopt},
                                               {QStringLiteral("c"), 1.0},
                                               {QStringLiteral("d"), 3.0},
                                               {QStringLiteral("e"), std::nullopt}};
    QStringList ordem;
    for (const EventoDistribuicao& x : ordenarPorValor(e))
        ordem << x.Data;
    EXPECT_EQ(ordem, QStringList({"b", "e", "c", "a", "d"}));
}

} // namespace
