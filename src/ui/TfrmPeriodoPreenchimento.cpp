// The period dialog of gap filling.
#include "TfrmPeriodoPreenchimento.h"

#include "comando.h"

#include "filling/textospreenchimento.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmPeriodoPreenchimento::TfrmPeriodoPreenchimento(ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmPeriodoPreenchimento"));
    setWindowTitle(QString::fromUtf8(kTituloPeriodoPreenchimento));
    setModal(true);

    auto* grupo = new QGroupBox(QString::fromUtf8(kGrupoPeriodo), this);
    auto* campos = new QFormLayout(grupo);
    const auto caixa = [grupo](const char* nome, const char* texto) {
        auto* c = new QLineEdit(QString::fromLatin1(texto), grupo);
        c->setObjectName(QString::fromLatin1(nome));
        // Digits only; Backspace and the other editing keys type nothing and pass.
        c->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c));
        c->setMaximumWidth(80);
        return c;
    };
    edtInicio_ = caixa("edtInicio", kInicioPadrao);
    edtFim_ = caixa("edtFim", kFimPadrao);
    campos->addRow(QString::fromUtf8(kRotuloInicio), edtInicio_);
    campos->addRow(QString::fromUtf8(kRotuloFim), edtFim_);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setAutoDefault(false);
    connect(btnOK_, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmPeriodoPreenchimento::btnOKClick));
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnOK_);
    botoes->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grupo);
    layout->addLayout(botoes);
}

void TfrmPeriodoPreenchimento::btnOKClick() {
    periodo_ = lerPeriodoPreenchimento(edtInicio_->text(), edtFim_->text());
    accept();
}

} // namespace corvel::ui
