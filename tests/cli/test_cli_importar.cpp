// corvel-cli importar on Access databases and São Paulo files: the station list, the default and
// chosen station, the project written, and the refusals with their exit codes.
#include "core/projeto.h"
#include "execucao.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

Saida cli(const QStringList& argumentos, const QString& pasta) {
    return teste::subcomando("importar", argumentos, pasta);
}

QString mdb(const char* nome) {
    return QStringLiteral(CORVEL_FIXTURES_DIR "/mdb/") + QString::fromLatin1(nome);
}

TEST(CorvelCliImportarAccess, ListaAsEstacoesEImportaAPrimeiraOuAEscolhida) {
    QTemporaryDir pasta;
    const Saida lista =
        cli({mdb("vazoes_tres_estacoes.mdb"), QStringLiteral("--listar")}, pasta.path());
    EXPECT_EQ(lista.codigo, 0);
    EXPECT_EQ(lista.linhas, (QStringList{QStringLiteral("11111111"), QStringLiteral("22222222"),
                                         QStringLiteral("33333333")}));
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::Files).isEmpty());

    const Saida primeira = cli({mdb("vazoes_tres_estacoes.mdb")}, pasta.path());
    EXPECT_EQ(primeira.codigo, 0) << primeira.erro.toStdString();
    EXPECT_EQ(primeira.linhas,
              QStringList{QStringLiteral(
                  "11111111.cvl: estação 11111111, nível 2, Janeiro/2000 a Dezembro/2002, 36 "
                  "meses, 0 duplicados descartados, 12 meses brutos fora do período consistido "
                  "não importados")});
    EXPECT_EQ(primeira.erro,
              QStringLiteral("corvel-cli importar: aviso: o banco de dados tem 3 estações "
                             "(11111111, 22222222, 33333333); importada a primeira, 11111111 "
                             "(escolha outra com --estacao)\n"));

    const Saida brutos =
        cli({mdb("vazoes_tres_estacoes.mdb"), QStringLiteral("--estacao"),
             QStringLiteral("33333333"), QStringLiteral("-o"), QStringLiteral("brutos.cvl")},
            pasta.path());
    EXPECT_EQ(brutos.codigo, 0) << brutos.erro.toStdString();
    EXPECT_TRUE(brutos.erro.isEmpty());
    const SerieTabela s = lerProjeto(pasta.filePath(QStringLiteral("brutos.cvl")));
    ASSERT_EQ(s.tamanho(), 36);
    EXPECT_EQ(s[0].estacaoCodigo, 33333333);
    EXPECT_EQ(s[0].nivelConsistencia, 1);
    EXPECT_EQ(s[0].vazao[0], 3001.01);

    const Saida uma = cli({mdb("vazoes_uma_estacao.mdb")}, pasta.path());
    EXPECT_EQ(uma.codigo, 0);
    EXPECT_TRUE(uma.erro.isEmpty()); // a single station needs no choice
}

TEST(CorvelCliImportarAccess, RecusasNumaLinha) {
    QTemporaryDir pasta;
    struct Caso {
        QStringList argumentos;
        int codigo;
        const char* erro;
    };
    const Caso casos[] = {
        {{mdb("sem_vazoes.mdb")},
         1,
         "corvel-cli importar: Esse não é um Banco de Dados da Vidara para Vazões.\n"},
        {{mdb("vazoes_sem_status.mdb")},
         1,
         // One line: the message's trailing space goes.
         "corvel-cli importar: Banco de Dados corrompido ou de origem não reconhecida.\n"},
        {{mdb("vazoes_tres_estacoes.mdb"), QStringLiteral("--estacao"), QStringLiteral("44")},
         1,
         "corvel-cli importar: a estação 44 não está no banco de dados (estações: 11111111, "
         "22222222, 33333333)\n"},
        {{pasta.filePath(QStringLiteral("ausente.mdb"))},
         1,
         "corvel-cli importar: Erro ao acessar Banco de dados: o arquivo não existe\n"},
    };
    for (const Caso& c : casos) {
        const Saida r = cli(c.argumentos, pasta.path());
        EXPECT_EQ(r.codigo, c.codigo);
        EXPECT_EQ(r.erro, QString::fromUtf8(c.erro));
    }
    for (const QStringList& uso : {QStringList{QStringLiteral("a.txt"), QStringLiteral("--listar")},
                                   QStringList{mdb("vazoes_uma_estacao.mdb"),
                                               QStringLiteral("--estacao"), QStringLiteral("x")},
                                   QStringList{QStringLiteral("--sp"), QStringLiteral("a.txt"),
                                               QStringLiteral("--completar-brutos")},
                                   QStringList{QStringLiteral("--sp")}})
        EXPECT_EQ(cli(uso, pasta.path()).codigo, 2) << uso.join(u' ').toStdString();
}

TEST(CorvelCliImportarSaoPaulo, GravaOProjetoOuDizALinhaDoValorRuim) {
    QTemporaryDir pasta;
    const QString exemplo = QStringLiteral(CORVEL_TEST_DATA "/saopaulo/exemplo.txt");
    const Saida r = cli({QStringLiteral("--sp"), exemplo}, pasta.path());
    EXPECT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_EQ(r.linhas,
              QStringList{QStringLiteral("62345678.cvl: estação 62345678, nível 1, Janeiro/1985 a "
                                         "Dezembro/1985, 12 meses, 0 duplicados descartados")});
    const SerieTabela s = lerProjeto(pasta.filePath(QStringLiteral("62345678.cvl")));
    ASSERT_EQ(s.tamanho(), 12);
    EXPECT_EQ(s[0].vazao[0], 12.5);

    QFile f(exemplo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString ruim = pasta.filePath(QStringLiteral("ruim.txt"));
    QFile g(ruim);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(f.readAll().replace(" 102,25", "  10.2x"));
    g.close();
    const Saida erro = cli({QStringLiteral("--sp"), ruim}, pasta.path());
    EXPECT_EQ(erro.codigo, 1);
    // The line has its spaces collapsed.
    EXPECT_EQ(erro.erro, QStringLiteral("corvel-cli importar: Erro ao importar dados. linha 8: "
                                        "' 10.2x' não é um valor de ponto flutuante válido\n"));
}

TEST(CorvelCliImportarSerieDiaria, GravaOProjetoComOCodigoDadoOuPedeOCodigo) {
    QTemporaryDir pasta;
    const QString serie = QStringLiteral(CORVEL_FIXTURES_DIR "/estiagem/ngaruroro.csv");
    const Saida sem = cli({serie}, pasta.path());
    EXPECT_EQ(sem.codigo, 1);
    EXPECT_TRUE(sem.erro.contains(
        QStringLiteral("é uma série diária (data, vazão): informe o código da estação com --codigo")))
        << sem.erro.toStdString();

    const Saida r = cli({serie, QStringLiteral("--codigo"), QStringLiteral("29201"),
                         QStringLiteral("-o"), QStringLiteral("ngaruroro.cvl")},
                        pasta.path());
    EXPECT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_EQ(r.linhas, QStringList{QStringLiteral(
                            "ngaruroro.cvl: estação 29201, nível 2, Janeiro/1963 a Dezembro/2000, "
                            "456 meses, 0 duplicados descartados")});
    const SerieTabela s = lerProjeto(pasta.filePath(QStringLiteral("ngaruroro.cvl")));
    // The months of 1963 before the record are completed as months without data.
    EXPECT_EQ(s[s.localizar(QDate(1963, 9, 1))].vazao[19], 30.512);
    EXPECT_EQ(s[s.localizar(QDate(1963, 8, 1))].vazao01Status, kSemDados);

    const QString ambigua = pasta.filePath(QStringLiteral("ambigua.csv"));
    QFile f(ambigua);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("data;vazao\n01/01/2000;1,5\n02/01/2000;2.5\n");
    f.close();
    const Saida erro = cli({ambigua, QStringLiteral("--codigo"), QStringLiteral("1")}, pasta.path());
    EXPECT_EQ(erro.codigo, 1);
    EXPECT_EQ(erro.erro, QStringLiteral("corvel-cli importar: Erro ao importar dados. linha 3: "
                                        "marca decimal ambígua: '2.5' usa '.', mas a linha 2 usa "
                                        "','\n"));
    for (const QStringList& uso :
         {QStringList{serie, QStringLiteral("--codigo"), QStringLiteral("0")},
          QStringList{QStringLiteral("--sp"), serie, QStringLiteral("--codigo"), QStringLiteral("1")},
          QStringList{serie, QStringLiteral("--codigo"), QStringLiteral("1"),
                      QStringLiteral("--completar-brutos")}})
        EXPECT_EQ(cli(uso, pasta.path()).codigo, 2) << uso.join(u' ').toStdString();
}

} // namespace
