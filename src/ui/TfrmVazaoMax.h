// "Vazões Máximas": per calendar or hydrological year between "Ano Início" and "Ano Fim", the
// largest daily flow of the considered months, its date and the valid days; exported, printed and
// handed to the distribution analysis and the stationarity tests as maximum events.
#pragma once

#include "janelavazoes.h"

#include "analyses/vazoesanuais.h"

namespace corvel::ui {

inline constexpr int kTopicoVazaoMax = 12;

class TfrmVazaoMax : public JanelaVazoes {
    Q_OBJECT
  public:
    explicit TfrmVazaoMax(TfrmPrincipal& principal);

    QLineEdit* anoInicio() const { return edtAnoInicio_; }
    QLineEdit* anoFim() const { return edtAnoFim_; }
    QLineEdit* inicioAno() const { return edtInicioAno_; }
    const std::optional<std::vector<MaximaAnual>>& anuais() const { return anuais_; }
    // The printed annual table; empty rows when it cannot be calculated.
    relatorio::Relatorio relatorioAnual();

  public Q_SLOTS:
    void btnCalcularClick();
    void PreProcessamento1Click();
    void calcularDistribuicoes();
    void Estacionariedade();
    void DadosCsv1Click();
    void DadosXls1Click();
    void MaximasCsv1Click();
    void MaximasXls1Click();
    void Imprimir1Click();

  protected:
    void aoAtivar() override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    void criarComandos();
    // The annual table, calculated first when there is none; null when the year boxes keep it
    // from being calculated.
    const std::vector<MaximaAnual>* tabelaAnual();

    std::optional<std::vector<MaximaAnual>> anuais_;
    bool calculada_ = false; // the calculation ran since the show or the last pre-processing
};

} // namespace corvel::ui
