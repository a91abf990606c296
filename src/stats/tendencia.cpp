// Mann-Kendall, Sen's slope and Pettitt over plain arrays; O(n²) pairwise sums, which for the
// few hundred values of an annual series take microseconds.
#include "tendencia.h"

#include "core/erros.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace corvel {

namespace {

int sinal(double d) {
    return (d > 0) - (d < 0);
}

void exigir(std::size_t n, std::size_t minimo) {
    if (n < minimo)
        throw Erro(
            QStringLiteral("São necessários no mínimo %1 valores para o teste.").arg(minimo));
}

// Two-sided p-value of a standard normal statistic.
double pBilateral(double z) {
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

// Ranks from 1, ties sharing their mean rank.
std::vector<double> postos(std::span<const double> x) {
    std::vector<std::size_t> ordem(x.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](auto a, auto b) { return x[a] < x[b]; });
    std::vector<double> r(x.size());
    for (std::size_t i = 0; i < ordem.size();) {
        std::size_t j = i;
        while (j + 1 < ordem.size() && x[ordem[j + 1]] == x[ordem[i]])
            ++j;
        const double medio = (static_cast<double>(i + j) + 2) / 2;
        for (std::size_t k = i; k <= j; ++k)
            r[ordem[k]] = medio;
        i = j + 1;
    }
    return r;
}

// Σ t(t−1)(2t+5) over the groups of tied values.
double somaEmpates(std::span<const double> x) {
    std::vector<double> ordenados(x.begin(), x.end());
    std::sort(ordenados.begin(), ordenados.end());
    double soma = 0;
    for (std::size_t i = 0; i < ordenados.size();) {
        std::size_t j = i;
        while (j < ordenados.size() && ordenados[j] == ordenados[i])
            ++j;
        const auto t = static_cast<double>(j - i);
        soma += t * (t - 1) * (2 * t + 5);
        i = j;
    }
    return soma;
}

double mediana(std::vector<double> v) {
    const std::size_t m = v.size() / 2;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(m), v.end());
    if (v.size() % 2) return v[m];
    const double alto = v[m];
    return (*std::max_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(m)) + alto) / 2;
}

std::vector<double> declividades(std::span<const double> t, std::span<const double> x) {
    std::vector<double> d;
    d.reserve(x.size() * (x.size() - 1) / 2);
    for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t j = i + 1; j < x.size(); ++j)
            d.push_back((x[j] - x[i]) / (t[j] - t[i]));
    return d;
}

// Hamed and Rao's n/n*s from the ranks of the series less Sen's trend.
double fatorHamedRao(std::span<const double> x) {
    const std::size_t n = x.size();
    std::vector<double> tempo(n);
    std::iota(tempo.begin(), tempo.end(), 1.0);
    const double beta = mediana(declividades(tempo, x));
    std::vector<double> residuo(n);
    for (std::size_t i = 0; i < n; ++i)
        residuo[i] = x[i] - beta * tempo[i];
    const std::vector<double> R = postos(residuo);
    const double media = (static_cast<double>(n) + 1) / 2;
    double denominador = 0;
    for (const double r : R)
        denominador += (r - media) * (r - media);
    if (denominador == 0) return 1;
    const auto N = static_cast<double>(n);
    const double limite = zCritico(NivelSignificancia::Cinco) / std::sqrt(N);
    double soma = 0;
    for (std::size_t k = 1; k + 2 < n; ++k) {
        double c = 0;
        for (std::size_t i = 0; i + k < n; ++i)
            c += (R[i] - media) * (R[i + k] - media);
        const double rho = c / denominador;
        if (std::fabs(rho) <= limite) continue;
        const auto K = static_cast<double>(k);
        soma += (N - K) * (N - K - 1) * (N - K - 2) * rho;
    }
    const double fator = 1 + 2 * soma / (N * (N - 1) * (N - 2));
    return fator > 0 ? fator : 1;
}

// The value at a 1-based fractional rank of the slopes in ascending order, held within the list:
// two order statistics found by partial ordering (a full sort of the n(n − 1)/2 slopes of a long
// series costs ten times more).
double noPosto(std::vector<double>& v, double posto) {
    const double limitado = std::clamp(posto, 1.0, static_cast<double>(v.size()));
    const auto abaixo = static_cast<std::size_t>(std::floor(limitado));
    const double fracao = limitado - static_cast<double>(abaixo);
    const auto k = v.begin() + static_cast<std::ptrdiff_t>(abaixo - 1);
    std::nth_element(v.begin(), k, v.end());
    if (fracao == 0 || abaixo >= v.size()) return *k;
    const double seguinte = *std::min_element(k + 1, v.end());
    return *k + fracao * (seguinte - *k);
}

} // namespace

double zCritico(NivelSignificancia nivel) {
    return nivel == NivelSignificancia::Um ? 2.5758293035489004 : 1.959963984540054;
}

MannKendall testeMannKendall(std::span<const double> x, NivelSignificancia nivel,
                             CorrecaoSerial correcao) {
    exigir(x.size(), 3);
    MannKendall r;
    r.n = static_cast<int>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t j = i + 1; j < x.size(); ++j)
            r.S += sinal(x[j] - x[i]);
    const auto n = static_cast<double>(r.n);
    r.varianciaS = (n * (n - 1) * (2 * n + 5) - somaEmpates(x)) / 18;
    if (correcao == CorrecaoSerial::HamedRao) {
        r.fatorSerial = fatorHamedRao(x);
        r.varianciaS *= r.fatorSerial;
    }
    r.tau = r.S / (n * (n - 1) / 2);
    if (r.varianciaS > 0 && r.S != 0) // all values equal: no spread, no trend
        r.Z = (r.S - sinal(r.S)) / std::sqrt(r.varianciaS);
    r.p = pBilateral(r.Z);
    r.tendencia = std::fabs(r.Z) > zCritico(nivel);
    return r;
}

DeclividadeSen declividadeSen(std::span<const double> t, std::span<const double> x,
                              double varianciaS, NivelSignificancia nivel) {
    exigir(x.size(), 2);
    std::vector<double> d = declividades(t, x);
    DeclividadeSen r;
    r.declividade = mediana(d);
    std::vector<double> residuo(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        residuo[i] = x[i] - r.declividade * t[i];
    r.intercepto = mediana(residuo);
    const auto N = static_cast<double>(d.size());
    const double C = zCritico(nivel) * std::sqrt(std::max(varianciaS, 0.0));
    r.inferior = noPosto(d, (N - C) / 2);
    r.superior = noPosto(d, (N + C) / 2 + 1);
    return r;
}

Pettitt testePettitt(std::span<const double> x, NivelSignificancia nivel) {
    exigir(x.size(), 3);
    Pettitt r;
    r.n = static_cast<int>(x.size());
    // U_t = U_{t−1} + Σ_j sgn(x_t − x_j): moving value t to the first segment adds its
    // comparisons with every value (those with the first segment cancel in pairs); and
    // Σ_j sgn(x_t − x_j) = 2 r_t − (n + 1) with r_t its mid-rank, ties included.
    const std::vector<double> R = postos(x);
    const double n1 = static_cast<double>(x.size()) + 1;
    double U = 0;
    for (std::size_t t = 0; t + 1 < x.size(); ++t) {
        U += 2 * R[t] - n1;
        // The first t that reaches the maximum, also when every U_t is 0 (all values tied).
        if (r.ponto == 0 || std::fabs(U) > r.K) {
            r.K = std::fabs(U);
            r.U = U;
            r.ponto = static_cast<int>(t) + 1;
        }
    }
    const auto n = static_cast<double>(r.n);
    r.p = std::min(1.0, 2 * std::exp(-6 * r.K * r.K / (n * n * n + n * n)));
    const double alfa = nivel == NivelSignificancia::Um ? 0.01 : 0.05;
    r.mudanca = r.p < alfa;
    const auto corte = x.begin() + r.ponto;
    r.mediaAntes = std::accumulate(x.begin(), corte, 0.0) / r.ponto;
    r.mediaDepois = std::accumulate(corte, x.end(), 0.0) / static_cast<double>(r.n - r.ponto);
    return r;
}

} // namespace corvel
