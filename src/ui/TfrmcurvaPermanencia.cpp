// Flow-duration window: layout of the curve pages, the calculation, exports, reports.
#include "TfrmcurvaPermanencia.h"
#include "comando.h"

#include "cursorocupado.h"
#include "graficopermanencia.h"
#include "modelotabelatexto.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "analyses/tabelaspermanencia.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace corvel::ui {

namespace {

const QString kCsv =
    QStringLiteral("*.CSV (Arquivo texto com dados separados por ponto-e-vírgula)");
const QString kXls = QStringLiteral("*.XLS (Arquivos do Excel)");
const FiltroArquivo kFiltroTexto{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};
const FiltroArquivo kFiltroReferencias{QStringLiteral("Exportando arquivo"),
                                       QStringLiteral("Arquivos csv (*.csv)"),
                                       QStringLiteral("csv")};

} // namespace

TfrmcurvaPermanencia::TfrmcurvaPermanencia(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Curva de Permanência"), kTopicoCurvaPermanencia,
                   FormaDados{false, true, u"###,###,##0.##"}) {
    setObjectName(QStringLiteral("TfrmcurvaPermanencia"));
    gradeDados()->setColumnHidden(ModeloDadosVazao::kFalhas, true);
    modeloClasses_ = new ModeloTabelaTexto(1, this);
    modeloReferenciasClasses_ = new ModeloTabelaTexto(1, this);
    modeloContinua_ = new ModeloTabelaTexto(0, this);
    modeloReferenciasContinua_ = new ModeloTabelaTexto(1, this);
    paginaClasses_ = adicionarPagina(
        criarPaginaCurva(0, QStringLiteral("Classes"), modeloClasses_, modeloReferenciasClasses_),
        QStringLiteral("Curva de permanência (com classes)"));
    paginaContinua_ = adicionarPagina(criarPaginaCurva(1, QStringLiteral("Continua"),
                                                       modeloContinua_, modeloReferenciasContinua_),
                                      QStringLiteral("Curva de permanência (contínua)"));
    criarComandos();
}

QWidget* TfrmcurvaPermanencia::criarPaginaCurva(int curva, const QString& sufixo,
                                                ModeloTabelaTexto* frequencia,
                                                ModeloTabelaTexto* referencias) {
    auto* sub = new QTabWidget(paginas());
    sub->setObjectName(QStringLiteral("pgc") + sufixo);
    const QByteArray nomeFrequencia = "grdFrequencia" + sufixo.toLatin1();
    const QByteArray nomeReferencias = "grdReferencias" + sufixo.toLatin1();
    sub->addTab(novaGradeResultados(sub, frequencia, nomeFrequencia.constData()),
                QStringLiteral("Análise de frequência"));
    sub->addTab(novaGradeResultados(sub, referencias, nomeReferencias.constData()),
                QStringLiteral("Vazões X permanência"));
    auto* grafico = new PaginaGraficoPermanencia(sufixo, dialogos_, sub);
    sub->addTab(grafico, QStringLiteral("Gráfico"));
    subpaginas_[static_cast<std::size_t>(curva)] = sub;
    graficos_[static_cast<std::size_t>(curva)] = grafico;
    return sub;
}

void TfrmcurvaPermanencia::criarComandos() {
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    QMenu* dados = arquivo->addMenu(QStringLiteral("Exportar \"Dados de entrada\""));
    novoComando(dados, "DadosCsv1", kCsv, &TfrmcurvaPermanencia::DadosCsv1Click);
    novoComando(dados, "DadosXls1", kXls, &TfrmcurvaPermanencia::DadosXls1Click);
    QMenu* frequencia = arquivo->addMenu(QStringLiteral("Exportar \"Análise de frequência\""));
    QMenu* frequenciaClasses = frequencia->addMenu(QStringLiteral("(Com Classes)"));
    novoComando(frequenciaClasses, "FrequenciaClassesCsv1", kCsv,
                &TfrmcurvaPermanencia::FrequenciaClassesCsv1Click);
    novoComando(frequenciaClasses, "FrequenciaClassesXls1", kXls,
                &TfrmcurvaPermanencia::FrequenciaClassesXls1Click);
    QMenu* frequenciaContinua = frequencia->addMenu(QStringLiteral("(Contínua)"));
    novoComando(frequenciaContinua, "FrequenciaContinuaCsv1", kCsv,
                &TfrmcurvaPermanencia::FrequenciaContinuaCsv1Click);
    novoComando(frequenciaContinua, "FrequenciaContinuaXls1", kXls,
                &TfrmcurvaPermanencia::FrequenciaContinuaXls1Click);
    QMenu* vazoes = arquivo->addMenu(QStringLiteral("Exportar \"Vazões X Permanência\""));
    QMenu* vazoesClasses = vazoes->addMenu(QStringLiteral("(Com Classes)"));
    novoComando(vazoesClasses, "VazoesClassesCsv1", kCsv,
                &TfrmcurvaPermanencia::VazoesClassesCsv1Click);
    novoComando(vazoesClasses, "VazoesClassesXls1", kXls,
                &TfrmcurvaPermanencia::VazoesClassesXls1Click);
    QMenu* vazoesContinua = vazoes->addMenu(QStringLiteral("(Contínua)"));
    novoComando(vazoesContinua, "VazoesContinuaCsv1", kCsv,
                &TfrmcurvaPermanencia::VazoesContinuaCsv1Click);
    novoComando(vazoesContinua, "VazoesContinuaXls1", kXls,
                &TfrmcurvaPermanencia::VazoesContinuaXls1Click);
    QMenu* impressao = arquivo->addMenu(QStringLiteral("Imprimir"));
    novoComando(impressao, "ImprimirVazoesClasses1",
                QStringLiteral("\"Vazões X Permanência (com classes)\""),
                &TfrmcurvaPermanencia::ImprimirVazoesClasses1Click);
    novoComando(impressao, "ImprimirFrequenciaClasses1",
                QStringLiteral("\"Análise de freqüência (com classes)\""),
                &TfrmcurvaPermanencia::ImprimirFrequenciaClasses1Click);
    novoComando(impressao, "ImprimirVazoesContinua1",
                QStringLiteral("\"Vazões X Permanência (Contínua)\""),
                &TfrmcurvaPermanencia::ImprimirVazoesContinua1Click);
    novoComando(impressao, "ImprimirFrequenciaContinua1",
                QStringLiteral("\"Análise de freqüência (contínua)\""),
                &TfrmcurvaPermanencia::ImprimirFrequenciaContinua1Click);
    arquivo->addSeparator();
    novoComando(arquivo, "Fechar1", QStringLiteral("Fechar"), &QDialog::reject,
                QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre =
        novoComando(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento"),
                    &TfrmcurvaPermanencia::PreProcessamento1Click, QKeySequence(Qt::Key_F10));
    QAction* calcular =
        novoComando(operacoes, "Calcular1", QStringLiteral("Calcular"),
                    &TfrmcurvaPermanencia::btnCalcularClick, QKeySequence(Qt::Key_F11));

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da Ajuda"),
                &TfrmcurvaPermanencia::mostrarAjuda, QKeySequence(Qt::Key_F1));

    // The toolbar's print asks for each report; it has no menu item of its own.
    auto* imprimirTodos = new QAction(QStringLiteral("Imprimir"), this);
    imprimirTodos->setObjectName(QStringLiteral("Imprimir1"));
    connect(imprimirTodos, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmcurvaPermanencia::btnImprimirClick));
    novoBotao(imprimirTodos, QStringLiteral("Imp"), QColor(0x55, 0x5f, 0x6b),
              QStringLiteral("Imprimir"));
    novoBotao(pre, QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93),
              QStringLiteral("Pré-processamento"));
    novoBotao(calcular, QStringLiteral("Calc"), QColor(0x11, 0x7a, 0x8b),
              QStringLiteral("Calcular curva de permanência"));
}

TabelaExibida TfrmcurvaPermanencia::tabelaDados() const {
    return dadosEntradaPermanencia(qryVazao_);
}

void TfrmcurvaPermanencia::btnCalcularClick() {
    CursorOcupado ocupado;
    try {
        curva_ = CalcularPermanencia(qryVazao_);
    } catch (const Erro& e) {
        // Without a single flow there is no curve to show: the pages go with the old results.
        curva_.reset();
        for (ModeloTabelaTexto* m : {modeloClasses_, modeloReferenciasClasses_, modeloContinua_,
                                     modeloReferenciasContinua_})
            m->limpar();
        paginas()->setTabVisible(paginaClasses_, false);
        paginas()->setTabVisible(paginaContinua_, false);
        ocupado.liberar();
        dialogos_.mostrar(e);
        return;
    }
    guardarCabecalho(periodoPermanencia(qryVazao_));
    const CurvaPermanencia& c = *curva_;
    modeloClasses_->definir(tabelaClasses(c.classes, FormaTexto::Grade));
    modeloReferenciasClasses_->definir(
        tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Grade));
    modeloContinua_->definir(tabelaContinua(c.continua, FormaTexto::Grade));
    modeloReferenciasContinua_->definir(
        tabelaReferenciasContinua(c.referenciasContinua, FormaTexto::Grade));
    graficos_[0]->grafico()->desenhar(graficoClasses(c.classes));
    graficos_[1]->grafico()->desenhar(graficoContinua(c.continua));
    mostrarSinais(textoDiasSinalizados(c.sinais, c.diasValidos));
    paginas()->setTabVisible(paginaClasses_, true);
    mostrarPagina(paginaContinua_);
}

const CurvaPermanencia* TfrmcurvaPermanencia::curvaCalculada() {
    if (!curva_) btnCalcularClick();
    return curva_ ? &*curva_ : nullptr;
}

void TfrmcurvaPermanencia::PreProcessamento1Click() {
    preProcessar();
}

void TfrmcurvaPermanencia::DadosCsv1Click() {
    exportarDadosCsv(kFiltroTexto);
}

void TfrmcurvaPermanencia::DadosXls1Click() {
    exportarDadosXls();
}

void TfrmcurvaPermanencia::FrequenciaClassesCsv1Click() {
    if (const auto* c = curvaCalculada())
        exportarCsvTexto(dialogos_, kFiltroTexto, tabelaClasses(c->classes, FormaTexto::Csv));
}

void TfrmcurvaPermanencia::FrequenciaClassesXls1Click() {
    if (const auto* c = curvaCalculada())
        exportarTabelaXls(QString::fromUtf8(kPlanilhaClasses), planilhaClasses(c->classes));
}

void TfrmcurvaPermanencia::FrequenciaContinuaCsv1Click() {
    if (const auto* c = curvaCalculada())
        exportarCsvTexto(dialogos_, kFiltroTexto, tabelaContinua(c->continua, FormaTexto::Csv));
}

void TfrmcurvaPermanencia::FrequenciaContinuaXls1Click() {
    if (const auto* c = curvaCalculada())
        exportarTabelaXls(QString::fromUtf8(kPlanilhaContinua), planilhaContinua(c->continua));
}

void TfrmcurvaPermanencia::VazoesClassesCsv1Click() {
    if (const auto* c = curvaCalculada())
        exportarCsvTexto(dialogos_, kFiltroReferencias,
                         tabelaReferenciasClasses(c->referenciasClasses, FormaTexto::Csv));
}

void TfrmcurvaPermanencia::VazoesClassesXls1Click() {
    if (const auto* c = curvaCalculada())
        exportarTabelaXls(QString::fromUtf8(kPlanilhaReferenciasClasses),
                          planilhaReferenciasClasses(c->referenciasClasses));
}

void TfrmcurvaPermanencia::VazoesContinuaCsv1Click() {
    if (const auto* c = curvaCalculada())
        exportarCsvTexto(dialogos_, kFiltroReferencias,
                         tabelaReferenciasContinua(c->referenciasContinua, FormaTexto::Csv));
}

void TfrmcurvaPermanencia::VazoesContinuaXls1Click() {
    if (const auto* c = curvaCalculada())
        exportarTabelaXls(QString::fromUtf8(kPlanilhaReferenciasContinua),
                          planilhaReferenciasContinua(c->referenciasContinua));
}

std::vector<QString> TfrmcurvaPermanencia::linhasFinaisRelatorio() const {
    return {linhaPeriodo(), QString()}; // the duration line stays blank
}

relatorio::Relatorio TfrmcurvaPermanencia::relatorioVazoesClasses() {
    const auto* c = curvaCalculada();
    return montarRelatorio(
        relatorioReferenciasClasses(c ? c->referenciasClasses : std::vector<ReferenciaClasse>()),
        linhasFinaisRelatorio());
}

relatorio::Relatorio TfrmcurvaPermanencia::relatorioFrequenciaClasses() {
    const auto* c = curvaCalculada();
    return montarRelatorio(relatorioClasses(c ? c->classes : std::vector<ClassePermanencia>()),
                           linhasFinaisRelatorio());
}

relatorio::Relatorio TfrmcurvaPermanencia::relatorioVazoesContinua() {
    const auto* c = curvaCalculada();
    return montarRelatorio(relatorioReferenciasContinua(c ? c->referenciasContinua
                                                          : std::vector<ReferenciaContinua>()),
                           linhasFinaisRelatorio());
}

relatorio::Relatorio TfrmcurvaPermanencia::relatorioFrequenciaContinua() {
    const auto* c = curvaCalculada();
    return montarRelatorio(relatorioContinua(c ? c->continua : std::vector<PontoPermanencia>()),
                           linhasFinaisRelatorio());
}

void TfrmcurvaPermanencia::imprimir(relatorio::Relatorio (TfrmcurvaPermanencia::*montar)()) {
    if (curvaCalculada()) imprimirAnual([this, montar] { return (this->*montar)(); });
}

void TfrmcurvaPermanencia::ImprimirVazoesClasses1Click() {
    imprimir(&TfrmcurvaPermanencia::relatorioVazoesClasses);
}

void TfrmcurvaPermanencia::ImprimirFrequenciaClasses1Click() {
    imprimir(&TfrmcurvaPermanencia::relatorioFrequenciaClasses);
}

void TfrmcurvaPermanencia::ImprimirVazoesContinua1Click() {
    imprimir(&TfrmcurvaPermanencia::relatorioVazoesContinua);
}

void TfrmcurvaPermanencia::ImprimirFrequenciaContinua1Click() {
    imprimir(&TfrmcurvaPermanencia::relatorioFrequenciaContinua);
}

void TfrmcurvaPermanencia::btnImprimirClick() {
    if (dialogos_.pergunta(
            QStringLiteral("Deseja imprimir as \"Vazões X Permanência (com classes)\"?")))
        ImprimirVazoesClasses1Click();
    if (dialogos_.pergunta(
            QStringLiteral("Deseja imprimir \"Análise de frequência (com classes)\"?")))
        ImprimirFrequenciaClasses1Click();
    if (dialogos_.pergunta(
            QStringLiteral("Deseja imprimir as \"Vazões X Permanência (contínua)\"?")))
        ImprimirVazoesContinua1Click();
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir \"Análise de frequência (contínua)\"?")))
        ImprimirFrequenciaContinua1Click();
}

} // namespace corvel::ui
