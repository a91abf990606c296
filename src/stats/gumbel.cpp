// Gumbel (extreme value type I) for annual maxima by the method of moments with Gumbel's
// finite-sample reduced variate, and the moment standard error of the T-year event (Kite 1977,
// ch. 8; the constants 1.1396 and 1.1000 as the program stores them).
#include "distribuicoes.h"

#include <cmath>

namespace corvel {

using detalhe::d;

TGumbel::TGumbel(std::span<const double> valores, int T, bool) {
    ajustarEAvaliar(*this, valores, T);
}

TGumbel::TGumbel(const TGumbel& ajuste, double T) : TGumbel(ajuste) {
    reavaliar(*this, T);
}

void TGumbel::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Momentos m = detalhe::momentos(detalhe::somar(valores));
    n_ = m.n;
    media_ = m.media;
    variancia_ = d(m.m2 * m.n / d(m.n - 1));
    s_ = d(std::sqrt(variancia_));
    assimetria_ = d(m.m3 / d(s_ * s_ * s_));
    alfa_ = d(1.2825 / s_);
    u_ = d(media_ - 0.45 * s_);

    // Mean and standard deviation of the reduced variates of the plotting positions i/(n+1).
    double soma = 0, soma2 = 0;
    const auto n = static_cast<int>(n_);
    for (int i = 1; i <= n; ++i) {
        const double y = d(-std::log(d(-std::log(d(double(n + 1 - i) / (n + 1))))));
        soma += y;
        soma2 += y * y;
    }
    yMedio_ = d(soma / n_);
    yDesvio_ = d(std::sqrt(d(soma2 / n_ - yMedio_ * yMedio_)));
    amostraAjustada_ = true;
}

void TGumbel::calcularEvento(double T) {
    const double yT = d(-std::log(d(-std::log(d(double(T - 1) / T)))));
    const double K = d(d(yT - yMedio_) / yDesvio_);
    const double evento = d(media_ + K * s_);
    // Standard error of a moment-fitted T-year event (Kite, Frequency and Risk Analyses in
    // Hydrology): s²/n · (1 + γ K + (β₂ − 1)/4 · K²) with the Gumbel's skewness γ = 12√6 ζ(3)/π³
    // ≈ 1.1395 and kurtosis β₂ = 5.4, so (β₂ − 1)/4 = 1.1; the trailing digits are those two
    // values as single-precision floats, which the reference results were computed with.
    const double delta2 = d(1 + 1.139547093 * K + 1.100000027 * K * K);
    concluir(evento, d(std::sqrt(d(variancia_ * delta2 / n_))));
}

} // namespace corvel
