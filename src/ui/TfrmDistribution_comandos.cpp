// Distribution window: menus, the exports of the events and of the results, the spreadsheet
// import of events, the two reports and help. Every text and table comes from stats/.
#include "TfrmDistribution.h"

#include "comando.h"
#include "modelosdistribuicao.h"
#include "paineleventos.h"
#include "saidas.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "core/gravacao.h"
#include "exchange/exportaexcel.h"
#include "exchange/importaexcel.h"
#include "exchange/windows1252.h"
#include "stats/exportacaodistribuicoes.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

const QString kCsv =
    QStringLiteral("*.CSV (Arquivo texto com dados separados por ponto-e-vírgula)");
const QString kXls = QStringLiteral("*.XLS (Arquivos do Excel)");
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportar"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};
const QString kErroCsv = QStringLiteral("Erro ao exportar arquivo *.csv");

// Writes the file; on failure shows the export message with its cause.
void gravarCsv(ServicoDialogos& dialogos, const QString& caminho, const QString& texto) {
    try {
        gravarArquivoAtomico(caminho, codificarWindows1252(texto));
    } catch (const ErroArquivo& e) {
        dialogos.mensagem(Gravidade::Erro, kErroCsv + kQuebraLinha + e.mensagem());
    }
}

} // namespace

void TfrmDistribution::criarMenus() {
    auto* barra = new QMenuBar(this);
    auto nova = [this](QMenu* m, const QString& legenda, const char* nome, auto slot,
                       const QKeySequence& tecla = {}) {
        QAction* a = m->addAction(legenda);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a); // the keys work while the menu is closed
        connect(a, &QAction::triggered, this, comando(dialogos_, this, slot));
        return a;
    };
    QMenu* arquivo = barra->addMenu(QStringLiteral("Arquivo"));
    QMenu* exportar = arquivo->addMenu(QStringLiteral("Exportar"));
    QMenu* dados = exportar->addMenu(QStringLiteral("Dados"));
    nova(dados, kCsv, "DadosCSV1", &TfrmDistribution::exportarDadosCsv);
    nova(dados, kXls, "DadosXLS1", &TfrmDistribution::exportarDadosXls);
    QMenu* distribuicoes = exportar->addMenu(QStringLiteral("Distribuições"));
    nova(distribuicoes, kCsv, "DistribuicoesCSV1", &TfrmDistribution::exportarDistribuicoesCsv);
    nova(distribuicoes, kXls, "DistribuicoesXLS1", &TfrmDistribution::exportarDistribuicoesXls);
    QMenu* importar = arquivo->addMenu(QStringLiteral("Importar"));
    nova(importar, kXls, "ImportarXLS1", &TfrmDistribution::importarXls);
    QMenu* imprimir = arquivo->addMenu(QStringLiteral("Imprimir"));
    nova(imprimir, QStringLiteral("Dados"), "ImprimirDados1", &TfrmDistribution::imprimirDados);
    nova(imprimir, QStringLiteral("Resultados"), "ImprimirResultados1",
         &TfrmDistribution::imprimirResultados);
    arquivo->addSeparator();
    nova(arquivo, QStringLiteral("Fechar"), "Fechar1", &QDialog::reject,
         QKeySequence(Qt::CTRL | Qt::Key_F4));
    QMenu* operacoes = barra->addMenu(QStringLiteral("Operações"));
    nova(operacoes, QStringLiteral("Calcular"), "Calcular1",
         &TfrmDistribution::ChamarProcessoCalcular, QKeySequence(Qt::Key_F11));
    QMenu* ajuda = barra->addMenu(QStringLiteral("Ajuda"));
    nova(ajuda, QStringLiteral("Conteúdo da ajuda"), "ConteudodaAjuda1",
         &TfrmDistribution::pedirAjuda, QKeySequence(Qt::Key_F1));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(barra);
}

void TfrmDistribution::pedirAjuda() {
    dialogos_.ajuda(property("topicoAjuda").toInt());
}

void TfrmDistribution::exportarDadosCsv() {
    if (!eventos_->aberta()) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Não há dados para exportar."));
        return;
    }
    eventos_->postar();
    const auto arquivo = pedirArquivoParaGravar(dialogos_, kFiltroCsv);
    if (arquivo) gravarCsv(dialogos_, *arquivo, textoDadosCsv(eventos(), EventosMaximos));
}

void TfrmDistribution::exportarDadosXls() {
    if (!eventos_->aberta()) {
        dialogos_.mensagem(Gravidade::Aviso, QStringLiteral("Sem dados"));
        return;
    }
    eventos_->postar();
    const TabelaExibida t = tabelaEventos(eventos());
    exportarPlanilha(dialogos_, QStringLiteral("Dados"), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, QStringLiteral("Dados"));
    });
}

void TfrmDistribution::exportarDistribuicoesCsv() {
    if (filtro_ == Filtro::Fechada) ChamarProcessoCalcular();
    if (filtro_ == Filtro::Fechada) {
        dialogos_.mensagem(Gravidade::Erro, kErroCsv); // still no result table to write
        return;
    }
    const auto arquivo = pedirArquivoParaGravar(dialogos_, kFiltroCsv);
    if (arquivo) gravarCsv(dialogos_, *arquivo, textoDistribuicoesCsv(linhasVisiveis()));
}

void TfrmDistribution::exportarDistribuicoesXls() {
    if (filtro_ == Filtro::Fechada) {
        dialogos_.mensagem(Gravidade::Aviso, QStringLiteral("Sem dados"));
        return;
    }
    const TabelaExibida t = tabelaDistribuicoes(linhasVisiveis());
    const QString titulo = QStringLiteral("Distribuiçõs");
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

void TfrmDistribution::importarXls() {
    const auto arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Importar"),
         QStringLiteral("Arquivos do Excel (*.XLS *.xls *.XLSX *.xlsx *.ods)"),
         QStringLiteral("XLS")});
    if (!arquivo) return;
    TImportaExcel planilha;
    if (!planilha.abrir(*arquivo)) {
        dialogos_.mensagem(
            Gravidade::Erro,
            QStringLiteral("Não foi possível abrir a planilha \"%1\".").arg(*arquivo));
        return;
    }
    // Read in full first: a cell that is not a number leaves the list as it was.
    std::vector<EventoDistribuicao> lidos;
    try {
        for (int linha = 2;; ++linha) {
            const auto rotulo = planilha.lerCelula(1, linha, 1);
            if (!rotulo || rotulo->isEmpty()) break;
            const auto valor = planilha.lerCelula(1, linha, 2);
            lidos.push_back({*rotulo, valor && !valor->trimmed().isEmpty()
                                          ? std::optional<double>(lerReal(*valor))
                                          : std::nullopt});
        }
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
        return;
    }
    planilha.fechar();
    eventos_->substituir(std::move(lidos));
    EventosMaximos = dialogos_.pergunta(QStringLiteral("Esta é uma série de eventos máximos?"));
    atualizarTitulo();
    ChamarProcessoCalcular();
}

QString TfrmDistribution::estacaoDoRelatorio() const {
    return bancada_.serie.vazia() ? estacao_ : QString::number(bancada_.serie[0].estacaoCodigo);
}

void TfrmDistribution::imprimirDados() {
    eventos_->postar();
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        return relatorioDadosDistribuicao(eventos(), windowTitle(), bancada_.tecnico,
                                          estacaoDoRelatorio());
    });
}

void TfrmDistribution::imprimirResultados() {
    preenchendo_ = true;
    if (analise_.calculada) paginas_->setCurrentIndex(kTabela);
    preenchendo_ = false;
    TabelaShow();
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        relatorio::Relatorio r = relatorioResultadosDistribuicao(
            linhasVisiveis(), windowTitle(), bancada_.tecnico, estacaoDoRelatorio());
        if (!analise_.notaVazoesNulas.isEmpty()) r.notas.push_back(analise_.notaVazoesNulas);
        return r;
    });
}

void TfrmDistribution::btnImprimirClick() {
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir a lista de dados de entrada?")))
        imprimirDados();
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir os resultados?"))) imprimirResultados();
}

} // namespace corvel::ui
