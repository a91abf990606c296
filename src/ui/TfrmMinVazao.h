// "Vazões Mínimas": per hydrological year, the smallest mean of d consecutive daily flows of the
// considered months, its first day and the valid days; exported, printed and handed to the
// distribution analysis and the stationarity tests as minimum events. The "Vazões mensais" page
// gives each calendar month's (and season's) Q95, Q90, Qd,T and mean, as a table and a chart.
#pragma once

#include "janelavazoes.h"

#include "analyses/vazoesanuais.h"
#include "resumo/referenciasmensais.h"

class QSpinBox;
class QSplitter;

namespace corvel::ui {

inline constexpr int kTopicoMinVazao = 10;
inline constexpr auto kDuracaoPadrao = "7";

class TfrmMinVazao : public JanelaVazoes {
    Q_OBJECT
  public:
    explicit TfrmMinVazao(TfrmPrincipal& principal);

    QLineEdit* duracao() const { return edtDuracao_; }
    // The annual table of the last calculation; empty before the first one.
    const std::optional<std::vector<MinimaAnual>>& anuais() const { return anuais_; }
    // The printed annual table (calculated first when there is none).
    relatorio::Relatorio relatorioAnual();
    // The "Vazões mensais" page: its return period, seasons, table and tab.
    QSpinBox* periodoMensal() const { return spnPeriodoMensal_; }
    QLineEdit* estacoesDoAno() const { return edtEstacoes_; }
    QStandardItemModel* modeloMensal() const { return modeloMensal_; }
    int paginaMensal() const { return paginaMensal_; }

  public Q_SLOTS:
    void btnCalcularClick();
    void PreProcessamento1Click();
    void AnaliseEstatistica1Click();
    void Estacionariedade1Click();
    void DadosCsv1Click();
    void DadosXls1Click();
    void MinimasCsv1Click();
    void MinimasXls1Click();
    void MinimasAnuais1Click();
    // "Vazões mensais": the monthly figures with the duration, the return period and the seasons
    // of the page.
    void btnMensaisClick();
    void MensaisCsv1Click();
    // Leaving "Duração": an empty value or one below 1 becomes "7".
    void edtDuracaoExit();

  protected:
    void aoAtivar() override;

  private:
    void criarComandos();
    void criarPaginaMensal();
    std::vector<EstacaoDoAno> lerEstacoes() const;
    // The annual table as it stands, calculated first when there is none.
    const std::vector<MinimaAnual>& tabelaAnual();

    QLineEdit* edtDuracao_ = nullptr;
    std::optional<std::vector<MinimaAnual>> anuais_;
    int duracaoCalculada_ = 7;

    QSpinBox* spnPeriodoMensal_ = nullptr;
    QLineEdit* edtEstacoes_ = nullptr;
    QStandardItemModel* modeloMensal_ = nullptr;
    QTableView* grdMensais_ = nullptr;
    QSplitter* divisaoMensal_ = nullptr;
    class GraficoMensal* graficoMensal_ = nullptr;
    int paginaMensal_ = -1;
    std::vector<ReferenciaMensal> mensais_;
    int duracaoMensal_ = 7, periodoMensal_ = 10;
};

} // namespace corvel::ui
