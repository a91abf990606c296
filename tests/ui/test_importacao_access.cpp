// The Access database and São Paulo text imports as the user runs them from the main window: the
// station choice and its informations, the finishing step shared with the agency text import, and
// every refusal leaving no project open.
#include "core/construtor.h"
#include "dialogosroteiro.h"
#include "exchange/fixturasmdb.h"

#include "ui/TfrmAbout.h"
#include "ui/TfrmEscolhaEstacao.h"
#include "ui/TfrmExibeArquivo.h"
#include "ui/TfrmPrincipal.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace corvel;
using corvel::teste::DialogosRoteiro;
using corvel::teste::fixturaMdb;

namespace {

class ImportacaoAccess : public ::testing::Test {
  protected:
    ImportacaoAccess() : bancada(pasta.path()), janela(bancada, dialogos) { janela.show(); }

    void importar(const QString& banco, std::optional<QString> projeto) {
        dialogos.arquivos.push_back(banco);
        dialogos.arquivos.push_back(std::move(projeto));
        janela.acao(QStringLiteral("MDB1"))->trigger();
    }
    // Answers the station choice: the position picked (-1 for none), and OK or "Cancelar".
    void escolher(int posicao, bool ok) {
        dialogos.aoExecutar = [=, this](QDialog& j) {
            auto* escolha = qobject_cast<ui::TfrmEscolhaEstacao*>(&j);
            if (!escolha) return int(QDialog::Rejected);
            for (int i = 0; i < escolha->lista()->count(); ++i)
                codigosOferecidos << escolha->lista()->itemText(i);
            escolha->lista()->setCurrentIndex(posicao);
            escolha->done(ok ? QDialog::Accepted : QDialog::Rejected);
            return escolha->result();
        };
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }
    QString status() const { return janela.statusBar()->currentMessage(); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
    QStringList codigosOferecidos;
};

TEST_F(ImportacaoAccess, UmaEstacaoDispensaAEscolhaEImportaOsDadosConsistidosComoConsiderados) {
    importar(fixturaMdb("vazoes_uma_estacao.mdb"), caminho("12345678.cvl"));

    EXPECT_TRUE(dialogos.mostrados.empty()) << dialogos.mostrados.front().toStdString();
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 2u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].titulo, QStringLiteral("Importar dados"));
    EXPECT_TRUE(dialogos.dialogosArquivo[0].filtro.startsWith(
        QStringLiteral("Arquivos Access da Vidara (*.mdb *.MDB)")));
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("12345678.cvl"));
    EXPECT_EQ(bancada.arquivoProjeto, caminho("12345678.cvl"));
    EXPECT_TRUE(janela.paginaGradeVisivel());
    EXPECT_TRUE(status().contains(QStringLiteral("Importados os dados consistidos (nível 2)."))) << status().toStdString();

    // 1990 to 1992, the two months absent from the file added by the completion.
    const SerieTabela& serie = bancada.serie;
    ASSERT_EQ(serie.tamanho(), 36);
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        SCOPED_TRACE(serie[i].mes().toStdString());
        EXPECT_EQ(serie[i].nivelConsistencia, 2);
        EXPECT_EQ(serie[i].vazao02Status, 1);
        if (serie[i].validos() > 0) { // the file's status fields hold 1 on nearly every day
            EXPECT_EQ(serie[i].vazao01Status, kConsiderado);
        }
    }
    const teste::FormulaVazoes consistidos{0, 1990, {}};
    EXPECT_EQ(serie[0].vazao[0], consistidos(QDate(1990, 1, 1), 1)); // 1.01, not the raw 1001.01
    EXPECT_EQ(serie[35].vazao[30], consistidos(QDate(1992, 12, 1), 31));
    EXPECT_FALSE(serie[2].vazao[4].has_value()); // 5 March 1990 missing at level 2
    EXPECT_EQ(serie[15].validos(), 0);           // April 1991, absent from the file
}

TEST_F(ImportacaoAccess, EscolhaDaEstacaoEInformacoesDeOkSemEscolhaECancelamento) {
    struct Caso {
        int posicao;
        bool ok;
        qint32 codigo;
        std::vector<QString> mostrados;
    };
    const QString janelaEscolha = QStringLiteral("Janela: Lista de estação disponíveis");
    const std::vector<Caso> casos = {
        {1, true, 22222222, {janelaEscolha}},
        {-1, true, 11111111,
         {janelaEscolha, QStringLiteral("Informação: A nenhuma estação foi selecionada. A estação "
                                        "\"11111111\" será aberta.")}},
        {2, false, 11111111,
         {janelaEscolha, QStringLiteral("Informação: A escolha de estações foi cancelada. A "
                                        "estação \"11111111\" será aberta. ")}},
    };
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const Caso& c = casos[i];
        SCOPED_TRACE(i);
        dialogos.mostrados.clear();
        codigosOferecidos.clear();
        escolher(c.posicao, c.ok);
        importar(fixturaMdb("vazoes_tres_estacoes.mdb"),
                 pasta.filePath(QStringLiteral("escolha%1.cvl").arg(i)));
        EXPECT_EQ(dialogos.mostrados, c.mostrados);
        EXPECT_EQ(codigosOferecidos,
                  (QStringList{QStringLiteral("11111111"), QStringLiteral("22222222"),
                               QStringLiteral("33333333")}));
        ASSERT_TRUE(bancada.serie.ativa());
        EXPECT_EQ(bancada.serie[0].estacaoCodigo, c.codigo);
        EXPECT_EQ(bancada.nivelConsistencia, 2);
    }
    // Station 11111111: only its consisted years, 2000 to 2002; its raw 2003 is left out.
    EXPECT_EQ(bancada.serie.tamanho(), 36);
    EXPECT_EQ(bancada.serie[0].vazao[0], (teste::FormulaVazoes{1000, 2000, {}}(QDate(2000, 1, 1), 1)));
    // The next dialog opens in the folder of the database imported last.
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 6u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].pasta, QString());
    EXPECT_EQ(QDir(dialogos.dialogosArquivo[2].pasta).canonicalPath(),
              QDir(QStringLiteral(CORVEL_FIXTURES_DIR "/mdb")).canonicalPath());
}

// Where the database has no consisted row of the station its raw rows are imported, at level 1, and
// the status bar says so, rather than an empty series saved as a project.
TEST_F(ImportacaoAccess, EstacaoSoComDadosBrutosImportaONivelUm) {
    escolher(2, true);
    importar(fixturaMdb("vazoes_tres_estacoes.mdb"), caminho("33333333.cvl"));

    ASSERT_TRUE(bancada.serie.ativa());
    EXPECT_EQ(bancada.serie.tamanho(), 36);
    EXPECT_EQ(bancada.nivelConsistencia, 1);
    for (qsizetype i = 0; i < bancada.serie.tamanho(); ++i)
        EXPECT_EQ(bancada.serie[i].nivelConsistencia, 1);
    EXPECT_FALSE(bancada.serie[12].vazao[0].has_value()); // 1 January 2011
    EXPECT_TRUE(status().contains(QStringLiteral(
        "A estação não tem dados consistidos: importados os dados brutos (nível 1).")))
        << status().toStdString();
}

TEST_F(ImportacaoAccess, BancoRecusadoNaoDeixaProjetoAberto) {
    QFile inteiro(fixturaMdb("vazoes_uma_estacao.mdb"));
    ASSERT_TRUE(inteiro.open(QIODevice::ReadOnly));
    QFile truncado(caminho("truncado.mdb"));
    ASSERT_TRUE(truncado.open(QIODevice::WriteOnly));
    truncado.write(inteiro.read(20000));
    truncado.close();

    const std::vector<std::pair<QString, QString>> casos = {
        {fixturaMdb("sem_vazoes.mdb"),
         QStringLiteral("Aviso: Esse não é um Banco de Dados da Vidara para Vazões.")},
        {fixturaMdb("vazoes_sem_status.mdb"),
         QStringLiteral("Aviso: Banco de Dados corrompido ou de origem não reconhecida. ")},
        {caminho("truncado.mdb"), QStringLiteral("Erro: Erro ao acessar Banco de dados\nCausa: ")},
    };
    // An open project is closed by the import, whatever becomes of it.
    teste::gravarProjetoDiario(caminho("aberto.cvl"), QDate(1990, 1, 1), QDate(1990, 12, 31),
                              [](QDate) { return 5.0; });
    for (const auto& [banco, mensagem] : casos) {
        SCOPED_TRACE(banco.toStdString());
        janela.abrirProjeto(caminho("aberto.cvl"));
        ASSERT_TRUE(bancada.serie.ativa());
        dialogos.mostrados.clear();
        dialogos.arquivos = {banco};
        janela.acao(QStringLiteral("MDB1"))->trigger();
        ASSERT_EQ(dialogos.mostrados.size(), 1u);
        EXPECT_TRUE(dialogos.mostrados[0].startsWith(mensagem)) << dialogos.mostrados[0].toStdString();
        EXPECT_FALSE(bancada.serie.ativa());
        EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
        EXPECT_FALSE(janela.paginaGradeVisivel());
        EXPECT_TRUE(dialogos.arquivos.empty()); // no save was offered
    }
}

TEST_F(ImportacaoAccess, SalvamentoCanceladoAvisaENaoDeixaProjeto) {
    importar(fixturaMdb("vazoes_uma_estacao.mdb"), std::nullopt);
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Informação: Operação cancelada pelo usuário.")});
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(janela.paginaGradeVisivel());
}

class ImportacaoSaoPaulo : public ImportacaoAccess {
  protected:
    void importarSp(const QString& arquivo, std::optional<QString> projeto = std::nullopt) {
        dialogos.arquivos.push_back(arquivo);
        if (projeto) dialogos.arquivos.push_back(std::move(projeto));
        janela.acao(QStringLiteral("SaoPaulo1"))->trigger();
    }
    QString arquivo(const char* nome, const QByteArray& conteudo) {
        QFile f(caminho(nome));
        f.open(QIODevice::WriteOnly);
        f.write(conteudo);
        return f.fileName();
    }
};

TEST_F(ImportacaoSaoPaulo, ItemEscondidoAteOCliqueNaVersaoDoSobre) {
    QAction* sp = janela.acao(QStringLiteral("SaoPaulo1"));
    EXPECT_FALSE(sp->isVisible());
    dialogos.aoExecutar = [](QDialog& j) {
        if (auto* sobre = qobject_cast<ui::TfrmAbout*>(&j)) Q_EMIT sobre->versaoClicada();
        return int(QDialog::Accepted);
    };
    janela.acao(QStringLiteral("Sobre1"))->trigger();
    EXPECT_TRUE(sp->isVisible());
    EXPECT_TRUE(sp->isEnabled());
}

TEST_F(ImportacaoSaoPaulo, ArquivoDeExemploViraProjetoComMesesLidosNoNivelUm) {
    importarSp(QStringLiteral(CORVEL_TEST_DATA "/saopaulo/exemplo.txt"), caminho("62345678.cvl"));

    EXPECT_TRUE(dialogos.mostrados.empty()) << dialogos.mostrados.front().toStdString();
    EXPECT_EQ(dialogos.dialogosArquivo[0].filtro, QStringLiteral("Arquivos *.TXT (*.TXT *.txt)"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("62345678.cvl"));
    const SerieTabela& serie = bancada.serie;
    ASSERT_EQ(serie.tamanho(), 12); // 1985, April and June to December added
    EXPECT_EQ(serie[0].registroId, 0);
    EXPECT_EQ(serie[0].vazao[0], 12.5);           // two spaces, then 12,50
    EXPECT_FALSE(serie[0].vazao[4].has_value());  // "---"
    EXPECT_EQ(serie[1].validos(), 28);            // February: a line of 28 days
    EXPECT_FALSE(serie[2].vazao[9].has_value());  // "---" right after a value
    EXPECT_EQ(serie[2].vazao[30], 1234.5);        // a number filling its column
    EXPECT_EQ(serie[4].vazao[30], 531.25);        // May: what follows the 32 columns is ignored
    EXPECT_EQ(serie[0].nivelConsistencia, 1);
    EXPECT_EQ(serie[4].nivelConsistencia, 1);
    EXPECT_EQ(serie[3].nivelConsistencia, 2);     // April, added by the completion
    EXPECT_EQ(serie[3].vazao02Status, 1);
    EXPECT_EQ(bancada.nivelConsistencia, 2);
    EXPECT_TRUE(janela.paginaGradeVisivel());
}

TEST_F(ImportacaoSaoPaulo, ArquivoRuimMostraOErroENaoDeixaProjeto) {
    const QByteArray cabecalho = "PREFIXO  4C-007\r\nRio\r\nEsta\xe7\xe3o   : 62345678\r\n";
    const QByteArray titulos = "M\xeas/Ano Dia 01\r\n-------\r\n";
    const QByteArray numeroRuim = cabecalho + titulos + "01/1985  12,50  1x,00\r\n";
    struct Caso {
        QString arquivo;
        std::vector<QString> mostrados;
        QByteArray exibido; // the file shown, when it is
    };
    const std::vector<Caso> casos = {
        {arquivo("ruim.txt", numeroRuim),
         {QStringLiteral("Erro: Erro ao importar dados."), QStringLiteral("Janela: Exibindo arquivo")},
         numeroRuim},
        {arquivo("semtitulos.txt", cabecalho + "01/1985  12,50\r\n"),
         {QStringLiteral("Erro: Verifique se esse arquivo foi baixado do site da Vidara, ou se tem a "
                         "estrutura adequada.\n Ação abortada.")},
         {}},
        {arquivo("outro.txt", "Esta\xe7\xe3o 1\r\n" + titulos), {QStringLiteral("Aviso: Arquivo inválido.")}, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo.toStdString());
        dialogos.mostrados.clear();
        QString exibido;
        dialogos.aoExecutar = [&](QDialog& j) {
            if (auto* e = qobject_cast<ui::TfrmExibeArquivo*>(&j)) exibido = e->texto();
            return int(QDialog::Accepted);
        };
        importarSp(c.arquivo);
        EXPECT_EQ(dialogos.mostrados, c.mostrados);
        EXPECT_EQ(exibido, QString::fromLatin1(c.exibido).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        EXPECT_FALSE(bancada.serie.ativa());
        EXPECT_TRUE(dialogos.arquivos.empty());
    }
}

} // namespace
