// The normal and incomplete gamma functions against exact identities and published tables.
#include "amostras.h"

#include "stats/especiais.h"
#include "stats/familias.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::relativo;

namespace {

// Φ⁻¹ at points known to 16 digits (as Wichura's AS 241 and mpmath give them): 2e-15 relative,
// the rounding of the last digit.
TEST(Especiais, QuantilNormalEmPontosTabelados) {
    const struct {
        double p, z;
    } casos[] = {{0.975, 1.959963984540054},  {0.99, 2.326347874040841},
                 {0.9, 1.2815515655446004},   {0.5, 0},
                 {1e-10, -6.361340902404056}, {0.001, -3.090232306167813}};
    for (const auto& c : casos) {
        if (c.z == 0) {
            EXPECT_NEAR(quantilNormal(c.p), 0, 1e-16);
        } else {
            EXPECT_TRUE(relativo(quantilNormal(c.p), c.z, 2e-15)) << c.p;
        }
    }
    EXPECT_TRUE(std::isinf(quantilNormal(0)));
    EXPECT_TRUE(std::isnan(quantilNormal(1.5)));
}

// Φ(Φ⁻¹(p)) = p to the rounding of z: a change of one unit in the last place of z moves Φ by
// a relative z²·2⁻⁵² in the far tail.
TEST(Especiais, NormalEInversaSeDesfazem) {
    for (double p = 1e-300; p < 1; p = p < 1e-3 ? p * 1e7 : p + 0.0625) {
        const double z = quantilNormal(p);
        EXPECT_TRUE(relativo(normalAcumulada(z), p, 1e-15 * (4 + z * z))) << p;
    }
    EXPECT_NEAR(inversaErro(std::erf(0.3)), 0.3, 1e-15);
}

// Exact forms: P(1, x) = 1 − e^−x and P(½, x) = erf(√x).
TEST(Especiais, GamaIncompletaContraFormasExatas) {
    for (double x : {0.01, 0.5, 1.0, 3.0, 20.0}) {
        EXPECT_TRUE(relativo(gamaIncompleta(1, x), -std::expm1(-x), 1e-14)) << x;
        EXPECT_TRUE(relativo(gamaIncompleta(0.5, x), std::erf(std::sqrt(x)), 1e-14)) << x;
    }
}

// P and Q at a ± a few √a from mpmath at 40 digits (referencias_especiais.py): a = 3 to 800 go
// through the series and the continued fraction, 2 500 and 40 000 through the quadrature.
// 5e-13: P moves by a relative z√a·2⁻⁵² with the last bit of x, 4·10⁻¹³ at a = 40 000, z = −3.
TEST(Especiais, GamaIncompletaContraMpmath) {
    const struct {
        double a, x, P, Q;
    } casos[] = {
        {3, 0.803847577293368, 0.047977416239410988, 0.95202258376058901},
        {3, 4.267949192431123, 0.79859022862329392, 0.20140977137670608},
        {3, 6.0, 0.93803119558334104, 0.061968804416658961},
        {3, 8.598076211353316, 0.99141124485789505, 0.0085887551421049512},
        {3, 12.928203230275509, 0.99976321956654771, 0.00023678043345228506},
        {30, 13.568323274845017, 7.9839501836413884e-5, 0.99992016049816359},
        {30, 24.522774424948338, 0.15710903466435882, 0.84289096533564118},
        {30, 30.0, 0.52428301389368007, 0.47571698610631993},
        {30, 38.21583836257749, 0.9252242956545639, 0.074775704345436104},
        {30, 51.90890230020665, 0.99961369853427716, 0.0003863014657228391},
        {250, 202.56583509747432, 0.00070513778733504623, 0.99929486221266495},
        {250, 234.18861169915812, 0.15848632742858533, 0.84151367257141467},
        {250, 250.0, 0.50841062696899096, 0.49158937303100904},
        {250, 273.71708245126285, 0.93002151625218255, 0.069978483747817448},
        {250, 313.2455532033676, 0.99990264568114288, 9.7354318857124228e-5},
        {800, 715.1471862576143, 0.00096348904928905059, 0.99903651095071095},
        {800, 771.7157287525381, 0.15860354179054653, 0.84139645820945347},
        {800, 800.0, 0.50470161242164133, 0.49529838757835867},
        {800, 842.4264068711929, 0.93136162475209531, 0.068638375247904689},
        {800, 913.1370849898476, 0.9999377937222385, 6.2206277761504958e-5},
        {2500, 2350.0, 0.0011234613837993763, 0.99887653861620062},
        {2500, 2450.0, 0.15863888966777125, 0.84136111033222875},
        {2500, 2500.0, 0.50265962110765488, 0.49734037889234512},
        {2500, 2575.0, 0.93213828420695062, 0.067861715793049378},
        {2500, 2700.0, 0.99995282364405306, 4.7176355946936413e-5},
        {40000, 39400.0, 0.0012914189515289358, 0.99870858104847106},
        {40000, 39800.0, 0.15865424212199995, 0.84134575787800005},
        {40000, 40000.0, 0.50066490389301165, 0.49933509610698835},
        {40000, 40300.0, 0.93292453413534816, 0.067075465864651839},
        {40000, 40800.0, 0.99996485530726685, 3.5144692733146691e-5},
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(relativo(gamaIncompleta(c.a, c.x), c.P, 5e-13)) << c.a << " " << c.x;
        EXPECT_TRUE(relativo(gamaIncompletaComplementar(c.a, c.x), c.Q, 5e-13))
            << c.a << " " << c.x;
    }
}

TEST(Especiais, QuantilGamaDesfazAAcumulada) {
    for (double a : {0.05, 0.3, 1.0, 2.5, 10.0, 150.0, 4000.0})
        for (double p : {1e-12, 1e-4, 0.01, 0.3, 0.5, 0.9, 0.999, 1 - 1e-9}) {
            const double x = quantilGama(a, p);
            const double volta =
                p > 0.5 ? 1 - gamaIncompletaComplementar(a, x) : gamaIncompleta(a, x);
            EXPECT_TRUE(relativo(volta, p, 1e-10)) << a << " " << p;
        }
}

// Frequency factors K of the Pearson type III, x_T = μ + Kσ, for the exceedance probability
// 0.01 (T = 100), from the table of the Interagency Advisory Committee on Water Data, Bulletin
// 17B (1982), Appendix 3, given to 5 decimals.
TEST(Especiais, FatoresDeFrequenciaDoBoletim17B) {
    const struct {
        double gama, K;
    } casos[] = {{2.0, 3.60517}, {1.0, 3.02256},  {0.5, 2.68572},
                 {0.0, 2.32635}, {-0.5, 1.95472}, {-1.0, 1.58838}};
    for (const auto& c : casos)
        EXPECT_NEAR(ParametrosPearson3({0, 1, c.gama}).quantil(0.99), c.K, 6e-6) << c.gama;
}

} // namespace
