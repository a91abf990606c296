// "Pré-processamento": the month and year lists with their failure percentages, discard and
// restore by hand or by rule, the first month of the hydrological year and the failure report.
// It works on the main window's series; the main window saves the project when it closes.
#pragma once

#include "core/bancada.h"
#include "preprocess/informacao.h"
#include "preprocess/listagem.h"
#include "preprocess/preprocessamento.h"
#include "servicodialogos.h"

#include <QDialog>
#include <functional>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QProgressBar;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace corvel::ui {

class ModeloAnos;
class ModeloMeses;

inline constexpr int kTopicoPreProcessamento = 6;

class TfrmrelatorioMensal : public QDialog {
    Q_OBJECT
  public:
    // The year listing runs at once, so a window that is never shown still holds the report.
    TfrmrelatorioMensal(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);
    ~TfrmrelatorioMensal() override;

    QAction* acao(const QString& nome) const;
    const ListagemAnual& listagem() const { return listagem_; }
    // The failure report as last rebuilt.
    const QStringList& informacao() const { return informacao_; }
    bool ocupada() const { return ocupada_; }

  public Q_SLOTS:
    void Serieoriginal1Click();
    void Descartaranoscomfalhas1Click();
    void Descartarmesescomfalhas1Click();
    void Informacoes1Click();
    // A percentage picked in the list (index 0 is the empty entry).
    void cbxPorcentagemSelect(int indice);
    // A month picked in "Início do ano hidrológico" (index 0 is January).
    void cbxInicioAnoSelect(int indice);

  protected:
    // Every way of closing ends here: the discarded-months flag, then the edge discard.
    void done(int resultado) override;

  private:
    void criarMenus();
    QWidget* criarTabelas();
    QWidget* criarControles();

    // The year listing: rows, counters, the month list, the report and the rule in force.
    void listarAnos();
    // Rows and counters again after a change, without touching the choices.
    void atualizarAnos();
    void mostrarRegraVigente(const RegraVigente& regra);
    void definirEscolha(EscolhaDescarte escolha);
    EscolhaDescarte escolha() const;
    void mostrarInicioAno();

    // A rule with the window busy, then the rule in force shown again.
    void aplicar(const Regra& regra);
    // Runs a rule with the window busy; a failure is shown once the window is idle again.
    void executarOcupada(const std::function<void(const Andamento&)>& regra);
    void ocupar();
    void habilitarControles(bool habilitados);
    void desocupar();
    void anoMarcado(int ano, bool descartar);

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    ListagemAnual listagem_;
    QStringList informacao_;
    bool ocupada_ = false;
    bool fechada_ = false;

    ModeloMeses* modeloMeses_ = nullptr;
    ModeloAnos* modeloAnos_ = nullptr;
    QStackedWidget* pilha_ = nullptr;
    QTabWidget* abas_ = nullptr;
    QWidget* paginaProcessando_ = nullptr;
    QTableView* grdMensal_ = nullptr;
    QTableView* grdAnual_ = nullptr;
    QComboBox* cbxInicioAno_ = nullptr;
    QButtonGroup* escolhas_ = nullptr;
    QRadioButton* rbMensal_ = nullptr;
    QRadioButton* rbAnual_ = nullptr;
    QComboBox* cbxPorcentagem_ = nullptr;
    QLabel* label3_ = nullptr;
    QProgressBar* progresso_ = nullptr;
};

} // namespace corvel::ui
