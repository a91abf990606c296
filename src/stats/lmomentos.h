// Sample L-moments from the unbiased probability-weighted moments (Hosking 1990; Hosking and
// Wallis 1997, Regional Frequency Analysis, 2.3).
#pragma once

#include <span>

namespace corvel {

struct LMomentos {
    int n = 0;
    double l1 = 0, l2 = 0, l3 = 0, l4 = 0;
    double t3 = 0, t4 = 0; // l3/l2 and l4/l2; NaN when l2 = 0
};

// Any order; copies and sorts. l3 needs n >= 3 and l4 n >= 4 (NaN below).
LMomentos lmomentosAmostrais(std::span<const double> amostra);
// The same from a sample already in ascending order (the bootstrap's replicates).
LMomentos lmomentosOrdenados(std::span<const double> crescente);

} // namespace corvel
