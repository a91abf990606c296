// Pearson type III by the method of moments with the bias-corrected skewness (Hazen's factor
// 1 + 8.5/n) and the moment standard error of the T-year event (Bobée; Kite 1977, ch. 7).
#include "distribuicoes.h"
#include "funcoes.h"

#include <cmath>

namespace corvel {

using detalhe::d;

TPearson3::TPearson3(std::span<const double> valores, int T, bool maximos) : maximos_(maximos) {
    ajustarEAvaliar(*this, valores, T);
}

TPearson3::TPearson3(const TPearson3& ajuste, double T) : TPearson3(ajuste) {
    reavaliar(*this, T);
}

void TPearson3::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Momentos m = detalhe::momentos(detalhe::somar(valores));
    const double n = m.n;
    n_ = n;
    media_ = m.media;
    g_ = d(d(d(m.m3 / d(std::pow(m.m2, 1.5))) * d(std::sqrt(n * (n - 1))) / d(n - 2)) *
           (1 + 8.5 / n));
    assimetria_ = g_;
    variancia_ = d(m.m2 * n / d(n - 1));
    s_ = d(std::sqrt(variancia_));
    beta_ = d(std::pow(d(2 / g_), 2));
    alfa_ = d(s_ / d(std::sqrt(beta_)));
    origem_ = d(media_ - s_ * std::sqrt(beta_));
    amostraAjustada_ = true;
}

void TPearson3::calcularEvento(double T) {
    const double z = maximos_ ? DesvioNormalPadronizado(T) : -DesvioNormalPadronizado(T);
    const double K = d(FatorFrequenciaPearson3(z, g_));
    const double dK = d(DerivadaFatorFrequenciaPearson3(z, g_));
    const double evento = d(media_ + K * s_);
    const double delta2 = d(FatorErroPadraoPearson3(g_, K, dK));
    concluir(evento, d(std::sqrt(d(variancia_ * delta2 / n_))));
}

} // namespace corvel
