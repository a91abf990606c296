// The parametric bootstrap of the T-year event.
#include "bootstrap.h"

#include "ajustelmomentos.h"
#include "ajustemomentos.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace corvel {

double percentil(std::span<const double> x, double p) {
    if (x.empty()) return std::nan("");
    const double h = (static_cast<double>(x.size()) - 1) * p;
    const auto i = static_cast<std::size_t>(std::floor(h));
    if (i + 1 >= x.size()) return x.back();
    return x[i] + (h - static_cast<double>(i)) * (x[i + 1] - x[i]);
}

namespace {

// The T-year event of one replicate, or nothing when it cannot be fitted.
std::optional<double> eventoReplica(std::vector<double>& replica, Distribuicao d,
                                    MetodoAjuste metodo, bool maximos, int T) {
    if (metodo == MetodoAjuste::Momentos) return eventoMomentos(replica, d, maximos, T);
    AjusteFrequencia a;
    if (metodo == MetodoAjuste::LMomentos && d != Distribuicao::LogPearson3) {
        std::sort(replica.begin(), replica.end());
        a = ajustarLMomentos(lmomentosOrdenados(replica), d, maximos);
    } else {
        a = ajustar(replica, d, metodo, maximos);
    }
    if (!a.valido()) return std::nullopt;
    const double e = a.evento(T);
    return std::isfinite(e) ? std::optional<double>(e) : std::nullopt;
}

} // namespace

LimitesBootstrap limitesBootstrap(std::span<const double> amostra, Distribuicao d,
                                  MetodoAjuste metodo, bool maximos, int T,
                                  const OpcoesBootstrap& opcoes) {
    LimitesBootstrap r;
    r.replicas = opcoes.replicas;
    // The distribution the replicates are drawn from, and the sample's own event.
    std::optional<Parametros> origem;
    if (metodo == MetodoAjuste::Momentos) {
        QString falha;
        origem = parametrosMomentos(amostra, d, maximos, falha);
        if (!origem) {
            r.falha = falha;
            return r;
        }
        std::vector<double> copia(amostra.begin(), amostra.end());
        r.evento = eventoMomentos(copia, d, maximos, T).value_or(std::nan(""));
    } else {
        const AjusteFrequencia a = ajustar(amostra, d, metodo, maximos);
        if (!a.valido()) {
            r.falha = a.falha;
            return r;
        }
        origem = a.parametros;
        r.evento = a.evento(T);
    }

    GeradorUniforme gerador(opcoes.semente);
    std::vector<double> replica(amostra.size()), eventos;
    eventos.reserve(static_cast<std::size_t>(std::max(0, opcoes.replicas)));
    for (int i = 0; i < opcoes.replicas; ++i) {
        for (double& x : replica)
            x = quantil(*origem, gerador.proximo());
        if (const auto e = eventoReplica(replica, d, metodo, maximos, T)) eventos.push_back(*e);
    }
    r.validas = static_cast<int>(eventos.size());
    if (eventos.size() < 2) {
        r.falha = QStringLiteral("nenhuma réplica pôde ser ajustada");
        return r;
    }
    std::sort(eventos.begin(), eventos.end());
    r.inferior = percentil(eventos, (1 - opcoes.nivel) / 2);
    r.superior = percentil(eventos, (1 + opcoes.nivel) / 2);
    double media = 0, quadrados = 0;
    for (double e : eventos)
        media += e / static_cast<double>(eventos.size());
    for (double e : eventos)
        quadrados += (e - media) * (e - media);
    r.erroPadrao = std::sqrt(quadrados / static_cast<double>(eventos.size() - 1));
    return r;
}

} // namespace corvel
