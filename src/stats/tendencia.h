// Non-parametric trend and change-point tests of an annual series, valid with ties and zeros
// (intermittent rivers): Mann-Kendall, Sen's slope with its confidence interval, Pettitt.
#pragma once

#include "estacionariedade.h"

#include <span>
#include <vector>

namespace corvel {

// Whether the Mann-Kendall variance is corrected for serial correlation.
enum class CorrecaoSerial { Nenhuma, HamedRao };

struct MannKendall {
    int n = 0;
    double S = 0;           // sum of the signs of every later-minus-earlier difference
    double varianciaS = 0;  // with the tie correction (and the serial factor when asked)
    double fatorSerial = 1; // n/n*s of Hamed and Rao; 1 without the correction
    double Z = 0;           // with the continuity correction
    double p = 1;           // two-sided
    double tau = 0;         // Kendall's tau: S / (n(n − 1)/2)
    bool tendencia = false; // H0 (no trend) rejected at the level
};

// Mann (1945), Kendall (1975): S, its variance with the tie correction
// Var S = [n(n−1)(2n+5) − Σ t(t−1)(2t+5)] / 18, Z = (S ∓ 1)/√Var S and the two-sided normal
// p-value. HamedRao multiplies Var S by 1 + 2/(n(n−1)(n−2)) Σ (n−k)(n−k−1)(n−k−2) ρk over the
// lags whose rank autocorrelation ρk of the series detrended by Sen's slope is significant at
// 5 % (Hamed and Rao 1998, J. Hydrology 204, 182-196); a factor that is not positive is left at 1.
// Throws Erro with fewer than three values.
MannKendall testeMannKendall(std::span<const double> x, NivelSignificancia nivel,
                             CorrecaoSerial correcao = CorrecaoSerial::Nenhuma);

struct DeclividadeSen {
    double declividade = 0; // median of the pairwise slopes, per unit of t
    double intercepto = 0;  // median of x − declividade · t (Conover), the line of the chart
    double inferior = 0, superior = 0; // confidence interval at the level
};

// Sen (1968): the median of (x_j − x_i)/(t_j − t_i) over i < j; confidence interval from the
// ranks (N ∓ z √Var S)/2 of the ordered slopes, interpolated between neighbours (Gilbert 1987,
// Statistical Methods for Environmental Pollution Monitoring, sec. 16.5). `varianciaS` is the
// Mann-Kendall variance of the same series. t must increase; throws Erro with fewer than two
// values.
DeclividadeSen declividadeSen(std::span<const double> t, std::span<const double> x,
                              double varianciaS, NivelSignificancia nivel);

struct Pettitt {
    int n = 0;
    int ponto = 0;        // number of values before the change (the change follows value `ponto`)
    double K = 0;         // max |U_t|
    double U = 0;         // U at the change point, > 0 when the values fall after it
    double p = 1;         // approximate, 2 exp(−6K²/(n³ + n²)), at most 1
    bool mudanca = false; // H0 (no change) rejected at the level
    double mediaAntes = 0, mediaDepois = 0;
};

// Pettitt (1979), Applied Statistics 28(2), 126-135: U_t = Σ_{i<=t} Σ_{j>t} sgn(x_i − x_j),
// K = max |U_t| at the first t that reaches it. Throws Erro with fewer than three values.
Pettitt testePettitt(std::span<const double> x, NivelSignificancia nivel);

// The two-sided standard normal critical value of the level: 2.5758... at 1 %, 1.9599... at 5 %.
double zCritico(NivelSignificancia nivel);

} // namespace corvel
