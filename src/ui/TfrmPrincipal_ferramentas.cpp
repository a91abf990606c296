// Main window commands of the "Ferramentas" menu: the availability diagram and gap filling. Both
// windows are made on first use and kept for the whole run, so their diagram and project are still
// there when they open again; neither needs an open series.
#include "TfrmPreencher.h"
#include "TfrmPrincipal.h"
#include "TfrmVisaoGeralEstacoes.h"

#include <QAction>

namespace corvel::ui {

namespace {

// The window of type J kept by the main window, made the first time it is asked for.
template <typename J, typename Criar> J& janelaDaExecucao(QWidget* principal, Criar criar) {
    auto* janela = principal->findChild<J*>(QString(), Qt::FindDirectChildrenOnly);
    return janela ? *janela : *criar();
}

} // namespace

void TfrmPrincipal::ligarFerramentas() {
    QAction* disponibilidade = acao(QStringLiteral("Disponibilidadededados1"));
    disponibilidade->setEnabled(true);
    ligar(
        disponibilidade,
        [this] {
            dialogos_.executar(janelaDaExecucao<TfrmVisaoGeralEstacoes>(
                this, [this] { return new TfrmVisaoGeralEstacoes(dialogos_, this); }));
        },
        false);
    QAction* preenchimento = acao(QStringLiteral("Preenchimento1"));
    preenchimento->setEnabled(true);
    ligar(
        preenchimento,
        [this] {
            dialogos_.executar(janelaDaExecucao<TfrmPreencher>(
                this, [this] { return new TfrmPreencher(bancada_, dialogos_, this); }));
        },
        false);
}

} // namespace corvel::ui
