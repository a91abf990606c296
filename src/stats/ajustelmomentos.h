// Fitting by the method of L-moments (Hosking and Wallis 1997, Appendix A), with the refit of a
// minima's lower bound at zero of the WMO low-flow guidance (WMO-No. 1029, 2008, 5.7).
#pragma once

#include "ajustefrequencia.h"
#include "lmomentos.h"

#include <span>

namespace corvel {

// From the sample (the log-Pearson III takes the L-moments of ln x).
AjusteFrequencia ajustarLMomentos(std::span<const double> amostra, Distribuicao d, bool maximos,
                                  bool refazerLimite = true);
// From the L-moments of the sample (of ln x for the log-Pearson III). `refazerLimite` false skips
// the refit of a minima's bound (the start of the maximum-likelihood search).
AjusteFrequencia ajustarLMomentos(const LMomentos& l, Distribuicao d, bool maximos,
                                  bool refazerLimite = true);

// GEV shape k with τ3(k) = t3, by safeguarded Newton iterations on the exact relation
// τ3 = 2(1 − 3^−k)/(1 − 2^−k) − 3, started from Hosking's two-term approximation; NaN outside
// −1 < t3 < 1.
double formaGEV(double t3);

// The refit with the lower bound at zero from λ1 and λ2 (minima whose fitted bound fell below
// zero); empty with the failed condition in `falha` when l1 <= 0 or l2 >= l1.
std::optional<Parametros> ajustarLimiteZero(Distribuicao d, double l1, double l2, QString& falha);

} // namespace corvel
