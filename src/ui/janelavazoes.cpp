// The common part of the flow-analysis windows.
#include "janelavazoes.h"

#include "campos.h"
#include "icones.h"
#include "larguracolunas.h"

#include "TfrmDistribution.h"
#include "TfrmFoEstaciona.h"
#include "TfrmPrincipal.h"
#include "cursorocupado.h"
#include "modelovazoes.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "analyses/vazoesanuais.h"
#include "core/bancada.h"
#include "core/formato.h"
#include "core/tabelaserie.h"
#include "exchange/exportacaotexto.h"
#include "exchange/exportaexcel.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvel::ui {

JanelaVazoes::JanelaVazoes(TfrmPrincipal& principal, const QString& titulo, int topicoAjuda,
                           const FormaDados& dados)
    : QDialog(&principal), principal_(principal), bancada_(principal.bancada()),
      dialogos_(principal.dialogos()), topicoAjuda_(topicoAjuda) {
    setWindowTitle(titulo);
    setProperty("topicoAjuda", topicoAjuda);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 640); // the size it returns to from maximised

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setMenuBar(new QMenuBar(this));
    barra_ = new QToolBar(this);
    barra_->setIconSize(QSize(24, 24));
    layout->addWidget(barra_);

    auto* grupo = new QGroupBox(QStringLiteral("Informações"), this);
    informacoes_ = new QFormLayout(grupo);
    edtEstacao_ = campoSomenteLeitura(grupo, "edtEstacao");
    edtInicioAno_ = campoSomenteLeitura(grupo, "edtInicioAno");
    edtAnoInicio_ = campoSomenteLeitura(grupo, "edtAnoInicio");
    edtAnoFim_ = campoSomenteLeitura(grupo, "edtAnoFim");
    informacoes_->addRow(QStringLiteral("Cod. Estação"), edtEstacao_);
    informacoes_->addRow(QStringLiteral("Início do Ano Hidrológico"), edtInicioAno_);
    informacoes_->addRow(QStringLiteral("Ano Início"), edtAnoInicio_);
    informacoes_->addRow(QStringLiteral("Ano Fim"), edtAnoFim_);
    excluirSinalizados_ = new QCheckBox(QStringLiteral("Excluir dias sinalizados"), this);
    excluirSinalizados_->setObjectName(QStringLiteral("chkExcluirSinalizados"));
    excluirSinalizados_->setToolTip(
        QStringLiteral("Deixa fora dos cálculos, como dias sem valor, os dias %1.")
            .arg(nomesDasSinalizacoes(kSinalizacoesPadrao)));
    connect(excluirSinalizados_, &QCheckBox::toggled, this,
            comando(dialogos_, this, &JanelaVazoes::trocarSinalizados));
    auto* topo = new QHBoxLayout;
    topo->addWidget(grupo);
    topo->addWidget(excluirSinalizados_, 0, Qt::AlignBottom);
    topo->addStretch(1);
    layout->addLayout(topo);
    lblSinais_ = new QLabel(this);
    lblSinais_->setObjectName(QStringLiteral("lblSinais"));
    lblSinais_->setWordWrap(true);
    lblSinais_->hide();
    layout->addWidget(lblSinais_);

    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("paginas"));
    modeloDados_ = new ModeloDadosVazao(dados, this);
    grdDados_ = new QTableView(paginas_);
    grdDados_->setObjectName(QStringLiteral("grdDados"));
    grdDados_->setModel(modeloDados_);
    grdDados_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDados_->verticalHeader()->hide();
    grdDados_->verticalHeader()->setDefaultSectionSize(20);
    grdDados_->horizontalHeader()->setDefaultSectionSize(56);
    grdDados_->setColumnWidth(ModeloDadosVazao::kMes, 110);
    grdDados_->setColumnWidth(ModeloDadosVazao::kFalhas, 48);
    paginas_->addTab(grdDados_, QStringLiteral("Dados"));
    layout->addWidget(paginas_, 1);
}

QAction* JanelaVazoes::acao(const QString& nome) const {
    return findChild<QAction*>(nome);
}

QMenu* JanelaVazoes::novoMenu(const QString& legenda) {
    return static_cast<QMenuBar*>(layout()->menuBar())->addMenu(legenda);
}

QAction* JanelaVazoes::novaAcao(QMenu* menu, const char* nome, const QString& legenda,
                                const QKeySequence& tecla) {
    QAction* a = menu->addAction(legenda);
    a->setObjectName(QString::fromLatin1(nome));
    a->setShortcut(tecla);
    addAction(a); // the keys work while the menu is closed
    return a;
}

void JanelaVazoes::novoBotao(QAction* acao, const QString& rotulo, const QColor& cor,
                             const QString& dica) {
    auto* b = new QToolButton(barra_);
    b->setObjectName(QStringLiteral("btn") + acao->objectName());
    b->setIcon(iconeRotulo(rotulo, cor, 28));
    b->setToolTip(dica);
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, acao, &QAction::trigger);
    barra_->addWidget(b);
}

void JanelaVazoes::criarPaginaAnual(const std::vector<QString>& titulos, const char* nomeGrade,
                                    const QString& titulo) {
    modeloAnual_ = new QStandardItemModel(0, static_cast<int>(titulos.size()), this);
    QTableView* grade = novaGradeAnual(paginas_, modeloAnual_, titulos);
    grade->setObjectName(QString::fromLatin1(nomeGrade));
    paginaAnual_ = adicionarPagina(grade, titulo);
}

void JanelaVazoes::mostrarAnuais(const LinhasAnuais& linhas) {
    preencherModelo(*modeloAnual_, linhas);
    mostrarPagina(paginaAnual_);
}

void JanelaVazoes::esconderAnuais() {
    modeloAnual_->setRowCount(0);
    paginas_->setTabVisible(paginaAnual_, false);
}

int JanelaVazoes::adicionarPagina(QWidget* pagina, const QString& titulo) {
    const int i = paginas_->addTab(pagina, titulo);
    paginas_->setTabVisible(i, false);
    return i;
}

void JanelaVazoes::mostrarPagina(int pagina) {
    paginas_->setTabVisible(pagina, true);
    paginas_->setCurrentIndex(pagina);
}

QString JanelaVazoes::estacao() const {
    return edtEstacao_->text();
}

void JanelaVazoes::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (exibida_) return;
    exibida_ = true;
    // After the show: closing the window from inside it would leave a modal loop without end.
    QMetaObject::invokeMethod(this, &JanelaVazoes::FormActivate, Qt::QueuedConnection);
}

void JanelaVazoes::FormActivate() {
    ativar(true);
}

void JanelaVazoes::ativar(bool enviarAoPreProcessamento) {
    try {
        CursorOcupado ocupado;
        qryVazao_ = semSinalizados(lerMesesConsiderados(bancada_.arquivoProjeto), excluidos());
        carregada_ = true;
    } catch (const Erro& e) {
        qryVazao_ = SerieTabela();
        carregada_ = false;
        modeloDados_->definir(nullptr);
        preencherCabecalho();
        dialogos_.mostrar(e);
        reject();
        return;
    }
    modeloDados_->definir(&qryVazao_);
    ajustarColunasAoConteudo(*grdDados_, ModeloDadosVazao::kDia01, ModeloDadosVazao::kColunas - 1,
                             56);
    preencherCabecalho();
    setWindowState(windowState() | Qt::WindowMaximized);
    grdDados_->setFocus();
    aoAtivar();
    if (!qryVazao_.vazia() || !enviarAoPreProcessamento) return;
    if (bancada_.serie.tamanho() > 0) {
        dialogos_.mensagem(
            Gravidade::Erro,
            QStringLiteral(
                "Banco de dados com número insuficiente de registros. Possivelmente todos seus "
                "dadaos foram descartados ou o conjunto de dados estão vazios"));
        principal_.PreProcessamento();
        ativar(false); // once: the user may leave the window empty and close it
    } else {
        dialogos_.mensagem(
            Gravidade::Erro,
            QStringLiteral(
                "Banco de dados com número insuficiente de registros. Abra um novo projeto "
                "ou importe novos dados"));
        reject();
    }
}

void JanelaVazoes::preencherCabecalho() {
    edtInicioAno_->setText(nomeMes(bancada_.inicioAnoHidrologico));
    if (qryVazao_.vazia()) {
        for (QLineEdit* c : {edtEstacao_, edtAnoInicio_, edtAnoFim_})
            c->clear();
        return;
    }
    edtEstacao_->setText(QString::number(qryVazao_[0].estacaoCodigo));
    edtAnoInicio_->setText(QString::number(qryVazao_[0].ano()));
    edtAnoFim_->setText(QString::number(qryVazao_[qryVazao_.tamanho() - 1].ano()));
}

void JanelaVazoes::mostrarAjuda() {
    dialogos_.ajuda(topicoAjuda_);
}

void JanelaVazoes::preProcessar() {
    principal_.PreProcessamento();
    ativar(true);
}

TabelaExibida JanelaVazoes::tabelaDados() const {
    return tabelaDaSerie(qryVazao_, {QStringLiteral("Falhas"), false});
}

void JanelaVazoes::exportarDadosCsv(const FiltroArquivo& filtro) {
    if (!carregada_) {
        dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgSemDadosExportar));
        return;
    }
    const TabelaExibida t = tabelaDados();
    exportarCsvResultado(dialogos_, filtro, rotulos(t), textos(t));
}

void JanelaVazoes::exportarDadosXls() {
    if (!carregada_) {
        dialogos_.mensagem(Gravidade::Erro, QString::fromUtf8(kMsgSemDadosExportar));
        return;
    }
    exportarTabelaXls(estacao(), tabelaDados());
}

void JanelaVazoes::exportarTabelaXls(const QString& titulo, const TabelaExibida& tabela) {
    exportarPlanilha(dialogos_, titulo, [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, tabela, titulo);
    });
}

void JanelaVazoes::entregarDistribuicao(bool maximos, const std::vector<EventoAnual>& eventos,
                                        const std::optional<QString>& estacao) {
    {
        TfrmDistribution distribuicao(bancada_, dialogos_, this);
        distribuicao.EventosMaximos = maximos;
        distribuicao.IniciarAnalise();
        for (const EventoAnual& e : eventos)
            distribuicao.AdicionarEvento(e.rotulo, e.valor);
        if (estacao) distribuicao.definirEstacao(*estacao);
        dialogos_.executar(distribuicao);
    }
    ativar(true);
}

void JanelaVazoes::entregarEstacionariedade(const QString& legenda,
                                            const std::vector<EventoAnual>& eventos) {
    // A failure anywhere here abandons the command without a word.
    try {
        TfrmFoEstaciona estacionariedade(bancada_, dialogos_, this);
        estacionariedade.LimparDadosEntrada();
        estacionariedade.definirPeriodoMinimo(QStringLiteral("5 anos"));
        for (const EventoAnual& e : eventos)
            if (!estacionariedade.AdicionarDadoEntrada(e.rotulo, e.rotulo, e.valor)) return;
        estacionariedade.preencherListas({}, false);
        estacionariedade.setWindowTitle(legenda);
        estacionariedade.definirEstacao(estacao());
        dialogos_.executar(estacionariedade);
    } catch (...) {
        return;
    }
    ativar(true);
}

void JanelaVazoes::entregarEstacionariedade(const EntregaEstacionariedade& entrega) {
    // A failure anywhere here abandons the command without a word.
    try {
        TfrmFoEstaciona estacionariedade(bancada_, dialogos_, this);
        estacionariedade.LimparDadosEntrada();
        estacionariedade.definirPeriodoMinimo(entrega.periodoMinimo);
        QStringList anos;
        for (const EntradaEstacionariedade& e : entrega.entradas) {
            if (!estacionariedade.AdicionarDadoEntrada(e.dataTexto, e.rotulo, e.valor)) return;
            anos << e.anoTexto;
        }
        estacionariedade.preencherListas(anos, entrega.porAno);
        estacionariedade.setWindowTitle(entrega.legenda);
        estacionariedade.definirEstacao(estacao());
        dialogos_.executar(estacionariedade);
    } catch (...) {
        return;
    }
    ativar(true);
}

void JanelaVazoes::guardarCabecalho(const QString& periodo) {
    inicioAnoCalculo_ = nomeMes(bancada_.inicioAnoHidrologico);
    periodoCalculo_ = periodo;
}

void JanelaVazoes::guardarCabecalho(const QString& anoInicio, const QString& anoFim) {
    guardarCabecalho(anoInicio + QStringLiteral(" - ") + anoFim);
}

QString JanelaVazoes::linhaPeriodo() const {
    return QStringLiteral("Período: ") + periodoCalculo_ +
           textoExcluidos(excluidos());
}

Sinalizacoes JanelaVazoes::excluidos() const {
    return excluirSinalizados_->isChecked() ? kSinalizacoesPadrao : Sinalizacoes{kSemSinal};
}

void JanelaVazoes::mostrarSinais(const QString& texto) {
    lblSinais_->setText(texto);
    lblSinais_->setVisible(!texto.isEmpty());
}

void JanelaVazoes::trocarSinalizados() {
    // The table again, without the flagged days or with them; the results of the other table go.
    ativar(false);
}

relatorio::Relatorio JanelaVazoes::montarRelatorio(const RelatorioTexto& tabela,
                                                   const std::vector<QString>& linhasFinais) const {
    relatorio::Relatorio r;
    relatorio::TirarGrade(r, static_cast<int>(tabela.colunas.size()));
    r.titulo = QStringLiteral("RELATÓRIO");
    r.cabecalho = {tabela.titulo, QStringLiteral("Técnico responsável: ") + bancada_.tecnico,
                   QStringLiteral("Código da estação: ") + estacao(),
                   QStringLiteral("Início do ano hidrológico: ") + inicioAnoCalculo_};
    r.cabecalho.insert(r.cabecalho.end(), linhasFinais.begin(), linhasFinais.end());
    for (std::size_t c = 0; c < tabela.colunas.size() && c < r.colunas.size(); ++c) {
        r.colunas[c].titulo = tabela.colunas[c];
        r.colunas[c].alinhamento = Qt::AlignCenter;
    }
    r.linhas = tabela.linhas;
    r.notas = tabela.notas;
    return r;
}

relatorio::Relatorio JanelaVazoes::montarRelatorio(const QString& titulo,
                                                   const QString& linhaDuracao,
                                                   const std::vector<QString>& colunas,
                                                   const LinhasAnuais& linhas) const {
    return montarRelatorio(RelatorioTexto{titulo, colunas, linhas}, {linhaDuracao, linhaPeriodo()});
}

void JanelaVazoes::imprimirAnual(const std::function<relatorio::Relatorio()>& montar) {
    imprimirRelatorio(this, dialogos_, bancada_, montar);
    ativar(true);
}

void JanelaVazoes::preencherModelo(QStandardItemModel& modelo, const LinhasAnuais& linhas) {
    modelo.setRowCount(0);
    for (const auto& linha : linhas) {
        QList<QStandardItem*> itens;
        for (const QString& texto : linha) {
            auto* item = new QStandardItem(texto);
            item->setTextAlignment(Qt::AlignCenter);
            itens << item;
        }
        modelo.appendRow(itens);
    }
}

QTableView* novaGradeAnual(QWidget* pai, QStandardItemModel* modelo,
                           const std::vector<QString>& titulos) {
    QStringList t;
    for (const QString& s : titulos)
        t << s;
    modelo->setHorizontalHeaderLabels(t);
    auto* g = new QTableView(pai);
    g->setModel(modelo);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setDefaultSectionSize(150);
    g->horizontalHeader()->setStretchLastSection(false);
    return g;
}

} // namespace corvel::ui
