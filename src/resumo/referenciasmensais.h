// Reference flows of each calendar month and of seasons the user defines: the Q95 and Q90 of the
// month's days over the period, the Qd,T of the month's annual d-day minima and the month's mean,
// for grants that release water in the wet months and restrict the critical ones.
#pragma once

#include "core/serie.h"
#include "stats/analisedistribuicoes.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

// A set of calendar months, in the order they follow each other (6-9 is June to September,
// 10-3 October to March).
struct EstacaoDoAno {
    QString nome;           // "Junho a Setembro"
    std::vector<int> meses; // 6, 7, 8, 9
};

// "6-9" or "10-3" (the months from the first to the last, across December when the first is the
// larger). Empty for a text that is not two months from 1 to 12.
std::optional<EstacaoDoAno> lerEstacaoDoAno(QStringView texto);

struct ReferenciaMensal {
    QString nome;           // "Janeiro" ... "Dezembro", or the season's
    std::vector<int> meses; // the month, or the season's months
    int diasValidos = 0;
    std::optional<double> q95, q90; // the continuous duration curve of those days
    std::optional<double> media;
    std::optional<double> qMinima;  // Qd,T of the best distribution, or 0 in the zero mass
    QString distribuicao;           // its name, or kQMinimaNula
    int anos = 0;                   // annual minima fitted
    int anosNulos = 0;              // of them, zero
};

// Twelve rows, January to December, then one per season. The month's annual d-day minima are taken
// over the windows of d consecutive valid days within the month's days of each year (within the
// season's days, across its months, for a season); they are fitted as the annual minima are, the
// zeros as `nulas` says; Qd,T stays empty with fewer than 5 minima or no admissible fit.
std::vector<ReferenciaMensal> referenciasMensais(const SerieTabela& considerados, int duracao,
                                                 int periodo, VazoesNulas nulas,
                                                 const std::vector<EstacaoDoAno>& estacoes = {});

// mensal.csv: "Mês;Q95 (m³/s);Q90 (m³/s);Q7,10 (m³/s);Vazão média (m³/s)" (Qd,T as asked), a row
// per month and season, every number with all its digits, an empty cell where there is none. With
// a monthly grant criterion, `outorgavel` holds each row's grantable flow: a last column
// "Vazão outorgável (m³/s)".
QString textoReferenciasMensais(const std::vector<ReferenciaMensal>& linhas, int duracao,
                                int periodo,
                                std::span<const std::optional<double>> outorgavel = {});

} // namespace corvel
