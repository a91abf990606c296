// "Vazões Médias": the mean flow of each calendar or hydrological year between "Ano Início" and
// "Ano Fim", of each considered month, the long-term mean of each calendar month and the station's
// long-term mean flow; exported, printed and handed to the stationarity tests.
#pragma once

#include "janelavazoes.h"

#include "analyses/vazoesmedias.h"

class QLabel;

namespace corvel::ui {

class ModeloTabelaTexto;

inline constexpr int kTopicoVazaoMedia = 11;

class TfrmVazaoMedia : public JanelaVazoes {
    Q_OBJECT
  public:
    explicit TfrmVazaoMedia(TfrmPrincipal& principal);

    QLineEdit* anoInicio() const { return edtAnoInicio_; }
    QLineEdit* anoFim() const { return edtAnoFim_; }
    QLineEdit* inicioAno() const { return edtInicioAno_; }
    QLabel* linhaLongaDuracao() const { return lblLongaDuracao_; }
    // The three result tables as the last calculation left them; empty before the first one, and
    // the annual one also after a calculation the year boxes stopped.
    const std::optional<std::vector<MediaAnual>>& anuais() const { return anuais_; }
    const std::optional<MediasMensais>& mensais() const { return mensais_; }
    ModeloTabelaTexto* modeloAnual() const { return modeloAnual_; }
    ModeloTabelaTexto* modeloMensal() const { return modeloMensal_; }
    ModeloTabelaTexto* modeloLongaDuracao() const { return modeloLongaDuracao_; }
    int paginaAnual() const { return paginaAnual_; }
    int paginaMensal() const { return paginaMensal_; }
    int paginaLongaDuracao() const { return paginaLongaDuracao_; }

    // The three printed tables (each calculated first when it is not there).
    relatorio::Relatorio relatorioAnual();
    relatorio::Relatorio relatorioMensal();
    relatorio::Relatorio relatorioLongaDuracao();

  public Q_SLOTS:
    void btnCalcularClick();
    void PreProcessamento1Click();
    void EstacionariedadeClick();
    void AdicionarEventoARegionalizacao();
    void DadosCsv1Click();
    void DadosXls1Click();
    void AnuaisCsv1Click();
    void AnuaisXls1Click();
    void MensaisCsv1Click();
    void MensaisXls1Click();
    void LongaDuracaoCsv1Click();
    void LongaDuracaoXls1Click();
    void ImprimirAnuais1Click();
    void ImprimirMensais1Click();
    void ImprimirLongaDuracao1Click();
    // The toolbar's "Imprimir": one question per report.
    void btnImprimirClick();

  protected:
    void aoAtivar() override;
    TabelaExibida tabelaDados() const override;

  private:
    void criarComandos();
    // Each table as it stands, calculated first when it is not there; null when the year boxes
    // keep the annual one from being calculated.
    const std::vector<MediaAnual>* tabelaAnual();
    const MediasMensais& tabelasMensais();
    std::vector<QString> linhasFinaisRelatorio() const;

    QLabel* lblLongaDuracao_ = nullptr;
    ModeloTabelaTexto* modeloAnual_ = nullptr;
    ModeloTabelaTexto* modeloMensal_ = nullptr;
    ModeloTabelaTexto* modeloLongaDuracao_ = nullptr;
    int paginaAnual_ = -1, paginaMensal_ = -1, paginaLongaDuracao_ = -1;
    std::optional<std::vector<MediaAnual>> anuais_;
    std::optional<MediasMensais> mensais_;
    QString textoLongaDuracao_; // the header line of the last complete calculation
};

} // namespace corvel::ui
