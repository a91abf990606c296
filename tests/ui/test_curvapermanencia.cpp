// The flow-duration window opened with F7's action and driven through scripted dialogs: both curve
// pages with their grids and charts, the logarithmic flow axis, the exports, the four reports and
// the window without a single valid flow. Expected values worked by hand.
#include "janelasanalise.h"

#include "ui/TfrmcurvaPermanencia.h"
#include "ui/graficopermanencia.h"
#include "ui/modelotabelatexto.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QTabWidget>
#include <QValueAxis>
#include <algorithm>

using namespace corvel;

namespace {

class JanelaPermanencia : public teste::JanelasAnalise {
  protected:
    // 1990, every day missing but 1 to 5 January: 0, 1, 2, 3, 4; February (100 a day) discarded.
    void abrirCincoDias() {
        abrir(
            QDate(1990, 1, 1), QDate(1990, 12, 1),
            [](QDate d) -> std::optional<double> {
                if (d.month() == 2) return 100.0;
                if (d.month() == 1 && d.day() <= 5) return d.day() - 1.0;
                return std::nullopt;
            },
            1,
            [](SerieTabela& s) {
                for (RegistroMensal& r : s.armazenados())
                    if (r.data.month() == 2) r.vazao01Status = kDescartado;
            });
    }
};

std::vector<QPointF> pontos(const ui::GraficoCurvaPermanencia* g) {
    const QList<QPointF> p = g->linha()->points();
    return {p.begin(), p.end()};
}

// Continuous curve of 0, 1, 2, 3, 4: 100, 80, 60, 40 and 20 %. Q95 = 0 + (1 - 0) x (95 - 100) /
// (80 - 100) = 0,25, and so on by quarters up to Q50 = 2,5; Q80 and Q60 match a row.
const QStringList kReferenciasContinua = {"95|0,2500", "90|0,5000", "85|0,7500", "80|1,0000",
                                          "75|1,2500", "70|1,5000", "65|1,7500", "60|2,0000",
                                          "55|2,2500", "50|2,5000"};
// Classes from 4 down to 0,0001 (the zero flow), ratio r = 40 000^(1/50) = 1,23607: class 50
// (3,2361; 4] holds 4 (F 20), 49 holds 3 (F 40), 47 holds 2 (F 60), 44 holds 1 (F 80); the zero
// day goes to Fx of class 1. Q95 to Q85 lie between classes 2 and 1 (bounds 0,0001236 and 0,0001),
// Q80 is class 2's bound, Q75 = 0,90734 + (1,12153 - 0,90734) x 5 / 20, Q60 is class 45's bound
// 4 / r^5 = 1,12153 and Q50 = 1,71354 + (2,11805 - 1,71354) x 10 / 20.
// Below 1 m³/s three significant digits: a creek's figures stay readable.
const QStringList kReferenciasClasses = {"95|0,000106", "90|0,000112", "85|0,000118", "80|0,000124",
                                         "75|0,9609", "70|1,0144", "65|1,0680", "60|1,1215",
                                         "55|1,8147", "50|1,9158"};

TEST_F(JanelaPermanencia, DuasCurvasComGraficosEEscalaLogaritmica) {
    abrirCincoDias();
    analisar<ui::TfrmcurvaPermanencia>("CurvaPermanencia1", [&](ui::TfrmcurvaPermanencia& j) {
        EXPECT_EQ(j.windowTitle(), QStringLiteral("Curva de Permanência"));
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaClasses()));
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaContinua()));
        const QAbstractItemModel* dados = j.gradeDados()->model();
        EXPECT_TRUE(j.gradeDados()->isColumnHidden(1));
        EXPECT_EQ(dados->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Dia 01"));
        EXPECT_EQ(dados->index(0, 2 + 4).data().toString(), QStringLiteral("4"));
        EXPECT_EQ(dados->rowCount(), 11); // February is not considered

        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_TRUE(j.paginas()->isTabVisible(j.paginaClasses()));
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaContinua());
        EXPECT_EQ(j.paginas()->tabText(j.paginaClasses()),
                  QStringLiteral("Curva de permanência (com classes)"));
        EXPECT_EQ(j.paginas()->tabText(j.paginaContinua()),
                  QStringLiteral("Curva de permanência (contínua)"));
        for (QTabWidget* sub : {j.subpaginasClasses(), j.subpaginasContinua()}) {
            ASSERT_EQ(sub->count(), 3);
            EXPECT_EQ(sub->tabText(0), QStringLiteral("Análise de frequência"));
            EXPECT_EQ(sub->tabText(1), QStringLiteral("Vazões X permanência"));
            EXPECT_EQ(sub->tabText(2), QStringLiteral("Gráfico"));
        }

        EXPECT_EQ(titulos(j.modeloContinua()), (QStringList{"Vazão (m³/s)", "Permanência (%)"}));
        EXPECT_EQ(linhas(j.modeloContinua()),
                  (QStringList{"0,0000|100,00", "1,0000|80,00", "2,0000|60,00", "3,0000|40,00",
                               "4,0000|20,00"}));
        EXPECT_EQ(titulos(j.modeloReferenciasContinua()),
                  (QStringList{"Permanência(%)", "Vazão (m³/s)"}));
        EXPECT_EQ(linhas(j.modeloReferenciasContinua()), kReferenciasContinua);
        EXPECT_EQ(titulos(j.modeloReferenciasClasses()),
                  (QStringList{"Permanência (%)", "Vazão (m³/s)"}));
        EXPECT_EQ(linhas(j.modeloReferenciasClasses()), kReferenciasClasses);
        const QStringList classes = linhas(j.modeloClasses());
        ASSERT_EQ(classes.size(), 50);
        EXPECT_EQ(classes[0], QStringLiteral("50|4,000  -  3,236|4,0000|3,2361|1|20,0000|20,0000"));
        EXPECT_EQ(classes[49],
                  QStringLiteral("1|0,000124  -  0,000100|0,000124|0,000100|0|20,0000|100,0000"));

        // The charts: class chart through (F, upper bound) of every class, continuous through
        // every ranked flow.
        ui::GraficoCurvaPermanencia* graficoClasses = j.paginaGraficoClasses()->grafico();
        ui::GraficoCurvaPermanencia* graficoContinua = j.paginaGraficoContinua()->grafico();
        for (const ui::GraficoCurvaPermanencia* g : {graficoClasses, graficoContinua}) {
            EXPECT_EQ(g->chart()->title(), QStringLiteral("Curva de Permanência"));
            EXPECT_EQ(g->rodape(), QStringLiteral("Corvel 1.0"));
            EXPECT_FALSE(g->chart()->legend()->isVisible());
            EXPECT_EQ(g->eixoPermanencia()->titleText(),
                      QStringLiteral("Frequência acumulada ( %)"));
            EXPECT_EQ(g->eixoPermanencia()->min(), 0);
            EXPECT_EQ(g->eixoPermanencia()->max(), 100);
            EXPECT_EQ(g->eixoPermanencia()->tickInterval(), 5);
            EXPECT_EQ(g->eixoVazao()->titleText(), QStringLiteral("Vazão (m³/s)"));
            EXPECT_EQ(g->eixoVazao()->type(), QAbstractAxis::AxisTypeValue);
        }
        const std::vector<QPointF> degraus = pontos(graficoClasses);
        ASSERT_EQ(degraus.size(), 50u);
        EXPECT_EQ(degraus.front(), QPointF(20, 4));
        EXPECT_EQ(degraus[1].x(), 40);
        EXPECT_EQ(degraus.back().x(), 100);
        EXPECT_EQ(pontos(graficoContinua),
                  (std::vector<QPointF>{{100, 0}, {80, 1}, {60, 2}, {40, 3}, {20, 4}}));

        // "Escala logarítmica" of each page: the zero day has no place on a log axis, which runs
        // over whole decades.
        j.paginaGraficoContinua()->escalaLogaritmica()->setChecked(true);
        ASSERT_EQ(graficoContinua->eixoVazao()->type(), QAbstractAxis::AxisTypeLogValue);
        EXPECT_TRUE(graficoContinua->eixoVazao()->isVisible());
        EXPECT_EQ(pontos(graficoContinua),
                  (std::vector<QPointF>{{80, 1}, {60, 2}, {40, 3}, {20, 4}}));
        const auto* log = static_cast<QLogValueAxis*>(graficoContinua->eixoVazao());
        EXPECT_EQ(log->min(), 1);
        EXPECT_EQ(log->max(), 10);
        EXPECT_EQ(graficoClasses->eixoVazao()->type(), QAbstractAxis::AxisTypeValue);
        j.paginaGraficoClasses()->escalaLogaritmica()->setChecked(true);
        EXPECT_EQ(pontos(graficoClasses).size(), 50u); // every bound is above zero
        const auto* logClasses = static_cast<QLogValueAxis*>(graficoClasses->eixoVazao());
        EXPECT_DOUBLE_EQ(logClasses->min(), 1e-4);
        EXPECT_EQ(logClasses->max(), 10);
        j.paginaGraficoContinua()->escalaLogaritmica()->setChecked(false);
        EXPECT_EQ(graficoContinua->eixoVazao()->type(), QAbstractAxis::AxisTypeValue);
        EXPECT_EQ(graficoContinua->linha()->attachedAxes().size(), 2);
        EXPECT_EQ(pontos(graficoContinua).size(), 5u);
    });
}

TEST_F(JanelaPermanencia, ExportacoesGraficosERelatorios) {
    abrirCincoDias();
    QStringList itens, dicas;
    int previas = 0;
    usarPrevia = [&](QPrintPreviewDialog&) { ++previas; };
    analisar<ui::TfrmcurvaPermanencia>("CurvaPermanencia1", [&](ui::TfrmcurvaPermanencia& j) {
        itens = itensDeMenu(j);
        dicas = dicasDaBarra(j);
        // Every export calculates first when there is nothing yet; an existing file is replaced
        // only after the question.
        dialogos.arquivos = {caminho("classes.csv"),      caminho("referencias.csv"),
                             caminho("referencias.csv"),  caminho("dados.csv"),
                             caminho("referencias.xlsx"), caminho("curva.bmp")};
        dialogos.respostas = {true, false, false};
        for (const char* acao : {"FrequenciaClassesCsv1", "VazoesContinuaCsv1",
                                 "VazoesContinuaCsv1", "DadosCsv1", "VazoesClassesXls1"})
            j.acao(QString::fromLatin1(acao))->trigger();
        ASSERT_EQ(dialogos.dialogosArquivo.size(), 6u);
        EXPECT_EQ(dialogos.dialogosArquivo[1].filtro,
                  QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo[2].filtro, QStringLiteral("Arquivos csv (*.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo[2].extensaoPadrao, QStringLiteral("csv"));
        EXPECT_EQ(dialogos.dialogosArquivo[5].nomeProposto,
                  QStringLiteral("Vazões X Permanência - classes.xlsx"));

        // "Salvar" writes the chart shown as a bitmap; "Imprimir" asks first.
        j.subpaginasContinua()->setCurrentIndex(2);
        j.paginaGraficoContinua()->salvar()->click();
        EXPECT_EQ(dialogos.dialogosArquivo.back().extensaoPadrao, QStringLiteral("bmp"));
        j.paginaGraficoContinua()->imprimir()->click();

        // The toolbar's print: four questions, a preview for each Yes.
        dialogos.entradas = {QStringLiteral("Ana Lima")};
        dialogos.respostas = {true, false, false, true};
        j.findChild<QToolButton*>(QStringLiteral("btnImprimir1"))->click();
        EXPECT_EQ(previas, 2);

        const relatorio::Relatorio vazoes = j.relatorioVazoesClasses();
        EXPECT_EQ(vazoes.titulo, QStringLiteral("RELATÓRIO"));
        EXPECT_EQ(
            vazoes.cabecalho,
            (std::vector<QString>{"Curva de permanência - Vazões X Permanência (com classes)",
                                  "Técnico responsável: Ana Lima", "Código da estação: 12345678",
                                  "Início do ano hidrológico: Janeiro",
                                  "Período: Janeiro/1990 - Dezembro/1990", ""}));
        QStringList colunas;
        for (const auto& c : vazoes.colunas)
            colunas << c.titulo;
        EXPECT_EQ(colunas, (QStringList{"%", "Vazão máx. (m³/s)", "Vazão mín. (m³/s)",
                                        "Freq. máx. (%)", "Freq. mín. (%)", "Vazão (m³/s)"}));
        EXPECT_EQ(vazoes.colunasComMoldura, 6);
        // Q75 between class 45 (F 60) and class 44 (F 80); Q60 on class 45 itself, (1,1215;
        // 1,3863].
        EXPECT_EQ(vazoes.linhas[4],
                  (std::vector<QString>{"75", "1,1215", "0,9073", "80,0000", "60,0000", "0,9609"}));
        EXPECT_EQ(vazoes.linhas[7],
                  (std::vector<QString>{"60", "1,3863", "1,1215", "60,0000", "60,0000", "1,1215"}));
        const relatorio::Relatorio frequencia = j.relatorioFrequenciaClasses();
        EXPECT_EQ(frequencia.cabecalho[0],
                  QStringLiteral("Curva de permanência - Análise de frequência (com classes)"));
        EXPECT_EQ(frequencia.linhas[0],
                  (std::vector<QString>{"50", "4,0000", "3,2361", "1", "20,0000", "20,0000"}));
        const relatorio::Relatorio continua = j.relatorioFrequenciaContinua();
        EXPECT_EQ(continua.cabecalho[0],
                  QStringLiteral("Curva de permanência - Análise de frequência (contínua)"));
        EXPECT_EQ(continua.colunas[0].titulo, QStringLiteral("Permanência%"));
        EXPECT_EQ(continua.colunas[2].titulo, QString()); // the unused columns left blank
        EXPECT_EQ(continua.linhas[1], (std::vector<QString>{"80,00", "1,0000", "", "", "", ""}));
        const relatorio::Relatorio referencias = j.relatorioVazoesContinua();
        EXPECT_EQ(referencias.cabecalho[0],
                  QStringLiteral("Curva de permanência - Vazões X Permanência (contínua)"));
        EXPECT_EQ(referencias.linhas[0], (std::vector<QString>{"95", "0,2500", "", "", "", ""}));

        j.acao(QStringLiteral("ConteudodaAjuda1"))->trigger();
    });
    EXPECT_EQ(
        itens,
        (QStringList{
            "Arquivo › Exportar \"Dados de entrada\" › *.CSV (Arquivo texto com dados separados "
            "por ponto-e-vírgula)",
            "Arquivo › Exportar \"Dados de entrada\" › *.XLS (Arquivos do Excel)",
            "Arquivo › Exportar \"Análise de frequência\" › (Com Classes) › *.CSV (Arquivo texto "
            "com dados separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Análise de frequência\" › (Com Classes) › *.XLS (Arquivos do "
            "Excel)",
            "Arquivo › Exportar \"Análise de frequência\" › (Contínua) › *.CSV (Arquivo texto com "
            "dados separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Análise de frequência\" › (Contínua) › *.XLS (Arquivos do "
            "Excel)",
            "Arquivo › Exportar \"Vazões X Permanência\" › (Com Classes) › *.CSV (Arquivo texto "
            "com dados separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Vazões X Permanência\" › (Com Classes) › *.XLS (Arquivos do "
            "Excel)",
            "Arquivo › Exportar \"Vazões X Permanência\" › (Contínua) › *.CSV (Arquivo texto com "
            "dados separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Vazões X Permanência\" › (Contínua) › *.XLS (Arquivos do Excel)",
            "Arquivo › Imprimir › \"Vazões X Permanência (com classes)\"",
            "Arquivo › Imprimir › \"Análise de freqüência (com classes)\"",
            "Arquivo › Imprimir › \"Vazões X Permanência (Contínua)\"",
            "Arquivo › Imprimir › \"Análise de freqüência (contínua)\"",
            "Arquivo › Fechar [Ctrl+F4]",
            "Operações › Pré-processamento [F10]",
            "Operações › Calcular [F11]",
            "Ajuda › Conteúdo da Ajuda [F1]",
        }));
    EXPECT_EQ(dicas,
              (QStringList{"Imprimir", "Pré-processamento", "Calcular curva de permanência"}));
    QStringList perguntas;
    for (const QString& m : dialogos.mostrados)
        if (m.startsWith(QStringLiteral("Pergunta: ")) && !m.contains(QStringLiteral("planilha")))
            perguntas << m.mid(10);
    EXPECT_EQ(perguntas, (QStringList{"Um arquivo com este nome já existe. Deseja substitui-lo?",
                                      "Deseja imprimir o gráfico na impressora padrão?",
                                      "Deseja imprimir as \"Vazões X Permanência (com classes)\"?",
                                      "Deseja imprimir \"Análise de frequência (com classes)\"?",
                                      "Deseja imprimir as \"Vazões X Permanência (contínua)\"?",
                                      "Deseja imprimir \"Análise de frequência (contínua)\"?"}));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Ajuda: 15"));

    // Six lines before the titles, then the values in the general number form.
    const QStringList classes = lerLinhas(caminho("classes.csv"));
    ASSERT_EQ(classes.size(), 6 + 1 + 50);
    EXPECT_EQ(classes.mid(0, 7),
              (QStringList{"  ;", "  ;", "  Vazões X Permanência - Classes", "  ;", "  ;", "  ;",
                           "Classe;Intervalo de classe (m³/s);Vazão máx. (m³/s);Vazão mín. "
                           "(m³/s);Núm. dias;Frequência (%);Freq. acumulada (%);"}));
    EXPECT_EQ(classes[7], QStringLiteral("50;4,000  -  3,236;4;3,23607658816525;1;20;20;"));
    const QStringList referencias = lerLinhas(caminho("referencias.csv"));
    ASSERT_EQ(referencias.size(), 6 + 1 + 10);
    EXPECT_EQ(referencias[2], QStringLiteral("  Vazões X Permanência - Contínua"));
    EXPECT_EQ(referencias[6], QStringLiteral("Permanência(%);Vazão (m³/s);"));
    EXPECT_EQ(referencias[7], QStringLiteral("95;0,25;"));
    EXPECT_EQ(referencias[16], QStringLiteral("50;2,5;"));
    const QStringList dados = lerLinhas(caminho("dados.csv"));
    ASSERT_EQ(dados.size(), 12);
    EXPECT_TRUE(dados[0].startsWith(QStringLiteral("Mês;Dia 01;Dia 02;")))
        << dados[0].toStdString();
    EXPECT_EQ(dados[1],
              QStringLiteral("Janeiro/1990;0;1;2;3;4;") + QStringLiteral(";").repeated(26));
    EXPECT_GT(QFileInfo(caminho("referencias.xlsx")).size(), 0);
    QFile bmp(caminho("curva.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(2), QByteArray("BM"));
}

TEST_F(JanelaPermanencia, SemVazoesValidasNaoHaCurvas) {
    abrir(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate) { return std::nullopt; });
    analisar<ui::TfrmcurvaPermanencia>("CurvaPermanencia1", [&](ui::TfrmcurvaPermanencia& j) {
        j.acao(QStringLiteral("Calcular1"))->trigger();
        const QString aviso =
            QStringLiteral("Aviso: Não há vazões válidas nos meses considerados.");
        EXPECT_EQ(dialogos.mostrados.back(), aviso);
        EXPECT_FALSE(j.curva().has_value());
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaClasses()));
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaContinua()));
        // The exports and reports of a curve calculate first: the same message, no file.
        const std::size_t arquivos = dialogos.dialogosArquivo.size();
        j.acao(QStringLiteral("FrequenciaClassesCsv1"))->trigger();
        j.acao(QStringLiteral("ImprimirVazoesContinua1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.size(), arquivos);
        EXPECT_EQ(std::count(dialogos.mostrados.begin(), dialogos.mostrados.end(), aviso), 3);
    });
}

} // namespace
