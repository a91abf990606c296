// Generalized logistic and generalized Pareto distributions (Hosking and Wallis 1997, A.7 and
// A.6).
#include "familias.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// y = −ln(1 − k z)/k (z when k = 0); NaN outside the support.
double variavelReduzida(double z, double k) {
    if (k == 0) return z;
    const double u = -k * z;
    if (!(u > -1)) return std::numeric_limits<double>::quiet_NaN();
    return -std::log1p(u) / k;
}

// ln(1 + e^−y) without overflow for large negative y.
double logUmMaisExp(double y) {
    return y > -30 ? std::log1p(std::exp(-y)) : -y + std::log1p(std::exp(y));
}

} // namespace

// --- Generalized logistic ---

double ParametrosLogistica::quantil(double F) const {
    const double y = std::log(F / (1 - F));
    if (k == 0) return xi + alfa * y;
    return xi - alfa * std::expm1(-k * y) / k;
}

double ParametrosLogistica::acumulada(double x) const {
    const double y = variavelReduzida((x - xi) / alfa, k);
    if (std::isnan(y)) return k > 0 ? 1 : 0;
    return 1 / (1 + std::exp(-y));
}

double ParametrosLogistica::logDensidade(double x) const {
    const double y = variavelReduzida((x - xi) / alfa, k);
    if (std::isnan(y)) return -kInf;
    return -std::log(alfa) - (1 - k) * y - 2 * logUmMaisExp(y);
}

LMomentosTeoricos ParametrosLogistica::lmomentos() const {
    // kπ/sin(kπ) and (1 − kπ/sin(kπ))/k by their series near k = 0: π²/6 and 7π⁴/360.
    constexpr double c1 = std::numbers::pi * std::numbers::pi / 6;
    constexpr double c2 = 7 * c1 * c1 / 10;
    const double kk = k * k;
    double l2 = 1 + kk * (c1 + kk * c2), l1 = -k * (c1 + kk * c2);
    if (std::fabs(k) > 1e-4) {
        l2 = k * std::numbers::pi / std::sin(k * std::numbers::pi);
        l1 = (1 - l2) / k;
    }
    return {xi + alfa * l1, alfa * l2, -k, (1 + 5 * kk) / 6};
}

double ParametrosLogistica::limiteInferior() const {
    return k < 0 ? xi + alfa / k : -kInf;
}

// --- Generalized Pareto ---

double ParametrosPareto::quantil(double F) const {
    const double lnSobrevivencia = std::log1p(-F);
    if (k == 0) return xi - alfa * lnSobrevivencia;
    return xi - alfa * std::expm1(k * lnSobrevivencia) / k;
}

double ParametrosPareto::acumulada(double x) const {
    const double z = (x - xi) / alfa;
    if (!(z > 0)) return 0;
    const double y = variavelReduzida(z, k);
    if (std::isnan(y)) return 1;
    return -std::expm1(-y);
}

double ParametrosPareto::logDensidade(double x) const {
    const double z = (x - xi) / alfa;
    if (!(z >= 0)) return -kInf;
    const double y = variavelReduzida(z, k);
    if (std::isnan(y)) return -kInf;
    return -std::log(alfa) - (1 - k) * y;
}

LMomentosTeoricos ParametrosPareto::lmomentos() const {
    return {xi + alfa / (1 + k), alfa / ((1 + k) * (2 + k)), (1 - k) / (3 + k),
            (1 - k) * (2 - k) / ((3 + k) * (4 + k))};
}

} // namespace corvel
