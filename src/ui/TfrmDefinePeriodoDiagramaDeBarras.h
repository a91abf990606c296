// "Período": the first and last year of a new availability diagram. The boxes take digits only;
// Enter in the first goes to the second, Enter in the second is OK. OK keeps the window open with
// the reason while the period cannot be.
#pragma once

#include "availability/diagrama.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace corvel::ui {

class ServicoDialogos;

class TfrmDefinePeriodoDiagramaDeBarras : public QDialog {
    Q_OBJECT
  public:
    // Opens with `atual`, the diagram's period, when there is one.
    TfrmDefinePeriodoDiagramaDeBarras(ServicoDialogos& dialogos,
                                      const std::optional<PeriodoDiagrama>& atual,
                                      QWidget* pai = nullptr);

    QLineEdit* anoInicial() const { return edtAnoInicial_; }
    QLineEdit* anoFinal() const { return edtAnoFinal_; }
    QPushButton* botaoOK() const { return btnOK_; }
    QPushButton* botaoCancelar() const { return btnCancelar_; }
    // The period accepted by OK.
    const std::optional<PeriodoDiagrama>& periodo() const { return periodo_; }

  public Q_SLOTS:
    void btnOKClick();

  private:
    ServicoDialogos& dialogos_;
    QLineEdit* edtAnoInicial_;
    QLineEdit* edtAnoFinal_;
    QPushButton* btnOK_;
    QPushButton* btnCancelar_;
    std::optional<PeriodoDiagrama> periodo_;
};

} // namespace corvel::ui
