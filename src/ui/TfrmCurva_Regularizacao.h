// "Regularização de vazões": the storage a reservoir needs to regulate twenty flows, 5 % to 100 %
// of the mean inflow, with or without the evaporation from its surface; the daily deficit of one
// level, the mass diagram, their exports, the chart prints and the report. The calculation runs
// behind a progress window that can cancel it.
#pragma once

#include "janelavazoes.h"

#include "analyses/tabelasregularizacao.h"

#include <optional>

class QLabel;
class QTabBar;

namespace corvel::ui {

class GraficoMassas;
class GraficoReservatorio;
class ModeloCapacidade;
class ModeloTextos;
class TfrmBarraProgressoRegularizacao;

inline constexpr int kTopicoRegularizacao = 16;

class TfrmCurva_Regularizacao : public JanelaVazoes {
    Q_OBJECT
  public:
    explicit TfrmCurva_Regularizacao(TfrmPrincipal& principal);
    ~TfrmCurva_Regularizacao() override;

    // The result pages, hidden until a calculation ends.
    int paginaCapacidade() const { return paginaCapacidade_; }
    int paginaVazaoRegularizada() const { return paginaVazao_; }
    int paginaDiagrama() const { return paginaDiagrama_; }

    // The last calculation; empty before one, after a cancel or a failure.
    const std::optional<ResultadoRegularizacao>& resultado() const { return resultado_; }
    bool ocupada() const { return ocupado_; }

    QTabBar* seletorNivel() const { return tabNivel_; }
    // The level the reservoir tab shows, 1 ... 20 ("5%" ... "100%").
    int nivel() const;
    ModeloCapacidade* modeloCapacidade() const { return modeloCapacidade_; }
    ModeloTextos* modeloVazaoRegularizada() const { return modeloVazao_; }
    ModeloTextos* modeloEvaporacao() const { return modeloEvaporacao_; }
    QTableView* gradeEvaporacao() const { return grdEvaporacao_; }
    QString textoVolume() const;
    QString textoNota() const;
    // The area line above the evaporation grid; empty while hidden.
    QString textoArea() const;
    GraficoReservatorio* graficoReservatorio() const { return chtReservatorio_; }
    GraficoMassas* graficoMassas() const { return chtMassas_; }

    relatorio::Relatorio relatorioVazao() const;
    relatorio::Relatorio relatorioEvaporacao() const;

  public Q_SLOTS:
    // "Calcular": the progress window, which runs CalcularRegularizacao.
    void btnCalcularClick();
    void PreProcessamento1Click();
    void DadosCsv1Click();
    void DadosXls1Click();
    void CapacidadeCsv1Click();
    void CapacidadeXls1Click();
    void VazaoRegularizadaCsv1Click();
    void VazaoRegularizadaXls1Click();
    void DiagramaMassasBmp1Click();
    void ImprimirDiagramaMassas1Click();
    void ImprimirVazaoRegularizada1Click();
    void SalvarReservatorioClick();
    void ImprimirReservatorioClick();
    // The reservoir tab for the chosen level, each time it opens or the level changes.
    void tabCapacidadeShow();
    void grdEvaporacaoDblClick();

  protected:
    void aoAtivar() override;
    TabelaExibida tabelaDados() const override;

  private:
    void criarComandos();
    QWidget* criarPaginaCapacidade();
    QWidget* criarPaginaVazao();
    QWidget* criarPaginaDiagrama();
    void CalcularRegularizacao(TfrmBarraProgressoRegularizacao& progresso);
    // The evaporation step: the rates (asked in the evaporation window when they count), the
    // evaporated flow of each month, written back to the file.
    TabelaEvaporacao etapaEvaporacao(bool considerar, QWidget* pai, double& media);
    void mostrarResultados();
    void esconderResultados();
    void preencherVazao();
    // While a calculation runs the window takes no command.
    void habilitar(bool sim);

    int paginaCapacidade_ = -1, paginaVazao_ = -1, paginaDiagrama_ = -1;
    bool ocupado_ = false;
    std::optional<ResultadoRegularizacao> resultado_;
    // The level of the reservoir tab once it has been shown after the calculation: the daily
    // export then holds that level's columns.
    std::optional<int> nivelExibido_;
    // The report's header as it was when the results were calculated.
    int inicioAnoCalculo_ = 1;
    QString periodoCalculo_;

    QTabBar* tabNivel_ = nullptr;
    QLabel* lblVolume_ = nullptr;
    QLabel* lblNota_ = nullptr;
    QLabel* lblArea_ = nullptr;
    ModeloCapacidade* modeloCapacidade_ = nullptr;
    ModeloTextos* modeloVazao_ = nullptr;
    ModeloTextos* modeloEvaporacao_ = nullptr;
    QTableView* grdEvaporacao_ = nullptr;
    GraficoReservatorio* chtReservatorio_ = nullptr;
    GraficoMassas* chtMassas_ = nullptr;
};

} // namespace corvel::ui
