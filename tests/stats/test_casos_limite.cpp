// Inputs at the edges of each fit: the median return period, samples without spread, zero and
// negative values, negative and zero skewness, two values, arithmetic that overflows; and the
// sign of the log-Pearson III skewness when the fitted α is negative.
#include "amostras.h"

#include "stats/distribuicoes.h"

#include <gtest/gtest.h>
#include <limits>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

void falhou(const ResultadoAjuste& a, const char* classe) {
    EXPECT_EQ(a.GetErro(), 1) << classe;
    EXPECT_EQ(a.GetEvento(), 0.0) << classe;
    EXPECT_EQ(a.GetErroPadrao(), 0.0) << classe;
    EXPECT_EQ(a.GetLimiteSuperior(), 0.0) << classe;
    EXPECT_EQ(a.GetLimiteInferior(), 0.0) << classe;
}

// Every fit of the sample fails at T = 10, the parameters a failure zeroes included.
void todasFalham(const std::vector<double>& x) {
    const TWeibull w(x, 10);
    falhou(w, "TWeibull");
    EXPECT_EQ(w.Beta(), 0.0);
    EXPECT_EQ(w.Gama(), 0.0);
    const TGumbel g(x, 10, true);
    falhou(g, "TGumbel");
    EXPECT_EQ(g.Beta(), 0.0);
    const TPearson3 p(x, 10, true);
    falhou(p, "TPearson3");
    EXPECT_EQ(p.Beta(), 0.0);
    EXPECT_EQ(p.Gama(), 0.0);
    falhou(TLogNormal2(x, 10, true), "TLogNormal2");
    falhou(TLogNormal3(x, 10, true), "TLogNormal3");
    const TLogPearson3 l(x, 10, false);
    falhou(l, "TLogPearson3");
    EXPECT_EQ(l.Beta(), 0.0);
    EXPECT_EQ(l.Gama(), 0.0);
}

TEST(CasosLimite, DoisAnosDaOFatorEmZParaMaximasEMinimas) {
    // z = 0 = −0: the event type no longer matters.
    for (const auto* x : {&kMaximas, &kMinimas}) {
        EXPECT_EQ(TPearson3(*x, 2, true).GetEvento(), TPearson3(*x, 2, false).GetEvento());
        EXPECT_EQ(TLogPearson3(*x, 2, true).GetEvento(), TLogPearson3(*x, 2, false).GetEvento());
        EXPECT_EQ(TLogNormal2(*x, 2, true).GetEvento(), TLogNormal2(*x, 2, false).GetEvento());
        EXPECT_EQ(TLogNormal3(*x, 2, true).GetEvento(), TLogNormal3(*x, 2, false).GetEvento());
    }
    // The two-parameter log-normal's median, by hand: x̄ / √(1 + Cv²), with the maxima's
    // x̄ = 890.60333… and s² = 105319.71136… (referencias.py).
    const double media = 890.6033333333332, cv2 = 105319.71136781611 / (media * media);
    EXPECT_TRUE(
        relativo(TLogNormal2(kMaximas, 2, true).GetEvento(), media / std::sqrt(1 + cv2), 1e-12));
}

TEST(CasosLimite, AmostraSemDispersaoFalhaSemNaN) {
    // 12.5 sums exactly; 0.1 leaves Σx²/n − x̄² = −1.7e-18 and 123.456 (n = 5) +5.5e-12, which
    // must not pass for a spread.
    todasFalham(std::vector<double>(30, 12.5));
    todasFalham(std::vector<double>(30, 0.1));
    todasFalham(std::vector<double>(5, 123.456));
    // What was computed before the failure stays shown.
    EXPECT_EQ(TWeibull(std::vector<double>(30, 12.5), 10).Media(), 12.5);
}

TEST(CasosLimite, AritmeticaIndefinidaEncerraOAjuste) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    todasFalham({});                                  // 0/0
    todasFalham({42.0});                              // n − 1 = 0
    todasFalham({1e120, 2e120, 3e120, 4e120, 5e120}); // x³ overflows
    todasFalham({10, 12, nan, 15, 11});
}

TEST(CasosLimite, ZeroNaAmostraDoLogPearson3) {
    // A year without flow: the moments of the untransformed values stay positive and the fit
    // goes on (referencias.py, "logpearson3 min com zero").
    std::vector<double> x = kMinimas;
    x[10] = 0.0;
    const TLogPearson3 l(x, 10, false);
    ASSERT_EQ(l.GetErro(), 0);
    EXPECT_TRUE(relativo(l.GetEvento(), 7.7645825609686, 1e-9));
    EXPECT_TRUE(relativo(l.GetErroPadrao(), 2.304636732105122, 1e-9));
    EXPECT_TRUE(relativo(l.Assimetria(), -3.463362664679183, 1e-9));

    // A non-positive moment has no logarithm: ln μ'1 with μ'1 = −0.9, and with all zeros.
    for (const std::vector<double>& ruim :
         {std::vector<double>{-5, -3, 1, 2, 0.5}, std::vector<double>(6, 0.0)}) {
        const TLogPearson3 f(ruim, 10, false);
        falhou(f, "TLogPearson3");
        EXPECT_EQ(f.Beta(), 0.0);
        EXPECT_EQ(f.Gama(), 0.0);
    }
}

TEST(CasosLimite, AssimetriaNegativaNaoTemLogNormal3) {
    // g = m3/s³ = −2.2172 (by referencias.momentos): no log-normal has it.
    const std::vector<double> x = {980, 1010, 1005, 990, 700, 1000, 995, 1015, 985, 1008};
    const TLogNormal3 l(x, 10, true);
    falhou(l, "TLogNormal3");
    EXPECT_TRUE(relativo(l.Assimetria(), -2.2172434866963098, 1e-12));
    EXPECT_EQ(l.A(), 0.0);
    EXPECT_EQ(TLogNormal2(x, 10, true).GetErro(), 0);
}

TEST(CasosLimite, Pearson3ComDoisValores) {
    // √(n(n − 1)) / (n − 2) divides by zero.
    const TPearson3 p(std::vector<double>{100.0, 140.0}, 10, true);
    falhou(p, "TPearson3");
    EXPECT_EQ(p.Beta(), 0.0);
    EXPECT_EQ(p.Gama(), 0.0);
    EXPECT_EQ(p.Media(), 120.0);
}

TEST(CasosLimite, AssimetriaZero) {
    // {1, 2, 3, 4}: m3 = 2·2.5³ + 25 − 3·2.5·7.5 = 0 exactly. β = (2/g)² and η = 0 divide by
    // zero; the other fits have no such division (referencias.lognormal2([1, 2, 3, 4], 10)).
    const std::vector<double> x = {1, 2, 3, 4};
    falhou(TPearson3(x, 10, true), "TPearson3");
    falhou(TLogNormal3(x, 10, true), "TLogNormal3");
    const TLogNormal2 l(x, 10, true);
    ASSERT_EQ(l.GetErro(), 0);
    EXPECT_EQ(l.Assimetria(), 0.0);
    EXPECT_TRUE(relativo(l.GetEvento(), 4.142380711468486, 1e-9));
    EXPECT_TRUE(relativo(l.GetErroPadrao(), 1.6022486649526952, 1e-9));
    EXPECT_EQ(TGumbel(x, 10, true).GetErro(), 0);
    EXPECT_EQ(TWeibull(x, 10).GetErro(), 0);
}

TEST(CasosLimite, LogPearson3ComAlfaNegativoTemAssimetriaNegativa) {
    // The minima give B = 2.93 < 3, hence α < 0: ln x = m + Y/α, Y ~ Gamma(λ), is skewed to the
    // left. referencias.py computes the exact T-year minimum of that fitted distribution from
    // the regularized incomplete gamma function: 10.16981 (T = 10) and 7.84959 (T = 100). With
    // the signed skewness the frequency-factor series lands within 0.05 % of it; with the sign
    // dropped it gives 10.333 and 8.746, 1.6 % and 11 % too high.
    const struct {
        int T;
        double exato;
    } casos[] = {{10, 10.169812985750113}, {100, 7.8495876832243345}};
    for (const auto& c : casos) {
        const TLogPearson3 l(kMinimas, c.T, false);
        ASSERT_EQ(l.GetErro(), 0);
        EXPECT_LT(l.Alfa(), 0.0);
        EXPECT_TRUE(relativo(l.Assimetria(), -2 / std::sqrt(l.Beta()), 1e-15));
        EXPECT_TRUE(relativo(l.GetEvento(), c.exato, 5e-4)) << "T = " << c.T;
    }
    // With α > 0 (the maxima, B > 3) the log skewness stays positive.
    const TLogPearson3 maximas(kMaximas, 100, true);
    EXPECT_GT(maximas.Alfa(), 0.0);
    EXPECT_TRUE(relativo(maximas.Assimetria(), 2 / std::sqrt(maximas.Beta()), 1e-15));
}

} // namespace
