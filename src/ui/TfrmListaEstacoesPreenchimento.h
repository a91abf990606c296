// The station list of "Novo preenchimento...": the station to fill, the base chosen at first.
#pragma once

#include "listaestacoes.h"

namespace corvel::ui {

class TfrmListaEstacoesPreenchimento : public ListaEstacoes {
    Q_OBJECT
  public:
    TfrmListaEstacoesPreenchimento(const std::vector<QString>& titulos, QWidget* pai = nullptr);
};

} // namespace corvel::ui
