// The regularization window opened from the main window's menu and driven through scripted
// dialogs: the calculation behind its progress window, the evaporation question and window with
// its closing check, a cancel, a second calculation, a series without valid days, the exports and
// the report. The reference case (eight valid days in 2000, Qmed = 6 m³/s) is worked by hand in
// tests/analyses/casosregularizacao.h.
#include "dialogosroteiro.h"

#include "analyses/casosregularizacao.h"
#include "core/formato.h"
#include "core/projeto.h"
#include "ui/TfrmBarraProgressoRegularizacao.h"
#include "ui/TfrmCurva_Regularizacao.h"
#include "ui/TfrmEvaporacao.h"
#include "ui/TfrmPrincipal.h"
#include "ui/graficosregularizacao.h"
#include "ui/modelosregularizacao.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace corvel;
using corvel::teste::DialogosRoteiro;
using ui::TfrmCurva_Regularizacao;

namespace {

class JanelaRegularizacao : public ::testing::Test {
  protected:
    JanelaRegularizacao() : bancada(pasta.path()), principal(bancada, dialogos) {
        bancada.pastaDados = pasta.filePath(QStringLiteral("dados"));
        principal.show();
        dialogos.aoExecutar = [this](QDialog& j) { return executar(j); };
    }

    // The year 2000 whose only valid days are those of the reference case.
    void abrir(const teste::Vazao& vazao = teste::vazaoReferencia) {
        const QString arquivo = pasta.filePath(QStringLiteral("estacao.cvl"));
        SerieTabela s = teste::serieDiaria(QDate(2000, 1, 1), QDate(2000, 12, 1), vazao);
        for (RegistroMensal& r : s.armazenados())
            r.vazao02Status = 1; // the hydrological year starts in January
        gravarProjeto(arquivo, s);
        dialogos.arquivos.push_back(arquivo);
        principal.acao(QStringLiteral("Abrir1"))->trigger();
        ASSERT_TRUE(bancada.serie.ativa());
    }
    void regularizacao(std::function<void(TfrmCurva_Regularizacao&)> usar) {
        usarJanela = std::move(usar);
        principal.acao(QStringLiteral("Regularizacao1"))->trigger();
    }

    int executar(QDialog& j) {
        if (auto* r = qobject_cast<TfrmCurva_Regularizacao*>(&j)) {
            r->show();
            QApplication::processEvents(); // the activation follows the show
            if (usarJanela && r->isVisible()) usarJanela(*r);
            return r->result();
        }
        if (auto* p = qobject_cast<ui::TfrmBarraProgressoRegularizacao*>(&j)) {
            titulosProgresso << p->texto();
            if (aoProgresso) aoProgresso(*p);
            return int(QDialog::Rejected); // the window runs the work once it is closed
        }
        if (auto* e = qobject_cast<ui::TfrmEvaporacao*>(&j)) {
            if (usarEvaporacao) usarEvaporacao(*e);
            return e->result();
        }
        if (auto* p = qobject_cast<QPrintPreviewDialog*>(&j); p && usarPrevia) usarPrevia(*p);
        return int(QDialog::Rejected);
    }

    // Taps "Cancelar" once the progress window reads `etapa`, as a user would while it runs.
    void cancelarEm(EtapaRegularizacao etapa) {
        aoProgresso = [this, etapa](ui::TfrmBarraProgressoRegularizacao& p) {
            auto* relogio = new QTimer(&p);
            relogio->setInterval(0);
            QObject::connect(relogio, &QTimer::timeout, &p, [&p, relogio, etapa] {
                if (p.texto() != textoEtapa(etapa)) return;
                relogio->stop();
                p.botaoCancelar()->click();
            });
            relogio->start();
        };
    }

    static QStringList linhas(const QAbstractItemModel* m) {
        QStringList r;
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int k = 0; k < m->columnCount(); ++k)
                c << m->index(l, k).data().toString();
            r << c.join(u'|');
        }
        return r;
    }
    static QStringList titulos(const QAbstractItemModel* m) {
        QStringList r;
        for (int k = 0; k < m->columnCount(); ++k)
            r << m->headerData(k, Qt::Horizontal).toString();
        return r;
    }
    static QList<QByteArray> lerLinhas(const QString& arquivo) {
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << arquivo.toStdString();
        return f.readAll().split('\n');
    }
    static bool resultadosVisiveis(const TfrmCurva_Regularizacao& j) {
        return j.paginas()->isTabVisible(j.paginaCapacidade()) ||
               j.paginas()->isTabVisible(j.paginaVazaoRegularizada()) ||
               j.paginas()->isTabVisible(j.paginaDiagrama());
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal;
    std::function<void(TfrmCurva_Regularizacao&)> usarJanela;
    std::function<void(ui::TfrmBarraProgressoRegularizacao&)> aoProgresso;
    std::function<void(ui::TfrmEvaporacao&)> usarEvaporacao;
    std::function<void(QPrintPreviewDialog&)> usarPrevia;
    QStringList titulosProgresso;
};

const QString kPerguntaEvaporacao = QStringLiteral("Pergunta: Deseja considerar a evaporação?");

TEST_F(JanelaRegularizacao, CalculoSemEvaporacaoPelaJanelaDeProgresso) {
    abrir();
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        EXPECT_FALSE(resultadosVisiveis(j));
        EXPECT_EQ(titulos(j.gradeDados()->model()).mid(2, 2), (QStringList{"Dia 01", "Dia 02"}));
        EXPECT_EQ(j.gradeDados()->model()->index(0, 2 + 27).data().toString(),
                  QStringLiteral("10,00"));

        dialogos.respostas = {false};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(titulosProgresso, QStringList{"Preparando..."});
        EXPECT_EQ(dialogos.mostrados.back(), kPerguntaEvaporacao);
        EXPECT_FALSE(j.ocupada());
        EXPECT_TRUE(j.barra()->isEnabled());
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaVazaoRegularizada());
        EXPECT_TRUE(j.paginas()->isTabVisible(j.paginaCapacidade()));
        EXPECT_TRUE(j.paginas()->isTabVisible(j.paginaDiagrama()));

        // Storage of 2, 2,6 and 8 days of Qmed (hand-worked in casosregularizacao.h) in hm³.
        const QStringList vazao = linhas(j.modeloVazaoRegularizada());
        ASSERT_EQ(vazao.size(), 20);
        EXPECT_EQ(vazao[0], QStringLiteral("5,00|0,3000|0,0000"));
        EXPECT_EQ(vazao[9], QStringLiteral("50,00|3,0000|0,1728"));
        EXPECT_EQ(vazao[10], QStringLiteral("55,00|3,3000|0,2246"));
        EXPECT_EQ(vazao[19], QStringLiteral("100,00|6,0000|0,6912"));
        EXPECT_EQ(j.textoNota(), QStringLiteral("* Sem evaporação"));
        EXPECT_EQ(j.textoArea(), QString());
        EXPECT_EQ(linhas(j.modeloEvaporacao())[0], QStringLiteral("Janeiro|0,00|0,00"));
        Q_EMIT j.gradeEvaporacao()->doubleClicked(j.modeloEvaporacao()->index(0, 0));
        EXPECT_EQ(
            dialogos.mostrados.back(),
            QStringLiteral("Informação: Para alterar esses valores: \nVá no menu --> "
                           "Operações --> Calcular\nNa caixa de mensagem \"Deseja "
                           "considerar a evaporação?\"\nEscolha \"Sim\"\nNa nova janela "
                           "altere os valores de evaporação e digite a área do reservatório."));
        EXPECT_EQ(j.graficoMassas()->curvas(), 1);
        EXPECT_EQ(j.graficoMassas()->pontos(), 8);

        // The reservoir tab opens on "50%"; another level rebuilds grid, chart and volume.
        j.paginas()->setCurrentIndex(j.paginaCapacidade());
        EXPECT_EQ(j.seletorNivel()->tabText(j.seletorNivel()->currentIndex()),
                  QStringLiteral("50%"));
        EXPECT_EQ(j.textoVolume(), QStringLiteral("Volume do reservatório = 0,1728 hm³"));
        EXPECT_EQ(
            titulos(j.modeloCapacidade()),
            (QStringList{"Data", "Vazão afluente (m³/s)", "Vazão regularizada (m³/s)",
                         "Vazão Evaporada (m³/s)", "Diferença (hm³)", "Volume deficitário (hm³)"}));
        EXPECT_EQ(linhas(j.modeloCapacidade())[2],
                  QStringLiteral("31/01/2000|2,0000|3,0000|0,0000|-0,0864|-0,1728"));
        j.seletorNivel()->setCurrentIndex(19);
        EXPECT_EQ(j.textoVolume(), QStringLiteral("Volume do reservatório = 0,6912 hm³"));
        EXPECT_EQ(linhas(j.modeloCapacidade())[2],
                  QStringLiteral("31/01/2000|2,0000|6,0000|0,0000|-0,3456|-0,6912"));
        EXPECT_EQ(j.graficoReservatorio()->barras(), 8);
        EXPECT_EQ(j.graficoReservatorio()->rodape(), QStringLiteral("Corvel 1.0"));
        EXPECT_EQ(j.graficoReservatorio()->rotulosDatas().front(), QStringLiteral("28/01/2000"));

        // A second calculation replaces the mass-diagram curve and opens on the results again.
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(j.graficoMassas()->curvas(), 1);
        EXPECT_EQ(j.graficoMassas()->pontos(), 8);
        EXPECT_EQ(j.paginas()->currentIndex(), j.paginaVazaoRegularizada());
    });
    EXPECT_TRUE(dialogos.respostas.empty());
}

TEST_F(JanelaRegularizacao, CancelarDuranteOBalancoDeixaSoDados) {
    abrir();
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        ASSERT_TRUE(j.resultado());

        cancelarEm(EtapaRegularizacao::Balanco);
        dialogos.respostas = {false, true};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Pergunta: Deseja cancelar o cálculo da regularização?"));
        EXPECT_FALSE(j.resultado());
        EXPECT_FALSE(resultadosVisiveis(j));
        EXPECT_EQ(j.paginas()->currentIndex(), 0);
        EXPECT_EQ(j.graficoMassas()->curvas(), 0);
        EXPECT_FALSE(j.ocupada());
        EXPECT_TRUE(j.paginas()->isEnabled());

        // Nothing to export or print until the next calculation.
        const std::size_t dialogosAntes = dialogos.dialogosArquivo.size();
        for (const char* acao : {"CapacidadeCsv1", "VazaoRegularizadaCsv1", "DiagramaMassasBmp1",
                                 "ImprimirVazaoRegularizada1"})
            j.acao(QString::fromLatin1(acao))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.size(), dialogosAntes);
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Pergunta: Deseja cancelar o cálculo da regularização?"));

        // Answering No to the cancel lets the calculation end.
        dialogos.respostas = {false, false};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_TRUE(j.resultado());
        EXPECT_TRUE(resultadosVisiveis(j));
    });
}

TEST_F(JanelaRegularizacao, EvaporacaoPeloPerguntaEJanelaComVerificacaoAoFechar) {
    abrir();
    int exibicoes = 0;
    usarEvaporacao = [&](ui::TfrmEvaporacao& e) {
        ++exibicoes;
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Evaporação"));
        QAbstractItemModel* m = e.grade()->model();
        if (exibicoes == 2) { // the last rates from the file and the run's area
            EXPECT_EQ(m->index(1, 1).data().toString(), QStringLiteral("1,728"));
            EXPECT_EQ(e.area()->text(), QStringLiteral("50"));
            e.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return;
        }
        e.show(); // typed keys reach a window on screen
        EXPECT_EQ(titulos(m), (QStringList{"Mês", "Evaporação (mm/dia)"}));
        EXPECT_EQ(linhas(m)[11], QStringLiteral("Dezembro|0"));
        EXPECT_EQ(e.area()->text(), QStringLiteral("0"));
        // 0,864 × m mm/day: over 50 km² the month m evaporates m ÷ 2 m³/s, Ē = 3,25 m³/s.
        for (int mes = 1; mes <= 12; ++mes)
            EXPECT_TRUE(m->setData(m->index(mes - 1, 1), formatarGeral(0.864 * mes)));
        EXPECT_FALSE(m->setData(m->index(0, 1), QStringLiteral("abc")));
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Erro: 'abc' não é um valor de ponto flutuante válido"));
        EXPECT_EQ(m->index(0, 1).data().toString(), QStringLiteral("0,864"));

        // Only digits, "," and "." reach the area field.
        e.area()->clear();
        QTest::keyClicks(e.area(), QStringLiteral("5x-0"));
        EXPECT_EQ(e.area()->text(), QStringLiteral("50"));
        auto* ok = e.findChild<QPushButton*>(QStringLiteral("btnOK"));
        const struct {
            const char* area;
            const char* mensagem;
        } recusas[] = {{"0", "Informação: Área da bacia inválida"},
                       {"", "Informação: Área da bacia inválida"},
                       {"1,2.3", "Erro: '1,2.3' não é um valor de ponto flutuante válido"}};
        for (const auto& r : recusas) {
            e.area()->setText(QString::fromUtf8(r.area));
            ok->click();
            EXPECT_EQ(dialogos.mostrados.back(), QString::fromUtf8(r.mensagem)) << r.area;
            EXPECT_NE(e.result(), int(QDialog::Accepted)) << r.area;
        }
        const std::size_t mostrados = dialogos.mostrados.size();
        e.reject(); // Esc and the close button pass the same check
        EXPECT_EQ(dialogos.mostrados.size(), mostrados + 1);
        EXPECT_TRUE(e.isVisible());
        e.area()->setText(QStringLiteral("50"));
        ok->click();
        EXPECT_EQ(e.result(), int(QDialog::Accepted));
    };
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        dialogos.respostas = {true};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        ASSERT_EQ(exibicoes, 1);
        EXPECT_EQ(bancada.areaReservatorio, 50);
        const QStringList vazao = linhas(j.modeloVazaoRegularizada());
        EXPECT_EQ(vazao[9], QStringLiteral("50,00|0,0000|0,1728")); // the storage stays
        EXPECT_EQ(vazao[10], QStringLiteral("55,00|0,0500|0,2246"));
        EXPECT_EQ(vazao[19], QStringLiteral("100,00|2,7500|0,6912"));
        EXPECT_EQ(j.textoNota(), QStringLiteral("* Evaporação elevada"));
        EXPECT_EQ(j.textoArea(), QStringLiteral("Área do reservatório = 50 km²"));
        EXPECT_EQ(linhas(j.modeloEvaporacao())[11], QStringLiteral("Dezembro|10,37|6,00"));

        // The rates and the evaporated flows are in the user's data folder, not the program's.
        const TabelaEvaporacao arquivo = lerEvaporacao(bancada.pastaDados);
        EXPECT_EQ(arquivo[1].evaporacao, 0.864 * 2);
        EXPECT_DOUBLE_EQ(arquivo[1].evaporacaoMensal, 1.0);
        EXPECT_FALSE(QFile::exists(caminhoEvaporacao(bancada.pastaPrograma())));

        // The report, with the evaporation report after its question.
        dialogos.entradas = {QStringLiteral("Ana Lima")};
        dialogos.respostas = {true};
        j.acao(QStringLiteral("ImprimirVazaoRegularizada1"))->trigger();
        const relatorio::Relatorio r = j.relatorioVazao();
        EXPECT_EQ(r.titulo, QStringLiteral("RELATÓRIO"));
        EXPECT_EQ(r.cabecalho,
                  (std::vector<QString>{
                      "Vazão regularizada", "Técnico responsável: Ana Lima",
                      "Código da estação: 12345678", "Início do ano hidrológico: Janeiro",
                      "Período: Janeiro/2000 - Dezembro/2000", "Área do reservatório: 50 km²"}));
        EXPECT_EQ(r.notas, std::vector<QString>{"* Evaporação elevada"});
        EXPECT_EQ(j.relatorioEvaporacao().cabecalho,
                  (std::vector<QString>{"Evaporação mensal", "Técnico responsável: Ana Lima"}));

        dialogos.respostas = {true};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(exibicoes, 2);
    });
    const std::vector<QString> fim(dialogos.mostrados.end() - 7, dialogos.mostrados.end());
    EXPECT_EQ(fim, (std::vector<QString>{"Entrada: Técnico responsável / Digite o nome do "
                                         "técnico responsável:",
                                         "Janela: Visualizar impressão - RELATÓRIO",
                                         "Pergunta: Deseja imprimir a Evaporação?",
                                         "Janela: Visualizar impressão - RELATÓRIO",
                                         "Janela: Regularização", kPerguntaEvaporacao,
                                         "Janela: Evaporação"}));
}

TEST_F(JanelaRegularizacao, SemVazoesValidasNaoHaResultados) {
    abrir([](QDate) { return std::optional<double>(); });
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Calcular1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Erro: Não há vazões válidas nos meses considerados."));
        EXPECT_FALSE(j.resultado());
        EXPECT_FALSE(resultadosVisiveis(j));
        EXPECT_FALSE(j.ocupada());
        EXPECT_TRUE(j.barra()->isEnabled());
    });
}

TEST_F(JanelaRegularizacao, Exportacoes) {
    abrir();
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        const std::size_t abertura = dialogos.dialogosArquivo.size();
        j.acao(QStringLiteral("CapacidadeCsv1"))->trigger(); // before a calculation: nothing
        EXPECT_EQ(dialogos.dialogosArquivo.size(), abertura);
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Calcular1"))->trigger();

        dialogos.arquivos = {caminho("dados.csv"), caminho("diario.csv"), caminho("vazao.csv")};
        j.acao(QStringLiteral("DadosCsv1"))->trigger();
        j.acao(QStringLiteral("CapacidadeCsv1"))->trigger(); // the reservoir tab not shown yet
        j.acao(QStringLiteral("VazaoRegularizadaCsv1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"));
        EXPECT_EQ(dialogos.dialogosArquivo.back().extensaoPadrao, QStringLiteral("CSV"));

        j.paginas()->setCurrentIndex(j.paginaCapacidade());
        j.seletorNivel()->setCurrentIndex(19);
        dialogos.arquivos = {caminho("nivel.csv"), caminho("nivel.xlsx"), caminho("massas.bmp")};
        dialogos.respostas = {false}; // do not open the workbook
        j.acao(QStringLiteral("CapacidadeCsv1"))->trigger();
        j.acao(QStringLiteral("CapacidadeXls1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.back().nomeProposto, QStringLiteral("100.xlsx"));
        j.acao(QStringLiteral("DiagramaMassasBmp1"))->trigger();
        dialogos.respostas = {false};
        j.acao(QStringLiteral("ImprimirDiagramaMassas1"))->trigger();
        EXPECT_EQ(dialogos.mostrados.back(),
                  QStringLiteral("Pergunta: Deseja imprimir o gráfico na impressora padrão?"));
    });
    const QList<QByteArray> dados = lerLinhas(caminho("dados.csv"));
    ASSERT_EQ(dados.size(), 12 + 2);
    EXPECT_TRUE(dados[0].startsWith("M\xeas;Dia 01;Dia 02;")) << dados[0].toStdString();
    EXPECT_EQ(dados[1], QByteArray("Janeiro/2000;") + QByteArray(";").repeated(27) +
                            QByteArray("10;2;;2;\r"));

    const QList<QByteArray> diario = lerLinhas(caminho("diario.csv"));
    ASSERT_EQ(diario.size(), 8 + 2);
    EXPECT_EQ(diario[0], QByteArray("ID;Data;Vaz\xe3o afluente (m\xb3/s);\r"));
    EXPECT_EQ(diario[3], QByteArray("2;31/01/2000;2;\r"));

    const QList<QByteArray> nivel = lerLinhas(caminho("nivel.csv"));
    EXPECT_EQ(nivel[0], QByteArray("Data;Vaz\xe3o afluente (m\xb3/s);Vaz\xe3o regularizada "
                                   "(m\xb3/s);Vaz\xe3o Evaporada (m\xb3/s);Diferen\xe7"
                                   "a (hm\xb3);Volume deficit\xe1rio (hm\xb3);\r"));
    EXPECT_EQ(nivel[3], QByteArray("31/01/2000;2;6;0;-0,3456;-0,6912;\r"));
    EXPECT_TRUE(QFile::exists(caminho("nivel.xlsx")));
    EXPECT_GT(QFile(caminho("massas.bmp")).size(), 0);

    const QList<QByteArray> vazao = lerLinhas(caminho("vazao.csv"));
    ASSERT_EQ(vazao.size(), 1 + 20 + 3 + 12 + 1);
    EXPECT_EQ(vazao[0], QByteArray("(Qreg/Qmed) x 100;Vaz\xe3o regularizada (m\xb3/s);Vol. "
                                   "Reservat\xf3rio (hm\xb3);\r"));
    EXPECT_EQ(vazao[10], QByteArray("50,00;3,0000;0,1728;\r"));
    EXPECT_EQ(vazao[22], QByteArray("Evapora\xe7\xe3o;\r"));
    EXPECT_EQ(vazao[24], QByteArray("1;Janeiro;0;0;\r"));
}

TEST_F(JanelaRegularizacao, MenusTeclasEDicas) {
    abrir();
    QStringList itens, dicas;
    regularizacao([&](TfrmCurva_Regularizacao& j) {
        itens = teste::itensDeMenu(j);
        for (QObject* b : j.barra()->children())
            if (b->objectName().startsWith(QStringLiteral("btn")))
                dicas << static_cast<QWidget*>(b)->toolTip();
        j.acao(QStringLiteral("ConteudodaAjuda1"))->trigger();
    });
    const QString csv =
        QStringLiteral(" › *.CSV (Arquivo texto com dados separados por ponto-e-vírgula)");
    const QString xls = QStringLiteral(" › *.XLS (Arquivos do Excel)");
    EXPECT_EQ(itens, (QStringList{
                         "Arquivo › Exportar \"Dados de entrada\"" + csv,
                         "Arquivo › Exportar \"Dados de entrada\"" + xls,
                         "Arquivo › Exportar \"Capacidade do reservatório\"" + csv,
                         "Arquivo › Exportar \"Capacidade do reservatório\"" + xls,
                         "Arquivo › Exportar \"Vazão regularizada\"" + csv,
                         "Arquivo › Exportar \"Vazão regularizada\"" + xls,
                         "Arquivo › Exportar \"Diagrama de massas\"(*.bmp)",
                         "Arquivo › Imprimir › \"Diagrama de massas\"",
                         "Arquivo › Imprimir › \"Vazão regularizada\"",
                         "Arquivo › Fechar [Ctrl+F4]",
                         "Operações › Pré-processamento [F10]",
                         "Operações › Calcular [F11]",
                         "Ajuda › Conteúdo da ajuda [F1]",
                     }));
    EXPECT_EQ(dicas,
              (QStringList{"Imprimir", "Pré-processamento", "Calcular a regularização de vazões"}));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Ajuda: 16"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(CORVEL_RESOURCES "/ajuda/16.html")));
}

} // namespace
