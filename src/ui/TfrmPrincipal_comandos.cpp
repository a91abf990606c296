// Main window commands: project open, save, save as and close; analysis windows with the reload
// of the series; toolbar modes; technician prompt; About.
#include "TfrmAbout.h"
#include "TfrmPrincipal.h"
#include "cursorocupado.h"
#include "modeloserie.h"
#include "saidas.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QToolBar>

namespace corvel::ui {

namespace {
FiltroArquivo filtroProjeto(const QString& titulo, const QString& proposto = {}) {
    return {titulo, QString::fromUtf8(kFiltroProjeto) + QStringLiteral(";;Todos os arquivos (*)"),
            QStringLiteral("cvl"), proposto};
}
} // namespace

void TfrmPrincipal::Abrir1Click() {
    const auto arquivo = dialogos_.abrirArquivo(filtroProjeto(QStringLiteral("Abrir projeto")));
    if (!arquivo) return;
    abrirProjeto(*arquivo);
}

void TfrmPrincipal::abrirProjeto(const QString& caminho) {
    CursorOcupado ocupado;
    pnlCabecalho_->hide();
    try {
        bancada_.abrirProjeto(caminho);
    } catch (const Erro& e) {
        ocupado.liberar();
        atualizarCabecalho(false);
        dialogos_.mostrar(e);
        return;
    }
    atualizarCabecalho(true);
}

bool TfrmPrincipal::salvarComo() {
    return gravarComo() == Gravacao::Feita;
}

TfrmPrincipal::Gravacao TfrmPrincipal::gravarComo() {
    try {
        const bool salvo = bancada_.salvarComo(
            [this](const QString& proposta) {
                return dialogos_.salvarArquivo(
                    filtroProjeto(QStringLiteral("Salvar projeto"), proposta));
            },
            [this](const QString& pergunta) { return dialogos_.pergunta(pergunta, true); });
        atualizarCabecalho(bancada_.serie.ativa());
        return salvo ? Gravacao::Feita : Gravacao::Cancelada;
    } catch (const Erro& e) {
        atualizarCabecalho(bancada_.serie.ativa());
        dialogos_.mostrar(e);
        return Gravacao::Falhou;
    }
}

bool TfrmPrincipal::salvar() {
    return salvarProjeto() == Gravacao::Feita;
}

TfrmPrincipal::Gravacao TfrmPrincipal::salvarProjeto() {
    try {
        CursorOcupado ocupado;
        if (bancada_.salvar() == Bancada::Salvamento::PrecisaNome) {
            ocupado.liberar();
            return gravarComo();
        }
    } catch (const Erro& e) {
        atualizarCabecalho(bancada_.serie.ativa());
        dialogos_.mostrar(e);
        return Gravacao::Falhou;
    }
    atualizarCabecalho(true);
    return Gravacao::Feita;
}

void TfrmPrincipal::Salvar1Click() {
    salvar();
}

void TfrmPrincipal::Salvarcomo1Click() {
    salvarComo();
}

void TfrmPrincipal::fechar() {
    bancada_.fechar();
    definirStatus(QStringLiteral("Tecle F1 para obter ajuda"),
                  QStringLiteral("Tecle CTRL + D para ler a documentação técnica"));
    atualizarCabecalho(false);
}

void TfrmPrincipal::Fecharprojeto1Click() {
    fechar();
}

void TfrmPrincipal::registrarAnalise(const QString& nomeAcao, FabricaJanela fabrica) {
    QAction* a = acao(nomeAcao);
    Q_ASSERT(a);
    a->setEnabled(true);
    disconnect(a, &QAction::triggered, this,
               nullptr); // a window plugged in again replaces the former
    ligar(a, [this, f = std::move(fabrica)] { abrirAnalise(f); });
}

void TfrmPrincipal::abrirAnalise(const FabricaJanela& fabrica) {
    if (!bancada_.podeAnalisar()) {
        dialogos_.mensagem(Gravidade::Erro,
                           QStringLiteral("Nenhuma base de dados aberta") + kQuebraLinha +
                               QStringLiteral(" ou o número de registros é insuficiente."));
        return;
    }
    {
        std::unique_ptr<QDialog> janela = fabrica(*this);
        dialogos_.executar(*janela);
    }
    // Whatever the window changed in memory is dropped; what it saved in the file is kept.
    try {
        CursorOcupado ocupado;
        bancada_.recarregar();
    } catch (const Erro& e) {
        atualizarCabecalho(false);
        dialogos_.mostrar(e);
        return;
    }
    atualizarCabecalho(bancada_.serie.ativa());
}

void TfrmPrincipal::BotoescomLegenda1Click() {
    comLegenda_ = !comLegenda_;
    acao(QStringLiteral("BotoescomLegenda1"))->setChecked(comLegenda_);
    aplicarModoBarra();
}

void TfrmPrincipal::Barradeferramentas1Click() {
    barra_->setVisible(!barra_->isVisible());
    acao(QStringLiteral("Barradeferramentas1"))->setChecked(barra_->isVisible());
}

void TfrmPrincipal::cnicoresponsvel1Click() {
    pedirTecnico(bancada_, dialogos_);
}

void TfrmPrincipal::Sobre1Click() {
    TfrmAbout sobre(this);
    connect(&sobre, &TfrmAbout::versaoClicada, this,
            [this] { acao(QStringLiteral("SaoPaulo1"))->setVisible(true); });
    dialogos_.executar(sobre);
}

} // namespace corvel::ui
