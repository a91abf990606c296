// The minimum- and maximum-flow windows opened from the main window's menu and driven through
// scripted dialogs: loading, the annual tables, "Duração", the year boxes, exports, the report,
// the hand-over to the stationarity and distribution windows, and the way from an agency file
// to the distribution analysis of its annual minima.
#include "dialogosroteiro.h"

#include "core/construtor.h"
#include "core/formato.h"
#include "core/projeto.h"
#include "stats/amostras.h"
#include "ui/TfrmDistribution.h"
#include "ui/TfrmFoEstaciona.h"
#include "ui/TfrmMinVazao.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmVazaoMax.h"
#include "ui/TfrmrelatorioMensal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

// Day flows of a series as a function of the date; empty = missing day.
using Vazao = std::function<std::optional<double>(QDate)>;

class JanelasVazoes : public ::testing::Test {
  protected:
    JanelasVazoes() : bancada(pasta.path()), principal(bancada, dialogos) {
        principal.show();
        dialogos.aoExecutar = [this](QDialog& j) { return executar(j); };
    }

    // A project of the months from `de` to `ate` with start month `inicio`, opened.
    void abrir(QDate de, QDate ate, const Vazao& vazao, int inicio = 1,
               const std::function<void(SerieTabela&)>& ajustar = {}) {
        dialogos.arquivos.push_back(teste::gravarProjetoDiario(
            pasta.filePath(QStringLiteral("estacao.cvl")), de, ate, vazao, inicio, ajustar));
        principal.acao(QStringLiteral("Abrir1"))->trigger();
        ASSERT_TRUE(bancada.serie.ativa());
    }
    void minimas(std::function<void(ui::TfrmMinVazao&)> usar) {
        usarMinimas = std::move(usar);
        principal.acao(QStringLiteral("VazoesMinimas1"))->trigger();
    }
    void maximas(std::function<void(ui::TfrmVazaoMax&)> usar) {
        usarMaximas = std::move(usar);
        principal.acao(QStringLiteral("VazoesMaximas1"))->trigger();
    }

    // Every modal window of the program passes here; progress windows and previews close at once.
    int executar(QDialog& j) {
        if (auto* m = qobject_cast<ui::TfrmMinVazao*>(&j)) {
            m->show();
            QApplication::processEvents(); // the activation follows the show
            if (usarMinimas && m->isVisible()) usarMinimas(*m);
            return m->result();
        }
        if (auto* m = qobject_cast<ui::TfrmVazaoMax*>(&j)) {
            m->show();
            QApplication::processEvents();
            if (usarMaximas && m->isVisible()) usarMaximas(*m);
            return m->result();
        }
        if (auto* pre = qobject_cast<ui::TfrmrelatorioMensal*>(&j)) {
            if (usarPreProcessamento) usarPreProcessamento(*pre);
            pre->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return pre->result();
        }
        if (auto* d = qobject_cast<ui::TfrmDistribution*>(&j)) {
            entregues = d->eventos(); // as handed over: the calculation orders them by value
            d->show();                // showing runs the calculation
            if (usarDistribuicao) usarDistribuicao(*d);
            return int(QDialog::Accepted);
        }
        if (auto* e = qobject_cast<ui::TfrmFoEstaciona*>(&j)) {
            if (usarEstacionariedade) usarEstacionariedade(*e);
            return int(QDialog::Accepted);
        }
        if (auto* p = qobject_cast<QPrintPreviewDialog*>(&j); p && usarPrevia) usarPrevia(*p);
        return int(QDialog::Rejected);
    }

    static QStringList linhas(const QStandardItemModel* m) {
        QStringList r;
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int k = 0; k < m->columnCount(); ++k)
                c << m->item(l, k)->text();
            r << c.join(u'|');
        }
        return r;
    }
    static QList<QByteArray> lerLinhas(const QString& arquivo) {
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << arquivo.toStdString();
        return f.readAll().split('\n');
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal;
    std::function<void(ui::TfrmMinVazao&)> usarMinimas;
    std::function<void(ui::TfrmVazaoMax&)> usarMaximas;
    std::function<void(ui::TfrmrelatorioMensal&)> usarPreProcessamento;
    std::function<void(ui::TfrmDistribution&)> usarDistribuicao;
    std::function<void(ui::TfrmFoEstaciona&)> usarEstacionariedade;
    std::function<void(QPrintPreviewDialog&)> usarPrevia;
    std::vector<EventoDistribuicao> entregues; // the events of the last distribution window
};

const QString kSemConsiderados =
    QStringLiteral("Erro: Banco de dados com número insuficiente de registros. Possivelmente todos "
                   "seus dadaos foram descartados "
                   "ou o conjunto de dados estão vazios");

// 1990: 5,0 a day but 3,0 from 10 to 16 August; 1991: 4,0 a day, a zero on 15 May; January 1992:
// every other day missing, so no run of seven days.
std::optional<double> tresAnos(QDate d) {
    if (d.year() == 1990) return d >= QDate(1990, 8, 10) && d <= QDate(1990, 8, 16) ? 3.0 : 5.0;
    if (d.year() == 1991) return d == QDate(1991, 5, 15) ? 0.0 : 4.0;
    return d.day() % 2 ? std::optional<double>(6.5) : std::nullopt;
}

TEST_F(JanelasVazoes, SemMesesConsideradosLevaAoPreProcessamentoEDepoisCarrega) {
    abrir(QDate(1990, 1, 1), QDate(1991, 12, 1), tresAnos, 1, [](SerieTabela& s) {
        for (RegistroMensal& r : s.armazenados())
            r.vazao01Status = kDescartado;
    });
    usarPreProcessamento = [](ui::TfrmrelatorioMensal& pre) { pre.Serieoriginal1Click(); };
    qsizetype carregados = -1;
    minimas([&](ui::TfrmMinVazao& janela) { carregados = janela.tabela().tamanho(); });
    ASSERT_GE(dialogos.mostrados.size(), 3u);
    EXPECT_EQ(dialogos.mostrados[0], QStringLiteral("Janela: Vazões Mínimas"));
    EXPECT_EQ(dialogos.mostrados[1], kSemConsiderados);
    EXPECT_EQ(dialogos.mostrados[2], QStringLiteral("Janela: Pré-processamento"));
    EXPECT_EQ(carregados, 24); // the table was read again from the project pre-processing saved
}

TEST_F(JanelasVazoes, JanelaAbreMaximizadaComOsAtalhosValendoDesdeOInicio) {
    abrir(QDate(1990, 1, 1), QDate(2001, 12, 1),
          [](QDate d) { return std::optional<double>(d.year() % 7 + d.month()); });
    bool estacionariedade = false;
    usarEstacionariedade = [&](ui::TfrmFoEstaciona&) { estacionariedade = true; };
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    usarPrevia = [&](QPrintPreviewDialog& p) {
        zoom = p.findChild<QPrintPreviewWidget*>()->zoomMode();
    };
    dialogos.entradas.push_back(QStringLiteral("Maria"));
    minimas([&](ui::TfrmMinVazao& j) {
        EXPECT_TRUE(j.windowState() & Qt::WindowMaximized);
        j.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
        EXPECT_EQ(QApplication::focusWidget(), j.gradeDados());
        // Even from the read-only station box, which as a line edit would keep Ctrl+E for itself.
        auto* estacao = j.findChild<QLineEdit*>(QStringLiteral("edtEstacao"));
        estacao->setFocus();
        QTest::keyClick(estacao, Qt::Key_E, Qt::ControlModifier);
        EXPECT_TRUE(estacionariedade);
        j.acao(QStringLiteral("MinimasAnuais1"))->trigger();
        EXPECT_EQ(zoom,
                  QPrintPreviewWidget::FitToWidth); // the preview opens fitting the page's width
    });
}

TEST_F(JanelasVazoes, SerieVaziaFechaAJanela) {
    // No series in the main window and no considered month in the project file, as when the
    // window is opened on its own.
    SerieTabela s = teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1));
    for (RegistroMensal& r : s.armazenados())
        r.vazao01Status = kSemDados;
    bancada.arquivoProjeto = caminho("vazio.cvl");
    gravarProjeto(bancada.arquivoProjeto, s);
    ui::TfrmMinVazao janela(principal);
    janela.show();
    QApplication::processEvents();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{
                  QStringLiteral("Erro: Banco de dados com número insuficiente de registros. Abra "
                                 "um novo projeto ou importe novos dados")});
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(janela.result(), int(QDialog::Rejected));
}

TEST_F(JanelasVazoes, MinimasDeSeteDiasNaTabelaAnualEDuracaoSempreValida) {
    abrir(QDate(1990, 1, 1), QDate(1992, 1, 1), tresAnos);
    minimas([&](ui::TfrmMinVazao& j) {
        EXPECT_EQ(j.findChild<QLineEdit*>(QStringLiteral("edtEstacao"))->text(),
                  QStringLiteral("12345678"));
        EXPECT_EQ(j.findChild<QLineEdit*>(QStringLiteral("edtInicioAno"))->text(),
                  QStringLiteral("Janeiro"));
        EXPECT_EQ(j.findChild<QLineEdit*>(QStringLiteral("edtAnoInicio"))->text(),
                  QStringLiteral("1990"));
        EXPECT_EQ(j.findChild<QLineEdit*>(QStringLiteral("edtAnoFim"))->text(),
                  QStringLiteral("1992"));
        EXPECT_EQ(j.duracao()->text(), QStringLiteral("7"));
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaAnual()));

        // "Dados": the month and 31 days, "###0.##", a zero flow in red.
        const QAbstractItemModel* dados = j.gradeDados()->model();
        EXPECT_TRUE(j.gradeDados()->isColumnHidden(1)); // "Falhas" is exported, not shown
        EXPECT_EQ(dados->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Dia 1"));
        EXPECT_EQ(dados->index(16, 0).data().toString(), QStringLiteral("Maio/1991"));
        EXPECT_EQ(dados->index(16, 2 + 14).data().toString(), QStringLiteral("0"));
        EXPECT_EQ(dados->index(16, 2 + 14).data(Qt::ForegroundRole).value<QBrush>().color(),
                  QColor(Qt::red));
        EXPECT_FALSE(dados->index(16, 2 + 13).data(Qt::ForegroundRole).isValid());
        EXPECT_EQ(dados->index(24, 2 + 0).data().toString(), QStringLiteral("6,5"));
        EXPECT_EQ(dados->index(24, 2 + 1).data().toString(), QString());

        // Only digits reach "Duração"; "0" or nothing left there becomes "7".
        QKeyEvent letra(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(j.duracao(), &letra);
        EXPECT_EQ(j.duracao()->text(), QStringLiteral("7"));
        for (const char* texto : {"0", ""}) {
            j.duracao()->setText(QString::fromLatin1(texto));
            Q_EMIT j.duracao()->editingFinished();
            EXPECT_EQ(j.duracao()->text(), QStringLiteral("7"));
        }

        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_TRUE(j.paginas()->isTabVisible(j.paginaAnual()));
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaAnual());
        EXPECT_EQ(linhas(j.modeloAnual()),
                  (QStringList{"1990/1991|10/08/1990|3,00|365|0", "1991/1992|09/05/1991|3,43|365|0",
                               "1992/1993|| - |16|"}));

        // d = 1 from the keyboard: Enter starts the calculation.
        j.duracao()->setText(QStringLiteral("1"));
        Q_EMIT j.duracao()->returnPressed();
        EXPECT_EQ(j.modeloAnual()->item(1, 1)->text(), QStringLiteral("15/05/1991"));
        EXPECT_EQ(j.modeloAnual()->item(1, 2)->text(), QStringLiteral("0,00"));
    });
}

// "Excluir dias sinalizados": the estimated days of the dry week leave the window table, the
// minimum moves to the window after them, the "Dias sinalizados" column follows, and the reports
// say which days were left out.
TEST_F(JanelasVazoes, CaixaExcluiOsDiasSinalizados) {
    abrir(QDate(1990, 1, 1), QDate(1990, 12, 1),
          [](QDate d) -> std::optional<double> {
              return d.month() == 8 && d.day() >= 10 && d.day() <= 16 ? 2.0 : 10.0;
          },
          1,
          [](SerieTabela& s) {
              RegistroMensal& agosto = s.armazenados()[7];
              for (int d = 9; d <= 11; ++d)
                  agosto.sinal[static_cast<std::size_t>(d)] = SinalDia::Estimado;
          });
    minimas([&](ui::TfrmMinVazao& j) {
        QCheckBox* caixa = j.caixaExcluirSinalizados();
        EXPECT_EQ(caixa->text(), QStringLiteral("Excluir dias sinalizados"));
        EXPECT_FALSE(caixa->isChecked());
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(linhas(j.modeloAnual()), QStringList{"1990/1991|10/08/1990|2,00|365|3"});
        caixa->setChecked(true);
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaAnual())); // to be calculated again
        j.acao(QStringLiteral("Calcular1"))->trigger();
        // (4 x 2 + 3 x 10) / 7 from 13 August.
        EXPECT_EQ(linhas(j.modeloAnual()), QStringList{"1990/1991|13/08/1990|5,43|362|0"});
        const relatorio::Relatorio r = j.relatorioAnual();
        EXPECT_TRUE(std::find(r.cabecalho.begin(), r.cabecalho.end(),
                              QStringLiteral("Período: 1990 - 1990, sem os dias estimado, "
                                             "duvidoso, régua seca, régua coberta, rio seco, rio "
                                             "cortado, bruto, preenchido")) != r.cabecalho.end());
    });
}

TEST_F(JanelasVazoes, MenusTeclasEDicasDaJanelaDeMinimas) {
    abrir(QDate(1990, 1, 1), QDate(1991, 12, 1), tresAnos);
    QStringList itens, dicas;
    minimas([&](ui::TfrmMinVazao& j) {
        itens = teste::itensDeMenu(j);
        for (QToolButton* b : j.barra()->findChildren<QToolButton*>())
            if (b->objectName().startsWith(QStringLiteral("btn"))) dicas << b->toolTip();
    });
    EXPECT_EQ(
        itens,
        (QStringList{
            "Arquivo › Exportar \"Dados de entrada\" › *.CSV (Separado por ponto-e-vígula)",
            "Arquivo › Exportar \"Dados de entrada\" › *.XLS (Arquivos do Excel)",
            "Arquivo › Exportar \"Mínimas anuais\" › *.CSV (Arquivo separado por ponto-e-vírgula)",
            "Arquivo › Exportar \"Mínimas anuais\" › *.XLS (Arquivos do Excel)",
            "Arquivo › Exportar \"Vazões mensais\" › *.CSV (Arquivo separado por ponto-e-vírgula)",
            "Arquivo › Imprimir › Mínimas Anuais",
            "Arquivo › Fechar [Ctrl+F4]",
            "Operações › Pré-processamento [F10]",
            "Operações › Calcular [F11]",
            "Operações › Análise Estatística [F9]",
            "Operações › Estacionariedade [Ctrl+E]",
            "Operações › Vazões mensais [Ctrl+M]",
            "Ajuda › Conteúdo da ajuda [F1]",
        }));
    EXPECT_EQ(dicas, (QStringList{"Imprimir", "Pré-processamento", "Calcula as vazões mínimas",
                                  "Análise estatística", "Estacionariedade",
                                  "Vazões de referência de cada mês"}));
}

// "Vazões mensais": each month's figures and a season's, from a river whose flow is the month's
// number every day (so each month's Q95, Q90 and mean are that number, and its 7-day minima too
// constant to fit), shown, charted and exported with every digit.
TEST_F(JanelasVazoes, VazoesMensaisDaJanelaDeMinimas) {
    abrir(QDate(1981, 1, 1), QDate(1992, 12, 1),
          [](QDate d) -> std::optional<double> { return d.month(); });
    minimas([&](ui::TfrmMinVazao& j) {
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaMensal()));
        j.estacoesDoAno()->setText(QStringLiteral("6-13"));
        j.acao(QStringLiteral("VazoesMensais1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Erro: Estação do ano inválida: \"6-13\". Use os meses de início "
                                 "e fim, de 1 a 12, como 6-9."));
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaMensal()));

        j.estacoesDoAno()->setText(QStringLiteral("6-9"));
        j.acao(QStringLiteral("VazoesMensais1"))->trigger();
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaMensal());
        const QStringList t = linhas(j.modeloMensal());
        ASSERT_EQ(t.size(), 13);
        EXPECT_EQ(t[0], QStringLiteral("Janeiro|1,00|1,00|-|-|12|1,00"));
        EXPECT_EQ(t[7], QStringLiteral("Agosto|8,00|8,00|-|-|12|8,00"));
        // June to September: the smallest month's flow, and the mean of its 122 days a year.
        EXPECT_EQ(t[12], QStringLiteral("Junho a Setembro|6,00|6,00|-|-|12|7,50"));
        EXPECT_EQ(j.modeloMensal()->headerData(3, Qt::Horizontal).toString(),
                  QStringLiteral("Q7,10 (m³/s)"));

        j.periodoMensal()->setValue(20);
        j.duracao()->setText(QStringLiteral("30"));
        j.findChild<QPushButton*>(QStringLiteral("btnMensais"))->click();
        EXPECT_EQ(j.modeloMensal()->headerData(3, Qt::Horizontal).toString(),
                  QStringLiteral("Q30,20 (m³/s)"));

        dialogos.arquivos = {caminho("mensais.csv")};
        j.acao(QStringLiteral("MensaisCsv1"))->trigger();
    });
    const QList<QByteArray> csv = lerLinhas(caminho("mensais.csv"));
    ASSERT_GE(csv.size(), 14);
    EXPECT_EQ(csv[0], QByteArray("M\xeas;Q95 (m\xb3/s);Q90 (m\xb3/s);Q30,20 (m\xb3/s);"
                                 "Vaz\xe3o m\xe9" "dia (m\xb3/s);\r"));
    EXPECT_EQ(csv[1], QByteArray("Janeiro;1;1;;1;\r"));
    EXPECT_EQ(csv[13], QByteArray("Junho a Setembro;6;6;;7,5;\r"));
}

TEST_F(JanelasVazoes, ExportacoesEImpressaoDasMinimas) {
    abrir(QDate(1990, 1, 1), QDate(1992, 1, 1), tresAnos);
    minimas([&](ui::TfrmMinVazao& j) {
        dialogos.arquivos = {caminho("minimas.csv"), caminho("dados.csv")};
        j.acao(QStringLiteral("MinimasCsv1"))->trigger(); // no table yet: calculated first
        j.acao(QStringLiteral("DadosCsv1"))->trigger();
        for (const ui::FiltroArquivo* f :
             {&dialogos.dialogosArquivo.rbegin()[1], &dialogos.dialogosArquivo.back()}) {
            EXPECT_EQ(
                f->filtro,
                QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"));
            EXPECT_EQ(f->extensaoPadrao, QStringLiteral("CSV"));
        }

        dialogos.entradas = {QStringLiteral("Ana Lima")};
        j.acao(QStringLiteral("MinimasAnuais1"))->trigger();
        const relatorio::Relatorio r = j.relatorioAnual();
        EXPECT_EQ(r.titulo, QStringLiteral("RELATÓRIO"));
        EXPECT_EQ(r.cabecalho,
                  (std::vector<QString>{"Vazões mínimas anuais", "Técnico responsável: Ana Lima",
                                        "Código da estação: 12345678",
                                        "Início do ano hidrológico: Janeiro", "Duração: 7 dias",
                                        "Período: 1990 - 1992"}));
        QStringList colunas;
        for (const auto& c : r.colunas)
            colunas << c.titulo;
        EXPECT_EQ(colunas,
                  (QStringList{"Período", "Data de início", "Vazão mínima(m³/s)", "Dias válidos",
                               "Dias sinalizados"}));
        EXPECT_EQ(r.colunasComMoldura, 5);
        EXPECT_EQ(r.linhas.size(), 3u);
    });
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Janela: Visualizar impressão - RELATÓRIO"));

    const QList<QByteArray> minimas = lerLinhas(caminho("minimas.csv"));
    EXPECT_EQ(minimas[0], QByteArray("Ano;Data de in\xed"
                                     "cio;Vaz\xe3o M\xednima (m\xb3/s);Dias v\xe1lidos;Dias "
                                     "sinalizados;\r"));
    EXPECT_EQ(minimas[1], QByteArray("1990/1991;10/08/1990;3,00;365;0;\r"));
    EXPECT_EQ(minimas[3], QByteArray("1992/1993;; - ;16;;\r"));

    const QList<QByteArray> dados = lerLinhas(caminho("dados.csv"));
    ASSERT_EQ(dados.size(), 25 + 2);
    EXPECT_TRUE(dados[0].startsWith("M\xeas;Falhas;Dia 1;Dia 2;")) << dados[0].toStdString();
    EXPECT_TRUE(dados[0].endsWith(";Dia 30;Dia 31;\r"));
    EXPECT_EQ(dados[2], QByteArray("Fevereiro/1990;0;") + QByteArray("5;").repeated(28) +
                            QByteArray(";;;\r")); // days past the month's end are empty
    EXPECT_EQ(dados[25],
              QByteArray("Janeiro/1992;48;6,5;") + QByteArray(";6,5;").repeated(15) + "\r");
}

TEST_F(JanelasVazoes, AnosDaJanelaDeMaximasEInicioSoPeloPreProcessamento) {
    abrir(
        QDate(1990, 1, 1), QDate(1992, 12, 1),
        [](QDate d) -> std::optional<double> {
            return d == QDate(1991, 3, 2) ? 80.0 : 10.0 + d.month();
        },
        10);
    maximas([&](ui::TfrmVazaoMax& j) {
        EXPECT_EQ(j.inicioAno()->text(), QStringLiteral("Outubro"));
        EXPECT_EQ(j.anoInicio()->text(), QStringLiteral("1990"));
        EXPECT_EQ(j.anoFim()->text(), QStringLiteral("1992"));
        QMouseEvent clique(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(j.inicioAno(), &clique);
        EXPECT_EQ(
            dialogos.mostrados.back(),
            QStringLiteral(
                "Aviso: Para mudar o início do ano hidrológico, clique em \"Pré-processamento\"."));

        j.anoInicio()->clear();
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Aviso: \"Ano Início\" ou \"Ano Fim\" não definidos."));
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaAnual()); // shown all the same, empty
        EXPECT_FALSE(j.anuais());
        j.anoInicio()->setText(QStringLiteral("1993"));
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Aviso: \"Ano Fim\" deve ser maior ou igual ao \"Ano Início\"."));

        j.anoInicio()->setText(QStringLiteral("1990"));
        j.anoFim()->setText(QStringLiteral("1991"));
        j.acao(QStringLiteral("Calcular1"))->trigger();
        // 1990/1991 runs from October 1990 to September 1991; 1991/1992 holds 29 February.
        EXPECT_EQ(linhas(j.modeloAnual()), (QStringList{"1990/1991|02/03/1991|80,00|365|0",
                                                        "1991/1992|01/12/1991|22,00|366|0"}));

        dialogos.arquivos = {caminho("maximas.csv"), caminho("dados.csv")};
        j.acao(QStringLiteral("MaximasCsv1"))->trigger();
        j.acao(QStringLiteral("DadosCsv1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.rbegin()[1].filtro,
                  QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"));
        const relatorio::Relatorio r = j.relatorioAnual();
        EXPECT_EQ(r.cabecalho[0], QStringLiteral("Vazões máximas anuais"));
        EXPECT_EQ(r.cabecalho[4], QString()); // the duration line left blank
        EXPECT_EQ(r.cabecalho[5], QStringLiteral("Período: 1990 - 1991"));
        EXPECT_EQ(r.colunas[1].titulo, QStringLiteral("Data da ocorrência"));
        EXPECT_EQ(r.colunas[2].titulo, QStringLiteral("Vazão máx. (m³/s)"));
    });
    const QList<QByteArray> maximas = lerLinhas(caminho("maximas.csv"));
    EXPECT_EQ(maximas[0], QByteArray("Ano;Data;M\xe1ximas;Dias v\xe1lidos;Dias sinalizados;\r"));
    EXPECT_EQ(maximas[1], QByteArray("1990/1991;02/03/1991;80,00;365;0;\r"));
    EXPECT_EQ(lerLinhas(caminho("dados.csv"))[1].left(22), QByteArray("Janeiro/1990;0;11;11;1"));
}

// Twelve years whose minima fall on 10 August at 20,0 + year / 10 (1,234 in 1995).
std::optional<double> dozeAnos(QDate d) {
    if (d.month() == 8 && d.day() >= 10 && d.day() <= 16)
        return d.year() == 1995 ? 1.234 : 20.0 + (d.year() - 1990) / 10.0;
    return 50.0;
}

TEST_F(JanelasVazoes, EstacionariedadeRecebeAsMinimasDaTabela) {
    abrir(QDate(1990, 1, 1), QDate(2001, 12, 1), dozeAnos);
    std::vector<std::tuple<QString, QString, double>> recebidos;
    QString titulo, estacao, periodoMinimo;
    QStringList escolhas;
    usarEstacionariedade = [&](ui::TfrmFoEstaciona& e) {
        titulo = e.windowTitle();
        for (const DadoEntrada& d : e.dadosEntrada())
            recebidos.emplace_back(formatarData(d.data), d.rotulo, d.valor.value_or(-1));
        estacao = e.findChild<QLineEdit*>(QStringLiteral("ledtEstacao"))->text();
        for (int i = 0; i < 6; ++i)
            escolhas << e.listaData(i)->currentText();
    };
    minimas([&](ui::TfrmMinVazao& j) {
        j.acao(QStringLiteral("Estacionariedade1"))->trigger();
        // Back from the window opened from it, the window is loaded again and must recalculate.
        EXPECT_FALSE(j.paginas()->isTabVisible(j.paginaAnual()));
    });
    EXPECT_EQ(titulo, QStringLiteral("Estacionariedade (Eventos mínimos)"));
    EXPECT_EQ(estacao, QStringLiteral("12345678"));
    ASSERT_EQ(recebidos.size(), 12u);
    EXPECT_EQ(recebidos[0],
              std::make_tuple(QStringLiteral("10/08/1990"), QStringLiteral("10/08/1990"), 20.0));
    // The minima with all their digits, not the table's two decimals.
    EXPECT_EQ(std::get<0>(recebidos[5]), QStringLiteral("10/08/1995"));
    EXPECT_DOUBLE_EQ(std::get<2>(recebidos[5]), 1.234);
    EXPECT_DOUBLE_EQ(std::get<2>(recebidos[11]), 21.1);
    EXPECT_EQ(escolhas, (QStringList{"10/08/1990", "10/08/2001", "10/08/1990", "10/08/1995",
                                     "10/08/1996", "10/08/2001"}));

    // The maxima go the same way, under their own captions.
    recebidos.clear();
    QString legenda;
    usarDistribuicao = [&](ui::TfrmDistribution& d) { legenda = d.windowTitle(); };
    maximas([&](ui::TfrmVazaoMax& j) {
        j.acao(QStringLiteral("Estacionariedade1"))->trigger();
        j.acao(QStringLiteral("AnaliseEstatistica1"))->trigger();
    });
    EXPECT_EQ(titulo, QStringLiteral("Estacionariedade (Eventos máximos)"));
    ASSERT_EQ(recebidos.size(), 12u);
    EXPECT_EQ(recebidos[0],
              std::make_tuple(QStringLiteral("01/01/1990"), QStringLiteral("01/01/1990"), 50.0));
    EXPECT_EQ(legenda, QStringLiteral("Análise Estatística - Eventos máximos"));
    ASSERT_EQ(entregues.size(), 12u);
    EXPECT_EQ(entregues[11].Data, QStringLiteral("01/01/2001"));
    EXPECT_EQ(entregues[11].Dados, 50.0);
}

// An agency text file of the station 99990003: every day `vazao`, level 2 (consisted).
QByteArray arquivoAgencia(QDate de, QDate ate, const Vazao& vazao) {
    QByteArray t = "//  Vidara - Ag\xeancia de \xc1guas\r\n//  Esta\xe7\xe3o: 99990003\r\n\r\n"
                   "//EstacaoCodigo;NivelConsistencia;Data;\r\n";
    for (QDate m = de; m <= ate; m = m.addMonths(1)) {
        t += "99990003;2;" + m.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';';
        for (int c = 4; c <= 16; ++c)
            t += "1;";
        for (int d = 1; d <= 31; ++d) {
            const auto v = d <= m.daysInMonth() ? vazao(m.addDays(d - 1)) : std::nullopt;
            t += (v ? QString::number(*v).replace(u'.', u',').toLatin1() : QByteArray()) + ';';
        }
        t += QByteArray("1;").repeated(31) + "\r\n";
    }
    return t;
}

TEST_F(JanelasVazoes, ArquivoDaAgenciaAteAAnaliseEstatisticaDasMinimas) {
    // The agency's own download: consisted data from March 1985 to November 1986, a few months
    // with missing days. Pre-processing discards every month with failures.
    QFile::copy(QStringLiteral(CORVEL_TEST_DATA "/agencia/vazoes_antigo.txt"),
                caminho("vazoes.txt"));
    dialogos.arquivos = {caminho("vazoes.txt"), caminho("99990002.cvl")};
    principal.acao(QStringLiteral("ArquivotextodaVidara1"))->trigger();
    usarPreProcessamento = [](ui::TfrmrelatorioMensal& pre) {
        pre.Descartarmesescomfalhas1Click();
    };
    principal.acao(QStringLiteral("PreProcessamento1"))->trigger();

    QString legenda;
    bool calculada = true;
    usarDistribuicao = [&](ui::TfrmDistribution& d) {
        legenda = d.windowTitle();
        calculada = d.analise().calculada;
    };
    minimas([&](ui::TfrmMinVazao& j) {
        j.acao(QStringLiteral("Calcular1"))->trigger();
        // 7-day minima of the complete months, computed apart from the program.
        EXPECT_EQ(linhas(j.modeloAnual()), (QStringList{"1985/1986|13/08/1985|14,17|276|0",
                                                        "1986/1987|10/08/1986|14,11|272|0"}));
        j.acao(QStringLiteral("AnaliseEstatistica1"))->trigger();
    });
    EXPECT_EQ(legenda, QStringLiteral("Análise Estatística - Eventos mínimos"));
    ASSERT_EQ(entregues.size(), 2u);
    EXPECT_EQ(entregues[0].Data, QStringLiteral("13/08/1985"));
    // The value with all its digits, which the table shows rounded.
    EXPECT_NEAR(*entregues[0].Dados, 14.17, 0.005);
    EXPECT_NE(*entregues[0].Dados, 14.17);
    EXPECT_EQ(entregues[1].Data, QStringLiteral("10/08/1986"));
    EXPECT_NEAR(*entregues[1].Dados, 14.11, 0.005);
    EXPECT_FALSE(calculada); // two events: too few for a fit

    // Thirty years whose 7-day minima are the reference minima of the distribution tests: the
    // window hands them over, and the narrowest 95 % interval at T = 10 is the two-parameter
    // log-normal's (standard errors from tests/stats/referencias.py: 0,550 against 0,565 for the
    // Weibull and more for the others).
    const std::vector<double>& referencia = teste::kMinimas;
    QFile longo(caminho("longo.txt"));
    ASSERT_TRUE(longo.open(QIODevice::WriteOnly));
    longo.write(arquivoAgencia(
        QDate(1970, 1, 1), QDate(1999, 12, 1), [&](QDate d) -> std::optional<double> {
            const bool seca = d.month() == 8 && d.day() >= 10 && d.day() <= 16;
            return seca ? referencia[static_cast<std::size_t>(d.year() - 1970)] : 50.0;
        }));
    longo.close();
    dialogos.arquivos = {caminho("longo.txt"), caminho("99990003.cvl")};
    principal.acao(QStringLiteral("ArquivotextodaVidara1"))->trigger();

    QString melhor, estacao;
    usarDistribuicao = [&](ui::TfrmDistribution& d) {
        for (const LinhaDistribuicao& l : d.analise().linhas)
            if (l.id == d.analise().melhorLinha) {
                melhor = l.NomeDistribuicao;
                estacao = l.Estacao;
            }
    };
    usarPreProcessamento = [](ui::TfrmrelatorioMensal& pre) { pre.Serieoriginal1Click(); };
    minimas([&](ui::TfrmMinVazao& j) {
        j.acao(QStringLiteral("PreProcessamento1"))->trigger(); // from the window itself
        j.acao(QStringLiteral("AnaliseEstatistica1"))->trigger();
    });
    ASSERT_EQ(entregues.size(), 30u);
    for (std::size_t i = 0; i < 30; ++i) {
        EXPECT_EQ(entregues[i].Data, QStringLiteral("10/08/%1").arg(1970 + i));
        EXPECT_DOUBLE_EQ(*entregues[i].Dados, referencia[i]); // the mean of seven equal days
    }
    EXPECT_EQ(melhor, QStringLiteral("Lognormal 2"));
    EXPECT_EQ(estacao, QStringLiteral("99990003"));
}

} // namespace
