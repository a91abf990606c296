// The straight lines that estimate a base station's flows from an auxiliary station's: ordinary
// least squares, or MOVE.1 (maintenance of variance extension, Hirsch 1982), on the flows or on
// their logarithms, one line for all months or one per calendar month; and the leave-one-out check
// of how well each method would have estimated the concurrent values it did not see.
//
// Least squares gives the smallest error for each single estimate but shrinks the variance of the
// estimates by r²: a filled dry month comes out wetter than it was, and every low-flow statistic
// computed afterwards is biased. MOVE.1 keeps the base's mean and standard deviation (slope
// sign(r)·s_y/s_x through the means), at the price of a larger error for each estimate.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include <QString>

namespace corvel {

enum class MetodoReta { MinimosQuadrados, Move1 };

struct OpcoesReta {
    MetodoReta metodo = MetodoReta::MinimosQuadrados;
    // The line on log10 of both flows. Zero (or negative) flows have no logarithm: their pairs are
    // left out of the fit and of the check, and an auxiliary zero estimates nothing.
    bool logaritmos = false;
    // One line per calendar month, fitted to that month's pairs only, instead of one for all.
    bool porMes = false;

    friend bool operator==(const OpcoesReta&, const OpcoesReta&) = default;
};

// "MQO" or "MOVE.1".
QString nomeMetodo(MetodoReta m);
// "MOVE.1, logaritmos, uma reta por mês": the options as the window and the report print them.
QString textoOpcoes(const OpcoesReta& o);

// A concurrent pair: the auxiliary station's flow x, the base's y, in the calendar month `mes`.
struct Par {
    double x = 0, y = 0;
    int mes = 1;
};

// y = a·x + b in the fit's scale (logarithms when asked), from `n` pairs with correlation `r`.
struct Reta {
    double a = 0, b = 0, r = 0;
    int n = 0;
    friend bool operator==(const Reta&, const Reta&) = default;
};

// Fewest pairs a line is fitted to; a leave-one-out check needs one more.
inline constexpr int kMinimoParesReta = 3;

// The line of `metodo` through the pairs (already in the fit's scale). Empty with fewer than
// kMinimoParesReta pairs or when x or y is constant.
std::optional<Reta> ajustarReta(std::span<const double> x, std::span<const double> y,
                                MetodoReta metodo);

// The lines of a station: [0] for all months, [1 … 12] per month (only those with `porMes`).
struct ModeloReta {
    OpcoesReta opcoes;
    std::array<std::optional<Reta>, 13> retas{};

    // The estimate of the base's flow for the auxiliary's x in month `mes`, in m³/s; empty when the
    // month has no line, or x has no logarithm. May be negative (the caller decides).
    std::optional<double> estimar(double x, int mes) const;
    // The line that serves month `mes`.
    const std::optional<Reta>& reta(int mes) const;

    friend bool operator==(const ModeloReta&, const ModeloReta&) = default;
};

ModeloReta ajustarModelo(std::span<const Par> pares, const OpcoesReta& opcoes);

// Leave-one-out errors in m³/s: each concurrent value estimated by the line fitted without it.
struct Habilidade {
    int n = 0;      // values estimated
    double eqm = 0; // root-mean-square error
    double vies = 0; // mean of (estimate − observed)
    std::optional<double> nse; // Nash-Sutcliffe efficiency, 1 − Σe² / Σ(y − ȳ)²; empty if y is constant

    friend bool operator==(const Habilidade&, const Habilidade&) = default;
};

// The check of a method: [0] over every pair, [1 … 12] over each calendar month's pairs (with one
// line for all months, the errors of its estimates in that month).
struct ValidacaoCruzada {
    std::array<Habilidade, 13> grupos{};
    friend bool operator==(const ValidacaoCruzada&, const ValidacaoCruzada&) = default;
};

// O(n): the sums of each group are downdated by one pair in turn rather than refitted. A pair
// whose group keeps fewer than kMinimoParesReta others is not estimated.
ValidacaoCruzada validacaoCruzada(std::span<const Par> pares, const OpcoesReta& opcoes);

// The method of the smaller leave-one-out error over all pairs, and why, in a sentence for the
// window ("MOVE.1: erro quadrático médio de 12,3 m³/s na validação cruzada, contra 14,5 m³/s do
// MQO."). Empty when neither could be checked.
struct Recomendacao {
    MetodoReta metodo = MetodoReta::MinimosQuadrados;
    QString motivo;
};
std::optional<Recomendacao> recomendar(const ValidacaoCruzada& mqo, const ValidacaoCruzada& move1);

} // namespace corvel
