// Annual minima of d-day moving means and annual maxima of daily flows, per hydrological year, over
// the considered months of a project.
#pragma once

#include "core/formato.h"
#include "core/serie.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvel {

// The considered months (code 0) of a project file, ordered by date: an analysis window's table.
SerieTabela lerMesesConsiderados(const QString& arquivoProjeto);
// The same taken from a series in memory (its records in stored order, as a saved file holds them).
SerieTabela mesesConsiderados(const SerieTabela& serie);

struct MinimaAnual {
    int ano = 0;                     // the calendar year in which the hydrological year begins
    bool temMeses = false;           // some considered month lies in the year
    std::optional<double> minima;    // smallest d-day mean; empty when no window formed
    QDate inicio;                    // first day of that window
    int diasValidos = 0;
    ContagemSinais sinais; // the flags of the window's days

    // The texts of the annual table: "1975/1976", "10/08/1975", "3,00" or "0,0137" ("-" without
    // months, " - " without a window), "365".
    QString textoAno() const;
    QString textoInicio() const;
    QString textoMinima(Digitos digitos = Digitos::Exibicao) const;
    QString textoDias() const;
    // "Dias sinalizados": the window's flagged days, empty without a minimum.
    QString textoSinalizados() const;
};

// One row per calendar year from the first to the last considered month's year; `duracao` >= 1.
std::vector<MinimaAnual> CalculaMinimaAnual(const SerieTabela& considerados, int inicioAnoHidrologico,
                                            int duracao);

struct MaximaAnual {
    int ano = 0;
    bool anoHidrologico = false;  // label "Y/Y+1" (start month after January)
    std::optional<double> maxima; // largest positive daily flow; empty when none
    QDate data;                   // day of the maximum
    int diasValidos = 0;
    ContagemSinais sinais; // the flags of that day

    QString textoAno() const;
    QString textoData() const;
    QString textoMaxima(Digitos digitos = Digitos::Exibicao) const;
    QString textoDias() const;
    QString textoSinalizados() const; // 0 or 1, empty without a maximum
};

// One row per year from `anoInicio` to `anoFim`; every day of each hydrological year is scanned.
std::vector<MaximaAnual> CalculaMaximaAnual(const SerieTabela& considerados, int inicioAnoHidrologico,
                                            int anoInicio, int anoFim);

} // namespace corvel
