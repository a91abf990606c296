// "Escolha a estação": the stations a filling may use, with their statistics, ten rows at a time.
// Ticking a station's box "Preencher com esta estação" asks the gap-filling window to fill from it;
// the window closes once a filling was made, and stays open with the reason when the station may
// not fill.
#pragma once

#include "filling/regressao.h"

#include <QDialog>
#include <functional>
#include <vector>

class QTableView;

namespace corvel::ui {

class ModeloEscolhaEstacao;
class ServicoDialogos;

class TForm1 : public QDialog {
    Q_OBJECT
  public:
    // Fills from statistics row `estacao`; throws the reason when it may not.
    using Preencher = std::function<void(std::size_t estacao)>;

    TForm1(ServicoDialogos& dialogos, const std::vector<EstatisticaEstacao>& estatisticas,
           std::vector<std::size_t> oferecidas, Preencher preencher, QWidget* pai = nullptr);
    ~TForm1() override;

    QTableView* grade() const { return grdEstacoes_; }
    ModeloEscolhaEstacao* modelo() const { return modelo_; }

  private:
    ServicoDialogos& dialogos_;
    Preencher preencher_;
    ModeloEscolhaEstacao* modelo_;
    QTableView* grdEstacoes_;
};

} // namespace corvel::ui
