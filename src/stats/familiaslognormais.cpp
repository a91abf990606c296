// Two- and three-parameter log-normal distributions (Hosking and Wallis 1997, A.8, as the
// generalized normal).
#include "familias.h"

#include "especiais.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kLnRaiz2Pi = 0.5 * std::log(2 * std::numbers::pi);

double logDensidadeLognormal(double x, double zeta, double mu, double sigma) {
    if (!(x > zeta)) return -kInf;
    const double y = std::log(x - zeta);
    const double u = (y - mu) / sigma;
    return -y - std::log(sigma) - kLnRaiz2Pi - u * u / 2;
}

// λ1 = ζ + e^(μ + σ²/2), λ2 = e^(μ + σ²/2) erf(σ/2); τ3 and τ4 depend on σ alone and have no
// closed form: they come from the quadrature of e^(σu).
LMomentosTeoricos lmomentosLognormal(double zeta, double mu, double sigma) {
    const LMomentosTeoricos padrao =
        detalhe::lmomentosPorQuadratura([&](double u) { return std::exp(sigma * u); }, sigma);
    const double media = std::exp(mu + sigma * sigma / 2);
    return {zeta + media, media * std::erf(sigma / 2), padrao.t3, padrao.t4};
}

} // namespace

double ParametrosLognormal2::quantil(double F) const {
    return std::exp(mu + sigma * quantilNormal(F));
}
double ParametrosLognormal2::acumulada(double x) const {
    return x > 0 ? normalAcumulada((std::log(x) - mu) / sigma) : 0;
}
double ParametrosLognormal2::logDensidade(double x) const {
    return logDensidadeLognormal(x, 0, mu, sigma);
}
LMomentosTeoricos ParametrosLognormal2::lmomentos() const {
    return lmomentosLognormal(0, mu, sigma);
}

double ParametrosLognormal3::quantil(double F) const {
    return zeta + std::exp(mu + sigma * quantilNormal(F));
}
double ParametrosLognormal3::acumulada(double x) const {
    return x > zeta ? normalAcumulada((std::log(x - zeta) - mu) / sigma) : 0;
}
double ParametrosLognormal3::logDensidade(double x) const {
    return logDensidadeLognormal(x, zeta, mu, sigma);
}
LMomentosTeoricos ParametrosLognormal3::lmomentos() const {
    return lmomentosLognormal(zeta, mu, sigma);
}

} // namespace corvel
