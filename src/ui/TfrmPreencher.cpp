// The gap-filling window: menus and keys, toolbar, the picture shown without a project, the tabs
// "Dados mensais" (with its legend) and "Estatísticas", and the state the menus follow.
#include "TfrmPreencher.h"

#include "TfrmPeriodoPreenchimento.h"
#include "TfrmPreenchimentoDiario.h"
#include "comando.h"
#include "cursorocupado.h"
#include "gradecolunafixa.h"
#include "modelospreenchimento.h"
#include "modelosregularizacao.h"
#include "servicodialogos.h"

#include "filling/tabelaspreenchimento.h"
#include "filling/textospreenchimento.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel::ui {

TfrmPreencher::TfrmPreencher(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmPreencher"));
    setWindowTitle(QString::fromUtf8(kTituloJanelaPreenchimento));
    setProperty("topicoAjuda", kTopicoPreenchimento);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(600, 500);
    resize(1000, 640); // the size it returns to from maximised

    periodo_ = new TfrmPeriodoPreenchimento(dialogos_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setMenuBar(new QMenuBar(this));
    criarMenus();
    criarBarra();
    layout->addWidget(barra_);

    paginas_ = new QStackedWidget(this);
    auto* figura = new QLabel(paginas_);
    figura->setObjectName(QStringLiteral("imgLogo"));
    figura->setPixmap(QPixmap(QStringLiteral(":/imagens/logo.png")));
    figura->setAlignment(Qt::AlignCenter);
    paginas_->addWidget(figura);

    abas_ = new QTabWidget(paginas_);
    abas_->setObjectName(QStringLiteral("abas"));
    abas_->addTab(criarPaginaDados(), QString::fromUtf8(kAbaDadosMensais));
    modeloEstatisticas_ = new ModeloTextos(gradeEstatisticas({}).titulos, this);
    grdEstatisticas_ = new QTableView(abas_);
    grdEstatisticas_->setObjectName(QStringLiteral("grdEstatisticas"));
    grdEstatisticas_->setModel(modeloEstatisticas_);
    grdEstatisticas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdEstatisticas_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdEstatisticas_->verticalHeader()->hide();
    grdEstatisticas_->verticalHeader()->setDefaultSectionSize(20);
    grdEstatisticas_->horizontalHeader()->setDefaultSectionSize(150);
    auto* paginaEstatisticas = new QWidget(abas_);
    auto* colunaEstatisticas = new QVBoxLayout(paginaEstatisticas);
    colunaEstatisticas->setContentsMargins(0, 0, 0, 0);
    lblRecomendacao_ = new QLabel(paginaEstatisticas);
    lblRecomendacao_->setObjectName(QStringLiteral("lblRecomendacao"));
    lblRecomendacao_->setWordWrap(true);
    lblRecomendacao_->setContentsMargins(6, 4, 6, 4);
    colunaEstatisticas->addWidget(lblRecomendacao_);
    colunaEstatisticas->addWidget(grdEstatisticas_, 1);
    abaEstatisticas_ = abas_->addTab(paginaEstatisticas, QString::fromUtf8(kAbaEstatisticas));
    abas_->setTabVisible(abaEstatisticas_, false);
    connect(grdEstatisticas_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { mostrarRecomendacao(); });

    modeloValidacao_ = new ModeloTextos(tabelaValidacaoCruzada({}).titulos, this);
    grdValidacao_ = new QTableView(abas_);
    grdValidacao_->setObjectName(QStringLiteral("grdValidacao"));
    grdValidacao_->setModel(modeloValidacao_);
    grdValidacao_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdValidacao_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdValidacao_->verticalHeader()->hide();
    grdValidacao_->verticalHeader()->setDefaultSectionSize(20);
    abaValidacao_ = abas_->addTab(grdValidacao_, QStringLiteral("Validação cruzada"));
    abas_->setTabVisible(abaValidacao_, false);
    paginas_->addWidget(abas_);
    layout->addWidget(paginas_, 1);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName(QStringLiteral("ProgressBar1"));
    progresso_->setRange(0, 100);
    progresso_->hide();
    layout->addWidget(progresso_);

    mostrarProjeto();
    atualizarMenus();
}

TfrmPreencher::~TfrmPreencher() = default;

void TfrmPreencher::criarMenus() {
    auto* menus = static_cast<QMenuBar*>(layout()->menuBar());
    const auto novo = [this](QMenu* menu, const char* nome, const QString& legenda,
                             void (TfrmPreencher::*metodo)(), const QKeySequence& tecla = {}) {
        QAction* a = menu->addAction(legenda);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a); // the keys work while the menu is closed
        connect(a, &QAction::triggered, this, comando(dialogos_, this, metodo));
        return a;
    };
    QMenu* arquivo = menus->addMenu(QStringLiteral("Arquivo"));
    novo(arquivo, "Novoprojeto1", QStringLiteral("Novo projeto..."),
         &TfrmPreencher::Novoprojeto1Click, Qt::Key_F2);
    novo(arquivo, "Abrirprojeto1", QStringLiteral("Abrir projeto..."),
         &TfrmPreencher::Abrirprojeto1Click, Qt::Key_F6);
    novo(arquivo, "Salvarprojetocomo1", QStringLiteral("Salvar projeto como..."),
         &TfrmPreencher::Salvarprojetocomo1Click, Qt::Key_F4);
    novo(arquivo, "Salvarprojeto1", QStringLiteral("Salvar projeto"),
         &TfrmPreencher::Salvarprojeto1Click, Qt::Key_F5);
    arquivo->addSeparator();
    novo(arquivo, "Imprimir1", QStringLiteral("Imprimir"), &TfrmPreencher::Imprimir1Click);
    QMenu* exportar = arquivo->addMenu(QStringLiteral("Exportar projeto"));
    exportar->menuAction()->setObjectName(QStringLiteral("Exportarprojeto1"));
    novo(exportar, "CVS1",
         QStringLiteral("*.CVS (Arquivo texto com dados separados por ponto-e-vírgula)"),
         &TfrmPreencher::CVS1Click);
    novo(exportar, "XLS1", QStringLiteral("*.XLS (Arquivos do Excel)"), &TfrmPreencher::XLS1Click);
    arquivo->addSeparator();
    QAction* fechar = arquivo->addAction(QStringLiteral("Fechar"));
    fechar->setObjectName(QStringLiteral("Fechar1"));
    fechar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    addAction(fechar);
    connect(fechar, &QAction::triggered, this, &QDialog::reject);

    QMenu* editar = menus->addMenu(QStringLiteral("Editar"));
    novo(editar, "Adicionarestacao1", QStringLiteral("Adicionar estação..."),
         &TfrmPreencher::AdicionarEstacao, Qt::Key_F3);
    novo(editar, "Excluirestacao1", QStringLiteral("Excluir estação"),
         &TfrmPreencher::Excluirestacao1Click);

    QMenu* preenchimento = menus->addMenu(QStringLiteral("Preenchimento"));
    novo(preenchimento, "Novopreenchimento1", QStringLiteral("Novo preenchimento..."),
         &TfrmPreencher::Novopreenchimento1Click, Qt::Key_F7);
    novo(preenchimento, "Preenchimentode2ordem1", QStringLiteral("Preenchimento de 2ª ordem..."),
         &TfrmPreencher::Preenchimentode2ordem1Click, Qt::Key_F8);
    novo(preenchimento, "Preenchimentode3ordem1", QStringLiteral("Preenchimento de 3ª ordem..."),
         &TfrmPreencher::Preenchimentode3ordem1Click, Qt::Key_F9);
    // The lines the next filling uses; the statistics show both methods' leave-one-out check.
    preenchimento->addSeparator();
    novo(preenchimento, "PreenchimentoDiario1", QStringLiteral("Preenchimento diário..."),
         &TfrmPreencher::PreenchimentoDiario1Click);
    preenchimento->addSeparator();
    auto* metodos = new QActionGroup(this);
    const auto opcao = [&](const char* nome, const QString& legenda, bool marcada) {
        QAction* a = preenchimento->addAction(legenda);
        a->setObjectName(QString::fromLatin1(nome));
        a->setCheckable(true);
        a->setChecked(marcada);
        connect(a, &QAction::triggered, this,
                comando(dialogos_, this, &TfrmPreencher::opcoesRetaMudaram));
        return a;
    };
    metodos->addAction(opcao("MetodoMqo1", QStringLiteral("Mínimos quadrados (MQO)"), true));
    metodos->addAction(
        opcao("MetodoMove11", QStringLiteral("MOVE.1 (mantém a variância)"), false));
    preenchimento->addSeparator();
    opcao("Logaritmos1", QStringLiteral("Reta nos logaritmos das vazões"), false);
    opcao("RetaPorMes1", QStringLiteral("Uma reta por mês"), false);

    QMenu* ajuda = menus->addMenu(QStringLiteral("Ajuda"));
    novo(ajuda, "Conteudodaajuda1", QStringLiteral("Conteúdo da ajuda"),
         &TfrmPreencher::Conteudodaajuda1Click, Qt::Key_F1);
}

void TfrmPreencher::criarBarra() {
    barra_ = new QToolBar(this);
    barra_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    barra_->setIconSize(QSize(24, 24));
    const std::tuple<const char*, const char*, const char*, QStyle::StandardPixmap> botoes[] = {
        {"btnNovoProjeto", "Novo projeto", "Novoprojeto1", QStyle::SP_FileIcon},
        {"btnAdicionarEstacao", "Adicionar uma estação", "Adicionarestacao1",
         QStyle::SP_FileDialogNewFolder},
    };
    for (const auto& [nome, legenda, nomeAcao, icone] : botoes) {
        QAction* a = acao(QString::fromLatin1(nomeAcao));
        auto* b = new QToolButton(barra_);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(QString::fromUtf8(legenda));
        b->setToolTip(b->text());
        b->setIcon(style()->standardIcon(icone));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setEnabled(a->isEnabled());
        connect(b, &QToolButton::clicked, a, &QAction::trigger);
        connect(a, &QAction::changed, b, [b, a] { b->setEnabled(a->isEnabled()); });
        barra_->addWidget(b);
    }
}

QWidget* TfrmPreencher::criarPaginaDados() {
    auto* pagina = new QWidget(this);
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    modeloDados_ = new ModeloDadosMensais(this);
    auto* grade = new GradeColunaFixa(pagina);
    grdDados_ = grade;
    grdDados_->setObjectName(QStringLiteral("grdDados"));
    // The frozen month column takes the row height the grid has when the model is set.
    grdDados_->verticalHeader()->hide();
    grdDados_->verticalHeader()->setDefaultSectionSize(20);
    grdDados_->setModel(modeloDados_);
    grdDados_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDados_->horizontalHeader()->setDefaultSectionSize(76);
    layout->addWidget(grdDados_, 1);

    legenda_ = new QWidget(pagina);
    legenda_->setObjectName(QStringLiteral("pnlLegenda"));
    auto* linhas = new QHBoxLayout(legenda_);
    linhas->setContentsMargins(4, 2, 4, 2);
    for (auto [texto, cor] :
         {std::pair{kLegendaPreenchidos, "red"}, std::pair{kLegendaApoio, "blue"}}) {
        auto* rotulo = new QLabel(QString::fromUtf8(texto), legenda_);
        rotulo->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(cor)));
        linhas->addWidget(rotulo);
        linhas->addSpacing(24);
    }
    linhas->addStretch(1);
    legenda_->hide();
    layout->addWidget(legenda_);
    return pagina;
}

QAction* TfrmPreencher::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

bool TfrmPreencher::legendaVisivel() const {
    return !legenda_->isHidden();
}

bool TfrmPreencher::tabelasVisiveis() const {
    return paginas_->currentWidget() == abas_;
}

void TfrmPreencher::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return; // the window coming back from minimised
    // After the show: the questions of a new project need the window on screen.
    QMetaObject::invokeMethod(
        this, [this] { executarComando(dialogos_, [this] { FormShow(); }); }, Qt::QueuedConnection);
}

void TfrmPreencher::FormShow() {
    setWindowState(windowState() | Qt::WindowMaximized);
    arquivoProjeto_.clear();
    abas_->setCurrentIndex(0);
    if (!estatisticasCriadas_) Novoprojeto1Click();
}

void TfrmPreencher::mostrarProjeto() {
    modeloDados_->definir(projeto_);
    paginas_->setCurrentIndex(projeto_.aberto() ? 1 : 0);
    if (projeto_.aberto()) {
        grdDados_->setColumnWidth(0, 110);
        if (!grdDados_->currentIndex().isValid())
            grdDados_->setCurrentIndex(modeloDados_->index(0, 1));
    }
}

void TfrmPreencher::mostrarEstatisticas() {
    modeloEstatisticas_->definir(gradeEstatisticas(estatisticas_).linhas);
    // Every title whole ("Nº de dados preenchidos"), and no column narrower than the others.
    grdEstatisticas_->resizeColumnsToContents();
    for (int c = 0; c < modeloEstatisticas_->columnCount(); ++c)
        grdEstatisticas_->setColumnWidth(c, std::max(grdEstatisticas_->columnWidth(c), 90));
    modeloValidacao_->definir(tabelaValidacaoCruzada(estatisticas_).linhas);
    grdValidacao_->resizeColumnsToContents();
    abas_->setTabVisible(abaValidacao_, abas_->isTabVisible(abaEstatisticas_));
    if (!estatisticas_.empty() && !grdEstatisticas_->currentIndex().isValid())
        grdEstatisticas_->setCurrentIndex(modeloEstatisticas_->index(0, 0));
    mostrarRecomendacao();
}

void TfrmPreencher::mostrarRecomendacao() {
    const int linha = grdEstatisticas_->currentIndex().row();
    QString texto = QStringLiteral("Método do preenchimento: ") + textoOpcoes(opcoes_) + u'.';
    if (linha >= 0 && linha < static_cast<int>(estatisticas_.size())) {
        const EstatisticaEstacao& e = estatisticas_[static_cast<std::size_t>(linha)];
        const std::optional<Recomendacao> r = recomendar(e.vcMqo, e.vcMove1);
        texto += QStringLiteral(" Estação %1: ").arg(e.estacao) +
                 (r ? r->motivo
                    : QStringLiteral("poucos meses comuns para a validação cruzada."));
    }
    lblRecomendacao_->setText(texto);
}

void TfrmPreencher::PreenchimentoDiario1Click() {
    TfrmPreenchimentoDiario diario(dialogos_, this);
    dialogos_.executar(diario);
}

void TfrmPreencher::opcoesRetaMudaram() {
    OpcoesReta o;
    o.metodo = acao(QStringLiteral("MetodoMove11"))->isChecked() ? MetodoReta::Move1
                                                                  : MetodoReta::MinimosQuadrados;
    o.logaritmos = acao(QStringLiteral("Logaritmos1"))->isChecked();
    o.porMes = acao(QStringLiteral("RetaPorMes1"))->isChecked();
    if (o == opcoes_) return;
    opcoes_ = o;
    if (!estatisticasCriadas_ || !projeto_.aberto()) return;
    // A filling under way keeps the lines it was made with until the next first order.
    if (existePreenchimento(projeto_)) {
        mostrarRecomendacao();
        dialogos_.mensagem(Gravidade::Informacao,
                           QStringLiteral("O método escolhido vale a partir do próximo \"Novo "
                                          "preenchimento...\"."));
        return;
    }
    {
        CursorOcupado ocupado;
        estatisticas_ = CalculosEstatistico(projeto_, opcoes_);
    }
    mostrarEstatisticas();
}

void TfrmPreencher::mostrarLegenda(bool sim) {
    legenda_->setVisible(sim);
}

void TfrmPreencher::atualizarMenus() {
    const bool aberto = projeto_.aberto();
    for (const char* nome :
         {"Abrirprojeto1", "Novoprojeto1", "Conteudodaajuda1", "PreenchimentoDiario1"})
        acao(QString::fromLatin1(nome))->setEnabled(true);
    for (const char* nome : {"Salvarprojetocomo1", "Salvarprojeto1", "Imprimir1", "CVS1", "XLS1",
                             "Adicionarestacao1", "Excluirestacao1"})
        acao(QString::fromLatin1(nome))->setEnabled(aberto);
    acao(QStringLiteral("Novopreenchimento1"))->setEnabled(aberto && menu_.novo);
    acao(QStringLiteral("Preenchimentode2ordem1"))->setEnabled(aberto && menu_.segunda);
    acao(QStringLiteral("Preenchimentode3ordem1"))->setEnabled(aberto && menu_.terceira);
}

std::vector<QString> TfrmPreencher::titulosEstacoes() const {
    std::vector<QString> t;
    for (int n = 1; n <= projeto_.numeroEstacoes; ++n)
        t.push_back(projeto_.titulo(n));
    return t;
}

void TfrmPreencher::Conteudodaajuda1Click() {
    dialogos_.ajuda(kTopicoPreenchimento);
}

} // namespace corvel::ui
