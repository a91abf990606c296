// Two- and three-parameter log-normal by the moments of the untransformed values, with the
// moment standard errors of the T-year event (Kite 1977, ch. 6: δ of the two-parameter case,
// and the delta method over the first three sample moments for the three-parameter case).
#include "distribuicoes.h"
#include "funcoes.h"

#include <cmath>

namespace corvel {

using detalhe::d;

namespace {
double desvio(bool maximos, double T) {
    return maximos ? DesvioNormalPadronizado(T) : -DesvioNormalPadronizado(T);
}
} // namespace

TLogNormal2::TLogNormal2(std::span<const double> valores, int T, bool maximos) : maximos_(maximos) {
    ajustarEAvaliar(*this, valores, T);
}

TLogNormal2::TLogNormal2(const TLogNormal2& ajuste, double T) : TLogNormal2(ajuste) {
    reavaliar(*this, T);
}

void TLogNormal2::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Momentos m = detalhe::momentos(detalhe::somar(valores));
    n_ = m.n;
    media_ = m.media;
    variancia_ = d(m.m2 * m.n / d(m.n - 1));
    s_ = d(std::sqrt(variancia_));
    assimetria_ = d(m.m3 / d(s_ * s_ * s_));
    cv_ = d(s_ / media_);
    varianciaLog_ = d(std::log(d(1 + cv_ * cv_)));
    desvioLog_ = d(std::sqrt(varianciaLog_));
    amostraAjustada_ = true;
}

void TLogNormal2::calcularEvento(double T) {
    const double z = desvio(maximos_, T);
    const double K = d(d(d(std::exp(d(desvioLog_ * z - varianciaLog_ / 2))) - 1) / cv_);
    const double evento = d(media_ + K * s_);
    const double c = cv_, c2 = c * c, c4 = c2 * c2, c6 = c4 * c2, c8 = c4 * c4;
    const double delta = d(
        std::sqrt(d(1 + K * (c2 * c + 3 * c) + K * K * (c8 + 6 * c6 + 15 * c4 + 16 * c2 + 2) / 4)));
    concluir(evento, d(delta * d(std::sqrt(d(variancia_ / n_)))));
}

TLogNormal3::TLogNormal3(std::span<const double> valores, int T, bool maximos) : maximos_(maximos) {
    ajustarEAvaliar(*this, valores, T);
}

TLogNormal3::TLogNormal3(const TLogNormal3& ajuste, double T) : TLogNormal3(ajuste) {
    reavaliar(*this, T);
}

void TLogNormal3::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Momentos m = detalhe::momentos(detalhe::somar(valores));
    const double n = m.n;
    n_ = n;
    media_ = m.media;
    variancia_ = d(m.m2 * n / d(n - 1));
    s_ = d(std::sqrt(variancia_));
    g_ = d(m.m3 / d(s_ * s_ * s_));
    assimetria_ = g_;
    if (g_ < 0) // no log-normal has negative skewness: no solution by the method of moments
        throw detalhe::FalhaAjuste{};

    const double raiz = d(std::sqrt(g_ * g_ + 4));
    const double w = d((raiz - g_) / 2);
    eta_ = d(d(1 - d(std::pow(w, 2.0 / 3))) / d(std::pow(w, 1.0 / 3)));
    a_ = d(media_ - d(s_ / eta_));
    varianciaLog_ = d(std::log(d(eta_ * eta_ + 1)));
    desvioLog_ = d(std::sqrt(varianciaLog_));
    const double mu = d(d(std::log(d(s_ / eta_))) - std::log(eta_ * eta_ + 1) / 2);

    // Central moments 4 to 6 of the fitted distribution; 2 and 3 are the sample's.
    // Each power by pow: for a small log variance the brackets cancel to a few digits, and
    // chained products would add their own rounding to the standard error.
    const double o = d(std::exp(varianciaLog_));
    const auto p = [o](double k) { return d(std::pow(o, k)); };
    const double mu2 = variancia_, mu3 = m.m3;
    const double mu4 =
        d(d(std::exp(4 * mu)) * p(2) * d(std::pow(o - 1, 2)) * (p(4) + 2 * p(3) + 3 * p(2) - 3));
    const double mu5 =
        d(d(std::exp(5 * mu)) * p(2.5) * (p(10) - 5 * p(6) + 10 * p(3) - 10 * o + 4));
    const double mu6 =
        d(d(std::exp(6 * mu)) * p(3) * (p(15) - 6 * p(10) + 15 * p(6) - 20 * p(3) + 15 * o - 5));
    var1_ = d(mu2 / n);
    var2_ = d((mu4 - mu2 * mu2) / n);
    var3_ = d((mu6 - mu3 * mu3 - 6 * mu2 * mu4 + 9 * mu2 * mu2 * mu2) / n);
    cov12_ = d(mu3 / n);
    cov13_ = d((mu4 - 3 * mu2 * mu2) / n);
    cov23_ = d((mu5 - 4 * mu3 * mu2) / n);

    dwDg_ = d(g_ / d(2 * raiz) - 0.5);
    detaDw_ = d(-(d(std::pow(w, -4.0 / 3)) + d(std::pow(w, -2.0 / 3))) / 3);
    amostraAjustada_ = true;
}

void TLogNormal3::calcularEvento(double T) {
    const double z = desvio(maximos_, T);
    const double sy = desvioLog_, eta = eta_, eta3 = d(eta * eta * eta);
    const double E = d(std::exp(d(sy * z - varianciaLog_ / 2)));
    const double K = d(d(E - 1) / eta);
    const double evento = d(media_ + K * s_);

    const double dKdEta =
        d(d(2 * eta / d(eta * eta + 1)) *
          d(1 / d(2 * eta3) + d(d(z / d(2 * eta * sy)) - 1 / eta - 1 / d(2 * eta3)) * E +
            1 / d(2 * eta)));
    const double dKdg = d(dKdEta * detaDw_ * dwDg_);
    // Sensitivities of x_T to the sample mean, second and third moments.
    const double x1 = 1;
    const double x2 = d(d(K - 3 * g_ * dKdg) / d(2 * s_));
    const double x3 = d(dKdg / d(s_ * s_));
    const double variancia = d(x1 * x1 * var1_ + x2 * x2 * var2_ + x3 * x3 * var3_ +
                               2 * (x1 * x2 * cov12_ + x1 * x3 * cov13_ + x2 * x3 * cov23_));
    concluir(evento, d(std::sqrt(variancia)));
}

} // namespace corvel
