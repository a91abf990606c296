// A table as a window shows it: the visible columns with their display labels and the rows in the
// grid's order. What the spreadsheet exporters and the result CSV writer take.
#pragma once

#include "tabela.h"

#include <QString>
#include <vector>

namespace corvel {

struct ColunaExibida {
    QString rotulo;
    TipoCampo tipo = TipoCampo::Texto;
};

struct TabelaExibida {
    std::vector<ColunaExibida> colunas;
    std::vector<std::vector<Valor>> linhas; // one Valor per column; null = std::monostate
};

// The text form of a value: a number in the general form with decimal comma, a date-time as
// dd/mm/yyyy (with the time when it is not midnight), a null as empty text.
QString textoDoValor(const Valor& v);

// The column labels, and every row as the text form of its values: what a result CSV file holds.
std::vector<QString> rotulos(const TabelaExibida& tabela);
std::vector<std::vector<QString>> textos(const TabelaExibida& tabela);

} // namespace corvel
