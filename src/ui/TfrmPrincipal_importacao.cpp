// Main window commands that bring a station in or write the series out: the agency text and
// Access imports, the São Paulo text import, and the export of the series to the program's own
// CSV, space-separated and spreadsheet files.
#include "TfrmEscolhaEstacao.h"
#include "TfrmExibeArquivo.h"
#include "TfrmPrincipal.h"
#include "cursorocupado.h"
#include "saidas.h"

#include "core/projeto.h"
#include "core/tabelaserie.h"
#include "exchange/exportacaotexto.h"
#include "exchange/exportaexcel.h"
#include "exchange/importacaoaccess.h"
#include "exchange/importacaoagencia.h"
#include "exchange/importacaodiaria.h"
#include "exchange/importacaosp.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace corvel::ui {

void TfrmPrincipal::mostrarProgresso(int maximo) {
    progresso_->setRange(0, maximo);
    progresso_->setValue(0);
    progresso_->show();
}

void TfrmPrincipal::esconderProgresso() {
    progresso_->setValue(0);
    progresso_->hide();
}

void TfrmPrincipal::ligarImportacoes() {
    QAction* mdb = acao(QStringLiteral("MDB1"));
    mdb->setEnabled(true);
    ligar(mdb, &TfrmPrincipal::BDVidara2Click);
    QAction* sp = acao(QStringLiteral("SaoPaulo1"));
    sp->setEnabled(true);
    ligar(sp, &TfrmPrincipal::txtArquivotextoseparadoporespaoEstadodeSPaulo1Click);
}

DadosBrutos TfrmPrincipal::dadosBrutosPedidos() const {
    return acao(QStringLiteral("CompletarBrutos1"))->isChecked() ? DadosBrutos::CompletarSerie
                                                                 : DadosBrutos::SoSemConsistidos;
}

std::optional<ResultadoImportacao>
TfrmPrincipal::lerImportacao(const std::function<ResultadoImportacao(const Progresso&)>& ler) {
    try {
        CursorOcupado ocupado;
        mostrarProgresso(1000);
        return ler([this](qint64 passo) {
            // One step a line or row, wrapping from 1000 to 0.
            progresso_->setValue(static_cast<int>(passo % 1001));
            if (passo % 128 == 0) QCoreApplication::processEvents();
        });
    } catch (const Erro&) {
        mostrarFalhaImportacao();
    }
    return std::nullopt;
}

void TfrmPrincipal::mostrarFalhaImportacao() {
    esconderProgresso();
    pnlCabecalho_->hide();
    try {
        throw;
    } catch (const ErroImportacao& e) {
        dialogos_.mostrar(e);
        TfrmExibeArquivo exibe(e.arquivo(), this);
        dialogos_.executar(exibe);
    } catch (const ErroBancoAccess& e) {
        // The message of the workbench, and what the reader found.
        dialogos_.mensagem(e.gravidade(), e.mensagem() + kQuebraLinha + QStringLiteral("Causa: ") +
                                              e.causa() + u'.');
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
    }
    fechar();
}

void TfrmPrincipal::concluirImportacao(ResultadoImportacao lido, const QString& nivelLido,
                                       bool avisarCancelamento) {
    {
        CursorOcupado ocupado;
        status1_->setText(QStringLiteral("Marcando meses como não descartados..."));
        bancada_.assumirImportacao(std::move(lido.serie), lido.nivelConsistencia);
        progresso_->setValue(750);
        progresso_->setValue(900);
        progresso_->setValue(1000);
        esconderProgresso();
    }
    const Gravacao gravacao = salvarProjeto();
    if (gravacao != Gravacao::Feita || bancada_.arquivoProjeto.isEmpty()) {
        // Only a saved import stays open.
        fechar();
        if (gravacao == Gravacao::Cancelada && avisarCancelamento)
            dialogos_.mensagem(Gravidade::Informacao, QString::fromUtf8(kMsgOperacaoCancelada));
        return;
    }
    bancada_.mesesDescartados = false;
    atualizarCabecalho(true);
    QStringList status;
    if (!nivelLido.isEmpty()) status << nivelLido;
    if (lido.duplicadosDescartados > 0)
        status << (lido.duplicadosDescartados == 1
                       ? QStringLiteral(
                             "1 mês duplicado foi descartado (ficou o último registro do mês no "
                             "arquivo).")
                       : QStringLiteral(
                             "%1 meses duplicados foram descartados (ficou o último registro "
                             "de cada mês no arquivo).")
                             .arg(lido.duplicadosDescartados));
    if (const QString brutos = textoMesesBrutos(lido.avisos); !brutos.isEmpty()) status << brutos;
    if (!status.isEmpty())
        statusBar()->showMessage(QStringLiteral("Importação concluída: ") + status.join(u' '),
                                 30000);
    if (const QStringList avisos = textoAvisosImportacao(lido.avisos); !avisos.isEmpty())
        dialogos_.mensagem(Gravidade::Aviso, avisos.join(kQuebraLinha));
}

void TfrmPrincipal::ArquivotextodaVidara1Click() {
    bancada_.nivelConsistencia = 2;
    fechar();
    const auto arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Importar dados"),
         QStringLiteral(
             "Arquivos *.TXT e *.CSV da Vidara (*.txt *.TXT *.csv *.CSV);;Todos os arquivos (*)"),
         QStringLiteral("TXT")});
    if (!arquivo) return;
    const DadosBrutos brutos = dadosBrutosPedidos();
    auto lido = lerImportacao([&](const Progresso& progresso) {
        return importarArquivoAgencia(*arquivo, bancada_.inicioAnoHidrologico, brutos, progresso);
    });
    if (lido) concluirImportacao(std::move(*lido), {}, false);
}

void TfrmPrincipal::BDVidara2Click() {
    bancada_.nivelConsistencia = 2;
    fechar();
    const auto arquivo = dialogos_.abrirArquivo(
        {QString::fromUtf8(kTituloImportarDados),
         QString::fromUtf8(kFiltroBancoAccess) + QStringLiteral(";;Todos os arquivos (*)"),
         QString::fromUtf8(kExtensaoBancoAccess),
         {},
         pastaBancoAccess_});
    if (!arquivo) return;
    // The database stays open from its check through the station choice to the import.
    std::optional<BancoVazoes> banco;
    try {
        CursorOcupado ocupado;
        banco.emplace(*arquivo);
    } catch (const Erro&) {
        mostrarFalhaImportacao();
        return;
    }
    pastaBancoAccess_ = QFileInfo(*arquivo).absolutePath();
    qint32 codigo = banco->codigos().front();
    if (banco->precisaEscolher()) {
        TfrmEscolhaEstacao escolha(banco->codigos(), this);
        dialogos_.executar(escolha);
        const EscolhaEstacao e =
            escolherEstacao(banco->codigos(), escolha.resposta(), escolha.escolhida());
        if (!e.informacao.isEmpty()) dialogos_.mensagem(Gravidade::Informacao, e.informacao);
        codigo = e.codigo;
    }
    const DadosBrutos brutos = dadosBrutosPedidos();
    auto lido = lerImportacao([&](const Progresso& progresso) {
        return banco->importarEstacao(codigo, brutos, progresso);
    });
    if (!lido) return;
    const QString nivel = textoNivelImportado(lido->nivelConsistencia);
    concluirImportacao(std::move(*lido), nivel, true);
}

void TfrmPrincipal::txtArquivotextoseparadoporespaoEstadodeSPaulo1Click() {
    bancada_.nivelConsistencia = 2;
    fechar();
    const auto arquivo = dialogos_.abrirArquivo({QStringLiteral("Importar dados"),
                                                 QStringLiteral("Arquivos *.TXT (*.TXT *.txt)"),
                                                 QStringLiteral("TXT")});
    if (!arquivo) return;
    auto lido = lerImportacao(
        [&](const Progresso& progresso) { return importarArquivoSaoPaulo(*arquivo, progresso); });
    if (lido) concluirImportacao(std::move(*lido), {}, false);
}

void TfrmPrincipal::SerieDiaria1Click() {
    bancada_.nivelConsistencia = 2;
    fechar();
    const auto arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Importar dados"),
         QStringLiteral("Séries diárias (*.csv *.CSV *.txt *.TXT *.tsv *.TSV);;Todos os arquivos (*)"),
         QStringLiteral("csv")});
    if (!arquivo) return;
    // The file names no station: the code is asked, as many times as it takes.
    std::optional<qint32> codigo;
    while (!codigo) {
        const auto texto = dialogos_.entrada(QStringLiteral("Código da estação"),
                                             QStringLiteral("Digite o código da estação:"),
                                             QFileInfo(*arquivo).completeBaseName());
        if (!texto) return;
        bool ok = false;
        const qint32 c = texto->trimmed().toInt(&ok);
        if (ok && c > 0)
            codigo = c;
        else
            dialogos_.mensagem(Gravidade::Aviso,
                               QStringLiteral("Código de estação inválido: '%1'. Digite um número "
                                              "inteiro positivo.")
                                   .arg(*texto));
    }
    auto lido = lerImportacao([&](const Progresso&) { return importarSerieDiaria(*arquivo, *codigo); });
    if (lido) concluirImportacao(std::move(*lido), {}, false);
}

void TfrmPrincipal::exportarTexto(bool csv) {
    const FormatoTexto formato = csv ? FormatoTexto::Csv : FormatoTexto::Txt;
    if (!bancada_.serie.ativa()) {
        dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgSemDadosExportar));
        return;
    }
    const FiltroArquivo filtro =
        csv ? FiltroArquivo{QStringLiteral("Exportando arquivo"),
                            QStringLiteral(
                                "Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"),
                            QStringLiteral("CSV")}
            : FiltroArquivo{
                  QStringLiteral("Exportando arquivo"),
                  QStringLiteral("Arquivos (*.TXT Separado por \"espaço\") (*.TXT *.txt)"),
                  QStringLiteral("TXT")};
    const auto arquivo = pedirArquivoParaGravar(dialogos_, filtro);
    if (!arquivo) return;
    CursorOcupado ocupado;
    mostrarProgresso(static_cast<int>(bancada_.serie.tamanho()));
    try {
        corvel::exportarTexto(bancada_.serie, *arquivo, formato, [this](qint64 registro) {
            progresso_->setValue(static_cast<int>(registro));
        });
    } catch (const Erro& e) {
        ocupado.liberar();
        esconderProgresso();
        dialogos_.mostrar(e);
        return;
    }
    esconderProgresso();
}

void TfrmPrincipal::XLS1Click() {
    if (!bancada_.serie.ativa()) {
        dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgSemDadosExportar));
        return;
    }
    const QString titulo = bancada_.serie.vazia()
                               ? QStringLiteral("0")
                               : QString::number(bancada_.serie[0].estacaoCodigo);
    exportarPlanilha(dialogos_, titulo, [this, &titulo](const QString& caminho) {
        mostrarProgresso(100);
        struct Esconder {
            TfrmPrincipal* j;
            ~Esconder() { j->esconderProgresso(); }
        } esconder{this};
        TExportaExcel::escrever(
            caminho,
            tabelaDaSerie(bancada_.serie,
                          {QString(), true, bancada_.situacaoVisivel, bancada_.mesesDescartados}),
            titulo, [this](qint64 passo) { progresso_->setValue(static_cast<int>(passo)); });
    });
}

void TfrmPrincipal::csv1Click() {
    exportarTexto(true);
}

void TfrmPrincipal::XTSeparadoporTAB1Click() {
    exportarTexto(false);
}

} // namespace corvel::ui
