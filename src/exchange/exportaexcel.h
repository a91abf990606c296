// Spreadsheet export with plain values: a float column as numbers with nulls left empty, every
// other column as text.
#pragma once

#include "planilha.h"

namespace corvel {

class TExportaExcel {
  public:
    // Writes the workbook to `caminho`. Throws ErroArquivo when the file cannot be written.
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         const Progresso& progresso = {});
};

} // namespace corvel
