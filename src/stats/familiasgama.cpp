// Pearson type III and log-Pearson type III (Hosking and Wallis 1997, A.9): a gamma distribution
// moved and scaled to the mean, standard deviation and skewness, reflected for negative skewness.
#include "familias.h"

#include "especiais.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Below this skewness the distribution is taken as normal: the gamma's shape 4/γ² would pass
// 4·10¹⁶, where x = μ + σ(G − α)/√α loses more digits to cancellation than the normal's error.
constexpr double kGamaNormal = 1e-8;
const double kLnRaiz2Pi = 0.5 * std::log(2 * std::numbers::pi);
constexpr double kT4Normal = 0.1226017195408909; // 30 arctan(√2)/π − 9

// Standardized gamma variable z of x: P(α, z) is F for γ > 0 and 1 − F for γ < 0.
double variavelGama(double x, double mu, double sigma, double alfa, double gama) {
    const double t = (x - mu) / sigma * std::sqrt(alfa);
    return gama > 0 ? alfa + t : alfa - t;
}

} // namespace

double ParametrosPearson3::quantil(double F) const {
    if (std::fabs(gama) <= kGamaNormal) return mu + sigma * quantilNormal(F);
    const double alfa = 4 / (gama * gama);
    const double G = quantilGama(alfa, gama > 0 ? F : 1 - F);
    const double desvio = (G - alfa) / std::sqrt(alfa);
    return gama > 0 ? mu + sigma * desvio : mu - sigma * desvio;
}

double ParametrosPearson3::acumulada(double x) const {
    if (std::fabs(gama) <= kGamaNormal) return normalAcumulada((x - mu) / sigma);
    const double alfa = 4 / (gama * gama);
    const double z = variavelGama(x, mu, sigma, alfa, gama);
    if (gama > 0) return z <= 0 ? 0 : gamaIncompleta(alfa, z);
    return z <= 0 ? 1 : gamaIncompletaComplementar(alfa, z);
}

double ParametrosPearson3::logDensidade(double x) const {
    if (std::fabs(gama) <= kGamaNormal) {
        const double u = (x - mu) / sigma;
        return -u * u / 2 - std::log(sigma) - kLnRaiz2Pi;
    }
    const double alfa = 4 / (gama * gama);
    const double z = variavelGama(x, mu, sigma, alfa, gama);
    if (!(z > 0)) return -kInf;
    const double beta = sigma / std::sqrt(alfa);
    return (alfa - 1) * std::log(z) - z - std::lgamma(alfa) - std::log(beta);
}

LMomentosTeoricos ParametrosPearson3::lmomentos() const {
    const double raizPi = std::sqrt(std::numbers::pi);
    if (std::fabs(gama) <= kGamaNormal) return {mu, sigma / raizPi, 0, kT4Normal};
    const double alfa = 4 / (gama * gama);
    const double beta = sigma / std::sqrt(alfa);
    const double l2 = beta * std::exp(std::lgamma(alfa + 0.5) - std::lgamma(alfa)) / raizPi;
    // τ3 and τ4 of the gamma of shape α by Hosking's rational approximations (Hosking and Wallis
    // 1997, A.9; absolute error below 10⁻⁶).
    double t3, t4;
    if (alfa >= 1) {
        const double z = 1 / alfa;
        t3 = std::sqrt(z) *
             (0.32573501 + z * (0.16869150 + z * (0.078327243 + z * -0.0029120539))) /
             (1 + z * (0.46697102 + z * 0.24255406));
        t4 = (0.12260172 + z * (0.053730130 + z * (0.043384378 + z * 0.011101277))) /
             (1 + z * (0.18324466 + z * 0.20166036));
    } else {
        const double z = alfa;
        t3 = (1 + z * (2.3807576 + z * (1.5931792 + z * 0.11618371))) /
             (1 + z * (5.1533299 + z * (7.1425260 + z * 1.9745056)));
        t4 = (1 + z * (2.1235833 + z * (4.1670213 + z * 3.1925299))) /
             (1 + z * (9.0551443 + z * (26.649995 + z * 26.193668)));
    }
    return {mu, l2, gama > 0 ? t3 : -t3, t4};
}

double ParametrosPearson3::limiteInferior() const {
    if (gama > kGamaNormal) return mu - 2 * sigma / gama;
    return -kInf;
}

// --- Log-Pearson III ---

double ParametrosLogPearson3::quantil(double F) const {
    return std::exp(ParametrosPearson3{mu, sigma, gama}.quantil(F));
}

double ParametrosLogPearson3::acumulada(double x) const {
    if (!(x > 0)) return 0;
    return ParametrosPearson3{mu, sigma, gama}.acumulada(std::log(x));
}

double ParametrosLogPearson3::logDensidade(double x) const {
    if (!(x > 0)) return -kInf;
    const double y = std::log(x);
    return ParametrosPearson3{mu, sigma, gama}.logDensidade(y) - y;
}

LMomentosTeoricos ParametrosLogPearson3::lmomentos() const {
    // E[x] = E[e^y] is finite only while the gamma's scale stays below 1 on the side of the
    // upper tail.
    if (gama > kGamaNormal && sigma * gama / 2 >= 1) return {kNaN, kNaN, kNaN, kNaN};
    const ParametrosPearson3 logaritmo{mu, sigma, gama};
    return detalhe::lmomentosPorQuadratura(
        [&](double u) { return std::exp(logaritmo.quantil(normalAcumulada(u))); }, 3 * sigma);
}

} // namespace corvel
