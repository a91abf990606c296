// Pre-processing window: layout, menus, lists and the close.
#include "TfrmrelatorioMensal.h"
#include "comando.h"

#include "core/formato.h"
#include "modelospreprocessamento.h"
#include "preprocess/preprocessamento.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmrelatorioMensal::TfrmrelatorioMensal(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmrelatorioMensal"));
    setWindowTitle(QStringLiteral("Pré-processamento"));
    bancada_.serie.indice();
    modeloMeses_ = new ModeloMeses(bancada_, this);
    modeloAnos_ = new ModeloAnos(this);
    connect(modeloMeses_, &ModeloMeses::mesMarcado, this, [this] { atualizarAnos(); });
    connect(modeloAnos_, &ModeloAnos::anoMarcado, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::anoMarcado));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    criarMenus();
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(criarTabelas(), 1);
    corpo->addWidget(criarControles());
    layout->addLayout(corpo, 1);
    progresso_ = new QProgressBar(this);
    progresso_->setObjectName(QStringLiteral("progresso"));
    progresso_->setVisible(false);
    layout->addWidget(progresso_);
    resize(600, 560);

    mostrarInicioAno();
    listarAnos();
    modeloAnos_->definirMarcavel(true);
}

TfrmrelatorioMensal::~TfrmrelatorioMensal() = default;

QAction* TfrmrelatorioMensal::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

void TfrmrelatorioMensal::criarMenus() {
    auto* menu = new QMenuBar(this);
    auto nova = [this](QMenu* m, const char* nome, const char* legenda, const QKeySequence& tecla) {
        QAction* a = m->addAction(QString::fromUtf8(legenda));
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a); // the keys work while the menu is closed
        return a;
    };
    QMenu* arquivo = menu->addMenu(QStringLiteral("Arquivo"));
    connect(nova(arquivo, "Fechar1", "Fechar", QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, this, &QDialog::accept);
    QMenu* criterios = menu->addMenu(QStringLiteral("Critérios"));
    connect(nova(criterios, "Serieoriginal1", "Série original", QKeySequence(Qt::Key_F2)),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::Serieoriginal1Click));
    connect(nova(criterios, "Descartaranoscomfalhas1", "Descartar anos com falhas",
                 QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::Descartaranoscomfalhas1Click));
    connect(nova(criterios, "Descartarmesescomfalhas1", "Descartar meses com falhas",
                 QKeySequence(Qt::Key_F6)),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::Descartarmesescomfalhas1Click));
    QMenu* exibir = menu->addMenu(QStringLiteral("Exibir"));
    connect(nova(exibir, "Informacoes1", "Informações", QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::Informacoes1Click));
    QMenu* ajuda = menu->addMenu(QStringLiteral("Ajuda"));
    connect(nova(ajuda, "ConteudodaAjuda1", "Conteúdo da ajuda", QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, [this] { dialogos_.ajuda(kTopicoPreProcessamento); });
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menu);
}

namespace {
QTableView* novaGrade(QAbstractItemModel* modelo, const QString& nome, QWidget* pai) {
    auto* g = new QTableView(pai);
    g->setObjectName(nome);
    g->setModel(modelo);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setColumnWidth(0, 120);
    g->setColumnWidth(1, 75);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}
} // namespace

QWidget* TfrmrelatorioMensal::criarTabelas() {
    pilha_ = new QStackedWidget(this);
    pilha_->setObjectName(QStringLiteral("pilha"));
    abas_ = new QTabWidget(pilha_);
    abas_->setObjectName(QStringLiteral("abas"));
    grdMensal_ = novaGrade(modeloMeses_, QStringLiteral("grdMensal"), abas_);
    grdAnual_ = novaGrade(modeloAnos_, QStringLiteral("grdAnual"), abas_);
    abas_->addTab(grdMensal_, QStringLiteral("Mensal"));
    abas_->addTab(grdAnual_, QStringLiteral("Anual"));
    pilha_->addWidget(abas_);

    auto* aguarde = new QLabel(QStringLiteral("Processando, aguarde...."), pilha_);
    aguarde->setObjectName(QStringLiteral("pagProcessando"));
    aguarde->setAlignment(Qt::AlignCenter);
    QFont f = aguarde->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    aguarde->setFont(f);
    paginaProcessando_ = aguarde;
    pilha_->addWidget(aguarde);
    return pilha_;
}

QWidget* TfrmrelatorioMensal::criarControles() {
    auto* painel = new QWidget(this);
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(0, 0, 0, 0);

    auto* inicio = new QGroupBox(QStringLiteral("Início do ano hidrológico"), painel);
    cbxInicioAno_ = new QComboBox(inicio);
    cbxInicioAno_->setObjectName(QStringLiteral("cbxInicioAno"));
    for (int m = 1; m <= 12; ++m)
        cbxInicioAno_->addItem(nomeMes(m));
    connect(cbxInicioAno_, &QComboBox::activated, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::cbxInicioAnoSelect));
    (new QVBoxLayout(inicio))->addWidget(cbxInicioAno_);
    v->addWidget(inicio);

    auto* descarte = new QGroupBox(QStringLiteral(" Descarte "), painel);
    rbMensal_ = new QRadioButton(QStringLiteral("Mensal"), descarte);
    rbMensal_->setObjectName(QStringLiteral("rbMensal"));
    rbAnual_ = new QRadioButton(QStringLiteral("Anual"), descarte);
    rbAnual_->setObjectName(QStringLiteral("rbAnual"));
    escolhas_ = new QButtonGroup(this);
    escolhas_->addButton(rbMensal_);
    escolhas_->addButton(rbAnual_);
    rbMensal_->setChecked(true);
    auto* rotulo = new QLabel(QStringLiteral("Escolha a % de falhas:"), descarte);
    cbxPorcentagem_ = new QComboBox(descarte);
    cbxPorcentagem_->setObjectName(QStringLiteral("cbxPorcentagem"));
    cbxPorcentagem_->addItem(QString());
    for (int p = 1; p <= 99; ++p)
        cbxPorcentagem_->addItem(QString::number(p));
    connect(cbxPorcentagem_, &QComboBox::activated, this,
            comando(dialogos_, this, &TfrmrelatorioMensal::cbxPorcentagemSelect));
    auto* d = new QVBoxLayout(descarte);
    auto* radios = new QHBoxLayout;
    radios->addWidget(rbMensal_);
    radios->addWidget(rbAnual_);
    d->addLayout(radios);
    d->addWidget(rotulo);
    d->addWidget(cbxPorcentagem_);
    v->addWidget(descarte);

    label3_ = new QLabel(painel);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setWordWrap(true);
    label3_->setMinimumWidth(180);
    v->addWidget(label3_);
    auto* ok = new QPushButton(QStringLiteral("OK"), painel);
    ok->setObjectName(QStringLiteral("btnOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok);
    v->addStretch();
    return painel;
}

void TfrmrelatorioMensal::mostrarInicioAno() {
    const int g = bancada_.inicioAnoHidrologico;
    cbxInicioAno_->setCurrentIndex(g >= 1 && g <= 12 ? g - 1 : -1);
}

void TfrmrelatorioMensal::done(int resultado) {
    if (!fechada_) {
        fechada_ = true;
        fecharPreProcessamento(bancada_);
    }
    QDialog::done(resultado);
}

} // namespace corvel::ui
