// Maximum-likelihood fits: against closed forms where they exist (log-normal 2, Gumbel by its
// one-dimensional likelihood equation solved here by bisection), and for every other fit a zero
// gradient of the log-likelihood, computed here by central differences in the distribution's own
// parameters, and a likelihood above that of every nearby point.
#include "amostras.h"

#include "stats/verossimilhanca.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

// The free parameters of a fit as plain numbers, and the fit rebuilt from them: every parameter
// of the distribution, but for the generalized Pareto, whose bound is the smallest event, and the
// refits with the bound at zero, whose two free numbers keep that bound (written here from the
// distributions' definitions, not from the kernel's search space).
std::vector<double> livres(const AjusteFrequencia& a) {
    const Parametros& p = *a.parametros;
    if (a.limiteZerado) {
        switch (a.distribuicao) {
        case Distribuicao::Weibull:
            return {std::get<ParametrosWeibull>(p).beta, std::get<ParametrosWeibull>(p).delta};
        case Distribuicao::Lognormal3:
            return {std::get<ParametrosLognormal3>(p).mu, std::get<ParametrosLognormal3>(p).sigma};
        case Distribuicao::GEV:
            return {std::get<ParametrosGEV>(p).alfa, std::get<ParametrosGEV>(p).k};
        case Distribuicao::LogisticaGeneralizada:
            return {std::get<ParametrosLogistica>(p).alfa, std::get<ParametrosLogistica>(p).k};
        default: {
            const auto& q = std::get<ParametrosPearson3>(p); // a gamma of shape a, scale b
            return {4 / (q.gama * q.gama), q.sigma * q.gama / 2};
        }
        }
    }
    return std::visit(
        [](const auto& q) -> std::vector<double> {
            using T = std::decay_t<decltype(q)>;
            if constexpr (std::is_same_v<T, ParametrosWeibull>)
                return {q.zeta, q.beta, q.delta};
            else if constexpr (std::is_same_v<T, ParametrosGumbel> ||
                               std::is_same_v<T, ParametrosGumbelMinimos>)
                return {q.xi, q.alfa};
            else if constexpr (std::is_same_v<T, ParametrosLognormal2>)
                return {q.mu, q.sigma};
            else if constexpr (std::is_same_v<T, ParametrosLognormal3>)
                return {q.zeta, q.mu, q.sigma};
            else if constexpr (std::is_same_v<T, ParametrosPareto>)
                return {q.alfa, q.k};
            else if constexpr (requires { q.k; })
                return {q.xi, q.alfa, q.k};
            else
                return {q.mu, q.sigma, q.gama};
        },
        p);
}

Parametros comLivres(const AjusteFrequencia& a, const std::vector<double>& v) {
    Parametros p = *a.parametros;
    if (a.limiteZerado) {
        switch (a.distribuicao) {
        case Distribuicao::Weibull:
            return ParametrosWeibull{0, v[0], v[1]};
        case Distribuicao::Lognormal3:
            return ParametrosLognormal3{0, v[0], v[1]};
        case Distribuicao::GEV:
            return ParametrosGEV{-v[0] / v[1], v[0], v[1]};
        case Distribuicao::LogisticaGeneralizada:
            return ParametrosLogistica{-v[0] / v[1], v[0], v[1]};
        default:
            return ParametrosPearson3{v[0] * v[1], v[1] * std::sqrt(v[0]), 2 / std::sqrt(v[0])};
        }
    }
    std::visit(
        [&](auto& q) {
            using T = std::decay_t<decltype(q)>;
            if constexpr (std::is_same_v<T, ParametrosGumbel> ||
                          std::is_same_v<T, ParametrosGumbelMinimos> ||
                          std::is_same_v<T, ParametrosLognormal2>)
                q = {v[0], v[1]};
            else if constexpr (std::is_same_v<T, ParametrosPareto>)
                q = {q.xi, v[0], v[1]};
            else
                q = {v[0], v[1], v[2]};
        },
        p);
    return p;
}

TEST(Verossimilhanca, Lognormal2TemFormaFechada) {
    const AjusteFrequencia a =
        ajustarMaximaVerossimilhanca(kMaximas, Distribuicao::Lognormal2, true);
    ASSERT_TRUE(a.valido()) << a.falha.toStdString();
    double soma = 0, quadrados = 0;
    for (double x : kMaximas)
        soma += std::log(x);
    const double mu = soma / kMaximas.size();
    for (double x : kMaximas)
        quadrados += (std::log(x) - mu) * (std::log(x) - mu);
    const auto& p = std::get<ParametrosLognormal2>(*a.parametros);
    EXPECT_TRUE(relativo(p.mu, mu, 1e-9));
    EXPECT_TRUE(relativo(p.sigma, std::sqrt(quadrados / kMaximas.size()), 1e-7));
    EXPECT_EQ(a.metodo, MetodoAjuste::MaximaVerossimilhanca);
    EXPECT_GT(a.iteracoes, 0);
}

// The Gumbel's likelihood equations reduce to α = x̄ − Σx e^(−x/α) / Σe^(−x/α), then
// ξ = −α ln(Σe^(−x/α)/n); the left side minus the right changes sign once.
TEST(Verossimilhanca, GumbelPelaEquacaoDeUmaVariavel) {
    double media = 0;
    for (double x : kMaximas)
        media += x / kMaximas.size();
    auto residuo = [&](double alfa) {
        double s0 = 0, s1 = 0;
        for (double x : kMaximas) {
            const double e = std::exp(-(x - media) / alfa); // shifted by x̄ against overflow
            s0 += e;
            s1 += x * e;
        }
        return alfa - (media - s1 / s0);
    };
    double baixo = 1, alto = 5000;
    for (int i = 0; i < 200; ++i) {
        const double meio = (baixo + alto) / 2;
        (residuo(meio) < 0 ? baixo : alto) = meio;
    }
    const double alfa = (baixo + alto) / 2;
    double s0 = 0;
    for (double x : kMaximas)
        s0 += std::exp(-(x - media) / alfa);
    const double xi = media - alfa * std::log(s0 / kMaximas.size());

    const AjusteFrequencia a = ajustarMaximaVerossimilhanca(kMaximas, Distribuicao::Gumbel, true);
    ASSERT_TRUE(a.valido());
    const auto& p = std::get<ParametrosGumbel>(*a.parametros);
    // To the precision of the search: 10⁻⁷ of the scale.
    EXPECT_NEAR(p.alfa, alfa, 1e-7 * alfa);
    EXPECT_NEAR(p.xi, xi, 1e-7 * alfa);
}

struct CasoMV {
    Distribuicao d;
    bool maximos;
};

TEST(Verossimilhanca, GradienteNuloEMaximoLocal) {
    const CasoMV casos[] = {
        {Distribuicao::GEV, true},
        {Distribuicao::LogisticaGeneralizada, true},
        {Distribuicao::ParetoGeneralizada, true},
        {Distribuicao::Pearson3, true},
        {Distribuicao::LogPearson3, true},
        {Distribuicao::Lognormal3, true},
        {Distribuicao::GumbelMinimos, false},
        {Distribuicao::Weibull, false},
        {Distribuicao::Pearson3, false},
        {Distribuicao::GEV, false},
        {Distribuicao::LogisticaGeneralizada, false},
        {Distribuicao::Gumbel, false},
        {Distribuicao::Lognormal3, false},
    };
    int refeitos = 0;
    for (const CasoMV& c : casos) {
        const auto& amostra = c.maximos ? kMaximas : kMinimas;
        const std::string nome = nomeDistribuicao(c.d).toStdString();
        const AjusteFrequencia a = ajustarMaximaVerossimilhanca(amostra, c.d, c.maximos);
        ASSERT_TRUE(a.valido()) << nome << ": " << a.falha.toStdString();
        refeitos += a.limiteZerado;
        if (a.limiteZerado) {
            EXPECT_NEAR(limiteInferior(*a.parametros), 0, 1e-9) << nome;
        }
        const std::vector<double> v = livres(a);
        const double ll = logVerossimilhanca(*a.parametros, amostra);
        // Steps relative to each parameter, or to the scale for a location near zero.
        const double referencia = std::fabs(v[1]);
        for (std::size_t i = 0; i < v.size(); ++i) {
            const double unidade = std::max(std::fabs(v[i]), 1e-2 * referencia);
            const double h = 1e-5 * unidade;
            auto mais = v, menos = v;
            mais[i] += h;
            menos[i] -= h;
            const double lm = logVerossimilhanca(comLivres(a, mais), amostra);
            const double ln = logVerossimilhanca(comLivres(a, menos), amostra);
            // d ln L / d ln θ: zero to the search's precision (the curvature is about n = 30 per
            // unit of ln θ, so 1e-4 puts each parameter within a few 10⁻⁶ of its maximum).
            EXPECT_NEAR((lm - ln) / (2 * h) * unidade, 0, 1e-4) << nome << " parâmetro " << i;
            for (double passo : {1e-3, -1e-3}) {
                auto perto = v;
                perto[i] += passo * unidade;
                EXPECT_LT(logVerossimilhanca(comLivres(a, perto), amostra), ll)
                    << nome << " parâmetro " << i;
            }
        }
    }
    EXPECT_GE(refeitos, 2); // the minima include refits with the bound at zero
}

// A sample piled against its smallest value: the three-parameter Weibull's likelihood grows
// without bound as ζ reaches that value with δ < 1, and the fit says so instead of giving numbers.
TEST(Verossimilhanca, VerossimilhancaIlimitadaEReportada) {
    const std::vector<double> amostra = {5.00, 5.001, 5.004, 5.01, 5.02, 5.05, 5.1, 5.2,
                                         5.4,  5.8,   6.5,   7.9,  9.5,  12.0, 16.0};
    const AjusteFrequencia a = ajustarMaximaVerossimilhanca(amostra, Distribuicao::Weibull, false);
    EXPECT_FALSE(a.valido());
    EXPECT_TRUE(a.falha.startsWith(QStringLiteral(
        "verossimilhança ilimitada: o limite da distribuição encosta no evento extremo (")))
        << a.falha.toStdString();
    EXPECT_TRUE(a.falha.endsWith(QStringLiteral(" iterações)")));
    EXPECT_GT(a.iteracoes, 0);
    EXPECT_TRUE(std::isnan(a.evento(10)));
}

} // namespace
