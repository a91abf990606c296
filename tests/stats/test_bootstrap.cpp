// Parametric bootstrap: the generator against the standard's check value and an independent
// Python implementation (referencias_bootstrap.py), the Gumbel limits replicated there to
// rounding, repeatability by seed, the percentile rule, and the classical moment fits.
#include "amostras.h"

#include "stats/bootstrap.h"
#include "stats/distribuicoes.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::kMaximas;
using corvel::teste::kMinimas;
using corvel::teste::relativo;

namespace {

TEST(Bootstrap, GeradorUniformeReproduzivel) {
    // The standard fixes the 10 000th output of a default-constructed mt19937_64.
    std::mt19937_64 motor;
    motor.discard(9999);
    EXPECT_EQ(motor(), 9981545732273789042ull);
    GeradorUniforme g(20240601);
    EXPECT_EQ(g.proximo(), 0.11554143888446283);
    EXPECT_EQ(g.proximo(), 0.18246344027192202);
    EXPECT_EQ(g.proximo(), 0.16760709647198452);
}

TEST(Bootstrap, Percentil) {
    const std::vector<double> x = {1, 2, 3, 4};
    EXPECT_DOUBLE_EQ(percentil(x, 0.5), 2.5);
    EXPECT_DOUBLE_EQ(percentil(x, 0), 1);
    EXPECT_DOUBLE_EQ(percentil(x, 1), 4);
    EXPECT_DOUBLE_EQ(percentil(x, 0.025), 1.075); // h = 3 × 0.025
    EXPECT_TRUE(std::isnan(percentil(std::vector<double>{}, 0.5)));
}

// The same 500 replicates drawn and refitted by the Python script: equal to the rounding of the
// logarithms and sums (1e-12).
TEST(Bootstrap, GumbelPorLMomentosComoNaImplementacaoIndependente) {
    OpcoesBootstrap o;
    o.replicas = 500;
    o.semente = 42;
    const LimitesBootstrap r =
        limitesBootstrap(kMaximas, Distribuicao::Gumbel, MetodoAjuste::LMomentos, true, 100, o);
    ASSERT_TRUE(r.valido()) << r.falha.toStdString();
    EXPECT_EQ(r.replicas, 500);
    EXPECT_EQ(r.validas, 500);
    EXPECT_TRUE(relativo(r.evento, 1890.7115647381206, 1e-13));
    EXPECT_TRUE(relativo(r.inferior, 1543.806319889659, 1e-12));
    EXPECT_TRUE(relativo(r.superior, 2297.3227925425153, 1e-12));
    EXPECT_TRUE(relativo(r.erroPadrao, 202.5593426355443, 1e-11));
}

TEST(Bootstrap, MesmaSementeMesmosLimites) {
    OpcoesBootstrap o;
    o.replicas = 200;
    o.semente = 7;
    for (Distribuicao d :
         {Distribuicao::Weibull, Distribuicao::Lognormal3, Distribuicao::Pearson3}) {
        const LimitesBootstrap a =
            limitesBootstrap(kMinimas, d, MetodoAjuste::LMomentos, false, 50, o);
        const LimitesBootstrap b =
            limitesBootstrap(kMinimas, d, MetodoAjuste::LMomentos, false, 50, o);
        ASSERT_TRUE(a.valido()) << a.falha.toStdString();
        EXPECT_EQ(a.inferior, b.inferior);
        EXPECT_EQ(a.superior, b.superior);
        EXPECT_LT(a.inferior, a.evento);
        EXPECT_GT(a.superior, a.evento);
        o.semente = 8;
        const LimitesBootstrap c =
            limitesBootstrap(kMinimas, d, MetodoAjuste::LMomentos, false, 50, o);
        EXPECT_NE(a.inferior, c.inferior);
        o.semente = 7;
    }
}

// The classical moment fits: the sample's event is the class's GetEvento, and the replicates are
// drawn from the distribution the class fitted, so its limits straddle that event.
TEST(Bootstrap, AjustesPelosMomentos) {
    OpcoesBootstrap o;
    o.replicas = 300;
    for (Distribuicao d : {Distribuicao::Gumbel, Distribuicao::Pearson3, Distribuicao::LogPearson3,
                           Distribuicao::Lognormal2, Distribuicao::Lognormal3}) {
        const LimitesBootstrap r =
            limitesBootstrap(kMaximas, d, MetodoAjuste::Momentos, true, 100, o);
        ASSERT_TRUE(r.valido()) << nomeDistribuicao(d).toStdString() << r.falha.toStdString();
        EXPECT_GT(r.validas, 290);
        EXPECT_LT(r.inferior, r.evento);
        EXPECT_GT(r.superior, r.evento);
    }
    EXPECT_DOUBLE_EQ(
        limitesBootstrap(kMaximas, Distribuicao::Lognormal2, MetodoAjuste::Momentos, true, 100, o)
            .evento,
        TLogNormal2(kMaximas, 100, true).GetEvento());
    const LimitesBootstrap w =
        limitesBootstrap(kMinimas, Distribuicao::Weibull, MetodoAjuste::Momentos, false, 50, o);
    EXPECT_DOUBLE_EQ(w.evento, TWeibull(kMinimas, 50).GetEvento());
    EXPECT_EQ(limitesBootstrap(kMaximas, Distribuicao::GEV, MetodoAjuste::Momentos, true, 100, o)
                  .falha.toStdString(),
              "sem ajuste pelos momentos para a GEV");
}

TEST(Bootstrap, AjusteQueFalhaNaoDaLimites) {
    const std::vector<double> iguais = {3, 3, 3, 3, 3};
    const LimitesBootstrap r =
        limitesBootstrap(iguais, Distribuicao::GEV, MetodoAjuste::LMomentos, true, 10);
    EXPECT_FALSE(r.valido());
    EXPECT_EQ(r.falha.toStdString(), "amostra sem dispersão (l2 ≤ 0)");
}

} // namespace
