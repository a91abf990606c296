// Regularization window: the calculation behind its progress window, the evaporation step, the
// exports, the chart prints and saves, and the reports.
#include "TfrmBarraProgressoRegularizacao.h"
#include "TfrmCurva_Regularizacao.h"
#include "TfrmEvaporacao.h"

#include "graficos.h"
#include "graficosregularizacao.h"
#include "modelosregularizacao.h"
#include "saidas.h"

#include "core/bancada.h"
#include "exchange/exportaexcel.h"

#include <exception>

namespace corvel::ui {

namespace {
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};
} // namespace

void TfrmCurva_Regularizacao::btnCalcularClick() {
    if (ocupado_) return;
    // The work runs inside the progress window's event loop: a failure is carried out of it and
    // reported once the window has closed.
    std::exception_ptr falha;
    TfrmBarraProgressoRegularizacao progresso(dialogos_, this, [&](auto& janela) {
        try {
            CalcularRegularizacao(janela);
        } catch (...) {
            falha = std::current_exception();
        }
    });
    dialogos_.executar(progresso);
    progresso.concluir();
    if (falha) std::rethrow_exception(falha);
}

void TfrmCurva_Regularizacao::CalcularRegularizacao(TfrmBarraProgressoRegularizacao& progresso) {
    if (ocupado_) return;
    ocupado_ = true;
    habilitar(false);
    bool concluido = false;
    // Every way out gives the window back; one that did not end in results leaves only "Dados".
    struct Saida {
        TfrmCurva_Regularizacao& janela;
        const bool& concluido;
        ~Saida() {
            if (!concluido) {
                janela.esconderResultados();
                janela.resultado_.reset();
                janela.chtMassas_->limpar();
            }
            janela.ocupado_ = false;
            janela.habilitar(true);
        }
    } saida{*this, concluido};

    const bool considerar = dialogos_.pergunta(QStringLiteral("Deseja considerar a evaporação?"));
    esconderResultados();
    resultado_.reset();
    nivelExibido_.reset();
    chtMassas_->limpar();
    const AcompanhamentoRegularizacao acompanhar = [&progresso](EtapaRegularizacao e, int p) {
        return progresso.acompanhar(e, p);
    };

    progresso.mostrarEtapa(EtapaRegularizacao::CopiaDados);
    std::optional<Afluencia> afluencia = CopiaDados(qryVazao_, acompanhar);
    if (!afluencia) return;

    progresso.mostrarEtapa(EtapaRegularizacao::Evaporacao);
    double evaporacaoMedia = 0;
    TabelaEvaporacao evaporacao = etapaEvaporacao(considerar, &progresso, evaporacaoMedia);

    progresso.mostrarEtapa(EtapaRegularizacao::Balanco);
    const std::optional<VolumesReservatorio> volumes = balancoRegularizacao(*afluencia, acompanhar);
    if (!volumes) return;
    progresso.esconderBarra();

    ResultadoRegularizacao r;
    r.afluencia = std::move(*afluencia);
    r.comEvaporacao = considerar;
    r.area = bancada_.areaReservatorio;
    r.evaporacao = evaporacao;
    r.evaporacaoMedia = evaporacaoMedia;
    r.volumes = *volumes;
    resultado_ = std::move(r);
    inicioAnoCalculo_ = bancada_.inicioAnoHidrologico;
    periodoCalculo_ = periodoRegularizacao(qryVazao_);
    concluido = true;
    mostrarResultados();
}

TabelaEvaporacao TfrmCurva_Regularizacao::etapaEvaporacao(bool considerar, QWidget* pai,
                                                          double& media) {
    // Created either way: it prepares the file, and asks for the rates only when they count.
    TfrmEvaporacao janela(bancada_, dialogos_, pai);
    if (considerar) dialogos_.executar(janela);
    TabelaEvaporacao tabela = janela.tabela();
    media = calcularEvaporacao(tabela, bancada_.areaReservatorio, considerar);
    const QString pasta = pastaEvaporacao(bancada_);
    gravarEvaporacao(pasta, tabela);
    return lerEvaporacao(pasta);
}

void TfrmCurva_Regularizacao::PreProcessamento1Click() {
    if (ocupado_) return;
    preProcessar();
}

TabelaExibida TfrmCurva_Regularizacao::tabelaDados() const {
    return tabelaDadosRegularizacao(qryVazao_);
}

void TfrmCurva_Regularizacao::DadosCsv1Click() {
    exportarDadosCsv(kFiltroCsv);
}

void TfrmCurva_Regularizacao::DadosXls1Click() {
    exportarDadosXls();
}

void TfrmCurva_Regularizacao::CapacidadeCsv1Click() {
    if (!resultado_) return;
    const TabelaExibida t = tabelaCapacidade(*resultado_, nivelExibido_);
    exportarCsvResultado(dialogos_, kFiltroCsv, rotulos(t), textos(t));
}

void TfrmCurva_Regularizacao::CapacidadeXls1Click() {
    if (!resultado_) return;
    const TabelaExibida t = tabelaCapacidade(*resultado_, nivelExibido_);
    const QString titulo = QString::number(porcentagemNivel(nivelExibido_.value_or(nivel())));
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

void TfrmCurva_Regularizacao::VazaoRegularizadaCsv1Click() {
    if (!resultado_) return;
    exportarCsvResultado(dialogos_, kFiltroCsv, titulosVazaoRegularizada(),
                         linhasCsvVazaoRegularizada(*resultado_));
}

void TfrmCurva_Regularizacao::VazaoRegularizadaXls1Click() {
    if (!resultado_) return;
    const TabelaExibida t = planilhaVazaoRegularizada(*resultado_);
    const QString titulo = QString::fromUtf8(kTituloPlanilhaRegularizacao);
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

void TfrmCurva_Regularizacao::DiagramaMassasBmp1Click() {
    if (!resultado_) return;
    salvarGrafico(*chtMassas_, dialogos_, QStringLiteral("Diagrama de massas.bmp"));
}

void TfrmCurva_Regularizacao::ImprimirDiagramaMassas1Click() {
    if (!resultado_ || ocupado_) return;
    imprimirGrafico(*chtMassas_, dialogos_);
}

void TfrmCurva_Regularizacao::SalvarReservatorioClick() {
    if (!resultado_) return;
    salvarGrafico(*chtReservatorio_, dialogos_, QStringLiteral("Volume do reservatório.bmp"));
}

void TfrmCurva_Regularizacao::ImprimirReservatorioClick() {
    if (!resultado_ || ocupado_) return;
    imprimirGrafico(*chtReservatorio_, dialogos_);
}

relatorio::Relatorio TfrmCurva_Regularizacao::relatorioVazao() const {
    if (!resultado_) return {};
    return relatorioVazaoRegularizada(*resultado_, bancada_.tecnico, estacao(), inicioAnoCalculo_,
                                      periodoCalculo_);
}

relatorio::Relatorio TfrmCurva_Regularizacao::relatorioEvaporacao() const {
    if (!resultado_) return {};
    return relatorioEvaporacaoMensal(*resultado_, bancada_.tecnico);
}

void TfrmCurva_Regularizacao::ImprimirVazaoRegularizada1Click() {
    if (!resultado_ || ocupado_) return;
    imprimirRelatorio(this, dialogos_, bancada_, [this] { return relatorioVazao(); });
    if (resultado_->comEvaporacao &&
        dialogos_.pergunta(QStringLiteral("Deseja imprimir a Evaporação?")))
        imprimirRelatorio(this, dialogos_, bancada_, [this] { return relatorioEvaporacao(); });
}

} // namespace corvel::ui
