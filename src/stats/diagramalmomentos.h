// The data of an L-moment ratio diagram (Hosking and Wallis 1997, 2.5): the τ3 × τ4 curve of each
// three-parameter distribution, the points of the two-parameter ones and the sample's point.
#pragma once

#include "familias.h"
#include "lmomentos.h"

#include <span>
#include <vector>

namespace corvel {

struct PontoRazoes {
    double t3 = 0, t4 = 0;
};

struct CurvaRazoes {
    Distribuicao distribuicao;
    std::vector<PontoRazoes> pontos; // one point for the Gumbel and the Gumbel of minima
};

struct DiagramaRazoes {
    std::vector<CurvaRazoes> curvas; // in the order of `distribuicoes`
    PontoRazoes amostra;             // (t3, t4) of the sample
};

// Curves over τ3 from −0.9 to 0.9 in steps of 0.02 (each within its distribution's range: the
// Weibull from −0.16, mirror of the GEV, the generalized Pareto above −1/3 …), exact for the GEV,
// Weibull, generalized logistic and Pareto, Hosking's approximations for the Pearson III, the
// quadrature of the log-normal's τ4 for the log-normal 3 (and its 2, on the same curve). The
// log-Pearson III has no curve in the plane of x (its shape acts on ln x) and is left out.
DiagramaRazoes diagramaRazoesLMomentos(std::span<const double> amostra,
                                       std::span<const Distribuicao> distribuicoes);

} // namespace corvel
