// The data management window: menus, toolbar, grid and the period commands.
#include "TfrmInsereDados.h"

#include "TfrmPeriodo.h"
#include "comando.h"
#include "cursorocupado.h"
#include "gradecolunafixa.h"
#include "modeloentradadados.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {
constexpr int kTopicoGerenciarDados = 7;
} // namespace

TfrmInsereDados::TfrmInsereDados(Bancada& bancada, ServicoDialogos& dialogos,
                                 const QString& cabecalho, std::function<void()> salvarProjeto,
                                 QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos),
      salvarProjeto_(std::move(salvarProjeto)) {
    setObjectName(QStringLiteral("TfrmInsereDados"));
    setWindowTitle(QStringLiteral("Gerenciando dados "));
    setProperty("topicoAjuda", kTopicoGerenciarDados);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1100, 650);
    auto* v = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    v->setMenuBar(menus);

    QMenu* arquivo = menus->addMenu(QStringLiteral("Arquivo"));
    QAction* salvar =
        novoComando(arquivo, "Salvar1", QStringLiteral("Salvar"), &TfrmInsereDados::Salvar1Click,
                    QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* fechar = new QAction(QStringLiteral("Fechar "), this);
    fechar->setObjectName(QStringLiteral("Fechar1"));
    fechar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(fechar, &QAction::triggered, this, &QDialog::accept);
    arquivo->addAction(fechar);
    addAction(fechar);
    QMenu* periodo = menus->addMenu(QStringLiteral("Período"));
    novoComando(periodo, "InserirPeriodoAnterior1",
                QStringLiteral("Inserir período anterior ao início da série"),
                &TfrmInsereDados::InserirPeriodoAnterior1Click, QKeySequence(Qt::Key_F3));
    novoComando(periodo, "AcrescentarPeriodo1",
                QStringLiteral("Acrescentar período ao fim da série"),
                &TfrmInsereDados::AcrescentarPeriodo1Click, QKeySequence(Qt::Key_F2));
    novoComando(periodo, "ExcluirInicio1", QStringLiteral("Excluir período do início da série "),
                &TfrmInsereDados::ExcluirInicio1Click, QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    novoComando(periodo, "ExcluirFim1", QStringLiteral("Excluir período do fim da série"),
                &TfrmInsereDados::ExcluirFim1Click, QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QMenu* dados = menus->addMenu(QStringLiteral("Dados"));
    QAction* apagar =
        novoComando(dados, "ApagarMes1", QStringLiteral("Apagar os dados do mês selecionado"),
                    &TfrmInsereDados::ApagarMes1Click);
    QMenu* ajuda = menus->addMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "Ajuda1", QStringLiteral("Ajuda "), &TfrmInsereDados::Ajuda1Click,
                QKeySequence(Qt::Key_F1));

    auto* barra = new QToolBar(this);
    barra->setIconSize(QSize(22, 22));
    salvar->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    salvar->setToolTip(QStringLiteral("Salvar"));
    apagar->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    apagar->setToolTip(QStringLiteral("Apaga os dados de vazões do mês selecionado"));
    barra->addAction(salvar);
    barra->addAction(apagar);
    v->addWidget(barra);

    cabecalho_ = new QLabel(cabecalho, this);
    cabecalho_->setObjectName(QStringLiteral("pnlCabecalho"));
    cabecalho_->setFrameShape(QFrame::StyledPanel);
    QFont negrito = cabecalho_->font();
    negrito.setBold(true);
    cabecalho_->setFont(negrito);
    v->addWidget(cabecalho_);

    modelo_ = new ModeloEntradaDados(bancada_, this);
    connect(modelo_, &ModeloEntradaDados::entradaInvalida, this,
            [this](const QString& m) { dialogos_.mensagem(Gravidade::Erro, m); });
    grade_ = new GradeColunaFixa(this);
    grade_->setObjectName(QStringLiteral("grade"));
    grade_->verticalHeader()->setDefaultSectionSize(20);
    grade_->setModel(modelo_);
    grade_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setColumnWidth(ModeloEntradaDados::kMes, 110);
    for (int c = ModeloEntradaDados::kValidos; c < ModeloEntradaDados::kSituacao; ++c)
        grade_->setColumnWidth(c, 70);
    grade_->setColumnWidth(ModeloEntradaDados::kDiasNoMes, 90);
    grade_->setColumnWidth(ModeloEntradaDados::kSituacao, 85);
    for (int c = ModeloEntradaDados::kDia01; c < ModeloEntradaDados::kColunas; ++c)
        grade_->setColumnWidth(c, 60);
    // A record typed into is written when the cursor leaves it.
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex&, const QModelIndex& anterior) {
                if (anterior.isValid() && anterior.row() == modelo_->linhaPendente())
                    executarComando(dialogos_, [this] { modelo_->gravarPendente(); });
            });
    v->addWidget(grade_, 1);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName(QStringLiteral("progresso"));
    progresso_->setVisible(false);
    v->addWidget(progresso_);

    periodo_ = new TfrmPeriodo(this);

    // Rows cannot be added by hand while the window is open; what is written is checked.
    bancada_.serie.definirInsercao(false);
    bancada_.modoEntrada = true;
}

TfrmInsereDados::~TfrmInsereDados() = default;

QAction* TfrmInsereDados::novoComando(QMenu* menu, const char* nome, const QString& legenda,
                                      void (TfrmInsereDados::*metodo)(),
                                      const QKeySequence& tecla) {
    auto* a = new QAction(legenda, this);
    a->setObjectName(QString::fromLatin1(nome));
    a->setShortcut(tecla);
    menu->addAction(a);
    addAction(a);
    connect(a, &QAction::triggered, this, comando(dialogos_, this, metodo));
    return a;
}

QAction* TfrmInsereDados::acao(const char* nome) const {
    return findChild<QAction*>(QString::fromLatin1(nome));
}

QString TfrmInsereDados::cabecalho() const {
    return cabecalho_->text();
}

void TfrmInsereDados::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) bancada_.modoEntrada = true;
}

void TfrmInsereDados::done(int resultado) {
    executarComando(dialogos_, [this] { concluirEdicao(); });
    bancada_.serie.definirInsercao(true);
    bancada_.modoEntrada = false;
    QDialog::done(resultado);
}

bool TfrmInsereDados::concluirEdicao() {
    if (QWidget* editor = grade_->indexWidget(grade_->currentIndex())) {
        bool recusado = false;
        const auto conexao =
            connect(modelo_, &ModeloEntradaDados::entradaInvalida, this, [&] { recusado = true; });
        Q_EMIT grade_->itemDelegate()->commitData(editor);
        disconnect(conexao);
        if (recusado) {
            editor->setFocus();
            return false;
        }
        Q_EMIT grade_->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    modelo_->gravarPendente();
    return true;
}

void TfrmInsereDados::Salvar1Click() {
    if (!concluirEdicao()) return;
    const int linha = grade_->currentIndex().row();
    if (linha < 0) return;
    antesDeSalvar(bancada_.serie[linha]);
    modelo_->gravar(linha);
}

std::optional<int> TfrmInsereDados::pedirAno(ComandoPeriodo comando,
                                             const std::function<QString(int)>& pergunta) {
    for (;;) {
        periodo_->preparar(comando);
        if (dialogos_.executar(*periodo_) != QDialog::Accepted) return std::nullopt;
        const std::optional<int> ano = periodo_->ano();
        if (!ano) return std::nullopt;
        if (pergunta && !dialogos_.pergunta(pergunta(*ano))) return std::nullopt;
        if (*ano >= 1) return ano;
    }
}

void TfrmInsereDados::alterarMeses(const std::function<void(const ProgressoMeses&)>& alterar) {
    struct Restaurar {
        TfrmInsereDados* j;
        ~Restaurar() {
            j->modelo_->recarregar();
            j->progresso_->setValue(0);
            j->progresso_->hide();
            j->setEnabled(true);
        }
    } restaurar{this};
    CursorOcupado ocupado;
    setEnabled(false);
    progresso_->setValue(0);
    progresso_->show();
    alterar([this](qsizetype feitos, qsizetype total) {
        progresso_->setMaximum(static_cast<int>(total));
        progresso_->setValue(static_cast<int>(feitos));
        if (feitos % 120 == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void TfrmInsereDados::AcrescentarPeriodo1Click() {
    if (!concluirEdicao()) return;
    const auto ano = pedirAno(ComandoPeriodo::AcrescentarDepois);
    if (!ano) return;
    alterarMeses([&](const ProgressoMeses& p) {
        acrescentarAnos(bancada_.serie, *ano, bancada_.inicioAnoHidrologico,
                        bancada_.nivelConsistencia, p);
    });
    grade_->setCurrentIndex(modelo_->index(0, ModeloEntradaDados::kDia01));
}

void TfrmInsereDados::InserirPeriodoAnterior1Click() {
    if (!concluirEdicao()) return;
    const auto ano = pedirAno(ComandoPeriodo::InserirAntes);
    if (!ano) return;
    alterarMeses([&](const ProgressoMeses& p) {
        inserirAnos(bancada_.serie, *ano, bancada_.inicioAnoHidrologico, bancada_.nivelConsistencia,
                    p);
    });
    grade_->setCurrentIndex(modelo_->index(0, ModeloEntradaDados::kDia01));
}

void TfrmInsereDados::ExcluirFim1Click() {
    if (!concluirEdicao()) return;
    const auto ano = pedirAno(ComandoPeriodo::ExcluirFim, perguntaExcluirFim);
    if (!ano) return;
    excluirAnos([&](const ProgressoMeses& p) { excluirAnosDoFim(bancada_.serie, *ano, p); });
}

void TfrmInsereDados::ExcluirInicio1Click() {
    if (!concluirEdicao()) return;
    const auto ano = pedirAno(ComandoPeriodo::ExcluirInicio, perguntaExcluirInicio);
    if (!ano) return;
    excluirAnos([&](const ProgressoMeses& p) { excluirAnosDoInicio(bancada_.serie, *ano, p); });
}

void TfrmInsereDados::excluirAnos(const std::function<void(const ProgressoMeses&)>& excluir) {
    // Deleted years are saved at once, however the deletion ends.
    struct Salvar {
        TfrmInsereDados* j;
        ~Salvar() {
            j->bancada_.modoEntrada = true;
            if (j->bancada_.serie.ativa() && j->salvarProjeto_)
                executarComando(j->dialogos_, j->salvarProjeto_);
            j->modelo_->recarregar();
        }
    } salvar{this};
    bancada_.modoEntrada = false;
    alterarMeses(excluir);
}

void TfrmInsereDados::ApagarMes1Click() {
    if (!concluirEdicao()) return;
    const int linha = grade_->currentIndex().row();
    if (linha < 0 || linha >= modelo_->rowCount()) return;
    if (!dialogos_.pergunta(perguntaApagarMes(bancada_.serie[linha]))) return;
    apagarDadosDoMes(bancada_.serie[linha]);
    modelo_->gravar(linha);
}

void TfrmInsereDados::Ajuda1Click() {
    dialogos_.ajuda(kTopicoGerenciarDados);
}

} // namespace corvel::ui
