// The distributions of the frequency analysis by L-moments and maximum likelihood: one small
// parameter object per distribution with its quantile, distribution function, density and
// L-moments, in the parametrizations of Hosking and Wallis (1997, Appendix A), which the
// published tables use. The six moment fits of distribuicoes.h stay as they are.
#pragma once

#include <QString>
#include <functional>
#include <span>
#include <variant>

namespace corvel {

// In the order of the alternatives of `Parametros` below.
enum class Distribuicao {
    Weibull,
    Gumbel,
    GumbelMinimos,
    GEV,
    LogisticaGeneralizada,
    ParetoGeneralizada,
    Pearson3,
    LogPearson3,
    Lognormal2,
    Lognormal3,
};
inline constexpr int kNumeroDistribuicoes = 10;

// "Weibull", "Gumbel", "Gumbel de mínimos", "GEV", "Logística generalizada", "Pareto
// generalizada", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3".
QString nomeDistribuicao(Distribuicao d);

// λ1, λ2 and the ratios τ3 = λ3/λ2, τ4 = λ4/λ2 of a distribution.
struct LMomentosTeoricos {
    double l1 = 0, l2 = 0, t3 = 0, t4 = 0;
};

// Three-parameter Weibull (minima): F(x) = 1 − exp(−((x − ζ)/β)^δ), x > ζ; −X is a GEV with
// k = 1/δ, α = β/δ, ξ = −ζ − β.
struct ParametrosWeibull {
    double zeta = 0, beta = 1, delta = 1;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const { return zeta; }
};

// Gumbel: F(x) = exp(−exp(−(x − ξ)/α)).
struct ParametrosGumbel {
    double xi = 0, alfa = 1;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const;
};

// Gumbel of minima (reversed Gumbel): F(x) = 1 − exp(−exp((x − ξ)/α)).
struct ParametrosGumbelMinimos {
    double xi = 0, alfa = 1;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const;
};

// Generalized extreme value: x(F) = ξ + α(1 − (−ln F)^k)/k; k > 0 bounded above, k < 0 below.
struct ParametrosGEV {
    double xi = 0, alfa = 1, k = 0;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const;
};

// Generalized logistic: x(F) = ξ + α(1 − ((1 − F)/F)^k)/k, |k| < 1.
struct ParametrosLogistica {
    double xi = 0, alfa = 1, k = 0;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const;
};

// Generalized Pareto: x(F) = ξ + α(1 − (1 − F)^k)/k, x >= ξ.
struct ParametrosPareto {
    double xi = 0, alfa = 1, k = 0;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const { return xi; }
};

// Pearson type III by its mean μ, standard deviation σ and skewness γ: a gamma of shape 4/γ²
// and scale σ|γ|/2 from the origin μ − 2σ/γ (reflected when γ < 0); normal when γ = 0.
struct ParametrosPearson3 {
    double mu = 0, sigma = 1, gama = 0;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const;
};

// Log-Pearson type III: ln x is a Pearson III of mean μ, standard deviation σ, skewness γ.
struct ParametrosLogPearson3 {
    double mu = 0, sigma = 1, gama = 0;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const { return 0; }
};

// Two-parameter log-normal: ln x normal of mean μ and standard deviation σ.
struct ParametrosLognormal2 {
    double mu = 0, sigma = 1;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const { return 0; }
};

// Three-parameter log-normal: ln(x − ζ) normal of mean μ and standard deviation σ (Hosking's
// generalized normal with k = −σ, α = σe^μ, ξ = ζ + e^μ).
struct ParametrosLognormal3 {
    double zeta = 0, mu = 0, sigma = 1;
    double quantil(double F) const;
    double acumulada(double x) const;
    double logDensidade(double x) const;
    LMomentosTeoricos lmomentos() const;
    double limiteInferior() const { return zeta; }
};

using Parametros =
    std::variant<ParametrosWeibull, ParametrosGumbel, ParametrosGumbelMinimos, ParametrosGEV,
                 ParametrosLogistica, ParametrosPareto, ParametrosPearson3, ParametrosLogPearson3,
                 ParametrosLognormal2, ParametrosLognormal3>;

Distribuicao distribuicao(const Parametros& p);
int numeroParametros(Distribuicao d);
// Whether the distribution has a shape parameter that can set a lower bound at zero.
bool temLimiteInferiorAjustavel(Distribuicao d);

double quantil(const Parametros& p, double F);
double acumulada(const Parametros& p, double x);
double logDensidade(const Parametros& p, double x); // −∞ outside the support
LMomentosTeoricos lmomentos(const Parametros& p);
double limiteInferior(const Parametros& p); // −∞ when unbounded below

// The T-year event: the quantile at F = 1 − 1/T for maxima, at F = 1/T (not exceeded once in T
// years) for minima.
double eventoRetorno(const Parametros& p, double T, bool maximos);

namespace detalhe {
// λ1..λ4 of a distribution given as x(u), the value at F = Φ(u), by the trapezium rule over
// u in [−10, 10 + desvio] (the integrand is a normal density times x: the rule converges
// geometrically): λr = ∫ x(u) P*_{r−1}(Φ(u)) φ(u) du.
LMomentosTeoricos lmomentosPorQuadratura(const std::function<double(double)>& valor, double desvio);
// τ3 and τ4 of the GEV of shape k.
double t3GEV(double k);
double t4GEV(double k);
} // namespace detalhe

} // namespace corvel
