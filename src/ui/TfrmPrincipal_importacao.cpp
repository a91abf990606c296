// Main window commands that read or write text files: the agency text import and the export of
// the series to the program's own CSV and space-separated files.
#include "TfrmExibeArquivo.h"
#include "TfrmPrincipal.h"
#include "cursorocupado.h"
#include "saidas.h"

#include "core/projeto.h"
#include "core/tabelaserie.h"
#include "exchange/exportacaotexto.h"
#include "exchange/importacaoagencia.h"
#include "exchange/exportaexcel.h"

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

void TfrmPrincipal::ArquivotextodaVidara1Click() {
    bancada_.nivelConsistencia = 2;
    fechar();
    const auto arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Importar dados"),
         QStringLiteral(
             "Arquivos *.TXT e *.CSV da Vidara (*.txt *.TXT *.csv *.CSV);;Todos os arquivos (*)"),
         QStringLiteral("TXT")});
    if (!arquivo) return;

    ResultadoImportacao lido;
    {
        CursorOcupado ocupado;
        mostrarProgresso(1000);
        try {
            const DadosBrutos brutos = acao(QStringLiteral("CompletarBrutos1"))->isChecked()
                                           ? DadosBrutos::CompletarSerie
                                           : DadosBrutos::SoSemConsistidos;
            lido = importarArquivoAgencia(*arquivo, bancada_.inicioAnoHidrologico, brutos,
                                          [this](qint64 linha) {
                                              // One step a line, wrapping from 1000 to 0.
                                              progresso_->setValue(static_cast<int>(linha % 1001));
                                              if (linha % 128 == 0)
                                                  QCoreApplication::processEvents();
                                          });
        } catch (const ErroImportacao& e) {
            ocupado.liberar();
            esconderProgresso();
            pnlCabecalho_->hide();
            dialogos_.mostrar(e);
            TfrmExibeArquivo exibe(e.arquivo(), this);
            dialogos_.executar(exibe);
            fechar();
            return;
        } catch (const Erro& e) {
            ocupado.liberar();
            esconderProgresso();
            dialogos_.mostrar(e);
            fechar();
            return;
        }
        status1_->setText(QStringLiteral("Marcando meses como não descartados..."));
        bancada_.assumirImportacao(std::move(lido.serie), lido.nivelConsistencia);
        progresso_->setValue(750);
        progresso_->setValue(900);
        progresso_->setValue(1000);
        esconderProgresso();
    }
    const bool salvo = salvar();
    if (!salvo || bancada_.arquivoProjeto.isEmpty()) {
        // A cancelled save leaves no project open.
        fechar();
        return;
    }
    bancada_.mesesDescartados = false;
    atualizarCabecalho(true);
    QStringList status;
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
