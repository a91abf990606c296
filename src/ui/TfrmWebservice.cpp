// Web-service window: layout, station list, search, keys.
#include "TfrmWebservice.h"

#include "TfrmPorCentagemDownloadEstacoes.h"
#include "campos.h"
#include "comando.h"
#include "modeloestacoes.h"

#include "exchange/downloadmultiplo.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

namespace corvel::ui {

namespace {

// The search box turns letters to capitals as they are typed.
class Maiusculas : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        texto = texto.toUpper();
        return Acceptable;
    }
};

} // namespace

TfrmWebservice::TfrmWebservice(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai,
                               DadosBrutos brutos)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos), brutos_(brutos),
      cliente_(std::make_unique<ClienteServico>(lerConfiguracaoServico(bancada.pastaDados))) {
    setObjectName(QStringLiteral("TfrmWebservice"));
    setWindowTitle(tituloWebservice());
    modelo_ = new ModeloEstacoes(this);
    auto* layout = new QVBoxLayout(this);
    criarMenus();

    auto* selecione = new QGroupBox(QStringLiteral("Selecione uma estação "), this);
    auto* l1 = new QVBoxLayout(selecione);
    l1->addWidget(new QLabel(QStringLiteral("Digite o código ou o nome da estação: "), selecione));
    edtEstacao_ = new QLineEdit(selecione);
    edtEstacao_->setObjectName(QStringLiteral("edtEstacao"));
    edtEstacao_->setValidator(new Maiusculas(edtEstacao_));
    edtEstacao_->installEventFilter(this);
    l1->addWidget(edtEstacao_);
    lblQuantidade_ = new QLabel(selecione);
    lblQuantidade_->setObjectName(QStringLiteral("lblQuantidade"));
    lblQuantidade_->setStyleSheet(QStringLiteral("color: blue;"));
    l1->addWidget(lblQuantidade_);
    l1->addStretch(1);

    auto* selecionada = new QGroupBox(QStringLiteral("Estação selecionada"), this);
    auto* l2 = new QGridLayout(selecionada);
    edtCodigo_ = campoSomenteLeitura(selecionada, "edtCodigo");
    edtNome_ = campoSomenteLeitura(selecionada, "edtNome");
    l2->addWidget(new QLabel(QStringLiteral("Código:"), selecionada), 0, 0);
    l2->addWidget(edtCodigo_, 0, 1);
    l2->addWidget(new QLabel(QStringLiteral("Nome:"), selecionada), 1, 0);
    l2->addWidget(edtNome_, 1, 1);
    btnImportar_ = new QPushButton(QStringLiteral("&Importar"), selecionada);
    btnImportar_->setObjectName(QStringLiteral("btnImportar"));
    btnImportar_->setToolTip(
        QStringLiteral("Importa a série completa de dados de vazões da estação escolhida"));
    chkMultiplas_ = new QCheckBox(QStringLiteral("Baixar múltiplas estações"), selecionada);
    chkMultiplas_->setObjectName(QStringLiteral("chkMultiplas"));
    l2->addWidget(btnImportar_, 2, 0, 1, 2, Qt::AlignLeft);
    l2->addWidget(chkMultiplas_, 3, 0, 1, 2);

    auto* topo = new QHBoxLayout;
    topo->addWidget(selecione, 2);
    topo->addWidget(selecionada, 3);
    layout->addLayout(topo);

    auto* paginas = new QTabWidget(this);
    grade_ = new QTableView(paginas);
    grade_->setObjectName(QStringLiteral("grdEstacoes"));
    grade_->setModel(modelo_);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->verticalHeader()->hide();
    grade_->verticalHeader()->setDefaultSectionSize(20);
    grade_->setColumnWidth(0, 80);
    grade_->setColumnWidth(1, 300);
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->installEventFilter(this);
    paginas->addTab(grade_, QStringLiteral("Lista de Estações"));
    layout->addWidget(paginas, 1);

    edtRequisicao_ = campoSomenteLeitura(this, "edtRequisicao");
    layout->addWidget(edtRequisicao_);

    connect(edtEstacao_, &QLineEdit::textChanged, this,
            comando(dialogos_, this, &TfrmWebservice::edtEstacaoChange));
    connect(btnImportar_, &QPushButton::clicked, this,
            [this] { executarComando(dialogos_, [this] { btnImportarClick(); }); });
    connect(grade_, &QTableView::doubleClicked, this,
            [this] { executarComando(dialogos_, [this] { btnImportarClick(); }); });
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { mostrarAtual(); });
    connect(modelo_, &QAbstractItemModel::modelReset, this, [this] { mostrarAtual(); });
    resize(675, 475);
}

TfrmWebservice::~TfrmWebservice() = default;

void TfrmWebservice::criarMenus() {
    auto* menu = new QMenuBar(this);
    auto nova = [this](QMenu* m, const char* nome, const char* legenda, const QKeySequence& tecla) {
        QAction* a = m ? m->addAction(QString::fromUtf8(legenda)) : new QAction(this);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a);
        return a;
    };
    QMenu* arquivo = menu->addMenu(QStringLiteral("Arquivo"));
    connect(nova(arquivo, "Fechar1", "Fechar", QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, this, &QWidget::close);
    QMenu* servico = menu->addMenu(QStringLiteral("Webservice"));
    connect(nova(servico, "Atualizarlistadeestaes1", "Atualizar lista de estações", {}),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmWebservice::Atualizarlistadeestaes1Click));
    connect(nova(nullptr, "ConteudodaAjuda1", "", QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, [this] { dialogos_.ajuda(kTopicoWebservice); });
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menu);
}

QAction* TfrmWebservice::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void TfrmWebservice::definirConfiguracao(ConfiguracaoServico configuracao) {
    cliente_ = std::make_unique<ClienteServico>(std::move(configuracao));
}

int TfrmWebservice::exibir() {
    FormShow();
    return dialogos_.executar(*this);
}

void TfrmWebservice::FormShow() {
    {
        const QSignalBlocker bloqueio(edtEstacao_);
        edtEstacao_->clear();
    }
    ocupada_ = false;
    setWindowTitle(tituloWebservice());
    codigoSelecionado_.clear();
    try {
        modelo_->definirLista(lerListaEstacoes(bancada_.arquivoListaEstacoes()));
    } catch (const Erro&) {
        // The window stays usable for a refresh of the list.
        modelo_->definirLista({});
        dialogos_.mensagem(Gravidade::Erro, mensagemListaAusente());
    }
    lblQuantidade_->setText(textoEstacoesNaLista(modelo_->rowCount()));
    irParaLinha(0);
    resize(675, 475);
}

void TfrmWebservice::edtEstacaoChange(const QString& texto) {
    if (ocupada_) return;
    modelo_->definirFiltradas(filtrarEstacoes(modelo_->lista(), texto));
    lblQuantidade_->setText(textoEstacoesLocalizadas(modelo_->rowCount()));
    irParaLinha(0);
}

int TfrmWebservice::linhaAtual() const {
    return grade_->currentIndex().isValid() ? grade_->currentIndex().row() : -1;
}

void TfrmWebservice::irParaLinha(int linha) {
    if (linha < 0 || linha >= modelo_->rowCount()) {
        mostrarAtual();
        return;
    }
    grade_->setCurrentIndex(modelo_->index(linha, 0));
    grade_->scrollTo(modelo_->index(linha, 0));
    mostrarAtual();
}

void TfrmWebservice::mostrarAtual() {
    const int linha = linhaAtual();
    edtCodigo_->setText(modelo_->codigo(linha));
    edtNome_->setText(modelo_->nome(linha));
}

bool TfrmWebservice::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QDialog::eventFilter(alvo, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        executarComando(dialogos_, [this] { btnImportarClick(); });
        return true;
    }
    if (alvo == edtEstacao_ && (tecla == Qt::Key_Up || tecla == Qt::Key_Down)) {
        const int linha = linhaAtual() + (tecla == Qt::Key_Up ? -1 : 1);
        if (linha >= 0 && linha < modelo_->rowCount()) irParaLinha(linha);
        return true;
    }
    return QDialog::eventFilter(alvo, evento);
}

void TfrmWebservice::closeEvent(QCloseEvent* evento) {
    if (ocupada_)
        evento->ignore();
    else
        QDialog::closeEvent(evento);
}

void TfrmWebservice::reject() {
    if (!ocupada_) QDialog::reject();
}

} // namespace corvel::ui
