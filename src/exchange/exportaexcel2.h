// Spreadsheet export of the availability diagram: values as they are, and every cell but the first
// column coloured by the availability classes (bold text): null and 0-80 red/white, 81-89
// yellow/black, 90-94 grey/white, 95-99 blue/white, 100 green/white.
#pragma once

#include "planilha.h"

namespace corvel {

class TExportaExcel_2 {
  public:
    // Writes the workbook to `caminho`. Throws ErroArquivo when the file cannot be written.
    static void escrever(const QString& caminho, const TabelaExibida& tabela, const QString& titulo,
                         const Progresso& progresso = {});
};

} // namespace corvel
