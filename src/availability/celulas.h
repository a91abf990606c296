// The cells of one project file in the availability diagram: per year, the share of the year's
// days that have a flow value, trusting each month's stored failure percentage (`Media`).
#pragma once

#include "diagrama.h"

#include "core/tabela.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvel {

// The percentage of a year with `diasPresentes` days with a value: × 100 ÷ 365 or 366, to the
// nearest whole number with a half going to the even neighbour.
int porcentagemAno(int diasPresentes, int ano);

struct EstacaoDisponibilidade {
    QString codigo;                       // EstacaoCodigo of the first stored record, as text
    std::vector<std::optional<int>> anos; // one cell per year of the period, never empty
    // Per year, the share (%, to the nearest, halves to even) of the days with a value that are
    // estimated (the agency's status) or of raw (level 1) months; empty for a year without days
    // with a value, and the estimated share for a project written before the statuses were kept.
    std::vector<std::optional<int>> estimados, brutos;
};

// Reads the project's table (as a project file holds it). For each month of a year of the period:
// `Media` 0 or null adds the month's days; between 0 and 100 adds the days 1 … month length that
// have a value; 100 or more, or negative, adds nothing. The situation codes are not consulted. A
// month the file repeats counts once (its first record). A year without any record gets 0.
// Throws ErroArquivo when the table is not a project, lacks a field the cells need, or has no
// record with a station code.
EstacaoDisponibilidade disponibilidadeProjeto(const Tabela& projeto, PeriodoDiagrama periodo);

} // namespace corvel
