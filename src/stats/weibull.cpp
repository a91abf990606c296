// Three-parameter Weibull for annual minima by the method of moments, with the moment standard
// error of the T-year event (Kite, Frequency and Risk Analyses in Hydrology, 1977, ch. 9).
#include "distribuicoes.h"
#include "funcoes.h"

#include <cmath>

namespace corvel {

using detalhe::d;

TWeibull::TWeibull(std::span<const double> valores, int T) {
    ajustarEAvaliar(*this, valores, T);
}

TWeibull::TWeibull(const TWeibull& ajuste, double T) : TWeibull(ajuste) {
    reavaliar(*this, T);
}

void TWeibull::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Momentos m = detalhe::momentos(detalhe::somar(valores));
    n_ = m.n;
    media_ = m.media;
    variancia_ = m.m2;
    // No sample-size correction: the polynomial below was fitted to population skewness.
    g_ = d(m.m3 / d(std::pow(m.m2, 1.5)));
    assimetria_ = g_;
    // 1/α as a polynomial in g, valid for −1.02 <= g <= 2.0 (computed outside too).
    b_ = d(0.2777757913 + 0.3132617714 * g_ + 0.057567091 * g_ * g_ - 0.0013038566 * g_ * g_ * g_ -
           0.0081523408 * g_ * g_ * g_ * g_);
    alfa_ = d(1 / b_);
    for (int k = 1; k <= 7; ++k)
        G_[k] = d(FuncaoGama(1 + k * b_));
    const auto& G = G_;
    V_ = d(G[2] - G[1] * G[1]);
    h_ = d(1 / d(std::sqrt(V_)));
    desvio_ = d(std::sqrt(m.m2));
    caracteristico_ = d(media_ + desvio_ * h_ * (1 - G[1]));
    xi_ = d(caracteristico_ - desvio_ * h_);

    // β2, β3, β4: standardized 4th, 5th and 6th central moments of the fitted distribution.
    const double G1 = G[1], G12 = G1 * G1, G13 = G12 * G1, G14 = G13 * G1;
    beta2_ = d((G[4] - 4 * G1 * G[3] + 6 * G12 * G[2] - 3 * G14) / d(V_ * V_));
    beta3_ = d((G[5] - 5 * G1 * G[4] + 10 * G12 * G[3] - 10 * G13 * G[2] + 4 * G14 * G1) /
               d(std::pow(V_, 2.5)));
    beta4_ = d((G[6] - 6 * G1 * G[5] + 15 * G12 * G[4] - 20 * G13 * G[3] + 15 * G14 * G[2] -
                5 * G14 * G12) /
               d(V_ * V_ * V_));
    psi1_ = d(FuncaoDigama(1 + b_));
    const double psi2 = d(FuncaoDigama(1 + 2 * b_));
    const double psi3 = d(FuncaoDigama(1 + 3 * b_));
    R_ = d(G[2] * psi2 - G12 * psi1_);
    D_ = d(2 * G13 * psi1_ + G[3] * psi3 - G1 * G[2] * (2 * psi2 + psi1_));
    E_ = d(2 * G13 + G[3] - 3 * G[2] * G1);
    amostraAjustada_ = true;
}

void TWeibull::calcularEvento(double T) {
    const double g = g_;
    const double y = d(-std::log(d(1 - 1.0 / T)));
    const double yb = d(std::pow(y, b_));
    const double K = d(h_ * (yb - G_[1]));
    const double evento = d(media_ + K * desvio_);

    const double P = d(yb * d(std::log(y)) - G_[1] * psi1_);
    const double Q = d(yb - G_[1]);
    const double dK = d(V_ * V_ * d(P - d(Q * R_ / V_)) / d(3 * d(V_ * D_ - E_ * R_)));
    const double delta2 =
        d(1 + g * K + K * K * (beta2_ - 1) / 4 +
          dK * (2 * beta2_ - 3 * g * g - 6 + K * (beta3_ - 1.5 * g * beta2_ - 2.5 * g)) +
          dK * dK *
              (2.25 * g * g * beta2_ - 3 * beta3_ * g - 6 * beta2_ + beta4_ + 8.75 * g * g + 9));
    concluir(evento, d(std::sqrt(d(variancia_ * delta2 / n_))));
}

} // namespace corvel
