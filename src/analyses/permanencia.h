// Flow-duration curves of every valid daily flow of the considered months: a curve of 50
// logarithmic classes and a continuous curve of the ranked flows, each with the flows equalled or
// exceeded 95, 90, ... 50 % of the time (the reference flows Q95 ... Q50).
#pragma once

#include "mensagens.h"

#include "core/serie.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace corvel {

inline constexpr int kClassesPermanencia = 50;
// The percentages of the reference tables, in their order.
inline constexpr std::array<int, 10> kPermanencias = {95, 90, 85, 80, 75, 70, 65, 60, 55, 50};

// One calendar day of a considered month (days 1 to the month's length, in date order).
struct DiaPermanencia {
    int id = 0; // running number from 1
    QDate data;
    std::optional<double> valor; // empty for a missing day, which counts nowhere
    int classe = 0;
};

// The daily list of the considered months: every day in date order, with or without a flow.
std::vector<DiaPermanencia> ListaDiaria(const SerieTabela& considerados);
// The flows of the days of that list that have one (zero and negative values included), smallest
// first: what both curves are built from.
std::vector<double> vazoesOrdenadas(const SerieTabela& considerados);

// A row of the class table. `f` is the share of days whose flow exceeds `min`, so (f, min) is a
// point of the duration curve.
struct ClassePermanencia {
    int id = 0;     // 50 (highest flows) down to 1
    double max = 0; // upper bound: a flow equal to it belongs to this class
    double min = 0; // lower bound: a flow equal to it belongs to the class below
    int freq = 0;   // days in the class
    double fx = 0;  // 100 x freq / N
    double f = 0;   // cumulative fx from class 50 down to this class
};

// The rows of "Análise de frequência" on the page "Curva de permanência (com classes)" and of its
// chart (texts and points in tabelaspermanencia.h): class 50 first, from the sorted flows
// (kMsgSemVazoesValidas without any). The bounds run logarithmically from the largest to the
// smallest non-negative flow (a bound not above 0 becomes 0,0001). Class 1 also takes the days from
// 0 (excluded) to its lower bound, and its `fx` becomes 100 minus `f` of class 2 and its `f` 100:
// days of zero flow end up in `fx` of class 1 only.
std::vector<ClassePermanencia> CurvaClasses(const std::vector<double>& ordenadas);

// A reference flow of the class curve. Empty flow and bounds: the percentage lies beyond the
// table (more than that share of the days lie in class 50, or fewer than two valid days).
struct ReferenciaClasse {
    int permanencia = 0;
    std::optional<double> vazao;
    // The points the flow was read from: when it matches a class `f` exactly, that class's bounds
    // and its `f` twice; when interpolated, the lower bounds of the two bracketing classes (the
    // larger as "máx.") and their `f` (that of the class below as "Freq. máx.").
    std::optional<double> max, min, fmax, fmin;
};

// The rows of "Vazões X permanência" on the class page, Q95 ... Q50: from class 1 upwards to the
// first class with `f` <= the percentage, then its lower bound or a linear interpolation with the
// class below on the (f, min) points. `diasValidos` is N.
std::vector<ReferenciaClasse> VazoesReferenciaClasses(const std::vector<ClassePermanencia>& classes,
                                                      int diasValidos);

// A row of the continuous table: the i-th smallest of n flows and 100 x (n - i + 1) / n cut (not
// rounded) to two decimals: the smallest gets 100, the largest 100 / n.
struct PontoPermanencia {
    double valor = 0;
    double permanencia = 0;
};
// The rows of "Análise de frequência" on the page "Curva de permanência (contínua)" and of its
// chart, from the sorted flows.
std::vector<PontoPermanencia> CurvaContinua(const std::vector<double>& ordenadas);

struct ReferenciaContinua {
    int permanencia = 0;
    std::optional<double> vazao; // empty when no row lies at or below the percentage (n < 2)
};
// The rows of "Vazões X permanência" on the continuous page, Q95 ... Q50: the first row from the
// smallest flow up with a percentage <= the one sought, its flow on a match, else the
// interpolation with the row before it.
std::vector<ReferenciaContinua>
VazoesReferenciaContinua(const std::vector<PontoPermanencia>& curva);

// "Calcular" of the window: both curves and both reference tables.
struct CurvaPermanencia {
    int diasValidos = 0;   // N
    ContagemSinais sinais; // the flags of those days
    std::vector<ClassePermanencia> classes;
    std::vector<ReferenciaClasse> referenciasClasses;
    std::vector<PontoPermanencia> continua;
    std::vector<ReferenciaContinua> referenciasContinua;
};
// Everything the two curve pages display. Throws Erro (warning) with kMsgSemVazoesValidas when no
// considered day has a flow: the window then shows that message and no curve page.
CurvaPermanencia CalcularPermanencia(const SerieTabela& considerados);

} // namespace corvel
