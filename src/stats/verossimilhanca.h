// Maximum-likelihood fits, started from the L-moment fit: a Nelder-Mead search over the
// parameters (scales on a log scale), polished by Newton steps on a numerical Hessian. A search
// that does not settle, or a likelihood that grows without bound as the distribution's bound runs
// into the sample's extreme event, is reported as such with the iterations spent, never as a fit.
#pragma once

#include "ajustefrequencia.h"

#include <span>

namespace corvel {

// Σ ln f(x_i); −∞ when an event lies outside the distribution's support.
double logVerossimilhanca(const Parametros& p, std::span<const double> amostra);

// Starts from the L-moment fit of the same distribution. For minima, a fit whose lower bound falls
// below zero is searched again with the bound at zero, as by L-moments.
AjusteFrequencia ajustarMaximaVerossimilhanca(std::span<const double> amostra, Distribuicao d,
                                              bool maximos);

} // namespace corvel
