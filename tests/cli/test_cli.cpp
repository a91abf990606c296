// corvel-cli as a script would call it: output, exit codes and one-line errors; and the sample
// project's generator, which must reproduce the committed files.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Execucao {
    int codigo = -1;
    QString saida, erro;
};

Execucao executar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Execucao cli(const QStringList& argumentos) { return executar(QStringLiteral(CORVEL_CLI), argumentos); }

QString exemplo() { return QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl"); }

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
        EXPECT_TRUE(linhas.contains(QString::fromUtf8(esperada))) << esperada << "\n" << r.saida.toStdString();
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
    EXPECT_EQ(r.erro, QStringLiteral("corvel-cli info: O arquivo \"ruim.cvl\" não é uma tabela do Corvel.\n"));
    EXPECT_TRUE(r.saida.isEmpty());

    const Execucao xml = cli({QStringLiteral("info"), pasta.filePath(QStringLiteral("serie.xml"))});
    EXPECT_EQ(xml.codigo, 1);
    EXPECT_EQ(xml.erro, QStringLiteral("corvel-cli info: Este não é um arquivo de projeto do Corvel 1.0\n"));

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
        const QByteArray gerado = conteudo(QDir(pasta.path()).filePath(QString::fromLatin1(arquivo)));
        EXPECT_FALSE(gerado.isEmpty()) << arquivo;
        EXPECT_EQ(gerado, conteudo(QDir(QStringLiteral(CORVEL_RESOURCES)).filePath(QString::fromLatin1(arquivo))))
            << arquivo << ": run gerar-exemplo resources/ after changing the generator";
    }
}

} // namespace
