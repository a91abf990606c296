// Pre-processing from the main window: the 12-month rule, F10 and the toolbar button, the close
// with the edge discard and the save of the project, an error escaping the window, and the
// failure report ("Informações").
#include "preprocessamento.h"

#include "preprocess/series.h"
#include "ui/modeloserie.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

using namespace corvel;
using teste::escolher;
using teste::filho;
using teste::kRecusa;
using teste::linhasDaGrade;
using teste::situacaoDe;
using ui::TfrmrelatorioMensal;

namespace {

using PreProcessamento = teste::JanelaComPreProcessamento;

TEST_F(PreProcessamento, OnzeMesesSaoRecusadosEDozeAbremAJanelaPeloBotao) {
    janela.acao(QStringLiteral("PreProcessamento1"))->trigger(); // nothing open
    abrir(projeto(QStringLiteral("onze.cvl"),
                  teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 11, 1))));
    janela.acao(QStringLiteral("PreProcessamento1"))->trigger();
    EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{kRecusa, kRecusa}));

    abrir(projeto(QStringLiteral("doze.cvl"),
                  teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1))));
    auto* botao =
        janela.barraFerramentas()->findChild<QToolButton*>(QStringLiteral("btnPreProcessamento"));
    ASSERT_TRUE(botao);
    EXPECT_TRUE(botao->isEnabled());
    EXPECT_EQ(janela.acao(QStringLiteral("PreProcessamento1"))->shortcut(),
              QKeySequence(Qt::Key_F10));
    dialogos.aoExecutar = [](QDialog& j) {
        j.accept();
        return j.result();
    };
    botao->click();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Janela: Pré-processamento"));
}

TEST_F(PreProcessamento, OutubroDe1970a1980ListaDezAnosEDescartaAsBordasAoFechar) {
    const QString arquivo =
        projeto(QStringLiteral("outubro.cvl"),
                teste::serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1)), 10);
    abrir(arquivo);
    QStringList anos;
    preProcessar([&](TfrmrelatorioMensal& pre) {
        anos = linhasDaGrade(filho<QTableView>(pre, "grdAnual")->model());
        EXPECT_EQ(filho<QComboBox>(pre, "cbxInicioAno")->currentText(), QStringLiteral("Outubro"));
        EXPECT_EQ(filho<QTableView>(pre, "grdMensal")->model()->rowCount(), 132);
        pre.acao(QStringLiteral("Informacoes1"))->trigger();
    });
    ASSERT_EQ(anos.size(), 10);
    EXPECT_EQ(anos.front(), QStringLiteral("1970/1971 00,0% -"));
    EXPECT_EQ(anos.back(), QStringLiteral("1979/1980 00,0% -"));
    EXPECT_TRUE(informacao.contains(QStringLiteral("    Nº de anos analisados:  10\n")));
    EXPECT_TRUE(informacao.endsWith(
        QStringLiteral("*** Esses números não incluem os meses anteriores ao 1º mês do "
                       "primeiro ano hidrológico e nem os meses posteriores ao último mês "
                       "do último ano hidrológico")));

    // Saved on closing: January to September 1970 and October to December 1980 discarded.
    const SerieTabela gravada = lerProjeto(arquivo);
    for (qsizetype i = 0; i < gravada.tamanho(); ++i) {
        const QDate m = gravada[i].data;
        const bool borda = m < QDate(1970, 10, 1) || m >= QDate(1980, 10, 1);
        EXPECT_EQ(gravada[i].vazao01Status, borda ? kDescartado : kConsiderado)
            << m.toString().toStdString();
        const QVariant cor =
            janela.modelo()->index(static_cast<int>(i), 0).data(Qt::ForegroundRole);
        EXPECT_EQ(cor.isValid(), borda);
    }
    EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{QStringLiteral("Janela: Pré-processamento"),
                                                        QStringLiteral("Janela: Informação")}));
}

TEST_F(PreProcessamento, RegraMensalEscolhidaNosControlesVaiParaOArquivo) {
    // February 1992 misses 14 of 29 days, March 1992 15 of 31, May 1992 16 of 31.
    const QString arquivo =
        projeto(QStringLiteral("mensal.cvl"),
                teste::serieComFalhas(
                    QDate(1991, 1, 1), QDate(1992, 12, 1),
                    {{QDate(1992, 2, 1), 14}, {QDate(1992, 3, 1), 15}, {QDate(1992, 5, 1), 16}}));
    abrir(arquivo);
    preProcessar([&](TfrmrelatorioMensal& pre) {
        filho<QRadioButton>(pre, "rbAnual")->click();
        filho<QRadioButton>(pre, "rbMensal")->click();
        escolher(filho<QComboBox>(pre, "cbxPorcentagem"), 50);
        EXPECT_EQ(filho<QComboBox>(pre, "cbxPorcentagem")->currentText(), QStringLiteral("50"));
        EXPECT_EQ(filho<QTabWidget>(pre, "abas")->currentIndex(), 0);
        EXPECT_EQ(filho<QLabel>(pre, "Label3")->text(), QString());
        const QStringList meses = linhasDaGrade(filho<QTableView>(pre, "grdMensal")->model());
        EXPECT_EQ(meses[13], QStringLiteral("Fevereiro/1992 48% x"));
        EXPECT_EQ(meses[14], QStringLiteral("Março/1992 48% -"));
        EXPECT_EQ(meses[16], QStringLiteral("Maio/1992 51% x"));
    });
    const SerieTabela gravada = lerProjeto(arquivo);
    EXPECT_EQ(gravada[0].vazao03Status, 750);
    EXPECT_EQ(situacaoDe(gravada, QDate(1992, 2, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(gravada, QDate(1992, 3, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(gravada, QDate(1992, 5, 1)), kDescartado);
    EXPECT_TRUE(bancada.mesesDescartados);
    EXPECT_EQ(janela.modelo()->index(14, ui::ModeloSerie::kSituacao).data().toString(),
              QStringLiteral("Considerado"));
    EXPECT_EQ(janela.modelo()->index(13, ui::ModeloSerie::kSituacao).data().toString(),
              QStringLiteral("Descartado"));

    // The report of the main window carries the rule's note.
    dialogos.aoExecutar = [&](QDialog& j) {
        informacao = dynamic_cast<ui::TfrmInformacao&>(j).texto();
        return int(QDialog::Accepted);
    };
    janela.acao(QStringLiteral("Informacoes1"))->trigger();
    EXPECT_EQ(informacao.split(u'\n').at(6),
              QStringLiteral("* Foram descartados meses com 50% de falhas"));
}

TEST_F(PreProcessamento, ErroQueEscapaDaJanelaEhAvisadoDepoisDeSalvar) {
    const QString arquivo = projeto(QStringLiteral("erro.cvl"),
                                    teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1)));
    abrir(arquivo);
    ui::ModeloSerie& m = *janela.modelo();
    ASSERT_TRUE(
        m.setData(m.index(0, ui::ModeloSerie::kDia01), QStringLiteral("999,5"), Qt::EditRole));
    dialogos.aoExecutar = [](QDialog&) -> int {
        throw ErroArquivo(QStringLiteral("somente leitura"));
    };
    janela.acao(QStringLiteral("PreProcessamento1"))->trigger();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral(
                  "Erro: Erro no pré-processamento. Este arquivo pode estar sendo usado por outro "
                  "processo ou é \"somente leitura\"."));
    // The edit made in the grid before went to the file all the same.
    EXPECT_EQ(lerProjeto(arquivo)[0].vazao[0], 999.5);
}

TEST_F(PreProcessamento, InformacoesPedemUmProjetoAberto) {
    janela.acao(QStringLiteral("Informacoes1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Erro: Abra uma base de dados.")});
    EXPECT_EQ(janela.acao(QStringLiteral("Informacoes1"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_I));

    abrir(projeto(
        QStringLiteral("info.cvl"),
        teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1), {{QDate(1990, 6, 1), 30}})));
    QString fechar;
    dialogos.aoExecutar = [&](QDialog& j) {
        informacao = dynamic_cast<ui::TfrmInformacao&>(j).texto();
        fechar = j.findChild<QPushButton*>(QStringLiteral("btnFechar"))->text();
        return int(QDialog::Accepted);
    };
    janela.acao(QStringLiteral("Informacoes1"))->trigger();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Janela: Informação"));
    EXPECT_EQ(fechar, QStringLiteral("&Fechar"));
    const QStringList linhas = informacao.split(u'\n');
    ASSERT_EQ(linhas.size(), 22);
    EXPECT_EQ(linhas[1], QStringLiteral("Arquivo: info.cvl"));
    EXPECT_EQ(linhas[4], QStringLiteral("Início do Ano Hidrológico: Janeiro"));
    EXPECT_EQ(linhas[17], QStringLiteral("    Nº de meses sem dados:  1"));
    // Nothing was discarded or saved by looking.
    EXPECT_EQ(situacaoDe(bancada.serie, QDate(1990, 6, 1)), kConsiderado);
}

} // namespace
