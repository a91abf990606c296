// Main window command that opens the agency's web service ("Webservice"): the station it downloads
// becomes the open project, shown in the grid; a download that fails leaves no project open.
#include "TfrmPorCentagemDownloadEstacoes.h"
#include "TfrmPrincipal.h"
#include "TfrmWebservice.h"

#include <QAction>

namespace corvel::ui {

void TfrmPrincipal::ligarServico() {
    QAction* servico = acao(QStringLiteral("WebService1"));
    servico->setEnabled(true); // the toolbar's "Importar" follows the action
    ligar(servico, [this] {
        TfrmWebservice janela(bancada_, dialogos_, this, dadosBrutosPedidos());
        // The window saves each station it downloads (or closes the project) while it is open,
        // so the header, the grid and the caption follow it at once, also behind a progress
        // window.
        connect(&janela, &TfrmWebservice::serieAlterada, this,
                [this] { atualizarCabecalho(bancada_.serie.ativa()); });
        janela.exibir();
    });
}

} // namespace corvel::ui
