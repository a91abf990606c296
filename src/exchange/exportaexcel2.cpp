// TExportaExcel_2 over the shared spreadsheet writer.
#include "exportaexcel2.h"

namespace corvel {

void TExportaExcel_2::escrever(const QString& caminho, const TabelaExibida& tabela,
                               const QString& titulo, const Progresso& progresso) {
    escreverPlanilha(caminho, tabela, titulo, 0, 0, ModoPlanilha::Cores, progresso);
}

} // namespace corvel
