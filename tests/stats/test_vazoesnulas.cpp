// Annual minima with zero flows: the conditional-probability adjustment against an independent
// log-normal quantile, the zero mass, p0 and its warning, and the classical result kept intact
// when there is nothing to adjust.
#include "amostras.h"

#include "stats/analisedistribuicoes.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

// The first `naoNulos` minima of kMinimas with `nulos` zeros spread among them.
std::vector<double> comZeros(int naoNulos, int nulos) {
    std::vector<double> r;
    for (int i = 0; i < naoNulos; ++i) {
        r.push_back(kMinimas[static_cast<std::size_t>(i)]);
        if (i % 4 == 1 && nulos > 0) {
            r.push_back(0.0);
            --nulos;
        }
    }
    r.insert(r.end(), static_cast<std::size_t>(nulos), 0.0);
    return r;
}

std::vector<EventoDistribuicao> eventos(const std::vector<double>& valores) {
    std::vector<EventoDistribuicao> r;
    for (std::size_t i = 0; i < valores.size(); ++i)
        r.push_back({QString::number(1971 + static_cast<int>(i)), valores[i], static_cast<int>(i)});
    return r;
}

AnaliseDistribuicoes condicional(const std::vector<double>& valores, int T) {
    return calcularDistribuicoes(eventos(valores), false, T, {},
                                 VazoesNulas::ProbabilidadeCondicional);
}

const LinhaDistribuicao& linha(const AnaliseDistribuicoes& a, const char* nome) {
    for (const LinhaDistribuicao& l : a.linhas)
        if (l.PeriodoRetornousuario == 1 && l.NomeDistribuicao == QString::fromUtf8(nome)) return l;
    throw std::logic_error("no row");
}

// The standard normal quantile by bisection on the complementary error function.
double quantilNormal(double p) {
    double baixo = -10, alto = 10;
    for (int i = 0; i < 200; ++i) {
        const double meio = (baixo + alto) / 2;
        (0.5 * std::erfc(-meio / std::sqrt(2.0)) < p ? baixo : alto) = meio;
    }
    return (baixo + alto) / 2;
}

// The two-parameter log-normal with the mean and variance of the values, at probability p:
// ln x ~ N(mu, sigma²) with sigma² = ln(1 + s²/m²) and mu = ln m − sigma²/2.
double quantilLogNormal(const std::vector<double>& x, double p) {
    double soma = 0;
    for (double v : x)
        soma += v;
    const double media = soma / static_cast<double>(x.size());
    double quadrados = 0;
    for (double v : x)
        quadrados += (v - media) * (v - media);
    const double variancia = quadrados / static_cast<double>(x.size() - 1);
    const double sigma2 = std::log(1 + variancia / (media * media));
    return std::exp(std::log(media) - sigma2 / 2 + std::sqrt(sigma2) * quantilNormal(p));
}

TEST(VazoesNulas, TrintaMinimasComSeisZerosDaoP0EQ710NaoNegativo) {
    const std::vector<double> x = comZeros(24, 6);
    ASSERT_EQ(x.size(), 30u);
    const AnaliseDistribuicoes a = condicional(x, 10);
    ASSERT_TRUE(a.p0);
    EXPECT_DOUBLE_EQ(*a.p0, 0.2);
    EXPECT_EQ(a.eventosNulos, 6);
    ASSERT_GE(a.avisos.size(), 1);
    EXPECT_EQ(a.avisos[0],
              QString::fromUtf8("1) Vazões nulas: 6 de 30 eventos são iguais a zero (p0 = 0,2). "
                                "Método da probabilidade condicional (Jennings e Benson, 1969): "
                                "as distribuições foram ajustadas aos 24 eventos não nulos e o "
                                "evento de período de retorno T é lido na probabilidade ajustada "
                                "(1/T - p0) / (1 - p0); quando 1/T <= p0 o evento é zero."));
    EXPECT_EQ(a.notaVazoesNulas,
              QString::fromUtf8("*** Vazões nulas pelo método da probabilidade condicional "
                                "(Jennings e Benson, 1969): p0 = 0,2 (6 de 30 eventos); "
                                "distribuições ajustadas aos eventos não nulos."));
    // 1/10 < p0: the ten-year minimum lies in the zero mass, for every distribution.
    for (const char* nome :
         {"Weibull", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3"}) {
        const LinhaDistribuicao& l = linha(a, nome);
        EXPECT_EQ(l.ValorEvento, 0.0) << nome;
        EXPECT_EQ(l.IntervaloConfiancaInferior, 0.0) << nome;
        EXPECT_EQ(l.Erro, 0) << nome;
        EXPECT_EQ(l.NEventos, 24.0) << nome;
        EXPECT_TRUE(l.massaNula) << nome;
    }
    EXPECT_FALSE(a.valoresNegativos);
    EXPECT_GT(a.melhorLinha, 0);
}

// The log-normal 2 row at the chosen T against the independent quantile of the non-zero events
// at the adjusted probability (1/T − p0)/(1 − p0). The fit's normal deviate is the A&S 26.2.23
// approximation (absolute error below 4.5e-4), which moves x by about sigma · 4.5e-4 in relative
// terms (sigma ≈ 0.2 here): tolerance 2e-4.
TEST(VazoesNulas, EventoLidoNaProbabilidadeAjustada) {
    const struct {
        int naoNulos, nulos, T;
        double probabilidade;
    } casos[] = {
        {24, 6, 2, (0.5 - 0.2) / 0.8},               // 0,375
        {24, 6, 4, (0.25 - 0.2) / 0.8},              // 1/16
        {28, 2, 10, (0.1 - 2.0 / 30) / (28.0 / 30)}, // 1/28
        {29, 1, 25, (0.04 - 1.0 / 30) / (29.0 / 30)},
    };
    for (const auto& c : casos) {
        const std::vector<double> x = comZeros(c.naoNulos, c.nulos);
        const std::vector<double> naoNulos(kMinimas.begin(), kMinimas.begin() + c.naoNulos);
        const LinhaDistribuicao& l = linha(condicional(x, c.T), "Lognormal 2");
        EXPECT_TRUE(relativo(l.ValorEvento, quantilLogNormal(naoNulos, c.probabilidade), 2e-4))
            << c.nulos << " zeros, T = " << c.T;
        EXPECT_GT(l.ErroPadrao, 0.0);
        EXPECT_DOUBLE_EQ(l.IntervaloConfiancaSuperior - l.ValorEvento, 1.96 * l.ErroPadrao);
    }
}

TEST(VazoesNulas, ProbabilidadeDentroDaMassaEmZeroDaZero) {
    const struct {
        int naoNulos, nulos, T;
    } casos[] = {
        {24, 6, 5}, // 1/T = p0 exactly: the boundary belongs to the zero mass
        {24, 6, 50},
        {28, 2, 15}, // p0 = 1/15
        {28, 2, 100},
    };
    for (const auto& c : casos) {
        const AnaliseDistribuicoes a = condicional(comZeros(c.naoNulos, c.nulos), c.T);
        for (const LinhaDistribuicao& l : a.linhas) {
            if (l.PeriodoRetorno < c.T) continue;
            EXPECT_EQ(l.ValorEvento, 0.0)
                << l.NomeDistribuicao.toStdString() << " T = " << l.PeriodoRetorno;
            EXPECT_EQ(l.ErroPadrao, 0.0);
            EXPECT_EQ(l.Diferenca, 0.0);
            EXPECT_TRUE(l.massaNula);
        }
        // Below the zero mass (1/T > p0) the events are positive.
        for (const LinhaDistribuicao& l : a.linhas) {
            if (l.PeriodoRetorno * c.nulos < 30 &&
                l.NomeDistribuicao == QStringLiteral("Lognormal 2")) {
                EXPECT_GT(l.ValorEvento, 0.0) << l.PeriodoRetorno;
                EXPECT_FALSE(l.massaNula);
            }
        }
    }
}

void mesmasLinhas(const AnaliseDistribuicoes& a, const AnaliseDistribuicoes& b) {
    ASSERT_EQ(a.linhas.size(), b.linhas.size());
    for (std::size_t i = 0; i < a.linhas.size(); ++i) {
        const LinhaDistribuicao &x = a.linhas[i], &y = b.linhas[i];
        EXPECT_EQ(x.id, y.id);
        EXPECT_EQ(x.ValorEvento, y.ValorEvento);
        EXPECT_EQ(x.IntervaloConfiancaSuperior, y.IntervaloConfiancaSuperior);
        EXPECT_EQ(x.IntervaloConfiancaInferior, y.IntervaloConfiancaInferior);
        EXPECT_EQ(x.ErroPadrao, y.ErroPadrao);
        EXPECT_EQ(x.Alfa, y.Alfa);
        EXPECT_EQ(x.Beta, y.Beta);
        EXPECT_EQ(x.Gama, y.Gama);
        EXPECT_EQ(x.A, y.A);
        EXPECT_EQ(x.Media, y.Media);
        EXPECT_EQ(x.Variancia, y.Variancia);
        EXPECT_EQ(x.NEventos, y.NEventos);
        EXPECT_EQ(x.Erro, y.Erro);
    }
    EXPECT_EQ(a.avisos, b.avisos);
    EXPECT_EQ(a.melhorLinha, b.melhorLinha);
    EXPECT_EQ(a.valoresNegativos, b.valoresNegativos);
}

// Without zeros, and for maxima, the option changes nothing.
TEST(VazoesNulas, SemZerosOResultadoEOClassico) {
    const struct {
        std::vector<double> valores;
        bool maximos;
    } casos[] = {{kMinimas, false}, {kMaximas, true}, {comZeros(24, 6), true}};
    for (const auto& c : casos) {
        const AnaliseDistribuicoes classica =
            calcularDistribuicoes(eventos(c.valores), c.maximos, 10);
        const AnaliseDistribuicoes ajustada = calcularDistribuicoes(
            eventos(c.valores), c.maximos, 10, {}, VazoesNulas::ProbabilidadeCondicional);
        mesmasLinhas(classica, ajustada);
        EXPECT_FALSE(ajustada.p0);
        EXPECT_TRUE(ajustada.notaVazoesNulas.isEmpty());
    }
}

// Classical analysis of the same zeros: the fits see them as ordinary values.
TEST(VazoesNulas, ClassicaContaOsZerosSemAjustar) {
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos(comZeros(24, 6)), false, 10);
    EXPECT_EQ(a.eventosNulos, 6);
    EXPECT_FALSE(a.p0);
    EXPECT_EQ(linha(a, "Weibull").NEventos, 30.0);
}

// A river dry in every year, or in most: the T-year minimum is zero with that reason, whether or
// not the few non-zero minima can be fitted; classically nothing can be fitted.
TEST(VazoesNulas, RioSecoNaMaioriaDosAnosDaVazaoNula) {
    for (const std::vector<double>& x : {std::vector<double>(8, 0.0),
                                         std::vector<double>{0, 0, 0, 0.4, 0, 0, 0.7, 0}}) {
        const AnaliseDistribuicoes a = condicional(x, 10);
        EXPECT_TRUE(a.periodoNaMassaNula);
        ASSERT_GT(a.melhorLinha, 0);
        for (const LinhaDistribuicao& l : linhasDoPeriodoEscolhido(a.linhas)) {
            EXPECT_EQ(l.ValorEvento, 0.0);
            EXPECT_TRUE(l.admissivel());
            EXPECT_TRUE(l.massaNula);
        }
    }
    const AnaliseDistribuicoes classica =
        calcularDistribuicoes(eventos(std::vector<double>(8, 0.0)), false, 10);
    EXPECT_EQ(classica.melhorLinha, -1);
    EXPECT_TRUE(classica.avisos.contains(QString::fromUtf8(
        "3) Nenhuma distribuição pôde ser ajustada: todos os eventos são iguais a zero, sem "
        "variância para estimar os parâmetros.")))
        << classica.avisos.join(u'|').toStdString();
}

// Between 1/T = p0 and the zero mass, the fits of the non-zero events are read far in their tail:
// a negative flow there is no result, and the curve never rises again toward the zero mass.
TEST(VazoesNulas, NenhumaVazaoNegativaNemCurvaForaDeOrdem) {
    // An intermittent creek: 3 dry years among 13, p0 = 0,2308, and skewed small minima. T = 4
    // reads the fits at T' = (1 − p0) / (1/4 − p0) = 40 years, deep in their lower tails.
    const std::vector<double> x = {0.006, 0.008, 0,     0.010, 0.012, 0.015, 0,
                                   0.020, 0.023, 0.500, 0.009, 0,     0.011};
    const AnaliseDistribuicoes a = condicional(x, 4);
    int negativas = 0;
    for (const LinhaDistribuicao& l : a.linhas) {
        if (l.Erro == 0 && l.ValorEvento < 0) {
            ++negativas;
            EXPECT_EQ(l.inadmissao, Inadmissao::VazaoNegativa);
        }
        if (!l.admissivel()) continue;
        EXPECT_GE(l.ValorEvento, 0.0) << l.NomeDistribuicao.toStdString() << l.PeriodoRetorno;
    }
    EXPECT_GT(negativas, 0); // the sample does reach below zero
    for (int k = 0; k < 5; ++k) {
        std::optional<double> anterior;
        for (std::size_t i = static_cast<std::size_t>(k); i < a.linhas.size(); i += 5) {
            const LinhaDistribuicao& l = a.linhas[i];
            if (!l.admissivel()) continue;
            if (anterior) {
                EXPECT_LE(l.ValorEvento, *anterior) << l.NomeDistribuicao.toStdString();
            }
            anterior = l.ValorEvento;
        }
    }
    const auto melhor = std::find_if(a.linhas.begin(), a.linhas.end(),
                                     [&](const LinhaDistribuicao& l) { return l.id == a.melhorLinha; });
    ASSERT_NE(melhor, a.linhas.end());
    EXPECT_TRUE(melhor->admissivel());
}

TEST(VazoesNulas, ContaEventosNulos) {
    std::vector<EventoDistribuicao> e = eventos({0.0, 1.5, 0.0, 2.0});
    e.push_back({QStringLiteral("x"), std::nullopt, 4});
    EXPECT_EQ(contarEventosNulos(e), 2);
    EXPECT_EQ(contarEventosNulos(eventos(kMinimas)), 0);
}

} // namespace
