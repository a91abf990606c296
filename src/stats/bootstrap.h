// Parametric bootstrap confidence limits of the T-year event: replicate samples drawn from the
// fitted distribution by its inverse distribution function, each refitted by the same method, and
// the percentiles of the replicates' events (Efron and Tibshirani 1993, 13.3). The uniforms come
// from std::mt19937_64, whose output the standard fixes, turned into (0, 1) by our own rule, so a
// seed gives the same replicates with every standard library.
#pragma once

#include "ajustefrequencia.h"

#include <QString>
#include <cstdint>
#include <random>
#include <span>

namespace corvel {

// Uniform numbers in (0, 1): the top 53 bits of each 64-bit output, centred in their cell,
// ((x >> 11) + ½)·2⁻⁵³, never 0 nor 1.
class GeradorUniforme {
  public:
    explicit GeradorUniforme(std::uint64_t semente) : motor_(semente) {}
    double proximo() { return (static_cast<double>(motor_() >> 11) + 0.5) * 0x1.0p-53; }

  private:
    std::mt19937_64 motor_;
};

struct LimitesBootstrap {
    double evento = 0;     // the T-year event of the sample's own fit
    double inferior = 0;   // percentile (1 − nível)/2 of the replicates' events
    double superior = 0;   // percentile (1 + nível)/2
    double erroPadrao = 0; // standard deviation of the replicates' events (divisor m − 1)
    int replicas = 0;      // replicates drawn
    int validas = 0;       // replicates that could be fitted (the limits rest on these)
    QString falha;         // the sample's own fit failed, or no replicate could be fitted
    bool valido() const { return falha.isEmpty(); }
};

struct OpcoesBootstrap {
    int replicas = 1000;
    std::uint64_t semente = 1;
    double nivel = 0.95;
};

// Percentile of sorted values by linear interpolation between order statistics (Hyndman and Fan
// 1996, definition 7): h = (m − 1)p, x_⌊h⌋ + (h − ⌊h⌋)(x_⌊h⌋+1 − x_⌊h⌋).
double percentil(std::span<const double> crescente, double p);

// Limits for one distribution and method. Momentos draws from the distribution of the classical
// moment fit (distribuicoes.h, the six distributions) and refits each replicate with that class.
LimitesBootstrap limitesBootstrap(std::span<const double> amostra, Distribuicao d,
                                  MetodoAjuste metodo, bool maximos, int T,
                                  const OpcoesBootstrap& opcoes = {});

} // namespace corvel
