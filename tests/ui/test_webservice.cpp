// The "Webservice" window against a server on 127.0.0.1: the list and its search, one station to a
// project, the whole search to a folder with its progress window and log, a cancel, the failures
// and their messages, and the refresh of the station list.
#include "dialogosroteiro.h"
#include "exchange/respostasservico.h"
#include "servidorteste.h"

#include "core/arquivotabela.h"
#include "core/construtor.h"
#include "core/projeto.h"
#include "exchange/downloadmultiplo.h"
#include "exchange/windows1252.h"
#include "ui/TfrmNovaPastaWebservice.h"
#include "ui/TfrmPorCentagemDownloadEstacoes.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmWebservice.h"
#include "ui/modeloestacoes.h"
#include "ui/modeloserie.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace corvel;
using namespace corvel::teste;

namespace {

const QString kInformacaoFinal = QStringLiteral("Informação: Processo de importação concluído.");

Tabela listaDe(const std::vector<std::pair<QString, QString>>& estacoes) {
    Tabela t({{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
              {QStringLiteral("Nome"), TipoCampo::Texto, 50},
              {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
              {QStringLiteral("Longitude"), TipoCampo::Texto, 17}});
    for (const auto& [codigo, nome] : estacoes) {
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, 0, codigo);
        t.definir(l, 1, nome);
    }
    return t;
}

// The program's folder of the tests: the transformation files and a station list of four.
struct Pastas {
    QTemporaryDir raiz;
    QString programa, dados;
    Pastas()
        : programa(raiz.filePath(QStringLiteral("programa"))),
          dados(raiz.filePath(QStringLiteral("dados"))) {
        QDir().mkpath(programa);
        for (const char* xtr : {"TODP.xtr", "ListaEstacao.xtr"})
            QFile::copy(QStringLiteral(CORVEL_RESOURCES "/") + QLatin1StringView(xtr),
                        programa + u'/' + QLatin1StringView(xtr));
        gravarTabela(programa + QStringLiteral("/EstacaoListaCorvel1_0.xml"),
                     listaDe({{QStringLiteral("1"), QStringLiteral("RIO UM")},
                              {QStringLiteral("2"), QStringLiteral("RIO DOIS")},
                              {QStringLiteral("3"), QStringLiteral("PONTE TRÊS")},
                              {QStringLiteral("4"), QStringLiteral("D'ÁGUA QUATRO")}}));
    }
};

class Webservice : public ::testing::Test {
  protected:
    Webservice()
        : servidor([this](const QByteArray& c) { return atender(c); }),
          bancada(pastas.programa, pastas.dados), janela(bancada, dialogos) {
        janela.definirConfiguracao({servidor.endereco(), 5000});
        QObject::connect(&janela, &ui::TfrmWebservice::serieAlterada, [this] { ++alteracoes; });
        dialogos.aoExecutar = [this](QDialog& d) {
            auto* pasta = qobject_cast<ui::TfrmNovaPastaWebservice*>(&d);
            if (!pasta || destinos.empty()) return int(QDialog::Rejected);
            pasta->definirPasta(pastas.raiz.path());
            pasta->definirNome(destinos.front());
            destinos.pop_front();
            return int(QDialog::Accepted);
        };
        janela.FormShow();
        janela.show();
    }

    // 2 has no data, 7 never answers, 8 a broken body, 9 an error status; the others March and
    // April 1999 at level 2.
    RespostaHttp atender(const QByteArray& caminho) {
        if (aoPedir) aoPedir(caminho);
        if (caminho.contains("EstacaoLista"))
            return listaFora ? RespostaHttp{503, "Service Unavailable", {}}
                             : RespostaHttp{200, "OK",
                                            respostaLista({{"10", "NOVA DEZ", "-1.5", "-2.5"},
                                                           {"11", "NOVA ONZE", "", ""},
                                                           {"12", "OUTRA", "", ""}})};
        const QByteArray codigo = caminho.mid(caminho.indexOf('=') + 1).split('&').first();
        if (codigo == "2") return {200, "OK", kRespostaRecusa};
        if (codigo == "7") {
            RespostaHttp r;
            r.semResposta = true;
            return r;
        }
        if (codigo == "8") return {200, "OK", "<DataTable><SerieHistorica>"};
        if (codigo == "9") return {500, "Internal Server Error", {}};
        auto dia = [](int d) { return std::optional<double>(d); };
        return {200, "OK",
                respostaVazoes(codigo.toInt(),
                               {{2, QDate(1999, 3, 1), dia}, {2, QDate(1999, 4, 1), dia}})};
    }

    template <typename T> T* filho(const char* nome) const {
        return janela.findChild<T*>(QString::fromLatin1(nome));
    }
    QLineEdit* busca() const { return filho<QLineEdit>("edtEstacao"); }
    QString contagem() const { return filho<QLabel>("lblQuantidade")->text(); }
    void digitar(const QString& texto) {
        busca()->clear();
        QTest::keyClicks(busca(), texto);
    }
    QString caminho(const QString& nome) const { return pastas.raiz.filePath(nome); }
    QByteArray conteudo(const QString& arquivo) const {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    Pastas pastas;
    ServidorTeste servidor;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmWebservice janela;
    int alteracoes = 0;
    std::deque<QString> destinos; // answers of the destination-folder window
    std::function<void(const QByteArray&)> aoPedir;
    bool listaFora = false;
};

TEST_F(Webservice, AbreComAListaDeEstacoes) {
    EXPECT_TRUE(dialogos.mostrados.empty());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Webservice"));
    EXPECT_EQ(contagem(), QStringLiteral("4 Estações localizadas"));
    EXPECT_EQ(janela.modelo()->rowCount(), 4);
    EXPECT_EQ(filho<QLineEdit>("edtCodigo")->text(), QStringLiteral("1"));
    EXPECT_EQ(filho<QLineEdit>("edtNome")->text(), QStringLiteral("RIO UM"));
    EXPECT_EQ(janela.size(), QSize(675, 475));
    EXPECT_EQ(janela.modelo()->headerData(1, Qt::Horizontal, Qt::DisplayRole),
              QStringLiteral("Nome"));
    janela.exibir();
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Janela: Webservice")});
}

TEST_F(Webservice, SemListaDeEstacoesAvisaEContinuaUsavel) {
    Bancada semLista(pastas.raiz.filePath(QStringLiteral("vazia")));
    ui::TfrmWebservice outra(semLista, dialogos);
    outra.FormShow();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Erro: ") + mensagemListaAusente()});
    EXPECT_EQ(outra.modelo()->rowCount(), 0);
    EXPECT_EQ(outra.findChild<QLabel*>(QStringLiteral("lblQuantidade"))->text(),
              QStringLiteral("0 Estação localizada"));
}

TEST_F(Webservice, BuscaPorCodigoOuNomeComoDigitado) {
    digitar(QStringLiteral("rio"));
    EXPECT_EQ(busca()->text(), QStringLiteral("RIO")); // capitals as typed
    EXPECT_EQ(janela.modelo()->rowCount(), 2);
    EXPECT_EQ(contagem(), QStringLiteral("2 estações localizadas."));
    // Down and Up move through the stations found.
    QTest::keyClick(busca(), Qt::Key_Down);
    EXPECT_EQ(filho<QLineEdit>("edtNome")->text(), QStringLiteral("RIO DOIS"));
    QTest::keyClick(busca(), Qt::Key_Down);
    EXPECT_EQ(filho<QLineEdit>("edtNome")->text(), QStringLiteral("RIO DOIS"));
    QTest::keyClick(busca(), Qt::Key_Up);
    EXPECT_EQ(filho<QLineEdit>("edtCodigo")->text(), QStringLiteral("1"));

    digitar(QStringLiteral("d'"));
    EXPECT_EQ(contagem(), QStringLiteral("1 estação localizada."));
    EXPECT_EQ(filho<QLineEdit>("edtCodigo")->text(), QStringLiteral("4"));
    digitar(QStringLiteral("3"));
    EXPECT_EQ(filho<QLineEdit>("edtNome")->text(), QStringLiteral("PONTE TRÊS"));
    digitar(QStringLiteral("x"));
    EXPECT_EQ(contagem(), QStringLiteral("Nenhuma estação localizada."));
    EXPECT_TRUE(filho<QLineEdit>("edtCodigo")->text().isEmpty());
    // With nothing found the import does nothing at all.
    filho<QPushButton>("btnImportar")->click();
    EXPECT_TRUE(dialogos.mostrados.empty());
    EXPECT_TRUE(servidor.pedidos.isEmpty());
}

TEST_F(Webservice, UmaEstacaoViraOProjetoComONomeDigitado) {
    filho<QCheckBox>("chkMultiplas")->setChecked(true); // one station found: a single download
    digitar(QStringLiteral("PONTE"));
    dialogos.arquivos = {caminho(QStringLiteral("ponte.dat"))};
    QTest::keyClick(busca(), Qt::Key_Return);

    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{kInformacaoFinal});
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 1u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].titulo, QStringLiteral("Salvar projeto"));
    EXPECT_EQ(dialogos.dialogosArquivo[0].nomeProposto, QStringLiteral("3.cvl"));
    EXPECT_EQ(bancada.arquivoProjeto, caminho(QStringLiteral("ponte.dat")));
    EXPECT_EQ(lerArquivoProjeto(caminho(QStringLiteral("ponte.dat"))).tamanho(), 12);
    EXPECT_EQ(bancada.serie[3].vazao[29], 30.0);
    EXPECT_EQ(bancada.inicioAnoHidrologico, 1);
    EXPECT_EQ(janela.windowTitle(),
              QStringLiteral("Webservice (") +
                  QDir::toNativeSeparators(caminho(QStringLiteral("ponte.dat"))) + u')');
    EXPECT_EQ(filho<QLineEdit>("edtRequisicao")->text(),
              servidor.endereco() + QStringLiteral("/fcthservices/mma.asmx/Vazoes?iEstacao=3&"
                                                   "strDataInicial=1/1800&strDataFinal=12/2050"));
    EXPECT_EQ(busca()->text(), QStringLiteral("3"));
    EXPECT_EQ(alteracoes, 1);
    EXPECT_TRUE(QFile::exists(pastas.dados + QStringLiteral("/UltimaEstacao.xml")));

    // A cancelled save dialog sends nothing.
    dialogos.arquivos = {std::nullopt};
    filho<QPushButton>("btnImportar")->click();
    EXPECT_EQ(servidor.pedidos.size(), 1);
    EXPECT_EQ(dialogos.mostrados.size(), 1u);
}

TEST_F(Webservice, SerieVaziaEFalhasNaoDeixamProjetoAberto) {
    const QString aberto = caminho(QStringLiteral("aberto.cvl"));
    gravarProjeto(aberto, serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1)));
    bancada.abrirProjeto(aberto);
    janela.definirConfiguracao({servidor.endereco(), 300});
    const std::pair<const char*, QString> casos[] = {
        {"2", QStringLiteral("Aviso: ") + QString::fromUtf8(kMsgSerieVazia)},
        {"9", QStringLiteral("Erro: ") + mensagemFalhaConexao()},
        {"7", QStringLiteral("Erro: ") + mensagemFalhaConexao()}, // the server never answers
        {"8",
         QStringLiteral("Erro: Ocorreu um erro converter dados para a Estrutura do Corvel 1.0")},
    };
    for (const auto& [codigo, mensagem] : casos) {
        gravarTabela(pastas.programa + QStringLiteral("/EstacaoListaCorvel1_0.xml"),
                     listaDe({{QString::fromLatin1(codigo), QStringLiteral("ESTAÇÃO")}}));
        janela.FormShow();
        dialogos.mostrados.clear();
        dialogos.arquivos = {caminho(QStringLiteral("novo.cvl"))};
        filho<QPushButton>("btnImportar")->click();
        EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{mensagem, kInformacaoFinal})) << codigo;
        EXPECT_FALSE(bancada.serie.ativa()) << codigo;
        EXPECT_TRUE(bancada.arquivoProjeto.isEmpty()) << codigo;
        EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("novo.cvl")))) << codigo;
        EXPECT_FALSE(janela.ocupada());
        bancada.abrirProjeto(aberto);
    }
    EXPECT_EQ(alteracoes, 4);
    EXPECT_EQ(lerArquivoProjeto(aberto).tamanho(), 12); // the file of the former project is kept
}

TEST_F(Webservice, VariasEstacoesParaUmaPastaComRelatorio) {
    gravarTabela(pastas.programa + QStringLiteral("/EstacaoListaCorvel1_0.xml"),
                 listaDe({{QStringLiteral("1"), QStringLiteral("UM")},
                          {QStringLiteral("2"), QStringLiteral("DOIS")},
                          {QStringLiteral("3"), QStringLiteral("TRÊS")}}));
    janela.FormShow();
    filho<QCheckBox>("chkMultiplas")->setChecked(true);
    dialogos.respostas = {true};
    destinos = {QStringLiteral("bacia")};
    filho<QPushButton>("btnImportar")->click();

    EXPECT_EQ(
        dialogos.mostrados,
        (std::vector<QString>{QStringLiteral("Pergunta: Há 3 estações na lista. Deseja baixar "
                                             "todas?"),
                              QStringLiteral("Janela: Nova pasta"), kInformacaoFinal}));
    const QString destino = caminho(QStringLiteral("bacia"));
    EXPECT_TRUE(QFile::exists(destino + QStringLiteral("/1.cvl")));
    EXPECT_FALSE(QFile::exists(destino + QStringLiteral("/2.cvl")));
    EXPECT_TRUE(QFile::exists(destino + QStringLiteral("/3.cvl")));
    ui::TfrmPorCentagemDownloadEstacoes* progresso = janela.progresso();
    ASSERT_TRUE(progresso);
    EXPECT_EQ(progresso->windowTitle(), QStringLiteral("Baixando estações"));
    EXPECT_FALSE(progresso->isModal());
    const QString log = QStringLiteral("Destino:\n") + QDir::toNativeSeparators(destino) +
                        QStringLiteral("\nEstação 1: 2 registro(s) encontrado(s).\n"
                                       "Estação 1: Foi copiada com sucesso.\n"
                                       "Estação 2: 0 registro(s) encontrado(s).\n"
                                       "Estação 2: Não foi copiada.\n"
                                       "  O servidor respondeu: Nenhum dado encontrado para a "
                                       "estação.\n"
                                       "Estação 3: 2 registro(s) encontrado(s).\n"
                                       "Estação 3: Foi copiada com sucesso.\n");
    EXPECT_EQ(progresso->textoLog(), log + QStringLiteral("Concluído"));
    EXPECT_EQ(conteudo(destino + QStringLiteral("/RelatorioDeImportacao.txt")),
              codificarWindows1252(QString(log).replace(u'\n', QStringLiteral("\r\n"))));
    EXPECT_FALSE(progresso->findChild<QPushButton*>(QStringLiteral("btnCancelar"))->isEnabled());
    QPushButton* fechar = progresso->findChild<QPushButton*>(QStringLiteral("btnFechar"));
    EXPECT_TRUE(fechar->isEnabled());
    EXPECT_TRUE(progresso->findChild<QLabel*>(QStringLiteral("lblEstacao"))->text().isEmpty());
    EXPECT_EQ(bancada.arquivoProjeto, destino + QStringLiteral("/3.cvl"));
    EXPECT_EQ(janela.windowTitle(),
              QStringLiteral("Webservice (") +
                  QDir::toNativeSeparators(destino + QStringLiteral("/3.cvl")) + u')');
    EXPECT_EQ(alteracoes, 3);
    // "&Fechar" closes and destroys the progress window.
    fechar->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(janela.progresso());
}

TEST_F(Webservice, CancelarTerminaAposAEstacaoEmCurso) {
    filho<QCheckBox>("chkMultiplas")->setChecked(true);
    dialogos.respostas = {true, true}; // download all; cancel
    destinos = {QStringLiteral("cancelada")};
    std::vector<QString> rotulos;
    aoPedir = [&](const QByteArray& caminho) {
        ui::TfrmPorCentagemDownloadEstacoes* p = janela.progresso();
        rotulos.push_back(p->findChild<QLabel*>(QStringLiteral("lblEstacao"))->text() + u'|' +
                          p->findChild<QLabel*>(QStringLiteral("lblContagem"))->text());
        if (caminho.contains("iEstacao=2&"))
            p->findChild<QPushButton*>(QStringLiteral("btnCancelar"))->click();
    };
    filho<QPushButton>("btnImportar")->click();

    EXPECT_EQ(servidor.pedidos.size(), 2);
    EXPECT_EQ(rotulos, (std::vector<QString>{
                           QStringLiteral("Baixando a estação:1|Baixando a 1ª estação de uma lista "
                                          "de 4 estações."),
                           QStringLiteral("Baixando a estação:2|Baixando a 2ª estação de uma lista "
                                          "de 4 estações.")}));
    EXPECT_EQ(
        dialogos.mostrados,
        (std::vector<QString>{
            QStringLiteral("Pergunta: Há 4 estações na lista. Deseja baixar todas?"),
            QStringLiteral("Janela: Nova pasta"),
            QStringLiteral("Pergunta: Deseja cancelar a importação de dados?"), kInformacaoFinal}));
    const QStringList log = janela.progresso()->textoLog().split(u'\n');
    EXPECT_EQ(log.mid(4), (QStringList{QStringLiteral("Ação cancelada pelo usuário."),
                                       QStringLiteral("Cancelando..."),
                                       QStringLiteral("Estação 2: 0 registro(s) encontrado(s)."),
                                       QStringLiteral("Estação 2: Não foi copiada."),
                                       QStringLiteral("  O servidor respondeu: Nenhum dado "
                                                      "encontrado para a estação."),
                                       QStringLiteral("Concluído")}));
    EXPECT_TRUE(conteudo(caminho(QStringLiteral("cancelada/RelatorioDeImportacao.txt")))
                    .contains("Cancelando...\r\n"));
    // The last station handled was not copied: no project is open.
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
}

TEST_F(Webservice, FalhaDeConexaoFechaOProgressoEInterrompe) {
    gravarTabela(pastas.programa + QStringLiteral("/EstacaoListaCorvel1_0.xml"),
                 listaDe({{QStringLiteral("1"), QStringLiteral("UM")},
                          {QStringLiteral("9"), QStringLiteral("NOVE")},
                          {QStringLiteral("3"), QStringLiteral("TRÊS")}}));
    janela.FormShow();
    filho<QCheckBox>("chkMultiplas")->setChecked(true);
    dialogos.respostas = {true};
    destinos = {QStringLiteral("falha")};
    filho<QPushButton>("btnImportar")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(janela.progresso());
    EXPECT_EQ(servidor.pedidos.size(), 2);
    EXPECT_EQ(std::vector<QString>(dialogos.mostrados.begin() + 2, dialogos.mostrados.end()),
              (std::vector<QString>{QStringLiteral("Erro: ") + mensagemFalhaConexao(),
                                    kInformacaoFinal}));
    EXPECT_TRUE(conteudo(caminho(QStringLiteral("falha/RelatorioDeImportacao.txt")))
                    .endsWith("  HTTP 500 Internal Server Error\r\n"));
    // The station before the failure was saved; the failed one leaves no project open.
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("falha/1.cvl"))));
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
}

TEST_F(Webservice, PastaQueJaExisteEPerguntada) {
    QDir().mkpath(caminho(QStringLiteral("existente")));
    filho<QCheckBox>("chkMultiplas")->setChecked(true);
    digitar(QStringLiteral("RIO"));
    dialogos.respostas = {true, false}; // download both; not into the existing folder
    destinos = {QStringLiteral("existente"), QStringLiteral("nova")};
    filho<QPushButton>("btnImportar")->click();
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{
                  QStringLiteral("Pergunta: Há 2 estações na lista. Deseja baixar todas?"),
                  QStringLiteral("Janela: Nova pasta"),
                  QStringLiteral("Pergunta: ") +
                      perguntaPastaExistente(caminho(QStringLiteral("existente"))),
                  QStringLiteral("Janela: Nova pasta"), kInformacaoFinal}));
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("nova/1.cvl"))));

    // A cancelled folder window ends the import before anything is sent.
    servidor.pedidos.clear();
    dialogos.mostrados.clear();
    dialogos.respostas = {true};
    filho<QPushButton>("btnImportar")->click();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Janela: Nova pasta"));
    EXPECT_TRUE(servidor.pedidos.isEmpty());
}

TEST_F(Webservice, QuinhentasEstacoesOuAsDezPrimeiras) {
    for (const int n : {500, 501}) {
        std::vector<std::pair<QString, QString>> muitas;
        for (int i = 1; i <= n; ++i)
            muitas.push_back({QString::number(1000 + i), QStringLiteral("ESTAÇÃO")});
        gravarTabela(pastas.programa + QStringLiteral("/EstacaoListaCorvel1_0.xml"),
                     listaDe(muitas));
        janela.FormShow();
        filho<QCheckBox>("chkMultiplas")->setChecked(true);
        dialogos.mostrados.clear();
        dialogos.respostas = {n == 501};
        destinos = {QStringLiteral("dez")};
        filho<QPushButton>("btnImportar")->click();
        EXPECT_EQ(dialogos.mostrados.front(),
                  QStringLiteral("Pergunta: ") + *planoDownload(n, true).pergunta);
    }
    EXPECT_EQ(servidor.pedidos.size(), 10);
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("dez/1010.cvl"))));
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("dez/1011.cvl"))));
}

TEST_F(Webservice, AtualizarListaDeEstacoes) {
    digitar(QStringLiteral("RIO"));
    dialogos.respostas = {false};
    janela.acao(QStringLiteral("Atualizarlistadeestaes1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Pergunta: ") + perguntaAtualizarLista()});
    EXPECT_TRUE(servidor.pedidos.isEmpty());

    dialogos.mostrados.clear();
    dialogos.respostas = {true};
    janela.acao(QStringLiteral("Atualizarlistadeestaes1"))->trigger();
    ASSERT_EQ(dialogos.mostrados.size(), 2u);
    EXPECT_TRUE(dialogos.mostrados[1].startsWith(
        QStringLiteral("Informação: Lista de estações atualizadas em 00:00:0")))
        << dialogos.mostrados[1].toStdString();
    EXPECT_EQ(janela.modelo()->rowCount(), 3); // the new list, without the search
    EXPECT_TRUE(busca()->text().isEmpty());
    EXPECT_EQ(contagem(), QStringLiteral("3 estações localizadas."));
    EXPECT_EQ(filho<QLineEdit>("edtNome")->text(), QStringLiteral("NOVA DEZ"));
    EXPECT_EQ(lerTabela(pastas.dados + QStringLiteral("/EstacaoListaCorvel1_0.xml")).linhas(), 3);
    EXPECT_EQ(bancada.arquivoListaEstacoes(),
              pastas.dados + QStringLiteral("/EstacaoListaCorvel1_0.xml"));

    listaFora = true;
    dialogos.mostrados.clear();
    dialogos.respostas = {true};
    janela.acao(QStringLiteral("Atualizarlistadeestaes1"))->trigger();
    EXPECT_EQ(dialogos.mostrados[1], QStringLiteral("Erro: ") + QString::fromUtf8(kMsgFalhaLista));
    EXPECT_EQ(janela.modelo()->rowCount(), 3);
}

TEST_F(Webservice, OcupadaRecusaOutrosComandosEmSilencio) {
    digitar(QStringLiteral("PONTE"));
    dialogos.arquivos = {caminho(QStringLiteral("p.cvl"))};
    bool tentou = false;
    aoPedir = [&](const QByteArray&) {
        if (tentou) return;
        tentou = true;
        EXPECT_TRUE(janela.ocupada());
        QTest::keyClicks(busca(), QStringLiteral("RIO"));
        filho<QPushButton>("btnImportar")->click();
        janela.acao(QStringLiteral("Atualizarlistadeestaes1"))->trigger();
        janela.close();
        EXPECT_TRUE(janela.isVisible());
    };
    filho<QPushButton>("btnImportar")->click();
    EXPECT_EQ(servidor.pedidos.size(), 1);
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{kInformacaoFinal});
    EXPECT_EQ(janela.modelo()->rowCount(), 1); // the typing was refused
    EXPECT_FALSE(janela.ocupada());
}

TEST_F(Webservice, EnterOuCliqueDuploNaGradeEAjuda) {
    QTableView* grade = filho<QTableView>("grdEstacoes");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    dialogos.arquivos = {std::nullopt, std::nullopt}; // both save dialogs cancelled
    grade->setCurrentIndex(janela.modelo()->index(2, 0));
    QTest::keyClick(grade, Qt::Key_Return);
    const QRect linha = grade->visualRect(janela.modelo()->index(1, 1));
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, linha.center());
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, linha.center());
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 2u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].nomeProposto, QStringLiteral("3.cvl"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("2.cvl"));
    EXPECT_TRUE(servidor.pedidos.isEmpty());

    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Ajuda: 3")});
}

// The main window's menu item and its toolbar button "Importar" open the window; the station it
// downloads is shown at once as the open project, and a download without data leaves none.
TEST(WebserviceNaJanelaPrincipal, MenuEBotaoAbremAJanelaQueTrocaOProjeto) {
    Pastas pastas;
    ServidorTeste servidor([](const QByteArray& caminho) {
        if (caminho.contains("iEstacao=2&")) return RespostaHttp{200, "OK", kRespostaRecusa};
        return RespostaHttp{200, "OK", respostaVazoes(3, {{2, QDate(1999, 3, 1), [](int d) {
                                                               return std::optional<double>(d);
                                                           }}})};
    });
    qputenv(kVariavelEnderecoServico, servidor.endereco().toLatin1());
    Bancada bancada(pastas.programa, pastas.dados);
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal(bancada, dialogos);
    principal.show();
    QString codigo; // the station the window is asked for; none: it is only closed
    std::vector<bool> gradeDuranteAJanela;
    dialogos.aoExecutar = [&](QDialog& d) {
        auto* janela = qobject_cast<ui::TfrmWebservice*>(&d);
        if (!janela || codigo.isEmpty()) return int(QDialog::Rejected);
        janela->findChild<QLineEdit*>(QStringLiteral("edtEstacao"))->setText(codigo);
        janela->findChild<QPushButton*>(QStringLiteral("btnImportar"))->click();
        gradeDuranteAJanela.push_back(principal.paginaGradeVisivel());
        return int(QDialog::Rejected);
    };

    QToolButton* botao =
        principal.barraFerramentas()->findChild<QToolButton*>(QStringLiteral("btnImportar"));
    ASSERT_TRUE(botao);
    botao->click();
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Janela: Webservice")});
    EXPECT_FALSE(principal.paginaGradeVisivel());

    codigo = QStringLiteral("3");
    const QString arquivo = pastas.raiz.filePath(QStringLiteral("ponte.cvl"));
    dialogos.arquivos = {arquivo};
    dialogos.mostrados.clear();
    principal.acao(QStringLiteral("WebService1"))->trigger();
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{QStringLiteral("Janela: Webservice"), kInformacaoFinal}));
    EXPECT_EQ(bancada.arquivoProjeto, arquivo);
    EXPECT_EQ(principal.windowTitle(), QStringLiteral("Corvel 1.0-(ponte.cvl)"));
    EXPECT_EQ(principal.modelo()->rowCount(), 12); // March 1999 completed to the whole year
    EXPECT_TRUE(principal.textoCabecalho().contains(QStringLiteral("PONTE TRÊS")))
        << principal.textoCabecalho().toStdString();

    codigo = QStringLiteral("2");
    dialogos.arquivos = {pastas.raiz.filePath(QStringLiteral("vazia.cvl"))};
    principal.acao(QStringLiteral("WebService1"))->trigger();
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(principal.paginaGradeVisivel());
    EXPECT_EQ(gradeDuranteAJanela, (std::vector<bool>{true, false}));
    qunsetenv(kVariavelEnderecoServico);
}

} // namespace
