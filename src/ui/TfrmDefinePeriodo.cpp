// The new-series dialog.
#include "TfrmDefinePeriodo.h"

#include "comando.h"
#include "cursorocupado.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmDefinePeriodo::TfrmDefinePeriodo(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmDefinePeriodo"));
    setWindowTitle(QStringLiteral("Define período"));
    auto* v = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    const auto campo = [this, campos](const char* nome, const QString& rotulo) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nome));
        e->installEventFilter(this);
        campos->addRow(rotulo, e);
        return e;
    };
    codigo_ = campo("edtCodigo", QStringLiteral("Código da estação"));
    anoInicial_ = campo("edtAnoInicial", QStringLiteral("Ano inicial"));
    anoFinal_ = campo("edtAnoFinal", QStringLiteral("Ano final"));
    v->addLayout(campos);
    auto* nota = new QLabel(QStringLiteral("Especifique o ano inicial e o ano final. É necessário "
                                           "ter pelo menos um ano no período."),
                            this);
    nota->setWordWrap(true);
    v->addWidget(nota);
    auto* botoes = new QDialogButtonBox(this);
    auto* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setAutoDefault(false);
    ok_ = ok;
    auto* cancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("btnCancelar"));
    cancelar->setAutoDefault(false);
    v->addWidget(botoes);
    connect(ok, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmDefinePeriodo::btnOKClick));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(codigo_, &QLineEdit::editingFinished, this,
            comando(dialogos_, this, &TfrmDefinePeriodo::edtCodigoExit));
    codigo_->setFocus();
    bancada_.cancelaNovaSerie = true;
}

bool TfrmDefinePeriodo::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        // Enter moves on: code, first year, last year, OK.
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            QWidget* proximo = alvo == codigo_       ? static_cast<QWidget*>(anoInicial_)
                               : alvo == anoInicial_ ? static_cast<QWidget*>(anoFinal_)
                                                     : ok_;
            proximo->setFocus();
            return true;
        }
        // Digits only (and the keys without text: arrows, Backspace, Delete).
        const QString texto = tecla->text();
        if (texto.size() == 1 && texto.front() >= u' ' && !texto.front().isDigit()) return true;
    }
    return QDialog::eventFilter(alvo, evento);
}

void TfrmDefinePeriodo::edtCodigoExit() {
    const CodigoEstacao c = limitarCodigoEstacao(codigo_->text());
    if (!c.cortado) return;
    codigo_->setText(c.texto);
    dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgCodigoEstacaoGrande));
}

void TfrmDefinePeriodo::btnOKClick() {
    edtCodigoExit();
    const auto periodo =
        lerPeriodoNovaSerie(codigo_->text(), anoInicial_->text(), anoFinal_->text());
    if (!periodo) return; // a field is empty: the dialog stays as it is
    {
        CursorOcupado ocupado;
        bancada_.criarSerieVazia(*periodo);
    }
    bancada_.cancelaNovaSerie = false;
    accept();
}

} // namespace corvel::ui
