// "Disponibilidade de dados": the availability diagram of many stations, one row per station and
// one coloured cell per year of a period, built from project files (one, or every one of a folder),
// saved and reopened as a ".dgv" file and exported to a spreadsheet. The window lives for the whole
// run, so the diagram is still there when it opens again. The files of a folder are read off the
// window's thread: the window repaints and shows the progress meanwhile, taking no command.
#pragma once

#include "availability/adicao.h"
#include "availability/diagrama.h"

#include <QDialog>
#include <optional>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTableView;
class QToolBar;

namespace corvel::ui {

class ModeloDiagrama;
class ServicoDialogos;

class TfrmVisaoGeralEstacoes : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmVisaoGeralEstacoes(ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmVisaoGeralEstacoes() override;

    QAction* acao(const QString& nome) const;
    // Opens a diagram file (also from the desktop). Throws Erro when it is not one; the diagram
    // on screen then stays.
    void abrirDiagrama(const QString& arquivo);
    // The diagram open in the window; empty before the first one.
    const std::optional<Diagrama>& diagrama() const { return diagrama_; }
    QTableView* grade() const { return grdDiagrama_; }
    ModeloDiagrama* modelo() const { return modelo_; }
    QProgressBar* barraProgresso() const { return progresso_; }
    QToolBar* barra() const { return barra_; }
    QString textoAnoInicial() const;
    QString textoAnoFinal() const;
    // True while files are being read.
    bool ocupada() const { return ocupada_; }

  public Q_SLOTS:
    // "Novo...": the period, an empty diagram, then the stations.
    void NovoDiagrama();
    // "Nova estação": one project file or every one of its folder.
    void AdicionarEstacao();
    void Excluirestacao1Click();
    void Salvar1Click();
    void AbrirDiagrama();
    void XLS1Click();
    void Conteudodaajuda1Click();
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

  private:
    void criarMenus(QMenu* arquivo, QMenu* editar, QMenu* ajuda);
    void criarBarra();
    QWidget* criarLegenda();
    // The legend of the shares of flagged days, shown instead of the other in those modes.
    QWidget* criarLegendaSinais();
    void colorirPor(int modo);
    // Steps of "Novo..." before the stations: false when the user stopped.
    bool criarDiagrama();
    // The files the user chooses, added to the open diagram.
    void adicionarArquivos();
    // Reads the files on other threads while this one keeps the window alive and the bar moving.
    ResultadoAdicao lerProjetos(const QStringList& arquivos);
    void mostrarDiagrama();
    void habilitar(bool sim);
    // Moves the grid to the first station whose code starts with `letra`.
    void localizar(QChar letra);

    ServicoDialogos& dialogos_;
    std::optional<Diagrama> diagrama_;
    bool ocupada_ = false;
    ModeloDiagrama* modelo_ = nullptr;
    QTableView* grdDiagrama_ = nullptr;
    QLineEdit* edtAnoInicial_ = nullptr;
    QLineEdit* edtAnoFinal_ = nullptr;
    QProgressBar* progresso_ = nullptr;
    QToolBar* barra_ = nullptr;
    QComboBox* colorir_ = nullptr;
    QWidget* legenda_ = nullptr;
    QWidget* legendaSinais_ = nullptr;

  public:
    // "Colorir por": the availability, or the shares of estimated or raw days.
    QComboBox* caixaColorir() const { return colorir_; }
};

} // namespace corvel::ui
