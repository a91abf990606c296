// Gap-filling window commands of the "Preenchimento" menu: the first order (with the undo of the
// previous filling and the choice of the base), the second and third orders, and the filling from
// the station ticked in the choice window.
#include "TForm1.h"
#include "TfrmListaEstacoesPreenchimento.h"
#include "TfrmPreencher.h"

#include "cursorocupado.h"
#include "servicodialogos.h"

#include <QTabWidget>

namespace corvel::ui {

void TfrmPreencher::Novopreenchimento1Click() {
    if (!projeto_.aberto()) return;
    TfrmListaEstacoesPreenchimento lista(titulosEstacoes(), this);
    if (dialogos_.executar(lista) != QDialog::Accepted) return;
    const std::optional<int> k = lista.escolhida();
    if (!k) return;
    if (pedeAvisoNovoPreenchimento(projeto_, *k) &&
        !dialogos_.confirmar(textoAvisoNovoPreenchimento()))
        return;
    {
        CursorOcupado ocupado;
        estatisticas_ = iniciarNovoPreenchimento(projeto_, *k, opcoes_);
        estatisticasCriadas_ = true;
    }
    menu_.primeiraOrdem();
    atualizarMenus();
    mostrarProjeto();
    mostrarEstatisticas();
    mostrarLegenda(true);
    abas_->setTabVisible(abaEstatisticas_, true);
    abas_->setTabVisible(abaValidacao_, true);
    escolherEstacao(true);
}

void TfrmPreencher::Preenchimentode2ordem1Click() {
    if (!projeto_.aberto()) return;
    menu_.segundaOrdem();
    atualizarMenus();
    escolherEstacao(false);
}

void TfrmPreencher::Preenchimentode3ordem1Click() {
    if (!projeto_.aberto()) return;
    menu_.terceiraOrdem();
    atualizarMenus();
    escolherEstacao(false);
}

void TfrmPreencher::escolherEstacao(bool primeiraOrdem) {
    std::vector<std::size_t> oferecidas = estacoesOferecidas(estatisticas_, primeiraOrdem);
    if (oferecidas.empty()) {
        const Mensagem m = mensagemSemEstacao(primeiraOrdem);
        dialogos_.mensagem(m.gravidade, m.texto);
        return;
    }
    TForm1 escolha(
        dialogos_, estatisticas_, std::move(oferecidas),
        [this](std::size_t estacao) { PreencheUmaEstacao(estacao); }, this);
    dialogos_.executar(escolha);
}

void TfrmPreencher::PreencheUmaEstacao(std::size_t estacao) {
    const ResultadoPreenchimento r = [&] {
        CursorOcupado ocupado;
        return corvel::PreencheUmaEstacao(projeto_, estatisticas_[estacao]);
    }();
    mostrarProjeto();
    mostrarEstatisticas();
    const Mensagem m = r.mensagem();
    dialogos_.mensagem(m.gravidade, m.texto);
    if (r.preenchidos > 0) mostrarLegenda(true);
}

} // namespace corvel::ui
