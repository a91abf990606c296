// Main window commands of the "Ferramentas" menu: the availability diagram and gap filling. Both
// windows are made on first use and kept for the whole run, so their diagram and project are still
// there when they open again; neither needs an open series.
#include "TfrmPreencher.h"
#include "TfrmPrincipal.h"
#include "TfrmVisaoGeralEstacoes.h"

#include <QAction>

namespace corvel::ui {

void TfrmPrincipal::ligarFerramentas() {
    QAction* disponibilidade = acao(QStringLiteral("Disponibilidadededados1"));
    disponibilidade->setEnabled(true);
    ligar(disponibilidade, &TfrmPrincipal::Disponibilidadededados1Click, false);
    QAction* preenchimento = acao(QStringLiteral("Preenchimento1"));
    preenchimento->setEnabled(true);
    ligar(preenchimento, &TfrmPrincipal::Preenchimento1Click, false);
}

void TfrmPrincipal::Disponibilidadededados1Click() {
    auto* janela = findChild<TfrmVisaoGeralEstacoes*>(QString(), Qt::FindDirectChildrenOnly);
    if (!janela) janela = new TfrmVisaoGeralEstacoes(dialogos_, this);
    dialogos_.executar(*janela);
}

void TfrmPrincipal::Preenchimento1Click() {
    auto* janela = findChild<TfrmPreencher*>(QString(), Qt::FindDirectChildrenOnly);
    if (!janela) janela = new TfrmPreencher(bancada_, dialogos_, this);
    dialogos_.executar(*janela);
}

} // namespace corvel::ui
