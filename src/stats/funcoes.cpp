// The normal deviate, gamma and digamma functions and the Pearson III series. The constants and
// the order of the terms are the published ones: the fitted numbers depend on them.
#include "funcoes.h"

#include <cmath>

namespace corvel {

double DesvioNormalPadronizado(double T) {
    if (T <= 2) return 0;
    const double p = 1 / T;
    const double t = std::sqrt(std::log(1 / (p * p)));
    // Rational approximation of the normal quantile (Abramowitz and Stegun 26.2.23); its
    // denominator is at least 1 for t >= 0, so it never divides by zero.
    const double d = 1 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t;
    return t - (2.515517 + 0.802853 * t + 0.010328 * t * t) / d;
}

double FuncaoGama(double x) {
    const double serie = 1 + 76.18009173 / x - 86.50532033 / (x + 1) + 24.01409822 / (x + 2) -
                         1.231739516 / (x + 3) + 0.00120858003 / (x + 4) - 0.00000536382 / (x + 5);
    return std::pow(x + 4.5, x - 0.5) * std::exp(-(x + 4.5)) * std::sqrt(6.283185307179586) * serie;
}

double FuncaoDigama(double x) {
    const double a = x + 2;
    const double a2 = a * a;
    return std::log(a) - 1 / (2 * a) - 1 / (12 * a2) + 1 / (120 * a2 * a2) -
           1 / (252 * a2 * a2 * a2) - 1 / (x + 1) - 1 / x;
}

double FatorFrequenciaPearson3(double z, double gama) {
    const double k = gama / 6;
    const double z2 = z * z - 1;
    const double z3 = z * z * z - 6 * z;
    return z + z2 * k + z3 * k * k / 3 - z2 * k * k * k + z * k * k * k * k + k * k * k * k * k / 3;
}

double DerivadaFatorFrequenciaPearson3(double z, double gama) {
    const double k = gama / 6;
    const double z2 = z * z - 1;
    const double z3 = z * z * z - 6 * z;
    return (1.0 / 6) *
           (z2 + 2 * z3 * k / 3 - 3 * z2 * k * k + 4 * z * k * k * k + 5 * k * k * k * k / 3);
}

double FatorErroPadraoPearson3(double gama, double K, double dK) {
    const double g2 = gama * gama;
    return 1 + gama * K + (1 + 0.75 * g2) * K * K / 2 +
           6 * (1 + 0.25 * g2) * dK * ((1 + 1.25 * g2) * dK + gama * K / 2);
}

} // namespace corvel
