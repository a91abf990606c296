// Sample L-moments against their definition: l_r as the average over every subsample of r events
// of (1/r) Σ_k (−1)^k C(r−1, k) x_(r−k):r (Hosking 1990, eq. 2.1 with expectations replaced by
// the average over subsamples), enumerated here by brute force.
#include "amostras.h"

#include "stats/lmomentos.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace corvel;
using corvel::teste::relativo;

namespace {

std::array<double, 4> porSubamostras(std::vector<double> x) {
    std::sort(x.begin(), x.end());
    const int n = static_cast<int>(x.size());
    std::array<double, 4> soma{}, conta{};
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            soma[1] += (x[j] - x[i]) / 2, conta[1] += 1;
            for (int k = j + 1; k < n; ++k) {
                soma[2] += (x[k] - 2 * x[j] + x[i]) / 3, conta[2] += 1;
                for (int m = k + 1; m < n; ++m)
                    soma[3] += (x[m] - 3 * x[k] + 3 * x[j] - x[i]) / 4, conta[3] += 1;
            }
        }
    double media = 0;
    for (double v : x)
        media += v / n;
    return {media, soma[1] / conta[1], soma[2] / conta[2], soma[3] / conta[3]};
}

TEST(LMomentos, IguaisAosDaDefinicao) {
    const std::vector<std::vector<double>> amostras = {
        {1, 2, 3, 4, 5},
        {4.2, 0.7, 9.9, 3.3, 3.3, 12.5, 0.1},
        {850.0, 1210.5, 640.2, 2300.0, 990.0, 720.8, 1500.1, 810.0, 1020.3, 3100.0, 870.6}};
    for (const auto& a : amostras) {
        const LMomentos l = lmomentosAmostrais(a);
        const auto e = porSubamostras(a);
        EXPECT_TRUE(relativo(l.l1, e[0], 1e-14));
        EXPECT_TRUE(relativo(l.l2, e[1], 1e-13));
        // l3 and l4 vanish for symmetric or evenly spaced samples: compared on the scale of l2.
        EXPECT_NEAR(l.l3, e[2], 1e-13 * e[1]);
        EXPECT_NEAR(l.l4, e[3], 1e-13 * e[1]);
        EXPECT_DOUBLE_EQ(l.t3, l.l3 / l.l2);
        EXPECT_EQ(l.n, static_cast<int>(a.size()));
    }
}

// 1..5 by hand: b1 = (0·1 + ¼·2 + ½·3 + ¾·4 + 5)/5 = 2, so l2 = 2·2 − 3 = 1; a symmetric sample
// has l3 = 0, and a uniform spacing l4 = 0.
TEST(LMomentos, AmostraDeUmACinco) {
    const std::vector<double> x = {5, 3, 1, 4, 2};
    const LMomentos l = lmomentosAmostrais(x);
    EXPECT_DOUBLE_EQ(l.l1, 3);
    EXPECT_DOUBLE_EQ(l.l2, 1);
    EXPECT_NEAR(l.l3, 0, 1e-15);
    EXPECT_NEAR(l.l4, 0, 1e-15);
}

TEST(LMomentos, AmostrasCurtasDeixamOsMomentosAltosIndefinidos) {
    const std::vector<double> tres = {1, 2, 4};
    EXPECT_TRUE(std::isnan(lmomentosAmostrais(tres).l4));
    EXPECT_FALSE(std::isnan(lmomentosAmostrais(tres).l3));
    const std::vector<double> um = {7};
    EXPECT_TRUE(std::isnan(lmomentosAmostrais(um).l2));
    const std::vector<double> iguais = {2, 2, 2, 2};
    EXPECT_TRUE(std::isnan(lmomentosAmostrais(iguais).t3));
}

} // namespace
