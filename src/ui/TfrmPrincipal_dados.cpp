// Main window commands of a series typed in by hand and of the hydrograph: "Criar arquivos de
// dados ", "Gerenciar dados " and "Hidrógrafa".
#include "TfrmDefinePeriodo.h"
#include "TfrmHidrografa.h"
#include "TfrmInsereDados.h"
#include "TfrmPrincipal.h"

#include <QAction>

namespace corvel::ui {

void TfrmPrincipal::ligarDados() {
    const auto gerenciar = [this] {
        if (bancada_.arquivoProjeto.isEmpty()) {
            dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Abra uma base de dados"));
            return;
        }
        {
            TfrmInsereDados janela(
                bancada_, dialogos_, textoCabecalho(), [this] { salvar(); }, this);
            dialogos_.executar(janela);
        }
        if (bancada_.serie.ativa())
            salvar();
        else
            atualizarCabecalho(false);
    };

    QAction* criar = acao(QStringLiteral("Criararquivosdedados1"));
    criar->setEnabled(true);
    ligar(criar, [this, gerenciar] {
        const bool modoAntes = bancada_.modoEntrada;
        bancada_.modoEntrada = true;
        {
            TfrmDefinePeriodo periodo(bancada_, dialogos_, this);
            dialogos_.executar(periodo);
        }
        if (bancada_.cancelaNovaSerie) {
            // Nothing was made: the main grid goes on without the data-entry check.
            bancada_.modoEntrada = modoAntes;
            return;
        }
        atualizarCabecalho(true);
        salvarComo();
        gerenciar();
        // Typing in ends with the data management window, or with its refusal when the new
        // series was left without a file.
        bancada_.modoEntrada = false;
    });

    QAction* gerenciarDados = acao(QStringLiteral("Gerenciardados1"));
    gerenciarDados->setEnabled(true);
    ligar(gerenciarDados, gerenciar);

    QAction* hidrografa = acao(QStringLiteral("Hidrografa1"));
    hidrografa->setEnabled(true);
    ligar(hidrografa, [this] {
        if (!bancada_.podeAnalisar()) {
            dialogos_.mensagem(Gravidade::Erro,
                               QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                                   QStringLiteral(" ou o número de registros é insuficiente."));
            return;
        }
        {
            TfrmHidrografa janela(bancada_, dialogos_, this);
            dialogos_.executar(janela);
        }
        // The window read the series as it is, unsaved edits included: nothing is reloaded.
        bancada_.serie.indice();
        atualizarCabecalho(true);
    });
}

} // namespace corvel::ui
