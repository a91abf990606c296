// Goodness-of-fit statistics over the sorted sample.
#include "aderencia.h"

#include "lmomentos.h"
#include "verossimilhanca.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvel {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

double posicaoFilliben(int i, int n) {
    const double ultimo = std::pow(0.5, 1.0 / n);
    if (i == n) return ultimo;
    if (i == 1) return 1 - ultimo;
    return (i - 0.3175) / (n + 0.365);
}

Aderencia aderencia(std::span<const double> amostra, const AjusteFrequencia& ajuste) {
    Aderencia r;
    std::vector<double> x(amostra.begin(), amostra.end());
    std::sort(x.begin(), x.end());
    const LMomentos l = lmomentosOrdenados(x);
    r.t3Amostra = l.t3;
    r.t4Amostra = l.t4;
    if (!ajuste.valido() || x.empty()) {
        r.ppcc = r.andersonDarling = r.kolmogorovSmirnov = r.logVerossimilhanca = r.aic = r.bic =
            r.t3Ajuste = r.t4Ajuste = kNaN;
        return r;
    }
    const Parametros& p = *ajuste.parametros;
    const int n = static_cast<int>(x.size());

    // Probability-plot correlation.
    std::vector<double> q(x.size());
    double mx = 0, mq = 0;
    for (int i = 0; i < n; ++i) {
        q[static_cast<std::size_t>(i)] = quantil(p, posicaoFilliben(i + 1, n));
        mx += x[static_cast<std::size_t>(i)] / n;
        mq += q[static_cast<std::size_t>(i)] / n;
    }
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (q[i] - mq);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (q[i] - mq) * (q[i] - mq);
    }
    r.ppcc = sxy / std::sqrt(sxx * syy);

    // Anderson-Darling and Kolmogorov-Smirnov over F(x_(i)).
    std::vector<double> F(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        F[i] = acumulada(p, x[i]);
    double soma = 0, d = 0;
    for (int i = 1; i <= n; ++i) {
        const double Fi = F[static_cast<std::size_t>(i - 1)];
        const double Fj = F[static_cast<std::size_t>(n - i)];
        soma += (2.0 * i - 1) * (std::log(Fi) + std::log1p(-Fj));
        d = std::max({d, static_cast<double>(i) / n - Fi, Fi - (i - 1.0) / n});
    }
    r.andersonDarling = std::isnan(soma) ? kInf : -n - soma / n;
    if (std::isinf(soma)) r.andersonDarling = kInf;
    r.kolmogorovSmirnov = d;

    r.logVerossimilhanca = logVerossimilhanca(p, x);
    const int k = ajuste.parametrosLivres();
    r.aic = -2 * r.logVerossimilhanca + 2 * k;
    r.bic = -2 * r.logVerossimilhanca + k * std::log(static_cast<double>(n));

    const LMomentosTeoricos t = lmomentos(p);
    r.t3Ajuste = t.t3;
    r.t4Ajuste = t.t4;
    return r;
}

QString nomeCriterio(CriterioEscolha c) {
    switch (c) {
    case CriterioEscolha::PPCC:
        return QStringLiteral("PPCC");
    case CriterioEscolha::AndersonDarling:
        return QStringLiteral("Anderson-Darling");
    case CriterioEscolha::KolmogorovSmirnov:
        return QStringLiteral("Kolmogorov-Smirnov");
    case CriterioEscolha::AIC:
        return QStringLiteral("AIC");
    case CriterioEscolha::BIC:
        return QStringLiteral("BIC");
    }
    return {};
}

std::optional<std::size_t> melhorAjuste(std::span<const AjusteFrequencia> ajustes,
                                        std::span<const Aderencia> aderencias,
                                        CriterioEscolha criterio) {
    // Every criterion as "smaller is better".
    auto valor = [criterio](const Aderencia& a) {
        switch (criterio) {
        case CriterioEscolha::PPCC:
            return -a.ppcc;
        case CriterioEscolha::AndersonDarling:
            return a.andersonDarling;
        case CriterioEscolha::KolmogorovSmirnov:
            return a.kolmogorovSmirnov;
        case CriterioEscolha::AIC:
            return a.aic;
        case CriterioEscolha::BIC:
            return a.bic;
        }
        return kNaN;
    };
    std::optional<std::size_t> melhor;
    for (std::size_t i = 0; i < ajustes.size() && i < aderencias.size(); ++i) {
        const double v = valor(aderencias[i]);
        if (!ajustes[i].valido() || !std::isfinite(v)) continue;
        if (!melhor || v < valor(aderencias[*melhor])) melhor = i;
    }
    return melhor;
}

} // namespace corvel
