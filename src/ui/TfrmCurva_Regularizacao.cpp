// Regularization window: layout, menus, and the result pages filled from the last calculation.
#include "TfrmCurva_Regularizacao.h"

#include "graficosregularizacao.h"
#include "modelosregularizacao.h"
#include "modelovazoes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

QTableView* novaGrade(QWidget* pai, QAbstractItemModel* modelo, const char* nome) {
    auto* g = new QTableView(pai);
    g->setObjectName(QString::fromLatin1(nome));
    g->setModel(modelo);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return g;
}

// "Salvar" and "Imprimir" over a chart.
QToolBar* barraGrafico(QWidget* pai, const QString& prefixo) {
    auto* barra = new QToolBar(pai);
    barra->setObjectName(QStringLiteral("barra") + prefixo);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return barra;
}

QAction* botaoGrafico(QToolBar* barra, const QString& nome, const QString& legenda) {
    QAction* a = barra->addAction(legenda);
    a->setObjectName(nome);
    return a;
}

} // namespace

TfrmCurva_Regularizacao::TfrmCurva_Regularizacao(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Regularização de vazões"), kTopicoRegularizacao,
                   FormaDados{false, true, kFormatoDadosRegularizacao}) {
    setObjectName(QStringLiteral("TfrmCurva_Regularizacao"));
    gradeDados()->setColumnHidden(ModeloDadosVazao::kFalhas, true);

    paginaCapacidade_ =
        adicionarPagina(criarPaginaCapacidade(), QStringLiteral("Capacidade do Reservatório"));
    paginaVazao_ = adicionarPagina(criarPaginaVazao(), QStringLiteral("Vazão regularizada"));
    paginaDiagrama_ = adicionarPagina(criarPaginaDiagrama(), QStringLiteral("Diagrama de Massas"));
    connect(paginas(), &QTabWidget::currentChanged, this, [this](int pagina) {
        if (pagina == paginaCapacidade_)
            executarComando(dialogos_, [this] { tabCapacidadeShow(); });
        if (pagina == paginaVazao_) preencherVazao();
    });
    criarComandos();
}

TfrmCurva_Regularizacao::~TfrmCurva_Regularizacao() = default;

QWidget* TfrmCurva_Regularizacao::criarPaginaCapacidade() {
    auto* pagina = new QWidget(paginas());
    auto* layout = new QVBoxLayout(pagina);
    tabNivel_ = new QTabBar(pagina);
    tabNivel_->setObjectName(QStringLiteral("tabNivel"));
    tabNivel_->setExpanding(false);
    tabNivel_->setDrawBase(false);
    for (const QString& r : rotulosNiveis())
        tabNivel_->addTab(r);
    tabNivel_->setCurrentIndex(kNivelInicial - 1);
    connect(tabNivel_, &QTabBar::currentChanged, this,
            [this](int) { executarComando(dialogos_, [this] { tabCapacidadeShow(); }); });
    layout->addWidget(tabNivel_);

    auto* linha = new QHBoxLayout;
    QToolBar* barra = barraGrafico(pagina, QStringLiteral("Reservatorio"));
    connect(botaoGrafico(barra, QStringLiteral("SalvarReservatorio1"), QStringLiteral("Salvar")),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmCurva_Regularizacao::SalvarReservatorioClick));
    connect(
        botaoGrafico(barra, QStringLiteral("ImprimirReservatorio1"), QStringLiteral("Imprimir")),
        &QAction::triggered, this,
        comando(dialogos_, this, &TfrmCurva_Regularizacao::ImprimirReservatorioClick));
    lblVolume_ = new QLabel(pagina);
    lblVolume_->setObjectName(QStringLiteral("lblVolume"));
    QFont f = lblVolume_->font();
    f.setBold(true);
    lblVolume_->setFont(f);
    linha->addWidget(barra);
    linha->addSpacing(12);
    linha->addWidget(lblVolume_);
    linha->addStretch(1);
    layout->addLayout(linha);

    // The chart over the whole width: a century of days wants every pixel across.
    chtReservatorio_ = new GraficoReservatorio(pagina);
    chtReservatorio_->setMinimumHeight(320);
    modeloCapacidade_ = new ModeloCapacidade(this);
    auto* divisor = new QSplitter(Qt::Vertical, pagina);
    divisor->addWidget(chtReservatorio_);
    divisor->addWidget(novaGrade(pagina, modeloCapacidade_, "grdCapacidade"));
    divisor->setStretchFactor(0, 3);
    divisor->setStretchFactor(1, 2);
    layout->addWidget(divisor, 1);
    return pagina;
}

QWidget* TfrmCurva_Regularizacao::criarPaginaVazao() {
    auto* pagina = new QWidget(paginas());
    auto* layout = new QHBoxLayout(pagina);

    auto* resultados = new QVBoxLayout;
    modeloVazao_ = new ModeloTextos(titulosVazaoRegularizada(), this);
    resultados->addWidget(novaGrade(pagina, modeloVazao_, "grdVazaoRegularizada"), 1);
    lblNota_ = new QLabel(pagina);
    lblNota_->setObjectName(QStringLiteral("lblNota"));
    resultados->addWidget(lblNota_);

    auto* evaporacao = new QVBoxLayout;
    lblArea_ = new QLabel(pagina);
    lblArea_->setObjectName(QStringLiteral("lblArea"));
    lblArea_->hide();
    modeloEvaporacao_ = new ModeloTextos(titulosGradeEvaporacao(), this);
    grdEvaporacao_ = novaGrade(pagina, modeloEvaporacao_, "grdEvaporacao");
    connect(grdEvaporacao_, &QTableView::doubleClicked, this,
            comando(dialogos_, this, &TfrmCurva_Regularizacao::grdEvaporacaoDblClick));
    evaporacao->addWidget(lblArea_);
    evaporacao->addWidget(grdEvaporacao_, 1);

    layout->addLayout(resultados, 1);
    layout->addLayout(evaporacao, 1);
    return pagina;
}

QWidget* TfrmCurva_Regularizacao::criarPaginaDiagrama() {
    auto* pagina = new QWidget(paginas());
    auto* layout = new QVBoxLayout(pagina);
    QToolBar* barra = barraGrafico(pagina, QStringLiteral("Massas"));
    connect(botaoGrafico(barra, QStringLiteral("SalvarMassas1"), QStringLiteral("Salvar")),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmCurva_Regularizacao::DiagramaMassasBmp1Click));
    connect(botaoGrafico(barra, QStringLiteral("ImprimirMassas1"), QStringLiteral("Imprimir")),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmCurva_Regularizacao::ImprimirDiagramaMassas1Click));
    chtMassas_ = new GraficoMassas(pagina);
    layout->addWidget(barra);
    layout->addWidget(chtMassas_, 1);
    return pagina;
}

void TfrmCurva_Regularizacao::criarComandos() {
    using T = TfrmCurva_Regularizacao;
    const QString csv =
        QStringLiteral("*.CSV (Arquivo texto com dados separados por ponto-e-vírgula)");
    const QString xls = QStringLiteral("*.XLS (Arquivos do Excel)");
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar \"Dados de entrada\""));
    novoComando(dados, "DadosCsv1", csv, &T::DadosCsv1Click);
    novoComando(dados, "DadosXls1", xls, &T::DadosXls1Click);
    QMenu* capacidade = arquivo->addMenu(QStringLiteral("Exportar \"Capacidade do reservatório\""));
    novoComando(capacidade, "CapacidadeCsv1", csv, &T::CapacidadeCsv1Click);
    novoComando(capacidade, "CapacidadeXls1", xls, &T::CapacidadeXls1Click);
    QMenu* vazao = arquivo->addMenu(QStringLiteral("Exportar \"Vazão regularizada\""));
    novoComando(vazao, "VazaoRegularizadaCsv1", csv, &T::VazaoRegularizadaCsv1Click);
    novoComando(vazao, "VazaoRegularizadaXls1", xls, &T::VazaoRegularizadaXls1Click);
    novoComando(arquivo, "DiagramaMassasBmp1",
                QStringLiteral("Exportar \"Diagrama de massas\"(*.bmp)"),
                &T::DiagramaMassasBmp1Click);
    QMenu* imprimir = arquivo->addMenu(QStringLiteral("Imprimir"));
    novoComando(imprimir, "ImprimirDiagramaMassas1", QStringLiteral("\"Diagrama de massas\""),
                &T::ImprimirDiagramaMassas1Click);
    QAction* imprimirVazao =
        novoComando(imprimir, "ImprimirVazaoRegularizada1",
                    QStringLiteral("\"Vazão regularizada\""), &T::ImprimirVazaoRegularizada1Click);
    arquivo->addSeparator();
    novoComando(arquivo, "Fechar1", QStringLiteral("Fechar"), &QDialog::reject,
                QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre = novoComando(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento"),
                               &T::PreProcessamento1Click, QKeySequence(Qt::Key_F10));
    QAction* calcular = novoComando(operacoes, "Calcular1", QStringLiteral("Calcular"),
                                    &T::btnCalcularClick, QKeySequence(Qt::Key_F11));

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da ajuda"), &T::mostrarAjuda,
                QKeySequence(Qt::Key_F1));

    novoBotao(imprimirVazao, QStringLiteral("Imp"), QColor(0x55, 0x5f, 0x6b),
              QStringLiteral("Imprimir"));
    novoBotao(pre, QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93),
              QStringLiteral("Pré-processamento"));
    novoBotao(calcular, QStringLiteral("Calc"), QColor(0xc2, 0x7c, 0x0e),
              QStringLiteral("Calcular a regularização de vazões"));
}

void TfrmCurva_Regularizacao::aoAtivar() {
    // The results stay until the next calculation: reloading the months does not touch them.
}

int TfrmCurva_Regularizacao::nivel() const {
    return tabNivel_->currentIndex() + 1;
}

QString TfrmCurva_Regularizacao::textoVolume() const {
    return lblVolume_->text();
}

QString TfrmCurva_Regularizacao::textoNota() const {
    return lblNota_->text();
}

QString TfrmCurva_Regularizacao::textoArea() const {
    return lblArea_->isVisibleTo(this) ? lblArea_->text() : QString();
}

void TfrmCurva_Regularizacao::habilitar(bool sim) {
    // Not the window itself: the progress and evaporation windows are its children and must
    // stay usable.
    layout()->menuBar()->setEnabled(sim);
    barra()->setEnabled(sim);
    paginas()->setEnabled(sim);
}

void TfrmCurva_Regularizacao::esconderResultados() {
    for (int p : {paginaCapacidade_, paginaVazao_, paginaDiagrama_})
        paginas()->setTabVisible(p, false);
    paginas()->setCurrentIndex(0);
    modeloCapacidade_->definir(nullptr, std::nullopt);
    modeloVazao_->definir({});
    modeloEvaporacao_->definir({});
    chtReservatorio_->limpar();
    lblVolume_->clear();
    lblNota_->clear();
    lblArea_->hide();
}

void TfrmCurva_Regularizacao::mostrarResultados() {
    for (int p : {paginaCapacidade_, paginaVazao_, paginaDiagrama_})
        paginas()->setTabVisible(p, true);
    chtMassas_->desenhar(graficoDiagramaMassas(*resultado_));
    const QString area = textoAreaReservatorio(*resultado_);
    lblArea_->setText(area);
    lblArea_->setVisible(!area.isEmpty());
    modeloEvaporacao_->definir(linhasGradeEvaporacao(resultado_->evaporacao));
    paginas()->setCurrentIndex(paginaVazao_);
    preencherVazao();
}

void TfrmCurva_Regularizacao::preencherVazao() {
    if (!resultado_) return;
    modeloVazao_->definir(linhasVazaoRegularizada(*resultado_));
    lblNota_->setText(notaEvaporacao(*resultado_));
}

void TfrmCurva_Regularizacao::tabCapacidadeShow() {
    if (!resultado_ || paginas()->currentIndex() != paginaCapacidade_) return;
    const int k = nivel();
    nivelExibido_ = k;
    modeloCapacidade_->definir(&*resultado_, k);
    chtReservatorio_->desenhar(corvel::graficoReservatorio(*resultado_, k));
    lblVolume_->setText(textoVolumeReservatorio(*resultado_, k));
}

void TfrmCurva_Regularizacao::grdEvaporacaoDblClick() {
    dialogos_.mensagem(Gravidade::Informacao, mensagemAlterarEvaporacao());
}

} // namespace corvel::ui
