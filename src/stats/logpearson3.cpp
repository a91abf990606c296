// Log-Pearson type III fitted by the moments of the untransformed values (Bobée 1975, with
// Kite's approximations of α as a function of B), and the moment standard error of the T-year
// event taken in log space and brought back to flow units.
#include "distribuicoes.h"
#include "funcoes.h"

#include <cmath>

namespace corvel {

using detalhe::d;

namespace {
double ln(double x) {
    return d(std::log(x));
}
} // namespace

TLogPearson3::TLogPearson3(std::span<const double> valores, int T, bool maximos)
    : maximos_(maximos) {
    ajustarEAvaliar(*this, valores, T);
}

TLogPearson3::TLogPearson3(const TLogPearson3& ajuste, double T) : TLogPearson3(ajuste) {
    reavaliar(*this, T);
}

void TLogPearson3::ajustarAmostra(std::span<const double> valores) {
    const detalhe::Somas s = detalhe::somar(valores);
    n_ = s.n;
    // The non-central moments accept any sign; only their logarithms need them positive.
    const double mu1 = d(s.x / s.n), mu2 = d(s.x2 / s.n), mu3 = d(s.x3 / s.n);
    const double lnMu1 = ln(mu1);
    // Without spread ln μ'2 − 2 ln μ'1 is zero; rounding must not turn it into a tiny ratio.
    const double denominador = s.constante ? 0.0 : d(ln(mu2) - 2 * lnMu1);
    const double B = d(d(ln(mu3) - 3 * lnMu1) / denominador);
    B_ = B;
    const double r = d(1 / d(B - 3));
    const double A0 = B < 3.5 ? d(-0.47157 + 1.99955 * r)
                              : d(-0.23019 + 1.65262 * r + 0.20911 * r * r - 0.04557 * r * r * r);
    const double alfa = d(A0 + 3);
    inversoAlfa_ = d(1 / alfa);
    const double ln1 = ln(d(1 - 1 / alfa));
    lambda_ = d(denominador / d(2 * ln1 - ln(d(1 - 2 / alfa))));
    m_ = d(lnMu1 + lambda_ * ln1);

    media_ = d(m_ + lambda_ / alfa);
    variancia_ = d(lambda_ / d(alfa * alfa));
    // ln x = m + Y/α with Y ~ Gamma(λ): its skewness takes the sign of α. With B < 3 (common
    // for annual minima) α < 0 and the log skewness is negative.
    assimetria_ = d((alfa < 0 ? -2.0 : 2.0) / d(std::sqrt(lambda_)));
    desvioLog_ = d(std::sqrt(variancia_));
    amostraAjustada_ = true;
}

void TLogPearson3::calcularEvento(double T) {
    const double z = maximos_ ? DesvioNormalPadronizado(T) : -DesvioNormalPadronizado(T);
    const double gama = assimetria_;
    const double K = d(FatorFrequenciaPearson3(z, gama));
    const double dK = d(DerivadaFatorFrequenciaPearson3(z, gama));
    const double evento = d(std::exp(d(media_ + K * desvioLog_)));
    const double delta2 = d(FatorErroPadraoPearson3(gama, K, dK));
    const double Sy = d(std::sqrt(d(variancia_ * delta2 / n_)));
    // Mean of the upper and lower deviations of exp(ln x_T ± S_y) from x_T.
    const double erro = d((d(std::exp(Sy)) - 1) * evento + (1 - std::exp(-Sy)) * evento) / 2;
    concluir(evento, erro);
}

} // namespace corvel
