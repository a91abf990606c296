// Output pieces as the windows use them: the series spreadsheet export, the overwrite loop of the
// result CSV, chart images and printing, and reports preceded by the technician prompt.
#include "dialogosroteiro.h"

#include "core/construtor.h"
#include "core/projeto.h"
#include "exchange/importaexcel.h"
#include "ui/TfrmPrincipal.h"
#include "ui/graficos.h"
#include "ui/saidas.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

class Saidas : public ::testing::Test {
protected:
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }
    QByteArray conteudo(const QString& arquivo) const {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir pasta;
    DialogosRoteiro dialogos;
};

int colunasDaPlanilha(const QString& arquivo) {
    TImportaExcel leitor;
    EXPECT_TRUE(leitor.abrir(arquivo));
    int n = 0;
    while (leitor.lerCelula(1, 1, n + 1))
        ++n;
    return n;
}

TEST_F(Saidas, PlanilhaDaSerieTemTrintaEDuasColunasAposAbrirETrintaETresAposImportar) {
    Bancada bancada(pasta.path());
    ui::TfrmPrincipal janela(bancada, dialogos);
    janela.acao(QStringLiteral("XLS1"))->trigger();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Erro: Não há dados para exportar."));

    SerieTabela s = teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate m, int d) -> std::optional<double> {
        if (m.month() == 2 && d == 3)
            return std::nullopt;
        return 10.5;
    });
    gravarProjeto(caminho("a.cvl"), s);
    dialogos.arquivos = {caminho("a.cvl"), caminho("serie.xlsx")};
    dialogos.respostas = {false}; // do not open the spreadsheet application
    janela.acao(QStringLiteral("Abrir1"))->trigger();
    janela.acao(QStringLiteral("XLS1"))->trigger();
    EXPECT_EQ(dialogos.dialogosArquivo.back().nomeProposto, QStringLiteral("12345678.xlsx"));
    EXPECT_TRUE(dialogos.mostrados.back().startsWith(QStringLiteral("Pergunta: A planilha foi gravada em")));
    EXPECT_EQ(colunasDaPlanilha(caminho("serie.xlsx")), 32);
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(caminho("serie.xlsx")));
    EXPECT_EQ(leitor.lerCelula(1, 1, 32), QStringLiteral("Dia 31"));
    EXPECT_EQ(leitor.lerCelula(1, 3, 1), QStringLiteral("Fevereiro/1990"));
    EXPECT_EQ(leitor.lerCelula(1, 3, 4), std::nullopt); // the missing day
    EXPECT_EQ(leitor.lerNumero(1, 3, 2), 10.5);

    // An import marks the months considered: from then on the situation is exported too.
    bancada.assumirImportacao(teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1)), 2);
    dialogos.arquivos = {caminho("importada.xlsx")};
    dialogos.respostas = {false};
    janela.acao(QStringLiteral("XLS1"))->trigger();
    EXPECT_EQ(colunasDaPlanilha(caminho("importada.xlsx")), 33);
    ASSERT_TRUE(leitor.abrir(caminho("importada.xlsx")));
    EXPECT_EQ(leitor.lerCelula(1, 1, 33), QStringLiteral("Situação"));
    EXPECT_EQ(leitor.lerCelula(1, 2, 33), QStringLiteral("Completo"));
}

TEST_F(Saidas, CsvDeResultadoPerguntaAntesDeSubstituirECancelarNaoGrava) {
    QFile existente(caminho("r.csv"));
    existente.open(QIODevice::WriteOnly);
    existente.write("antigo");
    existente.close();
    const ui::FiltroArquivo filtro{QStringLiteral("Exportar"), QStringLiteral("Arquivos CSV (*.csv)"),
                                   QStringLiteral("csv")};
    const std::vector<QString> titulos{QStringLiteral("Ano"), QStringLiteral("Mínima")};
    const LinhasTexto linhas{{QStringLiteral("1990"), QStringLiteral("1,5")}};

    dialogos.arquivos = {caminho("r.csv"), std::nullopt};
    dialogos.respostas = {false};
    EXPECT_FALSE(ui::exportarCsvResultado(dialogos, filtro, titulos, linhas));
    EXPECT_EQ(conteudo(caminho("r.csv")), QByteArray("antigo"));
    EXPECT_EQ(dialogos.dialogosArquivo.size(), 2u); // No brought the dialog back

    dialogos.arquivos = {caminho("r.csv")};
    dialogos.respostas = {true};
    EXPECT_TRUE(ui::exportarCsvResultado(dialogos, filtro, titulos, linhas));
    EXPECT_EQ(conteudo(caminho("r.csv")), QByteArray("Ano;M\xednima;\r\n1990;1,5;\r\n"));
    EXPECT_EQ(std::count(dialogos.mostrados.begin(), dialogos.mostrados.end(),
                         QStringLiteral("Pergunta: Um arquivo com este nome já existe. Deseja substitui-lo?")),
              2);
}

std::unique_ptr<QChartView> graficoDeTeste() {
    auto* serie = new QLineSeries;
    for (int i = 0; i < 10; ++i)
        serie->append(i, i * 0.5);
    auto* grafico = new QChart;
    grafico->addSeries(serie);
    grafico->createDefaultAxes();
    ui::prepararGrafico(*grafico);
    auto vista = std::make_unique<QChartView>(grafico);
    vista->resize(400, 400);
    return vista;
}

TEST_F(Saidas, GraficoSalvoComoBitmapOuPngEImpressoProporcional) {
    auto vista = graficoDeTeste();
    EXPECT_TRUE(vista->chart()->localizeNumbers());
    EXPECT_EQ(vista->chart()->locale().decimalPoint(), QStringLiteral(","));

    dialogos.arquivos = {caminho("g.bmp"), caminho("g.png")};
    EXPECT_TRUE(ui::salvarGrafico(*vista, dialogos, QStringLiteral("grafico")));
    EXPECT_TRUE(ui::salvarGrafico(*vista, dialogos, QStringLiteral("grafico")));
    EXPECT_EQ(dialogos.dialogosArquivo.front().extensaoPadrao, QStringLiteral("bmp"));
    EXPECT_TRUE(conteudo(caminho("g.bmp")).startsWith("BM"));
    EXPECT_TRUE(conteudo(caminho("g.png")).startsWith("\x89PNG"));
    EXPECT_EQ(QImage(caminho("g.png")).size(), QSize(400, 400));

    dialogos.respostas = {false};
    EXPECT_FALSE(ui::imprimirGrafico(*vista, dialogos));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Pergunta: Deseja imprimir o gráfico na impressora padrão?"));
    // Yes without a printer says so instead of printing to nowhere.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        dialogos.respostas = {true};
        EXPECT_FALSE(ui::imprimirGrafico(*vista, dialogos));
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Aviso: Nenhuma impressora padrão foi encontrada neste "
                                 "computador. Use \"Salvar\" para gravar o gráfico como imagem."));
    }

    // A square chart on a wide page keeps its shape: centred, with the sides left blank.
    QImage pagina(1000, 500, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    ui::desenharProporcional(*vista, pagina);
    EXPECT_EQ(pagina.pixelColor(100, 250), QColor(Qt::white));
    EXPECT_EQ(pagina.pixelColor(900, 250), QColor(Qt::white));
    int pintados = 0;
    for (int x = 260; x < 740; x += 5)
        for (int y = 10; y < 490; y += 5)
            pintados += pagina.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(pintados, 50);
}

TEST_F(Saidas, RelatorioPedeOTecnicoAntesDaPrimeiraImpressao) {
    Bancada bancada(pasta.path());
    QString tecnicoNoRelatorio;
    auto montar = [&] {
        relatorio::Relatorio r;
        r.titulo = QStringLiteral("Vazões mínimas");
        r.cabecalho = {QStringLiteral("Técnico responsável: ") + bancada.tecnico};
        tecnicoNoRelatorio = bancada.tecnico;
        return r;
    };
    dialogos.entradas = {QStringLiteral("Ana Lima")};
    QStringList zoom;
    QString textoZoom;
    dialogos.aoExecutar = [&](QDialog& j) {
        EXPECT_TRUE(qobject_cast<QPrintPreviewDialog*>(&j));
        // Maximised, and the zoom box in the locale's form.
        EXPECT_TRUE(j.windowState() & Qt::WindowMaximized);
        if (auto* caixa = j.findChild<QComboBox*>()) {
            for (int i = 0; i < caixa->count(); ++i)
                zoom << caixa->itemText(i);
            // A factor typed with a comma is read.
            caixa->lineEdit()->setText(QStringLiteral("55,5 %"));
            Q_EMIT caixa->lineEdit()->editingFinished();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(caixa->lineEdit(), &enter);
            QApplication::processEvents();
            textoZoom = caixa->lineEdit()->text();
        }
        return int(QDialog::Rejected);
    };
    ui::imprimirRelatorio(nullptr, dialogos, bancada, montar);
    EXPECT_TRUE(zoom.contains(QStringLiteral("12,5 %"))) << zoom.join(u'|').toStdString();
    EXPECT_FALSE(zoom.join(u'|').contains(u'.'));
    EXPECT_EQ(textoZoom, QStringLiteral("55,5 %"));
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{QStringLiteral("Entrada: Técnico responsável / Digite o nome do técnico responsável:"),
                                    QStringLiteral("Janela: Visualizar impressão - Vazões mínimas")}));
    EXPECT_EQ(tecnicoNoRelatorio, QStringLiteral("Ana Lima"));

    // The name is known now: the next print goes straight to the preview.
    dialogos.mostrados.clear();
    ui::imprimirRelatorio(nullptr, dialogos, bancada, montar);
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Janela: Visualizar impressão - Vazões mínimas")});
}

// Filters written "Descrição|*.ext" reach the file dialogs in Qt's form, both cases of the mask
// listed; a description that already ends with its mask stays as it is.
TEST(FiltroArquivo, FormaDoQt) {
    const std::pair<const char*, const char*> casos[] = {
        {"Arquivos do Corvel 1.0 (*.cvl)|*.cvl", "Arquivos do Corvel 1.0 (*.cvl)"},
        {"Diagrama de barras [Vazão]|*.dgv", "Diagrama de barras [Vazão] (*.dgv *.DGV)"},
        {"Arquivos (*.CSV Separado por Ponto-e-vírgula)|*.CSV",
         "Arquivos (*.CSV Separado por Ponto-e-vírgula) (*.CSV *.csv)"},
        {"Preenchimento de séries de vazões(*.psv)|*.psv",
         "Preenchimento de séries de vazões(*.psv)"},
        {"Texto (*.txt)", "Texto (*.txt)"},
    };
    for (const auto& [dado, esperado] : casos)
        EXPECT_EQ(ui::filtroQt(QString::fromUtf8(dado)), QString::fromUtf8(esperado)) << dado;
}

} // namespace
