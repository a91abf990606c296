// The shared results report's preparation.
#include "relatorio.h"

namespace corvel::relatorio {

void TirarGrade(Relatorio& relatorio, int colunas) {
    relatorio.colunas.assign(static_cast<std::size_t>(colunas), Coluna{});
    relatorio.linhas.clear();
    relatorio.colunasComMoldura = colunas;
}

} // namespace corvel::relatorio
