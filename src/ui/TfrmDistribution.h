// The distribution analysis window: a list of annual extreme events handed over by an analysis
// window, fitted by every distribution of the event type for return periods from 2 years up,
// with the result table, the estimate and data charts, the warnings, exports and reports.
#pragma once

#include "stats/analise_distribuicoes.h"

#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLineEdit;
class QPlainTextEdit;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

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

    const std::vector<EventoDistribuicao>& eventos() const { return eventos_; }
    const AnaliseDistribuicoes& analise() const { return analise_; } // the last calculation

    // Checks the return period and runs the calculation behind the progress window; fewer than
    // five events do nothing.
    void ChamarProcessoCalcular();

    // The result pages on the right and the two data pages on the left.
    enum Pagina { kTabela = 0, kEstimativas = 1, kGraficoDados = 2, kAvisos = 3 };
    QTabWidget* paginas() const { return paginas_; }
    QTabWidget* paginasDados() const { return paginasDados_; }
    QLineEdit* caixaPeriodo() const { return edtPeriodo_; }
    // The result grid: the rows of the result table under its current filter.
    QStandardItemModel* modeloResultados() const { return modeloResultados_; }
    const std::vector<LinhaDistribuicao>& linhasVisiveis() const { return visiveis_; }
    QStandardItemModel* modeloEventos() const { return modeloEventos_; }
    QStandardItemModel* modeloLogaritmos() const { return modeloLogaritmos_; }
    QTableView* gradeEventos() const { return gradeEventos_; }
    // The six choices of the estimate chart, ids 0..5 in their order on screen.
    QButtonGroup* escolhaDistribuicao() const { return escolha_; }
    QString textoAvisos() const;
    QChart* graficoTabela() const;
    QChart* graficoEstimativas() const;
    QChart* graficoDados(int subpagina) const; // 0 the values, 1 their logarithms
    QString rodapeTabela() const;              // the red foot notes, empty when hidden
    QString rodapeEstimativas() const;

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

    // Layout (TfrmDistribution.cpp, _graficos.cpp, _dados.cpp, _comandos.cpp).
    void criarMenus();
    QWidget* criarBarra();
    QWidget* criarPaginasDados();
    QWidget* criarPaginaTabela();
    QWidget* criarPaginaEstimativas();
    QWidget* criarPaginaGraficoDados();
    void pedirAjuda();

    // The calculation.
    void Calcular();
    void esconderResultados();
    void ordenarEventosPorValor();

    // Showing results.
    void aplicarFiltro(Filtro filtro, int NumeroDistribuicao = 0);
    void mostrarResultados();
    void desenharTabela();
    void desenharEstimativas(int NumeroDistribuicao);
    void desenharDados();
    void habilitarEscolhas();

    // The event list.
    void mostrarEventos();
    void acrescentarLinha(std::size_t i);
    void eventoEditado(int linha, int coluna);
    void postar();
    void cancelarEdicao();
    int linhaAtual() const;
    void irPara(int linha);

    QString estacaoDoRelatorio() const;
    void atualizarTitulo();

    Bancada& bancada_;
    ServicoDialogos& dialogos_;

    bool listaAberta_ = false; // the event list exists once IniciarAnalise ran
    std::vector<EventoDistribuicao> eventos_;
    std::vector<int> ids_; // ID of each event, in the list's current order
    int proximoId_ = 0;
    // The row being edited in the grid, with what it held before, until it is posted.
    struct Edicao {
        int linha = 0;
        EventoDistribuicao anterior;
        bool inserida = false;
    };
    std::optional<Edicao> edicao_;
    bool preenchendo_ = false; // model changes made by the window itself

    AnaliseDistribuicoes analise_;
    QString estacao_;
    Filtro filtro_ = Filtro::Fechada;
    std::vector<LinhaDistribuicao> visiveis_;

    QLineEdit* edtPeriodo_ = nullptr;
    QTabWidget* paginas_ = nullptr;
    QTabWidget* paginasDados_ = nullptr;
    QTabWidget* subpaginasGrafico_ = nullptr;
    QStandardItemModel* modeloResultados_ = nullptr;
    QStandardItemModel* modeloEventos_ = nullptr;
    QStandardItemModel* modeloLogaritmos_ = nullptr;
    QTableView* gradeResultados_ = nullptr;
    QTableView* gradeEventos_ = nullptr;
    QTableView* gradeLogaritmos_ = nullptr;
    QButtonGroup* escolha_ = nullptr;
    QPlainTextEdit* avisos_ = nullptr;
    QChartView* viewTabela_ = nullptr;
    QChartView* viewEstimativas_ = nullptr;
    std::array<QChartView*, 2> viewDados_{};
    QGraphicsSimpleTextItem* rodapeTabela_ = nullptr;
    QGraphicsSimpleTextItem* rodapeEstimativas_ = nullptr;
};

} // namespace corvel::ui
