// TExportaExcel over the shared spreadsheet writer.
#include "exportaexcel.h"

namespace corvel {

void TExportaExcel::escrever(const QString& caminho, const TabelaExibida& tabela,
                             const QString& titulo, const Progresso& progresso) {
    escreverPlanilha(caminho, tabela, titulo, 0, 0, ModoPlanilha::Texto, progresso);
}

} // namespace corvel
