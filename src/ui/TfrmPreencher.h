// "Preenchimento de séries": a gap-filling project of a base station and up to nineteen auxiliary
// stations read from their project files, the regression statistics of each auxiliary station,
// the filling of the base's missing months in up to three orders, the ".psv" file, the exports and
// the report "Preenchimento mensal". The window and its project live for the whole run.
#pragma once

#include "filling/preenchimento.h"
#include "filling/projetopreenchimento.h"
#include "filling/regressao.h"
#include "report/relatorio.h"

#include <QDialog>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolBar;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class ModeloDadosMensais;
class ModeloTextos;
class ServicoDialogos;
class TfrmPeriodoPreenchimento;

inline constexpr int kTopicoPreenchimento = 9;

class TfrmPreencher : public QDialog {
    Q_OBJECT
  public:
    TfrmPreencher(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmPreencher() override;

    QAction* acao(const QString& nome) const;
    // Opens a gap-filling project file (also from the desktop). Throws Erro when it cannot be
    // read; the project on screen then stays.
    void abrirProjetoPreenchimento(const QString& arquivo);
    const ProjetoPreenchimento& projeto() const { return projeto_; }
    const std::vector<EstatisticaEstacao>& estatisticas() const { return estatisticas_; }
    // The project file the saves go to; forgotten each time the window shows.
    const QString& arquivoProjeto() const { return arquivoProjeto_; }
    QTabWidget* abas() const { return abas_; }
    int abaEstatisticas() const { return abaEstatisticas_; }
    int abaValidacao() const { return abaValidacao_; }
    ModeloTextos* modeloValidacao() const { return modeloValidacao_; }
    // The method, scale and grouping of the lines chosen in the "Preenchimento" menu.
    const OpcoesReta& opcoesReta() const { return opcoes_; }
    // What the leave-one-out check recommends for the station of the current statistics row.
    QLabel* recomendacao() const { return lblRecomendacao_; }
    bool legendaVisivel() const;
    // False while no project is open: the picture is shown instead of the tables.
    bool tabelasVisiveis() const;
    QTableView* gradeDados() const { return grdDados_; }
    ModeloDadosMensais* modeloDados() const { return modeloDados_; }
    ModeloTextos* modeloEstatisticas() const { return modeloEstatisticas_; }
    QProgressBar* barraProgresso() const { return progresso_; }
    QToolBar* barra() const { return barra_; }
    TfrmPeriodoPreenchimento& dialogoPeriodo() const { return *periodo_; }

    // The report "Preenchimento mensal" of the project as it is now.
    relatorio::Relatorio relatorioMensal() const;

  public Q_SLOTS:
    void FormShow();
    void Novoprojeto1Click();
    void Abrirprojeto1Click();
    void Salvarprojetocomo1Click();
    void Salvarprojeto1Click();
    void Imprimir1Click();
    void CVS1Click();
    void XLS1Click();
    void AdicionarEstacao();
    void Excluirestacao1Click();
    void Novopreenchimento1Click();
    void Preenchimentode2ordem1Click();
    void Preenchimentode3ordem1Click();
    void Conteudodaajuda1Click();
    // "Preenchimento diário...": the daily gaps of a project from a neighbour's, in its dialog.
    void PreenchimentoDiario1Click();
    // The menu's method, logarithm and monthly-line choices changed.
    void opcoesRetaMudaram();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void criarMenus();
    void criarBarra();
    QWidget* criarPaginaDados();
    // Removes column k after its question, if any.
    void ExcluiEstacao(int k);
    // Save as; false when the dialog was cancelled.
    bool salvarComo();
    // The station choice window over the stations an order may use.
    void escolherEstacao(bool primeiraOrdem);
    void PreencheUmaEstacao(std::size_t estacao);
    // The grids, tabs, legend and menus as the project and statistics now stand.
    void mostrarProjeto();
    void mostrarEstatisticas();
    void mostrarLegenda(bool sim);
    void mostrarRecomendacao();
    void atualizarMenus();
    // The titles of columns 1 … station count.
    std::vector<QString> titulosEstacoes() const;

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    ProjetoPreenchimento projeto_;
    std::vector<EstatisticaEstacao> estatisticas_;
    // The statistics exist once a station was added or a project opened in this run; until then
    // every showing of the window starts with "Novo projeto".
    bool estatisticasCriadas_ = false;
    QString arquivoProjeto_;
    MenuPreenchimento menu_;
    OpcoesReta opcoes_;

    TfrmPeriodoPreenchimento* periodo_ = nullptr;
    QToolBar* barra_ = nullptr;
    QStackedWidget* paginas_ = nullptr;
    QTabWidget* abas_ = nullptr;
    int abaEstatisticas_ = -1;
    QTableView* grdDados_ = nullptr;
    ModeloDadosMensais* modeloDados_ = nullptr;
    QTableView* grdEstatisticas_ = nullptr;
    ModeloTextos* modeloEstatisticas_ = nullptr;
    ModeloTextos* modeloValidacao_ = nullptr;
    QTableView* grdValidacao_ = nullptr;
    QLabel* lblRecomendacao_ = nullptr;
    int abaValidacao_ = -1;
    QWidget* legenda_ = nullptr;
    QProgressBar* progresso_ = nullptr;
};

} // namespace corvel::ui
