// The pre-processing window's own controls: menus and keys, the start-month question, the year
// check boxes, the busy page while a rule runs, and a percentage picked without a choice.
#include "preprocessamento.h"

#include "preprocess/series.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

using namespace corvel;
using teste::escolher;
using teste::filho;
using teste::situacaoDe;
using ui::TfrmrelatorioMensal;

namespace {

using JanelaPreProcessamento = teste::JanelaComPreProcessamento;

TEST_F(JanelaPreProcessamento, MenusEAtalhosDaJanela) {
    abrir(projeto(QStringLiteral("a.cvl"),
                  teste::serieComFalhas(QDate(1990, 1, 1), QDate(1991, 12, 1))));
    QStringList itens;
    preProcessar([&](TfrmrelatorioMensal& pre) {
        for (QAction* menu : pre.findChild<QMenuBar*>()->actions())
            for (QAction* a : menu->menu()->actions())
                itens << menu->text() + QStringLiteral(" › ") + a->text() + QStringLiteral(" [") +
                             a->shortcut().toString() + u']';
        auto* abas = filho<QTabWidget>(pre, "abas");
        EXPECT_EQ(abas->tabText(0), QStringLiteral("Mensal"));
        EXPECT_EQ(abas->tabText(1), QStringLiteral("Anual"));
        auto* grade = filho<QTableView>(pre, "grdMensal");
        QStringList titulos;
        for (int c = 0; c < 3; ++c)
            titulos << grade->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(titulos, (QStringList{"Ano", "% Falhas", "Descartar"}));
        auto* porcentagem = filho<QComboBox>(pre, "cbxPorcentagem");
        EXPECT_EQ(porcentagem->count(), 100);
        EXPECT_EQ(porcentagem->itemText(0), QString());
        EXPECT_EQ(porcentagem->itemText(99), QStringLiteral("99"));
        EXPECT_EQ(filho<QComboBox>(pre, "cbxInicioAno")->currentText(), QStringLiteral("Janeiro"));
        EXPECT_TRUE(filho<QRadioButton>(pre, "rbMensal")->isChecked());
    });
    EXPECT_EQ(itens, (QStringList{"Arquivo › Fechar [Ctrl+F4]", "Critérios › Série original [F2]",
                                  "Critérios › Descartar anos com falhas [F3]",
                                  "Critérios › Descartar meses com falhas [F6]",
                                  "Exibir › Informações [F7]", "Ajuda › Conteúdo da ajuda [F1]"}));
}

TEST_F(JanelaPreProcessamento, InicioDoAnoHidrologicoSoPerguntaQuandoOMesMuda) {
    SerieTabela s = teste::serieComFalhas(QDate(1980, 1, 1), QDate(1982, 12, 1));
    s[5].vazao01Status = kDescartado;
    const QString arquivo = projeto(QStringLiteral("inicio.cvl"), s);
    abrir(arquivo);
    const QString pergunta =
        QStringLiteral("Pergunta: Esse processo muda o início do ano hidrológico,  restaura todos "
                       "os meses da série que tenha "
                       "sido descartados anteriormente,  descarta os meses anteriores ao primeiro "
                       "mês do primeiro ano "
                       "hidrológico e os meses posteriores ao último mês do último ano "
                       "hidrológico.\nDeseja continuar?");
    dialogos.respostas = {false, true};
    preProcessar([&](TfrmrelatorioMensal& pre) {
        auto* inicio = filho<QComboBox>(pre, "cbxInicioAno");
        escolher(inicio, 0); // January again
        EXPECT_EQ(dialogos.mostrados.size(), 1u);
        escolher(inicio, 2);
        EXPECT_EQ(dialogos.mostrados.back(), pergunta);
        EXPECT_EQ(inicio->currentText(), QStringLiteral("Janeiro"));
        EXPECT_EQ(bancada.serie[5].vazao01Status, kDescartado);
        escolher(inicio, 2);
        EXPECT_EQ(bancada.inicioAnoHidrologico, 3);
        EXPECT_EQ(pre.listagem().anos.front().anoh, QStringLiteral("1980/1981"));
        // "Série original" leaves no choice, and the window settles on "Anual".
        EXPECT_TRUE(filho<QRadioButton>(pre, "rbAnual")->isChecked());
        EXPECT_EQ(filho<QTabWidget>(pre, "abas")->currentIndex(), 1);
    });
    EXPECT_EQ(dialogos.mostrados.size(), 3u);
    const SerieTabela gravada = lerProjeto(arquivo);
    EXPECT_EQ(gravada[0].vazao03Status, kRegraSerieOriginal);
    EXPECT_EQ(gravada[0].vazao02Status, 3);
    EXPECT_EQ(situacaoDe(gravada, QDate(1980, 2, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(gravada, QDate(1980, 6, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(gravada, QDate(1982, 3, 1)), kDescartado);
    EXPECT_TRUE(
        janela.textoCabecalho().contains(QStringLiteral("Início do Ano Hidrológico: Março")));
}

TEST_F(JanelaPreProcessamento, AnoMarcadoNaAbaAnualEhDescartadoERestauradoNaHora) {
    SerieTabela s =
        teste::serieComFalhas(QDate(1990, 1, 1), QDate(1992, 12, 1), {{QDate(1991, 4, 1), 30}});
    abrir(projeto(QStringLiteral("anual.cvl"), s));
    preProcessar([&](TfrmrelatorioMensal& pre) {
        auto* meses = filho<QTableView>(pre, "grdMensal");
        meses->setCurrentIndex(meses->model()->index(30, 0));
        QAbstractItemModel* anos = filho<QTableView>(pre, "grdAnual")->model();
        const QModelIndex sim1991 = anos->index(1, 2);
        EXPECT_EQ(sim1991.data().toString(), QStringLiteral("Sim"));
        ASSERT_TRUE(anos->setData(sim1991, Qt::Checked, Qt::CheckStateRole));
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(situacaoDe(bancada.serie, QDate(1991, m, 1)), kDescartado) << m;
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1992, 1, 1)), kConsiderado);
        EXPECT_EQ(pre.listagem().contadores.anosDescartados, 1);
        EXPECT_EQ(meses->currentIndex().row(), 30);
        ASSERT_TRUE(anos->setData(sim1991, Qt::Unchecked, Qt::CheckStateRole));
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1991, 4, 1)), kSemDados);
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1991, 5, 1)), kConsiderado);
        // A month ticked by hand.
        ASSERT_TRUE(
            meses->model()->setData(meses->model()->index(2, 2), Qt::Checked, Qt::CheckStateRole));
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1990, 3, 1)), kDescartado);
    });
    EXPECT_EQ(
        situacaoDe(lerProjeto(pasta.filePath(QStringLiteral("anual.cvl"))), QDate(1990, 3, 1)),
        kDescartado);
}

TEST_F(JanelaPreProcessamento, JanelaOcupadaEnquantoARegraCorreEDepoisNaAbaDaEscolha) {
    abrir(projeto(
        QStringLiteral("ocupada.cvl"),
        teste::serieComFalhas(QDate(1990, 1, 1), QDate(1992, 12, 1), {{QDate(1991, 7, 1), 3}})));
    preProcessar([&](TfrmrelatorioMensal& pre) {
        auto* pilha = filho<QStackedWidget>(pre, "pilha");
        auto* progresso = filho<QProgressBar>(pre, "progresso");
        int vistos = 0;
        QObject::connect(progresso, &QProgressBar::valueChanged, &pre, [&] {
            ++vistos;
            EXPECT_TRUE(pre.ocupada());
            EXPECT_EQ(pilha->currentWidget()->objectName(), QStringLiteral("pagProcessando"));
            EXPECT_FALSE(progresso->isHidden());
            EXPECT_FALSE(pre.acao(QStringLiteral("Descartaranoscomfalhas1"))->isEnabled());
            EXPECT_FALSE(filho<QComboBox>(pre, "cbxPorcentagem")->isEnabled());
        });
        pre.acao(QStringLiteral("Descartaranoscomfalhas1"))->trigger();
        EXPECT_GT(vistos, 0);
        EXPECT_FALSE(pre.ocupada());
        EXPECT_EQ(pilha->currentWidget()->objectName(), QStringLiteral("abas"));
        EXPECT_TRUE(progresso->isHidden());
        EXPECT_TRUE(pre.acao(QStringLiteral("Descartaranoscomfalhas1"))->isEnabled());
        EXPECT_TRUE(filho<QRadioButton>(pre, "rbAnual")->isChecked());
        EXPECT_EQ(filho<QTabWidget>(pre, "abas")->currentIndex(), 1);
        EXPECT_EQ(filho<QLabel>(pre, "Label3")->text(),
                  QStringLiteral("*Descartados todos os anos com falhas."));
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1991, 1, 1)), kDescartado);

        pre.acao(QStringLiteral("Descartarmesescomfalhas1"))->trigger();
        EXPECT_TRUE(filho<QRadioButton>(pre, "rbMensal")->isChecked());
        EXPECT_EQ(filho<QTabWidget>(pre, "abas")->currentIndex(), 0);
        EXPECT_EQ(filho<QLabel>(pre, "Label3")->text(),
                  QStringLiteral("*Descartados todos os meses com falhas."));
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1991, 1, 1)), kConsiderado);
    });
}

TEST_F(JanelaPreProcessamento, PorcentagemSemEscolhaMensalOuAnualPedeAEscolha) {
    SerieTabela s =
        teste::serieComFalhas(QDate(1990, 1, 1), QDate(1991, 12, 1), {{QDate(1990, 2, 1), 20}});
    s[0].vazao03Status = kRegraSerieOriginal;
    abrir(projeto(QStringLiteral("escolha.cvl"), s));
    preProcessar([&](TfrmrelatorioMensal& pre) {
        EXPECT_FALSE(filho<QRadioButton>(pre, "rbMensal")->isChecked());
        EXPECT_FALSE(filho<QRadioButton>(pre, "rbAnual")->isChecked());
        escolher(filho<QComboBox>(pre, "cbxPorcentagem"), 0); // the empty entry does nothing
        escolher(filho<QComboBox>(pre, "cbxPorcentagem"), 10);
        EXPECT_EQ(situacaoDe(bancada.serie, QDate(1990, 2, 1)), kConsiderado);
        EXPECT_EQ(bancada.serie[0].vazao03Status, kRegraSerieOriginal);
    });
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{
                  QStringLiteral("Janela: Pré-processamento"),
                  QStringLiteral("Aviso: Escolha se o critério deve ser anual ou mensal.")}));
}

} // namespace
