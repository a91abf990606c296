// The evaporation window: the rates grid, the area field and the closing check.
#include "TfrmEvaporacao.h"

#include "comando.h"
#include "modelosregularizacao.h"
#include "servicodialogos.h"

#include "core/bancada.h"
#include "core/formato.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel::ui {

QString pastaEvaporacao(const Bancada& bancada) {
    return bancada.pastaDados.isEmpty() ? pastaDadosUsuario() : bancada.pastaDados;
}

TfrmEvaporacao::TfrmEvaporacao(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmEvaporacao"));
    setWindowTitle(QStringLiteral("Evaporação"));
    auto* layout = new QVBoxLayout(this);

    modelo_ = new ModeloEvaporacao(tabela_, this);
    connect(modelo_, &ModeloEvaporacao::valorInvalido, this,
            [this](const QString& m) { dialogos_.mensagem(Gravidade::Erro, m); });
    grdEvaporacao_ = new QTableView(this);
    grdEvaporacao_->setObjectName(QStringLiteral("grdEvaporacao"));
    grdEvaporacao_->setModel(modelo_);
    grdEvaporacao_->verticalHeader()->hide();
    grdEvaporacao_->verticalHeader()->setDefaultSectionSize(22);
    grdEvaporacao_->setColumnWidth(0, 110);
    grdEvaporacao_->setColumnWidth(1, 150);
    grdEvaporacao_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grdEvaporacao_->horizontalHeader()->setStretchLastSection(true);
    grdEvaporacao_->setMinimumSize(290, 12 * 22 + 30);
    layout->addWidget(grdEvaporacao_);

    edtArea_ = new QLineEdit(QStringLiteral("0"), this);
    edtArea_->setObjectName(QStringLiteral("edtArea"));
    edtArea_->setMaximumWidth(100);
    edtArea_->installEventFilter(this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, comando(dialogos_, this, &TfrmEvaporacao::btnOKClick));
    auto* linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("Área do reservatório:"), this));
    linha->addWidget(edtArea_);
    linha->addWidget(new QLabel(QStringLiteral("km²"), this));
    linha->addStretch(1);
    linha->addWidget(ok);
    layout->addLayout(linha);

    preparar();
}

TfrmEvaporacao::~TfrmEvaporacao() = default;

void TfrmEvaporacao::preparar() {
    tabela_ = prepararEvaporacao(pastaEvaporacao(bancada_), bancada_.pastaPrograma());
    modelo_->recarregar();
    if (bancada_.areaReservatorio > 0) edtArea_->setText(formatarGeral(bancada_.areaReservatorio));
}

void TfrmEvaporacao::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // The user's last values each time the window shows.
    executarComando(dialogos_, [this] { preparar(); });
}

bool TfrmEvaporacao::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == edtArea_ && evento->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(evento)->text();
        // Keys that type something other than a digit, "," or "." are dropped; editing and
        // moving keys, which type nothing or a control character, go through.
        if (t.size() == 1 && t[0].isPrint() && !teclaDaArea(t[0])) return true;
    }
    return QDialog::eventFilter(alvo, evento);
}

bool TfrmEvaporacao::FormCloseQuery() {
    // A rate still in its editor counts: leaving the editor hands it to the table.
    if (QWidget* foco = QApplication::focusWidget();
        foco && grdEvaporacao_->viewport()->isAncestorOf(foco))
        foco->clearFocus();
    double area = 0;
    try {
        area = lerAreaReservatorio(edtArea_->text());
    } catch (const ErroConversao& e) {
        dialogos_.mostrar(e);
        return false;
    }
    if (area == 0) {
        dialogos_.mensagem(Gravidade::Informacao, QString::fromUtf8(kMsgAreaInvalida));
        return false;
    }
    bancada_.areaReservatorio = area;
    // A folder that refuses the file must not keep the user in the window: the calculation
    // takes the rates from here and reports the failure again when it writes them.
    try {
        gravarEvaporacao(pastaEvaporacao(bancada_), tabela_);
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
    }
    return true;
}

void TfrmEvaporacao::btnOKClick() {
    if (FormCloseQuery()) QDialog::accept();
}

void TfrmEvaporacao::reject() {
    if (FormCloseQuery()) QDialog::accept();
}

} // namespace corvel::ui
