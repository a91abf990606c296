// Normal and incomplete gamma functions to full double precision.
#include "especiais.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace corvel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kEps = std::numeric_limits<double>::epsilon();
const double kRaiz2Pi = std::sqrt(2 * std::numbers::pi);

// Lower-tail quantile for 0 < p <= 0.5 (z <= 0).
double quantilNormalInferior(double p) {
    // Abramowitz and Stegun 26.2.23, absolute error below 4.5e-4: a start close enough for
    // Halley's cubic convergence to reach the rounding of Φ in two steps.
    const double t = std::sqrt(-2 * std::log(p));
    double z = -(t - (2.515517 + t * (0.802853 + t * 0.010328)) /
                         (1 + t * (1.432788 + t * (0.189269 + t * 0.001308))));
    for (int passo = 0; passo < 2; ++passo) {
        const double u = (normalAcumulada(z) - p) * kRaiz2Pi * std::exp(z * z / 2);
        z -= u / (1 + z * u / 2);
    }
    return z;
}

// Stirling's remainder ln Γ(a) − [(a − ½) ln a − a + ½ ln 2π], by its asymptotic series for
// a >= 10 (error below 10⁻¹⁷ there).
double restoStirling(double a) {
    if (a < 10)
        return std::lgamma(a) -
               ((a - 0.5) * std::log(a) - a + 0.5 * std::log(2 * std::numbers::pi));
    const double r = 1 / a, r2 = r * r;
    return r * (1.0 / 12 - r2 * (1.0 / 360 - r2 * (1.0 / 1260 - r2 / 1680)));
}

// ln(x^a e^−x / Γ(a)). Written as a(ln(1 + t) − t) + ½ ln a − ½ ln 2π − remainder, t = (x − a)/a,
// its terms stay small where −x + a ln x − ln Γ(a) would cancel thousands to a few units and
// lose the last four digits.
double logPrefatorGama(double a, double x) {
    if (a < 10) return -x + a * std::log(x) - std::lgamma(a);
    const double t = (x - a) / a;
    return a * (std::log1p(t) - t) + 0.5 * std::log(a / (2 * std::numbers::pi)) - restoStirling(a);
}

// Series of P(a, x), fit for x < a + 1.
double serieGama(double a, double x) {
    double termo = 1 / a, soma = termo;
    for (double ap = a; std::fabs(termo) >= std::fabs(soma) * kEps;) {
        ap += 1;
        termo *= x / ap;
        soma += termo;
    }
    return soma * std::exp(logPrefatorGama(a, x));
}

// Continued fraction of Q(a, x) by the modified Lentz method, fit for x >= a + 1.
double fracaoGama(double a, double x) {
    constexpr double kMinimo = std::numeric_limits<double>::min() / kEps;
    double b = x + 1 - a, c = 1 / kMinimo, d = 1 / b, h = d;
    for (int i = 1;; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kMinimo) d = kMinimo;
        c = b + an / c;
        if (std::fabs(c) < kMinimo) c = kMinimo;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) <= kEps) break;
    }
    return std::exp(logPrefatorGama(a, x)) * h;
}

// Nodes and weights of the 18-point Gauss-Legendre rule on [0, 1], found once by Newton's method
// on the Legendre polynomial (Golub-Welsch would do as well; 18 roots take microseconds).
struct GaussLegendre18 {
    std::array<double, 18> no{}, peso{};
    GaussLegendre18() {
        constexpr int n = 18;
        for (int i = 0; i < n; ++i) {
            double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5)), derivada = 0;
            for (int it = 0; it < 100; ++it) {
                double p0 = 1, p1 = x;
                for (int k = 2; k <= n; ++k) {
                    const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                derivada = n * (x * p1 - p0) / (x * x - 1);
                const double dx = p1 / derivada;
                x -= dx;
                if (std::fabs(dx) < 1e-16) break;
            }
            no[static_cast<std::size_t>(i)] = (1 - x) / 2;
            peso[static_cast<std::size_t>(i)] = 1 / ((1 - x * x) * derivada * derivada);
        }
    }
};

// For large a the series and the fraction need O(√a) terms; the integrand of γ(a, x) is then a
// narrow peak around a − 1 that Gauss-Legendre rules integrate from x to ±12√a beyond the peak
// (the method of Numerical Recipes, 3rd ed., gammpapprox, here with the interval cut into eight
// panels of 18 points, which takes the error from 10⁻¹⁰ to rounding). Returns P, or Q when
// `complementar`.
double quadraturaGama(double a, double x, bool complementar) {
    static const GaussLegendre18 gl;
    const double a1 = a - 1, raiz = std::sqrt(a1);
    const double limite = x > a1 ? std::max(a1 + 11.5 * raiz, x + 6 * raiz)
                                 : std::max(0.0, std::min(a1 - 7.5 * raiz, x - 5 * raiz));
    constexpr int kPaineis = 8;
    const double largura = (limite - x) / kPaineis;
    double soma = 0;
    for (int p = 0; p < kPaineis; ++p)
        for (std::size_t j = 0; j < gl.no.size(); ++j) {
            const double t = x + largura * (p + gl.no[j]);
            const double u = (t - a1) / a1;
            soma += gl.peso[j] * std::exp(a1 * (std::log1p(u) - u));
        }
    // a1^a1 e^−a1 / Γ(a) = 1/(√(2π a1) e^remainder(a1)).
    const double integral =
        soma * largura / (std::sqrt(2 * std::numbers::pi * a1) * std::exp(restoStirling(a1)));
    // The integral runs from x towards the nearer tail: it is Q above the peak and −P below it.
    if (x > a1) return complementar ? integral : 1 - integral;
    return complementar ? 1 + integral : -integral;
}

// Beyond this shape the series and the fraction would take thousands of terms.
constexpr double kQuadratura = 2000;

double gama(double a, double x, bool complementar) {
    if (!(a > 0) || !(x >= 0)) return kNaN;
    if (x == 0) return complementar ? 1 : 0;
    if (std::isinf(x)) return complementar ? 0 : 1;
    if (a >= kQuadratura) return quadraturaGama(a, x, complementar);
    if (x < a + 1) {
        const double p = serieGama(a, x);
        return complementar ? 1 - p : p;
    }
    const double q = fracaoGama(a, x);
    return complementar ? q : 1 - q;
}

} // namespace

double normalAcumulada(double z) {
    return 0.5 * std::erfc(-z / std::numbers::sqrt2);
}

double quantilNormal(double p) {
    if (!(p >= 0 && p <= 1)) return kNaN;
    if (p == 0) return -std::numeric_limits<double>::infinity();
    if (p == 1) return std::numeric_limits<double>::infinity();
    return p <= 0.5 ? quantilNormalInferior(p) : -quantilNormalInferior(1 - p);
}

double inversaErro(double y) {
    return quantilNormal((1 + y) / 2) / std::numbers::sqrt2;
}

double gamaIncompleta(double a, double x) {
    return gama(a, x, false);
}

double gamaIncompletaComplementar(double a, double x) {
    return gama(a, x, true);
}

double quantilGama(double a, double p) {
    if (!(a > 0) || !(p >= 0 && p <= 1)) return kNaN;
    if (p == 0) return 0;
    if (p == 1) return std::numeric_limits<double>::infinity();
    double x;
    if (a > 1) {
        // Wilson-Hilferty: the cube root of a gamma variable is nearly normal.
        const double z = quantilNormal(p);
        x = std::max(1e-3, a * std::pow(1 - 1 / (9 * a) + z / (3 * std::sqrt(a)), 3));
    } else {
        // Small shape: P(a, x) ~ t·(x/…)^a near zero, an exponential tail above.
        const double t = 1 - a * (0.253 + a * 0.12);
        x = p < t ? std::pow(p / t, 1 / a) : 1 - std::log(1 - (p - t) / (1 - t));
    }
    // Halley's method on P(a, x) − p; the upper half works on Q so that a p near 1 keeps its
    // digits.
    const bool superior = p > 0.5;
    for (int it = 0; it < 40; ++it) {
        if (x <= 0) return 0;
        const double erro =
            superior ? (1 - p) - gamaIncompletaComplementar(a, x) : gamaIncompleta(a, x) - p;
        const double densidade = std::exp(logPrefatorGama(a, x)) / x;
        if (densidade == 0) break;
        const double u = erro / densidade;
        const double passo = u / (1 - 0.5 * std::min(1.0, u * ((a - 1) / x - 1)));
        const double anterior = x;
        x -= passo;
        if (x <= 0) x = anterior / 2;
        // Halley's error falls as the cube: after a step of 10⁻⁷ the next would be below the
        // rounding of x.
        if (std::fabs(passo) <= 1e-7 * x) break;
    }
    return x;
}

} // namespace corvel
