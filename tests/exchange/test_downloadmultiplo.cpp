// Many stations into one folder over a loopback server: the files, the log and its file, a station
// without data, a cancel, and failures that stop the download.
#include "respostasservico.h"
#include "servidorteste.h"

#include "core/projeto.h"
#include "exchange/clienteservico.h"
#include "exchange/downloadmultiplo.h"

#include "impressao_qt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvel;
using namespace corvel::teste;

namespace {

class Multiplo : public ::testing::Test {
  protected:
    Multiplo()
        : servidor([this](const QByteArray& caminho) { return atender(caminho); }),
          cliente({servidor.endereco(), 5000}),
          bancada(QStringLiteral(CORVEL_RESOURCES), pasta.filePath(QStringLiteral("dados"))) {
        destino = pasta.filePath(QStringLiteral("destino"));
        QDir().mkpath(destino);
    }

    // Station 2 has no data; 9 answers an error status; the others one month of 1999 each.
    RespostaHttp atender(const QByteArray& caminho) {
        const QByteArray codigo = caminho.mid(caminho.indexOf('=') + 1).split('&').first();
        if (codigo == "2") return {200, "OK", "<DataTable xmlns=\"http://MRCS/\"/>"};
        if (codigo == "9") return {500, "Internal Server Error", {}};
        if (codigo == "8") return {200, "OK", "<DataTable><SerieHistorica>"};
        return {200, "OK", respostaVazoes(codigo.toInt(), {{2, QDate(1999, 3, 1), [](int d) {
                                                                return std::optional<double>(d);
                                                            }}})};
    }

    QString arquivo(const char* nome) const {
        return QDir(destino).filePath(QString::fromLatin1(nome));
    }

    QByteArray relatorio() const {
        QFile f(arquivo("RelatorioDeImportacao.txt"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    QTemporaryDir pasta;
    QString destino;
    ServidorTeste servidor;
    ClienteServico cliente;
    Bancada bancada;
};

TEST_F(Multiplo, EstacaoSemDadosNaoImpedeAsSeguintes) {
    DownloadMultiplo d(bancada, destino,
                       {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                       PastasServico::de(bancada));
    std::vector<qsizetype> antes;
    std::vector<SituacaoEstacao> depois;
    const auto ultima = d.executar(
        cliente.requisicao(), [&](qsizetype i) { antes.push_back(i); },
        [&](const EstacaoBaixada& e) { depois.push_back(e.situacao); });
    d.concluir();
    EXPECT_EQ(antes, (std::vector<qsizetype>{0, 1, 2}));
    EXPECT_EQ(depois,
              (std::vector<SituacaoEstacao>{SituacaoEstacao::Copiada, SituacaoEstacao::NaoCopiada,
                                            SituacaoEstacao::Copiada}));
    ASSERT_TRUE(ultima);
    EXPECT_EQ(ultima->arquivo, arquivo("3.cvl"));
    EXPECT_EQ(servidor.pedidos.size(), 3);
    const QStringList esperado = {
        QStringLiteral("Destino:"),
        QDir::toNativeSeparators(destino),
        QStringLiteral("Estação 1: 1 registro(s) encontrado(s)."),
        QStringLiteral("Estação 1: Foi copiada com sucesso."),
        QStringLiteral("Estação 2: 0 registro(s) encontrado(s)."),
        QStringLiteral("Estação 2: Não foi copiada."),
        QStringLiteral("Estação 3: 1 registro(s) encontrado(s)."),
        QStringLiteral("Estação 3: Foi copiada com sucesso."),
    };
    EXPECT_EQ(d.log(), esperado + QStringList{QStringLiteral("Concluído")});
    // The file holds the lines before "Concluído", in Windows-1252 with CR LF.
    EXPECT_EQ(relatorio(), QByteArray("Destino:\r\n") +
                               QDir::toNativeSeparators(destino).toLocal8Bit() +
                               "\r\nEsta\xe7\xe3o 1: 1 registro(s) encontrado(s).\r\n"
                               "Esta\xe7\xe3o 1: Foi copiada com sucesso.\r\n"
                               "Esta\xe7\xe3o 2: 0 registro(s) encontrado(s).\r\n"
                               "Esta\xe7\xe3o 2: N\xe3o foi copiada.\r\n"
                               "Esta\xe7\xe3o 3: 1 registro(s) encontrado(s).\r\n"
                               "Esta\xe7\xe3o 3: Foi copiada com sucesso.\r\n");
    EXPECT_TRUE(QFile::exists(arquivo("1.cvl")));
    EXPECT_FALSE(QFile::exists(arquivo("2.cvl")));
    // The last station is the open project, a whole year of March 1999's station.
    EXPECT_EQ(bancada.arquivoProjeto, arquivo("3.cvl"));
    ASSERT_EQ(bancada.serie.tamanho(), 12);
    EXPECT_EQ(bancada.serie[2].vazao[30], 31.0);
    EXPECT_EQ(lerArquivoProjeto(arquivo("1.cvl"))[0].estacaoCodigo, 1);
}

TEST_F(Multiplo, CancelarTerminaDepoisDaEstacaoEmCursoEGuardaORelatorio) {
    DownloadMultiplo d(bancada, destino,
                       {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")},
                       PastasServico::de(bancada));
    d.executar(cliente.requisicao(), [&](qsizetype i) {
        if (i == 1) d.cancelar(); // clicked while the second station is on its way
    });
    d.concluir();
    EXPECT_EQ(servidor.pedidos.size(), 2);
    EXPECT_EQ(d.log().mid(2),
              (QStringList{QStringLiteral("Estação 1: 1 registro(s) encontrado(s)."),
                           QStringLiteral("Estação 1: Foi copiada com sucesso."),
                           QStringLiteral("Ação cancelada pelo usuário."),
                           QStringLiteral("Cancelando..."),
                           QStringLiteral("Estação 3: 1 registro(s) encontrado(s)."),
                           QStringLiteral("Estação 3: Foi copiada com sucesso."),
                           QStringLiteral("Concluído")}));
    EXPECT_TRUE(relatorio().contains("A\xe7\xe3o cancelada pelo usu\xe1rio.\r\nCancelando...\r\n"));
    EXPECT_FALSE(QFile::exists(arquivo("4.cvl")));
    EXPECT_EQ(bancada.arquivoProjeto, arquivo("3.cvl"));
}

TEST_F(Multiplo, FalhaDeConexaoOuDeConversaoInterrompe) {
    for (const char* falho : {"9", "8"}) {
        bancada.fechar();
        DownloadMultiplo d(bancada, destino,
                           {QStringLiteral("1"), QString::fromLatin1(falho), QStringLiteral("3")},
                           PastasServico::de(bancada));
        servidor.pedidos.clear();
        const auto ultima = d.executar(cliente.requisicao());
        ASSERT_TRUE(ultima);
        EXPECT_EQ(servidor.pedidos.size(), 2);
        const bool conexao = QByteArray(falho) == "9";
        EXPECT_EQ(ultima->situacao,
                  conexao ? SituacaoEstacao::FalhaConexao : SituacaoEstacao::FalhaConversao);
        EXPECT_EQ(ultima->mensagem,
                  conexao ? mensagemFalhaConexao()
                          : QStringLiteral("Ocorreu um erro converter dados para a Estrutura do "
                                           "Corvel 1.0"));
        EXPECT_EQ(d.log()[4],
                  QStringLiteral("Estação %1: ").arg(QLatin1StringView(falho)) +
                      (conexao ? QStringLiteral("falha de conexão; importação interrompida.")
                               : QStringLiteral("erro ao converter os dados; importação "
                                                "interrompida.")));
        EXPECT_EQ(d.log()[5], conexao ? QStringLiteral("  HTTP 500 Internal Server Error")
                                      : QStringLiteral("  XML inválido (linha 1, coluna 27): "
                                                       "Premature end of document."));
        // The station before the failure is saved; the failed one leaves no project open.
        EXPECT_EQ(lerArquivoProjeto(arquivo("1.cvl"))[0].estacaoCodigo, 1);
        EXPECT_FALSE(bancada.serie.ativa());
        EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
        d.concluir();
        EXPECT_TRUE(relatorio().endsWith(d.log()[5].toLatin1() + "\r\n"));
    }
}

TEST(TextosDoDownload, RotulosPastaETitulo) {
    EXPECT_EQ(textoEstacaoEmCurso(QStringLiteral("56110005")),
              QStringLiteral("Baixando a estação:56110005"));
    EXPECT_EQ(textoContagemDownload(3, 12),
              QStringLiteral("Baixando a 3ª estação de uma lista de 12 estações."));
    EXPECT_EQ(tituloWebservice(), QStringLiteral("Webservice"));
    EXPECT_EQ(tituloWebservice(QStringLiteral("/dados/1.cvl")),
              QStringLiteral("Webservice (") +
                  QDir::toNativeSeparators(QStringLiteral("/dados/1.cvl")) + u')');
    EXPECT_EQ(pastaDestino(QStringLiteral("/dados"), QString()), QStringLiteral("/dados"));
    EXPECT_EQ(pastaDestino(QStringLiteral("/dados"), QStringLiteral(" Rio Doce ")),
              QStringLiteral("/dados/Rio Doce"));
    EXPECT_EQ(pastaDestino(QStringLiteral("/"), QStringLiteral("novas")), QStringLiteral("/novas"));
    EXPECT_EQ(perguntaPastaExistente(QStringLiteral("/dados")),
              QDir::toNativeSeparators(QStringLiteral("/dados")) +
                  QStringLiteral("\nUma pasta com esse nome já existe. Se houver arquivos de "
                                 "mesmo nome eles serão sobreescritos. Deseja continuar?"));
}

} // namespace
