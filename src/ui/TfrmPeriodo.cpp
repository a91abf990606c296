// The year dialog.
#include "TfrmPeriodo.h"

#include "core/erros.h"
#include "core/formato.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmPeriodo::TfrmPeriodo(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TfrmPeriodo"));
    auto* v = new QVBoxLayout(this);
    rotulo_ = new QLabel(this);
    v->addWidget(rotulo_);
    campo_ = new QLineEdit(this);
    campo_->setObjectName(QStringLiteral("edtAno"));
    campo_->setMaxLength(kDigitosAno);
    campo_->installEventFilter(this);
    v->addWidget(campo_);
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* cancelar =
        botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("btnCancelar"));
    v->addWidget(botoes);
    connect(ok, &QPushButton::clicked, this, &TfrmPeriodo::btnOKClick);
    connect(cancelar, &QPushButton::clicked, this, &TfrmPeriodo::btnCancelarClick);
}

void TfrmPeriodo::preparar(ComandoPeriodo comando) {
    const PedidoAno p = pedidoAno(comando);
    setWindowTitle(p.titulo);
    rotulo_->setText(p.rotulo);
    campo_->clear();
    campo_->setFocus();
}

QString TfrmPeriodo::rotulo() const {
    return rotulo_->text();
}

bool TfrmPeriodo::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == campo_ && evento->type() == QEvent::KeyPress) {
        const QString texto = static_cast<QKeyEvent*>(evento)->text();
        // Keys without text (arrows, Delete, Enter) keep their meaning; other text must be digits.
        if (texto.size() == 1 && texto.front() >= u' ' && !teclaDoAno(texto.front())) return true;
    }
    return QDialog::eventFilter(alvo, evento);
}

void TfrmPeriodo::btnOKClick() {
    if (!campo_->text().isEmpty()) accept();
}

void TfrmPeriodo::btnCancelarClick() {
    campo_->clear();
    reject();
}

std::optional<int> TfrmPeriodo::ano() const {
    if (campo_->text().isEmpty()) return std::nullopt;
    // Pasted text may hold anything: what is not a year is no answer.
    try {
        return static_cast<int>(lerInteiro(campo_->text()));
    } catch (const ErroConversao&) {
        return std::nullopt;
    }
}

} // namespace corvel::ui
