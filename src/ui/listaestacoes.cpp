// The station list dialogs of gap filling.
#include "listaestacoes.h"

#include "filling/textospreenchimento.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

ListaEstacoes::ListaEstacoes(const QString& grupo, const std::vector<QString>& titulos,
                             bool primeiraEscolhida, QWidget* pai)
    : QDialog(pai) {
    setWindowTitle(QString::fromUtf8(kTituloListaEstacoes));
    setModal(true);
    auto* caixa = new QGroupBox(grupo, this);
    lstEstacoes_ = new QListWidget(caixa);
    lstEstacoes_->setObjectName(QStringLiteral("lstEstacoes"));
    lstEstacoes_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const QString& t : titulos)
        lstEstacoes_->addItem(t.trimmed());
    if (primeiraEscolhida && lstEstacoes_->count() > 0)
        lstEstacoes_->setCurrentRow(0);
    else
        lstEstacoes_->setCurrentRow(-1);
    auto* dentro = new QVBoxLayout(caixa);
    dentro->addWidget(lstEstacoes_);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar_->setAutoDefault(false);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstEstacoes_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnOK_);
    botoes->addWidget(btnCancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caixa, 1);
    layout->addLayout(botoes);
    resize(260, 150 + 20 * static_cast<int>(titulos.size()));
}

std::optional<int> ListaEstacoes::escolhida() const {
    const QList<QListWidgetItem*> itens = lstEstacoes_->selectedItems();
    if (itens.isEmpty()) return std::nullopt;
    return lstEstacoes_->row(itens.front()) + 1;
}

} // namespace corvel::ui
