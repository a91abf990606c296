// Frequency analysis of annual minima with zero flows: the conditional-probability adjustment
// that fits the distributions to the non-zero events and reads them at an adjusted probability.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

// Whether the analysis of minima treats zero events by the conditional-probability adjustment.
// Without zeros in the sample the adjustment changes nothing.
enum class VazoesNulas { Classica, ProbabilidadeCondicional };

// The sample split at zero: p0 = zeros / n is the probability mass at zero flow.
struct AmostraComNulos {
    std::vector<double> naoNulos; // in sample order
    int nulos = 0;
    int n = 0;
    double p0 = 0;
};
AmostraComNulos separarNulos(std::span<const double> amostra);

// Conditional-probability adjustment (Jennings and Benson 1969, "Frequency curves for annual
// flood series with some zero events or incomplete data", Water Resources Research 5(1); the
// same mixed model as Riggs 1972, USGS TWRI 4-B1, and the USGS low-flow frequency guidance):
// with F the distribution of the non-zero events, P(X <= x) = p0 + (1 − p0) F(x) for x >= 0.
// The T-year minimum is not exceeded with probability 1/T, so the non-zero fit is read at
// F = (1/T − p0) / (1 − p0), that is, as its own minimum of return period
// T' = (1 − p0) / (1/T − p0). Empty when 1/T <= p0: the T-year minimum lies in the zero mass
// and is 0.
std::optional<double> periodoCondicionalMinimos(double T, double p0);

// The numbered warning (without its number) that names the method, p0 and the events fitted.
QString avisoProbabilidadeCondicional(const AmostraComNulos& amostra);
// The note the results report adds under its rows.
QString notaProbabilidadeCondicional(const AmostraComNulos& amostra);

} // namespace corvel
