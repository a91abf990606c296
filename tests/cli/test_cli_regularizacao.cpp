// corvel-cli regularizacao on a small project: the "Vazão regularizada" export layout with and
// without evaporation, the header and note on standard error, and the refusals with exit codes.
#include "core/construtor.h"
#include "core/projeto.h"
#include "execucao.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

Saida cli(const QStringList& argumentos) {
    return teste::subcomando("regularizacao", argumentos);
}

using Vazao = std::function<std::optional<double>(QDate)>;

// The year 2000 with the eight days of the reference case of the balance tests (Qmed = 6):
// 28/01 10, 29/01 2, 31/01 2, 01/02 6, 02/02 14, 03/02 2, 04/02 8, 05/02 4, nothing else.
std::optional<double> oitoDias(QDate d) {
    static const std::map<QDate, double> dias = {{QDate(2000, 1, 28), 10}, {QDate(2000, 1, 29), 2},
                                                 {QDate(2000, 1, 31), 2},  {QDate(2000, 2, 1), 6},
                                                 {QDate(2000, 2, 2), 14},  {QDate(2000, 2, 3), 2},
                                                 {QDate(2000, 2, 4), 8},   {QDate(2000, 2, 5), 4}};
    const auto i = dias.find(d);
    return i == dias.end() ? std::nullopt : std::optional(i->second);
}

QString projeto(const QTemporaryDir& pasta, const QString& nome, const Vazao& vazao,
                qint16 situacao = kConsiderado) {
    SerieTabela s = teste::serieDiaria(QDate(2000, 1, 1), QDate(2000, 12, 1), vazao);
    for (RegistroMensal& r : s.armazenados()) {
        r.vazao02Status = 1;
        r.vazao01Status = situacao;
    }
    const QString arquivo = pasta.filePath(nome);
    gravarProjeto(arquivo, s);
    return arquivo;
}

// 0,864 × m mm/day in month m: over 50 km², m ÷ 2 m³/s, a mean of 3,25.
const QString kTaxasPonto =
    QStringLiteral("0.864,1.728,2.592,3.456,4.32,5.184,6.048,6.912,7.776,8.64,9.504,10.368");
const QString kTaxasVirgula =
    QStringLiteral("0,864;1,728;2,592;3,456;4,32;5,184;6,048;6,912;7,776;8,64;9,504;10,368");

TEST(CorvelCliRegularizacao, SemEvaporacao) {
    QTemporaryDir pasta;
    const Saida s = cli({projeto(pasta, QStringLiteral("estacao.cvl"), oitoDias)});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.todasAsLinhas.size(), 1 + 20 + 3 + 12);
    EXPECT_EQ(
        s.todasAsLinhas[0],
        QStringLiteral("(Qreg/Qmed) x 100;Vazão regularizada (m³/s);Vol. Reservatório (hm³);"));
    // Storage of the reference case: 2 and 8 m³/s·day of deficit at 50 % and 100 %.
    EXPECT_EQ(s.todasAsLinhas[1], QStringLiteral("5,00;0,3000;0,0000;"));
    EXPECT_EQ(s.todasAsLinhas[10], QStringLiteral("50,00;3,0000;0,1728;"));
    EXPECT_EQ(s.todasAsLinhas[20], QStringLiteral("100,00;6,0000;0,6912;"));
    EXPECT_EQ(s.todasAsLinhas.mid(21, 4), (QStringList{"", "Evaporação;", "", "1;Janeiro;0;0;"}));
    EXPECT_EQ(s.todasAsLinhas.last(), QStringLiteral("12;Dezembro;0;0;"));
    EXPECT_EQ(s.erro,
              QStringLiteral("Código da estação: 12345678\nInício do ano hidrológico: Janeiro\n"
                             "Período: Janeiro/2000 - Dezembro/2000\n* Sem evaporação\n"));

    const Saida outubro = cli({projeto(pasta, QStringLiteral("estacao.cvl"), oitoDias),
                               QStringLiteral("--inicio-ano"), QStringLiteral("Outubro")});
    EXPECT_EQ(outubro.todasAsLinhas, s.todasAsLinhas);
    EXPECT_TRUE(outubro.erro.contains(QStringLiteral("Início do ano hidrológico: Outubro\n")));
}

TEST(CorvelCliRegularizacao, ComEvaporacao) {
    QTemporaryDir pasta;
    const QString arquivo = projeto(pasta, QStringLiteral("estacao.cvl"), oitoDias);
    const Saida ponto = cli({arquivo, QStringLiteral("--evaporacao"), kTaxasPonto,
                             QStringLiteral("--area"), QStringLiteral("50")});
    ASSERT_EQ(ponto.codigo, 0) << ponto.erro.toStdString();
    // β × 6 − 3,25: nothing left up to 50 %, 0,05 at 55 %; the storage does not change.
    EXPECT_EQ(ponto.todasAsLinhas[10], QStringLiteral("50,00;0,0000;0,1728;"));
    EXPECT_EQ(ponto.todasAsLinhas[11], QStringLiteral("55,00;0,0500;0,2246;"));
    EXPECT_EQ(ponto.todasAsLinhas[20], QStringLiteral("100,00;2,7500;0,6912;"));
    EXPECT_EQ(ponto.todasAsLinhas[24], QStringLiteral("1;Janeiro;0,864;0,5;"));
    EXPECT_EQ(ponto.todasAsLinhas[35], QStringLiteral("12;Dezembro;10,368;6;"));
    EXPECT_TRUE(
        ponto.erro.endsWith(QStringLiteral("Área do reservatório: 50 km²\n* Evaporação elevada\n")))
        << ponto.erro.toStdString();

    // The same rates with decimal commas, and the area with a decimal comma or point.
    for (const char* area : {"50,0", "50.0"}) {
        const Saida virgula = cli({arquivo, QStringLiteral("--evaporacao"), kTaxasVirgula,
                                   QStringLiteral("--area"), QString::fromLatin1(area)});
        EXPECT_EQ(virgula.codigo, 0) << area;
        EXPECT_EQ(virgula.todasAsLinhas, ponto.todasAsLinhas) << area;
    }

    // A small reservoir leaves every level some flow.
    const Saida pequena = cli({arquivo, QStringLiteral("--evaporacao"), kTaxasPonto,
                               QStringLiteral("--area"), QStringLiteral("1")});
    EXPECT_TRUE(pequena.erro.endsWith(QStringLiteral("* Evaporação considerada\n")));
    EXPECT_EQ(pequena.todasAsLinhas[1], QStringLiteral("5,00;0,2350;0,0000;"));
}

TEST(CorvelCliRegularizacao, RecusasEAjuda) {
    QTemporaryDir pasta;
    const QString arquivo = projeto(pasta, QStringLiteral("estacao.cvl"), oitoDias);
    const QString doze = QStringLiteral("1,1,1,1,1,1,1,1,1,1,1,1");
    const struct {
        QStringList argumentos;
        int codigo;
        const char* erro;
    } casos[] = {
        {{}, 2, "informe um arquivo de projeto"},
        {{arquivo, "--evaporacao", "1,2,3", "--area", "10"},
         2,
         "--evaporacao pede 12 taxas (mm/dia)"},
        {{arquivo, "--evaporacao", "1,1,1,1,1,1,1,1,1,1,1,-1", "--area", "10"},
         2,
         "--evaporacao pede 12"},
        {{arquivo, "--evaporacao", "1;1;1;1;1;1;1;1;1;1;1;x", "--area", "10"},
         2,
         "--evaporacao pede 12"},
        {{arquivo, "--evaporacao", doze}, 2, "--evaporacao e --area vão juntas"},
        {{arquivo, "--area", "10"}, 2, "--evaporacao e --area vão juntas"},
        {{arquivo, "--evaporacao", doze, "--area", "0"}, 2, "Área da bacia inválida"},
        {{arquivo, "--evaporacao", doze, "--area", "-3"},
         2,
         "--area pede a área do reservatório em km²: -3"},
        {{arquivo, "--inicio-ano", "13"}, 2, "mês inválido para --inicio-ano: 13"},
        {{arquivo, "--duracao", "7"}, 2, "argumento inesperado: --duracao"},
        {{arquivo, "--area"}, 2, "--area pede um valor"},
        {{pasta.filePath(QStringLiteral("nenhum.cvl"))}, 1, "corvel-cli regularizacao: "},
        {{projeto(pasta, QStringLiteral("seco.cvl"), [](QDate) { return std::nullopt; })},
         1,
         "corvel-cli regularizacao: Não há vazões válidas nos meses considerados.\n"},
        {{projeto(pasta, QStringLiteral("descartado.cvl"), oitoDias, kDescartado)},
         1,
         "corvel-cli regularizacao: Banco de dados com número insuficiente de registros."},
    };
    for (const auto& c : casos) {
        const Saida s = cli(c.argumentos);
        EXPECT_EQ(s.codigo, c.codigo) << c.argumentos.join(u' ').toStdString();
        EXPECT_TRUE(s.erro.contains(QString::fromUtf8(c.erro))) << s.erro.toStdString();
        EXPECT_TRUE(s.todasAsLinhas.isEmpty());
    }

    const Saida ajuda = cli({QStringLiteral("--help")});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.todasAsLinhas.value(0).startsWith(
        QStringLiteral("uso: corvel-cli regularizacao estacao.cvl")));
}

} // namespace
