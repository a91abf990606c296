// The station choice of the Access import: the station codes of the database in a drop-down list
// that starts with none picked, OK and "Cancelar".
#pragma once

#include "exchange/importacaoaccess.h"

#include <QDialog>
#include <vector>

class QComboBox;

namespace corvel::ui {

class TfrmEscolhaEstacao : public QDialog {
    Q_OBJECT
  public:
    TfrmEscolhaEstacao(const std::vector<qint32>& codigos, QWidget* pai = nullptr);

    QComboBox* lista() const { return lista_; }
    // How the window was left, and the position picked (0 when none).
    RespostaEscolha resposta() const;
    qsizetype escolhida() const;

  private:
    QComboBox* lista_;
};

} // namespace corvel::ui
