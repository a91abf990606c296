// Goodness of fit: the statistics of given distributions against mpmath evaluations of their
// definitions (referencias_aderencia.py), exact values for samples placed on the quantiles, the
// ratio diagram against the distributions' known points, and the choice of the best fit.
#include "amostras.h"

#include "stats/aderencia.h"
#include "stats/ajustelmomentos.h"
#include "stats/diagramalmomentos.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

AjusteFrequencia dado(Parametros p, bool maximos) {
    AjusteFrequencia a;
    a.distribuicao = distribuicao(p);
    a.maximos = maximos;
    a.parametros = p;
    return a;
}

TEST(Aderencia, EstatisticasContraMpmath) {
    const struct {
        Parametros p;
        bool maximos;
        double ppcc, ad, ks, ll;
    } casos[] = {
        {ParametrosGEV{750, 250, -0.1}, true, 0.99298405627976643, 0.44967650783328829,
         0.099357416430814463, -210.07271334115196},
        {ParametrosGumbel{780, 230}, true, 0.98308612364359248, 0.7687293537356639,
         0.13616692706987863, -210.12691384946259},
        {ParametrosWeibull{5, 9.5, 3.2}, false, 0.99786409298176918, 0.10899404540827278,
         0.056257273463343385, -72.109033885070545},
    };
    for (const auto& c : casos) {
        const auto& amostra = c.maximos ? kMaximas : kMinimas;
        const AjusteFrequencia a = dado(c.p, c.maximos);
        const Aderencia r = aderencia(amostra, a);
        const std::string nome = nomeDistribuicao(a.distribuicao).toStdString();
        EXPECT_TRUE(relativo(r.ppcc, c.ppcc, 1e-13)) << nome;
        EXPECT_TRUE(relativo(r.andersonDarling, c.ad, 1e-12)) << nome;
        EXPECT_TRUE(relativo(r.kolmogorovSmirnov, c.ks, 1e-13)) << nome;
        EXPECT_TRUE(relativo(r.logVerossimilhanca, c.ll, 1e-13)) << nome;
        const int p = numeroParametros(a.distribuicao);
        EXPECT_DOUBLE_EQ(r.aic, -2 * c.ll + 2 * p);
        EXPECT_NEAR(r.bic, -2 * c.ll + p * std::log(30.0), 1e-11);
    }
}

// A sample at x((i − ½)/n) has D = 1/(2n) exactly; one at Filliben's positions has PPCC 1.
TEST(Aderencia, AmostrasSobreOsQuantis) {
    const ParametrosGEV g{100, 30, 0.2};
    const int n = 25;
    std::vector<double> meios, filliben;
    for (int i = 1; i <= n; ++i) {
        meios.push_back(g.quantil((i - 0.5) / n));
        filliben.push_back(g.quantil(posicaoFilliben(i, n)));
    }
    EXPECT_NEAR(aderencia(meios, dado(g, true)).kolmogorovSmirnov, 0.5 / n, 1e-14);
    EXPECT_NEAR(aderencia(filliben, dado(g, true)).ppcc, 1, 1e-15);
    // Filliben's positions: m_n = 0.5^(1/n), symmetric, (i − 0.3175)/(n + 0.365) between.
    EXPECT_DOUBLE_EQ(posicaoFilliben(n, n), std::pow(0.5, 1.0 / n));
    EXPECT_DOUBLE_EQ(posicaoFilliben(1, n), 1 - std::pow(0.5, 1.0 / n));
    EXPECT_DOUBLE_EQ(posicaoFilliben(13, n), (13 - 0.3175) / (n + 0.365));
}

// An event outside the fitted support: A² and the log-likelihood say so, the fit is never best.
TEST(Aderencia, EventoForaDoSuporte) {
    const AjusteFrequencia a = dado(ParametrosWeibull{9.0, 5, 2}, false); // kMinimas has 8,9
    const Aderencia r = aderencia(kMinimas, a);
    EXPECT_TRUE(std::isinf(r.andersonDarling));
    EXPECT_TRUE(std::isinf(r.aic));
    const AjusteFrequencia b = dado(ParametrosWeibull{5, 9.5, 3.2}, false);
    const std::vector<AjusteFrequencia> ajustes = {a, b};
    const std::vector<Aderencia> aderencias = {r, aderencia(kMinimas, b)};
    for (CriterioEscolha c :
         {CriterioEscolha::AndersonDarling, CriterioEscolha::AIC, CriterioEscolha::BIC})
        EXPECT_EQ(melhorAjuste(ajustes, aderencias, c), 1u) << nomeCriterio(c).toStdString();
}

// The best fit by each criterion over the L-moment fits of the maxima; the criterion decides,
// a failed fit never wins, and the first of equals is kept.
TEST(Aderencia, EscolhaDoMelhorAjuste) {
    std::vector<AjusteFrequencia> ajustes;
    std::vector<Aderencia> aderencias;
    for (Distribuicao d : distribuicoesMaximos()) {
        ajustes.push_back(ajustarLMomentos(kMaximas, d, true));
        aderencias.push_back(aderencia(kMaximas, ajustes.back()));
    }
    const auto melhor = melhorAjuste(ajustes, aderencias);
    ASSERT_TRUE(melhor);
    for (std::size_t i = 0; i < ajustes.size(); ++i)
        EXPECT_LE(aderencias[i].ppcc, aderencias[*melhor].ppcc);
    const auto porAic = melhorAjuste(ajustes, aderencias, CriterioEscolha::AIC);
    for (std::size_t i = 0; i < ajustes.size(); ++i)
        EXPECT_GE(aderencias[i].aic, aderencias[*porAic].aic);
    // The sample's and the fit's L-ratios: the three-parameter fits reproduce t3.
    EXPECT_NEAR(aderencias[1].t3Ajuste, aderencias[1].t3Amostra, 1e-12); // GEV

    AjusteFrequencia falho = ajustes[*melhor];
    falho.parametros.reset();
    std::vector<AjusteFrequencia> dois = {falho, ajustes[*melhor], ajustes[*melhor]};
    std::vector<Aderencia> ad = {aderencias[*melhor], aderencias[*melhor], aderencias[*melhor]};
    EXPECT_EQ(melhorAjuste(dois, ad), 1u);
    EXPECT_FALSE(melhorAjuste(std::span<const AjusteFrequencia>(dois.data(), 1),
                              std::span<const Aderencia>(ad.data(), 1)));
    EXPECT_EQ(nomeCriterio(CriterioEscolha::KolmogorovSmirnov).toStdString(), "Kolmogorov-Smirnov");
}

// Known points of the diagram (Hosking and Wallis 1997, 2.5): the Gumbel at (0.1699, 0.1504);
// the normal (Pearson III at τ3 = 0) at τ4 = 0.1226; the exponential (Pearson III of shape 1) at
// (1/3, 1/6); the logistic at (0, 1/6); the uniform (generalized Pareto k = 1) at (0, 0).
TEST(Aderencia, DiagramaDeRazoesPassaPelosPontosConhecidos) {
    const std::vector<Distribuicao> todas = {Distribuicao::Gumbel,
                                             Distribuicao::GumbelMinimos,
                                             Distribuicao::GEV,
                                             Distribuicao::Weibull,
                                             Distribuicao::LogisticaGeneralizada,
                                             Distribuicao::ParetoGeneralizada,
                                             Distribuicao::Pearson3,
                                             Distribuicao::Lognormal3,
                                             Distribuicao::LogPearson3};
    const DiagramaRazoes r = diagramaRazoesLMomentos(kMaximas, todas);
    const LMomentos l = lmomentosAmostrais(kMaximas);
    EXPECT_DOUBLE_EQ(r.amostra.t3, l.t3);
    EXPECT_DOUBLE_EQ(r.amostra.t4, l.t4);
    ASSERT_EQ(r.curvas.size(), todas.size() - 1); // no curve for the log-Pearson III
    auto t4Em = [&](Distribuicao d, double t3) {
        for (const CurvaRazoes& c : r.curvas)
            if (c.distribuicao == d)
                for (const PontoRazoes& p : c.pontos)
                    if (std::fabs(p.t3 - t3) < 2e-5) return p.t4;
        return std::nan("");
    };
    EXPECT_NEAR(r.curvas[0].pontos.at(0).t3, 0.1699, 5e-5);
    EXPECT_NEAR(r.curvas[0].pontos.at(0).t4, 0.1504, 5e-5);
    EXPECT_NEAR(r.curvas[1].pontos.at(0).t3, -0.1699, 5e-5);
    EXPECT_NEAR(t4Em(Distribuicao::Pearson3, 0), 0.1226, 5e-5);
    EXPECT_NEAR(t4Em(Distribuicao::LogisticaGeneralizada, 0), 1.0 / 6, 1e-12);
    EXPECT_NEAR(t4Em(Distribuicao::ParetoGeneralizada, 0), 0.0, 1e-12); // τ3 = 0: k = 1, uniform
    // The GEV passes through the Gumbel point; the Weibull mirrors the GEV.
    EXPECT_NEAR(t4Em(Distribuicao::GEV, 0.0), t4Em(Distribuicao::Weibull, 0.0), 1e-12);
    EXPECT_NEAR(t4Em(Distribuicao::GEV, 0.1), t4Em(Distribuicao::Weibull, -0.1), 1e-12);
    // τ4 at τ3 = 0.2 by mpmath quadrature (referencias_aderencia.py); the log-normal's point
    // sits at the τ3 of Hosking's shape approximation, within 10⁻⁵ of 0.2.
    EXPECT_NEAR(t4Em(Distribuicao::GEV, 0.2), 0.162917756961, 1e-10);
    EXPECT_NEAR(t4Em(Distribuicao::LogisticaGeneralizada, 0.2), 0.2, 1e-12);
    EXPECT_NEAR(t4Em(Distribuicao::ParetoGeneralizada, 0.2), 0.0769230769231, 1e-12);
    EXPECT_NEAR(t4Em(Distribuicao::Lognormal3, 0.2), 0.154110207835, 5e-6);
    // The exponential on the Pearson III's curve: shape 1 (γ = 2) gives τ3 = 1/3, τ4 = 1/6.
    const LMomentosTeoricos exponencial = ParametrosPearson3{0, 1, 2}.lmomentos();
    EXPECT_NEAR(exponencial.t3, 1.0 / 3, 1e-6);
    EXPECT_NEAR(exponencial.t4, 1.0 / 6, 1e-6);
}

} // namespace
