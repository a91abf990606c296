// The mean-flow window opened with F5's action and driven through scripted dialogs: the annual,
// monthly and long-term tables, the long-term line, the year boxes and their messages, the
// hand-over of the annual means to the stationarity window, the exports and the three reports.
// Expected values worked by hand.
#include "janelasanalise.h"

#include "core/formato.h"
#include "ui/TfrmVazaoMedia.h"
#include "ui/modelotabelatexto.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace corvel;

namespace {

using JanelaVazoesMedias = teste::JanelasAnalise;

// Hydrological years from October: 10,0 a day in 1990/1991, 11,0 in 1991/1992 and so on (9,0
// before October 1990), but a dry 1 January 1994.
std::optional<double> seteAnos(QDate d) {
    if (d == QDate(1994, 1, 1)) return 0.0;
    const int ano = d.month() >= 10 ? d.year() : d.year() - 1;
    return 10.0 + (ano - 1990);
}

// October 1992 to September 1993 discarded: the year 1992/1993 has no considered month.
void descartarUmAno(SerieTabela& s) {
    for (RegistroMensal& r : s.armazenados())
        if (r.data >= QDate(1992, 10, 1) && r.data <= QDate(1993, 9, 1))
            r.vazao01Status = kDescartado;
}

// 1989/1990: January to September 1990 only, 273 days of 9 (partial); 1990/1991: 365 days of 10;
// 1991/1992: 366 of 11 (29 February 1992); 1993/1994: 364 of 13 and one of 0, 4 732 / 365 =
// 12,964; 1995/1996: 366 of 15; 1996/1997: October to December 1996 only (partial).
const QStringList kAnuais = {"1989/1990*|9,00|273|0", "1990/1991|10,00|365|0", "1991/1992|11,00|366|0",
                             "1992/1993|-|0|0",       "1993/1994|12,96|365|0", "1994/1995|14,00|365|0",
                             "1995/1996|15,00|366|0", "1996/1997*|16,00|92|0"};
// Every considered day: (9 x 273 + 10 x 365 + 11 x 366 + 4 732 + 14 x 365 + 15 x 366 + 16 x 92)
// / 2 192 = 26 937 / 2 192.
const QString kLongaDuracao = QStringLiteral("Vazão média de longa duração: 12,2888 m³/s");

TEST_F(JanelaVazoesMedias, MediasCalculadasEEntreguesAEstacionariedade) {
    abrir(QDate(1990, 1, 1), QDate(1996, 12, 1), seteAnos, 10, descartarUmAno);
    QString legenda, estacao;
    std::vector<std::tuple<QString, QString, double>> recebidos;
    QStringList anosEscolhidos, itensAno;
    bool porAno = true;
    int periodosMinimos = 0;
    usarEstacionariedade = [&](ui::TfrmFoEstaciona& e) {
        legenda = e.windowTitle();
        estacao = e.findChild<QLineEdit*>(QStringLiteral("ledtEstacao"))->text();
        for (const DadoEntrada& d : e.dadosEntrada())
            recebidos.emplace_back(formatarData(d.data), d.rotulo, d.valor.value_or(-1));
        for (int i = 0; i < 6; ++i) {
            anosEscolhidos << e.listaAno(i)->currentText();
            porAno = porAno && !e.listaAno(i)->isHidden() && e.listaData(i)->isHidden();
        }
        for (int k = 0; k < e.listaAno(0)->count(); ++k)
            itensAno << e.listaAno(0)->itemText(k);
        for (const QLineEdit* c : e.findChildren<QLineEdit*>())
            periodosMinimos += c->text() == QStringLiteral("5 anos");
    };
    analisar<ui::TfrmVazaoMedia>("VazoesMedias1", [&](ui::TfrmVazaoMedia& j) {
        EXPECT_EQ(j.windowTitle(), QStringLiteral("Vazões Médias"));
        EXPECT_TRUE(j.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(j.estacao(), QStringLiteral("12345678"));
        EXPECT_EQ(j.inicioAno()->text(), QStringLiteral("Outubro"));
        EXPECT_EQ(j.anoInicio()->text(), QStringLiteral("1990"));
        EXPECT_EQ(j.anoFim()->text(), QStringLiteral("1996"));
        EXPECT_TRUE(j.linhaLongaDuracao()->text().isEmpty());
        for (int p : {j.paginaAnual(), j.paginaMensal(), j.paginaLongaDuracao()})
            EXPECT_FALSE(j.paginas()->isTabVisible(p));
        // "Dados": the month and the 31 days; the failure percentage is exported, not shown.
        EXPECT_TRUE(j.gradeDados()->isColumnHidden(1));
        EXPECT_EQ(j.gradeDados()->model()->headerData(2, Qt::Horizontal).toString(),
                  QStringLiteral("Dia 1"));

        j.acao(QStringLiteral("Calcular1"))->trigger();
        for (int p : {j.paginaAnual(), j.paginaMensal(), j.paginaLongaDuracao()})
            EXPECT_TRUE(j.paginas()->isTabVisible(p));
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaMensal());
        EXPECT_EQ(j.paginas()->tabText(j.paginaLongaDuracao()),
                  QStringLiteral("Médias mensais de longa duração"));
        EXPECT_EQ(titulos(j.modeloAnual()),
                  (QStringList{"Ano", "Média", "Dias válidos", "Dias sinalizados"}));
        EXPECT_EQ(linhas(j.modeloAnual()), kAnuais);
        EXPECT_FALSE(j.linhaLongaDuracao()->isHidden());
        EXPECT_EQ(j.linhaLongaDuracao()->text(), kLongaDuracao);

        // 72 considered months; January 1994: 30 x 13 / 31 = 12,58 ("0.##").
        const QStringList mensais = linhas(j.modeloMensal());
        ASSERT_EQ(mensais.size(), 72);
        EXPECT_EQ(mensais[0], QStringLiteral("Janeiro/1990|9|31"));
        EXPECT_EQ(mensais[33], QStringLiteral("Outubro/1993|13|31"));
        EXPECT_EQ(mensais[36], QStringLiteral("Janeiro/1994|12,58|31"));
        // January: (9 + 10 + 11 + 12,5806 + 14 + 15) / 6; October: (10 + 11 + 13 + ... + 16) / 6.
        const QStringList longa = linhas(j.modeloLongaDuracao());
        ASSERT_EQ(longa.size(), 12);
        EXPECT_EQ(longa[0], QStringLiteral("Janeiro|11,93|6"));
        EXPECT_EQ(longa[1], QStringLiteral("Fevereiro|12,00|6"));
        EXPECT_EQ(longa[9], QStringLiteral("Outubro|13,17|6"));

        j.acao(QStringLiteral("Estacionariedade1"))->trigger();
        // Back from it the window is loaded again on "Dados"; the results stay.
        EXPECT_EQ(j.paginas()->currentIndex(), 0);
        EXPECT_TRUE(j.paginas()->isTabVisible(j.paginaAnual()));
        EXPECT_EQ(linhas(j.modeloAnual()), kAnuais);
    });
    EXPECT_EQ(legenda, QStringLiteral("Estacionariedade (Série de médias anuais)"));
    EXPECT_EQ(estacao, QStringLiteral("12345678"));
    EXPECT_EQ(periodosMinimos, 2);
    // The year without a mean and the partial years are left out; each value with all its digits.
    using R = std::tuple<QString, QString, double>;
    EXPECT_EQ(recebidos, (std::vector<R>{R{"01/01/1990", "1990/1991", 10.0},
                                         R{"01/01/1991", "1991/1992", 11.0},
                                         R{"01/01/1993", "1993/1994", 4732.0 / 365.0},
                                         R{"01/01/1994", "1994/1995", 14.0},
                                         R{"01/01/1995", "1995/1996", 15.0}}));
    // Year-based panels: the whole series, and two halves split after (5 - 1) div 2 = 2.
    EXPECT_TRUE(porAno);
    EXPECT_EQ(itensAno, (QStringList{"1990", "1991", "1993", "1994", "1995"}));
    EXPECT_EQ(anosEscolhidos, (QStringList{"1990", "1995", "1990", "1993", "1994", "1995"}));
}

TEST_F(JanelaVazoesMedias, CaixasDeAnoSoComAlgarismosETresMensagens) {
    abrir(QDate(1990, 1, 1), QDate(1996, 12, 1), seteAnos, 10, descartarUmAno);
    analisar<ui::TfrmVazaoMedia>("VazoesMedias1", [&](ui::TfrmVazaoMedia& j) {
        QKeyEvent letra(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(j.anoInicio(), &letra);
        EXPECT_EQ(j.anoInicio()->text(), QStringLiteral("1990"));

        // A narrower period: the hydrological years that begin in 1993 and 1994, and the long-term
        // mean of the considered days of the calendar years 1993 and 1994 (whatever the start
        // month): October-December 1993 (92 x 13), 1994 (0 + 272 x 13 + 92 x 14), 6 020 / 457.
        j.anoInicio()->setText(QStringLiteral("1993"));
        j.anoFim()->setText(QStringLiteral("1994"));
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(linhas(j.modeloAnual()),
                  (QStringList{"1993/1994|12,96|365|0", "1994/1995|14,00|365|0"}));
        const QString linha = QStringLiteral("Vazão média de longa duração: 13,1729 m³/s");
        EXPECT_EQ(j.linhaLongaDuracao()->text(), linha);

        const struct {
            const char *inicio, *fim, *mensagem;
        } casos[] = {
            {"", "1994", "\"Ano Início\" ou \"Ano Fim\" não definidos."},
            {"1993", "", "\"Ano Início\" ou \"Ano Fim\" não definidos."},
            {"0", "1994", "Valor inválido para \"Ano Início\" ou \"Ano Fim\""},
            {"1995", "1994", "\"Ano Fim\" deve ser maior ou igual ao \"Ano Início\"."},
        };
        for (const auto& c : casos) {
            j.anoInicio()->setText(QString::fromUtf8(c.inicio));
            j.anoFim()->setText(QString::fromUtf8(c.fim));
            j.acao(QStringLiteral("Calcular1"))->trigger();
            EXPECT_EQ(dialogos.mostrados.back(),
                      QStringLiteral("Erro: ") + QString::fromUtf8(c.mensagem));
            // The annual table stays empty, the monthly ones are rebuilt, the line stays.
            EXPECT_FALSE(j.anuais().has_value());
            EXPECT_EQ(j.modeloAnual()->rowCount(), 0);
            EXPECT_EQ(j.modeloMensal()->rowCount(), 72);
            EXPECT_EQ(j.paginas()->currentIndex(), j.paginaMensal());
            EXPECT_EQ(j.linhaLongaDuracao()->text(), linha);
        }
        // An export of the annual table calculates it first: the message again and no file.
        const std::size_t arquivos = dialogos.dialogosArquivo.size();
        const std::size_t mostrados = dialogos.mostrados.size();
        j.acao(QStringLiteral("AnuaisCsv1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.size(), arquivos);
        ASSERT_EQ(dialogos.mostrados.size(), mostrados + 1);
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Erro: \"Ano Fim\" deve ser maior ou igual ao \"Ano Início\"."));
    });
}

TEST_F(JanelaVazoesMedias, MenusExportacoesERelatorios) {
    abrir(QDate(1990, 1, 1), QDate(1996, 12, 1), seteAnos, 10, descartarUmAno);
    QStringList itens, dicas;
    int previas = 0;
    usarPrevia = [&](QPrintPreviewDialog&) { ++previas; };
    analisar<ui::TfrmVazaoMedia>("VazoesMedias1", [&](ui::TfrmVazaoMedia& j) {
        itens = itensDeMenu(j);
        dicas = dicasDaBarra(j);
        dialogos.arquivos = {caminho("anuais.csv"), caminho("mensais.csv"), caminho("longa.csv"),
                             caminho("dados.csv"), caminho("longa.xlsx")};
        dialogos.respostas = {false}; // do not open the workbook
        for (const char* acao :
             {"AnuaisCsv1", "MensaisCsv1", "LongaDuracaoCsv1", "DadosCsv1", "LongaDuracaoXls1"})
            j.acao(QString::fromLatin1(acao))->trigger();
        ASSERT_EQ(dialogos.dialogosArquivo.size(), 6u); // the project's, then the five exports
        for (std::size_t i = 1; i <= 3; ++i)
            EXPECT_EQ(
                dialogos.dialogosArquivo[i].filtro,
                QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo[4].filtro,
                  QStringLiteral("Arquivos texto \"Separado por Ponto-e-vírgula\" (*.CSV *.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo[4].extensaoPadrao, QStringLiteral("CSV"));
        EXPECT_EQ(dialogos.dialogosArquivo[5].nomeProposto,
                  QStringLiteral("Vazões médias mensais LD.xlsx"));

        // The toolbar's print: three questions, a preview for each Yes.
        dialogos.entradas = {QStringLiteral("Ana Lima")};
        dialogos.respostas = {true, false, true};
        j.findChild<QToolButton*>(QStringLiteral("btnImprimir1"))->click();
        EXPECT_EQ(previas, 2);

        const relatorio::Relatorio anual = j.relatorioAnual();
        EXPECT_EQ(anual.titulo, QStringLiteral("RELATÓRIO"));
        EXPECT_EQ(anual.cabecalho,
                  (std::vector<QString>{"Vazões médias anuais", "Técnico responsável: Ana Lima",
                                        "Código da estação: 12345678",
                                        "Início do ano hidrológico: Outubro",
                                        "Período: 1990 - 1996", kLongaDuracao}));
        QStringList colunas;
        for (const auto& c : anual.colunas)
            colunas << c.titulo;
        EXPECT_EQ(colunas,
                  (QStringList{"Ano", "Vazão Média(m³/s)", "Dias válidos", "Dias sinalizados"}));
        EXPECT_EQ(anual.colunasComMoldura, 4);
        EXPECT_EQ(anual.linhas[1], (std::vector<QString>{"1990/1991", "10,00", "365", "0"}));
        EXPECT_EQ(anual.linhas[3], (std::vector<QString>{"1992/1993", "-", "0", "0"}));
        EXPECT_EQ(anual.notas, std::vector<QString>{QString::fromUtf8(kNotaAnoParcial)});

        const relatorio::Relatorio mensal = j.relatorioMensal();
        EXPECT_EQ(mensal.cabecalho[0], QStringLiteral("Vazões médias mensais"));
        EXPECT_EQ(mensal.colunas[1].titulo, QStringLiteral("Vazão Média(m³/s)"));
        EXPECT_EQ(mensal.linhas.size(), 72u);
        EXPECT_EQ(mensal.linhas[36], (std::vector<QString>{"Janeiro/1994", "12,58", "31"}));

        const relatorio::Relatorio longa = j.relatorioLongaDuracao();
        EXPECT_EQ(longa.cabecalho[0], QStringLiteral("Vazões médias mensais de longa duração"));
        EXPECT_EQ(longa.cabecalho[5], kLongaDuracao);
        EXPECT_EQ(longa.colunas[0].titulo, QStringLiteral("Mês"));
        EXPECT_EQ(longa.colunas[2].titulo, QStringLiteral("Meses considerados"));
        EXPECT_EQ(longa.linhas[9], (std::vector<QString>{"Outubro", "13,17", "6"}));

        j.acao(QStringLiteral("ConteudodaAjuda1"))->trigger();
    });
    EXPECT_EQ(
        itens,
        (QStringList{
            "Arquivo › Exportar \"Dados de entrada\" › *.CSV (Arquivos separados por "
            "ponto-e-vírgula)",
            "Arquivo › Exportar \"Dados de entrada\" › *.XLS (Arquivos de Excel)",
            "Arquivo › Exportar \"Vazões médias anuais\" › *.CSV (Arquivos separados por "
            "ponto-e-vírgula)",
            "Arquivo › Exportar \"Vazões médias anuais\" › *.XLS (Arquivos de Excel)",
            "Arquivo › Exportar \"Vazões médias mensais\" › *.CSV (Arquivos texto com dados "
            "separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Vazões médias mensais\" › *.XLS (Arquivos do Excel)",
            "Arquivo › Exportar \"Vazões médias mensais de longa duração\" › *.CSV (Arquivos "
            "texto com dados separados por ponto-e-vírgula)",
            "Arquivo › Exportar \"Vazões médias mensais de longa duração\" › *.XLS (Arquivos do "
            "Excel)",
            "Arquivo › Imprimir › Vazões médias anuais",
            "Arquivo › Imprimir › Vazões médias mensais",
            "Arquivo › Imprimir › Vazões médias mensais de longa duração",
            "Arquivo › Fechar [Ctrl+F4]",
            "Operações › Pré-processamento [F10]",
            "Operações › Calcular [F11]",
            "Operações › Estacionariedade [Ctrl+E]",
            "Operações › Adicionar a vazão média de longa duração ao projeto de regionalização",
            "Ajuda › Conteúdo da ajuda [F1]",
        }));
    EXPECT_EQ(dicas, (QStringList{"Imprimir", "Pré-processamento", "Calcular vazões médias",
                                  "Estacionariedade"}));
    QStringList perguntas;
    for (const QString& m : dialogos.mostrados)
        if (m.startsWith(QStringLiteral("Pergunta: Deseja imprimir"))) perguntas << m.mid(10);
    EXPECT_EQ(perguntas,
              (QStringList{"Deseja imprimir \"Vazões médias anuais\"?",
                           "Deseja imprimir \"Vazões médias mensais\"?",
                           "Deseja imprimir \"Vazões médias mensais de longa duração\"?"}));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Ajuda: 11"));

    // The CSV files hold the grids' texts; the long-term means in the general number form.
    EXPECT_EQ(lerLinhas(caminho("anuais.csv")),
              (QStringList{"Ano;Média;Dias válidos;Dias sinalizados;", "1989/1990*;9,00;273;0;",
                           "1990/1991;10,00;365;0;", "1991/1992;11,00;366;0;", "1992/1993;-;0;0;",
                           "1993/1994;12,96;365;0;", "1994/1995;14,00;365;0;", "1995/1996;15,00;366;0;",
                           "1996/1997*;16,00;92;0;"}));
    const QStringList mensais = lerLinhas(caminho("mensais.csv"));
    EXPECT_EQ(mensais.size(), 73);
    EXPECT_EQ(mensais[0], QStringLiteral("Mês;Vazões médias;Dias válidos;"));
    EXPECT_EQ(mensais[37], QStringLiteral("Janeiro/1994;12,58;31;"));
    const QStringList longa = lerLinhas(caminho("longa.csv"));
    EXPECT_EQ(longa[0],
              QStringLiteral("Mês;Media Mensal de longa duração;Nº de meses considerados;"));
    EXPECT_EQ(longa[1], QStringLiteral("Janeiro;11,9301075268817;6;"));
    const QStringList dados = lerLinhas(caminho("dados.csv"));
    EXPECT_EQ(dados.size(), 73);
    EXPECT_TRUE(dados[0].startsWith(QStringLiteral("Mês;Falhas(%);Dia 1;Dia 2;")))
        << dados[0].toStdString();
    EXPECT_EQ(dados[37], QStringLiteral("Janeiro/1994;0;0;") + QStringLiteral("13;").repeated(30));
    EXPECT_TRUE(QFileInfo(caminho("longa.xlsx")).size() > 0);
}

} // namespace
