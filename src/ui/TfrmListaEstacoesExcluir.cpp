// The station list of "Excluir estação".
#include "TfrmListaEstacoesExcluir.h"

#include "filling/textospreenchimento.h"

namespace corvel::ui {

TfrmListaEstacoesExcluir::TfrmListaEstacoesExcluir(const std::vector<QString>& titulos,
                                                   QWidget* pai)
    : ListaEstacoes(QString::fromUtf8(kGrupoExcluir), titulos, false, pai) {
    setObjectName(QStringLiteral("TfrmListaEstacoesExcluir"));
}

} // namespace corvel::ui
