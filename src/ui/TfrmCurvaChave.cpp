// The rating-curve dialog.
#include "TfrmCurvaChave.h"

#include "comando.h"

#include "analyses/hidrograma.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmCurvaChave::TfrmCurvaChave(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmCurvaChave"));
    setWindowTitle(QStringLiteral("Valores da Curva-chave"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Digite os valores da Curva-chave:"), this));
    auto* campos = new QFormLayout;
    superior_ = new QLineEdit(textoLimite(bancada_.limitesCurvaChave.superior), this);
    superior_->setObjectName(QStringLiteral("edtSuperior"));
    inferior_ = new QLineEdit(textoLimite(bancada_.limitesCurvaChave.inferior), this);
    inferior_->setObjectName(QStringLiteral("edtInferior"));
    campos->addRow(QStringLiteral("Limite superior"), superior_);
    campos->addRow(QStringLiteral("Limite inferior"), inferior_);
    v->addLayout(campos);
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* cancelar =
        botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("btnCancelar"));
    v->addWidget(botoes);
    connect(ok, &QPushButton::clicked, this, comando(dialogos_, this, &TfrmCurvaChave::btnOKClick));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {superior_, inferior_})
        e->installEventFilter(this);
}

bool TfrmCurvaChave::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QDialog::eventFilter(alvo, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    // Keys without text or with a control character (arrows, Delete, Enter, Tab, Ctrl+A) keep
    // their meaning.
    if (tecla->text().size() != 1 ||
        (tecla->text().front() < u' ' && tecla->text().front() != u'\b') ||
        (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const auto aceita = teclaCurvaChave(tecla->text().front());
    if (aceita && *aceita == tecla->text().front()) return false;
    if (aceita) static_cast<QLineEdit*>(alvo)->insert(QString(*aceita)); // "." types ","
    return true;
}

void TfrmCurvaChave::btnOKClick() {
    const RespostaCurvaChave r =
        confirmarCurvaChave(superior_->text(), inferior_->text(), bancada_.limitesCurvaChave);
    bancada_.limitesCurvaChave = r.limites;
    if (r.mensagem) dialogos_.mensagem(r.mensagem->gravidade, r.mensagem->texto);
    if (r.fechar) accept();
}

} // namespace corvel::ui
