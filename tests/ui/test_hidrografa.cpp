// The hydrograph window through the main window: the year list, the annual and whole-period
// charts around a missing day, the rating-curve dialog and its limits, saving and printing.
#include "principal.h"

#include "ui/TfrmCurvaChave.h"
#include "ui/TfrmHidrografa.h"
#include "ui/graficohidrograma.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLineSeries>
#include <QAction>
#include <QPushButton>

using namespace corvel;
using corvel::teste::JanelaPrincipal;

namespace {

// 1974 and 1975, 3 February 1975 missing.
std::optional<double> vazao(QDate d) {
    if (d == QDate(1975, 2, 3)) return std::nullopt;
    return 10 + d.dayOfYear() / 10.0;
}

class Hidrografa : public JanelaPrincipal {
  protected:
    QString projeto() {
        return teste::gravarProjetoDiario(caminho(QStringLiteral("h.cvl")), QDate(1974, 1, 1),
                                          QDate(1975, 12, 1), vazao);
    }
    // The window as the user sees it, then `acoes` on it.
    void abrirHidrografa(const std::function<void(ui::TfrmHidrografa&)>& acoes) {
        dialogos.aoExecutar = [&, acoes](QDialog& d) {
            if (auto* h = qobject_cast<ui::TfrmHidrografa*>(&d)) {
                h->show();
                acoes(*h);
                h->hide();
                return int(QDialog::Accepted);
            }
            if (auto* c = qobject_cast<ui::TfrmCurvaChave*>(&d)) return curva(*c);
            return int(QDialog::Rejected);
        };
        janela.acao(QStringLiteral("Hidrografa1"))->trigger();
    }
    // The rating-curve dialog: each pair of texts typed and OK clicked, until it closes.
    std::deque<std::pair<QString, QString>> limites;
    int curva(ui::TfrmCurvaChave& c) {
        while (!limites.empty() && c.result() != QDialog::Accepted) {
            c.superior()->setText(limites.front().first);
            c.inferior()->setText(limites.front().second);
            limites.pop_front();
            c.btnOKClick();
        }
        return c.result();
    }
    static std::vector<QPointF> pontos(QLineSeries* s) {
        const auto l = s->points();
        return {l.begin(), l.end()};
    }
};

TEST_F(Hidrografa, SemSerieOuComMenosDe12Meses) {
    janela.acao(QStringLiteral("Hidrografa1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Erro: Nenhuma base de dados aberta\n ou o "
                                                  "número de registros é insuficiente.")});
}

TEST_F(Hidrografa, AnoEPeriodoCompletoComLimites) {
    abrir(projeto());
    dialogos.mostrados.clear();
    // An edit not saved: the hydrograph draws the series as it is and keeps it.
    bancada.serie[0].vazao[0] = 999.0;
    limites = {{QStringLiteral("5"), QStringLiteral("5")},
               {QStringLiteral("100"), QStringLiteral("5")}};
    abrirHidrografa([&](ui::TfrmHidrografa& h) {
        EXPECT_EQ(h.windowTitle(), u"Hidrograma");
        ASSERT_EQ(h.lista()->count(), 3);
        EXPECT_EQ(h.lista()->itemText(0), u"Hidrógrafa completa");
        EXPECT_EQ(h.lista()->itemText(2), u"1975");
        EXPECT_EQ(h.textoLimites(), u"");
        // Opening draws the first year.
        EXPECT_EQ(h.lista()->currentIndex(), 1);
        ui::GraficoHidrograma* g = h.grafico();
        EXPECT_EQ(g->chart()->title(), u"Hidrógrafa anual<br>Estação: 12345678<br>1974");
        ASSERT_EQ(g->trechos().size(), 1u);
        EXPECT_EQ(g->trechos()[0]->points().first(), QPointF(1, 999));
        EXPECT_TRUE(g->superior()->points().isEmpty());
        EXPECT_EQ(g->rodape()[1], u"");

        h.lista()->setCurrentIndex(2);
        ASSERT_EQ(g->trechos().size(), 2u);
        EXPECT_EQ(g->trechos()[0]->points().last(), QPointF(33, 10 + 33 / 10.0));
        // The line resumes at the flow of 4 February, not with a stroke up from zero.
        EXPECT_EQ(g->trechos()[1]->points().first(), QPointF(35, 10 + 35 / 10.0));
        EXPECT_EQ(g->rodape(),
                  (QStringList{QStringLiteral("* O Hidrograma pode apresentar intervalos não "
                                              "regulares na escala de tempo."),
                               QStringLiteral("** Valores iguais a zero podem corresponder a "
                                              "inexistência de dados na série original.")}));
        EXPECT_FALSE(g->rotulosDias().isEmpty());
        EXPECT_EQ(g->rotulosDias().first(), u"1/1/1975");

        h.botao("btnCurvaChave")->click();
        EXPECT_EQ(h.textoLimites(),
                  u"Curva-chave:    Limite superior = 100,00;    Limite inferior = 5,00");
        // After the dialog the year on screen is drawn again, with the lines.
        EXPECT_EQ(h.lista()->currentIndex(), 2);
        EXPECT_EQ(g->chart()->title(), u"Hidrógrafa anual<br>Estação: 12345678<br>1975");
        EXPECT_EQ(pontos(g->superior()), (std::vector<QPointF>{{0, 100}, {365, 100}}));
        EXPECT_EQ(pontos(g->inferior()), (std::vector<QPointF>{{0, 5}, {365, 5}}));

        // The whole period breaks its line at the missing day too.
        h.lista()->setCurrentIndex(0);
        EXPECT_EQ(g->chart()->title(), u"Hidrógrafa completa <br>Estação: 12345678<br>");
        ASSERT_EQ(g->trechos().size(), 2u);
        EXPECT_EQ(g->trechos()[1]->points().first(), QPointF(365 + 35, 10 + 35 / 10.0));
        EXPECT_EQ(pontos(g->superior()), (std::vector<QPointF>{{0, 100}, {730, 100}}));
        EXPECT_EQ(g->rodape()[1], u"** Valores iguais a zero podem corresponder à inexistência "
                                  u"de dados na série original.");

        dialogos.arquivos.push_back(caminho(QStringLiteral("hidrograma.png")));
        h.botao("btnSalvar")->click();
        dialogos.respostas.push_back(false);
        h.botao("btnImprimir")->click();
        // F1 opens the window's help page.
        QAction* ajuda = h.findChild<QAction*>(QStringLiteral("Conteudodaajuda1"));
        ASSERT_TRUE(ajuda);
        EXPECT_EQ(ajuda->shortcut(), QKeySequence(Qt::Key_F1));
        EXPECT_TRUE(h.actions().contains(ajuda)) << "a window shortcut, without a menu";
        ajuda->trigger();
    });
    const std::vector<QString> esperados = {
        QStringLiteral("Janela: Hidrograma"),
        QStringLiteral("Janela: Valores da Curva-chave"),
        QStringLiteral("Erro: Valores para curva-chave inválidos.\nO limite superior deve ser "
                       "maior que o limite inferior."),
        QStringLiteral("Pergunta: Deseja imprimir o gráfico na impressora padrão?"),
        QStringLiteral("Ajuda: 17"),
    };
    EXPECT_EQ(dialogos.mostrados, esperados);
    QFile png(caminho(QStringLiteral("hidrograma.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(png.read(4), QByteArray("\x89PNG"));
    EXPECT_EQ(bancada.serie[0].vazao[0], 999.0);
    EXPECT_EQ(bancada.limitesCurvaChave.superior, 100);
    // Opening a project sets the limits to zero again.
    abrir(caminho(QStringLiteral("h.cvl")));
    EXPECT_EQ(bancada.limitesCurvaChave.superior, 0);
    EXPECT_EQ(bancada.limitesCurvaChave.inferior, 0);
}

TEST_F(Hidrografa, CurvaChaveCancelarETeclas) {
    bancada.limitesCurvaChave = {12.5, 0};
    ui::TfrmCurvaChave c(bancada, dialogos);
    EXPECT_EQ(c.windowTitle(), u"Valores da Curva-chave");
    EXPECT_EQ(c.superior()->text(), u"12,5");
    EXPECT_EQ(c.inferior()->text(), u"0");
    c.superior()->clear();
    c.superior()->setFocus();
    for (QChar ch : QStringLiteral("7.5x-")) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(c.superior(), &e);
    }
    EXPECT_EQ(c.superior()->text(), u"7,5");
    // Select-all still works.
    QKeyEvent tudo(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QCoreApplication::sendEvent(c.superior(), &tudo);
    EXPECT_EQ(c.superior()->selectedText(), u"7,5");
    // Not numbers: both limits 0 and the dialog stays open.
    c.inferior()->setText(QStringLiteral(""));
    c.btnOKClick();
    EXPECT_EQ(c.result(), QDialog::Rejected);
    EXPECT_EQ(bancada.limitesCurvaChave.superior, 0);
    EXPECT_TRUE(dialogos.mostrados.empty());
}

} // namespace
