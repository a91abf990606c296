// Gap-filling window commands on the project: new project, adding and removing stations, saving,
// opening, the exports and the report.
#include "TfrmListaEstacoesExcluir.h"
#include "TfrmPeriodoPreenchimento.h"
#include "TfrmPreencher.h"

#include "cursorocupado.h"
#include "modelospreenchimento.h"
#include "saidas.h"
#include "servicodialogos.h"

#include "core/bancada.h"
#include "exchange/csvresultado.h"
#include "exchange/exportaexcel.h"
#include "filling/arquivopreenchimento.h"
#include "filling/tabelaspreenchimento.h"
#include "filling/textospreenchimento.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>
#include <cmath>

namespace corvel::ui {

void TfrmPreencher::Novoprojeto1Click() {
    arquivoProjeto_.clear();
    if (!dialogos_.pergunta(QString::fromUtf8(kPerguntaNovoProjeto))) return;
    if (dialogos_.executar(*periodo_) != QDialog::Accepted) return;
    CursorOcupado ocupado;
    abas_->setTabVisible(abaEstatisticas_, false);
    estatisticas_.clear();
    mostrarEstatisticas();
    projeto_ = novoProjetoPreenchimento(periodo_->periodo());
    abas_->setCurrentIndex(0);
    mostrarLegenda(false);
    menu_.projetoNovo();
    mostrarProjeto();
    atualizarMenus();
}

void TfrmPreencher::AdicionarEstacao() {
    if (!projeto_.aberto()) return;
    estatisticasCriadas_ = true;
    // Refused before any file is read.
    verificarVagaEstacao(projeto_);
    const auto arquivo = dialogos_.abrirArquivo(
        {QString::fromUtf8(kTituloAdicionarEstacao),
         filtroQt(QStringLiteral("Arquivos do Corvel 1.0 (*.cvl)|*.cvl")), QStringLiteral("cvl")});
    if (!arquivo) return;
    const SerieTabela estacao = [&] {
        CursorOcupado ocupado;
        return lerEstacaoPreenchimento(*arquivo);
    }();
    const QString codigo = codigoEstacao(estacao);
    if (estacaoNoProjeto(projeto_, codigo) && !dialogos_.pergunta(perguntaEstacaoRepetida(codigo)))
        return;

    CursorOcupado ocupado;
    progresso_->setValue(0);
    progresso_->show();
    struct Esconder {
        QProgressBar* barra;
        ~Esconder() { barra->hide(); }
    } esconder{progresso_};
    adicionarEstacao(projeto_, estacao, [this](qsizetype feitos, qsizetype total) {
        progresso_->setValue(static_cast<int>(std::lround(feitos * 100.0 / total)));
    });
    menu_.estacaoAdicionadaOuProjetoAberto();
    mostrarProjeto();
    grdDados_->setCurrentIndex(modeloDados_->index(0, projeto_.numeroEstacoes));
    atualizarMenus();
}

void TfrmPreencher::Excluirestacao1Click() {
    if (!projeto_.aberto()) return;
    TfrmListaEstacoesExcluir lista(titulosEstacoes(), this);
    if (dialogos_.executar(lista) != QDialog::Accepted) return;
    const std::optional<int> k = lista.escolhida();
    if (!k) {
        dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgNenhumaSelecionada));
        return;
    }
    if (dialogos_.pergunta(QString::fromUtf8(kPerguntaExcluir))) ExcluiEstacao(*k);
}

void TfrmPreencher::ExcluiEstacao(int k) {
    if (const auto pergunta = perguntaExclusao(projeto_, k);
        pergunta && !dialogos_.pergunta(*pergunta))
        return;
    excluiEstacao(projeto_, k);
    mostrarLegenda(false);
    // The statistics name the stations by their columns, which have just moved: the next filling
    // starts from "Novo preenchimento...", which computes them again.
    estatisticas_.clear();
    mostrarEstatisticas();
    abas_->setTabVisible(abaEstatisticas_, false);
    menu_.segunda = menu_.terceira = false;
    mostrarProjeto();
    atualizarMenus();
}

bool TfrmPreencher::salvarComo() {
    for (;;) {
        const auto escolhido = dialogos_.salvarArquivo(
            {QStringLiteral("Salvar projeto"),
             filtroQt(QString::fromUtf8(kFiltroSalvarPreenchimento)), QStringLiteral("psv")});
        if (!escolhido) return false;
        const QString arquivo = ajustarExtensaoPreenchimento(*escolhido);
        if (QFileInfo::exists(arquivo) &&
            !dialogos_.pergunta(QString::fromUtf8(kPerguntaArquivoExiste), true))
            continue;
        arquivoProjeto_ = arquivo;
        return true;
    }
}

void TfrmPreencher::Salvarprojetocomo1Click() {
    if (!projeto_.aberto() || !salvarComo()) return;
    CursorOcupado ocupado;
    gravarProjetoPreenchimento(arquivoProjeto_, projeto_);
}

void TfrmPreencher::Salvarprojeto1Click() {
    if (!projeto_.aberto()) return;
    if (arquivoProjeto_.isEmpty() && !salvarComo()) return;
    CursorOcupado ocupado;
    gravarProjetoPreenchimento(arquivoProjeto_, projeto_);
}

void TfrmPreencher::Abrirprojeto1Click() {
    const auto arquivo = dialogos_.abrirArquivo(
        {QString::fromUtf8(kTituloAbrirPreenchimento),
         filtroQt(QString::fromUtf8(kFiltroAbrirPreenchimento)), QStringLiteral("psv")});
    if (!arquivo) return;
    abrirProjetoPreenchimento(*arquivo);
}

void TfrmPreencher::abrirProjetoPreenchimento(const QString& arquivo) {
    // A file that cannot be read costs a message; the project on screen stays.
    ProjetoPreenchimento lido = [&] {
        CursorOcupado ocupado;
        return lerProjetoPreenchimento(arquivo);
    }();
    projeto_ = std::move(lido);
    arquivoProjeto_ = arquivo;
    estatisticasCriadas_ = true;
    estatisticas_ = CalculosEstatistico(projeto_, opcoes_);
    mostrarEstatisticas();
    mostrarLegenda(projeto_.temPreenchimento());
    abas_->setCurrentIndex(0);
    menu_.projetoNovo();
    menu_.estacaoAdicionadaOuProjetoAberto();
    mostrarProjeto();
    atualizarMenus();
}

void TfrmPreencher::CVS1Click() {
    if (!projeto_.aberto()) return;
    abas_->setCurrentIndex(0);
    const auto arquivo = dialogos_.salvarArquivo(
        {QStringLiteral("Exportando arquivo"), filtroQt(QString::fromUtf8(kFiltroCsvPreenchimento)),
         QStringLiteral("CSV")});
    if (!arquivo) return;
    CursorOcupado ocupado;
    const TabelaExibida tabela = tabelaExportacaoPreenchimento(projeto_);
    gravarCsvResultado(*arquivo, rotulos(tabela), textos(tabela));
}

void TfrmPreencher::XLS1Click() {
    if (!projeto_.aberto()) return;
    const QString titulo = QString::fromUtf8(kTituloPlanilhaPreenchimento);
    const TabelaExibida tabela = tabelaExportacaoPreenchimento(projeto_);
    exportarPlanilha(dialogos_, titulo, [&](const QString& caminho) {
        progresso_->setValue(0);
        progresso_->show();
        struct Esconder {
            QProgressBar* barra;
            ~Esconder() { barra->hide(); }
        } esconder{progresso_};
        TExportaExcel::escrever(caminho, tabela, titulo,
                                [this](qint64 p) { progresso_->setValue(static_cast<int>(p)); });
    });
}

relatorio::Relatorio TfrmPreencher::relatorioMensal() const {
    return relatorioPreenchimento(projeto_, bancada_.tecnico, estatisticas_);
}

void TfrmPreencher::Imprimir1Click() {
    if (!projeto_.aberto()) return;
    imprimirRelatorio(this, dialogos_, bancada_, [this] { return relatorioMensal(); });
}

} // namespace corvel::ui
