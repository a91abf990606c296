// Mann-Kendall, Sen's slope and Pettitt against published worked examples and against a
// brute-force evaluation of their definitions written here, with ties and zeros.
#include "core/erros.h"
#include "stats/analisetendencia.h"
#include "stats/tendencia.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <set>
#include <vector>

using namespace corvel;

namespace {

// The "by hand" Mann-Kendall example of D. Little (College of the Holy Cross, Montserrat
// project notes, MannKendallByHand.txt): 14 values with one tied pair; S = 54,
// V = [14·13·33 − 2·1·9]/18, Z = (S − 1)/√V = 2.9058, one-sided p = 0.0018.
const std::vector<double> kExemploMK = {12.9, 14.8, 13.2, 15.7, 13.8, 15.6, 12.9,
                                        11.0, 17.3, 15.9, 19.0, 18.3, 20.1, 21.7};

// Pettitt (1979), Applied Statistics 28(2), Table 1: 40 values; K = 232 at t = 17,
// p ≈ 2 exp(−6K²/(n³ + n²)) = 0.0146.
const std::vector<double> kExemploPettitt = {
    -1.05, 0.96,  1.22,  0.58, -0.98, -0.03, -1.54, -0.71, -0.35, 0.66, 0.44, 0.91,  -0.02, -1.42,
    1.26,  -1.02, -0.81, 1.66, 1.05,  0.97,  2.14,  1.22,  -0.24, 1.60, 0.72, -0.12, 0.44,  0.03,
    0.66,  0.56,  1.37,  1.66, 0.10,  0.80,  1.29,  0.49,  -0.07, 1.18, 3.29, 1.84};

// Minima of an intermittent river: many zeros (ties) and a drying trend.
const std::vector<double> kIntermitente = {0.82, 0.95, 0.61, 0.0,  0.74, 0.40, 0.0,  0.52, 0.0,
                                           0.31, 0.0,  0.0,  0.27, 0.0,  0.0,  0.12, 0.0,  0.0,
                                           0.0,  0.08, 0.0,  0.0,  0.0,  0.0,  0.05, 0.0};

// Brute force: S counted pair by pair, the tie groups counted with a map of value -> count.
struct MKForca {
    double S = 0, V = 0;
};
MKForca mannKendallForca(const std::vector<double>& x) {
    MKForca r;
    const double n = static_cast<double>(x.size());
    for (std::size_t j = 0; j < x.size(); ++j)
        for (std::size_t i = 0; i < j; ++i)
            r.S += x[j] > x[i] ? 1 : (x[j] < x[i] ? -1 : 0);
    std::map<double, int> grupos;
    for (double v : x)
        ++grupos[v];
    double empates = 0;
    for (const auto& [valor, t] : grupos)
        empates += t * (t - 1.0) * (2.0 * t + 5);
    r.V = (n * (n - 1) * (2 * n + 5) - empates) / 18;
    return r;
}

TEST(MannKendall, ExemploPublicado) {
    const MannKendall mk = testeMannKendall(kExemploMK, NivelSignificancia::Cinco);
    EXPECT_EQ(mk.n, 14);
    EXPECT_EQ(mk.S, 54.0);
    EXPECT_DOUBLE_EQ(mk.varianciaS, (14.0 * 13 * 33 - 2 * 1 * 9) / 18);
    EXPECT_NEAR(mk.Z, 2.9058, 5e-5);     // the example's four decimals
    EXPECT_NEAR(mk.p / 2, 0.0018, 5e-5); // the example quotes the one-sided p
    EXPECT_TRUE(mk.tendencia);
    EXPECT_TRUE(testeMannKendall(kExemploMK, NivelSignificancia::Um).tendencia); // p = 0.0037
    EXPECT_DOUBLE_EQ(mk.tau, 54.0 / 91);
    EXPECT_EQ(mk.fatorSerial, 1.0);
}

TEST(MannKendall, IgualAForcaBrutaComEmpatesEZeros) {
    const std::vector<double> serie[] = {
        kExemploMK, kIntermitente, kExemploPettitt, {0, 0, 0, 1, 0, 0, 2}, {3, 3, 3, 3, 2}};
    for (const auto& x : serie) {
        const MKForca f = mannKendallForca(x);
        const MannKendall mk = testeMannKendall(x, NivelSignificancia::Cinco);
        EXPECT_EQ(mk.S, f.S);
        EXPECT_DOUBLE_EQ(mk.varianciaS, f.V);
        const double z = f.S > 0   ? (f.S - 1) / std::sqrt(f.V)
                         : f.S < 0 ? (f.S + 1) / std::sqrt(f.V)
                                   : 0;
        EXPECT_DOUBLE_EQ(mk.Z, z);
        // p from the normal density integrated numerically (Simpson) beyond |z|.
        double cauda = 0;
        const double h = 1e-3;
        for (double a = std::fabs(z); a < 12; a += 2 * h) {
            auto f0 = [](double u) {
                return std::exp(-u * u / 2) / std::sqrt(2 * std::numbers::pi);
            };
            cauda += h / 3 * (f0(a) + 4 * f0(a + h) + f0(a + 2 * h));
        }
        EXPECT_NEAR(mk.p, 2 * cauda, 1e-6);
    }
    const MannKendall seca = testeMannKendall(kIntermitente, NivelSignificancia::Cinco);
    EXPECT_LT(seca.S, 0);
    EXPECT_TRUE(seca.tendencia);
}

TEST(MannKendall, SerieConstanteNaoTemTendencia) {
    const MannKendall mk =
        testeMannKendall(std::vector<double>(12, 0.0), NivelSignificancia::Cinco);
    EXPECT_EQ(mk.S, 0.0);
    EXPECT_EQ(mk.varianciaS, 0.0);
    EXPECT_EQ(mk.Z, 0.0);
    EXPECT_EQ(mk.p, 1.0);
    EXPECT_FALSE(mk.tendencia);
}

TEST(MannKendall, PoucosValoresSaoRecusados) {
    const std::vector<double> dois = {1, 2};
    try {
        testeMannKendall(dois, NivelSignificancia::Cinco);
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(),
                  QString::fromUtf8("São necessários no mínimo 3 valores para o teste."));
    }
    EXPECT_THROW(testePettitt(dois, NivelSignificancia::Cinco), Erro);
}

// Hamed and Rao's factor written out directly: Sen's slope over time 1..n from the sorted list
// of slopes, ranks by counting smaller and equal values, the lag-k autocorrelation of the ranks,
// the lags outside ±1.96/√n summed.
double fatorHamedRaoForca(const std::vector<double>& x) {
    const std::size_t n = x.size();
    std::vector<double> d;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            d.push_back((x[j] - x[i]) / static_cast<double>(j - i));
    std::sort(d.begin(), d.end());
    const double beta =
        d.size() % 2 ? d[d.size() / 2] : (d[d.size() / 2 - 1] + d[d.size() / 2]) / 2;
    std::vector<double> e(n), R(n);
    for (std::size_t i = 0; i < n; ++i)
        e[i] = x[i] - beta * static_cast<double>(i + 1);
    for (std::size_t i = 0; i < n; ++i) {
        double menores = 0, iguais = 0;
        for (std::size_t j = 0; j < n; ++j) {
            menores += e[j] < e[i];
            iguais += e[j] == e[i];
        }
        R[i] = menores + (iguais + 1) / 2;
    }
    double media = 0;
    for (double r : R)
        media += r / static_cast<double>(n);
    double c0 = 0;
    for (double r : R)
        c0 += (r - media) * (r - media);
    const double N = static_cast<double>(n);
    double soma = 0;
    for (std::size_t k = 1; k < n; ++k) {
        double ck = 0;
        for (std::size_t i = k; i < n; ++i)
            ck += (R[i] - media) * (R[i - k] - media);
        const double rho = ck / c0;
        if (std::fabs(rho) > 1.959963984540054 / std::sqrt(N))
            soma += (N - k) * (N - k - 1) * (N - k - 2) * rho;
    }
    return 1 + 2 * soma / (N * (N - 1) * (N - 2));
}

TEST(MannKendall, CorrecaoDeHamedRao) {
    // A slow oscillation around a trend: strongly autocorrelated ranks, the variance inflated.
    std::vector<double> oscilante;
    for (int i = 0; i < 40; ++i)
        oscilante.push_back(0.05 * i + std::sin(i / 3.0));
    const std::vector<double> serie[] = {oscilante, kExemploPettitt, kIntermitente};
    for (const auto& x : serie) {
        const MannKendall simples = testeMannKendall(x, NivelSignificancia::Cinco);
        const MannKendall corrigido =
            testeMannKendall(x, NivelSignificancia::Cinco, CorrecaoSerial::HamedRao);
        const double fator = fatorHamedRaoForca(x);
        EXPECT_NEAR(corrigido.fatorSerial, fator, 1e-12);
        EXPECT_DOUBLE_EQ(corrigido.varianciaS, simples.varianciaS * corrigido.fatorSerial);
        EXPECT_EQ(corrigido.S, simples.S);
    }
    const MannKendall corrigido =
        testeMannKendall(oscilante, NivelSignificancia::Cinco, CorrecaoSerial::HamedRao);
    EXPECT_GT(corrigido.fatorSerial, 1.2);
    EXPECT_GT(corrigido.p, testeMannKendall(oscilante, NivelSignificancia::Cinco).p);
}

std::vector<double> anos(std::size_t n, double inicio = 1) {
    std::vector<double> t(n);
    for (std::size_t i = 0; i < n; ++i)
        t[i] = inicio + static_cast<double>(i);
    return t;
}

TEST(Sen, ExemploAMao) {
    // Slopes of (1, 3, 2, 5) at t = 1..4: 2, 0.5, 4/3, −1, 1, 3; median (1 + 4/3)/2 = 7/6.
    // Intercept: median of x − 7/6·t = (−1/6, 2/3, −3/2, 1/3) = (1/3 − 1/6)/2 = 1/12.
    const std::vector<double> x = {1, 3, 2, 5};
    const DeclividadeSen s =
        declividadeSen(anos(4), x, 4 * 3 * 13 / 18.0, NivelSignificancia::Cinco);
    EXPECT_DOUBLE_EQ(s.declividade, 7.0 / 6);
    EXPECT_NEAR(s.intercepto, 1.0 / 12, 1e-15); // residuals rounded in x − 7/6·t
    // C = 1.96·√8.667 = 5.77 > N − 1: the interval spans every slope.
    EXPECT_EQ(s.inferior, -1.0);
    EXPECT_EQ(s.superior, 3.0);
}

// The interval by its definition: the slopes whose ascending rank is (N − C)/2 and
// (N + C)/2 + 1, linearly between neighbours.
TEST(Sen, IgualAForcaBruta) {
    const struct {
        std::vector<double> x;
        NivelSignificancia nivel;
    } casos[] = {{kExemploMK, NivelSignificancia::Cinco},
                 {kExemploPettitt, NivelSignificancia::Um},
                 {kIntermitente, NivelSignificancia::Cinco}};
    for (const auto& c : casos) {
        const std::vector<double> t = anos(c.x.size(), 1971);
        std::multiset<double> d;
        for (std::size_t j = 0; j < c.x.size(); ++j)
            for (std::size_t i = 0; i < j; ++i)
                d.insert((c.x[j] - c.x[i]) / (t[j] - t[i]));
        const std::vector<double> v(d.begin(), d.end());
        const double N = static_cast<double>(v.size());
        auto posto = [&](double r) {
            const double k = std::floor(r);
            return v[static_cast<std::size_t>(k) - 1] +
                   (r - k) * (v[static_cast<std::size_t>(k)] - v[static_cast<std::size_t>(k) - 1]);
        };
        const double mediana =
            v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
        const double V = mannKendallForca(c.x).V;
        const double z = c.nivel == NivelSignificancia::Um ? 2.5758293035489 : 1.959963984540054;
        const double C = z * std::sqrt(V);
        const DeclividadeSen s = declividadeSen(t, c.x, V, c.nivel);
        EXPECT_DOUBLE_EQ(s.declividade, mediana);
        EXPECT_NEAR(s.inferior, posto((N - C) / 2), 1e-12);
        EXPECT_NEAR(s.superior, posto((N + C) / 2 + 1), 1e-12);
        EXPECT_LE(s.inferior, s.declividade);
        EXPECT_GE(s.superior, s.declividade);
    }
}

TEST(Sen, AnosComLacunaUsamOTempo) {
    // 0, 2, 4 in 1990, 1991, 1995: slopes 2, 4/5, 2/4 → median 4/5 per year.
    const std::vector<double> t = {1990, 1991, 1995}, x = {0, 2, 4};
    EXPECT_DOUBLE_EQ(declividadeSen(t, x, 1, NivelSignificancia::Cinco).declividade, 0.8);
}

TEST(Pettitt, ExemploPublicado) {
    const Pettitt p = testePettitt(kExemploPettitt, NivelSignificancia::Cinco);
    EXPECT_EQ(p.n, 40);
    EXPECT_EQ(p.K, 232.0);
    EXPECT_EQ(p.ponto, 17);
    EXPECT_NEAR(p.p, 0.0146, 5e-5);
    EXPECT_TRUE(p.mudanca);
    EXPECT_FALSE(testePettitt(kExemploPettitt, NivelSignificancia::Um).mudanca);
    EXPECT_LT(p.U, 0); // the values rise after the change
}

TEST(Pettitt, IgualAForcaBruta) {
    const std::vector<double> serie[] = {
        kExemploMK, kIntermitente, {0, 0, 0, 0, 1, 1, 1, 1}, {5, 5, 5, 0, 0, 0, 0}};
    for (const auto& x : serie) {
        const std::size_t n = x.size();
        double K = 0, U = 0;
        std::size_t ponto = 0;
        for (std::size_t t = 1; t < n; ++t) {
            double u = 0;
            for (std::size_t i = 0; i < t; ++i)
                for (std::size_t j = t; j < n; ++j)
                    u += x[i] > x[j] ? 1 : (x[i] < x[j] ? -1 : 0);
            if (std::fabs(u) > K) {
                K = std::fabs(u);
                U = u;
                ponto = t;
            }
        }
        const double N = static_cast<double>(n);
        const Pettitt p = testePettitt(x, NivelSignificancia::Cinco);
        EXPECT_EQ(p.K, K);
        EXPECT_EQ(p.U, U);
        EXPECT_EQ(p.ponto, static_cast<int>(ponto));
        EXPECT_DOUBLE_EQ(p.p, std::min(1.0, 2 * std::exp(-6 * K * K / (N * N * N + N * N))));
    }
    // A river that stops flowing: the change right after the third year, the means on each side.
    const Pettitt seca =
        testePettitt(std::vector<double>{5, 5, 5, 0, 0, 0, 0}, NivelSignificancia::Cinco);
    EXPECT_EQ(seca.ponto, 3);
    EXPECT_EQ(seca.mediaAntes, 5.0);
    EXPECT_EQ(seca.mediaDepois, 0.0);
}

// The analysis of an input series: values without a number left out, zeros counted, Sen's line
// measured in years from the first value, the label of the change point; too short a series
// refused with the continuous test's message.
TEST(AnaliseTendencia, SerieDaJanela) {
    std::vector<DadoEntrada> dados;
    for (int i = 0; i < 14; ++i)
        dados.push_back({QDate(1990 + i, 1, 1), QString::number(1990 + i),
                         i == 3 ? std::nullopt : std::optional<double>(kIntermitente[i])});
    const AnaliseTendencia a = analisarTendencia(dados, NivelSignificancia::Cinco);
    ASSERT_EQ(a.dados.size(), 13u);
    EXPECT_EQ(a.eventosNulos, 5); // 1996, 1998, 2000, 2001, 2003
    EXPECT_EQ(a.anoInicial, 1990.0);
    EXPECT_EQ(a.mannKendall.n, 13);
    EXPECT_DOUBLE_EQ(valorRetaSen(a, QDate(1990, 1, 1)), a.sen.intercepto);
    EXPECT_DOUBLE_EQ(valorRetaSen(a, QDate(2000, 1, 1)) - a.sen.intercepto, 10 * a.sen.declividade);
    EXPECT_EQ(a.rotuloMudanca, a.dados[static_cast<std::size_t>(a.pettitt.ponto) - 1].rotulo);
    const auto linhas = linhasTendencia(a);
    EXPECT_EQ(linhas.front(),
              (std::vector<QString>{QStringLiteral("Número de valores"), QStringLiteral("13")}));
    EXPECT_EQ(tabelaResultadosTendencia(a).linhas.size(), linhas.size());

    dados.resize(10);
    try {
        analisarTendencia(dados, NivelSignificancia::Cinco);
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QString::fromUtf8("Período incorreto. Escolha um período de no "
                                                  "mínimo 10 anos para dados anuais ou 10 meses "
                                                  "para dados mensais."));
    }
}

// A river with the same minimum every year (often zero): no trend, no change, and the analysis
// names the first value as the change point instead of reading before the series.
TEST(AnaliseTendencia, SerieConstante) {
    std::vector<DadoEntrada> dados;
    for (int i = 0; i < 12; ++i)
        dados.push_back({QDate(1990 + i, 1, 1), QString::number(1990 + i), 0.0});
    const AnaliseTendencia a = analisarTendencia(dados, NivelSignificancia::Cinco);
    EXPECT_EQ(a.pettitt.K, 0.0);
    EXPECT_EQ(a.pettitt.ponto, 1);
    EXPECT_EQ(a.pettitt.p, 1.0);
    EXPECT_FALSE(a.pettitt.mudanca);
    EXPECT_FALSE(a.mannKendall.tendencia);
    EXPECT_EQ(a.rotuloMudanca, QStringLiteral("1990"));
    EXPECT_EQ(a.pettitt.mediaAntes, 0.0);
    EXPECT_EQ(a.pettitt.mediaDepois, 0.0);
    EXPECT_EQ(graficoTendencia(a).mediaDepois, 0.0);
}

TEST(AnaliseTendencia, AnoDecimal) {
    EXPECT_EQ(anoDecimal(QDate(1990, 1, 1)), 1990.0);
    EXPECT_DOUBLE_EQ(anoDecimal(QDate(1990, 7, 2)), 1990 + 182.0 / 365);
    EXPECT_DOUBLE_EQ(anoDecimal(QDate(2000, 12, 31)), 2000 + 365.0 / 366);
}

} // namespace
