// Progress window of a multi-station download.
#include "TfrmPorCentagemDownloadEstacoes.h"

#include "exchange/downloadmultiplo.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmPorCentagemDownloadEstacoes::TfrmPorCentagemDownloadEstacoes(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TfrmPorCentagemDownloadEstacoes"));
    setWindowTitle(QStringLiteral("Baixando estações"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    lblEstacao_ = new QLabel(this);
    lblEstacao_->setObjectName(QStringLiteral("lblEstacao"));
    lblContagem_ = new QLabel(this);
    lblContagem_->setObjectName(QStringLiteral("lblContagem"));
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("barra"));
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("memLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(lblEstacao_);
    layout->addWidget(lblContagem_);
    layout->addWidget(barra_);
    layout->addWidget(log_, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    btnFechar_ = new QPushButton(QStringLiteral("&Fechar"), this);
    btnFechar_->setObjectName(QStringLiteral("btnFechar"));
    btnFechar_->setEnabled(false);
    botoes->addWidget(btnCancelar_);
    botoes->addWidget(btnFechar_);
    layout->addLayout(botoes);
    connect(btnCancelar_, &QPushButton::clicked, this,
            &TfrmPorCentagemDownloadEstacoes::cancelamentoPedido);
    connect(btnFechar_, &QPushButton::clicked, this, &QDialog::close);
    resize(460, 360);
}

void TfrmPorCentagemDownloadEstacoes::iniciar(qsizetype n) {
    barra_->setRange(0, int(n));
    barra_->setValue(0);
    barra_->show();
    log_->clear();
    linhasMostradas_ = 0;
}

void TfrmPorCentagemDownloadEstacoes::mostrarEstacao(qsizetype i, qsizetype n,
                                                     const QString& codigo) {
    barra_->setValue(int(i));
    lblEstacao_->setText(textoEstacaoEmCurso(codigo));
    lblContagem_->setText(textoContagemDownload(i, n));
}

void TfrmPorCentagemDownloadEstacoes::atualizarLog(const QStringList& log) {
    for (; linhasMostradas_ < log.size(); ++linhasMostradas_)
        log_->appendPlainText(log[linhasMostradas_]);
}

void TfrmPorCentagemDownloadEstacoes::desabilitarCancelar() {
    btnCancelar_->setEnabled(false);
}

void TfrmPorCentagemDownloadEstacoes::concluir(const QStringList& log) {
    lblEstacao_->clear();
    lblContagem_->clear();
    atualizarLog(log);
    btnCancelar_->setEnabled(false);
    btnFechar_->setEnabled(true);
    barra_->hide();
    concluida_ = true;
}

void TfrmPorCentagemDownloadEstacoes::encerrar() {
    concluida_ = true;
    close();
}

QString TfrmPorCentagemDownloadEstacoes::textoLog() const {
    return log_->toPlainText();
}

void TfrmPorCentagemDownloadEstacoes::closeEvent(QCloseEvent* evento) {
    if (concluida_)
        QDialog::closeEvent(evento);
    else
        evento->ignore();
}

void TfrmPorCentagemDownloadEstacoes::reject() {
    if (concluida_) QDialog::reject();
}

} // namespace corvel::ui
