// "Webservice": picks a station of the station list by code or name and downloads its series from
// the agency's web service into the open series, saved as a project; with "Baixar múltiplas
// estações", every station of the search into one folder. It also refreshes the station list.
#pragma once

#include "core/bancada.h"
#include "exchange/clienteservico.h"
#include "exchange/importacaoagencia.h"
#include "servicodialogos.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvel::ui {

class ModeloEstacoes;
class TfrmPorCentagemDownloadEstacoes;

inline constexpr int kTopicoWebservice = 3;

class TfrmWebservice : public QDialog {
    Q_OBJECT
  public:
    // `brutos` says whether raw months outside the consisted period are added to a download.
    TfrmWebservice(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr,
                   DadosBrutos brutos = DadosBrutos::SoSemConsistidos);
    ~TfrmWebservice() override;

    // What the main window's web-service command runs: the window opens (the station list read,
    // its failure reported) and is shown modally. The series and the project file may have
    // changed when it returns; serieAlterada() told of each change as it happened.
    int exibir();

    // The service's address and timeout (by default from the user's settings).
    void definirConfiguracao(ConfiguracaoServico configuracao);

    QAction* acao(const QString& nome) const;
    ModeloEstacoes* modelo() const { return modelo_; }
    bool ocupada() const { return ocupada_; }
    // The progress window of the last multi-station download, while it is open.
    TfrmPorCentagemDownloadEstacoes* progresso() const { return progresso_; }

  public Q_SLOTS:
    void FormShow();
    void edtEstacaoChange(const QString& texto);
    void btnImportarClick();
    void Atualizarlistadeestaes1Click();

  Q_SIGNALS:
    // The open series was replaced or closed (the main window refreshes its grid and header).
    void serieAlterada();

  protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    // Not closed while a download or a refresh runs.
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

  private:
    void criarMenus();
    void mostrarAtual();
    void irParaLinha(int linha);
    int linhaAtual() const;
    // TfrmWebservice_comandos.cpp
    void baixarUma();
    void baixarVarias(qsizetype n);
    std::optional<QString> escolherPasta();
    // Shows the request in the bottom line and sends it under the busy cursor.
    RespostaServico enviar(const QString& caminho);

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    DadosBrutos brutos_;
    std::unique_ptr<ClienteServico> cliente_;
    ModeloEstacoes* modelo_ = nullptr;
    QLineEdit* edtEstacao_ = nullptr;
    QLabel* lblQuantidade_ = nullptr;
    QLineEdit* edtCodigo_ = nullptr;
    QLineEdit* edtNome_ = nullptr;
    QPushButton* btnImportar_ = nullptr;
    QCheckBox* chkMultiplas_ = nullptr;
    QTableView* grade_ = nullptr;
    QLineEdit* edtRequisicao_ = nullptr;
    QPointer<TfrmPorCentagemDownloadEstacoes> progresso_;
    bool ocupada_ = false;
    QString codigoSelecionado_;
};

} // namespace corvel::ui
