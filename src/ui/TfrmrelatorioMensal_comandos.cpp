// Pre-processing window: the rules, the start-month change, the report and the busy state.
#include "TfrmInformacao.h"
#include "TfrmrelatorioMensal.h"
#include "cursorocupado.h"
#include "modelospreprocessamento.h"
#include "preprocess/preprocessamento.h"
#include "preprocess/regras.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

namespace corvel::ui {

namespace {
const char* const kAcoesBloqueadas[] = {"Serieoriginal1", "Descartaranoscomfalhas1",
                                        "Descartarmesescomfalhas1", "Informacoes1"};
} // namespace

// ---- lists and the rule in force

void TfrmrelatorioMensal::listarAnos() {
    modeloAnos_->definirMarcavel(false);
    const Informacoes i = informacoes(bancada_);
    listagem_ = i.listagem;
    for (int ano : listagem_.anosComErro)
        dialogos_.mensagem(Gravidade::Erro,
                           QStringLiteral("Erro ao listar ano.") + QString::number(ano));
    modeloAnos_->definir(listagem_.anos);
    modeloMeses_->recarregar();
    informacao_ = i.texto;
    mostrarRegraVigente(i.regra);
    modeloAnos_->definirMarcavel(true);
}

void TfrmrelatorioMensal::atualizarAnos() {
    listagem_ = corvel::listarAnos(bancada_.serie, bancada_.inicioAnoHidrologico);
    modeloAnos_->definir(listagem_.anos);
}

void TfrmrelatorioMensal::mostrarRegraVigente(const RegraVigente& regra) {
    label3_->setText(regra.textoRegra);
    if (regra.ajustaEscolha) definirEscolha(regra.escolha);
    if (regra.ajustaPercentual) cbxPorcentagem_->setCurrentIndex(regra.percentual);
}

void TfrmrelatorioMensal::definirEscolha(EscolhaDescarte e) {
    if (e == EscolhaDescarte::Nenhuma) {
        escolhas_->setExclusive(false);
        rbMensal_->setChecked(false);
        rbAnual_->setChecked(false);
        escolhas_->setExclusive(true);
        return;
    }
    (e == EscolhaDescarte::Mensal ? rbMensal_ : rbAnual_)->setChecked(true);
}

EscolhaDescarte TfrmrelatorioMensal::escolha() const {
    if (rbMensal_->isChecked()) return EscolhaDescarte::Mensal;
    return rbAnual_->isChecked() ? EscolhaDescarte::Anual : EscolhaDescarte::Nenhuma;
}

// ---- busy state

void TfrmrelatorioMensal::habilitarControles(bool habilitados) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{cbxInicioAno_, cbxPorcentagem_, rbMensal_, rbAnual_})
        w->setEnabled(habilitados);
    for (const char* nome : kAcoesBloqueadas)
        acao(QString::fromLatin1(nome))->setEnabled(habilitados);
}

void TfrmrelatorioMensal::ocupar() {
    ocupada_ = true;
    habilitarControles(false);
    grdMensal_->setUpdatesEnabled(false);
    pilha_->setCurrentWidget(paginaProcessando_);
    progresso_->show();
    progresso_->setRange(0, 100);
    progresso_->setValue(0);
}

void TfrmrelatorioMensal::desocupar() {
    // The month list comes back on the month that was current.
    const QDate atual = modeloMeses_->mesDa(grdMensal_->currentIndex().row());
    modeloMeses_->recarregar();
    if (const int linha = modeloMeses_->linhaDe(atual); linha >= 0)
        grdMensal_->setCurrentIndex(modeloMeses_->index(linha, 0));
    grdMensal_->setUpdatesEnabled(true);
    habilitarControles(true);
    if (escolha() == EscolhaDescarte::Nenhuma) rbAnual_->setChecked(true);
    abas_->setCurrentWidget(rbMensal_->isChecked() ? grdMensal_ : grdAnual_);
    pilha_->setCurrentWidget(abas_);
    progresso_->hide();
    ocupada_ = false;
}

void TfrmrelatorioMensal::executarOcupada(const std::function<void(const Andamento&)>& regra) {
    std::optional<Erro> falha;
    ocupar();
    {
        CursorOcupado cursor;
        try {
            regra([this](qsizetype feitos, qsizetype total) {
                progresso_->setValue(
                    static_cast<int>(feitos * 100 / std::max<qsizetype>(total, 1)));
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        } catch (const Erro& e) {
            falha = e;
        }
    }
    desocupar();
    if (falha) dialogos_.mostrar(*falha);
}

// ---- commands

void TfrmrelatorioMensal::aplicar(const Regra& regra) {
    executarOcupada([this, regra](const Andamento& andamento) {
        aplicarRegra(bancada_, regra, andamento);
        if (regra.tipo == Regra::SerieOriginal) {
            listarAnos();
            return;
        }
        atualizarAnos();
        mostrarRegraVigente(atualizarNota(bancada_));
    });
}

void TfrmrelatorioMensal::Serieoriginal1Click() {
    aplicar({Regra::SerieOriginal});
}

void TfrmrelatorioMensal::Descartaranoscomfalhas1Click() {
    aplicar({Regra::AnosComFalhas});
}

void TfrmrelatorioMensal::Descartarmesescomfalhas1Click() {
    aplicar({Regra::MesesComFalhas});
}

void TfrmrelatorioMensal::cbxPorcentagemSelect(int indice) {
    if (indice <= 0) return;
    const EscolhaDescarte e = escolha();
    if (e == EscolhaDescarte::Nenhuma) {
        dialogos_.mensagem(Gravidade::Aviso,
                           QStringLiteral("Escolha se o critério deve ser anual ou mensal."));
        const Informacoes i = informacoes(bancada_);
        informacao_ = i.texto;
        mostrarRegraVigente(i.regra);
        return;
    }
    aplicar(
        {e == EscolhaDescarte::Mensal ? Regra::PercentualMensal : Regra::PercentualAnual, indice});
}

void TfrmrelatorioMensal::cbxInicioAnoSelect(int indice) {
    const int mes = indice + 1;
    if (mes == bancada_.inicioAnoHidrologico) return;
    const QString pergunta =
        QStringLiteral(
            "Esse processo muda o início do ano hidrológico,  restaura todos os meses da "
            "série que tenha sido descartados anteriormente,  descarta os meses "
            "anteriores ao primeiro mês do primeiro ano hidrológico e os meses "
            "posteriores ao último mês do último ano hidrológico.") +
        kQuebraLinha + QStringLiteral("Deseja continuar?");
    if (!dialogos_.pergunta(pergunta)) {
        mostrarInicioAno();
        return;
    }
    executarOcupada([this, mes](const Andamento& andamento) {
        mudarInicioAnoHidrologico(bancada_, mes, andamento);
        listarAnos();
    });
}

void TfrmrelatorioMensal::Informacoes1Click() {
    listarAnos();
    TfrmInformacao janela(informacao_, this);
    dialogos_.executar(janela);
}

void TfrmrelatorioMensal::anoMarcado(int ano, bool descartar) {
    if (descartar)
        descartarAno(bancada_.serie, ano, bancada_.inicioAnoHidrologico);
    else
        restaurarAno(bancada_.serie, ano, bancada_.inicioAnoHidrologico);
    // The month list stays on the month the user was on.
    modeloMeses_->situacoesMudaram();
    atualizarAnos();
}

} // namespace corvel::ui
