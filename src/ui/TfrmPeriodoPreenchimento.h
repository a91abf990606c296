// "Período de preenchimento": the first and last year of a new gap-filling project. The window is
// kept by the gap-filling window, so it offers the years last typed. OK stays open with the reason
// while the period cannot be.
#pragma once

#include "filling/projetopreenchimento.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace corvel::ui {

class ServicoDialogos;

class TfrmPeriodoPreenchimento : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPeriodoPreenchimento(ServicoDialogos& dialogos, QWidget* pai = nullptr);

    QLineEdit* inicio() const { return edtInicio_; }
    QLineEdit* fim() const { return edtFim_; }
    QPushButton* botaoOK() const { return btnOK_; }
    QPushButton* botaoCancel() const { return btnCancel_; }
    // The period accepted by the last OK.
    const PeriodoPreenchimento& periodo() const { return periodo_; }

  public Q_SLOTS:
    void btnOKClick();

  private:
    ServicoDialogos& dialogos_;
    QLineEdit* edtInicio_;
    QLineEdit* edtFim_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
    PeriodoPreenchimento periodo_;
};

} // namespace corvel::ui
