// About window: logo, product, version and credits.
#include "TfrmAbout.h"

#include "core/versao.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmAbout::TfrmAbout(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("Sobre o Corvel 1.0"));
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/imagens/logo.png")));
    logo->setAlignment(Qt::AlignCenter);
    auto* produto = new QLabel(QStringLiteral("<b>Corvel 1.0 - Ondarel</b>"), this);
    produto->setAlignment(Qt::AlignCenter);
    lblVersao_ = new QLabel(QStringLiteral("Versão " CORVEL_VERSAO), this);
    lblVersao_->setObjectName(QStringLiteral("lblVersao"));
    lblVersao_->setAlignment(Qt::AlignCenter);
    lblVersao_->installEventFilter(this);
    auto* texto = new QLabel(
        QStringLiteral(
            "Análise hidrológica de séries de vazões diárias de estações fluviométricas:\n"
            "vazões mínimas, médias e máximas, distribuições de probabilidade,\n"
            "estacionariedade, curva de permanência, regularização, hidrógrafa,\n"
            "preenchimento de falhas e disponibilidade de dados."),
        this);
    texto->setAlignment(Qt::AlignCenter);
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::AcceptRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(logo), static_cast<QWidget*>(produto),
                       static_cast<QWidget*>(lblVersao_), static_cast<QWidget*>(texto),
                       static_cast<QWidget*>(botoes)})
        layout->addWidget(w);
}

bool TfrmAbout::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == lblVersao_ && evento->type() == QEvent::MouseButtonRelease) Q_EMIT versaoClicada();
    return QDialog::eventFilter(alvo, evento);
}

} // namespace corvel::ui
