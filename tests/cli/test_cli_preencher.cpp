// corvel-cli preencher on three small stations: the statistics table, the filling in the chosen
// order, the project file and the monthly CSV, and the refusals.
#include "core/construtor.h"
#include "core/formato.h"
#include "core/projeto.h"
#include "execucao.h"
#include "filling/arquivopreenchimento.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

Saida cli(const QStringList& argumentos) {
    return teste::subcomando("preencher", argumentos);
}

// A station with one monthly mean per month of 1970 (every day holds it; 0 = no value).
QString estacao(const QTemporaryDir& pasta, qint32 codigo, const std::array<double, 12>& medias) {
    const SerieTabela s = teste::serieMensal(
        QDate(1970, 1, 1), QDate(1970, 12, 1),
        [&](QDate mes, int) -> std::optional<double> {
            const double v = medias[static_cast<std::size_t>(mes.month() - 1)];
            return v > 0 ? std::optional(v) : std::nullopt;
        },
        false, codigo);
    const QString arquivo = pasta.filePath(QStringLiteral("%1.cvl").arg(codigo));
    gravarProjeto(arquivo, s);
    return arquivo;
}

// The reference case of the filling tests: the base misses November and December; column 2 is
// x = 1 … 10, 12; column 3 is 2x and 30 in December. A = 113/55 and 113/110, B = 0,8.
QStringList tresEstacoes(const QTemporaryDir& pasta) {
    return {estacao(pasta, 101, {3, 5, 7, 9, 11, 13, 15, 17, 19, 22, 0, 0}),
            estacao(pasta, 102, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 0}),
            estacao(pasta, 103, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 24, 30})};
}

const QStringList kPeriodo = {QStringLiteral("--periodo"), QStringLiteral("1970"),
                              QStringLiteral("1972")};

TEST(CorvelCliPreencher, EstatisticasPreenchimentoProjetoECsv) {
    QTemporaryDir pasta;
    const QString psv = pasta.filePath(QStringLiteral("projeto"));
    const QString csv = pasta.filePath(QStringLiteral("mensal.csv"));
    const Saida s = cli(tresEstacoes(pasta) + kPeriodo +
                        QStringList{"--ordem", "2,3", "-o", psv, "--csv", csv});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.linhas.size(), 3);
    EXPECT_EQ(s.linhas[0],
              QStringLiteral("Estação;Coef. de correlação (R²);Coef. angular (A);Coef. "
                             "Linear (B);Dados Comuns;Validação;Estação utilizada;Nº de "
                             "dados preenchidos;"));
    const QStringList l2 = s.linhas[1].split(u';');
    EXPECT_EQ(l2.mid(0, 2), (QStringList{"102", "0,9981"}));
    EXPECT_NEAR(lerReal(l2[2]), 113.0 / 55, 1e-13);
    EXPECT_NEAR(lerReal(l2[3]), 0.8, 1e-13);
    EXPECT_EQ(l2.mid(4), (QStringList{"10", "Estação aceita", "Sim", "1", ""}));
    const QStringList l3 = s.linhas[2].split(u';');
    EXPECT_EQ(l3[0], QStringLiteral("103"));
    EXPECT_NEAR(lerReal(l3[2]), 113.0 / 110, 1e-13);
    EXPECT_EQ(l3.mid(4), (QStringList{"10", "Estação aceita", "Sim", "1", ""}));
    EXPECT_EQ(s.erro, QStringLiteral("1ª ordem (estação 102): 1 dado(s) preenchidos.\n"
                                     "2ª ordem (estação 103): 1 dado(s) preenchidos.\n"));

    const ProjetoPreenchimento p = lerProjetoPreenchimento(psv + QStringLiteral(".psv"));
    EXPECT_EQ(p.numeroEstacoes, 3);
    EXPECT_EQ(p.meses.size(), 36u);
    EXPECT_NEAR(*p.meses[10].coluna(1), 1400.0 / 55, 1e-12);
    EXPECT_EQ(p.meses[10].baseApoio, 2);
    EXPECT_NEAR(*p.meses[11].coluna(1), 3478.0 / 110, 1e-12);
    EXPECT_EQ(p.meses[11].baseApoio, 3);

    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    QByteArray cabecalho = "Datas;Data;BaseApoio;Preenchido;101;102;103;";
    for (int i = 4; i <= 20; ++i)
        cabecalho += "  ;";
    cabecalho += "NumEstacoes;\r";
    EXPECT_EQ(linhas[0], cabecalho);
    EXPECT_TRUE(linhas[1].startsWith("Janeiro/1970;01/01/1970;;Falso;3;1;2;;"))
        << linhas[1].constData();
    EXPECT_EQ(linhas.size(), 1 + 36 + 1); // the last line ends with CR LF too
}

// MOVE.1 on the reference case fills November with 12,1 + 6,5·√(348,9 / 82,5) (the line through
// the means with slope s_y/s_x); the leave-one-out table has a row for all months and one per
// month with pairs.
TEST(CorvelCliPreencher, Move1EValidacaoCruzada) {
    QTemporaryDir pasta;
    const QString psv = pasta.filePath(QStringLiteral("p.psv"));
    const QString vc = pasta.filePath(QStringLiteral("vc.csv"));
    const Saida s = cli(tresEstacoes(pasta) + kPeriodo +
                        QStringList{"--ordem", "2", "--metodo", "move1", "-o", psv,
                                    "--validacao-cruzada", vc});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.erro, QStringLiteral("Método: MOVE.1 (manutenção da variância), vazões, uma reta "
                                     "para o ano\n1ª ordem (estação 102): 1 dado(s) "
                                     "preenchidos.\n"));
    const ProjetoPreenchimento p = lerProjetoPreenchimento(psv);
    EXPECT_NEAR(*p.meses[10].coluna(1), 12.1 + 6.5 * std::sqrt(348.9 / 82.5), 1e-12);

    QFile f(vc);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    EXPECT_EQ(linhas[0], QByteArray("Esta\xe7\xe3o;M\xeas;N;EQM MQO (m\xb3/s);Vi\xe9s MQO "
                                    "(m\xb3/s);NSE MQO;EQM MOVE.1 (m\xb3/s);Vi\xe9s MOVE.1 "
                                    "(m\xb3/s);NSE MOVE.1;\r"));
    EXPECT_TRUE(linhas[1].startsWith("102;Todos;10;")) << linhas[1].constData();
    EXPECT_TRUE(linhas[2].startsWith("102;Janeiro;1;")) << linhas[2].constData();
    // Station 103 after the ten months of 102.
    EXPECT_TRUE(linhas[12].startsWith("103;Todos;10;")) << linhas[12].constData();

    for (const QStringList& uso : {QStringList{"--metodo", "mediana"}, QStringList{"--metodo"}})
        EXPECT_EQ(cli(tresEstacoes(pasta) + kPeriodo + QStringList{"-o", psv} + uso).codigo, 2);
}

TEST(CorvelCliPreencher, SemOrdemSoEstatisticas) {
    QTemporaryDir pasta;
    const QString psv = pasta.filePath(QStringLiteral("p.psv"));
    const Saida s = cli(tresEstacoes(pasta) + kPeriodo + QStringList{"-o", psv});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_TRUE(s.linhas[1].endsWith(QStringLiteral(";10;Estação aceita;Não;0;")));
    EXPECT_FALSE(lerProjetoPreenchimento(psv).temPreenchimento());
}

TEST(CorvelCliPreencher, Recusas) {
    QTemporaryDir pasta;
    const QStringList tres = tresEstacoes(pasta);
    const QString psv = pasta.filePath(QStringLiteral("p.psv"));
    // Column 2 over two months only: too few to fill.
    const QString curta = estacao(pasta, 104, {3, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Saida rejeitada =
        cli(QStringList{tres[0], curta} + kPeriodo + QStringList{"--ordem", "2", "-o", psv});
    EXPECT_EQ(rejeitada.codigo, 1);
    EXPECT_EQ(rejeitada.erro, QStringLiteral("corvel-cli preencher: O preenchimento não pode ser "
                                             "efetuado com estação que tenha sido rejeitada.\n"));
    EXPECT_FALSE(QFile::exists(psv));

    // The twenty-first station is refused before its file is read (it does not even exist).
    QStringList vinteEUma;
    for (int i = 0; i < 20; ++i)
        vinteEUma << tres[i % 3];
    vinteEUma << pasta.filePath(QStringLiteral("inexistente.cvl"));
    const Saida muitas = cli(vinteEUma + kPeriodo + QStringList{"-o", psv});
    EXPECT_EQ(muitas.codigo, 1);
    EXPECT_TRUE(
        muitas.erro.endsWith(QStringLiteral("corvel-cli preencher: Há 20 estações adicionadas. "
                                            "Esse é o número máximo de estações permitido.\n")))
        << muitas.erro.toStdString();

    const Saida curto = cli(tres + QStringList{"--periodo", "1970", "1971", "-o", psv});
    EXPECT_EQ(curto.erro, QStringLiteral("corvel-cli preencher: Intervalo inválido\n"));
    const Saida digitos = cli(tres + QStringList{"--periodo", "70", "1990", "-o", psv});
    EXPECT_EQ(digitos.erro,
              QStringLiteral("corvel-cli preencher: Use 4 dígitos para escrever o ano\n"));

    const Saida extensao = cli(QStringList{pasta.filePath(QStringLiteral("x.txt"))} + kPeriodo +
                               QStringList{"-o", psv});
    EXPECT_EQ(extensao.erro,
              QStringLiteral("corvel-cli preencher: x.txt: Arquivo de projeto inválido.\n"));

    EXPECT_EQ(cli(tres + kPeriodo).codigo, 2); // no -o
    EXPECT_EQ(cli(tres + kPeriodo + QStringList{"--ordem", "4", "-o", psv}).codigo,
              2); // no column 4
    EXPECT_EQ(cli(tres + kPeriodo + QStringList{"--ordem", "2,2", "-o", psv}).codigo, 2);
}

// preencher-diario: a base that is 2x + 1 of its neighbour, with a 3-day and a 40-day gap; the
// short one is filled and flagged, the long one stays, and the project keeps the flags.
TEST(CorvelCliPreencherDiario, LacunasCurtasPreenchidasNoProjeto) {
    QTemporaryDir pasta;
    const auto vizinha = [](QDate d) { return 10.0 + d.dayOfYear() % 17; };
    const QString base = pasta.filePath(QStringLiteral("base.cvl"));
    const QString auxiliar = pasta.filePath(QStringLiteral("aux.cvl"));
    SerieTabela b = teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                       [&](QDate d) -> std::optional<double> {
                                           if ((d >= QDate(1990, 3, 10) && d <= QDate(1990, 3, 12)) ||
                                               (d >= QDate(1990, 5, 1) && d <= QDate(1990, 6, 9)))
                                               return std::nullopt;
                                           return 2 * vizinha(d) + 1;
                                       });
    gravarProjeto(base, b);
    gravarProjeto(auxiliar, teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 12, 1),
                                               [&](QDate d) -> std::optional<double> {
                                                   return vizinha(d);
                                               }));
    const QString saidaCvl = pasta.filePath(QStringLiteral("preenchida"));
    const QString vc = pasta.filePath(QStringLiteral("vc.csv"));
    const Saida s = teste::subcomando("preencher-diario", {base, auxiliar, "-o", saidaCvl,
                                                           "--validacao-cruzada", vc});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    ASSERT_EQ(s.linhas.size(), 2);
    EXPECT_EQ(s.linhas[0], QStringLiteral("Reta;Pares;A;B;r;"));
    const QStringList reta = s.linhas[1].split(u';');
    EXPECT_EQ(reta[0], QStringLiteral("Todos"));
    EXPECT_EQ(reta[1], QStringLiteral("%1").arg(365 - 3 - 40));
    EXPECT_NEAR(lerReal(reta[2]), 2, 1e-12);
    EXPECT_NEAR(lerReal(reta[3]), 1, 1e-10);
    const QStringList erro = s.erro.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(erro.size(), 3);
    EXPECT_EQ(erro[0], QStringLiteral("Método: MQO (mínimos quadrados), vazões, uma reta para o ano"));
    EXPECT_TRUE(erro[1].startsWith(QStringLiteral("Validação cruzada: "))) << erro[1].toStdString();
    EXPECT_EQ(erro[2], QStringLiteral("3 dia(s) preenchido(s) em 1 lacuna(s) de até 30 dias; 1 "
                                      "lacuna(s) mais longa(s) ficaram sem preencher."));

    const SerieTabela p = lerProjeto(saidaCvl + QStringLiteral(".cvl"));
    const RegistroMensal& marco = p[2];
    ASSERT_EQ(marco.data, QDate(1990, 3, 1));
    for (int d = 9; d <= 11; ++d) {
        ASSERT_TRUE(marco.vazao[std::size_t(d)]) << d;
        EXPECT_NEAR(*marco.vazao[std::size_t(d)], 2 * vizinha(QDate(1990, 3, d + 1)) + 1, 1e-9);
        EXPECT_EQ(marco.sinal[std::size_t(d)], SinalDia::Preenchido);
    }
    EXPECT_FALSE(p[4].vazao[19]) << "May is in the long gap";
    // The filled days are flagged days for the analyses.
    const Saida resumo = teste::subcomando(
        "resumo", {saidaCvl + QStringLiteral(".cvl"), QStringLiteral("--inicio-ano"), QStringLiteral("1")});
    ASSERT_EQ(resumo.codigo, 0) << resumo.erro.toStdString();
    const QStringList titulos = resumo.linhas[0].split(u';'), valores = resumo.linhas[1].split(u';');
    EXPECT_DOUBLE_EQ(lerReal(valores[titulos.indexOf(QStringLiteral("Dias sinalizados (%)"))]),
                     100.0 * 3 / (365 - 40));

    QFile f(vc);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // The neighbour's code, then every common day estimated without itself.
    EXPECT_TRUE(f.readAll().split('\n').value(1).startsWith("12345678;Todos;322;"));
    const Saida longe = teste::subcomando("preencher-diario", {base, base, "--lacuna-maxima", "0",
                                                               "-o", saidaCvl});
    EXPECT_EQ(longe.codigo, 2);
    EXPECT_TRUE(longe.erro.contains(QStringLiteral("--lacuna-maxima pede um número de dias de 1 a "
                                                   "366: 0")));
    EXPECT_EQ(teste::subcomando("preencher-diario", {base, "-o", saidaCvl}).codigo, 2);
}

} // namespace
