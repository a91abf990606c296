// Parameters from sample L-moments: Hosking and Wallis (1997), Appendix A, for each distribution;
// the Weibull as the GEV of the negated sample, as the WMO low-flow guidance fits it.
#include "ajustelmomentos.h"

#include "especiais.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Tentativa {
    std::optional<Parametros> parametros;
    QString falha;
    // The sample asks for a member of the family without a lower bound (a log-normal of −x):
    // minima take the refit with the bound at zero.
    bool semLimiteInferior = false;
};

Tentativa falhou(const QString& motivo) {
    return {std::nullopt, motivo};
}

// Pearson III from λ1, λ2, τ3 by Hosking's rational approximation of the gamma shape α from |τ3|
// (Hosking and Wallis 1997, A.9; relative error below 10⁻⁴ over the whole range).
ParametrosPearson3 pearson3(double l1, double l2, double t3) {
    const double t = std::fabs(t3);
    if (t < 1e-6) return {l1, l2 * std::sqrt(std::numbers::pi), 0};
    double alfa;
    if (t >= 1.0 / 3) {
        const double z = 1 - t;
        alfa = z * (0.36067 + z * (-0.59567 + z * 0.25361)) /
               (1 + z * (-2.78861 + z * (2.56096 + z * -0.77045)));
    } else {
        const double z = 3 * std::numbers::pi * t * t;
        alfa = (1 + 0.2906 * z) / (z * (1 + z * (0.1882 + z * 0.0442)));
    }
    const double raiz = std::sqrt(alfa);
    const double beta =
        std::sqrt(std::numbers::pi) * l2 * std::exp(std::lgamma(alfa) - std::lgamma(alfa + 0.5));
    return {l1, beta * raiz, t3 > 0 ? 2 / raiz : -2 / raiz};
}

// Generalized normal, as a three-parameter log-normal: Hosking's rational approximation of the
// shape k from τ3 (Hosking and Wallis 1997, A.8), valid for |τ3| < 0.95. The log-normal has
// σ = −k; a positive k is its mirror image, a log-normal of −x, which is outside this family.
Tentativa lognormal3(double l1, double l2, double t3) {
    if (!(std::fabs(t3) < 0.95))
        return falhou(QStringLiteral("L-assimetria fora do domínio da aproximação (|t3| < 0,95)"));
    if (!(t3 > 0)) {
        Tentativa t =
            falhou(QStringLiteral("L-assimetria não positiva: a Lognormal 3 exige t3 > 0"));
        t.semLimiteInferior = true;
        return t;
    }
    const double tt = t3 * t3;
    const double k = -t3 * (2.0466534 + tt * (-3.6544371 + tt * (1.8396733 + tt * -0.20360244))) /
                     (1 + tt * (-2.0182173 + tt * (1.2420401 + tt * -0.21741801)));
    const double e = std::exp(k * k / 2);
    const double alfa = l2 * k / (e * std::erf(k / 2));
    const double xi = l1 + alfa * (e - 1) / k;
    const double sigma = -k;
    return {ParametrosLognormal3{xi - alfa / sigma, std::log(alfa / sigma), sigma}, {}};
}

ParametrosGEV gev(double l1, double l2, double k) {
    if (k == 0) {
        const double alfa = l2 / std::numbers::ln2;
        return {l1 - std::numbers::egamma * alfa, alfa, 0};
    }
    const double lnGama = std::lgamma(1 + k);
    const double alfa = l2 * k / (std::exp(lnGama) * -std::expm1(-k * std::numbers::ln2));
    return {l1 + alfa * std::expm1(lnGama) / k, alfa, k};
}

Tentativa ajusteDireto(const LMomentos& l, Distribuicao d) {
    const double l1 = l.l1, l2 = l.l2, t3 = l.t3;
    if (!(l2 > 0)) return falhou(QStringLiteral("amostra sem dispersão (l2 ≤ 0)"));
    if (numeroParametros(d) == 3) {
        if (l.n < 3) return falhou(QStringLiteral("menos de 3 eventos"));
        if (!(std::fabs(t3) < 1))
            return falhou(QStringLiteral("L-assimetria fora do intervalo (−1; 1)"));
    }
    switch (d) {
    case Distribuicao::Gumbel: {
        const double alfa = l2 / std::numbers::ln2;
        return {ParametrosGumbel{l1 - std::numbers::egamma * alfa, alfa}, {}};
    }
    case Distribuicao::GumbelMinimos: {
        const double alfa = l2 / std::numbers::ln2;
        return {ParametrosGumbelMinimos{l1 + std::numbers::egamma * alfa, alfa}, {}};
    }
    case Distribuicao::GEV:
        return {gev(l1, l2, formaGEV(t3)), {}};
    case Distribuicao::Weibull: {
        // −X is a GEV with λ1 → −λ1, τ3 → −τ3; its shape must be positive for X to have a
        // lower bound.
        const double k = formaGEV(-t3);
        if (!(k > 0))
            return falhou(
                QStringLiteral("L-assimetria ≤ −0,1699: a Weibull não tem limite inferior"));
        const ParametrosGEV g = gev(-l1, l2, k);
        return {ParametrosWeibull{-g.xi - g.alfa / k, g.alfa / k, 1 / k}, {}};
    }
    case Distribuicao::LogisticaGeneralizada: {
        const double k = -t3;
        if (std::fabs(k) < 1e-6) return {ParametrosLogistica{l1, l2, 0}, {}};
        const double alfa = l2 * std::sin(k * std::numbers::pi) / (k * std::numbers::pi);
        return {
            ParametrosLogistica{
                l1 - alfa * (1 / k - std::numbers::pi / std::sin(k * std::numbers::pi)), alfa, k},
            {}};
    }
    case Distribuicao::ParetoGeneralizada: {
        const double k = (1 - 3 * t3) / (1 + t3);
        const double alfa = (1 + k) * (2 + k) * l2;
        return {ParametrosPareto{l1 - (2 + k) * l2, alfa, k}, {}};
    }
    case Distribuicao::Pearson3:
        return {pearson3(l1, l2, t3), {}};
    case Distribuicao::LogPearson3: {
        const ParametrosPearson3 p = pearson3(l1, l2, t3);
        return {ParametrosLogPearson3{p.mu, p.sigma, p.gama}, {}};
    }
    case Distribuicao::Lognormal2: {
        QString falha;
        auto p = ajustarLimiteZero(Distribuicao::Lognormal3, l1, l2, falha);
        if (!p) return falhou(falha);
        const auto& ln3 = std::get<ParametrosLognormal3>(*p);
        return {ParametrosLognormal2{ln3.mu, ln3.sigma}, {}};
    }
    case Distribuicao::Lognormal3:
        return lognormal3(l1, l2, t3);
    }
    return falhou(QStringLiteral("distribuição desconhecida"));
}

// Shape α of a gamma from its L-coefficient of variation r = λ2/λ1 = Γ(α + ½)/(√π Γ(α + 1)),
// which falls from 1 to 0 as α grows: bisection on ln α to rounding.
double formaGamaLCv(double r) {
    const double alvo = std::log(r) + 0.5 * std::log(std::numbers::pi);
    double baixo = -40, alto = 60; // ln α
    for (int i = 0; i < 200 && alto - baixo > 1e-15 * (1 + std::fabs(baixo)); ++i) {
        const double meio = (baixo + alto) / 2, a = std::exp(meio);
        (std::lgamma(a + 0.5) - std::lgamma(a + 1) > alvo ? baixo : alto) = meio;
    }
    return std::exp((baixo + alto) / 2);
}

} // namespace

double formaGEV(double t3) {
    if (!(t3 > -1 && t3 < 1)) return kNaN;
    // τ3(k) falls from 1 (k → −1) to −1 (k → ∞).
    double baixo = -1, alto = 60;
    const double c = 2 / (3 + t3) - std::numbers::ln2 / std::log(3.0);
    double k = 7.8590 * c + 2.9554 * c * c;
    if (!(k > baixo && k < alto)) k = 0;
    for (int it = 0; it < 100; ++it) {
        const double r = detalhe::t3GEV(k) - t3;
        if (r == 0) return k;
        (r > 0 ? baixo : alto) = k;
        const double h = 1e-6 * (1 + std::fabs(k));
        const double derivada = (detalhe::t3GEV(k + h) - detalhe::t3GEV(k - h)) / (2 * h);
        double proximo = k - r / derivada;
        if (!(proximo > baixo && proximo < alto)) proximo = (baixo + alto) / 2;
        const bool convergiu = std::fabs(proximo - k) <= 1e-14 * (1 + std::fabs(k));
        k = proximo;
        if (convergiu) break;
    }
    return k;
}

std::optional<Parametros> ajustarLimiteZero(Distribuicao d, double l1, double l2, QString& falha) {
    if (!(l1 > 0)) {
        falha = QStringLiteral("média não positiva: sem ajuste com limite inferior em zero");
        return std::nullopt;
    }
    const double r = l2 / l1;
    if (!(r > 0 && r < 1)) {
        falha = QStringLiteral("l2/l1 fora de (0; 1): sem ajuste com limite inferior em zero");
        return std::nullopt;
    }
    switch (d) {
    case Distribuicao::Weibull: {
        // λ2/λ1 = 1 − 2^(−1/δ), λ1 = β Γ(1 + 1/δ).
        const double inversoDelta = -std::log2(1 - r);
        return ParametrosWeibull{0, l1 / std::tgamma(1 + inversoDelta), 1 / inversoDelta};
    }
    case Distribuicao::Lognormal3: {
        // λ2/λ1 = erf(σ/2), λ1 = e^(μ + σ²/2).
        const double sigma = 2 * inversaErro(r);
        return ParametrosLognormal3{0, std::log(l1) - sigma * sigma / 2, sigma};
    }
    case Distribuicao::GEV: {
        // Bound ξ + α/k = 0: λ1 = ξ Γ(1 + k), λ2/λ1 = 2^−k − 1.
        const double k = -std::log2(1 + r);
        const double xi = l1 / std::tgamma(1 + k);
        return ParametrosGEV{xi, -k * xi, k};
    }
    case Distribuicao::LogisticaGeneralizada: {
        // Bound ξ + α/k = 0: λ1 = ξ kπ/sin(kπ), λ2/λ1 = −k.
        const double k = -r;
        const double xi = l1 * std::sin(k * std::numbers::pi) / (k * std::numbers::pi);
        return ParametrosLogistica{xi, -k * xi, k};
    }
    case Distribuicao::Pearson3: {
        // A gamma from the origin: λ1 = αβ.
        const double alfa = formaGamaLCv(r);
        const double beta = l1 / alfa;
        return ParametrosPearson3{l1, beta * std::sqrt(alfa), 2 / std::sqrt(alfa)};
    }
    default:
        falha = QStringLiteral("distribuição sem limite inferior ajustável");
        return std::nullopt;
    }
}

AjusteFrequencia ajustarLMomentos(const LMomentos& l, Distribuicao d, bool maximos,
                                  bool refazerLimite) {
    AjusteFrequencia a;
    a.distribuicao = d;
    a.metodo = MetodoAjuste::LMomentos;
    a.maximos = maximos;
    Tentativa t = ajusteDireto(l, d);
    const bool refazer = refazerLimite && !maximos && temLimiteInferiorAjustavel(d);
    if (!t.parametros && !(t.semLimiteInferior && refazer)) {
        a.falha = t.falha;
        return a;
    }
    if (refazer && (!t.parametros || limiteInferior(*t.parametros) < 0)) {
        QString falha;
        auto refeito = ajustarLimiteZero(d, l.l1, l.l2, falha);
        if (!refeito) {
            a.falha = falha;
            return a;
        }
        t.parametros = refeito;
        a.limiteZerado = true;
    }
    a.parametros = t.parametros;
    return a;
}

AjusteFrequencia ajustarLMomentos(std::span<const double> amostra, Distribuicao d, bool maximos,
                                  bool refazerLimite) {
    if (d != Distribuicao::LogPearson3)
        return ajustarLMomentos(lmomentosAmostrais(amostra), d, maximos, refazerLimite);
    std::vector<double> logaritmos;
    logaritmos.reserve(amostra.size());
    for (const double x : amostra) {
        if (!(x > 0)) {
            AjusteFrequencia a;
            a.distribuicao = d;
            a.maximos = maximos;
            a.falha = QStringLiteral("evento nulo ou negativo: sem logaritmo");
            return a;
        }
        logaritmos.push_back(std::log(x));
    }
    return ajustarLMomentos(lmomentosAmostrais(logaritmos), d, maximos, refazerLimite);
}

} // namespace corvel
