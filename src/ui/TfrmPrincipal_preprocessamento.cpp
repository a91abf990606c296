// Main window commands of pre-processing: the pre-processing window, followed in every case by
// the save of the project, and the failure report ("Informações").
#include "TfrmInformacao.h"
#include "TfrmPrincipal.h"
#include "TfrmrelatorioMensal.h"

#include <QAction>

namespace corvel::ui {

void TfrmPrincipal::ligarPreProcessamento() {
    QAction* pre = acao(QStringLiteral("PreProcessamento1"));
    pre->setEnabled(true);
    ligar(pre, &TfrmPrincipal::PreProcessamento);
    QAction* info = acao(QStringLiteral("Informacoes1"));
    info->setEnabled(true);
    ligar(info, &TfrmPrincipal::Informacoes1Click);
}

void TfrmPrincipal::PreProcessamento() {
    if (!bancada_.podeAnalisar()) {
        dialogos_.mensagem(Gravidade::Erro,
                           QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                               QStringLiteral(" ou o número de registros é insuficiente."));
        return;
    }
    bool falhou = false;
    try {
        TfrmrelatorioMensal janela(bancada_, dialogos_, this);
        dialogos_.executar(janela);
    } catch (...) {
        falhou = true;
    }
    // Whatever happened, the months as they now stand go to the project file.
    salvar();
    if (falhou)
        dialogos_.mensagem(
            Gravidade::Erro,
            QStringLiteral("Erro no pré-processamento. Este arquivo pode estar sendo "
                           "usado por outro processo ou é \"somente leitura\"."));
}

void TfrmPrincipal::Informacoes1Click() {
    if (bancada_.arquivoProjeto.isEmpty()) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Abra uma base de dados."));
        return;
    }
    QStringList texto;
    {
        // Its year listing fills the report; the window itself is never shown.
        TfrmrelatorioMensal preProcessamento(bancada_, dialogos_, this);
        texto = preProcessamento.informacao();
    }
    TfrmInformacao janela(texto, this);
    dialogos_.executar(janela);
}

} // namespace corvel::ui
