// The batch writer of result folders: each file replaces its target whole, no temporary file is
// left behind, results are readable by others, and a failure says which file.
#include "core/erros.h"
#include "core/gravacao.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QByteArray ler(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

TEST(GravacaoEmLote, SubstituiSemDeixarTemporariosELiberaALeitura) {
    QTemporaryDir pasta;
    const QString alvo = pasta.filePath(QStringLiteral("minimas.csv"));
    const GravacaoEmLote lote(pasta.path());
    lote.gravar(alvo, "antigo\n");
    lote.gravar(alvo, "novo\n");
    lote.gravar(pasta.filePath(QStringLiteral("maximas.csv")), QByteArray());
    lote.concluir();
    EXPECT_EQ(ler(alvo), QByteArray("novo\n"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("maximas.csv"), QStringLiteral("minimas.csv")}));
    EXPECT_TRUE(QFile(alvo).permissions() & QFile::ReadOther);
}

TEST(GravacaoEmLote, FalhaDizOArquivoEPreservaOAnterior) {
    QTemporaryDir pasta;
    const QString alvo = pasta.filePath(QStringLiteral("estacao/minimas.csv"));
    const GravacaoEmLote lote(pasta.path());
    try {
        lote.gravar(alvo, "x");
        FAIL() << "a missing folder was written to";
    } catch (const ErroArquivo& e) {
        EXPECT_TRUE(e.mensagem().startsWith(
            QStringLiteral("Não foi possível gravar o arquivo \"minimas.csv\"")))
            << e.mensagem().toStdString();
    }
    // A folder where the file should be: the rename fails and the folder stays as it was.
    const QString ocupado = pasta.filePath(QStringLiteral("ocupado"));
    ASSERT_TRUE(QDir().mkpath(ocupado + QStringLiteral("/dentro")));
    EXPECT_THROW(lote.gravar(ocupado, "x"), ErroArquivo);
    EXPECT_TRUE(QDir(ocupado).exists(QStringLiteral("dentro")));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

} // namespace
