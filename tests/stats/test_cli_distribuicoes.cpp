// corvel-cli distribuicoes as a script calls it: the result CSV on stdout, the warnings and the
// best distribution on stderr, exit codes 0, 1 and 2.
#include "amostras.h"
#include "impressao_qt.h"

#include "exchange/windows1252.h"
#include "stats/exportacaodistribuicoes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

struct Execucao {
    int codigo = -1;
    QByteArray saida;
    QString erro;
};

Execucao cli(const QStringList& argumentos) {
    QProcess p;
    p.start(QStringLiteral(CORVEL_CLI), QStringList{QStringLiteral("distribuicoes")} + argumentos);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QString gravar(const QTemporaryDir& pasta, const char* nome, const QByteArray& bytes) {
    const QString caminho = pasta.filePath(QString::fromLatin1(nome));
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return caminho;
}

std::vector<EventoDistribuicao> eventos(const std::vector<double>& valores) {
    std::vector<EventoDistribuicao> r;
    for (std::size_t i = 0; i < valores.size(); ++i)
        r.push_back({QString::number(1971 + i), valores[i]});
    return r;
}

TEST(CorvelCliDistribuicoes, TabelaDoPeriodoEscolhidoComoAExportacao) {
    QTemporaryDir pasta;
    const std::vector<EventoDistribuicao> e = eventos(teste::kMaximas);
    const QString arquivo =
        gravar(pasta, "maximas.csv", codificarWindows1252(textoDadosCsv(e, true)));

    const Execucao r =
        cli({QStringLiteral("--max"), arquivo, QStringLiteral("--periodo"), QStringLiteral("25")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const AnaliseDistribuicoes a = calcularDistribuicoes(e, true, 25);
    EXPECT_EQ(r.saida,
              codificarWindows1252(textoDistribuicoesCsv(linhasDoPeriodoEscolhido(a.linhas))));
    const QList<QByteArray> linhas = r.saida.split('\n');
    ASSERT_EQ(linhas.size(), 7); // header, five distributions, nothing after the last CR LF
    EXPECT_TRUE(linhas[1].startsWith("Gumbel; ")) << linhas[1].toStdString();
    EXPECT_TRUE(linhas[5].startsWith("Lognormal 3; "));

    const QStringList erro = r.erro.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(erro.size(), 3) << r.erro.toStdString();
    EXPECT_TRUE(erro[0].startsWith(QStringLiteral("1) Para a distribuição logpearson 3, ")));
    EXPECT_EQ(erro[1], QStringLiteral("2) Os dados de entrada estão em ordem crescente."));
    EXPECT_TRUE(erro[2].startsWith(QStringLiteral("Melhor distribuição em T = 25 anos: ")));

    const Execucao todos = cli({QStringLiteral("--todos"), QStringLiteral("--max"), arquivo});
    ASSERT_EQ(todos.codigo, 0);
    EXPECT_EQ(todos.saida.count("\r\n"), 1 + 495);
}

TEST(CorvelCliDistribuicoes, ArquivoSimplesDeMinimas) {
    QTemporaryDir pasta;
    const QString arquivo = gravar(pasta, "minimas.txt",
                                   "Ano;Q7\n1990;14,2\n1991;11,8\n1992;\n1993;9,7\n1994;13,5\n"
                                   "1995;15,8\n");
    const Execucao r = cli({QStringLiteral("--min"), arquivo});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_TRUE(r.saida.split('\n')[1].startsWith("Weibull; "));
    EXPECT_TRUE(r.erro.startsWith(QStringLiteral("1 valor(es) ignorado(s)\n")));
}

TEST(CorvelCliDistribuicoes, ErrosEUso) {
    QTemporaryDir pasta;
    const QString maximas = gravar(
        pasta, "maximas.csv", codificarWindows1252(textoDadosCsv(eventos(teste::kMaximas), true)));
    const QString quatro = gravar(pasta, "quatro.csv", "1;1\n2;2\n3;3\n4;5\n");
    const QString ponto = gravar(pasta, "ponto.csv", "1990;12,5\n1991;12.5\n");
    const struct {
        QStringList argumentos;
        int codigo;
        const char* erro; // the first line of stderr
    } casos[] = {
        {{QStringLiteral("--min"), maximas},
         1,
         "corvel-cli distribuicoes: maximas.csv traz eventos máximos; use --max"},
        {{QStringLiteral("--max"), quatro},
         1,
         "corvel-cli distribuicoes: quatro.csv tem 4 evento(s); são necessários pelo menos 5"},
        {{QStringLiteral("--max"), ponto},
         1,
         "corvel-cli distribuicoes: linha 2: '12.5' não é um valor de ponto flutuante válido"},
        {{QStringLiteral("--max"), pasta.filePath(QStringLiteral("nada.csv"))}, 1, nullptr},
        {{maximas}, 2, "corvel-cli distribuicoes: diga o tipo dos eventos: --max ou --min"},
        {{QStringLiteral("--max"), QStringLiteral("--periodo"), QStringLiteral("1"), maximas},
         2,
         "corvel-cli distribuicoes: O período de retorno inválido."},
        {{QStringLiteral("--max"), QStringLiteral("--periodo"), QStringLiteral("dez"), maximas},
         2,
         "corvel-cli distribuicoes: --periodo pede um número inteiro de anos: dez"},
    };
    for (const auto& c : casos) {
        const Execucao r = cli(c.argumentos);
        EXPECT_EQ(r.codigo, c.codigo) << c.argumentos.join(u' ').toStdString();
        EXPECT_TRUE(r.saida.isEmpty());
        if (c.erro) {
            EXPECT_EQ(r.erro.section(u'\n', 0, 0), QString::fromUtf8(c.erro));
        }
        if (c.codigo == 1) {
            EXPECT_EQ(r.erro.count(u'\n'), 1) << r.erro.toStdString();
        }
    }
    const Execucao ajuda = cli({QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith("uso: corvel-cli distribuicoes (--max|--min)"));
}

} // namespace
