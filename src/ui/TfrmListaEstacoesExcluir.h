// The station list of "Excluir estação": none chosen at first.
#pragma once

#include "listaestacoes.h"

namespace corvel::ui {

class TfrmListaEstacoesExcluir : public ListaEstacoes {
    Q_OBJECT
  public:
    TfrmListaEstacoesExcluir(const std::vector<QString>& titulos, QWidget* pai = nullptr);
};

} // namespace corvel::ui
