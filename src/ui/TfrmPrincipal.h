// The main window: menus, toolbar, project header, start page and series grid, status bar; it
// routes every command and owns the workbench state for the whole run.
#pragma once

#include "core/bancada.h"
#include "exchange/progresso.h"
#include "exchange/resultadoimportacao.h"
#include "servicodialogos.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QStackedWidget;
class QTableView;
class QToolBar;
class QToolButton;

namespace corvel::ui {

class ModeloSerie;
class TfrmAjuda;

class TfrmPrincipal : public QMainWindow {
    Q_OBJECT
  public:
    // `pastaPrograma` holds the station list file and the help folder.
    TfrmPrincipal(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmPrincipal() override;

    Bancada& bancada() { return bancada_; }
    ServicoDialogos& dialogos() { return dialogos_; }

    // A menu or toolbar command by its object name (for example "Abrir1", "VazoesMinimas1").
    QAction* acao(const QString& nome) const;

    // An analysis window built fresh for each command, shown modally, then the series is read
    // back from the project file. Plugging a window in enables its command.
    using FabricaJanela = std::function<std::unique_ptr<QDialog>(TfrmPrincipal&)>;
    void registrarAnalise(const QString& nomeAcao, FabricaJanela fabrica);

    bool botoesComLegenda() const { return comLegenda_; }
    QToolBar* barraFerramentas() const { return barra_; }
    QTableView* grade() const { return grade_; }
    ModeloSerie* modelo() const { return modelo_; }
    QString textoCabecalho() const;
    QString textoStatus(int painel) const;
    bool paginaGradeVisivel() const;
    TfrmAjuda* janelaAjuda() const;
    // Commits a day typed in the grid whose editor is still open; false (with the model's
    // message) when the text is not a number.
    bool concluirEdicao();

    // The help folder: "Ajuda_do_Corvel" beside the program unless told otherwise.
    const QString& pastaAjuda() const { return pastaAjuda_; }
    void definirPastaAjuda(const QString& pasta) { pastaAjuda_ = pasta; }
    // Reports a missing help folder (the program goes on without help).
    void verificarAjuda();

  public Q_SLOTS:
    void Abrir1Click();
    void Salvar1Click();
    void Salvarcomo1Click();
    void Fecharprojeto1Click();
    void ArquivotextodaVidara1Click();
    void BDVidara2Click(); // the agency Access database import
    // Arquivo › Importar dados › Série diária: a plain daily file (date, flow, flag) of a station
    // whose code the user types.
    void SerieDiaria1Click();
    void txtArquivotextoseparadoporespaoEstadodeSPaulo1Click();
    void csv1Click();
    void XTSeparadoporTAB1Click(); // the space-separated text export
    void XLS1Click();
    void BotoescomLegenda1Click();
    void Barradeferramentas1Click();
    void cnicoresponsvel1Click();
    void Sobre1Click();
    void ConteudodaAjuda1Click();
    void Documentacaotecnica1Click();
    void mostrarAjuda(int topico);
    void PreProcessamento();
    void Informacoes1Click();

    // Opens a project at start (the program's only argument).
    void abrirProjeto(const QString& caminho);
    // The file the desktop hands over: a project, or a gap-filling project (.psv) or a diagram
    // (.dgv) in its window. TfrmPrincipal_ferramentas.cpp
    void abrirArquivo(const QString& caminho);
    // Refreshes header panel, caption, status bar and page from the workbench state.
    void atualizarCabecalho(bool exibido);

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    void criarMenus();
    void criarBarraFerramentas();
    void criarPaginas();
    void ligarPreProcessamento();
    void ligarImportacoes();
    void ligarDados();       // TfrmPrincipal_dados.cpp
    void ligarFerramentas(); // TfrmPrincipal_ferramentas.cpp
    void ligarFicha();       // TfrmPrincipal_ficha.cpp
    void FichaReferencia1Click();
    void ligarServico(); // TfrmPrincipal_servico.cpp
    void registrarAnalises(); // TfrmPrincipal_analises.cpp
    // Runs a command from an action, inside the command boundary; `concluiEdicao` first commits an
    // open grid editor (commands that save, replace, export or analyse the series).
    void ligar(QAction* a, void (TfrmPrincipal::*metodo)(), bool concluiEdicao = true);
    void ligar(QAction* a, std::function<void()> comando, bool concluiEdicao = true);
    QAction* novaAcao(const QString& nome, const QString& legenda, const QKeySequence& atalho = {},
                      bool habilitada = true);
    QToolButton* novoBotao(const QString& nome, const QString& legenda, int largura,
                           const QString& tituloDica, const QString& textoDica, QAction* acao,
                           const QIcon& icone);
    void aplicarModoBarra();
    void abrirAnalise(const FabricaJanela& fabrica);
    // Save as with the program's dialogs; false when cancelled.
    bool salvarComo();
    // Save, asking for a name when there is none; false when cancelled or failed.
    bool salvar();
    enum class Gravacao { Feita, Cancelada, Falhou };
    Gravacao salvarProjeto();
    Gravacao gravarComo();
    // The reading step of an import, with the progress bar: nullopt after the messages when it
    // failed (a file that could not be read is shown to the user), with no project left open.
    std::optional<ResultadoImportacao>
    lerImportacao(const std::function<ResultadoImportacao(const Progresso&)>& ler);
    // The finishing step every import shares: the series read becomes the workbench's, starts
    // considered and completed to whole hydrological years, and is saved as a project with the
    // station code proposed. `nivelLido` goes to the status bar; `avisarCancelamento` tells the
    // user when the save was cancelled.
    void concluirImportacao(ResultadoImportacao lido, const QString& nivelLido,
                            bool avisarCancelamento);
    DadosBrutos dadosBrutosPedidos() const;
    // Inside the handler of a failed import: the message (and the file that could not be read),
    // and no project left open.
    void mostrarFalhaImportacao();
    void fechar();
    void exportarTexto(bool csv);
    void mostrarProgresso(int maximo);
    void esconderProgresso();
    void definirStatus(const QString& painel1, const QString& painel2);
    int topicoDe(QWidget* w) const;

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    ModeloSerie* modelo_ = nullptr;
    QToolBar* barra_ = nullptr;
    std::vector<QToolButton*> botoes_;
    QLabel* pnlCabecalho_ = nullptr;
    QStackedWidget* paginas_ = nullptr;
    QWidget* paginaInicial_ = nullptr;
    QWidget* paginaGrade_ = nullptr; // the grid and its legend
    QTableView* grade_ = nullptr;
    QProgressBar* progresso_ = nullptr;
    QLabel* status1_ = nullptr;
    QLabel* status2_ = nullptr;
    QPointer<TfrmAjuda> ajuda_;
    QString pastaAjuda_;
    QString pastaBancoAccess_; // folder of the last database imported, for the next import
    bool comLegenda_ = false;
    bool primeiraExibicao_ = true;
};

} // namespace corvel::ui
