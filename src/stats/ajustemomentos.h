// The six classical moment fits of distribuicoes.h seen as distributions: the parameter object
// each fit implies (to draw bootstrap replicates from) and the T-year event the class gives.
#pragma once

#include "familias.h"

#include <QString>
#include <optional>
#include <span>

namespace corvel {

// Weibull, Gumbel, Pearson 3, Log-Pearson 3, Lognormal 2 and 3 only; empty with the reason in
// `falha` for a failed fit or another distribution. The Pearson III and log-Pearson III keep the
// class's mean, standard deviation and (corrected) skewness; the Gumbel is the one whose quantiles
// are the class's events (its finite-sample reduced variate makes scale s/σn and location
// x̄ − s·ȳn/σn).
std::optional<Parametros> parametrosMomentos(std::span<const double> amostra, Distribuicao d,
                                             bool maximos, QString& falha);

// GetEvento of the class for T; empty when its error flag is set.
std::optional<double> eventoMomentos(std::span<const double> amostra, Distribuicao d, bool maximos,
                                     int T);

} // namespace corvel
