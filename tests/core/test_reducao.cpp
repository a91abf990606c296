// Point reduction of the charts: groups of bars and the points kept of a line, worked by hand.
#include "core/reducao.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

struct Grupo {
    std::size_t inicio, fim;
    double valor;
    bool operator==(const Grupo&) const = default;
};

std::vector<Grupo> grupos(const std::vector<double>& valores, std::size_t maximo) {
    std::vector<Grupo> r;
    for (const GrupoBarras& g : agruparBarras(valores, maximo))
        r.push_back({g.inicio, g.fim, g.valor});
    return r;
}

TEST(Reducao, GruposDeBarrasGuardamABarraMaisLongaDoGrupo) {
    const std::vector<double> deficits = {-1, -3, -2, -5, -4};
    EXPECT_EQ(grupos(deficits, 5),
              (std::vector<Grupo>{{0, 1, -1}, {1, 2, -3}, {2, 3, -2}, {3, 4, -5}, {4, 5, -4}}));
    // Five bars in at most two groups: three, then the two left.
    EXPECT_EQ(grupos(deficits, 2), (std::vector<Grupo>{{0, 3, -3}, {3, 5, -5}}));
    // Seven in at most three: 3 + 3 + 1.
    EXPECT_EQ(grupos({-1, -1, -1, -1, -2, -1, -6}, 3),
              (std::vector<Grupo>{{0, 3, -1}, {3, 6, -2}, {6, 7, -6}}));
    // Both signs: the bar farthest from 0, the first of equals.
    EXPECT_EQ(grupos({0, 2, -3, 3}, 2), (std::vector<Grupo>{{0, 2, 2}, {2, 4, -3}}));
    EXPECT_EQ(grupos({-4, -1}, 0), (std::vector<Grupo>{{0, 2, -4}})); // at least one group
    EXPECT_TRUE(grupos({}, 10).empty());
}

TEST(Reducao, PontosDaLinhaPrimeiroMenorMaiorEUltimoDeCadaGrupo) {
    const std::vector<double> y = {0, 5, 1, 9, 3, 4, 8, 2};
    const struct {
        std::size_t maximo;
        std::vector<std::size_t> indices;
    } casos[] = {
        {8, {0, 1, 2, 3, 4, 5, 6, 7}},
        {100, {0, 1, 2, 3, 4, 5, 6, 7}},
        // [0, 4): first and lowest 0, highest and last 3; [4, 8): first 4, highest 6, lowest
        // and last 7.
        {2, {0, 3, 4, 6, 7}},
        // [0, 3): 0 lowest, 1 highest, 2 last; [3, 6): 3 highest, 4 lowest, 5 last; [6, 8).
        {3, {0, 1, 2, 3, 4, 5, 6, 7}},
        {1, {0, 3, 7}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(pontosDaLinha(y, c.maximo), c.indices) << c.maximo;
    // A flat run keeps its ends only.
    EXPECT_EQ(pontosDaLinha(std::vector<double>(10, 1.5), 1), (std::vector<std::size_t>{0, 9}));
    EXPECT_TRUE(pontosDaLinha({}, 4).empty());
}

} // namespace
