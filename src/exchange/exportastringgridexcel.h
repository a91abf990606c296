// Spreadsheet export of a grid placed away from the sheet's corner: values as they are, the header
// at row r0 + 1 and the records from row r0 + 2, from column c0 + 1.
#pragma once

#include "planilha.h"

namespace corvel {

class TExportaStringGridExcel {
  public:
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         int linhaInicial, int colunaInicial, const Progresso& progresso = {});
};

} // namespace corvel
