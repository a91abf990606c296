// Mean-flow window: layout, the year boxes, the three result tables, the long-term line, the
// stationarity hand-over, exports and reports.
#include "TfrmVazaoMedia.h"
#include "comando.h"

#include "cursorocupado.h"
#include "modelotabelatexto.h"
#include "saidas.h"

#include "analyses/sinalizados.h"
#include "analyses/tabelasmedias.h"
#include "core/bancada.h"
#include "core/formato.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableView>

namespace corvel::ui {

namespace {

// The input data keep the dialog filter of the agency's own exports; the results another.
const FiltroArquivo kFiltroDados{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"),
    QStringLiteral("CSV")};
const FiltroArquivo kFiltroResultados{
    QStringLiteral("Exportando arquivo"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};

} // namespace

TfrmVazaoMedia::TfrmVazaoMedia(TfrmPrincipal& principal)
    : JanelaVazoes(principal, QStringLiteral("Vazões Médias"), kTopicoVazaoMedia, FormaDados{}) {
    setObjectName(QStringLiteral("TfrmVazaoMedia"));
    gradeDados()->setColumnHidden(ModeloDadosVazao::kFalhas, true); // exported, not shown
    // The period of the annual means can be narrowed by typing the years: digits only.
    for (QLineEdit* ano : {edtAnoInicio_, edtAnoFim_}) {
        ano->setReadOnly(false);
        ano->setFocusPolicy(Qt::StrongFocus);
        ano->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), ano));
        ano->setMaxLength(4);
    }
    // The long-term mean under the header, without a frame; empty until a calculation.
    lblLongaDuracao_ = new QLabel(this);
    lblLongaDuracao_->setObjectName(QStringLiteral("lblLongaDuracao"));
    lblLongaDuracao_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblLongaDuracao_->hide();
    informacoes()->addRow(lblLongaDuracao_);

    modeloAnual_ = new ModeloTabelaTexto(1, this);
    modeloMensal_ = new ModeloTabelaTexto(1, this);
    modeloLongaDuracao_ = new ModeloTabelaTexto(1, this);
    paginaAnual_ = adicionarPagina(novaGradeResultados(paginas(), modeloAnual_, "grdMediasAnuais"),
                                   QStringLiteral("Vazões médias anuais"));
    paginaMensal_ =
        adicionarPagina(novaGradeResultados(paginas(), modeloMensal_, "grdMediasMensais"),
                        QStringLiteral("Vazões médias mensais"));
    paginaLongaDuracao_ = adicionarPagina(
        novaGradeResultados(paginas(), modeloLongaDuracao_, "grdMediasLongaDuracao"),
        QStringLiteral("Médias mensais de longa duração"));
    criarComandos();
}

void TfrmVazaoMedia::criarComandos() {
    QMenu* arquivo = novoMenu(QStringLiteral("Arquivo"));
    const auto exportar = [&](const char* legenda, const char* nomeCsv, const char* nomeXls,
                              void (TfrmVazaoMedia::*csv)(), void (TfrmVazaoMedia::*xls)(),
                              bool primeiros) {
        QMenu* m = arquivo->addMenu(QString::fromUtf8(legenda));
        novoComando(
            m, nomeCsv,
            primeiros
                ? QStringLiteral("*.CSV (Arquivos separados por ponto-e-vírgula)")
                : QStringLiteral("*.CSV (Arquivos texto com dados separados por ponto-e-vírgula)"),
            csv);
        novoComando(m, nomeXls,
                    primeiros ? QStringLiteral("*.XLS (Arquivos de Excel)")
                              : QStringLiteral("*.XLS (Arquivos do Excel)"),
                    xls);
    };
    exportar("Exportar \"Dados de entrada\"", "DadosCsv1", "DadosXls1",
             &TfrmVazaoMedia::DadosCsv1Click, &TfrmVazaoMedia::DadosXls1Click, true);
    exportar("Exportar \"Vazões médias anuais\"", "AnuaisCsv1", "AnuaisXls1",
             &TfrmVazaoMedia::AnuaisCsv1Click, &TfrmVazaoMedia::AnuaisXls1Click, true);
    exportar("Exportar \"Vazões médias mensais\"", "MensaisCsv1", "MensaisXls1",
             &TfrmVazaoMedia::MensaisCsv1Click, &TfrmVazaoMedia::MensaisXls1Click, false);
    exportar("Exportar \"Vazões médias mensais de longa duração\"", "LongaDuracaoCsv1",
             "LongaDuracaoXls1", &TfrmVazaoMedia::LongaDuracaoCsv1Click,
             &TfrmVazaoMedia::LongaDuracaoXls1Click, false);
    QMenu* imprimir = arquivo->addMenu(QStringLiteral("Imprimir"));
    novoComando(imprimir, "ImprimirAnuais1", QStringLiteral("Vazões médias anuais"),
                &TfrmVazaoMedia::ImprimirAnuais1Click);
    novoComando(imprimir, "ImprimirMensais1", QStringLiteral("Vazões médias mensais"),
                &TfrmVazaoMedia::ImprimirMensais1Click);
    novoComando(imprimir, "ImprimirLongaDuracao1",
                QStringLiteral("Vazões médias mensais de longa duração"),
                &TfrmVazaoMedia::ImprimirLongaDuracao1Click);
    arquivo->addSeparator();
    novoComando(arquivo, "Fechar1", QStringLiteral("Fechar"), &QDialog::reject,
                QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* operacoes = novoMenu(QStringLiteral("Operações"));
    QAction* pre = novoComando(operacoes, "PreProcessamento1", QStringLiteral("Pré-processamento"),
                               &TfrmVazaoMedia::PreProcessamento1Click, QKeySequence(Qt::Key_F10));
    QAction* calcular = novoComando(operacoes, "Calcular1", QStringLiteral("Calcular"),
                                    &TfrmVazaoMedia::btnCalcularClick, QKeySequence(Qt::Key_F11));
    QAction* estacionariedade =
        novoComando(operacoes, "Estacionariedade1", QStringLiteral("Estacionariedade"),
                    &TfrmVazaoMedia::EstacionariedadeClick, QKeySequence(Qt::CTRL | Qt::Key_E));
    novoComando(operacoes, "Regionalizacao1",
                QStringLiteral("Adicionar a vazão média de longa duração ao projeto de "
                               "regionalização"),
                &TfrmVazaoMedia::AdicionarEventoARegionalizacao);

    QMenu* ajuda = novoMenu(QStringLiteral("Ajuda"));
    novoComando(ajuda, "ConteudodaAjuda1", QStringLiteral("Conteúdo da ajuda"),
                &TfrmVazaoMedia::mostrarAjuda, QKeySequence(Qt::Key_F1));

    // The toolbar's print asks for each report; it has no menu item of its own.
    auto* imprimirTodos = new QAction(QStringLiteral("Imprimir"), this);
    imprimirTodos->setObjectName(QStringLiteral("Imprimir1"));
    connect(imprimirTodos, &QAction::triggered, this,
            comando(dialogos_, this, &TfrmVazaoMedia::btnImprimirClick));
    novoBotao(imprimirTodos, QStringLiteral("Imp"), QColor(0x55, 0x5f, 0x6b),
              QStringLiteral("Imprimir"));
    novoBotao(pre, QStringLiteral("Pré"), QColor(0x6a, 0x4c, 0x93),
              QStringLiteral("Pré-processamento"));
    novoBotao(calcular, QStringLiteral("Calc"), QColor(0x2e, 0x86, 0x4b),
              QStringLiteral("Calcular vazões médias"));
    novoBotao(estacionariedade, QStringLiteral("Est"), QColor(0x1f, 0x5f, 0x8b),
              QStringLiteral("Estacionariedade"));
}

void TfrmVazaoMedia::aoAtivar() {
    paginas()->setCurrentIndex(0); // results already calculated keep their pages
}

TabelaExibida TfrmVazaoMedia::tabelaDados() const {
    return dadosEntradaMedias(qryVazao_);
}

void TfrmVazaoMedia::btnCalcularClick() {
    CursorOcupado ocupado;
    edtInicioAno_->setText(nomeMes(bancada_.inicioAnoHidrologico));
    std::optional<AnosCalculo> anos;
    try {
        anos = lerAnosCalculo(edtAnoInicio_->text(), edtAnoFim_->text());
    } catch (const Erro& e) {
        ocupado.liberar();
        dialogos_.mostrar(e);
    }
    // Stopped by the year boxes, the annual table stays empty and the long-term line as it was;
    // the monthly tables are rebuilt all the same.
    if (anos) {
        VazoesMedias r =
            CalculaVazoesMedias(qryVazao_, bancada_.inicioAnoHidrologico, anos->inicio, anos->fim);
        anuais_ = std::move(r.anuais);
        mensais_ = std::move(r.mensais);
        textoLongaDuracao_ = r.linhaLongaDuracao;
        guardarCabecalho(QString::number(anos->inicio), QString::number(anos->fim));
    } else {
        anuais_.reset();
        mensais_ = MediaAnualDeLongaDuracao(qryVazao_);
        guardarCabecalho(edtAnoInicio_->text().trimmed(), edtAnoFim_->text().trimmed());
    }
    modeloAnual_->definir(tabelaMediasAnuais(anuais_ ? *anuais_ : std::vector<MediaAnual>()));
    {
        int dias = 0;
        for (const RegistroMensal& r : qryVazao_.armazenados())
            dias += r.validos();
        mostrarSinais(textoDiasSinalizados(sinaisDosDias(qryVazao_), dias));
    }
    modeloMensal_->definir(tabelaMediasMensais(mensais_->meses));
    modeloLongaDuracao_->definir(
        tabelaMediasLongaDuracao(mensais_->longaDuracao, FormaTexto::Grade));
    paginas()->setTabVisible(paginaAnual_, true);
    paginas()->setTabVisible(paginaLongaDuracao_, true);
    mostrarPagina(paginaMensal_);
    if (anos) {
        lblLongaDuracao_->setText(textoLongaDuracao_);
        lblLongaDuracao_->show();
    }
}

const std::vector<MediaAnual>* TfrmVazaoMedia::tabelaAnual() {
    if (!anuais_) btnCalcularClick();
    return anuais_ ? &*anuais_ : nullptr;
}

const MediasMensais& TfrmVazaoMedia::tabelasMensais() {
    if (!mensais_) btnCalcularClick();
    return *mensais_;
}

void TfrmVazaoMedia::PreProcessamento1Click() {
    preProcessar();
}

void TfrmVazaoMedia::EstacionariedadeClick() {
    if (const auto* anuais = tabelaAnual()) entregarEstacionariedade(entregaMediasAnuais(*anuais));
}

void TfrmVazaoMedia::AdicionarEventoARegionalizacao() {
    // No regionalization project exists yet: the command only makes sure the means are there.
    tabelaAnual();
}

void TfrmVazaoMedia::DadosCsv1Click() {
    exportarDadosCsv(kFiltroDados);
}

void TfrmVazaoMedia::DadosXls1Click() {
    exportarDadosXls();
}

void TfrmVazaoMedia::AnuaisCsv1Click() {
    if (const auto* anuais = tabelaAnual())
        exportarCsvTexto(dialogos_, kFiltroResultados, tabelaMediasAnuais(*anuais));
}

void TfrmVazaoMedia::AnuaisXls1Click() {
    if (const auto* anuais = tabelaAnual())
        exportarTabelaXls(QString::fromUtf8(kPlanilhaMediasAnuais),
                          tabelaExibida(tabelaMediasAnuais(*anuais)));
}

void TfrmVazaoMedia::MensaisCsv1Click() {
    exportarCsvTexto(dialogos_, kFiltroResultados, tabelaMediasMensais(tabelasMensais().meses));
}

void TfrmVazaoMedia::MensaisXls1Click() {
    exportarTabelaXls(QString::fromUtf8(kPlanilhaMediasMensais),
                      tabelaExibida(tabelaMediasMensais(tabelasMensais().meses)));
}

void TfrmVazaoMedia::LongaDuracaoCsv1Click() {
    exportarCsvTexto(dialogos_, kFiltroResultados,
                     tabelaMediasLongaDuracao(tabelasMensais().longaDuracao, FormaTexto::Csv));
}

void TfrmVazaoMedia::LongaDuracaoXls1Click() {
    exportarTabelaXls(QString::fromUtf8(kPlanilhaMediasLongaDuracao),
                      planilhaMediasLongaDuracao(tabelasMensais().longaDuracao));
}

std::vector<QString> TfrmVazaoMedia::linhasFinaisRelatorio() const {
    const LinhaRotulada longa = linhaRelatorioLongaDuracao(textoLongaDuracao_);
    return {linhaPeriodo(), longa.rotulo + longa.valor};
}

relatorio::Relatorio TfrmVazaoMedia::relatorioAnual() {
    const auto* anuais = tabelaAnual();
    return montarRelatorio(relatorioMediasAnuais(anuais ? *anuais : std::vector<MediaAnual>()),
                           linhasFinaisRelatorio());
}

relatorio::Relatorio TfrmVazaoMedia::relatorioMensal() {
    return montarRelatorio(relatorioMediasMensais(tabelasMensais().meses), linhasFinaisRelatorio());
}

relatorio::Relatorio TfrmVazaoMedia::relatorioLongaDuracao() {
    return montarRelatorio(relatorioMediasLongaDuracao(tabelasMensais().longaDuracao),
                           linhasFinaisRelatorio());
}

void TfrmVazaoMedia::ImprimirAnuais1Click() {
    if (tabelaAnual()) imprimirAnual([this] { return relatorioAnual(); });
}

void TfrmVazaoMedia::ImprimirMensais1Click() {
    tabelasMensais();
    imprimirAnual([this] { return relatorioMensal(); });
}

void TfrmVazaoMedia::ImprimirLongaDuracao1Click() {
    tabelasMensais();
    imprimirAnual([this] { return relatorioLongaDuracao(); });
}

void TfrmVazaoMedia::btnImprimirClick() {
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir \"Vazões médias anuais\"?")))
        ImprimirAnuais1Click();
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir \"Vazões médias mensais\"?")))
        ImprimirMensais1Click();
    if (dialogos_.pergunta(
            QStringLiteral("Deseja imprimir \"Vazões médias mensais de longa duração\"?")))
        ImprimirLongaDuracao1Click();
}

} // namespace corvel::ui
