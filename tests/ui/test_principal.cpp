// The main window driven as a user drives it, with scripted dialogs: menus and toolbar, project
// open and save, the analysis-window rule and reload, help and About.
#include "principal.h"

#include "core/construtor.h"
#include "core/projeto.h"
#include "ui/TfrmAjuda.h"
#include "ui/TfrmInformacao.h"
#include "ui/TfrmPrincipal.h"
#include "ui/gradecolunafixa.h"
#include "ui/modeloserie.h"

#include <QApplication>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

using namespace corvel;
using corvel::teste::DialogosRoteiro;
using corvel::teste::JanelaPrincipal;

namespace {

// Every visible menu item as "Menu › Item [shortcut]", in order.
void listarMenu(const QList<QAction*>& acoes, const QString& prefixo, QStringList& saida) {
    for (QAction* a : acoes) {
        if (a->isSeparator() || !a->isVisible()) continue;
        QString linha = prefixo + a->text();
        if (!a->shortcut().isEmpty())
            linha += QStringLiteral(" [") + a->shortcut().toString() + u']';
        saida << linha;
        if (a->menu()) listarMenu(a->menu()->actions(), linha + QStringLiteral(" › "), saida);
    }
}

TEST_F(JanelaPrincipal, MenusComAsLegendasEAtalhosDoPrograma) {
    QStringList itens;
    listarMenu(janela.menuBar()->actions(), QString(), itens);
    const QStringList esperados = {
        "Arquivo",
        "Arquivo › Importar dados",
        "Arquivo › Importar dados › Série de dados disponibilizados pela Agência Vidara via "
        "WebService. (É necessário ter acesso a Internet)",
        "Arquivo › Importar dados › *.MDB (Arquivo de dados em Access disponibilizado pela Agência "
        "Vidara)",
        "Arquivo › Importar dados › *.TXT (Arquivo texto com dados separados por ponto-e-vírgula "
        "disponibilizado pela Agência Vidara)",
        "Arquivo › Importar dados › Série diária (data; vazão)",
        "Arquivo › Importar dados › Criar arquivos de dados ",
        "Arquivo › Importar dados › Completar com dados brutos",
        "Arquivo › Abrir projeto...",
        "Arquivo › Salvar como...",
        "Arquivo › Salvar [Ctrl+S]",
        "Arquivo › Fechar projeto",
        "Arquivo › Exportar ",
        "Arquivo › Exportar  › *.CSV (Arquivo texto com dados separados por ponto-e-vírgula)",
        "Arquivo › Exportar  › *.TXT (Arquivo texto com dados separados por \"Espaço\") ",
        "Arquivo › Exportar  › *.XLS (Arquivos do Excel)",
        "Arquivo › Fechar [Ctrl+F4]",
        "Exibir",
        "Exibir › Barra de ferramentas [F12]",
        "Exibir › Botões com legenda [F2]",
        "Exibir › Informações [Ctrl+I]",
        "Série",
        "Série › Pré-processamento [F10]",
        "Série › Gerenciar dados  [Ctrl+G]",
        "Vazões",
        "Vazões › Vazões mínimas [F4]",
        "Vazões › Vazões médias [F5]",
        "Vazões › Vazões máximas [F6]",
        "Vazões › Curva de permanência [F7]",
        "Vazões › Regularização [F8]",
        "Vazões › Hidrógrafa [F9]",
        "Vazões › Ficha de vazões de referência",
        "Ferramentas",
        "Ferramentas › Disponibilidade de dados...",
        "Ferramentas › Preenchimento e extensão de série...",
        "Ajuda",
        "Ajuda › Sobre...",
        "Ajuda › Conteúdo da ajuda [F1]",
        "Ajuda › Documentação técnica [Ctrl+D]",
    };
    EXPECT_EQ(itens, esperados);
    EXPECT_TRUE(janela.acao(QStringLiteral("Barradeferramentas1"))->isChecked());
}

TEST_F(JanelaPrincipal, BarraComecaComLegendaEF2DuasVezesVoltaAoMesmoModo) {
    QStringList legendas;
    for (QToolButton* b : janela.barraFerramentas()->findChildren<QToolButton*>(
             QString(), Qt::FindDirectChildrenOnly))
        if (b->objectName().startsWith(QStringLiteral("btn"))) legendas << b->text();
    EXPECT_EQ(legendas,
              (QStringList{"Importar", "Abrir", "Salvar", "Pré-processamento", "Máximas", "Médias",
                           "Mínimas", "Regularização", "Permanência", "Hidrograma"}));
    auto* abrir = janela.barraFerramentas()->findChild<QToolButton*>(QStringLiteral("btnAbrir"));
    ASSERT_TRUE(abrir);
    EXPECT_TRUE(janela.botoesComLegenda());
    EXPECT_EQ(janela.barraFerramentas()->height(), 53);
    EXPECT_EQ(abrir->height(), 49);
    EXPECT_EQ(abrir->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_TRUE(abrir->toolTip().contains(QStringLiteral(
        "Clique aqui para abrir arquivos de projetos do Corvel salvos anteriormente.")));

    QAction* f2 = janela.acao(QStringLiteral("BotoescomLegenda1"));
    f2->trigger();
    EXPECT_FALSE(janela.botoesComLegenda());
    EXPECT_FALSE(f2->isChecked());
    EXPECT_EQ(janela.barraFerramentas()->height(), 25);
    EXPECT_EQ(abrir->size(), QSize(25, 22));
    EXPECT_EQ(abrir->toolButtonStyle(), Qt::ToolButtonIconOnly);
    f2->trigger();
    EXPECT_TRUE(janela.botoesComLegenda());
    EXPECT_TRUE(f2->isChecked());
    EXPECT_EQ(abrir->height(), 49);

    QAction* f12 = janela.acao(QStringLiteral("Barradeferramentas1"));
    f12->trigger();
    EXPECT_FALSE(janela.barraFerramentas()->isVisible());
    EXPECT_FALSE(f12->isChecked());
    f12->trigger();
    EXPECT_TRUE(janela.barraFerramentas()->isVisible());
}

TEST_F(JanelaPrincipal, PaginaInicialSemProjeto) {
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0 - Ondarel"));
    EXPECT_EQ(janela.textoStatus(1), QStringLiteral("Tecle F1 para obter ajuda"));
    EXPECT_EQ(janela.textoStatus(2),
              QStringLiteral("Tecle CTRL + D para ler a documentação técnica"));
    EXPECT_FALSE(janela.paginaGradeVisivel());
    EXPECT_TRUE(janela.textoCabecalho().isEmpty());
    EXPECT_GE(janela.minimumSize().width(), 600);
    EXPECT_GE(janela.minimumSize().height(), 500);
}

TEST_F(JanelaPrincipal, AbreProjetoComExtensaoMaiusculaERecusaOutraExtensao) {
    abrir(projeto(QStringLiteral("SERIE.CVL")));
    EXPECT_TRUE(dialogos.mostrados.empty());
    EXPECT_EQ(dialogos.dialogosArquivo.back().titulo, QStringLiteral("Abrir projeto"));
    EXPECT_TRUE(dialogos.dialogosArquivo.back().filtro.startsWith(
        QStringLiteral("Arquivos do Corvel 1.0 (*.cvl)")));
    EXPECT_TRUE(janela.paginaGradeVisivel());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0-(SERIE.CVL)"));
    EXPECT_EQ(janela.textoStatus(1), QStringLiteral("Arquivo :SERIE.CVL"));
    EXPECT_TRUE(janela.textoStatus(2).startsWith(QStringLiteral("Última modificação: ")));
    EXPECT_EQ(janela.textoCabecalho(),
              QStringLiteral("Cód. da Estação: 12345678    Início do Ano Hidrológico: ?     "));
    EXPECT_EQ(janela.modelo()->rowCount(), 24);
    EXPECT_EQ(janela.modelo()->index(2, ui::ModeloSerie::kMes).data().toString(),
              QStringLiteral("Março/1990"));

    const QString xml = projeto(QStringLiteral("serie.xml"));
    abrir(xml);
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral(
                                      "Aviso: Este não é um arquivo de projeto do Corvel 1.0")});
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(janela.paginaGradeVisivel());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0 - Ondarel"));

    // Cancelling the dialog keeps what is open.
    abrir(projeto(QStringLiteral("a.cvl")));
    dialogos.arquivos.push_back(std::nullopt);
    janela.acao(QStringLiteral("Abrir1"))->trigger();
    EXPECT_TRUE(bancada.serie.ativa());
}

TEST_F(JanelaPrincipal, GradeMostraOsMesesEDescartadosEmVermelho) {
    SerieTabela s = teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                       [](QDate m, int d) -> std::optional<double> {
                                           if (m.month() == 3 && d == 13) return std::nullopt;
                                           return 10.5;
                                       });
    s[4].vazao01Status = kDescartado;
    gravarProjeto(caminho(QStringLiteral("d.cvl")), s);
    abrir(caminho(QStringLiteral("d.cvl")));
    const ui::ModeloSerie& m = *janela.modelo();
    EXPECT_EQ(m.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Mês"));
    EXPECT_EQ(m.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("% Falhas"));
    EXPECT_EQ(
        m.headerData(ui::ModeloSerie::kDia01 + 30, Qt::Horizontal, Qt::DisplayRole).toString(),
        QStringLiteral("Dia 31"));
    EXPECT_EQ(m.index(2, ui::ModeloSerie::kSituacao).data().toString(),
              QStringLiteral("Considerado"));
    EXPECT_EQ(m.index(2, ui::ModeloSerie::kPorcentagem).data().toString(), QStringLiteral("3%"));
    EXPECT_EQ(m.index(2, ui::ModeloSerie::kDia01).data().toString(), QStringLiteral("10,50"));
    EXPECT_EQ(m.index(2, ui::ModeloSerie::kDia01 + 12).data().toString(), QString());
    EXPECT_EQ(m.index(4, ui::ModeloSerie::kSituacao).data().toString(),
              QStringLiteral("Descartado"));
    EXPECT_EQ(m.index(4, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    EXPECT_FALSE(m.index(3, 0).data(Qt::ForegroundRole).isValid());
    // A row started at the end of the grid is cancelled at once.
    EXPECT_FALSE(janela.modelo()->insertRows(12, 1));
    EXPECT_EQ(m.rowCount(), 12);
}

// What is known of each day shows in the grid: a colour per status and for raw months, a tooltip
// naming it, the month's level and method, and the legend under the grid; a typed value becomes
// "digitado".
TEST_F(JanelaPrincipal, GradeMarcaOsDiasSinalizadosEOsMesesBrutos) {
    SerieTabela s = teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1));
    s[0].sinal[1] = SinalDia::Estimado;
    s[0].sinal[2] = SinalDia::ReguaSeca;
    s[0].sinal[3] = SinalDia::Real;
    s[0].metodoObtencao = 1;
    s[1].nivelConsistencia = 1;
    gravarProjeto(caminho(QStringLiteral("s.cvl")), s);
    abrir(caminho(QStringLiteral("s.cvl")));
    ui::ModeloSerie& m = *janela.modelo();
    const auto fundo = [&](int linha, int dia) {
        return m.index(linha, ui::ModeloSerie::kDia01 + dia - 1).data(Qt::BackgroundRole);
    };
    const auto dica = [&](int linha, int dia) {
        return m.index(linha, ui::ModeloSerie::kDia01 + dia - 1).data(Qt::ToolTipRole).toString();
    };
    EXPECT_TRUE(fundo(0, 2).isValid());
    EXPECT_TRUE(fundo(0, 3).isValid());
    EXPECT_NE(fundo(0, 2).value<QBrush>().color(), fundo(0, 3).value<QBrush>().color());
    EXPECT_FALSE(fundo(0, 4).isValid()); // real
    EXPECT_FALSE(fundo(0, 5).isValid()); // unknown
    EXPECT_EQ(dica(0, 2), QStringLiteral("Estimado"));
    EXPECT_EQ(dica(0, 3), QStringLiteral("Régua seca"));
    EXPECT_TRUE(dica(0, 4).isEmpty());
    EXPECT_TRUE(fundo(1, 10).isValid());
    EXPECT_EQ(dica(1, 10), QStringLiteral("Mês de dados brutos (nível 1)"));
    EXPECT_EQ(m.index(0, ui::ModeloSerie::kMes).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Nível de consistência 2 (consistido); vazões obtidas por curva de "
                             "descarga"));
    const QWidget* legenda = janela.findChild<QWidget*>(QStringLiteral("legendaSinais"));
    ASSERT_TRUE(legenda);
    EXPECT_TRUE(legenda->isVisible());
    QStringList nomes;
    for (const QLabel* l : legenda->findChildren<QLabel*>())
        if (!l->text().isEmpty()) nomes << l->text();
    EXPECT_EQ(nomes, (QStringList{"Estimado", "Duvidoso", "Régua seca ou rio seco",
                                  "Régua coberta ou rio cortado", "Preenchido", "Digitado",
                                  "Mês bruto (nível 1)"}));

    EXPECT_TRUE(m.setData(m.index(0, ui::ModeloSerie::kDia01 + 1), QStringLiteral("7"), Qt::EditRole));
    EXPECT_EQ(dica(0, 2), QStringLiteral("Digitado"));
}

TEST_F(JanelaPrincipal, ValorDigitadoNaGradeSeguePelaContagemEValorInvalidoEhRecusado) {
    abrir(projeto(QStringLiteral("a.cvl")));
    ui::ModeloSerie& m = *janela.modelo();
    EXPECT_TRUE(
        m.setData(m.index(0, ui::ModeloSerie::kDia01 + 4), QStringLiteral(""), Qt::EditRole));
    EXPECT_EQ(m.index(0, ui::ModeloSerie::kPorcentagem).data().toString(), QStringLiteral("3%"));
    EXPECT_EQ(m.index(0, ui::ModeloSerie::kSituacao).data().toString(),
              QStringLiteral("Com falhas"));
    EXPECT_TRUE(
        m.setData(m.index(0, ui::ModeloSerie::kDia01 + 4), QStringLiteral("0"), Qt::EditRole));
    EXPECT_EQ(m.index(0, ui::ModeloSerie::kSituacao).data().toString(), QStringLiteral("Completo"));
    EXPECT_FALSE(
        m.setData(m.index(0, ui::ModeloSerie::kDia01), QStringLiteral("12.5"), Qt::EditRole));
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral(
                                      "Erro: '12.5' não é um valor de ponto flutuante válido")});
}

class JanelaDeTeste : public QDialog {
  public:
    explicit JanelaDeTeste(Bancada& b) : bancada(b) {
        setWindowTitle(QStringLiteral("Análise de teste"));
    }
    Bancada& bancada;
};

TEST_F(JanelaPrincipal, AnaliseExigeDozeRegistrosERelêOProjetoAoFechar) {
    int abertas = 0;
    janela.registrarAnalise(QStringLiteral("VazoesMinimas1"), [&](ui::TfrmPrincipal& p) {
        ++abertas;
        return std::make_unique<JanelaDeTeste>(p.bancada());
    });
    QAction* minimas = janela.acao(QStringLiteral("VazoesMinimas1"));
    EXPECT_TRUE(minimas->isEnabled());

    minimas->trigger(); // nothing open
    abrir(projeto(QStringLiteral("onze.cvl"), 11));
    minimas->trigger();
    const QString recusa = QStringLiteral(
        "Erro: Nenhuma base de dados aberta\n ou o número de registros é insuficiente.");
    EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{recusa, recusa}));
    EXPECT_EQ(abertas, 0);

    abrir(projeto(QStringLiteral("doze.cvl"), 12));
    ui::ModeloSerie& m = *janela.modelo();
    ASSERT_TRUE(
        m.setData(m.index(0, ui::ModeloSerie::kDia01), QStringLiteral("999,5"), Qt::EditRole));
    EXPECT_EQ(bancada.serie[0].vazao[0], 999.5);
    dialogos.aoExecutar = [&](QDialog& j) {
        // While the window is open the series is as the user left it.
        EXPECT_EQ(static_cast<JanelaDeTeste&>(j).bancada.serie[0].vazao[0], 999.5);
        return int(QDialog::Accepted);
    };
    minimas->trigger();
    EXPECT_EQ(abertas, 1);
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Janela: Análise de teste"));
    // The unsaved edit is gone: the series was read back from the file.
    EXPECT_NE(bancada.serie[0].vazao[0], 999.5);
    EXPECT_EQ(m.index(0, ui::ModeloSerie::kDia01).data().toString(), QStringLiteral("90,01"));
    EXPECT_TRUE(janela.paginaGradeVisivel());
}

TEST_F(JanelaPrincipal, SalvarComoPropoeOCodigoDaEstacaoEPerguntaAntesDeSubstituir) {
    abrir(projeto(QStringLiteral("a.cvl")));
    projeto(QStringLiteral("12345678.cvl"));
    dialogos.arquivos = {caminho(QStringLiteral("12345678.txt")), caminho(QStringLiteral("b.cvl"))};
    dialogos.respostas = {false};
    janela.acao(QStringLiteral("Salvarcomo1"))->trigger();
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 3u);
    EXPECT_EQ(dialogos.dialogosArquivo[1].titulo, QStringLiteral("Salvar projeto"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("12345678.cvl"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].extensaoPadrao, QStringLiteral("cvl"));
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral(
                  "Pergunta: Um arquivo com este nome já existe. Deseja substitui-lo?")});
    EXPECT_EQ(bancada.arquivoProjeto, caminho(QStringLiteral("b.cvl")));
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0-(b.cvl)"));
}

TEST_F(JanelaPrincipal, SalvarEFecharSemProjeto) {
    janela.acao(QStringLiteral("Salvar1"))->trigger();
    janela.acao(QStringLiteral("Salvarcomo1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{QStringLiteral("Erro: Não há modificações para salvar."),
                                    QStringLiteral("Erro: Não há modificações para salvar.")}));
    abrir(projeto(QStringLiteral("a.cvl")));
    janela.acao(QStringLiteral("Fecharprojeto1"))->trigger();
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
    EXPECT_FALSE(janela.paginaGradeVisivel());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0 - Ondarel"));
}

TEST_F(JanelaPrincipal, TecnicoResponsavel) {
    dialogos.entradas = {QStringLiteral("Maria Souza"), std::nullopt};
    janela.cnicoresponsvel1Click();
    EXPECT_EQ(bancada.tecnico, QStringLiteral("Maria Souza"));
    janela.cnicoresponsvel1Click();
    EXPECT_EQ(bancada.tecnico, QStringLiteral("-"));
    EXPECT_EQ(
        dialogos.mostrados.front(),
        QStringLiteral("Entrada: Técnico responsável / Digite o nome do técnico responsável:"));
}

TEST_F(JanelaPrincipal, CliqueNaVersaoRevelaAImportacaoDeSaoPaulo) {
    QAction* sp = janela.acao(QStringLiteral("SaoPaulo1"));
    EXPECT_FALSE(sp->isVisible());
    dialogos.aoExecutar = [](QDialog& sobre) {
        auto* versao = sobre.findChild<QLabel*>(QStringLiteral("lblVersao"));
        EXPECT_TRUE(versao);
        if (versao) {
            QMouseEvent clique(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                               Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(versao, &clique);
        }
        return int(QDialog::Accepted);
    };
    janela.acao(QStringLiteral("Sobre1"))->trigger();
    EXPECT_TRUE(sp->isVisible());
}

TEST_F(JanelaPrincipal, AjudaAbreOTopicoPedido) {
    janela.verificarAjuda(); // the build puts the help folder beside the program
    EXPECT_TRUE(dialogos.mostrados.empty());
    janela.acao(QStringLiteral("Documentacaotecnica1"))->trigger();
    ASSERT_TRUE(janela.janelaAjuda());
    EXPECT_EQ(janela.janelaAjuda()->topico(), 18);
    EXPECT_TRUE(janela.janelaAjuda()->texto().contains(QStringLiteral("Documentação técnica")));
    janela.mostrarAjuda(4);
    EXPECT_TRUE(janela.janelaAjuda()->texto().contains(QStringLiteral("A grade da série")));
    janela.mostrarAjuda(999);
    EXPECT_TRUE(janela.janelaAjuda()->texto().contains(QStringLiteral("não foi encontrado")));
}

TEST_F(JanelaPrincipal, PastaDeAjudaAusenteEAvisadaEOProgramaContinua) {
    const QString ausente = caminho(QStringLiteral("sem_ajuda"));
    janela.definirPastaAjuda(ausente);
    janela.verificarAjuda();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Informação: Arquivo de ajuda não encontrado\n") +
                                   ausente});
    abrir(projeto(QStringLiteral("a.cvl")));
    EXPECT_TRUE(janela.paginaGradeVisivel());
}

} // namespace

namespace {

// Qt's own file dialogs: the captions from Qt's translation, the file types from ours, and the
// dates of the list in the Brazilian form whatever the machine's language.
TEST(Aplicacao, DialogosDeArquivoDoQtEmPortugues) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"),
              QStringLiteral("Procurar em:"));
    QTemporaryDir pasta;
    QDir(pasta.path()).mkdir(QStringLiteral("Estações"));
    QFileSystemModel modelo;
    const QModelIndex raiz = modelo.setRootPath(pasta.path());
    const QModelIndex sub = modelo.index(pasta.filePath(QStringLiteral("Estações")));
    EXPECT_EQ(modelo.type(sub), QStringLiteral("Pasta"));
    (void)raiz;
    EXPECT_EQ(QLocale::system().toString(QDate(2020, 12, 1), QLocale::ShortFormat),
              QStringLiteral("01/12/2020"));
}

} // namespace

namespace {

TEST_F(JanelaPrincipal, ColunaDoMesFicaVisivelAoRolarParaADireita) {
    abrir(projeto(QStringLiteral("a.cvl"), 60));
    janela.resize(800, 500);
    QApplication::processEvents();
    auto* grade = static_cast<ui::GradeColunaFixa*>(janela.grade());
    QTableView* fixa = grade->colunaFixa();
    ASSERT_GT(grade->horizontalScrollBar()->maximum(), 0);
    grade->horizontalScrollBar()->setValue(grade->horizontalScrollBar()->maximum());
    EXPECT_TRUE(fixa->isVisible());
    EXPECT_EQ(fixa->model(), grade->model());
    EXPECT_EQ(fixa->selectionModel(), grade->selectionModel());
    EXPECT_FALSE(fixa->isColumnHidden(0));
    for (int c = 1; c < grade->model()->columnCount(); ++c)
        EXPECT_TRUE(fixa->isColumnHidden(c)) << c;
    EXPECT_EQ(fixa->geometry().left(), grade->verticalHeader()->width() + grade->frameWidth());
    EXPECT_EQ(fixa->width(), grade->columnWidth(0));
    EXPECT_EQ(fixa->indexAt(QPoint(5, 5)).data().toString(), QStringLiteral("Janeiro/1990"));
    ASSERT_GT(grade->verticalScrollBar()->maximum(), 0);
    grade->verticalScrollBar()->setValue(grade->verticalScrollBar()->maximum());
    EXPECT_EQ(fixa->verticalScrollBar()->value(), grade->verticalScrollBar()->value());
}

TEST(Informacao, NotaLongaNaoPassaDaBordaDaJanela) {
    const QString nota = QStringLiteral("*** ") + QString(40, u'x').append(u' ').repeated(12);
    ui::TfrmInformacao janela({QStringLiteral("Relatório"), nota});
    janela.show();
    QApplication::processEvents();
    const auto* memo = janela.findChild<QPlainTextEdit*>(QStringLiteral("memo"));
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(janela.texto().endsWith(nota));
}

} // namespace
