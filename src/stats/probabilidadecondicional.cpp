// The zero-flow split of a sample of minima and the conditional-probability return period.
#include "probabilidadecondicional.h"

#include "core/formato.h"

namespace corvel {

AmostraComNulos separarNulos(std::span<const double> amostra) {
    AmostraComNulos r;
    r.naoNulos.reserve(amostra.size());
    for (const double v : amostra) {
        if (v == 0)
            ++r.nulos;
        else
            r.naoNulos.push_back(v);
    }
    r.n = static_cast<int>(amostra.size());
    r.p0 = r.n > 0 ? static_cast<double>(r.nulos) / r.n : 0;
    return r;
}

std::optional<double> periodoCondicionalMinimos(double T, double p0) {
    const double excedida = 1 / T - p0;
    if (excedida <= 0) return std::nullopt;
    return (1 - p0) / excedida;
}

QString avisoProbabilidadeCondicional(const AmostraComNulos& a) {
    return QStringLiteral(") Vazões nulas: %1 de %2 eventos são iguais a zero (p0 = %3). Método da "
                          "probabilidade condicional (Jennings e Benson, 1969): as distribuições "
                          "foram ajustadas aos %4 eventos não nulos e o evento de período de "
                          "retorno T é lido na probabilidade ajustada (1/T - p0) / (1 - p0); "
                          "quando 1/T <= p0 o evento é zero.")
        .arg(a.nulos)
        .arg(a.n)
        .arg(formatarNumero(a.p0, u"0.0###"))
        .arg(a.n - a.nulos);
}

QString notaProbabilidadeCondicional(const AmostraComNulos& a) {
    return QStringLiteral("*** Vazões nulas pelo método da probabilidade condicional (Jennings e "
                          "Benson, 1969): p0 = %1 (%2 de %3 eventos); distribuições ajustadas aos "
                          "eventos não nulos.")
        .arg(formatarNumero(a.p0, u"0.0###"))
        .arg(a.nulos)
        .arg(a.n);
}

} // namespace corvel
