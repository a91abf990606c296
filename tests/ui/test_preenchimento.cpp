// The gap-filling window opened from the main window's "Ferramentas" menu and driven through
// scripted dialogs: the period, adding stations, the statistics, fillings of three orders, their
// undo, the station set, saving and reopening, the CSV export and the report.
#include "dialogosroteiro.h"

#include "core/projeto.h"
#include "exchange/importaexcel.h"
#include "filling/estacoes.h"
#include "ui/TForm1.h"
#include "ui/TfrmPeriodoPreenchimento.h"
#include "ui/TfrmPreencher.h"
#include "ui/TfrmPreenchimentoDiario.h"
#include "ui/TfrmPrincipal.h"
#include "ui/listaestacoes.h"
#include "ui/modelospreenchimento.h"
#include "ui/modelosregularizacao.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>
#include <numeric>

using namespace corvel;
using corvel::teste::DialogosRoteiro;
using teste::kVazio;

namespace {

const QDate k1970(1970, 1, 1);

// Month i of the period 1970–1972 (0 = January 1970).
QDate mes(int i) {
    return k1970.addMonths(i);
}

// The base 101 from January 1970 to December 1971 follows y = 21 + 2i, except that January,
// February and March 1970 are off by +1, −2 and +1, and May and September 1970 are missing.
// Station 102 (January 1970 to June 1972) holds x = 10 + i and station 104 (the whole period)
// x = 5 + i/2. The three deviations sum to zero and to zero against x (10 − 22 + 12 = 0 and
// 5 − 11 + 6 = 0), so least squares gives exactly y = 2x + 1 on 102 and y = 4x + 1 on 104 over the
// 22 common months. With Sxx = 1 076 in months (i = 0 … 23 without 4 and 8: Σi = 264, Σi² = 4 244,
// 4 244 − 264²/22) and Syy = 4·1 076 + 6, R² = 4 304/4 310 = 0,9986 for both. Station 103 shares
// only November 1970 to March 1971 with the base: rejected.
teste::Medias base101() {
    std::vector<double> v;
    for (int i = 0; i < 24; ++i)
        v.push_back(21 + 2 * i);
    v[0] += 1, v[1] -= 2, v[2] += 1;
    v[4] = v[8] = kVazio;
    return teste::seguidos(k1970, v);
}
teste::Medias estacao102() {
    std::vector<double> v;
    for (int i = 0; i < 30; ++i)
        v.push_back(10 + i);
    return teste::seguidos(k1970, v);
}
teste::Medias estacao103() {
    teste::Medias m = teste::seguidos(mes(10), {1, 2, 3, 4, 6});
    for (int i = 30; i < 36; ++i)
        m[mes(i)] = 5;
    return m;
}
teste::Medias estacao104() {
    std::vector<double> v;
    for (int i = 0; i < 36; ++i)
        v.push_back(5 + i / 2.0);
    return teste::seguidos(k1970, v);
}

const QString kErroRejeitada = QStringLiteral(
    "Erro: O preenchimento não pode ser efetuado com estação que tenha sido rejeitada.");

class JanelaPreenchimento : public ::testing::Test {
  protected:
    JanelaPreenchimento() : bancada(pasta.path()), principal(bancada, dialogos) {
        principal.show();
        dialogos.aoExecutar = [this](QDialog& j) { return executar(j); };
        gravar("101.cvl", 101, QDate(1970, 1, 1), QDate(1971, 12, 1), base101());
        gravar("102.cvl", 102, QDate(1970, 1, 1), QDate(1972, 6, 1), estacao102());
        gravar("103.cvl", 103, QDate(1970, 11, 1), QDate(1972, 12, 1), estacao103());
        gravar("104.cvl", 104, QDate(1970, 1, 1), QDate(1972, 12, 1), estacao104());
    }

    QString gravar(const char* nome, qint32 codigo, QDate de, QDate ate, const teste::Medias& m) {
        gravarProjeto(caminho(nome), teste::estacao(codigo, de, ate, m));
        return caminho(nome);
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    // Opens the window from the main menu; `usar` drives it while it is on screen.
    void abrirJanela(const std::function<void(ui::TfrmPreencher&)>& usar) {
        usarJanela = usar;
        principal.acao(QStringLiteral("Preenchimento1"))->trigger();
    }
    // The first showing: a new project of 1970–1972 with the given stations added.
    void projetoCom(ui::TfrmPreencher& j, const std::vector<const char*>& estacoes) {
        for (const char* e : estacoes) {
            dialogos.arquivos.push_back(caminho(e));
            j.acao(QStringLiteral("Adicionarestacao1"))->trigger();
        }
    }
    void abrirComQuatro(const std::function<void(ui::TfrmPreencher&)>& usar) {
        dialogos.respostas = {true};
        periodos = {{"1970", "1972"}};
        abrirJanela([&](ui::TfrmPreencher& j) {
            projetoCom(j, {"101.cvl", "102.cvl", "103.cvl", "104.cvl"});
            usar(j);
        });
    }
    // "Novo preenchimento..." with the base kept, then the stations ticked in the choice window.
    void preencher(ui::TfrmPreencher& j, const char* acao, QStringList marcar) {
        marcas = std::move(marcar);
        j.acao(QString::fromLatin1(acao))->trigger();
    }

    int executar(QDialog& j) {
        j.setResult(QDialog::Rejected); // as a modal run starts
        if (auto* p = qobject_cast<ui::TfrmPreencher*>(&j)) {
            p->show();
            QApplication::processEvents(); // the showing's own steps follow the show
            if (usarJanela) usarJanela(*p);
            p->hide();
            return p->result();
        }
        if (auto* d = qobject_cast<ui::TfrmPeriodoPreenchimento*>(&j)) {
            // The years are tried in order until one period is accepted; then Cancel.
            while (!periodos.empty() && d->result() != QDialog::Accepted) {
                d->inicio()->setText(QString::fromLatin1(periodos.front().first));
                d->fim()->setText(QString::fromLatin1(periodos.front().second));
                periodos.pop_front();
                d->botaoOK()->click();
            }
            if (d->result() != QDialog::Accepted) d->botaoCancel()->click();
            return d->result();
        }
        if (auto* l = qobject_cast<ui::ListaEstacoes*>(&j)) {
            QStringList itens;
            for (int i = 0; i < l->lista()->count(); ++i)
                itens << l->lista()->item(i)->text();
            listas.push_back(itens);
            listasEscolha.push_back(l->lista()->currentRow());
            // -1 leaves the list as it opened; nullopt is "Cancelar".
            const std::optional<int> escolha =
                escolhas.empty() ? std::optional(-1) : escolhas.front();
            if (!escolhas.empty()) escolhas.pop_front();
            if (!escolha) {
                l->botaoCancelar()->click();
            } else {
                if (*escolha >= 0) l->lista()->setCurrentRow(*escolha);
                l->botaoOK()->click();
            }
            return l->result();
        }
        if (auto* d = qobject_cast<ui::TfrmPreenchimentoDiario*>(&j)) {
            if (usarDiario) usarDiario(*d);
            return int(QDialog::Rejected);
        }
        if (auto* e = qobject_cast<ui::TForm1*>(&j)) {
            ui::ModeloEscolhaEstacao* m = e->modelo();
            QStringList oferecidas;
            for (int r = 0; r < m->rowCount(); ++r)
                oferecidas << m->index(r, 0).data().toString();
            escolhasOferecidas.push_back(oferecidas);
            titulosEscolha.clear();
            for (int c = 0; c < m->columnCount(); ++c)
                titulosEscolha << m->headerData(c, Qt::Horizontal).toString();
            linhasEscolha.clear();
            for (int r = 0; r < m->rowCount(); ++r) {
                QStringList linha;
                for (int c = 0; c < m->colunaCaixa(); ++c)
                    linha << m->index(r, c).data().toString();
                linhasEscolha << linha.join(u'|');
            }
            // Ticks the stations in turn, as the user does, until the window closes.
            while (!marcas.isEmpty() && e->result() != QDialog::Accepted) {
                const int r = oferecidas.indexOf(marcas.takeFirst());
                EXPECT_GE(r, 0);
                if (r >= 0)
                    m->setData(m->index(r, m->colunaCaixa()), Qt::Checked, Qt::CheckStateRole);
            }
            return e->result();
        }
        if (auto* p = qobject_cast<QPrintPreviewDialog*>(&j); p && usarPrevia) usarPrevia(*p);
        return int(QDialog::Rejected);
    }

    // The first five columns of "Estatísticas": station, common months, validation, used, filled.
    static QStringList linhasEstatisticas(const ui::TfrmPreencher& j, int colunas = 5) {
        QStringList r;
        const QAbstractItemModel* m = j.modeloEstatisticas();
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int k = 0; k < std::min(colunas, m->columnCount()); ++k)
                c << m->index(l, k).data().toString();
            r << c.join(u'|');
        }
        return r;
    }
    static QString celula(const ui::TfrmPreencher& j, int mes, int coluna) {
        return j.modeloDados()->index(mes, coluna).data().toString();
    }
    static QVariant cor(const ui::TfrmPreencher& j, int mes, int coluna) {
        return j.modeloDados()->index(mes, coluna).data(Qt::ForegroundRole);
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal;
    std::function<void(ui::TfrmPreencher&)> usarJanela;
    std::function<void(QPrintPreviewDialog&)> usarPrevia;
    std::function<void(ui::TfrmPreenchimentoDiario&)> usarDiario;
    std::deque<std::pair<const char*, const char*>> periodos;
    std::deque<std::optional<int>> escolhas; // rows chosen in the station lists
    std::vector<QStringList> listas;         // items of every station list shown
    std::vector<int> listasEscolha;          // the row each list opened with
    QStringList marcas;                      // stations to tick in the choice window
    std::vector<QStringList> escolhasOferecidas;
    QStringList titulosEscolha, linhasEscolha; // of the last choice window
};

TEST_F(JanelaPreenchimento, PeriodoRecusadoFicaNoDialogoEAceitoCriaOsMeses) {
    dialogos.respostas = {true};
    periodos = {{"197", "1990"}, {"1970", "1971"}, {"1970", "1972"}};
    abrirJanela([&](ui::TfrmPreencher& j) {
        EXPECT_TRUE(j.tabelasVisiveis());
        EXPECT_TRUE(j.isMaximized());
        ASSERT_EQ(j.projeto().meses.size(), 36u); // 1970–1972: three whole years
        EXPECT_EQ(j.projeto().meses.front().data, QDate(1970, 1, 1));
        EXPECT_EQ(j.projeto().meses.back().data, QDate(1972, 12, 1));
        EXPECT_EQ(celula(j, 2, 0), QStringLiteral("Março/1970"));
        EXPECT_EQ(j.modeloDados()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("  "));
        EXPECT_FALSE(j.abas()->isTabVisible(j.abaEstatisticas()));
        EXPECT_FALSE(j.legendaVisivel());
        EXPECT_FALSE(j.acao(QStringLiteral("Novopreenchimento1"))->isEnabled());
        EXPECT_TRUE(j.acao(QStringLiteral("Adicionarestacao1"))->isEnabled());
        j.acao(QStringLiteral("Conteudodaajuda1"))->trigger();
    });
    EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{"Janela: Preenchimento de séries",
                                                        "Pergunta: Deseja iniciar um novo projeto?",
                                                        "Janela: Período de preenchimento",
                                                        "Erro: Use 4 dígitos para escrever o ano",
                                                        "Erro: Intervalo inválido", "Ajuda: 9"}));
}

TEST_F(JanelaPreenchimento, PeriodoCanceladoDeixaAJanelaSemProjeto) {
    dialogos.respostas = {true};
    abrirJanela([&](ui::TfrmPreencher& j) {
        EXPECT_FALSE(j.tabelasVisiveis());
        EXPECT_FALSE(j.projeto().aberto());
        EXPECT_FALSE(j.acao(QStringLiteral("Adicionarestacao1"))->isEnabled());
    });
    // The next showing asks again, since no project was begun.
    dialogos.mostrados.clear();
    dialogos.respostas = {false};
    abrirJanela([](ui::TfrmPreencher&) {});
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{"Janela: Preenchimento de séries",
                                    "Pergunta: Deseja iniciar um novo projeto?"}));
}

// The whole way: four stations, the statistics, three orders, the undo by a new filling, saving and
// reopening; the window and its project outlive a closing.
TEST_F(JanelaPreenchimento, PreenchimentoDeTresOrdensDesfeitoSalvoEReaberto) {
    abrirComQuatro([&](ui::TfrmPreencher& j) {
        EXPECT_EQ(j.projeto().numeroEstacoes, 4);
        EXPECT_EQ(j.modeloDados()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("104"));
        EXPECT_EQ(celula(j, 3, 1), QStringLiteral("27,00"));
        EXPECT_EQ(celula(j, 4, 1), QString()); // May 1970, missing in the base
        EXPECT_EQ(celula(j, 4, 4), QStringLiteral("7,00"));
        EXPECT_EQ(celula(j, 0, 3), QString()); // 103 starts in November 1970
        EXPECT_TRUE(j.acao(QStringLiteral("Novopreenchimento1"))->isEnabled());
        EXPECT_FALSE(j.acao(QStringLiteral("Preenchimentode2ordem1"))->isEnabled());

        // First order on the base: 103 is refused, 102 fills.
        dialogos.mostrados.clear();
        preencher(j, "Novopreenchimento1", {QStringLiteral("103"), QStringLiteral("102")});
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{"Janela: Lista de estações", "Janela: Escolha a estação",
                                        kErroRejeitada, "Informação: 8 dado(s) preenchidos."}));
        EXPECT_EQ(listas.back(), (QStringList{"101", "102", "103", "104"}));
        EXPECT_EQ(listasEscolha.back(), 0); // the base is chosen at first
        EXPECT_EQ(
            titulosEscolha,
            (QStringList{"Estação", "Coef. de correlação (R²)", "Dados Comuns", "Coef. angular (A)",
                         "Coef. Linear (B)", "Validação", "Preencher com esta estação"}));
        ASSERT_EQ(linhasEscolha.size(), 3);
        EXPECT_TRUE(linhasEscolha[0].startsWith(QStringLiteral("102|0,9986|22|")));
        EXPECT_TRUE(linhasEscolha[0].endsWith(QStringLiteral("|Estação aceita")));
        const QStringList rejeitada = linhasEscolha[1].split(u'|');
        ASSERT_EQ(rejeitada.size(), 6);
        EXPECT_EQ(rejeitada[0], QStringLiteral("103"));
        EXPECT_EQ(rejeitada[2], QStringLiteral("5"));
        EXPECT_EQ(rejeitada[5], QStringLiteral("Estação Rejeitada"));
        EXPECT_TRUE(linhasEscolha[2].startsWith(QStringLiteral("104|0,9986|22|")));

        // Filled: May and September 1970 and January to June 1972, on y = 2x + 1.
        const std::vector<std::pair<int, const char*>> primeira = {
            {4, "29,00"}, {8, "37,00"}, {24, "69,00"}, {29, "79,00"}};
        for (const auto& [i, valor] : primeira) {
            EXPECT_EQ(celula(j, i, 1), QString::fromLatin1(valor)) << i;
            EXPECT_EQ(cor(j, i, 1), QVariant(QColor(Qt::red))) << i;
            EXPECT_EQ(cor(j, i, 2), QVariant(QColor(Qt::blue))) << i;
            EXPECT_FALSE(cor(j, i, 4).isValid()) << i;
            EXPECT_EQ(j.projeto().meses[static_cast<std::size_t>(i)].baseApoio, 2);
        }
        EXPECT_FALSE(cor(j, 3, 1).isValid());   // an observed month keeps the normal colour
        EXPECT_EQ(celula(j, 30, 1), QString()); // July 1972: 102 has no value
        EXPECT_TRUE(j.legendaVisivel());
        EXPECT_TRUE(j.abas()->isTabVisible(j.abaEstatisticas()));
        EXPECT_EQ(j.modeloEstatisticas()->headerData(4, Qt::Horizontal).toString(),
                  QStringLiteral("Nº de dados preenchidos"));
        EXPECT_EQ(linhasEstatisticas(j),
                  (QStringList{"102|22|Estação aceita|Sim|8", "103|5|Estação Rejeitada|Não|0",
                               "104|22|Estação aceita|Não|0"}));
        EXPECT_TRUE(j.acao(QStringLiteral("Preenchimentode2ordem1"))->isEnabled());
        EXPECT_FALSE(j.acao(QStringLiteral("Preenchimentode3ordem1"))->isEnabled());

        // Second order: the stations not used; 104 fills July to December 1972 on y = 4x + 1.
        dialogos.mostrados.clear();
        preencher(j, "Preenchimentode2ordem1", {QStringLiteral("104")});
        EXPECT_EQ(escolhasOferecidas.back(), (QStringList{"103", "104"}));
        EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{"Janela: Escolha a estação",
                                                            "Informação: 6 dado(s) preenchidos."}));
        EXPECT_EQ(celula(j, 30, 1), QStringLiteral("81,00"));
        EXPECT_EQ(celula(j, 35, 1), QStringLiteral("91,00"));
        EXPECT_EQ(cor(j, 35, 4), QVariant(QColor(Qt::blue)));
        EXPECT_FALSE(cor(j, 35, 2).isValid());
        EXPECT_EQ(celula(j, 4, 1), QStringLiteral("29,00")); // the first order's value stays
        EXPECT_FALSE(j.acao(QStringLiteral("Preenchimentode2ordem1"))->isEnabled());
        EXPECT_TRUE(j.acao(QStringLiteral("Preenchimentode3ordem1"))->isEnabled());

        // Third order: only 103 is left, and it is refused; the window is then closed.
        dialogos.mostrados.clear();
        preencher(j, "Preenchimentode3ordem1", {QStringLiteral("103")});
        EXPECT_EQ(escolhasOferecidas.back(), QStringList{"103"});
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{"Janela: Escolha a estação", kErroRejeitada}));
        EXPECT_FALSE(j.acao(QStringLiteral("Preenchimentode3ordem1"))->isEnabled());

        // A new filling of the same base warns first; Cancel keeps the filling.
        const QString aviso =
            QStringLiteral("Confirmação: \n1) Para manter este preenchimento, cancele esta "
                           "operação e salve o preenchimento, em seguida, inicie um novo "
                           "preenchimento;\n2) Não é possível utilizar mais de 3 estações no "
                           "preenchimento de uma mesma estação;\n3) Para continuar o novo "
                           "preenchimento clique em \"OK\"");
        dialogos.mostrados.clear();
        dialogos.respostas = {false};
        preencher(j, "Novopreenchimento1", {});
        EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{"Janela: Lista de estações", aviso}));
        EXPECT_EQ(celula(j, 35, 1), QStringLiteral("91,00"));
        // OK undoes it; the choice window is then closed without a station.
        dialogos.mostrados.clear();
        dialogos.respostas = {true};
        preencher(j, "Novopreenchimento1", {});
        EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{"Janela: Lista de estações", aviso,
                                                            "Janela: Escolha a estação"}));
        EXPECT_EQ(escolhasOferecidas.back(), (QStringList{"102", "103", "104"}));
        for (int i : {4, 8, 24, 30, 35}) {
            EXPECT_EQ(celula(j, i, 1), QString()) << i;
            EXPECT_FALSE(cor(j, i, 2).isValid()) << i;
        }
        EXPECT_FALSE(j.projeto().temPreenchimento());
        EXPECT_EQ(linhasEstatisticas(j),
                  (QStringList{"102|22|Estação aceita|Não|0", "103|5|Estação Rejeitada|Não|0",
                               "104|22|Estação aceita|Não|0"}));

        // Filled again from 102 and saved under a new name.
        preencher(j, "Novopreenchimento1", {QStringLiteral("102")});
        EXPECT_EQ(celula(j, 4, 1), QStringLiteral("29,00"));
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho("projeto")}; // typed without the extension
        j.acao(QStringLiteral("Salvarprojeto1"))->trigger();
        EXPECT_TRUE(dialogos.mostrados.empty());
        EXPECT_EQ(j.arquivoProjeto(), caminho("projeto.psv"));
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Preenchimento de séries de vazões(*.psv)"));
        EXPECT_EQ(j.projeto().estado, 1);
        // "Salvar projeto como..." over it asks first; No shows the dialog again.
        dialogos.arquivos = {caminho("projeto.psv"), std::nullopt};
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Salvarprojetocomo1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  std::vector<QString>{"Pergunta: O arquivo já existe. Deseja substitui-lo?"});
        EXPECT_TRUE(dialogos.arquivos.empty());
    });

    // Closed and shown again: the same project, no question, the file name forgotten.
    const ProjetoPreenchimento salvo = principal.findChild<ui::TfrmPreencher*>()->projeto();
    dialogos.mostrados.clear();
    abrirJanela([&](ui::TfrmPreencher& j) {
        EXPECT_EQ(j.projeto(), salvo);
        EXPECT_TRUE(j.arquivoProjeto().isEmpty());
        EXPECT_EQ(j.abas()->currentIndex(), 0);

        // A new project empties the window; opening the file brings everything back.
        dialogos.respostas = {true};
        periodos = {{"1980", "1985"}};
        j.acao(QStringLiteral("Novoprojeto1"))->trigger();
        EXPECT_EQ(j.projeto().meses.size(), 72u);
        EXPECT_FALSE(j.legendaVisivel());
        dialogos.arquivos = {caminho("projeto.psv")};
        j.acao(QStringLiteral("Abrirprojeto1"))->trigger();
        EXPECT_EQ(dialogos.dialogosArquivo.back().titulo,
                  QStringLiteral("Abrir um projeto de preenchimento de séries"));
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Projeto Preenchimento de séries (*.psv)"));
        EXPECT_EQ(j.projeto().meses, salvo.meses);
        EXPECT_EQ(j.projeto().titulos, salvo.titulos);
        EXPECT_EQ(j.projeto().numeroEstacoes, 4);
        EXPECT_EQ(j.projeto().estado, -2);
        EXPECT_EQ(celula(j, 4, 1), QStringLiteral("29,00"));
        EXPECT_EQ(cor(j, 4, 2), QVariant(QColor(Qt::blue)));
        EXPECT_TRUE(j.legendaVisivel());
        // The statistics leave the filled months out (estimates are no observations); no station
        // starts as used.
        EXPECT_EQ(linhasEstatisticas(j),
                  (QStringList{"102|22|Estação aceita|Não|0", "103|5|Estação Rejeitada|Não|0",
                               "104|22|Estação aceita|Não|0"}));
        EXPECT_TRUE(j.acao(QStringLiteral("Novopreenchimento1"))->isEnabled());
    });
    EXPECT_EQ(dialogos.mostrados.front(), QStringLiteral("Janela: Preenchimento de séries"));
}

TEST_F(JanelaPreenchimento, ExportacaoCsvERelatorio) {
    abrirComQuatro([&](ui::TfrmPreencher& j) {
        preencher(j, "Novopreenchimento1", {QStringLiteral("102")});
        j.abas()->setCurrentIndex(j.abaEstatisticas());
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho("mensal.csv")};
        j.acao(QStringLiteral("CVS1"))->trigger();
        EXPECT_TRUE(dialogos.mostrados.empty());
        EXPECT_EQ(j.abas()->currentIndex(), 0); // the export shows "Dados mensais"
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Arquivos (*.CSV Separado por Ponto-e-vírgula) (*.CSV *.csv)"));

        QFile f(caminho("mensal.csv"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = f.readAll().split('\n');
        ASSERT_EQ(linhas.size(), 38); // the titles, 36 months, the empty end
        QByteArray titulos = "Datas;Data;BaseApoio;Preenchido;101;102;103;104;";
        for (int n = 5; n <= 20; ++n)
            titulos += "  ;";
        titulos += "NumEstacoes;\r";
        EXPECT_EQ(linhas[0], titulos);
        // May 1970: filled from column 2 with 2·14 + 1; 103 has no value yet, 104 has 7.
        QByteArray maio = "Maio/1970;01/05/1970;2;Verdadeiro;29;14;;7;";
        for (int n = 5; n <= 20; ++n)
            maio += ";";
        EXPECT_EQ(linhas[5], maio + ";\r");
        EXPECT_TRUE(linhas[4].startsWith("Abril/1970;01/04/1970;;Falso;27;13;;6,5;"))
            << linhas[4].toStdString();

        // The spreadsheet: the same table under the title "Preenchimento de série mensal".
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho("mensal.xlsx")};
        dialogos.respostas = {false}; // not opened now
        j.acao(QStringLiteral("XLS1"))->trigger();
        ASSERT_EQ(dialogos.mostrados.size(), 1u);
        EXPECT_EQ(dialogos.dialogosArquivo.back().nomeProposto,
                  QStringLiteral("Preenchimento de série mensal.xlsx"));
        TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA));
        {
            TImportaExcel planilha;
            ASSERT_TRUE(planilha.abrir(caminho("mensal.xlsx")));
            EXPECT_EQ(planilha.lerCelula(1, 1, 1), QStringLiteral("Datas"));
            EXPECT_EQ(planilha.lerCelula(1, 1, 5), QStringLiteral("101"));
            EXPECT_EQ(planilha.lerCelula(1, 6, 1), QStringLiteral("Maio/1970"));
            ASSERT_TRUE(planilha.lerNumero(1, 6, 5).has_value());
            EXPECT_NEAR(*planilha.lerNumero(1, 6, 5), 29.0, 1e-9); // 2·14 + 1
            EXPECT_FALSE(planilha.lerCelula(1, 6, 7).has_value()); // 103: no value yet
        }

        // The report: the technician first, then the preview.
        dialogos.mostrados.clear();
        dialogos.entradas = {QStringLiteral("Ana Lima")};
        relatorio::Relatorio visto;
        usarPrevia = [&](QPrintPreviewDialog&) { visto = j.relatorioMensal(); };
        j.acao(QStringLiteral("Imprimir1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{
                      "Entrada: Técnico responsável / Digite o nome do técnico responsável:",
                      "Janela: Visualizar impressão - RELATÓRIO"}));
        EXPECT_EQ(visto.cabecalho,
                  (std::vector<QString>{"Preenchimento mensal", "Técnico responsável: Ana Lima",
                                        "Período: 1970 a 1972"}));
        ASSERT_EQ(visto.colunas.size(), 3u);
        EXPECT_EQ(visto.colunas[1].titulo, QStringLiteral("101"));
        EXPECT_EQ(visto.colunas[2].titulo, QStringLiteral("Estimado por"));
        ASSERT_EQ(visto.linhas.size(), 36u);
        EXPECT_EQ(visto.linhas[4], (std::vector<QString>{"01/05/1970", "29,00", "102"}));
        EXPECT_EQ(visto.linhas[35], (std::vector<QString>{"01/12/1972", "", ""}));
    });
}

// MOVE.1 chosen in the menu: the months are filled on the line through the means with slope
// s_y/s_x; the leave-one-out check of both methods is on its own tab, the recommendation over the
// statistics; the choice changed under a filling waits for the next one.
TEST_F(JanelaPreenchimento, Move1EscolhidoNoMenuComValidacaoCruzada) {
    abrirComQuatro([&](ui::TfrmPreencher& j) {
        j.acao(QStringLiteral("MetodoMove11"))->trigger();
        EXPECT_EQ(j.opcoesReta().metodo, MetodoReta::Move1);
        // The concurrent months of the base and 102, before anything is filled.
        std::vector<double> x, y;
        for (const MesPreenchimento& m : j.projeto().meses)
            if (m.coluna(1) && m.coluna(2)) {
                x.push_back(*m.coluna(2));
                y.push_back(*m.coluna(1));
            }
        ASSERT_EQ(x.size(), 22u);
        const auto media = [](const std::vector<double>& v) {
            return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
        };
        const double mx = media(x), my = media(y);
        double sxx = 0, syy = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            sxx += (x[i] - mx) * (x[i] - mx);
            syy += (y[i] - my) * (y[i] - my);
        }
        const double maio = *j.projeto().meses[4].coluna(2);

        dialogos.mostrados.clear();
        preencher(j, "Novopreenchimento1", {QStringLiteral("102")});
        ASSERT_TRUE(j.projeto().meses[4].preenchido);
        EXPECT_NEAR(*j.projeto().meses[4].coluna(1), my + std::sqrt(syy / sxx) * (maio - mx), 1e-9);

        EXPECT_TRUE(j.abas()->isTabVisible(j.abaValidacao()));
        const QAbstractItemModel* vc = j.modeloValidacao();
        EXPECT_EQ(vc->headerData(3, Qt::Horizontal).toString(), QStringLiteral("EQM MQO (m³/s)"));
        EXPECT_EQ(vc->index(0, 0).data().toString(), QStringLiteral("102"));
        EXPECT_EQ(vc->index(0, 1).data().toString(), QStringLiteral("Todos"));
        EXPECT_EQ(vc->index(0, 2).data().toString(), QStringLiteral("22"));
        EXPECT_TRUE(j.recomendacao()->text().startsWith(
            QStringLiteral("Método do preenchimento: MOVE.1 (manutenção da variância), vazões, "
                           "uma reta para o ano. Estação 102: ")))
            << j.recomendacao()->text().toStdString();
        EXPECT_EQ(linhasEstatisticas(j, 11).front().section(u'|', 5, 7),
                  j.estatisticas()[0].textoR2() + u'|' + j.estatisticas()[0].textoA() + u'|' +
                      j.estatisticas()[0].textoB());

        dialogos.mostrados.clear();
        const auto antes = j.estatisticas();
        j.acao(QStringLiteral("Logaritmos1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  std::vector<QString>{QStringLiteral("Informação: O método escolhido vale a "
                                                      "partir do próximo \"Novo "
                                                      "preenchimento...\".")});
        EXPECT_EQ(j.estatisticas(), antes);
        EXPECT_TRUE(j.opcoesReta().logaritmos);
    });
}

// "Preenchimento diário...": two daily projects chosen, the preview of the lines and gaps, then
// the filled series saved as a new project with the filled days flagged.
TEST_F(JanelaPreenchimento, PreenchimentoDiarioSalvaNovoProjeto) {
    const auto vizinha = [](QDate d) { return 10.0 + d.dayOfYear() % 17; };
    const QString base = caminho("diaria.cvl"), auxiliar = caminho("vizinha.cvl"),
                  saida = caminho("diaria_preenchida.cvl");
    gravarProjeto(base, teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                           [&](QDate d) -> std::optional<double> {
                                               if (d >= QDate(1990, 3, 10) &&
                                                   d <= QDate(1990, 3, 12))
                                                   return std::nullopt;
                                               return 2 * vizinha(d) + 1;
                                           }));
    gravarProjeto(auxiliar, teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                               [&](QDate d) -> std::optional<double> {
                                                   return vizinha(d);
                                               }));
    dialogos.respostas = {false}; // no gap-filling project is needed
    bool usado = false;
    usarDiario = [&](ui::TfrmPreenchimentoDiario& d) {
        usado = true;
        d.findChild<QPushButton*>(QStringLiteral("btnCalcular"))->click();
        dialogos.arquivos = {base, auxiliar, saida};
        d.findChild<QPushButton*>(QStringLiteral("btnBase"))->click();
        d.findChild<QPushButton*>(QStringLiteral("btnAuxiliar"))->click();
        d.findChild<QComboBox*>(QStringLiteral("cmbMetodo"))->setCurrentIndex(1);
        d.findChild<QPushButton*>(QStringLiteral("btnCalcular"))->click();
        ASSERT_TRUE(d.resultado());
        EXPECT_EQ(d.resultado()->diasPreenchidos, 3);
        EXPECT_TRUE(d.resumo()->text().contains(
            QStringLiteral("362 dia(s) com vazão nas duas estações. Método: MOVE.1")))
            << d.resumo()->text().toStdString();
        EXPECT_EQ(d.modeloRetas()->index(0, 0).data().toString(), QStringLiteral("Todos"));
        EXPECT_EQ(d.modeloRetas()->index(0, 2).data().toString(), QStringLiteral("2,0000"));
        EXPECT_EQ(d.modeloValidacao()->index(0, 1).data().toString(), QStringLiteral("Todos"));
        d.findChild<QPushButton*>(QStringLiteral("btnPreencher"))->click();
    };
    abrirJanela([&](ui::TfrmPreencher& j) {
        dialogos.mostrados.clear();
        j.acao(QStringLiteral("PreenchimentoDiario1"))->trigger();
    });
    ASSERT_TRUE(usado);
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{
                  "Janela: Preenchimento diário",
                  "Aviso: Escolha a estação base e a estação auxiliar.",
                  "Informação: 3 dia(s) preenchido(s) em 1 lacuna(s) de até 30 dias.\nSérie "
                  "gravada em " +
                      QDir::toNativeSeparators(saida) + "."}));
    const SerieTabela p = lerProjeto(saida);
    EXPECT_EQ(p[2].sinal[10], SinalDia::Preenchido);
    EXPECT_NEAR(*p[2].vazao[10], 2 * vizinha(QDate(1990, 3, 11)) + 1, 1e-9);
}

TEST_F(JanelaPreenchimento, EstacoesRecusadasExcluidasEVigesimaPrimeira) {
    QFile texto(caminho("101.txt"));
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
    texto.write("101");
    texto.close();
    QFile estragado(caminho("estragado.cvl"));
    ASSERT_TRUE(estragado.open(QIODevice::WriteOnly));
    estragado.write("nada de projeto aqui");
    estragado.close();

    abrirComQuatro([&](ui::TfrmPreencher& j) {
        dialogos.mostrados.clear();
        for (const char* arquivo : {"101.txt", "estragado.cvl"}) {
            dialogos.arquivos.push_back(caminho(arquivo));
            j.acao(QStringLiteral("Adicionarestacao1"))->trigger();
        }
        // The same station again only after Yes.
        dialogos.arquivos = {caminho("102.cvl")};
        dialogos.respostas = {false};
        j.acao(QStringLiteral("Adicionarestacao1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{"Aviso: Arquivo de projeto inválido.",
                                        "Erro: Este arquivo não é Projeto válido ou está "
                                        "corrompido.",
                                        "Pergunta: Deseja adicionar a estação 102 novamente?"}));
        EXPECT_EQ(j.projeto().numeroEstacoes, 4);
        EXPECT_EQ(dialogos.dialogosArquivo.back().titulo, QStringLiteral("Adicionar Estação"));
        EXPECT_EQ(dialogos.dialogosArquivo.back().filtro,
                  QStringLiteral("Arquivos do Corvel 1.0 (*.cvl)"));

        // Removing: none chosen, then 102 after a filling that used it.
        preencher(j, "Novopreenchimento1", {QStringLiteral("102")});
        dialogos.mostrados.clear();
        escolhas = {-1, 1};
        j.acao(QStringLiteral("Excluirestacao1"))->trigger();
        EXPECT_EQ(listasEscolha.back(), -1); // nothing chosen at first
        dialogos.respostas = {true, true};
        j.acao(QStringLiteral("Excluirestacao1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{
                      "Janela: Lista de estações", "Erro: Nenhuma estação foi selecionada.",
                      "Janela: Lista de estações", "Pergunta: Deseja excluir esta estação?",
                      "Pergunta: Esta estação foi utilizada no preenchimento "
                      "atual.  O preenchimento referente a esta estação será "
                      "perdido. \nDeseja continuar?"}));
        EXPECT_EQ(j.projeto().numeroEstacoes, 3);
        EXPECT_EQ(j.modeloDados()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("103"));
        EXPECT_EQ(j.modeloDados()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("  "));
        EXPECT_EQ(celula(j, 4, 1), QString());              // filled from 102: gone
        EXPECT_EQ(celula(j, 4, 3), QStringLiteral("7,00")); // 104 moved to column 3
        EXPECT_FALSE(j.legendaVisivel());

        // Up to twenty stations; the twenty-first is refused before any file is read.
        dialogos.mostrados.clear();
        for (int n = 4; n <= 20; ++n) {
            dialogos.arquivos.push_back(caminho("104.cvl"));
            dialogos.respostas.push_back(true);
            j.acao(QStringLiteral("Adicionarestacao1"))->trigger();
        }
        EXPECT_EQ(j.projeto().numeroEstacoes, 20);
        const std::size_t dialogosAntes = dialogos.dialogosArquivo.size();
        dialogos.mostrados.clear();
        j.acao(QStringLiteral("Adicionarestacao1"))->trigger();
        EXPECT_EQ(dialogos.mostrados,
                  std::vector<QString>{"Erro: Há 20 estações adicionadas. \n Esse é o número "
                                       "máximo de estações permitido."});
        EXPECT_EQ(dialogos.dialogosArquivo.size(), dialogosAntes);
    });
}

TEST_F(JanelaPreenchimento, SemEstacaoDisponivelETrocaDaBase) {
    dialogos.respostas = {true};
    periodos = {{"1970", "1972"}};
    abrirJanela([&](ui::TfrmPreencher& j) {
        projetoCom(j, {"101.cvl"});
        dialogos.mostrados.clear();
        preencher(j, "Novopreenchimento1", {});
        EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{"Janela: Lista de estações",
                                                            "Aviso: Nenhuma estação disponível"}));
        EXPECT_TRUE(j.abas()->isTabVisible(j.abaEstatisticas()));
        dialogos.mostrados.clear();
        preencher(j, "Preenchimentode2ordem1", {});
        EXPECT_EQ(dialogos.mostrados, std::vector<QString>{"Aviso: Nenhum estação disponível"});

        // Filling 102 makes it the base: the two columns change places.
        projetoCom(j, {"102.cvl"});
        dialogos.mostrados.clear();
        escolhas = {1};
        preencher(j, "Novopreenchimento1", {QStringLiteral("101")});
        EXPECT_EQ(j.modeloDados()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("102"));
        EXPECT_EQ(j.modeloDados()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("101"));
        EXPECT_EQ(celula(j, 3, 1), QStringLiteral("13,00"));
        EXPECT_EQ(celula(j, 3, 2), QStringLiteral("27,00"));
        // 101 has no value in July to December 1972, where 102 has none either.
        EXPECT_EQ(dialogos.mostrados,
                  (std::vector<QString>{"Janela: Lista de estações", "Janela: Escolha a estação",
                                        "Informação: Nenhum dado foi preenchido."}));
        EXPECT_EQ(linhasEstatisticas(j), QStringList{"101|22|Estação aceita|Sim|0"});
    });
}

} // namespace
