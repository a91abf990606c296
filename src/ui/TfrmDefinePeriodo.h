// "Define período": the station code and the whole years of a new empty series. Its OK makes the
// series; until then the workbench's cancel flag stays on.
#pragma once

#include "core/bancada.h"

#include <QDialog>

class QLineEdit;

namespace corvel::ui {

class ServicoDialogos;

class TfrmDefinePeriodo : public QDialog {
    Q_OBJECT
  public:
    TfrmDefinePeriodo(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);

    QLineEdit* codigo() const { return codigo_; }
    QLineEdit* anoInicial() const { return anoInicial_; }
    QLineEdit* anoFinal() const { return anoFinal_; }

    void btnOKClick();
    // Leaving the code field: a code longer than 8 digits is cut, with the message.
    void edtCodigoExit();

  protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    QLineEdit* codigo_;
    QLineEdit* anoInicial_;
    QLineEdit* anoFinal_;
    QWidget* ok_;
};

} // namespace corvel::ui
