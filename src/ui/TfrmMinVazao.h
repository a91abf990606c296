// "Vazões Mínimas": per hydrological year, the smallest mean of d consecutive daily flows of the
// considered months, its first day and the valid days; exported, printed and handed to the
// distribution analysis and the stationarity tests as minimum events.
#pragma once

#include "janelavazoes.h"

#include "analyses/vazoesanuais.h"

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
    // Leaving "Duração": an empty value or one below 1 becomes "7".
    void edtDuracaoExit();

  protected:
    void aoAtivar() override;

  private:
    void criarComandos();
    // The annual table as it stands, calculated first when there is none.
    const std::vector<MinimaAnual>& tabelaAnual();

    QLineEdit* edtDuracao_ = nullptr;
    std::optional<std::vector<MinimaAnual>> anuais_;
    int duracaoCalculada_ = 7;
};

} // namespace corvel::ui
