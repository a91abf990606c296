// Commands of the availability diagram: new diagram, adding stations (the folder read off the
// window's thread), deleting a row, saving, opening and the spreadsheet export.
#include "TfrmDefinePeriodoDiagramaDeBarras.h"
#include "TfrmVisaoGeralEstacoes.h"

#include "cursorocupado.h"
#include "modelodiagrama.h"
#include "saidas.h"
#include "servicodialogos.h"

#include "availability/textosdiagrama.h"
#include "exchange/exportaexcel2.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QTableView>
#include <exception>
#include <thread>

namespace corvel::ui {

namespace {

FiltroArquivo filtroDiagrama(const QString& titulo) {
    return {titulo, filtroQt(QString::fromUtf8(kFiltroDiagrama)), QStringLiteral("dgv")};
}

} // namespace

void TfrmVisaoGeralEstacoes::NovoDiagrama() {
    if (ocupada_) return;
    if (criarDiagrama()) adicionarArquivos();
}

bool TfrmVisaoGeralEstacoes::criarDiagrama() {
    if (diagrama_ && !dialogos_.pergunta(QString::fromUtf8(kPerguntaNovoDiagrama), true))
        return false;
    TfrmDefinePeriodoDiagramaDeBarras periodo(
        dialogos_, diagrama_ ? std::optional(diagrama_->periodo) : std::nullopt, this);
    if (dialogos_.executar(periodo) != QDialog::Accepted || !periodo.periodo()) return false;
    diagrama_ = novoDiagrama(*periodo.periodo());
    mostrarDiagrama();
    return true;
}

void TfrmVisaoGeralEstacoes::AdicionarEstacao() {
    if (ocupada_) return;
    if (!diagrama_ && !criarDiagrama()) return;
    adicionarArquivos();
}

void TfrmVisaoGeralEstacoes::adicionarArquivos() {
    const auto escolhido = dialogos_.abrirArquivo(
        {QStringLiteral("Adicionar estação"), filtroQt(QString::fromUtf8(kFiltroProjetosDiagrama)),
         QStringLiteral("cvl")});
    if (!escolhido) return;
    const QStringList arquivos = arquivosParaAdicionar(
        *escolhido, [this](const QString& pergunta) { return dialogos_.pergunta(pergunta); });
    const ResultadoAdicao r = lerProjetos(arquivos);
    if (const auto m = r.mensagem()) dialogos_.mensagem(m->gravidade, m->texto);
}

ResultadoAdicao TfrmVisaoGeralEstacoes::lerProjetos(const QStringList& arquivos) {
    ocupada_ = true;
    habilitar(false);
    progresso_->setRange(0, static_cast<int>(arquivos.size()));
    progresso_->setValue(0);
    progresso_->show();
    CursorOcupado ocupado;

    // The reading works on a copy: the grid keeps showing the diagram as it was until the rows
    // come back, all at once and in the order of the files.
    Diagrama copia = *diagrama_;
    ResultadoAdicao resultado;
    std::exception_ptr falha;
    QEventLoop espera;
    std::thread leitura([&] {
        try {
            resultado = adicionarProjetos(copia, arquivos, [this](qsizetype feitos, qsizetype) {
                QMetaObject::invokeMethod(
                    progresso_, [this, feitos] { progresso_->setValue(static_cast<int>(feitos)); },
                    Qt::QueuedConnection);
            });
        } catch (...) {
            falha = std::current_exception();
        }
        QMetaObject::invokeMethod(&espera, &QEventLoop::quit, Qt::QueuedConnection);
    });
    espera.exec();
    leitura.join();

    if (!falha) *diagrama_ = std::move(copia);
    modelo_->recarregar();
    progresso_->hide();
    ocupada_ = false;
    habilitar(true);
    grdDiagrama_->setFocus();
    if (falha) std::rethrow_exception(falha);
    return resultado;
}

void TfrmVisaoGeralEstacoes::Excluirestacao1Click() {
    if (!diagrama_) return;
    const QModelIndex atual = grdDiagrama_->currentIndex();
    if (!atual.isValid()) return;
    if (!dialogos_.pergunta(QString::fromUtf8(kPerguntaExcluirEstacao))) return;
    diagrama_->excluir(atual.row());
    modelo_->recarregar();
    // The cursor stays on the row that took the deleted one's place.
    const int linhas = modelo_->rowCount();
    if (linhas > 0)
        grdDiagrama_->setCurrentIndex(
            modelo_->index(std::min(atual.row(), linhas - 1), atual.column()));
}

void TfrmVisaoGeralEstacoes::Salvar1Click() {
    if (!diagrama_) return;
    const auto arquivo = dialogos_.salvarArquivo(filtroDiagrama(QStringLiteral("Salvar projeto")));
    if (!arquivo) return;
    CursorOcupado ocupado;
    gravarDiagrama(ajustarExtensaoDiagrama(*arquivo), *diagrama_);
}

void TfrmVisaoGeralEstacoes::AbrirDiagrama() {
    const auto arquivo = dialogos_.abrirArquivo(filtroDiagrama(QStringLiteral("Abrir projeto")));
    if (!arquivo) return;
    // A file that is not a diagram costs a message; the diagram on screen stays, unsaved rows
    // included.
    Diagrama lido = [&] {
        CursorOcupado ocupado;
        return lerDiagrama(*arquivo);
    }();
    diagrama_ = std::move(lido);
    mostrarDiagrama();
}

void TfrmVisaoGeralEstacoes::XLS1Click() {
    if (!diagrama_) {
        dialogos_.mensagem(Gravidade::Aviso, QString::fromUtf8(kMsgSemConteudoExportar));
        return;
    }
    const QString titulo = QString::fromUtf8(kTituloPlanilhaDiagrama);
    const TabelaExibida tabela = tabelaExibidaDiagrama(*diagrama_);
    exportarPlanilha(dialogos_, titulo, [&](const QString& caminho) {
        TExportaExcel_2::escrever(caminho, tabela, titulo);
    });
}

} // namespace corvel::ui
