// corvel-cli preprocessar as a script calls it: the rule and the close applied to the project
// file, the failure report printed, and the exit codes of bad usage and bad input.
#include "core/projeto.h"
#include "execucao.h"
#include "preprocess/series.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::Execucao;

Execucao preprocessar(const QStringList& argumentos) {
    return teste::subcomando("preprocessar", argumentos);
}

TEST(CorvelCliPreprocessar, RegraAnualComInicioEmOutubroGravaOProjetoEMostraORelatorio) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("estacao.cvl"));
    // 1975/1976 misses 37 days (10,1 %), 1977/1978 misses 36 (9,9 %).
    gravarProjeto(arquivo, teste::serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1),
                                                 {{QDate(1976, 1, 1), 31},
                                                  {QDate(1976, 2, 1), 6},
                                                  {QDate(1978, 1, 1), 31},
                                                  {QDate(1978, 2, 1), 5}}));
    const Execucao r = preprocessar({arquivo, QStringLiteral("--regra"), QStringLiteral("anual:10"),
                                     QStringLiteral("--inicio-ano"), QStringLiteral("outubro")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const QStringList linhas = r.saida.split(u'\n');
    ASSERT_EQ(linhas.size(), 24) << r.saida.toStdString(); // 23 lines and the final newline
    EXPECT_EQ(linhas[1], QStringLiteral("Arquivo: estacao.cvl"));
    EXPECT_EQ(linhas[4], QStringLiteral("Início do Ano Hidrológico: Outubro"));
    EXPECT_EQ(linhas[6], QStringLiteral("* Foram descartados anos com 10% de falhas"));
    EXPECT_EQ(linhas[8], QStringLiteral("    Nº de anos analisados:  10"));
    EXPECT_EQ(linhas[12], QStringLiteral("    Nº de anos descartados:  1"));
    EXPECT_EQ(linhas[18], QStringLiteral("    Nº de meses descartados:  12"));
    EXPECT_TRUE(linhas[22].startsWith(QStringLiteral("*** Esses números não incluem")));

    const SerieTabela s = lerProjeto(arquivo);
    EXPECT_EQ(s[0].vazao03Status, 810);
    for (qsizetype i = 0; i < s.tamanho(); ++i) {
        const QDate m = s[i].data;
        const bool descartado = m < QDate(1970, 10, 1) || m >= QDate(1980, 10, 1) ||
                                (m >= QDate(1975, 10, 1) && m < QDate(1976, 10, 1));
        // January 1978 has no valid day: its year is kept, the month stays without data.
        const qint16 esperado = descartado               ? kDescartado
                                : m == QDate(1978, 1, 1) ? kSemDados
                                                         : kConsiderado;
        EXPECT_EQ(s[i].vazao01Status, esperado) << m.toString().toStdString();
        EXPECT_EQ(s[i].vazao02Status, 10);
    }
}

TEST(CorvelCliPreprocessar, UsoErradoSai2EEntradaRuimSai1) {
    QTemporaryDir pasta;
    const QString doze = pasta.filePath(QStringLiteral("doze.cvl"));
    gravarProjeto(doze, teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 12, 1)));
    const QString regra = QStringLiteral("--regra");
    const QList<QStringList> usos = {
        {doze},
        {regra, QStringLiteral("meses")},
        {doze, regra, QStringLiteral("todos")},
        {doze, regra, QStringLiteral("mensal:0")},
        {doze, regra, QStringLiteral("anual:100")},
        {doze, regra, QStringLiteral("mensal:dez")},
        {doze, regra, QStringLiteral("meses"), QStringLiteral("--inicio-ano"),
         QStringLiteral("13")},
        {doze, regra},
    };
    for (const QStringList& a : usos) {
        const Execucao r = preprocessar(a);
        EXPECT_EQ(r.codigo, 2) << a.join(u' ').toStdString();
        EXPECT_TRUE(r.erro.contains(QStringLiteral("uso: corvel-cli preprocessar")));
    }

    const QString onze = pasta.filePath(QStringLiteral("onze.cvl"));
    gravarProjeto(onze, teste::serieComFalhas(QDate(1990, 1, 1), QDate(1990, 11, 1)));
    const Execucao r = preprocessar({onze, regra, QStringLiteral("original")});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.erro,
              QStringLiteral("corvel-cli preprocessar: Nenhuma base de dados aberta ou o número de "
                             "registros é insuficiente.\n"));
    EXPECT_EQ(lerProjeto(onze)[0].vazao03Status, 0); // untouched

    const Execucao ajuda = preprocessar({QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith(QStringLiteral("uso: corvel-cli preprocessar")));
}

} // namespace
