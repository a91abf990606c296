// The period dialog of the availability diagram.
#include "TfrmDefinePeriodoDiagramaDeBarras.h"

#include "comando.h"

#include "availability/textosdiagrama.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

QLineEdit* caixaAno(QWidget* pai, const char* nome) {
    auto* c = new QLineEdit(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), c));
    c->setMaximumWidth(80);
    return c;
}

} // namespace

TfrmDefinePeriodoDiagramaDeBarras::TfrmDefinePeriodoDiagramaDeBarras(
    ServicoDialogos& dialogos, const std::optional<PeriodoDiagrama>& atual, QWidget* pai)
    : QDialog(pai), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmDefinePeriodoDiagramaDeBarras"));
    setWindowTitle(QString::fromUtf8(kTituloPeriodoDiagrama));
    setModal(true);

    edtAnoInicial_ = caixaAno(this, "edtAnoInicial");
    edtAnoFinal_ = caixaAno(this, "edtAnoFinal");
    if (atual) {
        edtAnoInicial_->setText(QString::number(atual->anoInicial));
        edtAnoFinal_->setText(QString::number(atual->anoFinal));
    }
    auto* campos = new QFormLayout;
    campos->addRow(QString::fromUtf8(kRotuloAnoInicialDialogo), edtAnoInicial_);
    campos->addRow(QString::fromUtf8(kRotuloAnoFinalDialogo), edtAnoFinal_);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    // Enter is the boxes' own key: no button takes it.
    for (QPushButton* b : {btnOK_, btnCancelar_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(btnOK_, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmDefinePeriodoDiagramaDeBarras::btnOKClick));
    connect(btnCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtAnoInicial_, &QLineEdit::returnPressed, this, [this] {
        edtAnoFinal_->setFocus();
        edtAnoFinal_->selectAll();
    });
    connect(edtAnoFinal_, &QLineEdit::returnPressed, btnOK_, &QPushButton::click);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnOK_);
    botoes->addWidget(btnCancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    edtAnoInicial_->setFocus();
}

void TfrmDefinePeriodoDiagramaDeBarras::btnOKClick() {
    periodo_ = lerPeriodoDiagrama(edtAnoInicial_->text(), edtAnoFinal_->text());
    accept();
}

} // namespace corvel::ui
