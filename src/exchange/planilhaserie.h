// The series as the spreadsheet export shows it: "Mês", "Dia 01" ... "Dia 31", and "Situação" as
// the last column once an import of the run has made it visible.
#pragma once

#include "tabelaexibida.h"

#include "core/serie.h"

namespace corvel {

TabelaExibida tabelaExibidaDaSerie(const SerieTabela& serie, bool mesesDescartados,
                                   bool situacaoVisivel);

} // namespace corvel
