// The availability diagram window opened from the main window's "Ferramentas" menu and driven
// through scripted dialogs: the period, a folder with a damaged project and a repeated station, the
// colour classes of the grid, the look-up by a typed character, deleting, saving, reopening and the
// spreadsheet export read back with its colours.
#include "dialogosroteiro.h"

#include "availability/projetos.h"
#include "exchange/importaexcel.h"
#include "ui/TfrmDefinePeriodoDiagramaDeBarras.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmVisaoGeralEstacoes.h"
#include "ui/modelodiagrama.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace corvel;
using corvel::teste::DialogosRoteiro;
using teste::dias;

namespace {

const QString kPerguntaTodos =
    QStringLiteral("Pergunta: Nesta pasta há mais de um arquivo de projeto do Corvel 1.0. Deseja "
                   "adicionar todos eles ignorando as estações repetidas?");

class JanelaDisponibilidade : public ::testing::Test {
  protected:
    JanelaDisponibilidade() : bancada(pasta.path()), principal(bancada, dialogos) {
        principal.show();
        dialogos.aoExecutar = [this](QDialog& j) { return executar(j); };
        QDir(pasta.path()).mkdir(QStringLiteral("estacoes"));
    }

    // A project of 1998 and 1999 in the folder "estacoes": every day has a flow except `faltam`
    // days from 1 January 1999 on.
    QString projeto(const char* nome, qint32 codigo, int faltam = 0) {
        const QString arquivo = estacao(nome);
        const std::set<QDate> faltando =
            faltam > 0 ? dias(QDate(1999, 1, 1), QDate(1999, 1, 1).addDays(faltam - 1))
                       : std::set<QDate>{};
        gravarTabela(arquivo,
                     teste::tabelaProjeto(codigo, QDate(1998, 1, 1), QDate(1999, 12, 1), faltando));
        return arquivo;
    }
    QString estacao(const char* nome) const {
        return pasta.filePath(QStringLiteral("estacoes/") + QString::fromLatin1(nome));
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    // Nine files: e03 is cut halfway, e07 repeats the code of e01 with other values.
    void pastaDeProjetos() {
        projeto("e01.cvl", 501);
        projeto("e02.cvl", 502, 72); // 293 of 365 days: 80,27 → 80
        projeto("e03.cvl", 503);
        QFile estragado(estacao("e03.cvl"));
        ASSERT_TRUE(estragado.open(QIODevice::ReadWrite));
        estragado.resize(estragado.size() / 2);
        estragado.close();
        projeto("e04.cvl", 504, 71); // 294/365 = 80,55 → 81
        projeto("e05.cvl", 505, 30); // 335/365 = 91,78 → 92
        projeto("e06.cvl", 506, 10); // 355/365 = 97,26 → 97
        projeto("e07.cvl", 501, 10);
        projeto("e08.cvl", 7001);
        projeto("e09.cvl", 6001, 1); // 364/365 = 99,73 → 100
    }

    void abrirJanela(const std::function<void(ui::TfrmVisaoGeralEstacoes&)>& usar) {
        usarJanela = usar;
        principal.acao(QStringLiteral("Disponibilidadededados1"))->trigger();
    }
    // A diagram of 1997–1999 made from the whole folder, chosen through e02.
    void diagramaDaPasta(ui::TfrmVisaoGeralEstacoes& j) {
        periodos = {{"1997", "1999"}};
        dialogos.arquivos = {estacao("e02.cvl")};
        dialogos.respostas = {true};
        j.acao(QStringLiteral("Novo1"))->trigger();
    }

    int executar(QDialog& j) {
        j.setResult(QDialog::Rejected);
        if (auto* v = qobject_cast<ui::TfrmVisaoGeralEstacoes*>(&j)) {
            v->show();
            QApplication::processEvents();
            if (usarJanela) usarJanela(*v);
            v->hide();
            return v->result();
        }
        if (auto* d = qobject_cast<ui::TfrmDefinePeriodoDiagramaDeBarras*>(&j)) {
            periodoOferecido = {d->anoInicial()->text(), d->anoFinal()->text()};
            while (!periodos.empty() && d->result() != QDialog::Accepted) {
                d->anoInicial()->setText(QString::fromLatin1(periodos.front().first));
                d->anoFinal()->setText(QString::fromLatin1(periodos.front().second));
                periodos.pop_front();
                d->botaoOK()->click();
            }
            if (d->result() != QDialog::Accepted) d->botaoCancelar()->click();
            return d->result();
        }
        return int(QDialog::Rejected);
    }

    static QStringList linhas(const ui::TfrmVisaoGeralEstacoes& j) {
        QStringList r;
        const QAbstractItemModel* m = j.modelo();
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int k = 0; k < m->columnCount(); ++k)
                c << m->index(l, k).data().toString();
            r << c.join(u'|');
        }
        return r;
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal;
    std::function<void(ui::TfrmVisaoGeralEstacoes&)> usarJanela;
    std::deque<std::pair<const char*, const char*>> periodos;
    std::pair<QString, QString> periodoOferecido;
};

TEST_F(JanelaDisponibilidade, PeriodoRecusadoPorAnoCurtoOuInvertido) {
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        EXPECT_TRUE(j.isMaximized());
        QStringList menus;
        for (QAction* a : j.findChild<QMenuBar*>()->actions())
            menus << a->text();
        EXPECT_EQ(menus, (QStringList{"Arquivo", "Editar", "Ajuda"}));
        QStringList botoes;
        for (auto* b : j.barra()->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (b->objectName().startsWith(QStringLiteral("btn")))
                botoes << b->text() + u'/' + b->toolTip();
        EXPECT_EQ(botoes,
                  (QStringList{" Novo /Nova lista de estaçãoes", "  Adicionar  /Adicionar estação",
                               "Salvar/Salvar projeto", "Abrir/Abrir projeto"}));
        periodos = {{"199", "2000"}, {"1990", "199"}, {"1999", "1999"}, {"2000", "1999"}};
        j.acao(QStringLiteral("Novo1"))->trigger();
        EXPECT_FALSE(j.diagrama().has_value());
        EXPECT_EQ(j.modelo()->columnCount(), 0);
    });
    EXPECT_EQ(periodoOferecido, (std::pair<QString, QString>{})); // no diagram yet: empty boxes
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{"Janela: Disponibilidade de dados", "Janela: Período",
                                    "Erro: Período inválido", "Erro: Período inválido",
                                    "Erro: Período inválido", "Erro: Período inválido"}));
}

TEST_F(JanelaDisponibilidade, PastaComArquivoEstragadoCoresEDiagramaMantido) {
    pastaDeProjetos();
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        dialogos.mostrados.clear();
        diagramaDaPasta(j);
        ASSERT_EQ(dialogos.mostrados.size(), 3u);
        EXPECT_EQ(dialogos.mostrados[0], QStringLiteral("Janela: Período"));
        EXPECT_EQ(dialogos.mostrados[1], kPerguntaTodos);
        // The damaged file is named at the end; the files after it were still added.
        EXPECT_TRUE(dialogos.mostrados[2].startsWith(
            QStringLiteral("Aviso: Os arquivos abaixo não puderam ser lidos e ficaram fora do "
                           "diagrama:\ne03.cvl: ")))
            << dialogos.mostrados[2].toStdString();
        EXPECT_EQ(dialogos.mostrados[2].count(u'\n'), 1);
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Arquivos de projetos do Corvel 1.0 (*.cvl *.CVL)"));

        EXPECT_EQ(j.textoAnoInicial(), QStringLiteral("1997"));
        EXPECT_EQ(j.textoAnoFinal(), QStringLiteral("1999"));
        const QAbstractItemModel* m = j.modelo();
        QStringList titulos;
        for (int c = 0; c < m->columnCount(); ++c)
            titulos << m->headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(titulos, (QStringList{"Nº de ordem", "Cód. da Estação", "1997", "1998", "1999"}));
        // 1997 has no record: 0. The repeated 501 of e07 is left out.
        EXPECT_EQ(linhas(j), (QStringList{"1|501|0|100|100", "2|502|0|100|80", "3|504|0|100|81",
                                          "4|505|0|100|92", "5|506|0|100|97", "6|7001|0|100|100",
                                          "7|6001|0|100|100"}));

        struct Caso {
            int linha, coluna;
            QColor fundo, texto;
            bool negrito;
        };
        const QColor vermelho(0xFF, 0, 0), amarelo(0xFF, 0xFF, 0), cinza(0x80, 0x80, 0x80),
            azul(0, 0, 0xFF), verde(0, 0x80, 0), branco(Qt::white), preto(Qt::black);
        const Caso casos[] = {
            {0, 0, branco, preto, false},   {0, 1, branco, preto, false},
            {0, 2, vermelho, branco, true}, {0, 4, verde, branco, true},
            {1, 4, vermelho, branco, true}, {2, 4, amarelo, preto, true},
            {3, 4, cinza, branco, true},    {4, 4, azul, branco, true},
            {6, 4, verde, branco, true},
        };
        for (const Caso& c : casos) {
            const QModelIndex i = m->index(c.linha, c.coluna);
            EXPECT_EQ(i.data(Qt::BackgroundRole).value<QColor>(), c.fundo) << c.linha << c.coluna;
            EXPECT_EQ(i.data(Qt::ForegroundRole).value<QColor>(), c.texto) << c.linha << c.coluna;
            EXPECT_EQ(i.data(Qt::FontRole).value<QFont>().bold(), c.negrito) << c.linha << c.coluna;
            EXPECT_EQ(i.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        }

        // A typed character goes to the first code that starts with it.
        j.grade()->setCurrentIndex(m->index(0, 1));
        QTest::keyClick(j.grade(), Qt::Key_7);
        EXPECT_EQ(j.grade()->currentIndex().row(), 5);
        QTest::keyClick(j.grade(), Qt::Key_6);
        EXPECT_EQ(j.grade()->currentIndex().row(), 6);
        QTest::keyClick(j.grade(), Qt::Key_9); // no code: stays
        EXPECT_EQ(j.grade()->currentIndex().row(), 6);
        QTest::keyClick(j.grade(), Qt::Key_5);
        EXPECT_EQ(j.grade()->currentIndex().row(), 0);

        // Deleting the current row after Yes; the order numbers stay.
        j.grade()->setCurrentIndex(m->index(1, 3));
        dialogos.mostrados.clear();
        dialogos.respostas = {false, true};
        j.acao(QStringLiteral("Excluirestacao1"))->trigger();
        EXPECT_EQ(m->rowCount(), 7);
        j.acao(QStringLiteral("Excluirestacao1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>(2, QStringLiteral("Pergunta: Deseja excluir a estação?"))));
        EXPECT_EQ(m->rowCount(), 6);
        EXPECT_EQ(m->index(1, 0).data().toString(), QStringLiteral("3"));
    });

    // Closed and opened again: the diagram is still there.
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        ASSERT_TRUE(j.diagrama().has_value());
        EXPECT_EQ(j.modelo()->rowCount(), 6);
        EXPECT_EQ(j.textoAnoFinal(), QStringLiteral("1999"));
    });
}

TEST_F(JanelaDisponibilidade, SalvarAbrirEOutroArquivoRecusado) {
    pastaDeProjetos();
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        diagramaDaPasta(j);
        Diagrama feito = *j.diagrama();
        // The file keeps the availability; the shares of flagged days live in the session only.
        for (LinhaDiagrama& l : feito.linhas) {
            EXPECT_FALSE(l.estimados.empty());
            l.estimados.clear();
            l.brutos.clear();
        }
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho("diagrama")}; // typed without the extension
        j.acao(QStringLiteral("Salvar1"))->trigger();
        ASSERT_TRUE(QFile::exists(caminho("diagrama.dgv")));
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Diagrama de barras [Vazão] (*.dgv *.DGV)"));
        // An existing file is replaced without a question.
        dialogos.arquivos = {caminho("diagrama.dgv")};
        j.acao(QStringLiteral("Salvar1"))->trigger();
        EXPECT_TRUE(dialogos.mostrados.empty());

        // A new diagram: the question, the period dialog with the current period; its file
        // dialog cancelled leaves it empty.
        dialogos.respostas = {true};
        periodos = {{"1990", "1995"}};
        dialogos.arquivos = {std::nullopt};
        j.acao(QStringLiteral("Novo1"))->trigger();
        EXPECT_EQ(periodoOferecido, (std::pair<QString, QString>{"1997", "1999"}));
        EXPECT_EQ(j.modelo()->rowCount(), 0);
        EXPECT_EQ(j.modelo()->columnCount(), 8); // 1990 to 1995
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{"Pergunta: Deseja criar um novo diagrama de barras?",
                                        "Janela: Período"}));

        // A project file is not a diagram: the message, and the diagram on screen stays.
        dialogos.mostrados.clear();
        dialogos.arquivos = {estacao("e01.cvl")};
        j.acao(QStringLiteral("Abrir1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  std::vector<QString>{"Erro: Esse não é um arquivo de \"Lista de estações\"."});
        EXPECT_EQ(j.textoAnoInicial(), QStringLiteral("1990"));

        dialogos.arquivos = {caminho("diagrama.dgv")};
        j.acao(QStringLiteral("Abrir1"))->trigger();
        EXPECT_EQ(*j.diagrama(), feito);
        EXPECT_EQ(j.textoAnoInicial(), QStringLiteral("1997"));
        EXPECT_EQ(j.textoAnoFinal(), QStringLiteral("1999"));
        EXPECT_EQ(j.modelo()->rowCount(), 7);
    });
}

// "Colorir por": the year cells show the share of estimated or raw days of the stations read in
// this session, with their own legend; a diagram read from its file has no such share.
TEST_F(JanelaDisponibilidade, ColorirPorDiasEstimadosOuBrutos) {
    pastaDeProjetos();
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        diagramaDaPasta(j);
        QComboBox* colorir = j.caixaColorir();
        EXPECT_EQ(colorir->count(), 3);
        const QModelIndex celula = j.modelo()->index(0, ui::ModeloDiagrama::kPrimeiroAno + 1);
        EXPECT_EQ(celula.data().toString(), QStringLiteral("100"));
        colorir->setCurrentIndex(2);
        EXPECT_EQ(celula.data().toString(), QStringLiteral("0"));
        EXPECT_EQ(celula.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        EXPECT_TRUE(j.findChild<QWidget*>(QStringLiteral("pnlLegendaSinais"))->isVisible());
        EXPECT_FALSE(j.findChild<QWidget*>(QStringLiteral("pnlLegenda"))->isVisible());

        dialogos.arquivos = {caminho("d.dgv")};
        j.acao(QStringLiteral("Salvar1"))->trigger();
        dialogos.arquivos = {caminho("d.dgv")};
        j.acao(QStringLiteral("Abrir1"))->trigger();
        EXPECT_EQ(colorir->currentIndex(), 2);
        EXPECT_EQ(j.modelo()->index(0, ui::ModeloDiagrama::kPrimeiroAno + 1).data().toString(),
                  QString());
        EXPECT_TRUE(j.modelo()
                        ->index(0, ui::ModeloDiagrama::kPrimeiroAno + 1)
                        .data(Qt::ToolTipRole)
                        .toString()
                        .startsWith(QStringLiteral("Sem informação")));
        colorir->setCurrentIndex(0);
        EXPECT_EQ(j.modelo()->index(0, ui::ModeloDiagrama::kPrimeiroAno + 1).data().toString(),
                  QStringLiteral("100"));
    });
}

TEST_F(JanelaDisponibilidade, ExportacaoDaPlanilhaComAsCoresDasClasses) {
    abrirJanela([&](ui::TfrmVisaoGeralEstacoes& j) {
        j.acao(QStringLiteral("XLS1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Aviso: Sem conteúdo para exportar"));

        pastaDeProjetos();
        diagramaDaPasta(j);
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho("diagrama.xlsx")};
        dialogos.respostas = {false}; // not opened now
        j.acao(QStringLiteral("XLS1"))->trigger();
        ASSERT_EQ(dialogos.mostrados.size(), 1u);
        EXPECT_TRUE(dialogos.mostrados[0].startsWith(QStringLiteral("Pergunta: A planilha foi")));
        EXPECT_EQ(dialogos.dialogosArquivo.back().nomeProposto,
                  QStringLiteral("Diagrama de barras.xlsx"));
    });

    TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA));
    TImportaExcel planilha;
    ASSERT_TRUE(planilha.abrir(caminho("diagrama.xlsx")));
    EXPECT_EQ(planilha.lerCelula(1, 1, 2), QStringLiteral("Cód. da Estação"));
    EXPECT_EQ(planilha.lerCelula(1, 1, 5), QStringLiteral("1999"));
    EXPECT_EQ(planilha.lerCelula(1, 3, 2), QStringLiteral("502"));
    EXPECT_EQ(planilha.lerNumero(1, 3, 5), 80.0);
    struct Caso {
        int linha, coluna;
        quint32 fundo, texto;
    };
    // Row 2 is station 501; rows 3 to 6 are 502, 504, 505 and 506.
    const Caso casos[] = {
        {2, 3, 0xFF0000, 0xFFFFFF}, {2, 5, 0x008000, 0xFFFFFF}, {3, 5, 0xFF0000, 0xFFFFFF},
        {4, 5, 0xFFFF00, 0x000000}, {5, 5, 0x808080, 0xFFFFFF}, {6, 5, 0x0000FF, 0xFFFFFF},
    };
    for (const Caso& c : casos) {
        const auto e = planilha.lerEstilo(1, c.linha, c.coluna);
        ASSERT_TRUE(e) << c.linha << " " << c.coluna;
        EXPECT_EQ(e->fundo, c.fundo) << c.linha << " " << c.coluna;
        EXPECT_EQ(e->texto, c.texto) << c.linha << " " << c.coluna;
        EXPECT_TRUE(e->negrito);
    }
}

// The year boxes take digits only; Enter in the first goes to the second, Enter in the second is
// OK.
TEST_F(JanelaDisponibilidade, DialogoDoPeriodoComEnter) {
    ui::TfrmDefinePeriodoDiagramaDeBarras d(dialogos, std::nullopt);
    d.show();
    d.activateWindow();
    QApplication::processEvents();
    d.anoInicial()->setFocus();
    QTest::keyClicks(d.anoInicial(), QStringLiteral("19a9-0"));
    EXPECT_EQ(d.anoInicial()->text(), QStringLiteral("1990"));
    QTest::keyClick(d.anoInicial(), Qt::Key_Return);
    EXPECT_TRUE(d.anoFinal()->hasFocus());
    EXPECT_FALSE(d.result() == QDialog::Accepted);
    QTest::keyClicks(d.anoFinal(), QStringLiteral("1995"));
    QTest::keyClick(d.anoFinal(), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.periodo(), (PeriodoDiagrama{1990, 1995}));
    EXPECT_TRUE(dialogos.mostrados.empty());
}

} // namespace
