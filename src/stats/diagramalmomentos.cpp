// L-moment ratio diagram: each curve traced by fitting its distribution to τ3 over a grid and
// reading back the fitted τ3 and τ4.
#include "diagramalmomentos.h"

#include "ajustelmomentos.h"

namespace corvel {

DiagramaRazoes diagramaRazoesLMomentos(std::span<const double> amostra,
                                       std::span<const Distribuicao> distribuicoes) {
    DiagramaRazoes r;
    const LMomentos l = lmomentosAmostrais(amostra);
    r.amostra = {l.t3, l.t4};
    for (const Distribuicao d : distribuicoes) {
        if (d == Distribuicao::LogPearson3) continue;
        CurvaRazoes c{d, {}};
        if (numeroParametros(d) == 2 && d != Distribuicao::Lognormal2) {
            // Location and scale only: one point whatever the parameters.
            const Parametros p = d == Distribuicao::Gumbel ? Parametros{ParametrosGumbel{}}
                                                           : Parametros{ParametrosGumbelMinimos{}};
            const LMomentosTeoricos t = lmomentos(p);
            c.pontos.push_back({t.t3, t.t4});
        } else {
            // The log-normal 2 lies on the log-normal 3's curve (its shape is σ alone).
            const Distribuicao curva = d == Distribuicao::Lognormal2 ? Distribuicao::Lognormal3 : d;
            for (int i = -45; i <= 45; ++i) {
                LMomentos alvo;
                alvo.n = 100;
                alvo.l1 = 1;
                alvo.l2 = 0.25;
                alvo.t3 = 0.02 * i;
                const AjusteFrequencia a = ajustarLMomentos(alvo, curva, true);
                if (!a.valido()) continue;
                const LMomentosTeoricos t = lmomentos(*a.parametros);
                c.pontos.push_back({t.t3, t.t4});
            }
        }
        r.curvas.push_back(std::move(c));
    }
    return r;
}

} // namespace corvel
