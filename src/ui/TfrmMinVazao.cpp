// Minimum-flow window: layout, "Duração", the annual minima and their hand-overs, exports, report.
#include "TfrmMinVazao.h"
#include "comando.h"

#include "cursorocupado.h"
#include "graficomensal.h"
#include "modelovazoes.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "core/bancada.h"
#include "core/formato.h"
#include "exchange/exportaexcel.h"

#include <QAction>
#include <QFormLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
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
    criarPaginaMensal();
    criarComandos();
}

void TfrmMinVazao::criarPaginaMensal() {
    auto* pagina = new QWidget(this);
    auto* v = new QVBoxLayout(pagina);
    auto* escolhas = new QHBoxLayout;
    spnPeriodoMensal_ = new QSpinBox(pagina);
    spnPeriodoMensal_->setObjectName(QStringLiteral("spnPeriodoMensal"));
    spnPeriodoMensal_->setRange(2, 10000);
    spnPeriodoMensal_->setValue(10);
    spnPeriodoMensal_->setSuffix(QStringLiteral(" anos"));
    escolhas->addWidget(new QLabel(QStringLiteral("Período de retorno"), pagina));
    escolhas->addWidget(spnPeriodoMensal_);
    escolhas->addSpacing(16);
    edtEstacoes_ = new QLineEdit(pagina);
    edtEstacoes_->setObjectName(QStringLiteral("edtEstacoes"));
    edtEstacoes_->setPlaceholderText(QStringLiteral("ex.: 6-9 10-3"));
    edtEstacoes_->setToolTip(QStringLiteral("Cada estação do ano pelos meses de início e fim, "
                                            "separadas por espaço: 6-9 é de junho a setembro, "
                                            "10-3 de outubro a março."));
    escolhas->addWidget(new QLabel(QStringLiteral("Estações do ano"), pagina));
    escolhas->addWidget(edtEstacoes_, 1);
    auto* atualizar = new QPushButton(QStringLiteral("Atualizar"), pagina);
    atualizar->setObjectName(QStringLiteral("btnMensais"));
    escolhas->addWidget(atualizar);
    v->addLayout(escolhas);
    connect(atualizar, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmMinVazao::btnMensaisClick));
    connect(edtEstacoes_, &QLineEdit::returnPressed, this,
            comando(dialogos_, this, &TfrmMinVazao::btnMensaisClick));

    // Side by side: the table shows its twelve months and seasons whole, the chart keeps the
    // page's height.
    divisaoMensal_ = new QSplitter(Qt::Horizontal, pagina);
    modeloMensal_ = new QStandardItemModel(0, 7, this);
    grdMensais_ = novaGradeAnual(divisaoMensal_, modeloMensal_, {});
    grdMensais_->setObjectName(QStringLiteral("grdMensais"));
    divisaoMensal_->addWidget(grdMensais_);
    graficoMensal_ = new GraficoMensal(divisaoMensal_);
    divisaoMensal_->addWidget(graficoMensal_);
    divisaoMensal_->setStretchFactor(1, 1);
    v->addWidget(divisaoMensal_, 1);
    auto* nota = new QLabel(QStringLiteral("Q95 e Q90 da curva de permanência dos dias de cada "
                                           "mês; Qd,T das mínimas de d dias dentro do mês (da "
                                           "estação), uma por ano, com a melhor distribuição."),
                            pagina);
    nota->setWordWrap(true);
    v->addWidget(nota);
    paginaMensal_ = adicionarPagina(pagina, QStringLiteral("Vazões mensais"));
}

std::vector<EstacaoDoAno> TfrmMinVazao::lerEstacoes() const {
    std::vector<EstacaoDoAno> r;
    for (const QString& parte :
         edtEstacoes_->text().split(QRegularExpression(QStringLiteral("[\\s;]+")),
                                    Qt::SkipEmptyParts)) {
        const std::optional<EstacaoDoAno> e = lerEstacaoDoAno(parte);
        if (!e)
            throw Erro(QStringLiteral("Estação do ano inválida: \"%1\". Use os meses de início e "
                                      "fim, de 1 a 12, como 6-9.")
                           .arg(parte));
        r.push_back(*e);
    }
    return r;
}

void TfrmMinVazao::btnMensaisClick() {
    edtDuracaoExit();
    const std::vector<EstacaoDoAno> estacoes = lerEstacoes();
    CursorOcupado ocupado;
    duracaoMensal_ = edtDuracao_->text().toInt();
    periodoMensal_ = spnPeriodoMensal_->value();
    mensais_ = referenciasMensais(qryVazao_, duracaoMensal_, periodoMensal_,
                                  VazoesNulas::ProbabilidadeCondicional, estacoes);
    const QString q = QStringLiteral("Q%1,%2").arg(duracaoMensal_).arg(periodoMensal_);
    modeloMensal_->setHorizontalHeaderLabels(
        {QStringLiteral("Mês"), QStringLiteral("Q95 (m³/s)"), QStringLiteral("Q90 (m³/s)"),
         q + QStringLiteral(" (m³/s)"), QStringLiteral("Distribuição de ") + q,
         QStringLiteral("Anos"), QStringLiteral("Vazão média (m³/s)")});
    const auto vazao = [](const std::optional<double>& v) {
        return v ? formatarVazao(*v, u"0.00") : QStringLiteral("-");
    };
    LinhasAnuais linhas;
    SerieMensal media{QStringLiteral("Vazão média"), {}}, q90{QStringLiteral("Q90"), {}},
        q95{QStringLiteral("Q95"), {}}, qdt{q, {}};
    for (const ReferenciaMensal& m : mensais_) {
        linhas.push_back({m.nome, vazao(m.q95), vazao(m.q90), vazao(m.qMinima),
                          m.distribuicao.isEmpty() ? QStringLiteral("-") : m.distribuicao,
                          QString::number(m.anos), vazao(m.media)});
        if (m.meses.size() != 1) continue;
        const auto k = static_cast<std::size_t>(m.meses[0] - 1);
        media.valores[k] = m.media;
        q90.valores[k] = m.q90;
        q95.valores[k] = m.q95;
        qdt.valores[k] = m.qMinima;
    }
    preencherModelo(*modeloMensal_, linhas);
    // The table as wide as its columns, the chart the rest.
    grdMensais_->resizeColumnsToContents();
    int largura = 2 * grdMensais_->frameWidth() + grdMensais_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < modeloMensal_->columnCount(); ++c)
        largura += grdMensais_->columnWidth(c);
    const int total = std::max(divisaoMensal_->width(), 2 * largura);
    divisaoMensal_->setSizes({largura, total - largura});
    const SerieMensal series[] = {media, q90, q95, qdt};
    graficoMensal_->desenhar(series, QStringLiteral("Vazões de referência de cada mês (m³/s)"));
    mostrarPagina(paginaMensal_);
}

void TfrmMinVazao::MensaisCsv1Click() {
    if (mensais_.empty()) btnMensaisClick();
    TabelaTexto t;
    const QString texto = textoReferenciasMensais(mensais_, duracaoMensal_, periodoMensal_);
    const QStringList linhas = texto.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& titulo : linhas.front().split(u';'))
        t.titulos.push_back(titulo);
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        const QStringList c = linhas[i].split(u';');
        t.linhas.emplace_back(c.begin(), c.end());
    }
    exportarCsvTexto(dialogos_, kFiltroCsv, t);
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
    QMenu* mensais = arquivo->addMenu(QStringLiteral("Exportar \"Vazões mensais\""));
    novoComando(mensais, "MensaisCsv1",
                QStringLiteral("*.CSV (Arquivo separado por ponto-e-vírgula)"),
                &TfrmMinVazao::MensaisCsv1Click);
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
    QAction* mensaisCalc =
        novoComando(operacoes, "VazoesMensais1", QStringLiteral("Vazões mensais"),
                    &TfrmMinVazao::btnMensaisClick, QKeySequence(Qt::CTRL | Qt::Key_M));

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
    novoBotao(mensaisCalc, QStringLiteral("Mês"), QColor(0x8b, 0x3a, 0x1f),
              QStringLiteral("Vazões de referência de cada mês"));
}

void TfrmMinVazao::aoAtivar() {
    paginas()->setTabVisible(paginaAnual(), false);
    paginas()->setTabVisible(paginaMensal_, false);
    mensais_.clear();
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
    // The monthly figures follow the duration; they are computed once asked for.
    if (!mensais_.empty() && duracaoMensal_ != duracaoCalculada_) {
        mensais_.clear();
        paginas()->setTabVisible(paginaMensal_, false);
    }
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
