// Maximum likelihood by a simplex search over each distribution's parameters (scales as
// logarithms), polished by Newton's method on central-difference derivatives.
#include "verossimilhanca.h"

#include "ajustelmomentos.h"
#include "simplex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace corvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

using Montar = std::function<std::optional<Parametros>(std::span<const double>)>;

// How a distribution's parameters map to the free vector θ of the search.
struct Modelo {
    std::vector<double> theta, passos;
    Montar montar = nullptr;
    int indiceForma = -1;   // halved towards the unbounded member while the start is infeasible
    int indiceLocacao = -1; // moved down when halving the shape does not help
};

// The free vector of each distribution; `limiteZero` fixes the lower bound at zero.
Modelo modelo(const Parametros& p, bool limiteZero, double menor) {
    Modelo m;
    switch (distribuicao(p)) {
    case Distribuicao::Weibull: {
        const auto& w = std::get<ParametrosWeibull>(p);
        if (limiteZero) {
            m.theta = {std::log(w.beta), std::log(w.delta)};
            m.passos = {0.1, 0.1};
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                return ParametrosWeibull{0, std::exp(t[0]), std::exp(t[1])};
            };
        } else {
            m.theta = {w.zeta, std::log(w.beta), std::log(w.delta)};
            m.passos = {0.1 * w.beta, 0.1, 0.1};
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                return ParametrosWeibull{t[0], std::exp(t[1]), std::exp(t[2])};
            };
            m.indiceLocacao = 0;
        }
        break;
    }
    case Distribuicao::Gumbel: {
        const auto& g = std::get<ParametrosGumbel>(p);
        m.theta = {g.xi, std::log(g.alfa)};
        m.passos = {0.1 * g.alfa, 0.1};
        m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
            return ParametrosGumbel{t[0], std::exp(t[1])};
        };
        break;
    }
    case Distribuicao::GumbelMinimos: {
        const auto& g = std::get<ParametrosGumbelMinimos>(p);
        m.theta = {g.xi, std::log(g.alfa)};
        m.passos = {0.1 * g.alfa, 0.1};
        m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
            return ParametrosGumbelMinimos{t[0], std::exp(t[1])};
        };
        break;
    }
    case Distribuicao::GEV:
    case Distribuicao::LogisticaGeneralizada:
    case Distribuicao::ParetoGeneralizada: {
        const Distribuicao d = distribuicao(p);
        double xi = 0, alfa = 1, k = 0;
        std::visit(
            [&](const auto& q) {
                if constexpr (requires { q.k; }) {
                    xi = q.xi;
                    alfa = q.alfa;
                    k = q.k;
                }
            },
            p);
        if (limiteZero) {
            // Lower bound ξ + α/k = 0 with k = −e^θ1 < 0.
            m.theta = {std::log(alfa), std::log(-k)};
            m.passos = {0.1, 0.1};
            m.montar = d == Distribuicao::GEV
                           ? Montar([](std::span<const double> t) -> std::optional<Parametros> {
                                 const double a = std::exp(t[0]), k = -std::exp(t[1]);
                                 return ParametrosGEV{-a / k, a, k};
                             })
                           : Montar([](std::span<const double> t) -> std::optional<Parametros> {
                                 const double a = std::exp(t[0]), k = -std::exp(t[1]);
                                 if (!(k > -1)) return std::nullopt;
                                 return ParametrosLogistica{-a / k, a, k};
                             });
            break;
        }
        if (d == Distribuicao::ParetoGeneralizada) {
            // The likelihood grows as the lower bound ξ rises to the smallest event, where the
            // density stays finite (1/α): ξ's estimate is that event, as for the two-parameter
            // exponential, and the search runs over α and k.
            m.theta = {std::log(alfa), k};
            m.passos = {0.1, 0.05};
            m.montar = [menor](std::span<const double> t) -> std::optional<Parametros> {
                return ParametrosPareto{menor, std::exp(t[0]), t[1]};
            };
            m.indiceForma = 1;
            break;
        }
        m.theta = {xi, std::log(alfa), k};
        m.passos = {0.1 * alfa, 0.1, 0.05};
        m.indiceForma = 2;
        m.indiceLocacao = 0;
        if (d == Distribuicao::GEV)
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                return ParametrosGEV{t[0], std::exp(t[1]), t[2]};
            };
        else if (d == Distribuicao::LogisticaGeneralizada)
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                if (!(std::fabs(t[2]) < 1)) return std::nullopt;
                return ParametrosLogistica{t[0], std::exp(t[1]), t[2]};
            };
        break;
    }
    case Distribuicao::Pearson3:
    case Distribuicao::LogPearson3: {
        const bool log = distribuicao(p) == Distribuicao::LogPearson3;
        const ParametrosPearson3 q =
            log ? ParametrosPearson3{std::get<ParametrosLogPearson3>(p).mu,
                                     std::get<ParametrosLogPearson3>(p).sigma,
                                     std::get<ParametrosLogPearson3>(p).gama}
                : std::get<ParametrosPearson3>(p);
        if (limiteZero && !log) {
            // A gamma of shape a and scale b from the origin.
            const double a = 4 / (q.gama * q.gama), b = q.sigma * q.gama / 2;
            m.theta = {std::log(a), std::log(b)};
            m.passos = {0.1, 0.1};
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                const double a = std::exp(t[0]), b = std::exp(t[1]);
                return ParametrosPearson3{a * b, b * std::sqrt(a), 2 / std::sqrt(a)};
            };
            break;
        }
        m.theta = {q.mu, std::log(q.sigma), q.gama};
        m.passos = {0.1 * q.sigma, 0.1, 0.05};
        m.indiceForma = 2;
        m.indiceLocacao = 0;
        m.montar = log ? Montar([](std::span<const double> t) -> std::optional<Parametros> {
            return ParametrosLogPearson3{t[0], std::exp(t[1]), t[2]};
        })
                       : Montar([](std::span<const double> t) -> std::optional<Parametros> {
                             return ParametrosPearson3{t[0], std::exp(t[1]), t[2]};
                         });
        break;
    }
    case Distribuicao::Lognormal2: {
        const auto& l = std::get<ParametrosLognormal2>(p);
        m.theta = {l.mu, std::log(l.sigma)};
        m.passos = {0.1 * l.sigma, 0.1};
        m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
            return ParametrosLognormal2{t[0], std::exp(t[1])};
        };
        break;
    }
    case Distribuicao::Lognormal3: {
        const auto& l = std::get<ParametrosLognormal3>(p);
        if (limiteZero) {
            m.theta = {l.mu, std::log(l.sigma)};
            m.passos = {0.1 * l.sigma, 0.1};
            m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
                return ParametrosLognormal3{0, t[0], std::exp(t[1])};
            };
            break;
        }
        m.theta = {l.zeta, l.mu, std::log(l.sigma)};
        m.passos = {0.1 * std::exp(l.mu), 0.1 * l.sigma, 0.1};
        m.indiceLocacao = 0;
        m.montar = [](std::span<const double> t) -> std::optional<Parametros> {
            return ParametrosLognormal3{t[0], t[1], std::exp(t[2])};
        };
        break;
    }
    }
    return m;
}

double menosLogVerossimilhanca(const Modelo& m, std::span<const double> theta,
                               std::span<const double> amostra) {
    const auto p = m.montar(theta);
    if (!p) return kInf;
    return -logVerossimilhanca(*p, amostra);
}

// Moves an infeasible start (an event outside the L-moment fit's support, which happens with the
// bounded distributions) until every event has a positive density.
bool tornarViavel(Modelo& m, std::span<const double> amostra, double espalhamento) {
    const std::vector<double> original = m.theta;
    for (int j = 0; j < 80; ++j) {
        if (std::isfinite(menosLogVerossimilhanca(m, m.theta, amostra))) return true;
        if (m.indiceForma >= 0 && j < 40) {
            m.theta[static_cast<std::size_t>(m.indiceForma)] /= 2;
        } else if (m.indiceLocacao >= 0) {
            const int passo = m.indiceForma >= 0 ? j - 40 : j;
            m.theta[static_cast<std::size_t>(m.indiceLocacao)] =
                original[static_cast<std::size_t>(m.indiceLocacao)] -
                0.01 * espalhamento * std::ldexp(1.0, passo);
        } else {
            return false;
        }
    }
    return std::isfinite(menosLogVerossimilhanca(m, m.theta, amostra));
}

// Newton's method on −ln L with central-difference gradient and Hessian, each step halved until it
// improves; leaves θ where no step improves any more.
void polirNewton(const Modelo& m, std::vector<double>& theta, std::span<const double> amostra) {
    const std::size_t n = theta.size();
    auto f = [&](const std::vector<double>& t) { return menosLogVerossimilhanca(m, t, amostra); };
    double atual = f(theta);
    for (int it = 0; it < 20; ++it) {
        std::array<double, 3> h{}, g{};
        std::array<std::array<double, 4>, 3> H{}; // the Hessian with the gradient as last column
        for (std::size_t i = 0; i < n; ++i)
            h[i] = 1e-5 * std::max(1.0, std::fabs(theta[i]));
        for (std::size_t i = 0; i < n; ++i) {
            std::vector<double> mais = theta, menos = theta;
            mais[i] += h[i];
            menos[i] -= h[i];
            const double fm = f(mais), fn = f(menos);
            g[i] = (fm - fn) / (2 * h[i]);
            H[i][i] = (fm - 2 * atual + fn) / (h[i] * h[i]);
            for (std::size_t j = 0; j < i; ++j) {
                std::vector<double> pp = theta, pm = theta, mp = theta, mm = theta;
                pp[i] += h[i], pp[j] += h[j];
                pm[i] += h[i], pm[j] -= h[j];
                mp[i] -= h[i], mp[j] += h[j];
                mm[i] -= h[i], mm[j] -= h[j];
                H[i][j] = H[j][i] = (f(pp) - f(pm) - f(mp) + f(mm)) / (4 * h[i] * h[j]);
            }
        }
        for (std::size_t i = 0; i < n; ++i)
            H[i][n] = -g[i];
        // Gaussian elimination; a Hessian that is not positive on its pivots ends the polishing.
        for (std::size_t c = 0; c < n; ++c) {
            if (!(H[c][c] > 0) || !std::isfinite(H[c][c])) return;
            for (std::size_t r = c + 1; r < n; ++r) {
                const double fator = H[r][c] / H[c][c];
                for (std::size_t k = c; k <= n; ++k)
                    H[r][k] -= fator * H[c][k];
            }
        }
        std::array<double, 3> passo{};
        for (std::size_t c = n; c-- > 0;) {
            double s = H[c][n];
            for (std::size_t k = c + 1; k < n; ++k)
                s -= H[c][k] * passo[k];
            passo[c] = s / H[c][c];
        }
        bool melhorou = false;
        for (double t = 1; t > 1e-8; t /= 2) {
            std::vector<double> novo = theta;
            for (std::size_t i = 0; i < n; ++i)
                novo[i] += t * passo[i];
            const double v = f(novo);
            if (v < atual) {
                theta = novo;
                atual = v;
                melhorou = true;
                break;
            }
        }
        if (!melhorou) return;
    }
}

struct Busca {
    std::optional<Parametros> parametros;
    QString falha;
    int iteracoes = 0;
};

Busca buscar(const Parametros& inicio, bool limiteZero, std::span<const double> amostra) {
    Busca b;
    const auto [menor, maior] = std::minmax_element(amostra.begin(), amostra.end());
    Modelo m = modelo(inicio, limiteZero, *menor);
    const double espalhamento = *maior > *menor ? *maior - *menor : 1;
    if (!tornarViavel(m, amostra, espalhamento)) {
        b.falha = QStringLiteral("nenhum ponto de partida contém todos os eventos");
        return b;
    }
    const ResultadoSimplex r = minimizarSimplex(
        [&](std::span<const double> t) { return menosLogVerossimilhanca(m, t, amostra); }, m.theta,
        m.passos);
    b.iteracoes = r.iteracoes;
    std::vector<double> theta = r.x;
    if (r.convergiu) polirNewton(m, theta, amostra);
    const auto p = m.montar(theta);
    if (!p) {
        b.falha = QStringLiteral("parâmetros fora do domínio");
        return b;
    }
    // The likelihood of a bounded distribution whose density grows without limit at its bound
    // has no maximum: the search then drives the bound onto the extreme event, converging there
    // or running out of iterations on the way.
    const double inferior = limiteInferior(*p), superior = quantil(*p, 1);
    const double folga = 1e-6 * espalhamento;
    const bool limiteEstimado = distribuicao(*p) == Distribuicao::ParetoGeneralizada;
    if ((std::isfinite(inferior) && !limiteEstimado && *menor - inferior < folga) ||
        (std::isfinite(superior) && superior - *maior < folga)) {
        b.falha = QStringLiteral("verossimilhança ilimitada: o limite da distribuição encosta no "
                                 "evento extremo (%1 iterações)")
                      .arg(r.iteracoes);
        return b;
    }
    if (!r.convergiu) {
        b.falha = QStringLiteral("sem convergência em %1 iterações").arg(r.iteracoes);
        return b;
    }
    b.parametros = p;
    return b;
}

} // namespace

double logVerossimilhanca(const Parametros& p, std::span<const double> amostra) {
    double soma = 0;
    for (const double x : amostra)
        soma += logDensidade(p, x);
    return std::isnan(soma) ? -kInf : soma;
}

AjusteFrequencia ajustarMaximaVerossimilhanca(std::span<const double> amostra, Distribuicao d,
                                              bool maximos) {
    AjusteFrequencia a;
    a.distribuicao = d;
    a.metodo = MetodoAjuste::MaximaVerossimilhanca;
    a.maximos = maximos;
    const AjusteFrequencia inicio = ajustarLMomentos(amostra, d, maximos, false);
    const bool limiteAjustavel = !maximos && temLimiteInferiorAjustavel(d);
    Busca b;
    if (inicio.valido()) {
        b = buscar(*inicio.parametros, false, amostra);
        a.iteracoes = b.iteracoes;
        const bool abaixoDeZero = b.parametros && limiteInferior(*b.parametros) < 0;
        if (!limiteAjustavel || !abaixoDeZero) {
            a.parametros = b.parametros;
            a.falha = b.falha;
            return a;
        }
    } else if (!limiteAjustavel) {
        a.falha = inicio.falha;
        return a;
    }
    // Minima whose fitted bound fell below zero: the search again with the bound at zero, from
    // the L-moment fit with that bound.
    const LMomentos l = lmomentosAmostrais(amostra);
    QString falha;
    const auto zero = ajustarLimiteZero(d, l.l1, l.l2, falha);
    if (!zero) {
        a.falha = falha;
        return a;
    }
    b = buscar(*zero, true, amostra);
    a.iteracoes += b.iteracoes;
    a.parametros = b.parametros;
    a.falha = b.falha;
    a.limiteZerado = b.parametros.has_value();
    return a;
}

} // namespace corvel
