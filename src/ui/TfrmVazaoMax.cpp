// Maximum-flow window: layout, the year boxes, the annual maxima and their hand-overs, exports,
// report.
#include "TfrmVazaoMax.h"
#include "comando.h"

#include "cursorocupado.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/exportaexcel.h"

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
    QStringLiteral("Vazão máx. (m³/s)"), QStringLiteral("Dias válidos"),
    QStringLiteral("Dias sinalizados")};
} // namespace

TfrmVazaoMax::TfrmVazaoMax(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Vazões Máximas"), kTopicoVazaoMax, FormaDados{}) {
    setObjectName(QStringLiteral("TfrmVazaoMax"));
    // The period of the calculation can be narrowed by typing the years.
    for (QLineEdit* ano : {edtAnoInicio_, edtAnoFim_}) {
        ano->setReadOnly(false);
        ano->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), ano));
        ano->setMaxLength(4);
    }
    edtInicioAno_->installEventFilter(this);

    criarPaginaAnual(titulosMaximas(), "grdMaximas", QStringLiteral("Vazões máximas anuais"));
    criarComandos();
}

void TfrmVazaoMax::criarComandos() {
    const QString csv =
        QStringLiteral("*.CSV (Arquivo Texto com dados separado por ponto-e-vírgula)");
    const QString xls = QStringLiteral("*.XLS (Arquivos do Excel)");
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar \"Dados de entrada\""));
    novoComando(dados, "DadosCsv1", csv, &TfrmVazaoMax::DadosCsv1Click);
    novoComando(dados, "DadosXls1", xls, &TfrmVazaoMax::DadosXls1Click);
    QMenu* maximas = arquivo->addMenu(QStringLiteral("Exportar \"Vazões máximas anuais\""));
    novoComando(maximas, "MaximasCsv1", csv, &TfrmVazaoMax::MaximasCsv1Click);
    novoComando(maximas, "MaximasXls1", xls, &TfrmVazaoMax::MaximasXls1Click);
    QAction* imprimir =
        novoComando(arquivo, "Imprimir1", QStringLiteral("Imprimir"), &TfrmVazaoMax::Imprimir1Click,
                    QKeySequence(Qt::CTRL | Qt::Key_P));
    arquivo->addSeparator();
    novoComando(arquivo, "Fechar1", QStringLiteral("Fechar"), &QDialog::reject,
                QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre =
        novoComando(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento..."),
                    &TfrmVazaoMax::PreProcessamento1Click, QKeySequence(Qt::Key_F10));
    QAction* calcular = novoComando(operacoes, "Calcular1", QStringLiteral("Calcular"),
                                    &TfrmVazaoMax::btnCalcularClick, QKeySequence(Qt::Key_F11));
    QAction* analise =
        novoComando(operacoes, "AnaliseEstatistica1", QStringLiteral("Análise estatística..."),
                    &TfrmVazaoMax::calcularDistribuicoes, QKeySequence(Qt::Key_F9));
    QAction* estacionariedade =
        novoComando(operacoes, "Estacionariedade1", QStringLiteral("Estacionariedade..."),
                    &TfrmVazaoMax::Estacionariedade);

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da ajuda"),
                &TfrmVazaoMax::mostrarAjuda, QKeySequence(Qt::Key_F1));

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
            preencherModelo(*modeloAnual(), linhasMaximas(*anuais_));
            mostrarSinais(textoMaximasSinalizadas(*anuais_));
            guardarCabecalho(QString::number(a), QString::number(b));
        }
    }
    if (recusa) dialogos_.mensagem(Gravidade::Aviso, *recusa);
    mostrarPagina(paginaAnual());
}

const std::vector<MaximaAnual>* TfrmVazaoMax::tabelaAnual() {
    if (!anuais_) btnCalcularClick();
    return anuais_ ? &*anuais_ : nullptr;
}

void TfrmVazaoMax::PreProcessamento1Click() {
    anuais_.reset();
    esconderAnuais();
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
        t.linhas.push_back(std::vector<Valor>(linha.begin(), linha.end()));
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
