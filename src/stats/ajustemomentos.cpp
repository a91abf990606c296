// The classical moment fits as parameter objects, for the bootstrap.
#include "ajustemomentos.h"

#include "distribuicoes.h"

#include <cmath>

namespace corvel {

std::optional<Parametros> parametrosMomentos(std::span<const double> amostra, Distribuicao d,
                                             bool maximos, QString& falha) {
    const QString falhou = QStringLiteral("o ajuste pelos momentos falhou");
    switch (d) {
    case Distribuicao::Weibull: {
        const TWeibull w(amostra, 2);
        if (w.GetErro()) break;
        return ParametrosWeibull{w.Gama(), w.Beta() - w.Gama(), w.Alfa()};
    }
    case Distribuicao::Gumbel: {
        // The class's events are linear in the Gumbel reduced variate: two of them give the line.
        const TGumbel g2(amostra, 2, maximos), g100(amostra, 100, maximos);
        if (g2.GetErro() || g100.GetErro()) break;
        const double y2 = -std::log(-std::log(0.5)), y100 = -std::log(-std::log(0.99));
        const double alfa = (g100.GetEvento() - g2.GetEvento()) / (y100 - y2);
        return ParametrosGumbel{g2.GetEvento() - alfa * y2, alfa};
    }
    case Distribuicao::Pearson3: {
        const TPearson3 p(amostra, 2, maximos);
        if (p.GetErro()) break;
        return ParametrosPearson3{p.Media(), std::sqrt(p.Variancia()), p.Assimetria()};
    }
    case Distribuicao::LogPearson3: {
        const TLogPearson3 p(amostra, 2, maximos);
        if (p.GetErro()) break;
        // A negative 1/α is the gamma of ln x reflected: skewness of its sign.
        return ParametrosLogPearson3{p.Media(), std::sqrt(p.Variancia()),
                                     std::copysign(std::fabs(p.Assimetria()), p.Alfa())};
    }
    case Distribuicao::Lognormal2: {
        const TLogNormal2 l(amostra, 2, maximos);
        if (l.GetErro()) break;
        const double cv = std::sqrt(l.Variancia()) / l.Media();
        const double variancia = std::log1p(cv * cv);
        return ParametrosLognormal2{std::log(l.Media()) - variancia / 2, std::sqrt(variancia)};
    }
    case Distribuicao::Lognormal3: {
        const TLogNormal3 l(amostra, 2, maximos);
        if (l.GetErro()) break;
        // The class's own steps repeated: η from the skewness g, then the moments of ln(x − a).
        const double g = l.Assimetria(), s = std::sqrt(l.Variancia());
        const double w = (std::sqrt(g * g + 4) - g) / 2;
        const double eta = (1 - std::cbrt(w * w)) / std::cbrt(w);
        const double variancia = std::log(eta * eta + 1);
        return ParametrosLognormal3{l.A(), std::log(s / eta) - variancia / 2, std::sqrt(variancia)};
    }
    default:
        falha = QStringLiteral("sem ajuste pelos momentos para a %1").arg(nomeDistribuicao(d));
        return std::nullopt;
    }
    falha = falhou;
    return std::nullopt;
}

std::optional<double> eventoMomentos(std::span<const double> amostra, Distribuicao d, bool maximos,
                                     int T) {
    auto resultado = [](const ResultadoAjuste& r) -> std::optional<double> {
        if (r.GetErro()) return std::nullopt;
        return r.GetEvento();
    };
    switch (d) {
    case Distribuicao::Weibull:
        return resultado(TWeibull(amostra, T));
    case Distribuicao::Gumbel:
        return resultado(TGumbel(amostra, T, maximos));
    case Distribuicao::Pearson3:
        return resultado(TPearson3(amostra, T, maximos));
    case Distribuicao::LogPearson3:
        return resultado(TLogPearson3(amostra, T, maximos));
    case Distribuicao::Lognormal2:
        return resultado(TLogNormal2(amostra, T, maximos));
    case Distribuicao::Lognormal3:
        return resultado(TLogNormal3(amostra, T, maximos));
    default:
        return std::nullopt;
    }
}

} // namespace corvel
