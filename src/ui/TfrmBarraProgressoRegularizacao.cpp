// The regularization's progress window.
#include "TfrmBarraProgressoRegularizacao.h"

#include "servicodialogos.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmBarraProgressoRegularizacao::TfrmBarraProgressoRegularizacao(ServicoDialogos& dialogos,
                                                                 QWidget* pai, Trabalho trabalho)
    : QDialog(pai), dialogos_(dialogos), trabalho_(std::move(trabalho)) {
    setObjectName(QStringLiteral("TfrmBarraProgressoRegularizacao"));
    setWindowTitle(QStringLiteral("Regularização"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    lblEtapa_ = new QLabel(QString::fromUtf8(kTextoPreparando), this);
    lblEtapa_->setObjectName(QStringLiteral("lblEtapa"));
    lblEtapa_->setMinimumWidth(300);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    barra_->hide();
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar_->setAutoDefault(false);
    connect(btnCancelar_, &QPushButton::clicked, this,
            &TfrmBarraProgressoRegularizacao::btnCancelarClick);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnCancelar_);
    layout->addWidget(lblEtapa_);
    layout->addWidget(barra_);
    layout->addLayout(botoes);

    relogio_.setInterval(100);
    connect(&relogio_, &QTimer::timeout, this, [this] {
        if (++tiques_ < 2) return;
        relogio_.stop();
        concluir();
        accept();
    });
}

void TfrmBarraProgressoRegularizacao::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (iniciado_) return;
    lblEtapa_->setText(QString::fromUtf8(kTextoPreparando));
    barra_->hide();
    tiques_ = 0;
    relogio_.start();
}

void TfrmBarraProgressoRegularizacao::concluir() {
    relogio_.stop();
    if (iniciado_ || cancelado_) return;
    iniciado_ = trabalhando_ = true;
    struct Fim {
        bool& trabalhando;
        ~Fim() { trabalhando = false; }
    } fim{trabalhando_};
    trabalho_(*this);
}

void TfrmBarraProgressoRegularizacao::mostrarEtapa(EtapaRegularizacao etapa) {
    ultimaEtapa_ = etapa;
    ultimaPorcentagem_ = 0;
    lblEtapa_->setText(textoEtapa(etapa));
    barra_->setValue(0);
    barra_->show();
    QCoreApplication::processEvents();
}

void TfrmBarraProgressoRegularizacao::esconderBarra() {
    barra_->hide();
}

bool TfrmBarraProgressoRegularizacao::acompanhar(EtapaRegularizacao etapa, int porcentagem) {
    if (etapa != ultimaEtapa_) mostrarEtapa(etapa);
    // A hundred repaints a step at most: asking the event loop after each of 36 000 days would
    // cost more than the balance itself.
    if (porcentagem != ultimaPorcentagem_) {
        ultimaPorcentagem_ = porcentagem;
        barra_->setValue(porcentagem);
        QCoreApplication::processEvents();
    }
    return !cancelado_;
}

QString TfrmBarraProgressoRegularizacao::texto() const {
    return lblEtapa_->text();
}

void TfrmBarraProgressoRegularizacao::btnCancelarClick() {
    if (cancelado_ || (iniciado_ && !trabalhando_)) return;
    if (!dialogos_.pergunta(QStringLiteral("Deseja cancelar o cálculo da regularização?"), true))
        return;
    cancelado_ = true;
    // Before the work began there is nothing to stop: the window just closes.
    if (!trabalhando_) QDialog::reject();
}

void TfrmBarraProgressoRegularizacao::reject() {
    btnCancelarClick();
}

} // namespace corvel::ui
