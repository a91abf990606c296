// Numeric functions shared by the distribution fits: the standard normal deviate of a return
// period, gamma and digamma, and the Pearson type III frequency factor with its standard error.
#pragma once

namespace corvel {

// Deviate exceeded with probability 1/T; 0 for T <= 2. Abramowitz & Stegun 26.2.23 (absolute
// error below 4.5e-4).
double DesvioNormalPadronizado(double T);

// Gamma function by the six-term Lanczos series (Numerical Recipes, 1st ed., gammln), evaluated
// directly rather than as a logarithm; relative error about 2e-10 for x >= 1. A pole or a
// negative base gives infinity or NaN, which the fits treat as a failure.
double FuncaoGama(double x);

// Digamma function: asymptotic series at x + 2, brought back by the recurrence
// psi(x) = psi(x + 1) - 1/x. Truncation error below 1e-6 for x >= 1.
double FuncaoDigama(double x);

// Frequency factor K of the Pearson type III for the signed normal deviate z and skewness
// `gama`: the Cornish-Fisher type series in k = gama / 6 (Kite, Frequency and Risk Analyses in
// Hydrology, 1977). K = z when gama = 0.
double FatorFrequenciaPearson3(double z, double gama);
// dK / d(gama) of the same series.
double DerivadaFatorFrequenciaPearson3(double z, double gama);
// delta^2 of the moment standard error of the Pearson type III T-year event (Bobée; Kite 1977),
// S_T^2 = delta^2 * variance / n, from gama, K and dK/d(gama).
double FatorErroPadraoPearson3(double gama, double K, double dK);

} // namespace corvel
