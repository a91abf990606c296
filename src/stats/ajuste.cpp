// The shared outputs of a fit and the sample sums.
#include "ajuste.h"

namespace corvel {

void ResultadoAjuste::concluir(double evento, double erroPadrao) {
    using detalhe::d;
    const double superior = d(evento + 1.96 * erroPadrao);
    const double inferior = d(evento - 1.96 * erroPadrao);
    evento_ = evento;
    erroPadrao_ = erroPadrao;
    superior_ = superior;
    inferior_ = inferior;
}

void ResultadoAjuste::reiniciarEvento() {
    evento_ = erroPadrao_ = superior_ = inferior_ = 0;
    erro_ = amostraAjustada_ ? 0 : 1;
}

void ResultadoAjuste::falhar() noexcept {
    evento_ = erroPadrao_ = superior_ = inferior_ = 0;
    erro_ = 1;
}

namespace detalhe {

Somas somar(std::span<const double> valores) {
    Somas s;
    for (const double v : valores) {
        s.x += v;
        s.x2 += v * v;
        s.x3 += v * v * v;
        s.constante = s.constante && v == valores.front();
    }
    s.n = static_cast<double>(valores.size());
    return s;
}

Momentos momentos(const Somas& s) {
    Momentos m{};
    m.n = s.n;
    m.media = d(s.x / s.n);
    const double q2 = d(s.x2 / s.n);
    const double q3 = d(s.x3 / s.n);
    m.m2 = d(q2 - m.media * m.media);
    m.m3 = d(2 * m.media * m.media * m.media + q3 - 3 * m.media * q2);
    if (s.constante) // Σx²/n − x̄² may round to ±1e-12 where the spread is exactly zero
        m.m2 = m.m3 = 0;
    return m;
}

} // namespace detalhe

} // namespace corvel
