// Filling short gaps of a station's daily flows from one neighbouring station: the line of least
// squares or MOVE.1 (on the flows or their logarithms, for the year or per calendar month) fitted
// to the days both observed, applied to the days of each gap no longer than a limit. The filled
// days carry the "preenchido" flag, so every later analysis counts them and can leave them out.
#pragma once

#include "ajustereta.h"

#include "core/serie.h"

#include <QString>

namespace corvel {

inline constexpr int kLacunaMaximaPadrao = 30;

struct OpcoesDiario {
    OpcoesReta reta;
    int lacunaMaxima = kLacunaMaximaPadrao; // days; a longer gap is left as it is
};

struct ResultadoDiario {
    // The lines fitted to the days both stations observed (days the base had filled before are
    // not observations), and both methods' leave-one-out check on them.
    int pares = 0;
    ModeloReta modelo;
    ValidacaoCruzada vcMqo, vcMove1;

    // The gaps: runs of days without a value between two observed days of the base (the days
    // before its first value and after its last are not gaps). A day of a month the base has no
    // record of is part of its gap but is not filled.
    int lacunas = 0;
    int lacunasLongas = 0;      // longer than the limit: not filled
    int lacunasPreenchidas = 0; // at least one day filled
    int diasPreenchidos = 0;
    int diasSemAuxiliar = 0;    // in short gaps, without the neighbour's value
    int diasSemEstimativa = 0;  // no line for the month, or a zero on the logarithmic scale
    int diasNegativos = 0;      // negative estimates, not used

    // "12 dia(s) preenchido(s) em 3 lacuna(s) de até 30 dias; 2 lacuna(s) mais longa(s) ficaram
    // sem preencher; ..." for the window and the command line.
    QString texto(int lacunaMaxima) const;

    friend bool operator==(const ResultadoDiario&, const ResultadoDiario&) = default;
};

// The fit and the gaps, without changing anything (the window shows it before filling).
ResultadoDiario avaliarPreenchimentoDiario(const SerieTabela& base, const SerieTabela& auxiliar,
                                           const OpcoesDiario& opcoes);
// The same, and the short gaps' days filled in `base` (flag "preenchido"). Throws Erro when the two
// stations have too few days in common for a line.
ResultadoDiario preencherDiario(SerieTabela& base, const SerieTabela& auxiliar,
                                const OpcoesDiario& opcoes);

} // namespace corvel
