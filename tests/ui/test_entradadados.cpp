// A series typed in through the main window: the new-series dialog, the data management window
// with its grid, its period commands and its questions, driven through the scripted dialogs.
#include "principal.h"

#include "core/entradadados.h"
#include "ui/TfrmDefinePeriodo.h"
#include "ui/TfrmInsereDados.h"
#include "ui/TfrmPeriodo.h"
#include "ui/modeloentradadados.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

using namespace corvel;
using corvel::teste::JanelaPrincipal;
using Coluna = corvel::ui::ModeloEntradaDados::Coluna;

namespace {

class EntradaDados : public JanelaPrincipal {
  protected:
    // What the data management window does while it is open; the year dialog answers with the
    // years queued in `anos` (empty text = cancelled).
    std::function<void(ui::TfrmInsereDados&)> naJanela = [](ui::TfrmInsereDados&) {};
    std::deque<QString> anos;
    // The new-series dialog's fields, each OK in turn.
    std::deque<std::array<QString, 3>> periodos;

    EntradaDados() {
        dialogos.aoExecutar = [this](QDialog& d) {
            if (auto* p = qobject_cast<ui::TfrmDefinePeriodo*>(&d)) return novaSerie(*p);
            if (auto* p = qobject_cast<ui::TfrmPeriodo*>(&d)) return ano(*p);
            if (auto* g = qobject_cast<ui::TfrmInsereDados*>(&d)) {
                naJanela(*g);
                g->accept();
                return g->result();
            }
            return int(QDialog::Rejected);
        };
    }

    int novaSerie(ui::TfrmDefinePeriodo& p) {
        while (!periodos.empty() && p.result() != QDialog::Accepted) {
            const auto campos = periodos.front();
            periodos.pop_front();
            p.codigo()->setText(campos[0]);
            p.anoInicial()->setText(campos[1]);
            p.anoFinal()->setText(campos[2]);
            p.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        }
        return p.result();
    }

    int ano(ui::TfrmPeriodo& p) {
        const QString texto = anos.empty() ? QString() : anos.front();
        if (!anos.empty()) anos.pop_front();
        if (texto.isEmpty()) {
            p.findChild<QPushButton*>(QStringLiteral("btnCancelar"))->click();
            return int(QDialog::Rejected);
        }
        p.campo()->setText(texto);
        p.btnOKClick();
        return p.result();
    }

    // Types `texto` into day `dia` of row `linha`, as the grid's editor commits it.
    static void digitar(ui::TfrmInsereDados& j, int linha, int dia, const QString& texto) {
        const QModelIndex i = j.modelo()->index(linha, Coluna::kDia01 + dia - 1);
        j.grade()->setCurrentIndex(i);
        j.modelo()->setData(i, texto, Qt::EditRole);
    }
    static QString celula(ui::TfrmInsereDados& j, int linha, int coluna) {
        return j.modelo()->index(linha, coluna).data().toString();
    }
};

TEST_F(EntradaDados, NovaSerieDe1990a1992DigitadaESalva) {
    periodos = {{QStringLiteral("4321"), QStringLiteral("1990"), QStringLiteral("1990")},
                {QStringLiteral("4321"), QStringLiteral("1990"), QStringLiteral("1992")}};
    const QString arquivo = caminho(QStringLiteral("serie.cvl"));
    dialogos.arquivos.push_back(arquivo);
    naJanela = [&](ui::TfrmInsereDados& j) {
        EXPECT_EQ(j.windowTitle(), u"Gerenciando dados ");
        EXPECT_TRUE(j.cabecalho().startsWith(u"Cód. da Estação: 4321"));
        EXPECT_FALSE(bancada.serie.insercao());
        EXPECT_TRUE(bancada.modoEntrada);
        ASSERT_EQ(j.modelo()->rowCount(), 36);
        EXPECT_EQ(celula(j, 0, Coluna::kMes), u"Janeiro/1990");
        EXPECT_EQ(celula(j, 0, Coluna::kSituacao), u"Inexistente");
        EXPECT_EQ(celula(j, 1, Coluna::kDiasNoMes), u"28");
        // Day 12 of an "Inexistente" month: the month is considered once the cursor leaves it.
        digitar(j, 0, 12, QStringLiteral("12,5"));
        EXPECT_EQ(celula(j, 0, Coluna::kSituacao), u"Inexistente");
        digitar(j, 1, 30, QStringLiteral("3"));
        EXPECT_EQ(celula(j, 0, Coluna::kSituacao), u"Com falhas");
        EXPECT_EQ(celula(j, 0, Coluna::kValidos), u"1");
        EXPECT_EQ(celula(j, 0, Coluna::kFalhas), u"30");
        EXPECT_EQ(celula(j, 0, Coluna::kPorcentagem), u"96%");
        // Day 30 of February is dropped when the record is written.
        EXPECT_EQ(celula(j, 1, Coluna::kDia01 + 29), u"3,00");
        j.grade()->setCurrentIndex(j.modelo()->index(2, Coluna::kDia01));
        EXPECT_EQ(celula(j, 1, Coluna::kDia01 + 29), u"");
        EXPECT_EQ(celula(j, 1, Coluna::kSituacao), u"Inexistente");
        // A text that is not a number is refused with the grid's message.
        digitar(j, 2, 1, QStringLiteral("abc"));
        EXPECT_EQ(celula(j, 2, Coluna::kDia01), u"");
    };
    janela.acao(QStringLiteral("Criararquivosdedados1"))->trigger();

    const QStringList esperados = {
        "Janela: Define período",
        "Erro: Período de tempo inválido.",
        "Janela: Gerenciando dados ",
    };
    ASSERT_GE(dialogos.mostrados.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialogos.mostrados[static_cast<std::size_t>(i)], esperados[i]);
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 1u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].nomeProposto, u"4321.cvl");
    EXPECT_TRUE(bancada.serie.insercao());
    EXPECT_FALSE(bancada.modoEntrada);
    EXPECT_FALSE(bancada.cancelaNovaSerie);
    // The window's close saved the project.
    const SerieTabela lida = lerProjeto(arquivo);
    ASSERT_EQ(lida.tamanho(), 36);
    EXPECT_EQ(lida[0].vazao01Status, kConsiderado);
    EXPECT_EQ(lida[0].vazao[11], 12.5);
    EXPECT_FALSE(lida[1].vazao[29]);
    EXPECT_EQ(lida[35].registroId, 36.0);
    EXPECT_EQ(lida[0].vazao02Status, 1);
    EXPECT_TRUE(janela.paginaGradeVisivel());
}

TEST_F(EntradaDados, CodigoLongoCortadoECancelamento) {
    dialogos.aoExecutar = [&](QDialog& d) {
        auto& p = dynamic_cast<ui::TfrmDefinePeriodo&>(d);
        EXPECT_TRUE(bancada.cancelaNovaSerie);
        p.codigo()->setText(QStringLiteral("123456789"));
        Q_EMIT p.codigo()->editingFinished();
        EXPECT_EQ(p.codigo()->text(), u"12345678");
        // An empty field: OK does nothing.
        p.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        EXPECT_NE(p.result(), QDialog::Accepted);
        return int(QDialog::Rejected);
    };
    janela.acao(QStringLiteral("Criararquivosdedados1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{
                  QStringLiteral("Janela: Define período"),
                  QStringLiteral("Erro: Número identificador da estação muito grande. Use um "
                                 "número menor.")}));
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(bancada.modoEntrada);
    EXPECT_TRUE(dialogos.dialogosArquivo.empty());
}

TEST_F(EntradaDados, GerenciarDadosSemProjeto) {
    janela.acao(QStringLiteral("Gerenciardados1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Erro: Abra uma base de dados")});
}

TEST_F(EntradaDados, PeriodosAcrescentadosInseridosEExcluidos) {
    const QString arquivo = projeto(QStringLiteral("p.cvl"), 24); // 1990 and 1991
    abrir(arquivo);
    dialogos.mostrados.clear();
    anos = {QStringLiteral("1993"), QStringLiteral("19"), QStringLiteral("0"),
            QStringLiteral("1989"), QStringLiteral(""),   QStringLiteral("1993")};
    dialogos.respostas = {true, true, true};
    naJanela = [&](ui::TfrmInsereDados& j) {
        j.acao("AcrescentarPeriodo1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 48);
        EXPECT_EQ(celula(j, 47, Coluna::kMes), u"Dezembro/1993");
        EXPECT_EQ(celula(j, 47, Coluna::kSituacao), u"Inexistente");
        EXPECT_FALSE(bancada.serie.insercao());
        // A year typed by mistake is refused instead of making some 23 000 months.
        j.acao("InserirPeriodoAnterior1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 48);
        // Delete from the start: year 0 asks again, 1989 deletes nothing before 1990.
        j.acao("ExcluirInicio1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 48);
        // Cancelled: no change.
        j.acao("ExcluirFim1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 48);
        j.acao("ExcluirFim1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 36);
        EXPECT_TRUE(bancada.modoEntrada);
        EXPECT_FALSE(j.progresso()->isVisible());
        EXPECT_TRUE(j.isEnabled());
    };
    janela.acao(QStringLiteral("Gerenciardados1"))->trigger();
    const std::vector<QString> esperados = {
        QStringLiteral("Janela: Gerenciando dados "),
        QStringLiteral("Janela: Ano final"),
        QStringLiteral("Janela: Ano Inicial"),
        QStringLiteral("Erro: Série maior que 300 anos."),
        QStringLiteral("Janela: Ano Final"),
        QStringLiteral("Pergunta:  Todo os anos, desde o ano inicial até o ano 0  serão "
                       "excluídos. Deseja excluí-los?"),
        QStringLiteral("Janela: Ano Final"),
        QStringLiteral("Pergunta:  Todo os anos, desde o ano inicial até o ano 1989  serão "
                       "excluídos. Deseja excluí-los?"),
        QStringLiteral("Janela: Ano inicial"),
        QStringLiteral("Janela: Ano inicial"),
        QStringLiteral("Pergunta:  Todo os anos, desde o ano de 1993 até o ano final, serã "
                       "excluídos. Após esta operação não mais será possível recuperar estes "
                       "dados.\nDeseja excluí-los?"),
    };
    EXPECT_EQ(dialogos.mostrados, esperados);
    EXPECT_EQ(lerProjeto(arquivo).tamanho(), 36);
}

TEST_F(EntradaDados, DialogoDoAnoComLegendaETexto) {
    ui::TfrmPeriodo p;
    p.preparar(ComandoPeriodo::ExcluirFim);
    EXPECT_EQ(p.windowTitle(), u"Ano inicial");
    EXPECT_EQ(p.rotulo(), u"Digite o ano de ínicio do  período a ser excluído.");
    EXPECT_EQ(p.campo()->maxLength(), 5);
    p.campo()->setText(QStringLiteral("2001"));
    p.btnCancelarClick();
    EXPECT_EQ(p.campo()->text(), u"");
    EXPECT_FALSE(p.ano());
}

TEST_F(EntradaDados, DoFimAntesDoPrimeiroAnoEsvaziaESalva) {
    const QString arquivo = projeto(QStringLiteral("p.cvl"), 24);
    abrir(arquivo);
    anos = {QStringLiteral("1980")};
    dialogos.respostas = {true};
    naJanela = [&](ui::TfrmInsereDados& j) {
        j.acao("ExcluirFim1")->trigger();
        EXPECT_EQ(j.modelo()->rowCount(), 0);
    };
    janela.acao(QStringLiteral("Gerenciardados1"))->trigger();
    EXPECT_TRUE(bancada.serie.ativa());
    EXPECT_TRUE(lerProjeto(arquivo).vazia());
}

TEST_F(EntradaDados, MesApagado) {
    const QString arquivo = projeto(QStringLiteral("p.cvl"), 24);
    abrir(arquivo);
    dialogos.respostas = {false, true};
    naJanela = [&](ui::TfrmInsereDados& j) {
        j.grade()->setCurrentIndex(j.modelo()->index(2, Coluna::kDia01));
        j.acao("ApagarMes1")->trigger(); // No
        EXPECT_EQ(celula(j, 2, Coluna::kSituacao), u"Completo");
        j.acao("ApagarMes1")->trigger(); // Yes
        EXPECT_EQ(celula(j, 2, Coluna::kSituacao), u"Inexistente");
        EXPECT_EQ(celula(j, 2, Coluna::kPorcentagem), u"100%");
    };
    janela.acao(QStringLiteral("Gerenciardados1"))->trigger();
    EXPECT_EQ(dialogos.mostrados.back(),
              u"Pergunta:  Deseja excluir os dados de vazão do mês: \"Março/1990\"? ");
    const SerieTabela lida = lerProjeto(arquivo);
    EXPECT_EQ(lida[2].vazao01Status, kSemDados);
    EXPECT_EQ(lida[2].media(), 100);
}

} // namespace
