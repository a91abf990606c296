// Method names, the distributions offered for maxima and minima, and the dispatch to a method.
#include "ajustefrequencia.h"

#include "ajustelmomentos.h"
#include "verossimilhanca.h"

#include <limits>

namespace corvel {

QString codigoMetodo(MetodoAjuste m) {
    switch (m) {
    case MetodoAjuste::Momentos:
        return QStringLiteral("momentos");
    case MetodoAjuste::LMomentos:
        return QStringLiteral("lmomentos");
    case MetodoAjuste::MaximaVerossimilhanca:
        return QStringLiteral("mv");
    }
    return {};
}

std::optional<MetodoAjuste> metodoDoCodigo(const QString& codigo) {
    for (const MetodoAjuste m :
         {MetodoAjuste::Momentos, MetodoAjuste::LMomentos, MetodoAjuste::MaximaVerossimilhanca})
        if (codigo == codigoMetodo(m)) return m;
    return std::nullopt;
}

QString nomeMetodo(MetodoAjuste m) {
    switch (m) {
    case MetodoAjuste::Momentos:
        return QStringLiteral("Momentos");
    case MetodoAjuste::LMomentos:
        return QStringLiteral("Momentos-L");
    case MetodoAjuste::MaximaVerossimilhanca:
        return QStringLiteral("Máxima verossimilhança");
    }
    return {};
}

int AjusteFrequencia::parametrosLivres() const {
    return numeroParametros(distribuicao) - (limiteZerado ? 1 : 0);
}

double AjusteFrequencia::evento(double T) const {
    if (!parametros) return std::numeric_limits<double>::quiet_NaN();
    return eventoRetorno(*parametros, T, maximos);
}

std::vector<Distribuicao> distribuicoesMaximos() {
    return {Distribuicao::Gumbel,
            Distribuicao::GEV,
            Distribuicao::LogisticaGeneralizada,
            Distribuicao::ParetoGeneralizada,
            Distribuicao::Pearson3,
            Distribuicao::LogPearson3,
            Distribuicao::Lognormal2,
            Distribuicao::Lognormal3};
}

std::vector<Distribuicao> distribuicoesMinimos() {
    return {Distribuicao::Weibull,
            Distribuicao::Gumbel,
            Distribuicao::GumbelMinimos,
            Distribuicao::Pearson3,
            Distribuicao::Lognormal3,
            Distribuicao::GEV,
            Distribuicao::LogisticaGeneralizada};
}

AjusteFrequencia ajustar(std::span<const double> amostra, Distribuicao d, MetodoAjuste metodo,
                         bool maximos) {
    switch (metodo) {
    case MetodoAjuste::LMomentos:
        return ajustarLMomentos(amostra, d, maximos);
    case MetodoAjuste::MaximaVerossimilhanca:
        return ajustarMaximaVerossimilhanca(amostra, d, maximos);
    case MetodoAjuste::Momentos:
        break;
    }
    AjusteFrequencia a;
    a.distribuicao = d;
    a.metodo = metodo;
    a.maximos = maximos;
    a.falha = QStringLiteral("o método dos momentos é o das seis distribuições clássicas");
    return a;
}

} // namespace corvel
