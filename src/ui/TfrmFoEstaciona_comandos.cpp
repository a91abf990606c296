// Stationarity window: menus, exports of the input series and of the results, the report.
#include "TfrmFoEstaciona.h"
#include "comando.h"
#include "saidas.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/planilha.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"),
    QStringLiteral("CSV")};

std::vector<QString> linhaDoModelo(const QStandardItemModel& m, int linha) {
    std::vector<QString> r;
    for (int c = 0; c < m.columnCount(); ++c)
        r.push_back(m.item(linha, c)->text());
    return r;
}
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
    LinhasTexto linhas;
    for (const DadoEntrada& d : visiveis_)
        linhas.push_back({d.rotulo, d.valor ? formatarGeral(*d.valor) : QString()});
    exportarCsvResultado(dialogos_, kFiltroCsv,
                         {QStringLiteral("Data"), QStringLiteral("Vazão (m³/s)")}, linhas);
}

void TfrmFoEstaciona::exportarDadosXls() {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Data"), TipoCampo::Texto},
                 {QStringLiteral("Vazão (m³/s)"), TipoCampo::Real}};
    for (const DadoEntrada& d : dados_)
        t.linhas.push_back({d.rotulo, d.valor ? Valor(*d.valor) : Valor()});
    exportarPlanilha(dialogos_, tituloExportacao(), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, tituloExportacao());
    });
}

void TfrmFoEstaciona::exportarResultadosCsv() {
    LinhasTexto linhas;
    for (int l = 0; l < modeloSaida_->rowCount(); ++l)
        linhas.push_back(linhaDoModelo(*modeloSaida_, l));
    std::vector<QString> titulos;
    for (int c = 0; c < modeloSaida_->columnCount(); ++c)
        titulos.push_back(modeloSaida_->headerData(c, Qt::Horizontal).toString());
    exportarCsvResultado(dialogos_, kFiltroCsv, titulos, linhas);
}

void TfrmFoEstaciona::exportarResultadosXls() {
    TabelaExibida t;
    for (int c = 0; c < modeloSaida_->columnCount(); ++c)
        t.colunas.push_back({modeloSaida_->headerData(c, Qt::Horizontal).toString(),
                             c < 3 ? TipoCampo::Texto : TipoCampo::Real});
    for (const LinhaEstacionariedade& l : resultados_)
        t.linhas.push_back({l.periodo, l.hipoteseVariancia, l.hipoteseMedia, l.varianciaA,
                            l.varianciaB, l.mediaA, l.mediaB});
    exportarPlanilha(dialogos_, tituloExportacao(), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, tituloExportacao());
    });
}

void TfrmFoEstaciona::imprimir() {
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        relatorio::Relatorio r;
        r.titulo = QStringLiteral("RELATÓRIO ESTACIONARIEDADE");
        const int pagina = paginas_->currentIndex();
        const QString tipo =
            (pagina == 0 ? QStringLiteral("Contínua (") : QStringLiteral("Personalizada (")) +
            nivel_[static_cast<std::size_t>(pagina)]->tabText(
                nivel_[static_cast<std::size_t>(pagina)]->currentIndex()) +
            u')';
        r.cabecalho = {QStringLiteral("Técnico responsável: ") + bancada_.tecnico,
                       QStringLiteral("Estação: ") + estacao_->text(),
                       QStringLiteral("Tipo análise: ") + tipo};
        r.colunas = {{QStringLiteral("Período"), Qt::AlignLeft | Qt::AlignVCenter},
                     {QStringLiteral("H0 (Variância)"), Qt::AlignCenter},
                     {QStringLiteral("H0 (Média)"), Qt::AlignCenter},
                     {QStringLiteral("S² (Série A)")},
                     {QStringLiteral("S² (Série B)")},
                     {QStringLiteral("Xm (Série A)")},
                     {QStringLiteral("Xm (Série B)")}};
        for (int l = 0; l < modeloSaida_->rowCount(); ++l)
            r.linhas.push_back(linhaDoModelo(*modeloSaida_, l));
        r.notas = {QStringLiteral(
            "Onde H0 (Variância) => As variâncias das séries são iguais ao nível de "
            "significância, H0 (Média) => As médias das séries são iguais ao nível de "
            "significância, S² é a variância e Xm é a média")};
        r.rotuloPagina = QStringLiteral("Página : ");
        r.programa = QStringLiteral("Corvel 1.0");
        return r;
    });
}

} // namespace corvel::ui
