// Flow-duration curves: the continuous curve with its cut percentages, the 50 logarithmic classes
// (bounds, the closing correction of class 1, zero flows), the reference flows of both with the
// rows beyond the table, the daily list of the considered months, and the texts of every table.
// Class bounds are checked against 10^(k/25) and similar closed forms worked by hand.
#include "core/construtor.h"

#include "analyses/permanencia.h"
#include "analyses/tabelaspermanencia.h"
#include "analyses/vazoesanuais.h"
#include "core/erros.h"
#include "core/projeto.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

// The flows on consecutive days from 1 January 1990, every other day of the year missing.
SerieTabela serieDe(const std::vector<double>& vazoes) {
    const QDate inicio(1990, 1, 1);
    return teste::serieDiaria(inicio, QDate(1990, 12, 1), [&](QDate d) -> std::optional<double> {
        const auto i = static_cast<std::size_t>(inicio.daysTo(d));
        return i < vazoes.size() ? std::optional(vazoes[i]) : std::nullopt;
    });
}

// Classes are stored from 50 down to 1.
const ClassePermanencia& classe(const CurvaPermanencia& c, int id) {
    return c.classes[static_cast<std::size_t>(kClassesPermanencia - id)];
}

std::vector<QString> coluna(const TabelaTexto& t, std::size_t c) {
    std::vector<QString> r;
    for (const auto& l : t.linhas)
        r.push_back(l[c]);
    return r;
}

TEST(PermanenciaContinua, QuatroValores) {
    // Percentages 100, 75, 50, 25. Q95 = 1 + (2 - 1) x (95 - 100) / (75 - 100) = 1,2; Q75 = 2 and
    // Q50 = 3 match rows; Q70 = 2 + (3 - 2) x (70 - 75) / (50 - 75) = 2,2.
    const CurvaPermanencia c = CalcularPermanencia(serieDe({3, 1, 4, 2}));
    EXPECT_EQ(textoCsv(tabelaContinua(c.continua, FormaTexto::Csv), u"\n"),
              QStringLiteral("  ;\n  ;\n  Vazões X Permanência - contínua\n  ;\n  ;\n  ;\n"
                             "Vazão (m³/s);Permanência (%);\n1;100;\n2;75;\n3;50;\n4;25;\n"));
    EXPECT_EQ(textoCsv(tabelaReferenciasContinua(c.referenciasContinua, FormaTexto::Csv), u"\n"),
              QStringLiteral("  ;\n  ;\n  Vazões X Permanência - Contínua\n  ;\n  ;\n  ;\n"
                             "Permanência(%);Vazão (m³/s);\n95;1,2;\n90;1,4;\n85;1,6;\n80;1,8;\n"
                             "75;2;\n70;2,2;\n65;2,4;\n60;2,6;\n55;2,8;\n50;3;\n"));
    const TabelaTexto grade = tabelaReferenciasContinua(c.referenciasContinua, FormaTexto::Grade);
    EXPECT_TRUE(grade.linhasAntes.empty());
    EXPECT_EQ(grade.linhas[0], (std::vector<QString>{"95", "1,2000"}));
    EXPECT_EQ(tabelaContinua(c.continua, FormaTexto::Grade).linhas[1],
              (std::vector<QString>{"2,0000", "75,00"}));
    const GraficoPermanencia g = graficoContinua(c.continua);
    EXPECT_EQ(g.pontos, (std::vector<QPointF>{{100, 1}, {75, 2}, {50, 3}, {25, 4}}));
}

TEST(PermanenciaContinua, PercentagensCortadas) {
    // n = 3: 100, 10000 x 2 / 3 = 6666,7 -> 66,66 and 3333,3 -> 33,33, cut, not rounded.
    // Q95 = 10 + 10 x (95 - 100) / (66,66 - 100) = 11,49970; Q50 = 20 + 10 x (50 - 66,66) /
    // (33,33 - 66,66) = 24,99850 (25 with the exact thirds).
    const CurvaPermanencia c = CalcularPermanencia(serieDe({30, 10, 20}));
    EXPECT_EQ(coluna(tabelaContinua(c.continua, FormaTexto::Grade), 1),
              (std::vector<QString>{"100,00", "66,66", "33,33"}));
    EXPECT_EQ(coluna(tabelaContinua(c.continua, FormaTexto::Csv), 1),
              (std::vector<QString>{"100", "66,66", "33,33"}));
    EXPECT_NEAR(*c.referenciasContinua.front().vazao, 11.499700059988, 1e-9);
    EXPECT_NEAR(*c.referenciasContinua.back().vazao, 24.998499849985, 1e-9);
    EXPECT_EQ(relatorioContinua(c.continua).linhas[1],
              (std::vector<QString>{"66,66", "20,0000", "", "", "", ""}));
}

TEST(PermanenciaClasses, LimitesLogaritmicosEReferencias) {
    // Flows 100, 30, 3 and 1: with Qmax 100 and Qmin 1 each class spans a factor 10^(1/25), class
    // k from 10^((k-1)/25) to 10^(k/25). 100 lies in class 50, 30 (log 1,477 x 25 = 36,9) in 37,
    // 3 (0,477 x 25 = 11,9) in 12, 1 in class 1. Each class with a flow has fx 25.
    // F: 25 for classes 50..38, 50 for 37..13, 75 for 12..2, 100 for class 1.
    const CurvaPermanencia c = CalcularPermanencia(serieDe({30, 1, 100, 3}));
    ASSERT_EQ(c.classes.size(), 50u);
    for (int k = 1; k <= 50; ++k) {
        SCOPED_TRACE(k);
        const ClassePermanencia& x = classe(c, k);
        EXPECT_EQ(x.id, k);
        EXPECT_NEAR(x.max, std::pow(10.0, k / 25.0), 1e-9);
        EXPECT_NEAR(x.min, std::pow(10.0, (k - 1) / 25.0), 1e-9);
        EXPECT_EQ(x.freq, k == 50 || k == 37 || k == 12 || k == 1 ? 1 : 0);
        EXPECT_DOUBLE_EQ(x.f, k >= 38 ? 25 : k >= 13 ? 50 : k >= 2 ? 75 : 100);
    }
    EXPECT_DOUBLE_EQ(classe(c, 1).fx, 25); // 100 - F of class 2
    EXPECT_EQ(classe(c, 50).max, 100.0);   // the largest flow is the top bound itself

    // Q95..Q80: class 2 (F 75) and class 1 (F 100) bracket the percentage:
    //   10^(1/25) + (1 - 10^(1/25)) x (a - 75) / 25; Q95 = 1,019296, Q90 = 1,038591.
    // Q75 matches class 2: its lower bound 10^(1/25) = 1,096478.
    // Q70..Q55: class 13 (F 50) and class 12 (F 75): Q70 = 3,019952 - 0,265723 x 0,8 = 2,807373.
    // Q50 matches class 13: 10^(12/25) = 3,019952.
    const auto& r = c.referenciasClasses;
    ASSERT_EQ(r.size(), 10u);
    const double esperadas[] = {1.019295639229, 1.038591278457, 1.057886917686, 1.077182556915,
                                1.096478196143, 2.807373306751, 2.860517910164, 2.913662513576,
                                2.966807116989, 3.019951720402};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(r[i].permanencia, 95 - 5 * static_cast<int>(i));
        EXPECT_NEAR(*r[i].vazao, esperadas[i], 1e-9) << r[i].permanencia;
    }
    EXPECT_EQ(relatorioReferenciasClasses(r).linhas[0],
              (std::vector<QString>{"95", "1,0965", "1,0000", "100,0000", "75,0000", "1,0193"}));
    // An exact match prints the class's own bounds and its F twice.
    EXPECT_EQ(relatorioReferenciasClasses(r).linhas[4],
              (std::vector<QString>{"75", "1,2023", "1,0965", "75,0000", "75,0000", "1,0965"}));
    EXPECT_EQ(relatorioReferenciasClasses(r).colunas,
              (std::vector<QString>{"%", "Vazão máx. (m³/s)", "Vazão mín. (m³/s)", "Freq. máx. (%)",
                                    "Freq. mín. (%)", "Vazão (m³/s)"}));
}

TEST(PermanenciaClasses, VazaoZeroSoNaFrequenciaDaClasseUm) {
    // Flows 0, 1, 10 and 100: Qmin 0 becomes 0,0001, so each class spans 10^(6/50) = 10^0,12 and
    // class k runs from 10^(0,12k - 4,12) to 10^(0,12k - 4): 1 falls in class 34, 10 in 42.
    // The zero counts in N = 4 but in no class; class 1 keeps freq 0 and fx 100 - 75 = 25.
    const CurvaPermanencia c = CalcularPermanencia(serieDe({10, 0, 100, 1}));
    EXPECT_EQ(c.diasValidos, 4);
    EXPECT_NEAR(classe(c, 1).min, 0.0001, 1e-12);
    EXPECT_EQ(classe(c, 1).freq, 0);
    EXPECT_DOUBLE_EQ(classe(c, 1).fx, 25);
    EXPECT_DOUBLE_EQ(classe(c, 1).f, 100);
    int dias = 0;
    for (const ClassePermanencia& x : c.classes)
        dias += x.freq;
    EXPECT_EQ(dias, 3);
    EXPECT_EQ(classe(c, 34).freq, 1);
    EXPECT_EQ(classe(c, 42).freq, 1);
    EXPECT_EQ(classe(c, 50).freq, 1);
    EXPECT_DOUBLE_EQ(classe(c, 2).f, 75);
}

TEST(PermanenciaClasses, ValorNoLimiteDeClasse) {
    // The bounds depend only on the largest and smallest flow, so a flow set to a bound of one
    // curve meets the same bound in the next. Its upper bound keeps it in class 40; a flow on
    // class 40's lower bound goes to class 39.
    const CurvaPermanencia base = CalcularPermanencia(serieDe({1, 100}));
    const double superior = classe(base, 40).max, inferior = classe(base, 40).min;
    const CurvaPermanencia c = CalcularPermanencia(serieDe({1, 100, superior, inferior}));
    EXPECT_EQ(classe(c, 40).max, superior);
    EXPECT_EQ(classe(c, 40).min, inferior);
    EXPECT_EQ(classe(c, 41).freq, 0);
    EXPECT_EQ(classe(c, 40).freq, 1);
    EXPECT_EQ(classe(c, 39).freq, 1);
    EXPECT_EQ(classe(c, 38).freq, 0);
}

TEST(PermanenciaClasses, FEhAParteAcimaDoLimiteInferior) {
    // On a spread of 2 000 flows (zeros and repeated values included), F of every class but the
    // first is the share of days above its lower bound, counted day by day.
    std::vector<double> v;
    for (int i = 0; i < 2000; ++i)
        v.push_back(i % 97 == 0 ? 0.0 : std::floor(std::exp((i * 7919 % 2000) / 250.0)) / 10);
    const SerieTabela s = teste::serieDiaria(
        QDate(1990, 1, 1), QDate(1995, 12, 1), [&](QDate d) -> std::optional<double> {
            const auto i = static_cast<std::size_t>(QDate(1990, 1, 1).daysTo(d));
            return i < v.size() ? std::optional(v[i]) : std::nullopt;
        });
    const CurvaPermanencia c = CalcularPermanencia(s);
    EXPECT_EQ(classe(c, 50).max, *std::max_element(v.begin(), v.end()));
    EXPECT_DOUBLE_EQ(classe(c, 1).f, 100);
    EXPECT_DOUBLE_EQ(classe(c, 1).fx, 100 - classe(c, 2).f);
    for (int k = 2; k <= 50; ++k) {
        const double limite = classe(c, k).min;
        const auto acima = std::count_if(v.begin(), v.end(), [&](double x) { return x > limite; });
        EXPECT_NEAR(classe(c, k).f, 100.0 * static_cast<double>(acima) / 2000, 1e-9) << k;
    }
}

TEST(PermanenciaDados, VazoesOrdenadasComoUmaOrdenacaoPorComparacao) {
    // Long series are ordered by the bit patterns of the flows: negative values, zeros (also a
    // negative zero), repeated, tiny and huge flows against std::sort on the same flows.
    std::vector<double> v;
    for (int i = 0; i < 3000; ++i) {
        const double x = std::ldexp(1.0 + (i * 7919 % 1000) / 1000.0, i * 37 % 60 - 30);
        v.push_back(i % 11 == 0 ? -x : i % 13 == 0 ? 0.0 : x);
    }
    v[5] = -0.0;
    v[6] = 1e300;
    v[7] = -1e-300;
    const SerieTabela s = teste::serieDiaria(
        QDate(1990, 1, 1), QDate(1999, 12, 1), [&](QDate d) -> std::optional<double> {
            const auto i = static_cast<std::size_t>(QDate(1990, 1, 1).daysTo(d));
            return i < v.size() ? std::optional(v[i]) : std::nullopt;
        });
    std::vector<double> esperadas = v;
    std::sort(esperadas.begin(), esperadas.end());
    EXPECT_EQ(vazoesOrdenadas(s), esperadas);
    EXPECT_EQ(vazoesOrdenadas(serieDe({3, -1, 0, 2.5})), (std::vector<double>{-1, 0, 2.5, 3}));
}

TEST(PermanenciaReferencias, LinhasAlemDaTabela) {
    // 18 days of 100 and 2 of 1: class 50 holds 90 %. Q95 lies between class 2 (F 90) and class 1
    // (F 100): 10^(1/25) + (1 - 10^(1/25)) x 0,5 = 1,048239; Q90 matches class 2 (1,096478). From
    // Q85 on every class has F 90 or more: "-" and no bounds.
    std::vector<double> v(18, 100.0);
    v.push_back(1);
    v.push_back(1);
    const CurvaPermanencia c = CalcularPermanencia(serieDe(v));
    EXPECT_NEAR(*c.referenciasClasses[0].vazao, 1.048239098072, 1e-9);
    EXPECT_NEAR(*c.referenciasClasses[1].vazao, 1.096478196143, 1e-9);
    EXPECT_EQ(coluna(tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Grade), 1),
              (std::vector<QString>{"1,0482", "1,0965", "-", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(relatorioReferenciasClasses(c.referenciasClasses).linhas[2],
              (std::vector<QString>{"85", "", "", "", "", "-"}));
    EXPECT_EQ(tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Csv).linhas[2],
              (std::vector<QString>{"85", "-"}));

    // A single valid day: no curve to read a reference flow from.
    const CurvaPermanencia um = CalcularPermanencia(serieDe({5}));
    for (std::size_t i = 0; i < kPermanencias.size(); ++i) {
        EXPECT_FALSE(um.referenciasClasses[i].vazao.has_value());
        EXPECT_FALSE(um.referenciasClasses[i].max.has_value());
        EXPECT_FALSE(um.referenciasContinua[i].vazao.has_value());
    }
    EXPECT_EQ(classe(um, 1).f, 100);

    // Two equal flows: a flat curve, every reference flow is that flow.
    const CurvaPermanencia plana = CalcularPermanencia(serieDe({5, 5}));
    for (std::size_t i = 0; i < kPermanencias.size(); ++i) {
        EXPECT_DOUBLE_EQ(*plana.referenciasClasses[i].vazao, 5);
        EXPECT_DOUBLE_EQ(*plana.referenciasContinua[i].vazao, 5);
    }
}

TEST(PermanenciaDados, SoOsMesesConsiderados) {
    // January 1990: 1,0 a day but day 5 missing; February discarded (9,0 a day); March without data
    // (code -2). The daily list holds January's 31 days, the flows only 30 of them.
    SerieTabela s = teste::serieDiaria(QDate(1990, 1, 1), QDate(1990, 3, 1),
                                       [](QDate d) -> std::optional<double> {
                                           if (d == QDate(1990, 1, 5) || d.month() == 3)
                                               return std::nullopt;
                                           return d.month() == 2 ? 9.0 : 1.0;
                                       });
    s.armazenados()[1].vazao01Status = kDescartado;
    s.armazenados()[2].vazao01Status = kSemDados;
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("p.cvl"));
    gravarProjeto(arquivo, s);
    const SerieTabela considerados = lerMesesConsiderados(arquivo);
    const auto dias = ListaDiaria(considerados);
    ASSERT_EQ(dias.size(), 31u);
    EXPECT_EQ(dias[4].id, 5);
    EXPECT_EQ(dias[4].data, QDate(1990, 1, 5));
    EXPECT_FALSE(dias[4].valor.has_value());
    const CurvaPermanencia c = CalcularPermanencia(considerados);
    EXPECT_EQ(c.diasValidos, 30);
    EXPECT_EQ(c.continua.back().valor, 1.0);
    EXPECT_EQ(periodoPermanencia(considerados), QStringLiteral("Janeiro/1990 - Janeiro/1990"));

    s.armazenados()[0].vazao01Status = kDescartado;
    s.armazenados()[2].vazao01Status = kConsiderado; // March: considered, but every day empty
    gravarProjeto(arquivo, s);
    try {
        CalcularPermanencia(lerMesesConsiderados(arquivo));
        ADD_FAILURE() << "calculado sem vazões";
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Não há vazões válidas nos meses considerados."));
    }
}

TEST(PermanenciaTextos, TabelaDeClassesEGraficos) {
    const CurvaPermanencia c = CalcularPermanencia(serieDe({30, 1, 100, 3}));
    const TabelaTexto grade = tabelaClasses(c.classes, FormaTexto::Grade);
    EXPECT_EQ(grade.titulos,
              (std::vector<QString>{"Classe", "Intervalo de classe (m³/s)", "Vazão máx. (m³/s)",
                                    "Vazão mín. (m³/s)", "Núm. dias", "Frequência (%)",
                                    "Freq. acumulada (%)"}));
    // Class 50: 100 down to 10^(49/25) = 91,2011.
    EXPECT_EQ(grade.linhas[0], (std::vector<QString>{"50", "100,000  -  91,201", "100,0000",
                                                     "91,2011", "1", "25,0000", "25,0000"}));
    const TabelaTexto csv = tabelaClasses(c.classes, FormaTexto::Csv);
    EXPECT_EQ(csv.linhasAntes,
              (std::vector<QString>{"  ;", "  ;", "  Vazões X Permanência - Classes", "  ;", "  ;",
                                    "  ;"}));
    EXPECT_EQ(csv.linhas[49][0], QStringLiteral("1"));
    EXPECT_EQ(csv.linhas[49][1], QStringLiteral("1,096  -  1,000"));
    EXPECT_EQ(csv.linhas[49][4], QStringLiteral("1"));
    EXPECT_EQ(csv.linhas[49][6], QStringLiteral("100"));
    EXPECT_EQ(tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Csv).linhasAntes[2],
              QStringLiteral("  Vazões X Permanência - classes"));
    EXPECT_EQ(tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Grade).titulos,
              (std::vector<QString>{"Permanência (%)", "Vazão (m³/s)"}));

    const RelatorioTexto r = relatorioClasses(c.classes);
    EXPECT_EQ(r.titulo,
              QStringLiteral("Curva de permanência - Análise de frequência (com classes)"));
    EXPECT_EQ(r.linhas[0],
              (std::vector<QString>{"50", "100,0000", "91,2011", "1", "25,0000", "25,0000"}));
    EXPECT_EQ(relatorioContinua(c.continua).colunas,
              (std::vector<QString>{"Permanência%", "Vazão (m³/s)", "", "", "", ""}));
    EXPECT_EQ(relatorioReferenciasContinua(c.referenciasContinua).titulo,
              QStringLiteral("Curva de permanência - Vazões X Permanência (contínua)"));

    const GraficoPermanencia g = graficoClasses(c.classes);
    EXPECT_EQ(g.titulo, QStringLiteral("Curva de Permanência"));
    EXPECT_EQ(g.eixoX, QStringLiteral("Frequência acumulada ( %)"));
    ASSERT_EQ(g.pontos.size(), 50u);
    EXPECT_EQ(g.pontos.front(), QPointF(25, 100));
    EXPECT_DOUBLE_EQ(g.pontos.back().x(), 100);

    const TabelaTexto dados = tabelaDadosPermanencia(serieDe({2.5}));
    EXPECT_EQ(dados.titulos.size(), 32u);
    EXPECT_EQ(dados.titulos[1], QStringLiteral("Dia 01"));
    EXPECT_EQ(dados.titulos[31], QStringLiteral("Dia 31"));
    EXPECT_EQ(dados.linhas[0][0], QStringLiteral("Janeiro/1990"));
    EXPECT_EQ(dados.linhas[0][1], QStringLiteral("2,5"));
    EXPECT_EQ(dados.linhas[0][2], QString());
}

TEST(PermanenciaTextos, PlanilhasEPontosNaEscalaLogaritmica) {
    // 18 days of 100 and 2 of 0: Q95 and Q90 fall in class 1, from Q85 on beyond the table.
    std::vector<double> v(18, 100.0);
    v.push_back(0);
    v.push_back(0);
    const CurvaPermanencia c = CalcularPermanencia(serieDe(v));

    const TabelaExibida classes = planilhaClasses(c.classes);
    ASSERT_EQ(classes.colunas.size(), 7u);
    const std::vector<TipoCampo> tipos = {TipoCampo::Inteiro, TipoCampo::Texto,   TipoCampo::Real,
                                          TipoCampo::Real,    TipoCampo::Inteiro, TipoCampo::Real,
                                          TipoCampo::Real};
    for (std::size_t k = 0; k < tipos.size(); ++k)
        EXPECT_EQ(classes.colunas[k].tipo, tipos[k]) << k;
    EXPECT_EQ(classes.colunas[6].rotulo, QStringLiteral("Freq. acumulada (%)"));
    // Class 50 from 100 down to 100 x (0,0001 / 100)^(1/50) = 100 / 10^0,12 = 75,8578.
    ASSERT_EQ(classes.linhas.size(), 50u);
    EXPECT_EQ(classes.linhas[0][0], Valor(qint64(50)));
    EXPECT_EQ(classes.linhas[0][1], Valor(QStringLiteral("100,000  -  75,858")));
    EXPECT_EQ(classes.linhas[0][2], Valor(100.0));
    EXPECT_NEAR(std::get<double>(classes.linhas[0][3]), 100 / std::pow(10.0, 0.12), 1e-9);
    EXPECT_EQ(classes.linhas[0][4], Valor(qint64(18)));
    EXPECT_EQ(classes.linhas[0][6], Valor(90.0));
    // The two dry days appear only in class 1: 100 - 90.
    EXPECT_EQ(classes.linhas[49][4], Valor(qint64(0)));
    EXPECT_EQ(classes.linhas[49][5], Valor(10.0));

    const TabelaExibida referencias = planilhaReferenciasClasses(c.referenciasClasses);
    EXPECT_EQ(referencias.colunas[0].rotulo, QStringLiteral("Permanência (%)"));
    EXPECT_EQ(referencias.linhas[0][0], Valor(qint64(95)));
    EXPECT_TRUE(std::holds_alternative<double>(referencias.linhas[0][1]));
    EXPECT_EQ(referencias.linhas[2], (std::vector<Valor>{qint64(85), Valor()})); // "-" in the grid

    // Continuous: the dry days get 100 and 95, the largest flow 5 %.
    const TabelaExibida continua = planilhaContinua(c.continua);
    EXPECT_EQ(continua.colunas[0].rotulo, QStringLiteral("Vazão (m³/s)"));
    EXPECT_EQ(continua.colunas[1].tipo, TipoCampo::Real);
    EXPECT_EQ(continua.linhas[0], (std::vector<Valor>{0.0, 100.0}));
    EXPECT_EQ(continua.linhas[19], (std::vector<Valor>{100.0, 5.0}));
    const TabelaExibida refContinua = planilhaReferenciasContinua(c.referenciasContinua);
    EXPECT_EQ(refContinua.colunas[0].rotulo, QStringLiteral("Permanência(%)"));
    // Q95 matches the second dry day (95 %), Q90 the first day of 100 (90 %).
    EXPECT_EQ(refContinua.linhas[0], (std::vector<Valor>{qint64(95), 0.0}));
    EXPECT_EQ(refContinua.linhas[1], (std::vector<Valor>{qint64(90), 100.0}));

    // A logarithmic axis leaves the dry days out, in order; a linear one draws every point.
    const GraficoPermanencia g = graficoContinua(c.continua);
    EXPECT_EQ(pontosNaEscala(g, false).size(), 20u);
    const std::vector<QPointF> log = pontosNaEscala(g, true);
    ASSERT_EQ(log.size(), 18u);
    EXPECT_EQ(log.front(), QPointF(90, 100));
    EXPECT_EQ(log.back(), QPointF(5, 100));
}

} // namespace
