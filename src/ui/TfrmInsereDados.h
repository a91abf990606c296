// "Gerenciando dados ": the monthly records of the open series for typing daily flows in, the
// years added before the start or after the end, the years deleted at either end, and a month
// emptied. While it is open, rows cannot be added by hand and every record written passes the
// data-entry check.
#pragma once

#include "core/bancada.h"

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QProgressBar;
class QTableView;

namespace corvel::ui {

class ModeloEntradaDados;
class ServicoDialogos;
class TfrmPeriodo;

class TfrmInsereDados : public QDialog {
    Q_OBJECT
  public:
    // `cabecalho`: the main window's header text. `salvarProjeto` saves the project (after a
    // deletion).
    TfrmInsereDados(Bancada& bancada, ServicoDialogos& dialogos, const QString& cabecalho,
                    std::function<void()> salvarProjeto, QWidget* pai = nullptr);
    ~TfrmInsereDados() override;

    QAction* acao(const char* nome) const;
    QTableView* grade() const { return grade_; }
    ModeloEntradaDados* modelo() const { return modelo_; }
    QProgressBar* progresso() const { return progresso_; }
    TfrmPeriodo* dialogoAno() const { return periodo_; }
    QString cabecalho() const;

    void Salvar1Click();
    void InserirPeriodoAnterior1Click();
    void AcrescentarPeriodo1Click();
    void ExcluirInicio1Click();
    void ExcluirFim1Click();
    void ApagarMes1Click();
    void Ajuda1Click();

    // Closing writes the record typed into and gives the main window its insertion flag back.
    void done(int resultado) override;

  protected:
    void changeEvent(QEvent* evento) override;

  private:
    QAction* novoComando(QMenu* menu, const char* nome, const QString& legenda,
                         void (TfrmInsereDados::*metodo)(), const QKeySequence& tecla = {});
    // Commits an open editor and writes the record typed into; false when the text typed is not
    // a number (the editor stays open).
    bool concluirEdicao();
    // The year of the dialog for a command, asked again while it is below 1 (and, with
    // `pergunta`, confirmed each time); empty when the user gave up.
    std::optional<int> pedirAno(ComandoPeriodo comando,
                                const std::function<QString(int)>& pergunta = {});
    // Runs a change of the series' months with the busy cursor, the window disabled and the
    // progress bar, all restored on every way out.
    void alterarMeses(const std::function<void(const ProgressoMeses&)>& alterar);
    // Deleting years at either end: data-entry mode off meanwhile, the project saved after.
    void excluirAnos(const std::function<void(const ProgressoMeses&)>& excluir);

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    std::function<void()> salvarProjeto_;
    QLabel* cabecalho_;
    QTableView* grade_;
    ModeloEntradaDados* modelo_;
    QProgressBar* progresso_;
    TfrmPeriodo* periodo_;
};

} // namespace corvel::ui
