// Information window.
#include "TfrmInformacao.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel::ui {

TfrmInformacao::TfrmInformacao(const QStringList& linhas, QWidget* pai)
    : QDialog(pai), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TfrmInformacao"));
    setWindowTitle(QStringLiteral("Informação"));
    memo_->setObjectName(QStringLiteral("memo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth); // a long note wraps at the window's edge
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
    // Wide enough for the longest line where the screen allows.
    int largura = 0;
    for (const QString& l : linhas)
        largura = std::max(largura, memo_->fontMetrics().horizontalAdvance(l));
    const int tela = screen() ? screen()->availableGeometry().width() - 40 : 1200;
    resize(std::clamp(largura + 60, 760, std::max(760, tela)), 480);
}

QString TfrmInformacao::texto() const {
    return memo_->toPlainText();
}

} // namespace corvel::ui
