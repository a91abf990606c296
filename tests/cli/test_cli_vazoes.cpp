// corvel-cli minimas and maximas on small projects: the annual tables in the windows' export
// layout, the duration and start-month options, the distribution analysis of the annual events,
// and the refusals with their exit codes.
#include "core/construtor.h"
#include "core/projeto.h"
#include "execucao.h"
#include "stats/amostras.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::cli;
using Saida = teste::Execucao;

using Vazao = std::function<std::optional<double>(QDate)>;

QString projeto(const QTemporaryDir& pasta, QDate de, QDate ate, const Vazao& vazao, int inicio,
                const std::function<void(SerieTabela&)>& ajustar = {}) {
    return teste::gravarProjetoDiario(pasta.filePath(QStringLiteral("estacao.cvl")), de, ate, vazao,
                                      inicio, ajustar);
}

// 1990: 5,0 a day but 3,0 from 10 to 16 August and 9,0 on 20 November; 1991: 4,0 a day with a
// zero on 15 May; March 1991 discarded.
std::optional<double> doisAnos(QDate d) {
    if (d.year() == 1990) {
        if (d == QDate(1990, 11, 20)) return 9.0;
        return d >= QDate(1990, 8, 10) && d <= QDate(1990, 8, 16) ? 3.0 : 5.0;
    }
    return d == QDate(1991, 5, 15) ? 0.0 : 4.0;
}

void descartarMarco1991(SerieTabela& s) {
    s.armazenados()[14].vazao01Status = kDescartado;
}

TEST(CorvelCliVazoes, MinimasComDuracaoEInicioDoAno) {
    QTemporaryDir pasta;
    const QString arquivo =
        projeto(pasta, QDate(1990, 1, 1), QDate(1991, 12, 1), doisAnos, 1, descartarMarco1991);
    const Saida s = cli({QStringLiteral("minimas"), arquivo});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas,
              (QStringList{"Ano;Data de início;Vazão Mínima (m³/s);Dias válidos;Dias sinalizados;",
                           "1990/1991;10/08/1990;3,00;365;0;", "1991/1992;09/05/1991;3,43;334;0;"}));

    const Saida um =
        cli({QStringLiteral("minimas"), QStringLiteral("--duracao"), QStringLiteral("1"), arquivo});
    EXPECT_EQ(um.linhas.mid(1),
              (QStringList{"1990/1991;10/08/1990;3,00;365;0;", "1991/1992;15/05/1991;0,00;334;0;"}));

    // From October the first year runs into 1991 and holds the zero; the second holds only
    // October to December 1991.
    const Saida outubro = cli({QStringLiteral("minimas"), arquivo, QStringLiteral("--inicio-ano"),
                               QStringLiteral("outubro")});
    EXPECT_EQ(outubro.linhas.mid(1),
              (QStringList{"1990/1991;09/05/1991;3,43;334;0;", "1991/1992;01/10/1991;4,00;92;0;"}));
}

TEST(CorvelCliVazoes, MaximasNoAnoHidrologicoDoProjeto) {
    QTemporaryDir pasta;
    const QString arquivo =
        projeto(pasta, QDate(1990, 1, 1), QDate(1991, 12, 1), doisAnos, 10, descartarMarco1991);
    const Saida s = cli({QStringLiteral("maximas"), arquivo});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    // Years from the first to the last considered month's year, from October (the project's).
    EXPECT_EQ(s.linhas,
              (QStringList{"Ano;Data;Máximas;Dias válidos;Dias sinalizados;", "1990/1991;20/11/1990;9,00;334;0;",
                           "1991/1992;01/10/1991;4,00;92;0;"}));
    const Saida civil = cli(
        {QStringLiteral("maximas"), QStringLiteral("--inicio-ano"), QStringLiteral("1"), arquivo});
    EXPECT_EQ(civil.linhas.mid(1),
              (QStringList{"1990;20/11/1990;9,00;365;0;", "1991;01/01/1991;4,00;334;0;"}));
}

TEST(CorvelCliVazoes, DistribuicoesDosEventosAnuais) {
    // Thirty years whose 7-day minima and daily maxima are the reference samples of the
    // distribution tests. At T = 10 the narrowest 95 % interval is the two-parameter log-normal's
    // for the minima and the log-Pearson III's for the maxima (standard errors from
    // tests/stats/referencias.py: 0,550 and 119,4, the others larger).
    QTemporaryDir pasta;
    const QString arquivo = projeto(
        pasta, QDate(1970, 1, 1), QDate(1999, 12, 1),
        [](QDate d) -> std::optional<double> {
            const auto i = static_cast<std::size_t>(d.year() - 1970);
            if (d.month() == 8 && d.day() >= 10 && d.day() <= 16) return teste::kMinimas[i];
            return d.month() == 3 && d.day() == 1 ? teste::kMaximas[i] : 50.0;
        },
        1);
    const Saida s = cli({QStringLiteral("minimas"), arquivo, QStringLiteral("--distribuicoes")});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.linhas.size(), 6);
    EXPECT_TRUE(s.linhas[0].startsWith(
        QStringLiteral("Distribuição;  Interv. conf. sup. (95%);  Evento (m³/s);")));
    EXPECT_TRUE(s.linhas[1].startsWith(QStringLiteral("Weibull; ")));
    for (const QString& l : s.linhas.mid(1))
        EXPECT_TRUE(l.contains(QStringLiteral("; 30; ")) && l.contains(QStringLiteral("; 10; 7; ")))
            << l.toStdString();
    EXPECT_TRUE(s.erro.contains(QStringLiteral("Melhor distribuição em T = 10 anos: Lognormal 2")))
        << s.erro.toStdString();

    const Saida t = cli({QStringLiteral("minimas"), arquivo, QStringLiteral("--distribuicoes"),
                         QStringLiteral("--periodo"), QStringLiteral("25")});
    ASSERT_EQ(t.codigo, 0);
    EXPECT_TRUE(t.linhas.value(1).contains(QStringLiteral("; 25; 7; ")));

    const Saida m = cli({QStringLiteral("maximas"), arquivo, QStringLiteral("--distribuicoes")});
    ASSERT_EQ(m.codigo, 0) << m.erro.toStdString();
    EXPECT_TRUE(m.linhas.value(1).startsWith(QStringLiteral("Gumbel; ")));
    EXPECT_TRUE(m.erro.contains(
        QStringLiteral("Melhor distribuição em T = 10 anos: Logpearson 3 (evento 1301,80")))
        << m.erro.toStdString();
}

TEST(CorvelCliVazoes, RecusasEAjuda) {
    QTemporaryDir pasta;
    const QString curto = projeto(pasta, QDate(1990, 1, 1), QDate(1991, 12, 1), doisAnos, 1);
    const struct {
        QStringList argumentos;
        int codigo;
        const char* erro;
    } casos[] = {
        {{"minimas"}, 2, "informe um arquivo de projeto"},
        {{"minimas", curto, "--duracao", "0"}, 2, "--duracao pede um número de dias de 1 a 999: 0"},
        {{"maximas", curto, "--duracao", "7"}, 2, "argumento inesperado: --duracao"},
        {{"minimas", curto, "--periodo", "10"}, 2, "--periodo vale só com --distribuicoes"},
        {{"minimas", curto, "--distribuicoes", "--periodo", "1"},
         2,
         "O período de retorno inválido."},
        {{"maximas", curto, "--inicio-ano", "13"}, 2, "mês inválido para --inicio-ano: 13"},
        {{"minimas", curto, "--distribuicoes"},
         1,
         "2 evento(s) anuais; a análise estatística pede pelo menos 5"},
        {{"minimas", pasta.filePath(QStringLiteral("nenhum.cvl"))}, 1, ""},
    };
    for (const auto& c : casos) {
        const Saida s = cli(c.argumentos);
        EXPECT_EQ(s.codigo, c.codigo) << c.argumentos.join(u' ').toStdString();
        EXPECT_TRUE(s.erro.contains(QString::fromUtf8(c.erro))) << s.erro.toStdString();
        EXPECT_TRUE(s.linhas.isEmpty());
    }

    const QString descartado =
        projeto(pasta, QDate(1990, 1, 1), QDate(1990, 12, 1), doisAnos, 1, [](SerieTabela& s) {
            for (RegistroMensal& r : s.armazenados())
                r.vazao01Status = kDescartado;
        });
    const Saida vazio = cli({QStringLiteral("maximas"), descartado});
    EXPECT_EQ(vazio.codigo, 1);
    EXPECT_EQ(
        vazio.erro,
        QStringLiteral("corvel-cli maximas: Banco de dados com número insuficiente de registros. "
                       "Possivelmente todos seus dadaos foram descartados ou o conjunto de dados "
                       "estão vazios\n"));

    const Saida ajuda = cli({QStringLiteral("maximas"), QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(
        ajuda.linhas.value(0).startsWith(QStringLiteral("uso: corvel-cli maximas estacao.cvl")));
}

} // namespace
