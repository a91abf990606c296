// Maximum-flow window: layout, the year boxes, the annual maxima and their hand-overs, exports,
// report.
#include "TfrmVazaoMax.h"
#include "comando.h"

#include "cursorocupado.h"
#include "saidas.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/planilha.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

namespace corvel::ui {

namespace {
const std::vector<QString> kColunasRelatorio = {
    QStringLiteral("Ano"), QStringLiteral("Data da ocorrência"),
    QStringLiteral("Vazão máx. (m³/s)"), QStringLiteral("Dias válidos")};
} // namespace

TfrmVazaoMax::TfrmVazaoMax(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Vazões Máximas"), kTopicoVazaoMax, false) {
    setObjectName(QStringLiteral("TfrmVazaoMax"));
    // The period of the calculation can be narrowed by typing the years.
    for (QLineEdit* ano : {edtAnoInicio_, edtAnoFim_}) {
        ano->setReadOnly(false);
        ano->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), ano));
        ano->setMaxLength(4);
    }
    edtInicioAno_->installEventFilter(this);

    modeloAnual_ = new QStandardItemModel(0, 4, this);
    auto* grade = novaGradeAnual(paginas(), modeloAnual_, titulosMaximas());
    grade->setObjectName(QStringLiteral("grdMaximas"));
    paginaAnual_ = adicionarPagina(grade, QStringLiteral("Vazões máximas anuais"));
    criarComandos();
}

void TfrmVazaoMax::criarComandos() {
    const QString csv =
        QStringLiteral("*.CSV (Arquivo Texto com dados separado por ponto-e-vírgula)");
    const QString xls = QStringLiteral("*.XLS (Arquivos do Excel)");
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar \"Dados de entrada\""));
    connect(novaAcao(dados, "DadosCsv1", csv), &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::DadosCsv1Click));
    connect(novaAcao(dados, "DadosXls1", xls), &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::DadosXls1Click));
    QMenu* maximas = arquivo->addMenu(QStringLiteral("Exportar \"Vazões máximas anuais\""));
    connect(novaAcao(maximas, "MaximasCsv1", csv), &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::MaximasCsv1Click));
    connect(novaAcao(maximas, "MaximasXls1", xls), &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::MaximasXls1Click));
    QAction* imprimir = novaAcao(arquivo, "Imprimir1", QStringLiteral("Imprimir"),
                                 QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(imprimir, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::Imprimir1Click));
    arquivo->addSeparator();
    connect(
        novaAcao(arquivo, "Fechar1", QStringLiteral("Fechar"), QKeySequence(Qt::CTRL | Qt::Key_F4)),
        &QAction::triggered, this, &QDialog::reject);

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre = novaAcao(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento..."),
                            QKeySequence(Qt::Key_F10));
    connect(pre, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::PreProcessamento1Click));
    QAction* calcular =
        novaAcao(operacoes, "Calcular1", QStringLiteral("Calcular"), QKeySequence(Qt::Key_F11));
    connect(calcular, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::btnCalcularClick));
    QAction* analise = novaAcao(operacoes, "AnaliseEstatistica1",
                                QStringLiteral("Análise estatística..."), QKeySequence(Qt::Key_F9));
    connect(analise, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::calcularDistribuicoes));
    QAction* estacionariedade =
        novaAcao(operacoes, "Estacionariedade1", QStringLiteral("Estacionariedade..."));
    connect(estacionariedade, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMax::Estacionariedade));

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    connect(novaAcao(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da ajuda"),
                     QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, comando(dialogos_, this, &TfrmVazaoMax::mostrarAjuda));

    novoBotao(imprimir, QStringLiteral("Imp"), QColor(0x55, 0x5f, 0x6b),
              QStringLiteral("Imprimir"));
    novoBotao(pre, QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93),
              QStringLiteral("Pré-processamento"));
    novoBotao(calcular, QStringLiteral("Calc"), QColor(0xb0, 0x3a, 0x2e),
              QStringLiteral("Calcular vazões máximas"));
    novoBotao(analise, QStringLiteral("Dist"), QColor(0x2e, 0x86, 0x4b),
              QStringLiteral("Análise estatística"));
    novoBotao(estacionariedade, QStringLiteral("Est"), QColor(0x1f, 0x5f, 0x8b),
              QStringLiteral("Estacionariedade"));
}

bool TfrmVazaoMax::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == edtInicioAno_ && evento->type() == QEvent::MouseButtonPress) {
        dialogos_.mensagem(
            Gravidade::Aviso,
            QStringLiteral(
                "Para mudar o início do ano hidrológico, clique em \"Pré-processamento\"."));
        return true;
    }
    return JanelaVazoes::eventFilter(alvo, evento);
}

void TfrmVazaoMax::aoAtivar() {
    paginas()->setCurrentIndex(0);
}

void TfrmVazaoMax::btnCalcularClick() {
    calculada_ = true;
    edtInicioAno_->setText(nomeMes(bancada_.inicioAnoHidrologico));
    const QString inicio = edtAnoInicio_->text().trimmed(), fim = edtAnoFim_->text().trimmed();
    std::optional<QString> recusa;
    if (inicio.isEmpty() || fim.isEmpty()) {
        recusa = QStringLiteral("\"Ano Início\" ou \"Ano Fim\" não definidos.");
    } else {
        long long a = 0, b = 0;
        try {
            a = lerInteiro(inicio);
            b = lerInteiro(fim);
        } catch (const ErroConversao&) {
            recusa = QStringLiteral("Valor inválido para \"Ano Início\" ou \"Ano Fim\"");
        }
        if (!recusa && b - a < 0)
            recusa = QStringLiteral("\"Ano Fim\" deve ser maior ou igual ao \"Ano Início\".");
        if (!recusa) {
            CursorOcupado ocupado;
            anuais_ = CalculaMaximaAnual(qryVazao_, bancada_.inicioAnoHidrologico,
                                         static_cast<int>(a), static_cast<int>(b));
            preencherModelo(*modeloAnual_, linhasMaximas(*anuais_));
            guardarCabecalho(QString::number(a), QString::number(b));
        }
    }
    if (recusa) dialogos_.mensagem(Gravidade::Aviso, *recusa);
    mostrarPagina(paginaAnual_);
}

const std::vector<MaximaAnual>* TfrmVazaoMax::tabelaAnual() {
    if (!anuais_) btnCalcularClick();
    return anuais_ ? &*anuais_ : nullptr;
}

void TfrmVazaoMax::PreProcessamento1Click() {
    anuais_.reset();
    modeloAnual_->setRowCount(0);
    paginas()->setTabVisible(paginaAnual_, false);
    calculada_ = false;
    preProcessar();
}

void TfrmVazaoMax::calcularDistribuicoes() {
    if (!calculada_) btnCalcularClick();
    if (anuais_) entregarDistribuicao(true, eventosMaximas(*anuais_), std::nullopt);
}

void TfrmVazaoMax::Estacionariedade() {
    if (!calculada_) btnCalcularClick();
    if (anuais_)
        entregarEstacionariedade(QStringLiteral("Estacionariedade (Eventos máximos)"),
                                 eventosMaximas(*anuais_));
}

void TfrmVazaoMax::DadosCsv1Click() {
    exportarDadosCsv(
        {QStringLiteral("Exportando arquivo"),
         QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"),
         QStringLiteral("CSV")});
}

void TfrmVazaoMax::DadosXls1Click() {
    exportarDadosXls();
}

void TfrmVazaoMax::MaximasCsv1Click() {
    if (const auto* anuais = tabelaAnual())
        exportarCsvResultado(
            dialogos_,
            {QStringLiteral("Exportando arquivo"),
             QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
             QStringLiteral("CSV")},
            titulosMaximas(), linhasMaximas(*anuais));
}

void TfrmVazaoMax::MaximasXls1Click() {
    const auto* anuais = tabelaAnual();
    if (!anuais) return;
    TabelaExibida t;
    for (const QString& titulo : titulosMaximas())
        t.colunas.push_back({titulo, TipoCampo::Texto});
    for (const auto& linha : linhasMaximas(*anuais))
        t.linhas.push_back({linha[0], linha[1], linha[2], linha[3]});
    const QString titulo = QStringLiteral("Vazões máximas");
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

relatorio::Relatorio TfrmVazaoMax::relatorioAnual() {
    const auto* anuais = tabelaAnual();
    return montarRelatorio(QStringLiteral("Vazões máximas anuais"), QString(), kColunasRelatorio,
                           anuais ? linhasMaximas(*anuais) : LinhasAnuais());
}

void TfrmVazaoMax::Imprimir1Click() {
    if (tabelaAnual()) imprimirAnual([this] { return relatorioAnual(); });
}

} // namespace corvel::ui
