// Station choice window.
#include "TfrmEscolhaEstacao.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmEscolhaEstacao::TfrmEscolhaEstacao(const std::vector<qint32>& codigos, QWidget* pai)
    : QDialog(pai), lista_(new QComboBox(this)) {
    setObjectName(QStringLiteral("TfrmEscolhaEstacao"));
    setWindowTitle(QString::fromUtf8(kTituloEscolhaEstacao));
    for (qint32 c : codigos)
        lista_->addItem(QString::number(c));
    lista_->setCurrentIndex(-1); // nothing picked until the user picks
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(kRotuloEscolhaEstacao), this));
    layout->addWidget(lista_);
    layout->addWidget(botoes);
    setMinimumWidth(320);
}

RespostaEscolha TfrmEscolhaEstacao::resposta() const {
    if (result() != QDialog::Accepted) return RespostaEscolha::Cancelada;
    return lista_->currentIndex() < 0 ? RespostaEscolha::OkSemEscolha : RespostaEscolha::Escolhida;
}

qsizetype TfrmEscolhaEstacao::escolhida() const {
    return std::max(0, lista_->currentIndex());
}

} // namespace corvel::ui
