// The one conversion of monthly records into table rows, for every grid, export and report that
// lists a series month by month: the month, optionally its failure percentage, its 31 days (a day
// past the month's end is always empty), optionally its situation.
#pragma once

#include "serie.h"
#include "tabelaexibida.h"

namespace corvel {

struct ColunasDaSerie {
    QString falhas;                 // title of the failure-percentage column; empty: no such column
    bool diasComDoisDigitos = true; // "Dia 01" rather than "Dia 1"
    bool situacao = false;          // a last "Situação" column
    bool mesesDescartados = false;  // how the situation is written (see RegistroMensal::situacao)
};

TabelaExibida tabelaDaSerie(const SerieTabela& serie, const ColunasDaSerie& colunas = {});

} // namespace corvel
