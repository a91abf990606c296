// The distribution analysis window: a list of annual extreme events handed over by an analysis
// window, fitted by every distribution of the event type for return periods from 2 years up,
// with the result table, the estimate and data charts, the warnings, exports and reports. The
// pieces live apart: the event list (paineleventos.h), the grid models (modelosdistribuicao.h),
// the charts (graficosdistribuicao.h); every number and text comes from stats/.
#pragma once

#include "stats/analisedistribuicoes.h"

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

class QAbstractItemModel;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableView;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class GraficoEstimativas;
class GraficoSerie;
class GraficoTabela;
class ModeloResultados;
class PainelEventos;
class ServicoDialogos;

class TfrmDistribution : public QDialog {
    Q_OBJECT
  public:
    TfrmDistribution(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmDistribution() override;

    bool EventosMaximos = true; // set before IniciarAnalise

    // The calling window's hand-over, in this order.
    void IniciarAnalise(); // empties the events, caption by event type
    // Appends an event; false with "Crie uma base de dados" before IniciarAnalise.
    bool AdicionarEvento(const QString& rotulo, double valor);
    void definirEstacao(const QString& codigo); // copied into every result row

    const std::vector<EventoDistribuicao>& eventos() const;
    const AnaliseDistribuicoes& analise() const { return analise_; } // the last calculation

    // Checks the return period and runs the calculation behind the progress window; fewer than
    // five events do nothing.
    void ChamarProcessoCalcular();

    // The result pages on the right and the two data pages on the left.
    enum Pagina { kTabela = 0, kEstimativas = 1, kGraficoDados = 2, kAvisos = 3 };
    QTabWidget* paginas() const { return paginas_; }
    QTabWidget* paginasDados() const;
    QLineEdit* caixaPeriodo() const { return edtPeriodo_; }
    // "Considerar vazões nulas (probabilidade condicional)": offered for minima with zero events,
    // checked the first time they appear.
    QCheckBox* caixaVazoesNulas() const { return chkNulas_; }
    // The result grid: the rows of the result table under its current filter.
    QAbstractItemModel* modeloResultados() const;
    const std::vector<LinhaDistribuicao>& linhasVisiveis() const;
    QAbstractItemModel* modeloEventos() const;
    QAbstractItemModel* modeloLogaritmos() const;
    // The six choices of the estimate chart, ids 0..5 in their order on screen.
    QButtonGroup* escolhaDistribuicao() const { return escolha_; }
    QString textoAvisos() const;
    GraficoTabela* graficoTabela() const { return graficoTabela_; }
    GraficoEstimativas* graficoEstimativas() const { return graficoEstimativas_; }
    GraficoSerie* graficoDados(int subpagina) const {
        return graficosDados_[static_cast<std::size_t>(subpagina)];
    }

    // The navigator of the event list.
    enum Navegacao {
        kPrimeiro,
        kAnterior,
        kProximo,
        kUltimo,
        kNovo,
        kExcluir,
        kConfirmar,
        kCancelar
    };

  public Q_SLOTS:
    void navegar(int botao); // a Navegacao
    void TabelaShow();       // the "Tabela" page and its filter
    void rgDistribuicaoClick(int item);
    void exportarDadosCsv();
    void exportarDadosXls();
    void exportarDistribuicoesCsv();
    void exportarDistribuicoesXls();
    void importarXls();
    void imprimirDados();
    void imprimirResultados();
    void btnImprimirClick();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    enum class Filtro { Fechada, PeriodoEscolhido, SemErro, Distribuicao };

    // Layout (TfrmDistribution.cpp) and commands (TfrmDistribution_comandos.cpp).
    void criarMenus();
    QWidget* criarBarra();
    QWidget* criarPaginaTabela();
    QWidget* criarPaginaEstimativas();
    QWidget* criarPaginaGraficoDados();
    void pedirAjuda();

    void Calcular();
    void esconderResultados();
    void aplicarFiltro(Filtro filtro, int NumeroDistribuicao = 0);
    void desenharDados();
    void habilitarEscolhas();
    QString estacaoDoRelatorio() const;
    void atualizarTitulo();
    void oferecerVazoesNulas();

    Bancada& bancada_;
    ServicoDialogos& dialogos_;

    AnaliseDistribuicoes analise_;
    QString estacao_;
    Filtro filtro_ = Filtro::Fechada;
    bool preenchendo_ = false; // page changes made by the window itself

    PainelEventos* eventos_ = nullptr;
    ModeloResultados* resultados_ = nullptr;
    QLineEdit* edtPeriodo_ = nullptr;
    QCheckBox* chkNulas_ = nullptr;
    bool nulasOferecidas_ = false; // the box has been offered (and checked) for these events
    QTabWidget* paginas_ = nullptr;
    QTabWidget* subpaginasGrafico_ = nullptr;
    QTableView* gradeResultados_ = nullptr;
    QButtonGroup* escolha_ = nullptr;
    QPlainTextEdit* avisos_ = nullptr;
    GraficoTabela* graficoTabela_ = nullptr;
    GraficoEstimativas* graficoEstimativas_ = nullptr;
    std::array<GraficoSerie*, 2> graficosDados_{};
};

} // namespace corvel::ui
