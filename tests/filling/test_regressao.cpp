// Regression statistics of the gap-filling window: the sums, the acceptance thresholds at their
// edges, identical stations, stations without common months and the undefined cases.
#include "impressao_qt.h"

#include "estacoes.h"

#include "filling/regressao.h"

#include <gtest/gtest.h>

using namespace corvel;
using teste::estacao;
using teste::kVazio;
using teste::seguidos;

namespace {

const QDate k1970(1970, 1, 1);

// A project of 1970-1972 with the base and the auxiliary stations given by their monthly means
// from January 1970.
ProjetoPreenchimento projeto(const std::vector<std::vector<double>>& colunas) {
    ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    int codigo = 100;
    for (const auto& v : colunas)
        adicionarEstacao(p, estacao(++codigo, k1970, QDate(1972, 12, 1), seguidos(k1970, v)));
    return p;
}

TEST(RegressaoLinear, SomasVaziasEUmPar) {
    TLinearRegression r;
    EXPECT_EQ(r.coeficientes(), (std::pair<double, double>{0, 0}));
    EXPECT_EQ(r.correlacao(), 0);
    r.adicionar(2, 3);
    EXPECT_EQ(r.n(), 1);
    EXPECT_EQ(r.correlacao(), 0); // fewer than two pairs
    r.limpar();
    EXPECT_EQ(r.n(), 0);
}

TEST(RegressaoLinear, LimitesDeAceitacao) {
    // Column 2, 8 common months: x = 4 3 3 2 6 7 7 8, y = 4 4 5 3 5 6 7 6. Both means are 5; the
    // deviations give Sxx = 36, Syy = 12, Sxy = 18: A = 0,5, B = 2,5, R² = 18² / (36 × 12) = 0,75.
    // Column 3, 9 common months (the base's first nine with the ninth pair added): see below.
    // Column 4: the base itself over its nine months: r = 1.
    const std::vector<double> base8 = {4, 4, 5, 3, 5, 6, 7, 6};
    const std::vector<double> x8 = {4, 3, 3, 2, 6, 7, 7, 8};
    ProjetoPreenchimento p = projeto({base8, x8});
    auto e = CalculosEstatistico(p);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].dadosComuns, 8);
    EXPECT_DOUBLE_EQ(*e[0].a, 0.5);
    EXPECT_DOUBLE_EQ(*e[0].b, 2.5);
    EXPECT_DOUBLE_EQ(*e[0].r2, 0.75);
    EXPECT_EQ(e[0].textoValidacao(), QStringLiteral("Estação Rejeitada")); // 8 is not more than 8
    EXPECT_TRUE(e[0].podePreencher());                                     // but 8 may fill
    EXPECT_EQ(e[0].textoR2(), QStringLiteral("0,7500"));

    // Nine months, x = 12 5 4 3 12 9 5 9 4, y = 11 2 6 6 11 8 7 8 4: both means 7, Sxx = 100,
    // Syy = 70, Sxy = 70, so R² = 4 900 / 7 000 = 0,7 exactly (squaring r after the square root
    // would give 0,6999999999999998); A = 0,7, B = 7 − 0,7 × 7 = 2,1.
    const std::vector<double> base9 = {11, 2, 6, 6, 11, 8, 7, 8, 4};
    const std::vector<double> x9 = {12, 5, 4, 3, 12, 9, 5, 9, 4};
    p = projeto({base9, x9, base9});
    e = CalculosEstatistico(p);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].dadosComuns, 9);
    EXPECT_EQ(*e[0].r2, 0.7);
    EXPECT_DOUBLE_EQ(*e[0].a, 0.7);
    EXPECT_NEAR(*e[0].b, 2.1, 1e-12);
    EXPECT_EQ(e[0].textoValidacao(), QStringLiteral("Estação aceita"));
    EXPECT_TRUE(e[0].podePreencher());
    // The same station as the base.
    EXPECT_EQ(e[1].estacao, QStringLiteral("103"));
    EXPECT_EQ(e[1].coluna, 3);
    EXPECT_EQ(e[1].textoValidacao(), QStringLiteral("Mesma estação"));
    EXPECT_EQ(*e[1].a, 1);
    EXPECT_EQ(*e[1].b, 0);
    EXPECT_TRUE(e[1].podePreencher());

    // One pair fewer: a fit below 0,7 with 8 months cannot fill.
    const std::vector<double> longe = {1, 9, 1, 9, 1, 9, 1, 9};
    const std::vector<double> baseLonge = {5, 5, 6, 6, 5, 6, 5, 7};
    e = CalculosEstatistico(projeto({baseLonge, longe}));
    EXPECT_LT(*e[0].r2, 0.7);
    EXPECT_FALSE(e[0].podePreencher());
}

TEST(RegressaoLinear, EstacoesSemMesesComunsOuSemDadosSuficientes) {
    const std::vector<double> base = {1, 2, 3, 4, 5, kVazio, kVazio, kVazio, kVazio, kVazio};
    // Column 2: values only where the base has none. Column 3: a single common month. Column 4:
    // constant over the common months. Column 5: defined, y = 2x + 1 exactly (r = 1).
    const std::vector<double> fora = {kVazio, kVazio, kVazio, kVazio, kVazio, 1, 2, 3, 4, 5};
    const std::vector<double> um = {kVazio, kVazio, 7};
    const std::vector<double> constante = {4, 4, 4, 4, 4, 1, 2};
    const std::vector<double> linear = {0, 0.5, 1, 1.5, 2};
    const auto e = CalculosEstatistico(projeto({base, fora, um, constante, linear}));
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].coluna, 3);
    EXPECT_EQ(e[0].id, 1);
    EXPECT_EQ(e[0].estacao, QStringLiteral("103"));
    EXPECT_EQ(e[0].dadosComuns, 1);
    EXPECT_EQ(e[0].textoValidacao(), QStringLiteral("Sem dados suficientes"));
    EXPECT_EQ(e[0].r2, std::nullopt);
    EXPECT_EQ(e[0].textoA(), QString());
    EXPECT_FALSE(e[0].podePreencher());
    EXPECT_EQ(e[1].coluna, 4);
    EXPECT_EQ(e[1].dadosComuns, 5);
    EXPECT_EQ(e[1].textoValidacao(), QStringLiteral("Sem dados suficientes"));
    EXPECT_EQ(e[2].coluna, 5);
    EXPECT_EQ(e[2].id, 3);
    EXPECT_EQ(e[2].textoValidacao(), QStringLiteral("Mesma estação"));
    EXPECT_EQ(*e[2].a, 2);
    EXPECT_EQ(*e[2].b, 1);
    EXPECT_EQ(e[2].textoUtilizado(), QStringLiteral("Não"));

    // A base constant over the common months leaves r undefined as well.
    const auto f = CalculosEstatistico(projeto({{3, 3, 3, 3}, {1, 2, 3, 4}}));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].validacao, Validacao::SemDadosSuficientes);
}

} // namespace
