// corvel-cli medias and permanencia on small projects: the result tables in the windows' export
// layouts, the long-term mean and the report header on standard error, the options, and the
// refusals with their exit codes.
#include "core/construtor.h"
#include "core/projeto.h"
#include "execucao.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::cli;
using Saida = teste::Execucao;

QString projeto(const QTemporaryDir& pasta, const teste::Diaria& vazao, int inicio) {
    return teste::gravarProjetoDiario(pasta.filePath(QStringLiteral("estacao.cvl")),
                                      QDate(1990, 1, 1), QDate(1993, 12, 1), vazao, inicio);
}

// 1,0 a day in 1990, 2,0 in 1991, nothing in 1992 nor from January to September 1993, 4,0 from
// October 1993.
std::optional<double> quatroAnos(QDate d) {
    switch (d.year()) {
    case 1990:
        return 1.0;
    case 1991:
        return 2.0;
    case 1993:
        return d.month() >= 10 ? std::optional(4.0) : std::nullopt;
    default:
        return std::nullopt;
    }
}

TEST(CorvelCliMedias, TabelasDaJanela) {
    QTemporaryDir pasta;
    const QString arquivo = projeto(pasta, quatroAnos, 10);
    // From October (the project's start): 1989/1990 January-September 1990 only (partial);
    // 1990/1991 = (92 x 1 + 273 x 2) / 365 = 1,75; 1991/1992 only October-December 1991;
    // 1992/1993 without a valid day; 1993/1994 October-December 1993 (partial: the record ends).
    // Long-term, every considered day whatever the start: (365 + 730 + 368) / 822 = 1,77981.
    const Saida s = cli({QStringLiteral("medias"), arquivo});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas, (QStringList{"Ano;Média;Dias válidos;Dias sinalizados;", "1989/1990*;1,00;273;0;",
                                     "1990/1991;1,75;365;0;", "1991/1992;2,00;92;0;", "1992/1993;-;0;0;",
                                     "1993/1994*;4,00;92;0;"}));
    // The project was written without the days' statuses.
    const QString sinais = QStringLiteral(
        "Nenhum dos 822 dias considerados é sinalizado. O sinal de 822 dias é desconhecido.\n");
    EXPECT_EQ(s.erro, QStringLiteral("Vazão média de longa duração: 1,7798 m³/s\n* Ano parcial: a "
                                     "série considerada começa ou termina dentro dele.\n") +
                          sinais);

    // Calendar years: the same long-term mean, no partial year.
    const Saida civil = cli({QStringLiteral("medias"), arquivo, QStringLiteral("--inicio-ano"),
                             QStringLiteral("janeiro")});
    EXPECT_EQ(civil.linhas.mid(1),
              (QStringList{"1990;1,00;365;0;", "1991;2,00;365;0;", "1992;-;0;0;", "1993;4,00;92;0;"}));
    EXPECT_EQ(civil.erro, QStringLiteral("Vazão média de longa duração: 1,7798 m³/s\n") + sinais);

    const Saida todos = cli({QStringLiteral("medias"), arquivo, QStringLiteral("--todos-os-digitos")});
    EXPECT_EQ(todos.linhas.mid(2, 1), QStringList{"1990/1991;1,747945205479452;365;0;"});
    EXPECT_TRUE(todos.erro.startsWith(
        QStringLiteral("Vazão média de longa duração: 1,7798053527980535 m³/s\n")))
        << todos.erro.toStdString();

    const Saida mensais = cli(
        {QStringLiteral("medias"), QStringLiteral("--tabela"), QStringLiteral("mensais"), arquivo});
    ASSERT_EQ(mensais.linhas.size(), 49);
    EXPECT_EQ(mensais.linhas[0], QStringLiteral("Mês;Vazões médias;Dias válidos;"));
    EXPECT_EQ(mensais.linhas[1], QStringLiteral("Janeiro/1990;1;31;"));
    EXPECT_EQ(mensais.linhas[25], QStringLiteral("Janeiro/1992;;0;"));

    // January: (1 + 2) / 2 from two months; October: (1 + 2 + 4) / 3 = 2,333... in general form.
    const Saida longa = cli(
        {QStringLiteral("medias"), arquivo, QStringLiteral("--tabela"), QStringLiteral("longa")});
    ASSERT_EQ(longa.linhas.size(), 13);
    EXPECT_EQ(longa.linhas[0],
              QStringLiteral("Mês;Media Mensal de longa duração;Nº de meses considerados;"));
    EXPECT_EQ(longa.linhas[1], QStringLiteral("Janeiro;1,5;2;"));
    EXPECT_EQ(longa.linhas[10], QStringLiteral("Outubro;2,33333333333333;3;"));
}

TEST(CorvelCliPermanencia, TabelasDeReferenciaEAnaliseDeFrequencia) {
    // 20 valid days in January 1990: 18 of 100 and 2 of 1. Continuous percentages 100, 95, 90,
    // ... 5: Q95 is the second 1 and Q90 ... Q50 are 100, each an exact match. Class 50 holds 90 %
    // of the days, so the class reference flows stop after Q90 ("-").
    QTemporaryDir pasta;
    const QString arquivo = projeto(
        pasta,
        [](QDate d) -> std::optional<double> {
            if (d.year() != 1990 || d.month() != 1 || d.day() > 20) return std::nullopt;
            return d.day() == 7 || d.day() == 13 ? 1.0 : 100.0;
        },
        1);
    const Saida s = cli({QStringLiteral("permanencia"), arquivo});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.linhas.size(), 34);
    const QStringList antes = {"  ;", "  ;", "  Vazões X Permanência - classes", "  ;",
                               "  ;", "  ;", "Permanência (%);Vazão (m³/s);"};
    EXPECT_EQ(s.linhas.mid(0, 7), antes);
    EXPECT_TRUE(s.linhas[7].startsWith(QStringLiteral("95;1,0482"))) << s.linhas[7].toStdString();
    EXPECT_TRUE(s.linhas[8].startsWith(QStringLiteral("90;1,0964"))) << s.linhas[8].toStdString();
    for (int i = 9; i < 17; ++i)
        EXPECT_EQ(s.linhas[i], QStringLiteral("%1;-;").arg(95 - 5 * (i - 7)));
    EXPECT_EQ(s.linhas.mid(17, 7),
              (QStringList{"  ;", "  ;", "  Vazões X Permanência - Contínua", "  ;", "  ;", "  ;",
                           "Permanência(%);Vazão (m³/s);"}));
    EXPECT_EQ(s.linhas[24], QStringLiteral("95;1;"));
    for (int i = 25; i < 34; ++i)
        EXPECT_EQ(s.linhas[i], QStringLiteral("%1;100;").arg(95 - 5 * (i - 24)));
    EXPECT_TRUE(s.erro.startsWith(QStringLiteral("Início do ano hidrológico: Janeiro\n"
                                                 "Período: Janeiro/1990 - Dezembro/1993\n"
                                                 "Nenhum dos ")))
        << s.erro.toStdString();

    const Saida classes =
        cli({QStringLiteral("permanencia"), arquivo, QStringLiteral("--tabela"),
             QStringLiteral("classes"), QStringLiteral("--inicio-ano"), QStringLiteral("10")});
    ASSERT_EQ(classes.codigo, 0);
    ASSERT_EQ(classes.linhas.size(), 57);
    EXPECT_EQ(classes.linhas[2], QStringLiteral("  Vazões X Permanência - Classes"));
    EXPECT_EQ(classes.linhas[6],
              QStringLiteral("Classe;Intervalo de classe (m³/s);Vazão máx. (m³/s);Vazão mín. "
                             "(m³/s);Núm. dias;Frequência (%);Freq. acumulada (%);"));
    EXPECT_TRUE(classes.linhas[7].startsWith(QStringLiteral("50;100,000  -  91,201;100;")));
    EXPECT_TRUE(classes.linhas[7].endsWith(QStringLiteral(";18;90;90;")));
    EXPECT_TRUE(classes.linhas[56].startsWith(QStringLiteral("1;1,096  -  1,000;")));
    EXPECT_TRUE(classes.linhas[56].endsWith(QStringLiteral(";2;10;100;")));
    EXPECT_TRUE(classes.erro.startsWith(QStringLiteral("Início do ano hidrológico: Outubro\n")));

    const Saida continua = cli({QStringLiteral("permanencia"), arquivo, QStringLiteral("--tabela"),
                                QStringLiteral("continua")});
    ASSERT_EQ(continua.linhas.size(), 27);
    EXPECT_EQ(continua.linhas[6], QStringLiteral("Vazão (m³/s);Permanência (%);"));
    EXPECT_EQ(continua.linhas[7], QStringLiteral("1;100;"));
    EXPECT_EQ(continua.linhas[26], QStringLiteral("100;5;"));

    const Saida so = cli({QStringLiteral("permanencia"), arquivo, QStringLiteral("--tabela"),
                          QStringLiteral("referencia-continua")});
    EXPECT_EQ(so.linhas.size(), 17);
    EXPECT_EQ(so.linhas[2], QStringLiteral("  Vazões X Permanência - Contínua"));
}

TEST(CorvelCliMedias, RecusasEAjuda) {
    QTemporaryDir pasta;
    const QString vazio = projeto(
        pasta, [](QDate) { return std::optional<double>(); }, 1);
    const struct {
        QStringList argumentos;
        int codigo;
        const char* erro;
    } casos[] = {
        {{"medias"}, 2, "informe um arquivo de projeto"},
        {{"permanencia", vazio, "--tabela"}, 2, "--tabela pede um valor"},
        {{"medias", vazio, "--tabela", "semanais"},
         2,
         "--tabela pede anuais, mensais, longa: semanais"},
        {{"permanencia", vazio, "--tabela", "longa"},
         2,
         "--tabela pede classes, continua, referencia-classes, referencia-continua: longa"},
        {{"permanencia", vazio, "--duracao", "7"}, 2, "argumento inesperado: --duracao"},
        {{"medias", vazio, "--inicio-ano", "13"}, 2, "mês inválido para --inicio-ano: 13"},
        {{"permanencia", vazio},
         1,
         "corvel-cli permanencia: Não há vazões válidas nos meses considerados.\n"},
        {{"medias", pasta.filePath(QStringLiteral("nenhum.cvl"))}, 1, ""},
    };
    for (const auto& c : casos) {
        const Saida s = cli(c.argumentos);
        EXPECT_EQ(s.codigo, c.codigo) << c.argumentos.join(u' ').toStdString();
        EXPECT_TRUE(s.erro.contains(QString::fromUtf8(c.erro))) << s.erro.toStdString();
        EXPECT_TRUE(s.linhas.isEmpty());
    }

    // Without a valid day every year shows "-" and there is no long-term mean.
    const Saida medias = cli({QStringLiteral("medias"), vazio});
    ASSERT_EQ(medias.codigo, 0);
    EXPECT_EQ(medias.linhas.mid(1),
              (QStringList{"1990;-;0;0;", "1991;-;0;0;", "1992;-;0;0;", "1993;-;0;0;"}));
    EXPECT_EQ(medias.erro, QStringLiteral("Vazão média de longa duração: -\nNenhum dos 0 dias "
                                          "considerados é sinalizado.\n"));

    for (const char* nome : {"medias", "permanencia"}) {
        const Saida ajuda = cli({QString::fromLatin1(nome), QStringLiteral("--help")});
        EXPECT_EQ(ajuda.codigo, 0);
        EXPECT_TRUE(ajuda.linhas.value(0).startsWith(
            QStringLiteral("uso: corvel-cli %1 estacao.cvl").arg(QString::fromLatin1(nome))));
    }
}

} // namespace
