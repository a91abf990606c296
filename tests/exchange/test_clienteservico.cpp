// The web service over a loopback server: a two-level station, an empty series, a refusal, a
// malformed body, an error status, a silent server, TLS, and the station list refresh.
#include "respostasservico.h"
#include "servidorteste.h"

#include "core/arquivotabela.h"
#include "core/projeto.h"
#include "exchange/clienteservico.h"

#include "impressao_qt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace corvel;
using namespace corvel::teste;

namespace {

std::optional<double> diaSimples(int d) {
    return d == 13 ? std::nullopt : std::optional<double>(d + 0.5);
}

class ClienteServicoTeste : public ::testing::Test {
  protected:
    ClienteServicoTeste() {
        QDir(pasta.path()).mkdir(QStringLiteral("dados"));
        QDir(pasta.path()).mkdir(QStringLiteral("programa"));
        for (const char* xtr : {"TODP.xtr", "ListaEstacao.xtr"})
            QFile::copy(QStringLiteral(CORVEL_RESOURCES "/") + QLatin1StringView(xtr),
                        pasta.filePath(QStringLiteral("programa/")) + QLatin1StringView(xtr));
        pastas = {pasta.filePath(QStringLiteral("dados")),
                  pasta.filePath(QStringLiteral("programa"))};
    }

    ClienteServico cliente(const ServidorTeste& s, int tempoLimiteMs = 5000) {
        return ClienteServico({s.endereco(), tempoLimiteMs});
    }

    QByteArray lido(const char* nome) const {
        QFile f(pasta.filePath(QStringLiteral("dados/")) + QLatin1StringView(nome));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    // The failure of a flow download, or a failed test when it succeeds.
    ErroServico falha(ClienteServico& c) {
        try {
            baixarVazoes(c.requisicao(), QStringLiteral("56110005"), pastas);
        } catch (const ErroServico& e) {
            EXPECT_EQ(e.mensagem(), mensagemFalhaConexao());
            return e;
        }
        ADD_FAILURE() << "a requisição não falhou";
        return ErroServico({}, {});
    }

    QTemporaryDir pasta;
    PastasServico pastas;
};

TEST_F(ClienteServicoTeste, EstacaoComDoisNiveis) {
    const QByteArray corpo = respostaVazoes(
        56110005, {{1, QDate(1990, 1, 1), diaSimples},
                   {2, QDate(1990, 1, 1), [](int d) -> std::optional<double> { return d * 2.0; }},
                   {1, QDate(1990, 2, 1), diaSimples},
                   {2, QDate(1990, 2, 1), diaSimples}});
    ServidorTeste s([&](const QByteArray&) { return RespostaHttp{200, "OK", corpo}; });
    ClienteServico c = cliente(s);
    const VazoesBaixadas v = baixarVazoes(c.requisicao(), QStringLiteral("56110005"), pastas);
    ASSERT_EQ(s.pedidos.size(), 1);
    EXPECT_EQ(s.pedidos[0], "/fcthservices/mma.asmx/Vazoes?iEstacao=56110005&strDataInicial=1/"
                            "1800&strDataFinal=12/2050");
    EXPECT_EQ(lido("UltimaEstacao.xml"), corpo);
    EXPECT_EQ(v.linhasResposta, 4);
    ASSERT_EQ(v.importacao.serie.tamanho(), 2);
    EXPECT_EQ(v.importacao.nivelConsistencia, 2);
    EXPECT_EQ(v.importacao.serie[0].vazao[30], 62.0);
    EXPECT_EQ(v.importacao.serie[1].vazao[0], 1.5);
    EXPECT_FALSE(v.importacao.serie[1].vazao[12]);
    EXPECT_EQ(v.importacao.serie[1].registroId, 4);
}

TEST_F(ClienteServicoTeste, SerieVaziaERecusaNaoSaoFalhas) {
    for (const QByteArray& corpo :
         {QByteArray("<?xml version=\"1.0\"?><DataTable xmlns=\"http://MRCS/\" />"),
          kRespostaRecusa}) {
        ServidorTeste s([&](const QByteArray&) { return RespostaHttp{200, "OK", corpo}; });
        ClienteServico c = cliente(s);
        const VazoesBaixadas v = baixarVazoes(c.requisicao(), QStringLiteral("1"), pastas);
        EXPECT_TRUE(v.importacao.serie.vazia());
        EXPECT_EQ(v.recusa.has_value(), corpo == kRespostaRecusa);
    }
}

TEST_F(ClienteServicoTeste, CorpoMalFormado) {
    ServidorTeste s([](const QByteArray&) {
        return RespostaHttp{200, "OK", "<DataTable><SerieHistorica><Vazao01>1</Vazao02>"};
    });
    ClienteServico c = cliente(s);
    try {
        baixarVazoes(c.requisicao(), QStringLiteral("1"), pastas);
        ADD_FAILURE();
    } catch (const ErroConversaoServico& e) {
        EXPECT_EQ(e.mensagem(),
                  QStringLiteral("Ocorreu um erro converter dados para a Estrutura do Corvel 1.0"));
        EXPECT_TRUE(e.causa().startsWith(QStringLiteral("XML inválido (linha 1, coluna ")))
            << e.causa().toStdString();
    }
    // What the service said is kept all the same.
    EXPECT_EQ(lido("UltimaEstacao.xml"), "<DataTable><SerieHistorica><Vazao01>1</Vazao02>");
}

TEST_F(ClienteServicoTeste, StatusDeErro) {
    ServidorTeste s([](const QByteArray&) {
        return RespostaHttp{500, "Internal Server Error", "<erro/>"};
    });
    ClienteServico c = cliente(s);
    EXPECT_EQ(falha(c).causa(), QStringLiteral("HTTP 500 Internal Server Error"));
    EXPECT_FALSE(QFile::exists(pasta.filePath(QStringLiteral("dados/UltimaEstacao.xml"))));

    // Success is the status code, not the words after it.
    ServidorTeste semFrase([](const QByteArray&) {
        return RespostaHttp{200, "Tudo certo", "<DataTable/>"};
    });
    ClienteServico c2 = cliente(semFrase);
    EXPECT_NO_THROW(baixarVazoes(c2.requisicao(), QStringLiteral("1"), pastas));
}

TEST_F(ClienteServicoTeste, ServidorQueNuncaResponde) {
    ServidorTeste s([](const QByteArray&) {
        RespostaHttp r;
        r.semResposta = true;
        return r;
    });
    ClienteServico c = cliente(s, 300);
    EXPECT_EQ(falha(c).causa(), QStringLiteral("o servidor não respondeu em 0,3 s"));
}

TEST_F(ClienteServicoTeste, SemServidor) {
    quint16 porta;
    {
        ServidorTeste s([](const QByteArray&) { return RespostaHttp{}; });
        porta = QUrl(s.endereco()).port();
    }
    ClienteServico c({QStringLiteral("http://127.0.0.1:%1").arg(porta), 5000});
    EXPECT_FALSE(falha(c).causa().isEmpty());
    ClienteServico ruim({QStringLiteral("ftp://127.0.0.1"), 5000});
    EXPECT_EQ(falha(ruim).causa(), QStringLiteral("endereço do serviço inválido: ftp://127.0.0.1"));
}

TEST_F(ClienteServicoTeste, Https) {
    const QByteArray corpo = respostaVazoes(7, {{2, QDate(2000, 1, 1), diaSimples}});
    ServidorTeste s([&](const QByteArray&) { return RespostaHttp{200, "OK", corpo}; }, true);
    ASSERT_TRUE(s.endereco().startsWith(QStringLiteral("https://")));
    // A certificate nobody vouches for is refused...
    ClienteServico c = cliente(s);
    EXPECT_FALSE(falha(c).causa().isEmpty());
    // ... and accepted once its authority is trusted.
    const QSslConfiguration antes = QSslConfiguration::defaultConfiguration();
    QSslConfiguration confia = antes;
    confia.addCaCertificate(ServidorTeste::certificado());
    QSslConfiguration::setDefaultConfiguration(confia);
    ClienteServico confiante = cliente(s);
    const VazoesBaixadas v = baixarVazoes(confiante.requisicao(), QStringLiteral("7"), pastas);
    QSslConfiguration::setDefaultConfiguration(antes);
    EXPECT_EQ(v.importacao.serie.tamanho(), 1);
}

TEST_F(ClienteServicoTeste, AtualizarListaDeEstacoes) {
    const QByteArray corpo = respostaLista(
        {{"10100000", "RIO PRETO", "-14.7", "-47.5"}, {"10200000", "RIO AZUL", "-15", "-48"}});
    ServidorTeste s([&](const QByteArray&) { return RespostaHttp{200, "OK", corpo}; });
    ClienteServico c = cliente(s);
    const Tabela lista = atualizarListaEstacoes(c.requisicao(), pastas);
    EXPECT_EQ(s.pedidos, QList<QByteArray>{"/fcthservices/mma.asmx/EstacaoLista?iBacia=0&iSubBacia="
                                           "0&iEntidade=0&iRio=0&iEstado=0&iMunicipio=0&iTipo=1"});
    EXPECT_EQ(lido("EstacaoLista.xml"), corpo);
    EXPECT_EQ(lerTabela(pasta.filePath(QStringLiteral("dados/EstacaoListaCorvel1_0.xml"))), lista);
    ASSERT_EQ(lista.linhas(), 2);
    EXPECT_EQ(lista.texto(1, 1), QStringLiteral("RIO AZUL"));

    // An answer without stations leaves the list as it was.
    ServidorTeste vazio([](const QByteArray&) { return RespostaHttp{200, "OK", kRespostaRecusa}; });
    ClienteServico c2 = cliente(vazio);
    EXPECT_THROW(atualizarListaEstacoes(c2.requisicao(), pastas), ErroConversaoServico);
    EXPECT_EQ(lerTabela(pasta.filePath(QStringLiteral("dados/EstacaoListaCorvel1_0.xml"))), lista);

    ServidorTeste fora([](const QByteArray&) {
        return RespostaHttp{503, "Service Unavailable", {}};
    });
    ClienteServico c3 = cliente(fora);
    try {
        atualizarListaEstacoes(c3.requisicao(), pastas);
        ADD_FAILURE();
    } catch (const ErroServico& e) {
        EXPECT_EQ(e.mensagem(),
                  QStringLiteral("Ocorreu um erro: Verifique se sua conexão com a Internet está "
                                 "configurada corretamente. Ou tente mais tarde  caso Servidor "
                                 "esteja indisponível no momento."));
        EXPECT_EQ(e.causa(), QStringLiteral("HTTP 503 Service Unavailable"));
    }
}

TEST_F(ClienteServicoTeste, TransformacaoDoUsuarioAntesDaDoPrograma) {
    // A service that renamed its rows: a new file in the user's folder, no new program.
    QFile f(pasta.filePath(QStringLiteral("dados/TODP.xtr")));
    f.open(QIODevice::WriteOnly);
    f.write(R"(<mapeamento versao="1"><linha elemento="Mes"/>
        <campo nome="NivelConsistencia" tipo="inteiro" tamanho="2" atributo="nivel"/>
        <campo nome="Data" tipo="data" atributo="data"/>)" +
            [] {
                QByteArray c;
                for (int d = 1; d <= 31; ++d)
                    c += "<campo nome=\"Vazao" + QByteArray::number(d).rightJustified(2, '0') +
                         "\" tipo=\"real\" elemento=\"d" + QByteArray::number(d) + "\"/>";
                return c;
            }() +
            "</mapeamento>");
    f.close();
    ServidorTeste s([](const QByteArray&) {
        return RespostaHttp{200, "OK",
                            "<r><Mes nivel=\"2\" data=\"2001-05-01\"><d3>4.5</d3></Mes></r>"};
    });
    ClienteServico c = cliente(s);
    const VazoesBaixadas v = baixarVazoes(c.requisicao(), QStringLiteral("9"), pastas);
    ASSERT_EQ(v.importacao.serie.tamanho(), 1);
    EXPECT_EQ(v.importacao.serie[0].data, QDate(2001, 5, 1));
    EXPECT_EQ(v.importacao.serie[0].vazao[2], 4.5);

    // Without any transformation file the answer cannot be converted.
    QFile::remove(pasta.filePath(QStringLiteral("dados/TODP.xtr")));
    QFile::remove(pasta.filePath(QStringLiteral("programa/TODP.xtr")));
    try {
        baixarVazoes(c.requisicao(), QStringLiteral("9"), pastas);
        ADD_FAILURE();
    } catch (const ErroConversaoServico& e) {
        EXPECT_EQ(e.causa(),
                  QStringLiteral("O arquivo de transformação \"TODP.xtr\" não foi encontrado."));
    }
}

TEST(ConfiguracaoServico, VariavelDeAmbienteDepoisArquivoDepoisPadrao) {
    QTemporaryDir pasta;
    qunsetenv("CORVEL_SERVICO");
    EXPECT_EQ(lerConfiguracaoServico(pasta.path()).endereco,
              QStringLiteral("http://servicos.vidara.gov.br"));
    EXPECT_EQ(lerConfiguracaoServico(pasta.path()).tempoLimiteMs, 60000);
    QFile ini(pasta.filePath(QStringLiteral("Corvel.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write("[Webservice]\nEndereco=https://espelho.exemplo:8443/base/\nTempoLimite=15\n");
    ini.close();
    EXPECT_EQ(lerConfiguracaoServico(pasta.path()).endereco,
              QStringLiteral("https://espelho.exemplo:8443/base/"));
    EXPECT_EQ(lerConfiguracaoServico(pasta.path()).tempoLimiteMs, 15000);
    qputenv("CORVEL_SERVICO", "http://127.0.0.1:1");
    EXPECT_EQ(lerConfiguracaoServico(pasta.path()).endereco, QStringLiteral("http://127.0.0.1:1"));
    qunsetenv("CORVEL_SERVICO");
    EXPECT_EQ(ClienteServico({QStringLiteral("https://h/base/"), 1}).url(QStringLiteral("/x?y=1")),
              QStringLiteral("https://h/base/x?y=1"));
}

} // namespace
