// "Curva de Permanência": from every valid daily flow of the considered months, the curve of 50
// logarithmic classes and the continuous curve of the ranked flows, each with its reference flows
// Q95 ... Q50, in grids and charts; exported and printed.
#pragma once

#include "janelavazoes.h"

#include "analyses/permanencia.h"

namespace corvel::ui {

class ModeloTabelaTexto;
class PaginaGraficoPermanencia;

inline constexpr int kTopicoCurvaPermanencia = 15;

class TfrmcurvaPermanencia : public JanelaVazoes {
    Q_OBJECT
  public:
    explicit TfrmcurvaPermanencia(TfrmPrincipal& principal);

    // Both curves of the last calculation; empty before it and when no day had a flow.
    const std::optional<CurvaPermanencia>& curva() const { return curva_; }
    int paginaClasses() const { return paginaClasses_; }
    int paginaContinua() const { return paginaContinua_; }
    // The sub-pages of a curve page: "Análise de frequência", "Vazões X permanência", "Gráfico".
    QTabWidget* subpaginasClasses() const { return subpaginas_[0]; }
    QTabWidget* subpaginasContinua() const { return subpaginas_[1]; }
    ModeloTabelaTexto* modeloClasses() const { return modeloClasses_; }
    ModeloTabelaTexto* modeloReferenciasClasses() const { return modeloReferenciasClasses_; }
    ModeloTabelaTexto* modeloContinua() const { return modeloContinua_; }
    ModeloTabelaTexto* modeloReferenciasContinua() const { return modeloReferenciasContinua_; }
    PaginaGraficoPermanencia* paginaGraficoClasses() const { return graficos_[0]; }
    PaginaGraficoPermanencia* paginaGraficoContinua() const { return graficos_[1]; }

    // The four printed tables (both curves calculated first when they are not there).
    relatorio::Relatorio relatorioVazoesClasses();
    relatorio::Relatorio relatorioFrequenciaClasses();
    relatorio::Relatorio relatorioVazoesContinua();
    relatorio::Relatorio relatorioFrequenciaContinua();

  public Q_SLOTS:
    void btnCalcularClick();
    void PreProcessamento1Click();
    void DadosCsv1Click();
    void DadosXls1Click();
    void FrequenciaClassesCsv1Click();
    void FrequenciaClassesXls1Click();
    void FrequenciaContinuaCsv1Click();
    void FrequenciaContinuaXls1Click();
    void VazoesClassesCsv1Click();
    void VazoesClassesXls1Click();
    void VazoesContinuaCsv1Click();
    void VazoesContinuaXls1Click();
    void ImprimirVazoesClasses1Click();
    void ImprimirFrequenciaClasses1Click();
    void ImprimirVazoesContinua1Click();
    void ImprimirFrequenciaContinua1Click();
    // The toolbar's "Imprimir": one question per report.
    void btnImprimirClick();

  protected:
    void aoAtivar() override {}
    TabelaExibida tabelaDados() const override;

  private:
    void criarComandos();
    QWidget* criarPaginaCurva(int curva, const QString& sufixo, ModeloTabelaTexto* frequencia,
                              ModeloTabelaTexto* referencias);
    // The curves as they stand, calculated first when there are none; null when no considered
    // day has a flow (the message was shown).
    const CurvaPermanencia* curvaCalculada();
    void imprimir(relatorio::Relatorio (TfrmcurvaPermanencia::*montar)());
    std::vector<QString> linhasFinaisRelatorio() const;

    ModeloTabelaTexto* modeloClasses_ = nullptr;
    ModeloTabelaTexto* modeloReferenciasClasses_ = nullptr;
    ModeloTabelaTexto* modeloContinua_ = nullptr;
    ModeloTabelaTexto* modeloReferenciasContinua_ = nullptr;
    std::array<QTabWidget*, 2> subpaginas_{};
    std::array<PaginaGraficoPermanencia*, 2> graficos_{};
    int paginaClasses_ = -1, paginaContinua_ = -1;
    std::optional<CurvaPermanencia> curva_;
};

} // namespace corvel::ui
