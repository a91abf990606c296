// The lines of the filling: MOVE.1 keeps the base station's variance where least squares shrinks it
// by r², and the leave-one-out errors equal a brute-force refit without each pair.
#include "filling/ajustereta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

using namespace corvel;

namespace {

double variancia(const std::vector<double>& v) {
    const double m = std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
    double s = 0;
    for (double x : v)
        s += (x - m) * (x - m);
    return s / static_cast<double>(v.size() - 1);
}

// A base station of lognormal-like flows and a neighbour that is a noisy linear transform of it
// (r about 0,8), day after day.
struct Vizinhas {
    std::vector<double> base, vizinha;
};
Vizinhas vizinhas(int n, unsigned semente) {
    std::mt19937_64 gerador(semente);
    std::normal_distribution<double> normal;
    Vizinhas v;
    for (int i = 0; i < n; ++i) {
        const double y = 20 * std::exp(0.5 * normal(gerador));
        v.base.push_back(y);
        v.vizinha.push_back(1.8 * y + 4 + 9 * normal(gerador));
    }
    return v;
}

TEST(AjusteReta, Move1MantemAVarianciaEMinimosQuadradosAEncolhe) {
    const Vizinhas v = vizinhas(4000, 11);
    // The first half is the concurrent period; the second is "filled" from the neighbour.
    const std::size_t metade = v.base.size() / 2;
    std::vector<Par> pares;
    for (std::size_t i = 0; i < metade; ++i)
        pares.push_back({v.vizinha[i], v.base[i], 1});
    const ModeloReta mqo = ajustarModelo(pares, {MetodoReta::MinimosQuadrados, false, false});
    const ModeloReta move1 = ajustarModelo(pares, {MetodoReta::Move1, false, false});
    ASSERT_TRUE(mqo.retas[0] && move1.retas[0]);
    const double r2 = mqo.retas[0]->r * mqo.retas[0]->r;
    ASSERT_GT(r2, 0.5);
    ASSERT_LT(r2, 0.9);

    // On the concurrent pairs the identities are exact: var(MOVE.1) = var(y), var(MQO) = r²·var(y).
    std::vector<double> y(v.base.begin(), v.base.begin() + static_cast<long>(metade)), eMqo, eMove;
    for (std::size_t i = 0; i < metade; ++i) {
        eMqo.push_back(*mqo.estimar(v.vizinha[i], 1));
        eMove.push_back(*move1.estimar(v.vizinha[i], 1));
    }
    EXPECT_NEAR(variancia(eMove) / variancia(y), 1.0, 1e-12);
    EXPECT_NEAR(variancia(eMqo) / variancia(y), r2, 1e-12);

    // On the months filled, within sampling error (2 000 values: a variance ratio to about ±0,06).
    std::vector<double> verdade, fMqo, fMove;
    for (std::size_t i = metade; i < v.base.size(); ++i) {
        verdade.push_back(v.base[i]);
        fMqo.push_back(*mqo.estimar(v.vizinha[i], 1));
        fMove.push_back(*move1.estimar(v.vizinha[i], 1));
    }
    EXPECT_NEAR(variancia(fMove) / variancia(verdade), 1.0, 0.12);
    EXPECT_NEAR(variancia(fMqo) / variancia(verdade), r2, 0.12);
    EXPECT_LT(variancia(fMqo) / variancia(verdade), 0.9);
}

// A line refitted from scratch without pair i, with the plain textbook sums.
std::optional<std::pair<double, double>> refazer(const std::vector<double>& x,
                                                 const std::vector<double>& y, MetodoReta m) {
    const double n = static_cast<double>(x.size());
    if (x.size() < 3) return std::nullopt;
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
    }
    double sxx = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - sx / n) * (x[i] - sx / n);
        syy += (y[i] - sy / n) * (y[i] - sy / n);
        sxy += (x[i] - sx / n) * (y[i] - sy / n);
    }
    const double a = m == MetodoReta::Move1 ? (sxy >= 0 ? 1 : -1) * std::sqrt(syy / sxx)
                                            : sxy / sxx;
    return std::pair{a, sy / n - a * sx / n};
}

TEST(AjusteReta, ValidacaoCruzadaIgualAoRecalculoSemCadaPar) {
    std::mt19937_64 gerador(5);
    std::uniform_real_distribution<double> u(0.5, 30);
    std::vector<Par> pares;
    for (int i = 0; i < 60; ++i) {
        const double x = u(gerador);
        pares.push_back({x, 0.7 * x + 2 + u(gerador) / 5, 1 + i % 12});
    }
    pares[7].x = 0; // no logarithm: out of the logarithmic fit and check
    for (const MetodoReta metodo : {MetodoReta::MinimosQuadrados, MetodoReta::Move1})
        for (const bool logaritmos : {false, true})
            for (const bool porMes : {false, true}) {
                SCOPED_TRACE(textoOpcoes({metodo, logaritmos, porMes}).toStdString());
                const ValidacaoCruzada v = validacaoCruzada(pares, {metodo, logaritmos, porMes});
                for (int g = 0; g <= 12; ++g) {
                    // Brute force: every pair the group's line would have estimated.
                    std::vector<double> obs, est;
                    for (std::size_t i = 0; i < pares.size(); ++i) {
                        const Par& p = pares[i];
                        if (g > 0 && p.mes != g) continue;
                        if (logaritmos && p.x <= 0) continue;
                        std::vector<double> x, y;
                        for (std::size_t j = 0; j < pares.size(); ++j) {
                            const Par& q = pares[j];
                            if (j == i || (porMes && q.mes != p.mes) || (logaritmos && q.x <= 0))
                                continue;
                            x.push_back(logaritmos ? std::log10(q.x) : q.x);
                            y.push_back(logaritmos ? std::log10(q.y) : q.y);
                        }
                        const auto reta = refazer(x, y, metodo);
                        if (!reta) continue;
                        const double xi = logaritmos ? std::log10(p.x) : p.x;
                        double e = reta->first * xi + reta->second;
                        if (logaritmos) e = std::pow(10.0, e);
                        obs.push_back(p.y);
                        est.push_back(e);
                    }
                    const Habilidade& h = v.grupos[static_cast<std::size_t>(g)];
                    ASSERT_EQ(h.n, static_cast<int>(obs.size())) << g;
                    if (obs.empty()) continue;
                    double q = 0, s = 0, m = 0, d = 0;
                    for (std::size_t i = 0; i < obs.size(); ++i) {
                        q += (est[i] - obs[i]) * (est[i] - obs[i]);
                        s += est[i] - obs[i];
                        m += obs[i];
                    }
                    m /= static_cast<double>(obs.size());
                    for (double o : obs)
                        d += (o - m) * (o - m);
                    const double n = static_cast<double>(obs.size());
                    EXPECT_NEAR(h.eqm, std::sqrt(q / n), 1e-9 * std::sqrt(q / n)) << g;
                    EXPECT_NEAR(h.vies, s / n, 1e-9 * std::max(1.0, std::fabs(s / n))) << g;
                    ASSERT_TRUE(h.nse);
                    EXPECT_NEAR(*h.nse, 1 - q / d, 1e-9) << g;
                }
            }
}

TEST(AjusteReta, LogaritmosEMesesSemReta) {
    // y = 2·x^1,5 exactly: the logarithmic line is log y = 1,5·log x + log 2 for either method.
    std::vector<Par> pares;
    for (int i = 1; i <= 24; ++i)
        pares.push_back({double(i), 2 * std::pow(double(i), 1.5), i <= 12 ? 1 : 2});
    pares.push_back({0.0, 3.0, 1}); // a dry neighbour: no logarithm
    for (const MetodoReta metodo : {MetodoReta::MinimosQuadrados, MetodoReta::Move1}) {
        const ModeloReta m = ajustarModelo(pares, {metodo, true, true});
        ASSERT_TRUE(m.retas[1]);
        EXPECT_NEAR(m.retas[1]->a, 1.5, 1e-12);
        EXPECT_NEAR(*m.estimar(100, 1), 2000, 1e-8);
        EXPECT_FALSE(m.estimar(0, 1)) << "zero has no logarithm";
        EXPECT_FALSE(m.estimar(5, 3)) << "March has no pairs, so no line";
        EXPECT_EQ(m.retas[1]->n, 12);
    }
    // Too few or constant pairs give no line.
    const std::vector<double> x{1, 2}, y{3, 4}, c{5, 5, 5}, z{1, 2, 3};
    EXPECT_FALSE(ajustarReta(x, y, MetodoReta::MinimosQuadrados));
    EXPECT_FALSE(ajustarReta(c, z, MetodoReta::Move1));
    EXPECT_FALSE(ajustarReta(z, c, MetodoReta::Move1));
}

TEST(AjusteReta, RecomendaOMenorErro) {
    ValidacaoCruzada a, b;
    a.grupos[0] = {30, 2.5, 0.1, 0.8};
    b.grupos[0] = {30, 2.25, 0.0, 0.85};
    const auto r = recomendar(a, b);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->metodo, MetodoReta::Move1);
    EXPECT_EQ(r->motivo, QStringLiteral("MOVE.1: erro quadrático médio de 2,25 m³/s na validação "
                                        "cruzada, contra 2,50 m³/s do MQO, e mantém a variância "
                                        "da série base."));
    b.grupos[0].eqm = 2.6;
    EXPECT_EQ(recomendar(a, b)->metodo, MetodoReta::MinimosQuadrados);
    // Errors that read alike with two decimals are written with four.
    a.grupos[0].eqm = 1.1234;
    b.grupos[0].eqm = 1.1201;
    EXPECT_TRUE(recomendar(a, b)->motivo.startsWith(
        QStringLiteral("MOVE.1: erro quadrático médio de 1,1201 m³/s na validação cruzada, contra "
                       "1,1234 m³/s do MQO")))
        << recomendar(a, b)->motivo.toStdString();
    EXPECT_FALSE(recomendar({}, {}));
}

} // namespace
