// Minimum-flow window: layout, "Duração", the annual minima and their hand-overs, exports, report.
#include "TfrmMinVazao.h"
#include "comando.h"

#include "cursorocupado.h"
#include "modelovazoes.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "core/bancada.h"
#include "exchange/exportaexcel.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

namespace corvel::ui {

namespace {
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};

const std::vector<QString> kColunasRelatorio = {
    QStringLiteral("Período"), QStringLiteral("Data de início"),
    QStringLiteral("Vazão mínima(m³/s)"), QStringLiteral("Dias válidos"),
    QStringLiteral("Dias sinalizados")};
} // namespace

TfrmMinVazao::TfrmMinVazao(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Vazões Mínimas"), kTopicoMinVazao, FormaDados{true}) {
    setObjectName(QStringLiteral("TfrmMinVazao"));
    gradeDados()->setColumnHidden(ModeloDadosVazao::kFalhas, true);

    edtDuracao_ = new QLineEdit(QString::fromLatin1(kDuracaoPadrao), this);
    edtDuracao_->setObjectName(QStringLiteral("edtDuracao"));
    edtDuracao_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edtDuracao_));
    edtDuracao_->setMaxLength(3); // a window longer than a year never fills
    edtDuracao_->setMaximumWidth(60);
    connect(edtDuracao_, &QLineEdit::editingFinished, this,
            comando(dialogos_, this, &TfrmMinVazao::edtDuracaoExit));
    connect(edtDuracao_, &QLineEdit::returnPressed, this,
            comando(dialogos_, this, &TfrmMinVazao::btnCalcularClick));
    auto* linha = new QHBoxLayout;
    linha->addWidget(edtDuracao_);
    linha->addWidget(new QLabel(QStringLiteral("dias"), this));
    linha->addStretch(1);
    informacoes()->addRow(QStringLiteral("Duração"), linha);

    criarPaginaAnual(titulosMinimas(), "grdMinimas", QStringLiteral("Mínimas Anuais"));
    criarComandos();
}

void TfrmMinVazao::criarComandos() {
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar \"Dados de entrada\""));
    novoComando(dados, "DadosCsv1", QStringLiteral("*.CSV (Separado por ponto-e-vígula)"),
                &TfrmMinVazao::DadosCsv1Click);
    novoComando(dados, "DadosXls1", QStringLiteral("*.XLS (Arquivos do Excel)"),
                &TfrmMinVazao::DadosXls1Click);
    QMenu* minimas = arquivo->addMenu(QStringLiteral("Exportar \"Mínimas anuais\""));
    novoComando(minimas, "MinimasCsv1",
                QStringLiteral("*.CSV (Arquivo separado por ponto-e-vírgula)"),
                &TfrmMinVazao::MinimasCsv1Click);
    novoComando(minimas, "MinimasXls1", QStringLiteral("*.XLS (Arquivos do Excel)"),
                &TfrmMinVazao::MinimasXls1Click);
    QMenu* imprimir = arquivo->addMenu(QStringLiteral("Imprimir"));
    QAction* anuais = novoComando(imprimir, "MinimasAnuais1", QStringLiteral("Mínimas Anuais"),
                                  &TfrmMinVazao::MinimasAnuais1Click);
    arquivo->addSeparator();
    novoComando(arquivo, "Fechar1", QStringLiteral("Fechar"), &QDialog::reject,
                QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre = novoComando(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento"),
                               &TfrmMinVazao::PreProcessamento1Click, QKeySequence(Qt::Key_F10));
    QAction* calcular = novoComando(operacoes, "Calcular1", QStringLiteral("Calcular"),
                                    &TfrmMinVazao::btnCalcularClick, QKeySequence(Qt::Key_F11));
    QAction* analise =
        novoComando(operacoes, "AnaliseEstatistica1", QStringLiteral("Análise Estatística"),
                    &TfrmMinVazao::AnaliseEstatistica1Click, QKeySequence(Qt::Key_F9));
    QAction* estacionariedade =
        novoComando(operacoes, "Estacionariedade1", QStringLiteral("Estacionariedade"),
                    &TfrmMinVazao::Estacionariedade1Click, QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da ajuda"),
                &TfrmMinVazao::mostrarAjuda, QKeySequence(Qt::Key_F1));

    novoBotao(anuais, QStringLiteral("Imp"), QColor(0x55, 0x5f, 0x6b), QStringLiteral("Imprimir"));
    novoBotao(pre, QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93),
              QStringLiteral("Pré-processamento"));
    novoBotao(calcular, QStringLiteral("Calc"), QColor(0xc2, 0x7c, 0x0e),
              QStringLiteral("Calcula as vazões mínimas"));
    novoBotao(analise, QStringLiteral("Dist"), QColor(0x2e, 0x86, 0x4b),
              QStringLiteral("Análise estatística"));
    novoBotao(estacionariedade, QStringLiteral("Est"), QColor(0x1f, 0x5f, 0x8b),
              QStringLiteral("Estacionariedade"));
}

void TfrmMinVazao::aoAtivar() {
    paginas()->setTabVisible(paginaAnual(), false);
    paginas()->setCurrentIndex(0);
}

void TfrmMinVazao::edtDuracaoExit() {
    bool ok = false;
    const int d = edtDuracao_->text().toInt(&ok);
    if (!ok || d < 1) edtDuracao_->setText(QString::fromLatin1(kDuracaoPadrao));
}

void TfrmMinVazao::btnCalcularClick() {
    edtDuracaoExit(); // the moving window needs at least one day
    CursorOcupado ocupado;
    duracaoCalculada_ = edtDuracao_->text().toInt();
    anuais_ = CalculaMinimaAnual(qryVazao_, bancada_.inicioAnoHidrologico, duracaoCalculada_);
    guardarCabecalho(edtAnoInicio_->text(), edtAnoFim_->text());
    mostrarAnuais(linhasMinimas(*anuais_));
    mostrarSinais(textoMinimasSinalizadas(*anuais_));
}

const std::vector<MinimaAnual>& TfrmMinVazao::tabelaAnual() {
    if (!anuais_) btnCalcularClick();
    return *anuais_;
}

void TfrmMinVazao::PreProcessamento1Click() {
    preProcessar();
}

void TfrmMinVazao::AnaliseEstatistica1Click() {
    btnCalcularClick();
    entregarDistribuicao(false, eventosMinimas(*anuais_), estacao());
}

void TfrmMinVazao::Estacionariedade1Click() {
    btnCalcularClick();
    entregarEstacionariedade(QStringLiteral("Estacionariedade (Eventos mínimos)"),
                             eventosMinimas(*anuais_));
}

void TfrmMinVazao::DadosCsv1Click() {
    exportarDadosCsv(kFiltroCsv);
}

void TfrmMinVazao::DadosXls1Click() {
    exportarDadosXls();
}

void TfrmMinVazao::MinimasCsv1Click() {
    exportarCsvResultado(dialogos_, kFiltroCsv, titulosMinimas(), linhasMinimas(tabelaAnual()));
}

void TfrmMinVazao::MinimasXls1Click() {
    TabelaExibida t;
    for (const QString& titulo : titulosMinimas())
        t.colunas.push_back({titulo, TipoCampo::Texto});
    for (const auto& linha : linhasMinimas(tabelaAnual()))
        t.linhas.push_back(std::vector<Valor>(linha.begin(), linha.end()));
    const QString titulo = QStringLiteral("Vazões mínimas");
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

relatorio::Relatorio TfrmMinVazao::relatorioAnual() {
    const LinhasAnuais linhas = linhasMinimas(tabelaAnual());
    return montarRelatorio(QStringLiteral("Vazões mínimas anuais"),
                           QStringLiteral("Duração: %1 dias").arg(duracaoCalculada_),
                           kColunasRelatorio, linhas);
}

void TfrmMinVazao::MinimasAnuais1Click() {
    tabelaAnual();
    imprimirAnual([this] { return relatorioAnual(); });
}

} // namespace corvel::ui
