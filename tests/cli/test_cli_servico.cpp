// corvel-cli baixar and estacoes against a loopback server: the program runs apart while this
// process serves its requests; its data folder is a temporary one.
#include "exchange/respostasservico.h"
#include "impressao_qt.h"
#include "servidorteste.h"

#include "core/arquivotabela.h"
#include "core/projeto.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using namespace corvel::teste;

namespace {

struct Saida {
    int codigo;
    QStringList linhas;
    QString erro;
};

class CliServico : public ::testing::Test {
  protected:
    CliServico() : servidor([this](const QByteArray& caminho) { return atender(caminho); }) {}

    // Station 2 has no data, 9 answers an error status; the others January and February 2001
    // at both levels.
    RespostaHttp atender(const QByteArray& caminho) {
        if (caminho.contains("EstacaoLista"))
            return {200, "OK",
                    respostaLista({{"10100000", "RIO PRETO", "-14.7", "-47.5"},
                                   {"10200000", "PONTE ALTA", "-15", "-48"},
                                   {"20100000", "RIOLÂNDIA", "", ""}})};
        const QByteArray codigo = caminho.mid(caminho.indexOf('=') + 1).split('&').first();
        if (codigo == "2") return {200, "OK", kRespostaRecusa};
        if (codigo == "9") return {500, "Internal Server Error", {}};
        auto dia = [](int d) { return std::optional<double>(d * 0.5); };
        return {200, "OK",
                respostaVazoes(codigo.toInt(), {{1, QDate(2001, 1, 1), dia},
                                                {2, QDate(2001, 1, 1), dia},
                                                {1, QDate(2001, 2, 1), dia},
                                                {1, QDate(2001, 3, 1), dia},
                                                {2, QDate(2001, 2, 1), dia}})};
    }

    Saida cli(const QStringList& argumentos) {
        QProcess p;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("CORVEL_SERVICO"), servidor.endereco());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), pasta.filePath(QStringLiteral("xdg")));
        p.setProcessEnvironment(ambiente);
        p.setWorkingDirectory(pasta.path());
        QEventLoop laco; // serves the requests while the program waits for them
        QObject::connect(&p, &QProcess::finished, &laco, &QEventLoop::quit);
        p.start(QStringLiteral(CORVEL_CLI), argumentos);
        if (p.waitForStarted()) laco.exec();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                QString::fromUtf8(p.readAllStandardError())};
    }

    QString caminho(const QString& nome) const { return pasta.filePath(nome); }
    QString dados(const char* nome) const {
        return pasta.filePath(QStringLiteral("xdg/Corvel 1.0/")) + QLatin1StringView(nome);
    }

    QTemporaryDir pasta;
    ServidorTeste servidor;
};

TEST_F(CliServico, BaixarUmaEstacao) {
    const Saida s = cli({QStringLiteral("baixar"), QStringLiteral("56110005")});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas, QStringList{QStringLiteral(
                            "56110005.cvl: estação 56110005, nível 2, Janeiro/2001 a "
                            "Dezembro/2001, 12 meses, 0 duplicados descartados, 1 meses brutos "
                            "fora do período consistido não importados")});
    EXPECT_EQ(servidor.pedidos,
              QList<QByteArray>{"/fcthservices/mma.asmx/Vazoes?iEstacao=56110005&strDataInicial="
                                "1/1800&strDataFinal=12/2050"});
    const SerieTabela serie = lerProjeto(caminho(QStringLiteral("56110005.cvl")));
    ASSERT_EQ(serie.tamanho(), 12);
    EXPECT_EQ(serie[1].vazao[27], 14.0);
    EXPECT_EQ(serie[2].vazao01Status, kSemDados); // March was raw only
    EXPECT_TRUE(QFile::exists(dados("UltimaEstacao.xml")));

    // An existing project is kept unless asked; -o takes another name.
    EXPECT_EQ(cli({QStringLiteral("baixar"), QStringLiteral("56110005")}).codigo, 1);
    const Saida outra = cli({QStringLiteral("baixar"), QStringLiteral("56110005"),
                             QStringLiteral("--completar-brutos"), QStringLiteral("-o"),
                             QStringLiteral("rio.txt")});
    ASSERT_EQ(outra.codigo, 0) << outra.erro.toStdString();
    EXPECT_TRUE(outra.linhas.value(0).startsWith(QStringLiteral("rio.cvl: ")));
    EXPECT_EQ(lerProjeto(caminho(QStringLiteral("rio.cvl")))[2].vazao01Status, kConsiderado);
}

TEST_F(CliServico, SerieVaziaEFalhas) {
    const Saida vazia = cli({QStringLiteral("baixar"), QStringLiteral("2")});
    EXPECT_EQ(vazia.codigo, 1);
    EXPECT_EQ(vazia.erro, QStringLiteral("corvel-cli baixar: O Servidor retornou uma série vazia. "
                                         "Verifique se código da estação está correto ou se esta "
                                         "estação tem dados disponíveis. Resposta do servidor: "
                                         "Nenhum dado encontrado para a estação.\n"));
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("2.cvl"))));

    const Saida erro = cli({QStringLiteral("baixar"), QStringLiteral("9")});
    EXPECT_EQ(erro.codigo, 1);
    EXPECT_EQ(erro.erro, QStringLiteral("corvel-cli baixar: falha na requisição ") +
                             servidor.endereco() +
                             QStringLiteral("/fcthservices/mma.asmx/Vazoes?iEstacao=9&"
                                            "strDataInicial=1/1800&strDataFinal=12/2050: HTTP 500 "
                                            "Internal Server Error\n"));

    EXPECT_EQ(cli({QStringLiteral("baixar")}).codigo, 2);
    EXPECT_EQ(cli({QStringLiteral("baixar"), QStringLiteral("abc")}).erro,
              QStringLiteral("corvel-cli baixar: Código de estação inválido: 'abc'.\n"));
}

TEST_F(CliServico, BaixarUmaListaParaUmaPasta) {
    QFile lista(caminho(QStringLiteral("codigos.txt")));
    lista.open(QIODevice::WriteOnly);
    lista.write("Codigo;Nome;Latitude;Longitude;\n# primeiras\n1;RIO UM;;;\n\n2\n3 PONTE\n");
    lista.close();
    const Saida s =
        cli({QStringLiteral("baixar"), QStringLiteral("--lista"), QStringLiteral("codigos.txt"),
             QStringLiteral("--pasta"), QStringLiteral("saida")});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    const QString destino = QDir::toNativeSeparators(caminho(QStringLiteral("saida")));
    EXPECT_EQ(s.linhas, (QStringList{QStringLiteral("Destino:"), destino,
                                     QStringLiteral("Estação 1: 2 registro(s) encontrado(s)."),
                                     QStringLiteral("Estação 1: Foi copiada com sucesso."),
                                     QStringLiteral("Estação 2: 0 registro(s) encontrado(s)."),
                                     QStringLiteral("Estação 2: Não foi copiada."),
                                     QStringLiteral("  O servidor respondeu: Nenhum dado "
                                                    "encontrado para a estação."),
                                     QStringLiteral("Estação 3: 2 registro(s) encontrado(s)."),
                                     QStringLiteral("Estação 3: Foi copiada com sucesso."),
                                     QStringLiteral("Concluído")}));
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("saida/1.cvl"))));
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("saida/2.cvl"))));
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("saida/3.cvl"))));
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("saida/RelatorioDeImportacao.txt"))));

    // Again: the projects are there, so nothing is asked of the service without --substituir.
    servidor.pedidos.clear();
    EXPECT_EQ(
        cli({QStringLiteral("baixar"), QStringLiteral("--lista"), QStringLiteral("codigos.txt"),
             QStringLiteral("--pasta"), QStringLiteral("saida")})
            .codigo,
        1);
    EXPECT_TRUE(servidor.pedidos.isEmpty());

    // A failure of the service stops the list; the log says where.
    lista.open(QIODevice::WriteOnly);
    lista.write("4\n9\n5\n");
    lista.close();
    const Saida falha =
        cli({QStringLiteral("baixar"), QStringLiteral("--lista"), QStringLiteral("codigos.txt"),
             QStringLiteral("--pasta"), QStringLiteral("outra")});
    EXPECT_EQ(falha.codigo, 1);
    EXPECT_EQ(falha.linhas.mid(4, 2),
              (QStringList{QStringLiteral("Estação 9: falha de conexão; importação interrompida."),
                           QStringLiteral("  HTTP 500 Internal Server Error")}));
    EXPECT_TRUE(falha.erro.startsWith(QStringLiteral(
        "corvel-cli baixar: importação interrompida na estação 9; o relatório está em ")));
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("outra/5.cvl"))));
}

TEST_F(CliServico, EstacoesDaListaAtualizadaEProcura) {
    // Before any refresh: the list beside the program (the synthetic sample station).
    const Saida antes = cli({QStringLiteral("estacoes")});
    ASSERT_EQ(antes.codigo, 0) << antes.erro.toStdString();
    EXPECT_EQ(antes.linhas.value(1).left(9), QStringLiteral("99990001;"));

    const Saida s =
        cli({QStringLiteral("estacoes"), QStringLiteral("--atualizar"), QStringLiteral("rio")});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas, (QStringList{QStringLiteral("Codigo;Nome;Latitude;Longitude;"),
                                     QStringLiteral("10100000;RIO PRETO;-14.7;-47.5;"),
                                     QStringLiteral("20100000;RIOLÂNDIA;;;")}));
    EXPECT_TRUE(s.erro.startsWith(QStringLiteral("Lista de estações atualizadas em 00:00:")));
    EXPECT_TRUE(s.erro.endsWith(QStringLiteral("\n2 estações localizadas.\n")));
    EXPECT_TRUE(QFile::exists(dados("EstacaoLista.xml")));
    EXPECT_EQ(lerTabela(dados("EstacaoListaCorvel1_0.xml")).linhas(), 3);

    // From now on the refreshed list is the one read, also for the project header.
    const Saida codigo = cli({QStringLiteral("estacoes"), QStringLiteral("102")});
    EXPECT_EQ(codigo.linhas.mid(1), QStringList{QStringLiteral("10200000;PONTE ALTA;-15;-48;")});
    EXPECT_EQ(codigo.erro, QStringLiteral("1 estação localizada.\n"));
    EXPECT_EQ(cli({QStringLiteral("estacoes"), QStringLiteral("XYZ")}).erro,
              QStringLiteral("Nenhuma estação localizada.\n"));
}

} // namespace
