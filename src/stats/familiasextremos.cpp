// Extreme-value distributions: GEV, Gumbel, Gumbel of minima and Weibull (Hosking and Wallis 1997,
// A.4 and A.5; Hosking, Wallis and Wood 1985 for the GEV).
#include "familias.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kEuler = std::numbers::egamma;
const double kLn2 = std::numbers::ln2;
// τ3 and τ4 of the Gumbel: 2 log2 3 − 3 and 16 − 10 log2 3.
const double kT3Gumbel = 2 * std::log2(3.0) - 3;
const double kT4Gumbel = 16 - 10 * std::log2(3.0);

// 1 − c^(−k), accurate for small k.
double umMenosPotencia(double c, double k) {
    return -std::expm1(-k * std::log(c));
}

// Reduced variate y of the GEV family, y = −ln(1 − k z)/k (z when k = 0); NaN outside the support.
double variavelReduzida(double z, double k) {
    if (k == 0) return z;
    const double u = -k * z;
    if (!(u > -1)) return std::numeric_limits<double>::quiet_NaN();
    return -std::log1p(u) / k;
}

} // namespace

namespace detalhe {

double t3GEV(double k) {
    if (k == 0) return kT3Gumbel;
    return 2 * umMenosPotencia(3, k) / umMenosPotencia(2, k) - 3;
}

double t4GEV(double k) {
    if (k == 0) return kT4Gumbel;
    return (5 * umMenosPotencia(4, k) - 10 * umMenosPotencia(3, k) + 6 * umMenosPotencia(2, k)) /
           umMenosPotencia(2, k);
}

} // namespace detalhe

// --- GEV ---

double ParametrosGEV::quantil(double F) const {
    const double y = -std::log(-std::log(F)); // Gumbel reduced variate
    if (k == 0) return xi + alfa * y;
    return xi - alfa * std::expm1(-k * y) / k;
}

double ParametrosGEV::acumulada(double x) const {
    const double z = (x - xi) / alfa;
    const double y = variavelReduzida(z, k);
    if (std::isnan(y)) return k > 0 ? 1 : 0; // beyond the upper (k > 0) or below the lower bound
    return std::exp(-std::exp(-y));
}

double ParametrosGEV::logDensidade(double x) const {
    const double y = variavelReduzida((x - xi) / alfa, k);
    if (std::isnan(y)) return -kInf;
    return -std::log(alfa) - (1 - k) * y - std::exp(-y);
}

LMomentosTeoricos ParametrosGEV::lmomentos() const {
    if (k == 0) return {xi + kEuler * alfa, alfa * kLn2, kT3Gumbel, kT4Gumbel};
    // (1 − Γ(1 + k))/k and Γ(1 + k)(1 − 2^−k)/k stay accurate as k → 0 through expm1.
    const double lnGama = std::lgamma(1 + k);
    return {xi - alfa * std::expm1(lnGama) / k, alfa * std::exp(lnGama) * umMenosPotencia(2, k) / k,
            detalhe::t3GEV(k), detalhe::t4GEV(k)};
}

double ParametrosGEV::limiteInferior() const {
    return k < 0 ? xi + alfa / k : -kInf;
}

// --- Gumbel ---

double ParametrosGumbel::quantil(double F) const {
    return xi - alfa * std::log(-std::log(F));
}
double ParametrosGumbel::acumulada(double x) const {
    return std::exp(-std::exp(-(x - xi) / alfa));
}
double ParametrosGumbel::logDensidade(double x) const {
    const double y = (x - xi) / alfa;
    return -std::log(alfa) - y - std::exp(-y);
}
LMomentosTeoricos ParametrosGumbel::lmomentos() const {
    return {xi + kEuler * alfa, alfa * kLn2, kT3Gumbel, kT4Gumbel};
}
double ParametrosGumbel::limiteInferior() const {
    return -kInf;
}

// --- Gumbel of minima: X = −Y with Y Gumbel(−ξ, α) ---

double ParametrosGumbelMinimos::quantil(double F) const {
    return xi + alfa * std::log(-std::log1p(-F));
}
double ParametrosGumbelMinimos::acumulada(double x) const {
    return -std::expm1(-std::exp((x - xi) / alfa));
}
double ParametrosGumbelMinimos::logDensidade(double x) const {
    const double y = (x - xi) / alfa;
    return -std::log(alfa) + y - std::exp(y);
}
LMomentosTeoricos ParametrosGumbelMinimos::lmomentos() const {
    return {xi - kEuler * alfa, alfa * kLn2, -kT3Gumbel, kT4Gumbel};
}
double ParametrosGumbelMinimos::limiteInferior() const {
    return -kInf;
}

// --- Weibull ---

double ParametrosWeibull::quantil(double F) const {
    return zeta + beta * std::pow(-std::log1p(-F), 1 / delta);
}
double ParametrosWeibull::acumulada(double x) const {
    if (!(x > zeta)) return 0;
    return -std::expm1(-std::pow((x - zeta) / beta, delta));
}
double ParametrosWeibull::logDensidade(double x) const {
    if (!(x > zeta)) return -kInf;
    const double z = (x - zeta) / beta;
    return std::log(delta / beta) + (delta - 1) * std::log(z) - std::pow(z, delta);
}
LMomentosTeoricos ParametrosWeibull::lmomentos() const {
    const double k = 1 / delta;
    const double g = std::tgamma(1 + k);
    return {zeta + beta * g, beta * umMenosPotencia(2, k) * g, -detalhe::t3GEV(k),
            detalhe::t4GEV(k)};
}

} // namespace corvel
