// Information window.
#include "TfrmInformacao.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmInformacao::TfrmInformacao(const QStringList& linhas, QWidget* pai)
    : QDialog(pai), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TfrmInformacao"));
    setWindowTitle(QStringLiteral("Informação"));
    memo_->setObjectName(QStringLiteral("memo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setPlainText(linhas.join(u'\n'));
    auto* fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    fechar->setObjectName(QStringLiteral("btnFechar"));
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(botoes);
    resize(760, 480);
}

QString TfrmInformacao::texto() const {
    return memo_->toPlainText();
}

} // namespace corvel::ui
