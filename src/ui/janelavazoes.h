// What the flow-analysis windows share: the window table of the project's considered months
// reloaded on every activation, the header, the "Dados" page, pre-processing through the main
// window, the input-data exports, the hand-over of annual series to the distribution and
// stationarity windows, and the shared results report around a table of the core.
#pragma once

#include "comando.h"
#include "modelovazoes.h"
#include "servicodialogos.h"

#include "analyses/tabelasanuais.h"
#include "analyses/tabelasmedias.h"
#include "analyses/tabelatexto.h"
#include "core/serie.h"
#include "core/tabelaexibida.h"
#include "report/relatorio.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QFormLayout;
class QLineEdit;
class QMenu;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QToolBar;

class QCheckBox;
class QLabel;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class ModeloDadosVazao;
class TfrmPrincipal;

class JanelaVazoes : public QDialog {
    Q_OBJECT
  public:
    QAction* acao(const QString& nome) const;
    // The considered months of the project, ordered by date, as last loaded.
    const SerieTabela& tabela() const { return qryVazao_; }
    QTabWidget* paginas() const { return paginas_; }
    QTableView* gradeDados() const { return grdDados_; }
    QToolBar* barra() const { return barra_; }
    // The annual table of the last calculation and its page.
    QStandardItemModel* modeloAnual() const { return modeloAnual_; }
    int paginaAnual() const { return paginaAnual_; }
    QString estacao() const;
    // "Excluir dias sinalizados": when checked the window table holds no flagged day (the days
    // become days without a value) and the results are recalculated from it.
    QCheckBox* caixaExcluirSinalizados() const { return excluirSinalizados_; }
    // The line under the header that says what the last results rest on (flagged days).
    QLabel* linhaSinais() const { return lblSinais_; }

    // Runs on the first show and whenever a window opened from this one closes: reloads the window
    // table from the project file and refreshes the header. Without considered months it sends
    // the user to pre-processing, or closes when the series itself is empty.
    void FormActivate();

  protected:
    JanelaVazoes(TfrmPrincipal& principal, const QString& titulo, int topicoAjuda,
                 const FormaDados& dados);

    // What each window does on activation once the table is loaded.
    virtual void aoAtivar() = 0;

    void showEvent(QShowEvent* evento) override;

    QMenu* novoMenu(const QString& legenda);
    QAction* novaAcao(QMenu* menu, const char* nome, const QString& legenda,
                      const QKeySequence& tecla = {});
    // A menu item that runs a command of the window inside the command boundary.
    template <typename Janela>
    QAction* novoComando(QMenu* menu, const char* nome, const QString& legenda,
                         void (Janela::*metodo)(), const QKeySequence& tecla = {}) {
        QAction* a = novaAcao(menu, nome, legenda, tecla);
        connect(a, &QAction::triggered, this,
                comando(dialogos_, static_cast<Janela*>(this), metodo));
        return a;
    }
    // A toolbar button for an action: an icon drawn from `rotulo`, and the hint.
    void novoBotao(QAction* acao, const QString& rotulo, const QColor& cor, const QString& dica);
    QFormLayout* informacoes() const { return informacoes_; }
    ModeloDadosVazao* modeloDados() const { return modeloDados_; }
    // A result page, hidden until shown.
    int adicionarPagina(QWidget* pagina, const QString& titulo);
    // The page of the annual table: four centred text columns, hidden until the first calculation.
    void criarPaginaAnual(const std::vector<QString>& titulos, const char* nomeGrade,
                          const QString& titulo);
    // Shows the rows of a calculation on the annual page, or empties and hides it.
    void mostrarAnuais(const LinhasAnuais& linhas);
    void esconderAnuais();
    void mostrarPagina(int pagina);
    // Shows what the results rest on under the header; an empty text hides the line.
    void mostrarSinais(const QString& texto);

    // "Conteúdo da ajuda": the window's help topic.
    void mostrarAjuda();
    // "Pré-processamento": the main window's command, then the table again.
    void preProcessar();
    // The window table as its input-data exports write it; by default the month, "Falhas" and the
    // 31 days.
    virtual TabelaExibida tabelaDados() const;
    // The input-data exports; "Não há dados para exportar." when the table could not be loaded.
    void exportarDadosCsv(const FiltroArquivo& filtro);
    void exportarDadosXls();
    // A result table to a spreadsheet titled `titulo`.
    void exportarTabelaXls(const QString& titulo, const TabelaExibida& tabela);
    // The hand-overs; the window opened is destroyed when it closes, and this one is activated.
    void entregarDistribuicao(bool maximos, const std::vector<EventoAnual>& eventos,
                              const std::optional<QString>& estacao);
    void entregarEstacionariedade(const QString& legenda, const std::vector<EventoAnual>& eventos);
    // The same for a series the core prepared with its caption, labels and year-based lists.
    void entregarEstacionariedade(const EntregaEstacionariedade& entrega);
    // Keeps the start month and the period ("1990 - 1999") a calculation ran with, for the
    // reports of its tables.
    void guardarCabecalho(const QString& periodo);
    void guardarCabecalho(const QString& anoInicio, const QString& anoFim);
    // A table of the core on the shared results report, prepared for as many columns as it has:
    // "RELATÓRIO", the table's title, the technician, the station and the start month, then
    // `linhasFinais` (the period, a duration or the long-term mean line, in the order each report
    // lists them); the columns centred.
    relatorio::Relatorio montarRelatorio(const RelatorioTexto& tabela,
                                         const std::vector<QString>& linhasFinais) const;
    // "Período: " and the period kept by guardarCabecalho.
    QString linhaPeriodo() const;
    // An annual table on the shared four-column report, the duration line (maybe empty) before
    // the period.
    relatorio::Relatorio montarRelatorio(const QString& titulo, const QString& linhaDuracao,
                                         const std::vector<QString>& colunas,
                                         const LinhasAnuais& linhas) const;
    // The technician prompt when the name is still "-", then the preview of the report.
    void imprimirAnual(const std::function<relatorio::Relatorio()>& montar);
    // Shows an annual table in a model of four centred text columns.
    static void preencherModelo(QStandardItemModel& modelo, const LinhasAnuais& linhas);

    TfrmPrincipal& principal_;
    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    SerieTabela qryVazao_;
    bool carregada_ = false;
    QLineEdit* edtEstacao_ = nullptr;
    QLineEdit* edtInicioAno_ = nullptr;
    QLineEdit* edtAnoInicio_ = nullptr;
    QLineEdit* edtAnoFim_ = nullptr;

  private:
    void ativar(bool enviarAoPreProcessamento);
    void trocarSinalizados();
    Sinalizacoes excluidos() const; // the flags the check box leaves out
    void preencherCabecalho();

    int topicoAjuda_;
    QString inicioAnoCalculo_, periodoCalculo_;
    ModeloDadosVazao* modeloDados_ = nullptr;
    QToolBar* barra_ = nullptr;
    QFormLayout* informacoes_ = nullptr;
    QTabWidget* paginas_ = nullptr;
    QTableView* grdDados_ = nullptr;
    bool exibida_ = false;
    QStandardItemModel* modeloAnual_ = nullptr;
    int paginaAnual_ = -1;
    QCheckBox* excluirSinalizados_ = nullptr;
    QLabel* lblSinais_ = nullptr;
};

// A table view of the annual results: read-only, centred, no row numbers.
QTableView* novaGradeAnual(QWidget* pai, QStandardItemModel* modelo,
                           const std::vector<QString>& titulos);

} // namespace corvel::ui
