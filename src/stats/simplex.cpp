// The Nelder-Mead simplex search.
#include "simplex.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace corvel {

namespace {

struct Busca {
    const std::function<double(std::span<const double>)>& f;
    int avaliacoes = 0;

    double operator()(const std::vector<double>& x) {
        ++avaliacoes;
        const double v = f(x);
        return std::isnan(v) ? std::numeric_limits<double>::infinity() : v;
    }
};

// One run from a fresh simplex; returns the iterations used and leaves the best vertex in x.
int executar(Busca& busca, std::vector<double>& x, double& valor, const std::vector<double>& passos,
             double tolerancia, int limite, bool& convergiu) {
    const std::size_t n = x.size();
    std::vector<std::vector<double>> v(n + 1, x);
    std::vector<double> fv(n + 1);
    for (std::size_t i = 0; i < n; ++i)
        v[i + 1][i] += passos[i];
    for (std::size_t i = 0; i <= n; ++i)
        fv[i] = busca(v[i]);
    std::vector<std::size_t> ordem(n + 1);
    std::vector<double> centro(n), tentativa(n), outra(n);
    auto ponto = [&](double t, std::vector<double>& saida, std::size_t pior) {
        for (std::size_t j = 0; j < n; ++j)
            saida[j] = centro[j] + t * (v[pior][j] - centro[j]);
    };
    int it = 0;
    convergiu = false;
    for (; it < limite; ++it) {
        std::iota(ordem.begin(), ordem.end(), 0);
        std::sort(ordem.begin(), ordem.end(),
                  [&](std::size_t a, std::size_t b) { return fv[a] < fv[b]; });
        const std::size_t melhor = ordem.front(), pior = ordem.back(), segundo = ordem[n - 1];
        if (std::isfinite(fv[pior]) &&
            fv[pior] - fv[melhor] <= tolerancia * (1 + std::fabs(fv[melhor]))) {
            convergiu = true;
            break;
        }
        std::fill(centro.begin(), centro.end(), 0.0);
        for (std::size_t i = 0; i <= n; ++i)
            if (i != pior)
                for (std::size_t j = 0; j < n; ++j)
                    centro[j] += v[i][j] / static_cast<double>(n);
        ponto(-1, tentativa, pior);
        const double fr = busca(tentativa);
        if (fr < fv[melhor]) {
            ponto(-2, outra, pior);
            const double fe = busca(outra);
            if (fe < fr) {
                v[pior] = outra;
                fv[pior] = fe;
            } else {
                v[pior] = tentativa;
                fv[pior] = fr;
            }
        } else if (fr < fv[segundo]) {
            v[pior] = tentativa;
            fv[pior] = fr;
        } else {
            // Contraction outside (towards the reflected point) or inside.
            const bool fora = fr < fv[pior];
            ponto(fora ? -0.5 : 0.5, outra, pior);
            const double fc = busca(outra);
            if (fc < (fora ? fr : fv[pior])) {
                v[pior] = outra;
                fv[pior] = fc;
            } else {
                for (std::size_t i = 0; i <= n; ++i) {
                    if (i == melhor) continue;
                    for (std::size_t j = 0; j < n; ++j)
                        v[i][j] = v[melhor][j] + 0.5 * (v[i][j] - v[melhor][j]);
                    fv[i] = busca(v[i]);
                }
            }
        }
    }
    const auto melhor =
        static_cast<std::size_t>(std::min_element(fv.begin(), fv.end()) - fv.begin());
    x = v[melhor];
    valor = fv[melhor];
    return it;
}

} // namespace

ResultadoSimplex minimizarSimplex(const std::function<double(std::span<const double>)>& f,
                                  std::vector<double> inicio, std::vector<double> passos,
                                  double tolerancia, int maximoIteracoes) {
    Busca busca{f};
    ResultadoSimplex r;
    r.x = std::move(inicio);
    r.valor = busca(r.x);
    std::vector<double> escala = passos;
    for (int rodada = 0; rodada < 20 && r.iteracoes < maximoIteracoes; ++rodada) {
        const double anterior = r.valor;
        bool convergiu = false;
        r.iteracoes += executar(busca, r.x, r.valor, escala, tolerancia,
                                maximoIteracoes - r.iteracoes, convergiu);
        if (!convergiu) return r;
        // A restart with a smaller simplex confirms the minimum or moves on from a false one.
        for (double& p : escala)
            p /= 10;
        if (rodada > 0 && anterior - r.valor <= tolerancia * (1 + std::fabs(r.valor))) {
            r.convergiu = true;
            return r;
        }
    }
    return r;
}

} // namespace corvel
