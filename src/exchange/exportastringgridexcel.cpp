// TExportaStringGridExcel over the shared spreadsheet writer.
#include "exportastringgridexcel.h"

namespace corvel {

void TExportaStringGridExcel::escrever(const QString& caminho, const TabelaExibida& tabela,
                                       const QString& titulo, int linhaInicial, int colunaInicial,
                                       const Progresso& progresso) {
    escreverPlanilha(caminho, tabela, titulo, linhaInicial, colunaInicial, ModoPlanilha::Valores,
                     progresso);
}

} // namespace corvel
