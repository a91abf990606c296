// "Valores da Curva-chave": the upper and lower flows measured for the station's rating curve,
// typed with either decimal mark; OK keeps them only when upper > lower ≥ 0.
#pragma once

#include "core/bancada.h"

#include <QDialog>

class QLineEdit;

namespace corvel::ui {

class ServicoDialogos;

class TfrmCurvaChave : public QDialog {
    Q_OBJECT
  public:
    TfrmCurvaChave(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);

    QLineEdit* superior() const { return superior_; }
    QLineEdit* inferior() const { return inferior_; }

    void btnOKClick();

  protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    QLineEdit* superior_;
    QLineEdit* inferior_;
};

} // namespace corvel::ui
