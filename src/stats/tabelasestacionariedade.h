// What the stationarity window shows, exports and prints, from the typed results: the result
// table's titles and texts, the spreadsheet tables of the input series and of the results, and the
// report "RELATÓRIO ESTACIONARIEDADE".
#pragma once

#include "estacionariedade.h"

#include "core/relatorio.h"
#include "core/tabelaexibida.h"

#include <span>

namespace corvel {

// "Período", "H0 (Variância)", "H0 (Média)", "s² (Série A)", "s² (Série B)", "Xm (Série A)",
// "Xm (Série B)".
std::vector<QString> titulosEstacionariedade();
// One row of texts per result, as the grid and the CSV export show them: the verdicts and the
// variances and means with four decimals.
std::vector<std::vector<QString>>
linhasEstacionariedade(std::span<const LinhaEstacionariedade> linhas);

TabelaExibida tabelaEntradaEstacionariedade(std::span<const DadoEntrada> dados);
TabelaExibida tabelaResultadosEstacionariedade(std::span<const LinhaEstacionariedade> linhas);

// `tipo` is "Contínua (5%)" or "Personalizada (1%)", as the page and level tab read.
relatorio::Relatorio relatorioEstacionariedade(std::span<const LinhaEstacionariedade> linhas,
                                               const QString& tecnico, const QString& estacao,
                                               const QString& tipo);

} // namespace corvel
