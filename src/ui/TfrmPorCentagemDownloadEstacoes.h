// "Baixando estações": the progress of a multi-station download, not modal. It shows the station
// in progress, the count, a bar and the log; "Cancelar" asks the download to stop after the
// station in progress, "&Fechar" closes (and destroys) it once the download is over.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace corvel::ui {

class TfrmPorCentagemDownloadEstacoes : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPorCentagemDownloadEstacoes(QWidget* pai = nullptr);

    // Bar from 0 to n, log emptied.
    void iniciar(qsizetype n);
    // Station i (1-based) of n is on its way.
    void mostrarEstacao(qsizetype i, qsizetype n, const QString& codigo);
    // The log as it stands: the lines not yet shown are added.
    void atualizarLog(const QStringList& log);
    // The user's cancel was taken: no second one.
    void desabilitarCancelar();
    // The download is over: labels cleared, "Cancelar" off, "&Fechar" on, the bar hidden.
    void concluir(const QStringList& log);

    // The download stopped on a failure: the window goes away at once.
    void encerrar();

    QString textoLog() const;
    bool concluida() const { return concluida_; }

  Q_SIGNALS:
    // "Cancelar" was clicked.
    void cancelamentoPedido();

  protected:
    // Closed only by "&Fechar" once the download is over.
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

  private:
    QLabel* lblEstacao_ = nullptr;
    QLabel* lblContagem_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    QPushButton* btnFechar_ = nullptr;
    qsizetype linhasMostradas_ = 0;
    bool concluida_ = false;
};

} // namespace corvel::ui
