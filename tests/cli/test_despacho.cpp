// The dispatch of corvel-cli: every kind of failure of a subcommand becomes an exit code and one
// line, after whatever the subcommand had already written.
#include "despacho.h"

#include "core/erros.h"
#include "impressao_qt.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

using namespace corvel;
using namespace corvel::cli;

namespace {

int escreveELanca(const QStringList& argumentos, QTextStream& saida) {
    saida << "linha já calculada\n";
    const QString tipo = argumentos.value(0);
    if (tipo == u"erro") throw Erro(QStringLiteral("Ocorreu um erro.\nSegunda linha."));
    if (tipo == u"memoria") throw std::bad_alloc();
    if (tipo == u"padrao") throw std::runtime_error("vetor\nfora da faixa");
    if (tipo == u"uso") throw ErroUso{QStringLiteral("falta o arquivo")};
    if (tipo == u"outro") throw 42;
    return 0;
}

const Subcomando kTabela[] = {
    {"teste", "um subcomando de teste", "uso: corvel-cli teste TIPO\n", escreveELanca}};

struct Execucao {
    int codigo;
    QString saida, erros;
};

Execucao executar(const QStringList& argumentos) {
    QBuffer saida, erros;
    saida.open(QIODevice::WriteOnly);
    erros.open(QIODevice::WriteOnly);
    const int codigo = executarLinhaDeComando(argumentos, kTabela, saida, erros);
    return {codigo, QString::fromUtf8(saida.data()), QString::fromUtf8(erros.data())};
}

TEST(DespachoCli, CadaFalhaViraCodigoDeSaidaEUmaLinhaDepoisDoQueJaFoiEscrito) {
    const struct {
        const char* tipo;
        int codigo;
        const char* erros;
    } casos[] = {
        {"nada", 0, ""},
        {"erro", 1, "corvel-cli teste: Ocorreu um erro. Segunda linha.\n"},
        {"memoria", 1, "corvel-cli teste: memória insuficiente para concluir o comando\n"},
        {"padrao", 1, "corvel-cli teste: erro inesperado: vetor fora da faixa\n"},
        {"outro", 1, "corvel-cli teste: erro inesperado\n"},
        {"uso", 2, "corvel-cli teste: falta o arquivo\nuso: corvel-cli teste TIPO\n"},
    };
    for (const auto& c : casos) {
        const Execucao e = executar({QStringLiteral("teste"), QString::fromLatin1(c.tipo)});
        EXPECT_EQ(e.codigo, c.codigo) << c.tipo;
        EXPECT_EQ(e.saida, QStringLiteral("linha já calculada\n")) << c.tipo;
        EXPECT_EQ(e.erros, QString::fromUtf8(c.erros)) << c.tipo;
    }
}

TEST(DespachoCli, AjudaESubcomandoDesconhecido) {
    const Execucao ajuda = executar({QStringLiteral("teste"), QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_EQ(ajuda.saida, QStringLiteral("uso: corvel-cli teste TIPO\n"));
    const Execucao desconhecido = executar({QStringLiteral("outro")});
    EXPECT_EQ(desconhecido.codigo, 2);
    EXPECT_TRUE(desconhecido.erros.startsWith(
        QStringLiteral("corvel-cli: subcomando desconhecido: outro\n")));
    EXPECT_TRUE(desconhecido.erros.contains(
        QStringLiteral("  teste             um subcomando de teste\n")));
    EXPECT_EQ(executar({}).codigo, 2);
}

} // namespace
