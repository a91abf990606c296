// Goodness of fit of a fitted distribution to its sample: Filliben's probability-plot correlation,
// the Anderson-Darling and Kolmogorov-Smirnov statistics, AIC and BIC from the log-likelihood at
// the fitted parameters, and the sample's and the fit's L-skewness and L-kurtosis; and the choice
// of the best fit by a stated criterion.
#pragma once

#include "ajustefrequencia.h"

#include <optional>
#include <span>
#include <vector>

namespace corvel {

struct Aderencia {
    double ppcc = 0;            // correlation of the sorted sample with x(m_i), m_i Filliben's
    double andersonDarling = 0; // A² (Anderson and Darling 1954; +∞ with an event off the support)
    double kolmogorovSmirnov = 0; // D = max |F_n − F|
    double logVerossimilhanca = 0;
    double aic = 0, bic = 0; // −2 ln L + 2p and −2 ln L + p ln n, p the free parameters
    double t3Amostra = 0, t4Amostra = 0;
    double t3Ajuste = 0, t4Ajuste = 0;
};

// Filliben's (1975) estimate of the median of the i-th of n uniform order statistics, the plotting
// position of his correlation test: m_n = 0.5^(1/n), m_1 = 1 − m_n, m_i = (i − 0.3175)/(n + 0.365).
double posicaoFilliben(int i, int n);

// The statistics of a valid fit (NaN everywhere for a failed one) against its sample.
Aderencia aderencia(std::span<const double> amostra, const AjusteFrequencia& ajuste);

enum class CriterioEscolha {
    PPCC,              // the largest correlation (the default)
    AndersonDarling,   // the smallest A²
    KolmogorovSmirnov, // the smallest D
    AIC,
    BIC,
};
// "PPCC", "Anderson-Darling", "Kolmogorov-Smirnov", "AIC", "BIC".
QString nomeCriterio(CriterioEscolha c);

// Index of the best admissible fit (valid, with a finite statistic) by the criterion; the first
// of equals wins; empty when none is admissible.
std::optional<std::size_t> melhorAjuste(std::span<const AjusteFrequencia> ajustes,
                                        std::span<const Aderencia> aderencias,
                                        CriterioEscolha criterio = CriterioEscolha::PPCC);

} // namespace corvel
