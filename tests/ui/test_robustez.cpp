// What must never be lost or escape: a day typed in the grid when a command saves or reads the
// series, the main window's keys pressed in another window, help used while a modal window is
// open, and failures that are not the program's own messages.
#include "principal.h"

#include "core/formato.h"

#include "ui/TfrmAjuda.h"
#include "ui/TfrmFoEstaciona.h"
#include "ui/aplicacao.h"
#include "ui/campos.h"
#include "ui/modeloserie.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

using namespace corvel;
using corvel::teste::JanelaPrincipal;

namespace {

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ativar(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Opens the editor of day 5 of the first month in the grid and types `texto` into it.
QLineEdit* digitarDiaCinco(ui::TfrmPrincipal& janela, const QString& texto) {
    QTableView* grade = janela.grade();
    const QModelIndex dia = grade->model()->index(0, ui::ModeloSerie::kDia01 + 4);
    grade->setCurrentIndex(dia);
    grade->edit(dia);
    auto* editor = qobject_cast<QLineEdit*>(grade->indexWidget(dia));
    if (editor) editor->setText(texto);
    return editor;
}

TEST_F(JanelaPrincipal, DiaDigitadoComOEditorAbertoEGravadoPorCadaFormaDeSalvar) {
    const QString arquivo = projeto(QStringLiteral("a.cvl"));
    abrir(arquivo);
    ativar(janela);
    const struct {
        const char* forma;
        std::function<void()> salvar;
    } formas[] = {
        {"Ctrl+S", [&] { QTest::keyClick(&janela, Qt::Key_S, Qt::ControlModifier); }},
        {"botão Salvar",
         [&] {
             janela.barraFerramentas()
                 ->findChild<QToolButton*>(QStringLiteral("btnSalvar"))
                 ->click();
         }},
        {"menu Salvar", [&] { janela.acao(QStringLiteral("Salvar1"))->trigger(); }},
    };
    double valor = 12.5;
    for (const auto& f : formas) {
        ASSERT_TRUE(digitarDiaCinco(janela, formatarNumero(valor, u"0.0"))) << f.forma;
        f.salvar();
        const SerieTabela lida = lerProjeto(arquivo);
        EXPECT_EQ(lida[0].vazao[4], valor) << f.forma;
        EXPECT_FALSE(janela.grade()->indexWidget(janela.grade()->currentIndex())) << f.forma;
        valor += 1;
    }
    EXPECT_TRUE(dialogos.mostrados.empty());
}

TEST_F(JanelaPrincipal, NumeroInvalidoNoEditorAbertoImpedeOComandoEMantemOEditor) {
    const QString arquivo = projeto(QStringLiteral("a.cvl"));
    abrir(arquivo);
    const QByteArray antes = conteudo(arquivo);
    QLineEdit* editor = digitarDiaCinco(janela, QStringLiteral("12.5"));
    ASSERT_TRUE(editor);
    for (const char* acao : {"Salvar1", "Fecharprojeto1", "VazoesMinimas1"}) {
        dialogos.mostrados.clear();
        janela.acao(QString::fromLatin1(acao))->trigger();
        EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral(
                                          "Erro: '12.5' não é um valor de ponto flutuante válido")})
            << acao;
        EXPECT_EQ(janela.grade()->indexWidget(janela.grade()->currentIndex()), editor) << acao;
    }
    EXPECT_EQ(conteudo(arquivo), antes);
    EXPECT_TRUE(janela.paginaGradeVisivel());
}

TEST_F(JanelaPrincipal, TeclasDaJanelaPrincipalNaoAgemNaJanelaDeAjuda) {
    abrir(projeto(QStringLiteral("a.cvl")));
    ativar(janela);
    QTest::keyClick(&janela, Qt::Key_F1);
    ui::TfrmAjuda* ajuda = janela.janelaAjuda();
    ASSERT_TRUE(ajuda && ajuda->isVisible());
    ativar(*ajuda);
    for (const auto& [tecla, modificador] : {std::pair{Qt::Key_F4, Qt::ControlModifier},
                                             {Qt::Key_F10, Qt::NoModifier},
                                             {Qt::Key_F4, Qt::NoModifier},
                                             {Qt::Key_S, Qt::ControlModifier}})
        QTest::keyClick(ajuda->windowHandle(), tecla, modificador);
    EXPECT_TRUE(janela.isVisible());
    EXPECT_TRUE(bancada.serie.ativa());
    EXPECT_TRUE(dialogos.mostrados.empty()); // no window, no message, no save dialog
}

TEST_F(JanelaPrincipal, AjudaDeUmaJanelaModalPodeSerUsadaEnquantoElaEstaAberta) {
    // A page long enough to scroll.
    QString pagina = QStringLiteral("<html><body><h1>Estacionariedade</h1>");
    for (int i = 0; i < 300; ++i)
        pagina += QStringLiteral("<p>Parágrafo %1 da ajuda.</p>").arg(i);
    QDir().mkpath(caminho(QStringLiteral("ajuda")));
    QFile f(caminho(QStringLiteral("ajuda/14.html")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((pagina + QStringLiteral("</body></html>")).toUtf8());
    f.close();
    janela.definirPastaAjuda(caminho(QStringLiteral("ajuda")));
    dialogos.aoAjudar = [this](int topico) { janela.mostrarAjuda(topico); };

    ui::TfrmFoEstaciona estacionariedade(bancada, dialogos, &janela);
    bool verificado = false;
    QTimer::singleShot(0, &estacionariedade, [&] {
        ativar(estacionariedade);
        QTest::keyClick(&estacionariedade, Qt::Key_F1);
        ui::TfrmAjuda* ajuda = janela.janelaAjuda();
        EXPECT_TRUE(ajuda && ajuda->isVisible());
        if (ajuda && ajuda->isVisible()) {
            EXPECT_EQ(ajuda->topico(), 14);
            ativar(*ajuda);
            QScrollBar* barra = ajuda->findChild<QTextBrowser*>()->verticalScrollBar();
            ASSERT_GT(barra->maximum(), 0);
            QTest::keyClick(ajuda->windowHandle(), Qt::Key_PageDown);
            EXPECT_GT(barra->value(), 0); // the keys reach it: it is not blocked
            QTest::keyClick(ajuda->windowHandle(), Qt::Key_Escape);
            EXPECT_FALSE(ajuda->isVisible());
            EXPECT_TRUE(estacionariedade.isVisible());
        }
        verificado = true;
        estacionariedade.reject();
    });
    estacionariedade.exec();
    EXPECT_TRUE(verificado);
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Ajuda: 14")});
}

TEST_F(JanelaPrincipal, FalhasQueNaoSaoDoProgramaViramMensagemENaoEncerramOPrograma) {
    abrir(projeto(QStringLiteral("a.cvl")));
    const struct {
        const char* acao;
        std::function<void()> falha;
        const char* mensagem;
    } casos[] = {
        {"Abrir1", [] { throw std::bad_alloc(); },
         "Erro: Memória insuficiente para concluir a operação."},
        {"Salvarcomo1", [] { throw std::length_error("vector::reserve"); },
         "Erro: Ocorreu um erro inesperado. A operação foi interrompida.\nvector::reserve"},
        {"csv1", [] { throw 7; }, "Erro: Ocorreu um erro inesperado. A operação foi interrompida."},
    };
    for (const auto& c : casos) {
        dialogos.mostrados.clear();
        dialogos.falharNoProximoArquivo = c.falha;
        janela.acao(QString::fromLatin1(c.acao))->trigger();
        EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QString::fromUtf8(c.mensagem)})
            << c.acao;
        EXPECT_TRUE(bancada.serie.ativa()) << c.acao; // the open project is still there
    }
}

TEST_F(JanelaPrincipal, ExcecaoDeUmSinalSemComandoEMostradaPelaAplicacao) {
    auto* app = static_cast<ui::AplicacaoCorvel*>(QCoreApplication::instance());
    app->definirDialogos(&dialogos);
    QTimer::singleShot(0, &janela, [] { throw std::runtime_error("falha num sinal"); });
    QCoreApplication::processEvents();
    app->definirDialogos(nullptr);
    EXPECT_EQ(
        dialogos.mostrados,
        std::vector<QString>{QStringLiteral(
            "Erro: Ocorreu um erro inesperado. A operação foi interrompida.\nfalha num sinal")});
}

} // namespace

namespace {

// A line edit that, as with emacs-style key bindings on X11, keeps Ctrl+E for itself.
class CampoQueGuardaTeclas : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

TEST(Atalhos, CampoDoCabecalhoDeixaPassarOsAtalhosDaJanela) {
    QWidget janela;
    QAction estacionariedade(QStringLiteral("Estacionariedade"), &janela);
    estacionariedade.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    janela.addAction(&estacionariedade);
    int disparos = 0;
    QObject::connect(&estacionariedade, &QAction::triggered, [&] { ++disparos; });
    auto* campo = new CampoQueGuardaTeclas(&janela);
    janela.show();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    campo->setFocus();
    QTest::keyClick(campo, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(disparos, 0); // the box took the key
    ui::deixarPassarAtalhos(campo);
    QTest::keyClick(campo, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(disparos, 1);
    QTest::keyClick(campo, Qt::Key_A); // typing still reaches the box
    EXPECT_EQ(campo->text(), QStringLiteral("a"));
}

} // namespace
