// The availability diagram window: menus, toolbar, period boxes, the coloured grid and its legend,
// and the grid's look-up by the first character of a station code.
#include "TfrmVisaoGeralEstacoes.h"

#include "campos.h"
#include "comando.h"
#include "modelodiagrama.h"
#include "servicodialogos.h"

#include "availability/classes.h"
#include "availability/textosdiagrama.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmVisaoGeralEstacoes::TfrmVisaoGeralEstacoes(ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmVisaoGeralEstacoes"));
    setWindowTitle(QString::fromUtf8(kTituloJanelaDiagrama));
    setProperty("topicoAjuda", kTopicoAjudaDiagrama);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 640); // the size it returns to from maximised

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    // One statement each: the menus are added in this order, left to right.
    QMenu* arquivo = menus->addMenu(QStringLiteral("Arquivo"));
    QMenu* editar = menus->addMenu(QStringLiteral("Editar"));
    QMenu* ajuda = menus->addMenu(QStringLiteral("Ajuda"));
    criarMenus(arquivo, editar, ajuda);
    criarBarra();
    layout->addWidget(barra_);

    edtAnoInicial_ = campoSomenteLeitura(this, "edtAnoInicial");
    edtAnoFinal_ = campoSomenteLeitura(this, "edtAnoFinal");
    auto* periodo = new QHBoxLayout;
    for (auto [rotulo, campo] :
         {std::pair{kRotuloAnoInicial, edtAnoInicial_}, std::pair{kRotuloAnoFinal, edtAnoFinal_}}) {
        periodo->addWidget(new QLabel(QString::fromUtf8(rotulo), this));
        campo->setMaximumWidth(70);
        periodo->addWidget(campo);
    }
    periodo->addSpacing(24);
    periodo->addWidget(new QLabel(QStringLiteral("Colorir por:"), this));
    colorir_ = new QComboBox(this);
    colorir_->setObjectName(QStringLiteral("cbColorir"));
    colorir_->addItems({QStringLiteral("Dias com dados"), QStringLiteral("Dias estimados"),
                        QStringLiteral("Dias de dados brutos (nível 1)")});
    colorir_->setToolTip(QStringLiteral(
        "Os dias estimados e os brutos são conhecidos das estações acrescentadas nesta sessão; "
        "o arquivo do diagrama guarda só a disponibilidade."));
    connect(colorir_, &QComboBox::currentIndexChanged, this, &TfrmVisaoGeralEstacoes::colorirPor);
    periodo->addWidget(colorir_);
    periodo->addStretch(1);
    layout->addLayout(periodo);

    modelo_ = new ModeloDiagrama(this);
    grdDiagrama_ = new QTableView(this);
    grdDiagrama_->setObjectName(QStringLiteral("grdDiagrama"));
    grdDiagrama_->setModel(modelo_);
    grdDiagrama_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDiagrama_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDiagrama_->verticalHeader()->hide();
    grdDiagrama_->verticalHeader()->setDefaultSectionSize(20);
    grdDiagrama_->horizontalHeader()->setDefaultSectionSize(44);
    grdDiagrama_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdDiagrama_->installEventFilter(this);
    layout->addWidget(grdDiagrama_, 1);
    legenda_ = criarLegenda();
    legendaSinais_ = criarLegendaSinais();
    legendaSinais_->hide();
    layout->addWidget(legenda_);
    layout->addWidget(legendaSinais_);

    progresso_ = new QProgressBar(this);
    progresso_->setObjectName(QStringLiteral("ProgressBar1"));
    progresso_->hide();
    layout->addWidget(progresso_);
}

TfrmVisaoGeralEstacoes::~TfrmVisaoGeralEstacoes() = default;

void TfrmVisaoGeralEstacoes::criarMenus(QMenu* arquivo, QMenu* editar, QMenu* ajuda) {
    const auto novo = [this](QMenu* menu, const char* nome, const QString& legenda,
                             void (TfrmVisaoGeralEstacoes::*metodo)(),
                             const QKeySequence& tecla = {}) {
        QAction* a = menu->addAction(legenda);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a); // the keys work while the menu is closed
        connect(a, &QAction::triggered, this, comando(dialogos_, this, metodo));
        return a;
    };
    novo(arquivo, "Novo1", QStringLiteral("Novo..."), &TfrmVisaoGeralEstacoes::NovoDiagrama);
    novo(arquivo, "Abrir1", QStringLiteral("Abrir..."), &TfrmVisaoGeralEstacoes::AbrirDiagrama);
    novo(arquivo, "Salvar1", QStringLiteral("Salvar..."), &TfrmVisaoGeralEstacoes::Salvar1Click);
    QMenu* exportar = arquivo->addMenu(QStringLiteral("Exportar"));
    exportar->menuAction()->setObjectName(QStringLiteral("Exportar1"));
    novo(exportar, "XLS1", QStringLiteral("*.XLS (Arquivos do Excel)"),
         &TfrmVisaoGeralEstacoes::XLS1Click);
    arquivo->addSeparator();
    QAction* fechar = arquivo->addAction(QStringLiteral("Fechar"));
    fechar->setObjectName(QStringLiteral("Fechar1"));
    connect(fechar, &QAction::triggered, this, &QDialog::reject);

    novo(editar, "Novaestacao1", QStringLiteral("Nova estação"),
         &TfrmVisaoGeralEstacoes::AdicionarEstacao);
    novo(editar, "Excluirestacao1", QStringLiteral("Excluir estação"),
         &TfrmVisaoGeralEstacoes::Excluirestacao1Click);

    novo(ajuda, "Conteudodaajuda1", QStringLiteral("Conteúdo da ajuda"),
         &TfrmVisaoGeralEstacoes::Conteudodaajuda1Click, QKeySequence(Qt::Key_F1));
}

void TfrmVisaoGeralEstacoes::criarBarra() {
    barra_ = new QToolBar(this);
    barra_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    barra_->setIconSize(QSize(24, 24));
    const QStyle* s = style();
    const std::tuple<const char*, const char*, const char*, const char*, QStyle::StandardPixmap>
        botoes[] = {
            {"btnNovo", " Novo ", "Nova lista de estaçãoes", "Novo1", QStyle::SP_FileIcon},
            {"btnAdicionar", "  Adicionar  ", "Adicionar estação", "Novaestacao1",
             QStyle::SP_FileDialogNewFolder},
            {"btnSalvar", "Salvar", "Salvar projeto", "Salvar1", QStyle::SP_DialogSaveButton},
            {"btnAbrir", "Abrir", "Abrir projeto", "Abrir1", QStyle::SP_DialogOpenButton},
        };
    for (const auto& [nome, legenda, dica, nomeAcao, icone] : botoes) {
        auto* b = new QToolButton(barra_);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(QString::fromUtf8(legenda));
        b->setToolTip(QString::fromUtf8(dica));
        b->setIcon(s->standardIcon(icone));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        QAction* a = acao(QString::fromLatin1(nomeAcao));
        connect(b, &QToolButton::clicked, a, &QAction::trigger);
        barra_->addWidget(b);
    }
}

QWidget* TfrmVisaoGeralEstacoes::criarLegenda() {
    auto* painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnlLegenda"));
    auto* layout = new QVBoxLayout(painel);
    layout->setContentsMargins(2, 4, 2, 4);
    auto* titulo = new QLabel(QString::fromUtf8(kLegendaTitulo), painel);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    layout->addWidget(titulo);
    layout->addWidget(new QLabel(QString::fromUtf8(kLegendaValor), painel));
    auto* cores = new QHBoxLayout;
    cores->addWidget(new QLabel(QString::fromUtf8(kLegendaCores), painel));
    for (ClasseDisponibilidade c : kClassesLegenda) {
        const EstiloClasse& e = estiloClasse(c);
        auto* quadrado = new QLabel(painel);
        quadrado->setFixedSize(16, 16);
        quadrado->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                                    .arg(corRgb(e.fundo).name()));
        cores->addSpacing(8);
        cores->addWidget(quadrado);
        cores->addWidget(new QLabel(QString::fromUtf8(e.legenda), painel));
    }
    cores->addStretch(1);
    layout->addLayout(cores);
    return painel;
}

QWidget* TfrmVisaoGeralEstacoes::criarLegendaSinais() {
    auto* painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnlLegendaSinais"));
    auto* cores = new QHBoxLayout(painel);
    cores->setContentsMargins(2, 4, 2, 4);
    cores->addWidget(new QLabel(QStringLiteral("Parte dos dias com valor:"), painel));
    std::vector<std::optional<int>> partes(kPartesLegenda.begin(), kPartesLegenda.end());
    partes.push_back(std::nullopt);
    for (const std::optional<int>& p : partes) {
        const EstiloClasse& e = estiloParteSinalizada(p);
        auto* quadrado = new QLabel(painel);
        quadrado->setFixedSize(16, 16);
        quadrado->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                                    .arg(corRgb(e.fundo).name()));
        cores->addSpacing(8);
        cores->addWidget(quadrado);
        cores->addWidget(new QLabel(QString::fromUtf8(e.legenda), painel));
    }
    cores->addStretch(1);
    return painel;
}

void TfrmVisaoGeralEstacoes::colorirPor(int modo) {
    modelo_->definirModo(static_cast<ModoDiagrama>(modo));
    legenda_->setVisible(modo == 0);
    legendaSinais_->setVisible(modo != 0);
}

QAction* TfrmVisaoGeralEstacoes::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

QString TfrmVisaoGeralEstacoes::textoAnoInicial() const {
    return edtAnoInicial_->text();
}

QString TfrmVisaoGeralEstacoes::textoAnoFinal() const {
    return edtAnoFinal_->text();
}

void TfrmVisaoGeralEstacoes::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    setWindowState(windowState() | Qt::WindowMaximized);
    grdDiagrama_->setFocus();
}

bool TfrmVisaoGeralEstacoes::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == grdDiagrama_ && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const QString t = tecla->text();
        // A typed character looks the station up; moving and editing keys go on as usual.
        if (t.size() == 1 && t[0].isPrint() && !t[0].isSpace() &&
            !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            localizar(t[0]);
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void TfrmVisaoGeralEstacoes::localizar(QChar letra) {
    if (!diagrama_) return;
    const auto linha = diagrama_->localizarInicial(letra);
    if (!linha) return;
    const int coluna = grdDiagrama_->currentIndex().isValid()
                           ? grdDiagrama_->currentIndex().column()
                           : ModeloDiagrama::kEstacao;
    const QModelIndex i = modelo_->index(static_cast<int>(*linha), coluna);
    grdDiagrama_->setCurrentIndex(i);
    grdDiagrama_->scrollTo(i);
}

void TfrmVisaoGeralEstacoes::mostrarDiagrama() {
    modelo_->definir(diagrama_ ? &*diagrama_ : nullptr);
    edtAnoInicial_->setText(diagrama_ ? QString::number(diagrama_->periodo.anoInicial) : QString());
    edtAnoFinal_->setText(diagrama_ ? QString::number(diagrama_->periodo.anoFinal) : QString());
    grdDiagrama_->setColumnWidth(ModeloDiagrama::kOrdem, 90);
    grdDiagrama_->setColumnWidth(ModeloDiagrama::kEstacao, 110);
}

void TfrmVisaoGeralEstacoes::habilitar(bool sim) {
    layout()->menuBar()->setEnabled(sim);
    barra_->setEnabled(sim);
    grdDiagrama_->setEnabled(sim);
    for (QAction* a : actions())
        a->setEnabled(sim);
}

void TfrmVisaoGeralEstacoes::reject() {
    // Closing while files are read would leave their rows without a window to go to.
    if (ocupada_) return;
    QDialog::reject();
}

void TfrmVisaoGeralEstacoes::Conteudodaajuda1Click() {
    dialogos_.ajuda(kTopicoAjudaDiagrama);
}

} // namespace corvel::ui
