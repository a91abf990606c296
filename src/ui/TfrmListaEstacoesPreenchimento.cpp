// The station list of "Novo preenchimento...".
#include "TfrmListaEstacoesPreenchimento.h"

#include "filling/textospreenchimento.h"

namespace corvel::ui {

TfrmListaEstacoesPreenchimento::TfrmListaEstacoesPreenchimento(const std::vector<QString>& titulos,
                                                               QWidget* pai)
    : ListaEstacoes(QString::fromUtf8(kGrupoPreencher), titulos, true, pai) {
    setObjectName(QStringLiteral("TfrmListaEstacoesPreenchimento"));
}

} // namespace corvel::ui
