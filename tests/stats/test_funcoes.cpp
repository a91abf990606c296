// The numeric helpers against independent references: the standard normal quantile, the gamma
// function, exact digamma values, and the Wilson-Hilferty form of the frequency factor.
#include "amostras.h"

#include "stats/funcoes.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace corvel;
using corvel::teste::relativo;

namespace {

// statistics.NormalDist().inv_cdf(1 - 1/T), Python 3 standard library.
struct Quantil {
    double T, z;
};
const Quantil kQuantis[] = {
    {3, 0.43072729929545767},  {5, 0.8416212335729144},     {10, 1.2815515655446008},
    {25, 1.7506860712521695},  {50, 2.053748910631822},     {100, 2.3263478740408408},
    {1000, 3.090232306167813}, {10000, 3.7190164854557084},
};

TEST(DesvioNormalPadronizado, DentroDoErroDaAproximacaoPublicada) {
    for (const Quantil& q : kQuantis)
        EXPECT_NEAR(DesvioNormalPadronizado(q.T), q.z, 4.5e-4) << "T = " << q.T;
}

TEST(DesvioNormalPadronizado, ZeroAteDoisAnos) {
    // The median and below: exactly zero, so T = 2 gives the frequency factor at z = 0.
    for (const double T : {2.0, 1.5, 1.0, 0.0, -3.0})
        EXPECT_EQ(DesvioNormalPadronizado(T), 0.0) << "T = " << T;
    EXPECT_GT(DesvioNormalPadronizado(2.0001), 0.0);
}

TEST(FuncaoGama, ContraMathGamma) {
    // math.gamma (Python); the six-term series is good to about 2e-10 relative for x >= 1.
    const struct {
        double x, gama;
    } casos[] = {{1.0, 1.0},
                 {1.5, 0.886226925452758},
                 {2.5, 1.3293403881791372},
                 {4.2, 7.756689535793181},
                 {7.0, 720.0},
                 {8.0, 5040.0}};
    for (const auto& c : casos)
        EXPECT_TRUE(relativo(FuncaoGama(c.x), c.gama, 3e-10)) << "x = " << c.x;
}

TEST(FuncaoDigama, ContraValoresExatos) {
    // psi(1) = −γ, psi(2) = 1 − γ, psi(3) = 3/2 − γ, psi(1/2) = −γ − 2 ln 2; the series is
    // truncated after the a^−6 term, so the error is below its next term 1/(240 a^8), a = x + 2.
    const double g = std::numbers::egamma;
    const struct {
        double x, psi;
    } casos[] = {{1.0, -g}, {2.0, 1 - g}, {3.0, 1.5 - g}, {0.5, -g - 2 * std::numbers::ln2}};
    for (const auto& c : casos)
        EXPECT_NEAR(FuncaoDigama(c.x), c.psi, 1 / (240 * std::pow(c.x + 2, 8))) << "x = " << c.x;
}

// Wilson-Hilferty: K = (2/γ)[(1 + γz/6 − γ²/36)³ − 1]. Expanded in k = γ/6 it is the same series
// as Kite's but for the last term (−k⁵/3 instead of +k⁵/3): the difference is exactly 2k⁵/3,
// which checks every coefficient of the series at once.
double wilsonHilferty(double z, double gama) {
    const double k = gama / 6;
    return 2 / gama * (std::pow(1 + k * z - k * k, 3) - 1);
}

TEST(FatorFrequenciaPearson3, SerieDeKiteContraWilsonHilferty) {
    for (const double z : {-3.719, -1.2817, 0.0, 0.43, 2.3268})
        for (const double gama : {-2.5, -0.4, 0.3, 1.1, 3.0}) {
            const double k = gama / 6;
            EXPECT_NEAR(FatorFrequenciaPearson3(z, gama) - wilsonHilferty(z, gama),
                        2 * std::pow(k, 5) / 3, 1e-12)
                << "z = " << z << ", γ = " << gama;
        }
}

TEST(FatorFrequenciaPearson3, SemAssimetriaEhODesvioNormal) {
    for (const double z : {-2.3268, 0.0, 1.2817})
        EXPECT_DOUBLE_EQ(FatorFrequenciaPearson3(z, 0.0), z);
}

TEST(FatorFrequenciaPearson3, DerivadaContraDiferencaCentral) {
    // (K(γ + h) − K(γ − h)) / 2h; truncation O(h²) and rounding O(1e-16/h) stay below 1e-8.
    const double h = 1e-5;
    for (const double z : {-2.3268, 0.0, 1.2817, 3.719})
        for (const double gama : {-1.5, 0.0, 0.36, 2.2}) {
            const double numerica =
                (FatorFrequenciaPearson3(z, gama + h) - FatorFrequenciaPearson3(z, gama - h)) /
                (2 * h);
            EXPECT_NEAR(DerivadaFatorFrequenciaPearson3(z, gama), numerica, 1e-8)
                << "z = " << z << ", γ = " << gama;
        }
}

TEST(FatorErroPadraoPearson3, SemAssimetria) {
    // γ = 0: K = z and dK/dγ = (z² − 1)/6, so δ² = 1 + z²/2 + (z² − 1)²/6 (by hand: 7/6 at z = 0,
    // 4.5 at z = 2).
    EXPECT_DOUBLE_EQ(FatorErroPadraoPearson3(0, 0, -1.0 / 6), 7.0 / 6);
    EXPECT_DOUBLE_EQ(FatorErroPadraoPearson3(0, 2, 0.5), 4.5);
}

} // namespace
