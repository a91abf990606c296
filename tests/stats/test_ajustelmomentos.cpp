// Fits by L-moments: every fitted distribution's L-moments, integrated from its quantile function
// (quadratura.h), equal the sample's; the refits with the lower bound at zero keep λ1 and λ2 and
// put the bound at zero; the conditions that make a fit impossible are named.
#include "amostras.h"
#include "quadratura.h"

#include "stats/ajustelmomentos.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::lmomentosPorQuantil;
using corvel::teste::relativo;

namespace {

struct Caso {
    Distribuicao d;
    bool maximos;
    // Relative tolerance on τ3: 1e-9 for the exact solutions; the Pearson III and log-normal
    // shapes come from Hosking's rational approximations (errors near 10⁻⁵ and 10⁻⁶ on τ3).
    double toleranciaT3;
};

const Caso kCasos[] = {
    {Distribuicao::Gumbel, true, -1},
    {Distribuicao::GEV, true, 1e-9},
    {Distribuicao::LogisticaGeneralizada, true, 1e-9},
    {Distribuicao::ParetoGeneralizada, true, 1e-9},
    {Distribuicao::Pearson3, true, 1e-4},
    {Distribuicao::Lognormal2, true, -1},
    {Distribuicao::Lognormal3, true, 1e-5},
    {Distribuicao::Weibull, false, 1e-9},
    {Distribuicao::Gumbel, false, -1},
    {Distribuicao::GumbelMinimos, false, -1},
    {Distribuicao::Pearson3, false, 1e-4},
    {Distribuicao::GEV, false, 1e-9},
    {Distribuicao::LogisticaGeneralizada, false, 1e-9},
};

TEST(AjusteLMomentos, OsLMomentosDoAjusteSaoOsDaAmostra) {
    for (const Caso& c : kCasos) {
        const auto& amostra = c.maximos ? kMaximas : kMinimas;
        const LMomentos l = lmomentosAmostrais(amostra);
        const AjusteFrequencia a = ajustarLMomentos(amostra, c.d, c.maximos);
        const QString nome = nomeDistribuicao(c.d);
        ASSERT_TRUE(a.valido()) << nome.toStdString() << ": " << a.falha.toStdString();
        const auto e = lmomentosPorQuantil([&](double F) { return quantil(*a.parametros, F); });
        // The quadrature itself is good to about 1e-9 (it stops at 1 − F = 10⁻¹⁵).
        EXPECT_TRUE(relativo(e[0], l.l1, 1e-8)) << nome.toStdString();
        EXPECT_TRUE(relativo(e[1], l.l2, 1e-8)) << nome.toStdString();
        // A minima fit refitted with its bound at zero keeps λ1 and λ2 only.
        if (a.limiteZerado) {
            EXPECT_NEAR(limiteInferior(*a.parametros), 0, 1e-12) << nome.toStdString();
        } else if (c.toleranciaT3 > 0) {
            EXPECT_NEAR(e[2], l.t3, c.toleranciaT3) << nome.toStdString();
        }
        // The kernel's own L-moments of the fit tell the same (the Pearson III's by Hosking's
        // rational approximations of τ3 and τ4, good to about 10⁻⁷).
        const LMomentosTeoricos t = lmomentos(*a.parametros);
        EXPECT_TRUE(relativo(t.l1, e[0], 1e-8)) << nome.toStdString();
        EXPECT_TRUE(relativo(t.l2, e[1], 1e-8)) << nome.toStdString();
        EXPECT_NEAR(t.t3, e[2], 2e-7) << nome.toStdString();
        EXPECT_NEAR(t.t4, e[3], 2e-7) << nome.toStdString();
    }
}

// The log-Pearson III matches the L-moments of ln x.
TEST(AjusteLMomentos, LogPearson3PelosLogaritmos) {
    std::vector<double> logs;
    for (double x : kMaximas)
        logs.push_back(std::log(x));
    const LMomentos l = lmomentosAmostrais(logs);
    const AjusteFrequencia a = ajustarLMomentos(kMaximas, Distribuicao::LogPearson3, true);
    ASSERT_TRUE(a.valido());
    const auto e =
        lmomentosPorQuantil([&](double F) { return std::log(quantil(*a.parametros, F)); });
    EXPECT_TRUE(relativo(e[0], l.l1, 1e-10));
    EXPECT_TRUE(relativo(e[1], l.l2, 1e-9));
    EXPECT_NEAR(e[2], l.t3, 1e-4);
}

// Quantiles read the right side: the maxima's T-year event has F = 1 − 1/T, the minima's F = 1/T,
// and for the Gumbel, F(x_T) checked through the closed-form distribution function.
TEST(AjusteLMomentos, LadoDoEventoDeRetorno) {
    const AjusteFrequencia maxima = ajustarLMomentos(kMaximas, Distribuicao::Gumbel, true);
    const AjusteFrequencia minima = ajustarLMomentos(kMinimas, Distribuicao::Gumbel, false);
    const auto& g = std::get<ParametrosGumbel>(*maxima.parametros);
    EXPECT_NEAR(std::exp(-std::exp(-(maxima.evento(100) - g.xi) / g.alfa)), 0.99, 1e-14);
    const auto& h = std::get<ParametrosGumbel>(*minima.parametros);
    EXPECT_NEAR(std::exp(-std::exp(-(minima.evento(100) - h.xi) / h.alfa)), 0.01, 1e-14);
    EXPECT_GT(maxima.evento(100), maxima.evento(10));
    EXPECT_LT(minima.evento(100), minima.evento(10));
}

// The exact GEV shape against Hosking's two-term approximation k ≈ 7.8590c + 2.9554c²
// (c = 2/(3 + τ3) − ln 2/ln 3), which is good to 9·10⁻⁴ for −0.5 < τ3 < 0.5: close to it, but the
// exact τ3 relation holds to rounding, checked by the tabulated GEV values τ3(−0.2) and τ3(0.2)
// computed here from 3^−k and 2^−k directly.
TEST(AjusteLMomentos, FormaDaGEVPelaRelacaoExata) {
    for (double k : {-0.9, -0.4, -0.2, 0.0, 0.2, 0.5, 2.0, 8.0}) {
        const double t3 = k == 0 ? 2 * std::log(3.0) / std::log(2.0) - 3
                                 : 2 * (1 - std::pow(3.0, -k)) / (1 - std::pow(2.0, -k)) - 3;
        EXPECT_NEAR(formaGEV(t3), k, 1e-10 * (1 + std::fabs(k))) << k;
        if (std::fabs(t3) < 0.5) {
            const double c = 2 / (3 + t3) - std::log(2.0) / std::log(3.0);
            EXPECT_NEAR(7.8590 * c + 2.9554 * c * c, k, 9e-4);
        }
    }
    EXPECT_TRUE(std::isnan(formaGEV(1)));
    EXPECT_TRUE(std::isnan(formaGEV(-1.2)));
}

// A minima sample whose three-parameter fits put the lower bound below zero: each is refitted
// with the bound at zero, keeping λ1 and λ2 of the sample.
TEST(AjusteLMomentos, MinimasComLimiteAbaixoDeZeroSaoReajustadasEmZero) {
    const std::vector<double> minimas = {0.8, 2.9, 1.4, 3.6, 0.3, 2.2, 1.9, 4.4, 1.1, 2.6,
                                         3.1, 0.6, 1.7, 2.4, 5.0, 1.3, 2.0, 0.9, 3.3, 1.6};
    const LMomentos l = lmomentosAmostrais(minimas);
    for (Distribuicao d : {Distribuicao::Weibull, Distribuicao::Lognormal3, Distribuicao::Pearson3,
                           Distribuicao::GEV, Distribuicao::LogisticaGeneralizada}) {
        const QString nome = nomeDistribuicao(d);
        const AjusteFrequencia livre = ajustarLMomentos(minimas, d, false, false);
        ASSERT_TRUE(livre.valido() || d == Distribuicao::Lognormal3) << nome.toStdString();
        if (livre.valido()) {
            EXPECT_LT(limiteInferior(*livre.parametros), 0) << nome.toStdString();
        }
        const AjusteFrequencia a = ajustarLMomentos(minimas, d, false);
        ASSERT_TRUE(a.valido()) << nome.toStdString() << a.falha.toStdString();
        EXPECT_TRUE(a.limiteZerado);
        EXPECT_EQ(a.parametrosLivres(), 2);
        EXPECT_NEAR(limiteInferior(*a.parametros), 0, 1e-12) << nome.toStdString();
        EXPECT_NEAR(quantil(*a.parametros, 0), 0, 1e-9) << nome.toStdString();
        const auto e = lmomentosPorQuantil([&](double F) { return quantil(*a.parametros, F); });
        // Fréchet-like heavy tails (the GEV with its bound at zero) leave the quadrature 10⁻⁷.
        EXPECT_TRUE(relativo(e[0], l.l1, 1e-7)) << nome.toStdString();
        EXPECT_TRUE(relativo(e[1], l.l2, 1e-7)) << nome.toStdString();
        // Maxima keep the free bound.
        EXPECT_FALSE(ajustarLMomentos(minimas, d, true).limiteZerado);
    }
}

TEST(AjusteLMomentos, CondicoesQueImpedemOAjuste) {
    const std::vector<double> iguais = {3, 3, 3, 3, 3};
    const std::vector<double> dois = {1, 2};
    const std::vector<double> comZero = {0, 1, 2, 3, 5};
    // L-skewness −0,51: a long lower tail.
    const std::vector<double> assimetriaNegativa = {10, 9, 8.5, 9.5, 7, 9.8, 9.2, 4, 9.9, 8.8};
    const std::vector<double> negativos = {-5, -1, -3, -2, -4, -2.5};
    const struct {
        const std::vector<double>* amostra;
        Distribuicao d;
        bool maximos;
        const char* falha;
    } casos[] = {
        {&iguais, Distribuicao::GEV, true, "amostra sem dispersão (l2 ≤ 0)"},
        {&iguais, Distribuicao::Gumbel, false, "amostra sem dispersão (l2 ≤ 0)"},
        {&dois, Distribuicao::Pearson3, true, "menos de 3 eventos"},
        {&comZero, Distribuicao::LogPearson3, true, "evento nulo ou negativo: sem logaritmo"},
        {&assimetriaNegativa, Distribuicao::Weibull, false,
         "L-assimetria ≤ −0,1699: a Weibull não tem limite inferior"},
        {&assimetriaNegativa, Distribuicao::Lognormal3, true,
         "L-assimetria não positiva: a Lognormal 3 exige t3 > 0"},
        {&negativos, Distribuicao::Lognormal2, true,
         "média não positiva: sem ajuste com limite inferior em zero"},
        {&negativos, Distribuicao::Pearson3, false,
         "média não positiva: sem ajuste com limite inferior em zero"},
    };
    for (const auto& c : casos) {
        const AjusteFrequencia a = ajustarLMomentos(*c.amostra, c.d, c.maximos);
        EXPECT_FALSE(a.valido()) << c.falha;
        EXPECT_EQ(a.falha.toStdString(), c.falha);
        EXPECT_TRUE(std::isnan(a.evento(100)));
    }
}

TEST(AjusteLMomentos, Nomes) {
    const char* nomes[] = {"Weibull",
                           "Gumbel",
                           "Gumbel de mínimos",
                           "GEV",
                           "Logística generalizada",
                           "Pareto generalizada",
                           "Pearson 3",
                           "Logpearson 3",
                           "Lognormal 2",
                           "Lognormal 3"};
    for (int i = 0; i < kNumeroDistribuicoes; ++i)
        EXPECT_EQ(nomeDistribuicao(static_cast<Distribuicao>(i)).toStdString(), nomes[i]);
}

} // namespace
