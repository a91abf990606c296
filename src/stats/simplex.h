// Minimization without derivatives by the simplex method of Nelder and Mead (1965), with the
// usual coefficients (reflection 1, expansion 2, contraction ½, shrinkage ½) and restarts from the
// best vertex until a restart no longer improves (as O'Neill, Applied Statistics AS 47, advises).
#pragma once

#include <functional>
#include <span>
#include <vector>

namespace corvel {

struct ResultadoSimplex {
    std::vector<double> x;
    double valor = 0;
    int iteracoes = 0;
    bool convergiu = false;
};

// `passos` gives the initial simplex's edge along each axis. The search stops when the values at
// the vertices agree to `tolerancia` (absolute, plus relative to the best value) and a restart from
// the best vertex finds nothing better; or after `maximoIteracoes` (then convergiu is false).
// An infinite or NaN value counts as +∞.
ResultadoSimplex minimizarSimplex(const std::function<double(std::span<const double>)>& f,
                                  std::vector<double> inicio, std::vector<double> passos,
                                  double tolerancia = 1e-12, int maximoIteracoes = 5000);

} // namespace corvel
