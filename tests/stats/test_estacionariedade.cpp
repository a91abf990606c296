// Stationarity tests: critical-value look-ups, the homogeneity test in its pooled and Welch forms,
// and the continuous and two-sample tests with their period rules and messages.
#include "impressao_qt.h"

#include "core/erros.h"
#include "stats/estacionariedade.h"

#include <gtest/gtest.h>

using namespace corvel;
using N = NivelSignificancia;

namespace {

TEST(ValorCritico, TabelasNosPontosPublicados) {
    // Printed two-decimal tables: t(1) 63.66 / 12.71, t(10) 3.17 / 2.23, t(inf) 2.58 / 1.96;
    // F(1, 1) 4052 / 161.4, F(4, 10) 5.99 / 3.48, F(inf, inf) 1 / 1.
    EXPECT_EQ(ValorCriticoT(1, N::Um), 63.66);
    EXPECT_EQ(ValorCriticoT(1, N::Cinco), 12.71);
    EXPECT_EQ(ValorCriticoT(10, N::Um), 3.17);
    EXPECT_EQ(ValorCriticoT(10, N::Cinco), 2.23);
    EXPECT_EQ(ValorCriticoT(28, N::Cinco), 2.05);
    EXPECT_EQ(ValorCriticoT(1000, N::Um), 2.58);
    EXPECT_EQ(ValorCriticoT(1000, N::Cinco), 1.96);
    EXPECT_EQ(ValorCriticoF(2, 2, N::Um), 4052);
    EXPECT_EQ(ValorCriticoF(2, 2, N::Cinco), 161.4);
    EXPECT_EQ(ValorCriticoF(5, 11, N::Um), 5.99);
    EXPECT_EQ(ValorCriticoF(5, 11, N::Cinco), 3.48);
    EXPECT_EQ(ValorCriticoF(5000, 5000, N::Um), 1.0);
    EXPECT_EQ(ValorCriticoF(5000, 5000, N::Cinco), 1.0);
}

TEST(ValorCritico, GrausAlemDaTabelaUsamALinhaSeguinte) {
    struct Caso {
        int nu, igualA;
    };
    for (const Caso c :
         {Caso{31, 40}, Caso{40, 40}, Caso{41, 60}, Caso{60, 60}, Caso{61, 120}, Caso{120, 120}})
        EXPECT_EQ(ValorCriticoT(c.nu, N::Cinco), ValorCriticoT(c.igualA, N::Cinco)) << c.nu;
    EXPECT_LT(ValorCriticoT(121, N::Cinco), ValorCriticoT(120, N::Cinco));
    // F rows: 17..20 -> 20, 25..30 -> 30; columns: 31..40 -> 40.
    EXPECT_EQ(ValorCriticoF(18, 11, N::Cinco), ValorCriticoF(21, 11, N::Cinco));
    EXPECT_EQ(ValorCriticoF(26, 11, N::Cinco), ValorCriticoF(31, 11, N::Cinco));
    EXPECT_NE(ValorCriticoF(17, 11, N::Cinco), ValorCriticoF(18, 11, N::Cinco));
    EXPECT_EQ(ValorCriticoF(5, 33, N::Cinco), ValorCriticoF(5, 41, N::Cinco));
    // Every 1 % value is above its 5 % value.
    for (int nu = 1; nu <= 130; ++nu)
        EXPECT_GT(ValorCriticoT(nu, N::Um), ValorCriticoT(nu, N::Cinco)) << nu;
}

TEST(ValorCritico, MenosDeDuasAmostras) {
    const std::pair<std::function<void()>, const char*> casos[] = {
        {[] { ValorCriticoT(0, N::Cinco); },
         "São necessário no mínimo duas amostras para calcular."},
        {[] { ValorCriticoF(1, 5, N::Cinco); },
         "São necessário no mínimo duas amostras da série A para calcular."},
        {[] { ValorCriticoF(5, 1, N::Cinco); },
         "São necessário no mínimo duas amostras da série B para calcular."},
    };
    for (const auto& [chamar, mensagem] : casos) {
        try {
            chamar();
            ADD_FAILURE() << mensagem;
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(mensagem));
        }
    }
}

TEST(Homogeneidade, FormaAgrupadaEFormaDeWelch) {
    // Hand computation: A = 1..5 (mean 3, s2 2.5), B = 2..6 (mean 4, s2 2.5): F = 1 < 6.39 at 5 %,
    // pooled s2 = 2.5, t = -1 / sqrt(0.4 * 2.5) = -1, nu = 8, |t| < 2.31.
    const std::vector<double> a{1, 2, 3, 4, 5}, b{2, 3, 4, 5, 6};
    const Homogeneidade h = TestarHomogeneidade(a, b, N::Cinco);
    EXPECT_TRUE(h.variancias);
    EXPECT_TRUE(h.medias);
    EXPECT_EQ(h.grausLiberdade, 8);
    EXPECT_DOUBLE_EQ(h.varianciaA, 2.5);
    EXPECT_DOUBLE_EQ(h.mediaB, 4.0);

    // n_A = 5, n_B = 25 with equal spread: pooled, nu = 28.
    std::vector<double> b25;
    for (int i = 0; i < 25; ++i)
        b25.push_back(1 + (i % 5));
    EXPECT_EQ(TestarHomogeneidade(a, b25, N::Cinco).grausLiberdade, 28);

    // Very different spreads: Welch. A = {0, 10, 0, 10, 0, 10} (s2 30), B = 1..6 / 100.
    const std::vector<double> larga{0, 10, 0, 10, 0, 10},
        estreita{0.01, 0.02, 0.03, 0.04, 0.05, 0.06};
    const Homogeneidade w = TestarHomogeneidade(larga, estreita, N::Cinco);
    EXPECT_FALSE(w.variancias);
    // nu = (30/6 + 0.000035)^2 / ((30/6)^2 / 5 + (0.000035)^2 / 5) = 5.00007 -> 5
    EXPECT_EQ(w.grausLiberdade, 5);
}

TEST(Homogeneidade, WelchArredondaAMetadeParaOPar) {
    // Found by an exact rational search: s2 = 3, n = 5 against s2 = 9, n = 10 gives exactly 12.5
    // (also in floating point); s2 = 7, n = 7 against s2 = 18, n = 9 gives exactly 13.5.
    EXPECT_EQ(grausLiberdadeWelch(3, 5, 9, 10), 12);
    EXPECT_EQ(grausLiberdadeWelch(7, 7, 18, 9), 14);
    EXPECT_EQ(grausLiberdadeWelch(30, 6, 0.00035, 6), 5);
}

TEST(Homogeneidade, VarianciaZeroEmQualquerSerie) {
    const std::vector<double> constante{3, 3, 3, 3, 3}, variavel{1, 2, 3, 4, 5};
    for (const auto& [a, b] : {std::pair{variavel, constante}, std::pair{constante, variavel}}) {
        try {
            TestarHomogeneidade(a, b, N::Cinco);
            ADD_FAILURE();
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(),
                      QStringLiteral("Ocorreu um erro. Variância da série igual a 0."));
        }
    }
}

std::vector<DadoEntrada> anuais(int primeiro, const std::vector<double>& valores) {
    std::vector<DadoEntrada> d;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        const int ano = primeiro + static_cast<int>(i);
        d.push_back({QDate(ano, 1, 1), QString::number(ano), valores[i]});
    }
    return d;
}

std::vector<double> ruido(int n, double nivel = 100) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(nivel + ((i * 7) % 5) - 2 + 0.1 * i);
    return v;
}

TEST(TesteContinuo, NumeroDeLinhasERotulos) {
    struct Caso {
        int valores;
        std::size_t linhas;
        bool refeito;
    };
    for (const Caso c :
         {Caso{9, 0, false}, Caso{10, 1, true}, Caso{11, 2, true}, Caso{12, 3, true}}) {
        const auto dados = anuais(1990, ruido(c.valores));
        const auto r = testeContinuo(dados, dados.front().data, dados.back().data, N::Cinco);
        EXPECT_EQ(r.linhas.size(), c.linhas) << c.valores;
        EXPECT_EQ(r.refeito, c.refeito);
        if (!c.refeito) {
            EXPECT_EQ(r.mensagem,
                      (Mensagem{Gravidade::Aviso,
                                QStringLiteral(
                                    "Período incorreto. Escolha um período de no mínimo 10 anos "
                                    "para dados anuais ou 10 meses para dados mensais.")}));
        }
    }
    const auto dados = anuais(1990, ruido(12));
    const auto r = testeContinuo(dados, QDate(1990, 1, 1), QDate(2001, 1, 1), N::Cinco);
    ASSERT_EQ(r.linhas.size(), 3u);
    EXPECT_EQ(r.linhas[0].periodo, QStringLiteral("De 1990 a 1994 com 1995 a 2001"));
    EXPECT_EQ(r.linhas[1].periodo, QStringLiteral("De 1990 a 1995 com 1996 a 2001"));
    EXPECT_EQ(r.linhas[2].periodo, QStringLiteral("De 1990 a 1996 com 1997 a 2001"));
    EXPECT_FALSE(r.mensagem);

    const auto invertido = testeContinuo(dados, QDate(2001, 1, 1), QDate(1990, 1, 1), N::Cinco);
    EXPECT_EQ(invertido.mensagem,
              (Mensagem{Gravidade::Aviso, QStringLiteral("Período incorreto")}));
    EXPECT_FALSE(invertido.refeito);
}

TEST(TesteContinuo, DegrauNaMediaERejeitado) {
    std::vector<double> v = ruido(10, 100);
    const std::vector<double> depois = ruido(10, 160);
    v.insert(v.end(), depois.begin(), depois.end());
    const auto dados = anuais(1980, v);
    const auto r = testeContinuo(dados, dados.front().data, dados.back().data, N::Um);
    ASSERT_EQ(r.linhas.size(), 11u);
    for (const auto& l : r.linhas)
        EXPECT_FALSE(l.medias) << l.periodo.toStdString();
    const auto estavel = anuais(1980, ruido(20, 100));
    const auto r2 = testeContinuo(estavel, estavel.front().data, estavel.back().data, N::Um);
    EXPECT_TRUE(r2.linhas[5].variancias);
}

TEST(TesteContinuo, UmPorCentoAceitaOQueCincoPorCentoAceita) {
    const auto dados = anuais(1950, {12, 15, 9, 22, 18, 30, 11, 25, 40, 16, 19, 27, 14, 35, 21});
    const auto a5 = testeContinuo(dados, dados.front().data, dados.back().data, N::Cinco);
    const auto a1 = testeContinuo(dados, dados.front().data, dados.back().data, N::Um);
    ASSERT_EQ(a5.linhas.size(), a1.linhas.size());
    for (std::size_t i = 0; i < a5.linhas.size(); ++i) {
        if (a5.linhas[i].variancias) {
            EXPECT_TRUE(a1.linhas[i].variancias);
        }
        if (a5.linhas[i].medias && a5.linhas[i].variancias == a1.linhas[i].variancias) {
            EXPECT_TRUE(a1.linhas[i].medias);
        }
    }
}

TEST(TestePersonalizado, PeriodosEMensagens) {
    const auto dados = anuais(1990, ruido(20));
    const auto q = [](int ano) { return QDate(ano, 1, 1); };
    struct Caso {
        QDate i1, f1, i2, f2;
        const char* mensagem;
    };
    const Caso casos[] = {
        {q(1995), q(1990), q(2000), q(2005), "Período incorreto para série 1"},
        {q(1990), q(1995), q(2005), q(2000), "Período incorreto para série 2"},
        {q(1990), q(1995), q(1995), q(2005),
         "Período incorreto. A série 2 tem que iniciar em uma data posterior ao fim da série 1"},
        {q(1990), q(1993), q(1995), q(2005),
         "Período incorreto. Escolha um período de no mínimo 5 anos para dados anuais ou 5 meses "
         "para dados mensais para a série 1."},
        {q(1990), q(1995), q(2006), q(2009),
         "Período incorreto. Escolha um período de no mínimo 5 anos para dados anuais ou 5 meses "
         "para dados mensais para a série b."},
    };
    for (const Caso& c : casos) {
        const auto r = testePersonalizado(dados, c.i1, c.f1, c.i2, c.f2, N::Cinco);
        EXPECT_EQ(r.mensagem, (Mensagem{Gravidade::Aviso, QString::fromUtf8(c.mensagem)}));
        EXPECT_FALSE(r.refeito);
    }
    const auto r = testePersonalizado(dados, q(1990), q(1996), q(2000), q(2009), N::Cinco);
    ASSERT_EQ(r.linhas.size(), 1u);
    EXPECT_EQ(r.linhas[0].periodo, QStringLiteral("De 1990 a 1996 com 2000 a 2009"));
    EXPECT_DOUBLE_EQ(r.linhas[0].mediaA, MediaAmostral(std::vector<double>(ruido(7))));
}

} // namespace
