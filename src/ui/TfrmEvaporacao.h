// "Evaporação": the monthly evaporation rates of the reservoir and its area. The rates live in the
// evaporation file of the user's data folder; the area is kept for the whole run. The window is
// left only through its closing check: an area that is a number other than 0.
#pragma once

#include "analyses/evaporacao.h"

#include <QDialog>

class QLineEdit;
class QTableView;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class ModeloEvaporacao;
class ServicoDialogos;

// The folder of the evaporation file: the one the workbench names, else the user's data folder.
QString pastaEvaporacao(const Bancada& bancada);

class TfrmEvaporacao : public QDialog {
    Q_OBJECT
  public:
    // Prepares the table at once: without a file of the user's the program's seed or twelve rows
    // of 0 are saved. Throws ErroArquivo when the file cannot be read or written.
    TfrmEvaporacao(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmEvaporacao() override;

    const TabelaEvaporacao& tabela() const { return tabela_; }
    QTableView* grade() const { return grdEvaporacao_; }
    QLineEdit* area() const { return edtArea_; }

    // The closing check: the area becomes the run's area and the rates are saved, or the
    // message says why the window stays open. True when it may close.
    bool FormCloseQuery();

  public Q_SLOTS:
    void btnOKClick();
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    void preparar();

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    TabelaEvaporacao tabela_;
    ModeloEvaporacao* modelo_ = nullptr;
    QTableView* grdEvaporacao_ = nullptr;
    QLineEdit* edtArea_ = nullptr;
};

} // namespace corvel::ui
