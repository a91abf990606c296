// The small modal window the regularization runs under: a label with the step, a progress bar and
// "Cancelar". Once it has been painted, a timer starts the work on its second tick; the window
// closes when the work ends. A dialog service that closes modal windows at once (the tests') leaves
// the work to `concluir`, so the outcome is the same.
#pragma once

#include "analyses/regularizacao.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace corvel::ui {

class ServicoDialogos;

class TfrmBarraProgressoRegularizacao : public QDialog {
    Q_OBJECT
  public:
    using Trabalho = std::function<void(TfrmBarraProgressoRegularizacao&)>;
    TfrmBarraProgressoRegularizacao(ServicoDialogos& dialogos, QWidget* pai, Trabalho trabalho);

    // Runs the work unless the timer already did, or the user cancelled before it began.
    void concluir();

    // The core's progress callback: shows the step and the share done, and whenever the share
    // moves lets the window repaint and "Cancelar" be pressed. False once the user cancelled.
    bool acompanhar(EtapaRegularizacao etapa, int porcentagem);
    // A step that reports no progress of its own: its label over the bar at 0.
    void mostrarEtapa(EtapaRegularizacao etapa);
    void esconderBarra();
    bool cancelado() const { return cancelado_; }

    QString texto() const;
    QPushButton* botaoCancelar() const { return btnCancelar_; }

  public Q_SLOTS:
    // "Deseja cancelar o cálculo da regularização?"; Yes stops the work at the next day.
    void btnCancelarClick();
    // Esc and the window's close button ask the same.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    ServicoDialogos& dialogos_;
    Trabalho trabalho_;
    QLabel* lblEtapa_;
    QProgressBar* barra_;
    QPushButton* btnCancelar_;
    QTimer relogio_;
    int tiques_ = 0;
    bool iniciado_ = false, trabalhando_ = false, cancelado_ = false;
    int ultimaPorcentagem_ = -1;
    std::optional<EtapaRegularizacao> ultimaEtapa_;
};

} // namespace corvel::ui
