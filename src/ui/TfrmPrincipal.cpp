// Main window: layout, menus, toolbar, header, pages, status bar and help routing.
#include "TfrmPrincipal.h"

#include "core/plataforma.h"
#include "resumo/fichareferencia.h"

#include "TfrmAjuda.h"
#include "coressinais.h"
#include "larguracolunas.h"
#include "comando.h"
#include "gradecolunafixa.h"
#include "icones.h"
#include "modeloserie.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

const char* const kTopico = "topicoAjuda";

QString dica(const QString& titulo, const QString& texto) {
    return QStringLiteral("<table><tr><td valign='top'><img src=':/imagens/info.png' width='20' "
                          "height='20'></td><td><b>%1</b><br>%2</td></tr></table>")
        .arg(titulo.toHtmlEscaped(), texto.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

} // namespace

TfrmPrincipal::TfrmPrincipal(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QMainWindow(pai), bancada_(bancada), dialogos_(dialogos),
      pastaAjuda_(
          QDir(plataforma::pastaDosArquivosDoPrograma()).filePath(QString::fromLatin1(kPastaAjuda))) {
    setObjectName(QStringLiteral("TfrmPrincipal"));
    setWindowIcon(QIcon(QStringLiteral(":/imagens/icone.png")));
    setMinimumSize(600, 500);
    setProperty(kTopico, 1);
    modelo_ = new ModeloSerie(bancada_, this);
    connect(modelo_, &ModeloSerie::entradaInvalida, this,
            [this](const QString& m) { dialogos_.mensagem(Gravidade::Erro, m); });
    criarMenus();
    criarBarraFerramentas();
    criarPaginas();
    ligarPreProcessamento();
    ligarImportacoes();
    ligarDados();
    ligarFerramentas();
    ligarServico();
    registrarAnalises();
    ligarFicha();
    status1_ = new QLabel(this);
    status1_->setMinimumWidth(400);
    status2_ = new QLabel(this);
    status2_->setMinimumWidth(50);
    statusBar()->addWidget(status1_);
    statusBar()->addWidget(status2_, 1);
    atualizarCabecalho(false);
    setWindowTitle(QString::fromUtf8(kTituloAplicacao));
}

TfrmPrincipal::~TfrmPrincipal() = default;

QAction* TfrmPrincipal::novaAcao(const QString& nome, const QString& legenda,
                                 const QKeySequence& atalho, bool habilitada) {
    auto* a = new QAction(legenda, this);
    a->setObjectName(nome);
    a->setShortcut(
        atalho); // a window shortcut: the help and analysis windows have keys of their own
    a->setEnabled(habilitada);
    return a;
}

QAction* TfrmPrincipal::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void TfrmPrincipal::ligar(QAction* a, void (TfrmPrincipal::*metodo)(), bool concluiEdicao) {
    ligar(
        a, [this, metodo] { (this->*metodo)(); }, concluiEdicao);
}

void TfrmPrincipal::ligar(QAction* a, std::function<void()> comando, bool concluiEdicao) {
    connect(a, &QAction::triggered, this, [this, comando = std::move(comando), concluiEdicao] {
        executarComando(dialogos_, [&] {
            if (!concluiEdicao || concluirEdicao()) comando();
        });
    });
}

bool TfrmPrincipal::concluirEdicao() {
    // The grid sets no index widgets of its own: a widget on the current cell is its open editor.
    QWidget* editor = grade_->indexWidget(grade_->currentIndex());
    if (!editor) return true;
    // A bad number is refused by the model with its message; the editor then stays open for the
    // user to mend, and the command does not run.
    bool recusado = false;
    const auto conexao =
        connect(modelo_, &ModeloSerie::entradaInvalida, this, [&] { recusado = true; });
    Q_EMIT grade_->itemDelegate()->commitData(editor);
    disconnect(conexao);
    if (recusado) {
        editor->setFocus();
        return false;
    }
    Q_EMIT grade_->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void TfrmPrincipal::criarMenus() {
    QMenu* arquivo = menuBar()->addMenu(QStringLiteral("Arquivo"));
    QMenu* importar = arquivo->addMenu(QStringLiteral("Importar dados"));
    importar->setProperty(kTopico, 3);
    importar->menuAction()->setObjectName(QStringLiteral("Importardados1"));
    importar->addAction(novaAcao(
        QStringLiteral("WebService1"),
        QStringLiteral("Série de dados disponibilizados pela Agência Vidara via WebService. (É "
                       "necessário ter acesso a Internet)"),
        {}, false));
    QAction* mdb = novaAcao(
        QStringLiteral("MDB1"),
        QStringLiteral("*.MDB (Arquivo de dados em Access disponibilizado pela Agência Vidara)"),
        {}, false);
    mdb->setStatusTip(QStringLiteral("Importar dados de arquivos Access da Vidara"));
    mdb->setToolTip(mdb->statusTip());
    importar->addAction(mdb);
    QAction* txt = novaAcao(QStringLiteral("ArquivotextodaVidara1"),
                            QStringLiteral("*.TXT (Arquivo texto com dados separados por "
                                           "ponto-e-vírgula disponibilizado pela Agência Vidara)"));
    ligar(txt, &TfrmPrincipal::ArquivotextodaVidara1Click);
    importar->addAction(txt);
    QAction* sp = novaAcao(QStringLiteral("SaoPaulo1"),
                           QStringLiteral("*.TXT (Arquivo texto separado por espaço (Estado de "
                                          "S.Paulo))"),
                           {}, false);
    sp->setVisible(false);
    importar->addAction(sp);
    QAction* diaria = novaAcao(QStringLiteral("SerieDiaria1"),
                               QStringLiteral("Série diária (data; vazão)"));
    diaria->setStatusTip(QStringLiteral(
        "Importa uma série diária de qualquer origem: um cabeçalho e uma linha por dia com data, "
        "vazão e, se houver, o sinal do dia."));
    diaria->setToolTip(diaria->statusTip());
    ligar(diaria, &TfrmPrincipal::SerieDiaria1Click);
    importar->addAction(diaria);
    QAction* criar = novaAcao(QStringLiteral("Criararquivosdedados1"),
                              QStringLiteral("Criar arquivos de dados "), {}, false);
    criar->setStatusTip(QStringLiteral(
        "Cria um arquivo de dados com período especificado pelo usuário com valores de vazões "
        "vazios."));
    criar->setToolTip(criar->statusTip());
    importar->addAction(criar);
    importar->addSeparator();
    QAction* brutos =
        novaAcao(QStringLiteral("CompletarBrutos1"), QStringLiteral("Completar com dados brutos"));
    brutos->setCheckable(true);
    brutos->setStatusTip(
        QStringLiteral("Acrescenta à série consistida os meses de dados brutos anteriores "
                       "ou posteriores ao período consistido (nível 1)."));
    brutos->setToolTip(brutos->statusTip());
    importar->addAction(brutos);
    importar->setToolTipsVisible(true);

    QAction* abrir = novaAcao(QStringLiteral("Abrir1"), QStringLiteral("Abrir projeto..."));
    abrir->setProperty(kTopico, 5);
    ligar(abrir, &TfrmPrincipal::Abrir1Click);
    arquivo->addAction(abrir);
    QAction* salvarComo = novaAcao(QStringLiteral("Salvarcomo1"), QStringLiteral("Salvar como..."));
    ligar(salvarComo, &TfrmPrincipal::Salvarcomo1Click);
    arquivo->addAction(salvarComo);
    QAction* salvar = novaAcao(QStringLiteral("Salvar1"), QStringLiteral("Salvar"),
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    ligar(salvar, &TfrmPrincipal::Salvar1Click);
    arquivo->addAction(salvar);
    QAction* fecharProjeto =
        novaAcao(QStringLiteral("Fecharprojeto1"), QStringLiteral("Fechar projeto"));
    ligar(fecharProjeto, &TfrmPrincipal::Fecharprojeto1Click);
    arquivo->addAction(fecharProjeto);
    arquivo->addSeparator();
    QMenu* exportar = arquivo->addMenu(QStringLiteral("Exportar "));
    exportar->menuAction()->setObjectName(QStringLiteral("Exportar1"));
    QAction* csv =
        novaAcao(QStringLiteral("csv1"),
                 QStringLiteral("*.CSV (Arquivo texto com dados separados por ponto-e-vírgula)"));
    ligar(csv, &TfrmPrincipal::csv1Click);
    exportar->addAction(csv);
    QAction* txtExp = novaAcao(QStringLiteral("XTSeparadoporTAB1"),
                               QStringLiteral("*.TXT (Arquivo texto com dados separados por "
                                              "\"Espaço\") "));
    ligar(txtExp, &TfrmPrincipal::XTSeparadoporTAB1Click);
    exportar->addAction(txtExp);
    QAction* xls = novaAcao(QStringLiteral("XLS1"), QStringLiteral("*.XLS (Arquivos do Excel)"));
    ligar(xls, &TfrmPrincipal::XLS1Click);
    exportar->addAction(xls);
    arquivo->addSeparator();
    QAction* fechar = novaAcao(QStringLiteral("Fechar1"), QStringLiteral("Fechar"),
                               QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(fechar, &QAction::triggered, this, &QWidget::close);
    arquivo->addAction(fechar);

    QMenu* exibir = menuBar()->addMenu(QStringLiteral("Exibir"));
    QAction* barra = novaAcao(QStringLiteral("Barradeferramentas1"),
                              QStringLiteral("Barra de ferramentas"), QKeySequence(Qt::Key_F12));
    barra->setCheckable(true);
    barra->setChecked(true);
    ligar(barra, &TfrmPrincipal::Barradeferramentas1Click, false);
    exibir->addAction(barra);
    QAction* legenda = novaAcao(QStringLiteral("BotoescomLegenda1"),
                                QStringLiteral("Botões com legenda"), QKeySequence(Qt::Key_F2));
    legenda->setCheckable(true);
    ligar(legenda, &TfrmPrincipal::BotoescomLegenda1Click, false);
    exibir->addAction(legenda);
    exibir->addAction(novaAcao(QStringLiteral("Informacoes1"), QStringLiteral("Informações"),
                               QKeySequence(Qt::CTRL | Qt::Key_I), false));

    QMenu* serie = menuBar()->addMenu(QStringLiteral("Série"));
    serie->addAction(novaAcao(QStringLiteral("PreProcessamento1"),
                              QStringLiteral("Pré-processamento"), QKeySequence(Qt::Key_F10),
                              false));
    QAction* gerenciar =
        novaAcao(QStringLiteral("Gerenciardados1"), QStringLiteral("Gerenciar dados "),
                 QKeySequence(Qt::CTRL | Qt::Key_G), false);
    gerenciar->setStatusTip(QStringLiteral("Inserir, alterar e excluir dados da série"));
    gerenciar->setToolTip(gerenciar->statusTip());
    serie->addAction(gerenciar);
    serie->setToolTipsVisible(true);

    QMenu* vazoes = menuBar()->addMenu(QStringLiteral("Vazões"));
    const std::tuple<const char*, const char*, Qt::Key> analises[] = {
        {"VazoesMinimas1", "Vazões mínimas", Qt::Key_F4},
        {"VazoesMedias1", "Vazões médias", Qt::Key_F5},
        {"VazoesMaximas1", "Vazões máximas", Qt::Key_F6},
        {"CurvaPermanencia1", "Curva de permanência", Qt::Key_F7},
        {"Regularizacao1", "Regularização", Qt::Key_F8},
        {"Hidrografa1", "Hidrógrafa", Qt::Key_F9},
    };
    for (const auto& [nome, legendaItem, tecla] : analises)
        vazoes->addAction(novaAcao(QString::fromLatin1(nome), QString::fromUtf8(legendaItem),
                                   QKeySequence(tecla), false));
    vazoes->addSeparator();
    vazoes->addAction(novaAcao(QStringLiteral("FichaReferencia1"),
                               QString::fromUtf8(kTituloFicha), {}, false));

    QMenu* ferramentas = menuBar()->addMenu(QStringLiteral("Ferramentas"));
    ferramentas->addAction(novaAcao(QStringLiteral("Disponibilidadededados1"),
                                    QStringLiteral("Disponibilidade de dados..."), {}, false));
    ferramentas->addAction(novaAcao(QStringLiteral("Preenchimento1"),
                                    QStringLiteral("Preenchimento e extensão de série..."), {},
                                    false));

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("Ajuda"));
    QAction* sobre = novaAcao(QStringLiteral("Sobre1"), QStringLiteral("Sobre..."));
    ligar(sobre, &TfrmPrincipal::Sobre1Click, false);
    ajuda->addAction(sobre);
    QAction* conteudo = novaAcao(QStringLiteral("ConteudodaAjuda1"),
                                 QStringLiteral("Conteúdo da ajuda"), QKeySequence(Qt::Key_F1));
    ligar(conteudo, &TfrmPrincipal::ConteudodaAjuda1Click, false);
    ajuda->addAction(conteudo);
    QAction* tecnica =
        novaAcao(QStringLiteral("Documentacaotecnica1"), QStringLiteral("Documentação técnica"),
                 QKeySequence(Qt::CTRL | Qt::Key_D));
    ligar(tecnica, &TfrmPrincipal::Documentacaotecnica1Click, false);
    ajuda->addAction(tecnica);

    // F1 inside an open menu asks for the help of the highlighted item or of the menu.
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        m->installEventFilter(this);
}

QToolButton* TfrmPrincipal::novoBotao(const QString& nome, const QString& legenda, int largura,
                                      const QString& tituloDica, const QString& textoDica,
                                      QAction* acao, const QIcon& icone) {
    auto* b = new QToolButton(barra_);
    b->setObjectName(nome);
    b->setText(legenda);
    b->setIcon(icone);
    b->setProperty("larguraLegenda", largura);
    b->setToolTip(dica(tituloDica, textoDica));
    b->setToolTipDuration(3000);
    b->setAutoRaise(true);
    b->setEnabled(acao->isEnabled());
    connect(b, &QToolButton::clicked, acao, &QAction::trigger);
    connect(acao, &QAction::changed, b, [b, acao] { b->setEnabled(acao->isEnabled()); });
    barra_->addWidget(b);
    botoes_.push_back(b);
    return b;
}

void TfrmPrincipal::criarBarraFerramentas() {
    barra_ = new QToolBar(this);
    barra_->setObjectName(QStringLiteral("barraFerramentas"));
    barra_->setWindowTitle(QStringLiteral("Barra de ferramentas"));
    barra_->setStatusTip(QStringLiteral("Barra de ferramentas"));
    barra_->setMovable(false);
    barra_->setFloatable(false);
    barra_->layout()->setSpacing(1);
    barra_->layout()->setContentsMargins(0, 0, 0, 0);
    barra_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(barra_, &QWidget::customContextMenuRequested, this, [this] {
        barra_->setToolTip(dica(QStringLiteral("Barra de ferramentas"),
                                QStringLiteral("Exibe botões com as funções mais utilizadas.") +
                                    u'\n' +
                                    QStringLiteral(" Clique em \"Menu->Barra de tarefas\" para "
                                                   "exibir/ocultar.")));
    });
    addToolBar(Qt::TopToolBarArea, barra_);

    const QStyle* s = style();
    novoBotao(QStringLiteral("btnImportar"), QStringLiteral("Importar"), 65,
              QStringLiteral("Importação"),
              QStringLiteral("Clique aqui para importar dados disponibilizados pela Agência Vidara "
                             "(Vidara). É necessário ter acesso a Internet."),
              acao(QStringLiteral("WebService1")), s->standardIcon(QStyle::SP_ArrowDown));
    novoBotao(QStringLiteral("btnAbrir"), QStringLiteral("Abrir"), 65,
              QStringLiteral("Abrir projeto"),
              QStringLiteral(
                  "Clique aqui para abrir arquivos de projetos do Corvel salvos anteriormente."),
              acao(QStringLiteral("Abrir1")), s->standardIcon(QStyle::SP_DialogOpenButton));
    novoBotao(QStringLiteral("btnSalvar"), QStringLiteral("Salvar"), 65,
              QStringLiteral("Salvar projeto"),
              QStringLiteral(" Clique aqui para salvar as alterações do projeto aberto."),
              acao(QStringLiteral("Salvar1")), s->standardIcon(QStyle::SP_DialogSaveButton));
    novoBotao(
        QStringLiteral("btnPreProcessamento"), QStringLiteral("Pré-processamento"), 105,
        QStringLiteral("Pré-processamento"),
        QStringLiteral("Clique aqui para escolher critérios para descartar conjuntos de dados. "
                       "Ou tecle F10"),
        acao(QStringLiteral("PreProcessamento1")),
        iconeRotulo(QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93)));
    const std::tuple<const char*, const char*, int, const char*, const char*, const char*,
                     const char*, QColor>
        analises[] = {
            {"btnMaxima", "Máximas", 65, "Vazão máxima", "Clique aqui ou tecle F6", "VazoesMaximas1",
             "Máx", QColor(0xb0, 0x3a, 0x2e)},
            {"btnMedia", "Médias", 65, "Vazão média", "Clique aqui ou tecle F5", "VazoesMedias1",
             "Méd", QColor(0x2e, 0x86, 0x4b)},
            {"btnMinima", "Mínimas", 65, "Vazão mínima", "Clique aqui ou tecle F4", "VazoesMinimas1",
             "Mín", QColor(0xc2, 0x7c, 0x0e)},
            {"btnRegularizacao", "Regularização", 80, "Regularização de vazão",
             "Clique aqui ou tecle F8", "Regularizacao1", "Reg", QColor(0x1f, 0x5f, 0x8b)},
            {"btnPermanencia", "Permanência", 75, "Curva de permanência", "Clique aqui ou tecle F7",
             "CurvaPermanencia1", "Perm", QColor(0x11, 0x7a, 0x8b)},
            {"btnHidrografa", "Hidrograma", 75, "Desenha a hidrógrafa", "Clique aqui", "Hidrografa1",
             "Hid", QColor(0x34, 0x49, 0x5e)},
        };
    for (const auto& [nome, legenda, largura, titulo, texto, nomeAcao, rotulo, cor] : analises)
        novoBotao(QString::fromLatin1(nome), QString::fromUtf8(legenda), largura,
                  QString::fromUtf8(titulo), QString::fromUtf8(texto),
                  acao(QString::fromLatin1(nomeAcao)), iconeRotulo(QString::fromUtf8(rotulo), cor));
}

void TfrmPrincipal::aplicarModoBarra() {
    barra_->setFixedHeight(comLegenda_ ? 53 : 25);
    barra_->setIconSize(comLegenda_ ? QSize(24, 24) : QSize(18, 18));
    for (QToolButton* b : botoes_) {
        b->setToolButtonStyle(comLegenda_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        // The caption widths suit the classic 8-point font; a larger font widens the button.
        const int largura = std::max(b->property("larguraLegenda").toInt(),
                                     b->fontMetrics().horizontalAdvance(b->text()) + 10);
        b->setFixedSize(comLegenda_ ? largura : 25, comLegenda_ ? 49 : 22);
    }
}

void TfrmPrincipal::criarPaginas() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pnlCabecalho_ = new QLabel(central);
    pnlCabecalho_->setObjectName(QStringLiteral("pnlCabecalho"));
    pnlCabecalho_->setFrameShape(QFrame::StyledPanel);
    pnlCabecalho_->setContentsMargins(6, 3, 6, 3);
    QFont negrito = pnlCabecalho_->font();
    negrito.setBold(true);
    pnlCabecalho_->setFont(negrito);
    layout->addWidget(pnlCabecalho_);

    paginas_ = new QStackedWidget(central);
    paginaInicial_ = new QLabel(paginas_);
    paginaInicial_->setObjectName(QStringLiteral("paginaInicial"));
    auto* logo = static_cast<QLabel*>(paginaInicial_);
    logo->setPixmap(QPixmap(QStringLiteral(":/imagens/logo.png")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setAutoFillBackground(true);
    logo->setProperty(kTopico, 1);
    paginas_->addWidget(paginaInicial_);

    // The grid's page: the grid and, under it, the legend of the days' colours.
    paginaGrade_ = new QWidget(paginas_);
    auto* colunaGrade = new QVBoxLayout(paginaGrade_);
    colunaGrade->setContentsMargins(0, 0, 0, 0);
    colunaGrade->setSpacing(0);
    grade_ = new GradeColunaFixa(paginaGrade_);
    grade_->setObjectName(QStringLiteral("grade"));
    grade_->setProperty(kTopico, 4);
    grade_->verticalHeader()->setDefaultSectionSize(20);
    grade_->setModel(modelo_);
    grade_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setColumnWidth(ModeloSerie::kMes, 110);
    grade_->setColumnWidth(ModeloSerie::kSituacao, 63 + 20);
    grade_->setColumnWidth(ModeloSerie::kPorcentagem, 60);
    for (int c = ModeloSerie::kDia01; c < ModeloSerie::kColunas; ++c)
        grade_->setColumnWidth(c, 60);
    colunaGrade->addWidget(grade_, 1);
    colunaGrade->addWidget(criarLegendaSinais(paginaGrade_));
    paginas_->addWidget(paginaGrade_);
    layout->addWidget(paginas_, 1);

    progresso_ = new QProgressBar(central);
    progresso_->setObjectName(QStringLiteral("progresso"));
    progresso_->setVisible(false);
    layout->addWidget(progresso_);
    setCentralWidget(central);
}

QString TfrmPrincipal::textoCabecalho() const {
    return pnlCabecalho_->isVisibleTo(const_cast<TfrmPrincipal*>(this)) ? pnlCabecalho_->text()
                                                                        : QString();
}

QString TfrmPrincipal::textoStatus(int painel) const {
    return painel == 1 ? status1_->text() : status2_->text();
}

bool TfrmPrincipal::paginaGradeVisivel() const {
    return paginas_->currentWidget() == paginaGrade_;
}

void TfrmPrincipal::definirStatus(const QString& painel1, const QString& painel2) {
    status1_->setText(painel1);
    status2_->setText(painel2);
}

void TfrmPrincipal::atualizarCabecalho(bool exibido) {
    const CabecalhoProjeto c = bancada_.atualizarCabecalho(exibido);
    modelo_->recarregar();
    if (exibido) ajustarColunasAoConteudo(*grade_, ModeloSerie::kDia01, ModeloSerie::kColunas - 1, 60);
    pnlCabecalho_->setText(c.texto);
    pnlCabecalho_->setVisible(exibido);
    grade_->setVisible(exibido);
    paginas_->setCurrentWidget(exibido ? paginaGrade_ : paginaInicial_);
    setWindowTitle(c.tituloJanela);
    definirStatus(c.painel1, c.painel2);
}

void TfrmPrincipal::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (!primeiraExibicao_) return;
    primeiraExibicao_ = false;
    if (!bancada_.serie.ativa()) {
        atualizarCabecalho(false);
        definirStatus(QStringLiteral("Tecle F1 para obter ajuda"),
                      QStringLiteral("Tecle CTRL + D para ler a documentação técnica"));
    }
    BotoescomLegenda1Click();
}

int TfrmPrincipal::topicoDe(QWidget* w) const {
    for (; w; w = w->parentWidget())
        if (w->property(kTopico).isValid()) return w->property(kTopico).toInt();
    return 1;
}

bool TfrmPrincipal::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (auto* menu = qobject_cast<QMenu*>(alvo); menu && tecla->key() == Qt::Key_F1) {
            const QAction* a = menu->activeAction();
            int topico = a && a->property(kTopico).isValid() ? a->property(kTopico).toInt() : 0;
            for (const QMenu* m = menu; topico == 0 && m;
                 m = qobject_cast<const QMenu*>(m->parent()))
                if (m->property(kTopico).isValid()) topico = m->property(kTopico).toInt();
            menu->close();
            mostrarAjuda(topico == 0 ? 1 : topico);
            return true;
        }
    }
    return QMainWindow::eventFilter(alvo, evento);
}

void TfrmPrincipal::verificarAjuda() {
    if (!QDir(pastaAjuda_).exists())
        dialogos_.mensagem(Gravidade::Informacao,
                           QStringLiteral("Arquivo de ajuda não encontrado") + kQuebraLinha +
                               QDir::toNativeSeparators(pastaAjuda_));
}

TfrmAjuda* TfrmPrincipal::janelaAjuda() const {
    return ajuda_;
}

void TfrmPrincipal::mostrarAjuda(int topico) {
    // A modal window blocks every other window but its own children: help asked for from one is
    // its child, so it can be scrolled, followed and closed while that window stays open.
    QWidget* dono = QApplication::activeModalWidget();
    if (!dono) dono = this;
    if (ajuda_ && ajuda_->parentWidget() != dono) delete ajuda_;
    if (!ajuda_) ajuda_ = new TfrmAjuda(pastaAjuda_, dono);
    ajuda_->mostrarTopico(topico);
}

void TfrmPrincipal::ConteudodaAjuda1Click() {
    mostrarAjuda(topicoDe(QApplication::focusWidget() ? QApplication::focusWidget() : this));
}

void TfrmPrincipal::Documentacaotecnica1Click() {
    mostrarAjuda(18);
}

} // namespace corvel::ui
