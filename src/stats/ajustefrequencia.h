// A fitted distribution of the frequency analysis: which distribution, by which method, its
// parameters or the condition that kept it from fitting, and the distributions offered for maxima
// and for minima.
#pragma once

#include "familias.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

enum class MetodoAjuste {
    Momentos,              // the six fits of distribuicoes.h, as they have always been
    LMomentos,             // sample L-moments (Hosking 1990; Hosking and Wallis 1997)
    MaximaVerossimilhanca, // started from the L-moment fit
};

// "momentos", "lmomentos", "mv": the words of the command line.
QString codigoMetodo(MetodoAjuste m);
std::optional<MetodoAjuste> metodoDoCodigo(const QString& codigo);
// "Momentos", "Momentos-L", "Máxima verossimilhança".
QString nomeMetodo(MetodoAjuste m);

struct AjusteFrequencia {
    Distribuicao distribuicao = Distribuicao::Gumbel;
    MetodoAjuste metodo = MetodoAjuste::LMomentos;
    bool maximos = true;
    std::optional<Parametros> parametros; // empty when the distribution could not be fitted
    QString falha;                        // then: the condition that failed, in a short sentence
    // Minima only: the three-parameter fit put the lower bound below zero and was refitted with
    // the bound at zero (the WMO low-flow guidance's rule); the fit then has two free parameters.
    bool limiteZerado = false;
    int iteracoes = 0; // maximum likelihood: iterations of the search

    bool valido() const { return parametros.has_value(); }
    // Free parameters: the distribution's, less the bound fixed at zero.
    int parametrosLivres() const;
    // The T-year event (F = 1 − 1/T for maxima, 1/T for minima); NaN for a failed fit.
    double evento(double T) const;
};

// The distributions offered, in the order of the result table: for maxima Gumbel, GEV,
// generalized logistic, generalized Pareto, Pearson 3, log-Pearson 3, log-normal 2 and 3; for
// minima Weibull, Gumbel (fitted to the minima and read at F = 1/T), Gumbel of minima, Pearson 3,
// log-normal 3, GEV and generalized logistic.
std::vector<Distribuicao> distribuicoesMaximos();
std::vector<Distribuicao> distribuicoesMinimos();

// Fits one distribution by L-moments or maximum likelihood (MetodoAjuste::Momentos is answered
// by the classes of distribuicoes.h and gives a failure here).
AjusteFrequencia ajustar(std::span<const double> amostra, Distribuicao d, MetodoAjuste metodo,
                         bool maximos);

} // namespace corvel
