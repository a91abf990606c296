// corvel-cli as a script would call it: output, exit codes and one-line errors; and the sample
// project's generator, which must reproduce the committed files.
#include "exchange/importaexcel.h"
#include "execucao.h"
#include "impressao_qt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

// The tests run without an application object: tell the cell reader where its program is.
const bool kLeitorDefinido =
    (corvel::TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA)), true);

using teste::cli;
using teste::Execucao;
using teste::executar;

QString exemplo() {
    return QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl");
}

TEST(CorvelCliInfo, ResumeOProjetoDeExemplo) {
    const Execucao r = cli({QStringLiteral("info"), exemplo()});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_TRUE(r.erro.isEmpty());
    const QStringList linhas = r.saida.split(u'\n', Qt::SkipEmptyParts);
    for (const char* esperada :
         {"Estação: 99990001", "Período: Janeiro/1990 a Dezembro/2023", "Meses: 408",
          "  Inexistente: 3", "Arquivo: 99990001.cvl", "Cód. da Estação: 99990001",
          "Nome da Estação: EXEMPLO SINTÉTICO (DADOS FICTÍCIOS)",
          "Início do Ano Hidrológico: Janeiro"})
        EXPECT_TRUE(linhas.contains(QString::fromUtf8(esperada))) << esperada << "\n"
                                                                  << r.saida.toStdString();
}

TEST(CorvelCliInfo, ErrosNumaLinhaComCodigoDeSaida) {
    QTemporaryDir pasta;
    const QString ruim = pasta.filePath(QStringLiteral("ruim.cvl"));
    QFile f(ruim);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("isto não é um projeto");
    f.close();

    const Execucao r = cli({QStringLiteral("info"), ruim});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.erro, QStringLiteral(
                          "corvel-cli info: O arquivo \"ruim.cvl\" não é uma tabela do Corvel.\n"));
    EXPECT_TRUE(r.saida.isEmpty());

    const Execucao xml = cli({QStringLiteral("info"), pasta.filePath(QStringLiteral("serie.xml"))});
    EXPECT_EQ(xml.codigo, 1);
    EXPECT_EQ(xml.erro,
              QStringLiteral("corvel-cli info: Este não é um arquivo de projeto do Corvel 1.0\n"));

    EXPECT_EQ(cli({QStringLiteral("info")}).codigo, 2);
    EXPECT_EQ(cli({}).codigo, 2);
    EXPECT_EQ(cli({QStringLiteral("inexistente")}).codigo, 2);
    const Execucao ajuda = cli({QStringLiteral("info"), QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith(QStringLiteral("uso: corvel-cli info")));
}

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ProjetoDeExemplo, GeradorReproduzOsArquivosGuardados) {
    QTemporaryDir pasta;
    const Execucao r = executar(QStringLiteral(CORVEL_GERAR_EXEMPLO), {pasta.path()});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    for (const char* arquivo : {"exemplo/99990001.cvl", "EstacaoListaCorvel1_0.xml"}) {
        const QByteArray gerado =
            conteudo(QDir(pasta.path()).filePath(QString::fromLatin1(arquivo)));
        EXPECT_FALSE(gerado.isEmpty()) << arquivo;
        EXPECT_EQ(
            gerado,
            conteudo(QDir(QStringLiteral(CORVEL_RESOURCES)).filePath(QString::fromLatin1(arquivo))))
            << arquivo << ": run gerar-exemplo resources/ after changing the generator";
    }
}

// ---- importar and exportar

QString agencia(const char* nome) {
    return QStringLiteral(CORVEL_TEST_DATA "/agencia/") + QString::fromLatin1(nome);
}

void gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(CorvelCliImportar, GravaOProjetoComOCodigoDaEstacaoESoSubstituiComPermissao) {
    QTemporaryDir pasta;
    const QDir dir(pasta.path());
    ASSERT_TRUE(QFile::copy(agencia("vazoes_novo.csv"), dir.filePath(QStringLiteral("v.csv"))));

    const Execucao r = cli({QStringLiteral("importar"), QStringLiteral("v.csv")}, pasta.path());
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    // The raw rows run from January 1985 to December 1987, the consisted ones from March 1985 to
    // November 1986: January and February 1985, December 1986 and 1987 are left out.
    EXPECT_EQ(r.saida, QStringLiteral("99990002.cvl: estação 99990002, nível 2, Janeiro/1985 a "
                                      "Dezembro/1986, 24 meses, 0 duplicados descartados, 15 meses "
                                      "brutos fora do período consistido não importados\n"));
    const QString projeto = dir.filePath(QStringLiteral("99990002.cvl"));
    const Execucao info = cli({QStringLiteral("info"), projeto});
    EXPECT_TRUE(info.saida.contains(QStringLiteral("\n  Inexistente: 4\n")))
        << info.saida.toStdString();

    const Execucao de_novo =
        cli({QStringLiteral("importar"), QStringLiteral("v.csv")}, pasta.path());
    EXPECT_EQ(de_novo.codigo, 1);
    EXPECT_EQ(de_novo.erro, QStringLiteral("corvel-cli importar: %1 já existe; use --substituir "
                                           "para substituí-lo\n")
                                .arg(QDir::toNativeSeparators(projeto)));
    EXPECT_TRUE(de_novo.saida.isEmpty());
    EXPECT_EQ(
        cli({QStringLiteral("importar"), QStringLiteral("v.csv"), QStringLiteral("--substituir")},
            pasta.path())
            .codigo,
        0);

    // Another extension is replaced by .cvl, as the save dialog does.
    const Execucao outro = cli({QStringLiteral("importar"), agencia("vazoes_antigo.txt"),
                                QStringLiteral("-o"), dir.filePath(QStringLiteral("outro.txt"))});
    EXPECT_EQ(outro.codigo, 0) << outro.erro.toStdString();
    EXPECT_TRUE(outro.saida.startsWith(QStringLiteral("outro.cvl: estação 99990002, nível 2,")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("outro.cvl"))));
}

TEST(CorvelCliImportar, ErrosNumaLinhaENenhumProjetoGravado) {
    QTemporaryDir pasta;
    const QDir dir(pasta.path());
    gravar(dir.filePath(QStringLiteral("dados.xml")), "");
    gravar(dir.filePath(QStringLiteral("so.txt")), "//  Vidara\r\n\r\n//  Esta\xe7\xe3o\r\n");
    QByteArray ruim = "12345678;2;01/03/1990;;;;;;;;;;;;;;12.5;";
    ruim += QByteArray(61, ';') + "\r\n";
    gravar(dir.filePath(QStringLiteral("ruim.txt")), "//\r\n" + ruim);
    struct Caso {
        QStringList argumentos;
        int codigo;
        const char* erro; // whole text, or the start of the help for bad usage
    };
    const Caso casos[] = {
        {{QStringLiteral("dados.xml")}, 1, "corvel-cli importar: Arquivo inválido.\n"},
        {{QStringLiteral("so.txt")},
         1,
         "corvel-cli importar: Verifique se esse arquivo foi baixado do site da Vidara, ou se tem "
         "a estrutura adequada. Ação abortada.\n"},
        {{QStringLiteral("ruim.txt")},
         1,
         "corvel-cli importar: Erro ao importar dados. linha 2: '12.5' não é um valor de ponto "
         "flutuante válido\n"},
        {{QStringLiteral("ausente.txt")}, 1, "corvel-cli importar: Erro ao importar dados. "},
        {{}, 2, "corvel-cli importar: informe o arquivo"},
        {{QStringLiteral("a.txt"), QStringLiteral("b.txt")}, 2, "corvel-cli importar: argumento"},
        {{QStringLiteral("so.txt"), QStringLiteral("-o")}, 2, "corvel-cli importar: -o pede"},
    };
    for (const Caso& c : casos) {
        const Execucao r =
            cli(QStringList{QStringLiteral("importar")} + c.argumentos, pasta.path());
        EXPECT_EQ(r.codigo, c.codigo) << c.erro;
        EXPECT_TRUE(r.erro.startsWith(QString::fromUtf8(c.erro))) << r.erro.toStdString();
        if (c.codigo == 1) {
            EXPECT_EQ(r.erro.count(u'\n'), 1) << r.erro.toStdString();
        }
        EXPECT_TRUE(r.saida.isEmpty());
    }
    EXPECT_TRUE(dir.entryList({QStringLiteral("*.cvl")}).isEmpty());
    const Execucao ajuda = cli({QStringLiteral("importar"), QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith(QStringLiteral("uso: corvel-cli importar arquivo.txt")));
}

TEST(CorvelCliExportar, CsvETxtDoProjetoImportado) {
    QTemporaryDir pasta;
    const QDir dir(pasta.path());
    ASSERT_EQ(cli({QStringLiteral("importar"), agencia("vazoes_antigo.txt")}, pasta.path()).codigo,
              0);

    const Execucao csv =
        cli({QStringLiteral("exportar"), QStringLiteral("99990002.cvl"), QStringLiteral("--csv"),
             QStringLiteral("-o"), QStringLiteral("s.csv")},
            pasta.path());
    ASSERT_EQ(csv.codigo, 0) << csv.erro.toStdString();
    EXPECT_EQ(csv.saida, QStringLiteral("s.csv: 24 meses\n"));
    const QList<QByteArray> linhas = conteudo(dir.filePath(QStringLiteral("s.csv"))).split('\n');
    ASSERT_EQ(linhas.size(), 26); // header, 24 months, nothing after the last CR LF
    EXPECT_TRUE(linhas[0].startsWith("Registro;Esta\xe7\xe3o;N\xedvel de consist\xeancia (1 ="));
    EXPECT_TRUE(linhas[1].startsWith("58;99990002;2;01/01/1985;-2;1;100;;"))
        << linhas[1].toStdString();
    EXPECT_TRUE(linhas[3].startsWith("37;99990002;2;01/03/1985;0;1;0;62,311;"))
        << linhas[3].toStdString();

    const Execucao txt =
        cli({QStringLiteral("exportar"), QStringLiteral("99990002.cvl"), QStringLiteral("-o"),
             QStringLiteral("s.txt"), QStringLiteral("--txt")},
            pasta.path());
    ASSERT_EQ(txt.codigo, 0) << txt.erro.toStdString();
    EXPECT_TRUE(conteudo(dir.filePath(QStringLiteral("s.txt")))
                    .startsWith("Registro Esta\xe7\xe3o N\xedvel de consist\xeancia (1 = dados"));

    const QStringList deNovo = {QStringLiteral("exportar"), QStringLiteral("99990002.cvl"),
                                QStringLiteral("--csv"), QStringLiteral("-o"),
                                QStringLiteral("s.csv")};
    const Execucao recusa = cli(deNovo, pasta.path());
    EXPECT_EQ(recusa.codigo, 1);
    EXPECT_TRUE(recusa.erro.endsWith(
        QStringLiteral("s.csv já existe; use --substituir para substituí-lo\n")));
    EXPECT_EQ(cli(deNovo + QStringList{QStringLiteral("--substituir")}, pasta.path()).codigo, 0);
}

TEST(CorvelCliExportar, PlanilhaDoProjeto) {
    QTemporaryDir pasta;
    const Execucao r = cli({QStringLiteral("exportar"), exemplo(), QStringLiteral("--xlsx"),
                            QStringLiteral("-o"), QStringLiteral("s.xlsx")},
                           pasta.path());
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    corvel::TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(QDir(pasta.path()).filePath(QStringLiteral("s.xlsx"))));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), QStringLiteral("Mês"));
    EXPECT_EQ(leitor.lerCelula(1, 1, 32), QStringLiteral("Dia 31"));
    EXPECT_EQ(leitor.lerCelula(1, 1, 33),
              std::nullopt); // no import in this run: no situation column
    EXPECT_EQ(leitor.lerCelula(1, 2, 1), QStringLiteral("Janeiro/1990"));
    EXPECT_EQ(leitor.lerNumero(1, 2, 2), 126.99);        // 1 January 1990 of the sample
    EXPECT_EQ(leitor.lerCelula(1, 2, 14), std::nullopt); // 13 January 1990 has no value
    EXPECT_EQ(leitor.lerCelula(1, 2, 15), QStringLiteral("245,68"));
    EXPECT_EQ(leitor.lerCelula(1, 409, 1), QStringLiteral("Dezembro/2023"));
    const Execucao dois = cli({QStringLiteral("exportar"), exemplo(), QStringLiteral("--xlsx"),
                               QStringLiteral("--csv"), QStringLiteral("-o"), QStringLiteral("t")},
                              pasta.path());
    EXPECT_EQ(dois.codigo, 2);
}

TEST(CorvelCliExportar, UsoErrado) {
    QTemporaryDir pasta;
    const QString p = QStringLiteral("p.cvl"), o = QStringLiteral("-o"),
                  s = QStringLiteral("s.csv");
    const std::pair<QStringList, int> casos[] = {
        {{p, o, s}, 2},
        {{p, QStringLiteral("--csv"), QStringLiteral("--txt"), o, s}, 2},
        {{p, QStringLiteral("--csv")}, 2},
        {{QStringLiteral("--csv"), o, s}, 2},
        {{p, QStringLiteral("--csv"), o, s}, 1}, // no such project
    };
    for (const auto& [argumentos, codigo] : casos) {
        const Execucao r = cli(QStringList{QStringLiteral("exportar")} + argumentos, pasta.path());
        EXPECT_EQ(r.codigo, codigo) << argumentos.join(u' ').toStdString();
        EXPECT_TRUE(r.erro.startsWith(QStringLiteral("corvel-cli exportar: ")));
    }
    EXPECT_FALSE(QFile::exists(QDir(pasta.path()).filePath(s)));
}

} // namespace

namespace {

#ifdef Q_OS_UNIX
// corvel-cli exportar with its file size limited to `kb` kilobytes: the system stops the write as
// a full disk would. With SIGXFSZ at its default the process is killed midway; ignored, the write
// fails and the command must say so.
Execucao exportarComLimite(const QStringList& argumentos, int kb, bool morrer) {
    const QString roteiro = QStringLiteral("ulimit -f %1; %2 exec \"$0\" \"$@\"")
                                .arg(kb)
                                .arg(morrer ? QString() : QStringLiteral("trap '' XFSZ;"));
    return executar(QStringLiteral("/bin/sh"),
                    QStringList{QStringLiteral("-c"), roteiro, QStringLiteral(CORVEL_CLI),
                                QStringLiteral("exportar")} +
                        argumentos);
}
#endif

TEST(CorvelCliExportar, DiscoCheioOuProcessoInterrompidoDeixamOArquivoAnteriorIntacto) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "limite de tamanho de arquivo só em sistemas POSIX";
#else
    QTemporaryDir pasta;
    const QByteArray anterior = "exportação anterior, que deve sobreviver\r\n";
    for (const char* formato : {"--csv", "--txt", "--xlsx"}) {
        for (const bool morrer : {false, true}) {
            const QString destino =
                pasta.filePath(QStringLiteral("serie") + QString::fromLatin1(formato + 1));
            QFile f(destino);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(anterior);
            f.close();
            const Execucao r =
                exportarComLimite({exemplo(), QString::fromLatin1(formato), QStringLiteral("-o"),
                                   destino, QStringLiteral("--substituir")},
                                  8, morrer);
            const std::string caso =
                std::string(formato) + (morrer ? " interrompido" : " disco cheio");
            EXPECT_NE(r.codigo, 0) << caso;
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), anterior) << caso;
            f.close();
            if (!morrer) {
                EXPECT_EQ(r.codigo, 1) << caso;
                EXPECT_EQ(r.erro.count(u'\n'), 1) << caso << ": " << r.erro.toStdString();
                EXPECT_TRUE(
                    r.erro.startsWith(QStringLiteral("corvel-cli exportar: ")) &&
                    r.erro.contains(QStringLiteral("Não foi possível gravar o arquivo \"serie")))
                    << caso << ": " << r.erro.toStdString();
                // Nothing of the failed export is left behind.
                EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
                    << caso;
            }
            QDir(pasta.path()).removeRecursively();
            QDir().mkpath(pasta.path());
        }
    }
#endif
}

} // namespace
