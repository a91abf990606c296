// Stationarity window: menus, exports of the input series and of the results, the report.
#include "TfrmFoEstaciona.h"
#include "comando.h"
#include "modelosestacionariedade.h"
#include "saidas.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/exportaexcel.h"
#include "stats/tabelasestacionariedade.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"),
    QStringLiteral("CSV")};

} // namespace

void TfrmFoEstaciona::criarMenus() {
    auto* barra = new QMenuBar(this);
    QMenu* arquivo = barra->addMenu(QStringLiteral("Arquivo"));
    const QString csv =
        QStringLiteral("*.CSV (Arquivo Texto com dados separado por ponto-e-vírgula)");
    const QString xls = QStringLiteral("*.XLS (Arquivos de Excel)");
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar Dados"));
    dados->addAction(csv, this, comando(dialogos_, this, &TfrmFoEstaciona::exportarDadosCsv));
    dados->addAction(xls, this, comando(dialogos_, this, &TfrmFoEstaciona::exportarDadosXls));
    QMenu* resultados = arquivo->addMenu(QStringLiteral("Exportar \"Estacionariedade\""));
    resultados->addAction(csv, this,
                          comando(dialogos_, this, &TfrmFoEstaciona::exportarResultadosCsv));
    resultados->addAction(xls, this,
                          comando(dialogos_, this, &TfrmFoEstaciona::exportarResultadosXls));
    QMenu* tendencia = arquivo->addMenu(QStringLiteral("Exportar \"Tendência\""));
    tendencia->addAction(csv, this,
                         comando(dialogos_, this, &TfrmFoEstaciona::exportarTendenciaCsv));
    tendencia->addAction(xls, this,
                         comando(dialogos_, this, &TfrmFoEstaciona::exportarTendenciaXls));
    QAction* imprimir = arquivo->addAction(QStringLiteral("Imprimir"), this,
                                           comando(dialogos_, this, &TfrmFoEstaciona::imprimir));
    imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* fechar = arquivo->addAction(QStringLiteral("&Fechar"), this, &QDialog::reject);
    fechar->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    QMenu* operacoes = barra->addMenu(QStringLiteral("Operações"));
    QMenu* calcular = operacoes->addMenu(QStringLiteral("&Calcular"));
    calcular->addAction(QStringLiteral("Contínua"), this,
                        comando(dialogos_, this, &TfrmFoEstaciona::Continua1Click));
    calcular->addAction(QStringLiteral("Personalizada"), this,
                        comando(dialogos_, this, &TfrmFoEstaciona::Personalizada1Click));
    calcular->addAction(QStringLiteral("Tendência (não paramétrico)"), this,
                        comando(dialogos_, this, &TfrmFoEstaciona::Tendencia1Click));
    QMenu* ajuda = barra->addMenu(QStringLiteral("Ajuda"));
    QAction* conteudo = ajuda->addAction(QStringLiteral("Conteúdo da ajuda"));
    conteudo->setShortcut(QKeySequence(Qt::Key_F1));
    conteudo->setObjectName(QStringLiteral("ConteudodaAjuda1"));
    connect(conteudo, &QAction::triggered, this,
            [this] { dialogos_.ajuda(property("topicoAjuda").toInt()); });
    static_cast<QVBoxLayout*>(layout())->setMenuBar(barra);
}

QString TfrmFoEstaciona::tituloExportacao() const {
    return QStringLiteral("Estacionariedade_") + estacao_->text();
}

void TfrmFoEstaciona::exportarDadosCsv() {
    // The rows of the period shown, each value in its plain text form (not as the grid rounds it).
    const TabelaExibida t = tabelaEntradaEstacionariedade(modeloEntrada_->dados());
    exportarCsvResultado(dialogos_, kFiltroCsv, rotulos(t), textos(t));
}

void TfrmFoEstaciona::exportarDadosXls() {
    const TabelaExibida t = tabelaEntradaEstacionariedade(dados_);
    exportarPlanilha(dialogos_, tituloExportacao(), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, tituloExportacao());
    });
}

void TfrmFoEstaciona::exportarResultadosCsv() {
    exportarCsvResultado(dialogos_, kFiltroCsv, titulosEstacionariedade(),
                         linhasEstacionariedade(resultados()));
}

void TfrmFoEstaciona::exportarResultadosXls() {
    const TabelaExibida t = tabelaResultadosEstacionariedade(resultados());
    exportarPlanilha(dialogos_, tituloExportacao(), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, tituloExportacao());
    });
}

void TfrmFoEstaciona::exportarTendenciaCsv() {
    if (!analiseTendencia_) return; // nothing tested yet
    exportarCsvResultado(dialogos_, kFiltroCsv, titulosTendencia(),
                         linhasTendencia(*analiseTendencia_));
}

void TfrmFoEstaciona::exportarTendenciaXls() {
    if (!analiseTendencia_) return;
    const TabelaExibida t = tabelaResultadosTendencia(*analiseTendencia_);
    exportarPlanilha(dialogos_, tituloExportacao(), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, tituloExportacao());
    });
}

void TfrmFoEstaciona::imprimir() {
    if (paginas_->currentIndex() == kTendencia) {
        if (!analiseTendencia_) return;
        imprimirRelatorio(this, dialogos_, bancada_, [this] {
            return relatorioTendencia(*analiseTendencia_, bancada_.tecnico, estacao_->text());
        });
        return;
    }
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        const auto pagina = static_cast<std::size_t>(paginas_->currentIndex());
        const QString tipo =
            (pagina == 0 ? QStringLiteral("Contínua (") : QStringLiteral("Personalizada (")) +
            nivel_[pagina]->tabText(nivel_[pagina]->currentIndex()) + u')';
        return relatorioEstacionariedade(resultados(), bancada_.tecnico, estacao_->text(), tipo);
    });
}

} // namespace corvel::ui
