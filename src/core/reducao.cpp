// Point reduction for charts.
#include "reducao.h"

#include <algorithm>
#include <cmath>

namespace corvel {

namespace {
std::size_t tamanhoDoGrupo(std::size_t n, std::size_t maximo) {
    maximo = std::max<std::size_t>(maximo, 1);
    return (n + maximo - 1) / maximo;
}
} // namespace

std::vector<GrupoBarras> agruparBarras(std::span<const double> valores, std::size_t maximo) {
    std::vector<GrupoBarras> grupos;
    const std::size_t n = valores.size();
    if (n == 0) return grupos;
    const std::size_t k = tamanhoDoGrupo(n, maximo);
    grupos.reserve((n + k - 1) / k);
    for (std::size_t inicio = 0; inicio < n; inicio += k) {
        const std::size_t fim = std::min(n, inicio + k);
        GrupoBarras g{inicio, fim, valores[inicio]};
        for (std::size_t i = inicio + 1; i < fim; ++i)
            if (std::fabs(valores[i]) > std::fabs(g.valor)) g.valor = valores[i];
        grupos.push_back(g);
    }
    return grupos;
}

std::vector<std::size_t> pontosDaLinha(std::span<const double> y, std::size_t maximo) {
    std::vector<std::size_t> indices;
    const std::size_t n = y.size();
    if (n == 0) return indices;
    const std::size_t k = tamanhoDoGrupo(n, maximo);
    indices.reserve(std::min(n, 4 * ((n + k - 1) / k)));
    for (std::size_t inicio = 0; inicio < n; inicio += k) {
        const std::size_t fim = std::min(n, inicio + k);
        std::size_t menor = inicio, maior = inicio;
        for (std::size_t i = inicio + 1; i < fim; ++i) {
            if (y[i] < y[menor]) menor = i;
            if (y[i] > y[maior]) maior = i;
        }
        std::size_t escolhidos[] = {inicio, menor, maior, fim - 1};
        std::sort(std::begin(escolhidos), std::end(escolhidos));
        for (std::size_t i : escolhidos)
            if (indices.empty() || indices.back() != i) indices.push_back(i);
    }
    return indices;
}

} // namespace corvel
