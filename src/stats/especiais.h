// Special functions to full double precision for the L-moment and likelihood fits: the normal
// distribution and its quantile, and the regularized incomplete gamma function and its inverse.
// (The moment fits keep their own published approximations in funcoes.h.)
#pragma once

namespace corvel {

// Φ(z), from the complementary error function so that both tails keep their relative accuracy.
double normalAcumulada(double z);
// Φ⁻¹(p) for 0 < p < 1 (−∞ and +∞ at 0 and 1, NaN outside): the rational approximation of
// Abramowitz and Stegun 26.2.23 refined by two Halley steps on Φ, relative error below 1e-15.
double quantilNormal(double p);
// erf⁻¹(y) for −1 < y < 1, through the normal quantile.
double inversaErro(double y);

// P(a, x) = γ(a, x) / Γ(a), a > 0, x >= 0: the series for x < a + 1 and the continued fraction
// of Q = 1 − P otherwise (Press et al., Numerical Recipes, 3rd ed., 6.2).
double gamaIncompleta(double a, double x);
// 1 − P(a, x) without the cancellation of 1 − P in the upper tail.
double gamaIncompletaComplementar(double a, double x);
// x with P(a, x) = p: Wilson-Hilferty or the small-shape start, then Halley steps (Numerical
// Recipes, 3rd ed., 6.2.1). NaN outside 0 <= p <= 1.
double quantilGama(double a, double p);

} // namespace corvel
