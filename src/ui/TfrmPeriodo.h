// The year dialog of the four period commands of the data management window: one field of up to
// five digits; "Cancelar" empties it and closes, which ends the command without a change.
#pragma once

#include "core/entradadados.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

namespace corvel::ui {

class TfrmPeriodo : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPeriodo(QWidget* pai = nullptr);

    // Caption and prompt of the command that asks.
    void preparar(ComandoPeriodo comando);
    QLineEdit* campo() const { return campo_; }
    QString rotulo() const;
    // The year typed; empty when the field is (a cancelled dialog empties it).
    std::optional<int> ano() const;

    void btnOKClick();
    void btnCancelarClick();

  protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    QLabel* rotulo_;
    QLineEdit* campo_;
};

} // namespace corvel::ui
